// The one painting call of the game: a picture painted with one colour transparent, through a
// painter made for the call and released at its end.
#pragma once
#include "paint/clsPaintEffects.h"

// clsPaintEffects::PaintTransparentStdPic with the same arguments, on a fresh painter. No picture,
// or one that is neither a bitmap nor an icon, raises vb::Error 481 to the caller.
void Blt_Paint_Transparent(platform::Surface& hdcDest, vb::Long xDest, vb::Long yDest, vb::Long Width,
                           vb::Long Height, PicSource picSource, vb::Long xSrc, vb::Long ySrc, OleColor clrMask,
                           vb::Long hPal = 0);
