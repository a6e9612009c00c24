// The request scene (state 3), the staff roll (state 12) and the defeat screen (state 13).
#include <gtest/gtest.h>

#include "common/C_modSystem.h"
#include "core/G_modGameInfo.h"
#include "core/frmMain.h"
#include "core/modEvent.h"
#include "data/modData.h"
#include "data/modSetting.h"
#include "platform/trace.h"
#include "story/modRequest.h"
#include "story/modStaffRoll.h"
#include "story_fixture.h"

namespace story_test {
namespace {

const std::string kCardColour = "64";

std::string CardNumber(const std::string& digits) {
    return "text " + platform::Trace_Quote("依頼番号． " + digits + "番") + " 100 120 600 300 20 " + kCardColour + " 0";
}
std::string CardTitle(const std::string& title) {
    return "text " + platform::Trace_Quote(title) + " 60 220 600 250 22 " + kCardColour + " 2";
}

constexpr const char* kScenes =
    "[KICK_MSG]\r\n1=むかしむかし\r\n2=\\f\r\n3=あるところに\r\n4=END\r\n"
    "[M_0ND_END]\r\n1=S60\r\n2=E\r\n"
    "[M_1ND_OPEN]\r\n1=S61\r\n2=E\r\n"
    "[M_1ND_END]\r\n1=S62\r\n2=E\r\n"
    "[M_2ND_OPEN]\r\n1=S63\r\n2=E\r\n"
    "[M_2ND_END]\r\n1=S64\r\n2=E\r\n"
    "[M_3ND_OPEN]\r\n1=S65\r\n2=E\r\n"
    "[END_MSG]\r\n1=おしまい\r\n2=END\r\n"
    "[STAFF_MSG]\r\n1=S70\r\n2=E\r\n";

constexpr const char* kSys =
    "[BASIS]\r\nMUSIC_OPEN=1\r\nMUSIC_SHOP=3\r\nC1_SCNO=1\r\nC1_MAPNAME=NIWA\r\nC1_SCSTR=はじまり\r\n"
    "C2_MAPNAME=MORI\r\nC2_SCSTR=森へ\r\nC3_MAPNAME=ONSHITSU\r\nC3_SCSTR=温室へ\r\n"
    "C4_MAPNAME=NIWA\r\nC4_SCSTR=また春に\r\n";

class Request : public StoryTest {
protected:
    void SetUp() override {
        StoryTest::SetUp();
        WriteSys(kSys);
        gintGameState = 3;
        Take();
    }
    // Starts the scene of request no, with a click every five seconds to get through it.
    std::vector<TraceLine> Run(vb::Integer no, const std::string& endScript) {
        WriteTalk(std::string(kScenes) + endScript);
        gudtGame.udtProgress.intScNo = no;
        gudtGame.udtProgress.strScStr = "いまの依頼";
        for (std::uint32_t t = 5000; t < 600000; t += 5000) Click(host().Ticks() + t);
        Event_Dispatch(kInputRefresh, 0, 0);
        return Take();
    }
    // The lines in order, each found after the one before.
    static void ExpectInOrder(const std::vector<TraceLine>& trace, const std::vector<std::string>& lines) {
        int at = 0;
        for (const std::string& l : lines) {
            const int found = Find(trace, l, at);
            EXPECT_GE(found, 0) << "missing (in order): " << l;
            if (found >= 0) at = found + 1;
        }
    }
};

TEST_F(Request, NewGamePlaysThePrologueMusicAndOpeningThenEntersTheField) {
    Setting_Load_SysFile();  // the new-game values: request 1, its map and title, music 3 for the shop
    ASSERT_EQ(gudtGame.udtProgress.intScNo, 1);
    WriteTalk(kScenes);
    for (std::uint32_t t = 5000; t < 100000; t += 5000) Click(t);
    Event_Dispatch(kInputRefresh, 0, 0);
    const auto trace = Take();
    ExpectInOrder(trace, {"textlist \"KICK_MSG\"", "text \"\\r\\nむかしむかし\" 70 100 640 480 17 16777215 0",
                          "text \"\" 70 100 640 480 17 16777215 0", "music 3", "talk \"M_0ND_END\"", "sound 60",
                          "effect 3", CardNumber("1"), CardTitle("はじまり"), "confirm", "effect 17",
                          "talk \"M_1ND_OPEN\"", "sound 61", "state 3 6", "state 6 5"});
    EXPECT_EQ(gudtGame.udtProgress.strMapName, "NIWA");
}

TEST_F(Request, TitleCardWaitsFortyUnitsBeforeItsTitle) {
    const auto trace = Run(2, "");
    const int number = Find(trace, CardNumber("2"));
    const int title = Find(trace, CardTitle("森へ"));
    ASSERT_GE(number, 0);
    ASSERT_GE(title, 0);
    EXPECT_GE(trace[title].at - trace[number].at, 40u * 16 + 1);
    EXPECT_LT(trace[title].at - trace[number].at, 40u * 16 + 20);
}

TEST_F(Request, LaterRequestsPlayTheEndScriptReloadTheRequestAndOpen) {
    struct Case {
        vb::Integer no;
        const char* end;
        const char* endSound;
        const char* open;
        const char* map;
        const char* title;
    };
    for (const Case& c : {Case{2, "M_1ND_END", "sound 62", "M_2ND_OPEN", "MORI", "森へ"},
                          Case{3, "M_2ND_END", "sound 64", "M_3ND_OPEN", "ONSHITSU", "温室へ"}}) {
        SCOPED_TRACE(c.no);
        const auto trace = Run(c.no, "");
        ExpectInOrder(trace, {std::string("talk \"") + c.end + "\"", c.endSound, "effect 3",
                              CardNumber(std::to_string(c.no)), CardTitle(c.title), "effect 17",
                              std::string("talk \"") + c.open + "\"", "state 3 6"});
        EXPECT_FALSE(Has(trace, "textlist \"KICK_MSG\""));
        EXPECT_EQ(gudtGame.udtProgress.strMapName, c.map);
        EXPECT_EQ(gudtGame.udtProgress.strScStr, c.title);
        gintGameState = 3;
    }
}

TEST_F(Request, LastRequestWithoutEndingStaysInStateThree) {
    const auto trace = Run(4, "[M_3ND_END]\r\n1=S66\r\n2=E\r\n");
    ExpectInOrder(trace, {"talk \"M_3ND_END\"", "sound 66", "effect 3", CardNumber("4"), CardTitle("また春に"),
                          "confirm", "effect 17"});
    EXPECT_FALSE(Has(trace, "talk \"M_3ND_OPEN\""));
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 3);
    EXPECT_EQ(gudtGame.udtProgress.strMapName, "NIWA");
}

TEST_F(Request, LastRequestWithEndingLeavesStateFourteenAndTheCardClickQuits) {
    WriteTalk(std::string(kScenes) + "[M_3ND_END]\r\n1=Z\r\n2=E\r\n");
    gudtGame.udtProgress.intScNo = 4;
    for (std::uint32_t t = 5000; t < 600000; t += 5000) Click(host().Ticks() + t);
    const bool quit = EndsProgram([] { Event_Dispatch(kInputRefresh, 0, 0); });
    EXPECT_TRUE(quit);
    const auto trace = Take();
    // The staff roll ends in state 14; the card of request 4 is still shown, and the press that
    // would confirm it runs the quit sequence.
    ExpectInOrder(trace, {"talk \"M_3ND_END\"", "state 3 12", "talk \"STAFF_MSG\"", "state 12 14", "effect 3",
                          CardNumber("4"), CardTitle("また春に"), "quit"});
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 14);
}

TEST_F(Request, RequestZeroShowsAnEmptyNumberAndTheCurrentTitle) {
    const auto trace = Run(0, "");
    ExpectInOrder(trace, {"effect 3", CardNumber(""), CardTitle("いまの依頼"), "confirm", "effect 17"});
    EXPECT_TRUE(Starting(trace, "talk ").empty());
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 3);
}

TEST_F(Request, OnlyTheNullInputStartsTheScene) {
    WriteTalk(kScenes);
    gudtGame.udtProgress.intScNo = 2;
    for (vb::Integer kind : {vb::Integer{1}, vb::Integer{2}, vb::Integer{3}, vb::Integer{-1}}) Event_Request(kind, 10, 10);
    EXPECT_TRUE(Take().empty());
}

using EndScreens = StoryTest;

TEST_F(EndScreens, StaffRollPlaysItsScriptAndPicturesThenStateFourteenAndTheNextKeyQuits) {
    WriteTalk("[STAFF_MSG]\r\n1=Mありがとう\r\n2=E\r\n");
    glngFrameTime = 30;
    gintGameState = 12;
    Click(10000);  // the message
    Click(20000);  // picture 9998
    Take();
    Event_Dispatch(kInputRefresh, 0, 0);
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 14);
    const auto trace = Take();
    const int endPic = Find(trace, "picture 8001 0 0");
    const int end = Find(trace, "state 12 14");
    ASSERT_GE(endPic, 0);
    ASSERT_GE(end, 0);
    {
        int at = 0;
        for (const char* l : {"effect 17", "talk \"STAFF_MSG\"", "confirm", "effect 19", "picture 9998 0 0",
                                     "confirm", "picture 8001 0 0", "state 12 14"}) {
            const int found = Find(trace, l, at);
            EXPECT_GE(found, 0) << l;
            if (found >= 0) at = found + 1;
        }
    }
    EXPECT_GE(trace[end].at - trace[endPic].at, 200u * 30 + 1);  // 6 s with the end picture on screen
    EXPECT_EQ(Shown(5, 5), 0u);                                   // black around it
    EXPECT_NE(Shown(320, 280), 0u);                               // the picture itself (its pot)

    // Other input in state 12 changes nothing.
    gintGameState = 12;
    Take();
    Event_Staff_Roll(1, 0, 0);
    Event_Staff_Roll(3, 0, 0);
    EXPECT_TRUE(Take().empty());
    gintGameState = 14;

    frmMain().mintBusy = 0;
    Key(host().Ticks() + 100, 'A');
    EXPECT_TRUE(EndsProgram([] { Sys_Wait(1000); }));
    EXPECT_TRUE(Has(Take(), "quit"));
}

TEST_F(EndScreens, AnEndingLineInTheStaffRollScriptDoesNotStartTheStaffRollAgain) {
    // The staff roll's own script names the ending: played once more it would call itself forever.
    WriteTalk("[STAFF_MSG]\r\n1=Z\r\n2=S9\r\n3=E\r\n[END_MSG]\r\n1=おわり\r\n2=END\r\n");
    for (std::uint32_t t = 5000; t < 200000; t += 5000) Click(t);
    gintGameState = 12;
    Take();
    Event_Dispatch(kInputRefresh, 0, 0);
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 14);
    const auto trace = Take();
    EXPECT_EQ(Starting(trace, "talk \"STAFF_MSG\"").size(), 1u);
    EXPECT_TRUE(Has(trace, "sound 9"));  // the script went on after its ending line
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(EndScreens, DefeatScreenQuitsOnAClickOnly) {
    gintGameState = 13;
    gintChoice = 2;
    gintLastChoice = 3;
    Event_Dispatch(kInputRefresh, 0, 0);
    EXPECT_EQ(gintChoice, 0);
    EXPECT_EQ(gintLastChoice, 0);
    EXPECT_TRUE(Has(Take(), "picture 8001 0 0"));
    EXPECT_EQ(Shown(5, 5), 0u);

    frmMain().mintBusy = 0;  // the screen waits between inputs
    platform::InputEvent move;
    move.type = platform::EventType::MouseMove;
    move.x = 100;
    move.y = 100;
    host().Queue(move, host().Ticks() + 100);
    Click(host().Ticks() + 200, platform::kButtonRight);
    EXPECT_FALSE(EndsProgram([] { Sys_Wait(1000); }));
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 13);

    Click(host().Ticks() + 100);
    EXPECT_TRUE(EndsProgram([] { Sys_Wait(1000); }));
    const auto trace = Take();
    const int to14 = Find(trace, "state 13 14");
    ASSERT_GE(to14, 0);
    EXPECT_GT(Find(trace, "quit", to14), to14);
}

}  // namespace
}  // namespace story_test
