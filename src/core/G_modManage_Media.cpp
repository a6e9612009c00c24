// The media commands of G_modManage: one call with a command name and a number, looked up in the
// index file of its medium below the game folder.
#include "core/G_modManage_Media.h"

#include <vector>

#include "common/C_modFileIO.h"
#include "common/C_modMid.h"
#include "common/C_modSystem.h"
#include "common/C_modWave.h"
#include "common/vb_error.h"
#include "common/vb_string.h"
#include "core/G_modGameInfo.h"
#include "core/G_modManage.h"
#include "core/G_modManage_Text.h"
#include "effects/clsGraficEff.h"
#include "paint/C_modBlt.h"
#include "platform/form.h"
#include "platform/picture.h"
#include "platform/trace.h"

clsGraficEff* gobjGraficEff = nullptr;
vb::Boolean gblnEffReady = vb::kFalse;

namespace {

// The message area of "PLAY_MXT"; its bottom lies below the surface on purpose.
constexpr vb::Single kMxtLeft = 60, kMxtTop = 375, kMxtRight = 586, kMxtBottom = 552;
constexpr vb::Integer kMxtSize = 10;
constexpr platform::Colour kMxtColour = platform::Rgb(0, 89, 245);

// The key of number n in an index file: decimal, "-" before a negative number.
std::string IndexKey(vb::Integer n) { return vb::CStr(n); }

std::vector<std::string> SplitFields(const std::string& value, char sep) {
    std::vector<std::string> out;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type at = value.find(sep, start);
        if (at == std::string::npos) {
            out.push_back(value.substr(start));
            return out;
        }
        out.push_back(value.substr(start, at - start));
        start = at + 1;
    }
}

std::string Upper(const std::string& s) { return vb::UCase(s); }

// Music and sounds: the entry of number n in folder\folder.ini hands its path to the player. A
// step that fails is skipped, so these commands never raise an error to their caller.
void PlayEntry(const char* folder, const char* section, vb::Integer n, void (*play)(const std::string&)) {
    const std::string dir = gstrGameDir + folder + "\\";
    std::string value;
    try {
        value = FileIO_Read_Ini(dir + folder + ".ini", section, IndexKey(n), vb::kTrue);
    } catch (const std::exception&) {
        value.clear();
    }
    try {
        play(dir + value);
    } catch (const std::exception&) {
        // silence
    }
}

// The effect player lives for the whole run, created by the first effect.
clsGraficEff& EffectPlayer() {
    static clsGraficEff player;
    if (gobjGraficEff == nullptr) gobjGraficEff = &player;
    return *gobjGraficEff;
}

}  // namespace

void Manage_Init(platform::Form& In_objForm, platform::Surface& In_objBackPic) {
    gobjMainForm = &In_objForm;
    gobjBackPic = &In_objBackPic;
}

void Event_Play(const std::string& In_strCommand, vb::Integer In_intNo, const std::string& In_strText) {
    const std::string command = Upper(In_strCommand);
    if (command == "PLAY_MID") {
        Manage_Play_Mid(In_intNo);
    } else if (command == "PLAY_SOU") {
        Manage_Play_Sound(In_intNo);
    } else if (command == "PLAY_PIC") {
        Manage_Play_Pic(In_intNo, -1, -1, 0xFFFFFF);
    } else if (command == "PLAY_EFF") {
        Manage_Play_Eff(In_intNo);
    } else if (command == "PLAY_MXT") {
        Manage_Draw_Text(In_strText, kMxtLeft, kMxtTop, kMxtRight, kMxtBottom, kMxtSize, kMxtColour, 0);
    }
    // "PLAY_TXT" and unknown names do nothing.
}

void Manage_Play_Mid(vb::Integer In_intNo) {
    platform::Trace_Write("music " + vb::CStr(In_intNo));
    // A missing entry plays the folder itself, which stops the music.
    PlayEntry("mid", "MID", In_intNo, Mid_Play);
}

void Manage_Play_Sound(vb::Integer In_intNo) {
    platform::Trace_Write("sound " + vb::CStr(In_intNo));
    PlayEntry("sound", "SOUND", In_intNo, Wave_Play);
}

void Manage_Play_Pic(vb::Integer In_intNo, vb::Single In_sngX, vb::Single In_sngY, platform::Colour In_lngMask) {
    const std::string value = FileIO_Read_Ini(gstrGameDir + "pic\\pic.ini", "PIC", IndexKey(In_intNo), vb::kTrue);
    const std::vector<std::string> fields = SplitFields(value, ':');
    if (fields.size() < 5) {
        vb::Raise(vb::kErrSubscript, vb::Error_Description(vb::kErrSubscript) + " (pic.ini PIC " + IndexKey(In_intNo) +
                                         ": \"" + value + "\")");
    }
    const std::string path = gstrGameDir + "pic\\" + vb::Trim(fields[0]);
    vb::Long x = 0;
    vb::Long y = 0;
    if (In_sngX == -1 && In_sngY == -1) {
        x = vb::ValLng(fields[1]);
        y = vb::ValLng(fields[2]);
    } else {
        x = vb::CLng(In_sngX);
        y = vb::CLng(In_sngY);
    }
    const vb::Long width = vb::ValLng(fields[3]);
    const vb::Long height = vb::ValLng(fields[4]);
    const platform::Picture picture = platform::Picture_Load(path);
    if (gobjMainForm == nullptr) vb::Raise(vb::kErrObjectNotSet);
    Blt_Paint_Transparent(gobjMainForm->image, x, y, width, height, picture, 0, 0, In_lngMask, 0);
    platform::Trace_Write("picture " + vb::CStr(In_intNo) + " " + vb::CStr(x) + " " + vb::CStr(y));
}

void Manage_Play_Eff(vb::Integer In_intNo) {
    platform::Trace_Write("effect " + vb::CStr(In_intNo));
    clsGraficEff& player = EffectPlayer();
    if (gblnEffReady == vb::kFalse) {
        gblnEffReady = vb::kTrue;
        player.mObjForm = gobjMainForm;
    }
    player.glngTime = glngFrameTime;
    player.COM_Play_GlaficEff(In_intNo);
}

void Manage_Report_Error(const std::exception& e) { Sys_Show_Error(e); }
