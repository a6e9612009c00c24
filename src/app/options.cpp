#include "app/options.h"

#include <charconv>
#include <filesystem>

#include "launcher/frmStart.h"

namespace {

template <typename T>
bool ParseNumber(const std::string& text, T& value) {
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin == end) return false;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end;
}

}  // namespace

std::string App_VersionText() {
    return "zove " + std::to_string(kStartVersionMajor) + "." + std::to_string(kStartVersionMinor) + "\n";
}

std::string App_Usage() {
    return "Usage: zove [options]\n"
           "\n"
           "Starts the launcher (or, with --no-launcher, the game window) on the game that game.ini\n"
           "next to the program names.\n"
           "\n"
           "Options:\n"
           "  --help             show this text and exit\n"
           "  --version          show the version and exit\n"
           "  --game DIR         play the game in DIR instead of the one game.ini names\n"
           "  --no-launcher      go straight to the game window with the settings of game.ini\n"
           "  --window           open the game window in window mode (game.ini is not changed)\n"
           "  --fullscreen       open the game window full-screen (game.ini is not changed)\n"
           "  --speed MS         the frame time in milliseconds, 0 to 1000 (game.ini is not changed)\n"
           "  --seed N           seed the random numbers with N (0 to 4294967295) instead of the clock\n"
           "  --replay FILE      play the replay FILE headless, on a virtual clock\n"
           "  --record FILE      record this session as a replay into FILE\n"
           "  --trace FILE       write a line into FILE for every observable action\n"
           "  --soundfont FILE   play music with this General MIDI soundfont\n"
           "\n"
           "Exit status: 0 when the game ends normally or a replay runs out of lines, 2 for a bad\n"
           "command line or replay file, 3 when a replay's expectation fails.\n"
           "The replay and trace formats are described in docs/replay.md.\n";
}

bool App_ParseOptions(const std::vector<std::string>& args, AppOptions& out, std::string& error) {
    out = AppOptions{};
    bool sawWindow = false;
    bool sawFullscreen = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::string value;
        bool hasValue = false;
        if (arg.rfind("--", 0) == 0) {
            const std::size_t eq = arg.find('=');
            if (eq != std::string::npos) {
                value = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
                hasValue = true;
            }
        }
        auto flag = [&](bool& target) {
            if (hasValue) {
                error = "option " + arg + " takes no value";
                return false;
            }
            target = true;
            return true;
        };
        auto takeValue = [&]() {
            if (hasValue) return true;
            if (i + 1 >= args.size()) {
                error = "option " + arg + " needs a value";
                return false;
            }
            value = args[++i];
            return true;
        };
        auto needFile = [&](std::string& target, bool mustExist) {
            if (!takeValue()) return false;
            if (value.empty()) {
                error = "option " + arg + " needs a file name";
                return false;
            }
            if (mustExist) {
                std::error_code ec;
                if (!std::filesystem::is_regular_file(value, ec)) {
                    error = "option " + arg + ": no such file: " + value;
                    return false;
                }
            }
            target = value;
            return true;
        };

        if (arg == "--help" || arg == "-h") {
            if (!flag(out.help)) return false;
        } else if (arg == "--version") {
            if (!flag(out.version)) return false;
        } else if (arg == "--no-launcher") {
            if (!flag(out.noLauncher)) return false;
        } else if (arg == "--window") {
            if (!flag(sawWindow)) return false;
            out.fullScreen = false;
        } else if (arg == "--fullscreen") {
            if (!flag(sawFullscreen)) return false;
            out.fullScreen = true;
        } else if (arg == "--game") {
            if (!takeValue()) return false;
            std::error_code ec;
            if (value.empty() || !std::filesystem::is_directory(value, ec)) {
                error = "option --game: no such folder: " + value;
                return false;
            }
            out.gameDir = value;
        } else if (arg == "--speed") {
            if (!takeValue()) return false;
            std::int32_t ms = 0;
            if (!ParseNumber(value, ms) || ms < 0 || ms > 1000) {
                error = "option --speed: expected a frame time of 0 to 1000 milliseconds, got '" + value + "'";
                return false;
            }
            out.speed = ms;
        } else if (arg == "--seed") {
            if (!takeValue()) return false;
            std::uint32_t seed = 0;
            if (!ParseNumber(value, seed)) {
                error = "option --seed: expected a number from 0 to 4294967295, got '" + value + "'";
                return false;
            }
            out.seed = seed;
        } else if (arg == "--replay") {
            if (!needFile(out.replayFile, true)) return false;
        } else if (arg == "--record") {
            if (!needFile(out.recordFile, false)) return false;
        } else if (arg == "--trace") {
            if (!needFile(out.traceFile, false)) return false;
        } else if (arg == "--soundfont") {
            if (!needFile(out.soundFont, true)) return false;
        } else if (arg.rfind("-", 0) == 0) {
            error = "unknown option " + args[i];
            return false;
        } else {
            error = "unexpected argument '" + arg + "'";
            return false;
        }
    }
    if (sawWindow && sawFullscreen) {
        error = "options --window and --fullscreen exclude each other";
        return false;
    }
    return true;
}
