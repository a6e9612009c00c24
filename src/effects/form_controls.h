// Controls added to a form at run time: the picture boxes the screen effects use as a hidden
// scratch image. A form's controls are named; a second control of a name that exists is refused
// with the run-time error "already exists" (727), as the window library does.
#pragma once
#include <string>
#include <string_view>

#include "platform/form.h"

namespace effects {

// A picture box: an image of its own (AutoRedraw) with a form's drawing settings, placed in its
// parent's coordinates.
struct PictureBox : platform::Form {
    std::string Name;
    bool AutoRedraw = false;
    int BorderStyle = 1;  // 1 fixed single, 0 none
    int Appearance = 1;   // 1 3D, 0 flat
    int ScaleMode = 1;    // 1 twips, 3 pixels
    bool Visible = true;
    int Left = 0;
    int Top = 0;
    // The classic button-face grey, the picture box's default back colour.
    static constexpr platform::Colour kDefaultBackColor = 0xC0C0C0;

    PictureBox() { BackColor = kDefaultBackColor; }
    // Moves and sizes the box; a new size gives a fresh image in the back colour.
    void Move(int left, int top, int width, int height);
};

// Adds a picture box named name (names compare without regard to case) to the form's controls
// and returns it; vb::Error 727 when the form has a control of that name already. The box lives
// until it is removed.
PictureBox& Controls_Add(const platform::Form& form, std::string_view name);
// Removes the control; vb::Error 730 when the form has none of that name.
void Controls_Remove(const platform::Form& form, std::string_view name);
// The control of that name, or nullptr.
PictureBox* Controls_Find(const platform::Form& form, std::string_view name);
// How many controls were added to the form and not removed.
int Controls_Count(const platform::Form& form);

}  // namespace effects
