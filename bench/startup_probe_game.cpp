// Start-up probe of the game: the game's own start, up to the first paint that shows the puzzle in all 81 cells.
//
// main() is the game's main() line for line, with the clock read first and
// the paint hook installed just before the window is made. Form_Load paints the
// window once before the first puzzle is made; that paint shows an empty
// board and does not count. A cell paint counts once solutionGrid holds the
// puzzle's solution: ShowPuzzle runs straight after it is set, with no event
// processing in between, so every such paint already shows the puzzle. The
// probe reports when each of the 81 cells has had one.
#include "startup_probe.h"

#include "window/Module1.h"
#include "window/frmsudoku.h"
#include "window/textCell.h"

#include <QApplication>

#include <bitset>

int main(int argc, char* argv[])
{
    const auto start = startupProbe::Clock::now();
    QApplication app(argc, argv);
    Module1::SetApplicationIdentity();

    std::bitset<81> painted;
    const startupProbe::FirstPaintProbe probe(start, [&painted](QWidget* widget) {
        auto* cell = qobject_cast<TextCell*>(widget);
        const auto* form = cell ? qobject_cast<const frmsudoku*>(cell->window()) : nullptr;
        if (!form || form->solutionGrid.empty()) return false;
        for (std::size_t index = 0; index < form->tile.size(); ++index)
            if (form->tile[index] == cell) painted.set(index);
        return painted.all();
    });

    const auto form = Module1::SubMain();
    return QApplication::exec();
}
