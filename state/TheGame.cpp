#include "state/TheGame.h"

#include <memory>

GameState& Game() {
    static std::unique_ptr<GameState> game = std::make_unique<GameState>();
    return *game;
}
