// Tile events: treasure, money, traps, switches, battles, map changes and the screens they open.
#include <gtest/gtest.h>

#include "core/modEvent.h"
#include "data/modData.h"
#include "data/modSetting.h"
#include "field_fixture.h"

namespace field_test {
namespace {

class Events : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        gudtItem(4).strName = "ハチミツ";
        gudtWeapon(2).strName = "はさみ";
        gudtAcce(5).strName = "ツメ";
        gudtAcce(5).intKind = 3;
        gudtAcce(5).lngValue = 1;
        // Every talk waits for a click: give one whenever the game waits.
        host().SetIdleHook([](platform::ScriptedHost& h) -> std::uint32_t {
            if (h.Ticks() > 600000) throw platform::ScriptFailure{"never ends"};
            QueueClick(h, h.Ticks() + 200);
            return h.Ticks() + 200;
        });
    }
    // A screen with the player at (10, 10) facing up, and these events.
    void Screen(const std::vector<std::string>& events, std::vector<std::string> rows = Walled()) {
        WriteScreen("GARDEN", 1, rows, {}, events);
        Enter("GARDEN");
        ASSERT_EQ(mblnScreenReady, vb::kTrue) << ::testing::PrintToString(Boxes());
        mtypChar(0).intDir = 1;
        Take();
    }
    void EnterKey() {
        mblnInputReady = vb::kTrue;
        Map_Key(13);
    }
    static bool Has(const std::vector<std::string>& lines, const std::string& l) {
        return std::find(lines.begin(), lines.end(), l) != lines.end();
    }
};

TEST_F(Events, AChestGivesItsItemOnceAndOpens) {
    Screen({"F:12:10:9:a:b", "E:12:10:10:1:I:4:7"});
    EXPECT_EQ(mstrMapCell(10)(9), "a");
    EnterKey();
    EXPECT_TRUE(InOrder(Take(), {"sound 7", "talk \"IT_GET\"", "text \"ハチミツ GET\" 60 375 586 552 10 16079104 0"}));
    EXPECT_EQ(gudtGame.udtC1.intItNo(1), 4);
    EXPECT_EQ(gudtGame.udtProgress.intFlag(12), vb::kTrue);
    EXPECT_EQ(mstrMapCell(10)(9), "b");
    EnterKey();
    EXPECT_TRUE(Take().empty());
    EXPECT_EQ(gudtGame.udtC1.intItNo(2), 0);
}

TEST_F(Events, AFullInventoryLeavesTheChestClosedAndLive) {
    for (int i = 1; i <= 7; ++i) gudtGame.udtC1.intItNo(i) = 1;
    Screen({"F:12:10:9:a:b", "E:12:10:10:1:I:4:7"});
    EnterKey();
    const auto trace = Take();
    EXPECT_TRUE(Has(trace, "talk \"IT_NOTGET\""));
    EXPECT_FALSE(Has(trace, "sound 7"));
    EXPECT_EQ(gudtGame.udtProgress.intFlag(12), 0);
    EXPECT_EQ(mstrMapCell(10)(9), "a");
    // With room again the chest gives its item.
    gudtGame.udtC1.intItNo(3) = 0;
    EnterKey();
    EXPECT_EQ(gudtGame.udtC1.intItNo(3), 4);
}

TEST_F(Events, WeaponsAccessoriesMoneyAndTraps) {
    Screen({"E:1:10:10:1:W:2:8", "E:2:10:10:1:A:5:9", "E:3:10:10:1:P:120:6", "E:4:10:10:1:T:50"});
    gudtGame.udtC1.lngPom = 5;
    EnterKey();  // the weapon: result False, so the scan goes on to the next live events of the cell
    const auto trace = Take();
    EXPECT_TRUE(InOrder(trace, {"sound 8", "text \"はさみ GET\" 60 375 586 552 10 16079104 0", "sound 9",
                                "text \"ツメ GET\" 60 375 586 552 10 16079104 0", "sound 6",
                                "text \"120 POM\" 60 375 586 552 10 16079104 0",
                                "text \"50 TRAP\" 60 375 586 552 10 16079104 0"}));
    EXPECT_EQ(gudtGame.udtC1.intBagWeNo(1), 2);
    EXPECT_EQ(gudtGame.udtC1.intBagAcNo(1), 5);
    EXPECT_EQ(gudtGame.udtC1.lngPom, 125);
    EXPECT_EQ(gudtGame.udtC1.lngHp, 1);  // 30 - 50: a trap never kills
    for (int f = 1; f <= 4; ++f) EXPECT_EQ(gudtGame.udtProgress.intFlag(f), vb::kTrue) << f;
}

TEST_F(Events, ASwitchTogglesWithoutAFlagAndOpensOnceWithOne) {
    Screen({"E:0:10:10:1:C:a:b:a"});
    mstrMapCell(10)(9) = "a";
    const char* want[] = {"b", "a", "b"};
    for (const char* w : want) {
        EnterKey();
        EXPECT_EQ(mstrMapCell(10)(9), w);
    }
    Screen({"E:7:10:10:1:C:a:b:a"});
    mstrMapCell(10)(9) = "a";
    EnterKey();
    EnterKey();
    EXPECT_EQ(mstrMapCell(10)(9), "b");
    // Facing another way than the record names: nothing.
    Screen({"E:0:10:10:3:C:a:b:a"});
    mstrMapCell(10)(9) = "a";
    EnterKey();
    EXPECT_EQ(mstrMapCell(10)(9), "a");
}

TEST_F(Events, DiggingNeedsTheAccessoryAndRollingPlaysItsCue) {
    Screen({"E:8:10:10:1:G:m:."});
    mstrMapCell(10)(9) = "m";
    EnterKey();
    EXPECT_TRUE(Has(Take(), "talk \"TARE_NOT\""));
    EXPECT_EQ(mstrMapCell(10)(9), "m");
    EXPECT_EQ(gudtGame.udtProgress.intFlag(8), 0);
    gudtGame.udtC1.intAcNo(1) = 5;  // the claw, bonus kind 3
    EnterKey();
    EXPECT_TRUE(Has(Take(), "sound 54"));
    EXPECT_EQ(mstrMapCell(10)(9), ".");
    EXPECT_EQ(gudtGame.udtProgress.intFlag(8), vb::kTrue);

    Screen({"E:0:10:10:1:Q:m:.:3"});
    mstrMapCell(10)(9) = "m";
    EnterKey();
    EXPECT_TRUE(InOrder(Take(), {"effect 13", "sound 51"}));
    EXPECT_EQ(mstrMapCell(10)(9), ".");
}

TEST_F(Events, BattlesAreArmedForTheLoopAndRequestsMarked) {
    Screen({"E:0:10:10:1:B:201"});
    EnterKey();
    EXPECT_TRUE(InOrder(Take(), {"sound 20", "effect 9", "effect 15"}));
    EXPECT_EQ(mintEventEnemy, 201);
    Screen({"E:9:10:10:1:R:202:3"});
    EnterKey();
    EXPECT_EQ(mintEventEnemy, 202);
    EXPECT_EQ(gudtGame.udtProgress.intScNo, 3);
    EXPECT_EQ(mblnRequestPending, vb::kTrue);
    EXPECT_EQ(gudtGame.udtProgress.intFlag(9), vb::kTrue);
    mblnRequestPending = vb::kFalse;
}

TEST_F(Events, TheSavePointStoresThePositionAndOpensTheSaveScreen) {
    Screen({"E:0:10:10:1:S"});
    mtypChar(0).intDelay = 3;
    EnterKey();
    EXPECT_TRUE(InOrder(Take(), {"state 5 2", "effect 17"}));
    EXPECT_EQ(gudtGame.udtProgress.strMapName, "GARDEN");
    EXPECT_EQ(gudtGame.udtProgress.intMapNo, 1);
    EXPECT_EQ(gudtGame.udtProgress.intX, 10);
    EXPECT_EQ(gudtGame.udtProgress.intY, 10);
    EXPECT_EQ(gudtGame.udtProgress.lngSpeed, 3);
    EXPECT_EQ(gintReturnState, 4);
}

TEST_F(Events, TheShopAndTheEnding) {
    WriteEve("A_SHOP_FILE.ini", "[SHOP_2]\r\n1=3:4\r\n");
    Screen({"E:0:10:10:1:U:2"});
    EnterKey();
    EXPECT_TRUE(InOrder(Take(), {"state 5 11", "effect 17"}));
    EXPECT_EQ(gintShopKind(1), 3);
    EXPECT_EQ(gintShopNo(1), 4);
    EXPECT_EQ(gintReturnState, 4);

    gintGameState = 5;
    Screen({"E:30:10:10:1:Z"});
    EnterKey();
    EXPECT_TRUE(InOrder(Take(), {"state 5 12", "talk \"STAFF_MSG\""}));
    EXPECT_EQ(gudtGame.udtProgress.intFlag(30), 0);  // the ending stays live
}

TEST_F(Events, DoorsJumpsAndMapChanges) {
    WriteScreen("GARDEN", 2, Walled(), {}, {});
    WriteScreen("WOOD", 5, Walled(), {}, {});
    Screen({"D:0:10:10:3:4:2"});
    std::string flag = "0";
    EXPECT_EQ(Map_Run_Event("D", flag, "3", "4", "2", "", "", vb::kFalse), vb::kTrue);
    EXPECT_TRUE(InOrder(Take(), {"sound 50", "effect 11", "map GARDEN 2"}));
    EXPECT_EQ(mtypChar(0).intX, 3);
    EXPECT_EQ(mtypChar(0).intY, 4);

    // A map change: the other map's header (and music), at the cell the record names.
    EXPECT_EQ(Map_Run_Event("C", flag, "WOOD/5", "6", "7", "", "", vb::kFalse), vb::kTrue);
    EXPECT_TRUE(InOrder(Take(), {"map WOOD 5", "music 31"}));
    EXPECT_EQ(mstrMapName, "WOOD");
    EXPECT_EQ(mtypChar(0).intX, 6);
    EXPECT_EQ(mtypChar(0).intY, 7);
    EXPECT_EQ(gblnUseRecordPos, vb::kFalse);

    // A front cell off the grid is a data error, shown; the game goes on.
    Screen({"E:0:1:1:1:C:a:b"});
    mtypChar(0).intX = 1;
    mtypChar(0).intY = 1;
    const std::size_t before = Boxes().size();
    EnterKey();
    ASSERT_EQ(Boxes().size(), before + 1);
    EXPECT_NE(Boxes().back().find("マップの外"), std::string::npos) << Boxes().back();
}

}  // namespace
}  // namespace field_test
