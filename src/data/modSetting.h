// The master tables (weapons, accessories, items, enemies: numbers 1..50, element 0 empty), the
// shop stock, the system file's new-game values, and the numeric rules that join the tables to
// the character: inventory additions, item effects, accessory bonuses, the damage of the player's
// attack and the level table.
#pragma once
#include <functional>
#include <string>

#include "common/vb_types.h"
#include "data/vb_array.h"

struct typWeapon {
    std::string strName;
    vb::Integer intFormula = 0;  // damage formula; also the hit sound and pictures
    vb::Integer intAttr = 0;     // attribute 0..7
    vb::Long lngPower = 0;
    vb::Integer intAll = 0;      // 0: one enemy; otherwise all
    vb::Long lngPrice = 0;
    vb::Integer intTama = 0;     // ammunition that comes with the weapon
    std::string strText;
    std::string strInfo;         // description in menus and the shop

    bool operator==(const typWeapon&) const = default;
};

// Accessories and items share this record: intKind is the bonus kind of an accessory or the
// status kind of an item, lngValue its amount.
struct typItem {
    std::string strName;
    vb::Integer intKind = 0;
    vb::Long lngValue = 0;
    vb::Long lngPrice = 0;
    std::string strText;  // items: the text shown after use
    std::string strInfo;

    bool operator==(const typItem&) const = default;
};

struct typEnemy {
    vb::Integer intPicNo = 0;
    vb::Integer intExtra1 = 0;
    vb::Integer intWidth = 0;
    vb::Integer intHeight = 0;
    vb::Long lngHp = 0;
    vb::Long lngMhp = 0;
    vb::Long lngAt = 0;
    vb::Long lngDf = 0;
    std::string strAct1;  // always the plain attack
    vb::Integer intAct2 = 0;
    std::string strAct2;
    vb::Integer intAct3 = 0;
    std::string strAct3;
    vb::Integer intExp = 0;
    vb::Long lngPom = 0;
    vb::Integer intExtra2 = 0;
    vb::Integer intWeak = 0;    // attribute that doubles the damage
    vb::Integer intStrong = 0;  // attribute that halves it
    std::string strFoeName;

    bool operator==(const typEnemy&) const = default;
};

extern vb::VbArray<typWeapon, 0, 50> gudtWeapon;
extern vb::VbArray<typItem, 0, 50> gudtAcce;
extern vb::VbArray<typItem, 0, 50> gudtItem;
extern vb::VbArray<typEnemy, 0, 50> gudtEnemy;
// The goods of the open shop: kind (1 weapon, 2 accessory, 3 item) and table number.
extern vb::VbArray<vb::Integer, 1, 7> gintShopKind;
extern vb::VbArray<vb::Integer, 1, 7> gintShopNo;

extern vb::Integer gintMusicOpen;  // music of the title
extern vb::Integer gintMusicShop;  // music of the shop (also after the opening text)

// --- loading ---

// The four tables, then the system file, under one handler: an error shows its description and
// skips the remaining steps (what was read stays).
void Setting_Load_All();
// With intScNo = 0 the new-game values; otherwise only the map name and title of request intScNo.
// Errors reach the caller.
void Setting_Load_SysFile();
void Setting_Load_Weapons();
void Setting_Load_Accessories();
void Setting_Load_Items();
void Setting_Load_Enemies();
// Section "SHOP_" & In_intShopNo into gintShopKind / gintShopNo (all seven entries rewritten).
void Setting_Load_Shop(vb::Integer In_intShopNo);

// --- attribute and stat rules ---

// Attribute names: 0 "無属性", 1 "斬撃", 2 "打撃", 3 "熱", 4 "冷気", 5 "風", 6 "土", 7 "突"; others "".
std::string Setting_Get_AttrName(vb::Integer In_intAttr);
// A new weapon goes to the first free carried slot with the ammunition of its table record.
vb::Boolean Setting_Add_Weapon(vb::Integer In_intNo);
vb::Boolean Setting_Add_Accessory(vb::Integer In_intNo);
vb::Boolean Setting_Add_Item(vb::Integer In_intNo);
// Kind 1 hit points, 2 maximum hit points, 3 attack, 4 defence, 5 money; others nothing. No limits
// applied here: the caller runs Data_Check_Limits afterwards.
void Setting_Add_Status(vb::Integer In_intKind, vb::Integer In_intValue);
// The summed amount of the worn accessories of that bonus kind.
vb::Integer Setting_Get_AcceBonus(vb::Integer In_intKind);

// --- damage of the player's attack against one enemy ---

struct typAttack {
    bool blnBodyBlow = false;   // the body blow: its own base line, then formula 3 / attribute 2
    vb::Integer intFormula = 0;
    vb::Integer intAttr = 0;
    vb::Long lngPower = 0;
    vb::Long lngAtUp = 0;       // the player's battle attack bonus
};

struct typTarget {
    std::string strFoeName;
    vb::Long lngDf = 0;         // the enemy's own defence (its raise is not counted)
    vb::Integer intWeak = 0;
    vb::Integer intStrong = 0;
};

// Called with each attribute line ("…は斬撃に強い", "…に弱い") as it arises; the battle appends it to
// its message window, refreshes and waits 10 frame times.
using DamageLineFn = std::function<void(const std::string& In_strLine)>;

// The damage dealt to one target. In_lngD is the running value: 0 for the first target of an
// attack, the previous target's damage for the next. The character's attack and level are read
// from gudtGame. Draws from vb::Rnd in the order of the rule.
vb::Long Setting_Calc_Damage(const typAttack& In_udtAttack, const typTarget& In_udtTarget, vb::Long In_lngD,
                             const DamageLineFn& In_fnLine);

// --- level table ---

struct typLevelRow {
    vb::Long lngExp;  // experience at least
    vb::Long lngMhp;
    vb::Long lngAt;
    vb::Long lngDf;
};
// Row L (1..29) of the level table.
const typLevelRow& Setting_Level_Row(int In_intRow);
// Applies at most one row and returns the four-line level-up text ("\n" marks), or "" when none.
std::string Setting_Level_Up();
