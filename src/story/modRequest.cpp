// The scene between two requests: what happens before the title card depends on the request that
// begins (the prologue before the first, otherwise the end script of the one just finished); then
// the title card, the opening script and the field.
#include "story/modRequest.h"

#include "common/C_modSystem.h"
#include "core/G_modGameInfo.h"
#include "core/G_modManage_Media.h"
#include "core/G_modManage_Text.h"
#include "core/modEvent.h"
#include "core/modEvent_Form.h"
#include "data/modData.h"
#include "data/modSetting.h"
#include "platform/form.h"
#include "story/modTalk.h"

namespace {

constexpr vb::Long kCardColour = 64;  // dark red

}  // namespace

void Event_Request(vb::Integer kind, vb::Single x, vb::Single y) {
    (void)x;
    (void)y;
    if (kind != kInputRefresh) return;
    typProgress& progress = gudtGame.udtProgress;

    switch (progress.intScNo) {
        case 1:
            Talk_Play_TextList("KICK_MSG");
            Event_Play("PLAY_MID", gintMusicShop, "");
            Event_Talk("M_0ND_END");
            break;
        case 2:
        case 3:
        case 4:
            Event_Talk("M_" + vb::CStr(progress.intScNo - 1) + "ND_END");
            Setting_Load_SysFile();
            break;
        default: break;
    }

    Event_Play("PLAY_EFF", 3, "");
    Manage_Draw_Text("依頼番号． " + vb::Format(progress.intScNo, "###") + "番", 100, 120, 600, 300, 20, kCardColour, 0);
    Talk_Refresh_Main();
    Sys_Wait(vb::MulLng(40, glngFrameTime));
    Manage_Draw_Text(progress.strScStr, 60, 220, 600, 250, 22, kCardColour, 2);
    Talk_Refresh_Main();
    Event_Wait_Confirm();
    Event_Play("PLAY_EFF", 17, "");

    const vb::Integer no = progress.intScNo;
    if (no >= 1 && no <= 3) {
        Event_Talk("M_" + vb::CStr(no) + "ND_OPEN");
        gintGameState = 6;
        Event_Dispatch(kInputRefresh, 0, 0);
    }
}
