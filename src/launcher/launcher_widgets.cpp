#include "launcher/launcher_widgets.h"

#include <algorithm>
#include <tuple>

#include "platform/font.h"
#include "platform/raster.h"
#include "platform/text_draw.h"

namespace launcher {
namespace {

using platform::Colour;
using platform::Surface;

constexpr int kScrollWidth = 16;
constexpr int kBorder = 2;   // sunken frame of the text box

const platform::Font* UiFont(double points) { return platform::Font_Get(platform::Font_PixelSize(points)); }

platform::TextRect ToTextRect(const Rect& r) { return {r.x, r.y, r.Right(), r.Bottom()}; }

Rect Intersect(const Rect& a, const Rect& b) {
    const int x1 = std::max(a.x, b.x);
    const int y1 = std::max(a.y, b.y);
    const int x2 = std::min(a.Right(), b.Right());
    const int y2 = std::min(a.Bottom(), b.Bottom());
    return {x1, y1, std::max(0, x2 - x1), std::max(0, y2 - y1)};
}

void HLine(Surface& s, int x1, int x2, int y, Colour c) {
    for (int x = x1; x <= x2; ++x) s.Set(x, y, c);
}
void VLine(Surface& s, int x, int y1, int y2, Colour c) {
    for (int y = y1; y <= y2; ++y) s.Set(x, y, c);
}

}  // namespace

void Draw_Fill(Surface& s, const Rect& r, Colour c) {
    if (r.w <= 0 || r.h <= 0) return;
    platform::Raster_FillBox(s, r.x, r.y, r.Right() - 1, r.Bottom() - 1, c);
}

void Draw_Bevel(Surface& s, const Rect& r, bool sunken) {
    if (r.w < 4 || r.h < 4) return;
    const int x2 = r.Right() - 1;
    const int y2 = r.Bottom() - 1;
    const Colour outerTL = sunken ? kShadow : kHighlight;
    const Colour innerTL = sunken ? kDarkShadow : kLight;
    const Colour outerBR = sunken ? kHighlight : kDarkShadow;
    const Colour innerBR = sunken ? kLight : kShadow;
    HLine(s, r.x, x2, r.y, outerTL);
    VLine(s, r.x, r.y, y2, outerTL);
    HLine(s, r.x + 1, x2 - 1, r.y + 1, innerTL);
    VLine(s, r.x + 1, r.y + 1, y2 - 1, innerTL);
    HLine(s, r.x, x2, y2, outerBR);
    VLine(s, x2, r.y, y2, outerBR);
    HLine(s, r.x + 1, x2 - 1, y2 - 1, innerBR);
    VLine(s, x2 - 1, r.y + 1, y2 - 1, innerBR);
}

void Draw_ThinBevel(Surface& s, const Rect& r, bool sunken) {
    if (r.w < 2 || r.h < 2) return;
    const int x2 = r.Right() - 1;
    const int y2 = r.Bottom() - 1;
    const Colour tl = sunken ? kShadow : kHighlight;
    const Colour br = sunken ? kHighlight : kShadow;
    HLine(s, r.x, x2, r.y, tl);
    VLine(s, r.x, r.y, y2, tl);
    HLine(s, r.x, x2, y2, br);
    VLine(s, x2, r.y, y2, br);
}

void Draw_FocusRect(Surface& s, const Rect& r) {
    if (r.w < 2 || r.h < 2) return;
    const int x2 = r.Right() - 1;
    const int y2 = r.Bottom() - 1;
    for (int x = r.x; x <= x2; x += 2) {
        s.Set(x, r.y, kText);
        s.Set(x, y2, kText);
    }
    for (int y = r.y; y <= y2; y += 2) {
        s.Set(r.x, y, kText);
        s.Set(x2, y, kText);
    }
}

void Draw_CheckMark(Surface& s, int x, int y, Colour c) {
    // Two strokes, each two pixels thick: down-right for three steps, then up-right for four.
    static const int kShort[][2] = {{0, 2}, {1, 3}, {2, 4}};
    static const int kLong[][2] = {{3, 3}, {4, 2}, {5, 1}, {6, 0}};
    for (const auto& p : kShort) {
        s.Set(x + p[0], y + p[1], c);
        s.Set(x + p[0], y + p[1] + 1, c);
        s.Set(x + p[0], y + p[1] + 2, c);
    }
    for (const auto& p : kLong) {
        s.Set(x + p[0], y + p[1], c);
        s.Set(x + p[0], y + p[1] + 1, c);
        s.Set(x + p[0], y + p[1] + 2, c);
    }
}

void Draw_Arrow(Surface& s, const Rect& r, ArrowDir dir, Colour c) {
    // A triangle 7 wide and 4 high.
    const int cx = r.x + r.w / 2;
    const int cy = r.y + r.h / 2 - 2;
    for (int row = 0; row < 4; ++row) {
        const int half = dir == ArrowDir::Up ? row : 3 - row;
        HLine(s, cx - half, cx + half, cy + row, c);
    }
}

int Text_Width(const std::string& utf8, double points) {
    const platform::Font* font = UiFont(points);
    if (font == nullptr) return 0;
    const auto lines = platform::Text_Layout(utf8, {0, 0, 1 << 20, 1 << 20}, platform::TextAlign::WrapLeft, *font);
    int width = 0;
    for (const auto& line : lines) width = std::max(width, line.width);
    return width;
}

int Text_LineHeight(double points) {
    const platform::Font* font = UiFont(points);
    return font != nullptr ? font->LineHeight() : platform::Font_PixelSize(points) + 1;
}

void Draw_TextLine(Surface& s, const std::string& utf8, int x, int y, const Rect& clip, Colour c, double points) {
    const platform::Font* font = UiFont(points);
    if (font == nullptr || clip.w <= 0 || clip.h <= 0) return;
    const auto lines = platform::Text_Layout(utf8, {x, y, x + (1 << 20), y + (1 << 20)}, platform::TextAlign::WrapLeft,
                                             *font);
    platform::Text_Paint(s, lines, ToTextRect(clip), *font, c);
}

void Draw_TextCentred(Surface& s, const std::string& utf8, const Rect& r, Colour c, double points) {
    platform::Text_Draw(s, utf8, ToTextRect(r), points, c, platform::TextAlign::CentreSingle);
}

// --- Button ---

void Button::Paint(Surface& s) const {
    // Paint into a scratch copy of the button's area, then copy what the panel lets show.
    const Rect visible = Intersect(rect, clip);
    if (visible.w <= 0 || visible.h <= 0) return;
    Surface scratch(rect.w, rect.h, kFace);
    const Rect local{0, 0, rect.w, rect.h};
    const bool down = pressed;
    Draw_Fill(scratch, local, hover && !down ? kFaceHover : kFace);
    Rect frame = local;
    if (focus || isDefault) {
        // The default or focused button wears a black outer frame.
        platform::Raster_Box(scratch, 0, 0, rect.w - 1, rect.h - 1, kText, 1);
        frame = {1, 1, rect.w - 2, rect.h - 2};
    }
    if (down) {
        platform::Raster_Box(scratch, frame.x, frame.y, frame.Right() - 1, frame.Bottom() - 1, kShadow, 1);
    } else {
        Draw_Bevel(scratch, frame, false);
    }
    Rect label = local;
    if (down) {
        label.x += 1;
        label.y += 1;
    }
    Draw_TextCentred(scratch, caption, label, kText);
    if (focus) Draw_FocusRect(scratch, {4, 4, rect.w - 8, rect.h - 8});
    platform::BitBlt(s, visible.x, visible.y, visible.w, visible.h, scratch, visible.x - rect.x, visible.y - rect.y,
                     platform::kRopSrcCopy);
}

// --- TextBox ---

void TextBox::SetText(const std::string& utf8) {
    text_ = utf8;
    top_ = 0;
    Layout();
}

Rect TextBox::Inner() const {
    const int barWidth = scrollBar_ ? kScrollWidth : 0;
    return {rect.x + kBorder + padding, rect.y + kBorder + padding,
            rect.w - 2 * (kBorder + padding) - barWidth, rect.h - 2 * (kBorder + padding)};
}

void TextBox::Layout() {
    lines_.clear();
    const platform::Font* font = UiFont(points);
    if (font == nullptr) {
        scrollBar_ = false;
        return;
    }
    // First without a scroll bar; when the text is taller than the box, again beside one.
    for (const bool bar : {false, true}) {
        scrollBar_ = bar;
        const Rect in = Inner();
        lines_ = platform::Text_Layout(text_, {0, 0, in.w, 1 << 20}, platform::TextAlign::WrapLeft, *font);
        // A text that ends with a line break leaves an empty last line; it needs no room.
        while (!lines_.empty() && lines_.back().chars.empty()) lines_.pop_back();
        if (LineCount() <= VisibleLines()) break;
    }
    top_ = std::clamp(top_, 0, MaxTopLine());
}

int TextBox::VisibleLines() const {
    const int lh = Text_LineHeight(points);
    return lh > 0 ? std::max(1, Inner().h / lh) : 1;
}

int TextBox::MaxTopLine() const { return std::max(0, LineCount() - VisibleLines()); }

void TextBox::ScrollTo(int line) { top_ = std::clamp(line, 0, MaxTopLine()); }

Rect TextBox::UpArrowRect() const {
    return {rect.Right() - kBorder - kScrollWidth, rect.y + kBorder, kScrollWidth, kScrollWidth};
}

Rect TextBox::DownArrowRect() const {
    return {rect.Right() - kBorder - kScrollWidth, rect.Bottom() - kBorder - kScrollWidth, kScrollWidth, kScrollWidth};
}

Rect TextBox::TrackRect() const {
    const Rect up = UpArrowRect();
    const Rect down = DownArrowRect();
    return {up.x, up.Bottom(), kScrollWidth, down.y - up.Bottom()};
}

Rect TextBox::ThumbRect() const {
    const Rect track = TrackRect();
    const int total = std::max(1, LineCount());
    const int visible = std::min(VisibleLines(), total);
    const int h = std::max(8, track.h * visible / total);
    const int range = track.h - h;
    const int maxTop = MaxTopLine();
    const int y = maxTop > 0 ? track.y + range * top_ / maxTop : track.y;
    return {track.x, y, kScrollWidth, h};
}

int TextBox::TopLineForThumbAt(int thumbTop) const {
    const Rect track = TrackRect();
    const int range = track.h - ThumbRect().h;
    if (range <= 0) return 0;
    const int offset = std::clamp(thumbTop - track.y, 0, range);
    // Nearest line for the thumb position.
    return (offset * MaxTopLine() * 2 + range) / (2 * range);
}

TextBox::Part TextBox::HitTest(float x, float y) const {
    if (!rect.Contains(x, y)) return Part::None;
    if (!scrollBar_) return Part::Text;
    if (UpArrowRect().Contains(x, y)) return Part::UpArrow;
    if (DownArrowRect().Contains(x, y)) return Part::DownArrow;
    const Rect track = TrackRect();
    if (track.Contains(x, y)) {
        const Rect thumb = ThumbRect();
        if (y < thumb.y) return Part::TrackAbove;
        if (y >= thumb.Bottom()) return Part::TrackBelow;
        return Part::Thumb;
    }
    return Part::Text;
}

void TextBox::Paint(Surface& s) const {
    Draw_Fill(s, rect, kWindow);
    Draw_Bevel(s, rect, true);
    const Rect in = Inner();
    const platform::Font* font = UiFont(points);
    if (font != nullptr) {
        const int lh = font->LineHeight();
        std::vector<platform::TextLine> shown;
        for (int i = top_; i < LineCount() && i < top_ + VisibleLines() + 1; ++i) {
            platform::TextLine line = lines_[static_cast<std::size_t>(i)];
            line.x += in.x;
            line.y = in.y + (i - top_) * lh;
            shown.push_back(std::move(line));
        }
        platform::Text_Paint(s, shown, ToTextRect(in), *font, kText);
    }
    if (scrollBar_) {
        Draw_Fill(s, TrackRect(), kScrollTrack);
        const Rect up = UpArrowRect();
        const Rect down = DownArrowRect();
        const bool canUp = top_ > 0;
        const bool canDown = top_ < MaxTopLine();
        for (const auto& [r, dir, pushed, enabled] :
             {std::tuple{up, ArrowDir::Up, pressedPart == Part::UpArrow, canUp},
              std::tuple{down, ArrowDir::Down, pressedPart == Part::DownArrow, canDown}}) {
            Draw_Fill(s, r, kFace);
            if (pushed) {
                platform::Raster_Box(s, r.x, r.y, r.Right() - 1, r.Bottom() - 1, kShadow, 1);
            } else {
                Draw_Bevel(s, r, false);
            }
            Rect arrow = r;
            if (pushed) {
                arrow.x += 1;
                arrow.y += 1;
            }
            Draw_Arrow(s, arrow, dir, enabled ? kText : kGreyText);
        }
        if (pressedPart == Part::TrackAbove || pressedPart == Part::TrackBelow) {
            const Rect track = TrackRect();
            const Rect thumb = ThumbRect();
            const Rect dark = pressedPart == Part::TrackAbove ? Rect{track.x, track.y, track.w, thumb.y - track.y}
                                                              : Rect{track.x, thumb.Bottom(), track.w,
                                                                     track.Bottom() - thumb.Bottom()};
            Draw_Fill(s, dark, kDarkShadow);
        }
        const Rect thumb = ThumbRect();
        Draw_Fill(s, thumb, pressedPart == Part::Thumb ? kFaceHover : kFace);
        Draw_Bevel(s, thumb, false);
    }
    if (focus) Draw_FocusRect(s, {rect.x + 1 + kBorder, rect.y + 1 + kBorder, in.w + 2 * padding - 2,
                                  in.h + 2 * padding - 2});
}

// --- MenuBar ---

MenuBar::MenuBar(int width_, std::vector<Menu> menus_) : width(width_), menus(std::move(menus_)) {
    int x = 2;
    for (Menu& m : menus) {
        const int w = std::max(Text_Width(m.title), 12) + 16;
        m.titleRect = {x, 1, w, kHeight - 2};
        x += w;
    }
}

int MenuBar::TitleAt(float x, float y) const {
    for (std::size_t i = 0; i < menus.size(); ++i) {
        if (menus[i].titleRect.Contains(x, y)) return static_cast<int>(i);
    }
    return -1;
}

Rect MenuBar::DropRect(int menu) const {
    const Menu& m = menus[static_cast<std::size_t>(menu)];
    int textWidth = 0;
    for (const MenuItem& it : m.items) textWidth = std::max(textWidth, Text_Width(it.caption));
    const int w = std::max(textWidth + 20 + 24, m.titleRect.w + 40);
    return {m.titleRect.x, m.titleRect.Bottom() + 1, w, static_cast<int>(m.items.size()) * kItemHeight + 6};
}

Rect MenuBar::ItemRect(int menu, int item) const {
    const Rect drop = DropRect(menu);
    return {drop.x + 3, drop.y + 3 + item * kItemHeight, drop.w - 6, kItemHeight};
}

int MenuBar::ItemAt(float x, float y) const {
    if (!IsOpen()) return -1;
    const Menu& m = menus[static_cast<std::size_t>(openMenu)];
    for (std::size_t i = 0; i < m.items.size(); ++i) {
        if (ItemRect(openMenu, static_cast<int>(i)).Contains(x, y)) return static_cast<int>(i);
    }
    return -1;
}

bool MenuBar::Locate(const std::string& itemName, int& menu, int& item) const {
    for (std::size_t m = 0; m < menus.size(); ++m) {
        for (std::size_t i = 0; i < menus[m].items.size(); ++i) {
            if (menus[m].items[i].name == itemName) {
                menu = static_cast<int>(m);
                item = static_cast<int>(i);
                return true;
            }
        }
    }
    return false;
}

MenuItem* MenuBar::Find(const std::string& itemName) {
    int m = 0;
    int i = 0;
    if (!Locate(itemName, m, i)) return nullptr;
    return &menus[static_cast<std::size_t>(m)].items[static_cast<std::size_t>(i)];
}

const MenuItem* MenuBar::Find(const std::string& itemName) const {
    return const_cast<MenuBar*>(this)->Find(itemName);
}

void MenuBar::Paint(Surface& s) const {
    Draw_Fill(s, {0, 0, width, kHeight}, kFace);
    HLine(s, 0, width - 1, kHeight - 1, kShadow);
    for (std::size_t i = 0; i < menus.size(); ++i) {
        const Menu& m = menus[i];
        const bool open = openMenu == static_cast<int>(i);
        const bool hot = !IsOpen() && hotTitle == static_cast<int>(i);
        if (open) {
            Draw_ThinBevel(s, m.titleRect, true);
        } else if (hot) {
            Draw_ThinBevel(s, m.titleRect, false);
        }
        Rect label = m.titleRect;
        if (open) {
            label.x += 1;
            label.y += 1;
        }
        Draw_TextCentred(s, m.title, label, kText);
    }
    if (!IsOpen()) return;
    const Rect drop = DropRect(openMenu);
    Draw_Fill(s, drop, kFace);
    Draw_Bevel(s, drop, false);
    const Menu& m = menus[static_cast<std::size_t>(openMenu)];
    const int lh = Text_LineHeight();
    for (std::size_t i = 0; i < m.items.size(); ++i) {
        const Rect r = ItemRect(openMenu, static_cast<int>(i));
        const bool hot = hotItem == static_cast<int>(i);
        if (hot) Draw_Fill(s, r, kSelection);
        const Colour fg = hot ? kSelectionText : kText;
        if (m.items[i].checked) Draw_CheckMark(s, r.x + 6, r.y + (r.h - 7) / 2, fg);
        Draw_TextLine(s, m.items[i].caption, r.x + 20, r.y + (r.h - lh) / 2, r, fg);
    }
}

}  // namespace launcher
