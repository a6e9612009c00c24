// The load screen (game state 1, from the title) and the save screen (game state 2, from a save
// point on the field): a title line and the seven slot summaries; the slot under the pointer is
// framed, a click loads or saves it, a cancel goes back to gintReturnState.
#pragma once
#include <string>

#include "common/vb_types.h"

// Handler of game state 1: kind 0 draws the screen, 2 frames the slot under (x, y), 1 loads the
// framed slot (into the field on success), 3 goes back.
void Event_Load_Screen(vb::Integer kind, vb::Single x, vb::Single y);
// Handler of game state 2: the same, saving into the slot and staying on the screen.
void Event_Save_Screen(vb::Integer kind, vb::Single x, vb::Single y);

// The slot whose band holds (x, y): 1 to 7, 0 none.
vb::Integer SaveScreen_Slot_At(vb::Single x, vb::Single y);
// The row text of a slot: its mark and its summary, or "データがありません" for an empty slot.
std::string SaveScreen_Slot_Label(vb::Integer slot);
