#pragma once
// How long a game hour lasts, in ticks (TicksPerHour). The hour step of the
// shop's clock picks the ordinary lengths; whoever goes out last, and a
// fire, set their own.
#include "state/GameState.h"

// The hour step picks one of the first three at every hour change; the
// others are set by who causes them.
inline constexpr int kHourTicksOpen = 25;              // the ordinary hour
inline constexpr int kHourTicksClosedEmpty = 10;       // shop closed and nobody inside
inline constexpr int kHourTicksOvertime = 1'000'000;   // after hours while anybody is inside
inline constexpr int kHourTicksLastLeft = 20;          // set by the person who goes out last
inline constexpr int kHourTicksFire = 10'000'000;      // while a fire burns: the clock stands

// True when no customer, clerk, cleaner or robber is inside the shop.
bool NobodyInside(const GameState& g);

// The working hours, OpeningHour to ClosingHour - 1: shoppers come in and
// the clerks stay at their posts. Outside them an hour lasts until the last
// person has gone out.
bool WithinWorkingHours(const GameState& g);

// For whoever has just gone out by the front door (or been taken off the
// floor): when that left the shop empty, the hour ends soon (TicksPerHour 20).
void ShortenHourWhenEmpty(GameState& g);
