// The real host: an SDL2 window showing the game's surface, keyboard, mouse and game controller
// input, message boxes, music and sounds (SDL_mixer with FluidSynth), the browser (xdg-open).
//
// Use from main():
//     platform::SdlHost host;
//     host.SetSoundFont(path);          // optional (--soundfont), before Init
//     if (!host.Init(fullscreen)) return 1;   // reason already on stderr
//     platform::Host_Set(&host);
//     ... host.OpenWindow({"ぞーぶのにわ", 640, 480}) and the game ...
//
// Behaviour worth knowing:
// - Pictures are scaled by whole steps (the largest window that fits the desktop, at least 1x)
//   and letterboxed when the window is resized or full-screen. Full-screen is the desktop's own
//   full-screen: the monitor's mode is never changed. Alt+Enter toggles it (a convenience the
//   game itself does not offer; the key is not passed on).
// - Mouse positions are mapped back to surface pixels; presses and moves over the black bars are
//   dropped, as clicks outside a window's drawing area never reach it.
// - Keys arrive as Windows virtual-key codes with shift bits 1/2/4 (Shift/Ctrl/Alt); a held key
//   repeats as repeated key downs. The input method starting a composition (SDL_TEXTEDITING with
//   text), or committing non-ASCII text without one (full-width direct input), arrives as key 229,
//   the code the game knows for "the input method took a key".
// - Message boxes are drawn into the game window over its picture with the game font (a classic
//   dialog: Enter or Space takes the focused button, Escape "いいえ" or OK, arrows and Tab move
//   the focus, Y and N answer, a click on a button); before the game has a window the box gets a
//   small window of its own. SDL's system box is the fallback when no font can be opened: it
//   needs X core fonts with Japanese glyphs, which many desktops and Xvfb do not have. Input
//   that reached the game window while a box was up is dropped, as with a modal box.
// - Present only copies the picture; it is shown when the game next looks for input, waits,
//   sleeps or shows a message box, or at once when 30 ms have passed since the last showing, so
//   a screen drawn in many small steps costs one presentation.
// - Music: one FluidSynth synthesizer for the run (the soundfont is loaded with the first piece:
//   the one set with SetSoundFont, else fluid-soundfont-gm's FluidR3_GM.sf2, else Debian's
//   default-GM); every MusicPlay starts the piece from its beginning; MusicStatus says Stopped at
//   the end of the sequence on the audio clock, not seconds later when the last note has died
//   away. Wave sounds share one mixer channel: a new one cuts off the last.
// - Joysticks: every controller present at Init is opened (no hot-plugging). JoyNumDevs reports
//   16 slots, as the classic joystick driver did, so that "no controller connected" can be told
//   apart from "no joystick support" (0, when SDL's joystick system did not start). Axes are in
//   0..65535 with the centre at 32768; the D-pad (or first hat) pushes the axes to their ends.
//   Buttons 1-4 are A, B, X, Y of a recognised game controller, else the joystick's first four.
// - OpenUrl runs xdg-open with the address as its one argument (no shell) and waits at most
//   300 ms: false when xdg-open is missing or gave up in that time, true when it succeeded or is
//   still busy with a browser.
#pragma once
#include <SDL.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/host.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/viewport.h"

namespace platform {

class SdlHost : public Host {
public:
    SdlHost();
    ~SdlHost() override;
    SdlHost(const SdlHost&) = delete;
    SdlHost& operator=(const SdlHost&) = delete;

    // A soundfont other than the installed General MIDI one; call before Init.
    void SetSoundFont(const std::string& path) { audio_.SetSoundFont(path); }
    // Starts SDL: video (required; false with the reason on stderr when it fails), audio and game
    // controllers (optional: the game goes on without them). fullscreen: every window opens
    // full-screen.
    bool Init(bool fullscreen = false);

    // --- Host ---
    std::uint32_t Ticks() override;
    bool PollEvent(InputEvent& out) override;
    void WaitEvent(std::uint32_t deadline) override;
    void Sleep(std::uint32_t ms) override;
    void OpenWindow(const WindowSpec& spec) override;
    void SetCaption(const std::string& caption) override;
    std::string GetCaption() override { return caption_; }
    void SetWindowSize(int width, int height) override;
    void GetWindowSize(int& width, int& height) override;
    void Present(const Surface& surface) override;
    bool SetFullscreen(bool on) override;
    std::vector<DisplayMode> DisplayModes() override;
    void MinimizeWindow() override;
    bool WindowIsActive() override;
    MsgAnswer MessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon) override;
    bool MusicOpen(const std::string& nativePath) override { return audio_.MusicOpen(nativePath); }
    void MusicPlay() override { audio_.MusicPlay(); }
    void MusicStop() override { audio_.MusicStop(); }
    void MusicClose() override { audio_.MusicClose(); }
    MusicMode MusicStatus() override { return audio_.MusicStatus(); }
    void SoundPlay(const std::string& nativePath) override { audio_.SoundPlay(nativePath); }
    int JoyNumDevs() override;
    bool JoyGetPos(int id, JoyPos& out) override;
    bool JoyGetCaps(int id, JoyCaps& out) override;
    bool OpenUrl(const std::string& url) override;
    bool SaveScreenshot(const std::string& nativePath) override;

    // For tools and tests: the audio part, and the picture's place in the window's output.
    SdlAudio& Audio() { return audio_; }
    Viewport CurrentViewport();
    SDL_Window* NativeWindow() { return window_; }

private:
    struct Pad {
        SDL_GameController* controller = nullptr;
        SDL_Joystick* joystick = nullptr;
    };

    bool EnsureWindow();
    void Upload(const Surface& picture);
    // The modal box in the game window: the chosen button, or -2 when it cannot be drawn.
    int RunBox(const std::string& text, const std::string& title, const std::vector<std::string>& labels,
               MsgIcon icon);
    // SDL's system message box: the chosen button (the last one when it fails).
    int SystemBox(const std::string& text, const std::string& title, const std::vector<std::string>& labels,
                  MsgIcon icon);
    void Translate(const SDL_Event& e);
    void DrainSdl();
    void Flush();      // shows the pending picture
    void Redraw();     // shows the current picture again (exposed, resized)
    void EnsureTexture(int width, int height);
    void ApplyWindowedSize();
    bool MapMouse(int wx, int wy, float& x, float& y);
    void ReapChildren();

    bool videoUp_ = false;
    bool joyUp_ = false;
    bool startFullscreen_ = false;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    int texW_ = 0;
    int texH_ = 0;
    Surface shown_;  // the picture presented last (kept for redraws and screenshots)
    bool pending_ = false;
    std::uint32_t lastFlush_ = 0;
    std::string caption_;
    int width_ = 640;   // drawing area
    int height_ = 480;
    bool fullscreen_ = false;
    bool composing_ = false;  // the input method is composing
    std::deque<InputEvent> queue_;
    std::vector<Pad> pads_;
    std::vector<int> children_;  // browser processes not yet reaped
    SdlAudio audio_;
};

}  // namespace platform
