#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include "support/test_support.h"

namespace {

using platform::Surface;

class ScriptedHostTest : public testing_support::HostTest {};

TEST_F(ScriptedHostTest, ScreenshotIsThePresentedPictureAsPng) {
    Surface s(7, 3, 0xFFFFFF);
    s.At(0, 0) = platform::Rgb(255, 0, 0);
    s.At(6, 0) = platform::Rgb(0, 255, 0);
    s.At(3, 2) = platform::Rgb(1, 2, 3);
    host().Present(s);
    s.At(0, 0) = 0;  // drawing after the present does not reach the picture taken
    const std::string path = dir_.File("shot.png");
    ASSERT_TRUE(host().SaveScreenshot(path));
    EXPECT_EQ(host().Log().back(), "screenshot " + path);

    SDL_Surface* loaded = IMG_Load(path.c_str());
    ASSERT_NE(loaded, nullptr) << IMG_GetError();
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_XBGR8888, 0);
    SDL_FreeSurface(loaded);
    ASSERT_NE(rgba, nullptr);
    ASSERT_EQ(rgba->w, 7);
    ASSERT_EQ(rgba->h, 3);
    for (int y = 0; y < 3; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const Uint8*>(rgba->pixels) + y * rgba->pitch);
        for (int x = 0; x < 7; ++x) {
            EXPECT_EQ(row[x] & 0xFFFFFF, host().LastPresented().At(x, y)) << x << "," << y;
        }
    }
    SDL_FreeSurface(rgba);
}

TEST_F(ScriptedHostTest, ScreenshotFailsWithoutPictureOrWritableFolder) {
    EXPECT_FALSE(host().SaveScreenshot(dir_.File("none.png")));  // nothing presented yet
    host().Present(Surface(4, 4));
    EXPECT_FALSE(host().SaveScreenshot(dir_.File("missing/folder/shot.png")));
}

TEST_F(ScriptedHostTest, JoystickSlotsAnswerFromTheFirstConnectedOn) {
    host().SetJoystick(4, platform::JoyPos{1, 2, 3}, platform::JoyCaps{10, 20, 30, 40});
    host().SetJoystickSlots(4, 2, false);
    platform::JoyPos p;
    platform::JoyCaps c;
    EXPECT_EQ(host().JoyNumDevs(), 4);
    EXPECT_FALSE(host().JoyGetPos(1, p));
    ASSERT_TRUE(host().JoyGetPos(2, p));
    EXPECT_EQ(p.buttons, 3u);
    EXPECT_FALSE(host().JoyGetPos(4, p));
    EXPECT_FALSE(host().JoyGetCaps(2, c));
}

TEST_F(ScriptedHostTest, MusicStatesFollowTheCommands) {
    const std::string mid = dir_.Write("a.mid", "MThd");
    using platform::MusicMode;
    EXPECT_EQ(host().MusicStatus(), MusicMode::NotOpen);
    host().MusicPlay();  // nothing open: nothing plays
    EXPECT_EQ(host().MusicStatus(), MusicMode::NotOpen);
    ASSERT_TRUE(host().MusicOpen(mid));
    EXPECT_EQ(host().MusicStatus(), MusicMode::Stopped);
    host().MusicPlay();
    host().PauseMusic();
    EXPECT_EQ(host().MusicStatus(), MusicMode::Paused);
    host().FinishMusic();  // a paused piece does not run out
    EXPECT_EQ(host().MusicStatus(), MusicMode::Paused);
    host().ResumeMusic();
    host().FinishMusic();
    EXPECT_EQ(host().MusicStatus(), MusicMode::Stopped);
    host().MusicClose();
    EXPECT_EQ(host().MusicStatus(), MusicMode::NotOpen);
    EXPECT_FALSE(host().MusicOpen(dir_.File("none.mid")));
}

}  // namespace
