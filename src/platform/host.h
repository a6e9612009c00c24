// Everything the game needs from the outside world goes through Host. Two implementations:
// SdlHost (a real window, audio, controller) and ScriptedHost (headless, virtual clock, scripted
// input; tests, replays and benchmarks).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace platform {

// Windows virtual-key codes, which the game's key handlers compare against.
enum KeyCode : int {
    kKeyNone = 0,
    kKeyTab = 9,
    kKeyEnter = 13,
    kKeyEscape = 27,
    kKeySpace = 32,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKeyNum1 = 97,
    kKeyNum2 = 98,
    kKeyNum3 = 99,
    kKeyNum4 = 100,
    kKeyF4 = 115,
    kKeyImeProcess = 229,  // a key taken by the input method (full-width input)
};

// Shift-state bits of key and mouse events.
enum ShiftBits : int { kShiftShift = 1, kShiftCtrl = 2, kShiftAlt = 4 };
// Mouse buttons as the game numbers them.
enum MouseButton : int { kButtonLeft = 1, kButtonRight = 2, kButtonMiddle = 4 };

enum class EventType {
    MouseDown,
    MouseUp,
    MouseMove,
    KeyDown,
    KeyUp,
    CloseRequested,  // the window's own close command
};

struct InputEvent {
    EventType type = EventType::MouseMove;
    int button = 0;  // MouseButton for mouse events; the held buttons for MouseMove
    int shift = 0;   // ShiftBits
    float x = 0;     // pixels of the current window's drawing surface
    float y = 0;
    int key = 0;     // KeyCode for key events
};

enum class MsgButtons { Ok, YesNo };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { Ok, Yes, No };

enum class MusicMode { NotOpen, Stopped, Playing, Paused };

// Joystick readings in the classic 0..65535 axis range.
struct JoyPos {
    std::uint32_t x = 32767;
    std::uint32_t y = 32767;
    std::uint32_t buttons = 0;  // bit 0 = button 1 ...
};
struct JoyCaps {
    std::uint32_t xMin = 0, xMax = 65535;
    std::uint32_t yMin = 0, yMax = 65535;
};

struct DisplayMode {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

struct WindowSpec {
    std::string caption;
    int width = 640;   // drawing surface in pixels
    int height = 480;
    bool fullscreen = false;
};

class Host {
public:
    virtual ~Host() = default;

    // Milliseconds of a monotonic clock (real, or virtual on the scripted host).
    virtual std::uint32_t Ticks() = 0;

    // Takes the next pending input event; false when there is none.
    virtual bool PollEvent(InputEvent& out) = 0;
    // Sleeps until an input event is pending or the clock has reached deadline (it may return
    // earlier; callers loop). Never spins.
    virtual void WaitEvent(std::uint32_t deadline) = 0;
    // Blocks for ms without delivering anything (screen effects); input stays queued.
    virtual void Sleep(std::uint32_t ms) = 0;

    // Shows (or replaces) the one window; its drawing surface has the given size.
    virtual void OpenWindow(const WindowSpec& spec) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual std::string GetCaption() = 0;
    // The window's drawing area in pixels (its size in window mode; full-screen keeps it for the
    // way back).
    virtual void SetWindowSize(int width, int height) = 0;
    virtual void GetWindowSize(int& width, int& height) = 0;
    // Makes the surface visible in the window (scaled to the window, letterboxed).
    virtual void Present(const Surface& surface) = 0;
    // Full-screen on or off for the current window; false when it could not be done.
    virtual bool SetFullscreen(bool on) = 0;
    // The display modes a full-screen switch can ask for, in the platform's order.
    virtual std::vector<DisplayMode> DisplayModes() = 0;
    virtual void MinimizeWindow() = 0;
    virtual bool WindowIsActive() = 0;

    // A modal message box.
    virtual MsgAnswer MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                                 MsgIcon icon) = 0;

    // One music channel. MusicOpen loads a MIDI file (false when it cannot); MusicPlay plays it
    // from the start; MusicStop stops it and MusicClose releases it.
    virtual bool MusicOpen(const std::string& nativePath) = 0;
    virtual void MusicPlay() = 0;
    virtual void MusicStop() = 0;
    virtual void MusicClose() = 0;
    virtual MusicMode MusicStatus() = 0;
    // A wave sound without waiting; a new sound cuts off the one playing; a missing file is silent.
    virtual void SoundPlay(const std::string& nativePath) = 0;

    // Game controllers.
    virtual int JoyNumDevs() = 0;
    virtual bool JoyGetPos(int id, JoyPos& out) = 0;
    virtual bool JoyGetCaps(int id, JoyCaps& out) = 0;

    // Opens an address (a web page or a local file) in the user's browser without waiting for it;
    // false when no browser could be started.
    virtual bool OpenUrl(const std::string& url) = 0;

    // Saves the picture presented last as a PNG file; false when it cannot be written.
    virtual bool SaveScreenshot(const std::string& nativePath) = 0;
};

// Writes a surface as a PNG file (alpha dropped); false when it cannot be written.
bool Surface_WritePng(const Surface& surface, const std::string& nativePath);

// The host of this run. Set once by main() or by a test fixture.
Host& Host_Get();
void Host_Set(Host* host);
bool Host_IsSet();

// Ends the program from anywhere: unwinds to main(), which exits with the code. Game code never
// catches this (it does not derive from std::exception).
struct ProgramExit {
    int code = 0;
};
[[noreturn]] void Program_End(int code);

}  // namespace platform
