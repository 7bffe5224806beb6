#pragma once
// What play grows stops at the edge of the range its saved field takes
// (StateLayout), so that play never holds a value its own loader would
// refuse: the counters that only grow (visits, customers and copies
// counted, days since an event, uses, ticks), the scores of the award
// contest and of the weekly ranking, and the shop's popularity between two
// weekly clamps. No game comes near these edges: only a file made by hand,
// or a bank balance no shop earns, starts there.
#include <algorithm>
#include <cstdint>

#include "state/Value.h"

inline constexpr std::int64_t kCountLimit = 1'000'000'000'000'000;  // 10^15: a running count
inline constexpr std::int64_t kCopyLimit = 1'000'000'000;           // copies of one title
inline constexpr std::int64_t kScoreLimit = kCountLimit;            // a score, either side of 0
// Popularity is brought back into 0..100 at every week's turn; in between,
// purchases, services and dismissals move it freely, within this.
inline constexpr std::int64_t kPopularityLimit = 1'000'000;

// v + by (by >= 0), stopped at `limit`.
inline void CountUp(Value& v, std::int64_t by = 1, std::int64_t limit = kCountLimit) {
    v = std::min(v.asInt() + by, limit);
}

// `score` + `by`, held within ±kScoreLimit: the one way a score of the award
// contest or of the weekly ranking moves. A whole score stays whole while
// what is added is whole; any real makes the sum real.
inline Value ScorePlus(const Value& score, const Value& by) {
    if ((score.isInt() || score.isEmpty()) && (by.isInt() || by.isEmpty()))
        return std::clamp(score.asInt() + by.asInt(), -kScoreLimit, kScoreLimit);
    return std::clamp(score.asReal() + by.asReal(), -static_cast<double>(kScoreLimit),
                      static_cast<double>(kScoreLimit));
}
inline void AddToScore(Value& score, const Value& by) { score = ScorePlus(score, by); }

// Moves Popularity by `by` between two weekly clamps, within
// ±kPopularityLimit; a real stays real.
inline void ShiftPopularity(Value& popularity, std::int64_t by) {
    if (popularity.isReal())
        popularity = std::clamp(popularity.asReal() + static_cast<double>(by), -static_cast<double>(kPopularityLimit),
                                static_cast<double>(kPopularityLimit));
    else
        popularity = std::clamp(popularity.asInt() + by, -kPopularityLimit, kPopularityLimit);
}
