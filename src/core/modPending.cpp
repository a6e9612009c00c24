// Stand-ins for the subsystems that are not in the game yet (see modPending.h). Each writes
// "pending NAME" to the trace. The screens go straight back where they came from, so the game can
// always be left; nothing here draws, plays or changes the game record.
#include "core/modPending.h"

#include "core/modEvent.h"
#include "platform/trace.h"

namespace {

void Pending(const char* name) { platform::Trace_Write(std::string("pending ") + name); }

// A sub-screen that is not there: on its entry input go back to the state that opened it.
void LeaveToReturnState(vb::Integer kind) {
    if (kind != kInputRefresh && kind != kInputRefreshEntry) return;
    // A return state naming the screen itself would bounce back here without end.
    if (gintReturnState == static_cast<vb::Long>(gintGameState)) return;
    gintGameState = gintReturnState;
    Event_Dispatch(kInputRefresh, 0, 0);
}

}  // namespace

// Replaced by the load screen (save/). Goes back to the title (its return state).
void Event_Load_Screen(vb::Integer kind, vb::Single x, vb::Single y) {
    (void)x;
    (void)y;
    Pending("Event_Load_Screen");
    LeaveToReturnState(kind);
}

// Replaced by the save screen (save/).
void Event_Save_Screen(vb::Integer kind, vb::Single x, vb::Single y) {
    (void)x;
    (void)y;
    Pending("Event_Save_Screen");
    LeaveToReturnState(kind);
}
