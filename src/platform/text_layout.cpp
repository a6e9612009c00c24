#include "platform/text_layout.h"

#include "common/vb_string.h"

namespace platform {
namespace {

bool IsControl(char32_t ch) { return ch < 0x20 || ch == 0x7F; }
bool IsSpace(char32_t ch) { return Text_CharOf(ch) == U' '; }

int AdvanceOf(const FontMetrics& m, char32_t ch) {
    ch = Text_CharOf(ch);
    return IsControl(ch) ? 0 : m.Advance(ch);
}

int WidthOf(const FontMetrics& m, const std::u32string& s, std::size_t from, std::size_t to) {
    int w = 0;
    for (std::size_t i = from; i < to; ++i) w += AdvanceOf(m, s[i]);
    return w;
}

std::u32string Decode(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t ch = vb::Utf8Next(utf8, pos);
        if (ch == U'&') {
            if (pos >= utf8.size()) break;  // a last lone prefix shows nothing
            ch = vb::Utf8Next(utf8, pos);
            if (ch != U'&' && ch != U'\r' && ch != U'\n') ch |= kTextUnderline;
        }
        out.push_back(ch);
    }
    return out;
}

// Splits at CR LF, lone CR and lone LF.
std::vector<std::u32string> Paragraphs(const std::u32string& s) {
    std::vector<std::u32string> out(1);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char32_t ch = s[i];
        if (ch == U'\r' || ch == U'\n') {
            if (ch == U'\r' && i + 1 < s.size() && s[i + 1] == U'\n') ++i;
            out.emplace_back();
        } else {
            out.back().push_back(ch);
        }
    }
    return out;
}

// A line may end between a and b (a before b).
bool BreakBetween(char32_t a, char32_t b) {
    return IsSpace(a) || IsSpace(b) || Text_BreaksAnywhere(Text_CharOf(a)) || Text_BreaksAnywhere(Text_CharOf(b));
}

// Breaks one paragraph into lines no wider than maxWidth. Latin words move to the next line whole
// where a space or a Japanese character offers a break; a word wider than the whole line is cut
// where it reaches the edge. Every line takes at least one character, so a rectangle narrower than
// a glyph still makes progress.
void WrapParagraph(const std::u32string& p, int maxWidth, const FontMetrics& m, std::vector<std::u32string>& lines) {
    std::size_t pos = 0;
    bool first = true;
    while (first || pos < p.size()) {
        first = false;
        int width = 0;
        std::size_t i = pos;
        while (i < p.size()) {
            const int w = AdvanceOf(m, p[i]);
            if (i > pos && width + w > maxWidth) break;
            width += w;
            ++i;
        }
        if (i >= p.size()) {
            lines.push_back(p.substr(pos));
            return;
        }
        // p[i] does not fit. Find the last break at a boundary b with pos < b <= i.
        std::size_t end = i;
        for (std::size_t b = i; b > pos; --b) {
            if (BreakBetween(p[b - 1], p[b])) {
                end = b;
                break;
            }
        }
        // The spaces at the break are swallowed: trailing ones of this line, leading ones of the next.
        std::size_t lineEnd = end;
        while (lineEnd > pos && IsSpace(p[lineEnd - 1])) --lineEnd;
        std::size_t next = end;
        while (next < p.size() && IsSpace(p[next])) ++next;
        lines.push_back(p.substr(pos, lineEnd - pos));
        if (next >= p.size()) return;
        pos = next;
    }
}

int FloorHalf(int v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); }

}  // namespace

std::string Text_NoPrefix(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        if (c == '&') out += '&';
        out += c;
    }
    return out;
}

TextAlign Text_AlignFromCode(int code) {
    if (code == 0) return TextAlign::WrapLeft;
    if (code == 1) return TextAlign::WrapRight;
    return TextAlign::CentreSingle;
}

bool Text_BreaksAnywhere(char32_t ch) { return ch >= 0x80; }

std::vector<TextLine> Text_Layout(std::string_view utf8, const TextRect& rect, TextAlign align,
                                  const FontMetrics& metrics) {
    const std::u32string text = Decode(utf8);
    const int lineHeight = metrics.LineHeight();
    std::vector<TextLine> out;

    if (align == TextAlign::CentreSingle) {
        TextLine line;
        for (char32_t ch : text) {
            if (!IsControl(Text_CharOf(ch))) line.chars.push_back(ch);
        }
        line.width = WidthOf(metrics, line.chars, 0, line.chars.size());
        line.x = rect.left + FloorHalf(rect.Width() - line.width);
        line.y = rect.top + FloorHalf(rect.Height() - lineHeight);
        out.push_back(std::move(line));
        return out;
    }

    std::vector<std::u32string> lines;
    for (const std::u32string& p : Paragraphs(text)) WrapParagraph(p, rect.Width(), metrics, lines);
    // A text ending in a line break has no empty line after it worth drawing.
    if (lines.size() > 1 && lines.back().empty()) lines.pop_back();

    int y = rect.top;
    for (std::u32string& chars : lines) {
        TextLine line;
        line.width = WidthOf(metrics, chars, 0, chars.size());
        line.chars = std::move(chars);
        line.x = align == TextAlign::WrapRight ? rect.right - line.width : rect.left;
        line.y = y;
        y += lineHeight;
        out.push_back(std::move(line));
    }
    return out;
}

}  // namespace platform
