// Settings shared by the whole game, set by the launcher from game.ini (or the command line).
#pragma once
#include <string>

#include "common/vb_types.h"

extern std::string gstrGameDir;      // prefix of every data path, ends with a backslash or slash
extern vb::Boolean gblnFullScreen;   // the main window opens full-screen
extern vb::Long glngFrameTime;       // the time unit of every wait, in milliseconds
extern vb::Boolean gblnPadReady;     // a game controller was found at launch
