// Checks the real SDL host by hand or under Xvfb (see sdl_check.sh):
//   sdl_check window OUT.png     opens the game window, presents a test picture, moves the pointer
//                                over it and reports the mapped positions, screenshots the screen
//   sdl_check present N          times N presentations of a full 640 x 480 picture
//   sdl_check music FILE.mid [SF] plays a MIDI file, reports when the sequence ends (loop status)
//                                and when the synthesizer falls silent
//   sdl_check midi OUT.mid SECS  writes a MIDI file of SECS seconds of notes (for the music check)
//   sdl_check pad                reads SDL's virtual controllers through the host
//   sdl_check keys               pushes key, text and window events and prints what arrives
//   sdl_check url URL            opens URL with xdg-open
//   sdl_check box OUT1 OUT2      shows a Yes/No box over the picture and an OK box without a
//                                window, screenshots both, answers them from the keyboard
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include <SDL_mixer.h>

#include "platform/sdl/midi_length.h"
#include "platform/font.h"
#include "platform/sdl/sdl_host.h"
#include "platform/sdl/sdl_msgbox.h"

using platform::Surface;

namespace {

Surface TestPicture() {
    Surface s(640, 480, 0xFFFFFF);
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            platform::Colour c = 0xFFFFFF;
            if (x < 320 && y < 240) c = platform::Rgb(255, 0, 0);
            else if (x >= 320 && y < 240) c = platform::Rgb(0, 255, 0);
            else if (x < 320) c = platform::Rgb(0, 0, 255);
            if (x % 32 == 0 || y % 24 == 0) c = 0x000000;  // the tile grid
            if (x < 8 && y < 8 && (x + y) % 2 == 0) c = 0xFFFFFF;  // single pixels: must stay sharp
            s.At(x, y) = c;
        }
    }
    return s;
}

void Pump(platform::SdlHost& host, int ms) {
    const std::uint32_t end = host.Ticks() + static_cast<std::uint32_t>(ms);
    platform::InputEvent e;
    while (static_cast<std::int32_t>(end - host.Ticks()) > 0) {
        while (host.PollEvent(e)) {
            if (e.type == platform::EventType::MouseMove) std::printf("mouse move -> surface (%g, %g)\n", e.x, e.y);
        }
        host.WaitEvent(end);
    }
}

int Window(const std::string& out) {
    platform::SdlHost host;
    if (!host.Init(false)) return 1;
    host.OpenWindow({"ぞーぶのにわ", 640, 480, false});
    host.Present(TestPicture());
    Pump(host, 500);
    int ww = 0, wh = 0;
    SDL_GetWindowSize(host.NativeWindow(), &ww, &wh);
    const platform::Viewport v = host.CurrentViewport();
    std::printf("window %dx%d, picture at %d,%d size %dx%d\n", ww, wh, v.x, v.y, v.w, v.h);
    // Window points that must land on known surface pixels.
    const int points[][2] = {{0, 0}, {1, 1}, {641, 481}, {1279, 959}, {640, 480}};
    for (const auto& p : points) {
        std::printf("warp to window (%d, %d): ", p[0], p[1]);
        std::fflush(stdout);
        SDL_WarpMouseInWindow(host.NativeWindow(), p[0], p[1]);
        Pump(host, 150);
        std::printf("\n");
    }
    const std::string cmd = "import -window root " + out;
    int rc = std::system(cmd.c_str());
    host.SaveScreenshot(out + ".surface.png");
    std::printf("screenshot %s (rc %d)\n", out.c_str(), rc);

    // Full-screen over the whole desktop: the picture scaled by whole steps, with bars around it.
    std::printf("full-screen: %s\n", host.SetFullscreen(true) ? "on" : "refused");
    Pump(host, 500);
    SDL_GetWindowSize(host.NativeWindow(), &ww, &wh);
    const platform::Viewport f = host.CurrentViewport();
    std::printf("window %dx%d, picture at %d,%d size %dx%d\n", ww, wh, f.x, f.y, f.w, f.h);
    for (const auto& p : {std::pair{f.x, f.y}, std::pair{f.x - 1, f.y + 10}, std::pair{f.x + f.w - 1, f.y + f.h - 1}}) {
        std::printf("warp to window (%d, %d): ", p.first, p.second);
        std::fflush(stdout);
        SDL_WarpMouseInWindow(host.NativeWindow(), p.first, p.second);
        Pump(host, 150);
        std::printf("\n");
    }
    // (Without a window manager, as under a bare Xvfb, the X window itself keeps its size: the
    // full-screen picture is then only right in the numbers above.)
    std::printf("back to the window: %s\n", host.SetFullscreen(false) ? "yes" : "refused");
    Pump(host, 300);
    SDL_GetWindowSize(host.NativeWindow(), &ww, &wh);
    std::printf("window %dx%d\n", ww, wh);

    // The window resized by hand: 2x still fits, centred with bars.
    SDL_SetWindowSize(host.NativeWindow(), 1500, 1100);
    Pump(host, 500);
    SDL_GetWindowSize(host.NativeWindow(), &ww, &wh);
    const platform::Viewport r = host.CurrentViewport();
    std::printf("resized window %dx%d, picture at %d,%d size %dx%d\n", ww, wh, r.x, r.y, r.w, r.h);
    rc |= std::system(("import -window root " + out + ".resized.png").c_str());
    return rc == 0 ? 0 : 1;
}

int Present(int n) {
    platform::SdlHost host;
    if (!host.Init(false)) return 1;
    host.OpenWindow({"present", 640, 480, false});
    Surface s = TestPicture();
    platform::InputEvent e;
    // Shown at once: each present followed by a look for input, as a redraw between waits.
    auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < n; ++i) {
        s.At(i % 640, 100) ^= 0xFFFFFF;
        host.Present(s);
        host.PollEvent(e);
    }
    auto t1 = std::chrono::steady_clock::now();
    // Twenty presents in a row without yielding (a menu drawing its texts), then one look for input.
    for (int i = 0; i < n; ++i) host.Present(s);
    host.PollEvent(e);
    auto t2 = std::chrono::steady_clock::now();
    const double shown = std::chrono::duration<double, std::micro>(t1 - t0).count() / n;
    const double merged = std::chrono::duration<double, std::micro>(t2 - t1).count();
    std::printf("video driver %s: present+show %.1f us each; %d presents in a row then one show: %.1f us in all\n",
                SDL_GetCurrentVideoDriver(), shown, n, merged);
    return 0;
}

std::string soundFont;
std::atomic<double> gLoudness{0};

// The mixed output's mean level, to see when music sounds.
void Listen(void*, Uint8* stream, int len) {
    const auto* p = reinterpret_cast<const Sint16*>(stream);
    double sum = 0;
    for (int i = 0; i < len / 2; ++i) sum += std::abs(static_cast<int>(p[i]));
    gLoudness = len > 0 ? sum / (len / 2) : 0;
}

// Milliseconds until the output is loud (or -1 after limit ms).
long UntilSound(platform::SdlHost& host, std::uint32_t limit) {
    const std::uint32_t start = host.Ticks();
    while (host.Ticks() - start < limit) {
        if (gLoudness > 50) return static_cast<long>(host.Ticks() - start);
        SDL_Delay(2);
    }
    return -1;
}

int Music(const std::string& file) {
    platform::SdlHost host;
    if (!soundFont.empty()) host.SetSoundFont(soundFont);
    if (!host.Init(false)) return 1;
    platform::SdlAudio& a = host.Audio();
    Mix_SetPostMix(Listen, nullptr);
    for (int round = 1; round <= 2; ++round) {
        auto t0 = std::chrono::steady_clock::now();
        if (!host.MusicOpen(file)) {
            std::printf("cannot open %s\n", file.c_str());
            return 1;
        }
        auto t1 = std::chrono::steady_clock::now();
        std::printf("open %d took %.0f ms (soundfont %s), sequence length %.0f ms\n", round,
                    std::chrono::duration<double, std::milli>(t1 - t0).count(), a.SoundFont().c_str(),
                    a.MusicLengthMs());
        if (round == 1) host.MusicClose();
    }
    host.MusicPlay();
    std::printf("first sound %ld ms after play\n", UntilSound(host, 3000));
    const std::uint32_t start = host.Ticks();
    while (host.MusicStatus() == platform::MusicMode::Playing && host.Ticks() - start < 60000) SDL_Delay(2);
    const std::uint32_t stoppedAt = host.Ticks() - start;
    std::printf("status 'stopped' %u ms after play by the wall clock, at %.0f ms of rendered music "
                "(sequence %.0f ms)\n",
                stoppedAt, a.MusicPositionMs(), a.MusicLengthMs());
    // Stopped in the middle and played again: from the beginning, so sound comes at once.
    host.MusicPlay();
    SDL_Delay(static_cast<Uint32>(a.MusicLengthMs() / 2));
    host.MusicStop();
    SDL_Delay(1500);
    host.MusicPlay();
    std::printf("stopped half-way, played again: sound %ld ms after play\n", UntilSound(host, 3000));
    // The loop check of the loading timer: once a second, restart as soon as it sees "stopped".
    // The sequence's end is taken from the rendered music (a stand-in audio driver may run slower
    // than the wall clock under load).
    host.MusicPlay();
    const std::uint32_t again = host.Ticks();
    std::uint32_t endSeen = 0, restartedAfter = 0;
    for (std::uint32_t tick = 1000; tick <= 600000; tick += 1000) {
        while (host.Ticks() - again < tick) {
            if (endSeen == 0 && a.MusicPositionMs() >= a.MusicLengthMs()) endSeen = host.Ticks() - again;
            SDL_Delay(1);
        }
        if (host.MusicStatus() == platform::MusicMode::Stopped) {
            host.MusicPlay();
            restartedAfter = host.Ticks() - again;
            break;
        }
    }
    std::printf("loop check once a second: sequence over at %u ms, restarted at %u ms: %u ms after its end; "
                "sound %ld ms later\n",
                endSeen, restartedAfter, restartedAfter - endSeen, UntilSound(host, 3000));
    host.MusicClose();
    return 0;
}

void Put16(std::string& s, int v) { s += static_cast<char>((v >> 8) & 0xFF), s += static_cast<char>(v & 0xFF); }
void Put32(std::string& s, std::uint32_t v) {
    for (int i = 3; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

int WriteMidi(const std::string& out, double seconds) {
    // 480 ticks per quarter at 120 bpm: a quarter note is 500 ms.
    std::string track;
    const int notes = static_cast<int>(seconds * 2);
    for (int i = 0; i < notes; ++i) {
        const char note = static_cast<char>(60 + (i % 8));
        track += '\0';
        track += static_cast<char>(0x90), track += note, track += static_cast<char>(100);
        track += static_cast<char>(0x83), track += static_cast<char>(0x60);  // 480
        track += static_cast<char>(0x80), track += note, track += static_cast<char>(0);
    }
    track += '\0', track += static_cast<char>(0xFF), track += static_cast<char>(0x2F), track += '\0';
    std::string file = "MThd";
    Put32(file, 6);
    Put16(file, 0), Put16(file, 1), Put16(file, 480);
    file += "MTrk";
    Put32(file, static_cast<std::uint32_t>(track.size()));
    file += track;
    std::ofstream(out, std::ios::binary) << file;
    std::printf("%s: %d notes, length %.0f ms\n", out.c_str(), notes, platform::Midi_SequenceLengthMs(file));
    return 0;
}

// Presses a key from another thread, as the user would, after the box is up.
void PressLater(int delayMs, SDL_Keycode key) {
    std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
}

// A Yes/No box over the game picture (out1) and an OK box before any window (out2): the focus is
// moved to "いいえ", the screen taken, then Enter pressed.
int Box(const std::string& out1, const std::string& out2) {
    platform::SdlHost host;
    if (!host.Init(false)) return 1;
    std::thread early([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1200));
        std::system(("import -window root " + out2).c_str());
        PressLater(0, SDLK_RETURN);
    });
    host.MessageBox("このソフトは二重に起動できません", "エラー処理", platform::MsgButtons::Ok,
                    platform::MsgIcon::Exclamation);
    early.join();
    std::printf("first box answered\n");
    host.OpenWindow({"ぞーぶのにわ", 640, 480, false});
    host.Present(TestPicture());
    Pump(host, 300);
    std::thread user([&] {
        PressLater(800, SDLK_RIGHT);
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        std::system(("import -window root " + out1).c_str());
        PressLater(0, SDLK_RETURN);
    });
    const platform::MsgAnswer a =
        host.MessageBox("終了しますか？", "SYSTEM MSG", platform::MsgButtons::YesNo, platform::MsgIcon::Question);
    user.join();
    std::printf("answer %s\n", a == platform::MsgAnswer::Yes ? "yes" : "no");
    // A click on the middle of "はい", in window coordinates (the picture fills the window).
    const platform::Font* font = platform::Font_Get(platform::Font_PixelSize(9));
    const std::vector<std::string> labels{"はい", "いいえ"};
    const platform::MsgBoxLayout layout =
        platform::MsgBox_Layout(640, 480, "終了しますか？", "SYSTEM MSG", labels, platform::MsgIcon::Question, *font);
    const platform::Viewport v = host.CurrentViewport();
    const int wx = v.x + (layout.buttons[0].left + layout.buttons[0].right) / 2 * v.w / 640;
    const int wy = v.y + (layout.buttons[0].top + layout.buttons[0].bottom) / 2 * v.h / 480;
    std::thread clicker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(800));
        SDL_Event e{};
        e.type = SDL_MOUSEBUTTONDOWN;
        e.button.button = SDL_BUTTON_LEFT;
        e.button.windowID = SDL_GetWindowID(host.NativeWindow());
        e.button.x = wx;
        e.button.y = wy;
        SDL_PushEvent(&e);
    });
    const platform::MsgAnswer b =
        host.MessageBox("終了しますか？", "SYSTEM MSG", platform::MsgButtons::YesNo, platform::MsgIcon::Question);
    clicker.join();
    std::printf("click at window (%d, %d): answer %s\n", wx, wy, b == platform::MsgAnswer::Yes ? "yes" : "no");
    return a == platform::MsgAnswer::No && b == platform::MsgAnswer::Yes ? 0 : 1;
}

// Virtual controllers (SDL's own test devices): one game controller, one plain joystick with a hat.
int Pad() {
    SDL_InitSubSystem(SDL_INIT_JOYSTICK);
    const int pad = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6, 15, 0);
    const int stick = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, 2, 4, 1);
    if (pad < 0 || stick < 0) {
        std::printf("no virtual joysticks: %s\n", SDL_GetError());
        return 1;
    }
    platform::SdlHost host;
    if (!host.Init(false)) return 1;
    std::printf("JoyNumDevs %d\n", host.JoyNumDevs());
    SDL_Joystick* jp = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(pad));
    SDL_Joystick* js = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(stick));
    int failures = 0;
    auto check = [&](int id, std::uint32_t x, std::uint32_t y, std::uint32_t buttons, const char* what) {
        platform::JoyPos p;
        const bool ok = host.JoyGetPos(id, p);
        const bool good = ok && p.x == x && p.y == y && p.buttons == buttons;
        failures += good ? 0 : 1;
        std::printf("%-34s id %d: %s x %u y %u buttons %u%s\n", what, id, ok ? "read" : "failed", p.x, p.y, p.buttons,
                    good ? "" : "   <-- unexpected");
    };
    platform::JoyCaps caps;
    std::printf("caps of 0: %s %u..%u\n", host.JoyGetCaps(0, caps) ? "read" : "failed", caps.xMin, caps.xMax);
    check(0, 32768, 32768, 0, "controller at rest");
    SDL_JoystickSetVirtualAxis(jp, SDL_CONTROLLER_AXIS_LEFTX, -32768);
    SDL_JoystickSetVirtualAxis(jp, SDL_CONTROLLER_AXIS_LEFTY, 32767);
    SDL_JoystickSetVirtualButton(jp, SDL_CONTROLLER_BUTTON_A, 1);
    SDL_JoystickSetVirtualButton(jp, SDL_CONTROLLER_BUTTON_Y, 1);
    check(0, 0, 65535, 9, "stick left-down, A and Y");
    SDL_JoystickSetVirtualAxis(jp, SDL_CONTROLLER_AXIS_LEFTX, 0);
    SDL_JoystickSetVirtualAxis(jp, SDL_CONTROLLER_AXIS_LEFTY, 0);
    SDL_JoystickSetVirtualButton(jp, SDL_CONTROLLER_BUTTON_A, 0);
    SDL_JoystickSetVirtualButton(jp, SDL_CONTROLLER_BUTTON_Y, 0);
    SDL_JoystickSetVirtualButton(jp, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 1);
    SDL_JoystickSetVirtualButton(jp, SDL_CONTROLLER_BUTTON_B, 1);
    check(0, 65535, 32768, 2, "D-pad right, B");
    SDL_JoystickSetVirtualAxis(js, 0, 32767);
    SDL_JoystickSetVirtualHat(js, 0, SDL_HAT_UP);
    SDL_JoystickSetVirtualButton(js, 2, 1);
    check(1, 65535, 0, 4, "joystick right, hat up, button 3");
    platform::JoyPos none;
    std::printf("id 2 (empty slot): %s\n", host.JoyGetPos(2, none) ? "read" : "failed");
    return failures == 0 ? 0 : 1;
}

// SDL events pushed into the queue, as the window system would deliver them, and what the game gets.
int Keys() {
    platform::SdlHost host;
    if (!host.Init(false)) return 1;
    host.OpenWindow({"keys", 640, 480, false});
    host.Present(TestPicture());
    const Uint32 win = SDL_GetWindowID(host.NativeWindow());
    auto key = [&](SDL_Keycode sym, Uint16 mod, Uint8 repeat) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.windowID = win;
        e.key.keysym.sym = sym;
        e.key.keysym.mod = mod;
        e.key.repeat = repeat;
        SDL_PushEvent(&e);
    };
    key(SDLK_RETURN, 0, 0);
    key(SDLK_DOWN, 0, 0);
    key(SDLK_DOWN, 0, 1);  // held: repeats
    key(SDLK_KP_3, KMOD_NUM, 0);
    key(SDLK_F4, KMOD_LALT, 0);
    key(SDLK_RETURN, KMOD_LALT, 0);  // full-screen on, not passed on
    key(SDLK_RETURN, KMOD_RALT, 0);  // and off again
    SDL_Event t{};
    t.type = SDL_TEXTEDITING;
    t.edit.windowID = win;
    std::strcpy(t.edit.text, "か");
    SDL_PushEvent(&t);
    SDL_PushEvent(&t);  // the same composition goes on: no second 229
    t.type = SDL_TEXTINPUT;
    std::strcpy(t.text.text, "課");
    SDL_PushEvent(&t);  // committed
    std::strcpy(t.text.text, "ａ");
    SDL_PushEvent(&t);  // full-width direct input without composition: 229
    std::strcpy(t.text.text, "a");
    SDL_PushEvent(&t);  // plain text: nothing (the key down carries it)
    SDL_Event c{};
    c.type = SDL_WINDOWEVENT;
    c.window.windowID = win;
    c.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_PushEvent(&c);
    platform::InputEvent e;
    int n = 0;
    while (host.PollEvent(e)) {
        ++n;
        if (e.type == platform::EventType::KeyDown) std::printf("key down %d shift %d\n", e.key, e.shift);
        else if (e.type == platform::EventType::CloseRequested) std::printf("close requested\n");
        else std::printf("other event %d\n", static_cast<int>(e.type));
    }
    return n == 8 ? 0 : 1;
}

int Url(const std::string& url) {
    platform::SdlHost host;
    if (!host.Init(false)) return 1;
    std::printf("OpenUrl(%s): %s\n", url.c_str(), host.OpenUrl(url) ? "started" : "failed");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "window" && argc > 2) return Window(argv[2]);
    if (mode == "present") return Present(argc > 2 ? std::atoi(argv[2]) : 200);
    if (mode == "music" && argc > 2) {
        if (argc > 3) soundFont = argv[3];
        return Music(argv[2]);
    }
    if (mode == "midi" && argc > 3) return WriteMidi(argv[2], std::atof(argv[3]));
    if (mode == "pad") return Pad();
    if (mode == "keys") return Keys();
    if (mode == "url" && argc > 2) return Url(argv[2]);
    if (mode == "box" && argc > 3) return Box(argv[2], argv[3]);
    std::fputs("usage: sdl_check window OUT.png | present N | music FILE.mid [SF] | midi OUT.mid SECS | box OUT1 OUT2 | pad | keys | url URL\n", stderr);
    return 2;
}
