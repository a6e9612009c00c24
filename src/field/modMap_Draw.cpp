// Drawing the field: the ground layer (tiles copied into the map buffer, the buffer copied to the
// window) and the character layer (sprites painted over it with white transparent), and the map
// music that starts when a map is shown.
#include "core/G_modManage.h"
#include "core/G_modManage_Media.h"
#include "data/modData.h"
#include "field/frmFile.h"
#include "field/modMap.h"
#include "paint/C_modBlt.h"
#include "platform/form.h"
#include "platform/raster.h"
#include "common/C_modSystem.h"

platform::Form* mfrmMain = nullptr;
platform::Surface* mpicMap = nullptr;
platform::Surface* mpicMapTile = nullptr;
platform::Surface* mpicChar = nullptr;
vb::Boolean gblnSkipMapMusic = vb::kFalse;

namespace {

// Without a main window (a field routine called before start-up) there is nothing to draw on.
bool Ready() { return mfrmMain != nullptr && mpicMap != nullptr && mpicMapTile != nullptr && mpicChar != nullptr; }

}  // namespace

void Map_Init() {
    try {
        frmFileWindow& file = frmFile();
        mfrmMain = gobjMainForm;
        mpicMap = &file.PicMap;
        mpicMapTile = &file.PicMAPTILE;
        mpicChar = &file.PicChar;
        typMapChar& player = mtypChar(0);
        player.intRow = 0;
        player.blnActive = vb::kTrue;
        player.intDelay = vb::CInt(gudtGame.udtProgress.lngSpeed);
        Map_Read_TileFile();
        if (!file.blnLoaded) file.Form_Load();
    } catch (const std::exception& e) {
        Sys_Show_Error(e);
    }
}

void Map_Draw_All(vb::Boolean In_blnWithMusic) {
    Map_Draw_Tiles();
    Map_Draw_Chars();
    if (In_blnWithMusic != vb::kFalse) {
        if (gblnSkipMapMusic != vb::kFalse) {
            gblnSkipMapMusic = vb::kFalse;
        } else {
            Event_Play("PLAY_MID", mintMapMusic);
        }
    }
    Map_Present();
}

void Map_Draw_Tiles() {
    if (!Ready()) return;
    for (int x = 1; x <= kMapCells; ++x) {
        for (int y = 1; y <= kMapCells; ++y) Map_Draw_Tile(static_cast<vb::Integer>(x), static_cast<vb::Integer>(y));
    }
    Map_Copy_Buffer();
}

void Map_Draw_Tile(vb::Integer In_intX, vb::Integer In_intY) {
    if (!Ready()) return;
    const std::string& key = mstrMapCell(In_intX)(In_intY);
    const int c = Map_Get_TileAttr(key, 1);
    const int r = Map_Get_TileAttr(key, 2);
    platform::BitBlt(*mpicMap, (In_intX - 1) * kCellWidth, (In_intY - 1) * kCellHeight, kCellWidth, kCellHeight,
                     *mpicMapTile, c * kCellWidth, r * kCellHeight, platform::kRopSrcCopy);
}

void Map_Copy_Buffer() {
    if (!Ready()) return;
    platform::BitBlt(mfrmMain->image, 0, 0, 640, 480, *mpicMap, 0, 0, platform::kRopSrcCopy);
}

void Map_Draw_Chars() {
    for (int slot = kMapCells; slot >= 0; --slot) {
        if (mtypChar(slot).blnActive != vb::kFalse) Map_Draw_Char(static_cast<vb::Integer>(slot));
    }
}

void Map_Draw_Char(vb::Integer In_intSlot) {
    typMapChar& c = mtypChar(In_intSlot);
    if (c.intDir == 0) c.intDir = 1;
    if (!Ready()) return;
    // A walking character is drawn phase / 4 of a cell on its way: whole pixels, since a quarter
    // cell is 8 x 6 pixels.
    int xq = (c.intX - 1) * 4;
    int yq = (c.intY - 1) * 4;
    switch (c.intDir) {
        case 1: yq -= c.intPhase; break;
        case 2: yq += c.intPhase; break;
        case 3: xq -= c.intPhase; break;
        case 4: xq += c.intPhase; break;
        default: break;
    }
    const int xDest = xq * (kCellWidth / 4);
    const int yDest = yq * (kCellHeight / 4);
    const int column = 2 * (c.intDir - 1) + (c.intPhase % 2);
    Blt_Paint_Transparent(mfrmMain->image, xDest, yDest, kCellWidth, kCellHeight, PicSource(*mpicChar),
                          column * kCellWidth, c.intRow * kCellHeight, 0xFFFFFF, 0);
}

void Map_Present() {
    if (mfrmMain != nullptr) mfrmMain->Refresh();
}
