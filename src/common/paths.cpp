#include "common/paths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "common/vb_string.h"

namespace vb {
namespace {

struct Listing {
    struct timespec mtime {};
    std::unordered_set<std::string> names;
    std::unordered_map<std::string, std::string> folded;  // lower-case name -> first such name
};

std::unordered_map<std::string, Listing>& Cache() {
    static std::unordered_map<std::string, Listing> cache;
    return cache;
}

const Listing* ListDir(const std::string& dir) {
    struct stat st {};
    if (stat(dir.empty() ? "." : dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return nullptr;
    auto& cache = Cache();
    auto it = cache.find(dir);
    if (it != cache.end() && it->second.mtime.tv_sec == st.st_mtim.tv_sec &&
        it->second.mtime.tv_nsec == st.st_mtim.tv_nsec) {
        return &it->second;
    }
    Listing l;
    l.mtime = st.st_mtim;
    if (DIR* d = opendir(dir.empty() ? "." : dir.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string n = e->d_name;
            if (n == "." || n == "..") continue;
            l.folded.try_emplace(LCase(n), n);
            l.names.insert(std::move(n));
        }
        closedir(d);
    }
    return &(cache[dir] = std::move(l));
}

std::string Join(const std::string& dir, const std::string& name) {
    if (dir.empty()) return name;
    if (dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

}  // namespace

std::string Path_Resolve(std::string_view path) {
    std::string p(path);
    for (char& c : p) {
        if (c == '\\') c = '/';
    }
    const bool absolute = !p.empty() && p[0] == '/';
    std::vector<std::string> parts;
    for (const std::string& part : Split(p, "/")) {
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty() && parts.back() != "..") parts.pop_back();
            else if (!absolute) parts.push_back(part);
            continue;
        }
        parts.push_back(part);
    }
    std::string out = absolute ? "/" : "";
    bool dirKnown = true;  // out names an existing directory, so its listing can be searched
    for (const std::string& part : parts) {
        std::string chosen = part;
        if (dirKnown && part != "..") {
            const Listing* l = ListDir(out);
            if (l == nullptr) {
                dirKnown = false;
            } else {
                if (l->names.count(part) == 0) {
                    auto it = l->folded.find(LCase(part));
                    if (it != l->folded.end()) chosen = it->second;
                    else dirKnown = false;
                }
            }
        }
        out = Join(out, chosen);
    }
    return out.empty() ? std::string(".") : out;
}

bool Path_FileExists(std::string_view path) { return Path_NativeFileExists(Path_Resolve(path)); }

bool Path_NativeFileExists(const std::string& nativePath) {
    struct stat st {};
    return stat(nativePath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool Path_DirExists(std::string_view path) {
    struct stat st {};
    return stat(Path_Resolve(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Path_Exists(std::string_view path) {
    struct stat st {};
    return stat(Path_Resolve(path).c_str(), &st) == 0;
}

namespace {
unsigned gGeneration = 0;
}

void Path_ClearCache() {
    Cache().clear();
    ++gGeneration;
}

unsigned Path_CacheGeneration() { return gGeneration; }

}  // namespace vb
