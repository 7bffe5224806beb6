#pragma once
// The game's one random generator (xoshiro256**), seeded once per new game.
// Draws are uniform reals in [0, 1); the order of draws is game behaviour.
#include <cstdint>

class Random {
public:
    Random() { seed(0); }
    void seed(std::uint64_t s);
    double next();

private:
    std::uint64_t s_[4]{};
};
