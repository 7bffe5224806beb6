#pragma once
// The headless answers of the finance and event windows the tick opens: the
// month report, the day report, the game-over window, the visitor notice,
// the star notice and the grand-prize certificate. Each answer is the
// window's plain close, running the same opening and closing routines as the
// window, with the game clock held while it is "up" as the modal window
// holds it.
#include "platform/WindowDefaults.h"

WindowDefaults BusinessWindowDefaults();
