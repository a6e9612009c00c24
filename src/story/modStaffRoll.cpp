// The staff roll (state 12) and the defeat screen (state 13): the two ends of the game. Both leave
// the game in state 14, where the next press or key runs the quit sequence.
#include "story/modStaffRoll.h"

#include "common/C_modSystem.h"
#include "core/G_modGameInfo.h"
#include "core/G_modManage_Media.h"
#include "core/modEvent.h"
#include "core/modEvent_Form.h"
#include "platform/form.h"
#include "story/modTalk.h"

namespace {

constexpr vb::Integer kThanksPic = 9998;
constexpr vb::Integer kEndPic = 8001;

}  // namespace

void Event_Staff_Roll(vb::Integer kind, vb::Single x, vb::Single y) {
    (void)x;
    (void)y;
    if (kind != kInputRefresh) return;
    // An ending line in the staff roll's own script comes back here through the dispatcher; a
    // second roll inside the first would repeat itself until the stack runs out.
    static bool running = false;
    if (running) return;
    struct Running {
        Running() { running = true; }
        ~Running() { running = false; }
    } guard;
    gintLastChoice = 0;
    gintChoice = 0;
    Sys_Wait(vb::MulLng(10, glngFrameTime));
    Event_Play("PLAY_EFF", 17, "");
    Event_Talk("STAFF_MSG", "");
    Sys_Wait(vb::MulLng(10, glngFrameTime));
    Event_Play("PLAY_EFF", 19, "");

    if (gobjEventForm != nullptr) gobjEventForm->Cls();
    Talk_Show_Pic(kThanksPic);
    Talk_Refresh_Main();
    Event_Wait_Confirm();

    Talk_Fill_Black();
    Talk_Show_Pic(kEndPic);
    // Shown now, so the end picture is on screen for the whole wait.
    Talk_Refresh_Main();
    Sys_Wait(vb::MulLng(200, glngFrameTime));
    gintGameState = 14;
}

void Event_Defeat(vb::Integer kind, vb::Single x, vb::Single y) {
    (void)x;
    (void)y;
    if (kind == kInputRefresh) {
        gintLastChoice = 0;
        gintChoice = 0;
        Talk_Fill_Black();
        Talk_Show_Pic(kEndPic);
        Talk_Refresh_Main();
    } else if (kind == kInputSelect) {
        gintGameState = 14;
    }
}
