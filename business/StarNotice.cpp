#include "business/StarNotice.h"

#include <cmath>

std::string StarNoticeHeadline(const GameState& g) {
    // StarLevel + 1 as a number; a level read from a saved game may be real.
    double next = g.StarLevel.asReal() + 1;
    Value shown = next == std::floor(next) ? Value(static_cast<long long>(next)) : Value(next);
    return "== 星级为" + shown.asText() + "星了 ==";
}

void StarNoticeClosed(GameState& g) {
    // Tested from the top down, so a level rises by one step and never runs
    // on to 5 through the later tests.
    if (g.StarLevel.is(4)) g.StarLevel = 5;
    if (g.StarLevel.is(3)) g.StarLevel = 4;
    if (g.StarLevel.is(2)) g.StarLevel = 3;
    if (g.StarLevel.is(1)) g.StarLevel = 2;
    g.ShopInfoDirty = 1;
}
