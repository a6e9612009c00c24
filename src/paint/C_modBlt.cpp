#include "paint/C_modBlt.h"

void Blt_Paint_Transparent(platform::Surface& hdcDest, vb::Long xDest, vb::Long yDest, vb::Long Width,
                           vb::Long Height, PicSource picSource, vb::Long xSrc, vb::Long ySrc, OleColor clrMask,
                           vb::Long hPal) {
    clsPaintEffects painter;
    painter.PaintTransparentStdPic(hdcDest, xDest, yDest, Width, Height, picSource, xSrc, ySrc, clrMask, hPal);
}
