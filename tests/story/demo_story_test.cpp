// The demo game's story data: every script the program or the maps play runs to its end without an
// error, every picture, sound and piece of music it names is there, and every text fits the place
// it is drawn in (no unplanned wrapping, nothing below the message frame or the screen).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>

#include "common/C_modFileIO.h"
#include "common/cp932.h"
#include "common/paths.h"
#include "common/vb_string.h"
#include "common/vb_types.h"
#include "core/G_modGameInfo.h"
#include "core/G_modManage.h"
#include "platform/font.h"
#include "platform/text_layout.h"
#include "story/modTalk.h"
#include "story_fixture.h"

namespace story_test {
namespace {

const std::string kGame = std::string(ZOVE_SOURCE_DIR) + "/game/";

// The scripts the program itself plays; the maps name further ones.
const std::vector<std::string> kFixedScripts = {"M_0ND_END", "M_1ND_OPEN", "M_1ND_END", "M_2ND_OPEN", "M_2ND_END",
                                                "M_3ND_OPEN", "M_3ND_END", "STAFF_MSG", "IT_GET", "IT_NOTGET",
                                                "POM_GET", "TRAP_GET", "TARE_NOT"};

// Every section of the demo's talk file except the two text lists, in file order: a script added
// for a map is checked like the others without being listed here.
std::vector<std::string> ScriptsOfTheFile() {
    std::string bytes;
    if (FILE* f = std::fopen((kGame + "eve/A_TALK_FILE.ini").c_str(), "rb")) {
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) bytes.append(buf, n);
        std::fclose(f);
    }
    std::vector<std::string> out;
    for (const std::string& line : vb::Split(vb::Replace(vb::Cp932ToUtf8(bytes), "\r", ""), "\n")) {
        if (line.size() < 3 || line[0] != '[' || line.back() != ']') continue;
        const std::string name = line.substr(1, line.size() - 2);
        if (name != "KICK_MSG" && name != "END_MSG") out.push_back(name);
    }
    return out;
}
const std::vector<std::string> kScripts = ScriptsOfTheFile();

std::string Line(const std::string& section, int n) {
    return Manage_Read_EveIni("A_TALK_FILE", section, std::to_string(n), vb::kTrue);
}

std::string Index(const std::string& file, const std::string& section, int no) {
    return FileIO_Read_Ini(kGame + file + ".ini", section, std::to_string(no), vb::kTrue);
}

// Lines of the laid-out text and the bottom of the last one.
struct Fit {
    std::size_t lines = 0;
    int bottom = 0;
    int widest = 0;
};
// Trailing empty lines take no room.
std::string DropTrailingBreaks(std::string text) {
    while (text.size() >= 2 && text.compare(text.size() - 2, 2, "\\n") == 0) text.resize(text.size() - 2);
    return text;
}

Fit Layout(const std::string& text, const platform::TextRect& rect, int points, platform::TextAlign align) {
    const platform::Font* font = platform::Font_Get(platform::Font_PixelSize(points));
    Fit f;
    if (font == nullptr) return f;
    const auto lines = platform::Text_Layout(vb::Replace(text, "\\n", "\r\n"), rect, align, *font);
    f.lines = lines.size();
    for (const auto& l : lines) {
        f.bottom = l.y + font->LineHeight();
        f.widest = std::max(f.widest, l.width);
    }
    return f;
}

std::size_t Breaks(const std::string& text) {
    std::size_t n = 1;
    for (std::size_t p = text.find("\\n"); p != std::string::npos; p = text.find("\\n", p + 2)) ++n;
    return n;
}

class DemoStory : public StoryTest {
protected:
    void SetUp() override {
        StoryTest::SetUp();
        gstrGameDir = kGame;
    }
};

TEST_F(DemoStory, EveryScriptTheProgramPlaysIsThere) {
    ASSERT_GT(kScripts.size(), kFixedScripts.size());
    for (const std::string& name : kFixedScripts) {
        EXPECT_NE(std::find(kScripts.begin(), kScripts.end(), name), kScripts.end()) << name;
    }
}

TEST_F(DemoStory, ScriptsNameOnlyMediaThatExistAndEndProperly) {
    for (const std::string& name : kScripts) {
        SCOPED_TRACE(name);
        bool ended = false;
        for (int n = 1; n < 200 && !ended; ++n) {
            const std::string line = Line(name, n);
            ASSERT_FALSE(line.empty()) << "line " << n << " is missing: the script has no E line";
            const std::string head = vb::Left(line, 1);
            const int number = vb::ValInt(vb::Mid(line, 2));
            if (head == "B" || head == "P") {
                const std::string value = Index("pic\\pic", "PIC", number);
                ASSERT_FALSE(value.empty()) << "picture " << number;
                EXPECT_TRUE(vb::Path_FileExists(kGame + "pic/" + vb::Trim(vb::Split(value, ":")[0]))) << value;
            } else if (head == "S") {
                const std::string value = Index("sound\\sound", "SOUND", number);
                ASSERT_FALSE(value.empty()) << "sound " << number;
                EXPECT_TRUE(vb::Path_FileExists(kGame + "sound/" + value)) << value;
            } else if (head == "O") {
                const std::string value = Index("mid\\mid", "MID", number);
                ASSERT_FALSE(value.empty()) << "music " << number;
                EXPECT_TRUE(vb::Path_FileExists(kGame + "mid/" + value)) << value;
            } else if (head == "E") {
                ended = true;
            } else {
                EXPECT_TRUE(head == "M" || head == "Z") << "line " << n << ": " << line;
            }
        }
        EXPECT_TRUE(ended);
    }
}

TEST_F(DemoStory, MessagesFitTheMessageFrame) {
    const platform::TextRect area{60, 375, 586, 552};
    for (const std::string& name : kScripts) {
        for (int n = 1; n < 200; ++n) {
            const std::string line = Line(name, n);
            if (line.empty() || line[0] == 'E') break;
            if (line[0] != 'M') continue;
            // The longest texts "%s" stands for: an item name, an amount, a damage.
            const std::string text = vb::Replace(vb::Mid(line, 2), "%s", "ふしぎな じょうろ");
            const Fit fit = Layout(text, area, 10, platform::TextAlign::WrapLeft);
            if (fit.lines == 0) GTEST_SKIP() << "no font on this machine";
            EXPECT_EQ(fit.lines, Breaks(text)) << name << " " << n << ": a line wraps: " << text;
            EXPECT_LE(fit.bottom, 362 + 112 - 6) << name << " " << n << ": below the frame: " << text;
        }
    }
}

TEST_F(DemoStory, TextListPagesFitTheScreen) {
    const platform::TextRect area{70, 100, 640, 480};
    for (const std::string list : {"KICK_MSG", "END_MSG"}) {
        std::string page;
        bool ended = false;
        for (int k = 1; k < 500; ++k) {
            const std::string line = Line(list, k);
            if (line == "END") {
                ended = true;
                break;
            }
            if (line == "\\f") {
                page.clear();
                continue;
            }
            page += "\\n" + line;
            const std::string shown = DropTrailingBreaks(page);
            const Fit fit = Layout(shown, area, 17, platform::TextAlign::WrapLeft);
            if (fit.lines == 0) GTEST_SKIP() << "no font on this machine";
            EXPECT_EQ(fit.lines, Breaks(shown)) << list << " " << k << ": a line wraps";
            EXPECT_LE(fit.bottom, 470) << list << " " << k;
        }
        EXPECT_TRUE(ended) << list << " has no END line";
    }
}

TEST_F(DemoStory, EveryRequestHasAMapAndATitleThatFitsTheCard) {
    for (int no = 1; no <= 4; ++no) {
        SCOPED_TRACE(no);
        std::string c = "C";  // appended, not "C" + ...: GCC 12 warns falsely in optimised builds
        c += std::to_string(no);
        EXPECT_FALSE(Manage_Read_EveIni("A_SYS_FILE", "BASIS", c + "_MAPNAME", vb::kTrue).empty());
        const std::string title = Manage_Read_EveIni("A_SYS_FILE", "BASIS", c + "_SCSTR", vb::kTrue);
        ASSERT_FALSE(title.empty());
        const Fit fit = Layout(title, {60, 220, 600, 250}, 22, platform::TextAlign::CentreSingle);
        if (fit.lines == 0) GTEST_SKIP() << "no font on this machine";
        EXPECT_LE(fit.widest, 540);
    }
    EXPECT_EQ(Manage_Read_EveIni("A_SYS_FILE", "BASIS", "C1_SCNO", vb::kTrue), "1");
}

TEST_F(DemoStory, EveryScriptPlaysThroughWithoutAnErrorBox) {
    for (std::uint32_t t = 1000; t < 1200000; t += 1000) Click(host().Ticks() + t);
    for (const std::string& name : kScripts) {
        if (name == "M_3ND_END") continue;  // the ending: played by the request replay and the tests of Z
        Event_Talk(name, "12");
    }
    EXPECT_TRUE(Boxes().empty()) << Boxes().front();
    EXPECT_GT(Starting(Take(), "confirm").size(), 40u);  // every message was shown and confirmed
}

}  // namespace
}  // namespace story_test
