// Background music: one MIDI piece at a time on the host's single music channel, restarted by the
// loop check once it has ended so that it loops.
#pragma once
#include <string>

#include "common/vb_types.h"

// Stops the current piece and plays the file (a game path) from the start; an empty path only
// stops. A file that cannot be opened leaves no music and shows nothing.
void Mid_Play(const std::string& path);
// Stops and closes the current piece.
void Mid_Stop();
// Restarts a piece that has ended when loop is True; a playing or paused piece is left alone.
void Mid_Check_Loop(vb::Boolean loop);
