#include "business/StarPromotion.h"

#include <cmath>

#include "platform/Platform.h"

namespace {

bool Reaches(const Value& v, long long minimum) { return minimum == kAnyAmount || v.asReal() >= minimum; }

}  // namespace

bool StarPromotionEarned(const GameState& g) {
    const double level = std::floor(g.StarLevel.asReal());
    for (const StarRequirement& r : kStarRequirements) {
        if (r.fromLevel != level) continue;
        return Reaches(g.TotalCustomers, r.totalCustomers) && Reaches(g.OccupiedSlotCount, r.occupiedSlots) &&
               Reaches(g.QuakeResistance, r.quakeResistance) && Reaches(g.Fame, r.fame) &&
               Reaches(g.ShopSize, r.shopSize) && Reaches(g.Popularity, r.popularity) &&
               g.CopiesOnShelves.asReal() != 0;
    }
    return false;
}

void TestStarPromotion(GameState& g) {
    if (StarPromotionEarned(g)) Ui().ShowWindow(Window::StarPromotion, g);
}
