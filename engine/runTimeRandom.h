// The run time's general random source: uniform single-precision draws,
// reseeded from the clock at start-up and before every new game.
#pragma once

#include <cstdint>

// A PCG32 generator (O'Neill's XSH RR variant). Reseeding costs two steps,
// which matters because every new game reseeds; the 24 high bits of each
// output give a float in [0, 1) with every value equally likely.
class RunTimeRandom {
public:
    RunTimeRandom() { Seed(0); }

    // Reseeds from the clock. Two reseeds within the same clock tick still
    // give different sequences: a per-process count is mixed in.
    void Randomize();

    // Restarts a fixed sequence, for reproducible runs.
    void Seed(std::uint64_t seed);

    float operator()() { return static_cast<float>(Next() >> 8) * 0x1p-24f; }

private:
    std::uint32_t Next()
    {
        const std::uint64_t old = state_;
        state_ = old * 6364136223846793005ULL + increment_;
        const auto xorShifted = static_cast<std::uint32_t>(((old >> 18) ^ old) >> 27);
        const auto rotation = static_cast<std::uint32_t>(old >> 59);
        return (xorShifted >> rotation) | (xorShifted << ((32 - rotation) & 31));
    }

    std::uint64_t state_ = 0;
    std::uint64_t increment_ = 1;
};
