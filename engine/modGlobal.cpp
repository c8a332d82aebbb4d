// Puzzle carving and its generator.
#include "modGlobal.h"

#include "gridText.h"

#include <cmath>

namespace modGlobal {

std::int32_t carveState = 0;

namespace {

constexpr std::int64_t Modulus = 1 << 24;

} // namespace

double NextCarveRandom()
{
    // Within the callers' range the product stays far inside 32 bits; doing
    // it in 64 bits with a floored remainder keeps any state well defined.
    std::int64_t x = (static_cast<std::int64_t>(carveState) * 17405 + 12820163) % Modulus;
    if (x < 0) x += Modulus;

    // r * 30000 + 101 = (x * 30000 + 101 * 2^24) / 2^24 exactly; round the
    // quotient to nearest, ties to even, without touching the FPU's mode.
    const std::int64_t scaled = x * 30000 + 101 * Modulus;
    std::int64_t next = scaled / Modulus;
    const std::int64_t rest = scaled % Modulus;
    if (rest > Modulus / 2 || (rest == Modulus / 2 && (next & 1) != 0)) ++next;
    carveState = static_cast<std::int32_t>(next);

    return static_cast<double>(x) / static_cast<double>(Modulus);
}

std::optional<std::string> CarvePuzzle(std::string& grid, std::int32_t seed, int level)
{
    if (grid.size() != gridText::GridLength || !gridText::IsDifficultyLevel(level)) return std::nullopt;

    carveState = seed;
    int blanksToMake = gridText::BlanksForLevel(level);
    int misses = 0;
    for (;;) {
        const int position = static_cast<int>(std::floor(81.0 * NextCarveRandom())) + 1;
        char& cell = grid[position - 1];
        if (cell != gridText::BlankCell) {
            cell = gridText::BlankCell;
            misses = 0;
            if (--blanksToMake < 1) return grid;
        } else if (++misses > MissLimit) {
            return std::nullopt;
        }
    }
}

} // namespace modGlobal
