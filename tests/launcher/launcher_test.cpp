// The launcher: reading game.ini, the menus that write it, the controls' mouse and keyboard
// behaviour, the information text and the controller status.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>

#include "common/C_modSystem.h"
#include "common/ini_file.h"
#include "common/vb_error.h"
#include "core/G_modGameInfo.h"
#include "core/frmMain.h"
#include "launcher/frmStart.h"
#include "platform/instance_lock.h"
#include "platform/pump.h"
#include "platform/trace.h"
#include "support/test_support.h"

namespace {

using platform::EventType;
using platform::InputEvent;

class LauncherTest : public testing_support::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        // A lock of our own, so parallel test processes are not "another copy".
        setenv("XDG_RUNTIME_DIR", dir_.Path().c_str(), 1);
        StartOptions options;
        options.appDir = dir_.Path();
        Start_Set_Options(options);
        gstrGameDir.clear();
        gblnFullScreen = vb::kFalse;
        glngFrameTime = 16;
        gblnPadReady = vb::kFalse;
    }
    void TearDown() override {
        frmStart_Unload();
        frmMain_Unload();
        platform::Instance_Release();
        Start_Set_Options({});
        HostTest::TearDown();
    }
    void WriteIni(const std::string& body) { dir_.WriteSjis("game.ini", "[GAMESET]\r\n" + body); }
    std::string IniValue(const std::string& key) {
        vb::Ini_ClearCache();
        return vb::Ini_Read(dir_.File("game.ini"), "GAMESET", key);
    }
    // Queues a press and release at (x, y) and lets the launcher handle them.
    void Click(float x, float y) {
        Queue(EventType::MouseMove, x, y);
        Queue(EventType::MouseDown, x, y);
        Queue(EventType::MouseUp, x, y);
        platform::Pump_DoEvents();
    }
    void Queue(EventType type, float x, float y) {
        InputEvent e;
        e.type = type;
        e.button = type == EventType::MouseMove ? 0 : platform::kButtonLeft;
        e.x = x;
        e.y = y;
        host().Queue(e);
    }
    // Presses and releases a key.
    void Key(int code, int shift = 0) {
        InputEvent e;
        e.type = EventType::KeyDown;
        e.key = code;
        e.shift = shift;
        host().Queue(e);
        e.type = EventType::KeyUp;
        host().Queue(e);
        platform::Pump_DoEvents();
    }
    void Operate(const std::string& name) {
        for (const InputEvent& e : frmStart_EventsFor(name)) host().Queue(e);
        platform::Pump_DoEvents();
    }
    int ExitCodeOf(const std::function<void()>& f) {
        try {
            f();
        } catch (const platform::ProgramExit& e) {
            return e.code;
        }
        return -1;
    }
};

// The menu-bar is 20 pixels tall; the layout's client coordinates sit below it.
constexpr float kTop = 20;

struct IniCase {
    const char* body;
    bool fullScreen;
    vb::Long frameTime;
    const char* marked;  // the speed item with a mark, "" none
};

TEST_F(LauncherTest, ReadsTheSettingsAsWrittenAndMarksTheMenus) {
    const IniCase cases[] = {
        {"DISPLAY=true\r\nSPEED=16\r\n", true, 16, "M_SA1"},
        {"DISPLAY=True\r\nSPEED=22\r\n", false, 22, "M_SA2"},
        {"DISPLAY=TRUE\r\nSPEED=40\r\n", false, 40, "M_SA3"},
        {"DISPLAY= true \r\nSPEED=10\r\n", true, 10, "M_SA4"},
        {"DISPLAY=\r\nSPEED=16fast\r\n", false, 16, "M_SA1"},
        {"DISPLAY=false\r\nSPEED=fast\r\n", false, 0, ""},
        {"SPEED=\r\n", false, 0, ""},
        {"DISPLAY=false\r\n", false, 0, ""},
        {"SPEED=30\r\n", false, 30, ""},
        {"SPEED=22.5\r\n", false, 22, "M_SA2"},
        {"SPEED=15.5\r\n", false, 16, "M_SA1"},
    };
    for (const IniCase& c : cases) {
        SCOPED_TRACE(c.body);
        WriteIni(c.body);
        vb::Ini_ClearCache();
        frmStart_Show();
        EXPECT_EQ(gblnFullScreen != vb::kFalse, c.fullScreen);
        EXPECT_EQ(glngFrameTime, c.frameTime);
        EXPECT_EQ(frmStart_Checked("M_S1"), !c.fullScreen);
        EXPECT_EQ(frmStart_Checked("M_S2"), c.fullScreen);
        for (const char* item : {"M_SA1", "M_SA2", "M_SA3", "M_SA4"}) {
            EXPECT_EQ(frmStart_Checked(item), std::string(item) == c.marked) << item;
        }
        frmStart_Unload();
        platform::Instance_Release();
    }
}

TEST_F(LauncherTest, GameDirIsTheProgramFolderFollowedByDir) {
    WriteIni("DIR=\\game\\\r\n");
    dir_.WriteSjis("game/help/gameInfo.txt", "ようこそ,\"庭へ\"\r\n二行目\r\n");
    frmStart_Show();
    EXPECT_EQ(gstrGameDir, dir_.Path() + "\\game\\");
    // The text reader reads item by item: a comma starts a new line, quotes go.
    EXPECT_EQ(frmStart_Text1(), "ようこそ\r\n庭へ\r\n二行目\r\n");
    EXPECT_EQ(frmStart_VersionLabel(), "  Version.1.2");
    EXPECT_EQ(host().Caption(), "ZOVE");
}

TEST_F(LauncherTest, MissingFileMeansWindowBareFolderAndFrameTimeZero) {
    frmStart_Show();
    EXPECT_EQ(gblnFullScreen, vb::kFalse);
    EXPECT_EQ(gstrGameDir, dir_.Path());
    EXPECT_EQ(glngFrameTime, 0);
    EXPECT_EQ(frmStart_Text1(), "");
    EXPECT_TRUE(host().Messages().empty());
}

TEST_F(LauncherTest, AnErrorWhileReadingIsShownAndKeepsWhatWasSet) {
    WriteIni("DISPLAY=true\r\nDIR=\\g\\\r\nSPEED=99999999999\r\n");
    frmStart_Show();
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_EQ(host().Messages()[0].text, vb::Error_Description(vb::kErrOverflow));
    EXPECT_EQ(gblnFullScreen, vb::kTrue);
    EXPECT_EQ(gstrGameDir, dir_.Path() + "\\g\\");
    EXPECT_EQ(glngFrameTime, 16);
    EXPECT_FALSE(frmStart_Checked("M_S2"));
    EXPECT_EQ(frmStart_VersionLabel(), "  Version");
    EXPECT_TRUE(frmStart_IsOpen());
}

TEST_F(LauncherTest, CommandLineSettingsWinAndAreNotWritten) {
    WriteIni("DISPLAY=true\r\nDIR=\\game\\\r\nSPEED=16\r\n");
    StartOptions options;
    options.appDir = dir_.Path();
    options.gameDir = "/elsewhere/";
    options.fullScreen = false;
    options.frameTime = 40;
    Start_Set_Options(options);
    frmStart_Show();
    EXPECT_EQ(gstrGameDir, "/elsewhere/");
    EXPECT_EQ(gblnFullScreen, vb::kFalse);
    EXPECT_EQ(glngFrameTime, 40);
    EXPECT_TRUE(frmStart_Checked("M_S1"));
    EXPECT_TRUE(frmStart_Checked("M_SA3"));
    EXPECT_EQ(IniValue("SPEED"), "16");
    EXPECT_EQ(IniValue("DISPLAY"), "true");
}

TEST_F(LauncherTest, CommandLineSettingsHoldEvenWhenGameIniFailsToRead) {
    WriteIni("DISPLAY=true\r\nDIR=\\game\\\r\nSPEED=99999999999\r\n");
    StartOptions options;
    options.appDir = dir_.Path();
    options.gameDir = "/elsewhere/";
    options.fullScreen = false;
    options.frameTime = 40;
    Start_Set_Options(options);
    frmStart_Show();
    ASSERT_EQ(host().Messages().size(), 1u);  // the broken SPEED is still reported
    EXPECT_EQ(gstrGameDir, "/elsewhere/");
    EXPECT_EQ(gblnFullScreen, vb::kFalse);
    EXPECT_EQ(glngFrameTime, 40);
}

TEST_F(LauncherTest, LoadSettingsWithoutTheWindow) {
    WriteIni("DISPLAY=true\r\nDIR=\\game\\\r\nSPEED=22\r\n");
    Start_Load_Settings();
    EXPECT_EQ(gblnFullScreen, vb::kTrue);
    EXPECT_EQ(glngFrameTime, 22);
    EXPECT_EQ(gstrGameDir, dir_.Path() + "\\game\\");
    EXPECT_FALSE(frmStart_IsOpen());
    EXPECT_TRUE(host().Log().empty());  // no window was opened
}

TEST_F(LauncherTest, MenusWriteTheFileAtOnceAndMoveTheMarks) {
    WriteIni("DIR=\\game\\\r\nSPEED=16\r\n");
    frmStart_Show();
    platform::Trace_CaptureStart();
    Operate("M_S2");
    EXPECT_EQ(IniValue("DISPLAY"), "true");
    EXPECT_EQ(gblnFullScreen, vb::kTrue);
    EXPECT_TRUE(frmStart_Checked("M_S2"));
    EXPECT_FALSE(frmStart_Checked("M_S1"));
    Operate("M_S1");
    EXPECT_EQ(IniValue("DISPLAY"), "false");
    EXPECT_EQ(gblnFullScreen, vb::kFalse);
    EXPECT_TRUE(frmStart_Checked("M_S1"));
    EXPECT_FALSE(frmStart_Checked("M_S2"));

    const std::pair<const char*, vb::Long> speeds[] = {{"M_SA4", 10}, {"M_SA2", 22}, {"M_SA3", 40}, {"M_SA1", 16}};
    for (const auto& [item, value] : speeds) {
        Operate(item);
        EXPECT_EQ(IniValue("SPEED"), std::to_string(value));
        EXPECT_EQ(glngFrameTime, value);
        for (const char* other : {"M_SA1", "M_SA2", "M_SA3", "M_SA4"}) {
            EXPECT_EQ(frmStart_Checked(other), std::string(other) == item) << item << " " << other;
        }
    }
    // The key that was never written stays as it was.
    EXPECT_EQ(IniValue("DIR"), "\\game\\");
    const std::string trace = platform::Trace_CaptureTake();
    EXPECT_NE(trace.find("launcher M_S2\n"), std::string::npos);
    EXPECT_NE(trace.find("launcher M_SA3\n"), std::string::npos);
}

TEST_F(LauncherTest, AnUnwritableSettingsFileIsReportedAndTheChoiceStillHolds) {
    // The program's folder is a file here, so game.ini cannot be written beside it.
    dir_.Write("not-a-folder", "x");
    StartOptions options;
    options.appDir = dir_.File("not-a-folder");
    Start_Set_Options(options);
    frmStart_Show();
    const std::size_t before = host().Messages().size();
    Operate("M_S2");
    Operate("M_SA2");
    ASSERT_EQ(host().Messages().size(), before + 2);
    EXPECT_EQ(gblnFullScreen, vb::kTrue);
    EXPECT_EQ(glngFrameTime, 22);
    EXPECT_TRUE(frmStart_Checked("M_S2"));
    EXPECT_TRUE(frmStart_Checked("M_SA2"));
    EXPECT_TRUE(frmStart_IsOpen());
}

TEST_F(LauncherTest, MenuOpensOnPressAndClosesOnAPressOutside) {
    frmStart_Show();
    const std::vector<InputEvent> events = frmStart_EventsFor("M_SA3");
    ASSERT_EQ(events.size(), 6u);
    const float titleX = events[0].x, titleY = events[0].y;
    // Open the FPS menu, then click Close: the press only shuts the menu, nothing is chosen and
    // the button does not act.
    Click(titleX, titleY);
    Click(320 + 24, kTop + 280 + 12);
    EXPECT_TRUE(frmStart_IsOpen());
    EXPECT_FALSE(frmStart_Checked("M_SA3"));
    // The item's place now hits nothing (the menu is shut).
    Click(events[3].x, events[3].y);
    EXPECT_FALSE(frmStart_Checked("M_SA3"));
    EXPECT_EQ(glngFrameTime, 0);
    // Press on the title, drag to the item, release there: chosen, as on a desktop.
    Queue(EventType::MouseDown, titleX, titleY);
    Queue(EventType::MouseMove, events[3].x, events[3].y);
    Queue(EventType::MouseUp, events[3].x, events[3].y);
    platform::Pump_DoEvents();
    EXPECT_TRUE(frmStart_Checked("M_SA3"));
    EXPECT_EQ(glngFrameTime, 40);
}

TEST_F(LauncherTest, ButtonClicksOnReleaseInsideOnly) {
    frmStart_Show();
    const float closeX = 320 + 24, closeY = kTop + 280 + 12;
    // Pressed on Close, released outside: nothing.
    Queue(EventType::MouseDown, closeX, closeY);
    Queue(EventType::MouseMove, closeX, closeY + 60);
    Queue(EventType::MouseUp, closeX, closeY + 60);
    platform::Pump_DoEvents();
    EXPECT_TRUE(frmStart_IsOpen());
    // Pressed elsewhere, released on Close: nothing either.
    Queue(EventType::MouseDown, 100, 60);
    Queue(EventType::MouseUp, closeX, closeY);
    platform::Pump_DoEvents();
    EXPECT_TRUE(frmStart_IsOpen());
    // A real click ends the program at once.
    Queue(EventType::MouseDown, closeX, closeY);
    Queue(EventType::MouseUp, closeX, closeY);
    EXPECT_EQ(ExitCodeOf([] { platform::Pump_DoEvents(); }), 0);
}

TEST_F(LauncherTest, ButtonsShowHoverAndPressedLooks) {
    frmStart_Show();
    // A pixel on the Help button's face, clear of its caption.
    const int px = 264 + 4, py = static_cast<int>(kTop) + 280 + 5;
    const platform::Colour plain = host().LastPresented().Get(px, py);
    Queue(EventType::MouseMove, px, py);
    platform::Pump_DoEvents();
    const platform::Colour hover = host().LastPresented().Get(px, py);
    EXPECT_NE(hover, plain);
    Queue(EventType::MouseDown, px, py);
    platform::Pump_DoEvents();
    const platform::Surface pressed = host().LastPresented();
    // Pressed in: the top-left edge turns dark instead of light.
    EXPECT_EQ(pressed.Get(264 + 1, static_cast<int>(kTop) + 281), platform::Rgb(128, 128, 128));
    Queue(EventType::MouseMove, 10, 200);
    Queue(EventType::MouseUp, 10, 200);
    platform::Pump_DoEvents();
    EXPECT_EQ(host().LastPresented().Get(px, py), plain);
}

TEST_F(LauncherTest, TabWalksTheControlsAndEnterPressesTheFocusedOne) {
    WriteIni("DIR=\\game\\\r\n");
    dir_.Write("game/help/help.html", "<html></html>");
    frmStart_Show();
    EXPECT_EQ(frmStart_Focus(), "Command1");
    const char* order[] = {"Command3", "Command2", "Command5", "Command4", "Text1", "Command1"};
    for (const char* name : order) {
        Key(platform::kKeyTab);
        EXPECT_EQ(frmStart_Focus(), name);
    }
    Key(platform::kKeyTab, platform::kShiftShift);
    EXPECT_EQ(frmStart_Focus(), "Text1");
    Key(platform::kKeyTab);
    Key(platform::kKeyTab);
    ASSERT_EQ(frmStart_Focus(), "Command3");
    Key(platform::kKeyEnter);
    ASSERT_FALSE(host().Log().empty());
    const std::string last = host().Log().back();
    EXPECT_EQ(last.rfind("url file://", 0), 0u) << last;
    EXPECT_NE(last.find("/game/help/help.html"), std::string::npos) << last;
}

TEST_F(LauncherTest, KeyboardDrivesTheMenus) {
    frmStart_Show();
    // Alt opens the first menu; Right moves to FPS; Down Down picks the third item, 標準.
    Key(18);
    Key(platform::kKeyRight);
    Key(platform::kKeyDown);
    Key(platform::kKeyDown);
    Key(platform::kKeyEnter);
    EXPECT_TRUE(frmStart_Checked("M_SA2"));
    EXPECT_EQ(IniValue("SPEED"), "22");
    // Escape closes an open menu without choosing; so does Alt again. F10 opens them too.
    Key(18);
    Key(platform::kKeyEscape);
    Key(121);  // F10
    Key(18);
    // Alt held for another key opens nothing (Alt+A here, as Alt+Enter or Alt+F4 would), so the
    // Enter below presses Start instead of choosing a menu item.
    InputEvent alt;
    alt.type = EventType::KeyDown;
    alt.key = 18;
    host().Queue(alt);
    Key(65, platform::kShiftAlt);
    alt.type = EventType::KeyUp;
    host().Queue(alt);
    platform::Pump_DoEvents();
    EXPECT_TRUE(frmStart_IsOpen());
    Key(platform::kKeyEnter);  // now Enter presses Start
    EXPECT_FALSE(frmStart_IsOpen());
    EXPECT_EQ(host().Caption(), kMainCaption);
}

TEST_F(LauncherTest, StartShowsTheMainWindowAndUnloadsTheLauncher) {
    WriteIni("DIR=\\game\\\r\n");
    frmStart_Show();
    Operate("Command1");
    EXPECT_FALSE(frmStart_IsOpen());
    EXPECT_EQ(host().Caption(), kMainCaption);
    EXPECT_NE(platform::Pump_GetWindow(), nullptr);
    EXPECT_TRUE(frmStart_EventsFor("Command1").size() == 3u);
}

TEST_F(LauncherTest, WindowCloseAndAltF4EndTheProgram) {
    frmStart_Show();
    InputEvent close;
    close.type = EventType::CloseRequested;
    host().Queue(close);
    EXPECT_EQ(ExitCodeOf([] { platform::Pump_DoEvents(); }), 0);
    EXPECT_EQ(ExitCodeOf([this] { Key(platform::kKeyF4, platform::kShiftAlt); }), 0);
}

TEST_F(LauncherTest, HelpAndWebButtons) {
    WriteIni("DIR=\\my game\\\r\n");
    frmStart_Show();
    // No help page: a message says which file is missing.
    Operate("Command3");
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_NE(host().Messages()[0].text.find("help/help.html"), std::string::npos);
    dir_.Write("my game/help/help.html", "<html></html>");
    Operate("Command3");
    EXPECT_EQ(host().Log().back(), "url file://" + dir_.Path() + "/my%20game/help/help.html");
    Operate("Command4");
    EXPECT_EQ(host().Log().back(), std::string("url ") + kStartDownloadPage);
    Operate("Command5");
    EXPECT_EQ(host().Log().back(), std::string("url ") + kStartHomePage);
}

TEST_F(LauncherTest, LongInformationTextGetsAScrollBar) {
    WriteIni("DIR=\\game\\\r\n");
    dir_.WriteSjis("game/help/gameInfo.txt", "short\r\n");
    frmStart_Show();
    EXPECT_FALSE(frmStart_Text1_HasScrollBar());
    frmStart_Unload();
    platform::Instance_Release();

    std::string lines;
    for (int i = 1; i <= 40; ++i) lines += "行 " + std::to_string(i) + "\r\n";
    dir_.WriteSjis("game/help/gameInfo.txt", lines);
    frmStart_Show();
    ASSERT_TRUE(frmStart_Text1_HasScrollBar());
    EXPECT_EQ(frmStart_Text1_TopLine(), 0);
    // The box is (16, 112, 361, 161) below the 20-pixel menu bar; its arrows are 16 pixels square.
    const float barX = 16 + 361 - 10;
    const float downY = kTop + 112 + 161 - 10;
    const float upY = kTop + 112 + 10;
    const platform::Surface before = host().LastPresented();
    Click(barX, downY);
    EXPECT_EQ(frmStart_Text1_TopLine(), 1);
    EXPECT_FALSE(host().LastPresented() == before);
    // Held down, the arrow repeats after a pause, and only while the pointer stays on it.
    Queue(EventType::MouseDown, barX, downY);
    platform::Pump_DoEvents();
    EXPECT_EQ(frmStart_Text1_TopLine(), 2);
    host().SetNow(host().Ticks() + 450);
    platform::Pump_DoEvents();
    EXPECT_EQ(frmStart_Text1_TopLine(), 3);
    host().SetNow(host().Ticks() + 60);
    platform::Pump_DoEvents();
    EXPECT_EQ(frmStart_Text1_TopLine(), 4);
    Queue(EventType::MouseMove, 100, 60);
    platform::Pump_DoEvents();
    host().SetNow(host().Ticks() + 60);
    platform::Pump_DoEvents();
    EXPECT_EQ(frmStart_Text1_TopLine(), 4);
    Queue(EventType::MouseUp, 100, 60);
    platform::Pump_DoEvents();
    // A press on the track below the thumb pages down; the up arrow goes back a line.
    const int paged = frmStart_Text1_TopLine();
    Click(barX, downY - 20);
    EXPECT_GT(frmStart_Text1_TopLine(), paged + 5);
    const int beforeUp = frmStart_Text1_TopLine();
    Click(barX, upY);
    const int afterUp = frmStart_Text1_TopLine();
    EXPECT_EQ(afterUp, beforeUp - 1);
    // Keys scroll the focused box: End to the last line, Home back to the first.
    Key(35);
    const int last = frmStart_Text1_TopLine();
    EXPECT_GT(last, afterUp);
    Key(platform::kKeyDown);
    EXPECT_EQ(frmStart_Text1_TopLine(), last);
    Key(36);
    EXPECT_EQ(frmStart_Text1_TopLine(), 0);
    // Drag the thumb from the top of the track to its bottom: the last line comes into view.
    const float thumbY = kTop + 112 + 2 + 16 + 3;
    Queue(EventType::MouseDown, barX, thumbY);
    Queue(EventType::MouseMove, barX, kTop + 112 + 161);
    Queue(EventType::MouseUp, barX, kTop + 112 + 161);
    platform::Pump_DoEvents();
    EXPECT_EQ(frmStart_Text1_TopLine(), last);
}

TEST_F(LauncherTest, ControllerStatusText) {
    frmStart_Show();
    EXPECT_EQ(frmStart_Text2(), "");
    EXPECT_EQ(gblnPadReady, vb::kFalse);
    frmStart_Unload();
    platform::Instance_Release();

    host().SetJoystick(1, {});
    frmStart_Show();
    EXPECT_EQ(frmStart_Text2(), "ゲームコントローラの接続を確認しました");
    EXPECT_EQ(gblnPadReady, vb::kTrue);
    frmStart_Unload();
    platform::Instance_Release();

    host().SetJoystickSlots(2, 2);
    frmStart_Show();
    EXPECT_EQ(frmStart_Text2(),
              "ゲームコントローラは接続されていません\r\n利用する場合、コントローラ接続後にゲームを再起動をしてください");
    EXPECT_EQ(gblnPadReady, vb::kFalse);
}

TEST_F(LauncherTest, ASecondCopyIsRefused) {
    // Another process's lock: a second open file description of the lock file.
    const std::string path = platform::Instance_LockPath("zove");
    const int fd = open(path.c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(flock(fd, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(ExitCodeOf([] { frmStart_Show(); }), 1);
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_EQ(host().Messages()[0].text, "このソフトは二重に起動できません");
    EXPECT_EQ(host().Messages()[0].title, "エラー処理");
    close(fd);
}

TEST_F(LauncherTest, UnknownControlNames) {
    frmStart_Show();
    EXPECT_FALSE(frmStart_Click("Command6"));
    EXPECT_TRUE(frmStart_EventsFor("M_ST").empty());
    for (const std::string& name : frmStart_ControlNames()) {
        if (name == "Command1" || name == "Command2") continue;
        EXPECT_FALSE(frmStart_EventsFor(name).empty()) << name;
    }
}

}  // namespace
