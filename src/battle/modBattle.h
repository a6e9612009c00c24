// The battle: the player character against a group of up to three enemies, fought in turns in the
// main window. Game state 8 sets the battle up, 9 waits for a command, 10 runs a turn; a won battle
// goes back to the field through state 4, a lost one to the defeat screen (state 13).
#pragma once
#include <string>

#include "common/vb_types.h"
#include "data/vb_array.h"

namespace platform {
class Form;
}

// One enemy slot of the battle.
struct typBattleEnemy {
    vb::Integer intPicNo = 0;
    vb::Integer intExtra1 = 0;
    vb::Integer intScrX = 0;  // left edge of the graphic on the window
    vb::Integer intScrY = 0;  // top edge of the graphic
    vb::Integer intWidth = 0;
    vb::Integer intHeight = 0;
    vb::Long lngHp = 0;
    vb::Long lngMhp = 0;
    vb::Long lngAt = 0;
    vb::Long lngDf = 0;
    vb::Long lngAtUp = 0;  // attack raised in this battle
    vb::Long lngDfUp = 0;  // defence raised in this battle
    std::string strAct1;   // the plain attack
    vb::Integer intAct2 = 0;
    std::string strAct2;
    vb::Integer intAct3 = 0;
    std::string strAct3;
    vb::Integer intExp = 0;
    vb::Long lngPom = 0;
    vb::Integer intExtra2 = 0;
    vb::Integer intWeak = 0;    // attribute that doubles the damage
    vb::Integer intStrong = 0;  // attribute that halves it
    vb::Boolean blnAlive = vb::kFalse;
    std::string strFoeName;
};

// --- battle state (one battle; the next Battle_Start prepares it anew) ---

extern vb::VbArray<typBattleEnemy, 1, 3> mudtFoe;
extern vb::Long glngBattleAtUp;  // the player's attack bonus in this battle
extern vb::Long glngBattleDfUp;  // the player's defence bonus in this battle
extern vb::Integer mintTurn;     // turns fought
extern platform::Form* mfrmBattle;
extern std::string mstrBattleMsg;  // the message window's text, lines joined by "\n"
extern vb::Integer mintMsgLines;   // lines appended to the current page (0..4)
extern vb::Integer mintCmdChoice;  // command row under the pointer, 0 none
extern vb::Integer mintCmdLast;    // command row drawn highlighted last

// Colours of the battle screen.
inline constexpr vb::Long kBattleDarkRed = 64;                            // RGB(64, 0, 0)
inline constexpr vb::Long kBattleRed = 255;                               // RGB(255, 0, 0)
inline constexpr vb::Long kBattleBlue = 0 + 89 * 256 + 245 * 65536;       // RGB(0, 89, 245)
inline constexpr vb::Long kBattleGrey = 128 + 128 * 256 + 128 * 65536;    // RGB(128, 128, 128)
inline constexpr vb::Long kBattleWhite = 0xFFFFFF;
inline constexpr vb::Long kBattleBlack = 0;

// --- set-up ---

// Binds the battle to the main window (once, when the game data is loaded).
void Battle_Init();
// Sets up the battle against enemy group In_intEnemyNo: slots, screen, music, the appearance
// lines and the accessories' bonuses. An error is shown and ends the set-up where it happened.
void Battle_Start(vb::Integer In_intEnemyNo);
// Fills the slots from section "E_" & In_intEnemyNo of the enemy file. Errors reach the caller.
void Battle_Load_Enemies(vb::Integer In_intEnemyNo);
// Puts enemy e of the enemy table into slot k (1 to 3), alive, centred on its slot.
void Battle_Place_Foe(int k, vb::Integer e);
// Keeps the enemies' hit points and raises and the character within their limits.
void Battle_Check_Limits();
// The music of a group (BASIS MUSIC1 below 200, MUSIC2 below 400, MUSIC3 from 400).
vb::Integer Battle_Music_Of(vb::Integer In_intEnemyNo);

// --- command input and screen ---

// Handler of game state 9: 0 the prompt, 1 choose the row under the pointer, 2 pointer moved.
void Battle_Input(vb::Integer kind, vb::Single x, vb::Single y);
// One turn: the player's attack with battle slot In_intCmd (1..4) or the body blow (-1), then
// every living enemy's action, each followed by the end-of-battle check.
void Battle_Run_Turn(vb::Integer In_intCmd);
// Shows a text in the message window; with In_blnAppend True as a new line of the page.
void Battle_Message(const std::string& In_strText, vb::Boolean In_blnAppend);
void Battle_Clear_Screen();
// 1 normal (or weak), 2 attacking, 3 hit, 4 fallen, 5 the tenth turn; other kinds no picture.
void Battle_Draw_Player(vb::Integer In_intKind);
// Negative: full redraw with the panel; 0: no row highlighted; 1..4: that row in red.
void Battle_Draw_Commands(vb::Integer In_intHighlight);
void Battle_Draw_Enemy(vb::Integer In_intSlot);
// Refreshes the battle window (nothing when it is not bound).
void Battle_Refresh();
// Waits In_lngFrames frame times.
void Battle_Wait(vb::Long In_lngFrames);
// Fills the rectangle on the battle window with one colour (corners included).
void Battle_Fill(vb::Single x1, vb::Single y1, vb::Single x2, vb::Single y2, vb::Long In_lngColor);
// Draws picture In_intNo at its stored position (x = y = -1) or at (x, y), white transparent. A
// picture that cannot be drawn is reported once per battle and the battle goes on.
void Battle_Pic(vb::Integer In_intNo, vb::Single x = -1, vb::Single y = -1);
// Forgets which pictures were reported (a new battle reports them again).
void Battle_Reset_Reports();

// --- player attack ---

void Battle_Player_Attack(vb::Integer In_intCmd);

// --- enemy actions ---

void Battle_Enemy_Action(vb::Integer In_intSlot);
// Sounds and screen effect of an enemy action: 1 hit, 2 drain or weakening, 3 strengthening,
// 4 healing, 5 the wild blow; other kinds nothing.
void Battle_Play_Cue(vb::Integer In_intKind);

// --- end of the battle ---

// 0 the battle goes on, 1 lost, 2 won; on 1 and 2 the new state has already been dispatched.
vb::Integer Battle_Check_End();
