// Monkey soak of the game window: random player actions from one printed seed, the invariants checked after each.
//
// MONKEY_SEED replays a run (unset: a fresh seed, printed first); MONKEY_ACTIONS sets its length (default 2000).
// Every choice, each new game's draws and the answers to the boxes included, comes from one generator, so a
// failure, which names the seed and the action's index, replays exactly.
#include "gameFixture.h"

#include <QtWidgets>

#include <random>

using namespace gameFixture;

namespace {

// What a player pastes into a cell, a piece at a time: digits, a letter, a blank, line breaks whole and halved,
// other scripts' digits, an emoji, a lone surrogate half and a combining mark.
const QStringList Pieces = QStringLiteral("0|5|9|a| |\r\n|\r|\n|\u0660|\uFF11|\U0001F600|\xD83D|\u0301").split(u'|');
// Keys a player presses in a cell; with Ctrl, A, C, X and V select, copy, cut and paste.
const std::array Keys{Qt::Key_0,    Qt::Key_7,      Qt::Key_X, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
                      Qt::Key_Home, Qt::Key_Return, Qt::Key_A, Qt::Key_C,         Qt::Key_V};
// What an open cell may hold: ASCII digits laid out on lines.
const QRegularExpression OpenText(QRegularExpression::anchoredPattern(u"[0-9\r\n]*"));

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

public slots:
    void openUrl(const QUrl&) { } // the desktop's handler of web addresses: no browser starts

private slots:
    void soak()
    {
        for (const char* scheme : {"http", "https"}) QDesktopServices::setUrlHandler(scheme, this, "openUrl");
        const std::uint64_t seed = qEnvironmentVariableIsSet("MONKEY_SEED")
            ? qEnvironmentVariable("MONKEY_SEED").toULongLong()
            : QRandomGenerator::system()->generate64();
        const int count = qEnvironmentVariable("MONKEY_ACTIONS", QStringLiteral("2000")).toInt();
        qInfo("monkey: replay with MONKEY_SEED=%llu MONKEY_ACTIONS=%d", qulonglong(seed), count);
        rng.seed(seed);
        QTimer answerer; // polled from inside each box's modal loop
        answerer.callOnTimeout(this, &TestMonkey::answerBox);
        answerer.start(1);
        for (int action = 0; action < count; ++action) {
            act();
            QCoreApplication::processEvents();
            for (int index = 0; w->isVisible() && index < 81; ++index) { // after Quit, the next action starts again
                const Look look = LookOf(*TestAccess::tile(*w, index));
                const QString where = QStringLiteral("seed %1, action %2, cell %3: ").arg(seed).arg(action).arg(index);
                if (dealt[index].locked)
                    QVERIFY2(look == dealt[index], qPrintable(where + "the given became \"" + look.text + '"'));
                else QVERIFY2(OpenText.match(look.text).hasMatch(), qPrintable(where + "holds \"" + look.text + '"'));
            }
        }
        for (const char* scheme : {"http", "https"}) QDesktopServices::unsetUrlHandler(scheme);
        qInfo("monkey: %d actions, seed %llu", count, qulonglong(seed)); // CI reads this line to see the soak ran
    }

private:
    int draw(qsizetype n) { return static_cast<int>(rng() % static_cast<std::uint64_t>(n)); }

    // The program's start; every new game after the first draws from the run's generator.
    void start()
    {
        w = Started();
        TestAccess::setDraws(*w, [this] { return static_cast<float>(rng() >> 40) * 0x1.0p-24f; });
        // Connected after the window's own handler, so it runs once the new game is dealt.
        connect(w->findChild<QPushButton*>("newGame"), &QPushButton::clicked, this, [this] { dealt = Board(*w); });
        dealt = Board(*w);
    }

    void act()
    {
        if (!w || !w->isVisible()) return start(); // at first, or after Quit
        TextCell* cell = TestAccess::tile(*w, draw(81));
        const QList<QWidget*> controls = w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QWidget* control = controls[draw(controls.size())]; // a cell, a button, a level, a link, the clock or Quit
        QString text;
        switch (draw(4)) {
        case 0:
            return QTest::keyClick(cell, Keys.at(draw(Keys.size())),
                                   draw(3) == 0 ? Qt::ControlModifier : Qt::NoModifier);
        case 1:
            for (int n = draw(20); n >= 0; --n) text += Pieces[draw(Pieces.size())];
            QGuiApplication::clipboard()->setText(text);
            return QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
        case 2:
            return QTest::mouseClick(control, Qt::LeftButton, {},
                                     QPoint(draw(control->width()), draw(control->height())));
        default: return TestAccess::tick(*w);
        }
    }

    // Answers an open box with any of its buttons.
    void answerBox()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->buttons().at(draw(box->buttons().size()))->click();
    }

    std::mt19937_64 rng;
    std::unique_ptr<frmsudoku> w;
    QList<Look> dealt; // the board as the last game was dealt
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
