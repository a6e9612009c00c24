// The media commands: the six command names, the three index files and the picture rules.
#include <gtest/gtest.h>

#include <cstdio>

#include "common/paths.h"
#include "common/vb_error.h"
#include "core_fixture.h"
#include "effects/clsGraficEff.h"
#include "platform/raster.h"

namespace core_test {
namespace {

class MediaTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        BindWindow();
    }
    // A 4 x 3 picture: one colour with a white pixel at (1, 1) and a pure red one at (2, 1).
    void WriteSmall(const std::string& name) {
        dir_.Write("pic/" + name, BmpBytes(4, 3, [](int x, int y) {
                       if (y == 1 && x == 1) return platform::Colour{0xFFFFFF};
                       if (y == 1 && x == 2) return platform::Rgb(255, 0, 0);
                       return kCursorColour;
                   }));
    }
    void WritePicIni(const std::string& body) { dir_.WriteSjis("pic/pic.ini", "[PIC]\r\n" + body); }
};

TEST_F(MediaTest, CommandNamesInAnyCase) {
    WriteSmall("s.bmp");
    WritePicIni("5=s.bmp:10:20:4:3\r\n");
    struct Case {
        const char* command;
        std::vector<std::string> trace;
    };
    const Case cases[] = {
        {"PLAY_PIC", {"picture 5 10 20"}},
        {"play_pic", {"picture 5 10 20"}},
        {"Play_Mid", {"music 5"}},
        {"play_sou", {"sound 5"}},
        {"PLAY_TXT", {}},
        {"PLAY_XYZ", {}},
        {"", {}},
        {"PLAY_PI", {}},
    };
    for (const Case& c : cases) {
        TakeTrace();
        Event_Play(c.command, 5, "ignored");
        EXPECT_EQ(TakeTrace(), c.trace) << c.command;
    }
}

TEST_F(MediaTest, TextCommandDrawsOnlyItsTextInTheMessageArea) {
    const platform::Surface before = Screen();
    TakeTrace();
    Event_Play("PLAY_TXT", 3, "nothing");
    EXPECT_EQ(Screen(), before);
    Event_Play("play_mxt", 123, "こんにちは\\n庭へようこそ");
    EXPECT_EQ(TakeTrace(), std::vector<std::string>{"text \"こんにちは\\r\\n庭へようこそ\" 60 375 586 552 10 16079104 0"});
}

TEST_F(MediaTest, PictureAtItsStoredPlaceOrAtTheGivenOne) {
    WriteSmall("s.bmp");
    WritePicIni("5=  s.bmp :10:20:4:3\r\n6=s.bmp:1.5:2.5:2:2:extra:fields\r\n-3=s.bmp:0:0:4:3\r\n");
    Manage_Play_Pic(5, -1, -1, 0xFFFFFF);
    EXPECT_EQ(Screen().At(10, 20), kCursorColour);
    EXPECT_EQ(Screen().At(13, 22), kCursorColour);
    EXPECT_EQ(Screen().At(11, 21), 0xFFFFFFu);             // white: transparent, the window shows
    EXPECT_EQ(Screen().At(12, 21), platform::Rgb(255, 0, 0));  // red: painted with a white mask
    EXPECT_EQ(Screen().At(14, 20), 0xFFFFFFu);             // the width comes from the entry

    // Only one of x and y being -1 is a real position.
    TakeTrace();
    Manage_Play_Pic(5, -1, 100, 0xFFFFFF);
    EXPECT_EQ(TakeTrace(), std::vector<std::string>{"picture 5 -1 100"});
    EXPECT_EQ(Screen().At(0, 100), kCursorColour);  // column -1 is clipped, column 0 is the picture's 1

    // Six fields and more: the first five count; positions round half to even.
    Manage_Play_Pic(6, -1, -1, 0xFFFFFF);
    EXPECT_EQ(TakeTrace(), std::vector<std::string>{"picture 6 2 2"});

    Manage_Play_Pic(-3, 300, 300, 0xFFFFFF);
    EXPECT_EQ(TakeTrace(), std::vector<std::string>{"picture -3 300 300"});
}

TEST_F(MediaTest, MaskColourIsExact) {
    WriteSmall("s.bmp");
    WritePicIni("5=s.bmp:0:0:4:3\r\n");
    platform::Raster_Cls(Screen(), platform::Rgb(1, 2, 3));
    Manage_Play_Pic(5, 50, 50, platform::Rgb(255, 0, 0));
    EXPECT_EQ(Screen().At(52, 51), platform::Rgb(1, 2, 3));  // red left alone
    EXPECT_EQ(Screen().At(51, 51), 0xFFFFFFu);               // white painted
    EXPECT_EQ(Screen().At(50, 50), kCursorColour);
}

TEST_F(MediaTest, PictureErrorsReachTheCaller) {
    WriteSmall("s.bmp");
    WritePicIni("1=s.bmp:0:0:4\r\n2=gone.bmp:0:0:4:3\r\n3=\r\n4=pic.ini:0:0:4:3\r\n");
    struct Case {
        vb::Integer n;
        int error;
    };
    for (const Case c : {Case{1, vb::kErrSubscript}, Case{2, vb::kErrFileNotFound}, Case{3, vb::kErrSubscript},
                         Case{77, vb::kErrSubscript}, Case{4, vb::kErrInvalidPicture}}) {
        TakeTrace();
        try {
            Event_Play("PLAY_PIC", c.n);
            ADD_FAILURE() << "no error for picture " << c.n;
        } catch (const vb::Error& e) {
            EXPECT_EQ(e.number(), c.error) << "picture " << c.n;
        }
        EXPECT_TRUE(TakeTrace().empty());
    }
    EXPECT_TRUE(host().Messages().empty());
}

TEST_F(MediaTest, MusicEntriesPlayAndAMissingOneStops) {
    Event_Play("PLAY_MID", 1);
    const auto& log = host().Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], "music-open " + dir_.File("mid/title.mid"));
    EXPECT_EQ(log.back(), "music-play");
    EXPECT_EQ(host().MusicStatus(), platform::MusicMode::Playing);
    Event_Play("PLAY_MID", 42);
    EXPECT_NE(host().MusicStatus(), platform::MusicMode::Playing);
    EXPECT_TRUE(host().Messages().empty());
    // A missing index file is silence too.
    std::remove(dir_.File("mid/mid.ini").c_str());
    vb::Path_ClearCache();
    Event_Play("PLAY_MID", 1);
    EXPECT_NE(host().MusicStatus(), platform::MusicMode::Playing);
    EXPECT_TRUE(host().Messages().empty());
}

TEST_F(MediaTest, SoundEntriesPlayAndAMissingOneIsSilent) {
    dir_.Write("sound/click.wav", "RIFF");
    Event_Play("PLAY_SOU", 3);
    ASSERT_FALSE(host().Log().empty());
    EXPECT_EQ(host().Log().back(), "sound " + dir_.File("sound/click.wav"));
    const std::size_t before = host().Log().size();
    Event_Play("PLAY_SOU", 4);
    EXPECT_TRUE(host().Messages().empty());
    EXPECT_LE(host().Log().size(), before + 1);
}

TEST_F(MediaTest, EffectsPlayOnTheMainWindowAtTheCurrentSpeed) {
    platform::Raster_Cls(Screen(), kTitleColour);
    glngFrameTime = 5;
    TakeTrace();
    const std::uint32_t start = host().Ticks();
    Event_Play("PLAY_EFF", 7);  // black bands close
    const std::uint32_t fast = host().Ticks() - start;
    EXPECT_EQ(TakeTrace(), std::vector<std::string>{"effect 7"});
    EXPECT_EQ(Screen().At(320, 240), 0u);
    ASSERT_NE(gobjGraficEff, nullptr);
    EXPECT_EQ(gobjGraficEff->mObjForm, &frmMain_Form());
    EXPECT_EQ(gobjGraficEff->glngTime, 5);
    // The speed is read again on every effect.
    glngFrameTime = 10;
    const std::uint32_t again = host().Ticks();
    Event_Play("PLAY_EFF", 7);
    EXPECT_GT(host().Ticks() - again, fast);
}

}  // namespace
}  // namespace core_test
