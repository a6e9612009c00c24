// Readers of the event folder "eve\" below the game folder, through which all scenario data is
// read. Errors reach the caller's handler.
#pragma once
#include <string>

#include "common/C_modFileIO.h"
#include "common/vb_types.h"

// FileIO_Read_Ini(gstrGameDir & "eve\" & name & ".ini", section, key, trim).
std::string Manage_Read_EveIni(const std::string& name, const std::string& section, const std::string& key,
                               vb::Boolean trim);
// FileIO_Read_Lines(gstrGameDir & "eve\" & file).
LineList Manage_Read_EveLines(const std::string& file);

namespace platform {
class Form;
class Surface;
}  // namespace platform

// The main window (the drawing target of pictures, text and effects) and its hidden backup
// picture; bound by Manage_Init when the data is loaded.
extern platform::Form* gobjMainForm;
extern platform::Surface* gobjBackPic;
