// A game folder with the title media in a temporary directory, the main window bound to it, and
// the trace captured, for the tests of the main window, the dispatcher, the keys, the media
// commands and the title.
#pragma once
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "common/C_modSystem.h"
#include "core/C_modCtrPad.h"
#include "core/G_modGameInfo.h"
#include "core/G_modManage.h"
#include "core/G_modManage_Media.h"
#include "core/frmMain.h"
#include "core/modEvent.h"
#include "data/modData.h"
#include "data/modSetting.h"
#include "platform/trace.h"
#include "support/test_support.h"

namespace core_test {

// Colours of the test pictures.
inline constexpr platform::Colour kTitleColour = platform::Rgb(10, 120, 40);
inline constexpr platform::Colour kCursorColour = platform::Rgb(200, 30, 90);
inline constexpr platform::Colour kByeColour = platform::Rgb(250, 240, 10);

// A 24-bit BMP file of w x h pixels.
inline std::string BmpBytes(int w, int h, const std::function<platform::Colour(int, int)>& pixel) {
    const int row = (w * 3 + 3) / 4 * 4;
    const int size = 54 + row * h;
    std::string b(static_cast<std::size_t>(size), '\0');
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[static_cast<std::size_t>(at + i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto put16 = [&](int at, std::uint32_t v) {
        b[static_cast<std::size_t>(at)] = static_cast<char>(v & 0xFF);
        b[static_cast<std::size_t>(at + 1)] = static_cast<char>((v >> 8) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, static_cast<std::uint32_t>(size));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(w));
    put32(22, static_cast<std::uint32_t>(h));
    put16(26, 1);
    put16(28, 24);
    put32(34, static_cast<std::uint32_t>(row * h));
    for (int y = 0; y < h; ++y) {
        const int at = 54 + (h - 1 - y) * row;
        for (int x = 0; x < w; ++x) {
            const platform::Colour c = pixel(x, y);
            b[static_cast<std::size_t>(at + 3 * x)] = static_cast<char>(platform::BlueOf(c));
            b[static_cast<std::size_t>(at + 3 * x + 1)] = static_cast<char>(platform::GreenOf(c));
            b[static_cast<std::size_t>(at + 3 * x + 2)] = static_cast<char>(platform::RedOf(c));
        }
    }
    return b;
}

// The trace lines (without their time stamps) since the last Trace_CaptureStart.
inline std::vector<std::string> TakeTrace() {
    std::vector<std::string> out;
    std::istringstream in(platform::Trace_CaptureTake());
    std::string line;
    while (std::getline(in, line)) {
        const auto space = line.find(' ');
        out.push_back(space == std::string::npos ? line : line.substr(space + 1));
    }
    return out;
}

inline bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    for (const auto& l : lines) {
        if (l == line) return true;
    }
    return false;
}

// True when the wanted lines occur in this order (other lines may lie between them).
inline bool InOrder(const std::vector<std::string>& lines, const std::vector<std::string>& wanted) {
    std::size_t k = 0;
    for (const auto& l : lines) {
        if (k < wanted.size() && l == wanted[k]) ++k;
    }
    return k == wanted.size();
}

// Runs fn and returns the exit code of the program end it reached, or -1 when it returned.
inline int ExitCodeOf(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const platform::ProgramExit& e) {
        return e.code;
    }
    return -1;
}

class CoreTest : public testing_support::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        frmMain_Unload();
        gstrGameDir = dir_.Path() + "/";
        glngFrameTime = 16;
        gblnFullScreen = vb::kFalse;
        gblnPadReady = vb::kFalse;
        glngPadId = -1;
        platform::Trace_CaptureStart();
        gintGameState = 0;
        gintReturnState = 0;
        glngClickAck = 0;
        glngKeyCursor = 0;
        gintSubState = 0;
        gintChoice = 0;
        gintLastChoice = 0;
        gintMusicOpen = 1;
        gudtGame = typGameData{};
        gobjMainForm = nullptr;
        gobjBackPic = nullptr;
        WriteGame();
        platform::Trace_CaptureTake();
    }

    void TearDown() override {
        platform::Trace_CaptureTake();
        frmMain_Unload();
        gobjMainForm = nullptr;
        gobjBackPic = nullptr;
        HostTest::TearDown();
    }

    // The title media: picture 0 fills the window, picture 1 is a 20 x 10 block with a white
    // (transparent) hole, picture 9999 a block on pure red.
    void WriteGame() {
        dir_.WriteSjis("eve/A_SYS_FILE.ini", "[BASIS]\r\nMUSIC_OPEN=1\r\nMUSIC_SHOP=0\r\n");
        dir_.WriteSjis("mid/mid.ini", "[MID]\r\n0=start.mid\r\n1=title.mid\r\n");
        dir_.Write("mid/start.mid", "MThd");
        dir_.Write("mid/title.mid", "MThd");
        dir_.WriteSjis("sound/sound.ini", "[SOUND]\r\n3=click.wav\r\n");
        dir_.WriteSjis("pic/pic.ini",
                       "[PIC]\r\n0=title.bmp:0:0:640:480\r\n1=cursor.bmp:425:193:20:10\r\n"
                       "9999=bye.bmp:100:50:8:8\r\n");
        dir_.Write("pic/title.bmp", BmpBytes(640, 480, [](int x, int y) {
                       // White under the cursor columns, as a real title picture is.
                       if (y >= 190 && y <= 300 && x >= 410 && x <= 555) return platform::Colour{0xFFFFFF};
                       return kTitleColour;
                   }));
        dir_.Write("pic/cursor.bmp", BmpBytes(20, 10, [](int x, int) {
                       return x >= 5 && x < 10 ? platform::Colour{0xFFFFFF} : kCursorColour;
                   }));
        dir_.Write("pic/bye.bmp", BmpBytes(8, 8, [](int x, int) {
                       return x < 4 ? kByeColour : platform::Rgb(255, 0, 0);
                   }));
    }

    // Binds the window references as the loading tick does, without loading anything.
    void BindWindow() {
        Manage_Init(frmMain_Form(), frmMain().Pic);
        Event_Init();
    }

    // Opens the main window and lets the first loading tick run.
    void ShowAndLoad() {
        frmMain_Show();
        Sys_Wait(1000);
    }

    platform::Surface& Screen() { return frmMain_Form().image; }

    void Send(platform::EventType type, int button, float x, float y, int key = 0, int shift = 0) {
        platform::InputEvent e;
        e.type = type;
        e.button = button;
        e.x = x;
        e.y = y;
        e.key = key;
        e.shift = shift;
        frmMain().OnInput(e);
    }
    void Click(float x, float y, int button = platform::kButtonLeft) {
        Send(platform::EventType::MouseDown, button, x, y);
    }
    void Move(float x, float y) { Send(platform::EventType::MouseMove, 0, x, y); }
    void Key(int key, int shift = 0) { Send(platform::EventType::KeyDown, 0, 0, 0, key, shift); }
};

}  // namespace core_test
