#pragma once
// Walking the people over the floor grid, their walk animation and drawing
// depth, the two automatic doors, and freeing a person who has walked off
// the map. The state machines only choose a target cell (Person.TargetX,
// Person.TargetY, with Person.HeadingSet 0 for a fresh start); the main tick
// walks everybody one cell per tick with these routines.
#include <cstdint>

#include "state/GameState.h"
#include "state/SpritePool.h"

// A cell of the floor grid.
struct GridCell {
    int x, y;
    bool operator==(const GridCell&) const = default;
};

// The sprite slot that shows the person, or -1 when the row has none.
inline int PersonSpriteSlot(const GameState& g, int slot) {
    if (slot < 0 || slot >= static_cast<int>(g.Person.Sprite.size())) return -1;
    const Value& s = g.Person.Sprite[slot];
    if (s.isEmpty()) return -1;
    const std::int64_t sp = s.asInt();
    return sp >= 0 && sp < kSpriteSlots ? static_cast<int>(sp) : -1;
}

// Where a person stands, worked out once from its sprite: the sprite slot
// and the grid cell X / 6 + 20, Y / 3 + 20. A sprite at whole pixels on a
// cell's corner (X a multiple of 6, Y of 3) stands on a whole cell, found
// and used in whole numbers; any other position gives the same fractional
// cell the real division gives, and a position between cells is never on
// a cell. (The tick asks this many times for every person; the inline
// whole-number path keeps that cheap.)
struct PersonPlace {
    int sprite = -1;         // -1: the row shows no sprite, and stands nowhere
    bool whole = false;      // on a whole cell: (cx, cy), from pixels (px, py)
    int cx = 0, cy = 0;
    std::int32_t px = 0, py = 0;
    double gx = 0, gy = 0;   // the cell between cells (read only when not whole)

    // The cell, whole or not (0, 0 without a sprite).
    double cellX() const { return whole ? cx : gx; }
    double cellY() const { return whole ? cy : gy; }

    bool on(GridCell c) const {
        if (whole) return cx == c.x && cy == c.y;
        return sprite >= 0 && gx == c.x && gy == c.y;
    }
    // On the cell (tx, ty) (an Empty coordinate is 0).
    bool on(const WholeCell& tx, const WholeCell& ty) const {
        if (whole) return cx == tx.get() && cy == ty.get();
        return sprite >= 0 && gx == tx.get() && gy == ty.get();
    }
};

namespace walking_detail {
// Pixels of one cell on each axis, and the cell of pixel 0.
inline constexpr int kCellWidth = 6, kCellHeight = 3, kCellOrigin = 20;

// One axis of the cell rule, by the real division.
template <int Step>
double CellOnAxis(std::int32_t pixel) {
    return static_cast<double>(pixel) / Step + kCellOrigin;
}

// The cell when the pixel lies on a cell's edge, in whole numbers.
template <int Step>
bool WholeCellOnAxis(std::int32_t pixel, int& cell) {
    const std::int32_t q = pixel / Step;
    if (q * Step != pixel) return false;
    cell = q + kCellOrigin;
    return true;
}
}  // namespace walking_detail

// (Sprite pixels are whole numbers; an Empty one stands at 0.) The second
// form takes the person's sprite slot (PersonSpriteSlot) already looked up.
inline PersonPlace PlaceOfSprite(const GameState& g, int sprite) {
    using namespace walking_detail;
    PersonPlace at;
    at.sprite = sprite;
    if (at.sprite < 0) return at;
    const std::int32_t x = g.Sprite.X[at.sprite].get();
    const std::int32_t y = g.Sprite.Y[at.sprite].get();
    if (WholeCellOnAxis<kCellWidth>(x, at.cx) && WholeCellOnAxis<kCellHeight>(y, at.cy)) {
        at.whole = true;
        at.px = x;
        at.py = y;
        return at;
    }
    at.cx = at.cy = 0;
    at.gx = CellOnAxis<kCellWidth>(x);
    at.gy = CellOnAxis<kCellHeight>(y);
    return at;
}
inline PersonPlace PlaceOf(const GameState& g, int slot) { return PlaceOfSprite(g, PersonSpriteSlot(g, slot)); }

// True when the person still stands where `before` says: at the same whole
// pixels of its sprite (a person's sprite slot is laid out by a new game
// and never changes in play). The tick asks this after the state step,
// which seldom moves anybody, instead of working the place out again.
inline bool StillAt(const GameState& g, const PersonPlace& before) {
    if (!before.whole) return false;
    return g.Sprite.X[before.sprite].get() == before.px && g.Sprite.Y[before.sprite].get() == before.py;
}

// True when pixel (x, y) is a cell's corner: a person put there stands on a
// whole cell, as the walk needs (every way in is held to it).
constexpr bool OnWholeCell(int x, int y) {
    return x % walking_detail::kCellWidth == 0 && y % walking_detail::kCellHeight == 0;
}

// Puts the person's sprite at pixel (x, y), where it comes in or appears;
// a row that shows no sprite stays as it is.
inline void PutPersonAt(GameState& g, int slot, int x, int y) {
    const int sp = PersonSpriteSlot(g, slot);
    if (sp < 0) return;
    g.Sprite.X[sp] = x;
    g.Sprite.Y[sp] = y;
}

// The staff entrance, pixel (192, -24), cell (52, 12): the clerks, the
// cleaner and the robber come in here.
inline constexpr int kStaffDoorX = 192, kStaffDoorY = -24;
static_assert(OnWholeCell(kStaffDoorX, kStaffDoorY), "the staff come in on a whole cell");

// A clerk, the cleaner or the robber comes in by the staff entrance: one
// more visit, its figure at the entrance, in `state`, and a fresh walk
// toward `first` from this tick (not toward wherever its last walk ended).
// Its role's count of those inside is its caller's.
void EnterByStaffDoor(GameState& g, int slot, int state, GridCell first);

// The person's grid cell from its sprite, by real division: X / 6 + 20 and
// Y / 3 + 20. A sprite between cells gives a fractional cell.
double PersonCellX(const GameState& g, int slot);
double PersonCellY(const GameState& g, int slot);

// True when the person stands exactly on the cell (a position between cells
// never does).
bool StandsOn(const GameState& g, int slot, GridCell cell);
// True when the person stands exactly on its target cell (inline: every
// walking person's state step asks it).
inline bool StandsOnTarget(const GameState& g, int slot) {
    return PlaceOf(g, slot).on(g.Person.TargetX[slot], g.Person.TargetY[slot]);
}

// An absent person (state 0, narrow figure) whose sprite is parked out of
// sight at y -64: the edge rule would only write back what is there and no
// door cell is near, so the tick only ages the slot and runs its state
// machine (with every draw that makes).
// Where an absent person's sprite waits, above the scene and out of sight.
inline constexpr int kParkedPersonY = -64;

// `sp` is the person's sprite slot (PersonSpriteSlot).
inline bool ParkedAndAbsent(const GameState& g, int slot, int sp) {
    if (sp < 0) return false;
    const WholeCell& y = g.Sprite.Y[sp];
    const WholeCell& state = g.Person.State[slot];
    const WholeCell& wide = g.Person.WideFigure[slot];
    // Every part is read and the answer taken at once: the tick asks this of
    // every slot, and which slots are parked changes from tick to tick.
    return (y.isNumber() & (y.get() == kParkedPersonY) & state.isNumber() & (state.get() == 0) & wide.isNumber() &
            (wide.get() == 0)) != 0;
}

// One walking step of a person: turns toward the target along the diagonal
// axes, steps unless a wall is ahead, animates the walk and re-keys the
// sprite's depth. Called by the main tick for every slot whose state is not 0.
// A walking person always stands on a whole cell: every way in puts it on
// one, every step moves it a whole cell, and the loader refuses a file with
// one between cells. A person found between cells is not walked.
void WalkPerson(GameState& g, int slot);
// The same from where the person stands now (PlaceOf); `at` is then where
// it stands after the step.
void WalkPerson(GameState& g, int slot, PersonPlace& at);

// The box around every door cell (x 28..53, y 31..78): a person
// outside it stands on none, and the tick asks nothing more.
inline constexpr int kDoorCellsLeft = 28, kDoorCellsTop = 31, kDoorCellsRight = 53, kDoorCellsBottom = 78;
inline bool NearTheDoors(const PersonPlace& at) {
    if (at.whole)
        return at.cx >= kDoorCellsLeft && at.cx <= kDoorCellsRight && at.cy >= kDoorCellsTop && at.cy <= kDoorCellsBottom;
    return at.sprite >= 0 && at.gx >= kDoorCellsLeft && at.gx <= kDoorCellsRight && at.gy >= kDoorCellsTop &&
           at.gy <= kDoorCellsBottom;
}

// A person standing on a door cell starts that door's opening cycle, or
// holds an open door open. Called by the main tick for every slot after its
// walking step. The side door counts only once it has been built.
void CheckDoorCells(GameState& g, int slot);
void CheckDoorCells(GameState& g, const PersonPlace& at);

// Moves the leaves of every cycling door one step while the shop is open:
// half open, open, three ticks open, half open, closed. Called once per tick
// after the person loop. The side door's leaves are never touched before
// the enlargement has built them.
void CycleDoors(GameState& g);

// The edge rule's lines: beyond them a person has left the map. Below the
// floor, the grid's last row is the edge: no way leads there, but a walk
// read from a file may head down and away from its target, and is stopped
// there rather than carried on past the grid.
inline constexpr int kEdgeLeft = 16, kEdgeRight = 118, kEdgeTop = 6, kEdgeBottom = GameState::kGridSize - 1;
inline bool BeyondTheEdge(const PersonPlace& at) {
    if (at.whole) return at.cx <= kEdgeLeft || at.cx >= kEdgeRight || at.cy <= kEdgeTop || at.cy >= kEdgeBottom;
    return at.sprite >= 0 && (at.gx <= kEdgeLeft || at.gx >= kEdgeRight || at.gy <= kEdgeTop || at.gy >= kEdgeBottom);
}

// Which state codes of each role count the person of `slot` inside the shop:
// from its entry until it passes a door on its way out (a customer from its
// arrival to its door, passers-by never; clerks from the staff entrance to
// the front door; the cleaner and the robber likewise).
bool CountedInside(int slot, int state);

// The main tick's edge rule, run for every slot before its state machine:
// a person standing beyond the floor's edge (cell x <= 16, x >= 118,
// y <= 6 or y >= 512) becomes absent (state 0, narrow figure) and its sprite is parked
// out of sight at y -64. A person still counted inside the shop is taken off
// its inside count (and a customer's reserved copies are given back), so
// the after-hours clock can always run on.
void FreePersonAtEdge(GameState& g, int slot);
void FreePersonAtEdge(GameState& g, int slot, const PersonPlace& at);
