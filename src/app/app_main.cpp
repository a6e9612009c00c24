#include "app/app_main.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/options.h"
#include "app/recorder.h"
#include "app/replay.h"
#include "common/C_modFileIO.h"
#include "common/C_modSystem.h"
#include "common/paths.h"
#include "common/random.h"
#include "core/G_modGameInfo.h"
#include "core/frmMain.h"
#include "launcher/frmStart.h"
#include "platform/font.h"
#include "platform/instance_lock.h"
#include "platform/pump.h"
#include "platform/scripted_host.h"
#include "platform/sdl/sdl_host.h"
#include "platform/trace.h"
#include "save/G_modManage_Save.h"

namespace fs = std::filesystem;

namespace {

bool ReadWholeFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream ss;
    ss << in.rdbuf();
    out = ss.str();
    return !in.bad();
}

// Makes sure a file can be written before the session starts, so that a recording or a trace is
// not lost at its end.
bool CanCreate(const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    return static_cast<bool>(out);
}

int Usage(const std::string& message) {
    std::fprintf(stderr, "zove: %s\nTry 'zove --help'.\n", message.c_str());
    return kExitUsage;
}

}  // namespace

std::string App_TracePath(const std::string& nativeFile, const std::string& gameDir) {
    std::error_code ec;
    const fs::path file = fs::weakly_canonical(fs::absolute(nativeFile, ec), ec);
    if (gameDir.empty()) return file.generic_string();
    const fs::path dir = fs::weakly_canonical(fs::absolute(vb::Path_Resolve(gameDir), ec), ec);
    if (file.root_path() != dir.root_path()) return file.generic_string();
    const fs::path rel = file.lexically_relative(dir);
    if (rel.empty()) return file.generic_string();
    return rel.generic_string();
}

std::string App_GameDirOption(const std::string& dir) {
    std::error_code ec;
    std::string s = fs::absolute(dir, ec).lexically_normal().string();
    if (s.empty()) s = dir;
    if (s.back() != '/') s += '/';
    return s;
}

int App_Main(const std::vector<std::string>& args) {
    AppOptions o;
    std::string error;
    if (!App_ParseOptions(args, o, error)) return Usage(error);
    if (o.help) {
        std::fputs(App_Usage().c_str(), stdout);
        return kExitOk;
    }
    if (o.version) {
        std::fputs(App_VersionText().c_str(), stdout);
        return kExitOk;
    }

    std::vector<ReplayCommand> commands;
    if (!o.replayFile.empty()) {
        std::string text;
        if (!ReadWholeFile(o.replayFile, text)) return Usage("cannot read the replay " + o.replayFile);
        if (!Replay_Parse(text, commands, error)) {
            std::fprintf(stderr, "zove: %s: %s\n", o.replayFile.c_str(), error.c_str());
            return kExitUsage;
        }
    }
    if (!o.recordFile.empty() && !CanCreate(o.recordFile)) return Usage("cannot write the recording " + o.recordFile);
    if (!o.traceFile.empty() && !platform::Trace_Open(o.traceFile)) {
        return Usage("cannot write the trace " + o.traceFile);
    }

    // The host: headless for a replay, a real window otherwise.
    std::unique_ptr<platform::ScriptedHost> scripted;
    std::unique_ptr<platform::SdlHost> sdl;
    platform::Host* base = nullptr;
    if (!o.replayFile.empty()) {
        scripted = std::make_unique<platform::ScriptedHost>();
        base = scripted.get();
    } else {
        sdl = std::make_unique<platform::SdlHost>();
        if (!o.soundFont.empty()) sdl->SetSoundFont(o.soundFont);
        if (!sdl->Init(false)) {
            platform::Trace_Close();
            return 1;
        }
        base = sdl.get();
    }
    std::unique_ptr<RecordingHost> recorder;
    if (!o.recordFile.empty()) {
        recorder = std::make_unique<RecordingHost>(*base);
        std::string line = "zove";
        for (const std::string& a : args) line += " " + a;
        recorder->AddHeader(line);
        platform::Host_Set(recorder.get());
    } else {
        platform::Host_Set(base);
    }

    // Files the game writes go to the trace, named from the game folder.
    FileIO_Set_WriteObserver([](const std::string& nativePath) {
        if (platform::Trace_Enabled()) platform::Trace_Write("write " + App_TracePath(nativePath, gstrGameDir));
    });

    // Random numbers: fixed for replays (seed 0 unless told) and for recordings (so that the
    // recording can say which seed it played with).
    std::optional<std::uint32_t> seed = o.seed;
    for (const ReplayCommand& c : commands) {
        if (c.op == ReplayOp::Seed) seed = static_cast<std::uint32_t>(c.number);
        if (c.op != ReplayOp::Seed && c.op != ReplayOp::Pad && c.op != ReplayOp::Answer) break;
    }
    if (!seed && (scripted || recorder)) {
        seed = scripted ? 0u
                        : static_cast<std::uint32_t>(
                              std::chrono::system_clock::now().time_since_epoch().count() & 0xFFFFFFFFu);
    }
    if (seed) vb::Rnd_FixSeed(*seed);
    if (recorder && seed) recorder->SetSeed(*seed);
    // The summary of a saved game names the moment of saving: a replay saves on 1 January 2010 at
    // the time of day of its virtual clock, so that every run writes and shows the same summary.
    if (scripted) {
        platform::ScriptedHost* clock = scripted.get();
        Manage_Set_SaveClock([clock] {
            const std::uint32_t s = clock->Ticks() / 1000;
            std::tm t{};
            t.tm_year = 110;
            t.tm_mon = 0;
            t.tm_mday = 1;
            t.tm_hour = static_cast<int>(s / 3600 % 24);
            t.tm_min = static_cast<int>(s / 60 % 60);
            t.tm_sec = static_cast<int>(s % 60);
            return t;
        });
    }
    if (recorder && !recorder->Open(o.recordFile)) {
        platform::Host_Set(nullptr);
        platform::Trace_Close();
        return Usage("cannot write the recording " + o.recordFile);
    }

    StartOptions start;
    if (o.gameDir) start.gameDir = App_GameDirOption(*o.gameDir);
    start.fullScreen = o.fullScreen;
    if (o.speed) start.frameTime = *o.speed;
    Start_Set_Options(start);

    ReplayRunner runner(std::move(commands));
    int code = kExitOk;
    try {
        if (scripted) {
            runner.Install(*scripted);
            runner.Prepare(*scripted);
        }
        if (o.noLauncher) {
            Sys_Check_Instance();
            Start_Load_Settings();
            frmMain_Show();
        } else {
            frmStart_Show();
        }
        platform::Pump_Run();
    } catch (const platform::ProgramExit& e) {
        code = e.code;
    } catch (const platform::ScriptFailure& f) {
        // Failures of the runner name their line; those of the host (an unanswered box) get the
        // line the replay had reached.
        std::string message = f.message;
        const std::string where = runner.Where();
        if (message.rfind("replay line ", 0) != 0 && !where.empty()) message += " (" + where + ")";
        std::fprintf(stderr, "zove: %s\n", message.c_str());
        code = kExitScript;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zove: stopped by an unexpected error: %s\n", e.what());
        code = 1;
    }
    platform::Trace_Write("exit " + std::to_string(code));
    if (recorder && !recorder->Finish()) {
        std::fprintf(stderr, "zove: cannot write the recording %s\n", o.recordFile.c_str());
        if (code == kExitOk) code = 1;
    }
    if (scripted) scripted->SetIdleHook(nullptr);
    FileIO_Set_WriteObserver(nullptr);
    platform::Pump_SetWindow(nullptr);
    platform::Pump_KillTimers();
    platform::Trace_Close();
    platform::Instance_Release();
    platform::Font_Shutdown();
    platform::Host_Set(nullptr);
    return code;
}
