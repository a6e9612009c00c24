// Text helpers on UTF-8 strings that count characters (Unicode code points), never bytes: the
// 20 characters of a map row are 20 characters whatever their encoding.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vb {

inline constexpr std::string_view kCrLf = "\r\n";

// Number of characters.
long Len(std::string_view s);
// The first n characters (all when n exceeds the length; n < 0 is an invalid-call error).
std::string Left(std::string_view s, long n);
// The last n characters.
std::string Right(std::string_view s, long n);
// From character start (1-based) on, length characters (all the rest when length < 0).
// start < 1 is an invalid-call error; a start past the end gives the empty text.
std::string Mid(std::string_view s, long start, long length = -1);
// 1-based character position of find in s, searching from character start; 0 when absent.
// An empty find returns start (when start is within the text).
long InStr(long start, std::string_view s, std::string_view find);
inline long InStr(std::string_view s, std::string_view find) { return InStr(1, s, find); }
// Every occurrence of find replaced, left to right, without rescanning replacements.
std::string Replace(std::string_view s, std::string_view find, std::string_view with);
// Spaces (only U+0020, as the runtime's Trim does) removed at the ends.
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);
// ASCII letters only; other characters unchanged.
std::string UCase(std::string_view s);
std::string LCase(std::string_view s);
// Split at every occurrence of the delimiter (an empty text gives one empty element).
std::vector<std::string> Split(std::string_view s, std::string_view delimiter);

// Byte offset of character index i (0-based) in s; s.size() when i is at or past the end.
std::size_t Utf8Offset(std::string_view s, long i);
// Decodes the code point at byte offset pos and advances pos; malformed bytes give U+FFFD.
char32_t Utf8Next(std::string_view s, std::size_t& pos);
void Utf8Append(std::string& out, char32_t cp);

}  // namespace vb
