// A small game folder for the story tests: the main window shown on the scripted host (data
// already "loaded", so its loading tick does nothing), the story's pictures copied from the demo
// game, and talk and system files written by each test. The trace is captured from SetUp on.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/host.h"
#include "support/test_support.h"

namespace story_test {

struct TraceLine {
    std::uint32_t at = 0;
    std::string text;
};

class StoryTest : public testing_support::HostTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The talk file (UTF-8 here, Shift-JIS on disk).
    void WriteTalk(const std::string& utf8) const;
    void WriteSys(const std::string& utf8) const;

    void Click(std::uint32_t at, int button = platform::kButtonLeft);
    void Key(std::uint32_t at, int key);
    // The trace since SetUp (or the last call), line by line.
    std::vector<TraceLine> Take();
    // Lines of the trace that begin with prefix.
    static std::vector<TraceLine> Starting(const std::vector<TraceLine>& lines, const std::string& prefix);
    static bool Has(const std::vector<TraceLine>& lines, const std::string& text);
    // Index of the first line equal to text at or after from, or -1.
    static int Find(const std::vector<TraceLine>& lines, const std::string& text, int from = 0);
    // The message box texts shown so far.
    std::vector<std::string> Boxes() const;

    // Runs f; true when it ended the program (the quit sequence).
    template <class F>
    static bool EndsProgram(F f) {
        try {
            f();
        } catch (const platform::ProgramExit&) {
            return true;
        }
        return false;
    }

    // Colour of the last presented frame at (x, y).
    platform::Colour Shown(int x, int y) const;
};

// The trace text of a message in the message area.
std::string MessageText(const std::string& utf8);

}  // namespace story_test
