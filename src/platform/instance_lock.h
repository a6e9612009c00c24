// One running copy per user: an advisory lock on a file in the user's runtime directory. The
// kernel drops the lock when the process dies, however it dies.
#pragma once
#include <string>

namespace platform {

// True when this process now holds the lock (or already held it); false when another process
// holds it. A lock file that cannot be created at all counts as not running elsewhere.
bool Instance_Acquire(const std::string& name);
void Instance_Release();
// The lock file's path for a name ($XDG_RUNTIME_DIR, else the temporary directory).
std::string Instance_LockPath(const std::string& name);

}  // namespace platform
