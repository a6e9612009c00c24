// Short wave sounds played without waiting; a new one cuts off the one playing.
#pragma once
#include <string>

// Plays the file (a game path) without waiting; a missing file stays silent.
void Wave_Play(const std::string& path);
