#pragma once
// The counters that play only grows (visits, customers and copies counted,
// days since an event, uses, ticks, the award contest's points) stop at the
// top of the range their saved field takes (StateLayout), so that play
// never holds a value its own loader would refuse. No game comes near these
// tops: only a file made by hand starts there.
#include <algorithm>
#include <cstdint>

#include "state/Value.h"

inline constexpr std::int64_t kCountLimit = 1'000'000'000'000'000;  // 10^15: a running count
inline constexpr std::int64_t kCopyLimit = 1'000'000'000;           // copies of one title

// v + by (by >= 0), stopped at `limit`.
inline void CountUp(Value& v, std::int64_t by = 1, std::int64_t limit = kCountLimit) {
    v = std::min(v.asInt() + by, limit);
}

// A score of the award contest, held within ±kCountLimit.
inline double ScoreWithinLimit(double x) {
    return std::clamp(x, -static_cast<double>(kCountLimit), static_cast<double>(kCountLimit));
}
inline std::int64_t ScoreWithinLimit(std::int64_t x) { return std::clamp(x, -kCountLimit, kCountLimit); }
