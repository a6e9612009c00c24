// The scene between two requests (game state 3): the prologue or the end script of the request just
// finished, the title card of the new request, its opening script, then the field.
#pragma once
#include "common/vb_types.h"

// Handler of game state 3. Acts on the null input (kind 0) only.
void Event_Request(vb::Integer kind, vb::Single x, vb::Single y);
