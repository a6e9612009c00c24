// A game folder in a temporary directory and records to save.
#pragma once
#include <string>

#include "core/G_modGameInfo.h"
#include "data/modData.h"
#include "save/G_modDataFile.h"
#include "save/G_modManage_Save.h"
#include "support/test_support.h"

class SaveTest : public testing_support::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        gstrGameDir = dir_.Path() + "/";
        gudtGame = typGameData();
        gudtFileBuf = typGameData();
        Manage_Set_SaveClock(nullptr);
    }
    void TearDown() override {
        Manage_Set_SaveClock(nullptr);
        HostTest::TearDown();
    }
    std::string SlotFile(int slot) const { return dir_.File("save/" + std::to_string(slot) + ".dat"); }
    std::vector<std::string> MessageTexts() {
        std::vector<std::string> out;
        for (const auto& m : host().Messages()) out.push_back(m.text);
        return out;
    }
};

// Every field set, no two neighbours alike, Japanese texts, flags across the whole range. Texts are
// in the form that reading Shift-JIS gives (the wave dash as U+FF5E), as every text of a game is.
inline typGameData FullRecord() {
    typGameData g;
    typProgress& p = g.udtProgress;
    typCharacter& c = g.udtC1;
    p.strPlaceName = "港町ミナト";
    for (int i = 0; i <= 1000; ++i) p.intFlag(i) = static_cast<vb::Integer>((i * 7919) % 65536 - 32768);
    p.intFlag(0) = -1;
    p.intFlag(1000) = -1;
    p.intX = 20;
    p.intY = -3;
    p.intMapNo = 32767;
    p.strMapName = "灯台の丘";
    p.lngSpeed = -2147483647 - 1;
    p.intScNo = 4;
    p.strScStr = "最後の依頼　～嵐の夜～";
    c.strName = "ぞーぶ";
    c.strEName = "Zove the 3rd";
    c.strSName = "ゾーブ①";
    c.lngLv = 30;
    c.lngExp = 150000;
    c.lngHp = 1234;
    c.lngMhp = 99999;
    c.lngAt = 9999;
    c.lngDf = -1;
    c.lngPom = 2147483647;
    int k = 1;
    for (int i = 1; i <= 4; ++i) {
        c.intWeNo(i) = static_cast<vb::Integer>(k++);
        c.intWeTama(i) = static_cast<vb::Integer>(100 + k++);
    }
    for (int i = 1; i <= 7; ++i) {
        c.intBagWeNo(i) = static_cast<vb::Integer>(k++);
        c.intBagWeTama(i) = static_cast<vb::Integer>(-k++);
        c.intBagAcNo(i) = static_cast<vb::Integer>(200 + k++);
        c.intItNo(i) = static_cast<vb::Integer>(300 + k++);
    }
    c.intAcNo(1) = 49;
    c.intAcNo(2) = 50;
    return g;
}
