// Paths as the game builds them (Windows style, "dir\eve\A_SYS_FILE.ini") resolved to files here.
#pragma once
#include <string>
#include <string_view>

namespace vb {

// Turns a game path into a native one: backslashes become slashes, "." and ".." are applied, and
// every component is matched case-insensitively against the directory (an exact match wins).
// Components that do not exist are kept as written, so the result also names a file to create.
std::string Path_Resolve(std::string_view path);

bool Path_FileExists(std::string_view path);       // an existing regular file
bool Path_NativeFileExists(const std::string& nativePath);  // the same for a path resolved already
bool Path_DirExists(std::string_view path);        // an existing directory
bool Path_Exists(std::string_view path);           // anything of that name

// Forget cached directory listings (after the program itself creates files, say). Listings are
// also refreshed automatically when a directory's modification time changes.
void Path_ClearCache();
// Goes up by one with every Path_ClearCache: a resolution kept from an earlier value may be stale.
unsigned Path_CacheGeneration();

}  // namespace vb
