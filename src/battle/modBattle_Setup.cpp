// Battle set-up: the enemy groups and battle music of the enemy file, the slots of one battle, the
// accessories' bonuses, and the limit check run after every change of the fighters' values.
#include "battle/modBattle.h"
#include "common/C_modSystem.h"
#include "core/G_modGameInfo.h"
#include "core/G_modManage.h"
#include "core/G_modManage_Media.h"
#include "common/vb_error.h"
#include "data/modData.h"
#include "data/modSetting.h"

vb::VbArray<typBattleEnemy, 1, 3> mudtFoe;
vb::Long glngBattleAtUp = 0;
vb::Long glngBattleDfUp = 0;
vb::Integer mintTurn = 0;
platform::Form* mfrmBattle = nullptr;
std::string mstrBattleMsg;
vb::Integer mintMsgLines = 0;
vb::Integer mintCmdChoice = 0;
vb::Integer mintCmdLast = 0;

namespace {

constexpr const char* kEnemyFile = "A_ENEMY_FILE";
// Centre column of the graphic of slots 1, 2, 3; every graphic is centred on row 190.
constexpr double kSlotCentre[3] = {72, 210, 348};
constexpr double kSlotMiddle = 190;

vb::Integer ReadNumber(const std::string& section, const std::string& key) {
    return vb::ValInt(Manage_Read_EveIni(kEnemyFile, section, key, vb::kTrue));
}

}  // namespace

void Battle_Init() { mfrmBattle = gobjMainForm; }

vb::Integer Battle_Music_Of(vb::Integer In_intEnemyNo) {
    const char* key = In_intEnemyNo < 200 ? "MUSIC1" : In_intEnemyNo < 400 ? "MUSIC2" : "MUSIC3";
    return ReadNumber("BASIS", key);
}

void Battle_Place_Foe(int k, vb::Integer e) {
    const typEnemy& E = gudtEnemy(e);
    typBattleEnemy& s = mudtFoe(k);
    s.intPicNo = E.intPicNo;
    s.intExtra1 = E.intExtra1;
    s.intWidth = E.intWidth;
    s.intHeight = E.intHeight;
    s.lngHp = E.lngHp;
    s.lngMhp = E.lngMhp;
    s.lngAt = E.lngAt;
    s.lngDf = E.lngDf;
    s.strAct1 = E.strAct1;
    s.intAct2 = E.intAct2;
    s.strAct2 = E.strAct2;
    s.intAct3 = E.intAct3;
    s.strAct3 = E.strAct3;
    s.intExp = E.intExp;
    s.lngPom = E.lngPom;
    s.intExtra2 = E.intExtra2;
    s.intWeak = E.intWeak;
    s.intStrong = E.intStrong;
    s.strFoeName = E.strFoeName;
    s.intScrX = vb::CInt(kSlotCentre[k - 1] - static_cast<double>(s.intWidth) / 2);
    s.intScrY = vb::CInt(kSlotMiddle - static_cast<double>(s.intHeight) / 2);
    s.blnAlive = vb::kTrue;
    s.lngAtUp = 0;
    s.lngDfUp = 0;
}

void Battle_Load_Enemies(vb::Integer In_intEnemyNo) {
    for (int k = 1; k <= 3; ++k) {
        typBattleEnemy& s = mudtFoe(k);
        s.lngHp = 0;
        s.blnAlive = vb::kFalse;
        s.intExp = 0;
        s.lngPom = 0;
    }
    const std::string section = "E_" + vb::CStr(In_intEnemyNo);
    for (int k = 1; k <= 3; ++k) {
        const vb::Integer e = ReadNumber(section, "E_NO_" + vb::CStr(k));
        if (e == 0) continue;
        Battle_Place_Foe(k, e);
    }
}

void Battle_Start(vb::Integer In_intEnemyNo) {
    Battle_Reset_Reports();
    try {
        Battle_Load_Enemies(In_intEnemyNo);
        Battle_Clear_Screen();
        Battle_Draw_Player(1);
        Event_Play("PLAY_MID", Battle_Music_Of(In_intEnemyNo));
        mstrBattleMsg.clear();
        for (int k = 1; k <= 3; ++k) {
            if (mudtFoe(k).blnAlive == vb::kFalse) continue;
            Battle_Draw_Enemy(static_cast<vb::Integer>(k));
            Battle_Message(mudtFoe(k).strFoeName + "が現れた！！", vb::kTrue);
            Battle_Refresh();
            Battle_Wait(10);
        }
        Battle_Wait(10);
        glngBattleAtUp = 0;
        glngBattleDfUp = 0;
        mintTurn = 0;
        glngBattleDfUp = Setting_Get_AcceBonus(1);
        glngBattleAtUp = Setting_Get_AcceBonus(2);
    } catch (const vb::Error& e) {
        Sys_Show_Error(e);
    }
}

void Battle_Check_Limits() {
    for (int k = 1; k <= 3; ++k) {
        typBattleEnemy& s = mudtFoe(k);
        if (s.lngHp < 0) s.lngHp = 0;
        if (s.lngHp > s.lngMhp) s.lngHp = s.lngMhp;
    }
    for (int k = 1; k <= 3; ++k) {
        typBattleEnemy& s = mudtFoe(k);
        if (s.lngAtUp <= vb::SubLng(0, s.lngAt)) s.lngAtUp = vb::SubLng(0, s.lngAt);
        if (s.lngAtUp > 9999) s.lngAtUp = 9999;
    }
    for (int k = 1; k <= 3; ++k) {
        typBattleEnemy& s = mudtFoe(k);
        if (s.lngDfUp <= vb::SubLng(0, s.lngDf)) s.lngDfUp = vb::SubLng(0, s.lngDf);
        if (s.lngDfUp > 9999) s.lngDfUp = 9999;
    }
    Data_Check_Limits();
}
