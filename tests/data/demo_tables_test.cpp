// The bundled demo game's tables load without a message and fit together: the new game's goods,
// every shop's goods and every enemy group name records that exist.
#include <gtest/gtest.h>

#include "core/G_modManage.h"
#include "data_fixture.h"

namespace {

class DemoTables : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        gstrGameDir = std::string(ZOVE_SOURCE_DIR) + "/game/";
    }
};

TEST_F(DemoTables, LoadWithoutMessagesAndFitTogether) {
    Setting_Load_All();
    ASSERT_TRUE(host().Messages().empty()) << LastMessage();
    const typCharacter& c = gudtGame.udtC1;
    EXPECT_EQ(c.strSName, "ハル");
    EXPECT_GE(c.lngMhp, 1);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_FALSE(gudtWeapon(c.intWeNo(i)).strName.empty()) << "starting weapon " << i;
        EXPECT_GT(c.intWeTama(i), 0);
    }
    EXPECT_FALSE(gudtItem(c.intItNo(1)).strName.empty());

    for (const typWeapon& w : gudtWeapon) {
        if (w.strName.empty()) continue;
        EXPECT_TRUE(w.intFormula >= 1 && w.intFormula <= 9) << w.strName;
        EXPECT_TRUE(w.intAttr >= 0 && w.intAttr <= 7) << w.strName;
        EXPECT_GT(w.intTama, 0) << w.strName;  // the sale price divides by it
        EXPECT_FALSE(w.strInfo.empty()) << w.strName;
    }
    int enemies = 0;
    for (const typEnemy& e : gudtEnemy) {
        if (e.strFoeName.empty()) continue;
        ++enemies;
        EXPECT_GT(e.lngHp, 0) << e.strFoeName;
        EXPECT_EQ(e.lngHp, e.lngMhp);
        EXPECT_GT(e.intWidth, 0) << e.strFoeName;
        EXPECT_GT(e.intExp, 0) << e.strFoeName;
    }
    EXPECT_GE(enemies, 20);

    for (int shop = 1; shop <= 4; ++shop) {
        Setting_Load_Shop(static_cast<vb::Integer>(shop));
        int goods = 0;
        for (int k = 1; k <= 7; ++k) {
            const vb::Integer n = gintShopNo(k);
            switch (gintShopKind(k)) {
                case 1: EXPECT_FALSE(gudtWeapon(n).strName.empty()) << shop << "/" << k; ++goods; break;
                case 2: EXPECT_FALSE(gudtAcce(n).strName.empty()) << shop << "/" << k; ++goods; break;
                case 3: EXPECT_FALSE(gudtItem(n).strName.empty()) << shop << "/" << k; ++goods; break;
                default: break;
            }
        }
        EXPECT_GT(goods, 0) << "shop " << shop;
    }

    int groups = 0;
    for (int g = 1; g <= 500; ++g) {
        const std::string section = "E_" + std::to_string(g);
        bool any = false;
        for (int k = 1; k <= 3; ++k) {
            const vb::Integer e = vb::ValInt(Manage_Read_EveIni("A_ENEMY_FILE", section, "E_NO_" + std::to_string(k), vb::kTrue));
            if (e == 0) continue;
            any = true;
            EXPECT_FALSE(gudtEnemy(e).strFoeName.empty()) << section << " slot " << k;
        }
        if (any) ++groups;
    }
    EXPECT_GE(groups, 20);
    for (const char* key : {"MUSIC1", "MUSIC2", "MUSIC3", "MUSIC_D"}) {
        EXPECT_TRUE(vb::IsNumeric(Manage_Read_EveIni("A_ENEMY_FILE", "BASIS", key, vb::kTrue))) << key;
    }
}

}  // namespace
