// The talk-script interpreter: the line grammar, "%s", the message area, the waits of a message,
// the confirmation wait (music loop check, controller), text lists and the ending command.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/C_modMid.h"
#include "core/C_modCtrPad.h"
#include "core/G_modGameInfo.h"
#include "core/frmMain.h"
#include "core/modEvent.h"
#include "platform/pump.h"
#include "platform/trace.h"
#include "story/modTalk.h"
#include "story_fixture.h"

namespace story_test {
namespace {

using Talk = StoryTest;

constexpr const char* kBadHead = "頭文字なし エラー!";

// Runs a one-section script named "T" and returns its trace; every message is confirmed by a click
// a second after it was drawn.
struct LineCase {
    const char* name;
    const char* lines;  // the section's lines, "1=..." CR LF
    const char* param;
    std::vector<std::string> expect;  // trace lines in this order (others may lie between)
    std::vector<std::string> forbid;  // trace lines that must not appear
    bool badHead;                     // the error box is shown
};

TEST_F(Talk, LineGrammar) {
    const std::vector<LineCase> cases = {
        {"percent_s_twice", "1=M%sと%s\r\n2=E\r\n", "ハル", {"picture 7001 40 362", MessageText("ハルとハル")}, {}, false},
        {"percent_s_empty", "1=M[%s]%s!\r\n2=E\r\n", "", {MessageText("[]!")}, {}, false},
        {"line_breaks_kept", "1=M一\\n二\r\n2=E\r\n", "", {MessageText("一\r\n二")}, {}, false},
        {"lower_case_m", "1=mこんにちは\r\n2=E\r\n", "", {}, {"picture 7001 40 362"}, true},
        {"missing_e_line", "1=Mやあ\r\n", "", {MessageText("やあ"), "confirm"}, {}, true},
        {"unknown_head", "1=Xなに\r\n2=S5\r\n3=E\r\n", "", {}, {"sound 5"}, true},
        {"empty_line_ends", "1=S1\r\n2=\r\n3=S2\r\n4=E\r\n", "", {"sound 1"}, {"sound 2"}, true},
        {"music_without_number", "1=O\r\n2=E\r\n", "", {"music 0"}, {}, false},
        {"sound_number_then_letters", "1=S 12abc\r\n2=E\r\n", "", {"sound 12"}, {}, false},
        {"half_rounds_to_even", "1=S2.5\r\n2=S3.5\r\n3=E\r\n", "", {"sound 2", "sound 4"}, {}, false},
        {"b_and_p_draw", "1=B7202\r\n2=P7202\r\n3=E\r\n", "", {"picture 7202 40 246", "picture 7202 40 246"}, {}, false},
        {"end_word_is_e", "1=END\r\n2=S9\r\n", "", {}, {"sound 9"}, false},
        {"z_is_case_sensitive", "1=z\r\n2=E\r\n", "", {}, {"state 10 12"}, true},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (&c != &cases.front()) {
            TearDown();
            SetUp();
        }
        WriteTalk(std::string("[T]\r\n") + c.lines);
        Click(1000);
        Event_Talk("T", c.param);
        const auto trace = Take();
        int at = 0;
        for (const std::string& e : c.expect) {
            const int found = Find(trace, e, at);
            EXPECT_GE(found, 0) << "missing (in order): " << e;
            if (found >= 0) at = found + 1;
        }
        for (const std::string& f : c.forbid) EXPECT_FALSE(Has(trace, f)) << "unexpected: " << f;
        const std::vector<std::string> boxes = Boxes();
        if (c.badHead) {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0], kBadHead);
            EXPECT_EQ(host().Messages()[0].title, "ぞーぶのにわ");  // no title of its own
        } else {
            EXPECT_TRUE(boxes.empty());
        }
        TearDown();
    }
}

TEST_F(Talk, MissingSectionOrFileIsTheErrorAtLineOne) {
    Event_Talk("NO_SUCH_TALK");  // no talk file at all
    WriteTalk("[OTHER]\r\n1=E\r\n");
    Event_Talk("NO_SUCH_TALK");
    EXPECT_EQ(Boxes(), (std::vector<std::string>{kBadHead, kBadHead}));
}

TEST_F(Talk, NumberOutsideSixteenBitsEndsTheScriptWithAMessage) {
    WriteTalk("[T]\r\n1=S40000\r\n2=S3\r\n3=E\r\n");
    Event_Talk("T");
    const auto trace = Take();
    EXPECT_FALSE(Has(trace, "sound 3"));
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_NE(Boxes()[0], kBadHead);
}

TEST_F(Talk, MissingPictureIsReportedAndTheScriptGoesOn) {
    WriteTalk("[T]\r\n1=B4321\r\n2=S3\r\n3=E\r\n");
    Event_Talk("T");
    EXPECT_TRUE(Has(Take(), "sound 3"));
    EXPECT_EQ(Boxes().size(), 1u);
}

// Frame time 16: the message is drawn at t0, the 10-unit wait ends at t0 + 161, the confirmation
// wait clears the flag there and first looks at it after its 100 ms and one time unit.
TEST_F(Talk, ClickBeforeTheConfirmationWaitDoesNotCloseTheMessage) {
    WriteTalk("[T]\r\n1=Mひとこと\r\n2=E\r\n");
    const std::uint32_t t0 = host().Ticks();
    Click(t0 + 100);   // during the 10-unit wait
    Click(t0 + 3000);  // the one that closes it
    Event_Talk("T");
    const auto trace = Take();
    const auto confirms = Starting(trace, "confirm");
    ASSERT_EQ(confirms.size(), 1u);
    EXPECT_GE(confirms[0].at, t0 + 3000);
    EXPECT_LT(confirms[0].at, t0 + 3000 + 40);
}

TEST_F(Talk, ClickInTheFirstHundredMillisecondsOfTheWaitCounts) {
    WriteTalk("[T]\r\n1=Mひとこと\r\n2=E\r\n");
    const std::uint32_t t0 = host().Ticks();
    Click(t0 + 170);  // 9 ms into the confirmation wait
    Event_Talk("T");
    const auto confirms = Starting(Take(), "confirm");
    ASSERT_EQ(confirms.size(), 1u);
    EXPECT_GE(confirms[0].at, t0 + 161 + 100 + 16);
    EXPECT_LT(confirms[0].at, t0 + 161 + 100 + 40);
}

TEST_F(Talk, EnterConfirmsLikeAClick) {
    WriteTalk("[T]\r\n1=Mひとこと\r\n2=E\r\n");
    Key(host().Ticks() + 500, platform::kKeyEnter);
    Event_Talk("T");
    EXPECT_EQ(Starting(Take(), "confirm").size(), 1u);
}

TEST_F(Talk, ConfirmationWaitRestartsFinishedMusic) {
    WriteTalk("[T]\r\n1=O3\r\n2=Mひとこと\r\n3=E\r\n");
    platform::Pump_SetTimer(kTimer2, 0);  // only the confirmation wait checks the music here
    Click(host().Ticks() + 2000);
    host().SetIdleHook([](platform::ScriptedHost& h) -> std::uint32_t {
        if (h.Ticks() >= 1000 && h.MusicStatus() == platform::MusicMode::Playing) h.FinishMusic();
        return UINT32_MAX;
    });
    Event_Talk("T");
    int plays = 0;
    for (const std::string& l : host().Log()) plays += l == "music-play" ? 1 : 0;
    EXPECT_GE(plays, 2);  // the first play, then at least one restart while waiting
}

TEST_F(Talk, ConfirmationWaitPollsTheControllerOnlyWhenOneIsReady) {
    platform::JoyPos pressed;
    pressed.buttons = 1;
    host().SetJoystick(1, pressed);
    CtrPad_Init(gblnPadReady);
    ASSERT_NE(gblnPadReady, vb::kFalse);
    WriteTalk("[T]\r\n1=Mひとこと\r\n2=E\r\n");
    const std::uint32_t t0 = host().Ticks();
    Event_Talk("T");  // button 1 acts as Enter
    const auto confirms = Starting(Take(), "confirm");
    ASSERT_EQ(confirms.size(), 1u);
    EXPECT_LT(confirms[0].at, t0 + 1000);

    gblnPadReady = vb::kFalse;
    Click(host().Ticks() + 5000);
    const std::uint32_t t1 = host().Ticks();
    Event_Talk("T");
    const auto again = Starting(Take(), "confirm");
    ASSERT_EQ(again.size(), 1u);
    EXPECT_GE(again[0].at, t1 + 5000);
}

TEST_F(Talk, TextListAddsLinesAndBreaksPages) {
    WriteTalk("[L]\r\n1=一\r\n2=\r\n3=二\r\n4=\\f\r\n5=三\r\n6=END\r\n7=四\r\n");
    Talk_Play_TextList("L");
    const auto texts = Starting(Take(), "text ");
    auto list = [](const std::string& s) {
        return "text " + platform::Trace_Quote(s) + " 70 100 640 480 17 16777215 0";
    };
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0].text, list("\r\n一"));
    EXPECT_EQ(texts[1].text, list("\r\n一\r\n"));
    EXPECT_EQ(texts[2].text, list("\r\n一\r\n\r\n二"));
    EXPECT_EQ(texts[3].text, list(""));
    EXPECT_EQ(texts[4].text, list("\r\n三"));
    // A page break costs two waits of 30 units: before the page is cleared and after it is drawn.
    EXPECT_GE(texts[3].at - texts[2].at, 2u * 481);
    EXPECT_LT(texts[3].at - texts[2].at, 2u * 481 + 20);
    EXPECT_GE(texts[4].at - texts[3].at, 481u);
    EXPECT_EQ(Shown(10, 10), 0u);  // the new page is black
}

TEST_F(Talk, EarlierLinesOfAPageLookTheSameAfterLaterLinesAreAdded) {
    Talk_Fill_Black();
    WriteTalk("[L]\r\n1=ぞーぶのにわ\r\n2=END\r\n");
    Talk_Play_TextList("L");
    const platform::Surface once = host().LastPresented();
    int top = 480, bottom = -1;  // the rows the first line's glyphs cover
    for (int y = 100; y < 480; ++y)
        for (int x = 70; x < 640; ++x)
            if (once.Get(x, y) != 0) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_LE(top, bottom);
    Talk_Fill_Black();
    WriteTalk("[L]\r\n1=ぞーぶのにわ\r\n2=二行目\r\n3=三行目\r\n4=END\r\n");
    Talk_Play_TextList("L");
    int differing = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = 70; x < 640; ++x) differing += Shown(x, y) != once.Get(x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0);
}

TEST_F(Talk, TextListWithoutEndStopsAfterItsLastLine) {
    WriteTalk("[L]\r\n1=一\r\n2=二\r\n[NEXT]\r\n3=よそ\r\n");
    Talk_Play_TextList("L");
    const auto texts = Starting(Take(), "text ");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[1].text.find("二"), std::string::npos);
}

TEST_F(Talk, TextListWithAGapInItsNumberingShowsAnEmptyLineAndGoesOn) {
    WriteTalk("[L]\r\n1=一\r\n3=三\r\n4=END\r\n");
    Talk_Play_TextList("L");
    const auto texts = Starting(Take(), "text ");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[1].text, "text " + platform::Trace_Quote("\r\n一\r\n") + " 70 100 640 480 17 16777215 0");
    EXPECT_NE(texts[2].text.find("三"), std::string::npos);
}

TEST_F(Talk, TextListWaitsFollowASpeedChangeMadeDuringTheList) {
    WriteTalk("[L]\r\n1=一\r\n2=二\r\n3=三\r\n4=END\r\n");
    Key(host().Ticks() + 100, platform::kKeyTab);  // during the first wait: 16 becomes 26
    Talk_Play_TextList("L");
    std::vector<TraceLine> texts;
    for (const TraceLine& t : Starting(Take(), "text ")) {
        if (t.text.find(" 70 100 640 480 ") != std::string::npos) texts.push_back(t);
    }
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(glngFrameTime, 26);
    EXPECT_GE(texts[1].at - texts[0].at, 480u);  // begun before the change
    EXPECT_GE(texts[2].at - texts[1].at, 30u * 26);
}

TEST_F(Talk, EndingRunsTheEndTextAtUnitThirtyThenTheStaffRollAndGoesOn) {
    WriteTalk("[T]\r\n1=Z\r\n2=S7\r\n3=E\r\n"
              "[END_MSG]\r\n1=おわり\r\n2=\\f\r\n3=つづき\r\n4=END\r\n"
              "[STAFF_MSG]\r\n1=S8\r\n2=E\r\n");
    Click(60000);  // confirms picture 9998 of the staff roll
    Event_Talk("T");
    EXPECT_EQ(glngFrameTime, 30);
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 14);
    const auto trace = Take();
    const int z = Find(trace, "state 10 12");
    const int roll = Find(trace, "talk \"STAFF_MSG\"");
    const int end = Find(trace, "state 12 14");
    const int after = Find(trace, "sound 7");
    ASSERT_GE(z, 0);
    EXPECT_GT(roll, z);
    EXPECT_GT(end, roll);
    EXPECT_GT(after, end);  // the script goes on with its next line after the staff roll
    const auto texts = Starting(trace, "text ");
    ASSERT_GE(texts.size(), 3u);
    EXPECT_GE(texts[1].at - texts[0].at, 2u * 901);  // page break at unit 30
    EXPECT_EQ(texts[1].text.substr(0, 7), "text \"\"");
    EXPECT_TRUE(Boxes().empty());
}

}  // namespace
}  // namespace story_test
