// The replay format and its runner: parse errors name the line; inputs arrive at the virtual time
// their line is reached, also inside a handler that is waiting; until/expect failures and the end
// of the lines end the run as documented. A recorded run plays back identically.
#include <gtest/gtest.h>

#include <functional>

#include "app/recorder.h"
#include "app/replay.h"
#include "common/C_modSystem.h"
#include "common/random.h"
#include "core/modEvent.h"
#include "platform/pump.h"
#include "support/test_support.h"

namespace {

using platform::EventType;
using platform::InputEvent;

std::vector<ReplayCommand> Parse(const std::string& text) {
    std::vector<ReplayCommand> out;
    std::string error;
    EXPECT_TRUE(Replay_Parse(text, out, error)) << error;
    return out;
}

TEST(ReplayParse, EveryCommand) {
    const auto c = Parse(
        "# a comment\n"
        "seed 42\r\n"
        "\n"
        "wait 100   # trailing comment\n"
        "at 5000\n"
        "until state 5\n"
        "until state 3 2000\n"
        "click 10 20.5\n"
        "rclick 1 2\n"
        "mclick 3 4\n"
        "move 5 6\n"
        "press 7 8 right\n"
        "release 7 8\n"
        "key Enter\n"
        "key f4 alt\n"
        "key 229\n"
        "hold Down 700 shift\n"
        "pad -1 1 3\n"
        "launcher M_SA4\n"
        "answer No\n"
        "screenshot shot.png\n"
        "dump state.json\n"
        "expect state 14\n"
        "close");
    ASSERT_EQ(c.size(), 22u);
    EXPECT_EQ(c[0].op, ReplayOp::Seed);
    EXPECT_EQ(c[0].number, 42);
    EXPECT_EQ(c[0].line, 2);
    EXPECT_EQ(c[1].op, ReplayOp::Wait);
    EXPECT_EQ(c[1].number, 100);
    EXPECT_EQ(c[1].line, 4);
    EXPECT_EQ(c[2].op, ReplayOp::At);
    EXPECT_EQ(c[3].timeout, kReplayUntilDefault);
    EXPECT_EQ(c[4].number, 3);
    EXPECT_EQ(c[4].timeout, 2000);
    EXPECT_EQ(c[5].op, ReplayOp::Click);
    EXPECT_EQ(c[5].button, platform::kButtonLeft);
    EXPECT_FLOAT_EQ(c[5].y, 20.5f);
    EXPECT_EQ(c[6].button, platform::kButtonRight);
    EXPECT_EQ(c[7].button, platform::kButtonMiddle);
    EXPECT_EQ(c[9].op, ReplayOp::Press);
    EXPECT_EQ(c[9].button, platform::kButtonRight);
    EXPECT_EQ(c[10].button, platform::kButtonLeft);
    EXPECT_EQ(c[11].key, platform::kKeyEnter);
    EXPECT_EQ(c[12].key, platform::kKeyF4);
    EXPECT_EQ(c[12].shift, platform::kShiftAlt);
    EXPECT_EQ(c[13].key, 229);
    EXPECT_EQ(c[14].op, ReplayOp::Hold);
    EXPECT_EQ(c[14].number, 700);
    EXPECT_EQ(c[14].shift, platform::kShiftShift);
    EXPECT_EQ(c[15].padX, -1);
    EXPECT_EQ(c[15].padY, 1);
    EXPECT_EQ(c[15].button, 3);
    EXPECT_EQ(c[16].text, "M_SA4");
    EXPECT_FALSE(c[17].yes);
    EXPECT_EQ(c[18].text, "shot.png");
    EXPECT_EQ(c[20].op, ReplayOp::ExpectState);
    EXPECT_EQ(c[20].number, 14);
    EXPECT_EQ(c[21].op, ReplayOp::Close);
}

TEST(ReplayParse, ErrorsNameTheLineAndTheProblem) {
    const std::pair<const char*, const char*> cases[] = {
        {"wait 1\njump 3\n", "line 2: unknown command 'jump'"},
        {"wait\n", "line 1: expected: wait MS"},
        {"wait -5\n", "line 1: '-5' is not a time"},
        {"wait 10ms\n", "'10ms' is not a time"},
        {"until 3\n", "expected: until state N [MS]"},
        {"until state x\n", "'x' is not a state number"},
        {"click 10\n", "expected: click X Y"},
        {"click a b\n", "X and Y must be numbers"},
        {"move 1 nan\n", "X and Y must be numbers"},
        {"key Entr\n", "unknown key 'Entr'"},
        {"key 256\n", "unknown key '256'"},
        {"key Enter meta\n", "unknown key modifier 'meta'"},
        {"hold Down\n", "expected: hold NAME MS"},
        {"pad 2 0 0\n", "directions: -1, 0 or 1"},
        {"pad 0 0 x\n", "BUTTONS"},
        {"launcher Command9\n", "no control 'Command9'"},
        {"answer maybe\n", "expected: answer yes|no"},
        {"screenshot\n", "expected: screenshot FILE"},
        {"expect 3\n", "expected: expect state N"},
        {"seed -1\n", "the seed must be"},
        {"press 1 2 thumb\n", "unknown mouse button 'thumb'"},
        {"close now\n", "expected: close"},
    };
    for (const auto& [text, message] : cases) {
        std::vector<ReplayCommand> out;
        std::string error;
        EXPECT_FALSE(Replay_Parse(text, out, error)) << text;
        EXPECT_NE(error.find(message), std::string::npos) << text << " -> " << error;
    }
}

TEST(ReplayParse, KeyNames) {
    for (const auto& [name, code] : std::vector<std::pair<std::string, int>>{{"Enter", 13},
                                                                             {"space", 32},
                                                                             {"ESCAPE", 27},
                                                                             {"Tab", 9},
                                                                             {"F4", 115},
                                                                             {"Left", 37},
                                                                             {"Up", 38},
                                                                             {"Right", 39},
                                                                             {"Down", 40},
                                                                             {"Num1", 97},
                                                                             {"Num4", 100},
                                                                             {"0", 0},
                                                                             {"18", 18}}) {
        EXPECT_EQ(Replay_KeyCode(name), code) << name;
    }
    EXPECT_EQ(Replay_KeyName(40), "Down");
    EXPECT_EQ(Replay_KeyName(229), "229");
}

// A window that writes down what reaches it and when; Space makes it wait (a long handler).
class LogWindow : public platform::Window {
public:
    std::vector<std::string> log;
    std::function<void(const InputEvent&)> extra;
    void OnInput(const InputEvent& e) override {
        const std::uint32_t t = platform::Host_Get().Ticks();
        log.push_back(std::to_string(t) + " " + RecordingHost::EventLine(e) + (e.type == EventType::KeyUp ? "up" : ""));
        if (e.type == EventType::KeyDown && e.key == platform::kKeySpace) {
            log.push_back(std::to_string(t) + " wait-start");
            Sys_Wait(500);
            log.push_back(std::to_string(platform::Host_Get().Ticks()) + " wait-end");
        }
        if (extra) extra(e);
    }
    void OnTimer(int id) override { log.push_back(std::to_string(platform::Host_Get().Ticks()) + " timer " + std::to_string(id)); }
};

class ReplayRunnerTest : public testing_support::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        platform::Pump_SetWindow(&window_);
        gintGameState = 0;
    }
    void TearDown() override {
        host().SetIdleHook(nullptr);
        vb::Rnd_UnfixSeed();
        HostTest::TearDown();
    }
    // Runs the replay to its end; returns the exit status (3 for a failure, message in failure_).
    int Run(const std::string& text) {
        runner_ = std::make_unique<ReplayRunner>(Parse(text));
        runner_->Install(host());
        runner_->Prepare(host());
        try {
            platform::Pump_Run();
        } catch (const platform::ProgramExit& e) {
            return e.code;
        } catch (const platform::ScriptFailure& f) {
            failure_ = f.message;
            return 3;
        }
    }
    std::vector<std::string>& Log() { return window_.log; }
    LogWindow window_;
    std::unique_ptr<ReplayRunner> runner_;
    std::string failure_;
};

TEST_F(ReplayRunnerTest, InputsArriveAtTheTimeTheirLineIsReached) {
    EXPECT_EQ(Run("wait 250\nclick 10 20\nwait 100\nkey Up alt\nrclick 1 2\n"), 0);
    const std::vector<std::string> want = {
        "250 move 10 20", "250 press 10 20", "250 release 10 20", "350 key Up alt", "350 up",
        "350 move 1 2",   "350 press 1 2 right", "350 release 1 2 right",
    };
    EXPECT_EQ(window_.log, want);
}

TEST_F(ReplayRunnerTest, InputReachesAHandlerThatIsWaiting) {
    // Space starts a 500 ms wait; the Enter line comes due 200 ms into it and is handled inside.
    EXPECT_EQ(Run("key Space\nwait 200\nkey Enter\nwait 1000\n"), 0);
    const std::vector<std::string> want = {"0 key Space", "0 wait-start", "0 up", "200 key Enter", "200 up",
                                           "501 wait-end"};
    EXPECT_EQ(window_.log, want);
}

TEST_F(ReplayRunnerTest, TimersTickWhileTheReplayWaits) {
    platform::Pump_SetTimer(1, 100);
    EXPECT_EQ(Run("wait 350\n"), 0);
    const std::vector<std::string> want = {"100 timer 1", "200 timer 1", "300 timer 1"};
    EXPECT_EQ(window_.log, want);
    EXPECT_EQ(host().Ticks(), 350u);
}

TEST_F(ReplayRunnerTest, HoldRepeatsTheKeyAndReleasesItAtTheEnd) {
    EXPECT_EQ(Run("hold Down 600\nkey Up\n"), 0);
    const std::vector<std::string> want = {"0 key Down", "500 key Down", "533 key Down", "566 key Down",
                                           "599 key Down", "600 up", "600 key Up", "600 up"};
    EXPECT_EQ(window_.log, want);
}

TEST_F(ReplayRunnerTest, UntilWaitsForTheStateAndFailsAfterItsTime) {
    // The game changes state on the third timer tick.
    platform::Pump_SetTimer(1, 100);
    int ticks = 0;
    struct TickState : LogWindow {
        int* ticks;
        void OnTimer(int) override {
            if (++*ticks == 3) gintGameState = 5;
        }
    } w;
    w.ticks = &ticks;
    platform::Pump_SetWindow(&w);
    EXPECT_EQ(Run("until state 5 1000\nexpect state 5\nkey Enter\n"), 0);
    EXPECT_EQ(host().Ticks(), 300u);
    ASSERT_EQ(w.log.size(), 2u);
    EXPECT_EQ(w.log[0], "300 key Enter");

    EXPECT_EQ(Run("until state 7 250\n"), 3);
    EXPECT_EQ(failure_, "replay line 1 (until state 7 250): the state is still 5 after 250 ms");
}

TEST_F(ReplayRunnerTest, ExpectAndLauncherFailuresNameTheLine) {
    EXPECT_EQ(Run("wait 10\n# nothing here\nexpect state 3\n"), 3);
    EXPECT_EQ(failure_, "replay line 3 (expect state 3): the state is 0");
    EXPECT_EQ(Run("launcher Command1\n"), 3);
    EXPECT_NE(failure_.find("line 1 (launcher Command1): the launcher is not open"), std::string::npos);
}

TEST_F(ReplayRunnerTest, ScreenshotAndDumpWriteTheirFiles) {
    gintGameState = 7;
    gintChoice = 2;
    EXPECT_EQ(Run("screenshot " + dir_.File("shot.png") + "\ndump " + dir_.File("d.json") + "\n"), 0) << failure_;
    const std::string png = testing_support::ReadBytes(dir_.File("shot.png"));
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    const std::string json = testing_support::ReadBytes(dir_.File("d.json"));
    for (const char* part : {"{\"gintGameState\":7,", "\"gintReturnState\":", "\"glngFrameTime\":", "\"gintChoice\":2,",
                             "\"gudtGame\":{\"udtProgress\":{"}) {
        EXPECT_NE(json.find(part), std::string::npos) << part << " in " << json.substr(0, 200);
    }
    EXPECT_EQ(Run("wait 5\nscreenshot " + dir_.File("no/dir/x.png") + "\n"), 3);
    EXPECT_NE(failure_.find("replay line 2 (screenshot"), std::string::npos) << failure_;
    EXPECT_NE(failure_.find("cannot write"), std::string::npos) << failure_;
}

TEST_F(ReplayRunnerTest, PreparedLinesComeBeforeTheStartAndAnswersWaitForTheirBox) {
    runner_ = std::make_unique<ReplayRunner>(Parse("seed 9\npad 1 -1 5\nanswer no\nanswer yes\nwait 5\n"));
    runner_->Prepare(host());
    platform::JoyPos pos;
    ASSERT_EQ(host().JoyNumDevs(), 1);
    ASSERT_TRUE(host().JoyGetPos(0, pos));
    EXPECT_EQ(pos.x, 65535u);
    EXPECT_EQ(pos.y, 0u);
    EXPECT_EQ(pos.buttons, 5u);
    EXPECT_EQ(Sys_MsgBox("q", "t", platform::MsgButtons::YesNo), platform::MsgAnswer::No);
    EXPECT_EQ(Sys_MsgBox("q", "t", platform::MsgButtons::YesNo), platform::MsgAnswer::Yes);
    const float first = vb::Rnd();
    vb::Randomize(9);
    EXPECT_EQ(vb::Rnd(), first);
    EXPECT_FALSE(runner_->Finished());
}

TEST_F(ReplayRunnerTest, ARecordedRunPlaysBackTheSame) {
    // First run: a replay drives the window through the recorder; Escape asks a question.
    window_.extra = [this](const InputEvent& e) {
        if (e.type == EventType::KeyDown && e.key == platform::kKeyEscape) {
            Sys_MsgBox("終了しますか？", "SYSTEM MSG", platform::MsgButtons::YesNo);
        }
        if (e.type == EventType::KeyDown && e.key == platform::kKeyEnter) {
            platform::JoyPos p;
            platform::Host_Get().JoyGetPos(0, p);
            Log().push_back("pad " + std::to_string(p.x) + " " + std::to_string(p.buttons));
        }
    };
    const char* script =
        "pad 0 0 0\n"
        "answer no\n"
        "wait 120\n"
        "click 100.25 200\n"
        "key Space\n"
        "wait 100\n"
        "key Escape\n"
        "pad 1 0 2\n"
        "key Enter\n"
        "wait 700\n"
        "hold Tab 550\n"
        "close\n";
    RecordingHost recorder(host());
    recorder.SetSeed(3);
    ASSERT_TRUE(recorder.Open(dir_.File("rec.replay")));
    platform::Host_Set(&recorder);
    runner_ = std::make_unique<ReplayRunner>(Parse(script));
    runner_->Install(host());
    runner_->Prepare(host());
    platform::JoyPos p;
    recorder.JoyGetPos(0, p);  // the launcher's controller check
    try {
        platform::Pump_Run();
    } catch (const platform::ProgramExit&) {
    }
    const std::vector<std::string> first = window_.log;
    const std::string recording = recorder.Text();
    // The file written along the way holds the same once finished.
    ASSERT_TRUE(recorder.Finish());
    EXPECT_EQ(testing_support::ReadBytes(dir_.File("rec.replay")), recording);
    ASSERT_FALSE(first.empty());
    EXPECT_NE(recording.find("seed 3\n"), std::string::npos);
    EXPECT_NE(recording.find("pad 0 0 0\n"), std::string::npos);
    EXPECT_NE(recording.find("pad 1 0 2\nkey Enter\n"), std::string::npos) << recording;
    EXPECT_NE(std::find(first.begin(), first.end(), "pad 65535 2"), first.end());
    EXPECT_NE(recording.find("answer no\nkey Escape\n"), std::string::npos) << recording;
    EXPECT_NE(recording.find("press 100.25 200\n"), std::string::npos) << recording;

    // Second run: the recording alone, on a fresh host.
    host().SetIdleHook(nullptr);
    host_ = std::make_unique<platform::ScriptedHost>();
    platform::Host_Set(host_.get());
    window_.log.clear();
    EXPECT_EQ(Run(recording), 0) << failure_ << "\n" << recording;
    // The replayed run receives the same events at the same times (key releases aside, which the
    // recording leaves to "key").
    auto withoutReleases = [](std::vector<std::string> log) {
        std::erase_if(log, [](const std::string& s) { return s.ends_with(" up"); });
        return log;
    };
    EXPECT_EQ(withoutReleases(window_.log), withoutReleases(first));
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_EQ(host().Messages()[0].answer, platform::MsgAnswer::No);
}

}  // namespace

namespace {

TEST(RecordingHostTest, TheFileKeepsUpWithTheSession) {
    testing_support::TempDir dir;
    platform::ScriptedHost inner;
    RecordingHost recorder(inner);
    recorder.AddHeader("zove --test");
    ASSERT_TRUE(recorder.Open(dir.File("r.replay")));
    auto deliver = [&](EventType type, int key, std::uint32_t at) {
        InputEvent e;
        e.type = type;
        e.key = key;
        e.x = 3.5f;
        e.y = 4;
        inner.SetNow(at);
        inner.Queue(e);
        InputEvent got;
        ASSERT_TRUE(recorder.PollEvent(got));
    };
    deliver(EventType::MouseMove, 0, 10);
    deliver(EventType::KeyDown, platform::kKeyEnter, 20);
    deliver(EventType::KeyUp, platform::kKeyEnter, 25);
    deliver(EventType::KeyDown, platform::kKeyTab, 30);
    // Everything before the event delivered last is in the file already, as if the program had
    // crashed now.
    EXPECT_EQ(testing_support::ReadBytes(dir.File("r.replay")),
              "# zove replay, recorded from a session\n# zove --test\nat 10\nmove 3.5 4\nat 20\nkey Enter\n");
    inner.SetNow(50);
    ASSERT_TRUE(recorder.Finish());
    EXPECT_EQ(testing_support::ReadBytes(dir.File("r.replay")),
              "# zove replay, recorded from a session\n# zove --test\nat 10\nmove 3.5 4\nat 20\nkey Enter\n"
              "at 30\nkey Tab\nat 50\n# the session ended here\n");
}

}  // namespace
