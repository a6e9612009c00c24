#include <gtest/gtest.h>

#include "data_fixture.h"

namespace {

TEST_F(DataTest, WeaponFieldsFollowTheirNumbers) {
    WriteEve("A_WEPON_FILE.ini",
             "[W_MASTER]\r\n"
             "1=銅の剣:1:2:30:0:100:20:ことば:メモ:よく切れる剣\r\n"
             "2=棒\r\n"
             "3=5\r\n"
             "4=名前:   12abc:xyz:2.5:3.5:-7:7x\r\n"
             "0=ゼロ:1:1:1:1:1:1\r\n"
             "51=五十一:1:1:1:1:1:1\r\n"
             "50=  最後  :9\r\n");
    Setting_Load_Weapons();
    typWeapon w1;
    w1.strName = "銅の剣";
    w1.intFormula = 1;
    w1.intAttr = 2;
    w1.lngPower = 30;
    w1.intAll = 0;
    w1.lngPrice = 100;
    w1.intTama = 20;
    w1.strText = "メモ";
    w1.strInfo = "よく切れる剣";
    EXPECT_EQ(gudtWeapon(1), w1);

    // No ":" at all: the whole value is every field.
    typWeapon w2;
    w2.strName = w2.strText = w2.strInfo = "棒";
    EXPECT_EQ(gudtWeapon(2), w2);

    typWeapon w3;
    w3.strName = w3.strText = w3.strInfo = "5";
    w3.intFormula = w3.intAttr = w3.intAll = w3.intTama = 5;
    w3.lngPower = w3.lngPrice = 5;
    EXPECT_EQ(gudtWeapon(3), w3);

    const typWeapon& w4 = gudtWeapon(4);
    EXPECT_EQ(w4.intFormula, 12);  // leading blanks, then digits, then letters
    EXPECT_EQ(w4.intAttr, 0);      // letters only
    EXPECT_EQ(w4.lngPower, 2);     // 2.5 rounds to even
    EXPECT_EQ(w4.intAll, 4);       // 3.5 to 4
    EXPECT_EQ(w4.lngPrice, -7);
    EXPECT_EQ(w4.intTama, 7);
    EXPECT_EQ(w4.strText, "");     // missing fields are empty
    EXPECT_EQ(gudtWeapon(50).strName, "最後");
    EXPECT_EQ(gudtWeapon(50).intFormula, 9);
    // Element 0 is never read; key 51 is beyond the table.
    EXPECT_EQ(gudtWeapon(0), typWeapon());
    EXPECT_EQ(gudtWeapon(5), typWeapon());
}

TEST_F(DataTest, AccessoryItemAndEnemyRecords) {
    WriteEve("A_ACCE_FILE.ini", "[A_MASTER]\r\n1=守りの指輪:1:x:4:y:250:a:b:装備中:防御が上がる\r\n");
    WriteEve("A_ITEM_FILE.ini", "[I_MASTER]\r\n1=やくそう:1:0:30:0:20:0:0:体力が回復した:体力を30回復\r\n");
    WriteEve("A_ENEMY_FILE.ini",
             "[E_MASTER]\r\n"
             "1=5001:9:41:33:40:12:5:たいあたり:5:ひとやすみ:7:いかり:6:15:2:3:1:モグラ\r\n");
    Setting_Load_Accessories();
    Setting_Load_Items();
    Setting_Load_Enemies();
    typItem a;
    a.strName = "守りの指輪";
    a.intKind = 1;
    a.lngValue = 4;
    a.lngPrice = 250;
    a.strText = "装備中";
    a.strInfo = "防御が上がる";
    EXPECT_EQ(gudtAcce(1), a);
    EXPECT_EQ(gudtItem(1).strName, "やくそう");
    EXPECT_EQ(gudtItem(1).lngValue, 30);
    EXPECT_EQ(gudtItem(1).strText, "体力が回復した");
    const typEnemy& e = gudtEnemy(1);
    EXPECT_EQ(e.intPicNo, 5001);
    EXPECT_EQ(e.intExtra1, 9);
    EXPECT_EQ(e.intWidth, 41);
    EXPECT_EQ(e.intHeight, 33);
    EXPECT_EQ(e.lngHp, 40);
    EXPECT_EQ(e.lngMhp, 40);
    EXPECT_EQ(e.lngAt, 12);
    EXPECT_EQ(e.lngDf, 5);
    EXPECT_EQ(e.strAct1, "たいあたり");
    EXPECT_EQ(e.intAct2, 5);
    EXPECT_EQ(e.strAct2, "ひとやすみ");
    EXPECT_EQ(e.intAct3, 7);
    EXPECT_EQ(e.strAct3, "いかり");
    EXPECT_EQ(e.intExp, 6);
    EXPECT_EQ(e.lngPom, 15);
    EXPECT_EQ(e.intExtra2, 2);
    EXPECT_EQ(e.intWeak, 3);
    EXPECT_EQ(e.intStrong, 1);
    EXPECT_EQ(e.strFoeName, "モグラ");
}

TEST_F(DataTest, TableWithOnlyKeysZeroAndFiftyOneIsEmpty) {
    WriteEve("A_ITEM_FILE.ini", "[I_MASTER]\r\n0=ゼロ:1:0:5\r\n51=外:1:0:5\r\n");
    gudtItem(3).strName = "前の値";
    Setting_Load_Items();
    for (const typItem& it : gudtItem) EXPECT_EQ(it, typItem());
}

TEST_F(DataTest, OverflowInATableSkipsEverythingAfterIt) {
    WriteEve("A_WEPON_FILE.ini", "[W_MASTER]\r\n1=剣:1:1:10\r\n2=壊れた剣:70000:1:10\r\n3=槍:2:7:20\r\n");
    WriteEve("A_ACCE_FILE.ini", "[A_MASTER]\r\n1=指輪:1:0:4\r\n");
    WriteEve("A_SYS_FILE.ini", "[BASIS]\r\nMUSIC_OPEN=1\r\nMUSIC_SHOP=2\r\nC1_LV=4\r\n");
    Setting_Load_All();
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_EQ(LastMessage(), "オーバーフローしました。");
    EXPECT_EQ(gudtWeapon(1).strName, "剣");
    EXPECT_EQ(gudtWeapon(2).strName, "壊れた剣");  // fields before the bad one were stored
    EXPECT_EQ(gudtWeapon(2).intFormula, 0);
    EXPECT_EQ(gudtWeapon(3), typWeapon());
    EXPECT_EQ(gudtAcce(1), typItem());
    EXPECT_EQ(gintMusicOpen, 0);
    EXPECT_EQ(gudtGame.udtC1.lngLv, 0);
}

TEST_F(DataTest, ShopStockRewritesAllSevenGoods) {
    WriteEve("A_SHOP_FILE.ini",
             "[SHOP_1]\r\n1=1:3\r\n2=2:5\r\n3=3:1\r\n"
             "[SHOP_12]\r\n1=1:2\r\n2=1:4\r\n3=1:6\r\n4=3:2\r\n5=3:3\r\n6=2:1\r\n7=9:9\r\n");
    Setting_Load_Shop(12);
    EXPECT_EQ(gintShopKind(7), 9);
    EXPECT_EQ(gintShopNo(2), 4);
    Setting_Load_Shop(1);
    const vb::Integer kinds[] = {1, 2, 3, 0, 0, 0, 0};
    const vb::Integer nos[] = {3, 5, 1, 0, 0, 0, 0};
    for (int i = 1; i <= 7; ++i) {
        EXPECT_EQ(gintShopKind(i), kinds[i - 1]) << i;
        EXPECT_EQ(gintShopNo(i), nos[i - 1]) << i;
    }
    // A shop with no section at all: no goods, no message.
    Setting_Load_Shop(-3);
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(gintShopKind(i), 0);
    EXPECT_TRUE(host().Messages().empty());
}

TEST_F(DataTest, ShopOverflowReachesTheCaller) {
    WriteEve("A_SHOP_FILE.ini", "[SHOP_2]\r\n1=1:3\r\n2=1:99999\r\n");
    try {
        Setting_Load_Shop(2);
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), vb::kErrOverflow);
    }
    EXPECT_EQ(gintShopNo(1), 3);
}

}  // namespace
