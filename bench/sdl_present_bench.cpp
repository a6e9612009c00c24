// The cost of showing the game's picture through the SDL host (dummy video driver unless a display
// is asked for with SDL_VIDEODRIVER): a presentation that is shown, and one merged into the next.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/sdl/sdl_host.h"

namespace {

platform::SdlHost* Host() {
    static platform::SdlHost* host = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        auto* h = new platform::SdlHost();
        if (h->Init(false)) h->OpenWindow({"bench", 640, 480, false});
        return h;
    }();
    return host;
}

platform::Surface Picture() {
    platform::Surface s(640, 480);
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) s.At(x, y) = platform::Rgb(x, y, x ^ y);
    }
    return s;
}

// Present followed by a look for input: the picture goes to the window.
void BM_SdlPresentShown(benchmark::State& state) {
    platform::SdlHost* host = Host();
    platform::Surface s = Picture();
    platform::InputEvent e;
    for (auto _ : state) {
        s.At(0, 0) ^= 1;
        host->Present(s);
        host->PollEvent(e);
    }
}
BENCHMARK(BM_SdlPresentShown)->Unit(benchmark::kMicrosecond);

// Present without yielding (a screen drawn in many steps): only the copy of the picture.
void BM_SdlPresentMerged(benchmark::State& state) {
    platform::SdlHost* host = Host();
    platform::Surface s = Picture();
    for (auto _ : state) {
        s.At(0, 0) ^= 1;
        host->Present(s);
    }
    platform::InputEvent e;
    host->PollEvent(e);
}
BENCHMARK(BM_SdlPresentMerged)->Unit(benchmark::kMicrosecond);

}  // namespace
