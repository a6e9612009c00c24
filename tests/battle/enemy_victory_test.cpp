// Enemy actions with scripted random values, the turn sequence, and the end of the battle:
// fallen enemies, rewards, the stat bonus, level-up and defeat.
#include "battle_fixture.h"

namespace battle_test {
namespace {

class EnemyTest : public BattleTest {
protected:
    void SetUp() override {
        BattleTest::SetUp();
        Fresh();
        typCharacter& c = gudtGame.udtC1;
        c.lngHp = 90;
        c.lngMhp = 100;
        c.lngAt = 12;
        c.lngDf = 3;
    }
};

// q = Near(Rnd * 21): 0 picks action 1 (code 0), 13 action 2, 21 action 3.
constexpr float kAct1 = 0.0f;
constexpr float kAct2 = 13.0f / 21.0f;
constexpr float kAct3 = 0.999f;

TEST_F(EnemyTest, EachActionCodeChangesWhatItShould) {
    struct Case {
        int code;
        std::vector<float> rnd;
        int eAt, eDf, eHp, eMhp;
        int dfUp;       // the player's defence bonus before
        long b;         // the amount reported
        int hp;         // the player's hit points after
        int foeHp;      // the enemy's hit points after
        std::string first, second, report;
        std::string sound;
    };
    const Case cases[] = {
        // plain attack: eAT 10, PDF 1: i = 10, damage 10..30
        {0, {kAct1, 0.5f, 0.999f}, 10, 1, 20, 20, -3, 30, 60, 20, "テキはかみつきで", "ハルを攻撃",
         "ハルは30のダメージを受けた", "sound 110"},
        {0, {kAct1, 0.5f, 0.0f}, 10, 1, 20, 20, -3, 10, 80, 20, "テキはかみつきで", "ハルを攻撃",
         "ハルは10のダメージを受けた", "sound 110"},
        // a defence far above the attack: nothing
        {0, {kAct1, 0.5f, 0.5f}, 10, 1, 20, 20, 97, 0, 90, 20, "テキはかみつきで", "ハルを攻撃",
         "ハルは0のダメージを受けた", "sound 110"},
        // wild blow, defence ignored: attack 20 deals up to 30
        {1, {kAct2, 0.999f}, 20, 1, 20, 20, 500, 30, 60, 20, "テキはわざ2で", "ハルを攻撃", "ハルは30のダメージを受けた",
         "sound 103"},
        // a tenth to a third of 90, plus 0..10
        {2, {kAct2, 0.999f, 0.999f}, 10, 1, 20, 20, 0, 40, 50, 20, "テキはわざ2で", "ハルを攻撃",
         "ハルは40のダメージを受けた", "sound 110"},
        {2, {kAct2, 0.0f, 0.0f}, 10, 1, 20, 20, 0, 9, 81, 20, "テキはわざ2で", "ハルを攻撃", "ハルは9のダメージを受けた",
         "sound 110"},
        // drain: w = 5, b = 30 * 5 / 10 = 15; the enemy gains it, up to its maximum
        {3, {kAct2, 0.0f, 0.999f, 0.0f}, 10, 1, 10, 20, 0, 15, 75, 20, "テキはわざ2で", "ハルを攻撃",
         "ハルは15の体力を奪われた", "sound 113"},
        // heavy blow: i = 2 * (10 - 0) = 20, damage 20..40
        {4, {kAct2, 0.0f, 0.0f}, 10, 1, 20, 20, 0, 20, 70, 20, "テキはわざ2で", "ハルを攻撃",
         "ハルは20の大ダメージを受けた", "sound 110"},
        {5, {kAct2}, 10, 1, 10, 50, 0, 8, 90, 18, "テキはわざ2を", "テキに使った", "テキは8の体力を回復した",
         "sound 111"},
        {6, {kAct2}, 10, 1, 10, 50, 0, 12, 90, 22, "テキはわざ2を", "テキに使った", "テキは12の体力を回復した",
         "sound 111"},
        {7, {kAct2}, 4, 1, 20, 20, 0, 1, 90, 20, "テキはわざ2を", "テキに使った", "テキは1の攻撃力が上がった",
         "sound 112"},
        {8, {kAct2}, 4, 10, 20, 20, 0, 2, 90, 20, "テキはわざ2を", "テキに使った", "テキは2の防御力が上がった",
         "sound 112"},
        {9, {kAct2}, 4, 1, 20, 20, 0, 2, 90, 20, "テキはわざ2を", "ハルに使った", "ハルは2の攻撃力が下がった",
         "sound 113"},
        {10, {kAct2}, 4, 1, 20, 20, 0, 1, 90, 20, "テキはわざ2を", "ハルに使った", "ハルは1の防御力が下がった",
         "sound 113"},
        {11, {kAct2}, 4, 1, 20, 20, 0, 0, 90, 20, "テキはわざ2を", "ハルに使った", "ハルは補助支援が無効になった",
         "sound 113"},
        {12, {kAct3}, 4, 1, 20, 20, 0, 0, 90, 20, "テキはわざ3を", "テキに使った", "テキは補助支援が無効になった",
         "sound 111"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << " " << c.report);
        Fresh();
        gudtGame.udtC1.lngHp = 90;
        SetEnemy(4, "テキ", c.eMhp, c.eAt, c.eDf, c.code, c.code);
        Place(1, 4);
        mudtFoe(1).lngHp = c.eHp;
        mudtFoe(1).lngAtUp = c.code == 12 ? 3 : 0;
        mudtFoe(1).lngDfUp = c.code == 12 ? 3 : 0;
        glngBattleDfUp = c.dfUp;
        glngBattleAtUp = c.code == 11 ? 5 : 0;
        if (c.code == 11) glngBattleDfUp = 7;
        const vb::Long atUpBefore = glngBattleAtUp, dfUpBefore = glngBattleDfUp;
        vb::Rnd_Script(c.rnd);
        Trace();
        Battle_Enemy_Action(1);
        const auto t = Trace();
        EXPECT_EQ(MessageLines(t), (std::vector<std::string>{"", c.first, c.second, c.report}));
        EXPECT_EQ(gudtGame.udtC1.lngHp, c.hp);
        EXPECT_EQ(mudtFoe(1).lngHp, c.foeHp);
        EXPECT_TRUE(Has(t, c.sound));
        EXPECT_TRUE(Has(t, "text \"<テキ>\" 20 285 130 296 10 16079104 2"));
        switch (c.code) {
            case 7: EXPECT_EQ(mudtFoe(1).lngAtUp, 1); break;
            case 8: EXPECT_EQ(mudtFoe(1).lngDfUp, 2); break;
            case 9: EXPECT_EQ(glngBattleAtUp, atUpBefore - 2); break;
            case 10: EXPECT_EQ(glngBattleDfUp, dfUpBefore - 1); break;
            case 11:
                EXPECT_EQ(glngBattleAtUp, 0);
                EXPECT_EQ(glngBattleDfUp, 0);
                break;
            case 12:
                EXPECT_EQ(mudtFoe(1).lngAtUp, 0);
                EXPECT_EQ(mudtFoe(1).lngDfUp, 0);
                break;
            default: break;
        }
        if (c.code <= 4 || (c.code >= 9 && c.code <= 11)) {
            EXPECT_TRUE(InOrder(t, {"picture 3103 490 240", c.sound, "picture 3101 490 240"}));
        }
    }
}

TEST_F(EnemyTest, WeakeningTwiceGoesBelowZeroWithoutLimit) {
    SetEnemy(4, "テキ", 20, 4, 1, 9, 9);
    Place(1, 4);
    vb::Rnd_Script({kAct2});
    Battle_Enemy_Action(1);
    vb::Rnd_Script({kAct2});
    Battle_Enemy_Action(1);
    EXPECT_EQ(glngBattleAtUp, -4);
}

TEST_F(EnemyTest, TheWildBlowPlaysItsSoundTwice) {
    SetEnemy(4, "テキ", 20, 4, 1, 1, 1);
    Place(1, 4);
    vb::Rnd_Script({kAct2, 0.0f});
    Battle_Enemy_Action(1);
    const auto t = Trace();
    EXPECT_TRUE(InOrder(t, {"sound 103", "sound 103", "effect 21"}));
}

TEST_F(EnemyTest, AnUnknownCodeDoesNothing) {
    for (int code : {13, -1}) {
        SCOPED_TRACE(code);
        SetEnemy(4, "テキ", 20, 4, 1, static_cast<vb::Integer>(code), 0);
        Place(1, 4);
        vb::Rnd_Script({kAct2});
        Trace();
        Battle_Enemy_Action(1);
        const auto t = Trace();
        EXPECT_EQ(MessageLines(t), (std::vector<std::string>{"", "テキは何もしなかった"}));
        EXPECT_EQ(gudtGame.udtC1.lngHp, 90);
        for (const auto& l : t) EXPECT_NE(l.rfind("sound", 0), 0u);
    }
}

TEST_F(EnemyTest, AnEmptyActionNameStillReports) {
    SetEnemy(4, "テキ", 20, 4, 1, 7, 7);
    gudtEnemy(4).strAct2.clear();
    Place(1, 4);
    vb::Rnd_Script({kAct2});
    Battle_Enemy_Action(1);
    EXPECT_TRUE(Has(MessageLines(Trace()), "テキはを"));
}

TEST_F(EnemyTest, TurnNineReplacesTheAttackBonus) {
    SetEnemy(4, "テキ", 500, 1, 1, 0, 0);
    Place(2, 4);
    gudtGame.udtC1.lngLv = 7;
    gudtGame.udtC1.intWeNo(1) = 1;
    gudtGame.udtC1.intWeTama(1) = 5;
    glngBattleAtUp = -20;
    mintTurn = 8;
    gintGameState = 10;
    vb::Rnd_Script({0.5f, 0.0f, 0.0f, kAct1, 0.0f, 0.0f});
    Battle_Run_Turn(1);
    const auto t = Trace();
    EXPECT_EQ(mintTurn, 9);
    EXPECT_EQ(glngBattleAtUp, 63);
    EXPECT_TRUE(InOrder(t, {"picture 3106 490 240", "effect 22", "effect 22", "state 10 9"}));
    EXPECT_EQ(MessageLines(t).back(), "攻撃方法を選択してください。");
    EXPECT_EQ(gintGameState, 9);
}

using VictoryTest = BattleTest;

TEST_F(VictoryTest, RewardsForTwoFallenEnemies) {
    Fresh();
    SetEnemy(5, "ナメクジ", 20, 4, 1);
    gudtEnemy(1).intExp = 3;
    gudtEnemy(1).lngPom = 10;
    gudtEnemy(5).intExp = 4;
    gudtEnemy(5).lngPom = 0;
    Place(1, 1);
    Place(3, 5);
    mudtFoe(1).lngHp = 0;
    mudtFoe(3).lngHp = -3;
    typCharacter& c = gudtGame.udtC1;
    c.lngLv = 3;
    c.lngHp = 5;
    c.lngMhp = 100;
    c.lngPom = 7;
    gintGameState = 10;
    vb::Rnd_Script({0.5f});  // s = 6: no stat bonus
    EXPECT_EQ(Battle_Check_End(), 2);
    const auto t = Trace();
    EXPECT_EQ(MessageLines(t), (std::vector<std::string>{"アブラムシをたおした", "ナメクジをたおした", "敵をすべて倒した！",
                                                         "ハルの体力が21回復した", "所持金が10POM増えた",
                                                         "経験値が7増えた"}));
    EXPECT_EQ(c.lngHp, 26);
    EXPECT_EQ(c.lngPom, 17);
    EXPECT_EQ(c.lngExp, 7);
    EXPECT_EQ(c.lngLv, 3);
    EXPECT_EQ(Count(t, "confirm"), 1);
    EXPECT_TRUE(InOrder(t, {"music 0", "sound 21", "confirm", "effect 2", "state 10 4", "state 4 5"}));
    EXPECT_FALSE(mudtFoe(1).blnAlive);
    EXPECT_FALSE(mudtFoe(3).blnAlive);
}

TEST_F(VictoryTest, ExperienceAccessoryAddsOnceToHitPointsAndExperience) {
    Fresh();
    gudtEnemy(1).intExp = 7;
    gudtEnemy(1).lngPom = 0;
    gudtAcce(1) = typItem{"けいけんの葉", 9, 2, 0, "", ""};
    gudtAcce(2) = typItem{"こばん", 7, 5, 0, "", ""};
    gudtGame.udtC1.intAcNo(1) = 1;
    gudtGame.udtC1.intAcNo(2) = 2;
    gudtGame.udtC1.lngLv = 30;
    gudtGame.udtC1.lngHp = 1;
    gudtGame.udtC1.lngMhp = 100;
    Place(2, 1);
    mudtFoe(2).lngHp = 0;
    vb::Rnd_Script({0.5f});
    EXPECT_EQ(Battle_Check_End(), 2);
    const auto lines = MessageLines(Trace());
    EXPECT_TRUE(Has(lines, "ハルの体力が23回復した"));
    EXPECT_TRUE(Has(lines, "所持金が5POM増えた"));
    EXPECT_TRUE(Has(lines, "経験値が9増えた"));
    EXPECT_EQ(gudtGame.udtC1.lngLv, 30);  // level 30: no more levels
}

TEST_F(VictoryTest, StatBonusOnLevelOne) {
    const struct {
        float s;
        const char* line;
        int mhp, at, df;
    } cases[] = {{0.0f, "ハルは最大体力がアップした", 32, 10, 3},
                 {1.0f / 11, "ハルは最大体力がアップした", 32, 10, 3},
                 {2.0f / 11, "ハルは攻撃力がアップした", 30, 11, 3},
                 {3.0f / 11, "ハルは防御力がアップした", 30, 10, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        Fresh();
        gudtGame.udtC1.lngMhp = 30;
        gudtGame.udtC1.lngAt = 10;
        gudtGame.udtC1.lngDf = 3;
        gudtGame.udtC1.lngExp = 0;
        gudtGame.udtC1.lngLv = 1;
        gudtEnemy(1).intExp = 0;
        Place(1, 1);
        mudtFoe(1).lngHp = 0;
        vb::Rnd_Script({c.s, 0.999f});
        Trace();
        Battle_Check_End();
        EXPECT_TRUE(Has(MessageLines(Trace()), c.line));
        EXPECT_EQ(gudtGame.udtC1.lngMhp, c.mhp);
        EXPECT_EQ(gudtGame.udtC1.lngAt, c.at);
        EXPECT_EQ(gudtGame.udtC1.lngDf, c.df);
    }
}

TEST_F(VictoryTest, OneLevelPerVictoryOnAFreshPage) {
    typCharacter& c = gudtGame.udtC1;
    c.lngLv = 1;
    c.lngExp = 13;
    c.lngMhp = 30;
    c.lngAt = 10;
    c.lngDf = 3;
    gudtEnemy(1).intExp = 7;
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        Fresh();
        Place(1, 1);
        mudtFoe(1).lngHp = 0;
        if (round > 1) gudtEnemy(1).intExp = 0;
        mudtFoe(1).intExp = gudtEnemy(1).intExp;
        vb::Rnd_Script({0.5f});
        Trace();
        Battle_Check_End();
        const auto t = Trace();
        if (round < 3) {
            EXPECT_EQ(c.lngLv, round + 1);
            EXPECT_EQ(Count(t, "confirm"), 2);
            EXPECT_EQ(mintMsgLines, 0);
            EXPECT_EQ(mstrBattleMsg.rfind("ハルはLVがあがった\\n体力が", 0), 0u);
        } else {
            EXPECT_EQ(c.lngLv, 3);  // 20 experience at level 3: no rise
            EXPECT_EQ(Count(t, "confirm"), 1);
        }
    }
    EXPECT_EQ(c.lngMhp, 30 + 3 + 5);
    EXPECT_EQ(c.lngAt, 10 + 2 + 2);
    EXPECT_EQ(c.lngDf, 3 + 1 + 2);
}

TEST_F(VictoryTest, DefeatGoesToTheDefeatScreen) {
    Fresh();
    Place(1, 1);
    Place(2, 1);
    mudtFoe(1).lngHp = 0;  // falls to the same blow that felled the player
    gudtGame.udtC1.lngHp = 0;
    gintGameState = 10;
    EXPECT_EQ(Battle_Check_End(), 1);
    const auto t = Trace();
    EXPECT_TRUE(InOrder(MessageLines(t), {"アブラムシをたおした", "ハルはたおれた"}));
    EXPECT_TRUE(InOrder(t, {"picture 3105 490 240", "music 13", "effect 15", "state 10 13"}));
    EXPECT_FALSE(Has(MessageLines(t), "敵をすべて倒した！"));
}

TEST_F(VictoryTest, TheBattleGoesOnWhileEnemiesAndPlayerStand) {
    Fresh();
    Place(1, 1);
    Place(2, 1);
    mudtFoe(1).lngHp = 0;
    Battle_Draw_Enemy(1);
    EXPECT_EQ(Screen().At(mudtFoe(1).intScrX + 2, mudtFoe(1).intScrY + 2), kEnemyColour);
    EXPECT_EQ(Battle_Check_End(), 0);
    EXPECT_FALSE(mudtFoe(1).blnAlive);
    EXPECT_TRUE(mudtFoe(2).blnAlive);
    // The wipe leaves the graphic and the hit-point panel white.
    EXPECT_EQ(Screen().At(mudtFoe(1).intScrX + 2, mudtFoe(1).intScrY + 2), 0xFFFFFFu);
    EXPECT_EQ(Screen().At(8, 70), 0xFFFFFFu);
}

TEST_F(VictoryTest, AWholeBattleFromStartToTheField) {
    SetEnemy(1, "アブラムシ", 8, 2, 0);
    SetWeapon(1, "じょうろ", 6, 0, 10, 0);
    gintGameState = 8;
    gintEncounterNo = 1;
    Battle_Start(1);
    gintGameState = 9;
    Battle_Input(kInputRefresh, 0, 0);
    int turns = 0;
    while (gintGameState == 9 && turns < 20) {
        Battle_Input(kInputPointer, 100, 340);
        Battle_Input(kInputSelect, 100, 340);
        ++turns;
    }
    const auto t = Trace();
    EXPECT_TRUE(Has(MessageLines(t), "敵をすべて倒した！"));
    EXPECT_TRUE(InOrder(t, {"music 10", "state 9 10", "sound 106", "state 10 4", "state 4 5"}));
    EXPECT_LT(gudtGame.udtC1.intWeTama(1), 5);
}

}  // namespace
}  // namespace battle_test
