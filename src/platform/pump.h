// The event pump: delivers the host's input events and the window's timer ticks to the handlers of
// the current window. Handlers may wait, and waiting pumps again, so handlers nest.
#pragma once
#include <cstdint>

#include "platform/host.h"

namespace platform {

// A window's event handlers.
class Window {
public:
    virtual ~Window() = default;
    virtual void OnInput(const InputEvent& event) = 0;
    virtual void OnTimer(int timerId) = 0;
};

// The window that receives events from now on (nullptr: events are dropped).
void Pump_SetWindow(Window* window);
Window* Pump_GetWindow();

// Starts (or restarts) a timer of the current window; an interval of 0 stops it. A timer's handler
// never runs nested inside itself; a tick that comes due meanwhile is delivered once afterwards.
void Pump_SetTimer(int timerId, std::uint32_t intervalMs);
void Pump_KillTimers();

// Delivers every pending input event and every due timer tick, then returns (the classic DoEvents).
void Pump_DoEvents();
// Sleeps until an input event is pending, a timer comes due, or the clock reaches deadline.
void Pump_Wait(std::uint32_t deadline);
// The top-level message loop: pump and wait until Program_End.
[[noreturn]] void Pump_Run();

}  // namespace platform
