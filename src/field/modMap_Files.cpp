// The field's data files: tile definitions, map headers, and per screen the map grid, the field
// enemies and the event records. Every data error stops the load with an error whose text names
// the file and what is wrong; the caller shows it.
#include <cmath>

#include "common/C_modStrEdit.h"
#include "common/vb_error.h"
#include "common/vb_string.h"
#include "core/G_modManage.h"
#include "data/modData.h"
#include "field/modMap.h"
#include "platform/trace.h"

vb::VbArray<vb::VbArray<std::string, 1, kMapCells>, 1, kMapCells> mstrMapCell;
std::vector<std::string> mstrTiles;
std::vector<std::string> mstrEvents;
std::string mstrMapName;
vb::Integer mintMapNo = 0;
vb::Integer mintMapMusic = 0;
vb::VbArray<typMapChar, 0, kMapCells> mtypChar;
vb::Boolean mblnScreenReady = vb::kFalse;
vb::Boolean gblnUseRecordPos = vb::kFalse;

namespace {

constexpr const char* kTileFile = "A_TILE_FILE.txt";
constexpr const char* kHeaderFile = "A_MAP_FILE";

[[noreturn]] void DataError(const std::string& text) { vb::Raise(vb::kErrInvalidCall, text); }

std::string ScreenFile(const char* prefix, vb::Integer no) {
    return std::string(prefix) + mstrMapName + "_" + vb::CStr(no) + ".txt";
}

// The records of a per-screen file; a file that is missing or holds no record cannot be used.
LineList ReadScreenFile(const std::string& file) {
    LineList lines = Manage_Read_EveLines(file);
    if (lines.empty()) DataError("eve\\" + file + " がないか、中身が空です");
    return lines;
}

vb::Integer FieldInt(const std::string& record, vb::Integer n) {
    return vb::ValInt(StrEdit_Get_Field(record, n, ":"));
}

}  // namespace

std::string Map_Event_Field(const std::string& In_strRecord, vb::Integer In_intField) {
    return StrEdit_Get_Field(In_strRecord, In_intField, ":");
}

void Map_Load_Map() {
    Map_Read_Header(mstrMapName, gblnUseRecordPos);
    Map_Load_MapNo(vb::kTrue);
}

void Map_Read_Header(const std::string& In_strMapName, vb::Boolean In_blnUseRecord) {
    mstrMapName = In_strMapName;
    const std::string music = Manage_Read_EveIni(kHeaderFile, In_strMapName, "MUSIC", vb::kTrue);
    if (music.empty()) DataError("eve\\A_MAP_FILE.ini に [" + In_strMapName + "] の MUSIC がありません");
    if (!vb::IsNumeric(music)) {
        DataError("eve\\A_MAP_FILE.ini の [" + In_strMapName + "] の MUSIC が数ではありません: \"" + music + "\"");
    }
    mintMapMusic = vb::CInt(vb::Int(vb::CDblStrict(music)));

    typProgress& p = gudtGame.udtProgress;
    typMapChar& player = mtypChar(0);
    if (In_blnUseRecord != vb::kFalse) {
        mintMapNo = p.intMapNo;
        player.intX = p.intX;
        player.intY = p.intY;
        gblnUseRecordPos = vb::kFalse;
    } else {
        mintMapNo = vb::ValInt(Manage_Read_EveIni(kHeaderFile, In_strMapName, "MAPNO", vb::kTrue));
        player.intX = vb::ValInt(Manage_Read_EveIni(kHeaderFile, In_strMapName, "X", vb::kTrue));
        player.intY = vb::ValInt(Manage_Read_EveIni(kHeaderFile, In_strMapName, "Y", vb::kTrue));
        p.strPlaceName = Manage_Read_EveIni(kHeaderFile, In_strMapName, "EVENAME", vb::kTrue);
    }
    p.intMapNo = mintMapNo;
    p.intX = player.intX;
    p.intY = player.intY;
}

void Map_Load_MapNo(vb::Boolean In_blnWithMusic) {
    mtypChar(0).intPhase = 0;
    mtypChar(0).intCount = 0;
    // A screen that fails half-way is not walked on.
    mblnScreenReady = vb::kFalse;
    Map_Load_MapFile(mintMapNo);
    Map_Load_EnemyFile(mintMapNo);
    Map_Clear_Events();
    Map_Load_EventFile(mintMapNo);
    platform::Trace_Write("map " + mstrMapName + " " + vb::CStr(mintMapNo));
    Map_Draw_All(In_blnWithMusic);
    mblnScreenReady = vb::kTrue;
}

void Map_Load_MapFile(vb::Integer In_intMapNo) {
    const std::string file = ScreenFile("MAP_", In_intMapNo);
    const LineList lines = ReadScreenFile(file);
    if (lines.size() < static_cast<std::size_t>(kMapCells)) {
        DataError("eve\\" + file + " の行が " + std::to_string(lines.size()) + " 行しかありません（20 行が必要です）");
    }
    for (int y = 1; y <= kMapCells; ++y) {
        const std::string& row = lines.at(static_cast<std::size_t>(y - 1));
        for (int x = 1; x <= kMapCells; ++x) mstrMapCell(x)(y) = vb::Mid(row, x, 1);
    }
}

void Map_Load_EnemyFile(vb::Integer In_intMapNo) {
    const std::string file = ScreenFile("TEKI_", In_intMapNo);
    for (int slot = 1; slot <= kMapCells; ++slot) {
        mtypChar(slot).blnActive = vb::kFalse;
        mtypChar(slot).intPhase = 0;
        mtypChar(slot).intCount = 0;
    }
    const LineList lines = ReadScreenFile(file);
    if (lines.size() > static_cast<std::size_t>(kMapCells)) {
        DataError("eve\\" + file + " の敵が多すぎます（20 まで）");
    }
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::string& r = lines[k];
        typMapChar& c = mtypChar(static_cast<long>(k) + 1);
        c.intRow = FieldInt(r, 1);
        c.intX = FieldInt(r, 2);
        c.intY = FieldInt(r, 3);
        c.intDir = FieldInt(r, 4);
        c.intDelay = FieldInt(r, 5);
        c.intIdle = FieldInt(r, 6);
        c.intPattern = FieldInt(r, 7);
        c.intEnemyNo = FieldInt(r, 8);
        if (c.intRow != 0) c.blnActive = vb::kTrue;
    }
}

void Map_Clear_Events() { mstrEvents.clear(); }

void Map_Load_EventFile(vb::Integer In_intMapNo) {
    mstrEvents = ReadScreenFile(ScreenFile("EVENT_", In_intMapNo));
    Map_Apply_FlagTiles();
}

namespace {

// The flag number of an event record, checked to lie in 0..1000.
vb::Integer FlagNumber(const std::string& flag) {
    const double v = vb::Val(flag);
    if (!(v >= -1.0 && v <= 1001.0)) DataError("イベントのフラグ番号が 0..1000 の外です: \"" + flag + "\"");
    const vb::Integer n = vb::CInt(v);
    if (n < 0 || n > 1000) DataError("イベントのフラグ番号が 0..1000 の外です: \"" + flag + "\"");
    return n;
}

}  // namespace

vb::Integer Map_Flag_Number(const std::string& In_strFlag) { return FlagNumber(In_strFlag); }

void Map_Apply_FlagTiles() {
    for (const std::string& r : mstrEvents) {
        if (r.empty()) continue;
        const vb::Integer n = FlagNumber(Map_Event_Field(r, 2));
        if (Map_Event_Field(r, 1) != "F") continue;
        const vb::Integer x = vb::ValInt(Map_Event_Field(r, 3));
        const vb::Integer y = vb::ValInt(Map_Event_Field(r, 4));
        if (gudtGame.udtProgress.intFlag(n) == 0) {
            Map_Set_Tile(Map_Event_Field(r, 5), x, y);
        } else if (gudtGame.udtProgress.intFlag(n) == vb::kTrue) {
            Map_Set_Tile(Map_Event_Field(r, 6), x, y);
        }
    }
}

vb::Integer Map_Get_TileAttr(const std::string& In_strKey, vb::Integer In_intAttr) {
    if (In_intAttr < 1 || In_intAttr > 3) return 0;
    if (mstrTiles.empty()) DataError("eve\\" + std::string(kTileFile) + " がないか、タイルの定義がありません");
    // The first record that begins with the key and holds "=" defines it (as StrEdit_Get_Value).
    for (const std::string& record : mstrTiles) {
        const std::string t = vb::Trim(record);
        if (t.compare(0, In_strKey.size(), In_strKey) != 0) continue;
        const std::size_t eq = t.find('=');
        if (eq == std::string::npos) continue;
        const std::string value = vb::Trim(std::string_view(t).substr(eq + 1));
        const std::string field = StrEdit_Get_Field(value, In_intAttr, ":");
        if (!vb::IsNumeric(field)) {
            DataError("タイル「" + In_strKey + "」の定義「" + value + "」の " + std::to_string(In_intAttr) +
                      " 番目が数ではありません");
        }
        return vb::CIntStrict(field);
    }
    DataError("タイル「" + In_strKey + "」は eve\\" + std::string(kTileFile) + " に定義がありません");
}

void Map_Set_Tile(const std::string& In_strKey, vb::Integer In_intX, vb::Integer In_intY) {
    if (In_intX < 1 || In_intX > kMapCells || In_intY < 1 || In_intY > kMapCells) {
        DataError("マップの外の升目 (" + vb::CStr(In_intX) + ", " + vb::CStr(In_intY) + ") にタイルを置こうとしました");
    }
    mstrMapCell(In_intX)(In_intY) = In_strKey;
}

void Map_Read_TileFile() { mstrTiles = Manage_Read_EveLines(kTileFile); }
