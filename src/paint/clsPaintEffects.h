// The painter: copies a rectangle of a picture or another drawing surface onto a drawing surface
// plainly, with one colour transparent, or "disabled" (an embossed two-colour silhouette).
//
// Colours are OLE colour values: 0x00BBGGRR, or 0x80000000 + n for system colour n of the classic
// desktop theme (Paint_Translate_Color). Palettes: the surfaces hold 32-bit colour, where a palette
// changes no colour, so hPal only decides which palette is "in force" and never alters a pixel.
//
// Outside the source: the scratch copy of the source starts black, so source pixels that lie beyond
// the source surface read as black (icons: as the mask colour, the fill of the icon's scratch area).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/vb_types.h"
#include "platform/picture.h"
#include "platform/surface.h"

using OleColor = std::uint32_t;

// System colours (0x80000000 + index) the painter's defaults use.
inline constexpr OleColor kSysColor3DShadow = 0x80000010;     // 16: three-dimensional shadow
inline constexpr OleColor kSysColor3DHighlight = 0x80000014;  // 20: three-dimensional highlight

// An OLE colour as plain 0x00BBGGRR: system colours from the classic theme's table, plain colours
// unchanged, palette-relative values (0x01 / 0x02 in the top byte) by their low 24 bits, and
// anything else (an unknown system colour, an unknown top byte) as black.
platform::Colour Paint_Translate_Color(OleColor color);

// The key colour of disabled painting: the first of black, pure red and pure blue that equals
// neither the highlight nor the shadow colour (both already translated).
platform::Colour Paint_Disabled_Key_Color(platform::Colour highlight, platform::Colour shadow);

// What the picture operations accept as their picture object: a loaded picture (bitmap or icon),
// a surface (a bitmap; an empty surface is no picture), or nothing (nullptr).
struct PicSource {
    int Type = platform::kPicTypeNone;
    const platform::Surface* image = nullptr;
    const std::vector<std::uint8_t>* coverage = nullptr;  // icons

    PicSource(std::nullptr_t) {}
    PicSource(const platform::Picture& p);
    PicSource(const platform::Picture* p);
    PicSource(const platform::Surface& s);
    PicSource(const platform::Surface* s);
};

class clsPaintEffects {
public:
    // Class_Initialize / Class_Terminate: the halftone palette lives as long as the painter.
    clsPaintEffects();
    ~clsPaintEffects();
    clsPaintEffects(const clsPaintEffects&) = delete;
    clsPaintEffects& operator=(const clsPaintEffects&) = delete;

    // The source's dark pixels (never a mask-coloured one) as a shadow-coloured silhouette over a
    // highlight-coloured copy one pixel right and down; the highlight copy loses its last row and
    // column, and the first row and column receive none. Every other pixel is left as it was.
    void PaintDisabledStdPic(platform::Surface& hdcDest, vb::Long xDest, vb::Long yDest, vb::Long Width,
                             vb::Long Height, PicSource picSource, vb::Long xSrc, vb::Long ySrc,
                             OleColor clrMask = 0xFFFFFF, OleColor clrHighlight = kSysColor3DHighlight,
                             OleColor clrShadow = kSysColor3DShadow, vb::Long hPal = 0);
    void PaintDisabledDC(platform::Surface& hdcDest, vb::Long xDest, vb::Long yDest, vb::Long Width,
                         vb::Long Height, const platform::Surface& hdcSrc, vb::Long xSrc, vb::Long ySrc,
                         OleColor clrMask = 0xFFFFFF, OleColor clrHighlight = kSysColor3DHighlight,
                         OleColor clrShadow = kSysColor3DShadow, vb::Long hPal = 0);
    // Every destination pixel of the rectangle takes the source pixel, unless that pixel equals the
    // mask colour exactly: then the destination pixel stays as it was. hdcSrc may be hdcDest.
    void PaintTransparentDC(platform::Surface& hdcDest, vb::Long xDest, vb::Long yDest, vb::Long Width,
                            vb::Long Height, const platform::Surface& hdcSrc, vb::Long xSrc, vb::Long ySrc,
                            OleColor clrMask, vb::Long hPal = 0);
    // As PaintTransparentDC from a picture. An icon ignores xSrc and ySrc: it is drawn at its own
    // size into a Width x Height area of the mask colour, so everything outside it is transparent.
    // No picture, or one that is neither a bitmap nor an icon: vb::Error 481, nothing drawn.
    void PaintTransparentStdPic(platform::Surface& hdcDest, vb::Long xDest, vb::Long yDest, vb::Long Width,
                                vb::Long Height, PicSource picSource, vb::Long xSrc, vb::Long ySrc,
                                OleColor clrMask, vb::Long hPal = 0);
    // A plain copy of the bitmap's rectangle; an icon is drawn stretched to Width x Height (its own
    // size where one of them is 0). Error 481 as above.
    void PaintNormalStdPic(platform::Surface& hdcDest, vb::Long xDest, vb::Long yDest, vb::Long Width,
                           vb::Long Height, PicSource picSource, vb::Long xSrc, vb::Long ySrc, vb::Long hPal = 0);

    // The palette an operation uses for hPal (0: the painter's halftone palette).
    vb::Long PaletteFor(vb::Long hPal) const { return hPal == 0 ? mlngHalftonePal : hPal; }

private:
    vb::Long mlngHalftonePal = 0;
};
