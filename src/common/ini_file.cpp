#include "common/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <unordered_map>
#include <vector>

#include "common/cp932.h"
#include "common/paths.h"
#include "common/vb_error.h"
#include "common/vb_string.h"

namespace vb {
namespace {

constexpr std::size_t kMaxValueBytes = 399;

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

std::string TrimBlanks(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsSpace(s[b])) ++b;
    while (e > b && IsSpace(s[e - 1])) --e;
    return std::string(s.substr(b, e - b));
}

// Bytes the character takes in Shift-JIS: one for ASCII and half-width katakana, two otherwise.
std::size_t Cp932Width(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xFF61 && cp <= 0xFF9F) || cp == 0xFFFD) return 1;
    return 2;
}

std::string CutToBytes(const std::string& utf8, std::size_t maxBytes) {
    std::size_t pos = 0, bytes = 0;
    while (pos < utf8.size()) {
        std::size_t next = pos;
        const char32_t cp = Utf8Next(utf8, next);
        if (bytes + Cp932Width(cp) > maxBytes) return utf8.substr(0, pos);
        bytes += Cp932Width(cp);
        pos = next;
    }
    return utf8;
}

enum class Kind { Other, Section, Key };

struct Line {
    std::size_t begin = 0;  // byte range of the line's text in the raw file (terminator excluded)
    std::size_t end = 0;
    std::size_t next = 0;   // where the following line starts
    Kind kind = Kind::Other;
    std::string name;       // section or key name, folded to lower case
};

struct Parsed {
    struct timespec mtime {};
    off_t size = -1;
    ino_t ino = 0;
    std::string raw;
    std::vector<Line> lines;
    // First section of a name -> first key of a name -> value.
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> values;
};

std::string Unquote(std::string v) {
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') return v.substr(1, v.size() - 2);
    return v;
}

void ParseInto(Parsed& p) {
    p.lines.clear();
    p.values.clear();
    const std::string& raw = p.raw;
    std::size_t pos = 0;
    std::unordered_map<std::string, std::string>* current = nullptr;
    while (pos < raw.size()) {
        Line l;
        l.begin = pos;
        std::size_t e = pos;
        while (e < raw.size() && raw[e] != '\r' && raw[e] != '\n') ++e;
        l.end = e;
        if (e < raw.size() && raw[e] == '\r') ++e;
        if (e < raw.size() && raw[e] == '\n') ++e;
        l.next = e;
        pos = e;
        // '[' and ']' can be the second byte of a Shift-JIS character, so look at decoded text.
        const std::string text = TrimBlanks(Cp932ToUtf8(std::string_view(raw).substr(l.begin, l.end - l.begin)));
        if (!text.empty() && text[0] == '[') {
            const std::size_t close = text.rfind(']');
            std::string name = close == std::string::npos || close == 0 ? text.substr(1) : text.substr(1, close - 1);
            l.kind = Kind::Section;
            l.name = LCase(TrimBlanks(name));
            auto [it, inserted] = p.values.try_emplace(l.name);
            current = inserted ? &it->second : nullptr;  // a repeated section is not searched
        } else if (!text.empty()) {
            const std::size_t eq = text.find('=');
            l.kind = Kind::Key;
            l.name = LCase(TrimBlanks(eq == std::string::npos ? text : text.substr(0, eq)));
            if (current != nullptr) {
                std::string value = eq == std::string::npos ? std::string() : Unquote(TrimBlanks(text.substr(eq + 1)));
                current->try_emplace(l.name, CutToBytes(value, kMaxValueBytes));
            }
        }
        p.lines.push_back(std::move(l));
    }
}

std::unordered_map<std::string, Parsed>& Cache() {
    static std::unordered_map<std::string, Parsed> cache;
    return cache;
}

bool ReadAll(const std::string& native, std::string& out) {
    std::ifstream in(native, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// The parsed file, or nullptr when there is no such file.
const Parsed* Load(const std::string& native) {
    struct stat st {};
    auto& cache = Cache();
    if (stat(native.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        cache.erase(native);
        return nullptr;
    }
    auto it = cache.find(native);
    if (it != cache.end() && it->second.size == st.st_size && it->second.ino == st.st_ino &&
        it->second.mtime.tv_sec == st.st_mtim.tv_sec && it->second.mtime.tv_nsec == st.st_mtim.tv_nsec) {
        return &it->second;
    }
    Parsed p;
    if (!ReadAll(native, p.raw)) {
        cache.erase(native);
        return nullptr;
    }
    p.mtime = st.st_mtim;
    p.size = st.st_size;
    p.ino = st.st_ino;
    ParseInto(p);
    return &(cache[native] = std::move(p));
}

// Where each game path read from resolved to. Ini reads come key by key, and resolving the path
// folder by folder costs more than the lookup itself; the file at the native path is still checked
// on every read (Load), and a path is resolved again when that file is gone or the folder cache
// was cleared.
struct KnownPath {
    std::string native;
    unsigned generation = 0;
};

std::unordered_map<std::string, KnownPath>& KnownPaths() {
    static std::unordered_map<std::string, KnownPath> known;
    return known;
}

const Parsed* LoadGamePath(std::string_view path) {
    auto& known = KnownPaths();
    const std::string key(path);
    const unsigned generation = Path_CacheGeneration();
    auto it = known.find(key);
    if (it != known.end() && it->second.generation == generation) {
        if (const Parsed* p = Load(it->second.native)) return p;
    }
    const std::string native = Path_Resolve(path);
    const Parsed* p = Load(native);
    if (p != nullptr) {
        known[key] = KnownPath{native, generation};
    } else if (it != known.end()) {
        known.erase(key);
    }
    return p;
}

int ErrnoToError(int e) {
    switch (e) {
        case ENOENT: return kErrPathNotFound;
        case ENOTDIR: return kErrPathNotFound;
        case EACCES: case EPERM: case EROFS: return kErrPermissionDenied;
        case ENOSPC: case EDQUOT: return kErrDiskFull;
        case EISDIR: return kErrPathFileAccess;
        default: return kErrDeviceIO;
    }
}

}  // namespace

std::string Ini_Read(std::string_view path, std::string_view section, std::string_view key) {
    const Parsed* p = LoadGamePath(path);
    if (p == nullptr) return {};
    auto s = p->values.find(LCase(TrimBlanks(section)));
    if (s == p->values.end()) return {};
    auto k = s->second.find(LCase(TrimBlanks(key)));
    return k == s->second.end() ? std::string() : k->second;
}

void File_WriteAtomic(const std::string& nativePath, std::string_view bytes) {
    std::string dir = ".";
    const std::size_t slash = nativePath.rfind('/');
    if (slash != std::string::npos) dir = slash == 0 ? "/" : nativePath.substr(0, slash);
    static std::mt19937 rng(std::random_device{}());
    const std::string tmp = nativePath + ".tmp" + std::to_string(getpid()) + "_" + std::to_string(rng() % 1000000);
    const int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) Raise(ErrnoToError(errno));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int e = errno;
            close(fd);
            unlink(tmp.c_str());
            Raise(ErrnoToError(e));
        }
        done += static_cast<std::size_t>(n);
    }
    if (fsync(fd) != 0 || close(fd) != 0) {
        const int e = errno;
        unlink(tmp.c_str());
        Raise(ErrnoToError(e));
    }
    if (rename(tmp.c_str(), nativePath.c_str()) != 0) {
        const int e = errno;
        unlink(tmp.c_str());
        Raise(ErrnoToError(e));
    }
    Path_ClearCache();
}

void Ini_Write(std::string_view path, std::string_view section, std::string_view key, std::string_view value) {
    const std::string native = Path_Resolve(path);
    const std::string wantSection = LCase(TrimBlanks(section));
    const std::string wantKey = LCase(TrimBlanks(key));
    const std::string keyLine = Utf8ToCp932(std::string(TrimBlanks(key)) + "=" + std::string(value));

    std::string raw;
    const Parsed* p = Load(native);
    if (p == nullptr) {
        struct stat st {};
        if (stat(native.c_str(), &st) == 0) Raise(kErrPathFileAccess);  // a directory, say
        raw = Utf8ToCp932("[" + std::string(TrimBlanks(section)) + "]") + "\r\n" + keyLine + "\r\n";
        File_WriteAtomic(native, raw);
        return;
    }
    raw = p->raw;
    // Find the first section of the name and, in it, the first key of the name.
    std::size_t i = 0;
    while (i < p->lines.size() && !(p->lines[i].kind == Kind::Section && p->lines[i].name == wantSection)) ++i;
    if (i == p->lines.size()) {
        std::string out = raw;
        if (!out.empty() && out.back() != '\n') out += "\r\n";
        out += Utf8ToCp932("[" + std::string(TrimBlanks(section)) + "]") + "\r\n" + keyLine + "\r\n";
        File_WriteAtomic(native, out);
        return;
    }
    std::size_t lastContent = i;  // the section line or its last key line
    for (std::size_t j = i + 1; j < p->lines.size() && p->lines[j].kind != Kind::Section; ++j) {
        const Line& l = p->lines[j];
        if (l.kind != Kind::Key) continue;
        if (l.name == wantKey) {
            std::string out = raw.substr(0, l.begin) + keyLine + raw.substr(l.end);
            File_WriteAtomic(native, out);
            return;
        }
        lastContent = j;
    }
    const Line& after = p->lines[lastContent];
    std::string insert = keyLine + "\r\n";
    if (after.next == after.end) insert = "\r\n" + insert;  // that line had no line end
    std::string out = raw.substr(0, after.next) + insert + raw.substr(after.next);
    File_WriteAtomic(native, out);
}

void Ini_ClearCache() {
    Cache().clear();
    KnownPaths().clear();
}

}  // namespace vb
