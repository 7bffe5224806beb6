#include "shop/ClerkPopup.h"

#include "shop/Staff.h"
#include "state/Counters.h"

namespace {
constexpr int kClerkRows = 2;
}  // namespace

ClerkPopupView ClerkPopupOpened(GameState& g) {
    // A fresh count, so a window never inherits the count of an earlier one
    // (a saved game keeps it, and only the 25th tick sets it back).
    g.ClerkPopupTicks = 0;
    CountUp(g.ClerkAdviceToday);

    ClerkPopupView v;
    v.speaker = g.ClerkCount.asInt() == 1 ? 0 : g.RndInt(kClerkRows);
    v.face = FacePicture(g.Person.Look[v.speaker].value());

    // An empty queue shows entry 0, whatever it holds.
    int pick = g.RndInt(g.ClerkMessageCount.i());
    if (pick < 0 || pick >= static_cast<int>(g.ClerkMessages.size())) pick = 0;
    v.sentence = g.ClerkMessages[pick].asText();
    g.ClerkMessageCount = 0;
    return v;
}

bool ClerkPopupTick(GameState& g) {
    CountUp(g.ClerkPopupTicks);
    if (g.ClerkPopupTicks.asInt() < kClerkPopupLifeTicks) return false;
    g.ClerkPopupTicks = 0;
    return true;
}
