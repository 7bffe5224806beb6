#pragma once
// A cell of a column the tick reads and writes for every person on every
// tick (a sprite's position, picture and depth; a person's state, heading,
// walk frame, target, look and figure): a plain number of type T, or Empty.
// It reads as a Value does (Empty is 0 in arithmetic and "" as a text), and
// it stands for exactly the Value the saved game keeps: Empty, a whole
// number, or a real. (A real cell's whole numbers are written with the same
// digits as whole numbers, so the file cannot tell the two apart.)
//
// The field table (StateLayout) holds every such column to a range its T
// holds exactly and refuses, at load, any value outside it; play writes only
// numbers of T's kind. So the tick works on plain numbers, and nothing is
// ever rounded on the way in or out.
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

#include "state/Value.h"

template <typename T>
class NumberCell {
    static_assert(std::is_same_v<T, std::int32_t> || std::is_same_v<T, std::int64_t> || std::is_same_v<T, double>,
                  "a number cell holds a whole number of 32 or 64 bits, or a real");

public:
    static constexpr bool kWhole = std::is_integral_v<T>;

    NumberCell() noexcept = default;

    // A whole number (or a code of a plain enum); a real only in a real
    // cell (a whole cell never rounds).
    template <typename U, std::enable_if_t<(std::is_integral_v<U> && !std::is_same_v<U, bool>) ||
                                               (std::is_enum_v<U> && std::is_convertible_v<U, int>),
                                           int> = 0>
    NumberCell& operator=(U v) noexcept {
        v_ = static_cast<T>(v);
        empty_ = false;
        return *this;
    }
    template <typename U, std::enable_if_t<std::is_same_v<U, double> && !kWhole, int> = 0>
    NumberCell& operator=(U v) noexcept {
        v_ = v;
        empty_ = false;
        return *this;
    }
    // Back to Empty.
    void clear() noexcept {
        v_ = 0;
        empty_ = true;
    }

    bool isEmpty() const { return empty_; }
    bool isInt() const { return kWhole && !empty_; }
    bool isReal() const { return !kWhole && !empty_; }
    bool isNumber() const { return !empty_; }
    bool isText() const { return false; }

    // The number itself: 0 for Empty.
    T get() const { return v_; }
    std::int64_t asInt() const {
        if constexpr (kWhole)
            return v_;
        else
            return Value(v_).asInt();  // rounds half to even, as a real Value does
    }
    double asReal() const { return static_cast<double>(v_); }
    int i() const { return static_cast<int>(asInt()); }
    std::string asText() const { return value().asText(); }

    // The Value the cell stands for, as the saved game writes it.
    Value value() const { return empty_ ? Value() : Value(v_); }
    explicit operator Value() const { return value(); }

    // True when the cell holds `v` exactly, kind and all: Empty, or a number
    // of the cell's kind and range. A whole cell takes no real, not even a
    // whole one (it would come back as a whole number).
    static bool Holds(const Value& v) {
        if (v.isEmpty()) return true;
        if constexpr (kWhole)
            return v.isInt() && v.asInt() >= kLowest && v.asInt() <= kHighest;
        else
            return v.isReal() || (v.isInt() && v.asInt() >= -kExactWhole && v.asInt() <= kExactWhole);
    }
    // Takes `v`, which the cell must hold exactly (Holds); false and nothing
    // changed otherwise.
    bool assign(const Value& v) {
        if (!Holds(v)) return false;
        if (v.isEmpty())
            clear();
        else if constexpr (kWhole)
            *this = v.asInt();
        else
            *this = v.asReal();
        return true;
    }

    // Exact equality, as a Value compares: Empty equals only Empty, and a
    // number only a number of the cell's kind.
    bool operator==(const NumberCell& o) const { return empty_ == o.empty_ && v_ == o.v_; }
    friend bool operator==(const NumberCell& a, const Value& b) { return a.value() == b; }

    // The widest range of whole numbers the cell holds exactly.
    static constexpr std::int64_t kExactWhole = std::int64_t{1} << 53;
    static constexpr std::int64_t kLowest = kWhole ? static_cast<std::int64_t>(std::numeric_limits<T>::min()) : -kExactWhole;
    static constexpr std::int64_t kHighest = kWhole ? static_cast<std::int64_t>(std::numeric_limits<T>::max()) : kExactWhole;

private:
    T v_ = 0;
    bool empty_ = true;
};

using WholeCell = NumberCell<std::int32_t>;
using RealCell = NumberCell<double>;
