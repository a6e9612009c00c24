// The launcher's controls, drawn by the launcher itself on its surface in the look of a classic
// desktop: push buttons with hover, pressed and focus looks; labels; a read-only multi-line text
// box with a vertical scroll bar when its text is taller than the box; a menu bar whose drop-down
// items carry check marks. Controls only draw and answer hit tests; the window decides what a
// press or a release means.
#pragma once
#include <string>
#include <vector>

#include "platform/surface.h"
#include "platform/text_layout.h"

namespace launcher {

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
    bool Contains(float px, float py) const { return px >= x && py >= y && px < x + w && py < y + h; }
    float CentreX() const { return x + w / 2.0f; }
    float CentreY() const { return y + h / 2.0f; }
};

// Colours of the classic desktop theme (0x00BBGGRR).
inline constexpr platform::Colour kFace = platform::Rgb(212, 208, 200);
inline constexpr platform::Colour kFaceHover = platform::Rgb(228, 225, 218);
inline constexpr platform::Colour kHighlight = platform::Rgb(255, 255, 255);
inline constexpr platform::Colour kLight = platform::Rgb(236, 233, 228);
inline constexpr platform::Colour kShadow = platform::Rgb(128, 128, 128);
inline constexpr platform::Colour kDarkShadow = platform::Rgb(64, 64, 64);
inline constexpr platform::Colour kText = platform::Rgb(0, 0, 0);
inline constexpr platform::Colour kGreyText = platform::Rgb(128, 128, 128);
inline constexpr platform::Colour kWindow = platform::Rgb(255, 255, 255);
inline constexpr platform::Colour kSelection = platform::Rgb(10, 36, 106);
inline constexpr platform::Colour kSelectionText = platform::Rgb(255, 255, 255);
inline constexpr platform::Colour kPanelGrey = platform::Rgb(168, 168, 172);
inline constexpr platform::Colour kScrollTrack = platform::Rgb(234, 232, 228);

inline constexpr double kUiPoints = 9.0;  // the launcher's font size

// --- drawing primitives (clipped to the surface) ---
void Draw_Fill(platform::Surface& s, const Rect& r, platform::Colour c);
// A raised (or, with sunken, pressed-in) 3D border two pixels wide, the inside left alone.
void Draw_Bevel(platform::Surface& s, const Rect& r, bool sunken);
// A one-pixel border: light top/left and shadow bottom/right (or the reverse when sunken).
void Draw_ThinBevel(platform::Surface& s, const Rect& r, bool sunken);
// The dotted rectangle that marks the control with the keyboard focus.
void Draw_FocusRect(platform::Surface& s, const Rect& r);
// A check mark about 7 x 7 pixels whose top-left corner is at (x, y).
void Draw_CheckMark(platform::Surface& s, int x, int y, platform::Colour c);
enum class ArrowDir { Up, Down };
// A small filled triangle centred in r.
void Draw_Arrow(platform::Surface& s, const Rect& r, ArrowDir dir, platform::Colour c);

// Width in pixels of one line of text in the launcher font (0 without a font).
int Text_Width(const std::string& utf8, double points = kUiPoints);
// One line of text with its top-left corner at (x, y), clipped to clip.
void Draw_TextLine(platform::Surface& s, const std::string& utf8, int x, int y, const Rect& clip,
                   platform::Colour c, double points = kUiPoints);
// One line centred both ways in r.
void Draw_TextCentred(platform::Surface& s, const std::string& utf8, const Rect& r, platform::Colour c,
                      double points = kUiPoints);
// Line height of the launcher font (a fallback when no font exists).
int Text_LineHeight(double points = kUiPoints);

// --- controls ---

class Button {
public:
    Button(std::string name, std::string caption, Rect rect) : name(std::move(name)), caption(std::move(caption)), rect(rect) {}
    std::string name;
    std::string caption;
    Rect rect;
    Rect clip{0, 0, 1 << 20, 1 << 20};  // the panel that holds it
    bool hover = false;
    bool pressed = false;  // the mouse was pressed on it and is still inside
    bool focus = false;
    bool isDefault = false;  // takes Enter when no other button has the focus

    void Paint(platform::Surface& s) const;
};

// A read-only multi-line text box. Lines wrap at the box width; when they do not all fit, a
// scroll bar appears on the right and the text scrolls by whole lines.
class TextBox {
public:
    explicit TextBox(Rect rect) : rect(rect) {}
    Rect rect;
    bool focus = false;
    int padding = 2;  // between the frame and the text
    double points = kUiPoints;

    void SetText(const std::string& utf8);
    const std::string& Text() const { return text_; }
    bool HasScrollBar() const { return scrollBar_; }
    int LineCount() const { return static_cast<int>(lines_.size()); }
    int VisibleLines() const;
    int TopLine() const { return top_; }
    int MaxTopLine() const;
    // Scrolls so that the given line is at the top (kept within the text).
    void ScrollTo(int line);
    void ScrollBy(int lines) { ScrollTo(top_ + lines); }
    void PageBy(int pages) { ScrollBy(pages * (VisibleLines() > 1 ? VisibleLines() - 1 : 1)); }

    enum class Part { None, Text, UpArrow, DownArrow, TrackAbove, TrackBelow, Thumb };
    Part HitTest(float x, float y) const;
    Rect UpArrowRect() const;
    Rect DownArrowRect() const;
    Rect TrackRect() const;
    Rect ThumbRect() const;
    // The top line that puts the thumb's top edge at the track position y (for dragging).
    int TopLineForThumbAt(int thumbTop) const;
    Part pressedPart = Part::None;  // drawn pushed in while the mouse holds it

    void Paint(platform::Surface& s) const;

private:
    void Layout();
    Rect Inner() const;  // the text area inside the border and beside the scroll bar
    std::string text_;
    std::vector<platform::TextLine> lines_;
    bool scrollBar_ = false;
    int top_ = 0;
};

struct MenuItem {
    std::string name;
    std::string caption;
    bool checked = false;
};

struct Menu {
    std::string name;
    std::string title;
    std::vector<MenuItem> items;
    Rect titleRect;
};

// The menu bar along the top of the window and its drop-down lists.
class MenuBar {
public:
    static constexpr int kHeight = 20;
    static constexpr int kItemHeight = 20;

    MenuBar(int width, std::vector<Menu> menus);

    int width;
    std::vector<Menu> menus;
    int openMenu = -1;   // index of the dropped-down menu, -1 none
    int hotTitle = -1;   // title under the pointer (no menu open)
    int hotItem = -1;    // highlighted item of the open menu

    bool IsOpen() const { return openMenu >= 0; }
    void Open(int menu) {
        openMenu = menu;
        hotItem = -1;
    }
    void Close() {
        openMenu = -1;
        hotItem = -1;
    }
    int TitleAt(float x, float y) const;
    Rect DropRect(int menu) const;
    Rect ItemRect(int menu, int item) const;
    // The item of the open menu under (x, y), -1 none.
    int ItemAt(float x, float y) const;
    MenuItem* Find(const std::string& itemName);
    const MenuItem* Find(const std::string& itemName) const;
    // Where a menu and an item of it are (menu index, item index); false when there is no such item.
    bool Locate(const std::string& itemName, int& menu, int& item) const;

    void Paint(platform::Surface& s) const;
};

}  // namespace launcher
