#include <gtest/gtest.h>

#include "data_fixture.h"

namespace {

const char* kFullSysFile =
    "[BASIS]\r\n"
    "MUSIC_OPEN = 3\r\n"
    "MUSIC_SHOP=4\r\n"
    "C1_SCNO=1\r\n"
    "C1_MAPNAME=はじまりの村\r\n"
    "C1_SPEED=3\r\n"
    "C1_SCSTR=最初の依頼\r\n"
    "C1_ENAME=Zove\r\n"
    "C1_NAME=ぞーぶ\r\n"
    "C1_SNAME=ゾーブ\r\n"
    "C1_LV=1\r\n"
    "C1_EXP=2\r\n"
    "C1_HP=30\r\n"
    "C1_MHP=25\r\n"
    "C1_POM=0\r\n"
    "C1_AT=8\r\n"
    "C1_DF=5\r\n"
    "C1_WE_NO1=3\r\n"
    "C1_WE_NO2=7\r\n"
    "C1_WE_TAMA1=0\r\n"
    "C1_WE_TAMA2=12\r\n"
    "C1_IT_NO1=2\r\n"
    "C3_MAPNAME=北の森\r\n"
    "C3_SCSTR=森の奥へ\r\n";

TEST_F(DataTest, NewGameReadsEveryKeyUnlimited) {
    WriteEve("A_SYS_FILE.ini", kFullSysFile);
    Setting_Load_All();
    EXPECT_TRUE(host().Messages().empty());
    EXPECT_EQ(gintMusicOpen, 3);
    EXPECT_EQ(gintMusicShop, 4);
    const typProgress& p = gudtGame.udtProgress;
    const typCharacter& c = gudtGame.udtC1;
    EXPECT_EQ(p.intScNo, 1);
    EXPECT_EQ(p.strMapName, "はじまりの村");
    EXPECT_EQ(p.lngSpeed, 3);
    EXPECT_EQ(p.strScStr, "最初の依頼");
    EXPECT_EQ(c.strEName, "Zove");
    EXPECT_EQ(c.strName, "ぞーぶ");
    EXPECT_EQ(c.strSName, "ゾーブ");
    EXPECT_EQ(c.lngLv, 1);
    EXPECT_EQ(c.lngExp, 2);
    // Not held to the limits until the first check.
    EXPECT_EQ(c.lngHp, 30);
    EXPECT_EQ(c.lngMhp, 25);
    EXPECT_EQ(c.lngPom, 0);
    EXPECT_EQ(c.lngAt, 8);
    EXPECT_EQ(c.lngDf, 5);
    EXPECT_EQ(c.intWeNo(1), 3);
    EXPECT_EQ(c.intWeTama(1), 0);
    EXPECT_EQ(c.intWeNo(2), 7);
    EXPECT_EQ(c.intWeTama(2), 12);
    EXPECT_EQ(c.intItNo(1), 2);
    // Everything else keeps its start value.
    EXPECT_EQ(p.strPlaceName, "");
    EXPECT_EQ(p.intMapNo, 0);
    EXPECT_EQ(c.intWeNo(3), 0);
    EXPECT_EQ(c.intBagWeNo(1), 0);

    Data_Check_Limits();
    EXPECT_EQ(c.lngHp, 25);
    EXPECT_EQ(c.lngPom, 1);
    EXPECT_EQ(c.intWeNo(1), 0);  // no ammunition: the weapon goes at the first check
    EXPECT_EQ(c.intWeNo(2), 7);
}

TEST_F(DataTest, RequestNumberRoundsHalfToEven) {
    const struct {
        const char* text;
        vb::Integer want;
    } cases[] = {{"2.5", 2}, {"3.5", 4}, {" 7abc", 7}, {"abc", 0}, {"-1.5", -2}};
    for (const auto& tc : cases) {
        gudtGame = typGameData();
        WriteEve("A_SYS_FILE.ini", std::string("[BASIS]\r\nMUSIC_OPEN=1\r\nMUSIC_SHOP=2\r\nC1_SCNO=") + tc.text + "\r\n");
        Setting_Load_SysFile();
        EXPECT_EQ(gudtGame.udtProgress.intScNo, tc.want) << tc.text;
    }
}

TEST_F(DataTest, MissingSecondWeaponLeavesTheSlotEmpty) {
    WriteEve("A_SYS_FILE.ini", "[BASIS]\r\nMUSIC_OPEN=1\r\nMUSIC_SHOP=2\r\nC1_WE_NO1=4\r\nC1_WE_TAMA1=9\r\n");
    Setting_Load_All();
    EXPECT_EQ(gudtGame.udtC1.intWeNo(1), 4);
    EXPECT_EQ(gudtGame.udtC1.intWeNo(2), 0);
    EXPECT_EQ(gudtGame.udtC1.intWeTama(2), 0);
    EXPECT_TRUE(host().Messages().empty());
}

TEST_F(DataTest, OverflowingWeaponStopsTheReadingWithItsMessage) {
    std::string text = kFullSysFile;
    text.replace(text.find("C1_WE_NO1=3"), 11, "C1_WE_NO1=40000");
    WriteEve("A_SYS_FILE.ini", text);
    Setting_Load_All();
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_EQ(host().Messages()[0].text, "オーバーフローしました。");
    EXPECT_EQ(host().Messages()[0].buttons, platform::MsgButtons::Ok);
    // Read before the error: stays.
    EXPECT_EQ(gudtGame.udtC1.lngDf, 5);
    EXPECT_EQ(gudtGame.udtC1.strSName, "ゾーブ");
    // At and after it: never read.
    EXPECT_EQ(gudtGame.udtC1.intWeNo(1), 0);
    EXPECT_EQ(gudtGame.udtC1.intWeNo(2), 0);
    EXPECT_EQ(gudtGame.udtC1.intWeTama(2), 0);
    EXPECT_EQ(gudtGame.udtC1.intItNo(1), 0);
}

TEST_F(DataTest, MusicKeysAreStrict) {
    const struct {
        const char* open;
        bool ok;
    } cases[] = {{"MUSIC_OPEN= 12 ", true}, {"MUSIC_OPEN=", false}, {"MUSIC_OPEN=12abc", false}, {"", false}};
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.open);
        gudtGame = typGameData();
        gintMusicOpen = 0;
        const std::size_t before = host().Messages().size();
        WriteEve("A_SYS_FILE.ini",
                 std::string("[BASIS]\r\n") + tc.open + "\r\nMUSIC_SHOP=2\r\nC1_SNAME=ゾーブ\r\nC1_LV=3\r\n");
        Setting_Load_All();
        if (tc.ok) {
            EXPECT_EQ(host().Messages().size(), before);
            EXPECT_EQ(gintMusicOpen, 12);
            EXPECT_EQ(gudtGame.udtC1.lngLv, 3);
        } else {
            ASSERT_EQ(host().Messages().size(), before + 1);
            EXPECT_EQ(LastMessage(), "型が一致しません。");
            // Every character value stays unread.
            EXPECT_EQ(gudtGame.udtC1.strSName, "");
            EXPECT_EQ(gudtGame.udtC1.lngLv, 0);
        }
    }
}

TEST_F(DataTest, MissingSystemFileIsATypeMismatchOnTheMusic) {
    Setting_Load_All();
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_EQ(LastMessage(), "型が一致しません。");
    EXPECT_EQ(gudtGame, typGameData());
}

TEST_F(DataTest, LaterRequestReadsOnlyItsMapAndTitle) {
    WriteEve("A_SYS_FILE.ini", kFullSysFile);
    gudtGame.udtProgress.intScNo = 3;
    gudtGame.udtC1.lngLv = 9;
    typGameData want = gudtGame;
    want.udtProgress.strMapName = "北の森";
    want.udtProgress.strScStr = "森の奥へ";
    Setting_Load_SysFile();
    EXPECT_EQ(gudtGame, want);
    EXPECT_EQ(gintMusicOpen, 0);

    // A request without keys gets empty texts.
    gudtGame.udtProgress.intScNo = -4;
    Setting_Load_SysFile();
    EXPECT_EQ(gudtGame.udtProgress.strMapName, "");
    EXPECT_EQ(gudtGame.udtProgress.strScStr, "");
}

TEST_F(DataTest, LimitCheckFollowsItsTable) {
    struct Case {
        const char* what;
        typCharacter in;
        typCharacter want;
    };
    auto base = [] {
        typCharacter c;
        c.lngLv = 5;
        c.lngExp = 100;
        c.lngHp = 10;
        c.lngMhp = 20;
        c.lngAt = 7;
        c.lngDf = 6;
        c.lngPom = 50;
        return c;
    };
    std::vector<Case> cases;
    auto add = [&](const char* what, auto change, auto expect) {
        Case k{what, base(), base()};
        change(k.in);
        expect(k.want);
        cases.push_back(k);
    };
    add("in range", [](typCharacter&) {}, [](typCharacter&) {});
    add("mhp 0, hp 10", [](typCharacter& c) { c.lngMhp = 0; }, [](typCharacter& c) { c.lngMhp = 1; c.lngHp = 1; });
    add("mhp high", [](typCharacter& c) { c.lngMhp = 100000; c.lngHp = 100001; },
        [](typCharacter& c) { c.lngMhp = 99999; c.lngHp = 99999; });
    add("hp negative", [](typCharacter& c) { c.lngHp = -3; }, [](typCharacter& c) { c.lngHp = 0; });
    add("money", [](typCharacter& c) { c.lngPom = 1000049; }, [](typCharacter& c) { c.lngPom = 999999; });
    add("money 0", [](typCharacter& c) { c.lngPom = 0; }, [](typCharacter& c) { c.lngPom = 1; });
    add("attack", [](typCharacter& c) { c.lngAt = 10000; c.lngDf = -2; },
        [](typCharacter& c) { c.lngAt = 9999; c.lngDf = 1; });
    add("defence", [](typCharacter& c) { c.lngAt = 0; c.lngDf = 12345; },
        [](typCharacter& c) { c.lngAt = 1; c.lngDf = 9999; });
    add("exp negative stays", [](typCharacter& c) { c.lngExp = -5; }, [](typCharacter& c) { c.lngExp = -5; });
    add("exp high", [](typCharacter& c) { c.lngExp = 200000; }, [](typCharacter& c) { c.lngExp = 150000; });
    add("level", [](typCharacter& c) { c.lngLv = 0; }, [](typCharacter& c) { c.lngLv = 1; });
    add("level high", [](typCharacter& c) { c.lngLv = 120; }, [](typCharacter& c) { c.lngLv = 99; });
    add("battle slots",
        [](typCharacter& c) {
            c.intWeNo(1) = 3;  c.intWeTama(1) = 0;   // out of ammunition: emptied
            c.intWeNo(2) = 0;  c.intWeTama(2) = 9;   // no weapon: count cleared
            c.intWeNo(3) = 5;  c.intWeTama(3) = -1;  // negative: emptied
            c.intWeNo(4) = 6;  c.intWeTama(4) = 2;   // fine
            c.intBagWeNo(1) = 4; c.intBagWeTama(1) = 0;  // carried: untouched
        },
        [](typCharacter& c) {
            c.intWeNo(4) = 6;  c.intWeTama(4) = 2;
            c.intBagWeNo(1) = 4; c.intBagWeTama(1) = 0;
        });
    for (const Case& k : cases) {
        gudtGame.udtC1 = k.in;
        Data_Check_Limits();
        EXPECT_EQ(gudtGame.udtC1, k.want) << k.what;
    }
}

TEST_F(DataTest, RecordIsAValue) {
    gudtGame.udtProgress.strPlaceName = "港町";
    gudtGame.udtProgress.intFlag(1000) = -1;
    gudtGame.udtC1.intItNo(7) = 4;
    typGameData copy = gudtGame;
    gudtGame.udtProgress.strPlaceName = "別の町";
    gudtGame.udtProgress.intFlag(1000) = 0;
    gudtGame.udtC1.intItNo(7) = 0;
    EXPECT_EQ(copy.udtProgress.strPlaceName, "港町");
    EXPECT_EQ(copy.udtProgress.intFlag(1000), -1);
    EXPECT_EQ(copy.udtC1.intItNo(7), 4);
}

TEST_F(DataTest, ArraysOutsideTheirBoundsAreSubscriptErrors) {
    auto subscript = [](auto&& f) {
        try {
            f();
        } catch (const vb::Error& e) {
            return e.number() == vb::kErrSubscript;
        }
        return false;
    };
    EXPECT_TRUE(subscript([] { (void)gudtGame.udtProgress.intFlag(1001); }));
    EXPECT_TRUE(subscript([] { (void)gudtGame.udtProgress.intFlag(-1); }));
    EXPECT_TRUE(subscript([] { (void)gudtGame.udtC1.intWeNo(0); }));
    EXPECT_TRUE(subscript([] { (void)gudtGame.udtC1.intAcNo(3); }));
    EXPECT_TRUE(subscript([] { (void)gudtWeapon(51); }));
    EXPECT_TRUE(subscript([] { (void)gudtEnemy[-1]; }));
    EXPECT_TRUE(subscript([] { (void)gintShopKind(8); }));
    EXPECT_NO_THROW((void)gudtItem(0));
    EXPECT_NO_THROW((void)gudtAcce(50));
}

}  // namespace
