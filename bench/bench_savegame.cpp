// Writing and reading a whole saved game of a fresh new game.
#include <benchmark/benchmark.h>

#include <memory>

#include "state/NewGame.h"
#include "state/SaveGame.h"

namespace {

std::unique_ptr<GameState> FreshGame() {
    auto g = std::make_unique<GameState>();
    NewGameStart s;
    NewGameStart::FromDate(2026, 12, 10, 10, 42, s);
    g->VersionText = kVersionText;
    g->GameTitle = kGameTitle;
    StartNewGame(*g, "测试书店", s);
    return g;
}

void BM_WriteSavedGame(benchmark::State& st) {
    auto g = FreshGame();
    std::string bytes;
    for (auto _ : st) {
        SerializeGame(*g, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    st.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_WriteSavedGame)->Unit(benchmark::kMicrosecond);

void BM_ReadSavedGame(benchmark::State& st) {
    auto g = FreshGame();
    std::string bytes;
    SerializeGame(*g, bytes);
    auto into = std::make_unique<GameState>();
    for (auto _ : st) {
        // A load reads into a copy of the live game and swaps it in.
        auto copy = std::make_unique<GameState>(*into);
        benchmark::DoNotOptimize(DeserializeGame(bytes, *copy));
        *into = std::move(*copy);
    }
}
BENCHMARK(BM_ReadSavedGame)->Unit(benchmark::kMicrosecond);

}  // namespace
