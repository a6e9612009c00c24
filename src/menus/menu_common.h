// What the status menu and the shop share: the window they draw on, pictures that may be missing
// from the game folder, the bracketed ammunition text and the 125 x 23 line boxes.
#pragma once
#include <string>

#include "common/vb_types.h"

namespace platform {
class Form;
}

namespace menus {

inline constexpr vb::Long kWhite = 0xFFFFFF;
inline constexpr vb::Long kBlack = 0;
inline constexpr vb::Long kRed = 255;
inline constexpr vb::Integer kAlignLeft = 0;
inline constexpr vb::Integer kAlignRight = 1;
inline constexpr vb::Integer kAlignCentre = 2;
inline constexpr vb::Single kLineWidth = 125;
inline constexpr vb::Single kLineHeight = 23;

// The window the state handlers draw on; an unbound window is error 91.
platform::Form& Menu_Form();
// Shows the window image.
void Menu_Present();

// Paints a picture of the index with white as the transparent colour, at its stored position
// when x and y are both -1. The screens work without their pictures: a picture that cannot be
// painted is reported once per opening of the screen (Menu_Pic_Reset) and then left out.
void Menu_Pic(vb::Integer In_intNo, vb::Single In_sngX = -1, vb::Single In_sngY = -1);
void Menu_Pic_Reset();

// "[05]": the ammunition with at least two digits.
std::string Menu_Tama_Text(vb::Integer In_intTama);

// True when (x, y) lies in the 125 x 23 line box whose top left corner is (left, top).
bool Menu_In_Line(vb::Single x, vb::Single y, vb::Single left, vb::Single top);

// Keeps the map music playing when the field is shown again.
void Menu_Skip_Map_Music();

}  // namespace menus
