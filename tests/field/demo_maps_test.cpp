// The demo game's field: every screen loads and draws without an error, and everything its events
// and enemies name exists (talks, table entries, enemy groups, shops, target screens and cells).
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "common/C_modFileIO.h"
#include "common/C_modStrEdit.h"
#include "common/vb_types.h"
#include "core/G_modGameInfo.h"
#include "core/G_modManage.h"
#include "data/modData.h"
#include "data/modSetting.h"
#include "field_fixture.h"

namespace field_test {
namespace {

class DemoMaps : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        gstrGameDir = std::string(ZOVE_SOURCE_DIR) + "/game/";
        Setting_Load_All();
        Map_Read_TileFile();
        ASSERT_TRUE(Boxes().empty()) << ::testing::PrintToString(Boxes());
        const std::regex name("MAP_([A-Z]+)_([0-9]+)\\.txt");
        for (const auto& entry : std::filesystem::directory_iterator(gstrGameDir + "eve")) {
            std::smatch m;
            const std::string file = entry.path().filename().string();
            if (std::regex_match(file, m, name)) screens_.push_back({m[1], std::stoi(m[2])});
        }
        std::sort(screens_.begin(), screens_.end());
    }
    bool Load(const std::string& name, int no) {
        mstrMapName = name;
        mintMapNo = static_cast<vb::Integer>(no);
        Map_Load_MapNo(vb::kFalse);
        return mblnScreenReady != vb::kFalse;
    }
    bool Free(vb::Integer x, vb::Integer y) const {
        return x >= 1 && x <= 20 && y >= 1 && y <= 20 && Map_Get_TileAttr(mstrMapCell(x)(y), 3) != 5;
    }
    // Free before the flags of the screen are set, or once they all are (a door opened by a
    // flag leads to a cell its own flag tile clears).
    bool FreeSomeTime(vb::Integer x, vb::Integer y) {
        if (Free(x, y)) return true;
        for (int f = 1; f <= 1000; ++f) gudtGame.udtProgress.intFlag(f) = vb::kTrue;
        Map_Apply_FlagTiles();
        const bool free = Free(x, y);
        for (int f = 1; f <= 1000; ++f) gudtGame.udtProgress.intFlag(f) = 0;
        return free;
    }
    bool HasTalk(const std::string& section) const {
        return !FileIO_Read_Ini(gstrGameDir + "eve/A_TALK_FILE.ini", section, "1", vb::kTrue).empty();
    }
    bool HasGroup(vb::Integer no) const {
        return !Manage_Read_EveIni("A_ENEMY_FILE", "E_" + vb::CStr(no), "E_NO_2", vb::kTrue).empty();
    }
    std::vector<std::pair<std::string, int>> screens_;
};

TEST_F(DemoMaps, EveryScreenLoadsAndItsEventsPointAtRealThings) {
    ASSERT_GE(screens_.size(), 7u);
    for (const auto& [name, no] : screens_) {
        SCOPED_TRACE(name + " " + std::to_string(no));
        ASSERT_TRUE(Load(name, no)) << ::testing::PrintToString(Boxes());
        const std::vector<std::string> events = mstrEvents;
        for (int s = 1; s <= 20; ++s) {
            const typMapChar& e = mtypChar(s);
            if (e.blnActive == vb::kFalse) continue;
            EXPECT_TRUE(Free(e.intX, e.intY)) << "enemy " << s;
            EXPECT_TRUE(HasGroup(e.intEnemyNo)) << "enemy group " << e.intEnemyNo;
            EXPECT_GE(e.intRow, 1);
            EXPECT_LE(e.intRow, 30);
        }
        for (const std::string& r : events) {
            SCOPED_TRACE(r);
            const std::string kind = Map_Event_Field(r, 1);
            const auto num = [&](int n) { return vb::ValInt(Map_Event_Field(r, static_cast<vb::Integer>(n))); };
            const std::string p2 = Map_Event_Field(r, 6);
            if (kind == "E") {
                if (p2 == "M") { EXPECT_TRUE(HasTalk(Map_Event_Field(r, 7))); }
                if (p2 == "W") { EXPECT_FALSE(gudtWeapon(num(7)).strName.empty()); }
                if (p2 == "A") { EXPECT_FALSE(gudtAcce(num(7)).strName.empty()); }
                if (p2 == "I") { EXPECT_FALSE(gudtItem(num(7)).strName.empty()); }
                if (p2 == "B" || p2 == "R") { EXPECT_TRUE(HasGroup(num(7))); }
                if (p2 == "U") {
                    Setting_Load_Shop(num(7));
                    EXPECT_NE(gintShopNo(1), 0);
                }
            }
            if (kind == "J" || kind == "D") {
                const vb::Integer x = num(5);
                const vb::Integer y = num(6);
                const int target = num(7);
                const bool there = std::find(screens_.begin(), screens_.end(), std::pair{name, target}) != screens_.end();
                ASSERT_TRUE(there) << "no screen " << target;
                ASSERT_TRUE(Load(name, target));
                EXPECT_TRUE(FreeSomeTime(x, y)) << "arrival cell";
                ASSERT_TRUE(Load(name, no));
            }
            if (kind == "C") {
                const std::string p1 = Map_Event_Field(r, 5);
                const std::string map = StrEdit_Get_Field(p1, 1, "/");
                const int target = vb::ValInt(StrEdit_Get_Field(p1, 2, "/"));
                EXPECT_FALSE(Manage_Read_EveIni("A_MAP_FILE", map, "MUSIC", vb::kTrue).empty()) << map;
                ASSERT_TRUE(Load(map, target));
                EXPECT_TRUE(FreeSomeTime(num(6), num(7))) << "arrival cell";
                ASSERT_TRUE(Load(name, no));
            }
        }
    }
    EXPECT_TRUE(Boxes().empty()) << ::testing::PrintToString(Boxes());
}

TEST_F(DemoMaps, EachRequestStartsOnAFreeCellOfItsMap) {
    for (const char* key : {"C1_MAPNAME", "C2_MAPNAME", "C3_MAPNAME"}) {
        const std::string map = Manage_Read_EveIni("A_SYS_FILE", "BASIS", key, vb::kTrue);
        SCOPED_TRACE(map);
        gudtGame.udtProgress.strMapName = map;
        Map_Enter_FromRecord();
        ASSERT_EQ(mblnScreenReady, vb::kTrue) << ::testing::PrintToString(Boxes());
        EXPECT_TRUE(Free(mtypChar(0).intX, mtypChar(0).intY));
        EXPECT_FALSE(gudtGame.udtProgress.strPlaceName.empty());
    }
}

}  // namespace
}  // namespace field_test
