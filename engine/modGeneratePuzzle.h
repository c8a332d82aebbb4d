// The solution grid generator: a random TransformKey, and the seven
// validity-preserving steps that turn SeedGrid into a fresh solution.
//
// A TransformKey is 42 characters: "|" f1 "|" f2 "|" f3 "|" f4 "|" f5 "|" f6 "|".
//   f1  digit map, 9 digits: digit d of the grid becomes the d-th character
//   f2  band order, 3 digits: new band i is old band f2[i]
//   f3  stack order, 3 digits: new stack i is old stack f3[i]
//   f4  row orders, 3 triples for bands 1..3: new row j of a band is old row triple[j]
//   f5  column orders, 3 triples for stacks 1..3, read like f4
//   f6  turn digit t (1..4, t - 1 counter-clockwise quarter turns), then
//       mirror digit (0 none, 1 left-right, 2 top-bottom)
// Splitting a key at "|" therefore gives eight fields, the first and last empty.
#pragma once

#include "runTimeRandom.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace modGeneratePuzzle {

inline constexpr int TransformKeyLength = 42;
inline constexpr int TransformKeyDraws = 212;

// Draws a key from rnd, a callable returning a float 0 <= u < 1. It makes
// exactly TransformKeyDraws draws: 50 for the digit map, 20 each for band and
// stack order, 60 for the row orders, 60 for the column orders, one for the
// turn digit and one for the mirror digit.
//
// Each order is shuffled by exchanging a drawn entry with the first one, 50
// times for nine digits and 20 times for a triple. That is not a uniform
// (Fisher-Yates) shuffle; the fixed count of draws per key is what lets a
// scripted source name every field of the key it wants.
template <class RandomSource>
std::string MakeTransformKey(RandomSource&& rnd)
{
    std::array<char, 10> work{}; // entries 1..9; entry 0 unused
    for (int i = 1; i <= 9; ++i) work[i] = static_cast<char>('0' + i);

    std::string key;
    key.reserve(TransformKeyLength);
    key += '|';

    auto shuffleAndAppend = [&](int size, int exchanges) {
        for (int n = 0; n < exchanges; ++n) {
            const int r = DrawOneTo(rnd(), size);
            std::swap(work[r], work[1]);
        }
        for (int i = 1; i <= size; ++i) {
            key += work[i];
            work[i] = static_cast<char>('0' + i);
        }
    };

    shuffleAndAppend(9, 50);
    key += '|';
    for (int order = 0; order < 2; ++order) { // band order, then stack order
        shuffleAndAppend(3, 20);
        key += '|';
    }
    for (int orders = 0; orders < 2; ++orders) { // row orders, then column orders
        for (int triple = 0; triple < 3; ++triple) shuffleAndAppend(3, 20);
        key += '|';
    }
    key += static_cast<char>('0' + DrawOneTo(rnd(), 4));
    key += static_cast<char>('0' + DrawOneTo(rnd(), 3) - 1);
    key += '|';
    return key;
}

// Applies a key to SeedGrid. A field that is not what its step expects
// leaves the grid as that step found it.
std::string BuildSolution(std::string_view key);

// The steps of BuildSolution, in the order it runs them. Each takes a grid
// text and returns a new one; a grid that is not 81 characters, or a field
// that is not a permutation of the right size, is returned unchanged. The
// exception is RelabelDigits, which works on text of any length: it always
// drops the CR LF pairs, and relabels only with a whole digit map.
std::string RelabelDigits(std::string_view grid, std::string_view digitMap);
std::string PermuteBands(std::string_view grid, std::string_view order);
std::string PermuteStacks(std::string_view grid, std::string_view order);
std::string PermuteRowsInBands(std::string_view grid, std::string_view orders);
std::string PermuteColumnsInStacks(std::string_view grid, std::string_view orders);
std::string RotateGrid(std::string_view grid, int turn);
std::string RotateQuarterTurn(std::string_view grid);
std::string MirrorGrid(std::string_view grid, int mirror);

} // namespace modGeneratePuzzle
