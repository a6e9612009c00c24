#include "platform/raster.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace platform {
namespace {

__extension__ typedef __int128 Wide;  // products of two 32-bit spans

constexpr Colour kRgbMask = 0x00FFFFFF;
constexpr Colour kPatternWhite = 0x00FFFFFF;

// Rows of a source rectangle: either the source surface itself or a private copy of the part that
// is read (a surface copied onto itself must be read as it was before the call).
struct SourceView {
    const Colour* base = nullptr;
    std::ptrdiff_t stride = 0;
    int originX = 0;  // surface coordinates of base[0]
    int originY = 0;
    const Colour* Row(int y) const { return base + (y - originY) * stride - originX; }
};

thread_local std::vector<Colour> tCopy;
thread_local std::vector<Colour> tRow;

// The source pixels [x0, x1) x [y0, y1) (already inside src) as a view that stays valid while dst
// is written.
SourceView ViewOf(const Surface& dst, const Surface& src, int x0, int y0, int x1, int y1) {
    SourceView v;
    if (&dst != &src) {
        v.base = src.Row(0);
        v.stride = src.Width();
        return v;
    }
    const int w = x1 - x0;
    const int h = y1 - y0;
    tCopy.resize(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) std::copy_n(src.Row(y0 + y) + x0, w, tCopy.data() + static_cast<std::size_t>(y) * w);
    v.base = tCopy.data();
    v.stride = w;
    v.originX = x0;
    v.originY = y0;
    return v;
}

bool RopUsesSource(std::uint32_t rop) {
    const unsigned code = (rop >> 16) & 0xFF;
    return (((code >> 2) ^ code) & 0x33) != 0;
}

// Any ternary code, bit by bit: minterm m (bit 2 pattern, bit 1 source, bit 0 destination).
Colour Rop3(unsigned code, Colour p, Colour s, Colour d) {
    Colour r = 0;
    for (unsigned m = 0; m < 8; ++m) {
        if (((code >> m) & 1) == 0) continue;
        r |= ((m & 4) ? p : ~p) & ((m & 2) ? s : ~s) & ((m & 1) ? d : ~d);
    }
    return r & kRgbMask;
}

// Combines n source pixels into n destination pixels (src is ignored by codes that do not read it).
void CombineRow(Colour* d, const Colour* s, int n, std::uint32_t rop) {
    switch (rop) {
        case kRopSrcCopy:
            std::copy_n(s, n, d);
            break;
        case kRopSrcAnd:
            for (int i = 0; i < n; ++i) d[i] &= s[i];
            break;
        case kRopSrcPaint:
            for (int i = 0; i < n; ++i) d[i] = (d[i] | s[i]) & kRgbMask;
            break;
        case kRopDstInvert:
            for (int i = 0; i < n; ++i) d[i] = ~d[i] & kRgbMask;
            break;
        case kRopDstAndNotSrc:
            for (int i = 0; i < n; ++i) d[i] &= ~s[i] & kRgbMask;
            break;
        case kRopSrcInvert:
            for (int i = 0; i < n; ++i) d[i] = (d[i] ^ s[i]) & kRgbMask;
            break;
        case kRopNotSrcCopy:
            for (int i = 0; i < n; ++i) d[i] = ~s[i] & kRgbMask;
            break;
        case kRopBlackness:
            std::fill_n(d, n, Colour{0});
            break;
        case kRopWhiteness:
            std::fill_n(d, n, kRgbMask);
            break;
        default: {
            const unsigned code = (rop >> 16) & 0xFF;
            const bool usesSource = RopUsesSource(rop);
            for (int i = 0; i < n; ++i) d[i] = Rop3(code, kPatternWhite, usesSource ? s[i] : 0, d[i]);
            break;
        }
    }
}

// Rounds a drawing coordinate half to even, kept far inside int range.
int Pixel(double v) {
    if (!(v == v)) return 0;
    v = std::clamp(v, -1.0e8, 1.0e8);
    return static_cast<int>(std::nearbyint(v));
}

std::int64_t ISqrtFloor(std::int64_t n) {  // largest m with m*m <= n (n >= 0)
    auto m = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)));
    while (m > 0 && m * m > n) --m;
    while ((m + 1) * (m + 1) <= n) ++m;
    return m;
}

std::int64_t ISqrtCeil(std::int64_t n) {  // smallest m >= 0 with m*m >= n
    std::int64_t m = ISqrtFloor(n);
    return m * m < n ? m + 1 : m;
}

void FillSpan(Surface& s, int y, std::int64_t x0, std::int64_t x1, Colour c) {  // inclusive
    if (y < 0 || y >= s.Height()) return;
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min<std::int64_t>(x1, s.Width() - 1);
    if (x0 > x1) return;
    std::fill(s.Row(y) + x0, s.Row(y) + x1 + 1, c);
}

// Thin line: for the major axis step k the minor offset is k * minor / major rounded half up in
// size, which is the pixel choice of the classic midpoint walk. Only the steps that can land inside
// the surface are visited.
void ThinLine(Surface& s, int x1, int y1, int x2, int y2, Colour c) {
    const std::int64_t dx = std::abs(static_cast<std::int64_t>(x2) - x1);
    const std::int64_t dy = std::abs(static_cast<std::int64_t>(y2) - y1);
    const int sx = x2 >= x1 ? 1 : -1;
    const int sy = y2 >= y1 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const std::int64_t major = xMajor ? dx : dy;
    const std::int64_t minor = xMajor ? dy : dx;
    const std::int64_t m0 = xMajor ? x1 : y1;
    const int ms = xMajor ? sx : sy;
    const std::int64_t limit = xMajor ? s.Width() : s.Height();
    // Steps k with 0 <= m0 + ms * k < limit.
    std::int64_t k0 = 0, k1 = major;
    if (ms > 0) {
        k0 = std::max<std::int64_t>(k0, -m0);
        k1 = std::min<std::int64_t>(k1, limit - 1 - m0);
    } else {
        k0 = std::max<std::int64_t>(k0, m0 - (limit - 1));
        k1 = std::min<std::int64_t>(k1, m0);
    }
    for (std::int64_t k = k0; k <= k1; ++k) {
        const auto off = major == 0 ? 0 : static_cast<std::int64_t>((2 * Wide{k} * minor + major) / (2 * Wide{major}));
        const std::int64_t a = m0 + ms * k;
        const std::int64_t b = (xMajor ? y1 : x1) + (xMajor ? sy : sx) * off;
        const std::int64_t px = xMajor ? a : b;
        const std::int64_t py = xMajor ? b : a;
        if (px >= 0 && py >= 0 && px < s.Width() && py < s.Height()) s.At(static_cast<int>(px), static_cast<int>(py)) = c;
    }
}

// Open interval of X with lo < a * X + b < hi, intersected into [xlo, xhi]; false when empty.
bool Constrain(double a, double b, double lo, double hi, double& xlo, double& xhi) {
    if (a == 0) return b > lo && b < hi;
    double l = (lo - b) / a;
    double u = (hi - b) / a;
    if (l > u) std::swap(l, u);
    xlo = std::max(xlo, l);
    xhi = std::min(xhi, u);
    return xlo < xhi;
}

// Wide line: the capsule of radius d / 2 around the segment, row by row (the capsule is convex, so
// each row is one span: the union of the two end discs and the swept band).
void WideLine(Surface& s, int x1, int y1, int x2, int y2, Colour c, int d) {
    const double o = (d % 2 == 0) ? 0.5 : 0.0;  // sample point offset, see the header
    const double h = d / 2.0;
    const double h2 = h * h;
    const double ax = x1, ay = y1, bx = x2, by = y2;
    const double len = std::hypot(bx - ax, by - ay);
    const double ux = len > 0 ? (bx - ax) / len : 0.0;
    const double uy = len > 0 ? (by - ay) / len : 0.0;
    const int yFirst = static_cast<int>(std::max(0.0, std::floor(std::min(ay, by) - h - o)));
    const int yLast = static_cast<int>(std::min<double>(s.Height() - 1, std::ceil(std::max(ay, by) + h - o)));
    const double inf = std::numeric_limits<double>::infinity();
    for (int py = yFirst; py <= yLast; ++py) {
        const double yy = py + o;
        double lo = inf, hi = -inf;
        for (int e = 0; e < 2; ++e) {
            const double ex = e ? bx : ax;
            const double ey = e ? by : ay;
            const double dy = yy - ey;
            if (dy * dy < h2) {
                const double half = std::sqrt(h2 - dy * dy);
                lo = std::min(lo, ex - half);
                hi = std::max(hi, ex + half);
            }
        }
        if (len > 0) {
            const double q = yy - ay;
            double xlo = -inf, xhi = inf;
            // along the segment: 0 < t < len; across it: -h < n < h (X = x - ax).
            if (Constrain(ux, q * uy, 0.0, len, xlo, xhi) && Constrain(-uy, q * ux, -h, h, xlo, xhi)) {
                lo = std::min(lo, ax + xlo);
                hi = std::max(hi, ax + xhi);
            }
        }
        if (!(lo < hi)) continue;
        // Pixels px with lo < px + o < hi.
        const double first = std::floor(lo - o) + 1;
        const double last = std::ceil(hi - o) - 1;
        if (last < 0 || first > s.Width() - 1) continue;
        FillSpan(s, py, static_cast<std::int64_t>(std::max(first, -1.0)),
                 static_cast<std::int64_t>(std::min<double>(last, s.Width())), c);
    }
}

}  // namespace

void BitBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, std::uint32_t rop) {
    if (w <= 0 || h <= 0) return;
    const bool usesSource = RopUsesSource(rop);
    // Offsets i, j into the rectangle that land inside the destination (and the source).
    std::int64_t i0 = 0, j0 = 0, i1 = w, j1 = h;
    i0 = std::max<std::int64_t>(i0, -static_cast<std::int64_t>(x));
    j0 = std::max<std::int64_t>(j0, -static_cast<std::int64_t>(y));
    i1 = std::min<std::int64_t>(i1, static_cast<std::int64_t>(dst.Width()) - x);
    j1 = std::min<std::int64_t>(j1, static_cast<std::int64_t>(dst.Height()) - y);
    if (usesSource) {
        i0 = std::max<std::int64_t>(i0, -static_cast<std::int64_t>(sx));
        j0 = std::max<std::int64_t>(j0, -static_cast<std::int64_t>(sy));
        i1 = std::min<std::int64_t>(i1, static_cast<std::int64_t>(src.Width()) - sx);
        j1 = std::min<std::int64_t>(j1, static_cast<std::int64_t>(src.Height()) - sy);
    }
    if (i0 >= i1 || j0 >= j1) return;
    const int n = static_cast<int>(i1 - i0);
    const int dx0 = static_cast<int>(x + i0);
    if (!usesSource) {
        for (auto j = j0; j < j1; ++j) CombineRow(dst.Row(static_cast<int>(y + j)) + dx0, nullptr, n, rop);
        return;
    }
    const int sx0 = static_cast<int>(sx + i0);
    const SourceView view =
        ViewOf(dst, src, sx0, static_cast<int>(sy + j0), sx0 + n, static_cast<int>(sy + j1));
    for (auto j = j0; j < j1; ++j) {
        CombineRow(dst.Row(static_cast<int>(y + j)) + dx0, view.Row(static_cast<int>(sy + j)) + sx0, n, rop);
    }
}

void StretchBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, int sw, int sh,
                std::uint32_t rop) {
    if (w == 0 || h == 0 || sw == 0 || sh == 0) return;
    bool mirrorX = false, mirrorY = false;
    std::int64_t dx0 = x, dy0 = y, dw = w, dh = h, sx0 = sx, sy0 = sy, sws = sw, shs = sh;
    if (dw < 0) { dx0 += dw; dw = -dw; mirrorX = !mirrorX; }
    if (dh < 0) { dy0 += dh; dh = -dh; mirrorY = !mirrorY; }
    if (sws < 0) { sx0 += sws; sws = -sws; mirrorX = !mirrorX; }
    if (shs < 0) { sy0 += shs; shs = -shs; mirrorY = !mirrorY; }
    // Destination offsets inside the destination surface.
    const std::int64_t i0 = std::max<std::int64_t>(0, -dx0);
    const std::int64_t i1 = std::min<std::int64_t>(dw, dst.Width() - dx0);
    const std::int64_t j0 = std::max<std::int64_t>(0, -dy0);
    const std::int64_t j1 = std::min<std::int64_t>(dh, dst.Height() - dy0);
    if (i0 >= i1 || j0 >= j1) return;
    const int n = static_cast<int>(i1 - i0);
    const int firstX = static_cast<int>(dx0 + i0);
    if (!RopUsesSource(rop)) {
        for (auto j = j0; j < j1; ++j) CombineRow(dst.Row(static_cast<int>(dy0 + j)) + firstX, nullptr, n, rop);
        return;
    }
    // The source index of each of count destination offsets from first on (-1: outside the source
    // surface, reads black), and the range of the indices read.
    auto mapAxis = [](std::int64_t first, int count, std::int64_t dsize, std::int64_t s0, std::int64_t ssize,
                      bool mirror, int limit, int& read0, int& read1) {
        std::vector<int> out(static_cast<std::size_t>(count));
        read0 = std::numeric_limits<int>::max();
        read1 = -1;
        for (int i = 0; i < count; ++i) {
            auto k = static_cast<std::int64_t>((2 * Wide{first + i} + 1) * ssize / (2 * Wide{dsize}));
            if (mirror) k = ssize - 1 - k;
            const std::int64_t c = s0 + k;
            const bool inside = c >= 0 && c < limit;
            out[static_cast<std::size_t>(i)] = inside ? static_cast<int>(c) : -1;
            if (inside) {
                read0 = std::min(read0, static_cast<int>(c));
                read1 = std::max(read1, static_cast<int>(c));
            }
        }
        return out;
    };
    int readX0 = 0, readX1 = 0, readY0 = 0, readY1 = 0;
    const std::vector<int> cols = mapAxis(i0, n, dw, sx0, sws, mirrorX, src.Width(), readX0, readX1);
    const int m = static_cast<int>(j1 - j0);
    const std::vector<int> rows = mapAxis(j0, m, dh, sy0, shs, mirrorY, src.Height(), readY0, readY1);
    SourceView view;
    const bool anySource = readX1 >= 0 && readY1 >= 0;
    if (anySource) view = ViewOf(dst, src, readX0, readY0, readX1 + 1, readY1 + 1);
    tRow.resize(static_cast<std::size_t>(n));
    for (int j = 0; j < m; ++j) {
        const int r = rows[static_cast<std::size_t>(j)];
        if (r < 0 || !anySource) {
            std::fill(tRow.begin(), tRow.end(), Colour{0});
        } else {
            const Colour* srow = view.Row(r);
            for (int i = 0; i < n; ++i) {
                const int c = cols[static_cast<std::size_t>(i)];
                tRow[static_cast<std::size_t>(i)] = c < 0 ? 0 : srow[c];
            }
        }
        CombineRow(dst.Row(static_cast<int>(dy0 + j0 + j)) + firstX, tRow.data(), n, rop);
    }
}

void Raster_Cls(Surface& s, Colour c) { s.Fill(c); }

void Raster_FillBox(Surface& s, int x1, int y1, int x2, int y2, Colour c) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const int ya = std::max(y1, 0);
    const int yb = std::min(y2, s.Height() - 1);
    for (int y = ya; y <= yb; ++y) FillSpan(s, y, x1, x2, c);
}

void Raster_Box(Surface& s, int x1, int y1, int x2, int y2, Colour c, int penWidth) {
    const int d = std::max(penWidth, 1);
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const std::int64_t off = d / 2;
    auto band = [&](std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by) {
        ax = std::clamp<std::int64_t>(ax, -1, s.Width());
        bx = std::clamp<std::int64_t>(bx, -1, s.Width());
        ay = std::clamp<std::int64_t>(ay, -1, s.Height());
        by = std::clamp<std::int64_t>(by, -1, s.Height());
        Raster_FillBox(s, static_cast<int>(ax), static_cast<int>(ay), static_cast<int>(bx), static_cast<int>(by), c);
    };
    const std::int64_t l = std::int64_t{x1} - off, t = std::int64_t{y1} - off;
    const std::int64_t r = std::int64_t{x2} - off + d - 1, b = std::int64_t{y2} - off + d - 1;
    band(l, t, r, t + d - 1);                       // top
    band(l, std::int64_t{y2} - off, r, b);          // bottom
    band(l, t, l + d - 1, b);                       // left
    band(std::int64_t{x2} - off, t, r, b);          // right
}

void Raster_Line(Surface& s, int x1, int y1, int x2, int y2, Colour c, int penWidth) {
    if (penWidth <= 1) {
        ThinLine(s, x1, y1, x2, y2, c);
    } else {
        WideLine(s, x1, y1, x2, y2, c, penWidth);
    }
}

void Raster_Circle(Surface& s, int cx, int cy, int r, Colour c, int penWidth, int fillStyle, Colour fillColour) {
    if (r < 0) return;
    // Far beyond any surface the exact values no longer matter; the limits keep the squares below
    // in range.
    constexpr int kFar = 1 << 28;
    constexpr int kBig = 1 << 26;
    const std::int64_t d = std::clamp(penWidth, 1, kBig);
    const std::int64_t rr = std::min(r, kBig);
    const std::int64_t x0 = std::clamp(cx, -kFar, kFar), y0 = std::clamp(cy, -kFar, kFar);
    const std::int64_t reach = rr + d;  // no covered pixel lies further than this from the centre
    const std::int64_t rowA = std::max<std::int64_t>(-reach, -y0);
    const std::int64_t rowB = std::min<std::int64_t>(reach, s.Height() - 1 - y0);
    if (fillStyle == kFillSolid) {
        for (std::int64_t dy = rowA; dy <= rowB; ++dy) {
            const std::int64_t room = rr * rr - dy * dy;  // dx^2 < room
            if (room < 1) continue;
            const std::int64_t mx = ISqrtFloor(room - 1);
            FillSpan(s, static_cast<int>(y0 + dy), x0 - mx, x0 + mx, fillColour);
        }
    }
    // Annulus (2r - d)^2 <= 4 s^2 < (2r + d)^2, the inner bound only when 2r > d.
    const std::int64_t outer = (2 * rr + d) * (2 * rr + d);
    const bool hasInner = 2 * rr - d > 0;
    const std::int64_t inner = hasInner ? (2 * rr - d) * (2 * rr - d) : 0;
    for (std::int64_t dy = rowA; dy <= rowB; ++dy) {
        const std::int64_t rOut = outer - 4 * dy * dy;  // 4 dx^2 < rOut
        if (rOut <= 0) continue;
        const std::int64_t mo = ISqrtFloor((rOut - 1) / 4);
        std::int64_t mi = 0;
        if (hasInner) {
            const std::int64_t q = inner - 4 * dy * dy;  // 4 dx^2 >= q
            if (q > 0) mi = ISqrtCeil((q + 3) / 4);
        }
        if (mi > mo) continue;
        const int py = static_cast<int>(y0 + dy);
        if (mi == 0) {
            FillSpan(s, py, x0 - mo, x0 + mo, c);
        } else {
            FillSpan(s, py, x0 - mo, x0 - mi, c);
            FillSpan(s, py, x0 + mi, x0 + mo, c);
        }
    }
}

void Form_Line(Form& f, float x1, float y1, float x2, float y2, Colour c, LineKind kind) {
    const int ax = Pixel(x1), ay = Pixel(y1), bx = Pixel(x2), by = Pixel(y2);
    switch (kind) {
        case LineKind::Plain:
            Raster_Line(f.image, ax, ay, bx, by, c, f.DrawWidth);
            break;
        case LineKind::Box:
            Raster_Box(f.image, ax, ay, bx, by, c, f.DrawWidth);
            break;
        case LineKind::FilledBox:
            Raster_FillBox(f.image, ax, ay, bx, by, c);
            if (f.DrawWidth > 1) Raster_Box(f.image, ax, ay, bx, by, c, f.DrawWidth);
            break;
    }
}

void Form_Circle(Form& f, float x, float y, float r, Colour c) {
    Raster_Circle(f.image, Pixel(x), Pixel(y), Pixel(r), c, f.DrawWidth, f.FillStyle, f.FillColor);
}

void Form_SetBackColor(Form& f, Colour c) {
    f.BackColor = c;
    f.Cls();
}

}  // namespace platform
