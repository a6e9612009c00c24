// Drawing time of the heaviest step of every screen effect at 640 x 480. A step is the drawing
// between two frame waits (and before the first, after the last); presenting is left out (the
// host's own cost). The time per iteration is the longest step of that run; the counter
// heaviest_ms is the robust figure: for every step the fastest of all runs (a run interrupted by
// the scheduler does not count against a step), then the slowest of those steps. It must stay well
// below the frame waits so effects last what their waits say.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "effects/clsGraficEff.h"
#include "platform/host.h"
#include "platform/scripted_host.h"

namespace {

class StepTimer : public platform::ScriptedHost {
public:
    using Clock = std::chrono::steady_clock;
    void Start() {
        last_ = Clock::now();
        longest_ = Clock::duration::zero();
        steps_ = 0;
    }
    // Fastest time seen for every step index over all runs so far.
    const std::vector<double>& BestSteps() const { return best_; }
    void Stop() { Mark(); }
    void Sleep(std::uint32_t ms) override {
        Mark();
        ScriptedHost::Sleep(ms);
        last_ = Clock::now();
    }
    void Present(const platform::Surface&) override {}
    double LongestSeconds() const { return std::chrono::duration<double>(longest_).count(); }
    int Steps() const { return steps_; }

private:
    void Mark() {
        const auto d = Clock::now() - last_;
        longest_ = std::max(longest_, d);
        const double sec = std::chrono::duration<double>(d).count();
        if (best_.size() <= static_cast<std::size_t>(steps_)) best_.push_back(sec);
        best_[static_cast<std::size_t>(steps_)] = std::min(best_[static_cast<std::size_t>(steps_)], sec);
        ++steps_;
    }
    std::vector<double> best_;
    Clock::time_point last_;
    Clock::duration longest_{};
    int steps_ = 0;
};

platform::Surface BenchPicture() {
    platform::Surface s(640, 480, 0);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) s.At(x, y) = platform::Rgb(x, y, x ^ y);
    return s;
}

void BM_EffectHeaviestStep(benchmark::State& state) {
    const auto number = static_cast<vb::Integer>(state.range(0));
    StepTimer host;
    platform::Host_Set(&host);
    platform::Form form(640, 480);
    const platform::Surface picture = BenchPicture();
    clsGraficEff player;
    player.mObjForm = &form;
    player.glngTime = 16;
    for (auto _ : state) {
        form.image = picture;
        form.BackColor = 0xFFFFFF;
        form.FillColor = 0;
        host.Start();
        player.COM_Play_GlaficEff(number);
        host.Stop();
        state.SetIterationTime(host.LongestSeconds());
        benchmark::DoNotOptimize(form.image.Row(0));
    }
    const auto& best = host.BestSteps();
    state.counters["heaviest_ms"] = best.empty() ? 0.0 : *std::max_element(best.begin(), best.end()) * 1000.0;
    state.counters["steps"] = host.Steps();
    platform::Host_Set(nullptr);
}

BENCHMARK(BM_EffectHeaviestStep)->DenseRange(1, 23)->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
