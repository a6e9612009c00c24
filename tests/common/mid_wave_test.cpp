#include <gtest/gtest.h>

#include "common/C_modMid.h"
#include "common/C_modWave.h"
#include "support/test_support.h"

namespace {

using platform::MusicMode;

class MidWaveTest : public testing_support::HostTest {
protected:
    // A game path to a file in the temporary folder, written the Windows way.
    std::string GamePath(const std::string& relative) { return dir_.Path() + "\\" + relative; }
    int Count(const std::string& entry) {
        int n = 0;
        for (const std::string& l : host().Log()) n += l == entry ? 1 : 0;
        return n;
    }
};

TEST_F(MidWaveTest, PlayReplacesThePieceAndResolvesTheGamePath) {
    const std::string first = dir_.Write("mid/Town.mid", "MThd");
    const std::string second = dir_.Write("mid/battle.mid", "MThd");
    Mid_Play(GamePath("MID\\town.MID"));
    EXPECT_EQ(host().MusicStatus(), MusicMode::Playing);
    Mid_Play(GamePath("mid\\battle.mid"));
    EXPECT_EQ(host().MusicStatus(), MusicMode::Playing);
    const std::vector<std::string> expected{
        "music-stop", "music-close", "music-open " + first,  "music-play",
        "music-stop", "music-close", "music-open " + second, "music-play"};
    EXPECT_EQ(host().Log(), expected);
}

TEST_F(MidWaveTest, EmptyPathOnlyStopsAndMissingFileLeavesNoMusicAndNoMessage) {
    dir_.Write("a.mid", "MThd");
    Mid_Play(GamePath("a.mid"));
    Mid_Play("");
    EXPECT_EQ(host().MusicStatus(), MusicMode::NotOpen);
    EXPECT_EQ(host().Log().back(), "music-close");
    EXPECT_EQ(Count("music-open " + dir_.File("a.mid")), 1);

    Mid_Play(GamePath("missing.mid"));
    EXPECT_EQ(host().MusicStatus(), MusicMode::NotOpen);
    // The loop check then finds no piece and does nothing either.
    const std::size_t before = host().Log().size();
    Mid_Check_Loop(vb::kTrue);
    EXPECT_EQ(host().Log().size(), before);
    EXPECT_TRUE(host().Messages().empty());
}

TEST_F(MidWaveTest, LoopCheckWithNothingEverOpenedDoesNothing) {
    Mid_Check_Loop(vb::kTrue);
    EXPECT_TRUE(host().Log().empty());
    EXPECT_TRUE(host().Messages().empty());
}

TEST_F(MidWaveTest, FinishedPieceRestartsOnlyWhenAskedAndPausedPieceStays) {
    dir_.Write("a.mid", "MThd");
    Mid_Play(GamePath("a.mid"));
    ASSERT_EQ(Count("music-play"), 1);

    Mid_Check_Loop(vb::kTrue);  // still playing: left alone
    EXPECT_EQ(Count("music-play"), 1);

    host().FinishMusic();
    Mid_Check_Loop(vb::kFalse);  // no loop wanted
    EXPECT_EQ(host().MusicStatus(), MusicMode::Stopped);
    Mid_Check_Loop(vb::kTrue);
    EXPECT_EQ(Count("music-play"), 2);
    EXPECT_EQ(host().MusicStatus(), MusicMode::Playing);

    host().PauseMusic();
    Mid_Check_Loop(vb::kTrue);
    EXPECT_EQ(Count("music-play"), 2);
    EXPECT_EQ(host().MusicStatus(), MusicMode::Paused);
}

TEST_F(MidWaveTest, StopClosesSoTheLoopCheckCannotRestart) {
    dir_.Write("a.mid", "MThd");
    Mid_Play(GamePath("a.mid"));
    host().FinishMusic();
    Mid_Stop();
    Mid_Check_Loop(vb::kTrue);
    EXPECT_EQ(Count("music-play"), 1);
    EXPECT_EQ(host().MusicStatus(), MusicMode::NotOpen);
}

TEST_F(MidWaveTest, WavePlayHandsTheResolvedPathToTheHost) {
    const std::string native = dir_.Write("Sound/Hit.wav", "RIFF");
    Wave_Play(GamePath("sound\\hit.wav"));
    Wave_Play(GamePath("sound\\none.wav"));
    ASSERT_EQ(host().Log().size(), 2u);
    EXPECT_EQ(host().Log()[0], "sound " + native);
    EXPECT_EQ(host().Log()[1], "sound " + dir_.File("Sound/none.wav"));
    EXPECT_TRUE(host().Messages().empty());
}

}  // namespace
