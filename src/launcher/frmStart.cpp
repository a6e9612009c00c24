#include "launcher/frmStart.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "common/C_modFileIO.h"
#include "common/C_modSystem.h"
#include "common/paths.h"
#include "common/vb_error.h"
#include "core/C_modCtrPad.h"
#include "core/G_modGameInfo.h"
#include "core/frmMain.h"
#include "launcher/launcher_widgets.h"
#include "platform/picture.h"
#include "platform/pump.h"
#include "platform/raster.h"
#include "platform/trace.h"

namespace {

using launcher::Button;
using launcher::MenuBar;
using launcher::Rect;
using launcher::TextBox;
using platform::EventType;
using platform::InputEvent;

constexpr int kClientWidth = 392;
constexpr int kClientHeight = 376;
constexpr int kTop = MenuBar::kHeight;  // client area starts below the menu bar
constexpr int kRepeatTimer = 31;        // auto-repeat of a held scroll-bar arrow
constexpr std::uint32_t kRepeatDelay = 400;
constexpr std::uint32_t kRepeatRate = 50;
constexpr int kKeyAlt = 18;
constexpr int kKeyPageUp = 33;
constexpr int kKeyPageDown = 34;
constexpr int kKeyEnd = 35;
constexpr int kKeyHome = 36;
constexpr int kKeyF10 = 121;

StartOptions gOptions;

Rect Client(int x, int y, int w, int h) { return {x, y + kTop, w, h}; }

std::vector<launcher::Menu> MakeMenus() {
    return {
        {"M_ST", "画面", {{"M_S1", "ウィンドウ", false}, {"M_S2", "フルスクリーン", false}}, {}},
        {"M_ST2", "FPS",
         {{"M_SA4", "極速", false}, {"M_SA1", "高速", false}, {"M_SA2", "標準", false}, {"M_SA3", "低速", false}},
         {}},
    };
}

// Speed items: name and frame time.
struct SpeedItem {
    const char* name;
    vb::Long value;
};
constexpr std::array<SpeedItem, 4> kSpeeds{{{"M_SA4", 10}, {"M_SA1", 16}, {"M_SA2", 22}, {"M_SA3", 40}}};

// Percent-encodes a native path for a file:// address.
std::string FileUrl(const std::string& nativePath) {
    std::string url = "file://";
    static const char* kHex = "0123456789ABCDEF";
    for (const unsigned char c : nativePath) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '/' || c == '-' || c == '_' || c == '.' || c == '~';
        if (plain) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 15];
        }
    }
    return url;
}

class frmStartWindow : public platform::Window {
public:
    frmStartWindow()
        : image(kClientWidth, kClientHeight + kTop, launcher::kFace),
          menu(kClientWidth, MakeMenus()),
          Text1(Client(16, 112, 361, 161)),
          Text2(Client(16 + 0, 296 + 16, 361, 33)) {
        buttons.emplace_back("Command1", "Start", Client(208, 280, 49, 25));
        buttons.emplace_back("Command3", "Help", Client(264, 280, 49, 25));
        buttons.emplace_back("Command2", "Close", Client(320, 280, 49, 25));
        // The two web buttons sit in the grey panel Picture2 (-8, 352, 401, 49), which the window
        // cuts at its edges.
        const Rect panel = Picture2Rect();
        const Rect shown{std::max(panel.x, 0), panel.y, std::min(panel.Right(), kClientWidth) - std::max(panel.x, 0),
                         std::min(panel.Bottom(), kTop + kClientHeight) - panel.y};
        buttons.emplace_back("Command5", "作者ホームページ", Rect{panel.x + 8, panel.y, 193, 25});
        buttons.emplace_back("Command4", std::string(kAppTitle) + " Download", Rect{panel.x + 200, panel.y, 201, 25});
        buttons[3].clip = shown;
        buttons[4].clip = shown;
        buttons[0].isDefault = true;
        // The two-line controller message fits its box in a slightly smaller size.
        Text2.padding = 1;
        Text2.points = 8;
        focus = 0;
    }

    static Rect Picture2Rect() { return Client(-8, 352, 401, 49); }

    platform::Surface image;
    platform::Surface banner;
    MenuBar menu;
    std::vector<Button> buttons;
    TextBox Text1;
    TextBox Text2;
    std::string title = kAppTitle;   // Label1 index 1
    std::string version = "  Version";  // Label1 index 0
    const std::string label2 = "ゲームコントローラ状態";

    // Keyboard focus: indexes into FocusOrder(); buttons first, then the information text.
    int focus = 0;
    int capture = -1;        // button holding the mouse
    bool menuPressOnTitle = false;  // the press that opened the menu was on its title
    int dragOffset = -1;     // thumb drag: pointer y minus thumb top, -1 none
    float pointerX = -1, pointerY = -1;
    bool open = false;

    // --- the handlers ---
    void Form_Load();
    void Start_Read_Setting();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void M_S1_Click();
    void M_S2_Click();
    void M_SA_Click(const SpeedItem& item);

    bool Click(const std::string& name);
    void Mark(const char* item, bool on) {
        if (launcher::MenuItem* it = menu.Find(item)) it->checked = on;
    }

    // --- drawing and input ---
    void Paint();
    void Show() {
        Paint();
        platform::Host_Get().Present(image);
        shown = Look();
    }
    // Everything the picture depends on that input can change: a pointer move that changes none
    // of it needs no new picture.
    std::vector<int> Look() const {
        std::vector<int> v;
        for (const Button& b : buttons) {
            v.push_back(b.hover);
            v.push_back(b.pressed);
            v.push_back(b.focus);
            v.push_back(b.isDefault);
        }
        v.push_back(menu.openMenu);
        v.push_back(menu.hotTitle);
        v.push_back(menu.hotItem);
        for (const launcher::Menu& m : menu.menus) {
            for (const launcher::MenuItem& it : m.items) v.push_back(it.checked);
        }
        v.push_back(Text1.TopLine());
        v.push_back(static_cast<int>(Text1.pressedPart));
        v.push_back(Text1.focus);
        return v;
    }
    std::vector<int> shown;
    void OnInput(const InputEvent& e) override;
    void OnTimer(int timerId) override;

    int FocusCount() const { return static_cast<int>(buttons.size()) + 1; }
    int TextFocusIndex() const { return static_cast<int>(buttons.size()); }
    void SetFocus(int index) {
        focus = index;
        for (std::size_t i = 0; i < buttons.size(); ++i) buttons[i].focus = static_cast<int>(i) == index;
        Text1.focus = index == TextFocusIndex();
        // The default button shows its frame unless another button holds the focus.
        const bool otherButton = index >= 0 && index < static_cast<int>(buttons.size()) && index != 0;
        buttons[0].isDefault = !otherButton;
    }
    int ButtonAt(float x, float y) const {
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            const Button& b = buttons[i];
            if (b.rect.Contains(x, y) && b.clip.Contains(x, y)) return static_cast<int>(i);
        }
        return -1;
    }
    void UpdateHover(float x, float y);
    void MouseDown(float x, float y);
    void MouseUp(float x, float y);
    void KeyDown(int key, int shift);
    void KeyUp(int key);
    bool altAlone = false;  // Alt is down and no other key came since
    void MenuKey(int key);
    void ActivateMenuItem(int m, int i);
    void ScrollPart(TextBox::Part part);
};

std::unique_ptr<frmStartWindow> gForm;

frmStartWindow& Form() {
    if (!gForm) gForm = std::make_unique<frmStartWindow>();
    return *gForm;
}

// --- loading ---

void frmStartWindow::Form_Load() {
    try {
        Sys_Check_Instance();
        glngFrameTime = 16;
        Start_Read_Setting();
        std::string status = CtrPad_Init(gblnPadReady);
        Text2.SetText(status);
    } catch (const std::exception& e) {
        Sys_Show_Error(e);
    }
}

void frmStartWindow::Start_Read_Setting() {
    // The command line wins for this run, also over a value of game.ini that failed to read.
    auto applyCommandLine = [] {
        if (gOptions.gameDir) gstrGameDir = *gOptions.gameDir;
        if (gOptions.fullScreen) gblnFullScreen = *gOptions.fullScreen ? vb::kTrue : vb::kFalse;
        if (gOptions.frameTime) glngFrameTime = *gOptions.frameTime;
    };
    try {
        const std::string file = Start_Settings_Path();
        gblnFullScreen = FileIO_Read_Ini(file, kStartSettingsSection, "DISPLAY", vb::kTrue) == "true" ? vb::kTrue
                                                                                                     : vb::kFalse;
        gstrGameDir = Start_App_Dir() + FileIO_Read_Ini(file, kStartSettingsSection, "DIR", vb::kTrue);
        glngFrameTime = vb::CLng(vb::Val(FileIO_Read_Ini(file, kStartSettingsSection, "SPEED", vb::kTrue)));
        applyCommandLine();

        Mark("M_S1", gblnFullScreen == vb::kFalse);
        Mark("M_S2", gblnFullScreen != vb::kFalse);
        const auto speed = std::find_if(kSpeeds.begin(), kSpeeds.end(),
                                        [](const SpeedItem& s) { return s.value == glngFrameTime; });
        if (speed != kSpeeds.end()) {
            for (const SpeedItem& s : kSpeeds) Mark(s.name, &s == &*speed);
        }

        std::string info;
        FileIO_Read_Text(gstrGameDir + "help\\gameInfo.txt", info);
        Text1.SetText(info);

        version += "." + std::to_string(kStartVersionMajor) + "." + std::to_string(kStartVersionMinor);
    } catch (const std::exception& e) {
        Sys_Show_Error(e);
        applyCommandLine();
    }
}

// --- the handlers ---

void frmStartWindow::Command1_Click() {
    frmMain_Show();
    // Unloaded: the window is gone and takes no more input (the object itself stays until the
    // handler that got here has returned).
    open = false;
    platform::Pump_SetTimer(kRepeatTimer, 0);
}

void frmStartWindow::Command2_Click() { platform::Program_End(0); }

void frmStartWindow::Command3_Click() {
    const std::string path = vb::Path_Resolve(gstrGameDir + "help\\help.html");
    if (!vb::Path_FileExists(path)) {
        // A browser would only show its own error page; say plainly what is missing.
        Sys_MsgBox(vb::Error_Description(vb::kErrFileNotFound) + "\r\n" + path);
        return;
    }
    std::error_code ec;
    const std::string absolute = std::filesystem::absolute(path, ec).lexically_normal().string();
    const std::string url = FileUrl(ec ? path : absolute);
    if (!platform::Host_Get().OpenUrl(url)) Sys_MsgBox("ブラウザを起動できませんでした。\r\n" + url);
}

void frmStartWindow::Command4_Click() {
    if (!platform::Host_Get().OpenUrl(kStartDownloadPage)) {
        Sys_MsgBox(std::string("ブラウザを起動できませんでした。\r\n") + kStartDownloadPage);
    }
}

void frmStartWindow::Command5_Click() {
    if (!platform::Host_Get().OpenUrl(kStartHomePage)) {
        Sys_MsgBox(std::string("ブラウザを起動できませんでした。\r\n") + kStartHomePage);
    }
}

void frmStartWindow::M_S1_Click() {
    FileIO_Write_Ini(Start_Settings_Path(), kStartSettingsSection, "DISPLAY", "false");
    gblnFullScreen = vb::kFalse;
    Mark("M_S1", true);
    Mark("M_S2", false);
}

void frmStartWindow::M_S2_Click() {
    FileIO_Write_Ini(Start_Settings_Path(), kStartSettingsSection, "DISPLAY", "true");
    gblnFullScreen = vb::kTrue;
    Mark("M_S1", false);
    Mark("M_S2", true);
}

void frmStartWindow::M_SA_Click(const SpeedItem& item) {
    FileIO_Write_Ini(Start_Settings_Path(), kStartSettingsSection, "SPEED", std::to_string(item.value));
    glngFrameTime = item.value;
    for (const SpeedItem& s : kSpeeds) Mark(s.name, &s == &item);
}

bool frmStartWindow::Click(const std::string& name) {
    void (frmStartWindow::*handler)() = nullptr;
    if (name == "Command1") handler = &frmStartWindow::Command1_Click;
    if (name == "Command2") handler = &frmStartWindow::Command2_Click;
    if (name == "Command3") handler = &frmStartWindow::Command3_Click;
    if (name == "Command4") handler = &frmStartWindow::Command4_Click;
    if (name == "Command5") handler = &frmStartWindow::Command5_Click;
    if (name == "M_S1") handler = &frmStartWindow::M_S1_Click;
    if (name == "M_S2") handler = &frmStartWindow::M_S2_Click;
    const SpeedItem* speed = nullptr;
    for (const SpeedItem& s : kSpeeds) {
        if (name == s.name) speed = &s;
    }
    if (handler == nullptr && speed == nullptr) return false;
    platform::Trace_Write("launcher " + name);
    if (speed != nullptr) {
        M_SA_Click(*speed);
    } else {
        (this->*handler)();  // Command1 unloads the launcher: nothing of it may be used after this
    }
    return true;
}

// --- drawing ---

void frmStartWindow::Paint() {
    using namespace launcher;
    Draw_Fill(image, {0, 0, image.Width(), image.Height()}, kFace);
    // Picture1: the banner.
    if (!banner.Empty()) {
        platform::BitBlt(image, 0, kTop, 390, 81, banner, 0, 0, platform::kRopSrcCopy);
    }
    const Rect whole{0, 0, image.Width(), image.Height()};
    // Label1(1): the game's title; Label1(0): the version, kept inside the window when the text
    // is wider than its label.
    Draw_TextLine(image, title, 144, kTop + 88, whole, kText);
    const int versionWidth = Text_Width(version);
    const int versionX = std::min(320, kClientWidth - 4 - versionWidth);
    Draw_TextLine(image, version, versionX, kTop + 96, whole, kText);
    Text1.Paint(image);
    // Picture3: the controller panel with Label2 and Text2.
    Draw_TextLine(image, label2, 16, kTop + 296, whole, kText);
    Text2.Paint(image);
    for (std::size_t i = 0; i < 3; ++i) buttons[i].Paint(image);
    // Picture2: the grey panel with the web buttons.
    const Rect panel = Picture2Rect();
    Draw_Fill(image, panel, kPanelGrey);
    for (int x = 0; x < kClientWidth; ++x) image.Set(x, panel.y, kShadow);
    for (std::size_t i = 3; i < buttons.size(); ++i) buttons[i].Paint(image);
    menu.Paint(image);
}

// --- input ---

void frmStartWindow::UpdateHover(float x, float y) {
    pointerX = x;
    pointerY = y;
    const int over = ButtonAt(x, y);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        Button& b = buttons[i];
        // While one button holds the mouse, only it reacts to the pointer.
        b.hover = static_cast<int>(i) == over && (capture < 0 || capture == static_cast<int>(i)) && !menu.IsOpen();
        b.pressed = capture == static_cast<int>(i) && static_cast<int>(i) == over;
    }
    if (menu.IsOpen()) {
        const int t = menu.TitleAt(x, y);
        if (t >= 0 && t != menu.openMenu) menu.Open(t);
        const int item = menu.ItemAt(x, y);
        if (item >= 0 || menu.TitleAt(x, y) >= 0) menu.hotItem = item;
    } else {
        menu.hotTitle = capture < 0 ? menu.TitleAt(x, y) : -1;
    }
    if (dragOffset >= 0) {
        Text1.ScrollTo(Text1.TopLineForThumbAt(static_cast<int>(y) - dragOffset));
    }
}

void frmStartWindow::ScrollPart(TextBox::Part part) {
    switch (part) {
        case TextBox::Part::UpArrow: Text1.ScrollBy(-1); break;
        case TextBox::Part::DownArrow: Text1.ScrollBy(1); break;
        case TextBox::Part::TrackAbove: Text1.PageBy(-1); break;
        case TextBox::Part::TrackBelow: Text1.PageBy(1); break;
        default: break;
    }
}

void frmStartWindow::MouseDown(float x, float y) {
    pointerX = x;
    pointerY = y;
    if (menu.IsOpen()) {
        const int t = menu.TitleAt(x, y);
        if (t == menu.openMenu) {
            menu.Close();
            menu.hotTitle = t;
        } else if (t >= 0) {
            menu.Open(t);
            menuPressOnTitle = true;
        } else if (menu.ItemAt(x, y) >= 0) {
            menu.hotItem = menu.ItemAt(x, y);
            menuPressOnTitle = false;
        } else {
            // A press outside an open menu only closes it.
            menu.Close();
            UpdateHover(x, y);
        }
        return;
    }
    const int t = menu.TitleAt(x, y);
    if (t >= 0) {
        menu.Open(t);
        menuPressOnTitle = true;
        for (Button& b : buttons) b.hover = false;
        return;
    }
    const int b = ButtonAt(x, y);
    if (b >= 0) {
        capture = b;
        SetFocus(b);
        UpdateHover(x, y);
        return;
    }
    const TextBox::Part part = Text1.HitTest(x, y);
    if (part == TextBox::Part::None) return;
    SetFocus(TextFocusIndex());
    if (part == TextBox::Part::Thumb) {
        dragOffset = static_cast<int>(y) - Text1.ThumbRect().y;
        Text1.pressedPart = part;
    } else if (part != TextBox::Part::Text) {
        Text1.pressedPart = part;
        ScrollPart(part);
        platform::Pump_SetTimer(kRepeatTimer, kRepeatDelay);
    }
}

void frmStartWindow::MouseUp(float x, float y) {
    pointerX = x;
    pointerY = y;
    Text1.pressedPart = TextBox::Part::None;
    dragOffset = -1;
    platform::Pump_SetTimer(kRepeatTimer, 0);
    if (menu.IsOpen()) {
        const int item = menu.ItemAt(x, y);
        if (item >= 0) {
            ActivateMenuItem(menu.openMenu, item);
            return;
        }
        // Releasing on the title that was just pressed leaves the menu dropped down.
        if (!(menuPressOnTitle && menu.TitleAt(x, y) == menu.openMenu)) {
            if (menu.TitleAt(x, y) < 0) menu.Close();
        }
        menuPressOnTitle = false;
        return;
    }
    const int held = capture;
    capture = -1;
    for (Button& b : buttons) b.pressed = false;
    UpdateHover(x, y);
    if (held >= 0 && ButtonAt(x, y) == held) Click(buttons[static_cast<std::size_t>(held)].name);
}

void frmStartWindow::ActivateMenuItem(int m, int i) {
    const std::string name = menu.menus[static_cast<std::size_t>(m)].items[static_cast<std::size_t>(i)].name;
    menu.Close();
    menu.hotTitle = -1;
    Click(name);
}

void frmStartWindow::MenuKey(int key) {
    const int count = static_cast<int>(menu.menus[static_cast<std::size_t>(menu.openMenu)].items.size());
    const int menus = static_cast<int>(menu.menus.size());
    switch (key) {
        case platform::kKeyDown: menu.hotItem = (menu.hotItem + 1) % count; break;
        case platform::kKeyUp: menu.hotItem = menu.hotItem <= 0 ? count - 1 : menu.hotItem - 1; break;
        case platform::kKeyRight:
            menu.Open((menu.openMenu + 1) % menus);
            menu.hotItem = 0;
            break;
        case platform::kKeyLeft:
            menu.Open((menu.openMenu + menus - 1) % menus);
            menu.hotItem = 0;
            break;
        case platform::kKeyEnter:
        case platform::kKeySpace:
            if (menu.hotItem >= 0) ActivateMenuItem(menu.openMenu, menu.hotItem);
            break;
        case platform::kKeyEscape:
        case kKeyF10: menu.Close(); break;
        default: break;
    }
}

void frmStartWindow::KeyUp(int key) {
    // Alt pressed and released on its own toggles the menus, as on a desktop; Alt used with
    // another key (Alt+F4, Alt+Enter) does not.
    if (key != kKeyAlt || !altAlone) return;
    altAlone = false;
    if (menu.IsOpen()) {
        menu.Close();
    } else {
        menu.Open(0);
        menu.hotItem = 0;
    }
}

void frmStartWindow::KeyDown(int key, int shift) {
    altAlone = key == kKeyAlt;
    if (key == kKeyAlt) return;
    if (key == platform::kKeyF4 && (shift & platform::kShiftAlt) != 0) platform::Program_End(0);
    if (menu.IsOpen()) {
        MenuKey(key);
        return;
    }
    switch (key) {
        case kKeyF10:
            menu.Open(0);
            menu.hotItem = 0;
            return;
        case platform::kKeyTab: {
            const int step = (shift & platform::kShiftShift) != 0 ? FocusCount() - 1 : 1;
            SetFocus((focus + step) % FocusCount());
            return;
        }
        case platform::kKeyEnter: {
            // Enter presses the focused button, or the default one.
            const int b = focus < TextFocusIndex() ? focus : 0;
            Click(buttons[static_cast<std::size_t>(b)].name);
            return;
        }
        case platform::kKeySpace:
            if (focus < TextFocusIndex()) Click(buttons[static_cast<std::size_t>(focus)].name);
            return;
        default: break;
    }
    if (focus != TextFocusIndex()) return;
    switch (key) {
        case platform::kKeyUp: Text1.ScrollBy(-1); break;
        case platform::kKeyDown: Text1.ScrollBy(1); break;
        case kKeyPageUp: Text1.PageBy(-1); break;
        case kKeyPageDown: Text1.PageBy(1); break;
        case kKeyHome: Text1.ScrollTo(0); break;
        case kKeyEnd: Text1.ScrollTo(Text1.MaxTopLine()); break;
        default: break;
    }
}

void frmStartWindow::OnInput(const InputEvent& e) {
    switch (e.type) {
        case EventType::MouseMove: UpdateHover(e.x, e.y); break;
        case EventType::MouseDown:
            altAlone = false;
            if (e.button == platform::kButtonLeft) MouseDown(e.x, e.y);
            break;
        case EventType::MouseUp:
            if (e.button == platform::kButtonLeft) MouseUp(e.x, e.y);
            break;
        case EventType::KeyDown: KeyDown(e.key, e.shift); break;
        case EventType::KeyUp: KeyUp(e.key); break;
        case EventType::CloseRequested: platform::Program_End(0);
    }
    // Start unloads the launcher inside the handler; the main window owns the screen from then on.
    if (open && Look() != shown) Show();
}

void frmStartWindow::OnTimer(int timerId) {
    if (timerId != kRepeatTimer) return;
    const TextBox::Part part = Text1.pressedPart;
    if (part == TextBox::Part::None || part == TextBox::Part::Thumb) {
        platform::Pump_SetTimer(kRepeatTimer, 0);
        return;
    }
    // Like a real scroll bar, a held arrow or track repeats only while the pointer stays on it.
    if (Text1.HitTest(pointerX, pointerY) == part) ScrollPart(part);
    platform::Pump_SetTimer(kRepeatTimer, kRepeatRate);
    Show();
}

}  // namespace

void Start_Set_Options(const StartOptions& options) { gOptions = options; }

std::string Start_App_Dir() {
    if (!gOptions.appDir.empty()) return gOptions.appDir;
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return exe.parent_path().string();
}

std::string Start_Settings_Path() { return Start_App_Dir() + "\\" + "game.ini"; }

void Start_Load_Settings() {
    glngFrameTime = 16;
    Form().Start_Read_Setting();
    CtrPad_Init(gblnPadReady);
    frmStart_Unload();
}

void frmStart_Show() {
    // A launcher that was started from is gone for good; showing one again starts afresh.
    if (gForm && !gForm->open) gForm.reset();
    frmStartWindow& form = Form();
    form.Form_Load();
    try {
        form.banner = platform::Picture_LoadAsset("banner.bmp");
    } catch (const std::exception& e) {
        // The launcher works without its banner; say why it is missing.
        std::fprintf(stderr, "zove: the launcher banner cannot be shown: %s\n", e.what());
    }
    platform::WindowSpec spec;
    spec.caption = kStartCaption;
    spec.width = form.image.Width();
    spec.height = form.image.Height();
    spec.fullscreen = false;
    platform::Host_Get().OpenWindow(spec);
    form.open = true;
    form.SetFocus(0);
    platform::Pump_SetWindow(&form);
    form.Show();
}

bool frmStart_IsOpen() { return gForm && gForm->open; }

bool frmStart_Click(const std::string& controlName) {
    frmStartWindow& form = Form();
    const bool known = form.Click(controlName);
    if (known && gForm && gForm->open) gForm->Show();
    return known;
}

std::vector<InputEvent> frmStart_EventsFor(const std::string& controlName) {
    frmStartWindow& form = Form();
    std::vector<InputEvent> events;
    auto pointer = [&events](EventType type, float x, float y) {
        InputEvent e;
        e.type = type;
        e.button = type == EventType::MouseMove ? 0 : platform::kButtonLeft;
        e.x = x;
        e.y = y;
        events.push_back(e);
    };
    auto click = [&pointer](const Rect& r) {
        pointer(EventType::MouseMove, r.CentreX(), r.CentreY());
        pointer(EventType::MouseDown, r.CentreX(), r.CentreY());
        pointer(EventType::MouseUp, r.CentreX(), r.CentreY());
    };
    const auto b = std::find_if(form.buttons.begin(), form.buttons.end(),
                                [&](const Button& x) { return x.name == controlName; });
    int m = 0;
    int i = 0;
    const bool isItem = form.menu.Locate(controlName, m, i);
    if (b == form.buttons.end() && !isItem) return events;
    if (form.menu.IsOpen()) {
        InputEvent esc;
        esc.type = EventType::KeyDown;
        esc.key = platform::kKeyEscape;
        events.push_back(esc);
    }
    if (b != form.buttons.end()) {
        const Rect& r = b->rect;
        const Rect& c = b->clip;
        const int x1 = std::max(r.x, c.x);
        const int y1 = std::max(r.y, c.y);
        const int x2 = std::min(r.Right(), c.Right());
        const int y2 = std::min(r.Bottom(), c.Bottom());
        click({x1, y1, x2 - x1, y2 - y1});
    } else {
        click(form.menu.menus[static_cast<std::size_t>(m)].titleRect);
        // The drop-down's place does not depend on whether it is open.
        click(form.menu.ItemRect(m, i));
    }
    return events;
}

const std::vector<std::string>& frmStart_ControlNames() {
    static const std::vector<std::string> names{"Command1", "Command2", "Command3", "Command4", "Command5", "M_S1",
                                                "M_S2",     "M_SA1",    "M_SA2",    "M_SA3",    "M_SA4"};
    return names;
}

const platform::Surface& frmStart_Surface() {
    frmStartWindow& form = Form();
    form.Paint();
    return form.image;
}

bool frmStart_Checked(const std::string& menuItem) {
    const launcher::MenuItem* it = Form().menu.Find(menuItem);
    return it != nullptr && it->checked;
}

std::string frmStart_Text1() { return Form().Text1.Text(); }
std::string frmStart_Text2() { return Form().Text2.Text(); }
std::string frmStart_VersionLabel() { return Form().version; }
bool frmStart_Text1_HasScrollBar() { return Form().Text1.HasScrollBar(); }
int frmStart_Text1_TopLine() { return Form().Text1.TopLine(); }

std::string frmStart_Focus() {
    frmStartWindow& form = Form();
    if (form.focus >= 0 && form.focus < form.TextFocusIndex()) return form.buttons[static_cast<std::size_t>(form.focus)].name;
    return "Text1";
}

void frmStart_Unload() {
    if (!gForm) return;
    platform::Pump_SetTimer(kRepeatTimer, 0);
    if (platform::Pump_GetWindow() == gForm.get()) platform::Pump_SetWindow(nullptr);
    gForm.reset();
}
