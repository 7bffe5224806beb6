#pragma once
// Fires. A fire breaks out by chance at an hour change of the closed shop
// (or by arson, from the facility window), on one occupied floor spot. While
// it burns the clock stands still; every tick the burning spots show and
// animate their flames, and every ninth tick the fire spreads to another
// occupied spot, the neighbours may discover it, and once no spot is left
// to catch fire it has burnt out. It ends when it has burnt out or the fire
// brigade has put it out: the burnt facilities go, with the copies that no
// longer fit on the shelves left, and the fire insurance pays.
#include "state/GameState.h"

// FacilitySlot.FireState of a spot.
namespace SpotFireState {
inline constexpr int None = 0;
inline constexpr int Catching = 1;  // caught fire; its flame shows at the next tick
inline constexpr int FirstPhase = 2;   // 2..5 burning, the flame's animation phases:
inline constexpr int SecondFrame = 4;  // 2, 3 show its first frame, 4, 5 its second
inline constexpr int LastPhase = 5;
}  // namespace SpotFireState

// FacilitySlot.FlameSprite of a spot with no flame (none yet, or none left
// in a full sprite pool).
inline constexpr int kNoFlame = -1;

// Where the flame of floor spot 1..61 stands; {0, 0} for a number that is
// no spot.
struct FlamePosition {
    int x, y;
};
FlamePosition FlamePositionOf(int spot);

// NewsEventCode of a fire that has ended.
inline constexpr int kNewsShopFire = 9;
// The fire brigade's fee.
inline constexpr int kFireBrigadeFee = 500'000;

// The hourly outbreak draw, right after the earthquake draw: one draw at
// every hour change; with the shop closed, something on the floor and 60
// days since the last disaster, a 0 sets one occupied spot drawn at random
// on fire.
void DrawFireOutbreak(GameState& g);

// The fire's step of every tick while a fire burns: the clock stands still,
// new flames show, flames animate, and every ninth tick the fire spreads,
// is discovered (the discovery window) or has burnt out (the burnt-out
// window, whose closing ends the fire).
void StepFire(GameState& g);

// The end of a fire, as the burnt-out and the brigade windows close: the
// flames and the burnt facilities go, the fire state is cleared, the fire
// goes to the news, the fire insurance pays when joined, and the clock runs
// again. A fire that has already ended is not ended again.
void EndFire(GameState& g);
