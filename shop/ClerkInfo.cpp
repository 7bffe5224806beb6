#include "shop/ClerkInfo.h"

std::vector<StaffCard> RebuildClerkInfo(GameState& g) {
    g.ClerkInfoDirty = 0;
    std::vector<StaffCard> cards;
    for (int row : RecountClerkRows(g)) cards.push_back(ApplicantCard(g, row));
    return cards;
}
