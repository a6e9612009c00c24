// A small game folder for the field tests: the main window shown on the scripted host, a tile
// file, talk scripts that only show a message, and screens written by each test. The field is
// started (Map_Init) and the trace captured from SetUp on.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "field/modMap.h"
#include "platform/scripted_host.h"
#include "support/test_support.h"

namespace field_test {

class FieldTest : public testing_support::HostTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes eve\ files (UTF-8 here, Shift-JIS on disk).
    void WriteEve(const std::string& name, const std::string& utf8) const;
    // Writes the three files of a screen: rows of the map (padded to 20 rows of '.'), enemy and
    // event records.
    void WriteScreen(const std::string& name, int no, std::vector<std::string> rows,
                     const std::vector<std::string>& enemies, const std::vector<std::string>& events) const;
    // A screen of grass walled in by '#'-free wall tiles 'W'.
    static std::vector<std::string> Walled();
    // Loads screen no of the map name as a fresh entry would (header and screen).
    void Enter(const std::string& name);

    // The trace since SetUp or the last call, one line each, without the times.
    std::vector<std::string> Take();
    static bool InOrder(const std::vector<std::string>& lines, const std::vector<std::string>& want);
    std::vector<std::string> Boxes() const;
    // Input delivered when the virtual clock reaches at.
    static void QueueKey(platform::ScriptedHost& h, int key, std::uint32_t at);
    static void QueueClick(platform::ScriptedHost& h, std::uint32_t at);
    // Lets the queued input and one field tick happen, as the loop would.
    void Tick();
};

}  // namespace field_test
