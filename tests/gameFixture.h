// Test helper shared by the window tests: the worked example, starting the window, and the board's looks.
#pragma once

#include "window/Module1.h"
#include "window/frmsudoku.h"
#include "window/textCell.h"

#include <QtTest>

namespace gameFixture {

// The worked examples: the solution the key |538172694|231|312|132213321|321123231|42| builds, and the
// puzzle that carve seed 101 makes of it at level 1.
inline const std::string ExampleSolution =
    "926475831178963254345821967692718543713254698584639172839542716261397485457186329";
inline const std::string ExamplePuzzle =
    "906400801178003050345021007602718043000250600580600172839500000261397005407086329";

// The window as the program starts it (first puzzle dealt), with its clock stopped; given a puzzle, showing it
// instead, with ExampleSolution stored and the clock still at 0, running too slowly to tick.
inline std::unique_ptr<frmsudoku> Started(const std::string& puzzle = {})
{
    Module1::SetApplicationIdentity();
    auto w = Module1::SubMain();
    w->Timer1->stop();
    if (puzzle.empty()) return w;
    w->ShowPuzzle(puzzle);
    w->solutionGrid = ExampleSolution;
    w->Timer1->start(3600 * 1000);
    return w;
}

// Everything of a cell the player sees or is kept out of; a failed QCOMPARE of two boards names the cell.
struct Look {
    QString text;
    bool locked = false;
    QColor back, fore;
    qreal points = 0;
    bool operator==(const Look&) const = default;
};

inline QDebug operator<<(QDebug d, const Look& l)
{
    return d.noquote() << QStringLiteral("\"%1\" locked %2 back %3 fore %4 %5 pt")
                              .arg(l.text)
                              .arg(l.locked)
                              .arg(l.back.name(), l.fore.name())
                              .arg(l.points);
}

inline QList<Look> Board(const frmsudoku& w)
{
    QList<Look> board;
    for (const TextCell* c : w.tile)
        board.append({c->text(), c->locked(), c->backColor(), c->foreColor(), c->fontSize()});
    return board;
}

} // namespace gameFixture
