// The player's attack: targets and the aiming accessories, the report and damage lines, hits on
// all enemies, the body blow, ammunition use, the hit sound and frames.
#include "battle_fixture.h"

namespace battle_test {
namespace {

class AttackTest : public BattleTest {
protected:
    void SetUp() override {
        BattleTest::SetUp();
        Fresh();
        SetEnemy(1, "アブラムシ", 100, 4, 1);
        SetEnemy(2, "ナメクジ", 100, 5, 3);
        SetEnemy(3, "イモムシ", 100, 6, 2);
        // Formula 6, power 10: each hit is Int(Rnd * 10 + 1), then one draw for the strong hit.
        SetWeapon(1, "竹ぼうき", 6, 0, 10, 1);
        SetWeapon(2, "パチンコ", 6, 7, 10, 0);
    }
    static void Wear(int slot, int kind, int amount) {
        gudtAcce(slot) = typItem{"おまもり", static_cast<vb::Integer>(kind), amount, 0, "", ""};
        gudtGame.udtC1.intAcNo(slot) = static_cast<vb::Integer>(slot);
    }
};

TEST_F(AttackTest, AllTargetWeaponHitsEveryLivingSlot) {
    Place(1, 1);
    Place(3, 3);
    // target slot 1; slot 1: 6 damage, no strong hit; slot 3: 1 damage, none.
    vb::Rnd_Script({0.0f, 0.5f, 0.0f, 0.0f, 0.0f});
    Battle_Player_Attack(1);
    const auto t = Trace();
    EXPECT_EQ(MessageLines(t), (std::vector<std::string>{"", "ハルは竹ぼうきで", "全体を攻撃",
                                                         "アブラムシに6のダメージを与えた",
                                                         "イモムシに1のダメージを与えた"}));
    EXPECT_EQ(mudtFoe(1).lngHp, 94);
    EXPECT_EQ(mudtFoe(3).lngHp, 99);
    EXPECT_EQ(gudtGame.udtC1.intWeTama(1), 4);
    EXPECT_TRUE(InOrder(t, {"picture 3102 490 240", "text \"<ハル>\" 470 200 630 216 10 16079104 2", "sound 106",
                            "picture 4061 32 150", "picture 4062 32 150", "picture 4063 32 150",
                            "picture 4064 32 150", "sound 106", "picture 4061 308 150", "picture 3101 490 240"}));
    EXPECT_EQ(Count(t, "sound 106"), 2);
}

TEST_F(AttackTest, AttributeLinesJoinTheReport) {
    Place(2, 2);
    mudtFoe(2).intWeak = 7;
    vb::Rnd_Script({0.5f, 0.5f, 0.0f});  // slot 2; 6, doubled to 12
    gudtGame.udtC1.intWeNo(1) = 2;
    Battle_Player_Attack(1);
    EXPECT_TRUE(InOrder(MessageLines(Trace()), {"ナメクジを攻撃", "ナメクジは突に弱い", "ナメクジに12のダメージを与えた"}));
    EXPECT_EQ(mudtFoe(2).lngHp, 88);
}

TEST_F(AttackTest, BodyBlowHurtsTheAttackerAsMuch) {
    Place(2, 2);
    typCharacter& c = gudtGame.udtC1;
    c.intWeNo(1) = 0;
    c.intWeTama(1) = 0;
    c.lngAt = 4;
    // target 2; body blow 3 + 4 = 7; no strong hit.
    vb::Rnd_Script({0.4f, 0.3f, 0.0f});
    Battle_Player_Attack(-1);
    const auto t = Trace();
    EXPECT_TRUE(InOrder(MessageLines(t), {"ハルは体当たりで", "ナメクジを攻撃", "ハルは7のダメージを受け、",
                                          "ナメクジに7のダメージを与えた"}));
    EXPECT_EQ(c.lngHp, 23);
    EXPECT_EQ(mudtFoe(2).lngHp, 93);
    EXPECT_TRUE(Has(t, "sound 103"));
    EXPECT_TRUE(Has(t, "picture 4031 170 150"));
}

TEST_F(AttackTest, TheLastShotEmptiesTheSlot) {
    Place(1, 1);
    typCharacter& c = gudtGame.udtC1;
    c.intWeNo(1) = 2;
    c.intWeTama(1) = 1;
    vb::Rnd_Script({0.0f, 0.0f, 0.0f});
    Battle_Player_Attack(1);
    EXPECT_EQ(c.intWeNo(1), 0);
    EXPECT_EQ(c.intWeTama(1), 0);
    Trace();
    Battle_Draw_Commands(-1);
    EXPECT_TRUE(Has(Trace(), "text \"体当たり\" 20 338 170 350 10 64 0"));
}

TEST_F(AttackTest, HealingAccessoryWorksOnEveryEnemyHit) {
    Place(1, 1);
    Place(2, 2);
    Place(3, 3);
    Wear(1, 10, 5);
    gudtGame.udtC1.lngHp = 10;
    vb::Rnd_Script({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    Battle_Player_Attack(1);
    EXPECT_EQ(gudtGame.udtC1.lngHp, 25);
    gudtGame.udtC1.lngHp = 28;
    vb::Rnd_Script({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    Battle_Player_Attack(1);
    EXPECT_EQ(gudtGame.udtC1.lngHp, 30);  // limited to the maximum
}

TEST_F(AttackTest, AimingAccessoriesChooseTheTarget) {
    struct Case {
        std::vector<std::pair<int, int>> worn;  // kind, amount
        int hp[3], at[3], df[3];
        std::string target;
    };
    const Case cases[] = {
        {{{4, 1}}, {30, 12, 12}, {4, 5, 6}, {1, 3, 2}, "ナメクジ"},          // weakest, lower slot on a tie
        {{{5, 1}}, {30, 12, 12}, {4, 9, 9}, {1, 3, 2}, "ナメクジ"},          // strongest attack
        {{{4, 1}, {5, 1}}, {30, 12, 40}, {4, 5, 8}, {1, 3, 2}, "イモムシ"},  // the attack rule is applied later
        {{{6, 1}}, {30, 12, 12}, {4, 5, 6}, {5, 3, 2}, "イモムシ"},          // weakest defence
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        Fresh();
        gudtGame.udtC1.intAcNo(1) = 0;
        gudtGame.udtC1.intAcNo(2) = 0;
        int slot = 1;
        for (auto [kind, amount] : c.worn) Wear(slot++, kind, amount);
        for (int k = 1; k <= 3; ++k) {
            Place(k, k);
            mudtFoe(k).lngHp = c.hp[k - 1];
            mudtFoe(k).lngAt = c.at[k - 1];
            mudtFoe(k).lngDf = c.df[k - 1];
        }
        gudtGame.udtC1.intWeNo(1) = 2;
        gudtGame.udtC1.intWeTama(1) = 9;
        vb::Rnd_Script({0.0f, 0.0f, 0.0f});
        Trace();
        Battle_Player_Attack(1);
        EXPECT_TRUE(Has(MessageLines(Trace()), c.target + "を攻撃"));
    }
}

TEST_F(AttackTest, ARandomTargetIsDrawnAgainUntilItLives) {
    Place(3, 3);
    // 0.0 -> slot 1 (empty), 0.4 -> slot 2 (empty), 0.9 -> slot 3.
    vb::Rnd_Script({0.0f, 0.4f, 0.9f, 0.0f, 0.0f});
    gudtGame.udtC1.intWeNo(1) = 2;
    Battle_Player_Attack(1);
    EXPECT_TRUE(Has(MessageLines(Trace()), "イモムシを攻撃"));
    EXPECT_EQ(mudtFoe(3).lngHp, 99);
}

TEST_F(AttackTest, ZeroDamageStillPlaysTheHit) {
    Place(1, 1);
    SetWeapon(3, "空ぶり", 5, 0, 10, 0);  // formula 5 misses one attack in three
    gudtGame.udtC1.intWeNo(1) = 3;
    // target 1; base 5..10, miss (Int(0 * 3) = 0); the scratch 0..4: 0; no strong hit.
    vb::Rnd_Script({0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    Battle_Player_Attack(1);
    const auto t = Trace();
    EXPECT_TRUE(Has(t, "sound 105"));
    EXPECT_TRUE(Has(t, "picture 4054 32 150"));
    EXPECT_TRUE(Has(MessageLines(t), "アブラムシに0のダメージを与えた"));
}

}  // namespace
}  // namespace battle_test
