#pragma once
// Earthquakes. At an hour change of the closed shop, 50 days or more after
// the last disaster, one draw in 4380 brings an earthquake: the earthquake
// window announces an ordinary or a major one, its "继续 >>" shakes the floor
// view for 20 ticks of the window's timer, and then the damage report
// breaks facilities by the shop's earthquake resistance (above 80 nothing
// breaks), throws away the copies that no longer fit, and lists what broke.
// With earthquake insurance and anything broken, the payout window follows.
#include <array>
#include <string>

#include "state/GameState.h"

// QuakeKind: 1 ordinary (two chances in three), 2 major (one in three).
enum class QuakeStrength : int { Ordinary = 1, Major = 2 };

// A resistance above this breaks nothing.
inline constexpr int kQuakeProofResistance = 80;
// The window's timer ticks the floor shakes for.
inline constexpr int kQuakeShakeTicks = 20;

// The hourly earthquake draw, before the fire outbreak draw: one draw at
// every hour change; with the shop closed and 50 days since the last
// disaster, a 0 opens the earthquake window.
void DrawEarthquake(GameState& g);

// The earthquake window's opening: the quake is under way (its close box
// is refused until the shake has ended), its strength is drawn, and the
// disaster counter starts again.
void EarthquakeOpened(GameState& g);
// The window's headline by QuakeKind: "发生地震" or "发生直下型大地震".
std::string EarthquakeHeadline(const GameState& g);
// "继续 >>": the floor starts to shake, sideways for an ordinary quake and
// up and down for a major one.
void StartQuakeShake(GameState& g);
// One tick of the window's timer while the floor shakes. True when the
// shake has just ended: the window then closes and the damage report opens.
bool QuakeShakeTick(GameState& g);
// The window's closing: the floor stands still.
void EarthquakeClosed(GameState& g);

// The facilities broken, by the report's rows: shelves, vending machines,
// claw machines, photo booths.
using QuakeDamage = std::array<int, 4>;

// The damage report's opening: with a resistance of 80 or less every
// facility breaks with the chance d / QuakeResistance (d 10 for an
// ordinary, 15 for a major quake; always at or below d), in floor spot
// order, one draw per facility; broken ones are removed and the stock
// fitted to the shelves left. QuakeBrokenCount holds the total.
QuakeDamage BreakFacilitiesInQuake(GameState& g);
// The report's four rows, the count as plain digits after each label.
std::array<std::string, 4> QuakeDamageRows(const QuakeDamage& damage);
// The report's closing: the earthquake insurance pays when joined and
// anything broke.
void QuakeDamageClosed(GameState& g);
