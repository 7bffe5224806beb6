#include "shop/ShopServices.h"

#include "state/Counters.h"

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
            if (g.ShopServiceOn[k].asReal() == 0) ShiftPopularity(g.Popularity, step);
            g.ShopServiceOn[k] = 1;
        } else {
            if (g.ShopServiceOn[k].asReal() == 1) ShiftPopularity(g.Popularity, -step);
            g.ShopServiceOn[k] = 0;
        }
    }
    g.ShopDetailsDirty = 1;
}
