#include "shop/ShopServices.h"

namespace {

// Popularity keeps its kind: a real stays real.
void Shift(Value& v, int by) {
    if (v.isReal())
        v = v.asReal() + by;
    else
        v = v.asInt() + by;
}

}  // namespace

ServiceListLayout ServiceListFor(const GameState& g) {
    if (g.StarLevel.asReal() <= kBookTokenStarLevel - 1) return {kServiceListVisibleHeight, 0, false};
    return {kServiceListHeight, kServiceListHeight - kServiceListVisibleHeight, true};
}

std::array<bool, kShopServiceCount> OfferedServices(const GameState& g) {
    std::array<bool, kShopServiceCount> on{};
    for (int k = 0; k < kShopServiceCount; ++k) on[k] = g.ShopServiceOn[k].asReal() != 0;
    return on;
}

void ApplyShopServices(GameState& g, const std::array<bool, kShopServiceCount>& offered) {
    for (int k = 0; k < kShopServiceCount; ++k) {
        const int step = kShopServices[k].popularityStep;
        if (offered[k]) {
            if (g.ShopServiceOn[k].asReal() == 0) Shift(g.Popularity, step);
            g.ShopServiceOn[k] = 1;
        } else {
            if (g.ShopServiceOn[k].asReal() == 1) Shift(g.Popularity, -step);
            g.ShopServiceOn[k] = 0;
        }
    }
    g.ShopDetailsDirty = 1;
}
