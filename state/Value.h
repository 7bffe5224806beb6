#pragma once
// The dynamically typed value every game variable holds: Empty, a whole
// number, a real or a text. Empty reads as 0 in arithmetic and as "" where a
// text is needed; the saved game keeps the kind (a text stays quoted, Empty
// stays an empty field).
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

class Value {
public:
    enum class Kind : std::uint8_t { Empty, Int, Real, Text };

    Value() = default;
    template <typename T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>, int> = 0>
    Value(T v) : v_(static_cast<std::int64_t>(v)) {}
    Value(double v) : v_(v) {}
    Value(const char* s) : v_(std::string(s)) {}
    Value(std::string s) : v_(std::move(s)) {}
    Value(std::string_view s) : v_(std::string(s)) {}

    Kind kind() const { return static_cast<Kind>(v_.index()); }
    bool isEmpty() const { return v_.index() == 0; }
    bool isInt() const { return v_.index() == 1; }
    bool isReal() const { return v_.index() == 2; }
    bool isNumber() const { return isInt() || isReal(); }
    bool isText() const { return v_.index() == 3; }

    // Empty -> 0; a real rounds half to even; a text that reads as a number
    // gives that number, any other text 0. (The whole-number and Empty cases
    // are inline: the tick reads values millions of times a second.)
    std::int64_t asInt() const {
        if (const auto* i = std::get_if<std::int64_t>(&v_)) return *i;
        if (v_.index() == 0) return 0;
        return slowAsInt();
    }
    // The same as a real.
    double asReal() const {
        if (const auto* i = std::get_if<std::int64_t>(&v_)) return static_cast<double>(*i);
        if (const auto* d = std::get_if<double>(&v_)) return *d;
        if (v_.index() == 0) return 0.0;
        return slowAsReal();
    }
    // Empty -> ""; numbers in their plain decimal form; a text as it is.
    std::string asText() const;
    int i() const { return static_cast<int>(asInt()); }

    // Exact equality: same kind and same value (Empty equals only Empty).
    bool operator==(const Value& o) const { return v_ == o.v_; }

    // Numeric comparison under the reading rules (Empty is 0).
    bool is(double x) const { return asReal() == x; }

    const std::string& text() const { return std::get<std::string>(v_); }

private:
    std::int64_t slowAsInt() const;
    double slowAsReal() const;
    std::variant<std::monostate, std::int64_t, double, std::string> v_;
};

// Shortest plain decimal text that reads back as the same double
// ("61.045", "1150.007", "100000"): never an exponent.
std::string FormatReal(double x);

// Reads an unquoted saved-game field as a number: digits with an optional
// sign, point and exponent. Whole values without point or exponent that fit
// 64 bits become whole numbers, everything else a real. False when the field
// is not a number.
bool ParseNumber(std::string_view field, Value& out);
