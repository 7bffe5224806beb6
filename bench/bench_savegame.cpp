// Saving and loading the busy shop as the player does: the save with its
// file write and the flush to the disk (the flush alone beside it), the load
// from the file; and the text of a saved game made and read in memory.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench/BenchGames.h"
#include "commands/SaveAndLoad.h"
#include "commands/StartNewGame.h"
#include "platform/headless/HeadlessPlatform.h"
#include "savegame/SaveGame.h"
#include "state/NewGame.h"

namespace {

// Saved games go beside the build, on the disk a player's files are on.
std::string SaveDir() {
    const std::string dir = std::string(QM_PROGRAM_DIR) + "/bench-saves";
    std::filesystem::create_directories(dir);
    return dir;
}

void BM_SaveGameToFile(benchmark::State& st) {
    HeadlessPlatform ui;  // answers the overwrite question with Yes
    ScopedPlatform scoped(ui);
    auto g = BusyShop();
    const std::string path = SaveDir() + "/save.qmt";
    for (auto _ : st) benchmark::DoNotOptimize(SaveGameTo(*g, path));
    st.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
}
BENCHMARK(BM_SaveGameToFile)->Unit(benchmark::kMicrosecond);

// The part of the save that waits for the disk: the flush of a freshly
// written file of the same bytes.
void BM_SaveGameFlushAlone(benchmark::State& st) {
    auto g = BusyShop();
    std::string bytes;
    SerializeGame(*g, bytes);
    const std::string path = SaveDir() + "/flush.qmt";
    for (auto _ : st) {
        st.PauseTiming();
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const bool written = fd >= 0 && ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
        st.ResumeTiming();
        if (written) ::fsync(fd);
        st.PauseTiming();
        if (fd >= 0) ::close(fd);
        st.ResumeTiming();
    }
}
BENCHMARK(BM_SaveGameFlushAlone)->Unit(benchmark::kMicrosecond);

void BM_LoadGameFile(benchmark::State& st) {
    HeadlessPlatform ui;
    ScopedPlatform scoped(ui);
    auto g = BusyShop();
    for (auto _ : st) benchmark::DoNotOptimize(LoadGameFile(*g, QM_BUSY_SHOP));
}
BENCHMARK(BM_LoadGameFile)->Unit(benchmark::kMicrosecond);

void BM_WriteSavedGame(benchmark::State& st) {
    auto g = BusyShop();
    std::string bytes;
    for (auto _ : st) {
        SerializeGame(*g, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    st.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_WriteSavedGame)->Unit(benchmark::kMicrosecond);

// Read into a game that holds what the file holds: the work of a save's
// read-back, which reads the file into the game it was written from.
void BM_ReadSavedGame(benchmark::State& st) {
    auto g = BusyShop();
    std::string bytes;
    SerializeGame(*g, bytes);
    auto into = std::make_unique<GameState>(*g);
    for (auto _ : st) benchmark::DoNotOptimize(DeserializeGame(bytes, *into));
}
BENCHMARK(BM_ReadSavedGame)->Unit(benchmark::kMicrosecond);

// Read into a game of other values, as a load does.
void BM_ReadSavedGameIntoAnother(benchmark::State& st) {
    auto g = BusyShop();
    std::string bytes;
    SerializeGame(*g, bytes);
    auto other = std::make_unique<GameState>();
    InitProgramState(*other);
    StartNewGame(*other, "别的书店", NewGameStart{});
    auto into = std::make_unique<GameState>();
    for (auto _ : st) {
        st.PauseTiming();
        *into = *other;
        st.ResumeTiming();
        benchmark::DoNotOptimize(DeserializeGame(bytes, *into));
    }
}
BENCHMARK(BM_ReadSavedGameIntoAnother)->Unit(benchmark::kMicrosecond);

}  // namespace
