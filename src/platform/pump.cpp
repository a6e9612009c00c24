#include "platform/pump.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace platform {
namespace {

struct Timer {
    int id = 0;
    std::uint32_t interval = 0;
    std::uint32_t due = 0;
    bool running = false;  // its handler is on the stack
};

Window* gWindow = nullptr;
std::vector<Timer> gTimers;

// Signed distance from a to b on the wrapping millisecond clock.
std::int32_t Until(std::uint32_t now, std::uint32_t when) {
    return static_cast<std::int32_t>(when - now);
}

Timer* FindTimer(int id) {
    for (Timer& t : gTimers) {
        if (t.id == id) return &t;
    }
    return nullptr;
}

}  // namespace

void Pump_SetWindow(Window* window) { gWindow = window; }
Window* Pump_GetWindow() { return gWindow; }

void Pump_SetTimer(int timerId, std::uint32_t intervalMs) {
    Timer* t = FindTimer(timerId);
    if (intervalMs == 0) {
        if (t != nullptr) t->interval = 0;
        return;
    }
    if (t == nullptr) {
        gTimers.push_back(Timer{timerId, 0, 0, false});
        t = &gTimers.back();
    }
    t->interval = intervalMs;
    t->due = Host_Get().Ticks() + intervalMs;
}

void Pump_KillTimers() {
    for (Timer& t : gTimers) t.interval = 0;
}

void Pump_DoEvents() {
    Host& host = Host_Get();
    InputEvent e;
    while (host.PollEvent(e)) {
        if (gWindow != nullptr) gWindow->OnInput(e);
    }
    // Timer ticks: each due timer fires once (late ticks are not stacked up, as with window timers).
    for (std::size_t i = 0; i < gTimers.size(); ++i) {
        const std::uint32_t now = host.Ticks();
        Timer& t = gTimers[i];
        if (t.interval == 0 || t.running || Until(now, t.due) > 0) continue;
        t.due = now + t.interval;
        const int id = t.id;
        t.running = true;
        if (gWindow != nullptr) gWindow->OnTimer(id);
        // The vector may have grown inside the handler; look the timer up again.
        if (Timer* again = FindTimer(id)) again->running = false;
    }
}

void Pump_Wait(std::uint32_t deadline) {
    Host& host = Host_Get();
    const std::uint32_t now = host.Ticks();
    std::uint32_t until = deadline;
    for (const Timer& t : gTimers) {
        if (t.interval == 0 || t.running) continue;
        if (Until(now, t.due) < Until(now, until)) until = t.due;
    }
    if (Until(now, until) <= 0) return;
    host.WaitEvent(until);
}

void Pump_Run() {
    for (;;) {
        Pump_DoEvents();
        Pump_Wait(Host_Get().Ticks() + 1000);
    }
}

}  // namespace platform
