// The program's entry: the application object, the game window, the event loop.
#include "Module1.h"
#include "frmsudoku.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Module1::SetApplicationIdentity();
    Module1::InstallTranslations(QLocale::system());
    const auto form = Module1::SubMain();
    return QApplication::exec();
}
