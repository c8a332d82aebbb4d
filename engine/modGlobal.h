// Puzzle carving: blanks cells of a solution text, chosen by the carving's
// own generator from a three-digit seed.
//
// The carving never uses the general random source, so a seed and a level
// always blank the same cells in the same order, whatever the solution. It
// does not look for a unique or even a solvable puzzle.
#pragma once

#include "runTimeRandom.h"

#include <cstdint>
#include <optional>
#include <string>

namespace modGlobal {

// The carving generator's state between draws; set to the seed at the start
// of every carving.
extern std::int32_t carveState;

// Consecutive draws on cells that are blank already before a carving gives up.
inline constexpr int MissLimit = 2000;

// Returns r, 0 <= r < 1, and advances carveState:
//   x = (carveState * 17405 + 12820163) mod 2^24,  r = x / 2^24,
//   carveState = r * 30000 + 101, rounded to nearest with ties to even.
// Every step is exact; from any state the next lies in 101..30101.
double NextCarveRandom();

// Blanks cells of grid, a solution text, in place: 31, 51 or 61 of them for
// level 1, 2 or 3, at positions floor(81 * r) + 1 drawn from the seed.
// Returns the puzzle text (the same text grid now holds), or std::nullopt
// when the generator falls into a cycle of cells that are all blank already
// (the 2001st miss in a row), leaving grid partly blanked. A grid that is
// not 81 characters or a level outside 1..3 also gives std::nullopt, and
// grid is left untouched.
std::optional<std::string> CarvePuzzle(std::string& grid, std::int32_t seed, int level);

// The most carve seeds one new puzzle tries before it gives up.
inline constexpr int MaxCarveSeeds = 100;

// The carve seed of one uniform draw 0 <= u < 1: floor(899 u) + 101, so
// 101..999.
inline std::int32_t CarveSeedOf(float u) { return DrawOneTo(u, 899) + 100; }

// A puzzle carved from a copy of solution at level, with a carve seed drawn
// (CarveSeedOf) from rnd, a callable returning a float 0 <= u < 1. A few
// seeds send the carving round a cycle of blank cells (about one puzzle in 80
// at the hardest level); each failure draws another seed and starts again
// from the solution, up to MaxCarveSeeds seeds. std::nullopt only when every
// one of them failed, or the arguments cannot be carved.
template <class RandomSource>
std::optional<std::string> CarveFreshPuzzle(const std::string& solution, int level, RandomSource&& rnd)
{
    for (int attempt = 0; attempt < MaxCarveSeeds; ++attempt) {
        const std::int32_t carveSeed = CarveSeedOf(rnd());
        std::string grid = solution;
        if (auto puzzle = CarvePuzzle(grid, carveSeed, level)) return puzzle;
    }
    return std::nullopt;
}

} // namespace modGlobal
