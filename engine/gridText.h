// Grid texts: the one cell numbering, the seed solution and the difficulty levels.
//
// Every grid (a solution, a puzzle, every step of the generator) travels as a
// text of 81 characters, row by row, left to right. Board cell k (0..80) shows
// character k of the text (position k + 1, counting from 1): it stands in row
// k / 9 + 1 and column k % 9 + 1, both counted from 1.
//
//          col 1   ...   col 9
//   row 1    k=0   ...    k=8
//   row 2    k=9   ...   k=17
//    ...
//   row 9   k=72   ...   k=80
//
// Bands 1..3 are rows 1-3, 4-6, 7-9; stacks 1..3 are columns 1-3, 4-6, 7-9.
// A solution text holds "1".."9" everywhere; a puzzle text holds "0" in each
// blank cell and the solution's digit in each given.
#pragma once

#include <string_view>

namespace gridText {

inline constexpr int GridLength = 81;

// The one fixed, valid solution every puzzle is transformed from.
inline constexpr std::string_view SeedGrid =
    "157824369348695271926713845632459718471386592589271436214567983893142657765938124";

inline constexpr char BlankCell = '0';

// The column and row (both 1..9) of board cell index (0..80).
constexpr void CellPosition(int index, int& column, int& row)
{
    row = index / 9 + 1;
    column = index - (row - 1) * 9 + 1;
}

// The board cell (0..80) at column and row (both 1..9).
constexpr int CellIndex(int column, int row) { return (row - 1) * 9 + (column - 1); }

// DifficultyLevel 1, 2, 3 ("Beginner/Easy", "Intermediate/Medium",
// "Professional/Hard") keeps 50, 30 or 20 givens. Any other level keeps all 81.
inline constexpr int MinLevel = 1;
inline constexpr int MaxLevel = 3;

constexpr bool IsDifficultyLevel(int level) { return level >= MinLevel && level <= MaxLevel; }

constexpr int GivensForLevel(int level)
{
    switch (level) {
    case 1: return 50;
    case 2: return 30;
    case 3: return 20;
    default: return GridLength;
    }
}

constexpr int BlanksForLevel(int level) { return GridLength - GivensForLevel(level); }

} // namespace gridText
