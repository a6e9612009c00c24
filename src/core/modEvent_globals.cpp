// The shared variables of the event module.
#include <string>

#include "core/modEvent.h"
#include "platform/trace.h"

GameStateVar gintGameState;
vb::Long gintReturnState = 0;
vb::Integer gintEncounterNo = 0;
vb::Long glngClickAck = 0;
vb::Long glngKeyCursor = 0;
vb::Integer gintSubState = 0;
vb::Integer gintChoice = 0;
vb::Integer gintLastChoice = 0;
vb::Integer gintMenuSlot = 0;

GameStateVar& GameStateVar::operator=(vb::Long v) {
    if (v != value_) platform::Trace_Write("state " + std::to_string(value_) + " " + std::to_string(v));
    value_ = v;
    return *this;
}
