// The enemies' actions: after the player's attack every living enemy acts once, slot 1 first. It
// picks one of its three actions by chance, carries it out and reports it with a sound and a
// screen effect. Action 1 is always the plain attack (code 0); actions 2 and 3 carry their codes.
#include "battle/modBattle.h"
#include "common/random.h"
#include "core/G_modManage_Media.h"
#include "core/G_modManage_Text.h"
#include "data/modData.h"

namespace {

double Rnd() { return static_cast<double>(vb::Rnd()); }
vb::Long Near(double v) { return vb::CLng(v); }
vb::Long Floor(double v) { return vb::CLng(vb::Int(v)); }

struct typActionWords {
    const char* word1;
    const char* word2;
    const char* result;
    bool onPlayer;
    vb::Integer cue;
};

// Codes 0..12: the words of the report, whom the action is aimed at, and its cue.
constexpr typActionWords kAction[13] = {
    {"で", "を攻撃", "のダメージを受けた", true, 1},
    {"で", "を攻撃", "のダメージを受けた", true, 5},
    {"で", "を攻撃", "のダメージを受けた", true, 1},
    {"で", "を攻撃", "の体力を奪われた", true, 2},
    {"で", "を攻撃", "の大ダメージを受けた", true, 1},
    {"を", "に使った", "の体力を回復した", false, 4},
    {"を", "に使った", "の体力を回復した", false, 4},
    {"を", "に使った", "の攻撃力が上がった", false, 3},
    {"を", "に使った", "の防御力が上がった", false, 3},
    {"を", "に使った", "の攻撃力が下がった", true, 2},
    {"を", "に使った", "の防御力が下がった", true, 2},
    {"を", "に使った", "補助支援が無効になった", true, 2},
    {"を", "に使った", "補助支援が無効になった", false, 4},
};

// Carries out action code 0..12 of slot s and returns the amount b that the report names.
vb::Long Carry_Out(vb::Integer code, typBattleEnemy& s) {
    typCharacter& c = gudtGame.udtC1;
    const double eAT = static_cast<double>(s.lngAt);
    const double eUP = static_cast<double>(s.lngAtUp);
    const double eDF = static_cast<double>(s.lngDf);
    const double eMHP = static_cast<double>(s.lngMhp);
    const double PDF = static_cast<double>(vb::AddLng(vb::AddLng(c.lngDf, glngBattleDfUp), 1));
    vb::Long b = 0;
    switch (code) {
        case 0: {  // plain attack: i..3i, i = attack less a share of the defence
            const vb::Long i = Near(eAT + eUP - vb::Int(Rnd() * PDF));
            const double di = static_cast<double>(i);
            b = Floor(Rnd() * (3 * di - di + 1) + di);
            if (b < 0) b = 0;
            c.lngHp = vb::SubLng(c.lngHp, b);
            break;
        }
        case 1:  // wild blow: defence does not count
            b = Floor(((eAT + eUP) * 1.5 + 1) * Rnd());
            c.lngHp = vb::SubLng(c.lngHp, b);
            break;
        case 2: {  // a tenth to a third of the player's hit points, plus 0..10
            const double HP = static_cast<double>(c.lngHp);
            const double j = vb::Int(Rnd() * (HP / 3 - HP / 10 + 1) + HP / 10);
            b = Near(vb::Int(Rnd() * 11) + j);
            c.lngHp = vb::SubLng(c.lngHp, b);
            break;
        }
        case 3: {  // drain: what the player loses, the enemy gains
            const vb::Long w = Near(eAT / 2 - vb::Int(Rnd() * PDF));
            const double r1 = vb::Int(Rnd() * 30 + 1);
            b = Near(r1 * static_cast<double>(w) / 10 + vb::Int(Rnd() * 11));
            if (b < 0) b = 0;
            c.lngHp = vb::SubLng(c.lngHp, b);
            s.lngHp = vb::AddLng(s.lngHp, b);
            break;
        }
        case 4: {  // heavy blow: i..2i with twice the attack
            const vb::Long i = Near(2 * (eAT + eUP - vb::Int(Rnd() * PDF)));
            const double di = static_cast<double>(i);
            b = Floor(Rnd() * (2 * di - di + 1) + di);
            if (b < 0) b = 0;
            c.lngHp = vb::SubLng(c.lngHp, b);
            break;
        }
        case 5:
            b = Floor(eMHP / 6);
            s.lngHp = vb::AddLng(s.lngHp, b);
            break;
        case 6:
            b = Floor(eMHP / 4);
            s.lngHp = vb::AddLng(s.lngHp, b);
            break;
        case 7:
            b = Floor(eAT / 5);
            if (b == 0) b = 1;
            s.lngAtUp = vb::AddLng(s.lngAtUp, b);
            break;
        case 8:
            b = Floor(eDF / 5);
            if (b == 0) b = 1;
            s.lngDfUp = vb::AddLng(s.lngDfUp, b);
            break;
        case 9:
            b = Floor(static_cast<double>(c.lngAt) / 5);
            if (b == 0) b = 1;
            glngBattleAtUp = vb::SubLng(glngBattleAtUp, b);
            break;
        case 10:
            b = Floor(static_cast<double>(c.lngDf) / 5);
            if (b == 0) b = 1;
            glngBattleDfUp = vb::SubLng(glngBattleDfUp, b);
            break;
        case 11:
            glngBattleAtUp = 0;
            glngBattleDfUp = 0;
            break;
        case 12:
            s.lngAtUp = 0;
            s.lngDfUp = 0;
            break;
        default: break;
    }
    return b;
}

}  // namespace

void Battle_Play_Cue(vb::Integer In_intKind) {
    switch (In_intKind) {
        case 1:
            Event_Play("PLAY_SOU", 110);
            Event_Play("PLAY_EFF", 21);
            break;
        case 2:
            Event_Play("PLAY_SOU", 113);
            Event_Play("PLAY_EFF", 18);
            break;
        case 3:
            Event_Play("PLAY_SOU", 112);
            Event_Play("PLAY_EFF", 22);
            break;
        case 4:
            Event_Play("PLAY_SOU", 111);
            Event_Play("PLAY_EFF", 23);
            break;
        case 5:
            Event_Play("PLAY_SOU", 103);
            Event_Play("PLAY_SOU", 103);
            Event_Play("PLAY_EFF", 21);
            break;
        default: break;
    }
}

void Battle_Enemy_Action(vb::Integer In_intSlot) {
    typBattleEnemy& s = mudtFoe(In_intSlot);
    const double d = 138.0 * (In_intSlot - 1);
    const std::string N = s.strFoeName;

    Battle_Message("", vb::kFalse);
    Battle_Refresh();

    const auto l = static_cast<vb::Single>(d + 20), r = static_cast<vb::Single>(d + 130);
    Manage_Draw_Text("<" + N + ">", l, 285, r, 296, 10, kBattleBlue, 2);
    Battle_Refresh();
    Battle_Wait(20);
    Battle_Fill(l, 285, r, 296, kBattleWhite);

    const vb::Long q = Near(Rnd() * 21);
    vb::Integer code = 0;
    std::string actName;
    if (q < 12) {
        code = 0;
        actName = s.strAct1;
    } else if (q > 16) {
        code = s.intAct3;
        actName = s.strAct3;
    } else {
        code = s.intAct2;
        actName = s.strAct2;
    }

    if (code < 0 || code > 12) {
        Battle_Message(N + "は何もしなかった", vb::kFalse);
        return;
    }

    const typActionWords& words = kAction[code];
    const vb::Long b = Carry_Out(code, s);
    const std::string target = words.onPlayer ? gudtGame.udtC1.strSName : N;

    Battle_Message(N + "は" + actName + words.word1, vb::kFalse);
    Battle_Refresh();
    Battle_Wait(10);
    Battle_Message(target + words.word2, vb::kTrue);
    Battle_Refresh();
    Battle_Wait(10);

    if (words.onPlayer) {
        Battle_Check_Limits();
        Battle_Draw_Player(3);
        Battle_Refresh();
    }
    Battle_Play_Cue(words.cue);
    Battle_Wait(10);

    Battle_Check_Limits();
    Battle_Draw_Player(1);
    Battle_Draw_Enemy(In_intSlot);

    if (code == 11 || code == 12) {
        Battle_Message(target + "は" + words.result, vb::kTrue);
    } else {
        Battle_Message(target + "は" + vb::CStr(b) + words.result, vb::kTrue);
    }
    Battle_Refresh();
    Battle_Wait(30);
}
