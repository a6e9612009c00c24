// Start-up reads the four master tables key by key (50 keys each) and 30 keys of the system file.
// Measured cold (every file parsed anew) and warm (files parsed already, as on later reads).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/C_modFileIO.h"
#include "common/cp932.h"
#include "common/ini_file.h"
#include "common/paths.h"
#include "platform/scripted_host.h"

namespace {

struct GameFiles {
    std::string dir;
    GameFiles() {
        std::string templ = (std::filesystem::temp_directory_path() / "zove-bench-XXXXXX").string();
        if (mkdtemp(templ.data()) == nullptr) std::abort();
        dir = templ;
        std::filesystem::create_directories(dir + "/eve");
        for (const char* name : {"A_WEPON_FILE", "A_ACCE_FILE", "A_ITEM_FILE", "A_ENEMY_FILE"}) {
            std::string text = "[DATA]\r\n";
            for (int i = 1; i <= 50; ++i) {
                text += std::to_string(i) + "=" + vb::Utf8ToCp932("鋼の剣その" + std::to_string(i)) +
                        ":120:3:2:0:15:1:説明の文章がここに入ります:4:0\r\n";
            }
            std::ofstream(dir + "/eve/" + name + ".ini", std::ios::binary) << text;
        }
        std::string sys = "[SYS]\r\n";
        for (int i = 1; i <= 30; ++i) {
            sys += "KEY_" + std::to_string(i) + "=" + vb::Utf8ToCp932("値") + std::to_string(i * 7) + "\r\n";
        }
        std::ofstream(dir + "/eve/A_SYS_FILE.ini", std::ios::binary) << sys;
    }
    ~GameFiles() { std::filesystem::remove_all(dir); }
};

void ReadStartupKeys(const std::string& dir, benchmark::State& state) {
    std::size_t total = 0;
    for (const char* name : {"A_WEPON_FILE", "A_ACCE_FILE", "A_ITEM_FILE", "A_ENEMY_FILE"}) {
        for (int i = 1; i <= 50; ++i) {
            total += FileIO_Read_Ini(dir + "\\eve\\" + name + ".ini", "DATA", std::to_string(i), vb::kTrue).size();
        }
    }
    for (int i = 1; i <= 30; ++i) {
        total += FileIO_Read_Ini(dir + "\\EVE\\a_sys_file.INI", "sys", "KEY_" + std::to_string(i), vb::kTrue).size();
    }
    if (total == 0) state.SkipWithError("nothing read");
    benchmark::DoNotOptimize(total);
}

void BM_StartupIniReads_Cold(benchmark::State& state) {
    GameFiles files;
    platform::ScriptedHost host;
    platform::Host_Set(&host);
    for (auto _ : state) {
        vb::Ini_ClearCache();
        vb::Path_ClearCache();
        ReadStartupKeys(files.dir, state);
    }
    platform::Host_Set(nullptr);
}
BENCHMARK(BM_StartupIniReads_Cold)->Unit(benchmark::kMillisecond);

void BM_StartupIniReads_Warm(benchmark::State& state) {
    GameFiles files;
    platform::ScriptedHost host;
    platform::Host_Set(&host);
    ReadStartupKeys(files.dir, state);
    for (auto _ : state) ReadStartupKeys(files.dir, state);
    platform::Host_Set(nullptr);
}
BENCHMARK(BM_StartupIniReads_Warm)->Unit(benchmark::kMillisecond);

}  // namespace
