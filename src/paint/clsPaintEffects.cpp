#include "paint/clsPaintEffects.h"

#include <algorithm>

#include "common/vb_error.h"
#include "platform/raster.h"

using platform::Colour;
using platform::Surface;

namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRgb = 0xFFFFFF;

// The "Windows Standard" scheme of the classic desktop, by system colour index.
constexpr Colour kSystemColours[] = {
    platform::Rgb(192, 192, 192),  //  0 scroll bar
    platform::Rgb(0, 128, 128),    //  1 desktop background
    platform::Rgb(0, 0, 128),      //  2 active caption
    platform::Rgb(128, 128, 128),  //  3 inactive caption
    platform::Rgb(192, 192, 192),  //  4 menu
    platform::Rgb(255, 255, 255),  //  5 window
    platform::Rgb(0, 0, 0),        //  6 window frame
    platform::Rgb(0, 0, 0),        //  7 menu text
    platform::Rgb(0, 0, 0),        //  8 window text
    platform::Rgb(255, 255, 255),  //  9 caption text
    platform::Rgb(192, 192, 192),  // 10 active border
    platform::Rgb(192, 192, 192),  // 11 inactive border
    platform::Rgb(128, 128, 128),  // 12 application workspace
    platform::Rgb(0, 0, 128),      // 13 highlight
    platform::Rgb(255, 255, 255),  // 14 highlight text
    platform::Rgb(192, 192, 192),  // 15 button face
    platform::Rgb(128, 128, 128),  // 16 button shadow (3-D shadow)
    platform::Rgb(128, 128, 128),  // 17 grey text
    platform::Rgb(0, 0, 0),        // 18 button text
    platform::Rgb(192, 192, 192),  // 19 inactive caption text
    platform::Rgb(255, 255, 255),  // 20 button highlight (3-D highlight)
    platform::Rgb(0, 0, 0),        // 21 3-D dark shadow
    platform::Rgb(192, 192, 192),  // 22 3-D light
    platform::Rgb(0, 0, 0),        // 23 tooltip text
    platform::Rgb(255, 255, 225),  // 24 tooltip background
    platform::Rgb(0, 0, 0),        // 25 (not used)
    platform::Rgb(0, 0, 255),      // 26 hot-tracked item
    platform::Rgb(16, 132, 208),   // 27 active caption gradient
    platform::Rgb(192, 192, 192),  // 28 inactive caption gradient
};

// Where the source rectangle's pixels come from, relative to the rectangle's top left.
struct Reader {
    const Surface* surface = nullptr;
    long long x0 = 0, y0 = 0;
    Colour outside = 0;                                  // beyond the source surface
    const std::vector<std::uint8_t>* coverage = nullptr; // icons: blended over `outside`

    Colour Read(long long i, long long j) const {
        const long long x = x0 + i, y = y0 + j;
        if (surface == nullptr || x < 0 || y < 0 || x >= surface->Width() || y >= surface->Height()) return outside;
        const Colour c = surface->At(static_cast<int>(x), static_cast<int>(y)) & kRgb;
        if (coverage == nullptr) return c;
        const unsigned a = (*coverage)[static_cast<std::size_t>(y) * surface->Width() + static_cast<std::size_t>(x)];
        if (a == 255) return c;
        const unsigned na = 255 - a;
        auto mix = [&](int shift) {
            return ((((c >> shift) & 0xFF) * a + ((outside >> shift) & 0xFF) * na + 127) / 255) << shift;
        };
        return mix(0) | mix(8) | mix(16);
    }
};

// The part of a Width x Height rectangle at (xDest, yDest) that lies on the destination, as
// rectangle-relative [i0, i1) x [j0, j1). Empty when nothing of it is on the surface.
struct Clip {
    long long i0 = 0, j0 = 0, i1 = 0, j1 = 0;
    bool Empty() const { return i0 >= i1 || j0 >= j1; }
};

Clip ClipTo(const Surface& dst, long long xDest, long long yDest, long long w, long long h) {
    Clip c;
    c.i0 = std::max(0LL, -xDest);
    c.j0 = std::max(0LL, -yDest);
    c.i1 = std::min(w, dst.Width() - xDest);
    c.j1 = std::min(h, dst.Height() - yDest);
    return c;
}

// A private copy of the source pixels [i0, i1) x [j0, j1): the source is read whole before the
// destination is written, so a surface painted onto itself reads the picture as it was.
struct Grab {
    long long i0 = 0, j0 = 0, w = 0;
    std::vector<Colour> px;
    Grab(const Reader& r, long long i0_, long long j0_, long long i1, long long j1) : i0(i0_), j0(j0_), w(i1 - i0_) {
        px.reserve(static_cast<std::size_t>(std::max(0LL, w) * std::max(0LL, j1 - j0)));
        const Surface* s = r.surface;
        for (long long j = j0; j < j1; ++j) {
            const long long y = r.y0 + j;
            if (r.coverage == nullptr && s != nullptr && y >= 0 && y < s->Height()) {
                // A bitmap row: the part on the source is copied, the rest reads `outside`.
                const Colour* row = s->Row(static_cast<int>(y));
                for (long long i = i0; i < i1; ++i) {
                    const long long x = r.x0 + i;
                    px.push_back(x >= 0 && x < s->Width() ? (row[x] & kRgb) : r.outside);
                }
                continue;
            }
            for (long long i = i0; i < i1; ++i) px.push_back(r.Read(i, j));
        }
    }
    Colour At(long long i, long long j) const { return px[static_cast<std::size_t>((j - j0) * w + (i - i0))]; }
};

void Transparent(Surface& dst, long long xDest, long long yDest, long long w, long long h, const Reader& src,
                 Colour mask) {
    if (w <= 0 || h <= 0) return;
    const Clip c = ClipTo(dst, xDest, yDest, w, h);
    if (c.Empty()) return;
    if (src.coverage == nullptr && src.surface != nullptr && src.surface != &dst) {
        // A bitmap from another surface (every sprite): no private copy needed.
        const Surface& s = *src.surface;
        for (long long j = c.j0; j < c.j1; ++j) {
            Colour* row = dst.Row(static_cast<int>(yDest + j));
            const long long sy = src.y0 + j;
            const Colour* srow = sy >= 0 && sy < s.Height() ? s.Row(static_cast<int>(sy)) : nullptr;
            for (long long i = c.i0; i < c.i1; ++i) {
                const long long sx = src.x0 + i;
                const Colour v = srow != nullptr && sx >= 0 && sx < s.Width() ? (srow[sx] & kRgb) : src.outside;
                if (v != mask) row[xDest + i] = v;
            }
        }
        return;
    }
    const Grab g(src, c.i0, c.j0, c.i1, c.j1);
    for (long long j = c.j0; j < c.j1; ++j) {
        Colour* row = dst.Row(static_cast<int>(yDest + j));
        for (long long i = c.i0; i < c.i1; ++i) {
            const Colour s = g.At(i, j);
            if (s != mask) row[xDest + i] = s;
        }
    }
}

// Reduction of a colour to the nearer of black and white (squared distance in RGB): black exactly
// when red + green + blue <= 382.
bool ReducesToBlack(Colour c) { return platform::RedOf(c) + platform::GreenOf(c) + platform::BlueOf(c) <= 382; }

void Disabled(Surface& dst, long long xDest, long long yDest, long long w, long long h, const Reader& src,
              Colour mask, Colour highlight, Colour shadow) {
    if (w <= 0 || h <= 0) return;
    const Clip c = ClipTo(dst, xDest, yDest, w, h);
    if (c.Empty()) return;
    // The highlight of pixel (i, j) lands on (i + 1, j + 1): read one row and column more.
    const long long gi0 = std::max(0LL, c.i0 - 1), gj0 = std::max(0LL, c.j0 - 1);
    const Grab g(src, gi0, gj0, c.i1, c.j1);
    // With white as the mask colour the mask pixels are white already: no transparency pass.
    const bool maskPass = mask != kWhite;
    auto dark = [&](long long i, long long j) {
        const Colour s = g.At(i, j);
        if (maskPass && s == mask) return false;
        return ReducesToBlack(s);
    };
    // The silhouette bitmap shows the background colour (highlight or shadow) where the source was
    // dark and the key colour elsewhere; the key colour is what stays transparent.
    const Colour key = Paint_Disabled_Key_Color(highlight, shadow);
    auto silhouette = [&](long long i, long long j, Colour fore) { return dark(i, j) ? fore : key; };
    for (long long j = c.j0; j < c.j1; ++j) {
        Colour* row = dst.Row(static_cast<int>(yDest + j));
        for (long long i = c.i0; i < c.i1; ++i) {
            Colour& d = row[xDest + i];
            if (i >= 1 && j >= 1) {
                const Colour hl = silhouette(i - 1, j - 1, highlight);
                if (hl != key) d = hl;
            }
            const Colour sh = silhouette(i, j, shadow);
            if (sh != key) d = sh;
        }
    }
}

Reader BitmapReader(const Surface& s, long long xSrc, long long ySrc) {
    Reader r;
    r.surface = &s;
    r.x0 = xSrc;
    r.y0 = ySrc;
    r.outside = 0;  // the scratch copy of the source starts black
    return r;
}

// An icon drawn at (0, 0) at its own size into an area filled with the fill colour.
Reader IconReader(const PicSource& p, Colour fill) {
    Reader r;
    r.surface = p.image;
    r.outside = fill;
    r.coverage = p.coverage;
    return r;
}

void RequirePicture(const PicSource& p) {
    if (p.image == nullptr || (p.Type != platform::kPicTypeBitmap && p.Type != platform::kPicTypeIcon)) {
        vb::Raise(vb::kErrInvalidPicture);
    }
    if (p.Type == platform::kPicTypeIcon &&
        (p.coverage == nullptr ||
         p.coverage->size() != static_cast<std::size_t>(p.image->Width()) * static_cast<std::size_t>(p.image->Height()))) {
        vb::Raise(vb::kErrInvalidPicture);
    }
}

}  // namespace

platform::Colour Paint_Translate_Color(OleColor color) {
    const unsigned top = color >> 24;
    if (top == 0x80) {
        const unsigned index = color & 0xFFFFFF;
        if (index < std::size(kSystemColours)) return kSystemColours[index];
        return 0;
    }
    if (top <= 0x02) return color & kRgb;
    return 0;
}

platform::Colour Paint_Disabled_Key_Color(platform::Colour highlight, platform::Colour shadow) {
    for (Colour key : {platform::Rgb(0, 0, 0), platform::Rgb(255, 0, 0), platform::Rgb(0, 0, 255)}) {
        if (key != highlight && key != shadow) return key;
    }
    return 0;  // two colours cannot rule out three candidates
}

PicSource::PicSource(const platform::Picture& p) : Type(p.Type), image(&p.image) {
    if (p.Type == platform::kPicTypeIcon) coverage = &p.coverage;
}
PicSource::PicSource(const platform::Picture* p) {
    if (p != nullptr) *this = PicSource(*p);
}
PicSource::PicSource(const platform::Surface& s) {
    if (!s.Empty()) {
        Type = platform::kPicTypeBitmap;
        image = &s;
    }
}
PicSource::PicSource(const platform::Surface* s) {
    if (s != nullptr) *this = PicSource(*s);
}

// A true-colour surface has no palette of its own; the halftone palette is a handle the painter
// owns for its lifetime and hands to the operations when they are given none.
clsPaintEffects::clsPaintEffects() : mlngHalftonePal(1) {}
clsPaintEffects::~clsPaintEffects() { mlngHalftonePal = 0; }

void clsPaintEffects::PaintTransparentDC(Surface& hdcDest, vb::Long xDest, vb::Long yDest, vb::Long Width,
                                         vb::Long Height, const Surface& hdcSrc, vb::Long xSrc, vb::Long ySrc,
                                         OleColor clrMask, vb::Long hPal) {
    (void)PaletteFor(hPal);
    Transparent(hdcDest, xDest, yDest, Width, Height, BitmapReader(hdcSrc, xSrc, ySrc), Paint_Translate_Color(clrMask));
}

void clsPaintEffects::PaintTransparentStdPic(Surface& hdcDest, vb::Long xDest, vb::Long yDest, vb::Long Width,
                                             vb::Long Height, PicSource picSource, vb::Long xSrc, vb::Long ySrc,
                                             OleColor clrMask, vb::Long hPal) {
    RequirePicture(picSource);
    if (picSource.Type == platform::kPicTypeBitmap) {
        PaintTransparentDC(hdcDest, xDest, yDest, Width, Height, *picSource.image, xSrc, ySrc, clrMask, hPal);
        return;
    }
    const Colour mask = Paint_Translate_Color(clrMask);
    Transparent(hdcDest, xDest, yDest, Width, Height, IconReader(picSource, mask), mask);
}

void clsPaintEffects::PaintNormalStdPic(Surface& hdcDest, vb::Long xDest, vb::Long yDest, vb::Long Width,
                                        vb::Long Height, PicSource picSource, vb::Long xSrc, vb::Long ySrc,
                                        vb::Long hPal) {
    RequirePicture(picSource);
    (void)PaletteFor(hPal);
    const Surface& img = *picSource.image;
    if (picSource.Type == platform::kPicTypeBitmap) {
        if (Width <= 0 || Height <= 0) return;
        platform::BitBlt(hdcDest, xDest, yDest, Width, Height, img, xSrc, ySrc, platform::kRopSrcCopy);
        return;
    }
    // An icon, stretched by nearest neighbour and laid over the destination by its coverage.
    const long long w = Width == 0 ? img.Width() : Width;
    const long long h = Height == 0 ? img.Height() : Height;
    if (w <= 0 || h <= 0 || img.Empty()) return;
    const Clip c = ClipTo(hdcDest, xDest, yDest, w, h);
    if (c.Empty()) return;
    for (long long j = c.j0; j < c.j1; ++j) {
        const int sy = static_cast<int>(j * img.Height() / h);
        Colour* row = hdcDest.Row(static_cast<int>(yDest + j));
        for (long long i = c.i0; i < c.i1; ++i) {
            const int sx = static_cast<int>(i * img.Width() / w);
            const unsigned a = (*picSource.coverage)[static_cast<std::size_t>(sy) * img.Width() + sx];
            if (a == 0) continue;
            Colour& d = row[xDest + i];
            const Colour s = img.At(sx, sy) & kRgb;
            const unsigned na = 255 - a;
            auto mix = [&](int shift) {
                return ((((s >> shift) & 0xFF) * a + ((d >> shift) & 0xFF) * na + 127) / 255) << shift;
            };
            d = a == 255 ? s : (mix(0) | mix(8) | mix(16));
        }
    }
}

void clsPaintEffects::PaintDisabledDC(Surface& hdcDest, vb::Long xDest, vb::Long yDest, vb::Long Width,
                                      vb::Long Height, const Surface& hdcSrc, vb::Long xSrc, vb::Long ySrc,
                                      OleColor clrMask, OleColor clrHighlight, OleColor clrShadow, vb::Long hPal) {
    (void)PaletteFor(hPal);
    Disabled(hdcDest, xDest, yDest, Width, Height, BitmapReader(hdcSrc, xSrc, ySrc), Paint_Translate_Color(clrMask),
             Paint_Translate_Color(clrHighlight), Paint_Translate_Color(clrShadow));
}

void clsPaintEffects::PaintDisabledStdPic(Surface& hdcDest, vb::Long xDest, vb::Long yDest, vb::Long Width,
                                          vb::Long Height, PicSource picSource, vb::Long xSrc, vb::Long ySrc,
                                          OleColor clrMask, OleColor clrHighlight, OleColor clrShadow,
                                          vb::Long hPal) {
    RequirePicture(picSource);
    if (picSource.Type == platform::kPicTypeBitmap) {
        PaintDisabledDC(hdcDest, xDest, yDest, Width, Height, *picSource.image, xSrc, ySrc, clrMask, clrHighlight,
                        clrShadow, hPal);
        return;
    }
    const Colour mask = Paint_Translate_Color(clrMask);
    Disabled(hdcDest, xDest, yDest, Width, Height, IconReader(picSource, mask), mask,
             Paint_Translate_Color(clrHighlight), Paint_Translate_Color(clrShadow));
}
