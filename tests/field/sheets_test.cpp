// The built-in sprite sheets: their geometry, and character cells that are transparent around
// their figure and hold a figure in every walking frame.
#include <gtest/gtest.h>

#include "field/frmFile.h"
#include "field_fixture.h"

namespace field_test {
namespace {

class Sheets : public FieldTest {};

TEST_F(Sheets, TheSheetsComeWithTheProgram) {
    EXPECT_TRUE(Boxes().empty()) << ::testing::PrintToString(Boxes());
    const frmFileWindow& f = frmFile();
    EXPECT_EQ(f.PicChar.Width(), 256);
    EXPECT_EQ(f.PicChar.Height(), 744);
    EXPECT_EQ(f.PicMAPTILE.Width(), 482);
    EXPECT_EQ(f.PicMAPTILE.Height(), 363);
    EXPECT_EQ(mpicChar, &f.PicChar);
    EXPECT_EQ(mpicMapTile, &f.PicMAPTILE);
}

TEST_F(Sheets, EveryCharacterCellIsAFigureOnWhite) {
    const platform::Surface& s = frmFile().PicChar;
    for (int row = 0; row < 31; ++row) {
        for (int col = 0; col < 8; ++col) {
            int drawn = 0;
            for (int y = 0; y < 24; ++y) {
                for (int x = 0; x < 32; ++x) drawn += s.Get(col * 32 + x, row * 24 + y) != 0xFFFFFF;
            }
            EXPECT_GT(drawn, 60) << "row " << row << " column " << col;
            EXPECT_LT(drawn, 32 * 24 * 9 / 10) << "row " << row << " column " << col;
        }
    }
    // The two frames of a direction differ (the figure walks), for the player at least.
    for (int dir = 0; dir < 4; ++dir) {
        int differ = 0;
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 32; ++x) differ += s.Get(dir * 64 + x, y) != s.Get(dir * 64 + 32 + x, y);
        }
        EXPECT_GT(differ, 4) << "direction " << dir + 1;
    }
}

TEST_F(Sheets, TilesOfTheDemoAreOpaque) {
    // The tile cells the demo's tile file names are painted whole: no white hole shows the buffer's
    // old contents through.
    const platform::Surface& s = frmFile().PicMAPTILE;
    for (const auto& [c, r] : {std::pair{0, 0}, std::pair{0, 2}, std::pair{0, 6}, std::pair{1, 9}, std::pair{14, 14}}) {
        int white = 0;
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 32; ++x) white += s.Get(c * 32 + x, r * 24 + y) == 0xFFFFFF;
        }
        EXPECT_EQ(white, 0) << c << "," << r;
    }
}

}  // namespace
}  // namespace field_test
