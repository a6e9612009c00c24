// Saving and loading the game record in the seven slots, and the slot summaries of the index file
// save\save.ini that the save and load screens show.
#pragma once
#include <ctime>
#include <functional>
#include <string>

#include "common/vb_types.h"
#include "data/modData.h"

// Writes gudtGame to slot In_intSlot (creating the save folder when missing) and its summary line
// to the index. True when the slot file was written; on failure "セーブ失敗" is shown.
vb::Boolean Manage_Save_Data(vb::Integer In_intSlot);
// Replaces gudtGame with the record of the slot. False (game record unchanged) when the slot file
// is missing or cannot be read.
vb::Boolean Manage_Load_Data(vb::Integer In_intSlot);
// The slot's summary line, or the empty text for a slot never saved.
std::string Manage_Read_SaveIni(vb::Integer In_intSlot);

// "YY/MM/DD HH:MM:SS place (MapNo.n) [LV.n]".
std::string Manage_Summary_Line(const typGameData& In_udtData, const std::tm& In_tmWhen);

// Paths of the save folder, a slot file and the index (game paths below gstrGameDir).
std::string Manage_Save_Dir();
std::string Manage_Slot_Path(vb::Integer In_intSlot);
std::string Manage_Index_Path();

// The clock of the summary line: local time of the machine unless a test or replay sets one
// (an empty function restores the machine's clock).
void Manage_Set_SaveClock(std::function<std::tm()> In_fnClock);
