// The game controller (joystick): found once at launch, read by the controller procedures that
// turn it into key presses.
#pragma once
#include <string>

#include "common/vb_types.h"

extern vb::Long glngPadId;     // joystick in use; -1 none found, -2 its capabilities were unreadable
extern vb::Long glngPadXLow;   // minimum X + 16384
extern vb::Long glngPadXHigh;  // maximum X - 16384
extern vb::Long glngPadYLow;
extern vb::Long glngPadYHigh;
extern vb::Long glngPadX;        // -1 left, 0 centre, 1 right (last poll)
extern vb::Long glngPadY;        // -1 up, 0 centre, 1 down
extern vb::Long glngPadButtons;  // 1 = button 1, 2 = button 2, 4 = button 3, 8 = button 4

// Looks for a controller and sets ready (True when one was found). Returns the status text for the
// launcher: empty when the system has no joystick driver or the controller's ranges were
// unreadable. A run-time error is shown and ends the program.
std::string CtrPad_Init(vb::Boolean& ready);

// Reads the controller into glngPadX, glngPadY and glngPadButtons (all 0 without a controller).
// A run-time error is shown and ends the program.
void CtrPad_Poll();
