#include "platform/surface.h"

#include <algorithm>

namespace platform {

Surface::Surface(int width, int height, Colour fill) { Resize(width, height, fill); }

void Surface::Fill(Colour c) { std::fill(pixels_.begin(), pixels_.end(), c); }

void Surface::Resize(int width, int height, Colour fill) {
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    pixels_.assign(static_cast<std::size_t>(width_) * height_, fill);
}

}  // namespace platform
