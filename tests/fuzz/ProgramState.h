#pragma once
// The game as the program starts it, before any new game or load: the base
// every damaged file of the fuzzer and the campaign is read into.
#include <memory>

#include "state/GameState.h"
#include "state/NewGame.h"

inline const GameState& ProgramState() {
    static const auto base = [] {
        auto g = std::make_unique<GameState>();
        InitProgramState(*g);
        return g;
    }();
    return *base;
}
