#pragma once
// The headless answers of the finance and event windows: the month report,
// the day report, the game-over window, the visitor notice, the star notice,
// the grand-prize certificate, the bank's three windows, the insurance and
// payout windows, the robbery, the earthquake and its damage report, and
// the three fire windows. Each answer is the window's plain default (its
// close, or its first button), running the same routines as the window,
// with the game clock held while it is "up" as the modal window holds it.
#include "platform/WindowDefaults.h"

WindowDefaults BusinessWindowDefaults();
