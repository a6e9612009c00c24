// A game folder in a temporary directory, with the game record, the tables and the system-file
// values reset before each test.
#pragma once
#include <string>

#include "core/G_modGameInfo.h"
#include "data/modData.h"
#include "data/modSetting.h"
#include "support/test_support.h"

class DataTest : public testing_support::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        gstrGameDir = dir_.Path() + "/";
        gudtGame = typGameData();
        gudtWeapon.Clear();
        gudtAcce.Clear();
        gudtItem.Clear();
        gudtEnemy.Clear();
        gintShopKind.Clear();
        gintShopNo.Clear();
        gintMusicOpen = 0;
        gintMusicShop = 0;
    }
    // Writes eve/<name> in Shift-JIS.
    void WriteEve(const std::string& name, const std::string& utf8) { dir_.WriteSjis("eve/" + name, utf8); }
    std::string LastMessage() { return host().Messages().empty() ? std::string() : host().Messages().back().text; }
};
