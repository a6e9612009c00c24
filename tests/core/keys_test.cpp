// The key handler: the keys of every state (Enter, the full-width warning, Escape, Alt+F4, Tab),
// the keyboard cursor and its position lists, the field, battle, defeat and quitting keys, and the
// controller fed through the same handler.
#include <gtest/gtest.h>

#include <fstream>

#include "core/G_modManage_Text.h"
#include "core/modInput.h"
#include "battle/modBattle.h"
#include "core_fixture.h"
#include "field/modMap.h"

namespace core_test {
namespace {

using platform::MsgAnswer;

class KeysTest : public CoreTest {};

struct Point {
    float x, y;
    bool operator==(const Point&) const = default;
};

std::vector<Point> ListOf(vb::Long state, vb::Integer sub) {
    gintGameState = state;
    gintSubState = sub;
    std::vector<Point> out;
    for (vb::Long i = 1; i <= Key_Cursor_Count(); ++i) {
        Point p{};
        Key_Cursor_Position(i, p.x, p.y);
        out.push_back(p);
    }
    return out;
}

TEST_F(KeysTest, PositionListsOfEveryScreen) {
    auto column = [](float x, float y0, float step, int n) {
        std::vector<Point> v;
        for (int i = 0; i < n; ++i) v.push_back({x, y0 + step * i});
        return v;
    };
    auto join = [](std::vector<std::vector<Point>> parts) {
        std::vector<Point> v;
        for (auto& p : parts) v.insert(v.end(), p.begin(), p.end());
        return v;
    };
    EXPECT_EQ(ListOf(0, 5), column(410, 190, 40, 3));
    EXPECT_EQ(ListOf(1, 0), column(90, 75, 50, 7));
    EXPECT_EQ(ListOf(2, 3), column(90, 75, 50, 7));
    EXPECT_EQ(ListOf(7, 0), join({column(289, 80, 30, 4), column(289, 236, 30, 2), column(487, 80, 30, 7)}));
    EXPECT_EQ(ListOf(7, 1), column(101, 67, 30, 7));
    EXPECT_EQ(ListOf(7, 2), column(101, 67, 30, 7));
    EXPECT_EQ(ListOf(7, 3), std::vector<Point>{});
    EXPECT_EQ(ListOf(11, 0), column(65, 392, 20, 3));
    EXPECT_EQ(ListOf(11, 1), column(101, 67, 30, 7));
    EXPECT_EQ(ListOf(11, 2), join({column(71, 67, 30, 7), column(271, 67, 30, 7), column(471, 67, 30, 7)}));
    EXPECT_EQ(ListOf(11, -1), std::vector<Point>{});
    for (vb::Long s : {3, 4, 5, 6, 8, 9, 10, 12, 13, 14}) EXPECT_TRUE(ListOf(s, 0).empty()) << s;
}

TEST_F(KeysTest, CursorWrapsAtBothEndsOfEachList) {
    BindWindow();
    struct Case {
        vb::Long state;
        vb::Integer sub;
        vb::Long count;
    };
    for (const Case c : {Case{0, 0, 3}, Case{1, 0, 7}, Case{2, 0, 7}, Case{7, 0, 13}, Case{7, 2, 7},
                         Case{11, 0, 3}, Case{11, 1, 7}, Case{11, 2, 21}}) {
        gintGameState = c.state;
        gintSubState = c.sub;
        glngKeyCursor = 0;
        Key(platform::kKeyDown);
        EXPECT_EQ(glngKeyCursor, 1) << c.state << "/" << c.sub;
        glngKeyCursor = 0;
        Key(platform::kKeyUp);
        EXPECT_EQ(glngKeyCursor, c.count) << c.state << "/" << c.sub;
        Key(platform::kKeyDown);
        EXPECT_EQ(glngKeyCursor, 1) << c.state << "/" << c.sub;
        Key(platform::kKeyUp);
        EXPECT_EQ(glngKeyCursor, c.count) << c.state << "/" << c.sub;
        Key(platform::kKeyUp);
        EXPECT_EQ(glngKeyCursor, c.count - 1) << c.state << "/" << c.sub;
    }
    // A sub-screen without a list: Up and Down do nothing.
    gintGameState = 7;
    gintSubState = 4;
    glngKeyCursor = 0;
    TakeTrace();
    Key(platform::kKeyDown);
    EXPECT_EQ(glngKeyCursor, 0);
    EXPECT_TRUE(TakeTrace().empty());
}

TEST_F(KeysTest, TitleCursorPointsAtTheRows) {
    ShowAndLoad();
    Key(platform::kKeyDown);
    EXPECT_EQ(gintChoice, 1);
    EXPECT_TRUE(Contains(TakeTrace(), "picture 1 425 193"));
    Key(platform::kKeyUp);
    EXPECT_EQ(gintChoice, 3);
    EXPECT_EQ(glngKeyCursor, 3);
    Key(platform::kKeyDown);
    EXPECT_EQ(gintChoice, 1);
}

TEST_F(KeysTest, DownDownDownEnterQuitsFromTheTitle) {
    ShowAndLoad();
    Key(platform::kKeyDown);
    Key(platform::kKeyDown);
    Key(platform::kKeyDown);
    TakeTrace();
    EXPECT_EQ(ExitCodeOf([&] { Key(platform::kKeyEnter); }), 0);
    EXPECT_TRUE(InOrder(TakeTrace(), {"state 0 14", "effect 17", "picture 9999 100 50", "music-stop", "quit"}));
}

TEST_F(KeysTest, EnterOnTheLoadRowOpensTheLoadScreen) {
    ShowAndLoad();
    Key(platform::kKeyDown);
    Key(platform::kKeyDown);
    TakeTrace();
    Key(platform::kKeyEnter);
    EXPECT_TRUE(InOrder(TakeTrace(),
                        {"state 0 1", "effect 17", "text \"◆ ロードするデータを選択してください ◆\" 200 10 600 600 10 64 0"}));
    // Space leaves the load screen for its return state, the title.
    Key(platform::kKeySpace);
    EXPECT_TRUE(InOrder(TakeTrace(), {"state 1 0", "music 1", "picture 0 0 0"}));
    EXPECT_EQ(glngKeyCursor, 0);
    EXPECT_EQ(gintChoice, 0);
}

TEST_F(KeysTest, MenuEnterAndSpaceResetTheCursor) {
    BindWindow();
    gintGameState = 7;
    gintSubState = 0;
    gintReturnState = 7;  // the pending menu stays where it is
    for (int i = 0; i < 13; ++i) Key(platform::kKeyDown);
    EXPECT_EQ(glngKeyCursor, 13);
    Key(platform::kKeyDown);
    EXPECT_EQ(glngKeyCursor, 1);
    Key(platform::kKeyEnter);
    EXPECT_EQ(glngKeyCursor, 0);
    Key(platform::kKeyDown);
    Key(platform::kKeySpace);
    EXPECT_EQ(glngKeyCursor, 0);
}

TEST_F(KeysTest, TabStepsTheSpeedAndShowsIt) {
    ShowAndLoad();
    const platform::Surface before = Screen();
    struct Case {
        vb::Long from, to;
    };
    for (const Case c : {Case{16, 26}, Case{85, 95}, Case{89, 99}, Case{90, 10}, Case{95, 10}}) {
        glngFrameTime = c.from;
        TakeTrace();
        const std::uint32_t start = host().Ticks();
        Key(platform::kKeyTab);
        EXPECT_EQ(glngFrameTime, c.to);
        EXPECT_TRUE(Contains(TakeTrace(), "text \"FPS:" + std::to_string(c.to) + "\" 585 455 640 480 10 255 0"));
        EXPECT_GT(host().Ticks() - start, static_cast<std::uint32_t>(5 * c.to) - 1);
        // The screen is put back and shown.
        EXPECT_EQ(Screen(), before);
        EXPECT_EQ(host().LastPresented(), before);
    }
    // Not written to game.ini: the game folder has no such file.
    EXPECT_FALSE(std::ifstream(dir_.File("game.ini")).good());
}

TEST_F(KeysTest, TabBeforeLoadingDoesNothing) {
    frmMain_Show();
    Key(platform::kKeyTab);
    EXPECT_EQ(glngFrameTime, 16);
}

TEST_F(KeysTest, FullWidthKeyShowsTheWarningForThirtyFrames) {
    ShowAndLoad();
    const platform::Surface before = Screen();
    TakeTrace();
    const std::uint32_t start = host().Ticks();
    Key(platform::kKeyImeProcess);
    EXPECT_GT(host().Ticks() - start, 30u * 16u - 1u);
    const auto trace = TakeTrace();
    ASSERT_FALSE(trace.empty());
    EXPECT_EQ(trace[0],
              "text \"キーボードが全角設定になっている可能性があります。\\r\\n半角／全角キーを押下し、半角にして"
              "ください。\\r\\n※なお切り替え時(半角／全角キー押下時)にも\\r\\nこのメッセージが表示されるのでご注意ください。\" "
              "200 400 640 480 8 255 0");
    EXPECT_EQ(Screen(), before);
    EXPECT_EQ(host().LastPresented(), before);
}

TEST_F(KeysTest, EscapeAsksAndQuitsOnlyOnYes) {
    ShowAndLoad();
    host().QueueAnswer(MsgAnswer::No);
    TakeTrace();
    Key(platform::kKeyEscape);
    EXPECT_EQ(TakeTrace(), std::vector<std::string>{"msgbox \"終了しますか？\" \"SYSTEM MSG\" yesno no"});
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_EQ(host().Messages()[0].icon, platform::MsgIcon::Question);
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 0);

    host().QueueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(ExitCodeOf([&] { Key(platform::kKeyEscape); }), 0);
    EXPECT_TRUE(InOrder(TakeTrace(), {"msgbox \"終了しますか？\" \"SYSTEM MSG\" yesno yes", "effect 17", "quit"}));
}

TEST_F(KeysTest, EscapeAnsweredNoInTheQuittingStateStillQuits) {
    ShowAndLoad();
    gintGameState = 14;
    host().QueueAnswer(MsgAnswer::No);
    EXPECT_EQ(ExitCodeOf([&] { Key(platform::kKeyEscape); }), 0);
}

TEST_F(KeysTest, AltF4Quits) {
    ShowAndLoad();
    Key(platform::kKeyF4);
    EXPECT_EQ(ExitCodeOf([&] { Key(platform::kKeyF4, platform::kShiftShift); }), -1);
    EXPECT_EQ(ExitCodeOf([&] { Key(platform::kKeyF4, platform::kShiftAlt); }), 0);
}

TEST_F(KeysTest, BusyWindowDropsGuardedKeysButEnterStillAcknowledges) {
    ShowAndLoad();
    frmMain().mintBusy = 1;
    Key(platform::kKeyDown);
    EXPECT_EQ(glngKeyCursor, 0);
    EXPECT_EQ(gintChoice, 0);
    Key(platform::kKeyEnter);
    EXPECT_EQ(glngClickAck, 10000);
    EXPECT_EQ(frmMain().mintBusy, 1);
}

TEST_F(KeysTest, FieldKeysGoToTheFieldEvenWhileBusy) {
    BindWindow();
    gintGameState = 5;
    frmMain().mintBusy = 1;
    // A screen of free cells with the player standing in the middle: an arrow starts a step.
    mstrTiles = {"a=0:0:0"};
    for (int x = 1; x <= kMapCells; ++x) {
        for (int y = 1; y <= kMapCells; ++y) mstrMapCell(x)(y).assign(1, 'a');  // not = "a": GCC 12 -Wrestrict
    }
    mblnScreenReady = vb::kTrue;
    const struct {
        int key;
        vb::Integer dir;
    } arrows[] = {{platform::kKeyUp, 1}, {platform::kKeyDown, 2}, {platform::kKeyLeft, 3}, {platform::kKeyRight, 4}};
    for (const auto& a : arrows) {
        mtypChar(0).intX = 10;
        mtypChar(0).intY = 10;
        mtypChar(0).intPhase = 0;
        Key(a.key);
        EXPECT_EQ(mtypChar(0).intPhase, 1) << a.key;
        EXPECT_EQ(mtypChar(0).intDir, a.dir) << a.key;
    }
    // Space opens the status menu from the field (when the last tick allowed it).
    mtypChar(0).intPhase = 0;
    mblnInputReady = vb::kTrue;
    Key(platform::kKeySpace);
    EXPECT_EQ(gintReturnState, 4);
    EXPECT_EQ(mblnInputReady, vb::kFalse);
    gintGameState = 5;
    for (int k : {static_cast<int>(platform::kKeyNum1), 65, 0}) {
        mtypChar(0).intPhase = 0;
        TakeTrace();
        Key(k);
        EXPECT_TRUE(TakeTrace().empty()) << k;
        EXPECT_EQ(mtypChar(0).intPhase, 0) << k;
    }
    mblnScreenReady = vb::kFalse;
    mstrTiles.clear();
}

TEST_F(KeysTest, BattleKeypadPointsAndSelects) {
    BindWindow();
    gintGameState = 9;
    TakeTrace();
    Key(platform::kKeyNum2);
    // Kind 2 at command row 2, then kind 1: row 2 holds no weapon, so no turn starts.
    EXPECT_EQ(mintCmdChoice, 2);
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 9);
    TakeTrace();
    Key(platform::kKeyEnter);
    EXPECT_TRUE(TakeTrace().empty());
}

TEST_F(KeysTest, KeysInStatesWithoutKeysDoNothing) {
    BindWindow();
    for (vb::Long s : {3, 4, 6, 8, 10, 12}) {
        gintGameState = s;
        for (int k : {platform::kKeyDown, platform::kKeyEnter, platform::kKeySpace, platform::kKeyNum1}) {
            TakeTrace();
            Key(k);
            EXPECT_TRUE(TakeTrace().empty()) << s << " " << k;
            EXPECT_EQ(static_cast<vb::Long>(gintGameState), s);
        }
    }
}

TEST_F(KeysTest, NoControllerFeedsNothing) {
    ShowAndLoad();
    vb::Boolean ready = vb::kTrue;
    CtrPad_Init(ready);
    ASSERT_EQ(ready, vb::kFalse);
    TakeTrace();
    Sys_Wait(1000);  // ten controller ticks and a loading tick
    EXPECT_TRUE(TakeTrace().empty());
    EXPECT_EQ(glngKeyCursor, 0);
}

TEST_F(KeysTest, ControllerMovesTheTitleCursorAndSelects) {
    platform::JoyPos pos;
    pos.y = 65535;  // stick down
    host().SetJoystick(1, pos);
    vb::Boolean ready = vb::kFalse;
    CtrPad_Init(ready);
    ASSERT_EQ(ready, vb::kTrue);
    gblnPadReady = ready;
    ShowAndLoad();
    // Held down: one step per controller tick, wrapping.
    glngKeyCursor = 0;
    Timer1_Timer();
    EXPECT_EQ(glngKeyCursor, 1);
    EXPECT_EQ(gintChoice, 1);
    Timer1_Timer();
    Timer1_Timer();
    Timer1_Timer();
    EXPECT_EQ(glngKeyCursor, 1);
    // Button 1 is Enter: the load row opens the load screen.
    while (glngKeyCursor != 2) Timer1_Timer();
    pos.y = 32767;
    pos.buttons = 1;
    host().SetJoystick(1, pos);
    TakeTrace();
    Timer1_Timer();
    EXPECT_TRUE(InOrder(TakeTrace(), {"state 0 1", "text \"◆ ロードするデータを選択してください ◆\" 200 10 600 600 10 64 0"}));
}

TEST_F(KeysTest, StickFeedsNoKeyInTheBattleButButtonsDo) {
    platform::JoyPos pos;
    pos.x = 65535;
    host().SetJoystick(1, pos);
    vb::Boolean ready = vb::kFalse;
    CtrPad_Init(ready);
    gblnPadReady = ready;
    BindWindow();
    gintGameState = 9;
    TakeTrace();
    Timer1_Timer();
    EXPECT_TRUE(TakeTrace().empty());
    pos.buttons = 4;  // button 3: keypad 3
    host().SetJoystick(1, pos);
    Timer1_Timer();
    EXPECT_EQ(mintCmdChoice, 3);  // pointed at row 3 and chose it (empty: no turn)
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 9);
    TakeTrace();
    // Without the ready flag the battle is not polled.
    gblnPadReady = vb::kFalse;
    Timer1_Timer();
    EXPECT_TRUE(TakeTrace().empty());
}

TEST_F(KeysTest, ControllerEnterWaitsOneHundredMilliseconds) {
    platform::JoyPos pos;
    pos.buttons = 1;
    host().SetJoystick(1, pos);
    vb::Boolean ready = vb::kFalse;
    CtrPad_Init(ready);
    BindWindow();
    gintGameState = 13;
    frmMain().mblnLoaded = vb::kTrue;
    const std::uint32_t start = host().Ticks();
    glngClickAck = 0;
    KeyPad_Case1_Main();
    EXPECT_EQ(glngClickAck, 10000);
    EXPECT_EQ(host().Ticks(), start);
    gintGameState = 10;
    KeyPad_Case4_Main();
    EXPECT_GT(host().Ticks() - start, 99u);
}

}  // namespace
}  // namespace core_test
