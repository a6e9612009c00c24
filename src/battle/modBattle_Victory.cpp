// The end-of-battle check after every step of a turn: fallen enemies are wiped from the screen;
// a character without hit points loses (defeat music, the defeat screen); when no enemy is left
// the battle is won: hit points, money, maybe a stat, experience, maybe a level, then the field.
#include "battle/modBattle.h"
#include "common/random.h"
#include "core/G_modManage.h"
#include "core/G_modManage_Media.h"
#include "core/modEvent.h"
#include "data/modData.h"
#include "data/modSetting.h"
#include "story/modTalk.h"

namespace {

double Rnd() { return static_cast<double>(vb::Rnd()); }

// Erases a fallen enemy's graphic from its top and bottom edges towards the middle, then its
// hit-point panel.
void Wipe(vb::Integer k) {
    const typBattleEnemy& s = mudtFoe(k);
    const double x = s.intScrX, y = s.intScrY, w = s.intWidth, h = s.intHeight;
    for (int i = 0; i <= 5; ++i) {
        Battle_Fill(static_cast<vb::Single>(x), static_cast<vb::Single>(y), static_cast<vb::Single>(x + w),
                    static_cast<vb::Single>(y + i * h / 10), kBattleWhite);
        Battle_Fill(static_cast<vb::Single>(x), static_cast<vb::Single>(y + h), static_cast<vb::Single>(x + w),
                    static_cast<vb::Single>(y + h - i * h / 10), kBattleWhite);
        Battle_Wait(1);
    }
    Battle_Fill(static_cast<vb::Single>(x), static_cast<vb::Single>(y), static_cast<vb::Single>(x + w),
                static_cast<vb::Single>(y + h), kBattleWhite);
    const double d = 138.0 * (k - 1);
    Battle_Fill(static_cast<vb::Single>(d + 6), 68, static_cast<vb::Single>(d + 136), 98, kBattleWhite);
}

vb::Integer Lose() {
    const typCharacter& c = gudtGame.udtC1;
    Battle_Message(c.strSName + "はたおれた", vb::kTrue);
    Battle_Draw_Player(4);
    Battle_Refresh();
    Event_Play("PLAY_MID", vb::ValInt(Manage_Read_EveIni("A_ENEMY_FILE", "BASIS", "MUSIC_D", vb::kTrue)));
    Battle_Wait(10);
    Event_Play("PLAY_EFF", 15);
    gintGameState = 13;
    Event_Dispatch(kInputRefresh, 0, 0);
    return 1;
}

vb::Integer Win() {
    typCharacter& c = gudtGame.udtC1;
    Event_Play("PLAY_MID", 0);
    Event_Play("PLAY_SOU", 21);
    Battle_Message("敵をすべて倒した！", vb::kFalse);
    Battle_Refresh();
    Battle_Wait(10);

    vb::Integer e = 0;
    vb::Long pom = 0;
    for (int k = 1; k <= 3; ++k) {
        e = vb::AddInt(e, mudtFoe(k).intExp);
        pom = vb::AddLng(pom, mudtFoe(k).lngPom);
    }

    const vb::Integer r = vb::AddInt(Setting_Get_AcceBonus(9), vb::MulInt(3, e));
    Battle_Message(c.strSName + "の体力が" + vb::CStr(r) + "回復した", vb::kTrue);
    c.lngHp = vb::AddLng(c.lngHp, r);
    Battle_Refresh();
    Battle_Wait(10);

    const vb::Long m = vb::AddLng(Setting_Get_AcceBonus(7), pom);
    Battle_Message("所持金が" + vb::CStr(m) + "POM増えた", vb::kTrue);
    c.lngPom = vb::AddLng(c.lngPom, m);
    Battle_Refresh();
    Battle_Wait(10);

    // A stat may grow by 1..level (the maximum hit points by twice that); the amount is not shown.
    const vb::Long s = vb::CLng(Rnd() * 11);
    if (s == 0 || s == 1) {
        Battle_Message(c.strSName + "は最大体力がアップした", vb::kTrue);
        c.lngMhp = vb::AddLng(c.lngMhp, vb::MulLng(2, vb::CLng(vb::Int(Rnd() * static_cast<double>(c.lngLv) + 1))));
    } else if (s == 2) {
        Battle_Message(c.strSName + "は攻撃力がアップした", vb::kTrue);
        c.lngAt = vb::AddLng(c.lngAt, vb::CLng(vb::Int(Rnd() * static_cast<double>(c.lngLv) + 1)));
    } else if (s == 3) {
        Battle_Message(c.strSName + "は防御力がアップした", vb::kTrue);
        c.lngDf = vb::AddLng(c.lngDf, vb::CLng(vb::Int(Rnd() * static_cast<double>(c.lngLv) + 1)));
    }
    Battle_Refresh();
    Battle_Wait(10);

    const vb::Integer x = vb::AddInt(Setting_Get_AcceBonus(9), e);
    Battle_Message("経験値が" + vb::CStr(x) + "増えた", vb::kTrue);
    c.lngExp = vb::AddLng(c.lngExp, x);
    Battle_Refresh();
    Battle_Wait(10);

    Event_Wait_Confirm();

    const std::string t = Setting_Level_Up();
    if (!t.empty()) {
        Battle_Message(t, vb::kFalse);
        Battle_Refresh();
        Event_Wait_Confirm();
    }

    Battle_Check_Limits();
    Battle_Wait(20);
    Event_Play("PLAY_EFF", 2);
    gintGameState = 4;
    Event_Dispatch(kInputRefresh, 0, 0);
    return 2;
}

}  // namespace

vb::Integer Battle_Check_End() {
    for (int k = 1; k <= 3; ++k) {
        typBattleEnemy& s = mudtFoe(k);
        if (s.blnAlive == vb::kFalse || s.lngHp >= 1) continue;
        Battle_Message(s.strFoeName + "をたおした", vb::kTrue);
        Battle_Refresh();
        Battle_Wait(10);
        s.blnAlive = vb::kFalse;
        Wipe(static_cast<vb::Integer>(k));
    }
    if (gudtGame.udtC1.lngHp <= 0) return Lose();
    for (int k = 1; k <= 3; ++k) {
        if (mudtFoe(k).blnAlive != vb::kFalse) return 0;
    }
    return Win();
}
