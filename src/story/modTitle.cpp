// The title screen. The choice texts are part of picture 0; the highlight is picture 1 drawn beside
// the row, and moving it wipes the two cursor columns white first.
#include "story/modTitle.h"

#include "common/vb_error.h"
#include "core/G_modManage_Media.h"
#include "core/modEvent.h"
#include "core/modEvent_Form.h"
#include "data/modSetting.h"
#include "platform/form.h"
#include "platform/raster.h"

namespace {

constexpr platform::Colour kWhite = 0xFFFFFF;

struct TitleRow {
    vb::Single left, top, right, bottom;  // pointer bounds, inclusive
    vb::Single cursorX, cursorY;          // where picture 1 goes
};
constexpr TitleRow kRows[3] = {
    {410, 190, 550, 220, 425, 193},
    {410, 230, 550, 260, 425, 234},
    {410, 270, 550, 300, 425, 275},
};

platform::Form& TitleForm() {
    if (gobjEventForm == nullptr) vb::Raise(vb::kErrObjectNotSet);
    return *gobjEventForm;
}

void Title_Draw() {
    gintLastChoice = 0;
    gintChoice = 0;
    Event_Play("PLAY_MID", gintMusicOpen);
    platform::Form& form = TitleForm();
    platform::Raster_Cls(form.image, kWhite);
    Event_Play("PLAY_PIC", 0);
    form.Refresh();
}

void Title_Point(vb::Single x, vb::Single y) {
    gintChoice = Title_Row_At(x, y);
    if (gintChoice == gintLastChoice) return;
    gintLastChoice = gintChoice;
    platform::Form& form = TitleForm();
    platform::Raster_FillBox(form.image, 420, 190, 455, 300, kWhite);
    platform::Raster_FillBox(form.image, 510, 190, 550, 300, kWhite);
    if (gintChoice >= 1 && gintChoice <= 3) {
        const TitleRow& row = kRows[gintChoice - 1];
        Manage_Play_Pic(1, row.cursorX, row.cursorY, kWhite);
    }
    form.Refresh();
}

void Title_Select() {
    switch (gintChoice) {
        case 1:  // new game: the opening
            gintGameState = 3;
            Event_Play("PLAY_EFF", 7);
            Event_Dispatch(kInputRefresh, 0, 0);
            break;
        case 2:  // the load screen, which comes back here when left
            gintReturnState = 0;
            gintGameState = 1;
            Event_Play("PLAY_EFF", 17);
            Event_Dispatch(kInputRefresh, 0, 0);
            break;
        case 3:  // quitting: the main window runs the quit sequence after this input
            gintGameState = 14;
            break;
        default:
            break;
    }
}

}  // namespace

vb::Integer Title_Row_At(vb::Single x, vb::Single y) {
    for (int i = 0; i < 3; ++i) {
        const TitleRow& r = kRows[i];
        if (x >= r.left && x <= r.right && y >= r.top && y <= r.bottom) return static_cast<vb::Integer>(i + 1);
    }
    return 0;
}

void Event_Title(vb::Integer kind, vb::Single x, vb::Single y) {
    switch (kind) {
        case kInputRefresh: Title_Draw(); break;
        case kInputPointer: Title_Point(x, y); break;
        case kInputSelect: Title_Select(); break;
        default: break;
    }
}
