#include "save/G_modManage_Save.h"

#include <cstdio>

#include "common/C_modFileIO.h"
#include "common/C_modSystem.h"
#include "common/paths.h"
#include "common/vb_error.h"
#include "core/G_modGameInfo.h"
#include "save/G_modDataFile.h"

namespace {

std::function<std::tm()> gSaveClock;

std::tm Now() {
    if (gSaveClock) return gSaveClock();
    const std::time_t t = std::time(nullptr);
    std::tm local {};
    localtime_r(&t, &local);
    return local;
}

std::string TwoDigits(int v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", ((v % 100) + 100) % 100);
    return buf;
}

void ShowSaveFailed() {
    Sys_MsgBox("セーブ失敗", "ERR", platform::MsgButtons::Ok, platform::MsgIcon::Critical);
}

}  // namespace

std::string Manage_Save_Dir() { return gstrGameDir + "save"; }

std::string Manage_Slot_Path(vb::Integer In_intSlot) {
    return Manage_Save_Dir() + "\\" + vb::CStr(In_intSlot) + ".dat";
}

std::string Manage_Index_Path() { return Manage_Save_Dir() + "\\" + "save.ini"; }

void Manage_Set_SaveClock(std::function<std::tm()> In_fnClock) { gSaveClock = std::move(In_fnClock); }

std::string Manage_Summary_Line(const typGameData& In_udtData, const std::tm& In_tmWhen) {
    const std::string stamp = TwoDigits(In_tmWhen.tm_year + 1900) + "/" + TwoDigits(In_tmWhen.tm_mon + 1) + "/" +
                              TwoDigits(In_tmWhen.tm_mday) + " " + TwoDigits(In_tmWhen.tm_hour) + ":" +
                              TwoDigits(In_tmWhen.tm_min) + ":" + TwoDigits(In_tmWhen.tm_sec);
    return stamp + " " + In_udtData.udtProgress.strPlaceName + " (MapNo." + vb::CStr(In_udtData.udtProgress.intMapNo) +
           ")" + " [LV." + vb::CStr(In_udtData.udtC1.lngLv) + "]";
}

vb::Boolean Manage_Save_Data(vb::Integer In_intSlot) {
    const std::string dir = Manage_Save_Dir();
    try {
        // A file named like the folder would make every later step fail with a less helpful
        // message; say what is in the way instead.
        if (vb::Path_Exists(dir) && !vb::Path_DirExists(dir)) {
            vb::Raise(vb::kErrPathFileAccess,
                      "セーブフォルダ「" + vb::Path_Resolve(dir) + "」と同じ名前のファイルがあります。" +
                          vb::Error_Description(vb::kErrPathFileAccess));
        }
        FileIO_Make_Dir(dir);
    } catch (const vb::Error& e) {
        Sys_Show_Error(e);
        ShowSaveFailed();
        return vb::kFalse;
    }
    DataFile_Set_Buffer(gudtGame);
    const vb::Boolean ok = DataFile_Save(Manage_Slot_Path(In_intSlot));
    if (ok == vb::kFalse) {
        // The index keeps describing what the slot file really holds.
        ShowSaveFailed();
        return vb::kFalse;
    }
    FileIO_Write_Ini(Manage_Index_Path(), "SAVE", vb::CStr(In_intSlot), Manage_Summary_Line(gudtGame, Now()));
    return ok;
}

vb::Boolean Manage_Load_Data(vb::Integer In_intSlot) {
    if (DataFile_Load(Manage_Slot_Path(In_intSlot)) == vb::kFalse) return vb::kFalse;
    gudtGame = DataFile_Get_Buffer();
    return vb::kTrue;
}

std::string Manage_Read_SaveIni(vb::Integer In_intSlot) {
    return FileIO_Read_Ini(Manage_Index_Path(), "SAVE", vb::CStr(In_intSlot), vb::kTrue);
}
