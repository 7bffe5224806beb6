#include "state/HourLength.h"

bool NobodyInside(const GameState& g) {
    return g.CustomersInside.asInt() == 0 && g.ClerksInside.asInt() == 0 && g.CleanerInside.asInt() == 0 &&
           g.RobberInside.asInt() == 0;
}

bool WithinWorkingHours(const GameState& g) {
    const auto h = g.Hour.asInt();
    return g.OpeningHour.asInt() <= h && h <= g.ClosingHour.asInt() - 1;
}

void ShortenHourWhenEmpty(GameState& g) {
    if (NobodyInside(g)) g.TicksPerHour = kHourTicksLastLeft;
}
