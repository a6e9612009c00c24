// The main window: opening, the loading tick, the mouse handlers and the quit sequence.
#include "core/frmMain.h"

#include "common/C_modMid.h"
#include "common/C_modSystem.h"
#include "common/random.h"
#include "common/vb_error.h"
#include "core/G_modGameInfo.h"
#include "core/G_modManage.h"
#include "core/G_modManage_Media.h"
#include "core/modEvent.h"
#include "core/modInput.h"
#include "battle/modBattle.h"
#include "field/modMap.h"
#include "data/modSetting.h"
#include "display/clsDisplay.h"
#include "platform/host.h"
#include "platform/text_draw.h"
#include "platform/trace.h"

namespace {

vb::Integer ToInteger(int v) { return vb::CInt(static_cast<double>(v)); }

}  // namespace

frmMainWindow::frmMainWindow() = default;
frmMainWindow::~frmMainWindow() = default;

frmMainWindow& frmMain() {
    static frmMainWindow window;
    return window;
}

platform::Form& frmMain_Form() { return frmMain().Form; }

void frmMain_Show() {
    frmMainWindow& w = frmMain();
    platform::WindowSpec spec;
    spec.caption = kMainCaption;
    spec.width = w.Form.ScaleWidth();
    spec.height = w.Form.ScaleHeight();
    platform::Host_Get().OpenWindow(spec);
    w.Form_Load();
    platform::Pump_SetTimer(kTimer1, 100);
    platform::Pump_SetTimer(kTimer2, 1000);
    platform::Pump_SetWindow(&w);
}

void frmMain_Unload() {
    frmMainWindow& w = frmMain();
    if (platform::Pump_GetWindow() == &w) platform::Pump_SetWindow(nullptr);
    w.Form = platform::Form(640, 480);
    w.Pic = platform::Surface(640, 480);
    w.mintBusy = 0;
    w.mblnLoaded = vb::kFalse;
    w.mobjDisplay.reset();
    // The effect player binds itself to the window again on its next effect.
    gblnEffReady = vb::kFalse;
}

void frmMainWindow::Form_Load() {
    // "Now Loading ..." in the window's own font and text colour, before anything is loaded.
    platform::TextRect rect;
    rect.right = Form.ScaleWidth();
    rect.bottom = Form.ScaleHeight();
    platform::Text_Draw(Form.image, "Now Loading ...", rect, Form.FontSize, Form.ForeColor,
                        platform::TextAlign::WrapLeft);
    Form.Refresh();
    Main_Open_Display();
    mintBusy = 1;  // input is dropped until the data is loaded
    vb::Randomize_FromClock();
}

void frmMainWindow::Main_Open_Display() {
    try {
        if (!mobjDisplay) mobjDisplay = std::make_unique<clsDisplay>();
        if (gblnFullScreen != vb::kFalse) {
            mobjDisplay->COM_ChangeSize_Display(Form, 640, 480);
            mobjDisplay->COM_Open_Display(Form);
        } else {
            // The window opens in its normal state; only its size is set.
            mobjDisplay->COM_ChangeSize_Display(Form, 640, 480);
        }
    } catch (const std::exception& e) {
        Sys_Show_Error(e);
    }
}

void frmMainWindow::Timer2_Timer() {
    Mid_Check_Loop(vb::kTrue);
    if (mblnLoaded != vb::kFalse) return;
    mblnLoaded = vb::kTrue;
    Manage_Init(Form, Pic);
    Manage_Play_Mid(0);
    Setting_Load_All();
    Battle_Init();
    Event_Init();
    Map_Init();
    // An error the title does not catch (a missing title picture) must not leave input blocked.
    try {
        Event_Dispatch(kInputRefresh, 0, 0);
    } catch (const std::exception& e) {
        Manage_Report_Error(e);
    }
    mintBusy = 0;
}

void frmMainWindow::Form_MouseDown(vb::Integer Button, vb::Integer Shift, vb::Single X, vb::Single Y) {
    (void)Shift;
    if (mintBusy < 1) {
        mintBusy = 1;
        try {
            if (Button == platform::kButtonLeft) {
                Event_Dispatch(kInputSelect, X, Y);
            } else if (Button == platform::kButtonRight) {
                Event_Dispatch(kInputCancel, X, Y);
            }
        } catch (const std::exception& e) {
            Manage_Report_Error(e);
        }
        mintBusy = 0;
    }
    if (gintGameState == 14) Main_Quit_Game();
    glngClickAck = 10000;
}

void frmMainWindow::Form_MouseMove(vb::Integer Button, vb::Integer Shift, vb::Single X, vb::Single Y) {
    (void)Button;
    (void)Shift;
    if (mintBusy > 0) return;
    try {
        Event_Dispatch(kInputPointer, X, Y);
    } catch (const std::exception& e) {
        Manage_Report_Error(e);
    }
}

void frmMainWindow::Main_Quit_Game() {
    // A step that fails is reported, and the program still ends: the player asked to quit, and a
    // broken goodbye picture must not keep the game open. Before the loading tick has bound the
    // window references there is nothing to fade out, and the effects could only fail.
    try {
        if (gobjMainForm != nullptr) {
            Event_Play("PLAY_EFF", 17);
            Manage_Play_Pic(9999, -1, -1, platform::Rgb(255, 0, 0));
            Form.Refresh();
            Sys_Wait(vb::MulLng(glngFrameTime, 13));
            Event_Play("PLAY_EFF", 17);
        }
    } catch (const std::exception& e) {
        Sys_Show_Error(e);
    }
    try {
        Mid_Stop();
        platform::Trace_Write("music-stop");
        if (gblnFullScreen != vb::kFalse && mobjDisplay) mobjDisplay->COM_Close_Display(Form);
    } catch (const std::exception& e) {
        Sys_Show_Error(e);
    }
    platform::Trace_Write("quit");
    platform::Program_End(0);
}

void frmMainWindow::OnInput(const platform::InputEvent& event) {
    switch (event.type) {
        case platform::EventType::MouseDown:
            Form_MouseDown(ToInteger(event.button), ToInteger(event.shift), event.x, event.y);
            break;
        case platform::EventType::MouseMove:
            Form_MouseMove(ToInteger(event.button), ToInteger(event.shift), event.x, event.y);
            break;
        case platform::EventType::KeyDown:
            try {
                Form_KeyDown(ToInteger(event.key), ToInteger(event.shift));
            } catch (const std::exception& e) {
                Manage_Report_Error(e);
            }
            break;
        case platform::EventType::CloseRequested:
            // The window's own close command: the program ends without the quit sequence.
            platform::Program_End(0);
        default:
            break;
    }
}

void frmMainWindow::OnTimer(int timerId) {
    try {
        if (timerId == kTimer1) {
            Timer1_Timer();
        } else if (timerId == kTimer2) {
            Timer2_Timer();
        }
    } catch (const std::exception& e) {
        Manage_Report_Error(e);
    }
}
