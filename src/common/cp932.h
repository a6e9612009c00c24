// Shift-JIS (Windows code page 932) at the file boundary. Text is UTF-8 everywhere else.
#pragma once
#include <string>
#include <string_view>

namespace vb {

// Bytes of code page 932 to UTF-8. Bytes that are not valid CP932 become U+FFFD; never fails.
std::string Cp932ToUtf8(std::string_view bytes);
// UTF-8 to code page 932. A character that CP932 cannot hold is an error (vb::Error with number
// kErrInvalidCall and a description naming the character); malformed UTF-8 likewise.
std::string Utf8ToCp932(std::string_view text);
// As above, but reports failure instead of throwing; out is unspecified on failure.
bool TryUtf8ToCp932(std::string_view text, std::string& out);

}  // namespace vb
