// The number types of the game and the conversions every module relies on. Use these, never a bare
// cast: a value outside the target width is an overflow error, halves round to even.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace vb {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;
using Boolean = std::int16_t;

constexpr Boolean kTrue = -1;
constexpr Boolean kFalse = 0;
constexpr Boolean ToBool(bool b) { return b ? kTrue : kFalse; }

// Text-value rule: the number at the start of the text (leading blanks skipped, optional sign,
// digits, optional decimal point and exponent); reading stops at the first other character; no
// number reads as 0.
double Val(std::string_view text);

// Rounding half to even to 16 / 32 bits; overflow error outside the range (NaN included).
Integer CInt(double v);
Long CLng(double v);
// Single precision with overflow error outside its range.
Single CSng(double v);

// Strict conversions of a text: the whole text (blanks around it allowed) must be a number, else a
// type-mismatch error; then rounded as above.
Integer CIntStrict(std::string_view text);
Long CLngStrict(std::string_view text);
double CDblStrict(std::string_view text);
// True when the whole text (blanks around it allowed) is a number.
bool IsNumeric(std::string_view text);

// Val followed by rounding to the field width: the usual way a data field becomes a number.
inline Integer ValInt(std::string_view text) { return CInt(Val(text)); }
inline Long ValLng(std::string_view text) { return CLng(Val(text)); }

// Int(v): floor, also for negative v.
double Int(double v);

// Checked 16/32-bit arithmetic: overflow error when the result leaves the width.
Integer AddInt(Integer a, Integer b);
Integer SubInt(Integer a, Integer b);
Integer MulInt(Integer a, Integer b);
Long AddLng(Long a, Long b);
Long SubLng(Long a, Long b);
Long MulLng(Long a, Long b);

// Decimal text of a number the way the runtime's CStr/Str$ write it ("12", "-3", "2.5").
std::string CStr(double v);
std::string CStr(long long v);
inline std::string CStr(int v) { return CStr(static_cast<long long>(v)); }
inline std::string CStr(Integer v) { return CStr(static_cast<long long>(v)); }

// Format(v, pattern) for the digit patterns the game uses: '0' is a digit that is always written,
// '#' a digit written only when significant ("###" writes 0 as the empty text, "00" writes 5 as
// "05"); other characters are copied. Like the runtime's Format, halves round away from zero.
std::string Format(double v, std::string_view pattern);

}  // namespace vb
