// Start-up probe of the yardstick: an application with one plain window of the game window's size, up to its first
// paint.
//
// Built with the same flags and libraries as the game's probe, so that the
// difference between the two is what the game does on its way to the first
// puzzle, not how the program is linked.
#include "startup_probe.h"

#include "twips.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    const auto start = startupProbe::Clock::now();
    QApplication app(argc, argv);

    QWidget window;
    const startupProbe::FirstPaintProbe probe(start, [&window](QWidget* widget) { return widget == &window; });

    window.setFixedSize(TwipsSize(10950, 8220));
    window.show();
    return QApplication::exec();
}
