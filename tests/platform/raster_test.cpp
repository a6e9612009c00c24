// Raster operations and pen drawing: exact pixels, clipping, self-copies and the drawing the screen
// effects rely on (bands, blinds, rings, dots, zooms, mosaic).
#include "platform/raster.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

using platform::Colour;
using platform::Surface;

// A picture where every pixel is different: red = x, green = y, blue = x + y.
Surface Gradient(int w, int h) {
    Surface s(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.At(x, y) = platform::Rgb(x, y, x + y);
    return s;
}

// The covered pixels of a surface drawn on black, as '#' / '.' rows (for readable failures).
std::string Picture(const Surface& s, Colour ink) {
    std::string out;
    for (int y = 0; y < s.Height(); ++y) {
        for (int x = 0; x < s.Width(); ++x) out += s.At(x, y) == ink ? '#' : '.';
        out += '\n';
    }
    return out;
}

int CountColour(const Surface& s, Colour c) {
    int n = 0;
    for (Colour p : s.Pixels()) n += p == c;
    return n;
}

TEST(BitBlt, CombinesEveryRasterOperationPerChannel) {
    struct Case {
        std::uint32_t rop;
        Colour expected;
    };
    const Colour dst = 0x00F0A55A;
    const Colour src = 0x003C0FF0;
    const Case cases[] = {
        {platform::kRopSrcCopy, src},
        {platform::kRopSrcAnd, dst & src},
        {platform::kRopSrcPaint, dst | src},
        {platform::kRopDstInvert, ~dst & 0x00FFFFFF},
        {platform::kRopDstAndNotSrc, dst & ~src & 0x00FFFFFF},
        {platform::kRopSrcInvert, dst ^ src},
        {platform::kRopNotSrcCopy, ~src & 0x00FFFFFF},
        {platform::kRopBlackness, 0},
        {platform::kRopWhiteness, 0x00FFFFFF},
        {0x00BB0226, dst | (~src & 0x00FFFFFF)},  // MERGEPAINT through the general evaluation
    };
    for (const Case& c : cases) {
        Surface d(3, 2, dst);
        const Surface s(3, 2, src);
        platform::BitBlt(d, 0, 0, 3, 2, s, 0, 0, c.rop);
        EXPECT_EQ(d, Surface(3, 2, c.expected)) << std::hex << c.rop;
    }
}

TEST(BitBlt, ClipsAtEveryEdgeOfBothSurfaces) {
    const Surface src = Gradient(8, 6);
    struct Case {
        int x, y, w, h, sx, sy;
    };
    const Case cases[] = {
        {-3, -2, 8, 6, 0, 0},  // destination beyond the top left
        {5, 4, 8, 6, 0, 0},    // beyond the bottom right
        {0, 0, 8, 6, -2, -3},  // source beyond its top left: those pixels are skipped
        {0, 0, 8, 6, 5, 4},    // source beyond its bottom right
        {2, 1, 100, 100, 1, 1},
        {0, 0, 0, 5, 0, 0},    // empty
        {0, 0, 5, -1, 0, 0},
    };
    for (const Case& c : cases) {
        Surface dst(10, 7, 0x123456);
        platform::BitBlt(dst, c.x, c.y, c.w, c.h, src, c.sx, c.sy, platform::kRopSrcCopy);
        Surface expected(10, 7, 0x123456);
        for (int j = 0; j < c.h; ++j)
            for (int i = 0; i < c.w; ++i)
                if (expected.Contains(c.x + i, c.y + j) && src.Contains(c.sx + i, c.sy + j))
                    expected.At(c.x + i, c.y + j) = src.At(c.sx + i, c.sy + j);
        EXPECT_EQ(dst, expected) << c.x << "," << c.y << " " << c.w << "x" << c.h << " from " << c.sx << "," << c.sy;
    }
}

TEST(BitBlt, InvertReadsNoSourceAndClipsOnlyToTheDestination) {
    Surface dst = Gradient(6, 4);
    const Surface tiny(1, 1, 0);
    platform::BitBlt(dst, 0, 0, 6, 4, tiny, 0, 0, platform::kRopDstInvert);
    Surface expected = Gradient(6, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) expected.At(x, y) = ~expected.At(x, y) & 0x00FFFFFF;
    EXPECT_EQ(dst, expected);
    platform::BitBlt(dst, 0, 0, 6, 4, dst, 0, 0, platform::kRopDstInvert);
    EXPECT_EQ(dst, Gradient(6, 4));
}

TEST(BitBlt, SelfCopyReadsThePictureBeforeTheCall) {
    // Shifts in all directions, as the shaking effects do; the uncovered strips keep their pixels.
    const int shifts[][2] = {{3, 2}, {-3, -2}, {4, -1}, {-2, 3}, {0, 5}, {7, 0}};
    for (const auto& sh : shifts) {
        Surface s = Gradient(12, 9);
        const Surface before = s;
        platform::BitBlt(s, sh[0], sh[1], 12, 9, s, 0, 0, platform::kRopSrcCopy);
        Surface expected = before;
        platform::BitBlt(expected, sh[0], sh[1], 12, 9, before, 0, 0, platform::kRopSrcCopy);
        EXPECT_EQ(s, expected) << sh[0] << "," << sh[1];
        // Same with AND onto itself.
        Surface a = Gradient(12, 9);
        platform::BitBlt(a, sh[0], sh[1], 12, 9, a, 0, 0, platform::kRopSrcAnd);
        Surface ea = before;
        platform::BitBlt(ea, sh[0], sh[1], 12, 9, before, 0, 0, platform::kRopSrcAnd);
        EXPECT_EQ(a, ea);
    }
}

TEST(StretchBlt, NearestNeighbourRepeatsAndDropsEvenly) {
    const Surface src = Gradient(4, 2);
    Surface big(8, 4, 0);
    platform::StretchBlt(big, 0, 0, 8, 4, src, 0, 0, 4, 2, platform::kRopSrcCopy);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(big.At(x, y), src.At(x / 2, y / 2)) << x << "," << y;

    // Shrinking by ten takes the pixel under each block's centre: 5, 15, 25 ...
    const Surface wide = Gradient(40, 20);
    Surface small(4, 2, 0);
    platform::StretchBlt(small, 0, 0, 4, 2, wide, 0, 0, 40, 20, platform::kRopSrcCopy);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(small.At(x, y), wide.At(10 * x + 5, 10 * y + 5));

    // Same size is a plain copy; differing signs mirror.
    Surface same(4, 2, 0);
    platform::StretchBlt(same, 0, 0, 4, 2, src, 0, 0, 4, 2, platform::kRopSrcCopy);
    EXPECT_EQ(same, src);
    Surface mirrored(4, 2, 0);
    platform::StretchBlt(mirrored, 4, 0, -4, 2, src, 0, 0, 4, 2, platform::kRopSrcCopy);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(mirrored.At(x, 1), src.At(3 - x, 1));
}

TEST(StretchBlt, SourceOutsideTheSurfaceReadsBlack) {
    // The zoom-out step: (-20, -20) 680 x 520 onto 640 x 480 gives a black frame of 19 pixels all
    // round and the picture shrunk inside it.
    Surface s(640, 480, 0xFFFFFF);
    platform::StretchBlt(s, 0, 0, 640, 480, s, -20, -20, 680, 520, platform::kRopSrcCopy);
    for (int x : {0, 18, 621, 639}) EXPECT_EQ(s.At(x, 240), 0u) << x;
    for (int x : {19, 320, 620}) EXPECT_EQ(s.At(x, 240), 0xFFFFFFu) << x;
    for (int y : {0, 17, 462, 479}) EXPECT_EQ(s.At(320, y), 0u) << y;
    for (int y : {18, 240, 461}) EXPECT_EQ(s.At(320, y), 0xFFFFFFu) << y;

    // A row below the picture (row 480 of a 480-row surface) stretched over a band is black.
    Surface band = Gradient(20, 10);
    platform::StretchBlt(band, 0, 0, 20, 5, band, 0, 10, 20, 1, platform::kRopSrcCopy);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(band.At(x, y), 0u);
    EXPECT_EQ(band.At(3, 5), Gradient(20, 10).At(3, 5));
}

TEST(StretchBlt, SelfStretchMatchesAStretchFromACopy) {
    // Mosaic: shrink into the corner, then stretch the corner back over everything; and the
    // zoom-in: enlarge from (0, 0) 640 x 480 onto (-20, -20) 680 x 520.
    Surface s = Gradient(64, 48);
    Surface copy = s;
    platform::StretchBlt(s, 0, 0, 16, 12, s, 0, 0, 64, 48, platform::kRopSrcCopy);
    platform::StretchBlt(copy, 0, 0, 16, 12, Surface(Gradient(64, 48)), 0, 0, 64, 48, platform::kRopSrcCopy);
    EXPECT_EQ(s, copy);
    const Surface before = s;
    platform::StretchBlt(s, 0, 0, 64, 48, s, 0, 0, 16, 12, platform::kRopSrcCopy);
    platform::StretchBlt(copy, 0, 0, 64, 48, before, 0, 0, 16, 12, platform::kRopSrcCopy);
    EXPECT_EQ(s, copy);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) ASSERT_EQ(s.At(x, y), s.At(x / 4 * 4, y / 4 * 4));

    Surface z = Gradient(64, 48);
    Surface zc = z;
    platform::StretchBlt(z, -2, -2, 68, 52, z, 0, 0, 64, 48, platform::kRopSrcCopy);
    platform::StretchBlt(zc, -2, -2, 68, 52, Surface(Gradient(64, 48)), 0, 0, 64, 48, platform::kRopSrcCopy);
    EXPECT_EQ(z, zc);
}

TEST(StretchBlt, AndOperationAndClippedDestination) {
    Surface d(10, 10, 0x00FF00FF);
    const Surface s(2, 2, 0x000F0F0F);
    platform::StretchBlt(d, 5, 5, 10, 10, s, 0, 0, 2, 2, platform::kRopSrcAnd);
    EXPECT_EQ(d.At(4, 4), 0x00FF00FFu);
    EXPECT_EQ(d.At(5, 5), 0x000F000Fu);
    EXPECT_EQ(d.At(9, 9), 0x000F000Fu);
}

// The pixel a wide pen covers, straight from the rule written in raster.h.
bool CapsuleCovers(int px, int py, int x1, int y1, int x2, int y2, int d) {
    const double o = d % 2 == 0 ? 0.5 : 0.0;
    const double qx = px + o, qy = py + o;
    const double vx = x2 - x1, vy = y2 - y1;
    const double len2 = vx * vx + vy * vy;
    double t = len2 > 0 ? ((qx - x1) * vx + (qy - y1) * vy) / len2 : 0.0;
    t = std::fmax(0.0, std::fmin(1.0, t));
    const double ex = x1 + t * vx - qx, ey = y1 + t * vy - qy;
    return ex * ex + ey * ey < d * d / 4.0;
}

TEST(Lines, WidePensCoverTheCapsuleOfTheirWidth) {
    struct Case {
        int x1, y1, x2, y2, d;
    };
    const Case cases[] = {
        {5, 5, 30, 5, 4},   {5, 5, 30, 5, 5},   {10, -5, 10, 40, 4}, {3, 3, 35, 25, 6},
        {35, 2, 4, 27, 7},  {20, 15, 20, 15, 8}, {-10, 12, 50, 18, 3}, {0, 0, 40, 0, 41},
        {12, 28, 14, 2, 2}, {1, 1, 38, 28, 13},
    };
    for (const Case& c : cases) {
        Surface s(40, 30, 0);
        platform::Raster_Line(s, c.x1, c.y1, c.x2, c.y2, 0xFFFFFF, c.d);
        Surface expected(40, 30, 0);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                if (CapsuleCovers(x, y, c.x1, c.y1, c.x2, c.y2, c.d)) expected.At(x, y) = 0xFFFFFF;
        EXPECT_EQ(Picture(s, 0xFFFFFF), Picture(expected, 0xFFFFFF))
            << c.x1 << "," << c.y1 << "-" << c.x2 << "," << c.y2 << " width " << c.d;
    }
}

TEST(Lines, StraightPensCoverExactlyTheirWidth) {
    for (int d = 1; d <= 9; ++d) {
        Surface s(30, 30, 0);
        platform::Raster_Line(s, 15, -5, 15, 35, 0xFFFFFF, d);
        for (int x = 0; x < 30; ++x) {
            const bool inBand = x >= 15 - d / 2 && x <= 15 - d / 2 + d - 1;
            EXPECT_EQ(s.At(x, 10) == 0xFFFFFF, inBand) << "width " << d << " x " << x;
        }
    }
    // The bands effect: Line (0, 0)-(640, 0) of width d covers rows 0 .. (d - 1) / 2.
    for (int d : {1, 5, 7, 641}) {
        Surface s(640, 480, 0xFFFFFF);
        platform::Raster_Line(s, 0, 0, 640, 0, 0, d);
        platform::Raster_Line(s, 0, 480, 640, 480, 0, d);
        const int top = (d - 1) / 2;
        for (int y = 0; y < 480; ++y) {
            const bool black = y <= top || y >= 480 - top;
            ASSERT_EQ(s.At(0, y) == 0 && s.At(639, y) == 0, black) << "width " << d << " row " << y;
        }
    }
}

TEST(Lines, ThinLinesIncludeBothEndsAndClipFar) {
    Surface s(8, 5, 0);
    platform::Raster_Line(s, 0, 0, 7, 4, 0xFFFFFF, 1);
    EXPECT_EQ(Picture(s, 0xFFFFFF),
              "#.......\n"
              ".##.....\n"
              "...##...\n"
              ".....##.\n"
              ".......#\n");
    Surface t(8, 5, 0);
    platform::Raster_Line(t, 7, 4, 0, 0, 0xFFFFFF, 1);  // the same pixels both ways round but for ties
    EXPECT_EQ(CountColour(t, 0xFFFFFF), 8);
    Surface far(20, 20, 0);
    platform::Raster_Line(far, -100000000, 10, 100000000, 10, 0xFFFFFF, 1);
    platform::Raster_Line(far, 5, -100000000, 5, 100000000, 0xFFFFFF, 30);
    EXPECT_EQ(far.At(0, 10), 0xFFFFFFu);
    EXPECT_EQ(far.At(19, 19), 0xFFFFFFu);  // width 30 around x = 5 covers -10 .. 19
}

TEST(Raster, ExtremeCoordinatesAndSizesDrawWithoutFault) {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    Surface s(16, 12, 0);
    platform::Raster_Line(s, kMin, kMin, kMax, kMax, 0xFFFFFF, 1);
    platform::Raster_Line(s, kMin, 5, kMax, 5, 0xFFFFFF, 1);
    platform::Raster_Line(s, kMin, kMin, kMax, kMax, 0xFFFFFF, kMax);
    platform::Raster_Circle(s, kMax, kMin, kMax, 0xFFFFFF, kMax, platform::kFillSolid, 0x00FF00);
    platform::Raster_Circle(s, 8, 6, kMax, 0xFFFFFF, 3, platform::kFillSolid, 0x00FF00);
    platform::Raster_Box(s, kMin, kMin, kMax, kMax, 0xFFFFFF, kMax);
    platform::Raster_FillBox(s, kMin, kMin, kMax, kMax, 0x123456);
    EXPECT_EQ(CountColour(s, 0x123456), 16 * 12);
    platform::BitBlt(s, kMin, kMin, kMax, kMax, s, kMax, kMax, platform::kRopSrcCopy);
    platform::BitBlt(s, kMax, kMax, kMax, kMax, s, kMin, kMin, platform::kRopDstInvert);
    platform::StretchBlt(s, kMin, kMin, kMax, kMax, s, kMin, kMin, kMax, kMax, platform::kRopSrcCopy);
    platform::StretchBlt(s, 0, 0, kMax, kMax, s, 0, 0, kMin, kMin, platform::kRopSrcCopy);
    platform::StretchBlt(s, 0, 0, 16, 12, s, kMax, kMax, kMax, kMax, platform::kRopSrcCopy);
    EXPECT_EQ(CountColour(s, 0), 16 * 12) << "a source far outside reads black";
    platform::Form f(8, 8);
    f.DrawWidth = kMax;
    platform::Form_Line(f, -1e30f, 1e30f, 3e38f, -3e38f, 0, platform::LineKind::FilledBox);
    platform::Form_Circle(f, 1e30f, -1e30f, 1e30f, 0);
    platform::Form_Line(f, std::nanf(""), 0, 4, 4, 0);
}

TEST(Lines, BlindsCoverTheSurfaceAfterThirtySteps) {
    Surface s(640, 480, 0xFFFFFF);
    for (int b = 30; b >= 1; --b)
        for (int i = 0; i <= 23; ++i) platform::Raster_Line(s, 30 * i + (b - 1), -5, 30 * i + (b - 1), 485, 0, 4);
    EXPECT_EQ(CountColour(s, 0), 640 * 480);
}

TEST(Boxes, FilledAndOutlinedBoxesIncludeBothCorners) {
    Surface s(8, 6, 0);
    platform::Raster_FillBox(s, 5, 4, 2, 1, 0xFFFFFF);
    EXPECT_EQ(Picture(s, 0xFFFFFF),
              "........\n"
              "..####..\n"
              "..####..\n"
              "..####..\n"
              "..####..\n"
              "........\n");
    Surface o(8, 6, 0);
    platform::Raster_Box(o, 1, 1, 6, 4, 0xFFFFFF, 1);
    EXPECT_EQ(Picture(o, 0xFFFFFF),
              "........\n"
              ".######.\n"
              ".#....#.\n"
              ".#....#.\n"
              ".######.\n"
              "........\n");
    Surface w(9, 9, 0);
    platform::Raster_Box(w, 2, 2, 6, 6, 0xFFFFFF, 2);
    EXPECT_EQ(Picture(w, 0xFFFFFF),
              ".........\n"
              ".######..\n"
              ".######..\n"
              ".##..##..\n"
              ".##..##..\n"
              ".######..\n"
              ".######..\n"
              ".........\n"
              ".........\n");
    Surface clip(4, 4, 0);
    platform::Raster_FillBox(clip, -1000, -5, 640, 480, 0xFFFFFF);
    EXPECT_EQ(CountColour(clip, 0xFFFFFF), 16);
}

// Circle pixels from the rule in raster.h, by brute force.
bool RingCovers(int px, int py, int cx, int cy, int r, int d) {
    const double s = std::sqrt(double(px - cx) * (px - cx) + double(py - cy) * (py - cy));
    return s >= r - d / 2.0 && s < r + d / 2.0;
}

TEST(Circles, OutlineIsAnAnnulusOfThePenWidth) {
    const int cases[][4] = {{20, 15, 9, 1}, {20, 15, 9, 4}, {20, 15, 10, 5}, {3, 4, 12, 3},
                            {20, 15, 1, 4}, {20, 15, 0, 4},  {38, 28, 30, 6}, {20, 15, 2, 8}};
    for (const auto& c : cases) {
        Surface s(40, 30, 0);
        platform::Raster_Circle(s, c[0], c[1], c[2], 0xFFFFFF, c[3], platform::kFillTransparent, 0x00FF00);
        Surface expected(40, 30, 0);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                if (RingCovers(x, y, c[0], c[1], c[2], c[3])) expected.At(x, y) = 0xFFFFFF;
        EXPECT_EQ(Picture(s, 0xFFFFFF), Picture(expected, 0xFFFFFF))
            << "centre " << c[0] << "," << c[1] << " r " << c[2] << " width " << c[3];
    }
    // Along the axes the ring is exactly the pen width: r - d/2 .. r - d/2 + d - 1.
    Surface a(60, 60, 0);
    platform::Raster_Circle(a, 30, 30, 20, 0xFFFFFF, 4, platform::kFillTransparent, 0);
    for (int x = 30; x < 60; ++x) EXPECT_EQ(a.At(x, 30) == 0xFFFFFF, x >= 48 && x <= 51) << x;
}

TEST(Circles, SolidFillPaintsTheInsideInTheFillColour) {
    Surface s(40, 40, 0xFFFFFF);
    platform::Raster_Circle(s, 20, 20, 10, 0x0000FF, 2, platform::kFillSolid, 0x00FF00);
    EXPECT_EQ(s.At(20, 20), 0x00FF00u);
    EXPECT_EQ(s.At(28, 20), 0x00FF00u);  // s = 8 < r - 1
    EXPECT_EQ(s.At(29, 20), 0x0000FFu);  // the pen from r - 1
    EXPECT_EQ(s.At(30, 20), 0x0000FFu);
    EXPECT_EQ(s.At(31, 20), 0xFFFFFFu);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const double d = std::hypot(x - 20, y - 20);
            if (d < 9) {
                ASSERT_EQ(s.At(x, y), 0x00FF00u);
            }
            if (d >= 11) {
                ASSERT_EQ(s.At(x, y), 0xFFFFFFu);
            }
        }
    Surface t(40, 40, 0xFFFFFF);
    platform::Raster_Circle(t, 20, 20, 10, 0x0000FF, 2, platform::kFillTransparent, 0x00FF00);
    EXPECT_EQ(t.At(20, 20), 0xFFFFFFu);
    Surface neg(10, 10, 0);
    platform::Raster_Circle(neg, 5, 5, -3, 0xFFFFFF, 4, platform::kFillSolid, 0xFFFFFF);
    EXPECT_EQ(CountColour(neg, 0), 100);
}

TEST(Circles, IrisRingsCloseTheWholeSurface) {
    // Four rings r, r + 3, r + 6, r + 9 in a pen of 4 for r = 12 (b - 1), b = 45 down to 1.
    Surface s(640, 480, 0xFFFFFF);
    for (int b = 45; b >= 1; --b)
        for (int k = 0; k < 4; ++k)
            platform::Raster_Circle(s, 320, 240, 12 * (b - 1) + 3 * k, 0, 4, platform::kFillTransparent, 0);
    EXPECT_EQ(CountColour(s, 0), 640 * 480);
}

TEST(FormDrawing, RoundsSinglesHalfToEvenAndUsesTheFormSettings) {
    platform::Form f(10, 10);
    f.image.Fill(0);
    f.DrawWidth = 1;
    platform::Form_Line(f, 2.5f, 0.0f, 2.5f, 9.0f, 0xFFFFFF);  // x 2.5 -> 2
    platform::Form_Line(f, 3.5f, 0.0f, 3.5f, 9.0f, 0x00FF00);  // x 3.5 -> 4
    EXPECT_EQ(f.image.At(2, 5), 0xFFFFFFu);
    EXPECT_EQ(f.image.At(4, 5), 0x00FF00u);
    EXPECT_EQ(f.image.At(3, 5), 0u);

    f.FillStyle = platform::kFillSolid;
    f.FillColor = 0x0000FF;
    f.DrawWidth = 1;
    platform::Form_Circle(f, 5.0f, 5.0f, 3.2f, 0xFFFFFF);  // radius 3
    EXPECT_EQ(f.image.At(5, 5), 0x0000FFu);
    EXPECT_EQ(f.image.At(8, 5), 0xFFFFFFu);
    EXPECT_EQ(f.image.At(9, 5), 0u);

    platform::Form_Line(f, 0, 0, 640, 480, 0x808080, platform::LineKind::FilledBox);
    EXPECT_EQ(CountColour(f.image, 0x808080), 100);
    platform::Form_SetBackColor(f, 0x112233);
    EXPECT_EQ(f.BackColor, 0x112233u);
    EXPECT_EQ(CountColour(f.image, 0x112233), 100);
}

}  // namespace
