#include "business/MonthEnd.h"

#include "state/GameState.h"

void MonthEndPayments(GameState&) {}
