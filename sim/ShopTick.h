#pragma once
// The shop as a whole on every tick: the fire while one burns, the game
// clock and the hour step (clerk advice, complaints, opening and closing,
// the day's profit report, the closed-door covers, the earthquake and fire
// draws) and, when the day's last hour is over, the new day.
#include "state/GameState.h"
#include "state/HourLength.h"  // the hour lengths it picks

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
