#include "sim/Walking.h"

#include <cmath>
#include <cstdint>

#include "sim/Cleaner.h"
#include "sim/Clerk.h"
#include "sim/Customer.h"
#include "sim/PersonSlots.h"
#include "sim/ShopTick.h"
#include "state/FloorWalls.h"
#include "state/SpritePool.h"
#include "floor/ShopEnlargement.h"

namespace {

// Person.Heading: 0 standing, 1..4 the four diagonal directions.
struct Heading {
    int dx, dy;     // cell step; the pixel step is (6 dx, 3 dy)
    int frameRow;   // Sprite.SrcY of the walk frames
};
constexpr Heading kHeadings[5] = {
    {0, 0, 0},     // 0 standing
    {-1, -1, 0},   // 1 up-left
    {+1, -1, 32},  // 2 up-right
    {+1, +1, 64},  // 3 down-right
    {-1, +1, 96},  // 4 down-left
};

// Sprite.SrcX of the walk frame by Person.WalkFrame 1..4 (before the figure
// column is added).
constexpr int kWalkFrameColumn[5] = {0, 0, 16, 0, 32};
constexpr int kFigureColumnWidth = 112;
constexpr int kWideFigureColumnWidth = 128;
constexpr int kWideFigureWidth = 32;
constexpr int kNarrowFigureWidth = 16;

// The turn rules by the quadrant the target lies in, tried in this order;
// every test that holds sets the heading, so the last one wins.
// A comparison is the set of orders it accepts (below, equal, above).
enum Order : unsigned { Below = 1, Equal = 2, Above = 4 };
enum class Cmp : unsigned { Lt = Below, Le = Below | Equal, Ge = Equal | Above, Gt = Above };
// How a stands to b (no order at all for a NaN, which no comparison takes).
unsigned OrderOf(double a, double b) { return (a < b ? Below : 0u) | (a == b ? Equal : 0u) | (a > b ? Above : 0u); }
bool Holds(Cmp c, unsigned order) { return (static_cast<unsigned>(c) & order) != 0; }
enum class Axis { X, Y };
// "gx + offset = tx" (or the same for y) turns to `heading`.
struct ColumnTest {
    Axis axis;
    int offset;
    int heading;
};
enum class Line { U, V };  // u = gx - gy, v = gx + gy
struct TurnRule {
    Cmp onX, onY;            // condition: gx (onX) tx and gy (onY) ty
    int firstHeading;        // only while Person.HeadingSet is 0
    ColumnTest tests[2];     // heading 0 = no test
    Line line;               // the target's line along the finishing heading
    int lineHeading;
    // Off that line with a wall one or two cells ahead on the first
    // diagonal: turn toward the line. The target's line value never equals
    // the person's here.
    int wallHeadingTargetAbove, wallHeadingTargetBelow;
};
constexpr TurnRule kTurnRules[] = {
    // A: down-right quadrant
    {Cmp::Le, Cmp::Le, 3, {{Axis::X, 0, 4}, {Axis::Y, 0, 2}}, Line::U, 3, 2, 4},
    // B: down-left; turns one column before the target's column
    {Cmp::Gt, Cmp::Lt, 4, {{Axis::X, -1, 3}, {Axis::X, 0, 0}}, Line::V, 4, 3, 1},
    // C: up-left
    {Cmp::Ge, Cmp::Ge, 1, {{Axis::X, 0, 2}, {Axis::Y, 0, 4}}, Line::U, 1, 2, 4},
    // D: up-right; turns one row before the target's row
    {Cmp::Lt, Cmp::Gt, 2, {{Axis::Y, -1, 3}, {Axis::X, 0, 0}}, Line::V, 2, 3, 1},
};

// The two cells of each door, and where its two leaves stand closed, half
// open and open.
struct DoorCells {
    GridCell cells[2];
};
constexpr DoorCells kDoorCells[2] = {
    {{{49, 31}, {53, 35}}},  // door 0, the upper door
    {{{28, 74}, {32, 78}}},  // door 1, the side door
};
// The box around every door cell: a person outside it stands on none.
struct CellBox {
    int left, top, right, bottom;
};
constexpr CellBox MakeDoorCellsBox() {
    CellBox b{kDoorCells[0].cells[0].x, kDoorCells[0].cells[0].y, kDoorCells[0].cells[0].x, kDoorCells[0].cells[0].y};
    for (const DoorCells& d : kDoorCells)
        for (const GridCell& c : d.cells) {
            b.left = c.x < b.left ? c.x : b.left;
            b.right = c.x > b.right ? c.x : b.right;
            b.top = c.y < b.top ? c.y : b.top;
            b.bottom = c.y > b.bottom ? c.y : b.bottom;
        }
    return b;
}
constexpr CellBox kTheDoorCellsBox = MakeDoorCellsBox();
static_assert(kTheDoorCellsBox.left == kDoorCellsLeft && kTheDoorCellsBox.top == kDoorCellsTop &&
                  kTheDoorCellsBox.right == kDoorCellsRight && kTheDoorCellsBox.bottom == kDoorCellsBottom,
              "the door-cell box in the header is the box around the door cells");
enum LeafStage { LeavesClosed = 0, LeavesHalfOpen = 1, LeavesOpen = 2 };
struct LeafPos {
    int x, y;
};
constexpr LeafPos kLeafPositions[2][2][3] = {
    {{{178, 41}, {170, 45}, {162, 49}}, {{194, 33}, {202, 29}, {210, 25}}},
    {{{50, 169}, {42, 173}, {34, 177}}, {{66, 161}, {74, 157}, {82, 153}}},
};
// Door.Step after its increment -> where the leaves go; steps 3 to 5 keep
// the leaves open.
struct DoorStep {
    int step;
    LeafStage stage;
    bool endsCycle;
};
constexpr DoorStep kDoorSteps[] = {
    {1, LeavesHalfOpen, false},
    {2, LeavesOpen, false},
    {6, LeavesHalfOpen, false},
    {7, LeavesClosed, true},
};


}  // namespace

bool CountedInside(int slot, int state) {
    switch (RoleOfSlot(slot)) {
    case PersonSlotRole::Clerk: return state >= ClerkArrive && state <= ClerkToDoor;
    case PersonSlotRole::Robber: return state == 1 || state == 2 || state == 4;  // in, at the till, to the door
    case PersonSlotRole::Cleaner: return state >= 1 && state <= 7;               // from the door back to it
    case PersonSlotRole::Customer:
        switch (state) {
        case CustomerState::Absent:
        case CustomerState::ExitUpperTop:
        case CustomerState::ExitUpperLeft:
        case CustomerState::ExitSideLeft:
        case CustomerState::PassTopToLeft:
        case CustomerState::PassLeftToTop:
        case CustomerState::PassTopToRight:
        case CustomerState::PassRightToTop: return false;
        default: return true;
        }
    case PersonSlotRole::SpareClerk: return false;
    }
    return false;
}

namespace {

void CountDown(Value& v) {
    if (v.asInt() > 0) v = v.asInt() - 1;
}

// The grid value of a (possibly fractional) cell; a cell index rounds as an
// array index does, and a cell off the grid is open.
int GridValue(const GameState& g, double gx, double gy) {
    const double rx = std::nearbyint(gx), ry = std::nearbyint(gy);
    if (rx < 0 || ry < 0 || rx >= GameState::kGridSize || ry >= GameState::kGridSize) return FloorCell::Open;
    return g.FloorGrid[static_cast<int>(rx)][static_cast<int>(ry)];
}

// The same for a whole cell.
int GridValue(const GameState& g, int gx, int gy) {
    if (gx < 0 || gy < 0 || gx >= GameState::kGridSize || gy >= GameState::kGridSize) return FloorCell::Open;
    return g.FloorGrid[gx][gy];
}

// The cell `steps` steps along a heading from where the person stands (the
// whole-cell case inline: it is nearly every step).
[[gnu::noinline]] int GridValueAheadBetween(const GameState& g, const PersonPlace& at, int dx, int dy, int steps) {
    return GridValue(g, at.gx + steps * dx, at.gy + steps * dy);
}
inline int GridValueAhead(const GameState& g, const PersonPlace& at, int dx, int dy, int steps) {
    if (at.whole) return GridValue(g, at.cx + steps * dx, at.cy + steps * dy);
    return GridValueAheadBetween(g, at, dx, dy, steps);
}

void Move(Value& v, int delta) { v = v.isReal() ? Value(v.asReal() + delta) : Value(v.asInt() + delta); }

void PlaceLeaves(GameState& g, int door, LeafStage stage) {
    for (int leaf = 0; leaf < 2; ++leaf) {
        const Value& s = g.Door.LeafSprites[door * 2 + leaf];
        if (s.isEmpty() || s.asInt() < 0 || s.asInt() >= kSpriteSlots) continue;
        g.Sprite.X[s.i()] = kLeafPositions[door][leaf][stage].x;
        g.Sprite.Y[s.i()] = kLeafPositions[door][leaf][stage].y;
    }
}

bool DoorExists(const GameState& g, int door) { return door == 0 || SideDoorBuilt(g); }

}  // namespace

double PersonCellX(const GameState& g, int slot) { return PlaceOf(g, slot).gx; }

double PersonCellY(const GameState& g, int slot) { return PlaceOf(g, slot).gy; }

bool StandsOn(const GameState& g, int slot, GridCell cell) { return PlaceOf(g, slot).on(cell); }


void WalkPerson(GameState& g, int slot) {
    PersonPlace at = PlaceOf(g, slot);
    WalkPerson(g, slot, at);
}

void WalkPerson(GameState& g, int slot, PersonPlace& at) {
    const int sp = at.sprite;
    if (sp < 0) return;
    auto& P = g.Person;
    const double gx = at.gx, gy = at.gy;
    const double tx = P.TargetX[slot].asReal(), ty = P.TargetY[slot].asReal();
    const bool onTarget = gx == tx && gy == ty;

    // While mopping, the cleaner slides by itself with its heading held at 0.
    // The rules below work on a copy of the heading and its flag, written
    // back once (only what a rule wrote is written).
    int heading = 0;
    bool turned = false;
    const auto turn = [&](int to) {
        heading = to;
        turned = true;
    };
    const bool mopping = slot == PersonSlot::Cleaner && CleanerMops(P.State[slot].i());
    if (!mopping) {
        if (onTarget) turn(0);
        bool headingSet = P.HeadingSet[slot].asInt() != 0;
        bool headingSetNow = false;
        const double u = gx - gy, v = gx + gy, tu = tx - ty, tv = tx + ty;
        const unsigned orderX = OrderOf(gx, tx), orderY = OrderOf(gy, ty);
        for (const TurnRule& r : kTurnRules) {
            if (!Holds(r.onX, orderX) || !Holds(r.onY, orderY)) continue;
            if (!headingSet) {
                turn(r.firstHeading);
                headingSet = headingSetNow = true;
            }
            for (const ColumnTest& c : r.tests) {
                if (c.heading == 0) continue;
                const bool hit = c.axis == Axis::X ? gx + c.offset == tx : gy + c.offset == ty;
                if (hit) turn(c.heading);
            }
            const double mine = r.line == Line::U ? u : v;
            const double target = r.line == Line::U ? tu : tv;
            if (target == mine) {
                turn(r.lineHeading);
            } else {
                const Heading& first = kHeadings[r.firstHeading];
                if (IsBlocked(GridValueAhead(g, at, first.dx, first.dy, 1)) ||
                    IsBlocked(GridValueAhead(g, at, first.dx, first.dy, 2)))
                    turn(target > mine ? r.wallHeadingTargetAbove : r.wallHeadingTargetBelow);
            }
        }
        if (headingSetNow) P.HeadingSet[slot] = 1;
    }
    if (onTarget) turn(0);
    if (turned) P.Heading[slot] = heading;

    bool moved = false;
    const int h = turned ? heading : P.Heading[slot].i();
    if (h >= 1 && h <= 4) {
        const Heading& hd = kHeadings[h];
        if (!IsBlocked(GridValueAhead(g, at, hd.dx, hd.dy, 1))) {
            Move(g.Sprite.X[sp], 6 * hd.dx);
            Move(g.Sprite.Y[sp], 3 * hd.dy);
            moved = true;
        } else {
            P.WalkFrame[slot] = 0;  // a refused step shows the first frame
        }
        int frame = P.WalkFrame[slot].i() + 1;
        P.WalkFrame[slot] = frame;
        const int look = P.Look[slot].i();
        g.Sprite.SrcY[sp] = hd.frameRow;
        g.Sprite.SrcX[sp] = (frame >= 1 && frame <= 4 ? kWalkFrameColumn[frame] : 0) + kFigureColumnWidth * look;
        if (frame == 4) {
            frame = 0;
            P.WalkFrame[slot] = 0;
        }
        if (P.WideFigure[slot].asInt() == 1) {
            g.Sprite.SrcX[sp] = (h - 1) * 32 + kWideFigureColumnWidth * look;
            g.Sprite.SrcY[sp] = frame == 0 || frame == 3 ? 283 : 315;
            g.Sprite.Width[sp] = kWideFigureWidth;
        } else {
            g.Sprite.Width[sp] = kNarrowFigureWidth;
        }
    }
    g.Sprite.Depth[sp] = g.Sprite.Y[sp].asReal() + sp / 1000.0;
    if (!moved) return;
    if (!at.whole) {
        at = PlaceOf(g, slot);
        return;
    }
    // One whole cell on: the same cell the rule gives from the new pixels.
    at.cx += kHeadings[h].dx;
    at.cy += kHeadings[h].dy;
    at.gx = at.cx;
    at.gy = at.cy;
    at.px += walking_detail::kCellWidth * kHeadings[h].dx;
    at.py += walking_detail::kCellHeight * kHeadings[h].dy;
}

void CheckDoorCells(GameState& g, int slot) { CheckDoorCells(g, PlaceOf(g, slot)); }

void CheckDoorCells(GameState& g, const PersonPlace& at) {
    if (!NearTheDoors(at)) return;
    for (int door = 0; door < 2; ++door) {
        for (const GridCell& c : kDoorCells[door].cells) {
            if (!at.on(c) || !DoorExists(g, door)) continue;
            if (g.Door.Cycling[door].asInt() == 1)
                g.Door.Step[door] = 1;  // hold it open: the same tick's cycle turns 1 into 2
            else
                g.Door.Cycling[door] = 1;
        }
    }
}

void CycleDoors(GameState& g) {
    if (g.ShopOpen.asInt() == 0) return;
    for (int door = 0; door < 2; ++door) {
        if (!DoorExists(g, door) || g.Door.Cycling[door].asInt() != 1) continue;
        const int step = g.Door.Step[door].i() + 1;
        g.Door.Step[door] = step;
        for (const DoorStep& s : kDoorSteps) {
            if (s.step != step) continue;
            PlaceLeaves(g, door, s.stage);
            if (s.endsCycle) {
                g.Door.Cycling[door] = 0;
                g.Door.Step[door] = 0;
            }
        }
    }
}

void FreePersonAtEdge(GameState& g, int slot) { FreePersonAtEdge(g, slot, PlaceOf(g, slot)); }

void FreePersonAtEdge(GameState& g, int slot, const PersonPlace& at) {
    const int sp = at.sprite;
    if (sp < 0) return;
    if (!BeyondTheEdge(at)) return;

    auto& P = g.Person;
    if (CountedInside(slot, P.State[slot].i())) {
        switch (RoleOfSlot(slot)) {
        case PersonSlotRole::Clerk:
            CountDown(g.ClerksInside);
            // Its register is no longer attended (a dismissed clerk's figure
            // is sent off the floor from its post).
            if (P.State[slot].asInt() == ClerkAtPostA) g.RegisterSlot.ClerkState[0] = Unattended;
            if (P.State[slot].asInt() == ClerkAtPostB) g.RegisterSlot.ClerkState[1] = Unattended;
            break;
        case PersonSlotRole::Robber: g.RobberInside = 0; break;
        case PersonSlotRole::Cleaner: g.CleanerInside = 0; break;
        case PersonSlotRole::Customer:
            CountDown(g.CustomersInside);
            ReleaseReservation(g, slot);
            break;
        case PersonSlotRole::SpareClerk: break;
        }
        ShortenHourWhenEmpty(g);
    }
    P.State[slot] = 0;
    P.WideFigure[slot] = 0;
    g.Sprite.Y[sp] = kParkedPersonY;
}
