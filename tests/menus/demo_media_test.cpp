// The demo game's menu and shop: its pictures and sounds are in the index, every name of its tables
// fits the box the screens write it into, and every screen draws without a missing picture.
// ZOVE_MENU_SHOTS=DIR writes a screenshot of each screen there, to look at them.
#include <gtest/gtest.h>

#include <cstdlib>

#include "common/C_modFileIO.h"
#include "common/paths.h"
#include "common/vb_string.h"
#include "platform/font.h"
#include "platform/host.h"
#include "menu_fixture.h"

namespace menus_test {
namespace {

class DemoMenuTest : public MenuTest {
protected:
    void SetUp() override {
        MenuTest::SetUp();
        gstrGameDir = std::string(ZOVE_SOURCE_DIR) + "/game/";
        // Entry 0 of each table as the game has it (the loader leaves it empty).
        gudtWeapon(0) = typWeapon{};
        gudtAcce(0) = typItem{};
        gudtItem(0) = typItem{};
        Setting_Load_All();
        gudtGame = typGameData{};
        Setting_Load_SysFile();
        TakeTrace();
    }

    static int Width(const std::string& text, double points) {
        const platform::Font* f = platform::Font_Get(platform::Font_PixelSize(points));
        if (f == nullptr) return -1;
        int w = 0;
        for (std::size_t pos = 0; pos < text.size();) w += f->Advance(vb::Utf8Next(text, pos));
        return w;
    }

    void Shot(const std::string& name) {
        const char* dir = std::getenv("ZOVE_MENU_SHOTS");
        if (dir == nullptr) return;
        ASSERT_TRUE(platform::Surface_WritePng(Screen(), std::string(dir) + "/" + name + ".png"));
    }
};

TEST_F(DemoMenuTest, IndexNamesTheMenuMediaAndTheFilesExist) {
    for (vb::Integer no : {20, 21, 22, 1030, 7001}) {
        const std::string v = FileIO_Read_Ini(gstrGameDir + "pic\\pic.ini", "PIC", std::to_string(no), vb::kTrue);
        ASSERT_FALSE(v.empty()) << no;
        EXPECT_TRUE(vb::Path_FileExists(gstrGameDir + "pic\\" + v.substr(0, v.find(':')))) << no;
    }
    for (vb::Integer no : {2, 3, 4, 5, 40}) {
        const std::string v = FileIO_Read_Ini(gstrGameDir + "sound\\sound.ini", "SOUND", std::to_string(no), vb::kTrue);
        ASSERT_FALSE(v.empty()) << no;
        EXPECT_TRUE(vb::Path_FileExists(gstrGameDir + "sound\\" + v)) << no;
    }
}

TEST_F(DemoMenuTest, EveryNameFitsItsBox) {
    if (Width("あ", 9) < 0) GTEST_SKIP() << "no font";
    for (int n = 1; n <= 50; ++n) {
        const std::string& w = gudtWeapon(n).strName;
        if (w.empty()) continue;
        // A weapon's name ends before its ammunition (30 px further left than the box's end).
        EXPECT_LE(Width(w, 9), 125 - 30 - 2) << w;
        EXPECT_GE(gudtWeapon(n).intTama, 1) << w;
    }
    for (int n = 1; n <= 50; ++n) {
        EXPECT_LE(Width(gudtAcce(n).strName, 10), 125) << gudtAcce(n).strName;
        EXPECT_LE(Width(gudtItem(n).strName, 10), 125) << gudtItem(n).strName;
    }
    EXPECT_LE(Width("[99]", 9), 30);
    EXPECT_LE(Width("30(LV MAX)", 10), 125);
}

TEST_F(DemoMenuTest, EveryScreenDrawsWithItsPictures) {
    typCharacter& c = gudtGame.udtC1;
    c.intBagWeNo(1) = 3;
    c.intBagWeTama(1) = 15;
    c.intBagWeNo(2) = 10;
    c.intBagWeTama(2) = 4;
    c.intBagAcNo(1) = 12;
    c.intBagAcNo(3) = 5;
    c.intAcNo(1) = 1;
    for (int j = 2; j <= 7; ++j) c.intItNo(j) = static_cast<vb::Integer>(j + 2);
    c.lngLv = 30;
    gintGameState = 7;
    Event_Dispatch(kInputRefreshEntry, 0, 0);
    Shot("menu_status");
    Event_Dispatch(kInputPointer, 300, 112);
    Shot("menu_status_weapon");
    Event_Dispatch(kInputPointer, 500, 232);
    Shot("menu_status_item");
    Event_Dispatch(kInputPointer, 300, 82);
    Event_Dispatch(kInputSelect, 0, 0);
    Event_Dispatch(kInputPointer, 150, 100);
    Shot("menu_weapon_list");
    Event_Dispatch(kInputCancel, 0, 0);
    Event_Dispatch(kInputPointer, 300, 240);
    Event_Dispatch(kInputSelect, 0, 0);
    Event_Dispatch(kInputPointer, 150, 70);
    Shot("menu_acce_list");
    Event_Dispatch(kInputCancel, 0, 0);
    Event_Dispatch(kInputPointer, 500, 82);
    Event_Dispatch(kInputSelect, 0, 0);
    Shot("menu_item_question");
    Event_Dispatch(kInputCancel, 0, 0);

    gintGameState = 11;
    gintSubState = 0;
    Setting_Load_Shop(3);
    Event_Dispatch(kInputRefreshEntry, 0, 0);
    Event_Dispatch(kInputPointer, 100, 420);
    Shot("shop_main");
    Event_Dispatch(kInputPointer, 100, 400);
    Event_Dispatch(kInputSelect, 0, 0);
    Event_Dispatch(kInputPointer, 150, 100);
    Shot("shop_buy");
    Event_Dispatch(kInputCancel, 0, 0);
    Event_Dispatch(kInputPointer, 100, 420);
    Event_Dispatch(kInputSelect, 0, 0);
    Event_Dispatch(kInputPointer, 300, 72);
    Shot("shop_sell");
    EXPECT_TRUE(host().Messages().empty()) << host().Messages().front().text;
    EXPECT_FALSE(StartsWithAny(TakeTrace(), "picture-missing"));
}

}  // namespace
}  // namespace menus_test
