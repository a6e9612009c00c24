// The player's attack: the first step of every turn. A weapon of a battle slot (or the body blow,
// which hurts the attacker as much as the enemy) hits one chosen enemy or all of them, each hit
// with its sound and four-frame hit animation; then one unit of the slot's ammunition is used up.
#include "battle/modBattle.h"
#include "common/random.h"
#include "core/G_modManage_Media.h"
#include "core/G_modManage_Text.h"
#include "data/modData.h"
#include "data/modSetting.h"

namespace {

bool AnyEnemyAlive() {
    for (int k = 1; k <= 3; ++k) {
        if (mudtFoe(k).blnAlive != vb::kFalse) return true;
    }
    return false;
}

// The enemy the attack aims at: a random slot, overridden by the aiming accessories (weakest,
// strongest attack, weakest defence; the later rule wins, on equal values the lower slot), drawn
// again until it names a living enemy.
vb::Integer ChooseTarget() {
    for (;;) {
        vb::Integer t = vb::CInt(vb::Int(static_cast<double>(vb::Rnd()) * 3 + 1));
        if (Setting_Get_AcceBonus(4) != 0) {
            vb::Long m = 100000;
            for (int k = 1; k <= 3; ++k) {
                if (mudtFoe(k).blnAlive != vb::kFalse && mudtFoe(k).lngHp < m) {
                    m = mudtFoe(k).lngHp;
                    t = static_cast<vb::Integer>(k);
                }
            }
        }
        if (Setting_Get_AcceBonus(5) != 0) {
            vb::Long m = 0;
            for (int k = 1; k <= 3; ++k) {
                if (mudtFoe(k).blnAlive != vb::kFalse && mudtFoe(k).lngAt > m) {
                    m = mudtFoe(k).lngAt;
                    t = static_cast<vb::Integer>(k);
                }
            }
        }
        if (Setting_Get_AcceBonus(6) != 0) {
            vb::Long m = 100000;
            for (int k = 1; k <= 3; ++k) {
                if (mudtFoe(k).blnAlive != vb::kFalse && mudtFoe(k).lngDf < m) {
                    m = mudtFoe(k).lngDf;
                    t = static_cast<vb::Integer>(k);
                }
            }
        }
        if (mudtFoe(t).blnAlive != vb::kFalse) return t;
    }
}

}  // namespace

void Battle_Player_Attack(vb::Integer In_intCmd) {
    // Without a living enemy there is nothing to aim at (the turn's end check closes the battle).
    if (!AnyEnemyAlive()) return;
    typCharacter& c = gudtGame.udtC1;

    Battle_Message("", vb::kFalse);
    Battle_Refresh();
    Battle_Draw_Player(2);

    Manage_Draw_Text("<" + c.strSName + ">", 470, 200, 630, 216, 10, kBattleBlue, 2);
    Battle_Refresh();
    Battle_Wait(20);
    Battle_Fill(460, 200, 630, 216, kBattleWhite);

    const vb::Integer t = ChooseTarget();

    const bool body = In_intCmd == -1;
    typAttack attack;
    std::string weaponName = "体当たり";
    bool all = false;
    if (body) {
        attack.blnBodyBlow = true;
        attack.intFormula = 3;
        attack.intAttr = 2;
    } else {
        const typWeapon& w = gudtWeapon(c.intWeNo(In_intCmd));
        weaponName = w.strName;
        attack.intFormula = w.intFormula;
        attack.intAttr = w.intAttr;
        attack.lngPower = w.lngPower;
        all = w.intAll != 0;
    }
    attack.lngAtUp = glngBattleAtUp;
    const vb::Integer f = attack.intFormula;
    const int first = all ? 1 : t;
    const int last = all ? 3 : t;
    const std::string targetText = all ? "全体" : mudtFoe(t).strFoeName;

    Battle_Message(c.strSName + "は" + weaponName + "で", vb::kFalse);
    Battle_Refresh();
    Battle_Wait(10);
    Battle_Message(targetText + "を攻撃", vb::kTrue);
    Battle_Refresh();
    Battle_Wait(10);

    // The attribute lines of the damage rule join the report as they arise.
    const DamageLineFn line = [](const std::string& In_strLine) {
        Battle_Message(In_strLine, vb::kTrue);
        Battle_Refresh();
        Battle_Wait(10);
    };

    vb::Long d = 0;
    for (int k = first; k <= last; ++k) {
        typBattleEnemy& s = mudtFoe(k);
        if (s.blnAlive == vb::kFalse) continue;
        typTarget target;
        target.strFoeName = s.strFoeName;
        target.lngDf = s.lngDf;
        target.intWeak = s.intWeak;
        target.intStrong = s.intStrong;
        d = Setting_Calc_Damage(attack, target, d, line);
        s.lngHp = vb::SubLng(s.lngHp, d);

        Event_Play("PLAY_SOU", vb::AddInt(100, f));
        Manage_Copy_Screen(vb::kTrue);
        const double cx = s.intScrX + s.intWidth / 2.0 - 40;
        const double cy = s.intScrY + s.intHeight / 2.0 - 40;
        for (int i = 1; i <= 4; ++i) {
            Battle_Pic(vb::CInt(4000.0 + 10.0 * f + i), static_cast<vb::Single>(cx),
                       static_cast<vb::Single>(cy));
            Battle_Refresh();
            Battle_Wait(2);
            Manage_Copy_Screen(vb::kFalse);
        }

        c.lngHp = vb::AddLng(c.lngHp, Setting_Get_AcceBonus(10));
        if (body) {
            c.lngHp = vb::SubLng(c.lngHp, d);
            Battle_Message(c.strSName + "は" + vb::CStr(d) + "のダメージを受け、", vb::kTrue);
            Battle_Refresh();
            Battle_Wait(10);
        }
        Battle_Check_Limits();
        Battle_Draw_Enemy(static_cast<vb::Integer>(k));
        Battle_Message(s.strFoeName + "に" + vb::CStr(d) + "のダメージを与えた", vb::kTrue);
        Battle_Refresh();
        Battle_Wait(20);
    }

    if (!body) {
        c.intWeTama(In_intCmd) = vb::SubInt(c.intWeTama(In_intCmd), 1);
        Battle_Check_Limits();
    }
    Battle_Draw_Player(1);
    Battle_Refresh();
}
