#include "platform/sdl/sdl_msgbox.h"

#include <algorithm>

#include "platform/text_draw.h"

namespace platform {
namespace {

// Classic desktop colours (0x00BBGGRR).
constexpr Colour kFace = Rgb(192, 192, 192);
constexpr Colour kLight = Rgb(255, 255, 255);
constexpr Colour kShadow = Rgb(128, 128, 128);
constexpr Colour kDark = Rgb(0, 0, 0);
constexpr Colour kTitle = Rgb(0, 0, 128);
constexpr Colour kTitleText = Rgb(255, 255, 255);
constexpr Colour kText = Rgb(0, 0, 0);

constexpr int kTitleH = 18;
constexpr int kPad = 14;
constexpr int kIconSize = 32;
constexpr int kButtonW = 75;
constexpr int kButtonH = 23;
constexpr int kButtonGap = 8;
constexpr int kMaxTextW = 440;
constexpr int kMinBoxW = 160;

void FillRect(Surface& s, const TextRect& r, Colour c) {
    const int x0 = std::max(0, r.left), x1 = std::min(s.Width(), r.right);
    const int y0 = std::max(0, r.top), y1 = std::min(s.Height(), r.bottom);
    for (int y = y0; y < y1; ++y) {
        Colour* row = s.Row(y);
        for (int x = x0; x < x1; ++x) row[x] = c;
    }
}

// A raised 3D edge: light on the top and left, shadow and dark on the bottom and right.
void Raised(Surface& s, const TextRect& r) {
    for (int x = r.left; x < r.right; ++x) {
        s.Set(x, r.top, kLight);
        s.Set(x, r.bottom - 1, kDark);
        s.Set(x, r.bottom - 2, kShadow);
    }
    for (int y = r.top; y < r.bottom; ++y) {
        s.Set(r.left, y, kLight);
        s.Set(r.right - 1, y, kDark);
        s.Set(r.right - 2, y, kShadow);
    }
    s.Set(r.right - 2, r.top, kLight);
    s.Set(r.left, r.bottom - 2, kLight);
}

void DottedFrame(Surface& s, const TextRect& r) {
    for (int x = r.left; x < r.right; x += 2) {
        s.Set(x, r.top, kDark);
        s.Set(x, r.bottom - 1, kDark);
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        s.Set(r.left, y, kDark);
        s.Set(r.right - 1, y, kDark);
    }
}

void Disc(Surface& s, const TextRect& r, Colour c) {
    const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0, rad = r.Width() / 2.0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            if (dx * dx + dy * dy <= rad * rad) s.Set(x, y, c);
        }
    }
}

int TextWidth(const std::vector<TextLine>& lines) {
    int w = 0;
    for (const TextLine& l : lines) w = std::max(w, l.width);
    return w;
}

struct Sizes {
    int textW = 0, textH = 0, titleW = 0, boxW = 0, boxH = 0;
};

Sizes Measure(const std::string& text, const std::string& title, const std::vector<std::string>& labels,
              MsgIcon icon, const Font& font, int maxTextW) {
    Sizes z;
    const std::vector<TextLine> lines =
        Text_Layout(Text_NoPrefix(text), TextRect{0, 0, maxTextW, 100000}, TextAlign::WrapLeft, font);
    z.textW = TextWidth(lines);
    z.textH = lines.empty() ? font.LineHeight() : lines.back().y + font.LineHeight();
    z.titleW = TextWidth(Text_Layout(Text_NoPrefix(title), TextRect{0, 0, 100000, 100}, TextAlign::WrapLeft, font));
    const int n = static_cast<int>(labels.size());
    const int buttonsW = n * kButtonW + (n - 1) * kButtonGap;
    const int iconW = icon == MsgIcon::None ? 0 : kIconSize + kPad;
    z.boxW = std::max({kPad + iconW + z.textW + kPad + 4, buttonsW + 2 * kPad, z.titleW + 2 * kPad, kMinBoxW});
    const int bodyH = std::max(z.textH, icon == MsgIcon::None ? 0 : kIconSize);
    z.boxH = 3 + kTitleH + kPad + bodyH + kPad + kButtonH + kPad;
    return z;
}

}  // namespace

void MsgBox_NaturalSize(const std::string& text, const std::string& title, const std::vector<std::string>& labels,
                        MsgIcon icon, const Font& font, int& width, int& height) {
    const Sizes z = Measure(text, title, labels, icon, font, kMaxTextW);
    width = z.boxW;
    height = z.boxH;
}

MsgBoxLayout MsgBox_Layout(int surfaceW, int surfaceH, const std::string& text, const std::string& title,
                           const std::vector<std::string>& labels, MsgIcon icon, const Font& font) {
    const int iconW = icon == MsgIcon::None ? 0 : kIconSize + kPad;
    const int maxTextW = std::max(40, std::min(kMaxTextW, surfaceW - 2 * kPad - iconW - 4));
    const Sizes z = Measure(text, title, labels, icon, font, maxTextW);
    MsgBoxLayout L;
    const int w = std::min(z.boxW, surfaceW);
    const int h = std::min(z.boxH, surfaceH);
    L.box = TextRect{(surfaceW - w) / 2, (surfaceH - h) / 2, 0, 0};
    L.box.right = L.box.left + w;
    L.box.bottom = L.box.top + h;
    L.titleBar = TextRect{L.box.left + 3, L.box.top + 3, L.box.right - 3, L.box.top + 3 + kTitleH};
    const int bodyTop = L.titleBar.bottom + kPad;
    int textLeft = L.box.left + kPad;
    if (icon != MsgIcon::None) {
        L.icon = TextRect{textLeft, bodyTop, textLeft + kIconSize, bodyTop + kIconSize};
        textLeft += iconW;
    }
    const int bodyH = std::max(z.textH, icon == MsgIcon::None ? 0 : kIconSize);
    // A single line sits level with the icon's middle, as in the classic dialog.
    const int textTop = bodyTop + (icon != MsgIcon::None && z.textH < kIconSize ? (kIconSize - z.textH) / 2 : 0);
    L.text = TextRect{textLeft, textTop, std::min(L.box.right - kPad, textLeft + maxTextW),
                      std::min(L.box.bottom - kPad - kButtonH - kPad, textTop + bodyH)};
    const int n = static_cast<int>(labels.size());
    const int buttonsW = n * kButtonW + (n - 1) * kButtonGap;
    int bx = L.box.left + (w - buttonsW) / 2;
    const int by = L.box.bottom - kPad - kButtonH;
    for (int i = 0; i < n; ++i) {
        L.buttons.push_back(TextRect{bx, by, bx + kButtonW, by + kButtonH});
        bx += kButtonW + kButtonGap;
    }
    return L;
}

void MsgBox_Paint(Surface& dst, const MsgBoxLayout& L, const std::string& text, const std::string& title,
                  const std::vector<std::string>& labels, MsgIcon icon, int focus, const Font& font) {
    const double points = font.PixelSize() * 72.0 / 96.0;
    FillRect(dst, L.box, kFace);
    Raised(dst, L.box);
    FillRect(dst, L.titleBar, kTitle);
    Text_Draw(dst, Text_NoPrefix(title), TextRect{L.titleBar.left + 4, L.titleBar.top + 3, L.titleBar.right - 4, L.titleBar.bottom},
              points, kTitleText, TextAlign::WrapLeft);
    if (icon != MsgIcon::None) {
        Colour disc = Rgb(0, 0, 255);
        const char* mark = "i";
        switch (icon) {
            case MsgIcon::Critical: disc = Rgb(255, 0, 0), mark = "×"; break;
            case MsgIcon::Question: mark = "?"; break;
            case MsgIcon::Exclamation: disc = Rgb(255, 255, 0), mark = "!"; break;
            default: break;
        }
        Disc(dst, L.icon, disc);
        Text_Draw(dst, mark, L.icon, 18, icon == MsgIcon::Exclamation ? kDark : kLight, TextAlign::CentreSingle);
    }
    Text_Draw(dst, Text_NoPrefix(text), L.text, points, kText, TextAlign::WrapLeft);
    for (std::size_t i = 0; i < L.buttons.size(); ++i) {
        const TextRect& b = L.buttons[i];
        Raised(dst, b);
        if (static_cast<int>(i) == focus) {
            DottedFrame(dst, TextRect{b.left + 4, b.top + 4, b.right - 4, b.bottom - 4});
        }
        Text_Draw(dst, labels[i], b, points, kText, TextAlign::CentreSingle);
    }
}

int MsgBox_HitButton(const MsgBoxLayout& L, float x, float y) {
    for (std::size_t i = 0; i < L.buttons.size(); ++i) {
        const TextRect& b = L.buttons[i];
        if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace platform
