// The save and load screens. Both are drawn the same way: the background picture, a picture that
// slides in at the bottom right, the title and the seven slot rows; the finished screen is kept in
// the backup picture so that moving the frame only restores it and draws the new frame.

#include "common/C_modSystem.h"
#include "common/vb_error.h"
#include "common/vb_string.h"
#include "core/G_modGameInfo.h"
#include "core/G_modManage_Media.h"
#include "core/G_modManage_Text.h"
#include "core/modEvent.h"
#include "core/modEvent_Form.h"
#include "field/modMap.h"
#include "platform/form.h"
#include "platform/raster.h"
#include "save/G_modManage_Save.h"
#include "save/modSaveScreen.h"

namespace {

constexpr platform::Colour kWhite = 0xFFFFFF;
constexpr platform::Colour kBlack = 0x000000;
constexpr vb::Long kInk = platform::Rgb(64, 0, 0);

constexpr vb::Integer kSlots = 7;
constexpr vb::Integer kPicBack = 1000;
constexpr vb::Integer kPicSaveSlide = 1001;
constexpr vb::Integer kPicLoadSlide = 1002;

constexpr const char* kMarks[kSlots] = {"① ", "② ", "③ ", "④ ", "⑤ ", "⑥ ", "⑦ "};

enum class Screen { Load, Save };

platform::Form& ScreenForm() {
    if (gobjEventForm == nullptr) vb::Raise(vb::kErrObjectNotSet);
    return *gobjEventForm;
}

vb::Long Frames(vb::Long n) { return vb::MulLng(n, glngFrameTime); }

// Top of slot s's band and frame.
vb::Long SlotTop(vb::Integer s) { return 75 + 50 * (s - 1); }

// A picture that cannot be drawn is reported and left out; the screen stays usable without it.
bool DrawPic(vb::Integer no, vb::Single x, vb::Single y) {
    try {
        if (x < 0 && y < 0) {
            Event_Play("PLAY_PIC", no);
        } else {
            Manage_Play_Pic(no, x, y, kWhite);
        }
        return true;
    } catch (const vb::Error& e) {
        Sys_Show_Error(e);
        return false;
    }
}

void Screen_Draw(Screen which) {
    gintLastChoice = 0;
    gintChoice = 0;
    platform::Form& form = ScreenForm();
    form.Cls();
    Sys_Wait(Frames(2));
    DrawPic(kPicBack, -1, -1);
    form.Refresh();
    Sys_Wait(Frames(5));

    const vb::Integer slide = which == Screen::Load ? kPicLoadSlide : kPicSaveSlide;
    for (int i = 1; i <= 8; ++i) {
        const int x = 460 - 2 * i;
        platform::Raster_FillBox(form.image, x, 410, 670, 500, kWhite);
        const bool drawn = DrawPic(slide, static_cast<vb::Single>(x), 410);
        form.Refresh();
        if (!drawn) break;  // one message for a missing picture, not one per step
        Sys_Wait(Frames(1));
    }

    const char* title = which == Screen::Load ? "◆ ロードするデータを選択してください ◆"
                                              : "◆ セーブするデータを選択してください ◆";
    Manage_Draw_Text(title, 200, 10, 600, 600, 10, kInk, 0);
    for (vb::Integer s = 1; s <= kSlots; ++s) {
        Manage_Draw_Text(SaveScreen_Slot_Label(s), 95, static_cast<vb::Single>(80 + 50 * (s - 1)), 600, 600, 12,
                         kInk, 0);
    }
    Manage_Copy_Screen(vb::kTrue);
}

void Screen_Point(vb::Single x, vb::Single y) {
    const vb::Integer s = SaveScreen_Slot_At(x, y);
    gintChoice = s;
    if (s == gintLastChoice) return;
    gintLastChoice = s;
    platform::Form& form = ScreenForm();
    Manage_Copy_Screen(vb::kFalse);
    if (s != 0) platform::Raster_Box(form.image, 85, SlotTop(s), 540, SlotTop(s) + 30, kBlack, 1);
    form.Refresh();
}

// The result of a load or a save on the background picture.
void Screen_Result(bool ok, const std::string& message, vb::Single left) {
    ScreenForm().Cls();
    DrawPic(kPicBack, -1, -1);
    if (ok) Event_Play("PLAY_SOU", 2);
    Sys_Wait(Frames(5));
    Manage_Draw_Text(message, left, 230, 600, 600, 16, kInk, 0);
    Sys_Wait(Frames(10));
}

void Screen_Select(Screen which) {
    if (gintChoice < 1 || gintChoice > kSlots) return;
    const vb::Integer slot = gintChoice;
    const std::string no = vb::CStr(slot);
    if (which == Screen::Load) {
        const bool ok = Manage_Load_Data(slot) != vb::kFalse;
        if (ok) {
            Screen_Result(true, "データ[ " + no + " ]をロードしました", 180);
            gintGameState = 6;
            Event_Play("PLAY_EFF", 17);
            gblnUseRecordPos = vb::kTrue;
        } else {
            Screen_Result(false, "データ[ " + no + " ]のロードに失敗しました", 140);
            gblnUseRecordPos = vb::kFalse;
        }
    } else {
        const bool ok = Manage_Save_Data(slot) != vb::kFalse;
        if (ok) {
            Screen_Result(true, "データ[ " + no + " ]にセーブしました", 180);
        } else {
            Screen_Result(false, "データ[ " + no + " ]のセーブに失敗しました", 150);
        }
    }
    // A failed load and every save draw their screen again, with the new summary.
    Event_Dispatch(kInputRefresh, 0, 0);
}

void Screen_Cancel(Screen which) {
    gintGameState = gintReturnState;
    if (which == Screen::Save) gblnSkipMapMusic = vb::kTrue;
    Event_Play("PLAY_SOU", 3);
    Event_Play("PLAY_EFF", 17);
    Event_Dispatch(kInputRefresh, 0, 0);
}

void Screen_Event(Screen which, vb::Integer kind, vb::Single x, vb::Single y) {
    switch (kind) {
        case kInputRefresh: Screen_Draw(which); break;
        case kInputSelect: Screen_Select(which); break;
        case kInputPointer: Screen_Point(x, y); break;
        case kInputCancel: Screen_Cancel(which); break;
        default: break;
    }
}

}  // namespace

vb::Integer SaveScreen_Slot_At(vb::Single x, vb::Single y) {
    if (x < 90 || x > 540) return 0;
    for (vb::Integer s = 1; s <= kSlots; ++s) {
        const vb::Long top = SlotTop(s);
        if (y >= static_cast<vb::Single>(top) && y <= static_cast<vb::Single>(top + 30)) return s;
    }
    return 0;
}

std::string SaveScreen_Slot_Label(vb::Integer slot) {
    if (slot < 1 || slot > kSlots) return "";
    const std::string summary = vb::Trim(Manage_Read_SaveIni(slot));
    return std::string(kMarks[slot - 1]) + (summary.empty() ? "データがありません" : summary);
}

void Event_Load_Screen(vb::Integer kind, vb::Single x, vb::Single y) { Screen_Event(Screen::Load, kind, x, y); }

void Event_Save_Screen(vb::Integer kind, vb::Single x, vb::Single y) { Screen_Event(Screen::Save, kind, x, y); }
