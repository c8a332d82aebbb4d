// The rule of the progress check.
#include "boardRules.h"

#include "gridText.h"

namespace boardRules {

namespace {

bool Clashes(const BoardTexts& texts, int index)
{
    const std::string& text = texts[index];
    if (text == "0") return true;

    int C = 0;
    int R = 0;
    gridText::CellPosition(index, C, R);
    auto equal = [&](int column, int row) { return texts[gridText::CellIndex(column, row)] == text; };

    for (int k = 1; k <= 9; ++k) {
        if (k != C && equal(k, R)) return true;
        if (k != R && equal(C, k)) return true;
    }
    const int boxRow = 3 * ((R - 1) / 3) + 1;
    const int boxColumn = 3 * ((C - 1) / 3) + 1;
    for (int row = boxRow; row < boxRow + 3; ++row)
        for (int column = boxColumn; column < boxColumn + 3; ++column)
            if (row != R && column != C && equal(column, row)) return true;
    return false;
}

} // namespace

std::vector<int> FindClashes(const BoardTexts& texts, const BoardLocks& locked)
{
    std::vector<int> clashes;
    for (int index = 0; index < gridText::GridLength; ++index)
        if (!locked[index] && texts[index].size() == 1 && Clashes(texts, index)) clashes.push_back(index);
    return clashes;
}

} // namespace boardRules
