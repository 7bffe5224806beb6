#include "state/LoadSave.h"

#include "state/FloorWalls.h"

bool LoadGameFile(GameState& g, const std::string& path) {
    if (!ReadSaveFile(g, path)) return false;
    g.GameRunning = 1;
    g.Paused = 0;
    for (auto& open : g.WindowOpen) open = 0;
    for (auto& column : g.FloorGrid) column.fill(0);
    LayNewGameWalls(g);
    return true;
}
