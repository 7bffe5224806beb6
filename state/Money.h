#pragma once
// Fixed-point money of the ledger: a signed 64-bit count of ten-thousandths
// of a yen. Whole amounts are stored exactly; the cell is never Empty.
#include <cstdint>
#include <string>
#include <string_view>

class Money {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money FromWhole(std::int64_t yen) { return Money(yen * kScale); }
    static constexpr Money FromRaw(std::int64_t raw) { return Money(raw); }
    // Rounds to four decimal places.
    static Money FromReal(double yen);

    constexpr std::int64_t raw() const { return raw_; }
    double toReal() const { return static_cast<double>(raw_) / kScale; }
    // Whole yen, truncated toward zero (the game's cells are whole).
    constexpr std::int64_t whole() const { return raw_ / kScale; }

    Money& operator+=(Money o) { raw_ += o.raw_; return *this; }
    Money& operator-=(Money o) { raw_ -= o.raw_; return *this; }
    friend constexpr bool operator==(Money a, Money b) { return a.raw_ == b.raw_; }

    // "150000", "-12.5", "0.0001": no trailing zeros, no point when whole.
    std::string toText() const;
    // Accepts the number forms of the saved game; an empty field is 0.
    static bool Parse(std::string_view field, Money& out);

private:
    constexpr explicit Money(std::int64_t raw) : raw_(raw) {}
    std::int64_t raw_ = 0;
};
