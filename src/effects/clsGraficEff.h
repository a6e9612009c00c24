// The screen-effect player: numbered full-screen transitions (fades, irises, wipes, blinds,
// flashes, shakes, zooms, a mosaic) played on the main window's image. One call plays one effect
// from its first frame to its last and returns only then. Frame waits block the thread: no input
// or timer is handled while an effect runs; every frame a step draws is presented before its wait.
//
// Use: construct once, set mObjForm to the main window, set glngTime to the game's time unit
// before every effect and call COM_Play_GlaficEff(number).
#pragma once
#include <cstdint>

#include "common/vb_types.h"
#include "platform/form.h"

namespace effects {
struct PictureBox;
}

class clsGraficEff {
public:
    clsGraficEff();

    // Frame time in milliseconds (60 until the game sets its own).
    vb::Long glngTime;
    // The drawing surface (the main window).
    platform::Form* mObjForm = nullptr;

    // Plays effect In_intCase (1 to 23) on mObjForm. Numbers 13 to 18 and 21 and above get the
    // temporary picture box "picTempBoxEff" for the length of the call (numbers above 23 play
    // nothing but still add and remove it); 0 and below do nothing. Errors of the surface or of the
    // controls (a control "picTempBoxEff" that exists already: vb::Error 727; no surface: 91) go to
    // the caller.
    void COM_Play_GlaficEff(vb::Integer In_intCase);

    // The name of the temporary picture box.
    static constexpr const char* kTempBoxName = "picTempBoxEff";

private:
    using Box = effects::PictureBox;

    void Wait(std::int64_t ms);
    std::int64_t Half() const;

    void Eff_Color_Flash(platform::Form& s);
    void Eff_Iris(platform::Form& s, platform::Colour c);
    void Eff_Iris_Black(platform::Form& s) { Eff_Iris(s, 0x000000); }
    void Eff_Iris_White(platform::Form& s) { Eff_Iris(s, 0xFFFFFF); }
    void Eff_Blinds_Black_White(platform::Form& s);
    void Eff_Dots_Wipe(platform::Form& s);
    void Eff_Bands_Open(platform::Form& s);
    void Eff_Bands_Close(platform::Form& s, platform::Colour c);
    void Eff_Bands_Close_Black(platform::Form& s) { Eff_Bands_Close(s, 0x000000); }
    void Eff_Disc_Open(platform::Form& s);
    void Eff_Invert(platform::Form& s);
    void Eff_Invert_Flash(platform::Form& s);
    void Eff_Zoom(platform::Form& s, bool out);
    void Eff_Zoom_Out(platform::Form& s) { Eff_Zoom(s, true); }
    void Eff_Zoom_In(platform::Form& s) { Eff_Zoom(s, false); }
    void Eff_Shake(platform::Form& s, Box& b);
    void Eff_Stretch_Rows(platform::Form& s, Box& b);
    void Eff_Mosaic(platform::Form& s, Box& b);
    void Eff_Bit_Fade_In(platform::Form& s, Box& b);
    void Eff_Bit_Fade_Out(platform::Form& s, Box& b);
    void Eff_Flash(platform::Form& s, Box& b, platform::Colour c);
    void Eff_Flash_Red(platform::Form& s, Box& b) { Eff_Flash(s, b, 0x0000FF); }
    void Eff_Bands_Close_White(platform::Form& s);
    void Eff_Blinds_Black(platform::Form& s);
    void Eff_Shake_Vertical(platform::Form& s, Box& b);
    void Eff_Flash_Yellow(platform::Form& s, Box& b) { Eff_Flash(s, b, 0x00FFFF); }
    void Eff_Flash_White(platform::Form& s, Box& b) { Eff_Flash(s, b, 0xFFFFFF); }
};
