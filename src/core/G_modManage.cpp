#include "core/G_modManage.h"

#include "core/G_modGameInfo.h"

std::string Manage_Read_EveIni(const std::string& name, const std::string& section, const std::string& key,
                               vb::Boolean trim) {
    return FileIO_Read_Ini(gstrGameDir + "eve\\" + name + ".ini", section, key, trim);
}

LineList Manage_Read_EveLines(const std::string& file) { return FileIO_Read_Lines(gstrGameDir + "eve\\" + file); }

platform::Form* gobjMainForm = nullptr;
platform::Surface* gobjBackPic = nullptr;
