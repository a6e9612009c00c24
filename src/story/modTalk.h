// The talk-script interpreter: plays one section of eve\A_TALK_FILE.ini line by line (pictures,
// sounds, music, messages, the ending), and the wait for the player's confirmation.
#pragma once
#include <string>

// Plays the script of section In_strTalkName; In_strParam replaces every "%s" of its messages.
// Returns when the script has ended.
void Event_Talk(const std::string& In_strTalkName, const std::string& In_strParam = "");

// Returns when the player has confirmed (a mouse press or Enter after the wait began).
void Event_Wait_Confirm();
