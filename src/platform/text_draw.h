// Drawing a text into a surface: the layout of text_layout.h painted with the game font.
#pragma once
#include <string_view>

#include "platform/font.h"
#include "platform/surface.h"
#include "platform/text_layout.h"

namespace platform {

// Paints the laid-out lines with the font's glyphs in the colour, clipped to the rectangle and to
// the surface. Only the glyphs are painted: the cells behind the characters keep what was there
// (a transparent text background), so texts sit on the pictures and panels drawn before them. Glyph
// edges are blended with the surface by their coverage.
void Text_Paint(Surface& dst, const std::vector<TextLine>& lines, const TextRect& clip, const Font& font,
                Colour colour);

// Lays the UTF-8 text out in the rectangle and paints it with the game font at the point size
// (96 dpi). Returns false, drawing nothing, when no font is available.
bool Text_Draw(Surface& dst, std::string_view utf8, const TextRect& rect, double points, Colour colour,
               TextAlign align);

}  // namespace platform
