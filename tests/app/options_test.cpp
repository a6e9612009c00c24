// The command line: what each option sets, and the messages for bad ones.
#include <gtest/gtest.h>

#include "app/app_main.h"
#include "app/options.h"
#include "support/test_support.h"

namespace {

struct BadCase {
    std::vector<std::string> args;
    const char* message;  // a part of the message
};

TEST(AppOptions, GoodCommandLines) {
    testing_support::TempDir dir;
    const std::string replay = dir.Write("a.replay", "wait 1\n");
    const std::string font = dir.Write("gm.sf2", "x");
    AppOptions o;
    std::string error;
    ASSERT_TRUE(App_ParseOptions({"--game", dir.Path(), "--no-launcher", "--window", "--speed", "22", "--seed",
                                  "4294967295", "--replay", replay, "--record", dir.File("r.replay"), "--trace",
                                  dir.File("t.txt"), "--soundfont", font},
                                 o, error))
        << error;
    EXPECT_EQ(o.gameDir, dir.Path());
    EXPECT_TRUE(o.noLauncher);
    EXPECT_EQ(o.fullScreen, false);
    EXPECT_EQ(o.speed, 22);
    EXPECT_EQ(o.seed, 4294967295u);
    EXPECT_EQ(o.replayFile, replay);
    EXPECT_EQ(o.recordFile, dir.File("r.replay"));
    EXPECT_EQ(o.traceFile, dir.File("t.txt"));
    EXPECT_EQ(o.soundFont, font);

    ASSERT_TRUE(App_ParseOptions({"--fullscreen", "--speed=0", "--seed=7"}, o, error)) << error;
    EXPECT_EQ(o.fullScreen, true);
    EXPECT_EQ(o.speed, 0);
    EXPECT_EQ(o.seed, 7u);
    EXPECT_FALSE(o.noLauncher);

    ASSERT_TRUE(App_ParseOptions({}, o, error));
    EXPECT_FALSE(o.fullScreen.has_value());
    EXPECT_FALSE(o.speed.has_value());
    ASSERT_TRUE(App_ParseOptions({"--help"}, o, error));
    EXPECT_TRUE(o.help);
    ASSERT_TRUE(App_ParseOptions({"--version"}, o, error));
    EXPECT_TRUE(o.version);
}

TEST(AppOptions, BadCommandLinesAreRefusedWithAMessage) {
    testing_support::TempDir dir;
    const BadCase cases[] = {
        {{"--fly"}, "unknown option --fly"},
        {{"-x"}, "unknown option -x"},
        {{"game"}, "unexpected argument 'game'"},
        {{"--speed"}, "--speed needs a value"},
        {{"--speed", "fast"}, "got 'fast'"},
        {{"--speed", "-5"}, "got '-5'"},
        {{"--speed", "1001"}, "got '1001'"},
        {{"--speed", "16ms"}, "got '16ms'"},
        {{"--seed", "4294967296"}, "--seed"},
        {{"--seed", ""}, "--seed"},
        {{"--game", dir.File("missing")}, "no such folder"},
        {{"--replay", dir.File("missing.replay")}, "no such file"},
        {{"--replay", dir.Path()}, "no such file"},
        {{"--soundfont", dir.File("none.sf2")}, "no such file"},
        {{"--trace"}, "--trace needs a value"},
        {{"--record="}, "needs a file name"},
        {{"--window", "--fullscreen"}, "exclude each other"},
        {{"--no-launcher=yes"}, "takes no value"},
    };
    for (const BadCase& c : cases) {
        AppOptions o;
        std::string error;
        EXPECT_FALSE(App_ParseOptions(c.args, o, error)) << c.args[0];
        EXPECT_NE(error.find(c.message), std::string::npos) << c.args[0] << ": " << error;
    }
}

TEST(AppOptions, ExitStatusOfTheProgram) {
    testing_support::TempDir dir;
    EXPECT_EQ(App_Main({"--bogus"}), kExitUsage);
    EXPECT_EQ(App_Main({"--speed", "x"}), kExitUsage);
    EXPECT_EQ(App_Main({"--help"}), kExitOk);
    EXPECT_EQ(App_Main({"--version"}), kExitOk);
    // A replay that does not parse is refused before anything runs.
    const std::string bad = dir.Write("bad.replay", "wait 10\nclick 1\n");
    EXPECT_EQ(App_Main({"--replay", bad}), kExitUsage);
    // A trace that cannot be written.
    const std::string good = dir.Write("good.replay", "wait 10\n");
    EXPECT_EQ(App_Main({"--replay", good, "--trace", dir.File("no/such/dir/t.txt")}), kExitUsage);
    EXPECT_EQ(App_Main({"--replay", good, "--record", dir.File("no/such/dir/r.replay")}), kExitUsage);
}

TEST(AppOptions, UsageNamesEveryOption) {
    const std::string usage = App_Usage();
    for (const char* option : {"--help", "--version", "--game DIR", "--no-launcher", "--window", "--fullscreen",
                               "--speed MS", "--seed N", "--replay FILE", "--record FILE", "--trace FILE",
                               "--soundfont FILE"}) {
        EXPECT_NE(usage.find(option), std::string::npos) << option;
    }
    EXPECT_EQ(App_VersionText(), "zove 1.2\n");
}

TEST(AppTracePath, RelativeToTheGameFolder) {
    testing_support::TempDir dir;
    dir.Write("game/save/x", "");
    const std::string game = dir.Path() + "\\game\\";
    EXPECT_EQ(App_TracePath(dir.File("game/save/1.dat"), game), "save/1.dat");
    EXPECT_EQ(App_TracePath(dir.File("game.ini"), game), "../game.ini");
    EXPECT_EQ(App_TracePath(dir.File("game.ini"), ""), dir.File("game.ini"));
    EXPECT_EQ(App_GameDirOption(dir.File("game")), dir.File("game") + "/");
    EXPECT_EQ(App_GameDirOption(dir.File("game") + "/"), dir.File("game") + "/");
}

}  // namespace
