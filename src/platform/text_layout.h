// Placing a text in a rectangle the way the window system's text call did: word-wrapped lines
// (left or right aligned) or one line centred both ways. Pure logic: widths come from a metrics
// source, so the layout can be checked without a font.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// What the layout needs to know about a font. Advances are whole pixels; there is no kerning
// (the gothic faces the game uses are fixed-pitch, and the glyph painter places each glyph at the
// advance this reports).
class FontMetrics {
public:
    virtual ~FontMetrics() = default;
    // Distance between the tops of two lines.
    virtual int LineHeight() const = 0;
    virtual int Advance(char32_t ch) const = 0;
};

struct TextRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

enum class TextAlign {
    WrapLeft,      // lines start at the top; wrap at the right edge and at line breaks
    WrapRight,     // the same, each line flush with the right edge
    CentreSingle,  // one line centred horizontally and vertically; line breaks do not break it
};

// The alignment codes of the game: 0 and 1 wrap, every other value is the centred single line.
TextAlign Text_AlignFromCode(int code);

// A character of a laid-out line that carries this bit is drawn underlined (see Text_Layout).
inline constexpr char32_t kTextUnderline = 0x80000000u;
inline constexpr char32_t Text_CharOf(char32_t ch) { return ch & ~kTextUnderline; }

struct TextLine {
    std::u32string chars;  // what is drawn (the spaces a wrap ended at are left out)
    int x = 0;             // left edge of the first glyph
    int y = 0;             // top of the line
    int width = 0;
};

// True for a character after or before which a line may always break: everything outside ASCII,
// which is the double-byte (Japanese) part of the game's code page and its half-width kana.
bool Text_BreaksAnywhere(char32_t ch);

// Lays the UTF-8 text out in the rectangle. CR LF, a lone CR and a lone LF each end a line when
// wrapping; in the single-line mode they take no room and draw nothing. Malformed UTF-8 becomes
// U+FFFD. Lines below the rectangle are still returned; the painter clips them.
// The ampersand is the mnemonic prefix, as the window system's text call treats it (the game's
// texts were written against that): "&&" shows one "&", "&x" shows x underlined, a last lone "&"
// shows nothing.
std::vector<TextLine> Text_Layout(std::string_view utf8, const TextRect& rect, TextAlign align,
                                  const FontMetrics& metrics);

// The text with every ampersand doubled, for places that show ampersands as they are (a message
// box's text and title: "R&D" in an error text must not underline the D).
std::string Text_NoPrefix(std::string_view utf8);

}  // namespace platform
