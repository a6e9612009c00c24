// Battle set-up (groups, placement, music, bonuses, limits) and the battle screen (message pages,
// command list, pointer rows, the player's picture, the command choice).
#include "battle_fixture.h"

namespace battle_test {
namespace {

using SetupTest = BattleTest;

TEST_F(SetupTest, GroupsFillTheirSlotsCentredOnTheirPositions) {
    SetEnemy(7, "ナメクジ", 18, 5, 3);
    gudtEnemy(7).intWidth = 41;
    SetEnemy(8, "イモムシ", 22, 5, 2);
    gudtEnemy(8).intWidth = 43;
    gudtEnemy(8).intHeight = 41;
    WriteEnemyFile(
        "[E_2]\r\nE_NO_1=0\r\nE_NO_2=7\r\nE_NO_3=0\r\n"
        "[E_3]\r\nE_NO_1=7\r\nE_NO_3=8\r\n"
        "[E_4]\r\nE_NO_1=8\r\nE_NO_2=0\r\nE_NO_3=8\r\n");

    Battle_Load_Enemies(2);
    EXPECT_FALSE(mudtFoe(1).blnAlive);
    EXPECT_TRUE(mudtFoe(2).blnAlive);
    EXPECT_FALSE(mudtFoe(3).blnAlive);
    EXPECT_EQ(mudtFoe(2).intScrX, 190);  // 210 - 20.5 = 189.5, half to even
    EXPECT_EQ(mudtFoe(2).intScrY, 175);

    Battle_Load_Enemies(3);
    EXPECT_EQ(mudtFoe(1).intScrX, 52);   // 72 - 20.5 = 51.5
    EXPECT_EQ(mudtFoe(3).intScrX, 326);  // 348 - 21.5 = 326.5
    EXPECT_EQ(mudtFoe(3).intScrY, 170);  // 190 - 20.5 = 169.5
    EXPECT_FALSE(mudtFoe(2).blnAlive);   // missing key: empty

    Battle_Load_Enemies(4);
    EXPECT_EQ(mudtFoe(1).intScrX, 50);   // 72 - 21.5 = 50.5
    mudtFoe(1).lngHp = 3;
    EXPECT_EQ(mudtFoe(3).lngHp, 22);     // the same enemy twice: its own hit points
    EXPECT_EQ(mudtFoe(3).strFoeName, "イモムシ");
    EXPECT_EQ(mudtFoe(3).lngAtUp, 0);
}

TEST_F(SetupTest, MusicByGroupNumber) {
    const struct {
        int group;
        int music;
    } cases[] = {{199, 10}, {200, 11}, {399, 11}, {400, 12}, {-5, 10}, {0, 10}, {32767, 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.group);
        EXPECT_EQ(Battle_Music_Of(static_cast<vb::Integer>(c.group)), c.music);
    }
}

TEST_F(SetupTest, StartShowsEachEnemyAndTakesTheAccessoryBonuses) {
    SetEnemy(2, "ナメクジ", 18, 5, 3);
    WriteEnemyFile("[E_210]\r\nE_NO_1=1\r\nE_NO_2=0\r\nE_NO_3=2\r\n");
    gudtAcce(1) = typItem{"まもりの葉", 1, 4, 0, "", ""};
    gudtAcce(2) = typItem{"ちからの実", 2, 6, 0, "", ""};
    gudtGame.udtC1.intAcNo(1) = 1;
    gudtGame.udtC1.intAcNo(2) = 2;
    glngBattleAtUp = 99;
    mintTurn = 5;

    Battle_Start(210);
    const auto t = Trace();
    EXPECT_TRUE(InOrder(t, {"music 11", "picture 5001 52 175", "picture 5002 328 175"}));
    EXPECT_TRUE(InOrder(MessageLines(t), {"アブラムシが現れた！！", "ナメクジが現れた！！"}));
    EXPECT_EQ(mstrBattleMsg, "アブラムシが現れた！！\\nナメクジが現れた！！");
    EXPECT_EQ(glngBattleDfUp, 4);
    EXPECT_EQ(glngBattleAtUp, 6);
    EXPECT_EQ(mintTurn, 0);
    EXPECT_TRUE(host().Messages().empty());
    // The bands and the white ground of the battle.
    EXPECT_EQ(Screen().At(300, 20), 0u);
    EXPECT_EQ(Screen().At(300, 450), 0u);
    EXPECT_EQ(Screen().At(300, 250), 0xFFFFFFu);
}

TEST_F(SetupTest, ABadEnemyNumberIsReportedAndKeepsTheSlotsFilledSoFar) {
    WriteEnemyFile("[E_5]\r\nE_NO_1=1\r\nE_NO_2=51\r\nE_NO_3=1\r\n[E_6]\r\nE_NO_1=99999\r\n");
    Battle_Start(5);
    ASSERT_EQ(host().Messages().size(), 1u);
    EXPECT_TRUE(mudtFoe(1).blnAlive);
    EXPECT_FALSE(mudtFoe(2).blnAlive);
    EXPECT_FALSE(mudtFoe(3).blnAlive);
    Battle_Start(6);  // too large for 16 bits
    EXPECT_EQ(host().Messages().size(), 2u);
    EXPECT_FALSE(mudtFoe(1).blnAlive);
}

TEST_F(SetupTest, LimitCheckKeepsEnemiesAndCharacterInRange) {
    Fresh();
    Place(1, 1);
    Place(2, 1);
    mudtFoe(1).lngAt = 30;
    mudtFoe(1).lngAtUp = -50;
    mudtFoe(1).lngDfUp = 20000;
    mudtFoe(1).lngHp = -5;
    mudtFoe(2).lngHp = 50;
    mudtFoe(2).lngDf = 4;
    mudtFoe(2).lngDfUp = -4;
    mudtFoe(3).blnAlive = vb::kFalse;
    mudtFoe(3).lngHp = -1;
    gudtGame.udtC1.lngHp = -8;
    glngBattleAtUp = -500;
    Battle_Check_Limits();
    EXPECT_EQ(mudtFoe(1).lngAtUp, -30);
    EXPECT_EQ(mudtFoe(1).lngDfUp, 9999);
    EXPECT_EQ(mudtFoe(1).lngHp, 0);
    EXPECT_EQ(mudtFoe(2).lngHp, 20);
    EXPECT_EQ(mudtFoe(2).lngDfUp, -4);
    EXPECT_EQ(mudtFoe(3).lngHp, 0);  // empty slots too
    EXPECT_EQ(gudtGame.udtC1.lngHp, 0);
    EXPECT_EQ(glngBattleAtUp, -500);  // the player's bonuses have no limits
}

using ScreenTest = BattleTest;

TEST_F(ScreenTest, MessagePagesHoldFiveLines) {
    Fresh();
    Battle_Message("a", vb::kTrue);  // append on an empty window starts a page
    EXPECT_EQ(mstrBattleMsg, "a");
    for (const char* s : {"b", "c", "d", "e"}) Battle_Message(s, vb::kTrue);
    EXPECT_EQ(mstrBattleMsg, "a\\nb\\nc\\nd\\ne");
    EXPECT_EQ(mintMsgLines, 4);
    Battle_Message("f", vb::kTrue);
    EXPECT_EQ(mstrBattleMsg, "f");
    EXPECT_EQ(mintMsgLines, 0);
    Battle_Message("g", vb::kTrue);
    Battle_Message("h", vb::kFalse);
    EXPECT_EQ(mstrBattleMsg, "h");
    const auto t = Trace();
    EXPECT_EQ(Count(t, "picture 3001 198 330"), 8);  // every message wipes the panel first
}

TEST_F(ScreenTest, CommandListShowsSlotsWithAmmunitionOnly) {
    Fresh();
    Place(2, 1);
    SetWeapon(2, "せんてい鋏", 1, 1, 22, 0);
    SetWeapon(3, "パチンコ", 6, 7, 24, 0);
    typCharacter& c = gudtGame.udtC1;
    c.intWeNo(1) = 1;
    c.intWeTama(1) = 5;
    c.intWeNo(2) = 2;
    c.intWeTama(2) = 0;
    c.intWeNo(3) = 3;
    c.intWeTama(3) = 123;
    gintGameState = 9;
    Battle_Input(kInputRefresh, 0, 0);
    auto t = Trace();
    EXPECT_TRUE(Has(t, "picture 3000 5 330"));
    EXPECT_TRUE(Has(t, "text \"じょうろ\" 20 338 170 350 10 64 0"));
    EXPECT_TRUE(Has(t, "text \"[ 05 ]\" 140 338 190 350 10 64 0"));
    EXPECT_TRUE(Has(t, "text \"パチンコ\" 20 382 170 394 10 64 0"));
    EXPECT_TRUE(Has(t, "text \"[ 123 ]\" 140 382 190 394 10 64 0"));
    for (const auto& l : t) {
        EXPECT_EQ(l.find("せんてい鋏"), std::string::npos);
        EXPECT_EQ(l.find("体当たり"), std::string::npos);
    }
    EXPECT_EQ(MessageLines(t).back(), "攻撃方法を選択してください。");

    // Row 3 in red when the pointer is on it; row 2 cannot be chosen.
    Battle_Input(kInputPointer, 100, 390);
    t = Trace();
    EXPECT_TRUE(Has(t, "text \"パチンコ\" 20 382 170 394 10 255 0"));
    Battle_Input(kInputPointer, 100, 365);
    EXPECT_EQ(mintCmdChoice, 2);
    Trace();
    Battle_Input(kInputSelect, 100, 365);
    EXPECT_TRUE(Trace().empty());
    EXPECT_EQ(gintGameState, 9);
}

TEST_F(ScreenTest, PointerRowsIncludeTheirBounds) {
    const struct {
        float x, y;
        int row;
    } cases[] = {{190, 352, 1}, {20, 335, 1}, {191, 352, 0}, {19, 340, 0}, {100, 355, 0}, {100, 360, 2},
                 {100, 372, 2}, {100, 373, 0}, {100, 382, 3}, {100, 394, 3}, {100, 404, 4}, {100, 416, 4},
                 {100, 417, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        Battle_Input(kInputPointer, c.x, c.y);
        EXPECT_EQ(mintCmdChoice, c.row);
        EXPECT_EQ(mintCmdLast, c.row);
    }
}

TEST_F(ScreenTest, EmptySlotsOfferTheBodyBlowInRowOne) {
    Fresh();
    Place(2, 1);
    typCharacter& c = gudtGame.udtC1;
    c.intWeNo(1) = 0;
    c.intWeTama(1) = 0;
    gintGameState = 9;
    Battle_Input(kInputRefresh, 0, 0);
    EXPECT_TRUE(Has(Trace(), "text \"体当たり\" 20 338 170 350 10 64 0"));
    for (float y : {365.0f, 385.0f, 410.0f}) {
        Battle_Input(kInputPointer, 100, y);
        Battle_Input(kInputSelect, 100, y);
        EXPECT_EQ(gintGameState, 9);
    }
    Trace();
    // Row 1 starts a body-blow turn: its line names the body blow.
    c.lngAt = 4;
    mudtFoe(2).lngHp = 1;
    Battle_Input(kInputPointer, 100, 340);
    vb::Rnd_Script({0.4f, 0.0f, 0.0f, 0.5f});
    Battle_Input(kInputSelect, 100, 340);
    const auto t = Trace();
    EXPECT_TRUE(InOrder(t, {"sound 22", "state 9 10"}));
    EXPECT_TRUE(InOrder(MessageLines(t), {"ハルは体当たりで", "アブラムシを攻撃", "ハルは4のダメージを受け、",
                                          "アブラムシに4のダメージを与えた", "アブラムシをたおした",
                                          "敵をすべて倒した！"}));
}

TEST_F(ScreenTest, PlayerPictureFollowsTheHitPoints) {
    const struct {
        int hp, kind, pic;
    } cases[] = {{5, 1, 3107}, {9, 1, 3107}, {10, 1, 3104}, {20, 1, 3104}, {33, 1, 3104}, {34, 1, 3101},
                 {40, 1, 3101}, {0, 1, 3101}, {100, 1, 3101}, {50, 2, 3102}, {50, 3, 3103}, {50, 4, 3105},
                 {50, 5, 3106}};
    gudtGame.udtC1.lngMhp = 100;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hp << " kind " << c.kind);
        gudtGame.udtC1.lngHp = c.hp;
        Trace();
        Battle_Draw_Player(static_cast<vb::Integer>(c.kind));
        const auto t = Trace();
        EXPECT_EQ(t.back(), "picture " + std::to_string(c.pic) + " 490 240");
        EXPECT_TRUE(Has(t, "text \"[ " + std::to_string(c.hp) + " ]\" 510 70 616 82 10 64 1"));
    }
    Battle_Draw_Player(6);
    EXPECT_EQ(Trace().back().rfind("text ", 0), 0u);  // no picture for an unknown kind
}

TEST_F(ScreenTest, HitPointBarsShowTheLostPartInGrey) {
    Fresh();
    Place(2, 1);  // 20 hit points
    mudtFoe(2).lngHp = 5;
    gudtGame.udtC1.lngHp = 15;  // of 30
    Battle_Draw_Enemy(2);
    Battle_Draw_Player(1);
    const platform::Colour grey = platform::Rgb(128, 128, 128);
    // Enemy slot 2: bar from 148 to 268, a quarter left: grey from 178.
    EXPECT_NE(Screen().At(170, 89), grey);
    EXPECT_EQ(Screen().At(190, 89), grey);
    EXPECT_EQ(Screen().At(268, 91), grey);
    // Player: bar from 489 to 609, half left: grey from 549.
    EXPECT_NE(Screen().At(540, 88), grey);
    EXPECT_EQ(Screen().At(560, 88), grey);
    // A fallen slot is not drawn.
    mudtFoe(3).blnAlive = vb::kFalse;
    Trace();
    Battle_Draw_Enemy(3);
    EXPECT_TRUE(Trace().empty());
}

TEST_F(ScreenTest, AMissingPictureIsReportedOncePerBattle) {
    dir_.WriteSjis("pic/pic.ini", "[PIC]\r\n");
    Fresh();
    Place(1, 1);
    for (int i = 0; i < 3; ++i) Battle_Message("x", vb::kFalse);
    EXPECT_EQ(host().Messages().size(), 1u);
    Battle_Reset_Reports();
    Battle_Message("y", vb::kFalse);
    EXPECT_EQ(host().Messages().size(), 2u);
    EXPECT_EQ(mstrBattleMsg, "y");
}

TEST_F(ScreenTest, AGroupWithoutEnemiesIsWonAtOnce) {
    WriteEnemyFile("[E_7]\r\nE_NO_1=0\r\nE_NO_2=0\r\nE_NO_3=0\r\n");
    Battle_Start(7);
    gintGameState = 9;
    Battle_Input(kInputRefresh, 0, 0);
    const auto t = Trace();
    EXPECT_TRUE(Has(MessageLines(t), "敵をすべて倒した！"));
    EXPECT_TRUE(InOrder(t, {"state 9 10", "state 10 4", "state 4 5"}));
}

}  // namespace
}  // namespace battle_test

namespace battle_test {
namespace {

TEST_F(ScreenTest, ABrokenWeaponEntryIsShownAndTheBattleGoesOn) {
    Fresh();
    Place(2, 1);
    typCharacter& c = gudtGame.udtC1;
    c.intWeNo(1) = 1;
    c.intWeTama(1) = 5;
    c.intWeNo(2) = 77;  // outside the weapon table
    c.intWeTama(2) = 3;
    gintGameState = 9;
    Battle_Input(kInputRefresh, 0, 0);
    EXPECT_EQ(host().Messages().size(), 1u);
    // Choosing the broken slot: the error is shown, the prompt comes back in state 9.
    Battle_Input(kInputPointer, 100, 365);
    Battle_Input(kInputSelect, 100, 365);
    EXPECT_GE(host().Messages().size(), 2u);
    EXPECT_EQ(gintGameState, 9);
    EXPECT_EQ(mudtFoe(2).lngHp, 20);
    // The good slot still works.
    vb::Rnd_Script({0.5f, 0.0f, 0.0f, 0.0f});
    Battle_Input(kInputPointer, 100, 340);
    Battle_Input(kInputSelect, 100, 340);
    EXPECT_LT(c.intWeTama(1), 5);
}

}  // namespace
}  // namespace battle_test

namespace battle_test {
namespace {

TEST_F(SetupTest, TheDispatcherStartsTheBattleOfTheEncounterAndPrompts) {
    gintEncounterNo = 1;
    gintGameState = 8;
    Event_Dispatch(kInputRefresh, 0, 0);
    const auto t = Trace();
    EXPECT_TRUE(InOrder(t, {"music 10", "picture 5001 190 175", "state 8 9", "picture 3000 5 330"}));
    EXPECT_EQ(MessageLines(t).back(), "攻撃方法を選択してください。");
    EXPECT_EQ(gintGameState, 9);
    EXPECT_TRUE(mudtFoe(2).blnAlive);
    // Other kinds in state 8 do nothing.
    gintGameState = 8;
    Trace();
    Event_Dispatch(kInputSelect, 0, 0);
    EXPECT_TRUE(Trace().empty());
}

}  // namespace
}  // namespace battle_test
