#include "shop/ReadingPolicy.h"

#include <iterator>

namespace {
constexpr int kRules = static_cast<int>(std::size(kReadingRules));
}

int ReadingRuleChoiceFor(const Value& policy) {
    for (int k = 0; k < kRules; ++k)
        if (policy.is(kReadingRules[k].policy)) return k;
    return -1;
}

int WeeklyPopularityChange(const Value& policy) {
    const int k = ReadingRuleChoiceFor(policy);
    return k < 0 ? 0 : kReadingRules[k].weeklyPopularity;
}

void SetReadingPolicy(GameState& g, int choice) {
    if (choice >= 0 && choice < kRules) g.StandingReadingPolicy = kReadingRules[choice].policy;
}
