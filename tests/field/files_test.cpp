// The field's data files: tile lookup, map headers, map, enemy and event files and their errors.
#include <gtest/gtest.h>

#include "common/vb_error.h"
#include "core/modEvent.h"
#include "data/modData.h"
#include "field_fixture.h"

namespace field_test {
namespace {

class Files : public FieldTest {};

TEST_F(Files, TileLookupTakesTheFirstRecordThatBeginsWithTheKey) {
    mstrTiles = {"# a comment-like key never matches", "a=1:2:0", "ab=3:4:5", "  c = 7 : 8 : 3  ", "d=x:1:0", "e"};
    struct Case {
        const char* key;
        vb::Integer n;
        vb::Integer want;
    } cases[] = {
        {"a", 1, 1}, {"a", 2, 2}, {"a", 3, 0},
        {"ab", 1, 3}, {"ab", 3, 5},      // the record has to begin with the whole key
        {"", 1, 1}, {"", 2, 2},          // an empty cell takes the first definition
        {"c", 1, 7}, {"c", 3, 3},        // blanks around the record and its fields
        {"a", 0, 0}, {"a", 4, 0},        // no such attribute
        {"d", 2, 1},
    };
    for (const Case& c : cases) EXPECT_EQ(Map_Get_TileAttr(c.key, c.n), c.want) << c.key << " " << c.n;
    // A key is matched as a prefix: a longer key's record that comes first hides the short key's.
    mstrTiles = {"xy=9:9:5", "x=1:1:0"};
    EXPECT_EQ(Map_Get_TileAttr("x", 1), 9);
}

TEST_F(Files, TileLookupErrorsNameTheKey) {
    mstrTiles = {"a=1:2:0", "d=x:1:0"};
    for (const char* key : {"z", "d"}) {
        try {
            Map_Get_TileAttr(key, 1);
            ADD_FAILURE() << key;
        } catch (const vb::Error& e) {
            EXPECT_NE(std::string(e.what()).find(std::string("「") + key + "」"), std::string::npos) << e.what();
        }
    }
    mstrTiles.clear();
    EXPECT_THROW(Map_Get_TileAttr("a", 1), vb::Error);  // no tile file: an error, not a crash
}

TEST_F(Files, ShortRowsLeaveCellsEmptyAndExtraTextIsIgnored) {
    std::vector<std::string> rows = Walled();
    rows[1] = "W..............";          // 15 characters
    rows[2] = "W..................W12345";  // more than 20
    rows.push_back("this row is never read");
    WriteScreen("GARDEN", 1, rows, {}, {});
    Enter("GARDEN");
    ASSERT_EQ(mblnScreenReady, vb::kTrue) << ::testing::PrintToString(Boxes());
    EXPECT_EQ(mstrMapCell(16)(2), "");
    EXPECT_EQ(Map_Get_TileAttr(mstrMapCell(18)(2), 3), 0);  // the first definition: free grass
    EXPECT_EQ(mstrMapCell(20)(3), "W");
    EXPECT_EQ(mstrMapCell(1)(1), "W");
    EXPECT_TRUE(InOrder(Take(), {"map GARDEN 1", "music 30"}));
}

TEST_F(Files, HeaderOfAFreshEntryAndFromTheRecord) {
    WriteScreen("WOOD", 2, Walled(), {}, {});
    Enter("WOOD");
    EXPECT_EQ(mintMapMusic, 31);  // the whole-number part of 31.7
    EXPECT_EQ(mintMapNo, 2);
    EXPECT_EQ(mtypChar(0).intX, 3);
    EXPECT_EQ(mtypChar(0).intY, 4);
    EXPECT_EQ(gudtGame.udtProgress.strPlaceName, "森");
    EXPECT_EQ(gudtGame.udtProgress.intMapNo, 2);
    EXPECT_EQ(gudtGame.udtProgress.intX, 3);

    // From the record: MAPNO, X, Y and EVENAME are not consulted, the place name stays.
    WriteScreen("WOOD", 7, Walled(), {}, {});
    gudtGame.udtProgress.strPlaceName = "どこか";
    gudtGame.udtProgress.intMapNo = 7;
    gudtGame.udtProgress.intX = 12;
    gudtGame.udtProgress.intY = 13;
    gblnUseRecordPos = vb::kTrue;
    Enter("WOOD");
    EXPECT_EQ(mintMapNo, 7);
    EXPECT_EQ(mtypChar(0).intX, 12);
    EXPECT_EQ(mtypChar(0).intY, 13);
    EXPECT_EQ(gudtGame.udtProgress.strPlaceName, "どこか");
    EXPECT_EQ(gblnUseRecordPos, vb::kFalse);
    EXPECT_TRUE(Boxes().empty()) << ::testing::PrintToString(Boxes());
}

TEST_F(Files, EnemyRecordsFillSlotsAndRowZeroStaysInactive) {
    WriteScreen("GARDEN", 1, Walled(), {"3:5:6:2:4:9:1:11", "0:7:8:1:2:3:4:12", "# a comment in between", "5:9:9:0:1:1:0:13"},
                {});
    Enter("GARDEN");
    EXPECT_EQ(mtypChar(1).blnActive, vb::kTrue);
    EXPECT_EQ(mtypChar(1).intRow, 3);
    EXPECT_EQ(mtypChar(1).intX, 5);
    EXPECT_EQ(mtypChar(1).intY, 6);
    EXPECT_EQ(mtypChar(1).intDir, 2);
    EXPECT_EQ(mtypChar(1).intDelay, 4);
    EXPECT_EQ(mtypChar(1).intIdle, 9);
    EXPECT_EQ(mtypChar(1).intPattern, 1);
    EXPECT_EQ(mtypChar(1).intEnemyNo, 11);
    EXPECT_EQ(mtypChar(2).blnActive, vb::kFalse);  // row 0, though its fields are read
    EXPECT_EQ(mtypChar(2).intEnemyNo, 12);
    EXPECT_EQ(mtypChar(3).intEnemyNo, 13);  // comments are dropped
    EXPECT_EQ(mtypChar(3).intDir, 1);       // direction 0 is drawn facing up and becomes 1
    EXPECT_EQ(mtypChar(4).blnActive, vb::kFalse);
}

TEST_F(Files, FlagTilesShowTheFirstKeyUntilTheFlagIsSet) {
    WriteScreen("GARDEN", 1, Walled(), {}, {"F:0:3:3:a:b", "F:12:4:4:a:b", "E:12:4:5:1:M:T_HELLO"});
    Enter("GARDEN");
    EXPECT_EQ(mstrMapCell(3)(3), "a");
    EXPECT_EQ(mstrMapCell(4)(4), "a");
    gudtGame.udtProgress.intFlag(12) = vb::kTrue;
    Map_Apply_FlagTiles();
    EXPECT_EQ(mstrMapCell(3)(3), "a");  // flag 0 is never set
    EXPECT_EQ(mstrMapCell(4)(4), "b");
}

// Every broken screen is reported with a message naming the problem; the field does not run on it.
TEST_F(Files, DataErrorsAreReportedAndStopTheLoad) {
    std::vector<std::string> enemies21(21, "1:5:5:1:1:1:0:1");
    const struct {
        const char* what;
        std::vector<std::string> rows;
        std::vector<std::string> enemies;
        std::vector<std::string> events;
        const char* message;
    } cases[] = {
        {"19 rows", std::vector<std::string>(19, std::string(20, '.')), {}, {}, "19 行"},
        {"comments only", {"# nothing but a comment"}, {}, {}, "1 行"},
        {"21 enemies", Walled(), enemies21, {}, "20 まで"},
        {"flag 1001", Walled(), {}, {"E:1001:3:3:1:M:T_HELLO"}, "0..1000"},
        {"flag -3", Walled(), {}, {"M:-3:3:3:1"}, "0..1000"},
        {"flag tile off the grid", Walled(), {}, {"F:0:21:3:a:b"}, "マップの外"},
        {"undefined tile", std::vector<std::string>(20, std::string(20, 'Q')), {}, {}, "「Q」"},
    };
    for (const auto& c : cases) {
        WriteScreen("GARDEN", 1, c.rows, c.enemies, c.events);
        const std::size_t before = Boxes().size();
        Enter("GARDEN");
        ASSERT_EQ(Boxes().size(), before + 1) << c.what;
        EXPECT_NE(Boxes().back().find(c.message), std::string::npos) << c.what << ": " << Boxes().back();
        EXPECT_EQ(mblnScreenReady, vb::kFalse) << c.what;
        EXPECT_EQ(Map_Run_Loop(), 0) << c.what;  // no screen: the loop does not run
    }
}

TEST_F(Files, MissingFilesAndHeadersAreNamed) {
    Enter("GARDEN");  // no MAP_GARDEN_1.txt
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_NE(Boxes()[0].find("MAP_GARDEN_1.txt"), std::string::npos) << Boxes()[0];
    WriteEve("MAP_GARDEN_1.txt", "");
    Enter("GARDEN");
    EXPECT_NE(Boxes().back().find("MAP_GARDEN_1.txt"), std::string::npos) << Boxes().back();
    WriteScreen("GARDEN", 1, Walled(), {}, {});
    WriteEve("TEKI_GARDEN_1.txt", "");
    Enter("GARDEN");
    EXPECT_NE(Boxes().back().find("TEKI_GARDEN_1.txt"), std::string::npos) << Boxes().back();
    Enter("NOWHERE");
    EXPECT_NE(Boxes().back().find("[NOWHERE]"), std::string::npos) << Boxes().back();
    WriteEve("A_MAP_FILE.ini", "[GARDEN]\r\nMUSIC=loud\r\n");
    Enter("GARDEN");
    EXPECT_NE(Boxes().back().find("loud"), std::string::npos) << Boxes().back();
    EXPECT_EQ(Boxes().size(), 5u);
}

}  // namespace
}  // namespace field_test
