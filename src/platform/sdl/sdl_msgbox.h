// The message box drawn into the game's own window: a classic dialog (title bar, icon, text,
// buttons) painted over the picture with the game font. SDL's system message box needs X core
// fonts with Japanese glyphs, which many desktops (and Xvfb) lack; the game font is always there.
// This part is the geometry and painting; the SDL host runs the modal loop.
#pragma once
#include <string>
#include <vector>

#include "platform/font.h"
#include "platform/host.h"
#include "platform/surface.h"
#include "platform/text_layout.h"

namespace platform {

struct MsgBoxLayout {
    TextRect box;
    TextRect titleBar;
    TextRect icon;  // empty without an icon
    TextRect text;
    std::vector<TextRect> buttons;
};

// Places a box for the text, title and button labels, centred in a surface of that size (the box
// never exceeds it; long texts are clipped).
MsgBoxLayout MsgBox_Layout(int surfaceW, int surfaceH, const std::string& text, const std::string& title,
                           const std::vector<std::string>& labels, MsgIcon icon, const Font& font);

// The size a box needs when it is the only thing in a window.
void MsgBox_NaturalSize(const std::string& text, const std::string& title, const std::vector<std::string>& labels,
                        MsgIcon icon, const Font& font, int& width, int& height);

// Paints the box; focus is the index of the button with the focus frame.
void MsgBox_Paint(Surface& dst, const MsgBoxLayout& layout, const std::string& text, const std::string& title,
                  const std::vector<std::string>& labels, MsgIcon icon, int focus, const Font& font);

// The button under a surface position, or -1.
int MsgBox_HitButton(const MsgBoxLayout& layout, float x, float y);

}  // namespace platform
