// Timed wait, the one-copy rule, and the message boxes every module uses to report errors.
#pragma once
#include <exception>
#include <string>

#include "common/vb_types.h"
#include "platform/host.h"

// The title of message boxes that name none of their own (the program's title).
inline constexpr const char* kAppTitle = "ぞーぶのにわ";

// Returns when more than ms milliseconds have passed, delivering input and timer events while it
// waits (their handlers may wait again: waits nest). Sleeps between passes instead of spinning.
// A negative duration returns after one pass; 0 lasts until the clock has moved on.
void Sys_Wait(vb::Long ms);

// Ends the program with the message "このソフトは二重に起動できません" when another copy runs.
void Sys_Check_Instance();

// A message box through the host, written to the trace. An empty title means the program's title.
platform::MsgAnswer Sys_MsgBox(const std::string& text, const std::string& title = "",
                               platform::MsgButtons buttons = platform::MsgButtons::Ok,
                               platform::MsgIcon icon = platform::MsgIcon::None);

// The handler of procedures that catch their errors: shows the error's description with OK.
void Sys_Show_Error(const std::exception& e);
