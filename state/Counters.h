#pragma once
// What play grows stops at the edge of the range its saved field takes
// (StateLayout), so that play never holds a value its own loader would
// refuse: the counters that only grow (visits, customers and copies
// counted, days since an event, uses, ticks) and the scores of the award
// contest and of the weekly ranking. No game comes near these edges: only a
// file made by hand starts there.
#include <algorithm>
#include <cstdint>

#include "state/Value.h"

inline constexpr std::int64_t kCountLimit = 1'000'000'000'000'000;  // 10^15: a running count
inline constexpr std::int64_t kCopyLimit = 1'000'000'000;           // copies of one title
inline constexpr std::int64_t kScoreLimit = kCountLimit;            // a score, either side of 0

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
