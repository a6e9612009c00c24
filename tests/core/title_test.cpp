// The title screen: its rows, the cursor picture and the three selections.
#include <gtest/gtest.h>

#include "core_fixture.h"
#include "story/modTitle.h"

namespace core_test {
namespace {

class TitleTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        // A new game begins with request 1.
        dir_.WriteSjis("eve/A_SYS_FILE.ini", "[BASIS]\r\nMUSIC_OPEN=1\r\nMUSIC_SHOP=0\r\nC1_SCNO=1\r\n");
        ShowAndLoad();
        TakeTrace();
    }
    int CursorPixels(int y0, int y1) {
        int n = 0;
        for (int y = y0; y <= y1; ++y) {
            for (int x = 420; x <= 550; ++x) n += Screen().At(x, y) == kCursorColour ? 1 : 0;
        }
        return n;
    }
};

TEST_F(TitleTest, RowBounds) {
    struct Case {
        float x, y;
        vb::Integer row;
    };
    for (const Case c : {Case{410, 190, 1}, Case{550, 220, 1}, Case{551, 200, 0}, Case{409, 200, 0},
                         Case{480, 225, 0}, Case{480, 230, 2}, Case{480, 260, 2}, Case{480, 261, 0},
                         Case{480, 270, 3}, Case{550, 300, 3}, Case{480, 300.5f, 0}, Case{0, 0, 0}}) {
        EXPECT_EQ(Title_Row_At(c.x, c.y), c.row) << c.x << "," << c.y;
    }
}

TEST_F(TitleTest, DrawnOnLoadingWithItsMusicAndNoRowHighlighted) {
    EXPECT_EQ(Screen().At(10, 10), kTitleColour);
    EXPECT_EQ(CursorPixels(190, 300), 0);
    EXPECT_EQ(gintChoice, 0);
    EXPECT_EQ(host().LastPresented(), Screen());
    // gintMusicOpen's entry: title.mid
    EXPECT_EQ(host().MusicStatus(), platform::MusicMode::Playing);
}

TEST_F(TitleTest, CursorFollowsThePointerAndIsDrawnOncePerRow) {
    Move(480, 200);
    EXPECT_EQ(gintChoice, 1);
    EXPECT_EQ(TakeTrace(), std::vector<std::string>{"picture 1 425 193"});
    EXPECT_GT(CursorPixels(193, 202), 0);
    // The white hole of the cursor picture leaves the title's white showing.
    EXPECT_EQ(Screen().At(431, 195), 0xFFFFFFu);
    const int presents = host().PresentCount();
    Move(500, 215);
    EXPECT_TRUE(TakeTrace().empty());
    EXPECT_EQ(host().PresentCount(), presents);

    Move(480, 275);
    EXPECT_EQ(TakeTrace(), std::vector<std::string>{"picture 1 425 275"});
    EXPECT_EQ(CursorPixels(193, 202), 0);
    EXPECT_GT(CursorPixels(275, 284), 0);

    // Into empty space: the cursor is wiped and none drawn.
    Move(100, 100);
    EXPECT_EQ(gintChoice, 0);
    EXPECT_TRUE(TakeTrace().empty());
    EXPECT_EQ(CursorPixels(190, 300), 0);
    EXPECT_EQ(host().PresentCount(), presents + 2);
}

TEST_F(TitleTest, SelectWithoutARowAndRightClickDoNothing) {
    Move(100, 100);
    Click(100, 100);
    Move(480, 200);
    TakeTrace();
    Click(480, 200, platform::kButtonRight);
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 0);
    EXPECT_TRUE(TakeTrace().empty());
}

TEST_F(TitleTest, LoadChoiceOpensTheLoadScreenAndComesBackWithNoRow) {
    gintReturnState = 9;
    Move(480, 240);
    TakeTrace();
    Click(480, 240);
    EXPECT_TRUE(InOrder(TakeTrace(),
                        {"state 0 1", "effect 17", "text \"◆ ロードするデータを選択してください ◆\" 200 10 600 600 10 64 0"}));
    // A right click on the load screen goes back to the title.
    Click(480, 240, platform::kButtonRight);
    EXPECT_TRUE(InOrder(TakeTrace(), {"state 1 0", "sound 3", "effect 17", "music 1", "picture 0 0 0"}));
    EXPECT_EQ(gintReturnState, 0);
    // Back on the title, even with the pointer resting on a row, nothing is highlighted.
    EXPECT_EQ(gintChoice, 0);
    EXPECT_EQ(gintLastChoice, 0);
    EXPECT_EQ(CursorPixels(190, 300), 0);
    Move(480, 240);
    EXPECT_EQ(gintChoice, 2);
}

TEST_F(TitleTest, QuitChoiceSetsTheQuittingState) {
    Move(480, 280);
    TakeTrace();
    Event_Title(kInputSelect, 0, 0);
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 14);
    EXPECT_EQ(TakeTrace(), std::vector<std::string>{"state 0 14"});
}

TEST_F(TitleTest, NewGameChoiceRunsTheOpeningIntoTheField) {
    Move(480, 200);
    TakeTrace();
    // The opening waits for the player's clicks: give one whenever the game waits, and stop a
    // run that never ends.
    int asked = 0;
    host().SetIdleHook([&](platform::ScriptedHost& h) -> std::uint32_t {
        if (++asked > 2000) throw platform::ScriptFailure{"the opening never ended"};
        platform::InputEvent e;
        e.type = platform::EventType::MouseDown;
        e.button = platform::kButtonLeft;
        h.Queue(e, h.Ticks() + 50);
        return h.Ticks() + 50;
    });
    Click(480, 200);
    host().SetIdleHook(nullptr);
    EXPECT_TRUE(InOrder(TakeTrace(), {"state 0 3", "effect 7", "state 3 6", "state 6 5"}));
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 5);
    EXPECT_EQ(frmMain().mintBusy, 0);
}

}  // namespace
}  // namespace core_test
