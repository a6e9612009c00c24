// Line breaking and placement with a fake font whose widths are easy to count: half-width
// characters 8 pixels, everything else 16, lines 16 pixels apart.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/text_layout.h"

namespace platform {
namespace {

class FakeMetrics : public FontMetrics {
public:
    int LineHeight() const override { return 16; }
    int Advance(char32_t ch) const override { return ch < 0x80 ? 8 : 16; }
};

std::string Utf8(const std::u32string& s) {
    std::string out;
    for (char32_t c : s) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::vector<std::string> Texts(const std::vector<TextLine>& lines) {
    std::vector<std::string> out;
    for (const TextLine& l : lines) out.push_back(Utf8(l.chars));
    return out;
}

using Lines = std::vector<std::string>;

struct WrapCase {
    const char* name;
    const char* text;
    int width;
    Lines expected;
};

TEST(TextLayout, WrapsInsideTheRectangle) {
    const WrapCase cases[] = {
        {"fits on one line", "abc def", 80, {"abc def"}},
        {"Latin breaks at the last space that fits", "aaaa bbbb cccc", 80, {"aaaa bbbb", "cccc"}},
        {"the spaces at a wrap are swallowed", "aaaa    bbbb", 40, {"aaaa", "bbbb"}},
        {"a word wider than the line is cut at the edge", "abcdefghijkl", 40, {"abcde", "fghij", "kl"}},
        {"a word moves to the next line whole", "ab cdefgh", 48, {"ab", "cdefgh"}},
        {"Japanese breaks between any two characters", "あいうえお", 40, {"あい", "うえ", "お"}},
        {"a Latin word after Japanese moves whole", "あいabcd", 56, {"あい", "abcd"}},
        {"Japanese after a Latin word breaks there", "abcdあい", 56, {"abcdあ", "い"}},
        {"exact fit does not wrap", "abcde", 40, {"abcde"}},
        {"a rectangle narrower than a glyph still takes one per line", "あい", 4, {"あ", "い"}},
        {"CR LF breaks", "ab\r\ncd", 640, {"ab", "cd"}},
        {"lone CR and lone LF break too", "a\rb\nc", 640, {"a", "b", "c"}},
        {"an empty line between two breaks stays", "ab\r\n\r\ncd", 640, {"ab", "", "cd"}},
        {"a break at the end adds no line", "ab\r\n", 640, {"ab"}},
        {"breaks and wrapping together", "aaaa bbbb\r\ncc", 40, {"aaaa", "bbbb", "cc"}},
        {"leading spaces of a paragraph are kept", "  ab", 640, {"  ab"}},
        {"empty text", "", 640, {""}},
    };
    FakeMetrics m;
    for (const WrapCase& c : cases) {
        const auto lines = Text_Layout(c.text, {10, 20, 10 + c.width, 400}, TextAlign::WrapLeft, m);
        EXPECT_EQ(Texts(lines), c.expected) << c.name;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].x, 10) << c.name;
            EXPECT_EQ(lines[i].y, 20 + 16 * static_cast<int>(i)) << c.name;
            if (lines[i].chars.size() > 1) {
                EXPECT_LE(lines[i].width, c.width) << c.name;
            }
        }
    }
}

TEST(TextLayout, RightAlignedLinesEndAtTheRightEdge) {
    FakeMetrics m;
    const auto lines = Text_Layout("aaaa bbbb cc\r\nあ", {0, 0, 80, 100}, TextAlign::WrapRight, m);
    ASSERT_EQ(Texts(lines), (Lines{"aaaa bbbb", "cc", "あ"}));
    EXPECT_EQ(lines[0].x, 80 - 72);
    EXPECT_EQ(lines[1].x, 80 - 16);
    EXPECT_EQ(lines[2].x, 80 - 16);
    EXPECT_EQ(lines[2].y, 32);
}

TEST(TextLayout, CentredLineIgnoresBreaksAndCentresBothWays) {
    FakeMetrics m;
    // 100 x 50 rectangle at (200, 100); "abcd" is 32 wide, the line 16 high.
    const auto lines = Text_Layout("ab\r\ncd", {200, 100, 300, 150}, TextAlign::CentreSingle, m);
    ASSERT_EQ(Texts(lines), (Lines{"abcd"}));
    EXPECT_EQ(lines[0].x, 200 + (100 - 32) / 2);
    EXPECT_EQ(lines[0].y, 100 + (50 - 16) / 2);
    EXPECT_EQ(lines[0].width, 32);

    // Wider than the rectangle: still one line, overhanging evenly on both sides.
    const auto wide = Text_Layout("あいうえお", {0, 0, 40, 16}, TextAlign::CentreSingle, m);
    ASSERT_EQ(wide.size(), 1u);
    EXPECT_EQ(wide[0].x, -20);
    EXPECT_EQ(wide[0].y, 0);
}

TEST(TextLayout, AlignmentCodes) {
    EXPECT_EQ(Text_AlignFromCode(0), TextAlign::WrapLeft);
    EXPECT_EQ(Text_AlignFromCode(1), TextAlign::WrapRight);
    for (int code : {2, 3, -1, 37, 32767}) EXPECT_EQ(Text_AlignFromCode(code), TextAlign::CentreSingle) << code;
}

TEST(TextLayout, LinesBelowTheRectangleAreStillPlacedForTheClip) {
    FakeMetrics m;
    // The message area reaches past the 480-pixel bottom: the lines keep their places; the painter
    // clips what is below.
    const auto lines = Text_Layout("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng", {60, 375, 586, 552}, TextAlign::WrapLeft, m);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[6].y, 375 + 6 * 16);
}

TEST(TextLayout, AmpersandIsTheMnemonicPrefix) {
    FakeMetrics m;
    const struct {
        const char* text;
        std::u32string chars;
    } cases[] = {
        {"R&&D", U"R&D"},
        {"A&BC", std::u32string{U'A', U'B' | kTextUnderline, U'C'}},
        {"abc&", U"abc"},
        {"&", U""},
        {"&あ", std::u32string{U'あ' | kTextUnderline}},
    };
    for (const auto& c : cases) {
        const auto lines = Text_Layout(c.text, {0, 0, 640, 16}, TextAlign::WrapLeft, m);
        ASSERT_EQ(lines.size(), 1u) << c.text;
        EXPECT_EQ(lines[0].chars, c.chars) << c.text;
    }
    // The prefix takes no room.
    EXPECT_EQ(Text_Layout("A&BC", {0, 0, 640, 16}, TextAlign::WrapLeft, m)[0].width, 24);
    EXPECT_EQ(Text_Layout("&&&&", {0, 0, 100, 16}, TextAlign::CentreSingle, m)[0].width, 16);
    // Texts shown as they are keep every ampersand and underline nothing.
    for (const char* t : {"R&D", "a&&b", "end&", "&あ&"}) {
        const auto lines = Text_Layout(Text_NoPrefix(t), {0, 0, 640, 16}, TextAlign::WrapLeft, m);
        ASSERT_EQ(lines.size(), 1u) << t;
        EXPECT_EQ(Utf8(lines[0].chars), t);
    }
}

TEST(TextLayout, MalformedUtf8IsReplacedNotFatal) {
    FakeMetrics m;
    const auto lines = Text_Layout(std::string("a\xff" "b", 3), {0, 0, 640, 16}, TextAlign::WrapLeft, m);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].chars, (std::u32string{U'a', 0xFFFD, U'b'}));
}

}  // namespace
}  // namespace platform
