// The cell guard: a board cell locked for the life of the guard.
//
// A change of a locked cell's text does not run the entry rules, so a routine
// that writes a cell without wanting them (the entry rules' own rewrite, Solve
// filling in a digit) holds a guard around the write. The cell gets back the
// lock it had, so a given stays locked and an open cell opens again.
#pragma once

#include "textCell.h"

class CellGuard {
public:
    explicit CellGuard(TextCell& cell)
        : m_cell(cell)
        , m_wasLocked(cell.locked())
    {
        m_cell.setLocked(true);
    }
    ~CellGuard() { m_cell.setLocked(m_wasLocked); }

    CellGuard(const CellGuard&) = delete;
    CellGuard& operator=(const CellGuard&) = delete;

private:
    TextCell& m_cell;
    bool m_wasLocked;
};
