#pragma once
// The headless answers of the shop's windows: the voices the tick opens (a
// customer's complaint, modal, the clock held while it is "up"; the clerk
// pop-up, modeless: shown and, at once, gone; its own 25 ticks are not game
// time), the upkeep, services and reading-policy dialogs answered by their
// default button, the customer opinions window opened and closed, and the
// clerk information window drawn once.
#include "platform/WindowDefaults.h"

WindowDefaults ShopWindowDefaults();
