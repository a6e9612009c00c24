#include "support/test_support.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/cp932.h"
#include "common/ini_file.h"
#include "common/paths.h"
#include "common/random.h"
#include "platform/pump.h"
#include "platform/trace.h"

namespace testing_support {

TempDir::TempDir() {
    std::string templ = (std::filesystem::temp_directory_path() / "zove-test-XXXXXX").string();
    if (mkdtemp(templ.data()) == nullptr) std::abort();
    path_ = templ;
}

TempDir::~TempDir() {
    std::error_code ec;
    // Read-only files and folders made by tests must not stop the clean-up.
    for (auto& e : std::filesystem::recursive_directory_iterator(path_, ec)) {
        std::filesystem::permissions(e.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    }
    std::filesystem::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& relative, const std::string& bytes) const {
    const std::filesystem::path p = std::filesystem::path(path_) / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out << bytes;
    out.close();
    vb::Path_ClearCache();
    return p.string();
}

std::string TempDir::WriteSjis(const std::string& relative, const std::string& utf8) const {
    return Write(relative, vb::Utf8ToCp932(utf8));
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void HostTest::SetUp() {
    host_ = std::make_unique<platform::ScriptedHost>();
    platform::Host_Set(host_.get());
    platform::Pump_SetWindow(nullptr);
    platform::Pump_KillTimers();
    vb::Path_ClearCache();
    vb::Ini_ClearCache();
    vb::Randomize(1);
}

void HostTest::TearDown() {
    platform::Pump_SetWindow(nullptr);
    platform::Pump_KillTimers();
    platform::Host_Set(nullptr);
    host_.reset();
}

}  // namespace testing_support
