#include <gtest/gtest.h>

#include "common/C_modSystem.h"
#include "display/clsDisplay.h"
#include "support/test_support.h"

namespace {

using platform::DisplayMode;

constexpr const char* kNoFullscreen = "フルスクリーンにはできませんでした。\r\nウインドゥモードで起動します";

class DisplayTest : public testing_support::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        host().OpenWindow({"ぞーぶのにわ", 640, 480, false});
    }
    platform::Form form_{640, 480};
    clsDisplay display_;
};

TEST_F(DisplayTest, ChangeSizeAddsCaptionAndFrameInTwips) {
    display_.COM_ChangeSize_Display(form_, 640, 480);
    EXPECT_EQ(Disp_Window_Height(), 7470.0f);
    EXPECT_EQ(Disp_Window_Width(), 9660.0f);
    EXPECT_EQ(host().Log().back(), "size 640x480");

    display_.COM_ChangeSize_Display(form_, 392, 376);
    EXPECT_EQ(Disp_Window_Width(), 5940.0f);
    EXPECT_EQ(Disp_Window_Height(), 5910.0f);
    EXPECT_EQ(host().WindowWidth(), 392);
    EXPECT_EQ(host().WindowHeight(), 376);
}

TEST_F(DisplayTest, OpenTakesTheFirstMatchingModeAndGoesFullScreen) {
    host().SetDisplayModes({{640, 480, 8}, {800, 600, 32}, {640, 480, 16}, {640, 480, 32}});
    display_.COM_Open_Display(form_);
    EXPECT_EQ(display_.gblnFullScFlag, vb::kTrue);
    EXPECT_EQ(display_.ChosenMode().bitsPerPixel, 16);
    EXPECT_TRUE(host().Fullscreen());
    EXPECT_EQ(host().Caption(), "");
    EXPECT_TRUE(host().Messages().empty());

    display_.COM_Close_Display(form_);
    EXPECT_EQ(display_.gblnFullScFlag, vb::kFalse);
    EXPECT_FALSE(host().Fullscreen());
    EXPECT_EQ(host().Caption(), "ぞーぶのにわ");
    EXPECT_EQ(host().WindowWidth(), 640);
    EXPECT_EQ(host().WindowHeight(), 480);
    EXPECT_TRUE(host().Messages().empty());
}

TEST_F(DisplayTest, NoUsableModeOrRefusalKeepsTheWindowAndSaysSo) {
    const std::vector<std::vector<DisplayMode>> lists{{}, {{640, 480, 8}, {640, 400, 32}, {1024, 768, 32}}};
    for (const auto& modes : lists) {
        host().SetDisplayModes(modes);
        display_.COM_Open_Display(form_);
        EXPECT_EQ(display_.gblnFullScFlag, vb::kFalse);
        EXPECT_FALSE(host().Fullscreen());
    }
    host().SetDisplayModes({{640, 480, 24}});
    host().RefuseFullscreen(true);
    display_.COM_Open_Display(form_);
    EXPECT_EQ(display_.gblnFullScFlag, vb::kFalse);
    EXPECT_EQ(host().Caption(), "ぞーぶのにわ");

    ASSERT_EQ(host().Messages().size(), 3u);
    for (const auto& m : host().Messages()) {
        EXPECT_EQ(m.text, kNoFullscreen);
        EXPECT_EQ(m.title, "エラー");
        EXPECT_EQ(m.buttons, platform::MsgButtons::Ok);
    }
}

TEST_F(DisplayTest, CloseWithoutOpenDoesNothing) {
    display_.COM_Close_Display(form_);
    EXPECT_EQ(host().Log().size(), 1u);  // only the window of SetUp
    EXPECT_EQ(host().Caption(), "ぞーぶのにわ");
    EXPECT_TRUE(host().Messages().empty());
}

TEST_F(DisplayTest, SecondSwitchKeepsTheFirstSavedCaptionAndSize) {
    display_.COM_Open_Display(form_);
    display_.COM_Close_Display(form_);
    host().SetCaption("changed");
    host().SetWindowSize(320, 240);
    display_.COM_Open_Display(form_);
    display_.COM_Close_Display(form_);
    EXPECT_EQ(host().Caption(), "ぞーぶのにわ");
    EXPECT_EQ(host().WindowWidth(), 640);
    EXPECT_EQ(host().WindowHeight(), 480);
}

TEST_F(DisplayTest, FailedReturnToWindowIsReportedAndTheWindowRestoredAnyway) {
    display_.COM_Open_Display(form_);
    host().RefuseFullscreen(true);
    display_.COM_Close_Display(form_);
    EXPECT_EQ(display_.gblnFullScFlag, vb::kFalse);
    EXPECT_EQ(host().Caption(), "ぞーぶのにわ");
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_EQ(host().Messages()[0].text, "失敗しました。");
    EXPECT_EQ(host().Messages()[0].title, kAppTitle);
}

TEST_F(DisplayTest, ChangeScreenLeavesFullScreenOnlyWhenAnotherWindowIsActive) {
    EXPECT_EQ(display_.COM_ChangeScreen_Display(form_), vb::kFalse);  // not full-screen
    display_.COM_Open_Display(form_);
    EXPECT_EQ(display_.COM_ChangeScreen_Display(form_), vb::kFalse);  // still active
    host().SetWindowActive(false);
    EXPECT_EQ(display_.COM_ChangeScreen_Display(form_), vb::kTrue);
    EXPECT_EQ(display_.gblnFullScFlag, vb::kFalse);
    const auto& log = host().Log();
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[log.size() - 3], "minimize");
    EXPECT_EQ(log[log.size() - 2], "fullscreen 0");
}

TEST(DispShowResult, MessagesByCode) {
    struct Case {
        vb::Long code;
        const char* text;  // nullptr: no message
    };
    const Case cases[] = {{1, "設定を反映するためには再起動が必要です。"},
                          {-1, "失敗しました。"},
                          {-2, "不正なモードです。"},
                          {-3, "設定をレジストリに書き込めません。"},
                          {-4, nullptr},
                          {-5, "不正なパラメータです。"},
                          {0, nullptr},
                          {2, nullptr}};
    for (const Case& c : cases) {
        platform::ScriptedHost host;
        platform::Host_Set(&host);
        Disp_Show_Result(c.code);
        if (c.text == nullptr) {
            EXPECT_TRUE(host.Messages().empty()) << c.code;
        } else {
            ASSERT_EQ(host.Messages().size(), 1u) << c.code;
            EXPECT_EQ(host.Messages()[0].text, c.text);
        }
        platform::Host_Set(nullptr);
    }
}

}  // namespace
