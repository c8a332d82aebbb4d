// Start-up probe of the game: the game's own start, up to the first paint that shows the puzzle in all 81 cells.
//
// main() is the game's main() line for line, with the clock read first and
// the paint hook installed just before the window is made. Form_Load paints the
// window once before the first puzzle is made; that paint shows an empty
// board and does not count. A cell paint counts once some cell of the board
// is locked: before the first puzzle every cell is open, and ShowPuzzle puts
// the whole puzzle, givens locked, on the board with no event processing in
// between, so every such paint already shows the puzzle. The probe reports
// when each of the 81 cells has had one.
#include "startup_probe.h"

#include "Module1.h"
#include "frmsudoku.h"
#include "textCell.h"

#include <QApplication>
#include <QLocale>

#include <algorithm>
#include <bitset>

int main(int argc, char* argv[])
{
    const auto start = startupProbe::Clock::now();
    QApplication app(argc, argv);
    Module1::SetApplicationIdentity();
    Module1::InstallTranslations(QLocale::system());

    std::bitset<81> painted;
    // Once the puzzle is on the board it stays there; the board is searched
    // only until then, so the probe costs the measured start little.
    bool puzzleShown = false;
    const startupProbe::FirstPaintProbe probe(start, [&painted, &puzzleShown](QWidget* widget) {
        auto* cell = qobject_cast<TextCell*>(widget);
        if (!cell || cell->boardIndex() < 0) return false;
        if (!puzzleShown) {
            const auto board = cell->window()->findChildren<TextCell*>();
            puzzleShown = std::any_of(board.begin(), board.end(), [](const TextCell* c) { return c->locked(); });
            if (!puzzleShown) return false;
        }
        painted.set(static_cast<std::size_t>(cell->boardIndex()));
        return painted.all();
    });

    const auto form = Module1::SubMain();
    return QApplication::exec();
}
