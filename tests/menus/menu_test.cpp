// The status menu: the status screen, pointing at its lines, the weapon and accessory change lists,
// using items, cancelling, closing, and the keyboard path through the window's key handler.
#include <gtest/gtest.h>

#include "menu_fixture.h"

namespace menus_test {
namespace {

class StatusMenuTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        gintGameState = 7;
        TakeTrace();
    }
    void Open() { Event_Dispatch(kInputRefreshEntry, 0, 0); }
    void Point(float x, float y) { Event_Dispatch(kInputPointer, x, y); }
    void Select() { Event_Dispatch(kInputSelect, 0, 0); }
    void Cancel() { Event_Dispatch(kInputCancel, 0, 0); }
};

TEST_F(StatusMenuTest, StatusScreenShowsNumbersSlotsAndItems) {
    Open();
    const auto t = TakeTrace();
    EXPECT_TRUE(InOrder(t, {"effect 5", "picture 20 0 0", TextLine("5", 70, 80, 195, 103, 10, 0xFFFFFF, 2),
                            TextLine("120", 70, 110, 195, 133, 10, 0xFFFFFF, 2),
                            TextLine("500", 70, 140, 195, 163, 10, 0xFFFFFF, 2),
                            TextLine("90", 70, 180, 195, 203, 10, 0xFFFFFF, 2),
                            TextLine("100", 70, 210, 195, 233, 10, 0xFFFFFF, 2),
                            TextLine("12", 70, 240, 195, 263, 10, 0xFFFFFF, 2),
                            TextLine("8", 70, 270, 195, 293, 10, 0xFFFFFF, 2),
                            TextLine("じょうろ", 292, 86, 417, 109, 9, 0xFFFFFF, 0),
                            TextLine("[30]", 387, 86, 417, 109, 9, 0xFFFFFF, 0),
                            TextLine("せんてい鋏", 292, 116, 417, 139, 9, 0xFFFFFF, 0),
                            TextLine("[05]", 387, 116, 417, 139, 9, 0xFFFFFF, 0),
                            TextLine("麦わら帽子", 292, 242, 417, 265, 10, 0xFFFFFF, 0),
                            TextLine("なし", 292, 272, 417, 295, 10, 0xFFFFFF, 0),
                            TextLine("やくそう", 490, 85, 615, 108, 10, 0xFFFFFF, 0),
                            TextLine("－－－", 490, 115, 615, 138, 10, 0xFFFFFF, 0),
                            TextLine("コイン", 490, 145, 615, 168, 10, 0xFFFFFF, 0),
                            TextLine("－－－", 490, 265, 615, 288, 10, 0xFFFFFF, 0)}));
    // Empty weapon slots are left blank.
    EXPECT_FALSE(StartsWithAny(t, "text \"（なし）\""));
    EXPECT_EQ(Screen().At(5, 5), kStatusColour);
    EXPECT_EQ(Screen(), Saved());
    EXPECT_EQ(host().LastPresented(), Screen());
    EXPECT_EQ(gintChoice, 0);
    EXPECT_EQ(gintLastChoice, 0);
    // A redraw has no opening effect.
    Event_Dispatch(kInputRefresh, 0, 0);
    EXPECT_FALSE(Contains(TakeTrace(), "effect 5"));
}

TEST_F(StatusMenuTest, LevelThirtyIsMarkedAsTheHighest) {
    for (vb::Long lv : {29, 30, 31}) {
        gudtGame.udtC1.lngLv = lv;
        Event_Dispatch(kInputRefresh, 0, 0);
        const std::string want = lv == 30 ? "30(LV MAX)" : std::to_string(lv);
        EXPECT_TRUE(Contains(TakeTrace(), TextLine(want, 70, 80, 195, 103, 10, 0xFFFFFF, 2))) << lv;
    }
}

TEST_F(StatusMenuTest, LinesUnderThePointer) {
    struct Case {
        vb::Integer sub;
        float x, y;
        vb::Integer line;
    };
    const Case cases[] = {
        {0, 289, 80, 11},     {0, 413.9f, 102.9f, 11}, {0, 414, 80, 0},   {0, 289, 103, 0},  {0, 288.9f, 80, 0},
        {0, 289, 110, 12},    {0, 300, 170, 14},       {0, 300, 200, 0},  {0, 289, 236, 21}, {0, 289, 266, 22},
        {0, 487, 80, 31},     {0, 611, 282, 37},       {0, 487, 283, 0},  {0, 100, 100, 0},  {1, 101, 67, 1},
        {1, 225.9f, 269, 7},  {2, 150, 157, 4},        {1, 289, 80, 0},   {2, 226, 67, 0},   {3, 101, 67, 0},
    };
    for (const Case& c : cases) {
        gintSubState = c.sub;
        EXPECT_EQ(Menu_Line_At(c.x, c.y), c.line) << c.sub << " " << c.x << "," << c.y;
    }
}

TEST_F(StatusMenuTest, PointingHighlightsTheLineAndDescribesIt) {
    Open();
    TakeTrace();
    Point(300, 120);  // weapon slot 2
    EXPECT_EQ(gintChoice, 12);
    EXPECT_TRUE(InOrder(TakeTrace(), {"picture 22 20 330", MenuMessage("せんてい鋏\r\nせんてい鋏の説明")}));
    EXPECT_TRUE(Inverted(289, 110, 125, 23));
    EXPECT_TRUE(OnlyInside(289, 110, 125, 23));
    EXPECT_EQ(host().LastPresented(), Screen());
    // Within the same line nothing is drawn again.
    const int presents = host().PresentCount();
    Point(400, 130);
    EXPECT_TRUE(TakeTrace().empty());
    EXPECT_EQ(host().PresentCount(), presents);
    // An empty slot shows entry 0 of its table; an item line its item.
    Point(300, 180);
    EXPECT_TRUE(Contains(TakeTrace(), MenuMessage("（なし）\r\n")));
    Point(500, 150);
    EXPECT_TRUE(Contains(TakeTrace(), MenuMessage("コイン\r\nコインの説明")));
    EXPECT_TRUE(Inverted(487, 140, 125, 23));
    // Empty space: the highlight goes and the message area is cleared.
    Point(240, 20);
    const auto t = TakeTrace();
    EXPECT_EQ(t, std::vector<std::string>{"picture 22 20 330"});
    EXPECT_EQ(Screen().At(500, 150), Saved().At(500, 150));
    EXPECT_EQ(Screen().At(100, 400), kMessageColour);
}

TEST_F(StatusMenuTest, WeaponChangeSwapsSlotAndAmmunition) {
    Open();
    Point(300, 112);  // battle slot 2: weapon 3 with 5 left
    Select();
    EXPECT_EQ(gintSubState, 1);
    EXPECT_EQ(gintMenuSlot, 2);
    auto t = TakeTrace();
    EXPECT_TRUE(InOrder(t, {"sound 2", "picture 21 50 50", TextLine("パチンコ", 105, 162, 230, 185, 9, 0xFFFFFF, 0),
                            TextLine("[12]", 200, 162, 230, 185, 9, 0xFFFFFF, 0), "picture 22 20 330",
                            MenuMessage("武器の変更を行います")}));
    EXPECT_EQ(Screen(), Saved());
    Point(150, 160);  // carried line 4
    EXPECT_TRUE(Contains(TakeTrace(), MenuMessage("パチンコ\r\nパチンコの説明")));
    EXPECT_TRUE(Inverted(101, 157, 125, 23));
    Select();
    const typCharacter& c = gudtGame.udtC1;
    EXPECT_EQ(c.intWeNo(2), 7);
    EXPECT_EQ(c.intWeTama(2), 12);
    EXPECT_EQ(c.intBagWeNo(4), 3);
    EXPECT_EQ(c.intBagWeTama(4), 5);
    t = TakeTrace();
    EXPECT_TRUE(InOrder(t, {"sound 2", "picture 22 20 330",
                            MenuMessage("武器を変更しました\r\n\r\n  せんてい鋏　⇒　パチンコ"), "picture 20 0 0",
                            TextLine("パチンコ", 292, 116, 417, 139, 9, 0xFFFFFF, 0)}));
    EXPECT_EQ(gintSubState, 0);
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 7);
}

TEST_F(StatusMenuTest, EmptyCarriedLineTakesTheWeaponOffAndTwoEmptySlotsChangeNothing) {
    Open();
    Point(300, 82);  // battle slot 1: watering can
    Select();
    Point(150, 70);  // carried line 1, empty
    Select();
    const typCharacter& c = gudtGame.udtC1;
    EXPECT_EQ(c.intWeNo(1), 0);
    EXPECT_EQ(c.intWeTama(1), 0);
    EXPECT_EQ(c.intBagWeNo(1), 1);
    EXPECT_EQ(c.intBagWeTama(1), 30);
    EXPECT_TRUE(Contains(TakeTrace(), MenuMessage("武器を変更しました\r\n\r\n  じょうろ　⇒　（なし）")));
    // Battle slot 3 and carried line 2 are both empty: back to the status screen, nothing said.
    const typCharacter before = c;
    Point(300, 142);
    Select();
    TakeTrace();
    Point(150, 100);
    Select();
    const auto t = TakeTrace();
    EXPECT_FALSE(Contains(t, "sound 2"));
    EXPECT_FALSE(StartsWithAny(t, "text \"武器を変更しました"));
    EXPECT_TRUE(Contains(t, "picture 20 0 0"));
    EXPECT_EQ(gudtGame.udtC1, before);
    EXPECT_EQ(gintSubState, 0);
}

TEST_F(StatusMenuTest, ClickOutsideTheLinesDoesNothing) {
    Open();
    TakeTrace();
    Point(20, 20);
    Select();
    EXPECT_EQ(gintSubState, 0);
    Point(300, 82);
    Select();
    TakeTrace();
    Point(400, 400);  // outside the list
    Select();
    EXPECT_EQ(gintSubState, 1);
    EXPECT_EQ(gudtGame.udtC1.intWeNo(1), 1);
    EXPECT_FALSE(Contains(TakeTrace(), "picture 20 0 0"));
}

TEST_F(StatusMenuTest, AccessoryChangeSwapsTheNumbers) {
    Open();
    Point(300, 240);  // worn accessory 1
    Select();
    EXPECT_EQ(gintSubState, 2);
    EXPECT_EQ(gintMenuSlot, 1);
    auto t = TakeTrace();
    EXPECT_TRUE(InOrder(t, {"picture 21 50 50", TextLine("なし", 105, 72, 230, 95, 9, 0xFFFFFF, 0),
                            TextLine("手ぶくろ", 105, 102, 230, 125, 9, 0xFFFFFF, 0),
                            MenuMessage("アクセサリ－の変更を行います")}));
    Point(150, 100);
    Select();
    EXPECT_EQ(gudtGame.udtC1.intAcNo(1), 2);
    EXPECT_EQ(gudtGame.udtC1.intBagAcNo(2), 1);
    EXPECT_TRUE(Contains(TakeTrace(), MenuMessage("アクセサリーを変更しました\r\n\r\n  麦わら帽子　⇒　手ぶくろ")));
    EXPECT_EQ(gintSubState, 0);
}

TEST_F(StatusMenuTest, EveryItemKindTakesEffectAndIsUsedUp) {
    struct Case {
        vb::Integer item;
        vb::Long typCharacter::*field;
        vb::Long after;
    };
    const Case cases[] = {
        {1, &typCharacter::lngHp, 100},  // 50 at 90 of 100: held at the maximum
        {2, &typCharacter::lngMhp, 105}, {3, &typCharacter::lngAt, 14}, {4, &typCharacter::lngDf, 10},
        {5, &typCharacter::lngPom, 700}, {6, &typCharacter::lngPom, 500},  // kind 9 changes nothing
    };
    for (const Case& c : cases) {
        Character();
        gudtGame.udtC1.intItNo(5) = c.item;
        gintSubState = 0;
        Open();
        Point(500, 205);  // item slot 5
        Select();
        EXPECT_EQ(gintSubState, 3);
        const std::string name = gudtItem(c.item).strName;
        auto t = TakeTrace();
        EXPECT_TRUE(InOrder(t, {"sound 2", "picture 22 20 330", MenuMessage(name + "を使用しますか？"),
                                TextLine("　左クリック：はい\r\n　右クリック：いいえ", 30, 370, 600, 450, 10, 255, 0)}))
            << name;
        // Pointer moves do nothing while the question is open.
        Point(300, 82);
        EXPECT_TRUE(TakeTrace().empty());
        Select();
        const typCharacter& ch = gudtGame.udtC1;
        EXPECT_EQ(ch.*(c.field), c.after) << name;
        EXPECT_EQ(ch.intItNo(5), 0) << name;
        t = TakeTrace();
        EXPECT_TRUE(InOrder(t, {"sound 4", "picture 22 20 330", MenuMessage(name + "を使用しました\r\n\r\n" + name + "を使った"),
                                "picture 20 0 0"}))
            << name;
        EXPECT_EQ(gintSubState, 0);
    }
}

TEST_F(StatusMenuTest, EmptyItemSlotOnlySounds) {
    Open();
    Point(500, 115);  // item slot 2, empty
    TakeTrace();
    Select();
    const auto t = TakeTrace();
    EXPECT_TRUE(InOrder(t, {"sound 5", "picture 20 0 0"}));
    EXPECT_FALSE(Contains(t, "sound 2"));
    EXPECT_EQ(gintSubState, 0);
}

TEST_F(StatusMenuTest, AnAmountBeyondSixteenBitsIsRefusedAndTheItemKept) {
    gudtGame.udtC1.intItNo(2) = 7;
    Open();
    Point(500, 115);
    Select();
    TakeTrace();
    Select();
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_EQ(gudtGame.udtC1.intItNo(2), 7);
    EXPECT_EQ(gudtGame.udtC1.lngHp, 90);
    EXPECT_FALSE(Contains(TakeTrace(), "sound 4"));
}

TEST_F(StatusMenuTest, RightClickLeavesSubScreensAndThenTheMenu) {
    for (vb::Integer sub : {1, 2, 3}) {
        gintSubState = sub;
        gintMenuSlot = 1;
        Event_Dispatch(kInputRefresh, 0, 0);
        TakeTrace();
        const typCharacter before = gudtGame.udtC1;
        Cancel();
        EXPECT_TRUE(InOrder(TakeTrace(), {"sound 3", "picture 20 0 0"})) << sub;
        EXPECT_EQ(gintSubState, 0);
        EXPECT_EQ(gudtGame.udtC1, before);
    }
    Cancel();
    EXPECT_TRUE(InOrder(TakeTrace(), {"effect 5", "state 7 10"}));
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), kBack);
    EXPECT_EQ(gblnSkipMapMusic, vb::kTrue);
}

TEST_F(StatusMenuTest, IgnoresOtherKinds) {
    Open();
    TakeTrace();
    Event_Dispatch(4, 300, 82);
    Event_Dispatch(-2, 300, 82);
    EXPECT_TRUE(TakeTrace().empty());
}

TEST_F(StatusMenuTest, MissingPicturesAreSaidOnceAndTheMenuStillWorks) {
    dir_.WriteSjis("pic/pic.ini", "[PIC]\r\n");
    Open();
    Point(300, 82);
    Point(300, 112);
    Point(20, 20);
    // One box for 20, one for 22, however often the message area is drawn.
    EXPECT_EQ(host().Messages().size(), 2u);
    EXPECT_TRUE(Contains(TakeTrace(), MenuMessage("せんてい鋏\r\nせんてい鋏の説明")));
    Select();
    Point(300, 112);
    Select();
    EXPECT_EQ(gintSubState, 1);
    EXPECT_EQ(host().Messages().size(), 3u);  // and one for the list panel 21
    // Opened again, the menu says it again.
    gintSubState = 0;
    Open();
    EXPECT_EQ(host().Messages().size(), 4u);
}

TEST_F(StatusMenuTest, ABrokenRecordIsSaidAndTheMenuCanStillBeClosed) {
    gudtGame.udtC1.intItNo(3) = 60;  // beyond the item table
    Open();
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 7);
    Cancel();
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), kBack);
}

TEST_F(StatusMenuTest, KeyboardMovesThePointerSelectsAndCancels) {
    Open();
    TakeTrace();
    Form_KeyDown(40, 0);  // Down: weapon slot 1
    EXPECT_EQ(glngKeyCursor, 1);
    EXPECT_EQ(gintChoice, 11);
    Form_KeyDown(40, 0);  // weapon slot 2
    EXPECT_EQ(gintChoice, 12);
    Form_KeyDown(13, 0);  // Enter: the weapon list
    EXPECT_EQ(gintSubState, 1);
    EXPECT_EQ(glngKeyCursor, 0);
    Form_KeyDown(38, 0);  // Up from none: the last line
    EXPECT_EQ(glngKeyCursor, 7);
    Form_KeyDown(38, 0);
    Form_KeyDown(38, 0);
    Form_KeyDown(38, 0);  // line 4
    EXPECT_EQ(gintChoice, 4);
    Form_KeyDown(13, 0);
    EXPECT_EQ(gudtGame.udtC1.intWeNo(2), 7);
    EXPECT_EQ(gintSubState, 0);
    // Up from none on the status screen: item slot 7; Space closes the menu.
    Form_KeyDown(38, 0);
    EXPECT_EQ(gintChoice, 37);
    Form_KeyDown(32, 0);
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), kBack);
}

}  // namespace
}  // namespace menus_test
