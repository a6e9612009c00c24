// The hidden window that holds the field's pictures: the map buffer and the two built-in sheets.
#pragma once
#include "platform/surface.h"

inline constexpr int kTileSheetWidth = 482;
inline constexpr int kTileSheetHeight = 363;
inline constexpr int kCharSheetWidth = 256;
inline constexpr int kCharSheetHeight = 744;

struct frmFileWindow {
    platform::Surface PicMap{640, 480};                                    // ground layer of the screen
    platform::Surface PicMAPTILE{kTileSheetWidth, kTileSheetHeight, 0xFFFFFF};  // tile sheet
    platform::Surface PicChar{kCharSheetWidth, kCharSheetHeight, 0xFFFFFF};     // character sheet
    bool blnLoaded = false;

    // Loads the two sheets from the program's embedded assets. A sheet that cannot be read stays
    // white (the map then shows blank cells) and the error reaches the caller.
    void Form_Load();
};

// The one hidden window of the run.
frmFileWindow& frmFile();
