#include "common/vb_types.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "common/vb_error.h"

namespace vb {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Length of the number at the start of text (after pos), or 0 when there is none.
// Grammar: [sign] digits [. digits] [(e|E|d|D) [sign] digits]; at least one digit in the mantissa.
std::size_t ScanNumber(std::string_view t, std::size_t pos) {
    std::size_t i = pos;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') { ++i; ++digits; }
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') { ++i; ++digits; }
    }
    if (digits == 0) return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < t.size() && t[j] >= '0' && t[j] <= '9') { ++j; ++expDigits; }
        if (expDigits > 0) i = j;
    }
    return i - pos;
}

double ParseScanned(std::string_view t, std::size_t pos, std::size_t len) {
    std::string s(t.substr(pos, len));
    for (char& c : s) {
        if (c == 'd' || c == 'D') c = 'e';
    }
    return std::strtod(s.c_str(), nullptr);
}

double RoundHalfEven(double v) {
    // nearbyint honours the current rounding mode, which is round-to-nearest-even by default;
    // do it explicitly so that nothing else can change it.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(v);
    std::fesetround(saved);
    return r;
}

template <typename T>
T RoundChecked(double v) {
    if (std::isnan(v)) Raise(kErrOverflow);
    const double r = RoundHalfEven(v);
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max())) {
        Raise(kErrOverflow);
    }
    return static_cast<T>(r);
}

// The number of the whole text, blanks around it allowed; false when there is none.
bool ParseWhole(std::string_view t, double& out) {
    std::size_t i = 0;
    while (i < t.size() && IsBlank(t[i])) ++i;
    const std::size_t len = ScanNumber(t, i);
    if (len == 0) return false;
    std::size_t j = i + len;
    while (j < t.size() && IsBlank(t[j])) ++j;
    if (j != t.size()) return false;
    out = ParseScanned(t, i, len);
    return true;
}

template <typename T>
T Checked(long long r) {
    if (r < std::numeric_limits<T>::min() || r > std::numeric_limits<T>::max()) Raise(kErrOverflow);
    return static_cast<T>(r);
}

}  // namespace

double Val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (IsBlank(text[i]) || text[i] == '\r' || text[i] == '\n')) ++i;
    const std::size_t len = ScanNumber(text, i);
    if (len == 0) return 0.0;
    return ParseScanned(text, i, len);
}

Integer CInt(double v) { return RoundChecked<Integer>(v); }
Long CLng(double v) { return RoundChecked<Long>(v); }

Single CSng(double v) {
    if (std::isnan(v)) return std::numeric_limits<Single>::quiet_NaN();
    if (std::fabs(v) > static_cast<double>(std::numeric_limits<Single>::max())) Raise(kErrOverflow);
    return static_cast<Single>(v);
}

bool IsNumeric(std::string_view text) {
    double unused = 0;
    return ParseWhole(text, unused);
}

double CDblStrict(std::string_view text) {
    double v = 0;
    if (!ParseWhole(text, v)) Raise(kErrTypeMismatch);
    return v;
}
Integer CIntStrict(std::string_view text) { return CInt(CDblStrict(text)); }
Long CLngStrict(std::string_view text) { return CLng(CDblStrict(text)); }

double Int(double v) { return std::floor(v); }

Integer AddInt(Integer a, Integer b) { return Checked<Integer>(static_cast<long long>(a) + b); }
Integer SubInt(Integer a, Integer b) { return Checked<Integer>(static_cast<long long>(a) - b); }
Integer MulInt(Integer a, Integer b) { return Checked<Integer>(static_cast<long long>(a) * b); }
Long AddLng(Long a, Long b) { return Checked<Long>(static_cast<long long>(a) + b); }
Long SubLng(Long a, Long b) { return Checked<Long>(static_cast<long long>(a) - b); }
Long MulLng(Long a, Long b) { return Checked<Long>(static_cast<long long>(a) * b); }

std::string CStr(long long v) { return std::to_string(v); }

std::string CStr(double v) {
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15) {
        return std::to_string(static_cast<long long>(v));
    }
    // Up to 15 significant digits, as the runtime writes a Double.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", v);
    std::string s = buf;
    if (s.find('E') == std::string::npos && s.find('.') != std::string::npos) {
        while (!s.empty() && s.back() == '0') s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
    }
    return s;
}

std::string Format(double v, std::string_view pattern) {
    const bool negative = v < 0;
    const double mag = std::floor(std::fabs(v) + 0.5);
    std::string digits;
    if (mag > 0 && mag < 9.0e18) {
        digits = std::to_string(static_cast<long long>(mag));
    } else if (!(mag == 0)) {
        // Beyond the 64-bit range (or not a number): a cast would be undefined.
        char buf[400];
        std::snprintf(buf, sizeof buf, "%.0f", mag);
        digits = buf;
    }
    std::size_t placeholders = 0;
    std::size_t zeros = 0;  // '0' placeholders counted from the right
    for (std::size_t i = pattern.size(); i-- > 0;) {
        if (pattern[i] == '#' || pattern[i] == '0') {
            ++placeholders;
            if (pattern[i] == '0') zeros = placeholders;
        }
    }
    while (digits.size() < zeros) digits.insert(digits.begin(), '0');
    // Fill placeholders from the right; surplus digits go where the leftmost placeholder stands.
    std::string out;
    std::size_t di = digits.size();
    std::size_t seen = 0;
    for (std::size_t i = pattern.size(); i-- > 0;) {
        const char c = pattern[i];
        if (c == '#' || c == '0') {
            ++seen;
            if (seen == placeholders) {
                out.insert(0, digits.substr(0, di));
                di = 0;
            } else if (di > 0) {
                out.insert(out.begin(), digits[--di]);
            }
        } else {
            out.insert(out.begin(), c);
        }
    }
    if (placeholders == 0) out = pattern;
    if (negative && mag != 0) out.insert(out.begin(), '-');
    return out;
}

}  // namespace vb
