// The window tests' fixture: a deterministic start of the game, the example
// puzzle, and a cell's whole look for comparing boards.
#pragma once

#include "Module1.h"
#include "frmsudoku.h"
#include "msgBoxDriver.h"
#include "scriptedDraws.h"
#include "testAccess.h"
#include "textCell.h"

#include <QtTest>

#include <memory>
#include <string>

namespace gameFixture {

// A solution (of the key |538172694|231|312|132213321|321123231|42|), and what carve seed 101 blanks of it at
// level 1.
inline const std::string ExampleSolution =
    "926475831178963254345821967692718543713254698584639172839542716261397485457186329";
inline const std::string ExamplePuzzle =
    "906400801178003050345021007602718043000250600580600172839500000261397005407086329";

// The window as the program starts it (loaded, shown, first puzzle dealt at
// the level chosen at start), with scripted draws in place of the clock-seeded
// source, and its clock stopped so that no tick lands during a test.
inline std::unique_ptr<frmsudoku> Started()
{
    Module1::SetApplicationIdentity();
    // In the language of the test's environment, as the program starts
    // (ctest runs the window tests in English, under C and en_US).
    Module1::InstallTranslations(QLocale::system());
    Module1::TakeWindowBackColor();
    auto w = std::make_unique<frmsudoku>();
    // Every draw 0: the first puzzle is the seed grid itself, carved by seed 101.
    TestAccess::setDraws(*w, [] { return 0.0f; });
    // A box at start (no puzzle carved) would wait for an answer for ever.
    const MsgBoxDriver noBox;
    w->Form_Load();
    if (!noBox.ok()) QTest::qFail(qPrintable(noBox.failureText()), __FILE__, __LINE__);
    TestAccess::timer(*w)->stop();
    return w;
}

// Started, then showing puzzle with ExampleSolution stored, the clock at 0.
inline std::unique_ptr<frmsudoku> StartedWith(const std::string& puzzle)
{
    auto w = Started();
    TestAccess::showPuzzle(*w, puzzle, ExampleSolution);
    TestAccess::setElapsedSeconds(*w, 0);
    return w;
}

// A control of the window, found by its object name as a player's tools find it.
inline QWidget* Find(const frmsudoku& w, const QString& name) { return w.findChild<QWidget*>(name); }

// Everything of a cell the player sees or is kept out of.
struct Look {
    QString text;
    bool locked = false;
    QColor back;
    QColor fore;
    qreal points = 0;
    bool operator==(const Look&) const = default;
};

inline Look LookOf(const TextCell& cell)
{
    return {cell.text(), cell.locked(), cell.backColor(), cell.foreColor(), cell.fontSize()};
}

inline QList<Look> Board(const frmsudoku& w)
{
    QList<Look> board;
    for (int index = 0; index < 81; ++index) board.append(LookOf(*TestAccess::tile(w, index)));
    return board;
}

// What QCOMPARE prints of a look, so that a failed comparison of two boards
// shows the cell's index and both looks.
inline char* toString(const Look& look)
{
    const QString text = QString(look.text).replace(QLatin1String("\r\n"), QLatin1String("\\r\\n"));
    return qstrdup(qPrintable(QStringLiteral("\"%1\" %2 on %3 in %4 at %5 pt")
                                  .arg(text, look.locked ? QStringLiteral("locked") : QStringLiteral("open"),
                                       look.back.name(), look.fore.name())
                                  .arg(look.points)));
}

} // namespace gameFixture
