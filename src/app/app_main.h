// The program: parses the command line, picks the host (the scripted one for a replay, the SDL
// window otherwise, wrapped in a recorder for --record), opens the trace and runs the launcher or
// the game window until the program ends.
#pragma once
#include <string>
#include <vector>

// Runs the program with the arguments after the program name; returns the exit status.
int App_Main(const std::vector<std::string>& args);

// A written file as the trace names it: relative to the game folder (with "/" and "..") when the
// two share a root, else the absolute path.
std::string App_TracePath(const std::string& nativeFile, const std::string& gameDir);

// The game folder of --game as the game's paths expect it: absolute, ending with a separator.
std::string App_GameDirOption(const std::string& dir);
