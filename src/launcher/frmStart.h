// The launcher: the first window of the program. It refuses to run beside a second copy, reads
// game.ini (next to the program) into the shared settings, shows the game's information text and
// the controller status, lets the player choose window or full-screen mode and the speed (each
// choice is written to game.ini at once), opens the help page and the project's web pages, and
// starts the game by showing the main window and unloading itself.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "common/vb_types.h"
#include "platform/host.h"
#include "platform/surface.h"

inline constexpr int kStartVersionMajor = 1;
inline constexpr int kStartVersionMinor = 2;
inline constexpr const char* kStartCaption = "ZOVE";
inline constexpr const char* kStartSettingsSection = "GAMESET";
// The project's pages behind the two web buttons.
inline constexpr const char* kStartHomePage = "https://github.com/zove-engine/zove";
inline constexpr const char* kStartDownloadPage = "https://github.com/zove-engine/zove/releases";

// Settings given on the command line: they win over game.ini for this run and are never written.
struct StartOptions {
    std::string appDir;                      // where game.ini lies; empty: the program's folder
    std::optional<std::string> gameDir;      // a native folder instead of the one DIR names
    std::optional<bool> fullScreen;
    std::optional<vb::Long> frameTime;
};
void Start_Set_Options(const StartOptions& options);

// The folder that holds the program file (no trailing separator), or the one the options name.
std::string Start_App_Dir();
// The settings file: application folder & "\" & "game.ini", as a native path.
std::string Start_Settings_Path();

// Loads the launcher's settings without showing it (straight to the main window): the frame time
// starts at 16, game.ini and the command-line settings are applied, and the controller is looked
// for. The one-copy check is the caller's.
void Start_Load_Settings();

// Runs the launcher's load (one-copy check, settings, controller) and shows its window. Input
// then reaches it through the pump.
void frmStart_Show();
// True from frmStart_Show until Start or Close.
bool frmStart_IsOpen();
// Runs the handler of a control or menu item by name: Command1 .. Command5, M_S1, M_S2,
// M_SA1 .. M_SA4. False when there is no control of that name.
bool frmStart_Click(const std::string& controlName);
// The pointer (and, with a menu open, key) events a user makes to operate that control or item
// in the window as it is now: the replay runner queues them. Empty for an unknown name.
std::vector<platform::InputEvent> frmStart_EventsFor(const std::string& controlName);
// Every name frmStart_Click knows.
const std::vector<std::string>& frmStart_ControlNames();

// --- what the window shows (tests and screenshots) ---
const platform::Surface& frmStart_Surface();
bool frmStart_Checked(const std::string& menuItem);
std::string frmStart_Text1();          // the information text
std::string frmStart_Text2();          // the controller status
std::string frmStart_VersionLabel();   // Label1 index 0
bool frmStart_Text1_HasScrollBar();
int frmStart_Text1_TopLine();          // first line shown of the information text
std::string frmStart_Focus();          // name of the control with the keyboard focus
// Forgets the launcher (a fresh one on the next show); for tests.
void frmStart_Unload();
