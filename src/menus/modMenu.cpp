// The status menu. Every screen is drawn whole and saved as the window's backup image; pointer
// moves restore that image and draw the highlight and the message on top, so nothing has to be
// erased by hand.
#include "menus/modMenu.h"

#include <string>

#include "common/C_modSystem.h"
#include "common/vb_error.h"
#include "core/G_modGameInfo.h"
#include "core/G_modManage_Media.h"
#include "core/G_modManage_Text.h"
#include "core/modEvent.h"
#include "data/modData.h"
#include "data/modSetting.h"
#include "menus/menu_common.h"
#include "platform/form.h"

using namespace menus;

namespace {

constexpr vb::Integer kPicBack = 20;
constexpr vb::Integer kPicList = 21;
constexpr vb::Integer kPicMessage = 22;

// The message area of the menu.
constexpr vb::Single kMsgLeft = 30, kMsgTop = 340, kMsgRight = 600, kMsgBottom = 450;

// The level from which the status screen marks the level as the highest.
constexpr vb::Long kLevelMax = 30;

typCharacter& C1() { return gudtGame.udtC1; }

void Message(const std::string& text) {
    Manage_Draw_Text(text, kMsgLeft, kMsgTop, kMsgRight, kMsgBottom, 10, kBlack, kAlignLeft);
}

void Wait_Frames(vb::Long n) { Sys_Wait(vb::MulLng(n, glngFrameTime)); }

// --- drawing ---

void Draw_Number(vb::Long value, vb::Single top, const std::string& suffix = "") {
    Manage_Draw_Text(vb::CStr(static_cast<long long>(value)) + suffix, 70, top, 195, top + 23, 10, kWhite,
                     kAlignCentre);
}

void Draw_Status(vb::Integer kind) {
    if (kind == kInputRefreshEntry) Event_Play("PLAY_EFF", 5);
    Menu_Form().Cls();
    Menu_Pic(kPicBack);
    const typCharacter& c = C1();
    Draw_Number(c.lngLv, 80, c.lngLv == kLevelMax ? "(LV MAX)" : "");
    Draw_Number(c.lngExp, 110);
    Draw_Number(c.lngPom, 140);
    Draw_Number(c.lngHp, 180);
    Draw_Number(c.lngMhp, 210);
    Draw_Number(c.lngAt, 240);
    Draw_Number(c.lngDf, 270);
    for (int i = 1; i <= 4; ++i) {
        if (c.intWeNo(i) == 0) continue;
        const vb::Single y = static_cast<vb::Single>(86 + 30 * (i - 1));
        Manage_Draw_Text(gudtWeapon(c.intWeNo(i)).strName, 292, y, 417, y + 23, 9, kWhite, kAlignLeft);
        Manage_Draw_Text(Menu_Tama_Text(c.intWeTama(i)), 387, y, 417, y + 23, 9, kWhite, kAlignLeft);
    }
    for (int i = 1; i <= 2; ++i) {
        const vb::Single y = static_cast<vb::Single>(242 + 30 * (i - 1));
        Manage_Draw_Text(gudtAcce(c.intAcNo(i)).strName, 292, y, 417, y + 23, 10, kWhite, kAlignLeft);
    }
    for (int j = 1; j <= 7; ++j) {
        const vb::Single y = static_cast<vb::Single>(85 + 30 * (j - 1));
        Manage_Draw_Text(gudtItem(c.intItNo(j)).strName, 490, y, 615, y + 23, 10, kWhite, kAlignLeft);
    }
    Manage_Copy_Screen(vb::kTrue);
    Menu_Present();
}

void Draw_Change_List() {
    const typCharacter& c = C1();
    Menu_Pic(kPicList, 50, 50);
    for (int e = 1; e <= 7; ++e) {
        const vb::Single y = static_cast<vb::Single>(72 + 30 * (e - 1));
        if (gintSubState == 1) {
            if (c.intBagWeNo(e) == 0) continue;
            Manage_Draw_Text(gudtWeapon(c.intBagWeNo(e)).strName, 105, y, 230, y + 23, 9, kWhite, kAlignLeft);
            Manage_Draw_Text(Menu_Tama_Text(c.intBagWeTama(e)), 200, y, 230, y + 23, 9, kWhite, kAlignLeft);
        } else {
            Manage_Draw_Text(gudtAcce(c.intBagAcNo(e)).strName, 105, y, 230, y + 23, 9, kWhite, kAlignLeft);
        }
    }
    Menu_Pic(kPicMessage);
    Message(gintSubState == 1 ? "武器の変更を行います" : "アクセサリ－の変更を行います");
    Manage_Copy_Screen(vb::kTrue);
    Menu_Present();
}

void Draw_Item_Question() {
    Menu_Pic(kPicMessage);
    Message(gudtItem(C1().intItNo(gintMenuSlot)).strName + "を使用しますか？");
    Manage_Draw_Text("　左クリック：はい\\n　右クリック：いいえ", kMsgLeft, 370, kMsgRight, kMsgBottom, 10, kRed,
                     kAlignLeft);
    Manage_Copy_Screen(vb::kTrue);
    Menu_Present();
}

void Menu_Draw(vb::Integer kind) {
    gintChoice = 0;
    gintLastChoice = 0;
    switch (gintSubState) {
        case 0: Draw_Status(kind); break;
        case 1:
        case 2: Draw_Change_List(); break;
        case 3: Draw_Item_Question(); break;
        default: break;
    }
}

// --- pointing ---

// The top left corner of the box of a line of the current sub-screen.
void Line_Box(vb::Integer line, vb::Single& left, vb::Single& top) {
    if (gintSubState == 0) {
        const int i = line % 10;
        switch (line / 10) {
            case 1: left = 289; top = static_cast<vb::Single>(80 + 30 * (i - 1)); return;
            case 2: left = 289; top = static_cast<vb::Single>(236 + 30 * (i - 1)); return;
            default: left = 487; top = static_cast<vb::Single>(80 + 30 * (i - 1)); return;
        }
    }
    left = 101;
    top = static_cast<vb::Single>(67 + 30 * (line - 1));
}

// Name and description of what a line of the current sub-screen holds.
std::string Line_Info(vb::Integer line) {
    const typCharacter& c = C1();
    if (gintSubState == 0) {
        const int i = line % 10;
        switch (line / 10) {
            case 1: {
                const typWeapon& w = gudtWeapon(c.intWeNo(i));
                return w.strName + "\\n" + w.strInfo;
            }
            case 2: {
                const typItem& a = gudtAcce(c.intAcNo(i));
                return a.strName + "\\n" + a.strInfo;
            }
            default: {
                const typItem& it = gudtItem(c.intItNo(i));
                return it.strName + "\\n" + it.strInfo;
            }
        }
    }
    if (gintSubState == 1) {
        const typWeapon& w = gudtWeapon(c.intBagWeNo(line));
        return w.strName + "\\n" + w.strInfo;
    }
    const typItem& a = gudtAcce(c.intBagAcNo(line));
    return a.strName + "\\n" + a.strInfo;
}

void Menu_Point(vb::Single x, vb::Single y) {
    if (gintSubState == 3) return;
    gintChoice = Menu_Line_At(x, y);
    if (gintChoice == gintLastChoice) return;
    gintLastChoice = gintChoice;
    Manage_Copy_Screen(vb::kFalse);
    if (gintSubState == 0) {
        Menu_Pic(kPicMessage);
    }
    if (gintChoice != 0) {
        if (gintSubState != 0) Menu_Pic(kPicMessage);
        vb::Single left = 0;
        vb::Single top = 0;
        Line_Box(gintChoice, left, top);
        Manage_Invert_Rect(left, top, kLineWidth, kLineHeight);
        Message(Line_Info(gintChoice));
    }
    Menu_Present();
}

// --- clicks ---

void Status_Select() {
    const vb::Integer line = gintChoice;
    if (line >= 11 && line <= 19) {
        Event_Play("PLAY_SOU", 2);
        gintSubState = 1;
    } else if (line >= 21 && line <= 29) {
        Event_Play("PLAY_SOU", 2);
        gintSubState = 2;
    } else if (line >= 31 && line <= 39) {
        if (C1().intItNo(line % 10) == 0) {
            Event_Play("PLAY_SOU", 5);
            gintSubState = 0;
            Menu_Draw(kInputRefresh);
            return;
        }
        Event_Play("PLAY_SOU", 2);
        gintSubState = 3;
    } else {
        return;
    }
    gintMenuSlot = static_cast<vb::Integer>(line % 10);
    Event_Dispatch(kInputRefresh, 0, 0);
}

void Change_Select() {
    const vb::Integer k = gintChoice;
    if (k < 1 || k > 7) return;
    const vb::Integer s = gintMenuSlot;
    typCharacter& c = C1();
    if (gintSubState == 1) {
        if (c.intBagWeNo(k) != 0 || c.intWeNo(s) != 0) {
            Event_Play("PLAY_SOU", 2);
            std::swap(c.intWeNo(s), c.intBagWeNo(k));
            std::swap(c.intWeTama(s), c.intBagWeTama(k));
            Menu_Pic(kPicMessage);
            Message("武器を変更しました\\n\\n  " + gudtWeapon(c.intBagWeNo(k)).strName + "　⇒　" +
                    gudtWeapon(c.intWeNo(s)).strName);
            Wait_Frames(10);
        }
    } else if (c.intBagAcNo(k) != 0 || c.intAcNo(s) != 0) {
        Event_Play("PLAY_SOU", 2);
        std::swap(c.intAcNo(s), c.intBagAcNo(k));
        Menu_Pic(kPicMessage);
        Message("アクセサリーを変更しました\\n\\n  " + gudtAcce(c.intBagAcNo(k)).strName + "　⇒　" +
                gudtAcce(c.intAcNo(s)).strName);
        Wait_Frames(10);
    }
    gintSubState = 0;
    Event_Dispatch(kInputRefresh, 0, 0);
}

void Item_Use() {
    typCharacter& c = C1();
    const vb::Integer j = gintMenuSlot;
    const typItem& item = gudtItem(c.intItNo(j));
    // Checked before anything shows: an amount beyond 16 bits is refused and the item is kept.
    const vb::Integer value = vb::CInt(item.lngValue);
    Event_Play("PLAY_SOU", 4);
    Menu_Pic(kPicMessage);
    Message(item.strName + "を使用しました\\n\\n" + item.strText);
    Setting_Add_Status(item.intKind, value);
    Data_Check_Limits();
    c.intItNo(j) = 0;
    Wait_Frames(10);
    gintSubState = 0;
    Event_Dispatch(kInputRefresh, 0, 0);
}

void Menu_Select() {
    switch (gintSubState) {
        case 0: Status_Select(); break;
        case 1:
        case 2: Change_Select(); break;
        case 3: Item_Use(); break;
        default: break;
    }
}

void Menu_Cancel() {
    if (gintSubState >= 1 && gintSubState <= 3) {
        Event_Play("PLAY_SOU", 3);
        gintSubState = 0;
        Menu_Draw(kInputRefresh);
        return;
    }
    if (gintSubState != 0) return;
    Event_Play("PLAY_EFF", 5);
    gintGameState = gintReturnState;
    Menu_Skip_Map_Music();
    Event_Dispatch(kInputRefresh, 0, 0);
}

}  // namespace

vb::Integer Menu_Line_At(vb::Single x, vb::Single y) {
    if (gintSubState == 0) {
        for (int i = 1; i <= 4; ++i) {
            if (Menu_In_Line(x, y, 289, static_cast<vb::Single>(80 + 30 * (i - 1)))) return static_cast<vb::Integer>(10 + i);
        }
        for (int i = 1; i <= 2; ++i) {
            if (Menu_In_Line(x, y, 289, static_cast<vb::Single>(236 + 30 * (i - 1)))) return static_cast<vb::Integer>(20 + i);
        }
        for (int i = 1; i <= 7; ++i) {
            if (Menu_In_Line(x, y, 487, static_cast<vb::Single>(80 + 30 * (i - 1)))) return static_cast<vb::Integer>(30 + i);
        }
        return 0;
    }
    if (gintSubState == 1 || gintSubState == 2) {
        for (int i = 1; i <= 7; ++i) {
            if (Menu_In_Line(x, y, 101, static_cast<vb::Single>(67 + 30 * (i - 1)))) return static_cast<vb::Integer>(i);
        }
    }
    return 0;
}

void Event_Status_Menu(vb::Integer kind, vb::Single x, vb::Single y) {
    try {
        switch (kind) {
            case kInputRefreshEntry:
                Menu_Pic_Reset();
                Menu_Draw(kind);
                break;
            case kInputRefresh: Menu_Draw(kind); break;
            case kInputSelect: Menu_Select(); break;
            case kInputPointer: Menu_Point(x, y); break;
            case kInputCancel: Menu_Cancel(); break;
            default: break;
        }
    } catch (const vb::Error& e) {
        // A broken record or table entry: said, and the menu stays where it is.
        Sys_Show_Error(e);
    }
}
