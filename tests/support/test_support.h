// Shared test fixtures: a scripted host installed for the test, and a temporary folder.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/scripted_host.h"

namespace testing_support {

// A fresh folder below the system's temporary folder, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& Path() const { return path_; }
    // path_ + "/" + relative
    std::string File(const std::string& relative) const { return path_ + "/" + relative; }
    // Writes raw bytes, creating folders on the way; returns the full path.
    std::string Write(const std::string& relative, const std::string& bytes) const;
    // Writes UTF-8 text as Shift-JIS.
    std::string WriteSjis(const std::string& relative, const std::string& utf8) const;

private:
    std::string path_;
};

std::string ReadBytes(const std::string& path);

// Installs a ScriptedHost as the program's host for the test's lifetime and resets the pump,
// the caches and the random source, so tests do not see each other.
class HostTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    platform::ScriptedHost& host() { return *host_; }
    std::unique_ptr<platform::ScriptedHost> host_;
    TempDir dir_;
};

}  // namespace testing_support
