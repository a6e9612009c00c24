#include "common/vb_string.h"

#include "common/vb_error.h"

namespace vb {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

char32_t Utf8Next(std::string_view s, std::size_t& pos) {
    const auto c = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    char32_t cp = 0;
    if (c < 0x80) { ++pos; return c; }
    if ((c & 0xE0) == 0xC0) { extra = 1; cp = c & 0x1F; }
    else if ((c & 0xF0) == 0xE0) { extra = 2; cp = c & 0x0F; }
    else if ((c & 0xF8) == 0xF0) { extra = 3; cp = c & 0x07; }
    else { ++pos; return 0xFFFD; }
    if (pos + static_cast<std::size_t>(extra) >= s.size()) { ++pos; return 0xFFFD; }
    for (int k = 1; k <= extra; ++k) {
        const auto cc = static_cast<unsigned char>(s[pos + k]);
        if (!IsContinuation(cc)) { ++pos; return 0xFFFD; }
        cp = (cp << 6) | (cc & 0x3F);
    }
    pos += extra + 1;
    return cp;
}

void Utf8Append(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::size_t Utf8Offset(std::string_view s, long i) {
    std::size_t pos = 0;
    for (long k = 0; k < i && pos < s.size(); ++k) Utf8Next(s, pos);
    return pos;
}

long Len(std::string_view s) {
    long n = 0;
    std::size_t pos = 0;
    while (pos < s.size()) { Utf8Next(s, pos); ++n; }
    return n;
}

std::string Left(std::string_view s, long n) {
    if (n < 0) Raise(kErrInvalidCall);
    return std::string(s.substr(0, Utf8Offset(s, n)));
}

std::string Right(std::string_view s, long n) {
    if (n < 0) Raise(kErrInvalidCall);
    const long len = Len(s);
    if (n >= len) return std::string(s);
    return std::string(s.substr(Utf8Offset(s, len - n)));
}

std::string Mid(std::string_view s, long start, long length) {
    if (start < 1) Raise(kErrInvalidCall);
    const std::size_t from = Utf8Offset(s, start - 1);
    if (from >= s.size()) return {};
    std::string_view rest = s.substr(from);
    if (length < 0) return std::string(rest);
    return std::string(rest.substr(0, Utf8Offset(rest, length)));
}

long InStr(long start, std::string_view s, std::string_view find) {
    if (start < 1) Raise(kErrInvalidCall);
    const std::size_t from = Utf8Offset(s, start - 1);
    if (from >= s.size()) return 0;
    if (find.empty()) return start;
    const std::size_t hit = s.find(find, from);
    if (hit == std::string_view::npos) return 0;
    return Len(s.substr(0, hit)) + 1;
}

std::string Replace(std::string_view s, std::string_view find, std::string_view with) {
    if (find.empty()) return std::string(s);
    std::string out;
    std::size_t pos = 0;
    while (true) {
        const std::size_t hit = s.find(find, pos);
        if (hit == std::string_view::npos) break;
        out.append(s.substr(pos, hit - pos));
        out.append(with);
        pos = hit + find.size();
    }
    out.append(s.substr(pos));
    return out;
}

std::string LTrim(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    return std::string(s.substr(i));
}

std::string RTrim(std::string_view s) {
    std::size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return std::string(s.substr(0, n));
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

std::string UCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string LCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::vector<std::string> Split(std::string_view s, std::string_view delimiter) {
    std::vector<std::string> out;
    if (delimiter.empty()) { out.emplace_back(s); return out; }
    std::size_t pos = 0;
    while (true) {
        const std::size_t hit = s.find(delimiter, pos);
        if (hit == std::string_view::npos) break;
        out.emplace_back(s.substr(pos, hit - pos));
        pos = hit + delimiter.size();
    }
    out.emplace_back(s.substr(pos));
    return out;
}

}  // namespace vb
