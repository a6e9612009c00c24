// Text painted with the real game font: sizes, wrapping, centring, clipping, and the behaviour
// without a usable font.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/font.h"
#include "platform/text_draw.h"
#include "support/test_support.h"

namespace platform {
namespace {

constexpr Colour kBack = 0x336699;

struct Ink {
    int count = 0;
    int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;  // bounding box, inclusive
};

Ink InkOf(const Surface& s, Colour back = kBack) {
    Ink ink;
    for (int y = 0; y < s.Height(); ++y) {
        for (int x = 0; x < s.Width(); ++x) {
            if (s.At(x, y) == back) continue;
            ++ink.count;
            ink.x0 = std::min(ink.x0, x);
            ink.y0 = std::min(ink.y0, y);
            ink.x1 = std::max(ink.x1, x);
            ink.y1 = std::max(ink.y1, y);
        }
    }
    return ink;
}

TEST(Font, PointSizesAt96Dpi) {
    const struct {
        double points;
        int pixels;
    } cases[] = {
        {10, 13}, {8, 11}, {9, 12}, {12, 16}, {9.75, 13}, {17, 23}, {20, 27}, {22, 29},
        {1.875, 2},  // 2.5 rounds to even
        {2.625, 4},  // 3.5 rounds to even
        {0, 1}, {-5, 1}, {100000, 960}, {std::numeric_limits<double>::quiet_NaN(), 1},
    };
    for (const auto& c : cases) EXPECT_EQ(Font_PixelSize(c.points), c.pixels) << c.points;
}

TEST(Font, TheGameFaceIsAJapaneseGothicWithFixedAdvances) {
    ASSERT_FALSE(Font_FacePath().empty());
    const Font* f = Font_Get(13);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f, Font_Get(13));  // cached per size
    EXPECT_EQ(f->Advance(U'あ'), 13);
    EXPECT_EQ(f->Advance(U'漢'), 13);
    EXPECT_EQ(f->Advance(U'Ａ'), 13);
    EXPECT_EQ(f->Advance(U'A'), f->Advance(U'i'));  // half width, fixed pitch
    EXPECT_LT(f->Advance(U'A'), 13);
    EXPECT_GE(f->LineHeight(), 13);
    EXPECT_FALSE(f->GlyphOf(U'あ').coverage.empty());
}

TEST(TextDraw, WrapsAtTheRightEdgeWithTheRealFont) {
    const Font* f = Font_Get(13);
    ASSERT_NE(f, nullptr);
    const TextRect rect{20, 10, 20 + 5 * 13, 200};
    const auto lines = Text_Layout("あいうえおかきくけこさ", rect, TextAlign::WrapLeft, *f);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].chars, U"あいうえお");
    EXPECT_EQ(lines[2].chars, U"さ");
    EXPECT_EQ(lines[1].y, 10 + f->LineHeight());

    Surface s(200, 200, kBack);
    ASSERT_TRUE(Text_Draw(s, "あいうえおかきくけこさ", rect, 10, 0xFFFFFF, TextAlign::WrapLeft));
    const Ink ink = InkOf(s);
    EXPECT_GE(ink.x0, 20);
    EXPECT_LT(ink.x1, 20 + 65);
    EXPECT_GE(ink.y0, 10);
    EXPECT_GT(ink.y1, 10 + 2 * f->LineHeight());  // three lines
    EXPECT_LT(ink.y1, 10 + 3 * f->LineHeight() + 2);
}

TEST(TextDraw, GlyphsInTheTextColourWithoutABackground) {
    Surface s(100, 40, kBack);
    ASSERT_TRUE(Text_Draw(s, "田", {0, 0, 100, 40}, 20, 0x0000FF, TextAlign::WrapLeft));
    int full = 0, blended = 0;
    for (Colour c : s.Pixels()) {
        if (c == 0x0000FF) ++full;
        else if (c != kBack) ++blended;
    }
    EXPECT_GT(full, 20);  // the strokes in exactly the colour
    // The cell between the strokes keeps the background: no fill behind the glyph.
    EXPECT_EQ(s.At(7, 8), kBack);
    EXPECT_EQ(s.At(60, 20), kBack);
    (void)blended;
}

TEST(TextDraw, MnemonicIsUnderlinedBelowTheBaseline) {
    const Font* f = Font_Get(13);
    ASSERT_NE(f, nullptr);
    Surface plain(60, 20, kBack), marked(60, 20, kBack);
    ASSERT_TRUE(Text_Draw(plain, "AB", {0, 0, 60, 20}, 10, 0xFFFFFF, TextAlign::WrapLeft));
    ASSERT_TRUE(Text_Draw(marked, "A&B", {0, 0, 60, 20}, 10, 0xFFFFFF, TextAlign::WrapLeft));
    const int row = std::min(f->Ascent() + 1, f->LineHeight() - 1);  // inside the line
    const int a = f->Advance(U'A');
    for (int x = 0; x < 60; ++x) {
        const bool under = x >= a && x < 2 * a;
        EXPECT_EQ(marked.At(x, row) == 0xFFFFFF, under || plain.At(x, row) == 0xFFFFFF) << x;
    }
}

TEST(TextDraw, CentredLineSitsInTheMiddleAndIgnoresLineBreaks) {
    Surface s(200, 100, kBack);
    ASSERT_TRUE(Text_Draw(s, "田\r\n田", {0, 0, 200, 100}, 10, 0, TextAlign::CentreSingle));
    const Ink ink = InkOf(s);
    // Two glyphs on one line: 26 pixels wide, 13 high, around (100, 50).
    EXPECT_NEAR((ink.x0 + ink.x1) / 2.0, 100, 2);
    EXPECT_NEAR((ink.y0 + ink.y1) / 2.0, 50, 2);
    EXPECT_LT(ink.y1 - ink.y0, 13);
    EXPECT_GT(ink.x1 - ink.x0, 20);
}

TEST(TextDraw, ClipsToTheRectangleAndTheSurface) {
    // The message area reaches past the 480-pixel bottom: only the visible part is drawn.
    Surface s(640, 480, kBack);
    std::string text;
    for (int i = 0; i < 20; ++i) text += "長いメッセージの行が下の端を越えて続きます。\r\n";
    ASSERT_TRUE(Text_Draw(s, text, {60, 375, 586, 552}, 10, 0xFFFFFF, TextAlign::WrapLeft));
    const Ink ink = InkOf(s);
    EXPECT_GE(ink.x0, 60);
    EXPECT_LT(ink.x1, 586);
    EXPECT_GE(ink.y0, 375);
    EXPECT_GE(ink.y1, 475);  // drawn down to the edge

    // A small rectangle cuts glyphs in half; one above and left of the surface draws what shows.
    Surface t(100, 100, kBack);
    ASSERT_TRUE(Text_Draw(t, "田田田田田田田田田田", {10, 10, 40, 16}, 10, 0xFFFFFF, TextAlign::CentreSingle));
    const Ink cut = InkOf(t);
    EXPECT_GE(cut.x0, 10);
    EXPECT_LT(cut.x1, 40);
    EXPECT_GE(cut.y0, 10);
    EXPECT_LT(cut.y1, 16);
    Surface u(50, 50, kBack);
    ASSERT_TRUE(Text_Draw(u, "田田田田田田\r\n田田田田田田", {-30, -8, 40, 60}, 10, 0xFFFFFF, TextAlign::WrapLeft));
    EXPECT_GT(InkOf(u).count, 0);
    // Nothing at all inside the surface.
    Surface v(50, 50, kBack);
    ASSERT_TRUE(Text_Draw(v, "田", {60, 60, 100, 100}, 10, 0xFFFFFF, TextAlign::WrapLeft));
    ASSERT_TRUE(Text_Draw(v, "田", {30, 30, 10, 10}, 10, 0xFFFFFF, TextAlign::WrapLeft));
    EXPECT_EQ(InkOf(v).count, 0);
}

TEST(TextDraw, WithoutAUsableFontNothingIsDrawnAndNothingFails) {
    testing_support::TempDir dir;
    const std::string notAFont = dir.Write("broken.ttf", "this is not a font");
    for (const std::string& path : {std::string("/nonexistent/font.ttf"), notAFont}) {
        Font_SetFacePath(path);
        EXPECT_EQ(Font_Get(13), nullptr) << path;
        Surface s(50, 50, kBack);
        EXPECT_FALSE(Text_Draw(s, "あ", {0, 0, 50, 50}, 10, 0xFFFFFF, TextAlign::WrapLeft));
        EXPECT_EQ(InkOf(s).count, 0);
    }
    Font_SetFacePath("");  // back to fontconfig's choice
    EXPECT_NE(Font_Get(13), nullptr);
}

}  // namespace
}  // namespace platform
