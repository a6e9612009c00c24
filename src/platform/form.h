// A window's drawing target as the game sees it: the persistent image and the drawing settings
// that stay set between calls (back colour, pen width, fill style and colour, font size, text
// colour). Refresh shows the image through the host.
#pragma once
#include "platform/surface.h"

namespace platform {

enum FillStyle : int { kFillSolid = 0, kFillTransparent = 1 };

class Form {
public:
    Form() = default;
    Form(int width, int height) : image(width, height, 0xFFFFFF) {}

    Surface image;
    Colour BackColor = 0xFFFFFF;
    Colour ForeColor = 0x000000;
    Colour FillColor = 0x000000;
    int DrawWidth = 1;
    int FillStyle = kFillTransparent;
    float FontSize = 9.75f;

    int ScaleWidth() const { return image.Width(); }
    int ScaleHeight() const { return image.Height(); }
    // Clears the image to BackColor.
    void Cls() { image.Fill(BackColor); }
    // Shows the image in the window.
    void Refresh() const;
};

}  // namespace platform
