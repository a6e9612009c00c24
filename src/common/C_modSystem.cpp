#include "common/C_modSystem.h"

#include "platform/instance_lock.h"
#include "platform/pump.h"
#include "platform/trace.h"

void Sys_Wait(vb::Long ms) {
    platform::Host& host = platform::Host_Get();
    const std::uint32_t start = host.Ticks();
    for (;;) {
        platform::Pump_DoEvents();
        // Unsigned difference: correct across a wrap of the millisecond counter.
        const std::uint32_t elapsed = host.Ticks() - start;
        if (ms < 0 || elapsed > static_cast<std::uint32_t>(ms)) return;
        platform::Pump_Wait(start + static_cast<std::uint32_t>(ms) + 1);
    }
}

void Sys_Check_Instance() {
    if (platform::Instance_Acquire("zove")) return;
    Sys_MsgBox("このソフトは二重に起動できません", "エラー処理", platform::MsgButtons::Ok,
               platform::MsgIcon::Exclamation);
    platform::Program_End(1);
}

platform::MsgAnswer Sys_MsgBox(const std::string& text, const std::string& title, platform::MsgButtons buttons,
                               platform::MsgIcon icon) {
    const std::string shownTitle = title.empty() ? std::string(kAppTitle) : title;
    const platform::MsgAnswer answer = platform::Host_Get().MessageBox(text, shownTitle, buttons, icon);
    if (platform::Trace_Enabled()) {
        const char* b = buttons == platform::MsgButtons::YesNo ? "yesno" : "ok";
        const char* a = answer == platform::MsgAnswer::Yes ? "yes" : answer == platform::MsgAnswer::No ? "no" : "ok";
        platform::Trace_Write("msgbox " + platform::Trace_Quote(text) + " " + platform::Trace_Quote(shownTitle) +
                              " " + b + " " + a);
    }
    return answer;
}

void Sys_Show_Error(const std::exception& e) { Sys_MsgBox(e.what()); }
