// The window font: the Japanese gothic face the game asks for ("ＭＳ ゴシック"), found through
// fontconfig and rasterised by SDL_ttf. Works without a video subsystem, so headless runs draw the
// same text as a window does. Fonts are opened once per pixel size and kept for the run.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/text_layout.h"

typedef struct _TTF_Font TTF_Font;

namespace platform {

// The face the game's windows name.
inline constexpr const char* kGameFontFace = "ＭＳ ゴシック";

// Point size to pixel size at 96 dots per inch, rounded half to even and kept within 1..960 pixels
// (a size of zero, a negative size or a huge one still draws something sensible and bounded).
int Font_PixelSize(double points);

// A glyph's coverage image, placed relative to the pen position at the top of the line.
struct Glyph {
    int advance = 0;
    int offsetX = 0;  // where the image's left column lies relative to the pen
    int offsetY = 0;  // where the image's top row lies relative to the line top
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;  // width * height, 0 (none) .. 255 (full)
};

// One face at one pixel size.
class Font : public FontMetrics {
public:
    Font(TTF_Font* font, int pixelSize);
    ~Font() override;
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    int PixelSize() const { return pixelSize_; }
    int LineHeight() const override { return lineHeight_; }
    // Pixels from the top of a line to the baseline.
    int Ascent() const { return ascent_; }
    int Advance(char32_t ch) const override;
    // The glyph of ch (rendered on first use and cached).
    const Glyph& GlyphOf(char32_t ch) const;

private:
    TTF_Font* font_;
    int pixelSize_;
    int lineHeight_;
    int ascent_;
    mutable std::unordered_map<char32_t, Glyph> glyphs_;
};

// The font file chosen for the game's face: fontconfig's best match for "ＭＳ ゴシック" in Japanese
// that really holds Japanese characters, else the best font for Japanese at all, else any font
// fontconfig offers (Japanese then shows as missing glyphs). Empty when there is none; the reason
// goes to stderr once.
const std::string& Font_FacePath();
// Uses this file instead of asking fontconfig (tests; empty: ask fontconfig again). Closes the
// fonts opened so far.
void Font_SetFacePath(const std::string& nativePath);

// The game font at that pixel size, or nullptr when no font can be opened (said once on stderr;
// text is then not drawn, and nothing fails).
const Font* Font_Get(int pixelSize);

// Closes every font (before the program ends, or in tests).
void Font_Shutdown();

}  // namespace platform
