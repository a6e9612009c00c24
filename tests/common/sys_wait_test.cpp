#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "common/C_modSystem.h"
#include "platform/instance_lock.h"
#include "platform/pump.h"
#include "support/test_support.h"

namespace {

using platform::EventType;
using platform::InputEvent;

// Records what reaches the window, and may wait inside a handler.
class Recorder : public platform::Window {
public:
    std::vector<std::string> log;
    vb::Long nestedWait = -1;
    void OnInput(const InputEvent& e) override {
        log.push_back("input " + std::to_string(static_cast<int>(e.type)) + " at " +
                      std::to_string(platform::Host_Get().Ticks()));
        if (nestedWait >= 0) {
            const vb::Long w = nestedWait;
            nestedWait = -1;
            Sys_Wait(w);
            log.push_back("nested done at " + std::to_string(platform::Host_Get().Ticks()));
        }
    }
    vb::Long timerWait = -1;  // the next timer handler waits this long
    void OnTimer(int id) override {
        log.push_back("timer " + std::to_string(id) + " at " + std::to_string(platform::Host_Get().Ticks()));
        if (timerWait >= 0) {
            const vb::Long w = timerWait;
            timerWait = -1;
            Sys_Wait(w);
            log.push_back("timer done at " + std::to_string(platform::Host_Get().Ticks()));
        }
    }
};

class SysWaitTest : public testing_support::HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        platform::Pump_SetWindow(&window_);
        host().SetNow(1000);
    }
    Recorder window_;
};

TEST_F(SysWaitTest, LastsStrictlyLongerThanItsDuration) {
    const struct {
        vb::Long ms;
        std::uint32_t end;
    } cases[] = {{0, 1001}, {1, 1002}, {16, 1017}, {-5, 1000}, {-1, 1000}};
    for (const auto& c : cases) {
        host().SetNow(1000);
        Sys_Wait(c.ms);
        EXPECT_EQ(host().Ticks(), c.end) << c.ms;
    }
}

TEST_F(SysWaitTest, InputDuringAWaitIsHandledBeforeItReturns) {
    InputEvent click;
    click.type = EventType::MouseDown;
    host().Queue(click, 1005);
    Sys_Wait(10);
    EXPECT_EQ(window_.log, (std::vector<std::string>{"input 0 at 1005"}));
    EXPECT_EQ(host().Ticks(), 1011u);
}

TEST_F(SysWaitTest, WaitsNestAndTheOuterOneMayEndLate) {
    InputEvent click;
    click.type = EventType::MouseDown;
    host().Queue(click, 1002);
    window_.nestedWait = 50;
    Sys_Wait(10);
    // The inner wait runs from 1002 to 1053; the outer one then sees that its time has passed.
    EXPECT_EQ(window_.log, (std::vector<std::string>{"input 0 at 1002", "nested done at 1053"}));
    EXPECT_EQ(host().Ticks(), 1053u);
}

TEST_F(SysWaitTest, TimersTickDuringWaitsAndNeverNestInThemselves) {
    platform::Pump_SetTimer(2, 100);
    Sys_Wait(350);
    EXPECT_EQ(window_.log, (std::vector<std::string>{"timer 2 at 1100", "timer 2 at 1200", "timer 2 at 1300"}));

    // A handler that waits longer than its interval: the ticks due meanwhile do not run inside it
    // (and the wait does not spin on them); one tick follows when it returns.
    window_.log.clear();
    host().SetNow(2000);
    platform::Pump_SetTimer(2, 100);
    window_.timerWait = 250;
    Sys_Wait(400);
    EXPECT_EQ(window_.log, (std::vector<std::string>{"timer 2 at 2100", "timer done at 2351", "timer 2 at 2351"}));
    EXPECT_EQ(host().Ticks(), 2401u);
}

TEST_F(SysWaitTest, CheckInstanceRefusesASecondCopy) {
    ASSERT_TRUE(platform::Instance_Acquire("zove-test-instance"));
    const pid_t child = fork();
    if (child == 0) {
        // A separate program asks for the same lock without waiting: it must be refused (status 1).
        const std::string path = platform::Instance_LockPath("zove-test-instance");
        execl("/usr/bin/flock", "flock", "-n", path.c_str(), "true", static_cast<char*>(nullptr));
        _exit(99);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    platform::Instance_Release();
}

TEST_F(SysWaitTest, TheLockFileIsNeverOpenedThroughALink) {
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string savedDir = saved != nullptr ? saved : "";
    setenv("XDG_RUNTIME_DIR", dir_.Path().c_str(), 1);
    platform::Instance_Release();
    const std::string target = dir_.File("chosen-by-someone-else");
    ASSERT_EQ(symlink(target.c_str(), platform::Instance_LockPath("zove-link-test").c_str()), 0);
    // The lock cannot be taken, which counts as no other copy running; nothing is created.
    EXPECT_TRUE(platform::Instance_Acquire("zove-link-test"));
    platform::Instance_Release();
    if (saved != nullptr) {
        setenv("XDG_RUNTIME_DIR", savedDir.c_str(), 1);
    } else {
        unsetenv("XDG_RUNTIME_DIR");
    }
    EXPECT_NE(access(target.c_str(), F_OK), 0);
}

TEST_F(SysWaitTest, CheckInstanceShowsItsMessageAndEnds) {
    // The lock lives in this test's own runtime folder: a copy of the game running on this machine
    // neither disturbs the test nor is disturbed by it.
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string savedDir = saved != nullptr ? saved : "";
    setenv("XDG_RUNTIME_DIR", dir_.Path().c_str(), 1);
    platform::Instance_Release();
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    if (child == 0) {
        // This child holds the lock and says so; the parent's check then finds a running copy.
        close(ready[0]);
        if (!platform::Instance_Acquire("zove")) _exit(1);
        const char ok = 'y';
        if (write(ready[1], &ok, 1) != 1) _exit(1);
        sleep(5);
        _exit(0);
    }
    close(ready[1]);
    char got = 0;
    const bool childHolds = read(ready[0], &got, 1) == 1;
    close(ready[0]);
    bool ended = false;
    if (childHolds) {
        try {
            Sys_Check_Instance();
        } catch (const platform::ProgramExit&) {
            ended = true;
        }
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    // Once the running copy is gone, the lock is free again.
    const bool freeAgain = platform::Instance_Acquire("zove");
    platform::Instance_Release();
    if (saved != nullptr) {
        setenv("XDG_RUNTIME_DIR", savedDir.c_str(), 1);
    } else {
        unsetenv("XDG_RUNTIME_DIR");
    }
    ASSERT_TRUE(childHolds);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(freeAgain);
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_EQ(host().Messages()[0].text, "このソフトは二重に起動できません");
    EXPECT_EQ(host().Messages()[0].title, "エラー処理");
    EXPECT_EQ(host().Messages()[0].icon, platform::MsgIcon::Exclamation);
}

}  // namespace
