// The demo game's battles: every enemy group of the demo's enemy file is set up and drawn with
// its own pictures, and every weapon's hit frames and sounds exist. ZOVE_BATTLE_SHOTS=FOLDER writes
// a screenshot of each group's prompt there for a look.
#include <cstdlib>

#include "battle_fixture.h"
#include "common/C_modFileIO.h"
#include "platform/host.h"

namespace battle_test {
namespace {

const std::string kGame = std::string(ZOVE_SOURCE_DIR) + "/game/";

class DemoBattleTest : public BattleTest {
protected:
    void SetUp() override {
        BattleTest::SetUp();
        gstrGameDir = kGame;
        Setting_Load_All();
        ASSERT_TRUE(host().Messages().empty());
        ASSERT_EQ(gudtEnemy(26).strFoeName, "井戸のヌシ");
    }
    static std::string Index(const std::string& file, const std::string& section, int no) {
        return FileIO_Read_Ini(kGame + file, section, std::to_string(no), vb::kTrue);
    }
};

TEST_F(DemoBattleTest, EveryGroupIsDrawnWithItsOwnPictures) {
    const char* shots = std::getenv("ZOVE_BATTLE_SHOTS");
    int groups = 0;
    for (int g = 0; g <= 450; ++g) {
        if (Manage_Read_EveIni("A_ENEMY_FILE", "E_" + std::to_string(g), "E_NO_1", vb::kTrue).empty() &&
            Manage_Read_EveIni("A_ENEMY_FILE", "E_" + std::to_string(g), "E_NO_2", vb::kTrue).empty()) {
            continue;
        }
        SCOPED_TRACE(g);
        ++groups;
        gudtGame.udtC1.intWeNo(1) = 1;
        gudtGame.udtC1.intWeTama(1) = 30;
        gudtGame.udtC1.intWeNo(2) = 7;
        gudtGame.udtC1.intWeTama(2) = 20;
        Battle_Start(static_cast<vb::Integer>(g));
        gintGameState = 9;
        Battle_Input(kInputRefresh, 0, 0);
        EXPECT_TRUE(host().Messages().empty()) << host().Messages().back().text;
        int alive = 0;
        for (int k = 1; k <= 3; ++k) {
            if (mudtFoe(k).blnAlive == vb::kFalse) continue;
            ++alive;
            const typBattleEnemy& s = mudtFoe(k);
            // Between the hit-point panels and the command and message panels, inside its column.
            EXPECT_GT(s.intScrY, 100);
            EXPECT_LT(s.intScrY + s.intHeight, 330);
            EXPECT_GE(s.intScrX, 138 * (k - 1));
            EXPECT_LE(s.intScrX + s.intWidth, 138 * k + 6);
        }
        EXPECT_GT(alive, 0);
        if (shots != nullptr) {
            platform::Surface_WritePng(Screen(), std::string(shots) + "/battle_group_" + std::to_string(g) + ".png");
        }
    }
    EXPECT_EQ(groups, 30);
}

TEST_F(DemoBattleTest, EveryWeaponHasItsHitFramesAndSound) {
    for (int w = 1; w <= 50; ++w) {
        if (gudtWeapon(w).strName.empty()) continue;
        SCOPED_TRACE(gudtWeapon(w).strName);
        const int f = gudtWeapon(w).intFormula;
        for (int i = 1; i <= 4; ++i) EXPECT_FALSE(Index("pic/pic.ini", "PIC", 4000 + 10 * f + i).empty());
        EXPECT_FALSE(Index("sound/sound.ini", "SOUND", 100 + f).empty());
    }
    for (int n : {21, 22, 103, 110, 111, 112, 113}) EXPECT_FALSE(Index("sound/sound.ini", "SOUND", n).empty()) << n;
    for (int n : {10, 11, 12, 13}) EXPECT_FALSE(Index("mid/mid.ini", "MID", n).empty()) << n;
    for (int n : {3000, 3001, 3002, 3003, 3004, 3005, 3101, 3102, 3103, 3104, 3105, 3106, 3107}) {
        EXPECT_FALSE(Index("pic/pic.ini", "PIC", n).empty()) << n;
    }
}

}  // namespace
}  // namespace battle_test
