#pragma once
// A damaged walk the tests share: a customer on its way whose saved heading
// is turned into the wall beside it. The walk keeps a heading until a turn
// rule changes it, and steps only where no wall stands, so such a customer
// may stand at the wall for good; the moment is chosen where the game's own
// tick shows it does.
#include <memory>

#include "sim/MainTick.h"
#include "sim/Walking.h"
#include "state/FloorWalls.h"
#include "state/PersonSlots.h"

struct WalledWalker {
    std::unique_ptr<GameState> game;  // the moment, undamaged; null when none was found
    int slot = -1;                    // the customer
    int heading = 0;                  // its heading into the wall

    void Damage(GameState& g) const { g.Person.Heading[slot] = heading; }
};

namespace walled_walker_detail {
// The cell one step along each heading (0 standing, 1 up-left, 2 up-right,
// 3 down-right, 4 down-left).
constexpr int kStep[5][2] = {{0, 0}, {-1, -1}, {+1, -1}, {+1, +1}, {-1, +1}};
// Ticks of standing still at the wall that show the walk stopped for good.
constexpr int kStandingTicks = 40;

// A customer inside, its walk started, standing off its target.
inline bool OnItsWay(const GameState& g, int p, const PersonPlace& at) {
    return CountedInside(p, g.Person.State[p].i()) && g.Person.HeadingSet[p].asInt() == 1 && at.whole &&
           !at.on(g.Person.TargetX[p], g.Person.TargetY[p]);
}

// True when the real tick leaves the damaged customer on its cell, in its
// state, tick after tick.
inline bool StandsForGood(const GameState& damaged, int p) {
    auto g = std::make_unique<GameState>(damaged);
    const PersonPlace at = PlaceOf(*g, p);
    const int state = g->Person.State[p].i();
    for (int t = 0; t < kStandingTicks; ++t) {
        MainTick(*g);
        if (g->Person.State[p].i() != state || !PlaceOf(*g, p).on(GridCell{at.cx, at.cy})) return false;
    }
    return true;
}
}  // namespace walled_walker_detail

// The game played on from `from` (at most `ticks` ticks) to the first
// moment where turning a customer's heading into the wall beside it leaves
// it standing there for good. Needs a platform (the tick may show windows).
inline WalledWalker FindWalledWalker(const GameState& from, int ticks = 5'000) {
    using namespace walled_walker_detail;
    WalledWalker found;
    auto g = std::make_unique<GameState>(from);
    for (int t = 0; t < ticks; ++t) {
        MainTick(*g);
        for (int p = PersonSlot::FirstCustomer; p <= PersonSlot::LastCustomer; ++p) {
            const PersonPlace at = PlaceOf(*g, p);
            if (!OnItsWay(*g, p, at)) continue;
            for (int h = 1; h <= 4; ++h) {
                const int x = at.cx + kStep[h][0], y = at.cy + kStep[h][1];
                if (x < 0 || y < 0 || x >= GameState::kGridSize || y >= GameState::kGridSize ||
                    !IsBlocked(g->FloorGrid[x][y]))
                    continue;
                found.slot = p;
                found.heading = h;
                auto damaged = std::make_unique<GameState>(*g);
                found.Damage(*damaged);
                if (!StandsForGood(*damaged, p)) continue;
                found.game = std::move(g);
                return found;
            }
        }
    }
    return {};
}
