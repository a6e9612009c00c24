// Tile events: step events run on arrival (jumps, doors, turns, map changes) and examine events run
// by Enter (battles, treasure, money, traps, switches, the save point, talks, the shop, the
// ending). Flagged examine events set their flag when done, so they happen once.
#include "common/C_modStrEdit.h"
#include "common/C_modSystem.h"
#include "common/vb_error.h"
#include "core/G_modGameInfo.h"
#include "core/G_modManage_Media.h"
#include "core/modEvent.h"
#include "data/modData.h"
#include "data/modSetting.h"
#include "field/modMap.h"
#include "story/modTalk.h"

namespace {

// The cell in front of the player; it has to lie on the grid.
void FrontCell(vb::Integer& x, vb::Integer& y) {
    const typMapChar& p = mtypChar(0);
    x = p.intX;
    y = p.intY;
    switch (p.intDir) {
        case 1: --y; break;
        case 2: ++y; break;
        case 3: --x; break;
        case 4: ++x; break;
        default: break;
    }
    if (x < 1 || x > kMapCells || y < 1 || y > kMapCells) {
        vb::Raise(vb::kErrInvalidCall, "プレイヤーの前の升目 (" + vb::CStr(x) + ", " + vb::CStr(y) + ") がマップの外です");
    }
}

void Repaint() {
    Map_Draw_Tiles();
    Map_Draw_Chars();
    Map_Present();
}

// A -> B, or B -> C when C is given. True when the front cell changed.
bool ChangeFront(const std::string& a, const std::string& b, const std::string& c) {
    vb::Integer x = 0;
    vb::Integer y = 0;
    FrontCell(x, y);
    const std::string t = mstrMapCell(x)(y);
    if (t == a) {
        Map_Set_Tile(b, x, y);
        return true;
    }
    if (t == b && !c.empty()) {
        Map_Set_Tile(c, x, y);
        return true;
    }
    return false;
}

// Treasure: the thing goes into the first free carried slot of its kind.
vb::Boolean Treasure(vb::Boolean added, const std::string& name, vb::Integer sound, std::string& flag) {
    if (added != vb::kFalse) {
        Event_Play("PLAY_SOU", sound);
        Event_Talk("IT_GET", name);
        return vb::kFalse;
    }
    Event_Talk("IT_NOTGET", "");
    // Stays live: it can be taken once there is room. (assign: GCC 12 warns falsely on = "0".)
    flag.assign(1, '0');
    return vb::kTrue;
}

}  // namespace

vb::Boolean Map_Run_EventRecord(const std::string& In_strRecord, vb::Boolean In_blnByEnter) {
    std::string flag = Map_Event_Field(In_strRecord, 2);
    return Map_Run_Event(Map_Event_Field(In_strRecord, 1), flag, Map_Event_Field(In_strRecord, 5),
                         Map_Event_Field(In_strRecord, 6), Map_Event_Field(In_strRecord, 7),
                         Map_Event_Field(In_strRecord, 8), Map_Event_Field(In_strRecord, 9), In_blnByEnter);
}

vb::Boolean Map_Run_Event(const std::string& KIND, std::string& FLAG, const std::string& P1, const std::string& P2,
                          const std::string& P3, const std::string& P4, const std::string& P5,
                          vb::Boolean In_blnByEnter) {
    vb::Boolean result = vb::kFalse;
    typProgress& prog = gudtGame.udtProgress;
    typCharacter& c1 = gudtGame.udtC1;
    typMapChar& player = mtypChar(0);

    const vb::Integer n = Map_Flag_Number(FLAG);
    if (vb::Val(FLAG) != 0 && prog.intFlag(n) == vb::kTrue) return vb::kFalse;

    // Step events: they act and return at once, never setting their flag.
    if (KIND == "J" || KIND == "D") {
        if (KIND == "J") {
            Sys_Wait(vb::MulLng(2, glngFrameTime));
        } else {
            Map_Play_Cue(1);
        }
        player.intX = vb::ValInt(P1);
        player.intY = vb::ValInt(P2);
        mintMapNo = vb::ValInt(P3);
        Map_Load_MapNo(vb::kFalse);
        return vb::kTrue;
    }
    if (KIND == "M") {
        player.intDir = vb::ValInt(P1);
        return vb::kFalse;
    }
    if (KIND == "C") {
        prog.intMapNo = vb::ValInt(StrEdit_Get_Field(P1, 2, "/"));
        prog.intX = vb::ValInt(P2);
        prog.intY = vb::ValInt(P3);
        gblnUseRecordPos = vb::kTrue;
        mstrMapName = StrEdit_Get_Field(P1, 1, "/");
        Map_Load_Map();
        return vb::kTrue;
    }
    if (KIND != "E") return vb::kFalse;

    // Examine events: only by Enter, facing the way the record names.
    if (In_blnByEnter == vb::kFalse || vb::Val(P1) != static_cast<double>(player.intDir)) return vb::kFalse;

    if (P2 == "B") {
        Map_Play_Cue(2);
        mintEventEnemy = vb::ValInt(P3);
        result = vb::kTrue;
    } else if (P2 == "R") {
        Map_Play_Cue(2);
        mintEventEnemy = vb::ValInt(P3);
        prog.intScNo = vb::ValInt(P4);
        mblnRequestPending = vb::kTrue;
        result = vb::kTrue;
    } else if (P2 == "W") {
        const vb::Integer no = vb::ValInt(P3);
        result = Treasure(Setting_Add_Weapon(no), gudtWeapon(no).strName, vb::ValInt(P4), FLAG);
    } else if (P2 == "A") {
        const vb::Integer no = vb::ValInt(P3);
        result = Treasure(Setting_Add_Accessory(no), gudtAcce(no).strName, vb::ValInt(P4), FLAG);
    } else if (P2 == "I") {
        const vb::Integer no = vb::ValInt(P3);
        result = Treasure(Setting_Add_Item(no), gudtItem(no).strName, vb::ValInt(P4), FLAG);
    } else if (P2 == "P") {
        const vb::Integer amount = vb::ValInt(P3);
        Event_Play("PLAY_SOU", vb::ValInt(P4));
        Event_Talk("POM_GET", vb::CStr(amount));
        c1.lngPom = vb::AddLng(c1.lngPom, amount);
    } else if (P2 == "T") {
        const vb::Integer damage = vb::ValInt(P3);
        Event_Talk("TRAP_GET", vb::CStr(damage));
        c1.lngHp = vb::SubLng(c1.lngHp, damage);
        if (c1.lngHp <= 0) c1.lngHp = 1;  // a trap never kills
    } else if (P2 == "C") {
        if (ChangeFront(P3, P4, P5)) Repaint();
    } else if (P2 == "G") {
        if (Setting_Get_AcceBonus(3) == 0) {
            Event_Talk("TARE_NOT", "");
            return vb::kFalse;
        }
        if (ChangeFront(P3, P4, P5)) {
            Map_Play_Cue(5);
            Repaint();
        }
    } else if (P2 == "Q") {
        vb::Integer x = 0;
        vb::Integer y = 0;
        FrontCell(x, y);
        if (mstrMapCell(x)(y) == P3) {
            Map_Set_Tile(P4, x, y);
            Map_Play_Cue(vb::ValInt(P5));
            Repaint();
        }
    } else if (P2 == "S") {
        prog.lngSpeed = player.intDelay;
        prog.strMapName = mstrMapName;
        prog.intX = player.intX;
        prog.intY = player.intY;
        prog.intMapNo = mintMapNo;
        gintReturnState = 4;
        gintGameState = 2;
        Event_Play("PLAY_EFF", 17);
        Event_Dispatch(kInputRefresh, 0, 0);
    } else if (P2 == "M") {
        Event_Talk(P3, "");
    } else if (P2 == "U") {
        Setting_Load_Shop(vb::ValInt(P3));
        gintReturnState = 4;
        gintGameState = 11;
        Event_Play("PLAY_EFF", 17);
        Event_Dispatch(kInputRefreshEntry, 0, 0);
    } else if (P2 == "Z") {
        gintGameState = 12;
        Event_Dispatch(kInputRefresh, 0, 0);
        FLAG.assign(1, '0');  // the ending can be seen again
    }

    if (vb::Val(FLAG) != 0) {
        prog.intFlag(n) = vb::kTrue;
        Map_Apply_FlagTiles();
        Repaint();
    }
    return result;
}

void Map_Play_Cue(vb::Integer In_intCue) {
    switch (In_intCue) {
        case 1:
            Event_Play("PLAY_SOU", 50);
            Event_Play("PLAY_EFF", 11);
            break;
        case 2:
            Event_Play("PLAY_SOU", 20);
            Event_Play("PLAY_EFF", 9);
            Sys_Wait(vb::MulLng(2, glngFrameTime));
            Event_Play("PLAY_EFF", 15);
            break;
        case 3:
            Event_Play("PLAY_EFF", 13);
            Event_Play("PLAY_SOU", 51);
            break;
        case 4: Event_Play("PLAY_SOU", 53); break;
        case 5: Event_Play("PLAY_SOU", 54); break;
        default: break;
    }
}
