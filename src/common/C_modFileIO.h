// File services: whole text files, item lists, one key of an ini file, file attributes, folders.
// Paths are game paths (backslashes allowed, any case). Errors are shown and a neutral value
// returned, except where said.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "common/vb_types.h"

using LineList = std::vector<std::string>;

// Appends every item of the file, each followed by CR LF, to target. False when the path is empty
// or there is no such file (target untouched) or on an error (target keeps what was appended).
vb::Boolean FileIO_Read_Text(const std::string& path, std::string& target);

// The items of the file with comment items ("#...") dropped; a comment that is the last item
// stays as the last element. Missing file or error: an empty list. At most 32767 kept items.
LineList FileIO_Read_Lines(const std::string& path);

// One value of an ini file (empty when the file, section or key is missing); trim removes spaces.
std::string FileIO_Read_Ini(const std::string& file, const std::string& section, const std::string& key,
                            vb::Boolean trim);

// Writes one key of an ini file, creating the file and the section when missing.
void FileIO_Write_Ini(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& value);

// Makes an existing read-only file writable. True unless an error occurred.
vb::Boolean FileIO_Clear_Attr(const std::string& path);

// Creates the directory when nothing of that name exists. Errors reach the caller.
void FileIO_Make_Dir(const std::string& path);

// Told about every file the program writes (native path); used for the trace.
void FileIO_Set_WriteObserver(std::function<void(const std::string&)> observer);
void FileIO_Notify_Write(const std::string& nativePath);
