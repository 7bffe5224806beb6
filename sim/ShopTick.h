#pragma once
// The shop as a whole on every tick: the fire while one burns, the game
// clock and the hour step (clerk advice, complaints, opening and closing,
// the day's profit report, the closed-door covers, the earthquake and fire
// draws) and, when the day's last hour is over, the new day.
#include "state/GameState.h"

// How many ticks a game hour lasts. The hour step picks one of the first
// three at every hour change; the others are set by who causes them.
inline constexpr int kHourTicksOpen = 25;              // the ordinary hour
inline constexpr int kHourTicksClosedEmpty = 10;       // shop closed and nobody inside
inline constexpr int kHourTicksOvertime = 1'000'000;   // after hours while anybody is inside
inline constexpr int kHourTicksLastLeft = 20;          // set by the person who goes out last
inline constexpr int kHourTicksFire = 10'000'000;      // while a fire burns: the clock stands

// One tick of the shop: one discarded draw, the fire's step while a fire
// burns, the clock, and the hour step when the hour is full. Called once per tick by the main tick.
void ShopTick(GameState& g);

// The hourly business of an hour change: the hour advances, a clerk may
// give advice, a customer may complain, the shop opens or closes, an
// earthquake or a fire may break out, the next hour's length is chosen, the
// clerks may order a cleaning and, at the opening hour, the shop may earn its
// next star. The step that takes Hour to 24 ends with
// the new day (StartNewDay), which sets Hour back to 0.
void RunHourStep(GameState& g);

// True when no customer, clerk, cleaner or robber is inside the shop.
bool NobodyInside(const GameState& g);

// For whoever has just gone out by the front door: when that left the shop
// empty, the hour ends soon (TicksPerHour 20).
void ShortenHourWhenEmpty(GameState& g);
