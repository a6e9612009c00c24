// The main window: the 640 x 480 drawing surface where the game is played, its two timers, the
// busy flag that keeps mouse input from re-entering a running handler, the loading of the game data
// on the first tick of the loading timer, and the quit sequence.
#pragma once
#include <memory>

#include "common/vb_types.h"
#include "platform/form.h"
#include "platform/pump.h"
#include "platform/surface.h"

class clsDisplay;

inline constexpr const char* kMainCaption = "ぞーぶのにわ";
inline constexpr int kTimer1 = 1;  // controller timer, 100 ms
inline constexpr int kTimer2 = 2;  // loading timer and music loop check, 1000 ms

class frmMainWindow : public platform::Window {
public:
    frmMainWindow();
    ~frmMainWindow() override;

    platform::Form Form{640, 480};   // the persistent image
    platform::Surface Pic{640, 480};  // the hidden backup picture
    vb::Integer mintBusy = 0;         // > 0: mouse input (and guarded keys) are dropped
    vb::Boolean mblnLoaded = vb::kFalse;
    std::unique_ptr<clsDisplay> mobjDisplay;  // created on first use

    void Form_Load();
    void Form_MouseDown(vb::Integer Button, vb::Integer Shift, vb::Single X, vb::Single Y);
    void Form_MouseMove(vb::Integer Button, vb::Integer Shift, vb::Single X, vb::Single Y);
    void Timer2_Timer();
    void Main_Open_Display();
    // Never returns when it succeeds: ends the program with status 0.
    void Main_Quit_Game();

    // platform::Window
    void OnInput(const platform::InputEvent& event) override;
    void OnTimer(int timerId) override;
};

// The one main window of the run.
frmMainWindow& frmMain();
platform::Form& frmMain_Form();

// Opens the host window (640 x 480, caption), runs Form_Load, starts both timers and makes the
// main window the receiver of events.
void frmMain_Show();
// Forgets the main window's state (a new window on the next frmMain_Show); for tests.
void frmMain_Unload();
