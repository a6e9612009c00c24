// The key handler of the main window and the controller feeding. Keys are handled in two steps:
// the keys of every state first, then the key of the current state.
#include "core/modInput.h"

#include "common/C_modSystem.h"
#include "common/vb_error.h"
#include "core/C_modCtrPad.h"
#include "core/G_modGameInfo.h"
#include "core/G_modManage.h"
#include "core/G_modManage_Text.h"
#include "core/frmMain.h"
#include "core/modEvent.h"
#include "field/modMap.h"
#include "platform/form.h"
#include "platform/host.h"

namespace {

using platform::kKeyDown;
using platform::kKeyEnter;
using platform::kKeyEscape;
using platform::kKeyF4;
using platform::kKeyImeProcess;
using platform::kKeyLeft;
using platform::kKeyNum1;
using platform::kKeyNum4;
using platform::kKeyRight;
using platform::kKeySpace;
using platform::kKeyTab;
using platform::kKeyUp;

constexpr vb::Long kRed = 255;

const char* const kFullWidthWarning =
    "キーボードが全角設定になっている可能性があります。\r\n"
    "半角／全角キーを押下し、半角にしてください。\r\n"
    "※なお切り替え時(半角／全角キー押下時)にも\r\n"
    "このメッセージが表示されるのでご注意ください。";

// Battle command positions of the keypad keys 1 to 4.
constexpr vb::Single kBattleY[4] = {335, 360, 382, 404};

void Key_Show_Warning() {
    // Nothing to draw on before the window references are bound by the loading tick.
    if (gobjMainForm == nullptr) return;
    Manage_Copy_Screen(vb::kTrue);
    Manage_Draw_Text(kFullWidthWarning, 200, 400, 640, 480, 8, kRed, 0);
    Sys_Wait(vb::MulLng(glngFrameTime, 30));
    Manage_Copy_Screen(vb::kFalse);
    gobjMainForm->Refresh();
}

void Key_Change_Speed() {
    glngFrameTime = vb::AddLng(glngFrameTime, 10);
    if (glngFrameTime >= 100) glngFrameTime = 10;
    Manage_Copy_Screen(vb::kTrue);
    Manage_Draw_Text("FPS:" + vb::CStr(glngFrameTime), 585, 455, 640, 480, 10, kRed, 0);
    Sys_Wait(vb::MulLng(glngFrameTime, 5));
    Manage_Copy_Screen(vb::kFalse);
    if (gobjMainForm != nullptr) gobjMainForm->Refresh();
}

// Step 1: keys that act in every state (at most one of them applies).
void Key_Common(vb::Integer KeyCode, vb::Integer Shift) {
    if (KeyCode == kKeyEnter) {
        glngClickAck = 10000;
    } else if (KeyCode == kKeyImeProcess) {
        Key_Show_Warning();
    } else if (KeyCode == kKeyEscape) {
        const platform::MsgAnswer answer =
            Sys_MsgBox("終了しますか？", "SYSTEM MSG", platform::MsgButtons::YesNo, platform::MsgIcon::Question);
        if (answer == platform::MsgAnswer::Yes) frmMain().Main_Quit_Game();
    } else if (KeyCode == kKeyF4 && (Shift & platform::kShiftAlt) != 0) {
        frmMain().Main_Quit_Game();
    } else if (KeyCode == kKeyTab && frmMain().mblnLoaded != vb::kFalse) {
        Key_Change_Speed();
    }
}

// Down / Up: step the keyboard cursor through the screen's positions (wrapping) and point there.
void Key_Move_Cursor(vb::Integer KeyCode) {
    const vb::Long count = Key_Cursor_Count();
    if (count <= 0) return;
    if (KeyCode == kKeyDown) {
        glngKeyCursor = glngKeyCursor + 1;
        if (glngKeyCursor > count) glngKeyCursor = 1;
    } else {
        glngKeyCursor = glngKeyCursor - 1;
        if (glngKeyCursor < 1) glngKeyCursor = count;
        // A cursor left over from a longer list of another sub-screen.
        if (glngKeyCursor > count) glngKeyCursor = count;
    }
    vb::Single x = 0;
    vb::Single y = 0;
    Key_Cursor_Position(glngKeyCursor, x, y);
    Event_Dispatch(kInputPointer, x, y);
}

bool IsUpDown(vb::Integer k) { return k == kKeyDown || k == kKeyUp; }

// The guarded states: the key is dropped while another input is handled.
void Key_Guarded(vb::Integer KeyCode) {
    const vb::Long state = gintGameState;
    switch (state) {
        case 0:
            if (IsUpDown(KeyCode)) {
                Key_Move_Cursor(KeyCode);
            } else if (KeyCode == kKeyEnter) {
                Event_Dispatch(kInputSelect, 0, 0);
                // On the quit row the select has set the quitting state: quit at once.
                if (glngKeyCursor == 3) Form_KeyDown(0, 0);
            }
            break;
        case 1:
        case 2:
            if (IsUpDown(KeyCode)) {
                Key_Move_Cursor(KeyCode);
            } else if (KeyCode == kKeyEnter) {
                Event_Dispatch(kInputSelect, 0, 0);
            } else if (KeyCode == kKeySpace) {
                Event_Dispatch(kInputCancel, 0, 0);
            }
            break;
        case 7:
        case 11:
            if (IsUpDown(KeyCode)) {
                Key_Move_Cursor(KeyCode);
            } else if (KeyCode == kKeyEnter) {
                Event_Dispatch(kInputSelect, 0, 0);
                glngKeyCursor = 0;
            } else if (KeyCode == kKeySpace) {
                Event_Dispatch(kInputCancel, 0, 0);
                glngKeyCursor = 0;
            }
            break;
        case 9:
            if (KeyCode >= kKeyNum1 && KeyCode <= kKeyNum4) {
                Event_Dispatch(kInputPointer, 20, kBattleY[KeyCode - kKeyNum1]);
                Event_Dispatch(kInputSelect, 0, 0);
            }
            break;
        default:
            break;
    }
}

bool IsGuardedState(vb::Long state) {
    return state == 0 || state == 1 || state == 2 || state == 7 || state == 9 || state == 11;
}

// Step 2: the key of the current state.
void Key_State(vb::Integer KeyCode) {
    const vb::Long state = gintGameState;
    if (IsGuardedState(state)) {
        frmMainWindow& w = frmMain();
        if (w.mintBusy > 0) return;
        w.mintBusy = 1;
        try {
            Key_Guarded(KeyCode);
        } catch (...) {
            w.mintBusy = 0;
            throw;
        }
        w.mintBusy = 0;
        return;
    }
    switch (state) {
        case 5:
            if (KeyCode == kKeyUp || KeyCode == kKeyDown || KeyCode == kKeyLeft || KeyCode == kKeyRight ||
                KeyCode == kKeyEnter || KeyCode == kKeySpace) {
                Map_Key(KeyCode);
            }
            break;
        case 13:
            if (KeyCode == kKeyEnter) Event_Dispatch(kInputSelect, 0, 0);
            break;
        case 14:
            frmMain().Main_Quit_Game();
            break;
        default:  // 3, 4, 6, 8, 10, 12: nothing
            break;
    }
}

// Feeds one controller key through the window's key handler.
void Feed(vb::Integer KeyCode) { Form_KeyDown(KeyCode, 0); }

}  // namespace

vb::Long Key_Cursor_Count() {
    const vb::Long state = gintGameState;
    switch (state) {
        case 0: return 3;
        case 1:
        case 2: return 7;
        case 7:
            if (gintSubState == 0) return 13;
            if (gintSubState == 1 || gintSubState == 2) return 7;
            return 0;
        case 11:
            if (gintSubState == 0) return 3;
            if (gintSubState == 1) return 7;
            if (gintSubState == 2) return 21;
            return 0;
        default: return 0;
    }
}

void Key_Cursor_Position(vb::Long i, vb::Single& x, vb::Single& y) {
    const vb::Long state = gintGameState;
    auto set = [&](double px, double py) {
        x = static_cast<vb::Single>(px);
        y = static_cast<vb::Single>(py);
    };
    x = 0;
    y = 0;
    switch (state) {
        case 0: set(410, 190 + 40 * (i - 1)); break;
        case 1:
        case 2: set(90, 75 + 50 * (i - 1)); break;
        case 7:
            if (gintSubState == 0) {
                if (i <= 4) {
                    set(289, 80 + 30 * (i - 1));
                } else if (i <= 6) {
                    set(289, 236 + 30 * (i - 5));
                } else {
                    set(487, 80 + 30 * (i - 7));
                }
            } else {
                set(101, 67 + 30 * (i - 1));
            }
            break;
        case 11:
            if (gintSubState == 0) {
                set(65, 392 + 20 * (i - 1));
            } else if (gintSubState == 1) {
                set(101, 67 + 30 * (i - 1));
            } else if (i <= 7) {
                set(71, 67 + 30 * (i - 1));
            } else if (i <= 14) {
                set(271, 67 + 30 * (i - 8));
            } else {
                set(471, 67 + 30 * (i - 15));
            }
            break;
        default: break;
    }
}

void Form_KeyDown(vb::Integer KeyCode, vb::Integer Shift) {
    Key_Common(KeyCode, Shift);
    Key_State(KeyCode);
}

void Timer1_Timer() {
    const vb::Long state = gintGameState;
    switch (state) {
        case 0:
        case 1:
        case 2:
        case 7:
        case 11:
        case 13:
        case 14: KeyPad_Case4_Main(); break;
        case 9:
            if (gblnPadReady != vb::kFalse) KeyPad_Case2_Main();
            break;
        default: break;
    }
}

void KeyPad_Case1_Main() {
    CtrPad_Poll();
    if (glngPadX == -1) Feed(kKeyLeft);
    if (glngPadX == 1) Feed(kKeyRight);
    if (glngPadY == -1) Feed(kKeyUp);
    if (glngPadY == 1) Feed(kKeyDown);
    if ((glngPadButtons & 1) != 0) Feed(kKeyEnter);
    if ((glngPadButtons & 2) != 0) Feed(kKeySpace);
    if ((glngPadButtons & 4) != 0) Feed(0);
    if ((glngPadButtons & 8) != 0) Feed(0);
}

void KeyPad_Case2_Main() {
    CtrPad_Poll();
    if ((glngPadButtons & 1) != 0) Feed(kKeyNum1);
    if ((glngPadButtons & 2) != 0) Feed(kKeyNum1 + 1);
    if ((glngPadButtons & 4) != 0) Feed(kKeyNum1 + 2);
    if ((glngPadButtons & 8) != 0) Feed(kKeyNum4);
}

void KeyPad_Case4_Main() {
    CtrPad_Poll();
    if (glngPadX == -1) Feed(kKeyLeft);
    if (glngPadX == 1) Feed(kKeyRight);
    if (glngPadY == -1) Feed(kKeyUp);
    if (glngPadY == 1) Feed(kKeyDown);
    if ((glngPadButtons & 1) != 0) {
        Feed(kKeyEnter);
        Sys_Wait(100);
    }
    if ((glngPadButtons & 2) != 0) {
        Feed(kKeySpace);
        Sys_Wait(100);
    }
    if ((glngPadButtons & 4) != 0) Feed(0);
    if ((glngPadButtons & 8) != 0) Feed(0);
}
