#include <gtest/gtest.h>

#include "core/C_modCtrPad.h"
#include "support/test_support.h"

namespace {

using platform::JoyCaps;
using platform::JoyPos;

class CtrPadTest : public testing_support::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        glngPadId = -1;
        glngPadX = glngPadY = glngPadButtons = 7;
    }
    vb::Boolean ready_ = 5;
};

constexpr const char* kNotConnected =
    "ゲームコントローラは接続されていません\r\n利用する場合、コントローラ接続後にゲームを再起動をしてください";
constexpr const char* kConnected = "ゲームコントローラの接続を確認しました";

TEST_F(CtrPadTest, NoDriverGivesEmptyTextAndNoController) {
    EXPECT_EQ(CtrPad_Init(ready_), "");
    EXPECT_EQ(ready_, vb::kFalse);
    EXPECT_EQ(glngPadId, -1);
    CtrPad_Poll();
    EXPECT_EQ(glngPadX, 0);
    EXPECT_EQ(glngPadY, 0);
    EXPECT_EQ(glngPadButtons, 0);
}

TEST_F(CtrPadTest, DriverWithoutAnsweringDeviceSaysNotConnected) {
    host().SetJoystickSlots(16, 16);
    EXPECT_EQ(CtrPad_Init(ready_), kNotConnected);
    EXPECT_EQ(ready_, vb::kFalse);
    EXPECT_EQ(glngPadId, -1);
}

TEST_F(CtrPadTest, FirstAnsweringDeviceIsTakenWithItsThresholds) {
    host().SetJoystick(16, JoyPos{}, JoyCaps{100, 60000, 0, 65535});
    host().SetJoystickSlots(16, 3);
    EXPECT_EQ(CtrPad_Init(ready_), kConnected);
    EXPECT_EQ(ready_, vb::kTrue);
    EXPECT_EQ(glngPadId, 3);
    EXPECT_EQ(glngPadXLow, 16484);
    EXPECT_EQ(glngPadXHigh, 43616);
    EXPECT_EQ(glngPadYLow, 16384);
    EXPECT_EQ(glngPadYHigh, 49151);
}

TEST_F(CtrPadTest, UnreadableCapabilitiesGiveMinusTwoAndNoInput) {
    host().SetJoystickSlots(2, 0, false);
    EXPECT_EQ(CtrPad_Init(ready_), "");
    EXPECT_EQ(ready_, vb::kFalse);
    EXPECT_EQ(glngPadId, -2);
    CtrPad_Poll();
    EXPECT_EQ(glngPadX, 0);
    EXPECT_EQ(glngPadButtons, 0);
}

TEST_F(CtrPadTest, PollTurnsAxesIntoDirectionsAndKeepsButtonBits) {
    struct Case {
        std::uint32_t x, y, buttons;
        vb::Long wantX, wantY;
    };
    // Thresholds of the full range: 16384 and 49151; only values beyond them count.
    const Case cases[] = {
        {32767, 32767, 0, 0, 0},  {0, 65535, 1, -1, 1},    {65535, 0, 2, 1, -1},
        {16384, 49151, 4, 0, 0},  {16383, 49152, 8, -1, 1}, {40000, 20000, 15, 0, 0},
    };
    host().SetJoystick(1, JoyPos{});
    ASSERT_EQ(CtrPad_Init(ready_), kConnected);
    for (const Case& c : cases) {
        host().SetJoystick(1, JoyPos{c.x, c.y, c.buttons});
        CtrPad_Poll();
        EXPECT_EQ(glngPadX, c.wantX) << c.x;
        EXPECT_EQ(glngPadY, c.wantY) << c.y;
        EXPECT_EQ(glngPadButtons, static_cast<vb::Long>(c.buttons));
    }
}

TEST_F(CtrPadTest, ControllerPulledOutReadsAsNoInput) {
    host().SetJoystick(1, JoyPos{0, 0, 1});
    ASSERT_EQ(CtrPad_Init(ready_), kConnected);
    host().SetJoystick(0, JoyPos{0, 0, 1});
    CtrPad_Poll();
    EXPECT_EQ(glngPadX, 0);
    EXPECT_EQ(glngPadY, 0);
    EXPECT_EQ(glngPadButtons, 0);
}

TEST_F(CtrPadTest, RangeBeyondThirtyTwoBitsIsShownAndEndsTheProgram) {
    host().SetJoystick(1, JoyPos{}, JoyCaps{0, 0xFFFFFFFFu, 0, 65535});
    try {
        CtrPad_Init(ready_);
        FAIL() << "the program should have ended";
    } catch (const platform::ProgramExit&) {
    }
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_EQ(host().Messages()[0].text, "オーバーフローしました。");
}

}  // namespace
