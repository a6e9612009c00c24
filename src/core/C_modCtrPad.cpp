#include "core/C_modCtrPad.h"

#include <exception>

#include "common/C_modSystem.h"
#include "platform/host.h"

vb::Long glngPadId = -1;
vb::Long glngPadXLow = 0;
vb::Long glngPadXHigh = 0;
vb::Long glngPadYLow = 0;
vb::Long glngPadYHigh = 0;
vb::Long glngPadX = 0;
vb::Long glngPadY = 0;
vb::Long glngPadButtons = 0;

namespace {

// How far from either end of its range the stick must be pushed before it counts.
constexpr vb::Long kPadDeadZone = 16384;

vb::Long ToLong(std::uint32_t v) { return vb::CLng(static_cast<double>(v)); }

// -1 below low, 1 above high, else 0.
vb::Long Direction(std::uint32_t value, vb::Long low, vb::Long high) {
    const long long v = value;
    return (v > high ? 1 : 0) - (v < low ? 1 : 0);
}

[[noreturn]] void CtrPad_Fail(const std::exception& e) {
    Sys_Show_Error(e);
    platform::Program_End(1);
}

}  // namespace

std::string CtrPad_Init(vb::Boolean& ready) {
    try {
        glngPadId = -1;
        ready = vb::kFalse;
        platform::Host& host = platform::Host_Get();
        const int devices = host.JoyNumDevs();
        if (devices <= 0) return "";
        for (int id = 0; id < devices; ++id) {
            platform::JoyPos pos;
            if (host.JoyGetPos(id, pos)) {
                glngPadId = id;
                break;
            }
        }
        if (glngPadId == -1) {
            return "ゲームコントローラは接続されていません\r\n"
                   "利用する場合、コントローラ接続後にゲームを再起動をしてください";
        }
        platform::JoyCaps caps;
        if (!host.JoyGetCaps(glngPadId, caps)) {
            glngPadId = -2;
            return "";
        }
        glngPadXLow = vb::AddLng(ToLong(caps.xMin), kPadDeadZone);
        glngPadXHigh = vb::SubLng(ToLong(caps.xMax), kPadDeadZone);
        glngPadYLow = vb::AddLng(ToLong(caps.yMin), kPadDeadZone);
        glngPadYHigh = vb::SubLng(ToLong(caps.yMax), kPadDeadZone);
        ready = vb::kTrue;
        return "ゲームコントローラの接続を確認しました";
    } catch (const std::exception& e) {
        CtrPad_Fail(e);
    }
}

void CtrPad_Poll() {
    try {
        if (glngPadId <= -1) {
            glngPadX = 0;
            glngPadY = 0;
            glngPadButtons = 0;
            return;
        }
        // A failed read (the controller was pulled out) counts as no input rather than as a stick
        // pushed to some corner.
        platform::JoyPos pos;
        if (!platform::Host_Get().JoyGetPos(glngPadId, pos)) {
            glngPadX = 0;
            glngPadY = 0;
            glngPadButtons = 0;
            return;
        }
        glngPadX = Direction(pos.x, glngPadXLow, glngPadXHigh);
        glngPadY = Direction(pos.y, glngPadYLow, glngPadYHigh);
        glngPadButtons = ToLong(pos.buttons);
    } catch (const std::exception& e) {
        CtrPad_Fail(e);
    }
}
