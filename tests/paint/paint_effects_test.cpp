// Per-pixel outcomes of the painter on tiny pictures, written as character grids.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/vb_error.h"
#include "paint/C_modBlt.h"
#include "paint/clsPaintEffects.h"

using platform::Colour;
using platform::Rgb;
using platform::Surface;

namespace {

const std::map<char, Colour> kLegend = {
    {'.', Rgb(255, 255, 255)}, {'#', Rgb(0, 0, 0)},      {'R', Rgb(255, 0, 0)},   {'B', Rgb(0, 0, 255)},
    {'G', Rgb(0, 255, 0)},     {'g', Rgb(128, 128, 128)}, {'d', Rgb(18, 52, 86)}, {'e', Rgb(200, 100, 50)},
    {'w', Rgb(254, 255, 255)}, {'x', Rgb(255, 254, 255)}, {'y', Rgb(255, 255, 254)}, {'k', Rgb(127, 127, 128)},
    {'l', Rgb(127, 128, 128)}, {'h', Rgb(10, 200, 30)},   {'s', Rgb(90, 0, 90)},
};

Surface Grid(const std::vector<std::string>& rows) {
    Surface s(static_cast<int>(rows.at(0).size()), static_cast<int>(rows.size()));
    for (int y = 0; y < s.Height(); ++y) {
        for (int x = 0; x < s.Width(); ++x) s.At(x, y) = kLegend.at(rows[y][x]);
    }
    return s;
}

std::vector<std::string> Rows(const Surface& s) {
    std::vector<std::string> out;
    for (int y = 0; y < s.Height(); ++y) {
        std::string row;
        for (int x = 0; x < s.Width(); ++x) {
            char c = '?';
            for (const auto& [k, v] : kLegend) {
                if (v == s.At(x, y)) c = k;
            }
            row += c;
        }
        out.push_back(row);
    }
    return out;
}

using G = std::vector<std::string>;

TEST(PaintTransparent, ExactMaskMatchLeavesTheDestinationAnyOtherColourIsPainted) {
    clsPaintEffects p;
    const Surface src = Grid({".wxy", "#R.B"});
    Surface dst = Grid({"dddd", "dddd"});
    p.PaintTransparentDC(dst, 0, 0, 4, 2, src, 0, 0, 0xFFFFFF);
    // White is never painted; a colour one unit off white in any channel is.
    EXPECT_EQ(Rows(dst), (G{"dwxy", "#RdB"}));

    // A mask colour other than white: only that colour is transparent, white is painted.
    Surface dst2 = Grid({"dddd", "dddd"});
    p.PaintTransparentDC(dst2, 0, 0, 4, 2, src, 0, 0, Rgb(255, 0, 0));
    EXPECT_EQ(Rows(dst2), (G{".wxy", "#d.B"}));

    // A system colour as mask is translated first: 0x80000005 is the window colour, white.
    Surface dst3 = Grid({"dddd", "dddd"});
    p.PaintTransparentDC(dst3, 0, 0, 4, 2, src, 0, 0, 0x80000005);
    EXPECT_EQ(Rows(dst3), (G{"dwxy", "#RdB"}));
}

struct ClipCase {
    const char* name;
    int xDest, yDest, w, h, xSrc, ySrc;
    G expected;
};

TEST(PaintTransparent, ClipsAtEveryEdgeAndReadsBlackBeyondTheSource) {
    const Surface src = Grid({"R.B", "GRe"});
    const ClipCase cases[] = {
        {"inside", 1, 1, 3, 2, 0, 0, {"dddd", "dRdB", "dGRe"}},
        {"left and top cut", -1, -1, 3, 2, 0, 0, {"Redd", "dddd", "dddd"}},
        {"right and bottom cut", 2, 2, 3, 2, 0, 0, {"dddd", "dddd", "ddRd"}},
        {"source offset", 0, 0, 2, 1, 1, 1, {"Redd", "dddd", "dddd"}},
        {"beyond the source reads black", 0, 0, 4, 3, 1, 0, {"dB##", "Re##", "####"}},
        {"source before its origin reads black", 0, 0, 2, 2, -1, -1, {"##dd", "#Rdd", "dddd"}},
        {"zero width", 0, 0, 0, 2, 0, 0, {"dddd", "dddd", "dddd"}},
        {"negative height", 0, 0, 2, -2, 0, 0, {"dddd", "dddd", "dddd"}},
        {"far away", 100000, -100000, 3, 2, 0, 0, {"dddd", "dddd", "dddd"}},
    };
    clsPaintEffects p;
    for (const ClipCase& c : cases) {
        Surface dst = Grid({"dddd", "dddd", "dddd"});
        p.PaintTransparentDC(dst, c.xDest, c.yDest, c.w, c.h, src, c.xSrc, c.ySrc, 0xFFFFFF);
        EXPECT_EQ(Rows(dst), c.expected) << c.name;
    }
}

TEST(PaintTransparent, OntoItselfReadsThePictureAsItWas) {
    clsPaintEffects p;
    Surface s = Grid({"RGB.", "dddd"});
    p.PaintTransparentDC(s, 1, 0, 4, 2, s, 0, 0, 0xFFFFFF);
    EXPECT_EQ(Rows(s), (G{"RRGB", "dddd"}));
}

TEST(PaintTransparent, HugeSizesAreBoundedByTheDestination) {
    clsPaintEffects p;
    const Surface src = Grid({"R"});
    Surface dst = Grid({"dd", "dd"});
    p.PaintTransparentDC(dst, 0, 0, 2000000000, 2000000000, src, 0, 0, 0xFFFFFF);
    EXPECT_EQ(Rows(dst), (G{"R#", "##"}));
}

TEST(PaintTransparentStdPic, NoPictureIsError481AndDrawsNothing) {
    clsPaintEffects p;
    Surface dst = Grid({"dd"});
    const Surface empty;
    platform::Picture none;
    auto expect481 = [&](auto&& call) {
        try {
            call();
            ADD_FAILURE() << "no error";
        } catch (const vb::Error& e) {
            EXPECT_EQ(e.number(), vb::kErrInvalidPicture);
        }
        EXPECT_EQ(Rows(dst), (G{"dd"}));
    };
    expect481([&] { p.PaintTransparentStdPic(dst, 0, 0, 2, 1, nullptr, 0, 0, 0xFFFFFF); });
    expect481([&] { p.PaintTransparentStdPic(dst, 0, 0, 2, 1, empty, 0, 0, 0xFFFFFF); });
    expect481([&] { p.PaintTransparentStdPic(dst, 0, 0, 2, 1, none, 0, 0, 0xFFFFFF); });
    expect481([&] { p.PaintNormalStdPic(dst, 0, 0, 2, 1, none, 0, 0); });
    expect481([&] { p.PaintDisabledStdPic(dst, 0, 0, 2, 1, nullptr, 0, 0); });
    expect481([&] { Blt_Paint_Transparent(dst, 0, 0, 2, 1, empty, 0, 0, 0xFFFFFF); });
}

TEST(PaintTransparentStdPic, BitmapAsTheSpriteSheetIsUsed) {
    // A 2 x 1 cell sheet of 2 x 2 cells; the second cell painted at (1, 1) with white transparent.
    const Surface sheet = Grid({"RR.G", "RRB."});
    Surface dst = Grid({"ddd", "ddd", "ddd"});
    Blt_Paint_Transparent(dst, 1, 1, 2, 2, sheet, 2, 0, 0xFFFFFF);
    EXPECT_EQ(Rows(dst), (G{"ddd", "ddG", "dBd"}));
    // The same through a Picture object.
    platform::Picture pic;
    pic.Type = platform::kPicTypeBitmap;
    pic.image = sheet;
    Surface dst2 = Grid({"ddd", "ddd", "ddd"});
    Blt_Paint_Transparent(dst2, 1, 1, 2, 2, pic, 2, 0, 0xFFFFFF);
    EXPECT_EQ(Rows(dst2), Rows(dst));
}

platform::Picture Icon(const G& rows, const std::vector<std::string>& covered) {
    platform::Picture pic;
    pic.Type = platform::kPicTypeIcon;
    pic.image = Grid(rows);
    for (const std::string& r : covered) {
        for (char c : r) pic.coverage.push_back(c == '1' ? 255 : 0);
    }
    return pic;
}

TEST(PaintTransparentStdPic, IconIgnoresTheSourceOffsetAndIsTransparentAroundIt) {
    // A 2 x 2 icon whose top-right pixel is outside its own mask and whose bottom-left is white.
    const platform::Picture icon = Icon({"RG", ".B"}, {"10", "11"});
    clsPaintEffects p;
    Surface dst = Grid({"dddd", "dddd", "dddd"});
    p.PaintTransparentStdPic(dst, 0, 0, 4, 3, icon, 5, 7, 0xFFFFFF);
    EXPECT_EQ(Rows(dst), (G{"Rddd", "dBdd", "dddd"}));
    // With red as the mask, the white pixel shows and the red one does not.
    Surface dst2 = Grid({"dddd", "dddd", "dddd"});
    p.PaintTransparentStdPic(dst2, 1, 0, 4, 3, icon, 0, 0, Rgb(255, 0, 0));
    EXPECT_EQ(Rows(dst2), (G{"dddd", "d.Bd", "dddd"}));
    // The scratch area is Width x Height: a smaller area cuts the icon.
    Surface dst3 = Grid({"dddd"});
    p.PaintTransparentStdPic(dst3, 0, 0, 1, 1, icon, 0, 0, 0xFFFFFF);
    EXPECT_EQ(Rows(dst3), (G{"Rddd"}));
}

TEST(PaintNormalStdPic, BitmapCopiesPlainlyIconStretches) {
    clsPaintEffects p;
    const Surface bmp = Grid({"R.", "GB"});
    Surface dst = Grid({"ddd", "ddd"});
    p.PaintNormalStdPic(dst, 1, 0, 2, 2, bmp, 0, 0);
    EXPECT_EQ(Rows(dst), (G{"dR.", "dGB"}));

    const platform::Picture icon = Icon({"RG", ".B"}, {"10", "11"});
    Surface dst2 = Grid({"dddd", "dddd", "dddd", "dddd"});
    p.PaintNormalStdPic(dst2, 0, 0, 4, 4, icon, 1, 1);
    EXPECT_EQ(Rows(dst2), (G{"RRdd", "RRdd", "..BB", "..BB"}));
    // Width and height 0: the icon's own size.
    Surface dst3 = Grid({"ddd", "ddd"});
    p.PaintNormalStdPic(dst3, 1, 0, 0, 0, icon, 0, 0);
    EXPECT_EQ(Rows(dst3), (G{"dRd", "d.B"}));
}

TEST(PaintColours, SystemColoursOfTheClassicThemeAndTheKeyRule) {
    EXPECT_EQ(Paint_Translate_Color(kSysColor3DHighlight), Rgb(255, 255, 255));
    EXPECT_EQ(Paint_Translate_Color(kSysColor3DShadow), Rgb(128, 128, 128));
    EXPECT_EQ(Paint_Translate_Color(0x8000000F), Rgb(192, 192, 192));  // button face
    EXPECT_EQ(Paint_Translate_Color(0x80000008), Rgb(0, 0, 0));        // window text
    EXPECT_EQ(Paint_Translate_Color(0x80000063), 0u);                  // no such system colour
    EXPECT_EQ(Paint_Translate_Color(0x00123456), 0x123456u);
    EXPECT_EQ(Paint_Translate_Color(0x02123456), 0x123456u);
    EXPECT_EQ(Paint_Translate_Color(0x7F123456), 0u);

    EXPECT_EQ(Paint_Disabled_Key_Color(Rgb(255, 255, 255), Rgb(128, 128, 128)), Rgb(0, 0, 0));
    EXPECT_EQ(Paint_Disabled_Key_Color(Rgb(0, 0, 0), Rgb(128, 128, 128)), Rgb(255, 0, 0));
    EXPECT_EQ(Paint_Disabled_Key_Color(Rgb(0, 0, 0), Rgb(255, 0, 0)), Rgb(0, 0, 255));
    EXPECT_EQ(Paint_Disabled_Key_Color(Rgb(255, 0, 0), Rgb(0, 0, 0)), Rgb(0, 0, 255));
}

TEST(PaintDisabled, ShadowOverHighlightShiftedWithTheLastRowAndColumnCut) {
    clsPaintEffects p;
    // Dark pixels: the whole first column, the last column and the last row's middle.
    const Surface src = Grid({"#..#", "#..#", "#RR#"});
    Surface dst = Grid({"dddd", "dddd", "dddd"});
    p.PaintDisabledDC(dst, 0, 0, 4, 3, src, 0, 0, 0xFFFFFF, Rgb(10, 200, 30), Rgb(90, 0, 90));
    // Red (255 + 0 + 0 <= 382) reduces to black. The highlight of column 0 shows in column 1 from
    // row 1 on; the highlight of the last column and of the last row falls off the rectangle; the
    // first row and column get none.
    EXPECT_EQ(Rows(dst), (G{"sdds", "shds", "ssss"}));
}

TEST(PaintDisabled, DefaultsAreTheThreeDimensionalColoursAndTheReductionRule) {
    clsPaintEffects p;
    // k = (127, 127, 128): sum 382, black; l = (127, 128, 128): sum 383, white.
    const Surface src = Grid({"kl..", "...."});
    Surface dst = Grid({"dddd", "dddd"});
    p.PaintDisabledStdPic(dst, 0, 0, 4, 2, src, 0, 0);
    EXPECT_EQ(Rows(dst), (G{"gddd", "d.dd"}));
}

TEST(PaintDisabled, MaskColouredPixelsAreNeverDarkAndTheKeyStaysInvisible) {
    clsPaintEffects p;
    const Surface src = Grid({"#R", "R#"});
    // Black is the mask: only the red pixels count as dark.
    Surface dst = Grid({"ddd", "ddd", "ddd"});
    p.PaintDisabledDC(dst, 0, 0, 3, 3, src, 0, 0, Rgb(0, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255));
    // Beyond the 2 x 2 source is black, the mask colour: transparent too.
    EXPECT_EQ(Rows(dst), (G{"dBd", "BdG", "dGd"}));

    // Highlight black and shadow red: the key colour is blue, and black and red both paint.
    Surface dst2 = Grid({"ddd", "ddd", "ddd"});
    p.PaintDisabledDC(dst2, 0, 0, 2, 2, Grid({"#.", ".."}), 0, 0, 0xFFFFFF, Rgb(0, 0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(Rows(dst2), (G{"Rdd", "d#d", "ddd"}));
}

TEST(PaintDisabled, ClippedAtTheDestinationEdgesAndOntoItself) {
    clsPaintEffects p;
    const Surface src = Grid({"##", "##"});
    Surface dst = Grid({"ddd", "ddd"});
    // Placed at (-1, -1): only the bottom-right source pixel and its highlight's neighbour show.
    p.PaintDisabledDC(dst, -1, -1, 2, 2, src, 0, 0, 0xFFFFFF, Rgb(10, 200, 30), Rgb(90, 0, 90));
    EXPECT_EQ(Rows(dst), (G{"sdd", "ddd"}));

    Surface self = Grid({"#..", "...", "..."});
    p.PaintDisabledDC(self, 0, 0, 3, 3, self, 0, 0, 0xFFFFFF, Rgb(10, 200, 30), Rgb(90, 0, 90));
    EXPECT_EQ(Rows(self), (G{"s..", ".h.", "..."}));
}

TEST(PaintDisabled, IconReadsAtItsOriginInAnAreaOfTheMaskColour) {
    const platform::Picture icon = Icon({"##", "#."}, {"11", "01"});
    clsPaintEffects p;
    Surface dst = Grid({"ddd", "ddd", "ddd"});
    p.PaintDisabledStdPic(dst, 0, 0, 3, 3, icon, 4, 4, 0xFFFFFF, Rgb(10, 200, 30), Rgb(90, 0, 90));
    EXPECT_EQ(Rows(dst), (G{"ssd", "dhh", "ddd"}));
}

}  // namespace
