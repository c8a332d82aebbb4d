// Scripted draws for the general random source, in place of the clock-seeded
// one. A draw of 0 picks the first entry of every shuffle, so a new game's 212
// key draws of 0 leave the seed grid as it is; the draws of chosen carve seeds
// follow.
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace scriptedDraws {

// The draw u that makes floor(n * u + 1) give r (1..n): the middle of r's interval.
inline float DrawFor(int r, int n) { return (static_cast<float>(r) - 0.5f) / static_cast<float>(n); }

// The draw that makes the carve seed floor(899 u) + 101 equal seed (101..999).
inline float SeedDraw(int seed) { return DrawFor(seed - 100, 899); }

// A source that gives draws in order and then `after` for ever, counting every
// draw it gave in *taken.
inline std::function<float()> Source(std::vector<float> draws, float after,
                                     const std::shared_ptr<int>& taken = std::make_shared<int>(0))
{
    return [draws = std::move(draws), after, taken] {
        const int next = (*taken)++;
        return next < static_cast<int>(draws.size()) ? draws[static_cast<std::size_t>(next)] : after;
    };
}

} // namespace scriptedDraws
