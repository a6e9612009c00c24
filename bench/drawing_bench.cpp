// The drawing a field screen costs: a full 640 x 480 copy, 21 transparent 32 x 24 sprite paints
// (player, enemies, objects) and the 400 tile copies of a 20 x 20 map screen.
#include <benchmark/benchmark.h>

#include "paint/C_modBlt.h"
#include "platform/raster.h"
#include "platform/surface.h"

namespace {

platform::Surface Sheet(int w, int h) {
    platform::Surface s(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            // White (the mask colour) around a coloured body, as in the character sheet.
            const bool body = (x % 32) > 6 && (x % 32) < 26 && (y % 24) > 3 && (y % 24) < 21;
            s.At(x, y) = body ? platform::Rgb(x * 7, y * 3, (x ^ y) & 0xFF) : 0xFFFFFF;
        }
    }
    return s;
}

void BM_FullScreenCopy(benchmark::State& state) {
    platform::Surface src = Sheet(640, 480);
    platform::Surface dst(640, 480);
    for (auto _ : state) {
        platform::BitBlt(dst, 0, 0, 640, 480, src, 0, 0, platform::kRopSrcCopy);
        benchmark::DoNotOptimize(dst.At(1, 1));
    }
}
BENCHMARK(BM_FullScreenCopy)->Unit(benchmark::kMicrosecond);

void BM_TwentyOneTransparentSprites(benchmark::State& state) {
    platform::Surface sheet = Sheet(256, 744);  // 8 x 31 cells of 32 x 24
    platform::Surface dst(640, 480, platform::Rgb(40, 160, 60));
    for (auto _ : state) {
        for (int i = 0; i < 21; ++i) {
            Blt_Paint_Transparent(dst, (i * 97) % 608, (i * 53) % 456, 32, 24, sheet, (i % 8) * 32, (i % 31) * 24,
                                  0xFFFFFF);
        }
        benchmark::DoNotOptimize(dst.At(5, 5));
    }
}
BENCHMARK(BM_TwentyOneTransparentSprites)->Unit(benchmark::kMicrosecond);

void BM_FourHundredTileCopies(benchmark::State& state) {
    platform::Surface tiles = Sheet(480, 360);  // 15 x 15 cells of 32 x 24
    platform::Surface dst(640, 480);
    for (auto _ : state) {
        for (int row = 0; row < 20; ++row) {
            for (int col = 0; col < 20; ++col) {
                const int t = (row * 20 + col) % 225;
                platform::BitBlt(dst, col * 32, row * 24, 32, 24, tiles, (t % 15) * 32, (t / 15) * 24,
                                 platform::kRopSrcCopy);
            }
        }
        benchmark::DoNotOptimize(dst.At(3, 3));
    }
}
BENCHMARK(BM_FourHundredTileCopies)->Unit(benchmark::kMicrosecond);

}  // namespace
