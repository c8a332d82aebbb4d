// The rule of the progress check: which single entries repeat a digit of their
// row, column or box.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace boardRules {

// The board as the check reads it: each cell's text and whether it is locked
// (every given is), cell k at index k in the numbering of gridText.h.
using BoardTexts = std::array<std::string, 81>;
using BoardLocks = std::array<bool, 81>;

// The checked cells that clash, in the order they are visited (index order).
//
// A cell is checked when it is open (not locked) and its text is exactly one
// character. It clashes when some other cell of its row, column or 3 x 3 box
// holds exactly the same text, given or entry alike; notes and empty cells
// take part in the comparisons but are never checked themselves. The other
// cells are looked at row and column together (k = 1..9: the cell at column
// k of its row, then the cell at row k of its column), then the rest of the
// box row by row, stopping at the first equal text.
//
// An entry of "0" always clashes: no solution holds a 0, so it is wrong
// wherever it stands.
std::vector<int> FindClashes(const BoardTexts& texts, const BoardLocks& locked);

} // namespace boardRules
