#pragma once
// The headless answers of the finance, event, news and advertising windows:
// the month report, the day report, the game-over window, the visitor
// notice, the star notice, the grand-prize certificate, the award notice
// and ceremony, the ledger and the charts, the news windows, the
// advertising dialogs, the bank's three windows, the insurance and payout
// windows, the robbery, the earthquake and its damage report, and the three
// fire windows. Each answer is the window's plain default (close, OK, the
// first choice), running the same routines as the window, with the game
// clock held while it is "up" as the modal window holds it.
#include "platform/WindowDefaults.h"

WindowDefaults BusinessWindowDefaults();
