#pragma once
// The game's one random generator (xoshiro256**), seeded once per new game.
// Draws are uniform reals in [0, 1); the order of draws is game behaviour.
#include <cstdint>

class Random {
public:
    Random() { seed(0); }
    void seed(std::uint64_t s);
    // Inline: the tick draws hundreds of thousands of times a second.
    double next() {
        const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = Rotl(s_[3], 45);
        return static_cast<double>(result >> 11) * 0x1.0p-53;  // 53 random bits in [0, 1)
    }

private:
    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t s_[4]{};
};
