// Raster operations on surfaces, with the exact per-pixel results and clipping of the classic
// device-context calls the game was written against, and the pen drawing of a form (Cls, Line with
// B / BF, Circle) on top of them.
//
// Pixel model: pixel (px, py) is the unit square [px, px+1) x [py, py+1). Drawing coordinates are
// whole pixels; the form-level helpers round Single coordinates half to even first. Everything is
// clipped at every edge of the surface: coordinates far outside (or negative) are fine.
//
// Pen widths. A pen of width 1 draws a thin line by Bresenham, both end points included. A pen of
// width d >= 2 covers every pixel whose sample point lies closer than d / 2 to the segment (a
// capsule: round end caps). The sample point is the pixel centre (px + 0.5, py + 0.5) measured
// against a segment through pixel corners when d is even, and the pixel index (px, py) against a
// segment through pixel centres when d is odd, so that a horizontal or vertical line of width d
// covers exactly d rows or columns: from x - d/2 (rounded down) to x - d/2 + d - 1. A line from
// (0, 0) to (W, 0) of width d therefore covers rows 0 to (d - 1) / 2 inside the surface.
//
// Circle edges. A circle of radius r around (cx, cy) in a pen of width d (d >= 1) covers the pixels
// whose distance s from the centre (pixel index to centre, both whole numbers) satisfies
// r - d/2 <= s < r + d/2: an annulus d pixels wide along the axes, centred on the radius; when
// r < d/2 it is a solid disc. A solid fill (FillStyle 0) first paints the pixels with s < r in the
// fill colour; the outline is drawn over it.
//
// Boxes. Line (x1, y1)-(x2, y2) with B or BF spans both corners inclusive. A box outline of width d
// draws each edge as a band d pixels thick placed like a line of that width (square corners).
// Raster_FillBox ignores the pen; the form's BF fills the box and, with a pen wider than 1, draws
// that outline around it as well, so a wide pen makes a filled box larger.
#pragma once
#include <cstdint>

#include "platform/form.h"
#include "platform/surface.h"

namespace platform {

// Raster-operation codes (ternary ROP numbers).
enum : std::uint32_t {
    kRopSrcCopy = 0x00CC0020,        // dst = src
    kRopSrcAnd = 0x008800C6,         // dst = dst & src
    kRopSrcPaint = 0x00EE0086,       // dst = dst | src
    kRopDstInvert = 0x00550009,      // dst = ~dst
    kRopDstAndNotSrc = 0x00220326,   // dst = dst & ~src
    kRopSrcInvert = 0x00660046,      // dst = dst ^ src
    kRopNotSrcCopy = 0x00330008,     // dst = ~src
    kRopBlackness = 0x00000042,      // dst = 0
    kRopWhiteness = 0x00FF0062,      // dst = white
};

// Copies w x h pixels from src at (sx, sy) to dst at (x, y) with the raster operation. Pixels
// outside either surface are skipped (for DSTINVERT, which reads no source, only the destination
// clips). src may be dst itself: the source is read as it was before the call. Other ternary codes
// are evaluated bit by bit with a white pattern (the default brush). w or h <= 0 draws nothing.
void BitBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, std::uint32_t rop);

// Stretches the source rectangle (sx, sy, sw, sh) onto the destination rectangle (x, y, w, h) by
// nearest neighbour without smoothing. Destination pixel i of a row (0 .. |w|-1) reads source
// column floor((2i + 1) * |sw| / (2 |w|)) of the source rectangle: the source pixel under its
// centre, so that shrinking drops and enlarging repeats pixels evenly and symmetrically. A negative
// size spans the pixels x + w .. x - 1; differing signs mirror. Source pixels outside the source
// surface read as black (0): a picture zoomed out from beyond its edges gets a black frame. src may
// be dst itself (the picture of that moment is read).
void StretchBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, int sw, int sh,
                std::uint32_t rop);

// --- pen drawing on a surface (whole pixels) ---

// Clears the whole surface to one colour.
void Raster_Cls(Surface& s, Colour c);
// Filled box, both corners inclusive, in any corner order.
void Raster_FillBox(Surface& s, int x1, int y1, int x2, int y2, Colour c);
// Box outline in a pen of the given width.
void Raster_Box(Surface& s, int x1, int y1, int x2, int y2, Colour c, int penWidth);
// Line in a pen of the given width (values below 1 count as 1).
void Raster_Line(Surface& s, int x1, int y1, int x2, int y2, Colour c, int penWidth);
// Circle outline in a pen of the given width; with fillStyle kFillSolid the inside is painted in
// fillColour first.
void Raster_Circle(Surface& s, int cx, int cy, int r, Colour c, int penWidth, int fillStyle, Colour fillColour);

// --- the form's own drawing methods: coordinates as Singles, settings of the form ---

enum class LineKind { Plain, Box, FilledBox };
// Line (x1, y1)-(x2, y2), colour[, B | BF] with the form's DrawWidth.
void Form_Line(Form& f, float x1, float y1, float x2, float y2, Colour c, LineKind kind = LineKind::Plain);
// Circle (x, y), r, colour with the form's DrawWidth, FillStyle and FillColor. The radius is
// rounded half to even to whole pixels.
void Form_Circle(Form& f, float x, float y, float r, Colour c);
// Setting BackColor clears the image to it (the form's behaviour when its back colour changes).
void Form_SetBackColor(Form& f, Colour c);

}  // namespace platform
