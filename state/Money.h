#pragma once
// Fixed-point money of the ledger: a signed 64-bit count of ten-thousandths
// of a yen. Whole amounts are stored exactly; the cell is never Empty.
// Arithmetic saturates at the ends of the 64-bit range rather than wrap, so
// no sum of cells can turn a fortune into a debt.
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

// The money the game holds: funds, every booking, the profit totals and the
// ledger cells stay within this many yen either way. A hundred trillion is
// far beyond any game, and ten thousand times it still fits a ledger cell.
inline constexpr std::int64_t kYenLimit = 100'000'000'000'000;

class Money {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Money() = default;
    static constexpr Money FromWhole(std::int64_t yen) {
        constexpr std::int64_t most = std::numeric_limits<std::int64_t>::max() / kScale;
        return Money(yen > most ? most * kScale : yen < -most ? -most * kScale : yen * kScale);
    }
    static constexpr Money FromRaw(std::int64_t raw) { return Money(raw); }
    // Rounds to four decimal places.
    static Money FromReal(double yen);

    constexpr std::int64_t raw() const { return raw_; }
    double toReal() const { return static_cast<double>(raw_) / kScale; }
    // Whole yen, truncated toward zero (the game's cells are whole).
    constexpr std::int64_t whole() const { return raw_ / kScale; }

    Money& operator+=(Money o);
    Money& operator-=(Money o);
    friend constexpr bool operator==(Money a, Money b) { return a.raw_ == b.raw_; }

    // "150000", "-12.5", "0.0001": no trailing zeros, no point when whole.
    std::string toText() const;
    // Accepts the number forms of the saved game; an empty field is 0.
    static bool Parse(std::string_view field, Money& out);

private:
    constexpr explicit Money(std::int64_t raw) : raw_(raw) {}
    std::int64_t raw_ = 0;
};
