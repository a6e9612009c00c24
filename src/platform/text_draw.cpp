#include "platform/text_draw.h"

#include <algorithm>

namespace platform {
namespace {

inline Colour Blend(Colour dst, Colour src, unsigned a) {
    if (a == 255) return src;
    const unsigned na = 255 - a;
    auto mix = [&](int shift) {
        const unsigned d = (dst >> shift) & 0xFF;
        const unsigned s = (src >> shift) & 0xFF;
        return ((s * a + d * na + 127) / 255) << shift;
    };
    return mix(0) | mix(8) | mix(16);
}

}  // namespace

void Text_Paint(Surface& dst, const std::vector<TextLine>& lines, const TextRect& clip, const Font& font,
                Colour colour) {
    const int x0 = std::max(0, clip.left);
    const int y0 = std::max(0, clip.top);
    const int x1 = std::min(dst.Width(), clip.right);
    const int y1 = std::min(dst.Height(), clip.bottom);
    if (x0 >= x1 || y0 >= y1) return;
    colour &= 0xFFFFFF;
    for (const TextLine& line : lines) {
        if (line.y >= y1) break;  // lines only go down from here
        int pen = line.x;
        for (char32_t marked : line.chars) {
            const char32_t ch = Text_CharOf(marked);
            if (ch < 0x20 || ch == 0x7F) continue;
            const Glyph& g = font.GlyphOf(ch);
            if (marked != ch) {
                // A mnemonic's underline, just below the baseline.
                const int thick = std::max(1, font.PixelSize() / 16);
                const int top = line.y + std::min(font.Ascent() + 1, font.LineHeight() - thick);
                const int uy0 = std::max(y0, top);
                const int uy1 = std::min(y1, top + thick);
                for (int y = uy0; y < uy1; ++y) {
                    Colour* row = dst.Row(y);
                    for (int x = std::max(x0, pen); x < std::min(x1, pen + g.advance); ++x) row[x] = colour;
                }
            }
            const int gx = pen + g.offsetX;
            const int gy = line.y + g.offsetY;
            pen += g.advance;
            const int cx0 = std::max(x0, gx), cx1 = std::min(x1, gx + g.width);
            const int cy0 = std::max(y0, gy), cy1 = std::min(y1, gy + g.height);
            for (int y = cy0; y < cy1; ++y) {
                const std::uint8_t* cov = g.coverage.data() + static_cast<std::size_t>(y - gy) * g.width - gx;
                Colour* row = dst.Row(y);
                for (int x = cx0; x < cx1; ++x) {
                    const unsigned a = cov[x];
                    if (a != 0) row[x] = Blend(row[x], colour, a);
                }
            }
        }
    }
}

bool Text_Draw(Surface& dst, std::string_view utf8, const TextRect& rect, double points, Colour colour,
               TextAlign align) {
    const Font* font = Font_Get(Font_PixelSize(points));
    if (font == nullptr) return false;
    Text_Paint(dst, Text_Layout(utf8, rect, align, *font), rect, *font, colour);
    return true;
}

}  // namespace platform
