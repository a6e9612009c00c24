// Plays screen effects headless over a picture and writes a contact sheet of their frames as PNG,
// to look at what each effect draws step by step.
//
//   effect_strip OUT_DIR [PICTURE_FILE] [EFFECT ...]
//
// Without a picture file a test card is drawn (colour bars, a grid, rings); without effect numbers
// 3, 5, 7, 15 and 17 are played. Every effect gives OUT_DIR/effect_NN.png: up to 24 frames picked
// evenly from all presented frames (first and last included), each shrunk to 160 x 120, six to a
// row, with a white gap between them.
//
// Build (the tool is not part of the CMake tree; use the libraries of any build folder):
//   g++ -std=c++20 -O2 -I src tools/effect_strip.cpp build-X/libzove_effects.a build-X/libzove_base.a
//       $(pkg-config --libs sdl2 SDL2_image SDL2_ttf SDL2_mixer fontconfig) -o effect_strip
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/vb_error.h"
#include "effects/clsGraficEff.h"
#include "platform/host.h"
#include "platform/picture.h"
#include "platform/raster.h"
#include "platform/scripted_host.h"

namespace {

class FrameHost : public platform::ScriptedHost {
public:
    void Present(const platform::Surface& s) override { frames.push_back(s); }
    std::vector<platform::Surface> frames;
};

platform::Surface TestCard() {
    platform::Surface s(640, 480, 0);
    const platform::Colour bars[] = {0xFFFFFF, 0x00FFFF, 0xFFFF00, 0x00FF00, 0xFF00FF, 0x0000FF, 0xFF0000, 0x000000};
    for (int i = 0; i < 8; ++i) platform::Raster_FillBox(s, i * 80, 0, i * 80 + 79, 319, bars[i]);
    for (int x = 0; x < 640; ++x)
        for (int y = 320; y < 480; ++y) s.At(x, y) = platform::Rgb(x * 255 / 639, (y - 320) * 255 / 159, 128);
    for (int x = 0; x <= 640; x += 40) platform::Raster_Line(s, x, 0, x, 479, 0x808080, 1);
    for (int y = 0; y <= 480; y += 40) platform::Raster_Line(s, 0, y, 639, y, 0x808080, 1);
    for (int r = 40; r <= 200; r += 40) platform::Raster_Circle(s, 320, 240, r, 0x202020, 3, platform::kFillTransparent, 0);
    return s;
}

platform::Surface Sheet(const std::vector<platform::Surface>& frames) {
    constexpr int kW = 160, kH = 120, kGap = 4, kPerRow = 6, kMax = 24;
    std::vector<std::size_t> pick;
    const std::size_t n = frames.size();
    if (n <= kMax) {
        for (std::size_t i = 0; i < n; ++i) pick.push_back(i);
    } else {
        for (int i = 0; i < kMax; ++i) pick.push_back(static_cast<std::size_t>(i) * (n - 1) / (kMax - 1));
    }
    const int count = static_cast<int>(pick.size());
    const int rows = (count + kPerRow - 1) / kPerRow;
    const int cols = count < kPerRow ? count : kPerRow;
    platform::Surface sheet(cols * (kW + kGap) + kGap, rows * (kH + kGap) + kGap, 0xFFFFFF);
    for (int i = 0; i < count; ++i) {
        const platform::Surface& f = frames[pick[static_cast<std::size_t>(i)]];
        platform::StretchBlt(sheet, kGap + (i % kPerRow) * (kW + kGap), kGap + (i / kPerRow) * (kH + kGap), kW, kH, f, 0,
                             0, f.Width(), f.Height(), platform::kRopSrcCopy);
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT_DIR [PICTURE_FILE] [EFFECT ...]\n", argv[0]);
        return 2;
    }
    const std::string out = argv[1];
    int next = 2;
    platform::Surface picture = TestCard();
    if (argc > 2 && std::atoi(argv[2]) == 0) {
        std::ifstream in(argv[2], std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        try {
            picture = platform::Picture_FromMemory(bytes.data(), bytes.size(), argv[2]);
        } catch (const vb::Error& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
        next = 3;
    }
    std::vector<int> numbers;
    for (int i = next; i < argc; ++i) numbers.push_back(std::atoi(argv[i]));
    if (numbers.empty()) numbers = {3, 5, 7, 15, 17};

    FrameHost host;
    platform::Host_Set(&host);
    platform::Form form(640, 480);
    clsGraficEff player;
    player.mObjForm = &form;
    player.glngTime = 16;
    for (int number : numbers) {
        form.image.Resize(640, 480, 0);
        platform::BitBlt(form.image, 0, 0, 640, 480, picture, 0, 0, platform::kRopSrcCopy);
        host.frames.clear();
        host.frames.push_back(form.image);  // the picture before the effect
        player.COM_Play_GlaficEff(static_cast<vb::Integer>(number));
        char name[32];
        std::snprintf(name, sizeof name, "/effect_%02d.png", number);
        if (!platform::Surface_WritePng(Sheet(host.frames), out + name)) {
            std::fprintf(stderr, "cannot write %s%s\n", out.c_str(), name);
            return 1;
        }
        std::printf("%s%s: %zu frames\n", out.c_str(), name, host.frames.size());
    }
    platform::Host_Set(nullptr);
    return 0;
}
