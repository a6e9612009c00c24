// The field loop: a nested message loop of short ticks that moves the enemies, animates the steps,
// runs arrival events, repaints the characters and reports the enemy group met. Keys arrive
// through Map_Key from the main window's key handler while the loop waits.
#include "common/C_modMid.h"
#include "common/C_modSystem.h"
#include "common/vb_error.h"
#include "core/G_modGameInfo.h"
#include "core/modEvent.h"
#include "core/modInput.h"
#include "data/modData.h"
#include "field/modMap.h"
#include "platform/pump.h"

vb::Boolean mblnInputReady = vb::kFalse;
vb::Boolean mblnRedraw = vb::kFalse;
vb::Integer mintEventEnemy = 0;
vb::Boolean mblnRequestPending = vb::kFalse;

namespace {

constexpr vb::Integer kKeyEnter = 13;
constexpr vb::Integer kKeySpace = 32;
constexpr vb::Integer kKeyLeft = 37;
constexpr vb::Integer kKeyUp = 38;
constexpr vb::Integer kKeyRight = 39;
constexpr vb::Integer kKeyDown = 40;

void Neighbour(vb::Integer dir, vb::Integer& x, vb::Integer& y) {
    switch (dir) {
        case 1: y = vb::SubInt(y, 1); break;
        case 2: y = vb::AddInt(y, 1); break;
        case 3: x = vb::SubInt(x, 1); break;
        case 4: x = vb::AddInt(x, 1); break;
        default: break;
    }
}

bool InGrid(vb::Integer x, vb::Integer y) { return x >= 1 && x <= kMapCells && y >= 1 && y <= kMapCells; }

// Whether a record's X and Y fields name the cell exactly.
bool AtCell(const std::string& record, vb::Integer x, vb::Integer y) {
    return vb::Val(Map_Event_Field(record, 3)) == static_cast<double>(x) &&
           vb::Val(Map_Event_Field(record, 4)) == static_cast<double>(y);
}

}  // namespace

void Map_Enter_FromRecord() {
    try {
        mstrMapName = gudtGame.udtProgress.strMapName;
        Map_Load_Map();
    } catch (const std::exception& e) {
        Sys_Show_Error(e);
    }
}

vb::Boolean Map_Try_Step(vb::Integer In_intSlot, vb::Integer In_intDir) {
    typMapChar& c = mtypChar(In_intSlot);
    c.intDir = In_intDir;
    vb::Integer x = c.intX;
    vb::Integer y = c.intY;
    Neighbour(In_intDir, x, y);
    // Maps are walled in by their tiles; a step out of the grid is refused like a wall, so a gap in
    // a map's border cannot end the field.
    if (!InGrid(x, y)) return vb::kFalse;
    const vb::Integer p = Map_Get_TileAttr(mstrMapCell(x)(y), 3);
    if (p == In_intDir || p == 5) return vb::kFalse;
    c.intPhase = 1;
    mblnRedraw = vb::kTrue;
    return vb::kTrue;
}

void Map_Advance_Steps() {
    for (int slot = 0; slot <= kMapCells; ++slot) {
        typMapChar& c = mtypChar(slot);
        if (c.intPhase >= 1 && c.intPhase <= 4) {
            c.intCount = vb::AddInt(c.intCount, 1);
            if (c.intCount >= c.intDelay) {
                c.intCount = 0;
                c.intPhase = vb::AddInt(c.intPhase, 1);
                mblnRedraw = vb::kTrue;
            }
        }
        if (c.intPhase < 4) continue;
        c.intPhase = 0;
        Neighbour(c.intDir, c.intX, c.intY);
        if (slot != 0) continue;
        // Arrival of the player: the step events of the new cell in file order. A record may load
        // another screen, which replaces the list, so the scan runs over a copy.
        const std::vector<std::string> events = mstrEvents;
        for (const std::string& r : events) {
            if (r.empty()) continue;
            const std::string kind = Map_Event_Field(r, 1);
            if (kind == "E" || kind == "F") continue;
            if (!AtCell(r, c.intX, c.intY)) continue;
            if (Map_Run_EventRecord(r, vb::kFalse) != vb::kFalse) break;
        }
    }
}

void Map_Examine(vb::Integer In_intX, vb::Integer In_intY, vb::Boolean In_blnByEnter) {
    const std::vector<std::string> events = mstrEvents;
    for (const std::string& r : events) {
        if (r.empty()) continue;
        if (Map_Event_Field(r, 1) != "E") continue;
        if (!AtCell(r, In_intX, In_intY)) continue;
        if (Map_Run_EventRecord(r, In_blnByEnter) != vb::kFalse) break;
    }
}

void Map_Key(vb::Integer keyCode) {
    typMapChar& player = mtypChar(0);
    if (player.intPhase != 0 || mblnScreenReady == vb::kFalse) return;
    try {
        switch (keyCode) {
            case kKeyUp: Map_Try_Step(0, 1); break;
            case kKeyDown: Map_Try_Step(0, 2); break;
            case kKeyLeft: Map_Try_Step(0, 3); break;
            case kKeyRight: Map_Try_Step(0, 4); break;
            case kKeyEnter:
                if (mblnInputReady == vb::kFalse) break;
                mblnInputReady = vb::kFalse;
                Map_Examine(player.intX, player.intY, vb::kTrue);
                break;
            case kKeySpace:
                if (mblnInputReady == vb::kFalse) break;
                mblnInputReady = vb::kFalse;
                gintReturnState = 4;
                gintGameState = 7;
                Event_Dispatch(kInputRefreshEntry, 0, 0);
                break;
            default: break;
        }
    } catch (const std::exception& e) {
        // A broken event record of the examined cell: shown, and the field goes on.
        Sys_Show_Error(e);
    }
}

vb::Integer Map_Run_Loop() {
    vb::Integer result = 0;
    mintEventEnemy = 0;
    try {
        // Without a screen (its loading failed and was reported) there is nothing to walk on.
        if (mblnScreenReady == vb::kFalse) return 0;
        Map_Draw_All(vb::kTrue);
        if (mblnRequestPending != vb::kFalse) {
            mblnRequestPending = vb::kFalse;
            gintGameState = 3;
            Event_Dispatch(kInputRefresh, 0, 0);
            return 0;
        }
        const vb::Long wait = vb::CLng(static_cast<double>(glngFrameTime) / 3.0);
        for (;;) {
            platform::Pump_DoEvents();
            Sys_Wait(wait);
            if (gintGameState != 5) return result;
            Map_Move_Enemies();
            Map_Advance_Steps();
            if (mblnRedraw != vb::kFalse) {
                Map_Copy_Buffer();
                Map_Draw_Chars();
                Map_Present();
            }
            const vb::Integer met = Map_Check_Contact(mtypChar(0).intX, mtypChar(0).intY);
            if (met != 0) return mtypChar(met).intEnemyNo;
            if (mintEventEnemy != 0) return mintEventEnemy;
            mblnInputReady = vb::kTrue;
            if (gblnPadReady != vb::kFalse) KeyPad_Case1_Main();
            Mid_Check_Loop(vb::kTrue);
        }
    } catch (const std::exception& e) {
        // The loop ends; the screen stays as it is. Opening the status menu (Space) and closing it
        // starts the loop again.
        Sys_Show_Error(e);
        result = 0;
    }
    return result;
}
