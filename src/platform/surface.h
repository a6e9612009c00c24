// The persistent image the game draws into: 32-bit pixels, colours as 0x00BBGGRR (red in the low
// byte), exactly as the game's colour numbers are written. Pure code: no window system here.
#pragma once
#include <cstdint>
#include <vector>

namespace platform {

using Colour = std::uint32_t;  // 0x00BBGGRR

constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

class Surface {
public:
    Surface() = default;
    Surface(int width, int height, Colour fill = 0xFFFFFF);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // Unchecked access: the caller has clipped.
    Colour At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    Colour& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    // Checked access: outside the surface reads 0 and writes nothing.
    Colour Get(int x, int y) const { return Contains(x, y) ? At(x, y) : 0; }
    void Set(int x, int y, Colour c) {
        if (Contains(x, y)) At(x, y) = c;
    }

    const Colour* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    Colour* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
    const std::vector<Colour>& Pixels() const { return pixels_; }

    void Fill(Colour c);
    void Resize(int width, int height, Colour fill = 0xFFFFFF);

    bool operator==(const Surface& o) const {
        return width_ == o.width_ && height_ == o.height_ && pixels_ == o.pixels_;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Colour> pixels_;
};

}  // namespace platform
