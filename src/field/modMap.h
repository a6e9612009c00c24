// The field: map screens of 20 x 20 cells read from the eve folder, drawn from the built-in tile
// and character sheets, walked cell by cell with the arrow keys, with tile events (talks, treasure,
// doors, map changes, the save point, the shop, the ending) and field enemies that start battles.
//
// Files of the module: modMap_Files.cpp (data files and loading), modMap_Draw.cpp (drawing and
// map music), modMap_Loop.cpp (the field loop, keys and steps), modMap_Events.cpp (tile events),
// modMap_Enemies.cpp (field enemies and contact).
#pragma once
#include <string>
#include <vector>

#include "common/vb_types.h"
#include "data/vb_array.h"

namespace platform {
class Form;
class Surface;
}  // namespace platform

// One character on the map: slot 0 the player, slots 1..20 the field enemies of the screen.
struct typMapChar {
    vb::Integer intRow = 0;      // row of the character sheet
    vb::Integer intX = 0;        // cell (1..20); during a step still the cell being left
    vb::Integer intY = 0;
    vb::Integer intPhase = 0;    // 0 standing, 1..3 walking, 4 arrival
    vb::Integer intDir = 0;      // 1 up, 2 down, 3 left, 4 right (0 is drawn as up)
    vb::Integer intDelay = 0;    // ticks per step phase
    vb::Integer intCount = 0;    // ticks counted in the current phase
    vb::Integer intIdle = 0;     // enemies: range of the random draw
    vb::Integer intPattern = 0;  // enemies: movement pattern 1..11
    vb::Boolean blnActive = vb::kFalse;
    vb::Integer intEnemyNo = 0;  // enemies: enemy group handed to the battle
};

inline constexpr int kMapCells = 20;
inline constexpr int kCellWidth = 32;
inline constexpr int kCellHeight = 24;

// Set by the status menu and the save screen when they return to the field: the next showing of
// the map keeps the music that plays and only clears the flag.
extern vb::Boolean gblnSkipMapMusic;
// Set by the load screen and the map-change event: the next header read takes screen and position
// from the game record (and clears the flag).
extern vb::Boolean gblnUseRecordPos;

// --- entry points used by the main window and the dispatcher ---

// Start-up: binds the surfaces, reads the tile definitions and prepares the player's slot.
void Map_Init();
// State 6: enters the map named in the game record.
void Map_Enter_FromRecord();
// State 5: runs the field until the state changes (0) or an enemy group is met (its number).
vb::Integer Map_Run_Loop();
// A key on the field: 37..40 arrows, 13 Enter, 32 Space.
void Map_Key(vb::Integer keyCode);

// --- data files (modMap_Files.cpp) ---

void Map_Load_Map();
void Map_Read_Header(const std::string& In_strMapName, vb::Boolean In_blnUseRecord);
void Map_Load_MapNo(vb::Boolean In_blnWithMusic);
void Map_Load_MapFile(vb::Integer In_intMapNo);
void Map_Load_EnemyFile(vb::Integer In_intMapNo);
void Map_Load_EventFile(vb::Integer In_intMapNo);
void Map_Clear_Events();
void Map_Apply_FlagTiles();
// Attribute n of a tile key: 1 sheet column, 2 sheet row, 3 passability; 0 for other n.
vb::Integer Map_Get_TileAttr(const std::string& In_strKey, vb::Integer In_intAttr);
void Map_Set_Tile(const std::string& In_strKey, vb::Integer In_intX, vb::Integer In_intY);
// Reads the tile definitions (A_TILE_FILE.txt) into mstrTiles.
void Map_Read_TileFile();
// The FLAG field of an event record as a flag number; outside 0..1000 is a data error.
vb::Integer Map_Flag_Number(const std::string& In_strFlag);
// Field n (1..9) of an event record: KIND, FLAG, X, Y, P1..P5.
std::string Map_Event_Field(const std::string& In_strRecord, vb::Integer In_intField);

// --- drawing (modMap_Draw.cpp) ---

void Map_Draw_All(vb::Boolean In_blnWithMusic);
void Map_Draw_Tiles();
void Map_Draw_Tile(vb::Integer In_intX, vb::Integer In_intY);
void Map_Copy_Buffer();
void Map_Draw_Chars();
void Map_Draw_Char(vb::Integer In_intSlot);
// Shows the main window.
void Map_Present();

// --- loop and movement (modMap_Loop.cpp) ---

vb::Boolean Map_Try_Step(vb::Integer In_intSlot, vb::Integer In_intDir);
void Map_Advance_Steps();
void Map_Examine(vb::Integer In_intX, vb::Integer In_intY, vb::Boolean In_blnByEnter);

// --- tile events (modMap_Events.cpp) ---

// Runs one event record; True stops the scan of the cell. FLAG may be replaced by "0".
vb::Boolean Map_Run_Event(const std::string& KIND, std::string& FLAG, const std::string& P1, const std::string& P2,
                          const std::string& P3, const std::string& P4, const std::string& P5,
                          vb::Boolean In_blnByEnter);
// Runs the event record as a whole line (fields taken apart here).
vb::Boolean Map_Run_EventRecord(const std::string& In_strRecord, vb::Boolean In_blnByEnter);
void Map_Play_Cue(vb::Integer In_intCue);

// --- field enemies (modMap_Enemies.cpp) ---

void Map_Move_Enemies();
vb::Integer Map_Check_Contact(vb::Integer In_intX, vb::Integer In_intY);

// --- module data, shared by the field's files (and read by its tests) ---

extern vb::VbArray<vb::VbArray<std::string, 1, kMapCells>, 1, kMapCells> mstrMapCell;  // (x)(y)
extern std::vector<std::string> mstrTiles;
extern std::vector<std::string> mstrEvents;
extern std::string mstrMapName;
extern vb::Integer mintMapNo;
extern vb::Integer mintMapMusic;
extern vb::VbArray<typMapChar, 0, kMapCells> mtypChar;

extern vb::Boolean mblnInputReady;
extern vb::Boolean mblnRedraw;
extern vb::Integer mintEventEnemy;
extern vb::Boolean mblnRequestPending;
// True once a screen has been loaded whole; the loop does not run without one.
extern vb::Boolean mblnScreenReady;

extern platform::Form* mfrmMain;
extern platform::Surface* mpicMap;
extern platform::Surface* mpicMapTile;
extern platform::Surface* mpicChar;
