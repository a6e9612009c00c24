// The title screen (game state 0): the title picture with its music and three rows on the right,
// new game, load and quit. The pointer highlights a row with the cursor picture; a select acts on
// the highlighted row.
#pragma once
#include "common/vb_types.h"

// Handler of game state 0: kind 0 draws the title, 2 moves the highlight, 1 selects.
void Event_Title(vb::Integer kind, vb::Single x, vb::Single y);

// The row whose bounds hold (x, y): 1 new game, 2 load, 3 quit, 0 none.
vb::Integer Title_Row_At(vb::Single x, vb::Single y);
