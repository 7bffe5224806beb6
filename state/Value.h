#pragma once
// The dynamically typed value every game variable holds: Empty, a whole
// number, a real or a text. Empty reads as 0 in arithmetic and as "" where a
// text is needed; the saved game keeps the kind (a text stays quoted, Empty
// stays an empty field).
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

// Compact: a kind tag beside eight bytes that hold the whole number, the
// real's bits or a pointer to the value's own text (16 bytes in all). The
// game keeps tens of thousands of these and the tick reads and writes them
// millions of times a second, so the number paths are inline and never
// touch the heap.
class Value {
public:
    enum class Kind : std::uint8_t { Empty, Int, Real, Text };

    Value() noexcept = default;
    template <typename T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>, int> = 0>
    Value(T v) noexcept : bits_(static_cast<std::uint64_t>(static_cast<std::int64_t>(v))), kind_(Kind::Int) {}
    Value(double v) noexcept : bits_(std::bit_cast<std::uint64_t>(v)), kind_(Kind::Real) {}
    Value(const char* s) : Value(std::string(s)) {}
    Value(std::string s) : bits_(Own(new std::string(std::move(s)))), kind_(Kind::Text) {}
    Value(std::string_view s) : bits_(Own(new std::string(s))), kind_(Kind::Text) {}

    Value(const Value& o) : bits_(o.isText() ? Own(new std::string(o.text())) : o.bits_), kind_(o.kind_) {}
    Value(Value&& o) noexcept : bits_(o.bits_), kind_(o.kind_) { o.kind_ = Kind::Empty; }
    Value& operator=(const Value& o) {
        if (this != &o) *this = Value(o);
        return *this;
    }
    Value& operator=(Value&& o) noexcept {
        std::swap(bits_, o.bits_);
        std::swap(kind_, o.kind_);
        return *this;
    }
    // Numbers are written in place (the tick writes millions a second).
    template <typename T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool>, int> = 0>
    Value& operator=(T v) noexcept {
        SetNumber(static_cast<std::uint64_t>(static_cast<std::int64_t>(v)), Kind::Int);
        return *this;
    }
    Value& operator=(double v) noexcept {
        SetNumber(std::bit_cast<std::uint64_t>(v), Kind::Real);
        return *this;
    }
    ~Value() {
        if (isText()) delete textPtr();
    }

    Kind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == Kind::Empty; }
    bool isInt() const { return kind_ == Kind::Int; }
    bool isReal() const { return kind_ == Kind::Real; }
    bool isNumber() const { return isInt() || isReal(); }
    bool isText() const { return kind_ == Kind::Text; }

    // Empty -> 0; a real rounds half to even; a text that reads as a number
    // gives that number, any other text 0. (The whole-number and Empty cases
    // are inline: the tick reads values millions of times a second.)
    std::int64_t asInt() const {
        if (kind_ == Kind::Int) return wholeBits();
        if (kind_ == Kind::Empty) return 0;
        return slowAsInt();
    }
    // The same as a real.
    double asReal() const {
        if (kind_ == Kind::Int) return static_cast<double>(wholeBits());
        if (kind_ == Kind::Real) return realBits();
        if (kind_ == Kind::Empty) return 0.0;
        return slowAsReal();
    }
    // Empty -> ""; numbers in their plain decimal form; a text as it is.
    std::string asText() const;
    int i() const { return static_cast<int>(asInt()); }

    // Exact equality: same kind and same value (Empty equals only Empty).
    bool operator==(const Value& o) const {
        if (kind_ != o.kind_) return false;
        switch (kind_) {
        case Kind::Empty: return true;
        case Kind::Int: return bits_ == o.bits_;
        case Kind::Real: return realBits() == o.realBits();
        case Kind::Text: return text() == o.text();
        }
        return false;
    }

    // Numeric comparison under the reading rules (Empty is 0).
    bool is(double x) const { return asReal() == x; }

    // The text of a text value; asking a value of another kind for its text
    // is a fault and throws std::bad_variant_access.
    const std::string& text() const {
        if (!isText()) ThrowNotText();
        return *textPtr();
    }

private:
    static std::uint64_t Own(std::string* s) { return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(s)); }
    std::string* textPtr() const { return reinterpret_cast<std::string*>(static_cast<std::uintptr_t>(bits_)); }
    std::int64_t wholeBits() const { return static_cast<std::int64_t>(bits_); }
    double realBits() const { return std::bit_cast<double>(bits_); }
    void SetNumber(std::uint64_t bits, Kind kind) noexcept {
        if (isText()) delete textPtr();
        bits_ = bits;
        kind_ = kind;
    }
    [[noreturn]] static void ThrowNotText();
    std::int64_t slowAsInt() const;
    double slowAsReal() const;

    std::uint64_t bits_ = 0;
    Kind kind_ = Kind::Empty;
};
static_assert(sizeof(Value) == 16, "a game value stays two words");

// Shortest plain decimal text that reads back as the same double
// ("61.045", "1150.007", "100000"): never an exponent.
std::string FormatReal(double x);
// The same written at `out`, which has room for kLongestRealText bytes;
// returns the end of what it wrote.
inline constexpr std::size_t kLongestRealText = 400;
char* FormatRealTo(double x, char* out);

// Reads an unquoted saved-game field as a number: digits with an optional
// sign, point and exponent. Whole values without point or exponent that fit
// 64 bits become whole numbers, everything else a real. False when the field
// is not a number.
bool ParseNumber(std::string_view field, Value& out);
