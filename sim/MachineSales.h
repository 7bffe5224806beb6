#pragma once
// Sales made by the shop's own machines: the service counter beside each
// register (gum, buns, CDs and videos) and the drinks machine on the floor.
#include "state/GameState.h"

// A sale at service spot `spot` (1 beside register 1, 2 beside register 2):
// books the income and writes the status-bar message. A spot holding
// nothing or the statue sells nothing (the till sound still plays).
void SellAtServiceCounter(GameState& g, int spot);

// A customer (person slot `slot`) buys cans from a vending machine. The
// quantity does not depend on who buys.
void SellDrinks(GameState& g, int slot);
