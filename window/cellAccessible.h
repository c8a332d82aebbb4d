// What assistive technology reads of a board cell.
//
// Each cell speaks its place and its content, "row 3, column 5, given 7",
// "row 1, column 2, empty", "row 4, column 4, 6" or "row 2, column 8, notes
// 1 2 3", and describes its state: "marked incorrect" after a progress check
// found a clash, "filled in by Solve" for a digit the solution supplied.
#pragma once

class QString;
class TextCell;

namespace cellAccessible {

// Registers the board cells' accessible interface; calling it again does nothing.
void Install();

// What a cell's name and description say, for the cell with this board index.
QString CellName(const TextCell& cell, int index);
QString CellDescription(const TextCell& cell);

} // namespace cellAccessible
