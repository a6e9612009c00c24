#include "platform/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

namespace platform {
namespace {
int gFd = -1;
}

std::string Instance_LockPath(const std::string& name) {
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    std::string base = (dir != nullptr && *dir != '\0') ? dir : "/tmp";
    if (dir == nullptr || *dir == '\0') return base + "/" + name + "-" + std::to_string(getuid()) + ".lock";
    return base + "/" + name + ".lock";
}

bool Instance_Acquire(const std::string& name) {
    if (gFd >= 0) return true;
    const std::string path = Instance_LockPath(name);
    // Never through a symbolic link: in a shared temporary folder someone else could point the
    // name at a file of their choosing, which this program would then create.
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return true;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return false;
    }
    gFd = fd;
    return true;
}

void Instance_Release() {
    if (gFd >= 0) {
        flock(gFd, LOCK_UN);
        close(gFd);
    }
    gFd = -1;
}

}  // namespace platform
