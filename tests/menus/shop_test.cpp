// The shop: entering with the greeting and music, the main menu, the buy list (enough money, too
// little, a full bag), the sell list and its prices, cancelling, leaving, and the keys.
#include <gtest/gtest.h>

#include "menu_fixture.h"

namespace menus_test {
namespace {

class ShopTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        gintGameState = 11;
        gintMusicShop = 3;
        const vb::Integer kinds[7] = {1, 1, 2, 3, 3, 3, 7};
        const vb::Integer numbers[7] = {3, 7, 1, 1, 5, 0, 2};
        for (int k = 1; k <= 7; ++k) {
            gintShopKind(k) = kinds[k - 1];
            gintShopNo(k) = numbers[k - 1];
        }
        TakeTrace();
    }
    void Open() { Event_Dispatch(kInputRefreshEntry, 0, 0); }
    void Point(float x, float y) { Event_Dispatch(kInputPointer, x, y); }
    void Select() { Event_Dispatch(kInputSelect, 0, 0); }
    void Cancel() { Event_Dispatch(kInputCancel, 0, 0); }
    // From the main menu into the buy (1) or sell (2) list.
    void OpenList(int line) {
        Open();
        Point(100, static_cast<float>(395 + 20 * (line - 1)));
        Select();
        TakeTrace();
    }
    static std::string Red(const std::string& text, int top) { return TextLine(text, 60, top, 586, 552, 10, 255, 0); }
    static std::string Money(vb::Long pom) {
        return TextLine("所持金:" + std::to_string(pom), 300, 10, 630, 30, 10, 0, 1);
    }
};

TEST_F(ShopTest, EnteringGreetsPlaysTheMusicAndShowsTheMainMenu) {
    Open();
    const auto t = TakeTrace();
    EXPECT_TRUE(InOrder(t, {"picture 1030 0 0", "picture 7001 40 362",
                            ShopMessage("いらっしゃいませ～\r\n冒険者専用出張店です～！！"), "music 3", "picture 7001 40 362",
                            ShopMessage("ご用件を選んでください～"), Red("　商品を購入する", 395),
                            Red("　持ち物を売却する", 415), Red("　お店をでます", 435)}));
    EXPECT_EQ(Screen(), Saved());
    EXPECT_EQ(host().LastPresented(), Screen());
    // A redraw greets no more.
    Event_Dispatch(kInputRefresh, 0, 0);
    const auto again = TakeTrace();
    EXPECT_FALSE(Contains(again, "music 3"));
    EXPECT_FALSE(StartsWithAny(again, "text \"いらっしゃいませ"));
}

TEST_F(ShopTest, LinesUnderThePointer) {
    struct Case {
        vb::Integer sub;
        float x, y;
        vb::Integer line;
    };
    const Case cases[] = {
        {0, 60, 392, 1},   {0, 359.9f, 409.9f, 1}, {0, 360, 392, 0},  {0, 59.9f, 400, 0}, {0, 60, 410, 0},
        {0, 60, 412, 2},   {0, 60, 432, 3},        {0, 60, 450, 0},   {1, 101, 67, 1},    {1, 225.9f, 269.9f, 7},
        {1, 226, 67, 0},   {1, 101, 90, 0},        {2, 71, 67, 11},   {2, 195.9f, 247, 17}, {2, 271, 67, 21},
        {2, 471, 247, 37}, {2, 196, 67, 0},        {2, 30, 67, 0},    {3, 60, 392, 0},
    };
    for (const Case& c : cases) {
        gintSubState = c.sub;
        EXPECT_EQ(Shop_Line_At(c.x, c.y), c.line) << c.sub << " " << c.x << "," << c.y;
    }
}

TEST_F(ShopTest, MainMenuHighlightFollowsThePointer) {
    Open();
    Point(100, 415);
    EXPECT_EQ(gintChoice, 2);
    EXPECT_TRUE(Inverted(65, 412, 200, 18));
    EXPECT_TRUE(OnlyInside(65, 412, 200, 18));
    Point(100, 440);
    EXPECT_TRUE(Inverted(65, 432, 200, 18));
    EXPECT_EQ(Screen().At(100, 415), Saved().At(100, 415));
    Point(500, 100);
    EXPECT_EQ(Screen(), Saved());
    EXPECT_EQ(host().LastPresented(), Screen());
}

TEST_F(ShopTest, BuyListShowsTheGoodsAndDescribesThem) {
    OpenList(1);
    EXPECT_EQ(gintSubState, 1);
    Event_Dispatch(kInputRefresh, 0, 0);
    auto t = TakeTrace();
    EXPECT_TRUE(InOrder(t, {"picture 21 50 50", TextLine("せんてい鋏", 105, 72, 230, 95, 9, 0xFFFFFF, 0),
                            TextLine("[10]", 200, 72, 230, 95, 9, 0xFFFFFF, 0),
                            TextLine("パチンコ", 105, 102, 230, 125, 9, 0xFFFFFF, 0),
                            TextLine("[40]", 200, 102, 230, 125, 9, 0xFFFFFF, 0),
                            TextLine("麦わら帽子", 105, 132, 230, 155, 9, 0xFFFFFF, 0),
                            TextLine("やくそう", 105, 162, 230, 185, 9, 0xFFFFFF, 0),
                            TextLine("コイン", 105, 192, 230, 215, 9, 0xFFFFFF, 0),
                            // kind 3 with number 0 shows item 0; kind 7 shows nothing
                            TextLine("－－－", 105, 222, 230, 245, 9, 0xFFFFFF, 0), "picture 7001 40 362", Money(500),
                            ShopMessage("購入を希望ですね～！\r\n商品の情報はマウスカーソルを合わせてください～\r\n"
                                        "購入したいものはマウスでクリックしてくださいね～")}));
    Point(150, 80);
    EXPECT_TRUE(InOrder(TakeTrace(), {"picture 7001 40 362", ShopMessage("せんてい鋏\r\n購入価格:1000\r\nせんてい鋏の説明")}));
    EXPECT_TRUE(Inverted(101, 67, 125, 23));
    // Number 0: no message area, no highlight.
    Point(150, 230);
    EXPECT_TRUE(TakeTrace().empty());
    EXPECT_EQ(Screen(), Saved());
    // Another kind: the message area and the highlight, no text.
    Point(150, 260);
    EXPECT_EQ(TakeTrace(), std::vector<std::string>{"picture 7001 40 362"});
    EXPECT_TRUE(Inverted(101, 247, 125, 23));
}

TEST_F(ShopTest, BuyingTakesTheMoneyAndReturnsToTheMainMenu) {
    struct Case {
        int line;
        vb::Long pom;
    };
    // A weapon with its ammunition, an accessory, an item; money exactly the price leaves 0.
    for (const Case& c : {Case{2, 500}, Case{3, 30}, Case{4, 25}}) {
        Character();
        gudtGame.udtC1.lngPom = c.pom;
        gintSubState = 0;
        OpenList(1);
        Point(150, static_cast<float>(70 + 30 * (c.line - 1)));
        TakeTrace();
        Select();
        const typCharacter& ch = gudtGame.udtC1;
        std::string name;
        if (c.line == 2) {
            EXPECT_EQ(ch.intBagWeNo(1), 7);
            EXPECT_EQ(ch.intBagWeTama(1), 40);
            EXPECT_EQ(ch.lngPom, 410);
            name = "パチンコ";
        } else if (c.line == 3) {
            EXPECT_EQ(ch.intBagAcNo(1), 1);
            EXPECT_EQ(ch.lngPom, 0);
            name = "麦わら帽子";
        } else {
            EXPECT_EQ(ch.intItNo(2), 1);
            EXPECT_EQ(ch.lngPom, 0);
            name = "やくそう";
        }
        EXPECT_TRUE(InOrder(TakeTrace(), {"sound 40", "picture 7001 40 362",
                                          ShopMessage(name + "を購入ですね～\r\nお買い上げありがとうございます"),
                                          "picture 1030 0 0", ShopMessage("ご用件を選んでください～")}))
            << name;
        EXPECT_EQ(gintSubState, 0);
    }
}

TEST_F(ShopTest, TooLittleMoneyOrAFullBagIsRefused) {
    gudtGame.udtC1.lngPom = 999;
    OpenList(1);
    Point(150, 70);  // 1000
    Select();
    EXPECT_TRUE(InOrder(TakeTrace(), {"sound 5", "picture 7001 40 362", ShopMessage("お客さん、お金が足りないですよ～")}));
    EXPECT_EQ(gudtGame.udtC1.lngPom, 999);
    EXPECT_EQ(gudtGame.udtC1.intBagWeNo(1), 0);
    EXPECT_EQ(gintSubState, 1);

    struct Case {
        int line;
        const char* message;
    };
    const Case cases[] = {
        {2, "もちものが多すぎますよ～\r\n所持可能な武器の限度を超えてますので、使用するか、売却してください～"},
        {3, "もちものが多すぎますよ～\r\n所持可能なアクセサリーの限度を超えてますので、売却してください～"},
        {4, "アイテムが多すぎますよ～\r\n所持可能なアイテムの限度を超えてますので、使用するか、売却してください～"},
    };
    typCharacter& ch = gudtGame.udtC1;
    for (int i = 1; i <= 7; ++i) {
        ch.intBagWeNo(i) = 1;
        ch.intBagWeTama(i) = 3;
        ch.intBagAcNo(i) = 2;
        ch.intItNo(i) = 5;
    }
    const typCharacter before = ch;
    for (const Case& c : cases) {
        Point(150, static_cast<float>(70 + 30 * (c.line - 1)));
        TakeTrace();
        Select();
        EXPECT_TRUE(InOrder(TakeTrace(), {"sound 5", "picture 7001 40 362", ShopMessage(c.message)})) << c.line;
        EXPECT_EQ(gudtGame.udtC1, before);
        EXPECT_EQ(gintSubState, 1);
    }
    // Lines without goods cannot be bought.
    for (float y : {230.f, 260.f}) {
        Point(150, y);
        TakeTrace();
        Select();
        EXPECT_TRUE(TakeTrace().empty());
    }
}

TEST_F(ShopTest, SalePrices) {
    typCharacter& ch = gudtGame.udtC1;
    ch.intBagWeNo(1) = 3;
    ch.intBagWeTama(1) = 3;
    ch.intBagWeNo(2) = 3;
    ch.intBagWeTama(2) = 10;
    ch.intBagWeNo(3) = 9;  // comes without ammunition
    ch.intBagWeTama(3) = 4;
    ch.intBagAcNo(1) = 1;
    ch.intItNo(1) = 1;
    struct Case {
        vb::Integer kind, slot;
        vb::Long price;
    };
    const Case cases[] = {{1, 1, 75}, {1, 2, 250}, {1, 3, 50}, {1, 5, 0}, {2, 1, 7}, {2, 3, 0}, {3, 1, 2}, {3, 2, 0}};
    for (const Case& c : cases) EXPECT_EQ(Shop_Sale_Price(c.kind, c.slot), c.price) << c.kind << " " << c.slot;
}

TEST_F(ShopTest, SellListShowsEverythingCarried) {
    OpenList(2);
    EXPECT_EQ(gintSubState, 2);
    Event_Dispatch(kInputRefresh, 0, 0);
    const auto t = TakeTrace();
    EXPECT_TRUE(InOrder(t, {"picture 21 20 50", TextLine("パチンコ", 75, 162, 200, 185, 9, 0xFFFFFF, 0),
                            TextLine("[12]", 170, 162, 200, 185, 9, 0xFFFFFF, 0), "picture 21 220 50",
                            TextLine("なし", 275, 72, 400, 95, 9, 0xFFFFFF, 0),
                            TextLine("手ぶくろ", 275, 102, 400, 125, 9, 0xFFFFFF, 0), "picture 21 420 50",
                            TextLine("やくそう", 475, 72, 600, 95, 9, 0xFFFFFF, 0),
                            TextLine("コイン", 475, 132, 600, 155, 9, 0xFFFFFF, 0), "picture 7001 40 362", Money(500),
                            ShopMessage("所持品の売却を希望ですね～！\r\n所持品の情報はマウスカーソルを合わせてください～\r\n"
                                        "売却したいものはマウスでクリックしてくださいね～")}));
    // The battle slots and the worn accessories are not offered.
    EXPECT_FALSE(StartsWithAny(t, "text \"じょうろ\""));
    EXPECT_FALSE(StartsWithAny(t, "text \"麦わら帽子\""));
    Point(100, 160);
    EXPECT_TRUE(InOrder(TakeTrace(), {"picture 7001 40 362", ShopMessage("パチンコ\r\n売却価格:6\r\nパチンコの説明")}));
    EXPECT_TRUE(Inverted(71, 157, 125, 23));
    // Staying on the line changes nothing on the screen.
    const platform::Surface shown = Screen();
    Point(110, 165);
    EXPECT_TRUE(TakeTrace().empty());
    EXPECT_EQ(Screen(), shown);
    // An empty slot: the highlight without text.
    Point(300, 80);
    EXPECT_EQ(TakeTrace(), std::vector<std::string>{"picture 7001 40 362"});
    EXPECT_TRUE(Inverted(271, 67, 125, 23));
}

TEST_F(ShopTest, SellingPaysAndEmptiesTheSlot) {
    OpenList(2);
    Point(100, 160);  // carried weapon 4: 90 x 12 / 40 / 4 = 6.75
    TakeTrace();
    Select();
    const typCharacter& ch = gudtGame.udtC1;
    EXPECT_EQ(ch.lngPom, 506);
    EXPECT_EQ(ch.intBagWeNo(4), 0);
    EXPECT_EQ(ch.intBagWeTama(4), 0);
    EXPECT_EQ(gintMenuSlot, 4);
    EXPECT_TRUE(InOrder(TakeTrace(), {"sound 40", "picture 7001 40 362",
                                      ShopMessage("パチンコを売却ですね～\r\nご指定の金額にてお引取りしました～"),
                                      "picture 1030 0 0"}));
    EXPECT_EQ(gintSubState, 0);
    // An item; then money stays within what the record holds.
    gudtGame.udtC1.lngPom = 999990;
    gudtItem(5).lngPrice = 1000;
    Point(100, 415);
    Select();
    Point(500, 140);  // item slot 3: コイン, 100
    Select();
    EXPECT_EQ(gudtGame.udtC1.intItNo(3), 0);
    EXPECT_EQ(gudtGame.udtC1.lngPom, 999999);
}

TEST_F(ShopTest, SellingAnEmptySlotOnlySounds) {
    OpenList(2);
    Point(300, 80);  // accessory slot 1, empty
    TakeTrace();
    const typCharacter before = gudtGame.udtC1;
    Select();
    EXPECT_TRUE(InOrder(TakeTrace(), {"sound 5", "picture 21 20 50"}));
    EXPECT_EQ(gudtGame.udtC1, before);
    EXPECT_EQ(gintSubState, 2);
}

TEST_F(ShopTest, RightClickLeavesTheListsButNotTheShop) {
    Open();
    TakeTrace();
    Cancel();
    EXPECT_TRUE(TakeTrace().empty());
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 11);
    for (int line : {1, 2}) {
        OpenList(line);
        Cancel();
        EXPECT_TRUE(InOrder(TakeTrace(), {"sound 3", "picture 1030 0 0"}));
        EXPECT_EQ(gintSubState, 0);
    }
}

TEST_F(ShopTest, ThirdLineLeavesTheShop) {
    Open();
    Point(100, 440);
    TakeTrace();
    Select();
    EXPECT_TRUE(InOrder(TakeTrace(), {"picture 7001 40 362", ShopMessage("ありがとうございました～！！"), "effect 17",
                                      "state 11 10"}));
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), kBack);
    EXPECT_EQ(gintSubState, 0);
}

TEST_F(ShopTest, BrokenGoodsAreSaidAndTheListCanStillBeLeft) {
    gintShopNo(2) = 99;  // beyond the weapon table
    OpenList(1);
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_EQ(gintSubState, 1);
    Point(150, 100);
    Select();
    EXPECT_EQ(gudtGame.udtC1.lngPom, 500);
    Cancel();
    EXPECT_EQ(gintSubState, 0);
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 11);
}

TEST_F(ShopTest, KeyboardPicksTheLines) {
    Open();
    Form_KeyDown(40, 0);
    Form_KeyDown(40, 0);  // the sell line
    EXPECT_EQ(gintChoice, 2);
    Form_KeyDown(13, 0);
    EXPECT_EQ(gintSubState, 2);
    for (int i = 0; i < 18; ++i) Form_KeyDown(40, 0);  // item slot 4 (position 18)
    EXPECT_EQ(gintChoice, 34);
    Form_KeyDown(38, 0);
    Form_KeyDown(38, 0);
    Form_KeyDown(38, 0);  // item slot 1
    EXPECT_EQ(gintChoice, 31);
    Form_KeyDown(13, 0);  // sold
    EXPECT_EQ(gudtGame.udtC1.intItNo(1), 0);
    EXPECT_EQ(gudtGame.udtC1.lngPom, 502);
    EXPECT_EQ(gintSubState, 0);
    Form_KeyDown(40, 0);  // the buy line
    Form_KeyDown(13, 0);
    EXPECT_EQ(gintSubState, 1);
    Form_KeyDown(32, 0);  // Space: back to the main menu
    EXPECT_EQ(gintSubState, 0);
    Form_KeyDown(38, 0);  // Up from none: the leave line
    Form_KeyDown(13, 0);
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), kBack);
}

}  // namespace
}  // namespace menus_test
