#include "display/clsDisplay.h"

#include <algorithm>
#include <exception>

#include "common/C_modSystem.h"

namespace {

int ClientPixels(vb::Single twips, int borderPixels) {
    const double pixels = static_cast<double>(twips) / kDispTwipsPerPixel - borderPixels;
    return std::max<vb::Long>(1, vb::CLng(pixels));
}

bool IsUsableMode(const platform::DisplayMode& m) {
    return m.width == 640 && m.height == 480 &&
           (m.bitsPerPixel == 16 || m.bitsPerPixel == 24 || m.bitsPerPixel == 32);
}

}  // namespace

vb::Single Disp_Window_Width() {
    int w = 0, h = 0;
    platform::Host_Get().GetWindowSize(w, h);
    return static_cast<vb::Single>((w + kDispFramePixels) * kDispTwipsPerPixel);
}

vb::Single Disp_Window_Height() {
    int w = 0, h = 0;
    platform::Host_Get().GetWindowSize(w, h);
    return static_cast<vb::Single>((h + kDispCaptionPixels) * kDispTwipsPerPixel);
}

void Disp_Set_Window_Size(vb::Single In_Width, vb::Single In_Height) {
    platform::Host_Get().SetWindowSize(ClientPixels(In_Width, kDispFramePixels),
                                       ClientPixels(In_Height, kDispCaptionPixels));
}

void clsDisplay::COM_Open_Display(platform::Form& In_ObjName) {
    (void)In_ObjName;
    platform::Host& host = platform::Host_Get();
    bool done = false;
    try {
        const std::vector<platform::DisplayMode> modes = host.DisplayModes();
        const auto found = std::find_if(modes.begin(), modes.end(), IsUsableMode);
        if (found != modes.end()) {
            if (mblnSaved == vb::kFalse) {
                mstrSavedCaption = host.GetCaption();
                msngSavedWidth = Disp_Window_Width();
                msngSavedHeight = Disp_Window_Height();
                mblnSaved = vb::kTrue;
            }
            // The desktop keeps its resolution; the host scales the picture over it. A host that
            // refuses leaves the window as it was, which is reported like a missing mode.
            if (host.SetFullscreen(true)) {
                mudtMode = *found;
                gblnFullScFlag = vb::kTrue;
                host.SetCaption("");
                done = true;
            }
        }
    } catch (const std::exception&) {
        done = false;
    }
    if (!done) {
        Sys_MsgBox("フルスクリーンにはできませんでした。\r\nウインドゥモードで起動します", "エラー");
    }
}

void clsDisplay::COM_Close_Display(platform::Form& In_ObjName) {
    (void)In_ObjName;
    if (gblnFullScFlag == vb::kFalse) return;
    try {
        gblnFullScFlag = vb::kFalse;
        platform::Host& host = platform::Host_Get();
        const vb::Long result = host.SetFullscreen(false) ? 0 : -1;
        host.SetCaption(mstrSavedCaption);
        Disp_Set_Window_Size(msngSavedWidth, msngSavedHeight);
        if (result != 0) Disp_Show_Result(result);
    } catch (const std::exception& e) {
        Sys_Show_Error(e);
    }
}

vb::Boolean clsDisplay::COM_ChangeScreen_Display(platform::Form& In_ObjName) {
    platform::Host& host = platform::Host_Get();
    if (gblnFullScFlag != vb::kFalse && !host.WindowIsActive()) {
        host.MinimizeWindow();
        COM_Close_Display(In_ObjName);
        return vb::kTrue;
    }
    return vb::kFalse;
}

void clsDisplay::Disp_Get_Metrics() {
    mintTwipsX = static_cast<vb::Integer>(kDispTwipsPerPixel);
    mintTwipsY = static_cast<vb::Integer>(kDispTwipsPerPixel);
    mintCaptionTw = vb::MulInt(mintTwipsY, static_cast<vb::Integer>(kDispCaptionPixels));
    mintFrameTw = vb::MulInt(mintTwipsX, static_cast<vb::Integer>(kDispFramePixels));
}

void clsDisplay::COM_ChangeSize_Display(platform::Form& In_ObjName, vb::Single In_X, vb::Single In_Y) {
    (void)In_ObjName;
    Disp_Get_Metrics();
    const vb::Single height = vb::CSng(static_cast<double>(In_Y) * kDispTwipsPerPixel + mintCaptionTw);
    const vb::Single width = vb::CSng(static_cast<double>(In_X) * kDispTwipsPerPixel + mintFrameTw);
    Disp_Set_Window_Size(width, height);
}

void Disp_Show_Result(vb::Long code) {
    const char* text = nullptr;
    switch (code) {
        case 1: text = "設定を反映するためには再起動が必要です。"; break;
        case -1: text = "失敗しました。"; break;
        case -2: text = "不正なモードです。"; break;
        case -3: text = "設定をレジストリに書き込めません。"; break;
        case -5: text = "不正なパラメータです。"; break;
        default: return;
    }
    Sys_MsgBox(text);
}
