// Clock seeding of the general random source.
#include "runTimeRandom.h"

#include <chrono>

namespace {

// SplitMix64's finaliser: spreads close clock readings far apart.
std::uint64_t Mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

void RunTimeRandom::Randomize()
{
    Randomize(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

void RunTimeRandom::Randomize(std::uint64_t clockReading)
{
    static std::uint64_t reseeds = 0;
    Seed(clockReading ^ Mix(++reseeds));
}

void RunTimeRandom::Seed(std::uint64_t seed)
{
    // PCG's own seeding: the stream is chosen by an odd increment.
    increment_ = (Mix(seed ^ 0x9e3779b97f4a7c15ULL) << 1) | 1;
    state_ = 0;
    Next();
    state_ += seed;
    Next();
}
