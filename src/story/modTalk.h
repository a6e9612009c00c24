// The talk-script interpreter: plays one section of eve\A_TALK_FILE.ini line by line (pictures,
// sounds, music, messages, the ending), and the wait for the player's confirmation.
#pragma once
#include <string>

#include "common/vb_types.h"

// Plays the script of section In_strTalkName; In_strParam replaces every "%s" of its messages.
// Returns when the script has ended.
void Event_Talk(const std::string& In_strTalkName, const std::string& In_strParam = "");

// Returns when the player has confirmed (a mouse press or Enter after the wait began).
void Event_Wait_Confirm();

// Plays a text list of the talk file ("KICK_MSG", "END_MSG") page by page in white on the main
// window: lines are added to the page one by one, a line "\f" starts a new (black) page, a line
// "END" ends the list, and so does the end of the section's lines.
void Talk_Play_TextList(const std::string& In_strListName);

// Shows what has been drawn on the main window (nothing before the window references are bound).
void Talk_Refresh_Main();

// Fills (0, 0)-(640, 480) of the main window with black (not refreshed).
void Talk_Fill_Black();

// Draws a picture entry at its stored position; a picture that cannot be drawn is reported in a
// message box and the caller goes on.
void Talk_Show_Pic(vb::Integer In_intNo);
