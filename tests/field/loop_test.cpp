// Movement on the field: passability, step timing, arrival events, keys and the field loop.
#include <gtest/gtest.h>

#include "core/G_modGameInfo.h"
#include "core/modEvent.h"
#include "data/modData.h"
#include "field_fixture.h"
#include "platform/scripted_host.h"

namespace field_test {
namespace {

class Loop : public FieldTest {
protected:
    void SetUp() override {
        FieldTest::SetUp();
        WriteScreen("GARDEN", 1, Walled(), {}, {});
        Enter("GARDEN");
        ASSERT_EQ(mblnScreenReady, vb::kTrue) << ::testing::PrintToString(Boxes());
        Take();
    }
    void Place(vb::Integer x, vb::Integer y) {
        mtypChar(0).intX = x;
        mtypChar(0).intY = y;
        mtypChar(0).intPhase = 0;
        mtypChar(0).intCount = 0;
    }
    // Ticks until the player stands again; returns how many it took.
    int Walk() {
        int ticks = 0;
        while (mtypChar(0).intPhase != 0 && ticks < 1000) {
            Map_Advance_Steps();
            ++ticks;
        }
        return ticks;
    }
};

// Passability p of the target cell against the direction of the step (1 up, 2 down, 3 left,
// 4 right): p = dir or 5 refuse, everything else lets the step start.
TEST_F(Loop, PassabilityDecidesByTheDirectionOfTheStep) {
    const char keys[] = {'.', '1', '2', '3', '4', '5'};
    for (int p = 0; p <= 5; ++p) {
        for (vb::Integer dir = 1; dir <= 4; ++dir) {
            Place(10, 10);
            // Put the tile in every neighbour, so whichever way the step goes it meets it.
            for (auto [x, y] : {std::pair{10, 9}, std::pair{10, 11}, std::pair{9, 10}, std::pair{11, 10}}) {
                mstrMapCell(x)(y) = std::string(1, keys[p]);
            }
            mtypChar(0).intDir = 0;
            const bool started = Map_Try_Step(0, dir) != vb::kFalse;
            EXPECT_EQ(started, p != dir && p != 5) << "p " << p << " dir " << dir;
            EXPECT_EQ(mtypChar(0).intDir, dir) << "the player turns even when blocked";
            EXPECT_EQ(mtypChar(0).intPhase, started ? 1 : 0);
        }
    }
}

TEST_F(Loop, AStepTakesThreeDelaysAndLandsOnTheNextCell) {
    for (vb::Integer delay : {0, 1, 2, 4}) {
        Place(10, 10);
        mtypChar(0).intDelay = delay;
        ASSERT_EQ(Map_Try_Step(0, 4), vb::kTrue);
        EXPECT_EQ(Walk(), 3 * std::max<int>(delay, 1)) << delay;
        EXPECT_EQ(mtypChar(0).intX, 11);
        EXPECT_EQ(mtypChar(0).intY, 10);
    }
    // A step off the grid is refused like a wall.
    Place(1, 10);
    mstrMapCell(1)(10) = std::string(1, '.');
    EXPECT_EQ(Map_Try_Step(0, 3), vb::kFalse);
}

TEST_F(Loop, ArrivalRunsTheStepEventsOfTheCellInFileOrder) {
    WriteScreen("GARDEN", 2, Walled(), {}, {});
    mstrEvents = {"E:0:11:10:4:M:T_HELLO", "M:0:11:10:2", "J:0:11:10:5:6:2", "M:0:11:10:3"};
    Place(10, 10);
    mtypChar(0).intDelay = 1;
    Map_Try_Step(0, 4);
    Walk();
    // The turn ran first, then the jump loaded screen 2; the scan stopped there.
    EXPECT_EQ(mintMapNo, 2);
    EXPECT_EQ(mtypChar(0).intX, 5);
    EXPECT_EQ(mtypChar(0).intY, 6);
    EXPECT_EQ(mtypChar(0).intDir, 2);
    const auto trace = Take();
    EXPECT_TRUE(InOrder(trace, {"map GARDEN 2"}));
    for (const auto& l : trace) EXPECT_EQ(l.find("talk"), std::string::npos) << "an examine event ran on arrival";
    for (const auto& l : trace) EXPECT_EQ(l.find("music"), std::string::npos) << "a jump keeps the music";

    // A jump whose flag some other event has set does nothing.
    mstrEvents = {"J:5:11:10:5:6:1"};
    gudtGame.udtProgress.intFlag(5) = vb::kTrue;
    Place(10, 10);
    Map_Try_Step(0, 4);
    Walk();
    EXPECT_EQ(mintMapNo, 2);
    EXPECT_EQ(mtypChar(0).intX, 11);
}

TEST_F(Loop, EnterAndSpaceAreTakenOncePerTickAndNotWhileWalking) {
    mstrEvents = {"E:0:10:10:1:M:T_HELLO"};
    Place(10, 10);
    mtypChar(0).intDir = 1;
    mblnInputReady = vb::kTrue;
    // The talk waits for a confirmation: give one.
    QueueClick(host(), host().Ticks() + 2000);
    Map_Key(13);
    Map_Key(13);  // the second Enter of the same tick is ignored
    int talks = 0;
    for (const auto& l : Take()) talks += l == "talk \"T_HELLO\"";
    EXPECT_EQ(talks, 1);

    // Space while the player is between cells: ignored.
    mblnInputReady = vb::kTrue;
    Map_Try_Step(0, 2);
    Map_Key(32);
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 5);
    EXPECT_EQ(mblnInputReady, vb::kTrue);
    // Arrows while walking are ignored as well.
    const vb::Integer dir = mtypChar(0).intDir;
    Map_Key(37);
    EXPECT_EQ(mtypChar(0).intDir, dir);
}

TEST_F(Loop, TheLoopHandsOverTheGroupOfTheEnemyMet) {
    // An enemy that never moves, right of the player; the player walks onto it.
    WriteScreen("GARDEN", 1, Walled(), {"7:11:10:3:1:0:0:42"}, {});
    Enter("GARDEN");
    mtypChar(0).intDelay = 1;
    QueueKey(host(), 39, host().Ticks() + 50);
    Take();
    EXPECT_EQ(Map_Run_Loop(), 42);
    EXPECT_EQ(mtypChar(1).blnActive, vb::kFalse);
    EXPECT_TRUE(InOrder(Take(), {"music 30", "sound 20", "effect 9", "effect 15"}));
    // Met enemies stay away when the loop resumes; the map music starts again.
    gintGameState = 5;
    host().SetIdleHook([](platform::ScriptedHost&) -> std::uint32_t {
        gintGameState = 0;  // another screen took over
        return UINT32_MAX;
    });
    EXPECT_EQ(Map_Run_Loop(), 0);
    EXPECT_TRUE(InOrder(Take(), {"music 30"}));
    EXPECT_EQ(mtypChar(1).blnActive, vb::kFalse);
}

TEST_F(Loop, SkippedMusicIsOnlyClearedAndAPendingRequestHandsOver) {
    gblnSkipMapMusic = vb::kTrue;
    Map_Draw_All(vb::kTrue);
    EXPECT_EQ(gblnSkipMapMusic, vb::kFalse);
    for (const auto& l : Take()) EXPECT_EQ(l.find("music"), std::string::npos);

    // After the battle of a request event the loop gives way to the request flow.
    mblnRequestPending = vb::kTrue;
    gudtGame.udtProgress.intScNo = 0;  // a request without scenes: only its title card
    host().SetIdleHook([](platform::ScriptedHost& h) -> std::uint32_t {
        QueueClick(h, h.Ticks() + 10);
        return h.Ticks() + 10;
    });
    EXPECT_EQ(Map_Run_Loop(), 0);
    EXPECT_EQ(mblnRequestPending, vb::kFalse);
    EXPECT_TRUE(InOrder(Take(), {"music 30", "state 5 3", "effect 3"}));
}

TEST_F(Loop, AnErrorEndsTheLoopWithAMessage) {
    // The jump leads to a screen that does not exist.
    WriteScreen("GARDEN", 1, Walled(), {}, {"J:0:11:10:5:5:9"});
    Enter("GARDEN");
    mtypChar(0).intDelay = 1;
    QueueKey(host(), 39, host().Ticks() + 50);
    EXPECT_EQ(Map_Run_Loop(), 0);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_NE(Boxes()[0].find("MAP_GARDEN_9.txt"), std::string::npos) << Boxes()[0];
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 5);
}

}  // namespace
}  // namespace field_test
