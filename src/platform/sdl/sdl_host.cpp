#include "platform/sdl/sdl_host.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/font.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/sdl_msgbox.h"

extern char** environ;

namespace platform {
namespace {

// Presentations closer together than this are merged unless the game yields in between.
constexpr std::uint32_t kFlushInterval = 30;
// Slots of the classic joystick driver.
constexpr int kJoySlots = 16;

std::int32_t Until(std::uint32_t now, std::uint32_t when) { return static_cast<std::int32_t>(when - now); }

void Note(const std::string& text) { std::fprintf(stderr, "zove: %s\n", text.c_str()); }

int MouseButtonOf(Uint8 b) {
    switch (b) {
        case SDL_BUTTON_LEFT: return kButtonLeft;
        case SDL_BUTTON_RIGHT: return kButtonRight;
        case SDL_BUTTON_MIDDLE: return kButtonMiddle;
        default: return 0;
    }
}

int HeldButtons(Uint32 state) {
    return ((state & SDL_BUTTON_LMASK) != 0 ? kButtonLeft : 0) | ((state & SDL_BUTTON_RMASK) != 0 ? kButtonRight : 0) |
           ((state & SDL_BUTTON_MMASK) != 0 ? kButtonMiddle : 0);
}

bool HasNonAscii(const char* text) {
    for (const char* p = text; *p != '\0'; ++p) {
        if ((static_cast<unsigned char>(*p) & 0x80) != 0) return true;
    }
    return false;
}

std::uint32_t AxisToRange(Sint16 v) { return static_cast<std::uint32_t>(static_cast<int>(v) + 32768); }

}  // namespace

SdlHost::SdlHost() = default;

SdlHost::~SdlHost() {
    audio_.Close();
    for (Pad& p : pads_) {
        if (p.controller != nullptr) SDL_GameControllerClose(p.controller);
        if (p.joystick != nullptr) SDL_JoystickClose(p.joystick);
    }
    pads_.clear();
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
    if (joyUp_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER | SDL_INIT_JOYSTICK);
    if (videoUp_) SDL_Quit();
    ReapChildren();
}

bool SdlHost::Init(bool fullscreen) {
    startFullscreen_ = fullscreen;
    if (videoUp_) return true;
    // Closing the window is the game's business (a close request), not an automatic quit.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    // Controllers are read even while another window has the focus (a pad held during a box).
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        Note(std::string("cannot open a window: ") + SDL_GetError());
        return false;
    }
    videoUp_ = true;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER | SDL_INIT_JOYSTICK) == 0) {
        joyUp_ = true;
        const int n = SDL_NumJoysticks();
        for (int i = 0; i < n; ++i) {
            Pad p;
            if (SDL_IsGameController(i)) p.controller = SDL_GameControllerOpen(i);
            if (p.controller == nullptr) p.joystick = SDL_JoystickOpen(i);
            if (p.controller != nullptr || p.joystick != nullptr) pads_.push_back(p);
        }
    }
    audio_.Open();
    return true;
}

std::uint32_t SdlHost::Ticks() { return SDL_GetTicks(); }

// ---------------------------------------------------------------- window and picture

void SdlHost::OpenWindow(const WindowSpec& spec) {
    caption_ = spec.caption;
    width_ = std::max(1, spec.width);
    height_ = std::max(1, spec.height);
    const bool full = spec.fullscreen || startFullscreen_;
    if (!EnsureWindow()) return;
    SDL_SetWindowTitle(window_, caption_.c_str());
    fullscreen_ = false;
    SDL_SetWindowFullscreen(window_, 0);
    ApplyWindowedSize();
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    SDL_ShowWindow(window_);
    if (full) SetFullscreen(true);
    // A new window starts white, as a fresh form does, until the game presents.
    shown_ = Surface(width_, height_, 0xFFFFFF);
    pending_ = true;
    Flush();
}

bool SdlHost::EnsureWindow() {
    if (window_ != nullptr) return true;
    if (!videoUp_) return false;
    window_ = SDL_CreateWindow(caption_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width_, height_,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN);
    if (window_ == nullptr) {
        Note(std::string("cannot open a window: ") + SDL_GetError());
        return false;
    }
    // No vsync: the game paces itself and presents often; waiting for the display each time
    // would slow every drawing step.
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
    if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer_ == nullptr) Note(std::string("cannot draw into the window: ") + SDL_GetError());
    return true;
}

void SdlHost::ApplyWindowedSize() {
    if (window_ == nullptr || fullscreen_) return;
    SDL_Rect area{0, 0, width_, height_};
    const int display = std::max(0, SDL_GetWindowDisplayIndex(window_));
    if (SDL_GetDisplayUsableBounds(display, &area) != 0) area = SDL_Rect{0, 0, width_, height_};
    // Leave room for the window manager's title bar and frame. Smaller windows (the launcher, a
    // lone message box) get the scale of the game window, so that everything looks alike.
    const int scale = Viewport_WindowScale(area.w - 16, area.h - 48, std::max(width_, 640), std::max(height_, 480));
    SDL_SetWindowMinimumSize(window_, std::min(width_, 320), std::min(height_, 240));
    SDL_SetWindowSize(window_, width_ * scale, height_ * scale);
}

void SdlHost::SetCaption(const std::string& caption) {
    caption_ = caption;
    if (window_ != nullptr) SDL_SetWindowTitle(window_, caption_.c_str());
}

void SdlHost::SetWindowSize(int width, int height) {
    width_ = std::max(1, width);
    height_ = std::max(1, height);
    ApplyWindowedSize();
}

void SdlHost::GetWindowSize(int& width, int& height) {
    width = width_;
    height = height_;
}

void SdlHost::EnsureTexture(int width, int height) {
    if (renderer_ == nullptr) return;
    if (texture_ != nullptr && texW_ == width && texH_ == height) return;
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    // 0x00BBGGRR words: SDL's XBGR8888 is the same packed layout, so rows go over unconverted.
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_XBGR8888, SDL_TEXTUREACCESS_STREAMING, width, height);
    texW_ = texture_ != nullptr ? width : 0;
    texH_ = texture_ != nullptr ? height : 0;
}

void SdlHost::Present(const Surface& surface) {
    if (surface.Empty()) return;
    shown_ = surface;
    pending_ = true;
    if (Until(lastFlush_, SDL_GetTicks()) >= static_cast<std::int32_t>(kFlushInterval)) Flush();
}

void SdlHost::Flush() {
    if (!pending_) return;
    pending_ = false;
    Upload(shown_);
}

void SdlHost::Upload(const Surface& picture) {
    if (renderer_ == nullptr || picture.Empty()) return;
    EnsureTexture(picture.Width(), picture.Height());
    if (texture_ == nullptr) return;
    SDL_UpdateTexture(texture_, nullptr, picture.Pixels().data(), picture.Width() * 4);
    Redraw();
}

void SdlHost::Redraw() {
    lastFlush_ = SDL_GetTicks();
    if (renderer_ == nullptr || texture_ == nullptr) return;
    const Viewport v = CurrentViewport();
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    const SDL_Rect dst{v.x, v.y, v.w, v.h};
    SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
    SDL_RenderPresent(renderer_);
}

Viewport SdlHost::CurrentViewport() {
    int ow = 0, oh = 0;
    if (renderer_ == nullptr || SDL_GetRendererOutputSize(renderer_, &ow, &oh) != 0) return {};
    const int pw = shown_.Empty() ? width_ : shown_.Width();
    const int ph = shown_.Empty() ? height_ : shown_.Height();
    return Viewport_Fit(ow, oh, pw, ph);
}

bool SdlHost::MapMouse(int wx, int wy, float& x, float& y) {
    if (window_ == nullptr || renderer_ == nullptr) return false;
    int ww = 0, wh = 0, ow = 0, oh = 0;
    SDL_GetWindowSize(window_, &ww, &wh);
    if (SDL_GetRendererOutputSize(renderer_, &ow, &oh) != 0 || ww <= 0 || wh <= 0) return false;
    // Window coordinates may be points on a high-density display: scale them to output pixels.
    const double ox = static_cast<double>(wx) * ow / ww;
    const double oy = static_cast<double>(wy) * oh / wh;
    const int pw = shown_.Empty() ? width_ : shown_.Width();
    const int ph = shown_.Empty() ? height_ : shown_.Height();
    return Viewport_ToPicture(Viewport_Fit(ow, oh, pw, ph), pw, ph, ox, oy, x, y);
}

bool SdlHost::SetFullscreen(bool on) {
    if (window_ == nullptr) return false;
    if (SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        Note(std::string("cannot change to ") + (on ? "full-screen: " : "a window: ") + SDL_GetError());
        return false;
    }
    fullscreen_ = on;
    if (!on) ApplyWindowedSize();
    pending_ = true;
    Flush();
    return true;
}

std::vector<DisplayMode> SdlHost::DisplayModes() {
    // Full-screen scales the 640 x 480 picture over the desktop, so that mode is always at hand.
    return {{640, 480, 32}};
}

void SdlHost::MinimizeWindow() {
    if (window_ != nullptr) SDL_MinimizeWindow(window_);
}

bool SdlHost::WindowIsActive() {
    return window_ != nullptr && (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

bool SdlHost::SaveScreenshot(const std::string& nativePath) { return Surface_WritePng(shown_, nativePath); }

// ---------------------------------------------------------------- events

void SdlHost::Translate(const SDL_Event& e) {
    InputEvent in;
    switch (e.type) {
        case SDL_QUIT:
            in.type = EventType::CloseRequested;
            queue_.push_back(in);
            return;
        case SDL_WINDOWEVENT:
            if (window_ == nullptr || e.window.windowID != SDL_GetWindowID(window_)) return;
            switch (e.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    in.type = EventType::CloseRequested;
                    queue_.push_back(in);
                    return;
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                case SDL_WINDOWEVENT_RESTORED:
                case SDL_WINDOWEVENT_MAXIMIZED:
                    Redraw();
                    return;
                default:
                    return;
            }
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            // The texture's contents are gone; upload the kept picture again.
            if (e.type == SDL_RENDER_DEVICE_RESET && texture_ != nullptr) {
                SDL_DestroyTexture(texture_);
                texture_ = nullptr;
            }
            pending_ = true;
            Flush();
            return;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            in.button = MouseButtonOf(e.button.button);
            if (in.button == 0 || !MapMouse(e.button.x, e.button.y, in.x, in.y)) return;
            in.type = e.type == SDL_MOUSEBUTTONDOWN ? EventType::MouseDown : EventType::MouseUp;
            in.shift = Sdl_ShiftBits(static_cast<Uint16>(SDL_GetModState()));
            queue_.push_back(in);
            return;
        case SDL_MOUSEMOTION:
            if (!MapMouse(e.motion.x, e.motion.y, in.x, in.y)) return;
            in.type = EventType::MouseMove;
            in.button = HeldButtons(e.motion.state);
            in.shift = Sdl_ShiftBits(static_cast<Uint16>(SDL_GetModState()));
            // Moves not yet taken merge into the latest, as a window system reports the pointer
            // where it is now rather than every point it passed.
            if (!queue_.empty() && queue_.back().type == EventType::MouseMove && queue_.back().button == in.button &&
                queue_.back().shift == in.shift) {
                queue_.back() = in;
            } else {
                queue_.push_back(in);
            }
            return;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const int shift = Sdl_ShiftBits(e.key.keysym.mod);
            const SDL_Keycode sym = e.key.keysym.sym;
            if (e.type == SDL_KEYDOWN && (sym == SDLK_RETURN || sym == SDLK_KP_ENTER) && (shift & kShiftAlt) != 0) {
                if (e.key.repeat == 0) SetFullscreen(!fullscreen_);
                return;
            }
            in.key = Sdl_VirtualKey(sym);
            if (in.key == 0) return;
            in.type = e.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp;
            in.shift = shift;
            queue_.push_back(in);
            return;
        }
        case SDL_TEXTEDITING:
            if (e.edit.text[0] != '\0') {
                if (!composing_) {
                    in.type = EventType::KeyDown;
                    in.key = kKeyImeProcess;
                    queue_.push_back(in);
                }
                composing_ = true;
            } else {
                composing_ = false;
            }
            return;
        case SDL_TEXTINPUT:
            if (!composing_ && HasNonAscii(e.text.text)) {
                in.type = EventType::KeyDown;
                in.key = kKeyImeProcess;
                queue_.push_back(in);
            }
            composing_ = false;
            return;
        default:
            return;
    }
}

void SdlHost::DrainSdl() {
    SDL_Event e;
    while (SDL_PollEvent(&e) != 0) Translate(e);
}

bool SdlHost::PollEvent(InputEvent& out) {
    Flush();
    if (queue_.empty()) DrainSdl();
    if (queue_.empty()) return false;
    out = queue_.front();
    queue_.pop_front();
    return true;
}

void SdlHost::WaitEvent(std::uint32_t deadline) {
    Flush();
    DrainSdl();
    while (queue_.empty()) {
        const std::int32_t left = Until(SDL_GetTicks(), deadline);
        if (left <= 0) return;
        SDL_Event e;
        if (SDL_WaitEventTimeout(&e, left) != 0) {
            Translate(e);
            DrainSdl();
        }
    }
}

void SdlHost::Sleep(std::uint32_t ms) {
    Flush();
    const std::uint32_t deadline = SDL_GetTicks() + ms;
    // The window stays alive (the system sees it answer), but the input waits in the queue.
    for (;;) {
        const std::int32_t left = Until(SDL_GetTicks(), deadline);
        if (left <= 0) return;
        SDL_Event e;
        if (SDL_WaitEventTimeout(&e, left) != 0) Translate(e);
    }
}

// ---------------------------------------------------------------- message boxes

MsgAnswer SdlHost::MessageBox(const std::string& text, const std::string& title, MsgButtons buttons, MsgIcon icon) {
    Flush();
    const std::vector<std::string> labels =
        buttons == MsgButtons::YesNo ? std::vector<std::string>{"はい", "いいえ"} : std::vector<std::string>{"OK"};
    int hit = RunBox(text, title, labels, icon);
    if (hit == -2) hit = SystemBox(text, title, labels, icon);
    // The box is modal: what was typed or clicked at the game window meanwhile is not for the game.
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_KEYDOWN, SDL_MOUSEWHEEL);
    composing_ = false;
    if (buttons == MsgButtons::YesNo) return hit == 0 ? MsgAnswer::Yes : MsgAnswer::No;
    return MsgAnswer::Ok;
}

int SdlHost::RunBox(const std::string& text, const std::string& title, const std::vector<std::string>& labels,
                    MsgIcon icon) {
    const Font* font = Font_Get(Font_PixelSize(9));
    if (font == nullptr) return -2;
    // Before any window of the game exists (a start-up error), the box gets a window of its own.
    const bool ownWindow = window_ == nullptr;
    Surface background;
    if (ownWindow) {
        int w = 0, h = 0;
        MsgBox_NaturalSize(text, title, labels, icon, *font, w, h);
        const bool wasFull = startFullscreen_;
        startFullscreen_ = false;  // a lone box is never full-screen
        OpenWindow({title, w, h, false});
        startFullscreen_ = wasFull;
        if (window_ == nullptr) return -2;
        background = Surface(w, h, 0xC0C0C0);
        shown_ = background;
    } else {
        background = shown_.Empty() ? Surface(width_, height_, 0xFFFFFF) : shown_;
    }
    if (renderer_ == nullptr) return -2;
    const MsgBoxLayout layout =
        MsgBox_Layout(background.Width(), background.Height(), text, title, labels, icon, *font);
    const int count = static_cast<int>(labels.size());
    const int escape = count - 1;  // "いいえ", or the only button
    int focus = 0;
    int chosen = -1;
    bool quit = false;
    Surface frame;
    auto draw = [&] {
        frame = background;
        MsgBox_Paint(frame, layout, text, title, labels, icon, focus, *font);
        Upload(frame);
    };
    draw();
    while (chosen < 0) {
        SDL_Event e;
        if (SDL_WaitEvent(&e) == 0) {
            chosen = escape;
            break;
        }
        switch (e.type) {
            case SDL_QUIT:
                quit = true;
                chosen = escape;
                break;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_CLOSE && count == 1) chosen = 0;
                if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                    Redraw();
                }
                break;
            case SDL_KEYDOWN:
                switch (e.key.keysym.sym) {
                    case SDLK_RETURN:
                    case SDLK_KP_ENTER:
                    case SDLK_SPACE: chosen = focus; break;
                    case SDLK_ESCAPE: chosen = escape; break;
                    case SDLK_LEFT:
                    case SDLK_UP: focus = (focus + count - 1) % count, draw(); break;
                    case SDLK_RIGHT:
                    case SDLK_DOWN: focus = (focus + 1) % count, draw(); break;
                    case SDLK_TAB:
                        focus = (e.key.keysym.mod & KMOD_SHIFT) != 0 ? (focus + count - 1) % count : (focus + 1) % count;
                        draw();
                        break;
                    case SDLK_y: if (count == 2) chosen = 0; break;
                    case SDLK_n: if (count == 2) chosen = 1; break;
                    default: break;
                }
                break;
            case SDL_MOUSEBUTTONDOWN:
                if (e.button.button == SDL_BUTTON_LEFT) {
                    float x = 0, y = 0;
                    if (MapMouse(e.button.x, e.button.y, x, y)) {
                        const int b = MsgBox_HitButton(layout, x, y);
                        if (b >= 0) chosen = b;
                    }
                }
                break;
            default:
                break;
        }
    }
    if (ownWindow) {
        SDL_HideWindow(window_);
        shown_ = Surface();
    } else {
        Upload(shown_);
    }
    if (quit) {
        InputEvent close;
        close.type = EventType::CloseRequested;
        queue_.push_back(close);
    }
    return chosen;
}

int SdlHost::SystemBox(const std::string& text, const std::string& title, const std::vector<std::string>& labels,
                       MsgIcon icon) {
    Uint32 flags = SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
    switch (icon) {
        case MsgIcon::Critical: flags |= SDL_MESSAGEBOX_ERROR; break;
        case MsgIcon::Exclamation: flags |= SDL_MESSAGEBOX_WARNING; break;
        case MsgIcon::Question:
        case MsgIcon::Information: flags |= SDL_MESSAGEBOX_INFORMATION; break;
        case MsgIcon::None: break;
    }
    std::vector<SDL_MessageBoxButtonData> data;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        Uint32 f = 0;
        if (i == 0) f |= SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT;
        if (i + 1 == labels.size()) f |= SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
        data.push_back({f, static_cast<int>(i), labels[i].c_str()});
    }
    // Message texts use CR LF; the box wants plain line feeds.
    std::string shown;
    for (char c : text) {
        if (c != '\r') shown += c;
    }
    SDL_MessageBoxData box{};
    box.flags = flags;
    box.window = window_;
    box.title = title.c_str();
    box.message = shown.c_str();
    box.numbuttons = static_cast<int>(data.size());
    box.buttons = data.data();
    int hit = -1;
    if (SDL_ShowMessageBox(&box, &hit) != 0) {
        Note("cannot show a message box (" + std::string(SDL_GetError()) + "): " + title + ": " + shown);
        hit = -1;
    }
    if (hit < 0) hit = static_cast<int>(labels.size()) - 1;
    Redraw();
    return hit;
}

// ---------------------------------------------------------------- controllers

int SdlHost::JoyNumDevs() { return joyUp_ ? std::max<int>(kJoySlots, static_cast<int>(pads_.size())) : 0; }

bool SdlHost::JoyGetPos(int id, JoyPos& out) {
    if (id < 0 || id >= static_cast<int>(pads_.size())) return false;
    const Pad& p = pads_[static_cast<std::size_t>(id)];
    SDL_JoystickUpdate();
    if (p.controller != nullptr) {
        SDL_GameController* c = p.controller;
        if (SDL_GameControllerGetAttached(c) == SDL_FALSE) return false;
        out.x = AxisToRange(SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX));
        out.y = AxisToRange(SDL_GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY));
        if (SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_LEFT) != 0) out.x = 0;
        if (SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_RIGHT) != 0) out.x = 65535;
        if (SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_UP) != 0) out.y = 0;
        if (SDL_GameControllerGetButton(c, SDL_CONTROLLER_BUTTON_DPAD_DOWN) != 0) out.y = 65535;
        const SDL_GameControllerButton order[] = {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B,
                                                  SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_Y};
        out.buttons = 0;
        for (int i = 0; i < 4; ++i) {
            if (SDL_GameControllerGetButton(c, order[i]) != 0) out.buttons |= 1u << i;
        }
        return true;
    }
    SDL_Joystick* j = p.joystick;
    if (SDL_JoystickGetAttached(j) == SDL_FALSE) return false;
    out.x = SDL_JoystickNumAxes(j) > 0 ? AxisToRange(SDL_JoystickGetAxis(j, 0)) : 32768;
    out.y = SDL_JoystickNumAxes(j) > 1 ? AxisToRange(SDL_JoystickGetAxis(j, 1)) : 32768;
    if (SDL_JoystickNumHats(j) > 0) {
        const Uint8 hat = SDL_JoystickGetHat(j, 0);
        if ((hat & SDL_HAT_LEFT) != 0) out.x = 0;
        if ((hat & SDL_HAT_RIGHT) != 0) out.x = 65535;
        if ((hat & SDL_HAT_UP) != 0) out.y = 0;
        if ((hat & SDL_HAT_DOWN) != 0) out.y = 65535;
    }
    out.buttons = 0;
    const int n = std::min(4, SDL_JoystickNumButtons(j));
    for (int i = 0; i < n; ++i) {
        if (SDL_JoystickGetButton(j, i) != 0) out.buttons |= 1u << i;
    }
    return true;
}

bool SdlHost::JoyGetCaps(int id, JoyCaps& out) {
    if (id < 0 || id >= static_cast<int>(pads_.size())) return false;
    out = JoyCaps{0, 65535, 0, 65535};
    return true;
}

// ---------------------------------------------------------------- browser

bool SdlHost::OpenUrl(const std::string& url) {
    ReapChildren();
    // One argument, no shell: nothing in the address is interpreted. A leading dash would read as
    // an option.
    if (url.empty() || url[0] == '-') return false;
    std::string program = "xdg-open";
    std::vector<char*> argv{program.data(), const_cast<char*>(url.c_str()), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv.data(), environ) != 0) {
        Note("cannot start xdg-open to open " + url);
        return false;
    }
    // xdg-open gives up quickly when there is no browser to hand the address to; a browser it
    // started may keep it running for as long as the browser runs. A short look tells the two
    // apart without waiting for the browser.
    for (int i = 0; i < 30; ++i) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return true;
            Note("xdg-open could not open " + url);
            return false;
        }
        if (done < 0) return true;
        SDL_Delay(10);
    }
    children_.push_back(static_cast<int>(pid));
    return true;
}

void SdlHost::ReapChildren() {
    std::erase_if(children_, [](int pid) {
        int status = 0;
        return waitpid(static_cast<pid_t>(pid), &status, WNOHANG) != 0;
    });
}

}  // namespace platform
