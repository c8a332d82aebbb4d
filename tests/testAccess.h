// The tests' one way into the game window's private state and routines.
//
// Controls are found by their object names (a player's view of the window);
// what a player cannot reach directly (the clock's count, the stored solution,
// a puzzle of the test's choosing, the draws of new games) goes through here.
#pragma once

#include "frmsudoku.h"
#include "textCell.h"

#include <QTimer>

#include <functional>
#include <string>

struct TestAccess {
    static TextCell* tile(const frmsudoku& w, int index) { return w.tile.at(static_cast<std::size_t>(index)); }
    static QTimer* timer(const frmsudoku& w) { return w.Timer1; }

    static std::int32_t elapsedSeconds(const frmsudoku& w) { return w.elapsedSeconds; }
    static void setElapsedSeconds(frmsudoku& w, std::int32_t seconds) { w.elapsedSeconds = seconds; }
    // One tick of the clock, as Timer1 gives it.
    static void tick(frmsudoku& w) { w.Timer1_Timer(); }

    static std::string solutionGrid(const frmsudoku& w) { return w.solutionGrid; }
    // Puts a puzzle of the test's choosing on the board, with its solution.
    static void showPuzzle(frmsudoku& w, const std::string& puzzle, const std::string& solution)
    {
        w.ShowPuzzle(puzzle);
        w.solutionGrid = solution;
    }
    static bool checkForErrors(frmsudoku& w) { return w.CheckForErrors(); }

    // New games draw from draws instead of the clock-seeded source, and
    // reseeding does nothing; set before Form_Load, the first puzzle too.
    static void setDraws(frmsudoku& w, std::function<float()> draws) { w.m_scriptedDraws = std::move(draws); }
};
