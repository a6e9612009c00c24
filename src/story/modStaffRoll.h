// The two end screens: the staff roll (game state 12) and the defeat screen (game state 13). Both
// leave the game in state 14, where the next press or key runs the quit sequence.
#pragma once
#include "common/vb_types.h"

// Handler of game state 12. Acts on the null input (kind 0) only.
void Event_Staff_Roll(vb::Integer kind, vb::Single x, vb::Single y);
// Handler of game state 13. Draws on kind 0; kind 1 (left click or Enter) moves to state 14.
void Event_Defeat(vb::Integer kind, vb::Single x, vb::Single y);
