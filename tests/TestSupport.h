#pragma once
// Shared helpers of the tests.
#include <functional>
#include <ostream>

#include "state/GameState.h"
#include "state/Value.h"

// gtest prints values by what they hold, not by their bytes.
inline void PrintTo(const Value& v, std::ostream* os) {
    switch (v.kind()) {
    case Value::Kind::Empty: *os << "Empty"; break;
    case Value::Kind::Int: *os << v.asInt(); break;
    case Value::Kind::Real: *os << v.asText() << " (real)"; break;
    case Value::Kind::Text: *os << '"' << v.text() << '"'; break;
    }
}

template <typename T>
void PrintTo(const NumberCell<T>& c, std::ostream* os) {
    PrintTo(c.value(), os);
}

// Equal as the saved game sees them: Empty and texts exactly, numbers by
// value (a whole real reads back as a whole number).
inline bool SameSaved(const Value& a, const Value& b) {
    if (a.isNumber() && b.isNumber()) return a.asReal() == b.asReal();
    return a == b;
}

// Moves the game's generator on, draw by draw, until `want` holds for the
// draws that come next (it gets a copy to draw from): a test steers a
// rare draw instead of searching for a seed.
inline void SteerDraws(GameState& g, const std::function<bool(Random)>& want) {
    while (!want(g.rng)) g.rng.next();
}
// A one-in-`odds` draw, Int(r x odds) = 0, taken from `r`.
inline bool Below(Random& r, int odds) { return static_cast<int>(r.next() * odds) == 0; }
