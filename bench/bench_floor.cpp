// One frame of the floor view as the player's window makes it: the busy
// shop at its largest size with the game's own pictures, its people walking
// between frames as at top speed (six 10 ms ticks to a 64 ms frame), and the
// window's whole firing (icon, cull, sort, draw, present) with its paint.
// Built once the benchmark links the windowing library.
#if __has_include(<QImage>)
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>

#include "bench/BenchGames.h"
#include "platform/headless/HeadlessPlatform.h"
#include "sim/HeadlessWindows.h"
#include "sim/MainTick.h"
#include "ui/floor/FloorViewWindow.h"

namespace {

constexpr int kTicksPerFrame = 6;

void BM_FloorFrameOfTheBusyShop(benchmark::State& st) {
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped(ui);
    auto g = BusyShop();
    FloorViewWindow view(*g);
    view.show();
    QApplication::processEvents();
    const int drawnBefore = view.FramesDrawn();
    double frameMs = 0;
    for (auto _ : st) {
        st.PauseTiming();
        for (int i = 0; i < kTicksPerFrame; ++i) MainTick(*g);
        st.ResumeTiming();
        const auto begin = std::chrono::steady_clock::now();
        view.Timer1_Timer();
        QApplication::processEvents();  // the paint
        frameMs += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
    }
    // Per frame (the console prints values below 1 with an m prefix:
    // 450m = 0.45).
    st.counters["ms_per_frame"] = benchmark::Counter(frameMs, benchmark::Counter::kAvgIterations);
    st.counters["share_of_64ms"] = benchmark::Counter(frameMs / 64.0, benchmark::Counter::kAvgIterations);
    st.counters["frames_drawn"] =
        benchmark::Counter(static_cast<double>(view.FramesDrawn() - drawnBefore), benchmark::Counter::kAvgIterations);
    st.counters["sprites_drawn"] = g->VisibleSpriteCount.asReal();
}
BENCHMARK(BM_FloorFrameOfTheBusyShop)->Unit(benchmark::kMillisecond);

}  // namespace
#endif
