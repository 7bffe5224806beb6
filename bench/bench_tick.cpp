// The main tick on the busy-shop fixture, headless, with its draws and
// windows as in play (every window answered by its plain default).
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/BenchGames.h"
#include "platform/headless/HeadlessPlatform.h"
#include "sim/MainTick.h"
#include "sim/HeadlessWindows.h"

namespace {

void BM_TicksOfTheBusyShop(benchmark::State& st) {
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped(ui);
    auto start = BusyShop();
    auto g = std::make_unique<GameState>(*start);
    long long ticks = 0, days = 0;
    for (auto _ : st) {
        Value day = g->Day;
        MainTick(*g);
        ++ticks;
        if (!(g->Day == day)) ++days;
        if (g->GameRunning.asInt() != 1) {  // start over should the shop ever go broke
            st.PauseTiming();
            *g = *start;
            st.ResumeTiming();
        }
    }
    st.counters["ticks_per_s"] = benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate);
    if (days > 0) st.counters["ticks_per_day"] = static_cast<double>(ticks) / static_cast<double>(days);
}
BENCHMARK(BM_TicksOfTheBusyShop)->MinTime(2.0);

// One whole game year from the fixture, in seconds.
void BM_GameYearOfTheBusyShop(benchmark::State& st) {
    HeadlessPlatform ui{GameWindowDefaults()};
    ScopedPlatform scoped(ui);
    auto start = BusyShop();
    long long ticks = 0;
    for (auto _ : st) {
        st.PauseTiming();
        auto g = std::make_unique<GameState>(*start);
        st.ResumeTiming();
        int newDays = 0;
        while (newDays < 365 && g->GameRunning.asInt() == 1) {
            Value day = g->Day;
            MainTick(*g);
            ++ticks;
            if (!(g->Day == day)) ++newDays;
        }
    }
    st.counters["ticks"] = static_cast<double>(ticks) / static_cast<double>(st.iterations());
}
BENCHMARK(BM_GameYearOfTheBusyShop)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
