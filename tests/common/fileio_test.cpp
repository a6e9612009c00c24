#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "common/C_modFileIO.h"
#include "common/cp932.h"
#include "common/ini_file.h"
#include "common/item_reader.h"
#include "common/paths.h"
#include "common/vb_error.h"
#include "support/test_support.h"

namespace {

using testing_support::HostTest;
using testing_support::ReadBytes;

std::vector<std::string> Items(const std::string& text) {
    std::vector<std::string> out;
    vb::ItemReader r(text);
    while (!r.AtEnd()) out.push_back(r.Next());
    return out;
}

using V = std::vector<std::string>;

TEST(ItemReader, CommaSeparatedFormattedInput) {
    const struct {
        const char* text;
        V items;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a,b\r\n", {"a", "b"}},
        {"\"a,b\"\r\n", {"a,b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"  lead, trail  \r\n", {"lead", "trail"}},
        {"\"q\" junk,x\n", {"q", "x"}},
        {"a,\r\nb\r\n", {"a", "", "b"}},
        {"x\"y\r\n", {"x\"y"}},
        {"a\nb", {"a", "b"}},
        {"", {}},
        {"\"unclosed\r\nnext\r\n", {"unclosed", "next"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Items(c.text), c.items) << c.text;
}

class FileIOTest : public HostTest {};

TEST_F(FileIOTest, ReadLinesDropsCommentsButKeepsAFinalOne) {
    const struct {
        const char* text;
        V list;
    } cases[] = {
        {"a\r\n# note\r\nb\r\n", {"a", "b"}},
        {"a\r\nb\r\n# end\r\n", {"a", "b", "# end"}},
        {"# one\r\n# two\r\n", {"# two"}},
        {"x,y\r\n", {"x", "y"}},
        {"\"x,y\"\r\n", {"x,y"}},
        {"#gone\r\nkeep # this\r\n", {"keep # this"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
    };
    for (const auto& c : cases) {
        const std::string path = dir_.Write("eve/t.txt", c.text);
        EXPECT_EQ(FileIO_Read_Lines(path), c.list) << c.text;
    }
    EXPECT_TRUE(FileIO_Read_Lines(dir_.File("eve/missing.txt")).empty());
    EXPECT_TRUE(FileIO_Read_Lines("").empty());
    EXPECT_TRUE(host().Messages().empty());
}

TEST_F(FileIOTest, ReadLinesDecodesShiftJisAndFindsFilesWhateverTheCase) {
    dir_.WriteSjis("Eve/Map_1.txt", "最初の行,二つ目\r\n①番\r\n");
    EXPECT_EQ(FileIO_Read_Lines(dir_.Path() + "\\EVE\\MAP_1.TXT"), (V{"最初の行", "二つ目", "①番"}));
}

TEST_F(FileIOTest, ReadLinesOverflowsPast32767KeptItems) {
    std::string many;
    for (int i = 0; i < 32767; ++i) many += "x\r\n";
    const std::string ok = dir_.Write("ok.txt", many);
    EXPECT_EQ(FileIO_Read_Lines(ok).size(), 32767u);
    const std::string tooMany = dir_.Write("many.txt", many + "y\r\n");
    EXPECT_TRUE(FileIO_Read_Lines(tooMany).empty());
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_EQ(host().Messages()[0].text, "オーバーフローしました。");
}

TEST_F(FileIOTest, ReadTextAppendsItemsWithLineEnds) {
    const std::string path = dir_.WriteSjis("help/gameInfo.txt", "遊び方\r\nA,B\r\n");
    std::string target = "前:";
    EXPECT_EQ(FileIO_Read_Text(path, target), vb::kTrue);
    EXPECT_EQ(target, "前:遊び方\r\nA\r\nB\r\n");
    std::string untouched = "keep";
    EXPECT_EQ(FileIO_Read_Text(dir_.File("none.txt"), untouched), vb::kFalse);
    EXPECT_EQ(untouched, "keep");
    EXPECT_EQ(FileIO_Read_Text("", untouched), vb::kFalse);
}

TEST_F(FileIOTest, IniReadsLikeThePrivateProfileFunctions) {
    const std::string path = dir_.WriteSjis("eve/A_SYS_FILE.ini",
                                            "[Sys]\r\n"
                                            "  Name = ぞーぶ  \r\n"
                                            "QUOTED=\"  spaced  \"\r\n"
                                            "dup=first\r\n"
                                            "dup=second\r\n"
                                            "empty=\r\n"
                                            "[OTHER]\r\n"
                                            "name=other\r\n"
                                            "[sys]\r\n"
                                            "later=hidden\r\n");
    const struct {
        const char* section;
        const char* key;
        vb::Boolean trim;
        const char* value;
    } cases[] = {
        {"SYS", "NAME", vb::kFalse, "ぞーぶ"},     {"sys", "quoted", vb::kFalse, "  spaced  "},
        {"sys", "quoted", vb::kTrue, "spaced"},    {"Sys", "dup", vb::kFalse, "first"},
        {"Sys", "empty", vb::kTrue, ""},           {"other", "NAME", vb::kFalse, "other"},
        {"Sys", "later", vb::kFalse, ""},          {"Sys", "missing", vb::kTrue, ""},
        {"NoSection", "name", vb::kTrue, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileIO_Read_Ini(path, c.section, c.key, c.trim), c.value) << c.section << "." << c.key;
    }
    EXPECT_EQ(FileIO_Read_Ini(dir_.File("eve/none.ini"), "a", "b", vb::kTrue), "");
    EXPECT_TRUE(host().Messages().empty());
}

TEST_F(FileIOTest, IniValuesAreCutAt399Bytes) {
    const std::string longValue(500, 'v');
    const std::string path = dir_.Write("long.ini", "[s]\r\nk=" + longValue + "\r\n");
    EXPECT_EQ(FileIO_Read_Ini(path, "s", "k", vb::kFalse), std::string(399, 'v'));
    // A double-byte character is never cut in half: 398 bytes of ASCII then "あ" (2 bytes) gives 398.
    const std::string mixed = dir_.Write("mixed.ini", "[s]\r\nk=" + std::string(398, 'a') + vb::Utf8ToCp932("あい") + "\r\n");
    EXPECT_EQ(FileIO_Read_Ini(mixed, "s", "k", vb::kFalse), std::string(398, 'a'));
}

TEST_F(FileIOTest, IniSeesChangesMadeOnDisk) {
    const std::string path = dir_.Write("g.ini", "[a]\r\nk=1\r\n");
    EXPECT_EQ(FileIO_Read_Ini(path, "a", "k", vb::kTrue), "1");
    dir_.Write("g.ini", "[a]\r\nk=22\r\n");  // a different size, so the change is seen at once
    EXPECT_EQ(FileIO_Read_Ini(path, "a", "k", vb::kTrue), "22");
}

TEST_F(FileIOTest, IniFollowsAFileThatMovesToAnotherFolderOfTheSameName) {
    const std::string path = dir_.Path() + "\\g\\EVE\\A_SYS_FILE.INI";
    dir_.Write("g/eve/a_sys_file.ini", "[s]\r\nk=1\r\n");
    EXPECT_EQ(FileIO_Read_Ini(path, "s", "k", vb::kTrue), "1");
    // Replaced behind the program's back by a folder and file spelt otherwise (folder times are
    // coarse: let the clock move on first).
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::filesystem::remove_all(dir_.File("g/eve"));
    std::filesystem::create_directories(dir_.File("g/Eve"));
    std::ofstream(dir_.File("g/Eve/A_Sys_File.ini"), std::ios::binary) << "[s]\r\nk=2\r\n";
    EXPECT_EQ(FileIO_Read_Ini(path, "s", "k", vb::kTrue), "2");
    std::filesystem::remove_all(dir_.File("g/Eve"));
    EXPECT_EQ(FileIO_Read_Ini(path, "s", "k", vb::kTrue), "");
    EXPECT_TRUE(host().Messages().empty());
}

TEST_F(FileIOTest, IniWriteChangesOnlyItsLine) {
    const std::string original = "; comment\r\n[GAMESET]\r\nDISPLAY = 0\r\nDIR=game\\\r\n\r\n[Other]\r\nx=1";
    const std::string path = dir_.Write("game.ini", original);
    FileIO_Write_Ini(path, "gameset", "display", "1");
    EXPECT_EQ(ReadBytes(path), "; comment\r\n[GAMESET]\r\ndisplay=1\r\nDIR=game\\\r\n\r\n[Other]\r\nx=1");
    FileIO_Write_Ini(path, "GAMESET", "SPEED", "16");
    EXPECT_EQ(ReadBytes(path), "; comment\r\n[GAMESET]\r\ndisplay=1\r\nDIR=game\\\r\nSPEED=16\r\n\r\n[Other]\r\nx=1");
    FileIO_Write_Ini(path, "Other", "y", "2");
    EXPECT_EQ(ReadBytes(path),
              "; comment\r\n[GAMESET]\r\ndisplay=1\r\nDIR=game\\\r\nSPEED=16\r\n\r\n[Other]\r\nx=1\r\ny=2\r\n");
    FileIO_Write_Ini(path, "New", "名前", "値");
    EXPECT_EQ(FileIO_Read_Ini(path, "new", "名前", vb::kTrue), "値");
    EXPECT_EQ(FileIO_Read_Ini(path, "GAMESET", "DIR", vb::kTrue), "game\\");
    EXPECT_TRUE(host().Messages().empty());
}

TEST_F(FileIOTest, IniWriteCreatesTheFileAndWritesShiftJis) {
    const std::string path = dir_.File("save/save.ini");
    dir_.Write("save/.keep", "");
    FileIO_Write_Ini(path, "SAVE", "1", "セーブ①");
    EXPECT_EQ(ReadBytes(path), "[SAVE]\r\n1=" + vb::Utf8ToCp932("セーブ①") + "\r\n");
}

TEST_F(FileIOTest, IniWriteMakesAReadOnlyFileWritable) {
    const std::string path = dir_.Write("ro.ini", "[s]\r\nk=old\r\n");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    FileIO_Write_Ini(path, "s", "k", "new");
    EXPECT_EQ(FileIO_Read_Ini(path, "s", "k", vb::kTrue), "new");
    EXPECT_TRUE(host().Messages().empty());
}

TEST_F(FileIOTest, IniWriteFailuresAreShownAndLeaveTheOldFile) {
    // A folder that does not exist, and a text that Shift-JIS cannot hold.
    FileIO_Write_Ini(dir_.File("no/such/dir/x.ini"), "s", "k", "v");
    const std::string path = dir_.Write("keep.ini", "[s]\r\nk=old\r\n");
    FileIO_Write_Ini(path, "s", "k", "한국어");
    EXPECT_EQ(ReadBytes(path), "[s]\r\nk=old\r\n");
    ASSERT_EQ(host().Messages().size(), 2u);
    EXPECT_EQ(host().Messages()[0].text, "パスが見つかりません。");
    EXPECT_NE(host().Messages()[1].text.find("한"), std::string::npos);
}

TEST_F(FileIOTest, ClearAttrAndMakeDir) {
    const std::string path = dir_.Write("f.dat", "x");
    chmod(path.c_str(), 0444);
    EXPECT_EQ(FileIO_Clear_Attr(path), vb::kTrue);
    struct stat st {};
    stat(path.c_str(), &st);
    EXPECT_TRUE(st.st_mode & S_IWUSR);
    EXPECT_EQ(FileIO_Clear_Attr(dir_.File("missing")), vb::kTrue);

    FileIO_Make_Dir(dir_.Path() + "\\save");
    EXPECT_TRUE(vb::Path_DirExists(dir_.File("save")));
    FileIO_Make_Dir(dir_.Path() + "\\SAVE");  // exists already (another case): nothing happens
    EXPECT_THROW(FileIO_Make_Dir(dir_.File("a/b/c")), vb::Error);
}

TEST_F(FileIOTest, WritesAreReportedToTheObserver) {
    std::vector<std::string> seen;
    FileIO_Set_WriteObserver([&](const std::string& p) { seen.push_back(p); });
    FileIO_Write_Ini(dir_.File("o.ini"), "s", "k", "v");
    FileIO_Set_WriteObserver(nullptr);
    EXPECT_EQ(seen, V{dir_.File("o.ini")});
}

}  // namespace
