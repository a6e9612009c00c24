// The one field variable the status menu sets when it returns to the field. The field module
// (field/modMap) owns it; until that module is part of the game, modMenu_field.cpp gives it a
// weak definition that the field's own definition replaces.
#pragma once
#include "common/vb_types.h"

// True: the next showing of the map keeps the music that plays instead of restarting it.
extern vb::Boolean gblnSkipMapMusic;
