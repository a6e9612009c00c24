// The shop (game state 11): a main menu of three lines (buy, sell, leave), the buy list of the
// goods loaded for this shop and the sell list of everything carried. Pointing at a line shows
// its name, price and description; a click buys or sells at once.
#pragma once
#include "common/vb_types.h"

// Handler of state 11: -1 open (greeting and music), 0 redraw, 1 left click, 2 pointer moved to
// (x, y), 3 right click; other kinds are ignored.
void Event_Shop(vb::Integer kind, vb::Single x, vb::Single y);

// What the shop pays for the thing in a carried slot: kind 1 weapon, 2 accessory, 3 item; slot
// 1..7. 0 for an empty slot.
vb::Long Shop_Sale_Price(vb::Integer In_intKind, vb::Integer In_intSlot);

// The line of the current shop screen under (x, y): 1..3 on the main menu, 1..7 in the buy list,
// 11..17 / 21..27 / 31..37 (weapons, accessories, items) in the sell list, 0 none.
vb::Integer Shop_Line_At(vb::Single x, vb::Single y);
