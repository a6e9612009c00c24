// Slot files: the game record written as packed little-endian items (texts as an unsigned 16-bit
// byte length and the Shift-JIS bytes). The file operations work only on the buffer gudtFileBuf;
// the game record is copied in before a save and out after a load.
#pragma once
#include <string>
#include <string_view>

#include "common/vb_types.h"
#include "data/modData.h"

extern typGameData gudtFileBuf;

// Size of a record whose six texts are all empty.
inline constexpr std::size_t kDataFileFixedBytes = 2130;

void DataFile_Set_Buffer(const typGameData& In_udtData);
typGameData DataFile_Get_Buffer();

// Writes gudtFileBuf to the file (a game path). The file is replaced in one rename, so a crash or
// a full disk leaves the old slot or the new one; when the old file was longer, its trailing bytes
// follow the record as before. Errors are shown; False then.
vb::Boolean DataFile_Save(const std::string& In_strPath);
// Reads the record from the start of the file into gudtFileBuf. False without a message when the
// file does not exist; a short or damaged file shows a message and gives False.
vb::Boolean DataFile_Load(const std::string& In_strPath);

// The record in the slot-file format. vb::Error when a text cannot be written in Shift-JIS or is
// longer than 65535 bytes.
std::string DataFile_Encode(const typGameData& In_udtData);
// The record at the start of the bytes (later bytes ignored). vb::Error when the bytes end inside
// the record (input past end) or a text is not Shift-JIS.
typGameData DataFile_Decode(std::string_view In_bytes);
