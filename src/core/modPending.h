// Entry points of subsystems that are not in the game yet: the field, the battle, the status menu,
// the shop and the save and load screens. Each one only writes "pending NAME" to the trace and
// leaves the game in a state the player can get out of. When a subsystem arrives, its own module
// defines the function and the declaration here is removed; once all have arrived, this file and
// modPending.cpp are deleted.
#pragma once
#include <string>

#include "common/vb_types.h"

// Saved games (save/): handlers of game states 1 and 2.
void Event_Load_Screen(vb::Integer kind, vb::Single x, vb::Single y);
void Event_Save_Screen(vb::Integer kind, vb::Single x, vb::Single y);
