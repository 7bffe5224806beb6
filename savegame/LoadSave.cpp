#include "savegame/LoadSave.h"

#include "state/FloorWalls.h"

bool LoadGameFile(GameState& g, const std::string& path, std::string* why) {
    if (!ReadGameFile(g, path, why)) return false;
    PrepareLoadedGame(g);
    return true;
}

void PrepareLoadedGame(GameState& g) {
    g.GameRunning = 1;
    g.Paused = 0;
    for (auto& open : g.WindowOpen) open = 0;
    for (auto& column : g.FloorGrid) column.fill(0);
    LayNewGameWalls(g);
}
