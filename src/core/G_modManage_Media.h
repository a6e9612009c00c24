// The media commands: music, sounds, pictures, screen effects and message texts, all named by
// number. The numbers are looked up in the index files mid\mid.ini [MID], sound\sound.ini [SOUND]
// and pic\pic.ini [PIC] (value "file:x:y:width:height") below the game folder.
#pragma once
#include <exception>
#include <string>

#include "common/vb_types.h"
#include "platform/surface.h"

namespace platform {
class Form;
}
class clsGraficEff;

// Runs one media command: "PLAY_MID", "PLAY_SOU", "PLAY_PIC", "PLAY_EFF", "PLAY_TXT" (does nothing)
// or "PLAY_MXT" (the text in the message area), in any case; other names do nothing. Picture
// errors reach the caller, as with Manage_Play_Pic.
void Event_Play(const std::string& In_strCommand, vb::Integer In_intNo, const std::string& In_strText = "");

// Plays music entry n (a missing entry or file stops the music; never an error).
void Manage_Play_Mid(vb::Integer In_intNo);
// Plays sound entry n without waiting (silent when missing; never an error).
void Manage_Play_Sound(vb::Integer In_intNo);
// Paints picture entry n onto the main window with In_lngMask as the transparent colour, at its
// stored position when x and y are both -1, else at (x, y). The window is not refreshed. A missing
// or short entry or a picture that cannot be loaded is a vb::Error for the caller.
void Manage_Play_Pic(vb::Integer In_intNo, vb::Single In_sngX, vb::Single In_sngY, platform::Colour In_lngMask);
// Plays screen effect n on the main window at the current frame time.
void Manage_Play_Eff(vb::Integer In_intNo);

// Binds gobjMainForm and gobjBackPic to the main window and its backup picture.
void Manage_Init(platform::Form& In_objForm, platform::Surface& In_objBackPic);

// The effect player, created by the first effect, and whether it is bound to the main window.
extern clsGraficEff* gobjGraficEff;
extern vb::Boolean gblnEffReady;

// Shows the error of a picture command that no handler of the game caught, and lets the game go
// on: used at the window's event handlers, where an uncaught error would otherwise end the run.
void Manage_Report_Error(const std::exception& e);
