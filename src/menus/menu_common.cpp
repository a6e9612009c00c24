#include "menus/menu_common.h"

#include <set>

#include "common/C_modSystem.h"
#include "common/vb_error.h"
#include "core/G_modManage_Media.h"
#include "core/modEvent_Form.h"
#include "field/modMap.h"
#include "platform/form.h"
#include "platform/trace.h"

namespace menus {
namespace {

// Pictures already reported missing since the screen was opened.
std::set<vb::Integer>& Reported() {
    static std::set<vb::Integer> s;
    return s;
}

}  // namespace

platform::Form& Menu_Form() {
    if (gobjEventForm == nullptr) vb::Raise(vb::kErrObjectNotSet);
    return *gobjEventForm;
}

void Menu_Present() { Menu_Form().Refresh(); }

void Menu_Pic(vb::Integer In_intNo, vb::Single In_sngX, vb::Single In_sngY) {
    try {
        Manage_Play_Pic(In_intNo, In_sngX, In_sngY, kWhite);
    } catch (const vb::Error& e) {
        platform::Trace_Write("picture-missing " + vb::CStr(In_intNo));
        if (Reported().insert(In_intNo).second) Sys_Show_Error(e);
    }
}

void Menu_Pic_Reset() { Reported().clear(); }

std::string Menu_Tama_Text(vb::Integer In_intTama) {
    // Built by appending: GCC 12 warns falsely of overlapping copies for "[" + text in optimised builds.
    std::string s = "[";
    s += vb::Format(In_intTama, "00");
    s += ']';
    return s;
}

bool Menu_In_Line(vb::Single x, vb::Single y, vb::Single left, vb::Single top) {
    return left <= x && x < left + kLineWidth && top <= y && y < top + kLineHeight;
}

void Menu_Skip_Map_Music() { gblnSkipMapMusic = vb::kTrue; }

}  // namespace menus
