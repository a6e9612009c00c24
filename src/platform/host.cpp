#include "platform/host.h"

#include <cstdlib>
#include <cstdio>

namespace platform {
namespace {
Host* gHost = nullptr;
}

Host& Host_Get() {
    if (gHost == nullptr) {
        std::fputs("zove: no host set\n", stderr);
        std::abort();
    }
    return *gHost;
}

void Host_Set(Host* host) { gHost = host; }
bool Host_IsSet() { return gHost != nullptr; }

void Program_End(int code) { throw ProgramExit{code}; }

}  // namespace platform
