#include "field/frmFile.h"

#include "platform/picture.h"
#include "platform/raster.h"

namespace {

// A sheet of the given size: the picture copied in from the top left, the rest white.
platform::Surface Fit(const platform::Surface& picture, int width, int height) {
    platform::Surface sheet(width, height, 0xFFFFFF);
    platform::BitBlt(sheet, 0, 0, width, height, picture, 0, 0, platform::kRopSrcCopy);
    return sheet;
}

}  // namespace

void frmFileWindow::Form_Load() {
    blnLoaded = true;
    PicMAPTILE = Fit(platform::Picture_LoadAsset("field_tiles.png"), kTileSheetWidth, kTileSheetHeight);
    PicChar = Fit(platform::Picture_LoadAsset("field_chars.png"), kCharSheetWidth, kCharSheetHeight);
}

frmFileWindow& frmFile() {
    static frmFileWindow window;
    return window;
}
