// The run time's general random source: uniform single-precision draws,
// reseeded from the clock at start-up and before every new game, and the one
// way whole numbers are drawn from it.
#pragma once

#include <cmath>
#include <cstdint>

// floor(n * u + 1): a whole number 1..n from one uniform draw 0 <= u < 1.
// The product is exact in double precision. A source that strays outside
// [0, 1) is held to the range, so a caller always gets 1..n.
inline int DrawOneTo(float u, int n)
{
    const double r = std::floor(static_cast<double>(n) * static_cast<double>(u) + 1.0);
    if (!(r >= 1.0)) return 1; // also catches NaN
    return r > n ? n : static_cast<int>(r);
}

// A PCG32 generator (O'Neill's XSH RR variant). Reseeding costs two steps,
// which matters because every new game reseeds; the 24 high bits of each
// output give a float in [0, 1) with every value equally likely.
class RunTimeRandom {
public:
    RunTimeRandom() { Seed(0); }

    // Reseeds from the system clock.
    void Randomize();
    // Reseeds from a clock reading. A count of reseeds made in this process
    // is mixed in, so two reseeds within one tick of a coarse clock still
    // give different sequences.
    void Randomize(std::uint64_t clockReading);

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
