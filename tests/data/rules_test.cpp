#include <gtest/gtest.h>

#include <vector>

#include "common/random.h"
#include "data_fixture.h"

namespace {

TEST_F(DataTest, AttributeNames) {
    const char* names[] = {"無属性", "斬撃", "打撃", "熱", "冷気", "風", "土", "突"};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(Setting_Get_AttrName(static_cast<vb::Integer>(i)), names[i]);
    EXPECT_EQ(Setting_Get_AttrName(8), "");
    EXPECT_EQ(Setting_Get_AttrName(-1), "");
}

TEST_F(DataTest, WeaponGoesToTheFirstFreeCarriedSlot) {
    gudtWeapon(9).intTama = 15;
    typCharacter& c = gudtGame.udtC1;
    c.intBagWeNo(1) = 2;
    c.intBagWeNo(2) = 3;
    c.intBagWeNo(4) = 5;  // slots are not packed
    EXPECT_EQ(Setting_Add_Weapon(9), vb::kTrue);
    EXPECT_EQ(c.intBagWeNo(3), 9);
    EXPECT_EQ(c.intBagWeTama(3), 15);
    EXPECT_EQ(c.intWeNo(1), 0);  // never straight into a battle slot

    for (int i = 1; i <= 7; ++i) c.intBagWeNo(i) = 1;
    const typGameData before = gudtGame;
    EXPECT_EQ(Setting_Add_Weapon(9), vb::kFalse);
    EXPECT_EQ(gudtGame, before);
}

TEST_F(DataTest, WeaponOutsideTheTableFailsWithoutTakingASlot) {
    try {
        Setting_Add_Weapon(51);
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), vb::kErrSubscript);
    }
    EXPECT_EQ(gudtGame, typGameData());
}

TEST_F(DataTest, AccessoriesAndItemsFillTheirFirstFreeSlot) {
    typCharacter& c = gudtGame.udtC1;
    c.intBagAcNo(1) = 4;
    c.intItNo(1) = 1;
    c.intItNo(2) = 1;
    EXPECT_EQ(Setting_Add_Accessory(6), vb::kTrue);
    EXPECT_EQ(c.intBagAcNo(2), 6);
    EXPECT_EQ(c.intAcNo(1), 0);
    EXPECT_EQ(Setting_Add_Item(3), vb::kTrue);
    EXPECT_EQ(c.intItNo(3), 3);
    for (int i = 1; i <= 7; ++i) c.intBagAcNo(i) = c.intItNo(i) = 2;
    EXPECT_EQ(Setting_Add_Accessory(6), vb::kFalse);
    EXPECT_EQ(Setting_Add_Item(3), vb::kFalse);
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(c.intBagAcNo(i) + c.intItNo(i), 4);
}

TEST_F(DataTest, ItemStatusKinds) {
    typCharacter& c = gudtGame.udtC1;
    c.lngHp = 10;
    c.lngMhp = 20;
    c.lngAt = 3;
    c.lngDf = 4;
    c.lngPom = 999950;
    Setting_Add_Status(1, 5);
    Setting_Add_Status(2, -2);
    Setting_Add_Status(3, 7);
    Setting_Add_Status(4, 1);
    Setting_Add_Status(5, 100);
    EXPECT_EQ(c.lngHp, 15);
    EXPECT_EQ(c.lngMhp, 18);
    EXPECT_EQ(c.lngAt, 10);
    EXPECT_EQ(c.lngDf, 5);
    EXPECT_EQ(c.lngPom, 1000050);  // no limit here
    Data_Check_Limits();
    EXPECT_EQ(c.lngPom, 999999);
    const typGameData before = gudtGame;
    Setting_Add_Status(9, 10);
    Setting_Add_Status(0, 10);
    EXPECT_EQ(gudtGame, before);
    c.lngPom = 2147483600;
    EXPECT_THROW(Setting_Add_Status(5, 100), vb::Error);
}

TEST_F(DataTest, AccessoryBonusSumsTheWornPair) {
    gudtAcce(1) = {"力の指輪", 2, 3, 0, "", ""};
    gudtAcce(2) = {"剛の指輪", 2, 4, 0, "", ""};
    gudtAcce(3) = {"守りの指輪", 1, 4, 0, "", ""};
    gudtAcce(4) = {"重い指輪", 2, 40000, 0, "", ""};
    typCharacter& c = gudtGame.udtC1;
    const struct {
        vb::Integer ac1, ac2, kind, want;
    } cases[] = {
        {1, 2, 2, 7}, {1, 3, 2, 3}, {1, 3, 1, 4}, {1, 1, 2, 6},  // the same one twice counts twice
        {0, 0, 2, 0}, {0, 3, 1, 4}, {3, 0, 2, 0}, {1, 2, 0, 0},  // empty slots never match
    };
    for (const auto& tc : cases) {
        c.intAcNo(1) = tc.ac1;
        c.intAcNo(2) = tc.ac2;
        EXPECT_EQ(Setting_Get_AcceBonus(tc.kind), tc.want) << tc.ac1 << "," << tc.ac2 << " kind " << tc.kind;
    }
    c.intAcNo(1) = 4;
    c.intAcNo(2) = 0;
    EXPECT_THROW(Setting_Get_AcceBonus(2), vb::Error);  // beyond 16 bits
}

// --- damage of the player's attack ---

struct Hit {
    const char* what;
    typAttack attack;
    typTarget target;
    vb::Long at, lv, dIn;
    std::vector<float> rnd;  // exactly the draws the rule must take
    vb::Long want;
    std::vector<std::string> lines;
};

typAttack Weapon(vb::Integer formula, vb::Integer attr, vb::Long power, vb::Long up = 0) {
    typAttack a;
    a.intFormula = formula;
    a.intAttr = attr;
    a.lngPower = power;
    a.lngAtUp = up;
    return a;
}

typAttack BodyBlow(vb::Long up = 0) {
    typAttack a;
    a.blnBodyBlow = true;
    a.intFormula = 3;
    a.intAttr = 2;
    a.lngAtUp = up;
    return a;
}

typTarget Foe(vb::Long df, vb::Integer weak = 0, vb::Integer strong = 0) { return {"スライム", df, weak, strong}; }

// Each case with its scripted draws: the damage, the attribute lines, and exactly those draws.
void ExpectHits(const std::vector<Hit>& hits) {
    for (const Hit& h : hits) {
        SCOPED_TRACE(h.what);
        gudtGame.udtC1.lngAt = h.at;
        gudtGame.udtC1.lngLv = h.lv;
        std::vector<float> script = h.rnd;
        script.push_back(0.625f);  // sentinel: must be the next draw after the rule
        vb::Rnd_Script(script);
        std::vector<std::string> lines;
        const vb::Long d = Setting_Calc_Damage(h.attack, h.target, h.dIn, [&](const std::string& l) { lines.push_back(l); });
        EXPECT_EQ(d, h.want);
        EXPECT_EQ(lines, h.lines);
        EXPECT_EQ(vb::Rnd(), 0.625f) << "draws taken differ";
        vb::Rnd_Script({});
    }
}

TEST_F(DataTest, DamageRuleFormulas) {
    const std::vector<Hit> hits = {
        // Formula 1, P 40, DF 9, AT 10: b 10..20, h = Near(b - 4.5) always even, d 16..36.
        {"f1 lowest", Weapon(1, 0, 40), Foe(9), 10, 1, 0, {0.0f, 0.0f, 0.0f}, 16, {}},
        {"f1 b=11 still h=6", Weapon(1, 0, 40), Foe(9), 10, 1, 0, {0.1f, 0.0f, 0.0f}, 16, {}},
        {"f1 b=12 gives h=8", Weapon(1, 0, 40), Foe(9), 10, 1, 0, {0.19f, 0.0f, 0.0f}, 18, {}},
        {"f1 highest", Weapon(1, 0, 40), Foe(9), 10, 1, 0, {0.99f, 0.99f, 0.0f}, 36, {}},
        {"f1 bonus", Weapon(1, 0, 40, 5), Foe(9), 10, 1, 0, {0.0f, 0.5f, 0.0f}, 25, {}},
        // Formula 2: b = Int(Rnd * (16 - 10 + 1) + 10).
        {"f2", Weapon(2, 0, 40), Foe(4), 10, 1, 0, {0.99f, 0.0f, 0.0f}, 24, {}},
        // Formula 3: b = Int(Rnd * 21 + 20); h = b + 2 UP - DF.
        {"f3", Weapon(3, 0, 40, 2), Foe(6), 10, 1, 0, {0.5f, 0.3f, 0.0f}, 41, {}},
        // Formula 4, UP 0, DF 7: Int(-1.4) = -2 is added to b = Int(Rnd * 19 + 3).
        {"f4 lowest", Weapon(4, 0, 24), Foe(7), 10, 1, 0, {0.0f, 0.0f}, 1, {}},
        {"f4 middle", Weapon(4, 0, 24), Foe(7), 10, 1, 0, {0.5f, 0.0f}, 10, {}},
        // Formula 5: a third of the hits miss, then the scratch of step 2.
        {"f5 hit", Weapon(5, 0, 20), Foe(99), 10, 1, 0, {0.5f, 0.4f, 0.0f}, 15, {}},
        {"f5 miss", Weapon(5, 0, 20), Foe(99), 10, 1, 0, {0.5f, 0.2f, 0.99f, 0.0f}, 4, {}},
        // Formulas 6 to 9: Int(Rnd * (P - P/10 + 1) + P/10), defence ignored.
        {"f6", Weapon(6, 0, 50), Foe(999), 1, 1, 0, {0.0f, 0.0f}, 5, {}},
        {"f9", Weapon(9, 0, 50), Foe(999), 1, 1, 0, {0.99f, 0.0f}, 50, {}},
        // Unknown formula: the running value passes through.
        {"f0 keeps d", Weapon(0, 0, 50), Foe(0), 10, 1, 12, {0.0f}, 12, {}},
        {"f0 first target", Weapon(0, 0, 50), Foe(0), 10, 1, 0, {0.6f, 0.0f}, 3, {}},
        // Body blow: its own base line, carrying the previous target's damage.
        {"body blow", BodyBlow(), Foe(50), 10, 1, 0, {0.5f, 0.0f}, 15, {}},
        {"body blow carries d", BodyBlow(3), Foe(50), 10, 1, 7, {0.0f, 0.0f}, 20, {}},
        // Step 2 after a defence that swallows the blow.
        {"scratch", Weapon(1, 0, 4), Foe(60), 1, 1, 0, {0.0f, 0.0f, 0.5f, 0.0f}, 2, {}},
        // Step 4: one in 41 gains 1..10 times the level.
        {"strong hit", Weapon(6, 0, 50), Foe(0), 1, 7, 0, {0.0f, 1.5f / 41, 0.35f}, 5 + 4 * 7, {}},
        {"no strong hit at 2/41", Weapon(6, 0, 50), Foe(0), 1, 7, 0, {0.0f, 2.5f / 41}, 5, {}},
    };
    ExpectHits(hits);
}

TEST_F(DataTest, DamageRuleAttributes) {
    const std::vector<Hit> hits = {
        {"body blow on a strong foe", BodyBlow(), Foe(0, 0, 2), 10, 1, 0, {0.5f, 0.0f}, 7, {"スライムは打撃に強い"}},
        {"weak", Weapon(6, 3, 50), Foe(0, 3, 0), 1, 1, 0, {0.0f, 0.0f}, 10, {"スライムは熱に弱い"}},
        {"weak and strong", Weapon(6, 5, 50), Foe(0, 5, 5), 1, 1, 0, {0.0f, 0.0f}, 4,
         {"スライムは風に強い", "スライムは風に弱い"}},
        {"other attribute", Weapon(6, 1, 50), Foe(0, 3, 4), 1, 1, 0, {0.0f, 0.0f}, 5, {}},
        {"attribute 0 is never weak", Weapon(6, 0, 50), Foe(0, 0, 0), 1, 1, 0, {0.0f, 0.0f}, 5, {}},
        {"unnamed attribute 8", Weapon(6, 8, 50), Foe(0, 8, 0), 1, 1, 0, {0.0f, 0.0f}, 10, {"スライムはに弱い"}},
        {"halving a 1 gives 0", Weapon(6, 1, 10), Foe(0, 0, 1), 1, 1, 0, {0.0f, 0.0f}, 0, {"スライムは斬撃に強い"}},
    };
    ExpectHits(hits);
}

TEST_F(DataTest, DamageRuleRangesOverManyDraws) {
    // Formula 1 of the worked example: h is always even and d stays within 16..36.
    gudtGame.udtC1.lngAt = 10;
    gudtGame.udtC1.lngLv = 1;
    vb::Randomize(7);
    int misses = 0;
    for (int i = 0; i < 3000; ++i) {
        const vb::Long d = Setting_Calc_Damage(Weapon(1, 0, 40), Foe(9), 0, nullptr);
        if (d > 36) {
            EXPECT_LE(d, 36 + 10) << "only a strong hit goes beyond";
        } else {
            EXPECT_GE(d, 16);
        }
        const vb::Long five = Setting_Calc_Damage(Weapon(5, 0, 30), Foe(0), 0, nullptr);
        EXPECT_GE(five, 0);
        if (five <= 4) ++misses;
    }
    EXPECT_GT(misses, 800);
    EXPECT_LT(misses, 1200);
}

// --- level table ---

TEST_F(DataTest, LevelTableRows) {
    EXPECT_EQ(Setting_Level_Row(1).lngExp, 5);
    EXPECT_EQ(Setting_Level_Row(16).lngMhp, 221);
    EXPECT_EQ(Setting_Level_Row(29).lngExp, 150000);
    EXPECT_EQ(Setting_Level_Row(29).lngDf, 60);
    EXPECT_THROW(Setting_Level_Row(30), vb::Error);
    for (int L = 2; L <= 29; ++L) EXPECT_GT(Setting_Level_Row(L).lngExp, Setting_Level_Row(L - 1).lngExp);
}

TEST_F(DataTest, LevelUpOneRowPerCall) {
    typCharacter& c = gudtGame.udtC1;
    c.strSName = "ゾーブ";
    c.lngLv = 1;
    c.lngExp = 20;
    c.lngMhp = 30;
    c.lngHp = 12;
    c.lngAt = 5;
    c.lngDf = 4;
    EXPECT_EQ(Setting_Level_Up(), "ゾーブはLVがあがった\\n体力が3あがった\\n攻撃力が2あがった\\n防御力が1あがった");
    EXPECT_EQ(c.lngLv, 2);
    EXPECT_EQ(c.lngMhp, 33);
    EXPECT_EQ(c.lngAt, 7);
    EXPECT_EQ(c.lngDf, 5);
    EXPECT_EQ(c.lngHp, 12);  // current hit points do not grow
    // 20 >= 15: row 2 applies at level 2.
    EXPECT_EQ(Setting_Level_Up(), "ゾーブはLVがあがった\\n体力が5あがった\\n攻撃力が2あがった\\n防御力が2あがった");
    EXPECT_EQ(c.lngLv, 3);
    const typGameData before = gudtGame;
    EXPECT_EQ(Setting_Level_Up(), "");
    EXPECT_EQ(gudtGame, before);
}

TEST_F(DataTest, LevelUpEdges) {
    typCharacter& c = gudtGame.udtC1;
    const struct {
        vb::Long lv, exp, wantLv;
    } cases[] = {
        {29, 150000, 30}, {30, 150000, 30}, {30, 999999, 30}, {1, 4, 1}, {1, 5, 2},
        {0, 30, 1},   // row 1 comes first even when a higher row would apply
        {-3, 150000, -2},
        {28, 99999, 28}, {28, 100000, 29},
    };
    for (const auto& tc : cases) {
        c = typCharacter();
        c.lngLv = tc.lv;
        c.lngExp = tc.exp;
        Setting_Level_Up();
        EXPECT_EQ(c.lngLv, tc.wantLv) << tc.lv << " " << tc.exp;
    }
}

}  // namespace
