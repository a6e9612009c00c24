// Mutated system files, master tables and shop files must load or stop with a message: no crash,
// no undefined behaviour (run under the sanitizers). The rules then run on whatever was loaded.
#include <gtest/gtest.h>

#include "common/cp932.h"
#include "common/ini_file.h"
#include "common/random.h"
#include "data_fixture.h"
#include "save/mutator.h"

namespace {

std::string Sjis(const std::string& utf8) { return vb::Utf8ToCp932(utf8); }

TEST_F(DataTest, MutatedDataFilesNeverCrash) {
    const std::vector<std::string> sys = {Sjis(
        "[BASIS]\r\nMUSIC_OPEN=1\r\nMUSIC_SHOP=2\r\nC1_SCNO=0\r\nC1_MAPNAME=村\r\nC1_SPEED=3\r\nC1_SCSTR=依頼\r\n"
        "C1_ENAME=Zove\r\nC1_NAME=ぞーぶ\r\nC1_SNAME=ゾーブ\r\nC1_LV=1\r\nC1_EXP=0\r\nC1_HP=30\r\nC1_MHP=30\r\n"
        "C1_POM=100\r\nC1_AT=8\r\nC1_DF=5\r\nC1_WE_NO1=1\r\nC1_WE_NO2=2\r\nC1_WE_TAMA1=20\r\nC1_WE_TAMA2=5\r\n"
        "C1_IT_NO1=1\r\nC2_MAPNAME=森\r\nC2_SCSTR=森へ\r\n")};
    const std::vector<std::string> weapons = {Sjis(
        "; 武器\r\n[W_MASTER]\r\n1=銅の剣:1:1:30:0:100:20:x:メモ:説明\r\n2=火の杖:4:3:50:1:300:8::: 燃える\r\n"
        "3=弓:2:7:24:0:120:30\r\n50=最後:9:0:10\r\n")};
    const std::vector<std::string> acce = {Sjis("[A_MASTER]\r\n1=指輪:1:0:4:0:250:0:0:装備:守り\r\n2=腕輪:2:0:3\r\n")};
    const std::vector<std::string> items = {Sjis("[I_MASTER]\r\n1=やくそう:1:0:30:0:20:0:0:回復した:体力回復\r\n")};
    const std::vector<std::string> enemies = {Sjis(
        "[BASIS]\r\nMUSIC1=3\r\n[E_MASTER]\r\n1=5001:0:64:48:40:12:5:かみつく:5:ひとやすみ:7:いかり:6:15:0:3:1:モグラ\r\n"
        "2=5002:0:80:80:120:20:8:たたく:9:にらむ:11:ほえる:20:40:0:1:2:大ガニ\r\n[E_1]\r\nE_NO_1=1\r\n")};
    const std::vector<std::string> shop = {Sjis("[SHOP_1]\r\n1=1:3\r\n2=2:1\r\n3=3:1\r\n4=1:50\r\n")};

    Mutator m(777u);
    vb::Randomize(5);
    RunFor(25, 3000, 1.5, [&](int i) {
        const int which = i % 6;  // one file mutated per round, the others as seeded
        dir_.Write("eve/A_SYS_FILE.ini", which == 0 ? m.Mutate(sys) : sys[0]);
        dir_.Write("eve/A_WEPON_FILE.ini", which == 1 ? m.Mutate(weapons) : weapons[0]);
        dir_.Write("eve/A_ACCE_FILE.ini", which == 2 ? m.Mutate(acce) : acce[0]);
        dir_.Write("eve/A_ITEM_FILE.ini", which == 3 ? m.Mutate(items) : items[0]);
        dir_.Write("eve/A_ENEMY_FILE.ini", which == 4 ? m.Mutate(enemies) : enemies[0]);
        dir_.Write("eve/A_SHOP_FILE.ini", which == 5 ? m.Mutate(shop) : shop[0]);
        vb::Ini_ClearCache();
        gudtGame = typGameData();
        Setting_Load_All();
        try {
            Setting_Load_Shop(1);
            gudtGame.udtProgress.intScNo = 2;
            Setting_Load_SysFile();
            // The rules on whatever the files gave.
            typCharacter& c = gudtGame.udtC1;
            c.intAcNo(1) = static_cast<vb::Integer>(m.Below(51));
            c.intAcNo(2) = static_cast<vb::Integer>(m.Below(51));
            (void)Setting_Get_AcceBonus(static_cast<vb::Integer>(m.Below(11)));
            const typWeapon& w = gudtWeapon(c.intWeNo(1) >= 0 && c.intWeNo(1) <= 50 ? c.intWeNo(1) : 1);
            const typEnemy& e = gudtEnemy(1 + static_cast<int>(m.Below(50)));
            typAttack a;
            a.intFormula = w.intFormula;
            a.intAttr = w.intAttr;
            a.lngPower = w.lngPower;
            (void)Setting_Calc_Damage(a, {e.strFoeName, e.lngDf, e.intWeak, e.intStrong}, 0, nullptr);
            (void)Setting_Add_Weapon(static_cast<vb::Integer>(m.Below(51)));
            (void)Setting_Level_Up();
            Data_Check_Limits();
        } catch (const vb::Error&) {
            // Overflow and the like are errors of the data, reported to the caller: fine.
        }
    });
}

}  // namespace
