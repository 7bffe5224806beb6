#include "business/Robbery.h"

#include "business/Insurance.h"
#include "state/FormatMoney.h"
#include "state/Ledger.h"

namespace {

// The demand starts at the top; each row whose bound the funds do not
// exceed lowers it, in this order.
constexpr std::int64_t kTopDemand = 15'000'000;
struct DemandRow {
    std::int64_t fundsAtMost;
    std::int64_t demand;
};
constexpr DemandRow kDemands[] = {
    {15'000'000, 10'000'000},
    {12'000'000, 8'000'000},
    {8'000'000, 5'000'000},
    {5'000'000, 3'000'000},
    {3'000'000, 2'000'000},
};

}  // namespace

std::int64_t RobberyDemandFor(std::int64_t funds) {
    std::int64_t demand = kTopDemand;
    for (const DemandRow& r : kDemands)
        if (funds <= r.fundsAtMost) demand = r.demand;
    return demand;
}

void RobberyOpened(GameState& g) {
    g.RobberyDemand = RobberyDemandFor(g.Funds.asInt());
    g.DaysSinceRobbery = 0;
}

std::string RobberyDemandText(const GameState& g) {
    return "交钱，" + FormatMoney(g.RobberyDemand.asInt()) + "円!要不然的话……";
}

void PayRobber(GameState& g) {
    AddMoney(g, -g.RobberyDemand.asInt(), OtherCategory, 0);
    g.NewsEventCode = kNewsRobberyPaid;
    if (InsuranceJoinedFor(g, InsuranceKind::Damage)) OpenInsurancePayout(g, PayoutCause::Robbery);
}

bool RefuseRobber(GameState& g) {
    (void)g.Rnd();
    if (g.RndInt(2) != 0) return false;
    g.GameOverReason = kGameOverManagerKilled;
    return true;
}
