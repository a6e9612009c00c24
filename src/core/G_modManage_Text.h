// The message window and screen copies: every text of the game is drawn by Manage_Draw_Text into
// the main window; the whole window image can be saved to and restored from its backup picture,
// and a rectangle inverted as a highlight that a second inversion removes.
#pragma once
#include <string>

#include "common/vb_types.h"

// A rectangle in pixels of the window surface.
struct typRect {
    vb::Long Left = 0;
    vb::Long Top = 0;
    vb::Long Right = 0;
    vb::Long Bottom = 0;
};

// The rectangle of the last text call.
extern typRect gudtTextRect;

// Draws the text into the rectangle of the main window with the font size (points) and colour
// (0x00BBGGRR, or a system colour), both of which stay set on the window; "\n" (backslash, n)
// breaks the line. Alignment 0: wrapped, left-aligned from the top; 1: wrapped, right-aligned; any
// other value: one line centred both ways. Only the glyphs are drawn: what is behind them stays.
// Refreshes the window. A coordinate beyond 32 bits is an overflow error.
void Manage_Draw_Text(const std::string& In_strText, vb::Single In_sngLeft, vb::Single In_sngTop,
                      vb::Single In_sngRight, vb::Single In_sngBottom, vb::Integer In_intSize, vb::Long In_lngColor,
                      vb::Integer In_intAlign);

// True (-1): the window image to the backup picture; any other value: the backup picture back to
// the window (not refreshed; the caller refreshes).
void Manage_Copy_Screen(vb::Boolean In_blnMode);

// Inverts the colours of the rectangle of the window image (not refreshed).
void Manage_Invert_Rect(vb::Single In_sngX, vb::Single In_sngY, vb::Single In_sngWidth, vb::Single In_sngHeight);
