// Test helper shared by the window tests: the worked example, starting the window, and the board in words.
#pragma once

#include "window/Module1.h"
#include "window/frmsudoku.h"
#include "window/textCell.h"

#include <QStringList>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

namespace gameFixture {

// The worked examples: the solution the key |538172694|231|312|132213321|321123231|42| builds, and the
// puzzle that carve seed 101 makes of it at level 1.
inline const std::string ExampleSolution =
    "926475831178963254345821967692718543713254698584639172839542716261397485457186329";
inline const std::string ExamplePuzzle =
    "906400801178003050345021007602718043000250600580600172839500000261397005407086329";

// The window as the program starts it (identity set, first puzzle dealt), with its clock stopped.
inline std::unique_ptr<frmsudoku> Started()
{
    Module1::SetApplicationIdentity();
    auto w = Module1::SubMain();
    w->Timer1->stop();
    return w;
}

// A started window showing puzzle, with ExampleSolution stored and the clock at 0;
// the clock runs, too slowly to tick during a test.
inline std::unique_ptr<frmsudoku> Playing(const std::string& puzzle)
{
    auto w = Started();
    w->ShowPuzzle(puzzle);
    w->solutionGrid = ExampleSolution;
    w->elapsedSeconds = 0;
    w->Timer1->start(3600 * 1000);
    return w;
}

// Everything of a cell the player sees or is kept out of.
struct Look {
    QString text;
    bool locked = false;
    QColor back, fore;
    qreal points = 0;
    // In words, so that a failed comparison of two boards names the cell that differs.
    QString said() const
    {
        return QStringLiteral("\"%1\" locked %2 back %3 fore %4 %5 pt")
            .arg(text).arg(locked).arg(back.name(), fore.name()).arg(points);
    }
};

inline Look LookOf(const TextCell& c) { return {c.text(), c.locked(), c.backColor(), c.foreColor(), c.fontSize()}; }

inline std::vector<Look> Board(const frmsudoku& w)
{
    std::vector<Look> board;
    for (const TextCell* cell : w.tile) board.push_back(LookOf(*cell));
    return board;
}

inline QStringList Said(const std::vector<Look>& board)
{
    QStringList said;
    for (const Look& look : board) said.append(look.said());
    return said;
}

} // namespace gameFixture
