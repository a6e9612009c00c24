// Where the game's picture lands in a window of any size, and the way back from a window position
// to a picture pixel. Pure arithmetic, shared by the SDL host and its tests.
#pragma once
#include <algorithm>
#include <cmath>

namespace platform {

// The picture's rectangle in output pixels.
struct Viewport {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
};

// The largest whole multiple of the picture that fits the output, centred with black bars around
// it. An output smaller than the picture gets the picture shrunk to fit (keeping its proportions),
// so that it stays whole on screen.
inline Viewport Viewport_Fit(int outW, int outH, int picW, int picH) {
    Viewport v;
    if (outW <= 0 || outH <= 0 || picW <= 0 || picH <= 0) return v;
    const int scale = std::min(outW / picW, outH / picH);
    if (scale >= 1) {
        v.w = picW * scale;
        v.h = picH * scale;
    } else {
        const double f = std::min(static_cast<double>(outW) / picW, static_cast<double>(outH) / picH);
        v.w = std::max(1, static_cast<int>(picW * f));
        v.h = std::max(1, static_cast<int>(picH * f));
    }
    v.x = (outW - v.w) / 2;
    v.y = (outH - v.h) / 2;
    return v;
}

// An output position (in output pixels, fractions allowed) as a picture pixel. False when it lies
// on the black bars: such a position is not on the game's surface at all, as a click on a window's
// border is not in its drawing area, and the event is dropped.
inline bool Viewport_ToPicture(const Viewport& v, int picW, int picH, double ox, double oy, float& px,
                               float& py) {
    if (v.w <= 0 || v.h <= 0) return false;
    const double fx = std::floor((ox - v.x) * picW / v.w);
    const double fy = std::floor((oy - v.y) * picH / v.h);
    if (fx < 0 || fy < 0 || fx >= picW || fy >= picH) return false;
    px = static_cast<float>(fx);
    py = static_cast<float>(fy);
    return true;
}

// The whole-number scale for a window of the picture on a desktop area: the largest that fits,
// at least 1.
inline int Viewport_WindowScale(int areaW, int areaH, int picW, int picH) {
    if (picW <= 0 || picH <= 0) return 1;
    return std::max(1, std::min(areaW / picW, areaH / picH));
}

}  // namespace platform
