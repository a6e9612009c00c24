// The status menu (game state 7): the character's numbers, the four battle weapon slots, the two
// worn accessories and the carried items on one screen. Pointing at a line shows its name and
// description; a weapon or accessory slot opens the list of carried ones to swap with it; an item
// asks whether to use it. A right click on the status screen closes the menu.
#pragma once
#include "common/vb_types.h"

// Handler of state 7: -1 open (with the opening effect), 0 redraw, 1 left click, 2 pointer moved
// to (x, y), 3 right click; other kinds are ignored.
void Event_Status_Menu(vb::Integer kind, vb::Single x, vb::Single y);

// The line of the current sub-screen under (x, y): 11..14 weapon slots, 21..22 accessories,
// 31..37 items on the status screen, 1..7 in the change lists, 0 none.
vb::Integer Menu_Line_At(vb::Single x, vb::Single y);
