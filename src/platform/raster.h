// Raster operations on surfaces, with the exact per-pixel results and clipping of the classic
// device-context calls the game was written against.
#pragma once
#include <cstdint>

#include "platform/surface.h"

namespace platform {

// Raster-operation codes (ternary ROP numbers).
enum : std::uint32_t {
    kRopSrcCopy = 0x00CC0020,   // dst = src
    kRopSrcAnd = 0x008800C6,    // dst = dst & src
    kRopSrcPaint = 0x00EE0086,  // dst = dst | src
    kRopDstInvert = 0x00550009, // dst = ~dst
    kRopDstAndNotSrc = 0x00220326,  // dst = dst & ~src
};

// Copies w x h pixels from src at (sx, sy) to dst at (x, y) with the raster operation. Pixels
// outside either surface are skipped. src may be dst itself: the source is read as it was before
// the call.
void BitBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, std::uint32_t rop);

// Stretches the source rectangle (sx, sy, sw, sh) onto the destination rectangle (x, y, w, h) by
// nearest neighbour (negative sizes mirror). src may be dst itself.
void StretchBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, int sw, int sh,
                std::uint32_t rop);

}  // namespace platform
