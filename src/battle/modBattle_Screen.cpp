// The battle screen and the command input of game state 9: letterbox bands, the player's and the
// enemies' hit-point panels and pictures, the command list, the message window, and the turn
// sequence a chosen command starts.
#include <algorithm>
#include <set>

#include "battle/modBattle.h"
#include "common/C_modSystem.h"
#include "common/vb_error.h"
#include "core/G_modGameInfo.h"
#include "core/G_modManage_Media.h"
#include "core/G_modManage_Text.h"
#include "core/modEvent.h"
#include "data/modData.h"
#include "data/modSetting.h"
#include "platform/form.h"
#include "platform/raster.h"

namespace {

// Pictures that could not be drawn in this battle: each is reported once, not on every redraw.
std::set<vb::Integer> gReported;

// Top of the name and ammunition boxes of command row i (1..4).
double RowTop(int i) { return 338 + 22 * (i - 1); }

// Pointer bands of the command rows (bounds included).
constexpr double kRowBand[4][2] = {{335, 352}, {360, 372}, {382, 394}, {404, 416}};

// The share of a bar still standing; a maximum of 0 counts as an empty bar.
double Fraction(vb::Long hp, vb::Long mhp) {
    if (mhp == 0) return 0;
    return std::clamp(static_cast<double>(hp) / static_cast<double>(mhp), 0.0, 1.0);
}

bool AllSlotsEmpty() {
    const typCharacter& c = gudtGame.udtC1;
    for (int i = 1; i <= 4; ++i) {
        if (c.intWeNo(i) != 0) return false;
    }
    return true;
}

bool AnyEnemyAlive() {
    for (int k = 1; k <= 3; ++k) {
        if (mudtFoe(k).blnAlive != vb::kFalse) return true;
    }
    return false;
}

void Text(const std::string& text, double l, double t, double r, double b, vb::Long colour, vb::Integer align) {
    Manage_Draw_Text(text, static_cast<vb::Single>(l), static_cast<vb::Single>(t), static_cast<vb::Single>(r),
                     static_cast<vb::Single>(b), 10, colour, align);
}

// Starts the turn of a chosen command; an error inside it is shown and the prompt comes back.
void StartTurn(vb::Integer cmd) {
    Event_Play("PLAY_SOU", 22);
    gintGameState = 10;
    Battle_Fill(5, 330, 193, 425, kBattleWhite);
    try {
        Battle_Run_Turn(cmd);
    } catch (const vb::Error& e) {
        Sys_Show_Error(e);
        if (gintGameState == 10) {
            Battle_Input(kInputPointer, 0, 0);
            Battle_Input(kInputRefresh, 0, 0);
            gintGameState = 9;
        }
    }
}

}  // namespace

// The handler proper of Battle_Input.
static void Battle_Input_Case(vb::Integer kind, vb::Single x, vb::Single y);

void Battle_Reset_Reports() { gReported.clear(); }

void Battle_Refresh() {
    if (mfrmBattle != nullptr) mfrmBattle->Refresh();
}

void Battle_Wait(vb::Long In_lngFrames) { Sys_Wait(vb::MulLng(In_lngFrames, glngFrameTime)); }

void Battle_Fill(vb::Single x1, vb::Single y1, vb::Single x2, vb::Single y2, vb::Long In_lngColor) {
    if (mfrmBattle == nullptr) return;
    platform::Form_Line(*mfrmBattle, x1, y1, x2, y2, static_cast<platform::Colour>(In_lngColor),
                        platform::LineKind::FilledBox);
}

void Battle_Pic(vb::Integer In_intNo, vb::Single x, vb::Single y) {
    try {
        Manage_Play_Pic(In_intNo, x, y, kBattleWhite);
    } catch (const vb::Error& e) {
        if (gReported.insert(In_intNo).second) Sys_Show_Error(e);
    }
}

void Battle_Clear_Screen() {
    if (mfrmBattle != nullptr) mfrmBattle->Cls();
    Battle_Fill(0, 0, 650, 50, kBattleBlack);
    Battle_Fill(0, 430, 650, 490, kBattleBlack);
}

void Battle_Draw_Player(vb::Integer In_intKind) {
    const typCharacter& c = gudtGame.udtC1;
    Battle_Fill(489, 65, 620, 100, kBattleWhite);
    Battle_Pic(3005);
    Battle_Fill(static_cast<vb::Single>(489 + 120 * Fraction(c.lngHp, c.lngMhp)), 87, 609, 90, kBattleGrey);
    Text("[ " + vb::CStr(c.lngHp) + " ]", 510, 70, 616, 82, kBattleDarkRed, 1);
    Battle_Fill(470, 220, 640, 480, kBattleWhite);
    Battle_Fill(0, 430, 650, 490, kBattleBlack);
    vb::Integer pic = 0;
    switch (In_intKind) {
        case 1: {
            const double hp = static_cast<double>(c.lngHp), mhp = static_cast<double>(c.lngMhp);
            if (hp > 0 && hp < mhp / 10) {
                pic = 3107;
            } else if (hp >= mhp / 10 && hp < mhp / 3) {
                pic = 3104;
            } else {
                pic = 3101;
            }
            break;
        }
        case 2: pic = 3102; break;
        case 3: pic = 3103; break;
        case 4: pic = 3105; break;
        case 5: pic = 3106; break;
        default: return;
    }
    Battle_Pic(pic);
}

void Battle_Draw_Enemy(vb::Integer In_intSlot) {
    const typBattleEnemy& s = mudtFoe(In_intSlot);
    if (s.blnAlive == vb::kFalse) return;
    const double d = 138.0 * (In_intSlot - 1);
    Battle_Fill(static_cast<vb::Single>(d + 6), 65, static_cast<vb::Single>(d + 137), 100, kBattleWhite);
    Battle_Pic(static_cast<vb::Integer>(3001 + In_intSlot));
    Text("[ " + vb::CStr(s.lngHp) + " ]", d + 30, 70, d + 137, 82, kBattleDarkRed, 1);
    Battle_Fill(static_cast<vb::Single>(d + 10 + 120 * Fraction(s.lngHp, s.lngMhp)), 88,
                static_cast<vb::Single>(d + 130), 91, kBattleGrey);
    Battle_Fill(s.intScrX, s.intScrY, static_cast<vb::Single>(s.intScrX + s.intWidth),
                static_cast<vb::Single>(s.intScrY + s.intHeight), kBattleWhite);
    Battle_Pic(s.intPicNo, s.intScrX, s.intScrY);
}

void Battle_Draw_Commands(vb::Integer In_intHighlight) {
    const typCharacter& c = gudtGame.udtC1;
    if (In_intHighlight < 0) Battle_Pic(3000);
    for (int i = 1; i <= 4; ++i) {
        if (c.intWeTama(i) <= 0) continue;
        const vb::Long colour = i == In_intHighlight ? kBattleRed : kBattleDarkRed;
        const double top = RowTop(i);
        Text(gudtWeapon(c.intWeNo(i)).strName, 20, top, 170, top + 12, colour, 0);
        Text("[ " + vb::Format(c.intWeTama(i), "00") + " ]", 140, top, 190, top + 12, colour, 0);
    }
    if (AllSlotsEmpty()) {
        Text("体当たり", 20, RowTop(1), 170, RowTop(1) + 12, In_intHighlight == 1 ? kBattleRed : kBattleDarkRed, 0);
    }
}

void Battle_Message(const std::string& In_strText, vb::Boolean In_blnAppend) {
    Battle_Pic(3001);
    if (In_blnAppend != vb::kFalse && !mstrBattleMsg.empty() && mintMsgLines <= 3) {
        mstrBattleMsg += "\\n" + In_strText;
        mintMsgLines = vb::AddInt(mintMsgLines, 1);
    } else {
        mstrBattleMsg = In_strText;
        mintMsgLines = 0;
    }
    Text(mstrBattleMsg, 205, 341, 460, 420, kBattleBlue, 0);
}

void Battle_Input(vb::Integer kind, vb::Single x, vb::Single y) {
    // A broken table entry (a weapon number outside the table, say) is shown and the battle
    // screen stays usable; a turn's own errors are handled where it starts.
    try {
        Battle_Input_Case(kind, x, y);
    } catch (const vb::Error& e) {
        Sys_Show_Error(e);
    }
}

static void Battle_Input_Case(vb::Integer kind, vb::Single x, vb::Single y) {
    switch (kind) {
        case kInputRefresh:
            // A group without any enemy (an empty or missing section) is over before it starts.
            if (!AnyEnemyAlive()) {
                gintGameState = 10;
                Battle_Check_End();
                return;
            }
            mintCmdLast = 0;
            mintCmdChoice = 0;
            Battle_Draw_Commands(-1);
            Battle_Message("攻撃方法を選択してください。", vb::kFalse);
            Battle_Refresh();
            break;
        case kInputPointer: {
            vb::Integer row = 0;
            if (x >= 20 && x <= 190) {
                for (int i = 0; i < 4; ++i) {
                    if (y >= kRowBand[i][0] && y <= kRowBand[i][1]) row = static_cast<vb::Integer>(i + 1);
                }
            }
            mintCmdChoice = row;
            if (row != mintCmdLast) {
                mintCmdLast = row;
                Battle_Draw_Commands(row);
                Battle_Refresh();
            }
            break;
        }
        case kInputSelect: {
            const vb::Integer c = mintCmdChoice;
            if (c < 1) return;
            if (gudtGame.udtC1.intWeTama(c) > 0) {
                StartTurn(mintCmdLast);
            } else if (c == 1 && AllSlotsEmpty()) {
                StartTurn(-1);
            }
            break;
        }
        default: break;
    }
}

void Battle_Run_Turn(vb::Integer In_intCmd) {
    Battle_Player_Attack(In_intCmd);
    if (Battle_Check_End() != 0) return;
    for (int k = 1; k <= 3; ++k) {
        if (mudtFoe(k).blnAlive != vb::kFalse) Battle_Enemy_Action(static_cast<vb::Integer>(k));
        if (Battle_Check_End() != 0) return;
    }
    mintTurn = vb::AddInt(mintTurn, 1);
    if (mintTurn % 10 == 9) {
        Battle_Draw_Player(5);
        glngBattleAtUp = vb::MulLng(mintTurn, gudtGame.udtC1.lngLv);
        Event_Play("PLAY_EFF", 22);
        Event_Play("PLAY_EFF", 22);
        Battle_Refresh();
    }
    Battle_Input(kInputPointer, 0, 0);
    Battle_Input(kInputRefresh, 0, 0);
    gintGameState = 9;
}
