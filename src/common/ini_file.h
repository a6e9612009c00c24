// Initialisation files with the semantics of the classic private-profile functions: "[section]"
// lines and "key=value" lines; sections and keys compared without regard to case; blanks around
// names and values dropped; a value in double quotes loses them; the first
// section of a name and the first key of a name in it win; a missing file, section or key reads
// as the empty text. Files are Shift-JIS; each is parsed once and parsed again only when it has
// changed on disk.
#pragma once
#include <string>
#include <string_view>

namespace vb {

// The value, or the empty text. Values are cut to 399 bytes of Shift-JIS, as the original buffer
// of 400 characters did (never in the middle of a character).
std::string Ini_Read(std::string_view path, std::string_view section, std::string_view key);

// Writes one key. The file and the section are created when missing; only the line of the key
// changes (or one line is added), every other byte stays. The new file replaces the old one in a
// single rename, so a crash leaves the old file or the new one, never half of one. Errors are
// vb::Error (the folder cannot be written, a text Shift-JIS cannot hold).
void Ini_Write(std::string_view path, std::string_view section, std::string_view key, std::string_view value);

// Forgets every parsed file.
void Ini_ClearCache();

// Writes bytes to a file through a temporary file beside it and a rename. vb::Error on failure.
void File_WriteAtomic(const std::string& nativePath, std::string_view bytes);

}  // namespace vb
