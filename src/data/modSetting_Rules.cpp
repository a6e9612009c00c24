// The rules that join the master tables to the character: inventory, item effects, accessory
// bonuses, attribute names and the damage of the player's attack.
#include "common/random.h"
#include "common/vb_error.h"
#include "data/modData.h"
#include "data/modSetting.h"

namespace {

// Near(v): rounded half to even to 32 bits, overflow error outside.
vb::Long Near(double v) { return vb::CLng(v); }

double Rnd() { return static_cast<double>(vb::Rnd()); }

// The first free slot (0 in the array) of 1..7, or 0 when all are taken.
int FirstFree(const vb::VbArray<vb::Integer, 1, 7>& slots) {
    for (int i = 1; i <= 7; ++i) {
        if (slots(i) == 0) return i;
    }
    return 0;
}

}  // namespace

std::string Setting_Get_AttrName(vb::Integer In_intAttr) {
    switch (In_intAttr) {
        case 0: return "無属性";
        case 1: return "斬撃";
        case 2: return "打撃";
        case 3: return "熱";
        case 4: return "冷気";
        case 5: return "風";
        case 6: return "土";
        case 7: return "突";
        default: return {};
    }
}

vb::Boolean Setting_Add_Weapon(vb::Integer In_intNo) {
    typCharacter& c = gudtGame.udtC1;
    const int i = FirstFree(c.intBagWeNo);
    if (i == 0) return vb::kFalse;
    // The table record first: a number outside the table fails before the slot is taken.
    const vb::Integer tama = gudtWeapon(In_intNo).intTama;
    c.intBagWeNo(i) = In_intNo;
    c.intBagWeTama(i) = tama;
    return vb::kTrue;
}

vb::Boolean Setting_Add_Accessory(vb::Integer In_intNo) {
    typCharacter& c = gudtGame.udtC1;
    const int i = FirstFree(c.intBagAcNo);
    if (i == 0) return vb::kFalse;
    c.intBagAcNo(i) = In_intNo;
    return vb::kTrue;
}

vb::Boolean Setting_Add_Item(vb::Integer In_intNo) {
    typCharacter& c = gudtGame.udtC1;
    const int i = FirstFree(c.intItNo);
    if (i == 0) return vb::kFalse;
    c.intItNo(i) = In_intNo;
    return vb::kTrue;
}

void Setting_Add_Status(vb::Integer In_intKind, vb::Integer In_intValue) {
    typCharacter& c = gudtGame.udtC1;
    vb::Long* field = nullptr;
    switch (In_intKind) {
        case 1: field = &c.lngHp; break;
        case 2: field = &c.lngMhp; break;
        case 3: field = &c.lngAt; break;
        case 4: field = &c.lngDf; break;
        case 5: field = &c.lngPom; break;
        default: return;
    }
    *field = vb::AddLng(*field, In_intValue);
}

vb::Integer Setting_Get_AcceBonus(vb::Integer In_intKind) {
    const typCharacter& c = gudtGame.udtC1;
    vb::Long s = 0;
    const typItem& a1 = gudtAcce(c.intAcNo(1));
    if (a1.intKind == In_intKind) s = a1.lngValue;
    const typItem& a2 = gudtAcce(c.intAcNo(2));
    if (a2.intKind == In_intKind) s = vb::AddLng(s, a2.lngValue);
    return vb::CInt(s);
}

vb::Long Setting_Calc_Damage(const typAttack& In_udtAttack, const typTarget& In_udtTarget, vb::Long In_lngD,
                             const DamageLineFn& In_fnLine) {
    const typCharacter& c = gudtGame.udtC1;
    const double P = In_udtAttack.lngPower;
    const double AT = c.lngAt;
    const double LV = c.lngLv;
    const double UP = In_udtAttack.lngAtUp;
    const double DF = In_udtTarget.lngDf;
    vb::Long d = In_lngD;
    vb::Integer a = In_udtAttack.intAttr;

    // 1. Base damage. Each Rnd is drawn where it is written, left to right.
    if (In_udtAttack.blnBodyBlow) {
        a = 2;
        const double r = vb::Int(Rnd() * 11);
        d = Near(r + static_cast<double>(vb::AddLng(c.lngAt, In_udtAttack.lngAtUp)) + d);
    } else {
        switch (In_udtAttack.intFormula) {
            case 1:
            case 2: {
                const double hi = In_udtAttack.intFormula == 1 ? P / 2 : P / 2.5;
                const double b = vb::Int(Rnd() * (hi - P / 4 + 1) + P / 4);
                const vb::Long h = Near(b + UP - DF / 2);
                d = Near(vb::Int(Rnd() * 11) + AT + h);
                break;
            }
            case 3: {
                const double b = vb::Int(Rnd() * (P - P / 2 + 1) + P / 2);
                const double h = b + static_cast<double>(vb::MulLng(2, In_udtAttack.lngAtUp)) - DF;
                d = Near(vb::Int(Rnd() * 11) + AT + h);
                break;
            }
            case 4: {
                const double b = vb::Int(Rnd() * (P / 1.5 + AT / 2 - P / 8 + 1) + P / 8);
                d = Near(vb::Int(UP - DF / 5) + b);
                break;
            }
            case 5:
                d = vb::CLng(vb::Int(Rnd() * (P - P / 2 + 1) + P / 2));
                if (vb::Int(Rnd() * 3) == 0) d = 0;  // one attack in three misses
                break;
            case 6:
            case 7:
            case 8:
            case 9:
                d = vb::CLng(vb::Int(Rnd() * (P - P / 10 + 1) + P / 10));
                break;
            default:
                break;  // an unknown formula leaves the running value as it is
        }
    }

    // 2. A blow that came to nothing still scratches: 0..4.
    if (d < 1) d = vb::CLng(vb::Int(Rnd() * 5));

    // 3. Attribute: strong halves, weak doubles; both apply when both match.
    if (a != 0 && In_udtTarget.intStrong == a) {
        if (In_fnLine) In_fnLine(In_udtTarget.strFoeName + "は" + Setting_Get_AttrName(a) + "に強い");
        d = vb::CLng(vb::Int(static_cast<double>(d) / 2));
    }
    if (a != 0 && In_udtTarget.intWeak == a) {
        if (In_fnLine) In_fnLine(In_udtTarget.strFoeName + "は" + Setting_Get_AttrName(a) + "に弱い");
        d = vb::MulLng(d, 2);
    }

    // 4. Strong hit: one attack in 41 gains 1..10 times the level.
    if (vb::Int(Rnd() * 41) == 1) {
        d = Near(vb::Int(Rnd() * 10 + 1) * LV + d);
    }
    return d;
}
