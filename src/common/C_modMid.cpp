#include "common/C_modMid.h"

#include <exception>

#include "common/C_modSystem.h"
#include "common/paths.h"
#include "common/vb_string.h"
#include "platform/host.h"

namespace {

// The result code of a status query when no piece is open (the sequencer's "invalid device name").
constexpr int kNoDevice = 263;

// The commands of the music device, each one host call. Their results are not examined: a piece
// that fails to open simply leaves nothing to play.
void Mid_Send_Stop() { platform::Host_Get().MusicStop(); }
void Mid_Send_Close() { platform::Host_Get().MusicClose(); }
void Mid_Send_Open(const std::string& path) { platform::Host_Get().MusicOpen(vb::Path_Resolve(path)); }
void Mid_Send_Play() { platform::Host_Get().MusicPlay(); }

// The status query: a result code (0 or kNoDevice) and the mode as text.
int Mid_Send_Status(std::string& mode) {
    switch (platform::Host_Get().MusicStatus()) {
        case platform::MusicMode::NotOpen:
            mode.clear();
            return kNoDevice;
        case platform::MusicMode::Stopped:
            mode = "stopped";
            break;
        case platform::MusicMode::Playing:
            mode = "playing";
            break;
        case platform::MusicMode::Paused:
            mode = "paused";
            break;
    }
    return 0;
}

}  // namespace

void Mid_Play(const std::string& path) {
    try {
        Mid_Send_Stop();
        Mid_Send_Close();
        if (path.empty()) return;
        Mid_Send_Open(path);
        Mid_Send_Play();
    } catch (const std::exception& e) {
        Sys_Show_Error(e);
    }
}

void Mid_Stop() {
    Mid_Send_Stop();
    Mid_Send_Close();
}

void Mid_Check_Loop(vb::Boolean loop) {
    try {
        std::string mode;
        if (Mid_Send_Status(mode) == kNoDevice) return;
        if (vb::UCase(vb::Left(mode, 7)) == "STOPPED" && loop != vb::kFalse) Mid_Send_Play();
    } catch (const std::exception& e) {
        Sys_Show_Error(e);
    }
}
