// The load screen (state 1) and the save screen (state 2): drawing, the pointer bands and the
// frame, saving and loading a slot with their messages, and going back.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "common/C_modSystem.h"
#include "common/cp932.h"
#include "core/G_modGameInfo.h"
#include "core/G_modManage_Media.h"
#include "core/frmMain.h"
#include "core/modEvent.h"
#include "core/modInput.h"
#include "data/modData.h"
#include "data/modSetting.h"
#include "field/modMap.h"
#include "platform/scripted_host.h"
#include "platform/trace.h"
#include "save/G_modDataFile.h"
#include "save/G_modManage_Save.h"
#include "save/modSaveScreen.h"
#include "support/test_support.h"

namespace {

const std::string kLoadTitle = "text \"◆ ロードするデータを選択してください ◆\" 200 10 600 600 10 64 0";
const std::string kSaveTitle = "text \"◆ セーブするデータを選択してください ◆\" 200 10 600 600 10 64 0";

std::string Label(int slot, const std::string& text) {
    return "text " + platform::Trace_Quote(text) + " 95 " + std::to_string(80 + 50 * (slot - 1)) + " 600 600 12 64 0";
}
std::string Result(const std::string& text, int left) {
    return "text " + platform::Trace_Quote(text) + " " + std::to_string(left) + " 230 600 600 16 64 0";
}

// The field was entered: the test stops there, the field itself is tested elsewhere.
struct FieldReached {};

std::tm When(int hour, int minute) {
    std::tm t{};
    t.tm_year = 110;  // 2010
    t.tm_mon = 0;
    t.tm_mday = 1;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = 3;
    return t;
}

class SaveScreen : public testing_support::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        gstrGameDir = dir_.Path() + "/";
        std::filesystem::create_directories(dir_.File("pic"));
        for (const char* name : {"save_back.png", "save_slide_save.png", "save_slide_load.png", "title.png"}) {
            std::filesystem::copy_file(std::string(ZOVE_SOURCE_DIR) + "/game/pic/" + name, dir_.File("pic/") + name);
        }
        dir_.Write("pic/pic.ini",
                   "[PIC]\r\n0=title.png:0:0:640:480\r\n1000=save_back.png:0:0:640:480\r\n"
                   "1001=save_slide_save.png:444:410:190:70\r\n1002=save_slide_load.png:444:410:190:70\r\n");
        dir_.Write("sound/sound.ini", "[SOUND]\r\n");
        dir_.Write("mid/mid.ini", "[MID]\r\n");
        glngFrameTime = 16;
        gblnPadReady = vb::kFalse;
        gudtGame = typGameData{};
        gblnUseRecordPos = vb::kFalse;
        gblnSkipMapMusic = vb::kFalse;
        Manage_Set_SaveClock([] { return When(9, 5); });

        frmMain_Unload();
        frmMain_Show();
        frmMainWindow& w = frmMain();
        w.mblnLoaded = vb::kTrue;
        w.mintBusy = 0;
        Manage_Init(w.Form, w.Pic);
        Event_Init();
        host().SetIdleHook([](platform::ScriptedHost& h) -> std::uint32_t {
            const vb::Long state = gintGameState;
            if (state == 5 || state == 6) throw FieldReached{};
            if (h.Ticks() > 10 * 60 * 1000) throw platform::ScriptFailure{"waits for ever"};
            return UINT32_MAX;
        });
        gintGameState = 10;
        platform::Trace_CaptureStart();
    }
    void TearDown() override {
        platform::Trace_CaptureTake();
        frmMain_Unload();
        Manage_Set_SaveClock(nullptr);
        gstrGameDir.clear();
        HostTest::TearDown();
    }

    // Opens screen 1 or 2 as the title or a save point would.
    void Open(vb::Long state, vb::Long returnState) {
        gintReturnState = returnState;
        gintGameState = state;
        Event_Dispatch(kInputRefresh, 0, 0);
    }
    // Points at slot s and clicks; true when the game went on into the field (whose loop either
    // waits, which stops the test there, or ends at once in this folder without maps).
    bool ClickSlot(int s) {
        Event_Dispatch(kInputPointer, 300, static_cast<vb::Single>(90 + 50 * (s - 1)));
        try {
            Event_Dispatch(kInputSelect, 0, 0);
        } catch (const FieldReached&) {
            return true;
        }
        const vb::Long state = gintGameState;
        return state == 5 || state == 6;
    }
    static std::vector<std::string> Take() {
        std::vector<std::string> out;
        std::istringstream in(platform::Trace_CaptureTake());
        std::string line;
        while (std::getline(in, line)) out.push_back(line.substr(line.find(' ') + 1));
        return out;
    }
    static int Find(const std::vector<std::string>& lines, const std::string& text, int from = 0) {
        for (int i = from; i < static_cast<int>(lines.size()); ++i) {
            if (lines[static_cast<std::size_t>(i)] == text) return i;
        }
        return -1;
    }
    static void ExpectInOrder(const std::vector<std::string>& trace, const std::vector<std::string>& lines) {
        int at = 0;
        for (const std::string& l : lines) {
            const int found = Find(trace, l, at);
            EXPECT_GE(found, 0) << "missing (in order): " << l;
            if (found >= 0) at = found + 1;
        }
    }
    std::vector<std::string> Boxes() const {
        std::vector<std::string> out;
        for (const auto& m : host_->Messages()) out.push_back(m.text);
        return out;
    }
    platform::Colour Shown(int x, int y) const { return host_->LastPresented().At(x, y); }
    void WriteIndex(const std::string& utf8) const { dir_.WriteSjis("save/save.ini", utf8); }
};

typGameData Record(const std::string& place, vb::Long level) {
    typGameData g;
    g.udtProgress.strPlaceName = place;
    g.udtProgress.strMapName = "NIWA";
    g.udtProgress.intMapNo = 2;
    g.udtProgress.intX = 7;
    g.udtProgress.intY = 9;
    g.udtProgress.intScNo = 2;
    g.udtProgress.intFlag(10) = -1;
    g.udtC1.strName = "ハル";
    g.udtC1.lngLv = level;
    g.udtC1.lngHp = 25;
    g.udtC1.intItNo(3) = 4;
    return g;
}

TEST_F(SaveScreen, DrawsBackgroundSlidingPictureTitleAndTheSevenRows) {
    WriteIndex("[SAVE]\r\n1=10/01/01 09:05:03 古井戸 (MapNo.2) [LV.3]\r\n3=   \r\n");
    gintChoice = 4;
    gintLastChoice = 4;
    Open(1, 0);
    const auto trace = Take();
    std::vector<std::string> want = {"state 10 1", "picture 1000 0 0"};
    for (int x = 458; x >= 444; x -= 2) want.push_back("picture 1002 " + std::to_string(x) + " 410");
    want.push_back(kLoadTitle);
    want.push_back(Label(1, "① 10/01/01 09:05:03 古井戸 (MapNo.2) [LV.3]"));
    want.push_back(Label(2, "② データがありません"));
    want.push_back(Label(3, "③ データがありません"));  // a blank summary is an empty slot
    for (int s = 4; s <= 7; ++s) {
        const char* marks[] = {"④ ", "⑤ ", "⑥ ", "⑦ "};
        want.push_back(Label(s, std::string(marks[s - 4]) + "データがありません"));
    }
    EXPECT_EQ(trace, want);
    EXPECT_EQ(gintChoice, 0);
    EXPECT_EQ(gintLastChoice, 0);
    EXPECT_TRUE(Boxes().empty());

    // The save screen slides its own picture and names saving.
    Open(2, 4);
    const auto save = Take();
    EXPECT_EQ(Find(save, "picture 1002 458 410"), -1);
    ExpectInOrder(save, {"picture 1000 0 0", "picture 1001 458 410", "picture 1001 444 410", kSaveTitle});
    // The picture's white corner lets the wiped strip show white.
    EXPECT_EQ(Shown(442, 470), 0xFFFFFFu);
}

TEST_F(SaveScreen, PointerBandsIncludeTheirBounds) {
    struct Case {
        vb::Single x, y;
        vb::Integer slot;
    };
    const Case cases[] = {{540, 105, 1}, {541, 105, 0}, {300, 110, 0}, {90, 75, 1}, {89.9f, 80, 0},
                          {300, 74.5f, 0}, {300, 125, 2}, {300, 355, 6}, {540, 375, 7}, {300, 405, 7},
                          {300, 405.5f, 0}, {-5, 90, 0}};
    for (const Case& c : cases) EXPECT_EQ(SaveScreen_Slot_At(c.x, c.y), c.slot) << c.x << "," << c.y;
}

TEST_F(SaveScreen, FrameFollowsThePointerAndOnlyAChangeRedraws) {
    Open(2, 4);
    const platform::Colour under = Shown(300, 125);
    ASSERT_NE(under, 0u);
    Event_Dispatch(kInputPointer, 300, 130);
    EXPECT_EQ(gintChoice, 2);
    EXPECT_EQ(Shown(300, 125), 0u);  // top edge of slot 2's frame
    EXPECT_EQ(Shown(85, 140), 0u);   // left edge
    EXPECT_EQ(Shown(540, 155), 0u);  // bottom right corner
    const int presents = host().PresentCount();
    Event_Dispatch(kInputPointer, 500, 150);  // the same slot
    EXPECT_EQ(host().PresentCount(), presents);
    Event_Dispatch(kInputPointer, 300, 110);  // between slots 1 and 2: no frame
    EXPECT_EQ(gintChoice, 0);
    EXPECT_EQ(Shown(300, 125), under);
    Event_Dispatch(kInputPointer, 300, 80);
    EXPECT_EQ(Shown(300, 75), 0u);
    EXPECT_NE(Shown(300, 125), 0u);
    EXPECT_TRUE(Take().size() > 0);
    // Clicking with no slot under the pointer, and kinds outside 0..3, do nothing.
    Event_Dispatch(kInputPointer, 600, 80);
    Take();
    Event_Dispatch(kInputSelect, 0, 0);
    Event_Dispatch(4, 300, 80);
    Event_Dispatch(-1, 300, 80);
    EXPECT_TRUE(Take().empty());
    EXPECT_FALSE(std::filesystem::exists(dir_.File("save")));
}

TEST_F(SaveScreen, SavingWritesTheSlotShowsItsMessageAndTheNewSummary) {
    gudtGame = Record("古井戸", 3);
    Open(2, 4);
    Take();
    EXPECT_FALSE(ClickSlot(3));
    const auto trace = Take();
    ExpectInOrder(trace, {"picture 1000 0 0", "sound 2", Result("データ[ 3 ]にセーブしました", 180), "picture 1000 0 0",
                          kSaveTitle, Label(3, "③ 10/01/01 09:05:03 古井戸 (MapNo.2) [LV.3]")});
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 2);
    EXPECT_TRUE(std::filesystem::exists(dir_.File("save/3.dat")));
    EXPECT_TRUE(Boxes().empty());

    // Saving again into the same slot replaces its summary: the redrawn screen shows the new time.
    Manage_Set_SaveClock([] { return When(10, 30); });
    gudtGame.udtC1.lngLv = 4;
    ClickSlot(3);
    const auto again = Take();
    EXPECT_GE(Find(again, Label(3, "③ 10/01/01 10:30:03 古井戸 (MapNo.2) [LV.4]")), 0);
    EXPECT_EQ(Find(again, Label(3, "③ 10/01/01 09:05:03 古井戸 (MapNo.2) [LV.3]")), -1);

    // What was saved loads back whole.
    const typGameData saved = gudtGame;
    gudtGame = typGameData{};
    ASSERT_TRUE(Manage_Load_Data(3));
    EXPECT_TRUE(gudtGame == saved);
}

TEST_F(SaveScreen, AFailedSaveShowsTheBoxThenItsOwnMessageAndStays) {
    // A folder where the slot file should be: the file cannot be written.
    std::filesystem::create_directories(dir_.File("save/5.dat"));
    gudtGame = Record("森", 6);
    Open(2, 4);
    Take();
    ClickSlot(5);
    const auto trace = Take();
    const int box = Find(trace, "msgbox \"セーブ失敗\" \"ERR\" ok ok");
    const int message = Find(trace, Result("データ[ 5 ]のセーブに失敗しました", 150));
    ASSERT_GE(box, 0);
    EXPECT_GT(message, box);
    EXPECT_EQ(Find(trace, "sound 2"), -1);
    EXPECT_GT(Find(trace, kSaveTitle, message), message);
    EXPECT_EQ(static_cast<vb::Long>(gintGameState), 2);
}

TEST_F(SaveScreen, LoadingASlotReplacesTheRecordAndEntersTheFieldAtTheSavedPlace) {
    const typGameData saved = Record("温室", 9);
    gudtGame = saved;
    ASSERT_TRUE(Manage_Save_Data(4));
    gudtGame = Record("どこか", 1);
    Open(1, 0);
    ExpectInOrder(Take(), {Label(4, "④ 10/01/01 09:05:03 温室 (MapNo.2) [LV.9]")});
    EXPECT_TRUE(ClickSlot(4));
    const auto trace = Take();
    ExpectInOrder(trace, {"picture 1000 0 0", "sound 2", Result("データ[ 4 ]をロードしました", 180), "state 1 6",
                          "effect 17"});
    EXPECT_EQ(Find(trace, kLoadTitle), -1);
    // No message before the field takes over (which has no maps here to show).
    for (int i = 0; i < Find(trace, "state 1 6"); ++i) EXPECT_NE(trace[static_cast<std::size_t>(i)].rfind("msgbox", 0), 0u);
    EXPECT_TRUE(gudtGame.udtProgress == saved.udtProgress);
    EXPECT_TRUE(gudtGame.udtC1 == saved.udtC1);
}

TEST_F(SaveScreen, ASlotFileWithoutSummaryLoadsNormally) {
    gudtGame = Record("温室", 9);
    ASSERT_TRUE(Manage_Save_Data(6));
    std::filesystem::remove(dir_.File("save/save.ini"));
    gudtGame = typGameData{};
    Open(1, 0);
    ExpectInOrder(Take(), {Label(6, "⑥ データがありません")});
    EXPECT_TRUE(ClickSlot(6));
    EXPECT_EQ(gudtGame.udtC1.lngLv, 9);
    EXPECT_EQ(gblnUseRecordPos == vb::kTrue || static_cast<vb::Long>(gintGameState) != 6, true);
}

TEST_F(SaveScreen, LoadFailuresKeepTheGameAndDrawTheScreenAgain) {
    struct Case {
        const char* what;
        int slot;
        bool damaged;  // a slot file too short for a record, else no file at all
    };
    for (const Case& c : {Case{"empty slot", 5, false}, Case{"damaged file", 2, true}}) {
        SCOPED_TRACE(c.what);
        if (c.damaged) dir_.Write("save/" + std::to_string(c.slot) + ".dat", std::string("\x01\x00\x02", 3));
        const typGameData current = Record("庭", 2);
        gudtGame = current;
        gblnUseRecordPos = vb::kTrue;
        const std::size_t boxesBefore = Boxes().size();
        Open(1, 0);
        Take();
        EXPECT_FALSE(ClickSlot(c.slot));
        const auto trace = Take();
        const std::string no = std::to_string(c.slot);
        const int message = Find(trace, Result("データ[ " + no + " ]のロードに失敗しました", 140));
        ASSERT_GE(message, 0);
        EXPECT_EQ(Find(trace, "sound 2"), -1);
        EXPECT_GT(Find(trace, kLoadTitle, message), message);
        EXPECT_EQ(static_cast<vb::Long>(gintGameState), 1);
        EXPECT_EQ(gblnUseRecordPos, vb::kFalse);
        EXPECT_TRUE(gudtGame == current);
        // A missing file fails quietly; a damaged one says why, before the screen's own message.
        const auto boxes = Boxes();
        EXPECT_EQ(boxes.size() - boxesBefore, c.damaged ? 1u : 0u);
        if (c.damaged) {
            int box = -1;
            for (int i = 0; i < static_cast<int>(trace.size()); ++i) {
                if (trace[static_cast<std::size_t>(i)].rfind("msgbox ", 0) == 0) box = i;
            }
            EXPECT_GE(box, 0);
            EXPECT_LT(box, message);
        }
    }
}

TEST_F(SaveScreen, CancelGoesBackToTheTitleOrTheField) {
    Open(1, 0);
    Take();
    Event_Dispatch(kInputCancel, 0, 0);
    ExpectInOrder(Take(), {"state 1 0", "sound 3", "effect 17", "picture 0 0 0"});
    EXPECT_EQ(gblnSkipMapMusic, vb::kFalse);

    Open(2, 4);
    Take();
    try {
        Event_Dispatch(kInputCancel, 0, 0);
    } catch (const FieldReached&) {
    }
    ExpectInOrder(Take(), {"state 2 4", "sound 3", "effect 17", "state 4 5"});
    EXPECT_NE(static_cast<vb::Long>(gintGameState), 2);
}

TEST_F(SaveScreen, KeyboardCursorVisitsTheSlotsAndSpaceGoesBack) {
    Open(2, 4);
    Form_KeyDown(platform::kKeyDown, 0);
    Form_KeyDown(platform::kKeyDown, 0);
    EXPECT_EQ(gintChoice, 2);
    EXPECT_EQ(Shown(300, 125), 0u);
    for (int i = 0; i < 5; ++i) Form_KeyDown(platform::kKeyDown, 0);
    EXPECT_EQ(gintChoice, 7);
    Form_KeyDown(platform::kKeyDown, 0);
    EXPECT_EQ(gintChoice, 1);  // wraps round
    Take();
    gudtGame = Record("古井戸", 3);
    Form_KeyDown(platform::kKeyEnter, 0);
    EXPECT_TRUE(std::filesystem::exists(dir_.File("save/1.dat")));
    ExpectInOrder(Take(), {Result("データ[ 1 ]にセーブしました", 180), kSaveTitle});
}

TEST_F(SaveScreen, MissingPicturesAreReportedOnceEachAndTheRowsStillShow) {
    dir_.Write("pic/pic.ini", "[PIC]\r\n");
    Open(1, 0);
    const auto trace = Take();
    EXPECT_EQ(Boxes().size(), 2u);  // the background, and the sliding picture once, not once a step
    EXPECT_GE(Find(trace, Label(7, "⑦ データがありません")), 0);
    Event_Dispatch(kInputPointer, 300, 90);
    EXPECT_EQ(Shown(300, 75), 0u);
}

}  // namespace
