// Keyboard and controller input of the main window. Keys act in two steps: keys that work in every
// state (Enter's acknowledgement, the full-width warning, Escape, Alt+F4, Tab), then the key of the
// current state: on menu-like screens a keyboard cursor visits fixed pointer positions and Enter /
// Space become select / cancel; on the field the keys go to the field. The controller is turned
// into the same key codes.
#pragma once
#include "common/vb_types.h"

// The main window's key handler (Windows key codes; shift bit 4 = Alt).
void Form_KeyDown(vb::Integer KeyCode, vb::Integer Shift);

// The 100 ms controller timer of the main window.
void Timer1_Timer();

// Polls the controller and feeds its keys, without waits (field loop, confirmation wait).
void KeyPad_Case1_Main();
// Polls the controller and feeds the battle's keypad keys (state 9).
void KeyPad_Case2_Main();
// Polls the controller and feeds keys, waiting 100 ms after Enter and Space (menu-like states).
void KeyPad_Case4_Main();

// The keyboard cursor's positions on the current screen (by gintGameState and gintSubState):
// the number of positions, 0 when the screen has none, and position i (1-based).
vb::Long Key_Cursor_Count();
void Key_Cursor_Position(vb::Long i, vb::Single& x, vb::Single& y);
