#include "data/modSetting.h"

#include "common/C_modStrEdit.h"
#include "common/C_modSystem.h"
#include "common/vb_error.h"
#include "common/vb_string.h"
#include "core/G_modManage.h"
#include "data/modData.h"

vb::VbArray<typWeapon, 0, 50> gudtWeapon;
vb::VbArray<typItem, 0, 50> gudtAcce;
vb::VbArray<typItem, 0, 50> gudtItem;
vb::VbArray<typEnemy, 0, 50> gudtEnemy;
vb::VbArray<vb::Integer, 1, 7> gintShopKind;
vb::VbArray<vb::Integer, 1, 7> gintShopNo;

vb::Integer gintMusicOpen = 0;
vb::Integer gintMusicShop = 0;

namespace {

constexpr int kTableSize = 50;

// One record line of a table: fields separated by ":", counted from 1.
class Fields {
public:
    explicit Fields(std::string value) : value_(std::move(value)) {}
    std::string Text(vb::Integer n) const { return vb::Trim(StrEdit_Get_Field(value_, n, ":")); }
    vb::Integer Int(vb::Integer n) const { return vb::ValInt(StrEdit_Get_Field(value_, n, ":")); }
    vb::Long Lng(vb::Integer n) const { return vb::ValLng(StrEdit_Get_Field(value_, n, ":")); }

private:
    std::string value_;
};

Fields ReadRecord(const char* file, const char* section, int key) {
    return Fields(Manage_Read_EveIni(file, section, vb::CStr(key), vb::kTrue));
}

// Each field is stored as soon as it is read: when a later field overflows, the earlier ones stay.
void LoadItemTable(vb::VbArray<typItem, 0, 50>& table, const char* file, const char* section) {
    for (int i = 1; i <= kTableSize; ++i) {
        const Fields f = ReadRecord(file, section, i);
        typItem& r = table(i);
        r.strName = f.Text(1);
        r.intKind = f.Int(2);
        r.lngValue = f.Lng(4);
        r.lngPrice = f.Lng(6);
        r.strText = f.Text(9);
        r.strInfo = f.Text(10);
    }
}

std::string SysKey(const std::string& key) { return Manage_Read_EveIni("A_SYS_FILE", "BASIS", key, vb::kTrue); }

}  // namespace

void Setting_Load_Weapons() {
    for (int i = 1; i <= kTableSize; ++i) {
        const Fields f = ReadRecord("A_WEPON_FILE", "W_MASTER", i);
        typWeapon& w = gudtWeapon(i);
        w.strName = f.Text(1);
        w.intFormula = f.Int(2);
        w.intAttr = f.Int(3);
        w.lngPower = f.Lng(4);
        w.intAll = f.Int(5);
        w.lngPrice = f.Lng(6);
        w.intTama = f.Int(7);
        w.strText = f.Text(9);
        w.strInfo = f.Text(10);
    }
}

void Setting_Load_Accessories() { LoadItemTable(gudtAcce, "A_ACCE_FILE", "A_MASTER"); }

void Setting_Load_Items() { LoadItemTable(gudtItem, "A_ITEM_FILE", "I_MASTER"); }

void Setting_Load_Enemies() {
    for (int i = 1; i <= kTableSize; ++i) {
        const Fields f = ReadRecord("A_ENEMY_FILE", "E_MASTER", i);
        typEnemy& e = gudtEnemy(i);
        e.intPicNo = f.Int(1);
        e.intExtra1 = f.Int(2);
        e.intWidth = f.Int(3);
        e.intHeight = f.Int(4);
        e.lngHp = f.Lng(5);
        e.lngMhp = e.lngHp;
        e.lngAt = f.Lng(6);
        e.lngDf = f.Lng(7);
        e.strAct1 = f.Text(8);
        e.intAct2 = f.Int(9);
        e.strAct2 = f.Text(10);
        e.intAct3 = f.Int(11);
        e.strAct3 = f.Text(12);
        e.intExp = f.Int(13);
        e.lngPom = f.Lng(14);
        e.intExtra2 = f.Int(15);
        e.intWeak = f.Int(16);
        e.intStrong = f.Int(17);
        e.strFoeName = f.Text(18);
    }
}

void Setting_Load_Shop(vb::Integer In_intShopNo) {
    const std::string section = "SHOP_" + vb::CStr(In_intShopNo);
    for (int i = 1; i <= 7; ++i) {
        const Fields f(Manage_Read_EveIni("A_SHOP_FILE", section, vb::CStr(i), vb::kTrue));
        gintShopKind(i) = f.Int(1);
        gintShopNo(i) = f.Int(2);
    }
}

void Setting_Load_SysFile() {
    typProgress& p = gudtGame.udtProgress;
    typCharacter& c = gudtGame.udtC1;
    if (p.intScNo != 0) {
        const std::string n = vb::CStr(p.intScNo);
        p.strMapName = SysKey("C" + n + "_MAPNAME");
        p.strScStr = SysKey("C" + n + "_SCSTR");
        return;
    }
    gintMusicOpen = vb::CIntStrict(SysKey("MUSIC_OPEN"));
    gintMusicShop = vb::CIntStrict(SysKey("MUSIC_SHOP"));
    p.intScNo = vb::ValInt(SysKey("C1_SCNO"));
    p.strMapName = SysKey("C1_MAPNAME");
    p.lngSpeed = vb::ValLng(SysKey("C1_SPEED"));
    p.strScStr = SysKey("C1_SCSTR");
    c.strEName = SysKey("C1_ENAME");
    c.strName = SysKey("C1_NAME");
    c.strSName = SysKey("C1_SNAME");
    c.lngLv = vb::ValLng(SysKey("C1_LV"));
    c.lngExp = vb::ValLng(SysKey("C1_EXP"));
    c.lngHp = vb::ValLng(SysKey("C1_HP"));
    c.lngMhp = vb::ValLng(SysKey("C1_MHP"));
    c.lngPom = vb::ValLng(SysKey("C1_POM"));
    c.lngAt = vb::ValLng(SysKey("C1_AT"));
    c.lngDf = vb::ValLng(SysKey("C1_DF"));
    c.intWeNo(1) = vb::ValInt(SysKey("C1_WE_NO1"));
    c.intWeNo(2) = vb::ValInt(SysKey("C1_WE_NO2"));
    c.intWeTama(1) = vb::ValInt(SysKey("C1_WE_TAMA1"));
    c.intWeTama(2) = vb::ValInt(SysKey("C1_WE_TAMA2"));
    c.intItNo(1) = vb::ValInt(SysKey("C1_IT_NO1"));
}

void Setting_Load_All() {
    try {
        Setting_Load_Weapons();
        Setting_Load_Accessories();
        Setting_Load_Items();
        Setting_Load_Enemies();
        Setting_Load_SysFile();
    } catch (const vb::Error& e) {
        Sys_Show_Error(e);
    }
}
