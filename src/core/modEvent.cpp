// The dispatcher: every input of the game (mouse, keyboard cursor, controller, and the null input
// after each state change) reaches the handler of the current game state through Event_Dispatch.
// Handlers change the state and dispatch again, so one click can run a whole chain of screens as
// nested calls.
#include "core/modEvent.h"

#include "core/G_modManage.h"
#include "core/modEvent_Form.h"
#include "battle/modBattle.h"
#include "field/modMap.h"
#include "menus/modMenu.h"
#include "menus/modShop.h"
#include "save/modSaveScreen.h"
#include "story/modRequest.h"
#include "story/modStaffRoll.h"
#include "story/modTitle.h"

platform::Form* gobjEventForm = nullptr;

void Event_Init() { gobjEventForm = gobjMainForm; }

void Event_Dispatch(vb::Integer kind, vb::Single x, vb::Single y) {
    if (kind == kInputRefresh || kind == kInputRefreshEntry) glngKeyCursor = 0;

    switch (static_cast<vb::Long>(gintGameState)) {
        case 0: Event_Title(kind, x, y); break;
        case 1: Event_Load_Screen(kind, x, y); break;
        case 2: Event_Save_Screen(kind, x, y); break;
        case 3: Event_Request(kind, x, y); break;
        case 4:  // back from a battle or a sub-screen: resume the field loop
            if (kind != kInputRefresh) break;
            gintGameState = 5;
            Event_Dispatch(kInputRefresh, 0, 0);
            break;
        case 5: {  // the field loop runs until the state changes or an enemy group is met
            if (kind != kInputRefresh) break;
            const vb::Integer enemy = Map_Run_Loop();
            if (enemy == 0) break;
            gintEncounterNo = enemy;
            gintGameState = 8;
            Event_Dispatch(kInputRefresh, 0, 0);
            break;
        }
        case 6:  // enter the map the game record names
            if (kind != kInputRefresh) break;
            Map_Enter_FromRecord();
            gintGameState = 5;
            Event_Dispatch(kInputRefresh, 0, 0);
            break;
        case 7: Event_Status_Menu(kind, x, y); break;
        case 8:
            if (kind != kInputRefresh) break;
            Battle_Start(gintEncounterNo);
            gintGameState = 9;
            Event_Dispatch(kInputRefresh, 0, 0);
            break;
        case 9: Battle_Input(kind, x, y); break;
        case 11: Event_Shop(kind, x, y); break;
        case 12: Event_Staff_Roll(kind, x, y); break;
        case 13: Event_Defeat(kind, x, y); break;
        default:  // 10 (a battle turn is running), 14 (quitting) and unknown codes
            break;
    }
}
