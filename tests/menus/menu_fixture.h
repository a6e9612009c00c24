// The main window bound to a game folder with plain-coloured menu and shop pictures, small master
// tables and a character, for the tests of the status menu and the shop.
#pragma once
#include <string>
#include <vector>

#include "core/G_modManage_Text.h"
#include "core/core_fixture.h"
#include "core/modInput.h"
#include "menus/modMenu.h"
#include "field/modMap.h"
#include "menus/modShop.h"

namespace menus_test {

using core_test::BmpBytes;
using core_test::Contains;
using core_test::InOrder;
using core_test::TakeTrace;

// Colours of the test pictures (none of them white, so each covers what lies below).
inline constexpr platform::Colour kStatusColour = platform::Rgb(20, 60, 30);
inline constexpr platform::Colour kListColour = platform::Rgb(30, 30, 90);
inline constexpr platform::Colour kMessageColour = platform::Rgb(240, 230, 200);
inline constexpr platform::Colour kShopColour = platform::Rgb(90, 140, 200);
inline constexpr platform::Colour kShopMsgColour = platform::Rgb(230, 240, 210);

// The state the menus return to in these tests: one without a handler of its own, so the return
// shows as a state change and nothing runs after it.
inline constexpr vb::Long kBack = 10;

class MenuTest : public core_test::CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        WriteMenuGame();
        BindWindow();
        Tables();
        Character();
        gintReturnState = kBack;
        gintSubState = 0;
        gintMenuSlot = 0;
        gblnSkipMapMusic = vb::kFalse;
        TakeTrace();
    }

    void WriteMenuGame() {
        dir_.WriteSjis("pic/pic.ini",
                       "[PIC]\r\n20=status.bmp:0:0:640:480\r\n21=list.bmp:50:50:200:236\r\n"
                       "22=message.bmp:20:330:600:128\r\n1030=shop.bmp:0:0:640:480\r\n"
                       "7001=shopmsg.bmp:40:362:560:112\r\n");
        auto plain = [](platform::Colour c) { return [c](int, int) { return c; }; };
        dir_.Write("pic/status.bmp", BmpBytes(640, 480, plain(kStatusColour)));
        dir_.Write("pic/list.bmp", BmpBytes(200, 236, plain(kListColour)));
        dir_.Write("pic/message.bmp", BmpBytes(600, 128, plain(kMessageColour)));
        dir_.Write("pic/shop.bmp", BmpBytes(640, 480, plain(kShopColour)));
        dir_.Write("pic/shopmsg.bmp", BmpBytes(560, 112, plain(kShopMsgColour)));
    }

    static void Tables() {
        for (int i = 0; i <= 50; ++i) {
            gudtWeapon(i) = typWeapon{};
            gudtAcce(i) = typItem{};
            gudtItem(i) = typItem{};
        }
        auto weapon = [](int n, const char* name, vb::Long price, vb::Integer tama) {
            typWeapon& w = gudtWeapon(n);
            w.strName = name;
            w.lngPrice = price;
            w.intTama = tama;
            w.strInfo = std::string(name) + "の説明";
        };
        weapon(1, "じょうろ", 30, 30);
        weapon(3, "せんてい鋏", 1000, 10);
        weapon(7, "パチンコ", 90, 40);
        weapon(9, "弾なし", 200, 0);
        gudtWeapon(0).strName = "（なし）";
        auto item = [](typItem& it, const char* name, vb::Integer kind, vb::Long value, vb::Long price) {
            it.strName = name;
            it.intKind = kind;
            it.lngValue = value;
            it.lngPrice = price;
            it.strText = std::string(name) + "を使った";
            it.strInfo = std::string(name) + "の説明";
        };
        gudtAcce(0).strName = "なし";
        item(gudtAcce(1), "麦わら帽子", 1, 2, 30);
        item(gudtAcce(2), "手ぶくろ", 2, 2, 100);
        gudtItem(0).strName = "－－－";
        item(gudtItem(1), "やくそう", 1, 50, 25);
        item(gudtItem(2), "どんぐり", 2, 5, 200);
        item(gudtItem(3), "とうがらし", 3, 2, 250);
        item(gudtItem(4), "クルミ", 4, 2, 250);
        item(gudtItem(5), "コイン", 5, 200, 10);
        item(gudtItem(6), "ただの石", 9, 7, 4);
        item(gudtItem(7), "大きすぎる", 1, 40000, 4);
    }

    static void Character() {
        typCharacter& c = gudtGame.udtC1;
        c = typCharacter{};
        c.lngLv = 5;
        c.lngExp = 120;
        c.lngPom = 500;
        c.lngHp = 90;
        c.lngMhp = 100;
        c.lngAt = 12;
        c.lngDf = 8;
        c.intWeNo(1) = 1;
        c.intWeTama(1) = 30;
        c.intWeNo(2) = 3;
        c.intWeTama(2) = 5;
        c.intBagWeNo(4) = 7;
        c.intBagWeTama(4) = 12;
        c.intAcNo(1) = 1;
        c.intBagAcNo(2) = 2;
        c.intItNo(1) = 1;
        c.intItNo(3) = 5;
    }

    // The saved window image (what a pointer move restores).
    const platform::Surface& Saved() { return frmMain().Pic; }

    // True when every pixel of the rectangle is the inverse of the saved image.
    bool Inverted(int x, int y, int w, int h) {
        for (int j = y; j < y + h; ++j) {
            for (int i = x; i < x + w; ++i) {
                if (Screen().At(i, j) != (~Saved().At(i, j) & 0xFFFFFF)) return false;
            }
        }
        return true;
    }
    // True when the pixels just outside the rectangle's corners are as saved.
    bool OnlyInside(int x, int y, int w, int h) {
        return Screen().At(x - 1, y - 1) == Saved().At(x - 1, y - 1) &&
               Screen().At(x + w, y + h) == Saved().At(x + w, y + h);
    }

    static std::string TextLine(const std::string& text, int l, int t, int r, int b, int size, long colour, int align) {
        return "text " + platform::Trace_Quote(text) + " " + std::to_string(l) + " " + std::to_string(t) + " " +
               std::to_string(r) + " " + std::to_string(b) + " " + std::to_string(size) + " " + std::to_string(colour) +
               " " + std::to_string(align);
    }
    // A text of the menu's message area.
    static std::string MenuMessage(const std::string& text) { return TextLine(text, 30, 340, 600, 450, 10, 0, 0); }
    // A text of the shop's message area.
    static std::string ShopMessage(const std::string& text) { return TextLine(text, 60, 375, 586, 552, 10, 0, 0); }

    static bool StartsWithAny(const std::vector<std::string>& lines, const std::string& prefix) {
        for (const auto& l : lines) {
            if (l.rfind(prefix, 0) == 0) return true;
        }
        return false;
    }
};

}  // namespace menus_test
