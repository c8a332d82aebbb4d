// The solution grid generator: BuildSolution and its seven steps.
#include "modGeneratePuzzle.h"

#include "gridText.h"

#include <algorithm>
#include <array>

namespace modGeneratePuzzle {

namespace {

using gridText::GridLength;

// Whether text holds `groups` consecutive permutations of the digits 1..size.
bool IsPermutations(std::string_view text, int size, int groups = 1)
{
    if (text.size() != static_cast<size_t>(size) * static_cast<size_t>(groups)) return false;
    for (int g = 0; g < groups; ++g) {
        std::array<bool, 10> seen{};
        for (int i = 0; i < size; ++i) {
            const int d = text[g * size + i] - '0';
            if (d < 1 || d > size || seen[d]) return false;
            seen[d] = true;
        }
    }
    return true;
}

int Digit(char c) { return c - '0'; }

// Field n (0..7) of a key split at "|"; empty when the key has fewer fields.
std::string_view KeyField(std::string_view key, int n)
{
    for (int i = 0; i < n; ++i) {
        const size_t bar = key.find('|');
        if (bar == std::string_view::npos) return {};
        key.remove_prefix(bar + 1);
    }
    return key.substr(0, key.find('|'));
}

} // namespace

std::string BuildSolution(std::string_view key)
{
    std::string grid(gridText::SeedGrid);
    grid = RelabelDigits(grid, KeyField(key, 1));
    grid = PermuteBands(grid, KeyField(key, 2));
    grid = PermuteStacks(grid, KeyField(key, 3));
    grid = PermuteRowsInBands(grid, KeyField(key, 4));
    grid = PermuteColumnsInStacks(grid, KeyField(key, 5));
    const std::string_view turnAndMirror = KeyField(key, 6);
    if (turnAndMirror.size() == 2) {
        grid = RotateGrid(grid, Digit(turnAndMirror.front()));
        grid = MirrorGrid(grid, Digit(turnAndMirror.back()));
    }
    return grid;
}

std::string RelabelDigits(std::string_view grid, std::string_view digitMap)
{
    std::string out;
    out.reserve(grid.size());
    for (size_t i = 0; i < grid.size(); ++i) {
        if (grid[i] == '\r' && i + 1 < grid.size() && grid[i + 1] == '\n') {
            ++i;
            continue;
        }
        out += grid[i];
    }
    if (!IsPermutations(digitMap, 9)) return out;
    for (char& c : out) {
        const int d = Digit(c);
        if (d >= 1 && d <= 9) c = digitMap[d - 1];
    }
    return out;
}

std::string PermuteBands(std::string_view grid, std::string_view order)
{
    if (grid.size() != GridLength || !IsPermutations(order, 3)) return std::string(grid);
    std::string out;
    out.reserve(GridLength);
    for (char band : order) out += grid.substr((Digit(band) - 1) * 27, 27);
    return out;
}

std::string PermuteStacks(std::string_view grid, std::string_view order)
{
    if (grid.size() != GridLength || !IsPermutations(order, 3)) return std::string(grid);
    std::string out;
    out.reserve(GridLength);
    for (int row = 0; row < 9; ++row)
        for (char stack : order) out += grid.substr(row * 9 + (Digit(stack) - 1) * 3, 3);
    return out;
}

std::string PermuteRowsInBands(std::string_view grid, std::string_view orders)
{
    if (grid.size() != GridLength || !IsPermutations(orders, 3, 3)) return std::string(grid);
    std::string out;
    out.reserve(GridLength);
    for (int band = 0; band < 3; ++band)
        for (int j = 0; j < 3; ++j) {
            const int row = band * 3 + Digit(orders[band * 3 + j]) - 1;
            out += grid.substr(row * 9, 9);
        }
    return out;
}

std::string PermuteColumnsInStacks(std::string_view grid, std::string_view orders)
{
    if (grid.size() != GridLength || !IsPermutations(orders, 3, 3)) return std::string(grid);
    std::string out;
    out.reserve(GridLength);
    for (int row = 0; row < 9; ++row)
        for (int stack = 0; stack < 3; ++stack)
            for (int j = 0; j < 3; ++j) {
                const int column = stack * 3 + Digit(orders[stack * 3 + j]) - 1;
                out += grid[row * 9 + column];
            }
    return out;
}

std::string RotateGrid(std::string_view grid, int turn)
{
    std::string out(grid);
    if (turn < 1 || turn > 4) return out;
    for (int n = 1; n < turn; ++n) out = RotateQuarterTurn(out);
    return out;
}

// One counter-clockwise quarter turn: the old right-hand column, read top to
// bottom, becomes the new top row. Output (k, j) is input (j, 10 - k).
std::string RotateQuarterTurn(std::string_view grid)
{
    if (grid.size() != GridLength) return std::string(grid);
    std::array<std::array<char, 9>, 9> cells{};
    for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) cells[r][c] = grid[r * 9 + c];
    std::string out;
    out.reserve(GridLength);
    for (int k = 0; k < 9; ++k)
        for (int j = 0; j < 9; ++j) out += cells[j][8 - k];
    return out;
}

std::string MirrorGrid(std::string_view grid, int mirror)
{
    std::string out(grid);
    if (grid.size() != GridLength) return out;
    if (mirror == 1) {
        for (int row = 0; row < 9; ++row) std::reverse(out.begin() + row * 9, out.begin() + row * 9 + 9);
    } else if (mirror == 2) {
        for (int row = 0; row < 9; ++row) std::copy_n(grid.begin() + (8 - row) * 9, 9, out.begin() + row * 9);
    }
    return out;
}

} // namespace modGeneratePuzzle
