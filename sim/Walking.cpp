#include "sim/Walking.h"

#include <array>
#include <cstdint>
#include <iterator>

#include "sim/Customer.h"
#include "sim/WalkAhead.h"
#include "sim/WalkTurns.h"
#include "state/Counters.h"
#include "state/PersonSlots.h"
#include "state/HourLength.h"
#include "state/FloorWalls.h"
#include "state/SpritePool.h"
#include "floor/ShopEnlargement.h"

namespace {

// Person.Heading: 0 standing, 1..4 the four diagonal directions.
struct Heading {
    int dx, dy;     // cell step; the pixel step is one cell's pixels on each axis
    int frameRow;   // Sprite.SrcY of the walk frames
};
constexpr Heading kHeadings[5] = {
    {0, 0, 0},     // 0 standing
    {-1, -1, 0},   // 1 up-left
    {+1, -1, 32},  // 2 up-right
    {+1, +1, 64},  // 3 down-right
    {-1, +1, 96},  // 4 down-left
};
constexpr bool IsWalkingHeading(int h) { return h >= 1 && h <= 4; }

// The walking figures on the people's sprite sheet: one 112-pixel column of
// 16-pixel frames per look (added as kFigureColumnWidth x Person.Look), the
// row by heading (above). A walk shows stand, step A, stand, step B, by
// Person.WalkFrame 1..4; after frame 4 the count starts again at 0.
constexpr int kFigureColumnWidth = 112;
constexpr int kNarrowFigureWidth = 16;
constexpr int kStandColumn = 0, kStepAColumn = 16, kStepBColumn = 32;
constexpr int kLastWalkFrame = 4;
constexpr int kWalkFrameColumn[kLastWalkFrame + 1] = {kStandColumn, kStandColumn, kStepAColumn, kStandColumn,
                                                      kStepBColumn};
constexpr int WalkFrameColumn(int frame) {
    return frame >= 1 && frame <= kLastWalkFrame ? kWalkFrameColumn[frame] : kStandColumn;
}

// The cyclists (Person.WideFigure 1): one 128-pixel block per look, a
// 32-pixel column per walking heading (up-left first), and two pedalling
// rows, the first shown at walk frames 0 and 3, the second at 1 and 2.
constexpr int kWideFigureColumnWidth = 128;
constexpr int kWideFigureWidth = 32;
constexpr int kPedalRowA = 283, kPedalRowB = 315;
constexpr int PedalRow(int frame) { return frame == 0 || frame == 3 ? kPedalRowA : kPedalRowB; }

// The turn rules by the quadrant the target lies in, tried in this order;
// every test that holds sets the heading, so the last one wins.
// A comparison is the set of orders it accepts: the person's cell below,
// on or above the target's on that axis.
enum Order : unsigned { Below = 1, Equal = 2, Above = 4 };
enum class Cmp : unsigned { Lt = Below, Le = Below | Equal, Ge = Equal | Above, Gt = Above };
constexpr bool Holds(Cmp c, unsigned order) { return (static_cast<unsigned>(c) & order) != 0; }
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
constexpr int kTurnRuleCount = static_cast<int>(std::size(kTurnRules));

// An order as a row of the table below: 0 below, 1 on, 2 above.
constexpr int kOrders = 3;
constexpr unsigned OrderBit(int row) { return 1u << row; }

// kRulesWhere[x][y]: the rules whose quadrant holds where the person stands
// in order x to the target across and y down, in table order. The walk
// looks its rules up here instead of testing every one.
struct RulesWhere {
    int count = 0;
    std::uint8_t rule[kTurnRuleCount] = {};
};
using RulesWhereTable = std::array<std::array<RulesWhere, kOrders>, kOrders>;
constexpr RulesWhereTable MakeRulesWhere() {
    RulesWhereTable t{};
    for (int x = 0; x < kOrders; ++x)
        for (int y = 0; y < kOrders; ++y)
            for (int r = 0; r < kTurnRuleCount; ++r)
                if (Holds(kTurnRules[r].onX, OrderBit(x)) && Holds(kTurnRules[r].onY, OrderBit(y)))
                    t[x][y].rule[t[x][y].count++] = static_cast<std::uint8_t>(r);
    return t;
}
constexpr RulesWhereTable kRulesWhere = MakeRulesWhere();
constexpr bool EveryPlaceHasARule() {
    for (const auto& row : kRulesWhere)
        for (const RulesWhere& r : row)
            if (r.count == 0) return false;
    return true;
}
static_assert(EveryPlaceHasARule(), "the quadrants cover every place of the target");

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

// The grid value of a cell; a cell off the grid is open.
int GridValue(const GameState& g, int gx, int gy) {
    if (gx < 0 || gy < 0 || gx >= GameState::kGridSize || gy >= GameState::kGridSize) return FloorCell::Open;
    return g.FloorGrid[gx][gy];
}

// The cell `steps` steps along a heading from the whole cell the person
// stands on.
inline int GridValueAhead(const GameState& g, const PersonPlace& at, int dx, int dy, int steps) {
    return GridValue(g, at.cx + steps * dx, at.cy + steps * dy);
}

void Move(WholeCell& v, int delta) { v = v.get() + delta; }

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

double PersonCellX(const GameState& g, int slot) { return PlaceOf(g, slot).cellX(); }

double PersonCellY(const GameState& g, int slot) { return PlaceOf(g, slot).cellY(); }

bool StandsOn(const GameState& g, int slot, GridCell cell) { return PlaceOf(g, slot).on(cell); }

void EnterByStaffDoor(GameState& g, int slot, int state, GridCell first) {
    auto& P = g.Person;
    CountUp(P.Visits[slot]);
    PutPersonAt(g, slot, kStaffDoorX, kStaffDoorY);
    P.State[slot] = state;
    P.HeadingSet[slot] = 0;
    P.TargetX[slot] = first.x;
    P.TargetY[slot] = first.y;
}

void WalkPerson(GameState& g, int slot) {
    PersonPlace at = PlaceOf(g, slot);
    WalkPerson(g, slot, at);
}

namespace {

// Where the target lies from the person, for the turn rules, in whole cells.
struct WholePlan {
    std::int64_t dx, dy;  // target minus person, in cells
    constexpr bool onTarget() const { return dx == 0 && dy == 0; }
    static constexpr int OrderRow(std::int64_t d) { return d > 0 ? 0 : (d == 0 ? 1 : 2); }
    constexpr int orderX() const { return OrderRow(dx); }
    constexpr int orderY() const { return OrderRow(dy); }
    constexpr bool onColumn(const ColumnTest& c) const { return (c.axis == Axis::X ? dx : dy) == c.offset; }
    // Where the target's value on the line lies from the person's: -1, 0 or 1.
    constexpr int lineSide(Line l) const {
        const std::int64_t d = l == Line::U ? dx - dy : dx + dy;
        return (d > 0) - (d < 0);
    }
};

// The heading the turn rules choose. They work on this copy of the heading,
// written back once, and only when a rule wrote it.
struct HeadingChoice {
    int heading = 0;
    bool turned = false;
    constexpr void turn(int to) {
        heading = to;
        turned = true;
    }
};

// The turn rules whose quadrant holds, in table order. The first of them
// gives a fresh walk (Person.HeadingSet 0) its first heading; then each
// turns at its columns ("gx + offset = tx", or the same for y), along the
// target's line when the person stands on it, and otherwise toward that
// line when `wallAhead(heading)` finds a wall one or two cells ahead on the
// rule's first diagonal.
template <class WallAhead>
constexpr void RunTurnRules(const WholePlan& w, bool fresh, WallAhead wallAhead, HeadingChoice& choice) {
    const RulesWhere& rules = kRulesWhere[w.orderX()][w.orderY()];
    if (fresh) choice.turn(kTurnRules[rules.rule[0]].firstHeading);
    for (int k = 0; k < rules.count; ++k) {
        const TurnRule& r = kTurnRules[rules.rule[k]];
        for (const ColumnTest& c : r.tests)
            if (c.heading != 0 && w.onColumn(c)) choice.turn(c.heading);
        const int side = w.lineSide(r.line);
        if (side == 0)
            choice.turn(r.lineHeading);
        else if (wallAhead(r.firstHeading))
            choice.turn(side > 0 ? r.wallHeadingTargetAbove : r.wallHeadingTargetBelow);
    }
}

// What the turn rules do for a whole target, by where it lies: dx and dy
// (target minus person) each as at most -2, -1, 0 or at least 1 (the column
// tests look at offsets -1 and 0), and the signs of dx - dy and dx + dy (the
// lines). Worked out from the rules themselves, for every place of the
// target within four cells; a place the table does not know is run through
// the rules.
constexpr int kDeltaClasses = 4;
constexpr int DeltaClass(std::int64_t d) { return d <= -2 ? 0 : (d == -1 ? 1 : (d == 0 ? 2 : 3)); }
constexpr int SignRow(std::int64_t d) { return (d > 0) - (d < 0) + 1; }
struct TurnLookup {
    bool known = false;
    std::int8_t wallHeading = -1;  // the diagonal whose cells ahead are asked for a wall; -1: none are
    std::int8_t turn[2][2] = {{-1, -1}, {-1, -1}};  // [fresh walk][wall ahead]: the heading turned to; -1: none
    constexpr bool operator==(const TurnLookup&) const = default;
};
using TurnLookupTable =
    std::array<std::array<std::array<std::array<TurnLookup, 3>, 3>, kDeltaClasses>, kDeltaClasses>;
constexpr TurnLookupTable MakeTurnLookup() {
    for (const TurnRule& r : kTurnRules)
        for (const ColumnTest& c : r.tests)
            if (c.heading != 0 && c.offset != 0 && c.offset != -1) throw "a column test the classes cannot tell";
    TurnLookupTable t{};
    constexpr int kReach = 4;
    for (int dx = -kReach; dx <= kReach; ++dx)
        for (int dy = -kReach; dy <= kReach; ++dy) {
            const WholePlan w{dx, dy};
            TurnLookup found;
            found.known = true;
            for (int fresh = 0; fresh < 2; ++fresh)
                for (int wall = 0; wall < 2; ++wall) {
                    HeadingChoice choice;
                    auto wallAhead = [&found, wall](int heading) {
                        if (found.wallHeading >= 0 && found.wallHeading != heading) throw "two diagonals asked";
                        found.wallHeading = static_cast<std::int8_t>(heading);
                        return wall == 1;
                    };
                    RunTurnRules(w, fresh == 1, wallAhead, choice);
                    found.turn[fresh][wall] = static_cast<std::int8_t>(choice.turned ? choice.heading : -1);
                }
            TurnLookup& e = t[DeltaClass(dx)][DeltaClass(dy)][SignRow(dx - dy)][SignRow(dx + dy)];
            if (e.known && !(e == found)) throw "one place of the table, two outcomes";
            e = found;
        }
    return t;
}
constexpr TurnLookupTable kTurnLookup = MakeTurnLookup();

bool Mopping(const GameState& g, int slot) {
    return slot == PersonSlot::Cleaner && CleanerMops(g.Person.State[slot].i());
}

// A wall one or two cells ahead on a diagonal (both cells are read, and the
// answer taken at once: walls stand here and there along a walk).
inline bool WallAhead(const GameState& g, const PersonPlace& at, int heading) {
    const Heading& h = kHeadings[heading];
    return (IsBlocked(GridValueAhead(g, at, h.dx, h.dy, 1)) | IsBlocked(GridValueAhead(g, at, h.dx, h.dy, 2))) != 0;
}

const TurnLookup& TurnLookupAt(const WholePlan& w) {
    return kTurnLookup[DeltaClass(w.dx)][DeltaClass(w.dy)][SignRow(w.dx - w.dy)][SignRow(w.dx + w.dy)];
}

// The turn for a whole target: from the table, or through the rules for a
// place the table does not know.
template <class WallAhead>
void TurnForWholeTarget(const WholePlan& w, bool fresh, WallAhead wallAhead, HeadingChoice& choice) {
    const TurnLookup& t = TurnLookupAt(w);
    if (!t.known) {
        RunTurnRules(w, fresh, wallAhead, choice);
        return;
    }
    const bool wall = t.wallHeading >= 0 && wallAhead(t.wallHeading);
    if (const int h = t.turn[fresh][wall]; h >= 0) choice.turn(h);
}

// Where the target cell (tx, ty) lies from where the person stands.
WholePlan PlanToTarget(const PersonPlace& at, std::int64_t tx, std::int64_t ty) {
    return WholePlan{tx - at.cx, ty - at.cy};
}

// The turn of this step, from where the person stands and whether its walk
// has started (Person.HeadingSet): a fresh walk takes its first heading
// here and is started from then on. While mopping, the cleaner slides by
// itself with its heading held at 0. Nothing of the game is written, so
// the walk followed ahead by the loader takes the very same turn.
HeadingChoice TurnTowardTarget(const GameState& g, bool mopping, bool& started, const PersonPlace& at,
                               const WholePlan& w) {
    HeadingChoice choice;
    if (!mopping) {
        if (w.onTarget()) choice.turn(0);
        const bool fresh = !started;
        started = true;
        TurnForWholeTarget(w, fresh, [&](int heading) { return WallAhead(g, at, heading); }, choice);
    }
    if (w.onTarget()) choice.turn(0);
    return choice;
}

// A wall on the next cell along the heading refuses the step.
bool StepRefused(const GameState& g, const PersonPlace& at, const Heading& hd) {
    return IsBlocked(GridValueAhead(g, at, hd.dx, hd.dy, 1));
}

// One cell along the heading unless a wall stands there; a refused step
// shows the first frame. True when the person moved.
bool StepAhead(GameState& g, int slot, const PersonPlace& at, const Heading& hd) {
    if (StepRefused(g, at, hd)) {
        g.Person.WalkFrame[slot] = 0;
        return false;
    }
    Move(g.Sprite.X[at.sprite], walking_detail::kCellWidth * hd.dx);
    Move(g.Sprite.Y[at.sprite], walking_detail::kCellHeight * hd.dy);
    return true;
}

// The next walk frame of the figure's sheet, by heading and look; a cyclist
// shows its own block instead.
void ShowNextWalkFrame(GameState& g, int slot, int sp, int h) {
    auto& P = g.Person;
    int frame = P.WalkFrame[slot].i() + 1;
    P.WalkFrame[slot] = frame;
    const int look = P.Look[slot].i();
    g.Sprite.SrcY[sp] = kHeadings[h].frameRow;
    g.Sprite.SrcX[sp] = WalkFrameColumn(frame) + kFigureColumnWidth * look;
    if (frame == kLastWalkFrame) {
        frame = 0;
        P.WalkFrame[slot] = 0;
    }
    if (P.WideFigure[slot].asInt() == 1) {
        g.Sprite.SrcX[sp] = (h - 1) * kWideFigureWidth + kWideFigureColumnWidth * look;
        g.Sprite.SrcY[sp] = PedalRow(frame);
        g.Sprite.Width[sp] = kWideFigureWidth;
    } else {
        g.Sprite.Width[sp] = kNarrowFigureWidth;
    }
}

// The drawing depth: lower on the screen draws later, the sprite slot
// breaks ties.
void KeyDepth(GameState& g, int sp) { g.Sprite.Depth[sp] = g.Sprite.Y[sp].asReal() + sp / 1000.0; }

// Where the person stands after a step, in whole numbers: the same cell
// the rule gives from the new pixels.
void FollowStep(PersonPlace& at, const Heading& hd) {
    at.cx += hd.dx;
    at.cy += hd.dy;
    at.px += walking_detail::kCellWidth * hd.dx;
    at.py += walking_detail::kCellHeight * hd.dy;
}

}  // namespace

namespace walk_turns {

int TurnByTable(std::int64_t dx, std::int64_t dy, bool fresh, bool wall) {
    HeadingChoice choice;
    TurnForWholeTarget(WholePlan{dx, dy}, fresh, [wall](int) { return wall; }, choice);
    return choice.turned ? choice.heading : -1;
}

int TurnByRules(std::int64_t dx, std::int64_t dy, bool fresh, bool wall) {
    HeadingChoice choice;
    RunTurnRules(WholePlan{dx, dy}, fresh, [wall](int) { return wall; }, choice);
    return choice.turned ? choice.heading : -1;
}

bool TableKnows(std::int64_t dx, std::int64_t dy) { return TurnLookupAt(WholePlan{dx, dy}).known; }

}  // namespace walk_turns

void WalkPerson(GameState& g, int slot, PersonPlace& at) {
    const int sp = at.sprite;
    if (sp < 0 || !at.whole) return;
    auto& P = g.Person;
    const bool wasStarted = P.HeadingSet[slot].asInt() != 0;
    bool started = wasStarted;
    const HeadingChoice choice = TurnTowardTarget(g, Mopping(g, slot), started, at,
                                                  PlanToTarget(at, P.TargetX[slot].get(), P.TargetY[slot].get()));
    if (started && !wasStarted) P.HeadingSet[slot] = 1;
    if (choice.turned) P.Heading[slot] = choice.heading;

    bool moved = false;
    const int h = choice.turned ? choice.heading : P.Heading[slot].i();
    if (IsWalkingHeading(h)) {
        moved = StepAhead(g, slot, at, kHeadings[h]);
        ShowNextWalkFrame(g, slot, sp, h);
    }
    KeyDepth(g, sp);
    if (moved) FollowStep(at, kHeadings[h]);
}

bool WalkAheadOneTick(const GameState& g, int slot, WalkAhead& w) {
    if (w.at.sprite < 0 || !w.at.whole) return false;
    const HeadingChoice choice =
        TurnTowardTarget(g, Mopping(g, slot), w.started, w.at, PlanToTarget(w.at, w.target.x, w.target.y));
    if (choice.turned) w.heading = choice.heading;
    if (!IsWalkingHeading(w.heading) || StepRefused(g, w.at, kHeadings[w.heading])) return false;
    FollowStep(w.at, kHeadings[w.heading]);
    return true;
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
