#include "state/FloorWalls.h"

#include <algorithm>

namespace {

struct WallRow {
    int gx, gy;    // first cell
    int dx, dy;    // step per cell
    int cells;
    int value;
    bool newGame;  // also laid by a new game
};

// Rows 1-25 trace the outline from the top corner down the left side, along
// the bottom and up the right side; 26-32 are the obstacle inside the floor;
// the last row lies under the scenery at the top corner.
constexpr WallRow kWallRows[] = {
    {62, 22, -1, +1, 9, Wall, true},    //  1 down-left to (54, 30); upper door gap follows
    {48, 36, -1, +1, 6, Wall, true},    //  2
    {43, 43, 0, 0, 1, Wall, true},      //  3
    {43, 45, 0, 0, 1, Wall, true},      //  4
    {43, 47, -1, +1, 6, Wall, true},    //  5
    {38, 52, 0, +1, 16, Wall, true},    //  6 down
    {38, 68, -1, +1, 6, Wall, true},    //  7; side door gap follows
    {27, 79, -1, +1, 5, Wall, true},    //  8
    {23, 79, 0, +1, 13, Wall, true},    //  9 down
    {23, 93, +1, +1, 17, Wall, true},   // 10 down-right
    {49, 119, +1, 0, 9, Wall, true},    // 11 right
    {59, 117, 0, 0, 1, Wall, true},     // 12
    {61, 115, 0, 0, 1, Wall, true},     // 13
    {63, 117, 0, 0, 1, Wall, true},     // 14
    {65, 119, 0, 0, 1, Wall, true},     // 15
    {67, 121, 0, 0, 1, Wall, true},     // 16
    {69, 123, +1, 0, 11, Wall, true},   // 17 right
    {81, 123, +1, -1, 28, Wall, true},  // 18 up-right to (108, 96)
    {108, 94, 0, 0, 1, Wall, true},     // 19
    {108, 92, 0, 0, 1, Wall, true},     // 20
    {108, 90, -1, -1, 15, Wall, false}, // 21 up-left: the right edge, start-up only
    {95, 75, 0, 0, 1, Wall, false},     // 22
    {96, 74, 0, 0, 1, Wall, false},     // 23
    {97, 73, 0, -1, 16, Wall, false},   // 24 up
    {97, 57, -1, -1, 36, Wall, false},  // 25 up-left back to the top corner
    {47, 51, +1, +1, 13, Wall, true},   // 26 obstacle
    {49, 49, +1, +1, 11, Wall, true},   // 27
    {59, 61, 0, 0, 1, Wall, true},      // 28
    {59, 63, -1, +1, 14, Wall, true},   // 29
    {45, 75, -1, -1, 5, Wall, true},    // 30
    {43, 69, +1, +1, 4, Wall, true},    // 31
    {46, 72, +1, -1, 12, Wall, true},   // 32
    {62, 26, +1, +1, 4, Barrier, true}, // 33
};

void Lay(GameState& g, bool newGameOnly) {
    for (const WallRow& r : kWallRows) {
        if (newGameOnly && !r.newGame) continue;
        for (int i = 0; i < r.cells; ++i) g.FloorGrid[r.gx + r.dx * i][r.gy + r.dy * i] = r.value;
    }
}

}  // namespace

void LayStartupWalls(GameState& g) { Lay(g, false); }
void LayNewGameWalls(GameState& g) { Lay(g, true); }

FloorDiagonals FloorOutlineDiagonals() {
    FloorDiagonals box{kWallRows[0].gx - kWallRows[0].gy, kWallRows[0].gx - kWallRows[0].gy,
                       kWallRows[0].gx + kWallRows[0].gy, kWallRows[0].gx + kWallRows[0].gy};
    for (const WallRow& r : kWallRows)
        for (int i = 0; i < r.cells; ++i) {
            const int x = r.gx + r.dx * i, y = r.gy + r.dy * i;
            box.differenceLo = std::min(box.differenceLo, x - y);
            box.differenceHi = std::max(box.differenceHi, x - y);
            box.sumLo = std::min(box.sumLo, x + y);
            box.sumHi = std::max(box.sumHi, x + y);
        }
    return box;
}
