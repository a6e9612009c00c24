// Window and full-screen mode of the main window. Full-screen is the desktop's own full-screen with
// the 640 x 480 picture scaled and letterboxed: the monitor's real mode is never changed.
#pragma once
#include <string>

#include "common/vb_types.h"
#include "platform/form.h"
#include "platform/host.h"

class clsDisplay {
public:
    // True while this object has the window in full-screen mode.
    vb::Boolean gblnFullScFlag = vb::kFalse;

    // Switches to full-screen when the platform offers a 640 x 480 mode of 16, 24 or 32 bits;
    // otherwise says so and leaves the window as it is.
    void COM_Open_Display(platform::Form& In_ObjName);
    // Back to the window with the caption and size saved on the first switch; nothing when not in
    // full-screen mode.
    void COM_Close_Display(platform::Form& In_ObjName);
    // Leaves full-screen mode (minimising the window) when another window is active; True when it did.
    vb::Boolean COM_ChangeScreen_Display(platform::Form& In_ObjName);
    // Sizes the window so that its drawing area is In_X x In_Y pixels.
    void COM_ChangeSize_Display(platform::Form& In_ObjName, vb::Single In_X, vb::Single In_Y);

    // The mode the last successful switch to full-screen chose.
    const platform::DisplayMode& ChosenMode() const { return mudtMode; }

private:
    void Disp_Get_Metrics();

    std::string mstrSavedCaption;
    vb::Single msngSavedWidth = 0;
    vb::Single msngSavedHeight = 0;
    vb::Boolean mblnSaved = vb::kFalse;
    vb::Integer mintTwipsX = 0;
    vb::Integer mintTwipsY = 0;
    vb::Integer mintCaptionTw = 0;
    vb::Integer mintFrameTw = 0;
    platform::DisplayMode mudtMode;
};

// The message for a result code of a display change (1, -1, -2, -3, -5; other codes show nothing).
void Disp_Show_Result(vb::Long code);

// Screen metrics of this build: a classic 96-dpi desktop.
inline constexpr int kDispTwipsPerPixel = 15;
inline constexpr int kDispCaptionPixels = 18;  // caption bar height
inline constexpr int kDispFramePixels = 4;     // sizing frame width

// The main window's outer size in twips, as a window's Width and Height give it: the drawing area
// plus the caption height (height) and one frame width (width). Setting it sizes the drawing area.
vb::Single Disp_Window_Width();
vb::Single Disp_Window_Height();
void Disp_Set_Window_Size(vb::Single In_Width, vb::Single In_Height);
