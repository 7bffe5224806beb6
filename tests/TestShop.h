#pragma once
// The one builder of a small test shop: a new game as the program starts it
// (program texts first, then the new-game dialog's start), on a date, hour
// and seed of the test's choosing. The defaults are the plain new-game start
// (1 January 2000, a Saturday, hour 0, seed 0).
#include <cstdint>
#include <memory>

#include "commands/StartNewGame.h"
#include "state/GameState.h"
#include "state/NewGame.h"

struct TestShop {
    int year = 2000, month = 1, day = 1, hour = 0;
    std::uint64_t seed = 0;
    const char* name = "测试书店";
};

inline std::unique_ptr<GameState> NewTestShop(const TestShop& spec = {}) {
    NewGameStart start;
    if (!NewGameStart::FromDate(spec.year, spec.month, spec.day, spec.hour, spec.seed, start)) return nullptr;
    auto g = std::make_unique<GameState>();
    InitProgramState(*g);
    StartNewGame(*g, spec.name, start);
    return g;
}
