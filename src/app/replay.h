// Replays: a text file with one command a line that drives a headless run on the scripted host.
// The runner sits in the host's idle hook: whenever the game is about to let virtual time pass it
// carries out the next lines, so inputs are queued at the current virtual time and delivered by the
// game's own pump, also inside nested handlers. The format is described in docs/replay.md.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/scripted_host.h"

enum class ReplayOp {
    Seed,        // seed N
    Wait,        // wait MS
    At,          // at MS: until the clock reads MS
    UntilState,  // until state N [MS]
    Click,       // click / rclick / mclick X Y: move there, press, release
    Move,        // move X Y
    Press,       // press X Y [left|right|middle]
    Release,     // release X Y [left|right|middle]
    Key,         // key NAME [alt] [ctrl] [shift]
    Hold,        // hold NAME MS [alt] [ctrl] [shift]
    Pad,         // pad X Y BUTTONS
    Launcher,    // launcher NAME
    Answer,      // answer yes|no
    Screenshot,  // screenshot FILE
    Dump,        // dump FILE
    ExpectState, // expect state N
    Close,       // close
};

struct ReplayCommand {
    int line = 0;
    std::string source;  // the line as written, for messages
    ReplayOp op = ReplayOp::Wait;
    std::int64_t number = 0;   // seed, wait/hold ms, state
    std::int64_t timeout = 0;  // until state
    float x = 0;
    float y = 0;
    int button = 0;  // mouse button, or pad buttons
    int key = 0;
    int shift = 0;
    int padX = 0;
    int padY = 0;
    bool yes = false;
    std::string text;  // launcher name, file
};

// Parses the whole replay. On an error returns false with "line N: ..." in error.
bool Replay_Parse(std::string_view text, std::vector<ReplayCommand>& out, std::string& error);

// The key code of a replay key name (Enter, Space, Escape, Tab, F4, Left, Up, Right, Down,
// Num1..Num4, any case) or of a decimal code 0..255; -1 when it is neither.
int Replay_KeyCode(std::string_view name);
// The name a replay uses for a key code (the decimal code when it has no name).
std::string Replay_KeyName(int code);

// Key repeat of "hold": the first repeat after this delay, then one every period.
inline constexpr std::uint32_t kReplayRepeatDelay = 500;
inline constexpr std::uint32_t kReplayRepeatPeriod = 33;
inline constexpr std::int64_t kReplayUntilDefault = 60000;

class ReplayRunner {
public:
    explicit ReplayRunner(std::vector<ReplayCommand> commands) : commands_(std::move(commands)) {}

    // Makes the runner the host's idle hook.
    void Install(platform::ScriptedHost& host);
    // Carries out the leading lines that prepare the run (seed, pad, answer) before the program
    // starts, so that the launcher's controller check already sees the pad.
    void Prepare(platform::ScriptedHost& host);
    // The idle hook: carries out lines until one needs time to pass; returns the virtual time at
    // which it wants to be asked again. Ends the program (status 0) when the lines run out, and
    // throws platform::ScriptFailure when an expectation fails.
    std::uint32_t Step(platform::ScriptedHost& host);

    bool Finished() const { return pc_ >= commands_.size(); }
    // Where the replay stands, for messages: "after replay line N (SOURCE)" naming the line
    // carried out last (empty for an empty replay).
    std::string Where() const;

private:
    // Carries out one line; false when it has to wait (wake then holds when to ask again).
    bool Execute(platform::ScriptedHost& host, const ReplayCommand& c, std::uint32_t& wake);
    [[noreturn]] void Fail(const ReplayCommand& c, const std::string& why) const;

    std::vector<ReplayCommand> commands_;
    std::size_t pc_ = 0;
    bool waiting_ = false;
    std::uint32_t until_ = 0;
    bool inStep_ = false;
};

// What the dump command writes: the game state and the game record as JSON.
std::string Replay_DumpJson();
// The surface a screenshot shows: the launcher while it is open, else the game window.
const platform::Surface& Replay_ScreenSurface();
