// The shop. Like the status menu, every screen is saved as the window's backup image after it is
// drawn, and pointer moves restore it before drawing the highlight and the message.
#include "menus/modShop.h"

#include <cmath>
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
#include "platform/raster.h"

using namespace menus;

namespace {

constexpr vb::Integer kPicShop = 1030;
constexpr vb::Integer kPicMessage = 7001;
constexpr vb::Integer kPicList = 21;

constexpr vb::Integer kKindWeapon = 1;
constexpr vb::Integer kKindAcce = 2;
constexpr vb::Integer kKindItem = 3;

// The highest money the game record keeps.
constexpr vb::Long kPomMax = 999999;

typCharacter& C1() { return gudtGame.udtC1; }

// The message area of the shop (the rectangle of the message-text command, in black).
void Message(const std::string& text) { Manage_Draw_Text(text, 60, 375, 586, 552, 10, kBlack, kAlignLeft); }

void Wait_Frames(vb::Long n) { Sys_Wait(vb::MulLng(n, glngFrameTime)); }

void Draw_Money() {
    Manage_Draw_Text("所持金:" + vb::CStr(static_cast<long long>(C1().lngPom)), 300, 10, 630, 30, 10, kBlack,
                     kAlignRight);
}

// Name, price and description of goods line k; false for a line without goods.
bool Goods(vb::Integer k, std::string& name, vb::Long& price, std::string& info) {
    const vb::Integer n = gintShopNo(k);
    if (n == 0) return false;
    switch (gintShopKind(k)) {
        case kKindWeapon: {
            const typWeapon& w = gudtWeapon(n);
            name = w.strName;
            price = w.lngPrice;
            info = w.strInfo;
            return true;
        }
        case kKindAcce: {
            const typItem& a = gudtAcce(n);
            name = a.strName;
            price = a.lngPrice;
            info = a.strInfo;
            return true;
        }
        case kKindItem: {
            const typItem& it = gudtItem(n);
            name = it.strName;
            price = it.lngPrice;
            info = it.strInfo;
            return true;
        }
        default: return false;
    }
}

// Name and description of the thing in a carried slot (entry 0 for an empty one).
void Carried(vb::Integer kind, vb::Integer slot, std::string& name, std::string& info) {
    const typCharacter& c = C1();
    if (kind == kKindWeapon) {
        const typWeapon& w = gudtWeapon(c.intBagWeNo(slot));
        name = w.strName;
        info = w.strInfo;
    } else if (kind == kKindAcce) {
        const typItem& a = gudtAcce(c.intBagAcNo(slot));
        name = a.strName;
        info = a.strInfo;
    } else {
        const typItem& it = gudtItem(c.intItNo(slot));
        name = it.strName;
        info = it.strInfo;
    }
}

bool Carried_Empty(vb::Integer kind, vb::Integer slot) {
    const typCharacter& c = C1();
    if (kind == kKindWeapon) return c.intBagWeNo(slot) == 0;
    if (kind == kKindAcce) return c.intBagAcNo(slot) == 0;
    return c.intItNo(slot) == 0;
}

// --- drawing ---

void Draw_Main(vb::Integer kind) {
    platform::Raster_Cls(Menu_Form().image, kWhite);
    Menu_Pic(kPicShop);
    Menu_Pic(kPicMessage);
    if (kind == kInputRefreshEntry) {
        Message("いらっしゃいませ～\\n冒険者専用出張店です～！！");
        Event_Play("PLAY_MID", gintMusicShop);
        Wait_Frames(10);
    }
    Menu_Pic(kPicMessage);
    Message("ご用件を選んでください～");
    Manage_Draw_Text("　商品を購入する", 60, 395, 586, 552, 10, kRed, kAlignLeft);
    Manage_Draw_Text("　持ち物を売却する", 60, 415, 586, 552, 10, kRed, kAlignLeft);
    Manage_Draw_Text("　お店をでます", 60, 435, 586, 552, 10, kRed, kAlignLeft);
    Manage_Copy_Screen(vb::kTrue);
    Menu_Present();
}

void Draw_Buy() {
    Menu_Pic(kPicList, 50, 50);
    for (int k = 1; k <= 7; ++k) {
        const vb::Single y = static_cast<vb::Single>(72 + 30 * (k - 1));
        const vb::Integer n = gintShopNo(k);
        switch (gintShopKind(k)) {
            case kKindWeapon:
                Manage_Draw_Text(gudtWeapon(n).strName, 105, y, 230, y + 23, 9, kWhite, kAlignLeft);
                Manage_Draw_Text(Menu_Tama_Text(gudtWeapon(n).intTama), 200, y, 230, y + 23, 9, kWhite, kAlignLeft);
                break;
            case kKindAcce:
                Manage_Draw_Text(gudtAcce(n).strName, 105, y, 230, y + 23, 9, kWhite, kAlignLeft);
                break;
            case kKindItem:
                Manage_Draw_Text(gudtItem(n).strName, 105, y, 230, y + 23, 9, kWhite, kAlignLeft);
                break;
            default: break;
        }
    }
    Menu_Pic(kPicMessage);
    Draw_Money();
    Message("購入を希望ですね～！\\n商品の情報はマウスカーソルを合わせてください～\\n購入したいものはマウスでクリック"
            "してくださいね～");
    Manage_Copy_Screen(vb::kTrue);
    Menu_Present();
}

void Draw_Sell() {
    const typCharacter& c = C1();
    Menu_Pic(kPicList, 20, 50);
    for (int i = 1; i <= 7; ++i) {
        if (c.intBagWeNo(i) == 0) continue;
        const vb::Single y = static_cast<vb::Single>(72 + 30 * (i - 1));
        Manage_Draw_Text(gudtWeapon(c.intBagWeNo(i)).strName, 75, y, 200, y + 23, 9, kWhite, kAlignLeft);
        Manage_Draw_Text(Menu_Tama_Text(c.intBagWeTama(i)), 170, y, 200, y + 23, 9, kWhite, kAlignLeft);
    }
    Menu_Pic(kPicList, 220, 50);
    for (int i = 1; i <= 7; ++i) {
        const vb::Single y = static_cast<vb::Single>(72 + 30 * (i - 1));
        Manage_Draw_Text(gudtAcce(c.intBagAcNo(i)).strName, 275, y, 400, y + 23, 9, kWhite, kAlignLeft);
    }
    Menu_Pic(kPicList, 420, 50);
    for (int i = 1; i <= 7; ++i) {
        const vb::Single y = static_cast<vb::Single>(72 + 30 * (i - 1));
        Manage_Draw_Text(gudtItem(c.intItNo(i)).strName, 475, y, 600, y + 23, 9, kWhite, kAlignLeft);
    }
    Menu_Pic(kPicMessage);
    Draw_Money();
    Message("所持品の売却を希望ですね～！\\n所持品の情報はマウスカーソルを合わせてください～\\n売却したいものはマウスで"
            "クリックしてくださいね～");
    Manage_Copy_Screen(vb::kTrue);
    Menu_Present();
}

void Shop_Draw(vb::Integer kind) {
    gintChoice = 0;
    gintLastChoice = 0;
    switch (gintSubState) {
        case 0: Draw_Main(kind); break;
        case 1: Draw_Buy(); break;
        case 2: Draw_Sell(); break;
        default: break;
    }
}

// --- pointing ---

void Point_Main(vb::Single x, vb::Single y) {
    gintChoice = Shop_Line_At(x, y);
    if (gintChoice == gintLastChoice) return;
    gintLastChoice = gintChoice;
    Manage_Copy_Screen(vb::kFalse);
    if (gintChoice != 0) Manage_Invert_Rect(65, static_cast<vb::Single>(392 + 20 * (gintChoice - 1)), 200, 18);
    Menu_Present();
}

void Point_Buy(vb::Single x, vb::Single y) {
    gintChoice = Shop_Line_At(x, y);
    if (gintChoice == gintLastChoice) return;
    gintLastChoice = gintChoice;
    Manage_Copy_Screen(vb::kFalse);
    const vb::Integer k = gintChoice;
    if (k != 0 && gintShopNo(k) != 0) {
        Menu_Pic(kPicMessage);
        Manage_Invert_Rect(101, static_cast<vb::Single>(67 + 30 * (k - 1)), kLineWidth, kLineHeight);
        std::string name;
        std::string info;
        vb::Long price = 0;
        if (Goods(k, name, price, info)) {
            Message(name + "\\n購入価格:" + vb::CStr(static_cast<long long>(price)) + "\\n" + info);
        }
    }
    Menu_Present();
}

void Point_Sell(vb::Single x, vb::Single y) {
    // The panels are not painted again for the test: over the saved screen they would hide the
    // names whenever the pointer stays on its line.
    gintChoice = Shop_Line_At(x, y);
    if (gintChoice == gintLastChoice) return;
    gintLastChoice = gintChoice;
    Manage_Copy_Screen(vb::kFalse);
    Menu_Pic(kPicMessage);
    if (gintChoice != 0) {
        const vb::Integer kind = static_cast<vb::Integer>(gintChoice / 10);
        const vb::Integer slot = static_cast<vb::Integer>(gintChoice % 10);
        const vb::Single left = static_cast<vb::Single>(kind == kKindWeapon ? 71 : kind == kKindAcce ? 271 : 471);
        Manage_Invert_Rect(left, static_cast<vb::Single>(67 + 30 * (slot - 1)), kLineWidth, kLineHeight);
        if (!Carried_Empty(kind, slot)) {
            std::string name;
            std::string info;
            Carried(kind, slot, name, info);
            Message(name + "\\n" + "売却価格:" + vb::CStr(static_cast<long long>(Shop_Sale_Price(kind, slot))) + "\\n" +
                    info);
        }
    }
    Menu_Present();
}

// --- clicks ---

void Refuse(const std::string& text) {
    Event_Play("PLAY_SOU", 5);
    Menu_Pic(kPicMessage);
    Message(text);
    Menu_Present();
    Wait_Frames(20);
}

void Select_Main() {
    switch (gintChoice) {
        case 1:
        case 2:
            Event_Play("PLAY_SOU", 2);
            gintSubState = gintChoice;
            Event_Dispatch(kInputRefresh, 0, 0);
            break;
        case 3:
            Menu_Pic(kPicMessage);
            Message("ありがとうございました～！！");
            Menu_Present();
            Wait_Frames(10);
            Event_Play("PLAY_EFF", 17);
            gintGameState = gintReturnState;
            Event_Dispatch(kInputRefresh, 0, 0);
            break;
        default: break;
    }
}

void Select_Buy() {
    const vb::Integer k = gintChoice;
    if (k < 1 || k > 7) return;
    std::string name;
    std::string info;
    vb::Long price = 0;
    if (!Goods(k, name, price, info)) return;
    typCharacter& c = C1();
    if (c.lngPom < price) {
        Refuse("お客さん、お金が足りないですよ～");
        return;
    }
    const vb::Integer n = gintShopNo(k);
    const vb::Integer t = gintShopKind(k);
    vb::Boolean added = vb::kFalse;
    if (t == kKindWeapon) {
        added = Setting_Add_Weapon(n);
    } else if (t == kKindAcce) {
        added = Setting_Add_Accessory(n);
    } else {
        added = Setting_Add_Item(n);
    }
    if (added == vb::kFalse) {
        if (t == kKindWeapon) {
            Refuse("もちものが多すぎますよ～\\n所持可能な武器の限度を超えてますので、使用するか、売却してください～");
        } else if (t == kKindAcce) {
            Refuse("もちものが多すぎますよ～\\n所持可能なアクセサリーの限度を超えてますので、売却してください～");
        } else {
            Refuse("アイテムが多すぎますよ～\\n所持可能なアイテムの限度を超えてますので、使用するか、売却してください～");
        }
        return;
    }
    Event_Play("PLAY_SOU", 40);
    c.lngPom = vb::SubLng(c.lngPom, price);
    Menu_Pic(kPicMessage);
    Message(name + "を購入ですね～\\nお買い上げありがとうございます");
    Menu_Present();
    Wait_Frames(20);
    gintSubState = 0;
    Shop_Draw(kInputRefresh);
}

void Select_Sell() {
    const vb::Integer line = gintChoice;
    const vb::Integer kind = static_cast<vb::Integer>(line / 10);
    const vb::Integer s = static_cast<vb::Integer>(line % 10);
    if (kind < kKindWeapon || kind > kKindItem || s < 1 || s > 7) return;
    if (Carried_Empty(kind, s)) {
        Event_Play("PLAY_SOU", 5);
        Shop_Draw(kInputRefresh);
        return;
    }
    const vb::Long price = Shop_Sale_Price(kind, s);
    std::string name;
    std::string info;
    Carried(kind, s, name, info);
    Event_Play("PLAY_SOU", 40);
    gintMenuSlot = s;
    typCharacter& c = C1();
    // Kept within what the game record holds, so that selling never overflows the money.
    c.lngPom = static_cast<vb::Long>(std::min<double>(static_cast<double>(c.lngPom) + price, kPomMax));
    Menu_Pic(kPicMessage);
    Message(name + "を売却ですね～\\nご指定の金額にてお引取りしました～");
    if (kind == kKindWeapon) {
        c.intBagWeNo(s) = 0;
        c.intBagWeTama(s) = 0;
    } else if (kind == kKindAcce) {
        c.intBagAcNo(s) = 0;
    } else {
        c.intItNo(s) = 0;
    }
    Menu_Present();
    Wait_Frames(20);
    gintSubState = 0;
    Shop_Draw(kInputRefresh);
}

void Shop_Cancel() {
    if (gintSubState != 1 && gintSubState != 2) return;
    Event_Play("PLAY_SOU", 3);
    gintSubState = 0;
    Shop_Draw(kInputRefresh);
}

}  // namespace

vb::Long Shop_Sale_Price(vb::Integer In_intKind, vb::Integer In_intSlot) {
    const typCharacter& c = C1();
    double price = 0;
    if (In_intKind == kKindWeapon) {
        if (c.intBagWeNo(In_intSlot) == 0) return 0;
        const typWeapon& w = gudtWeapon(c.intBagWeNo(In_intSlot));
        // A weapon that comes without ammunition is priced like a full one instead of failing.
        price = w.intTama > 0
                    ? static_cast<double>(w.lngPrice) * c.intBagWeTama(In_intSlot) / w.intTama / 4.0
                    : static_cast<double>(w.lngPrice) / 4.0;
    } else if (In_intKind == kKindAcce) {
        if (c.intBagAcNo(In_intSlot) == 0) return 0;
        price = static_cast<double>(gudtAcce(c.intBagAcNo(In_intSlot)).lngPrice) / 4.0;
    } else if (In_intKind == kKindItem) {
        if (c.intItNo(In_intSlot) == 0) return 0;
        price = static_cast<double>(gudtItem(c.intItNo(In_intSlot)).lngPrice) / 10.0;
    }
    return vb::CLng(vb::Int(price));
}

vb::Integer Shop_Line_At(vb::Single x, vb::Single y) {
    switch (gintSubState) {
        case 0:
            if (x < 60 || x >= 360) return 0;
            if (y >= 392 && y < 410) return 1;
            if (y >= 412 && y < 430) return 2;
            if (y >= 432 && y < 450) return 3;
            return 0;
        case 1:
            for (int k = 1; k <= 7; ++k) {
                if (Menu_In_Line(x, y, 101, static_cast<vb::Single>(67 + 30 * (k - 1)))) return static_cast<vb::Integer>(k);
            }
            return 0;
        case 2: {
            const vb::Single lefts[3] = {71, 271, 471};
            for (int col = 0; col < 3; ++col) {
                for (int i = 1; i <= 7; ++i) {
                    if (Menu_In_Line(x, y, lefts[col], static_cast<vb::Single>(67 + 30 * (i - 1)))) {
                        return static_cast<vb::Integer>(10 * (col + 1) + i);
                    }
                }
            }
            return 0;
        }
        default: return 0;
    }
}

void Event_Shop(vb::Integer kind, vb::Single x, vb::Single y) {
    try {
        switch (kind) {
            case kInputRefreshEntry:
                Menu_Pic_Reset();
                Shop_Draw(kind);
                break;
            case kInputRefresh: Shop_Draw(kind); break;
            case kInputSelect:
                if (gintSubState == 0) {
                    Select_Main();
                } else if (gintSubState == 1) {
                    Select_Buy();
                } else if (gintSubState == 2) {
                    Select_Sell();
                }
                break;
            case kInputPointer:
                if (gintSubState == 0) {
                    Point_Main(x, y);
                } else if (gintSubState == 1) {
                    Point_Buy(x, y);
                } else if (gintSubState == 2) {
                    Point_Sell(x, y);
                }
                break;
            case kInputCancel: Shop_Cancel(); break;
            default: break;
        }
    } catch (const vb::Error& e) {
        // A broken record or table entry: said, and the shop stays where it is.
        Sys_Show_Error(e);
    }
}
