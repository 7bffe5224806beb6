#pragma once
// The headless answers of the shop's voices the tick opens: a customer's
// complaint (modal, the clock held while it is "up") and the clerk pop-up
// (modeless: shown and, at once, gone; its own 25 ticks are not game time).
#include "platform/WindowDefaults.h"

WindowDefaults ShopWindowDefaults();
