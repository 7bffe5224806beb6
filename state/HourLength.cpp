#include "state/HourLength.h"

bool NobodyInside(const GameState& g) {
    return g.CustomersInside.asInt() == 0 && g.ClerksInside.asInt() == 0 && g.CleanerInside.asInt() == 0 &&
           g.RobberInside.asInt() == 0;
}

void ShortenHourWhenEmpty(GameState& g) {
    if (NobodyInside(g)) g.TicksPerHour = kHourTicksLastLeft;
}
