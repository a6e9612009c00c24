#include "effects/clsGraficEff.h"

#include <algorithm>
#include <limits>

#include "common/random.h"
#include "common/vb_error.h"
#include "effects/form_controls.h"
#include "platform/host.h"
#include "platform/raster.h"

using platform::Colour;
using platform::Form;
using platform::LineKind;

namespace {

// The block transfers of the effects work on this fixed rectangle, whatever the surface's size.
constexpr int kBltW = 640;
constexpr int kBltH = 480;

constexpr Colour Grey(int v) { return platform::Rgb(v, v, v); }

// Copy X into Y: the 640 x 480 rectangle at (0, 0).
void Copy(Form& to, const Form& from) {
    platform::BitBlt(to.image, 0, 0, kBltW, kBltH, from.image, 0, 0, platform::kRopSrcCopy);
}

// Fill X with c: Line (0, 0)-(640, 480), c, BF.
void FillWith(Form& f, Colour c) { platform::Form_Line(f, 0, 0, kBltW, kBltH, c, LineKind::FilledBox); }

// The form's pen width, as the Integer property takes a Single.
void SetDrawWidth(Form& f, double width) { f.DrawWidth = vb::CInt(width); }

// The temporary picture box for one effect: added to the surface's controls, set up as a hidden
// pixel image of the surface's size just right of it, and removed when the effect is over, also
// when an error leaves the effect early (a box left behind would make every later effect fail).
class TempBox {
public:
    explicit TempBox(Form& s) : form_(s), box_(effects::Controls_Add(s, clsGraficEff::kTempBoxName)) {
        box_.AutoRedraw = true;
        box_.BorderStyle = 0;
        box_.Appearance = 0;
        box_.ScaleMode = 3;
        box_.Visible = false;
        box_.Move(s.ScaleWidth() + 3, 0, s.ScaleWidth(), s.ScaleHeight());
    }
    ~TempBox() {
        try {
            effects::Controls_Remove(form_, clsGraficEff::kTempBoxName);
        } catch (const vb::Error&) {
            // Removed already by someone else: nothing left to undo.
        }
    }
    TempBox(const TempBox&) = delete;
    TempBox& operator=(const TempBox&) = delete;
    effects::PictureBox& box() { return box_; }

private:
    Form& form_;
    effects::PictureBox& box_;
};

}  // namespace

clsGraficEff::clsGraficEff() : glngTime(60) {}

void clsGraficEff::Wait(std::int64_t ms) {
    // A negative time unit waits nothing rather than for ever.
    const auto clamped = std::clamp<std::int64_t>(ms, 0, std::numeric_limits<std::uint32_t>::max());
    platform::Host_Get().Sleep(static_cast<std::uint32_t>(clamped));
}

std::int64_t clsGraficEff::Half() const { return vb::CLng(static_cast<double>(glngTime) / 2.0); }

void clsGraficEff::COM_Play_GlaficEff(vb::Integer In_intCase) {
    if (In_intCase <= 0) return;
    if (mObjForm == nullptr) vb::Raise(vb::kErrObjectNotSet);
    Form& s = *mObjForm;
    const bool withBox = (In_intCase >= 13 && In_intCase <= 18) || In_intCase >= 21;
    if (!withBox) {
        switch (In_intCase) {
            case 1: Eff_Color_Flash(s); break;
            case 2: Eff_Iris_Black(s); break;
            case 3: Eff_Iris_White(s); break;
            case 4: Eff_Blinds_Black_White(s); break;
            case 5: Eff_Dots_Wipe(s); break;
            case 6: Eff_Bands_Open(s); break;
            case 7: Eff_Bands_Close_Black(s); break;
            case 8: Eff_Disc_Open(s); break;
            case 9: Eff_Invert(s); break;
            case 10: Eff_Invert_Flash(s); break;
            case 11: Eff_Zoom_Out(s); break;
            case 12: Eff_Zoom_In(s); break;
            case 19: Eff_Bands_Close_White(s); break;
            case 20: Eff_Blinds_Black(s); break;
            default: break;
        }
        return;
    }
    TempBox temp(s);
    Box& b = temp.box();
    switch (In_intCase) {
        case 13: Eff_Shake(s, b); break;
        case 14: Eff_Stretch_Rows(s, b); break;
        case 15: Eff_Mosaic(s, b); break;
        case 16: Eff_Bit_Fade_In(s, b); break;
        case 17: Eff_Bit_Fade_Out(s, b); break;
        case 18: Eff_Flash_Red(s, b); break;
        case 21: Eff_Shake_Vertical(s, b); break;
        case 22: Eff_Flash_Yellow(s, b); break;
        case 23: Eff_Flash_White(s, b); break;
        default: break;  // 24 and above: the box comes and goes, nothing is drawn
    }
}

// 1: ten background colours, every fourth black, ending black.
void clsGraficEff::Eff_Color_Flash(Form& s) {
    for (int i = 9; i >= 0; --i) {
        Wait(glngTime);
        Colour c = 0x000000;
        if (i % 4 != 0) {
            const auto r = static_cast<int>(vb::Int(vb::Rnd() * 251.0f));
            const auto g = static_cast<int>(vb::Int(vb::Rnd() * 251.0f));
            const auto bl = static_cast<int>(vb::Int(vb::Rnd() * 251.0f));
            c = platform::Rgb(r, g, bl);
        }
        platform::Form_SetBackColor(s, c);
        s.Refresh();
    }
    Wait(glngTime);
}

// 2 and 3: four rings in a pen of 4 (a band 12 pixels wide) close in from beyond the corners.
void clsGraficEff::Eff_Iris(Form& s, Colour c) {
    const double w = s.ScaleWidth();
    const double h = s.ScaleHeight();
    const float cx = static_cast<float>(w / 2);
    const float cy = static_cast<float>(h / 2);
    const int k = vb::CLng(w / 16 + 5);
    const auto half = Half();
    s.DrawWidth = 4;
    s.FillStyle = platform::kFillTransparent;
    for (int b = k; b >= 1; --b) {
        Wait(half);
        const int r = 12 * (b - 1);
        for (int ring = 0; ring < 4; ++ring) platform::Form_Circle(s, cx, cy, static_cast<float>(r + 3 * ring), c);
        s.Refresh();
    }
    Wait(half);
    s.DrawWidth = 1;
}

// 4: blinds sweeping left to black, then right to white.
void clsGraficEff::Eff_Blinds_Black_White(Form& s) {
    const double h = s.ScaleHeight();
    const int c = vb::CLng(s.ScaleWidth() / 30.0 + 2);
    s.DrawWidth = 4;
    for (int b = 60; b >= 1; --b) {
        Wait(glngTime);
        const bool black = b > 30;
        for (int i = 0; i <= c; ++i) {
            const float x = static_cast<float>(black ? 30 * i - (b - 1) : 30 * i + (b - 1));
            platform::Form_Line(s, x, -5, x, static_cast<float>(h + 5), black ? 0x000000 : 0xFFFFFF);
        }
        s.Refresh();
    }
    Wait(glngTime);
    s.DrawWidth = 1;
}

// 5: columns of growing black dots sweep from the right edge beyond the left one.
void clsGraficEff::Eff_Dots_Wipe(Form& s) {
    const double w = s.ScaleWidth();
    const double h = s.ScaleHeight();
    const auto half = Half();
    s.DrawWidth = 4;
    s.FillStyle = platform::kFillSolid;
    for (int n = 24; n >= 1; --n) {
        Wait(half);
        for (int i = 0; i <= 20; ++i) {
            const auto y = static_cast<float>(h * i / 20);
            platform::Form_Circle(s, static_cast<float>(w * (n - 6) / 20), y, static_cast<float>(w / 200), 0x000000);
            platform::Form_Circle(s, static_cast<float>(w * (n - 5) / 20), y, static_cast<float>(w / 100), 0x000000);
            platform::Form_Circle(s, static_cast<float>(w * (n - 4) / 20), y, static_cast<float>(w / 50), 0x000000);
            platform::Form_Circle(s, static_cast<float>(w * (n - 3) / 20), y, static_cast<float>(w / 20), 0x000000);
        }
        s.Refresh();
    }
    Wait(half);
    s.DrawWidth = 1;
    s.FillStyle = platform::kFillTransparent;
}

// 6: the surface cleared; black bands from the top and bottom edges shrink away.
void clsGraficEff::Eff_Bands_Open(Form& s) {
    const double w = s.ScaleWidth();
    const auto h = static_cast<float>(s.ScaleHeight());
    const int k = vb::CLng(w / 6);
    const auto half = Half();
    for (int b = k; b >= 1; --b) {
        Wait(half);
        s.Cls();
        SetDrawWidth(s, 6.0 * b - 5);
        platform::Form_Line(s, 0, 0, static_cast<float>(w), 0, 0x000000);
        platform::Form_Line(s, 0, h, static_cast<float>(w), h, 0x000000);
        s.Refresh();
    }
    Wait(half);
    s.DrawWidth = 1;
}

// 7 and 19: bands from the top and bottom edges grow until they meet.
void clsGraficEff::Eff_Bands_Close(Form& s, Colour c) {
    const double w = s.ScaleWidth();
    const auto h = static_cast<float>(s.ScaleHeight());
    const int k = vb::CLng(w / 6);
    const auto half = Half();
    for (int n = k - 1; n >= 0; --n) {
        Wait(half);
        SetDrawWidth(s, w - 6.0 * n + 1);
        platform::Form_Line(s, 0, 0, static_cast<float>(w), 0, c);
        platform::Form_Line(s, 0, h, static_cast<float>(w), h, c);
        s.Refresh();
    }
    Wait(half);
    s.DrawWidth = 1;
}

void clsGraficEff::Eff_Bands_Close_White(Form& s) {
    Eff_Bands_Close(s, 0xFFFFFF);
    s.Refresh();
}

// 8: the surface cleared; a black disc shrinks to the centre.
void clsGraficEff::Eff_Disc_Open(Form& s) {
    const double w = s.ScaleWidth();
    const double h = s.ScaleHeight();
    const int k = vb::CLng(w / 16 + 5);
    const auto half = Half();
    s.DrawWidth = 4;
    s.FillStyle = platform::kFillSolid;
    for (int b = k; b >= 1; --b) {
        Wait(half);
        s.Cls();
        platform::Form_Circle(s, static_cast<float>(w / 2), static_cast<float>(h / 2), static_cast<float>(12 * (b - 1)),
                              0x000000);
        s.Refresh();
    }
    Wait(half);
    s.DrawWidth = 1;
}

// 9: the whole surface inverted once.
void clsGraficEff::Eff_Invert(Form& s) {
    platform::BitBlt(s.image, 0, 0, s.ScaleWidth(), s.ScaleHeight(), s.image, 0, 0, platform::kRopDstInvert);
    s.Refresh();
}

// 10: inverted, held for eleven frames, inverted back.
void clsGraficEff::Eff_Invert_Flash(Form& s) {
    Eff_Invert(s);
    for (int i = 0; i < 10; ++i) {
        Wait(glngTime);
        s.Refresh();
    }
    Wait(glngTime);
    Eff_Invert(s);
}

// 11 and 12: thirty stretches of the surface onto itself, then black. Zooming out reads 20 pixels
// beyond every edge; those pixels read black, so the shrinking picture gets a growing black frame.
void clsGraficEff::Eff_Zoom(Form& s, bool out) {
    s.Refresh();
    for (int n = 0; n < 30; ++n) {
        Wait(glngTime);
        if (out) {
            platform::StretchBlt(s.image, 0, 0, kBltW, kBltH, s.image, -20, -20, kBltW + 40, kBltH + 40,
                                 platform::kRopSrcCopy);
        } else {
            platform::StretchBlt(s.image, -20, -20, kBltW + 40, kBltH + 40, s.image, 0, 0, kBltW, kBltH,
                                 platform::kRopSrcCopy);
        }
        s.Refresh();
    }
    Wait(glngTime);
    FillWith(s, 0x000000);
    s.Refresh();
}

// 13: seven random jolts of up to 15 pixels each way that add up, then the saved screen back.
void clsGraficEff::Eff_Shake(Form& s, Box& b) {
    Copy(b, s);
    for (int n = 7; n >= 1; --n) {
        Wait(glngTime);
        const auto dx = static_cast<int>(vb::Int(vb::Rnd() * 31.0f - 15.0f));
        const auto dy = static_cast<int>(vb::Int(vb::Rnd() * 31.0f - 15.0f));
        platform::BitBlt(s.image, dx, dy, kBltW, kBltH, s.image, 0, 0, platform::kRopSrcCopy);
        s.Refresh();
    }
    Wait(glngTime);
    Copy(s, b);
    s.Refresh();
}

// 14: one row of the saved picture stretched over a top band that shrinks by 48 rows a step. The
// first step reads row 480, below the copied picture: on a 480-row surface that row is outside
// the box and reads black (the whole band goes black); on a taller one it is the box's own grey
// background.
void clsGraficEff::Eff_Stretch_Rows(Form& s, Box& b) {
    Copy(b, s);
    for (int n = 10; n >= 1; --n) {
        Wait(10 * std::int64_t{glngTime});
        if (n != 10) Copy(s, b);
        platform::StretchBlt(s.image, 0, 0, kBltW, 48 * n, b.image, 0, 48 * n, kBltW, 1, platform::kRopSrcCopy);
        s.Refresh();
    }
    Wait(10 * std::int64_t{glngTime});
    Copy(s, b);
    s.Refresh();
}

// 15: the saved picture shrunk into the corner and stretched back, blocks of 1 to 10 pixels, then
// black.
void clsGraficEff::Eff_Mosaic(Form& s, Box& b) {
    Copy(b, s);
    for (int n = 10; n >= 1; --n) {
        Wait(2 * std::int64_t{glngTime});
        const int w = vb::CLng(kBltW * n * 0.1);
        const int h = vb::CLng(kBltH * n * 0.1);
        platform::StretchBlt(s.image, 0, 0, w, h, b.image, 0, 0, kBltW, kBltH, platform::kRopSrcCopy);
        platform::StretchBlt(s.image, 0, 0, kBltW, kBltH, s.image, 0, 0, w, h, platform::kRopSrcCopy);
        s.Refresh();
    }
    Wait(2 * std::int64_t{glngTime});
    FillWith(s, 0x000000);
    s.Refresh();
}

// 16: the saved picture shown through masks 127, 191 ... 253, each clearing one bit of every
// channel; the last (bit 1 cleared) stays.
void clsGraficEff::Eff_Bit_Fade_In(Form& s, Box& b) {
    Copy(b, s);
    for (int n = 7; n >= 1; --n) {
        Wait(2 * std::int64_t{glngTime});
        FillWith(s, Grey(255 - (1 << n)));
        platform::BitBlt(s.image, 0, 0, kBltW, kBltH, b.image, 0, 0, platform::kRopSrcAnd);
        s.Refresh();
    }
    Wait(2 * std::int64_t{glngTime});
    s.Refresh();
}

// 17: the same masks ANDed into the screen one after another: bits 7 to 1 cleared in turn, only
// the lowest bit of every channel is left.
void clsGraficEff::Eff_Bit_Fade_Out(Form& s, Box& b) {
    Copy(b, s);
    Copy(s, b);
    s.Refresh();
    for (int n = 7; n >= 1; --n) {
        Wait(2 * std::int64_t{glngTime});
        FillWith(b, Grey(255 - (1 << n)));
        platform::BitBlt(s.image, 0, 0, kBltW, kBltH, b.image, 0, 0, platform::kRopSrcAnd);
        s.Refresh();
    }
    Wait(2 * std::int64_t{glngTime});
    s.Refresh();
    b.Cls();
}

// 18, 22 and 23: three flashes of one colour, the picture back after each.
void clsGraficEff::Eff_Flash(Form& s, Box& b, Colour c) {
    Copy(b, s);
    for (int i = 0; i < 3; ++i) {
        FillWith(s, c);
        s.Refresh();
        Wait(glngTime);
        Copy(s, b);
        s.Refresh();
        Wait(glngTime);
    }
    b.Cls();
}

// 20: blinds sweeping right to black.
void clsGraficEff::Eff_Blinds_Black(Form& s) {
    const double h = s.ScaleHeight();
    const int c = vb::CLng(s.ScaleWidth() / 30.0 + 2);
    const auto half = Half();
    s.DrawWidth = 4;
    for (int b = 30; b >= 1; --b) {
        Wait(half);
        for (int i = 0; i <= c; ++i) {
            const auto x = static_cast<float>(30 * i + (b - 1));
            platform::Form_Line(s, x, -5, x, static_cast<float>(h + 5), 0x000000);
        }
        s.Refresh();
    }
    Wait(half);
    s.DrawWidth = 1;
}

// 21: four vertical jolts of 15 pixels, down, up, down, up, then the saved screen back.
void clsGraficEff::Eff_Shake_Vertical(Form& s, Box& b) {
    Copy(b, s);
    for (int n = 4; n >= 1; --n) {
        Wait(3 * std::int64_t{glngTime});
        const int dy = (n % 2 == 0) ? 15 : -15;
        platform::BitBlt(s.image, 0, dy, kBltW, kBltH, s.image, 0, 0, platform::kRopSrcCopy);
        s.Refresh();
    }
    Wait(3 * std::int64_t{glngTime});
    Copy(s, b);
    s.Refresh();
}
