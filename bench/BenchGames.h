#pragma once
// The games the benchmarks run on.
#include <memory>

#include "state/GameState.h"
#include "savegame/LoadSave.h"
#include "state/NewGame.h"

// The busy-shop fixture: the largest floor, every place furnished, two
// clerks, stock on the shelves (tools/make-busy-shop.sh).
inline std::unique_ptr<GameState> BusyShop() {
    auto g = std::make_unique<GameState>();
    InitProgramState(*g);
    LoadGameFile(*g, QM_BUSY_SHOP);
    return g;
}
