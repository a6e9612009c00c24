// The message window calls on a main window and backup picture of their own.
#include <gtest/gtest.h>

#include "common/vb_error.h"
#include "core/G_modManage.h"
#include "core/G_modManage_Text.h"
#include "platform/form.h"
#include "platform/trace.h"
#include "support/test_support.h"

namespace {

using platform::Colour;

class ManageTextTest : public testing_support::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        form_.image.Fill(0x404040);
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 640; ++x) form_.image.At(x, y) = static_cast<Colour>((x * 7 + y * 13) & 0xFFFFFF);
        }
        gobjMainForm = &form_;
        gobjBackPic = &back_;
    }
    void TearDown() override {
        gobjMainForm = nullptr;
        gobjBackPic = nullptr;
        HostTest::TearDown();
    }
    platform::Form form_{640, 480};
    platform::Surface back_{640, 480};
};

TEST_F(ManageTextTest, InvertingTwiceGivesTheImageBack) {
    const platform::Surface before = form_.image;
    Manage_Invert_Rect(100, 50, 200.4f, 30);
    EXPECT_EQ(form_.image.At(100, 50), ~before.At(100, 50) & 0xFFFFFF);
    EXPECT_EQ(form_.image.At(299, 79), ~before.At(299, 79) & 0xFFFFFF);
    EXPECT_EQ(form_.image.At(300, 79), before.At(300, 79));  // width 200.4 rounds to 200
    EXPECT_EQ(form_.image.At(99, 50), before.At(99, 50));
    EXPECT_EQ(form_.image.At(100, 80), before.At(100, 80));
    Manage_Invert_Rect(100, 50, 200.4f, 30);
    EXPECT_TRUE(form_.image == before);
    // Reaching past the window's edges is clipped, not an error.
    Manage_Invert_Rect(600, 460, 100, 100);
    Manage_Invert_Rect(600, 460, 100, 100);
    EXPECT_TRUE(form_.image == before);
    EXPECT_EQ(host().PresentCount(), 0);  // the caller refreshes
}

TEST_F(ManageTextTest, CopyScreenSavesAndRestoresWithoutRefreshing) {
    const platform::Surface before = form_.image;
    Manage_Copy_Screen(vb::kTrue);
    EXPECT_TRUE(back_ == before);
    Manage_Draw_Text("一時的な表示", 100, 100, 540, 140, 12, 0xFFFFFF, 2);
    EXPECT_FALSE(form_.image == before);
    const int presents = host().PresentCount();
    Manage_Copy_Screen(vb::kFalse);
    EXPECT_TRUE(form_.image == before);
    EXPECT_EQ(host().PresentCount(), presents);
    // Any value other than True restores.
    form_.image.Fill(0);
    Manage_Copy_Screen(1);
    EXPECT_TRUE(form_.image == before);
}

TEST_F(ManageTextTest, FontSizeAndColourStaySetAndTheRectangleIsRounded) {
    const platform::Surface before = form_.image;
    Manage_Draw_Text("全角入力を解除して下さい", 200.5f, 400, 640, 480.5f, 8, 255, 0);
    EXPECT_EQ(form_.FontSize, 8);
    EXPECT_EQ(form_.ForeColor, 255u);
    EXPECT_EQ(gudtTextRect.Left, 200);  // half to even
    EXPECT_EQ(gudtTextRect.Top, 400);
    EXPECT_EQ(gudtTextRect.Right, 640);
    EXPECT_EQ(gudtTextRect.Bottom, 480);
    // The text was drawn in red inside the rectangle, and the window refreshed.
    int red = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            if (form_.image.At(x, y) == 255u && before.At(x, y) != 255u) {
                ++red;
                EXPECT_GE(x, 200);
                EXPECT_GE(y, 400);
            }
        }
    }
    EXPECT_GT(red, 20);
    EXPECT_EQ(host().PresentCount(), 1);
    EXPECT_TRUE(host().LastPresented() == form_.image);

    Manage_Draw_Text("FPS:16", 585, 455, 640, 480, 10, 0x00FF00, 0);
    EXPECT_EQ(form_.FontSize, 10);
    EXPECT_EQ(form_.ForeColor, 0x00FF00u);
    EXPECT_EQ(gudtTextRect.Left, 585);
}

TEST_F(ManageTextTest, EachTextCallIsTracedAfterTheLineBreakReplacement) {
    platform::Trace_CaptureStart();
    host().SetNow(1234);
    Manage_Draw_Text("一行目\\n二行目 \"引用\"", 60, 375, 586, 552, 10, platform::Rgb(0, 89, 245), 0);
    Manage_Draw_Text("", 0, 0, 640, 480, 20, 64, -1);
    EXPECT_EQ(platform::Trace_CaptureTake(),
              "1234 text \"一行目\\r\\n二行目 \\\"引用\\\"\" 60 375 586 552 10 16079104 0\n"
              "1234 text \"\" 0 0 640 480 20 64 -1\n");
}

TEST_F(ManageTextTest, MessageAreaPastTheBottomDrawsOnlyTheVisiblePart) {
    const platform::Surface before = form_.image;
    std::string text;
    for (int i = 0; i < 12; ++i) text += "これは十二行ある長いメッセージの一行です。\\n";
    Manage_Draw_Text(text, 60, 375, 586, 552, 10, platform::Rgb(0, 89, 245), 0);
    int changedLow = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            if (form_.image.At(x, y) == before.At(x, y)) continue;
            EXPECT_TRUE(x >= 60 && x < 586 && y >= 375) << x << "," << y;
            if (y >= 470) ++changedLow;
        }
    }
    EXPECT_GT(changedLow, 0);  // the lines run on to the bottom edge
}

TEST_F(ManageTextTest, WithoutAWindowTheCallsAreObjectErrors) {
    gobjMainForm = nullptr;
    for (int which = 0; which < 3; ++which) {
        try {
            if (which == 0) Manage_Draw_Text("x", 0, 0, 10, 10, 9, 0, 0);
            if (which == 1) Manage_Copy_Screen(vb::kTrue);
            if (which == 2) Manage_Invert_Rect(0, 0, 1, 1);
            ADD_FAILURE() << which;
        } catch (const vb::Error& e) {
            EXPECT_EQ(e.number(), vb::kErrObjectNotSet);
        }
    }
}

}  // namespace
