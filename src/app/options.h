// The command line of the program.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct AppOptions {
    bool help = false;
    bool version = false;
    std::optional<std::string> gameDir;  // as given
    bool noLauncher = false;
    std::optional<bool> fullScreen;      // --fullscreen / --window
    std::optional<std::int32_t> speed;   // frame time in ms
    std::optional<std::uint32_t> seed;
    std::string replayFile;
    std::string recordFile;
    std::string traceFile;
    std::string soundFont;
};

// Parses argv[1..]. On a bad command line returns false with a message for the user in error.
// Files named by options are checked here where a missing one would only fail later (the replay,
// the sound font, the game folder).
bool App_ParseOptions(const std::vector<std::string>& args, AppOptions& out, std::string& error);

// The text of --help.
std::string App_Usage();
// The text of --version.
std::string App_VersionText();

// Exit statuses of the program.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;   // a bad command line or replay file
inline constexpr int kExitScript = 3;  // a replay's expectation failed
