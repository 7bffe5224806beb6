#include "floor/FloorRenderer.h"
#include "state/Counters.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace {

constexpr int kSlots = 501;

bool ValidSlot(std::int64_t s) { return s >= 0 && s < kSlots; }

}  // namespace

FloorViewport ViewportOf(const GameState& g, int innerWidth, int innerHeight) {
    FloorViewport vp;
    vp.scrollX = g.ScrollX.i();
    vp.scrollY = g.ScrollY.i();
    vp.innerWidth = innerWidth;
    vp.innerHeight = innerHeight;
    vp.vScrollReserve = g.VScrollReserve.i();
    vp.hScrollReserve = g.HScrollReserve.i();
    return vp;
}

int CullFloorSprites(GameState& g, const FloorViewport& vp) {
    const auto& s = g.Sprite;
    const double left = vp.scrollX, top = vp.scrollY;
    const double right = vp.scrollX + vp.innerWidth;
    const double bottom = vp.scrollY + vp.innerHeight;
    int n = 0;
    int count = g.DrawListCount.i();
    if (count > kSlots) count = kSlots;
    for (int k = 0; k < count; ++k) {
        const std::int64_t slot = g.DrawList[k].asInt();
        if (!ValidSlot(slot)) continue;
        const double x = s.X[slot].asReal(), y = s.Y[slot].asReal();
        const double w = s.Width[slot].asReal(), h = s.Height[slot].asReal();
        if (x >= left - w && x <= right && y <= bottom && y >= top - h) {
            g.VisibleDepths[n] = s.Depth[slot].value();
            g.VisibleSprites[n] = slot;
            ++n;
        }
    }
    g.VisibleSpriteCount = n;
    return n;
}

void SortFloorSprites(GameState& g) {
    // Sorted on plain numbers, then written back: the same exchanges as on
    // the lists themselves, without touching dynamic values in the loop.
    int n = g.VisibleSpriteCount.i();
    if (n > kSlots) n = kSlots;
    if (n < 2) return;
    std::array<double, kSlots> key;
    std::array<std::int64_t, kSlots> slot;
    for (int i = 0; i < n; ++i) {
        key[i] = g.VisibleDepths[i].asReal();
        slot[i] = g.VisibleSprites[i].asInt();
    }
    for (int i = 1; i < n; ++i) {
        for (int j = i; j > 0 && key[j - 1] > key[j]; --j) {
            std::swap(key[j - 1], key[j]);
            std::swap(slot[j - 1], slot[j]);
        }
    }
    for (int i = 0; i < n; ++i) {
        g.VisibleDepths[i] = key[i];
        g.VisibleSprites[i] = slot[i];
    }
}

int CullAndSortFloorSprites(GameState& g, const FloorViewport& vp) {
    int n = CullFloorSprites(g, vp);
    SortFloorSprites(g);
    return n;
}

namespace {

// One firing's step of the icon's count and phase; the frame it shows, or -1.
// The count stops at the top of its saved range, as every count does.
int StepFloorIcon(std::int64_t& ticks, int& phase) {
    ticks = std::min(ticks + 1, kCountLimit);
    int frame = -1;
    // The three phase tests follow one another: a phase that ends here
    // leaves a count of 0, which no later test shows.
    if (phase == 0) {
        if (ticks >= 1 && ticks <= 24) frame = static_cast<int>(ticks) - 1;
        if (ticks == 30) {
            ticks = 0;
            phase = 1;
        }
    }
    if (phase == 1) {
        if (ticks >= 1 && ticks <= 24) frame = 24 - static_cast<int>(ticks);
        if (ticks == 30) {
            ticks = 0;
            phase = 2;
        }
    }
    if (phase == 2) {
        switch (ticks) {
        case 1: frame = 0; break;
        case 4: frame = 7; break;
        case 7: frame = 15; break;
        case 10: frame = 23; break;
        case 15:
            ticks = 0;
            phase = 0;
            break;
        default: break;
        }
    }
    return frame;
}

}  // namespace

int AdvanceFloorIcon(GameState& g) {
    std::int64_t ticks = g.FloorIconTicks.asInt();
    int phase = g.FloorIconPhase.i();
    const int before = phase;
    const int frame = StepFloorIcon(ticks, phase);
    g.FloorIconTicks = ticks;
    if (phase != before) g.FloorIconPhase = phase;
    return frame;
}

int FloorIconFiringsToChange(const GameState& g, int shown) {
    std::int64_t ticks = g.FloorIconTicks.asInt();
    int phase = g.FloorIconPhase.i();
    // A whole cycle shows every frame; a count outside the cycle (a saved
    // game may hold any) runs on until it wraps like the firings would.
    constexpr int kCycle = 75;
    for (int n = 1; n <= kCycle; ++n) {
        const int frame = StepFloorIcon(ticks, phase);
        if (frame >= 0 && frame != shown) return n;
    }
    return kCycle;
}

FloorPresent NextFloorPresent(GameState& g) {
    const int shake = g.QuakeShake.i();
    if (shake == 0) return FloorPresent::Normal;
    g.ShakePhase = g.ShakePhase.asInt() + 1;
    const int phase = g.ShakePhase.i();
    if (phase == 1) {
        if (shake == 1) return FloorPresent::ShiftRight;
        if (shake == 2) return FloorPresent::ShiftDown;
        return FloorPresent::Normal;
    }
    if (phase >= 2) g.ShakePhase = 0;
    return FloorPresent::Normal;
}
