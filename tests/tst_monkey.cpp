// Monkey soak of the game window: random player actions from one printed seed, the invariants checked after each.
//
// MONKEY_SEED replays a run (unset: a fresh seed, printed first); MONKEY_ACTIONS sets its length (default 2000).
// Every choice, each new game's draws and the answers to the boxes included, comes from one generator, so a
// failure, which names the seed, the action's index and the action, replays exactly.
#include "Module1.h"
#include "frmsudoku.h"
#include "gridText.h"
#include "modDialogs.h"
#include "testAccess.h"
#include "textCell.h"

#include <QtTest>
#include <QtWidgets>

#include <random>

namespace {

// What a player throws at a cell, a piece at a time: ASCII digits and letters, line breaks whole and halved, other
// scripts' digits, CJK, emoji and lone surrogate halves, marks and blanks.
const QStringList Pieces = QStringLiteral("0|1|2|3|4|5|6|7|8|9|a|X| |-|\r\n|\r\n|\r|\n|\u0660|\u0966|\uFF11|\u4E00|"
                                          "\U0001F600|\U0001F9E9|\xD83D|\xDE00|\u0301|\u200D|\u00A0|\t")
                               .split(u'|');
const std::array Keys{Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,  Qt::Key_Down,
                      Qt::Key_Home,      Qt::Key_End,    Qt::Key_Return, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Escape,
                      Qt::Key_A,         Qt::Key_C,      Qt::Key_X,      Qt::Key_V};

// An open cell's look, "text, open, background, text colour": one ASCII digit on grey (an entry), red (marked by
// the check) or light yellow (filled in by Solve); or black on white nothing, or digits three to a line on at most
// three lines.
const QRegularExpression OpenLook(QRegularExpression::anchoredPattern(
    QStringLiteral("([0-9] open #(666666|ff0000|ffffc0)|(|[0-9]{2,3}|[0-9]{0,3}\r\n[0-9]{0,3}(\r\n[0-9]*)?) open "
                   "#ffffff) #000000")));
// A given's look: its digit, white on black, locked.
const QRegularExpression GivenLook(QRegularExpression::anchoredPattern(u"[1-9] locked #000000 #ffffff"));
// The clock: hours, minutes and seconds, never negative.
const QRegularExpression ClockLook(QRegularExpression::anchoredPattern(u"[0-9]{2,}:[0-5][0-9] [0-5][0-9]"));

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

public slots:
    void openUrl(const QUrl&) { } // the desktop's handler of web addresses: no browser starts

private slots:
    void soak()
    {
        // The offscreen platform reports each window feature it lacks, thousands of times in a soak.
        static QtMessageHandler testHandler = nullptr;
        testHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& where, const QString& what) {
            if (!what.startsWith(QLatin1String("This plugin does not support"))) testHandler(type, where, what);
        });
        for (const char* scheme : {"http", "https"}) QDesktopServices::setUrlHandler(scheme, this, "openUrl");
        seed = qEnvironmentVariableIsSet("MONKEY_SEED") ? qEnvironmentVariable("MONKEY_SEED").toULongLong()
                                                        : QRandomGenerator::system()->generate64();
        rng.seed(seed);
        qInfo("monkey: seed %llu (replay with MONKEY_SEED=%llu)", qulonglong(seed), qulonglong(seed));
        const int count = qEnvironmentVariable("MONKEY_ACTIONS", QStringLiteral("2000")).toInt();
        QTimer answerer;
        answerer.callOnTimeout(this, &TestMonkey::answerBoxes);
        answerer.start(1);
        for (int i = 0; i <= count; ++i) { // action 0 starts the program
            const QString action = act();
            QCoreApplication::processEvents();
            if (const QString broken = problem(); !broken.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, action %2 (%3): %4").arg(seed).arg(i).arg(action, broken)));
        }
        for (const char* scheme : {"http", "https"}) QDesktopServices::unsetUrlHandler(scheme);
        QString board; // a replay of the seed must end on the same board
        for (int index = 0; index < gridText::GridLength; ++index) board += TestAccess::tile(*w, index)->text() + u'|';
        qInfo("monkey: %d actions, board %zx, seed %llu", count, static_cast<size_t>(qHash(board)), qulonglong(seed));
    }

private:
    int draw(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

    template <class Control>
    Control* control(const char* name) const
    {
        return w->findChild<Control*>(QLatin1String(name));
    }

    QString randomText(int length)
    {
        QString text;
        while (text.size() < length) text += Pieces[draw(Pieces.size())];
        return text;
    }

    // The program's start, with the run's generator in place of the clock-seeded source for every game.
    void start()
    {
        Module1::SetApplicationIdentity();
        Module1::TakeWindowBackColor();
        w = std::make_unique<frmsudoku>();
        TestAccess::setDraws(*w, [this] { return static_cast<float>(rng() >> 40) * 0x1.0p-24f; });
        // Connected after the window's own handler, so it runs once the new game is dealt.
        connect(control<QPushButton>("newGame"), &QPushButton::clicked, this, &TestMonkey::rememberGivens);
        w->Form_Load();
        rememberGivens();
    }

    QString act()
    {
        const int kind = draw(100);
        if (!w || kind >= 99) { // the program's start, at first or after Quit
            if (w) QTest::mouseClick(control<QPushButton>("cmdQuit"), Qt::LeftButton);
            if (w && w->isVisible()) noticed = QStringLiteral("Quit left the window open");
            start();
            return QStringLiteral("the program starts");
        }
        TextCell* cell = TestAccess::tile(*w, draw(81));
        if (kind < 20) { // any key, Shift+Home/End and Ctrl+A/C/X/V among them
            const Qt::Key key = Keys[draw(Keys.size())];
            const auto modifier = std::array{Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier}[draw(3)];
            QTest::keyClick(cell, key, modifier);
            return QStringLiteral("key %1 into ").arg(QKeySequence(modifier | key).toString()) + cell->objectName();
        }
        if (kind < 27) { // a paste of up to 10,000 characters
            const QString text = randomText(1 + draw(draw(20) == 0 ? 10000 : 30));
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
            return QStringLiteral("paste of %1 characters into %2").arg(text.size()).arg(cell->objectName());
        }
        if (kind < 55) { // text of any script: a key's character, or an input method's commit of a few
            const QString text = randomText(kind < 45 ? 1 : 1 + draw(4));
            QKeyEvent press(QEvent::KeyPress, 0, {}, text);
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QApplication::sendEvent(cell, kind < 45 ? static_cast<QEvent*>(&press) : &commit);
            return QStringLiteral("%1 \"%2\" into %3")
                .arg(kind < 45 ? "types" : "input method commits", text, cell->objectName());
        }
        if (kind < 85) { // a click on any control but Quit, whose turn comes above; cells more often
            QList<QWidget*> targets = w->findChildren<QWidget*>();
            targets.removeIf([&](QWidget* t) {
                return t->objectName() == u"cmdQuit" || !t->isVisible() || qobject_cast<TextCell*>(t);
            });
            QWidget* target = draw(2) == 0 ? cell : draw(20) == 0 ? w.get() : targets[draw(targets.size())];
            const QPoint at(draw(target->width()), draw(target->height()));
            QContextMenuEvent menu(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
            if (const int how = draw(6); how == 0) QTest::mouseDClick(target, Qt::LeftButton, {}, at);
            else if (how == 1) QApplication::sendEvent(target, &menu);
            else QTest::mouseClick(target, Qt::LeftButton, how == 2 ? Qt::ShiftModifier : Qt::NoModifier, at);
            if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) { // a cell's menu: any command
                popup->actions().value(draw(popup->actions().size()))->trigger(); // a disabled one does nothing
                popup->close();
            }
            return QStringLiteral("click on %1 at (%2, %3)").arg(target->objectName()).arg(at.x()).arg(at.y());
        }
        if (kind < 94) { // a level chosen and a new game, a progress check, or Solve
            if (kind < 88)
                control<QRadioButton>(std::array{"Option1", "Option2", "Option3"}[draw(3)])->setChecked(true);
            auto* button = control<QPushButton>(std::array{"newGame", "cmdMathCheck", "Command4"}[(kind - 85) / 3]);
            button->click();
            return button->objectName() + QStringLiteral(" pressed");
        }
        const int ticks = draw(10) == 0 ? draw(20000) : 1;
        for (int n = 0; n < ticks; ++n) TestAccess::tick(*w);
        return QStringLiteral("%1 clock ticks").arg(ticks);
    }

    // Polled from inside each box's modal loop: leaves the box open a while, the clock perhaps ticking meanwhile,
    // then answers it with a random button, Escape or the close button.
    void answerBoxes()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        if (modDialogs::State() != modDialogs::DialogState::Styling || !modDialogs::FilterInstalled())
            noticed = QStringLiteral("box \"%1\" is open but not being styled").arg(box->text());
        const int answer = draw(8);
        if (answer == 0) QTest::keyClick(box, Qt::Key_Escape);
        else if (answer == 1) box->close();
        else if (answer < 4) box->buttons().value(draw(box->buttons().size()))->click();
        else if (answer == 7) TestAccess::tick(*w); // left open a while, the clock ticks
    }

    QString lookOf(int index) const
    {
        const TextCell& cell = *TestAccess::tile(*w, index);
        return QStringLiteral("%1 %2 %3 %4")
            .arg(cell.text(), cell.locked() ? QStringLiteral("locked") : QStringLiteral("open"),
                 cell.backColor().name(), cell.foreColor().name());
    }

    // Right after each start and new game: which cells are givens, each as it looks, its digit white on black.
    void rememberGivens()
    {
        for (int index = 0; index < gridText::GridLength; ++index) {
            givens[index] = TestAccess::tile(*w, index)->locked() ? lookOf(index) : QString();
            if (!givens[index].isEmpty() && !GivenLook.match(givens[index]).hasMatch())
                noticed = QStringLiteral("cell %1 was dealt locked as \"%2\"").arg(index).arg(givens[index]);
        }
    }

    // The first broken invariant, or empty. Called only when no box is open.
    QString problem() const
    {
        if (!noticed.isEmpty()) return noticed;
        if (!w->isVisible()) return QStringLiteral("the window is gone");
        if (const QString clock = control<QLabel>("lblTimer")->text(); !ClockLook.match(clock).hasMatch())
            return QStringLiteral("the clock shows \"%1\"").arg(clock);
        if (modDialogs::State() != modDialogs::DialogState::Idle || modDialogs::FilterInstalled())
            return QStringLiteral("no box is open, yet the dialog state is %1").arg(int(modDialogs::State()));
        for (int index = 0; index < gridText::GridLength; ++index) {
            const QString look = lookOf(index);
            if (!givens[index].isEmpty() && look != givens[index])
                return QStringLiteral("given %1 went from \"%2\" to \"%3\"").arg(index).arg(givens[index], look);
            if (givens[index].isEmpty() && !OpenLook.match(look).hasMatch())
                return QStringLiteral("open cell %1 shows \"%2\"").arg(index).arg(look);
        }
        return {};
    }

    std::uint64_t seed = 0;
    std::mt19937_64 rng;
    std::unique_ptr<frmsudoku> w;
    std::array<QString, gridText::GridLength> givens; // each given's look since the last new game; empty if open
    QString noticed; // a problem seen during an action, reported after it
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
