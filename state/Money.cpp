#include "state/Money.h"

#include <cmath>

#include "state/Value.h"

Money Money::FromReal(double yen) {
    const double raw = std::nearbyint(yen * kScale);
    // 2^63 is exact in a double; anything at or past it (or NaN) saturates.
    constexpr double edge = 9223372036854775808.0;
    if (!(raw < edge)) return Money(std::numeric_limits<std::int64_t>::max());
    if (!(raw >= -edge)) return Money(std::numeric_limits<std::int64_t>::min());
    return Money(static_cast<std::int64_t>(raw));
}

Money& Money::operator+=(Money o) {
    if (__builtin_add_overflow(raw_, o.raw_, &raw_))
        raw_ = o.raw_ > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
    return *this;
}

Money& Money::operator-=(Money o) {
    if (__builtin_sub_overflow(raw_, o.raw_, &raw_))
        raw_ = o.raw_ < 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
    return *this;
}

std::string Money::toText() const {
    std::int64_t r = raw_;
    bool neg = r < 0;
    // Work in unsigned so the most negative value does not overflow.
    std::uint64_t u = neg ? (~static_cast<std::uint64_t>(r) + 1) : static_cast<std::uint64_t>(r);
    std::uint64_t whole = u / kScale, frac = u % kScale;
    std::string s = neg ? "-" : "";
    s += std::to_string(whole);
    if (frac != 0) {
        std::string f = std::to_string(frac);
        f.insert(0, 4 - f.size(), '0');
        while (!f.empty() && f.back() == '0') f.pop_back();
        s += "." + f;
    }
    return s;
}

bool Money::Parse(std::string_view field, Money& out) {
    if (field.empty()) { out = Money(); return true; }
    Value v;
    if (!ParseNumber(field, v)) return false;
    if (v.isInt()) {
        std::int64_t w = v.asInt();
        if (w > INT64_MAX / kScale || w < INT64_MIN / kScale) return false;
        out = FromWhole(w);
        return true;
    }
    double d = v.asReal();
    if (!(std::fabs(d) < 9.2e14)) return false;
    out = FromReal(d);
    return true;
}
