// Field enemies: the movement patterns with scripted random values, contact, and their drawing.
#include <gtest/gtest.h>

#include "common/random.h"
#include "field/frmFile.h"
#include "field_fixture.h"
#include "platform/form.h"
#include "platform/raster.h"

namespace field_test {
namespace {

class Enemies : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        WriteScreen("GARDEN", 1, Walled(), {}, {});
        Enter("GARDEN");
        ASSERT_EQ(mblnScreenReady, vb::kTrue) << ::testing::PrintToString(Boxes());
        for (int s = 1; s <= kMapCells; ++s) mtypChar(s).blnActive = vb::kFalse;
        mtypChar(0).intX = 10;
        mtypChar(0).intY = 10;
    }
    typMapChar& Enemy(vb::Integer x, vb::Integer y, vb::Integer pattern, vb::Integer idle, vb::Integer dir = 2) {
        typMapChar& e = mtypChar(1);
        e = typMapChar{};
        e.intRow = 6;
        e.intX = x;
        e.intY = y;
        e.intPattern = pattern;
        e.intIdle = idle;
        e.intDir = dir;
        e.intDelay = 1;
        e.blnActive = vb::kTrue;
        return e;
    }
};

// One decision: d = floor(r * (idle + 1)). Expect the direction the enemy then faces and whether
// it walks; the player stands at (10, 10).
TEST_F(Enemies, PatternsChooseTheirDirectionFromTheDraw) {
    const struct {
        vb::Integer pattern, idle, x, y, dir;
        float r;
        vb::Integer wantDir;
        bool walks;
    } cases[] = {
        {1, 4, 5, 5, 2, 0.0f, 2, false},  // d 0: stays
        {1, 4, 5, 5, 2, 0.2f, 1, true},   // d 1: up
        {1, 4, 5, 5, 2, 0.99f, 4, true},  // d 4: right
        {1, 3, 5, 5, 2, 0.99f, 3, true},  // d reaches 3 at most (left): never right
        {2, 2, 5, 5, 1, 0.34f, 2, true},  // chases down: ey < py
        {2, 2, 5, 5, 1, 0.67f, 4, true},  // chases right: ex < px
        {2, 2, 10, 10, 2, 0.34f, 1, true},  // tie: up
        {2, 2, 10, 10, 2, 0.67f, 3, true},  // tie: left
        {3, 2, 5, 5, 2, 0.34f, 1, true},  // flees up
        {3, 2, 5, 5, 2, 0.67f, 3, true},  // flees left
        {3, 2, 10, 10, 1, 0.67f, 4, true},  // tie: right
        {4, 6, 5, 5, 1, 0.99f, 4, true},  // d 6: wanders right
        {5, 6, 15, 15, 1, 0.45f, 1, true},  // d 3: wanders up
        {6, 1, 5, 5, 3, 0.6f, 3, true},   // paces on to the left
        {6, 1, 5, 5, 2, 0.6f, 4, true},   // not facing left: right
        {7, 1, 5, 5, 1, 0.6f, 1, true},
        {7, 1, 5, 5, 4, 0.6f, 2, true},
        {8, 1, 5, 5, 4, 0.6f, 4, true},   // clockwise keeps on while it can
        {9, 1, 5, 5, 3, 0.6f, 3, true},
        {10, 1, 5, 5, 1, 0.6f, 3, true},  // left turn first
        {11, 1, 5, 5, 1, 0.6f, 4, true},  // right turn first
        {11, 1, 5, 5, 2, 0.6f, 3, true},
    };
    for (const auto& c : cases) {
        Enemy(c.x, c.y, c.pattern, c.idle, c.dir);
        vb::Rnd_Script({c.r});
        Map_Move_Enemies();
        EXPECT_EQ(mtypChar(1).intDir, c.wantDir) << "pattern " << c.pattern << " r " << c.r;
        EXPECT_EQ(mtypChar(1).intPhase, c.walks ? 1 : 0) << "pattern " << c.pattern << " r " << c.r;
    }
}

TEST_F(Enemies, BlockedTriesTurnToTheSecondChoice) {
    // Pacing left against a wall: it turns right and steps right in the same tick.
    Enemy(2, 5, 6, 1, 3);
    vb::Rnd_Script({0.6f});
    Map_Move_Enemies();
    EXPECT_EQ(mtypChar(1).intDir, 4);
    EXPECT_EQ(mtypChar(1).intPhase, 1);
    // Both ways walled: it stays, facing the second direction.
    mstrMapCell(3)(5) = std::string(1, 'W');
    Enemy(2, 5, 6, 1, 3);
    vb::Rnd_Script({0.6f});
    Map_Move_Enemies();
    EXPECT_EQ(mtypChar(1).intDir, 4);
    EXPECT_EQ(mtypChar(1).intPhase, 0);
}

TEST_F(Enemies, WalkingEnemiesAndUnknownPatternsDrawNothing) {
    for (vb::Integer pattern : {0, 12}) {
        Enemy(5, 5, pattern, 9);
        vb::Rnd_Script({0.25f});
        Map_Move_Enemies();
        EXPECT_FLOAT_EQ(vb::Rnd(), 0.25f) << "no draw for pattern " << pattern;
    }
    Enemy(5, 5, 1, 4);
    mtypChar(1).intPhase = 2;
    vb::Rnd_Script({0.5f});
    Map_Move_Enemies();
    EXPECT_FLOAT_EQ(vb::Rnd(), 0.5f) << "no draw while walking";
}

TEST_F(Enemies, ContactMeetsTheLowestSlotFirst) {
    for (int s : {3, 7}) {
        mtypChar(s) = typMapChar{};
        mtypChar(s).intX = 10;
        mtypChar(s).intY = 10;
        mtypChar(s).blnActive = vb::kTrue;
        mtypChar(s).intEnemyNo = static_cast<vb::Integer>(s * 10);
    }
    Take();
    EXPECT_EQ(Map_Check_Contact(10, 10), 3);
    EXPECT_TRUE(InOrder(Take(), {"sound 20", "effect 9", "effect 15"}));
    EXPECT_EQ(mtypChar(3).blnActive, vb::kFalse);
    EXPECT_EQ(Map_Check_Contact(10, 10), 7);
    EXPECT_EQ(Map_Check_Contact(10, 10), 0);
}

TEST_F(Enemies, ReloadingTheScreenBringsMetEnemiesBack) {
    WriteScreen("GARDEN", 1, Walled(), {"6:4:4:2:1:0:0:9"}, {});
    Enter("GARDEN");
    mtypChar(1).blnActive = vb::kFalse;
    Map_Load_MapNo(vb::kFalse);
    EXPECT_EQ(mtypChar(1).blnActive, vb::kTrue);
    EXPECT_EQ(mtypChar(1).intX, 4);
}

// The character layer: a recognisable sheet, painted where the rules say.
TEST_F(Enemies, SpritesArePaintedByPhaseAndSlotOrder) {
    platform::Surface& sheet = frmFile().PicChar;
    platform::Raster_Cls(sheet, 0xFFFFFF);
    // Each cell of rows 0..2 is filled with a colour naming its row and column, except a white
    // (transparent) border pixel at its top left.
    auto colour = [](int row, int col) { return static_cast<platform::Colour>(0x010000 * (row + 1) + 0x100 * (col + 1)); };
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 8; ++col) {
            platform::Raster_FillBox(sheet, col * 32, row * 24, col * 32 + 31, row * 24 + 23, colour(row, col));
            sheet.Set(col * 32, row * 24, 0xFFFFFF);
        }
    }
    platform::Surface& screen = mfrmMain->image;
    // Phase 2 walking right from (5, 7): half a cell on, at (144, 144), column 6.
    mtypChar(0) = typMapChar{};
    mtypChar(0).blnActive = vb::kTrue;
    mtypChar(0).intX = 5;
    mtypChar(0).intY = 7;
    mtypChar(0).intDir = 4;
    mtypChar(0).intPhase = 2;
    Map_Copy_Buffer();
    Map_Draw_Chars();
    EXPECT_EQ(screen.Get(145, 145), colour(0, 6));
    EXPECT_EQ(screen.Get(144 + 31, 144 + 23), colour(0, 6));
    EXPECT_NE(screen.Get(144, 144), 0xFFFFFFu);  // the white pixel let the ground through
    EXPECT_NE(screen.Get(143, 145), colour(0, 6));

    // Slots 3 and 7 on one cell: slot 3 shows; a direction of 0 is drawn up and stored as 1.
    for (int s : {3, 7}) {
        mtypChar(s) = typMapChar{};
        mtypChar(s).blnActive = vb::kTrue;
        mtypChar(s).intX = 2;
        mtypChar(s).intY = 2;
        mtypChar(s).intRow = s == 3 ? 1 : 2;
        mtypChar(s).intDir = 0;
    }
    Map_Copy_Buffer();
    Map_Draw_Chars();
    EXPECT_EQ(screen.Get(40, 30), colour(1, 0));
    EXPECT_EQ(mtypChar(3).intDir, 1);
    EXPECT_EQ(mtypChar(7).intDir, 1);
    // The player on the same cell is painted over both.
    mtypChar(0).intX = 2;
    mtypChar(0).intY = 2;
    mtypChar(0).intPhase = 1;  // phase 1 up: second frame, a quarter cell up
    mtypChar(0).intDir = 1;
    Map_Copy_Buffer();
    Map_Draw_Chars();
    EXPECT_EQ(screen.Get(40, 30 - 6), colour(0, 1));
}

}  // namespace
}  // namespace field_test
