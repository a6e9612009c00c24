#include "core/G_modGameInfo.h"

std::string gstrGameDir;
vb::Boolean gblnFullScreen = vb::kFalse;
vb::Long glngFrameTime = 16;
vb::Boolean gblnPadReady = vb::kFalse;
