// The dispatcher's table of states and input kinds, and the main window's mouse handling around
// it: the busy flag, input before the first loading tick, the middle button, the quit sequence.
#include <gtest/gtest.h>

#include <cstdio>

#include "common/paths.h"
#include "battle/modBattle.h"
#include "core_fixture.h"

namespace core_test {
namespace {

using platform::EventType;

class DispatchTest : public CoreTest {};

// States that act on the refresh input only: every other kind leaves everything as it was.
TEST_F(DispatchTest, AutomaticStatesIgnoreEveryKindButRefresh) {
    for (vb::Long state : {4, 5, 6, 8, 10, 14, 15, -1}) {
        for (vb::Integer kind : {-1, 1, 2, 3}) {
            gintGameState = state;
            glngKeyCursor = 2;
            TakeTrace();
            Event_Dispatch(kind, 100, 100);
            EXPECT_EQ(static_cast<vb::Long>(gintGameState), state) << "state " << state << " kind " << kind;
            EXPECT_TRUE(TakeTrace().empty()) << "state " << state << " kind " << kind;
            EXPECT_EQ(glngKeyCursor, kind == -1 ? 0 : 2);
        }
    }
}

TEST_F(DispatchTest, RefreshRunsTheAutomaticChains) {
    struct Case {
        vb::Long state;
        std::vector<std::string> trace;
    };
    const Case cases[] = {
        // Without a map header the field says so and does not run its loop.
        {4, {"state 4 5"}},
        {5, {}},
        {6, {"msgbox \"eve\\\\A_MAP_FILE.ini に [] の MUSIC がありません\" \"ぞーぶのにわ\" ok ok", "state 6 5"}},
        {10, {}},
        {14, {}},
        {99, {}},
    };
    for (const Case& c : cases) {
        gintGameState = c.state;
        TakeTrace();
        Event_Dispatch(kInputRefresh, 0, 0);
        EXPECT_EQ(TakeTrace(), c.trace) << "state " << c.state;
    }
}

TEST_F(DispatchTest, HandlerStatesGetEveryKind) {
    // The battle's command input (state 9) gets every kind: a select or cancel with no row under
    // the pointer does nothing, a pointer on a row makes it the chosen one.
    mintCmdChoice = 0;
    mintCmdLast = 0;
    gintGameState = 9;
    for (vb::Integer kind : {1, 3}) {
        TakeTrace();
        Event_Dispatch(kind, 5, 6);
        EXPECT_TRUE(TakeTrace().empty()) << "kind " << kind;
        EXPECT_EQ(static_cast<vb::Long>(gintGameState), 9);
    }
    Event_Dispatch(kInputPointer, 100, 340);
    EXPECT_EQ(mintCmdChoice, 1);
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 9);
}

TEST_F(DispatchTest, RefreshResetsTheKeyCursorInEveryState) {
    BindWindow();
    for (vb::Long state = 0; state <= 15; ++state) {
        // The story's own screens are left out of the refresh: they would play their scenes.
        const bool story = state == 3 || state == 12 || state == 13;
        for (vb::Integer kind : {0, -1}) {
            if (story && kind == 0) continue;
            gintGameState = state;
            gintReturnState = 4;
            glngKeyCursor = 5;
            Event_Dispatch(kind, 0, 0);
            EXPECT_EQ(glngKeyCursor, 0) << "state " << state << " kind " << kind;
        }
    }
}

TEST_F(DispatchTest, SubScreensGoBackWhereTheyCameFrom) {
    BindWindow();
    gintGameState = 1;
    gintReturnState = 0;
    Event_Dispatch(kInputRefresh, 0, 0);
    Event_Dispatch(kInputCancel, 0, 0);
    EXPECT_TRUE(InOrder(TakeTrace(), {"text \"◆ ロードするデータを選択してください ◆\" 200 10 600 600 10 64 0",
                                      "state 1 0", "music 1", "picture 0 0 0"}));
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 0);
}

TEST_F(DispatchTest, InputBeforeTheFirstTickOnlyAcknowledges) {
    frmMain_Show();
    EXPECT_EQ(frmMain().mintBusy, 1);
    TakeTrace();
    Move(420, 200);
    Click(420, 200);
    EXPECT_EQ(glngClickAck, 10000);
    EXPECT_EQ(gintChoice, 0);
    EXPECT_TRUE(TakeTrace().empty());
    // The first tick loads, draws the title and opens the window to input.
    Sys_Wait(1000);
    EXPECT_EQ(frmMain().mintBusy, 0);
    EXPECT_EQ(frmMain().mblnLoaded, vb::kTrue);
    EXPECT_TRUE(InOrder(TakeTrace(), {"music 0", "music 1", "picture 0 0 0"}));
    Move(420, 200);
    EXPECT_EQ(gintChoice, 1);
}

TEST_F(DispatchTest, WindowOpensWithCaptionAndNowLoading) {
    frmMain_Show();
    ASSERT_FALSE(host().Log().empty());
    EXPECT_EQ(host().Log().front(), std::string("window ") + kMainCaption + " 640x480");
    // Something dark was drawn at the top left, nothing elsewhere.
    int dark = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 120; ++x) dark += Screen().At(x, y) != 0xFFFFFF ? 1 : 0;
    }
    EXPECT_GT(dark, 20);
    EXPECT_EQ(Screen().At(320, 240), 0xFFFFFFu);
    EXPECT_EQ(host().LastPresented(), Screen());
}

TEST_F(DispatchTest, MiddleButtonDispatchesNothingButAcknowledges) {
    ShowAndLoad();
    Move(420, 275);
    ASSERT_EQ(gintChoice, 3);
    TakeTrace();
    Click(420, 275, platform::kButtonMiddle);
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 0);
    EXPECT_EQ(glngClickAck, 10000);
    EXPECT_TRUE(TakeTrace().empty());
}

TEST_F(DispatchTest, BusyWindowDropsMouseInputButStillQuitsInTheQuittingState) {
    ShowAndLoad();
    Move(420, 235);
    frmMain().mintBusy = 1;
    Click(420, 235);
    Move(420, 275);
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 0);
    EXPECT_EQ(gintChoice, 2);
    EXPECT_EQ(glngClickAck, 10000);

    gintGameState = 14;
    TakeTrace();
    EXPECT_EQ(ExitCodeOf([&] { Click(0, 0); }), 0);
    EXPECT_TRUE(Contains(TakeTrace(), "quit"));
}

TEST_F(DispatchTest, QuitOnTheTitleWithTheMouseRunsTheQuitSequenceInTheSamePress) {
    ShowAndLoad();
    Move(500, 280);
    TakeTrace();
    host().SetNow(5000);
    EXPECT_EQ(ExitCodeOf([&] { Click(500, 280); }), 0);
    const auto trace = TakeTrace();
    EXPECT_TRUE(InOrder(trace, {"state 0 14", "effect 17", "picture 9999 100 50", "effect 17", "music-stop", "quit"}));
    EXPECT_EQ(frmMain().mintBusy, 0);
    // The music was stopped and closed.
    const auto& log = host().Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 1], "music-close");
}

TEST_F(DispatchTest, QuitSequenceWaitsThirteenFrames) {
    ShowAndLoad();
    glngFrameTime = 20;
    gintGameState = 14;
    const std::uint32_t before = host().Ticks();
    EXPECT_EQ(ExitCodeOf([&] { frmMain().Main_Quit_Game(); }), 0);
    EXPECT_GE(host().Ticks() - before, 260u);
}

// A broken goodbye picture is reported, and the program still ends: quitting never gets stuck.
TEST_F(DispatchTest, QuitEndsEvenWhenTheGoodbyePictureIsMissing) {
    ShowAndLoad();
    std::remove(dir_.File("pic/bye.bmp").c_str());
    vb::Path_ClearCache();
    gintGameState = 14;
    EXPECT_EQ(ExitCodeOf([&] { Key(platform::kKeySpace); }), 0);
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_NE(host().Messages()[0].text.find("bye.bmp"), std::string::npos);
}

TEST_F(DispatchTest, ClosingTheWindowEndsWithoutTheQuitSequence) {
    ShowAndLoad();
    TakeTrace();
    EXPECT_EQ(ExitCodeOf([&] { Send(EventType::CloseRequested, 0, 0, 0); }), 0);
    EXPECT_FALSE(Contains(TakeTrace(), "effect 17"));
}

// An error no handler catches (a title picture that is not there) is shown, and the game goes on
// taking input instead of staying blocked.
TEST_F(DispatchTest, UncaughtPictureErrorIsShownAndInputStaysOpen) {
    dir_.WriteSjis("pic/pic.ini", "[PIC]\r\n1=cursor.bmp:425:193:20:10\r\n");
    ShowAndLoad();
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_EQ(frmMain().mintBusy, 0);
    EXPECT_EQ(frmMain().mblnLoaded, vb::kTrue);
    // Further input still reaches the title.
    Move(420, 200);
    EXPECT_EQ(gintChoice, 1);
    Click(420, 200, platform::kButtonRight);
    EXPECT_EQ(frmMain().mintBusy, 0);
}

TEST_F(DispatchTest, MusicLoopCheckRestartsAFinishedPieceOnTheLoadingTimer) {
    ShowAndLoad();
    host().FinishMusic();
    ASSERT_EQ(host().MusicStatus(), platform::MusicMode::Stopped);
    Sys_Wait(1000);
    EXPECT_EQ(host().MusicStatus(), platform::MusicMode::Playing);
}

TEST_F(DispatchTest, FullScreenWindowLeavesFullScreenOnQuit) {
    gblnFullScreen = vb::kTrue;
    ShowAndLoad();
    EXPECT_TRUE(host().Fullscreen());
    gintGameState = 14;
    EXPECT_EQ(ExitCodeOf([&] { frmMain().Main_Quit_Game(); }), 0);
    EXPECT_FALSE(host().Fullscreen());
}

}  // namespace
}  // namespace core_test
