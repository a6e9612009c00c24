#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>

#include "common/C_modFileIO.h"

#include "common/cp932.h"
#include "save_fixture.h"

namespace {

std::uint32_t At(const std::string& b, std::size_t off, int n) {
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v |= static_cast<std::uint32_t>(static_cast<unsigned char>(b[off + i])) << (8 * i);
    return v;
}

TEST(DataFileFormat, EmptyRecordIsExactly2130Bytes) {
    EXPECT_EQ(DataFile_Encode(typGameData()), std::string(kDataFileFixedBytes, '\0'));
}

TEST(DataFileFormat, FieldsArePackedLittleEndianInRecordOrder) {
    typGameData g;
    g.udtProgress.intFlag(0) = 0x1234;
    g.udtProgress.intFlag(1000) = -2;
    g.udtProgress.intX = 5;
    g.udtProgress.intMapNo = 12;
    g.udtProgress.lngSpeed = 0x01020304;
    g.udtProgress.intScNo = 3;
    g.udtC1.lngLv = 7;
    g.udtC1.lngPom = -1;
    g.udtC1.intWeNo(1) = 9;
    g.udtC1.intItNo(7) = 0x0A0B;
    const std::string b = DataFile_Encode(g);
    ASSERT_EQ(b.size(), 2130u);
    EXPECT_EQ(At(b, 2, 2), 0x1234u);
    EXPECT_EQ(At(b, 2002, 2), 0xFFFEu);
    EXPECT_EQ(At(b, 2004, 2), 5u);      // intX
    EXPECT_EQ(At(b, 2008, 2), 12u);     // intMapNo
    EXPECT_EQ(At(b, 2012, 4), 0x01020304u);
    EXPECT_EQ(At(b, 2016, 2), 3u);      // intScNo
    EXPECT_EQ(At(b, 2026, 4), 7u);      // lngLv
    EXPECT_EQ(At(b, 2050, 4), 0xFFFFFFFFu);  // lngPom
    EXPECT_EQ(At(b, 2054, 2), 9u);      // intWeNo(1)
    EXPECT_EQ(At(b, 2128, 2), 0x0A0Bu); // intItNo(7), the last item
}

TEST(DataFileFormat, TextsAreByteLengthAndShiftJis) {
    typGameData g;
    g.udtProgress.strPlaceName = "港町X";
    g.udtC1.strSName = "ab";
    const std::string b = DataFile_Encode(g);
    EXPECT_EQ(b.size(), 2130u + 5 + 2);
    EXPECT_EQ(At(b, 0, 2), 5u);
    EXPECT_EQ(b.substr(2, 5), vb::Utf8ToCp932("港町X"));
    EXPECT_EQ(DataFile_Decode(b), g);
}

TEST(DataFileFormat, DecodeRefusesShortInputAndIgnoresTrailingBytes) {
    const typGameData g = FullRecord();
    const std::string b = DataFile_Encode(g);
    EXPECT_EQ(DataFile_Decode(b + "trailing bytes"), g);
    for (std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{100}, b.size() - 1}) {
        try {
            (void)DataFile_Decode(std::string_view(b).substr(0, n));
            ADD_FAILURE() << n << " bytes decoded";
        } catch (const vb::Error& e) {
            EXPECT_EQ(e.number(), vb::kErrInputPastEnd);
        }
    }
    std::string longText = b;
    longText[0] = '\xFF';
    longText[1] = '\xFF';
    EXPECT_THROW((void)DataFile_Decode(longText), vb::Error);
}

TEST_F(SaveTest, TextThatIsNotShiftJisFailsToLoadAndKeepsTheGame) {
    typGameData g;
    g.udtProgress.strPlaceName = "村";
    std::string bytes = DataFile_Encode(g);
    bytes[2] = '\xFF';  // no Shift-JIS byte: the place name cannot be read, nor saved again
    dir_.Write("save/4.dat", bytes);
    gudtGame = FullRecord();
    EXPECT_EQ(Manage_Load_Data(4), vb::kFalse);
    EXPECT_EQ(gudtGame, FullRecord());
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_NE(host().Messages()[0].text.find("Shift-JIS"), std::string::npos);
}

TEST(DataFileFormat, TextsShiftJisCannotHoldAreErrors) {
    typGameData g;
    g.udtC1.strName = "ぞーぶ😀";
    EXPECT_THROW((void)DataFile_Encode(g), vb::Error);
    g.udtC1.strName = std::string(65536, 'a');
    EXPECT_THROW((void)DataFile_Encode(g), vb::Error);
    g.udtC1.strName = std::string(65535, 'a');
    EXPECT_EQ(DataFile_Decode(DataFile_Encode(g)), g);
}

TEST_F(SaveTest, FullRecordSurvivesSaveAndLoadBitForBit) {
    gudtGame = FullRecord();
    ASSERT_EQ(Manage_Save_Data(3), vb::kTrue);
    EXPECT_TRUE(host().Messages().empty());
    const std::string bytes = testing_support::ReadBytes(SlotFile(3));
    EXPECT_EQ(bytes, DataFile_Encode(FullRecord()));
    gudtGame = typGameData();
    ASSERT_EQ(Manage_Load_Data(3), vb::kTrue);
    EXPECT_EQ(gudtGame, FullRecord());
    // Saving the loaded record again gives the same bytes.
    ASSERT_EQ(Manage_Save_Data(3), vb::kTrue);
    EXPECT_EQ(testing_support::ReadBytes(SlotFile(3)), bytes);
}

TEST_F(SaveTest, ThreeJapaneseCharactersMakeATextOfSixBytes) {
    gudtGame.udtProgress.strPlaceName = "港町村";
    ASSERT_EQ(Manage_Save_Data(3), vb::kTrue);
    const std::string b = testing_support::ReadBytes(SlotFile(3));
    EXPECT_EQ(b.size(), 2136u);
    EXPECT_EQ(At(b, 0, 2), 6u);
}

TEST_F(SaveTest, SavingOverALongerFileKeepsItsTail) {
    std::string old(2200, '\0');
    for (std::size_t i = 0; i < old.size(); ++i) old[i] = static_cast<char>(i * 13 + 1);
    dir_.Write("save/2.dat", old);
    ASSERT_EQ(Manage_Save_Data(2), vb::kTrue);
    const std::string b = testing_support::ReadBytes(SlotFile(2));
    ASSERT_EQ(b.size(), 2200u);
    EXPECT_EQ(b.substr(0, 2130), std::string(2130, '\0'));
    EXPECT_EQ(b.substr(2130), old.substr(2130));
    gudtGame = FullRecord();
    ASSERT_EQ(Manage_Load_Data(2), vb::kTrue);
    EXPECT_EQ(gudtGame, typGameData());
}

TEST_F(SaveTest, ReadOnlySlotFileIsMadeWritableAndOverwritten) {
    const std::string path = dir_.Write("save/4.dat", std::string(2130, '\x7F'));
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    gudtGame = FullRecord();
    ASSERT_EQ(Manage_Save_Data(4), vb::kTrue);
    EXPECT_TRUE(host().Messages().empty());
    EXPECT_EQ(testing_support::ReadBytes(path).substr(0, 2130), DataFile_Encode(FullRecord()).substr(0, 2130));
}

TEST_F(SaveTest, MissingSaveFolderIsCreated) {
    gudtGame.udtC1.lngLv = 3;
    ASSERT_EQ(Manage_Save_Data(7), vb::kTrue);
    struct stat st {};
    ASSERT_EQ(stat(dir_.File("save").c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(testing_support::ReadBytes(SlotFile(7)).size(), 2130u);
}

TEST_F(SaveTest, TruncatedOrDamagedFilesFailAndKeepTheGame) {
    const std::string full = DataFile_Encode(FullRecord());
    std::string longText = full;
    longText[0] = '\x30';  // place name of 0x7530 bytes, past the end
    longText[1] = '\x75';
    const std::string cases[] = {std::string(), full.substr(0, 1), full.substr(0, 2003), full.substr(0, full.size() - 1),
                                 longText};
    gudtGame.udtC1.strSName = "今のゲーム";
    const typGameData current = gudtGame;
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes.size());
        dir_.Write("save/1.dat", bytes);
        const std::size_t before = host().Messages().size();
        EXPECT_EQ(Manage_Load_Data(1), vb::kFalse);
        ASSERT_EQ(host().Messages().size(), before + 1);
        EXPECT_EQ(host().Messages().back().text, "ファイルにこれ以上データがありません。");
        EXPECT_EQ(gudtGame, current);
    }
}

TEST_F(SaveTest, MissingSlotLoadsNothingSilently) {
    gudtGame = FullRecord();
    EXPECT_EQ(Manage_Load_Data(5), vb::kFalse);
    EXPECT_TRUE(host().Messages().empty());
    EXPECT_EQ(gudtGame, FullRecord());
    EXPECT_EQ(DataFile_Load(""), vb::kFalse);
}

TEST_F(SaveTest, DirectoryWhereTheSlotFileShouldBe) {
    dir_.Write("save/3.dat/keep", "x");
    gudtGame = FullRecord();
    EXPECT_EQ(Manage_Save_Data(3), vb::kFalse);
    const auto texts = MessageTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[0].find("パス名が無効です。"), std::string::npos) << texts[0];
    EXPECT_EQ(texts[1], "セーブ失敗");
    EXPECT_EQ(host().Messages()[1].title, "ERR");
    EXPECT_EQ(host().Messages()[1].icon, platform::MsgIcon::Critical);
    EXPECT_EQ(Manage_Read_SaveIni(3), "");  // the index does not claim a save that failed
    EXPECT_EQ(Manage_Load_Data(3), vb::kFalse);
    EXPECT_EQ(host().Messages().size(), 3u);
    EXPECT_EQ(gudtGame, FullRecord());
}

TEST_F(SaveTest, FileWhereTheSaveFolderShouldBe) {
    dir_.Write("save", "not a folder");
    EXPECT_EQ(Manage_Save_Data(1), vb::kFalse);
    const auto texts = MessageTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[0].find("セーブフォルダ"), std::string::npos) << texts[0];
    EXPECT_EQ(texts[1], "セーブ失敗");
    EXPECT_EQ(testing_support::ReadBytes(dir_.File("save")), "not a folder");
    EXPECT_EQ(Manage_Read_SaveIni(1), "");
}

TEST_F(SaveTest, TextShiftJisCannotHoldFailsTheSaveAndKeepsTheOldSlot) {
    gudtGame.udtProgress.strPlaceName = "古い町";
    ASSERT_EQ(Manage_Save_Data(6), vb::kTrue);
    const std::string oldBytes = testing_support::ReadBytes(SlotFile(6));
    const std::string oldSummary = Manage_Read_SaveIni(6);
    gudtGame.udtProgress.strPlaceName = "新しい町🌊";
    EXPECT_EQ(Manage_Save_Data(6), vb::kFalse);
    const auto texts = MessageTexts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1], "セーブ失敗");
    EXPECT_EQ(testing_support::ReadBytes(SlotFile(6)), oldBytes);
    EXPECT_EQ(Manage_Read_SaveIni(6), oldSummary);
}

TEST_F(SaveTest, SummaryLineOfTheExample) {
    typGameData g;
    g.udtProgress.strPlaceName = "X";
    g.udtProgress.intMapNo = 12;
    g.udtC1.lngLv = 7;
    std::tm when {};
    when.tm_year = 110;
    when.tm_mon = 0;
    when.tm_mday = 1;
    when.tm_hour = 9;
    when.tm_min = 5;
    when.tm_sec = 3;
    EXPECT_EQ(Manage_Summary_Line(g, when), "10/01/01 09:05:03 X (MapNo.12) [LV.7]");
    when.tm_year = 125;
    when.tm_mon = 11;
    when.tm_mday = 31;
    when.tm_hour = 23;
    g.udtProgress.intMapNo = -2;
    g.udtProgress.strPlaceName = "";
    EXPECT_EQ(Manage_Summary_Line(g, when), "25/12/31 23:05:03  (MapNo.-2) [LV.7]");
}

TEST_F(SaveTest, SaveWritesTheSummaryToTheIndex) {
    EXPECT_EQ(Manage_Read_SaveIni(2), "");  // no index yet
    Manage_Set_SaveClock([] {
        std::tm t {};
        t.tm_year = 110;
        t.tm_mday = 1;
        t.tm_hour = 9;
        t.tm_min = 5;
        t.tm_sec = 3;
        return t;
    });
    gudtGame.udtProgress.strPlaceName = "灯台の丘";
    gudtGame.udtProgress.intMapNo = 12;
    gudtGame.udtC1.lngLv = 7;
    std::vector<std::string> written;
    FileIO_Set_WriteObserver([&](const std::string& p) { written.push_back(p); });
    ASSERT_EQ(Manage_Save_Data(2), vb::kTrue);
    FileIO_Set_WriteObserver(nullptr);
    EXPECT_EQ(Manage_Read_SaveIni(2), "10/01/01 09:05:03 灯台の丘 (MapNo.12) [LV.7]");
    EXPECT_EQ(Manage_Read_SaveIni(3), "");
    EXPECT_NE(std::find(written.begin(), written.end(), SlotFile(2)), written.end());
    EXPECT_NE(std::find(written.begin(), written.end(), dir_.File("save/save.ini")), written.end());
    const std::string ini = testing_support::ReadBytes(dir_.File("save/save.ini"));
    EXPECT_NE(ini.find(vb::Utf8ToCp932("2=10/01/01 09:05:03 灯台の丘 (MapNo.12) [LV.7]")), std::string::npos);
}

TEST_F(SaveTest, BufferIsACopy) {
    typGameData g = FullRecord();
    DataFile_Set_Buffer(g);
    g.udtProgress.intFlag(5) = 1;
    EXPECT_EQ(DataFile_Get_Buffer(), FullRecord());
    typGameData out = DataFile_Get_Buffer();
    out.udtC1.strName = "別";
    EXPECT_EQ(gudtFileBuf, FullRecord());
}

}  // namespace
