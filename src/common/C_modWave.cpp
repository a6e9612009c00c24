#include "common/C_modWave.h"

#include <exception>

#include "common/C_modSystem.h"
#include "common/paths.h"
#include "platform/host.h"

void Wave_Play(const std::string& path) {
    try {
        platform::Host_Get().SoundPlay(vb::Path_Resolve(path));
    } catch (const std::exception& e) {
        Sys_Show_Error(e);
    }
}
