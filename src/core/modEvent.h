// The game state and the dispatcher that routes every input to the handler of the current state,
// with the screen-choice state shared by the title, load, save, menu and shop screens.
#pragma once
#include "common/vb_types.h"

// Input kinds of Event_Dispatch.
enum : vb::Integer {
    kInputRefreshEntry = -1,
    kInputRefresh = 0,
    kInputSelect = 1,
    kInputPointer = 2,
    kInputCancel = 3,
};

// The game state, 0 to 14. Every change is written to the trace as "state OLD NEW".
class GameStateVar {
public:
    GameStateVar& operator=(vb::Long v);
    operator vb::Long() const { return value_; }

private:
    vb::Long value_ = 0;
};
extern GameStateVar gintGameState;
extern vb::Long gintReturnState;  // state to go back to when a sub-screen closes
extern vb::Integer gintEncounterNo;
extern vb::Long glngClickAck;     // 10000 after a click or Enter
extern vb::Long glngKeyCursor;    // keyboard cursor index, 0 = none
extern vb::Integer gintSubState;  // sub-screen of the menu and the shop
extern vb::Integer gintChoice;     // row under the pointer, 0 none
extern vb::Integer gintLastChoice; // row framed last
extern vb::Integer gintMenuSlot;

// Routes one input to the handler of gintGameState.
void Event_Dispatch(vb::Integer kind, vb::Single x, vb::Single y);
// Binds the state handlers' reference to the main window.
void Event_Init();
