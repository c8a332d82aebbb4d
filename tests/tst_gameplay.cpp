// Tests of the player's verdicts, the links and quitting, on the real window with real message boxes.
#include "gameFixture.h"
#include "msgBoxDriver.h"

#include "dialogs/modDialogs.h"

#include <QDesktopServices>
#include <QtTest>

using namespace gameFixture;

namespace {

const std::string Puzzle = "926" + std::string(78, '0'); // givens 9 2 6 at the top left, every other cell open
const QString NoErrors = "Great Job!  No errors in your puzzle!";
const QString ErrorsFound = "Errors were found in your puzzle.  Try again!";
const QString NotComplete = "Your puzzle is not complete.  Do you want the solution now?";
const QString CompleteWithErrors = "Your puzzle is complete, but it has errors in it.  Do you want to see the solution?";
const QString CompletedIn = "Congratulations!  You completed this puzzle in ";
const QColor Red(255, 0, 0), Grey(102, 102, 102);

// Writes entries "index:text index:text" into the cells, each through the entry rules; "index:" empties the cell.
void EnterAll(frmsudoku& w, const QString& entries)
{
    for (const QString& entry : entries.split(u' ', Qt::SkipEmptyParts))
        w.tile[entry.section(u':', 0, 0).toInt()]->setText(entry.section(u':', 1));
}

} // namespace

// Clicks a button whose boxes the driver answers; fails if a box failed to come or came unasked.
#define CLICK_THROUGH(button, driver)                                                                                  \
    QVERIFY2((QTest::mouseClick(button, Qt::LeftButton), driver.waitForAll() && driver.ok()), qPrintable(driver.failureText()))

class TestGameplay : public QObject {
    Q_OBJECT
    std::unique_ptr<frmsudoku> w;
    QList<QUrl> opened;
    const QPalette appPalette = QApplication::palette();

public slots:
    void openUrl(const QUrl& url) { opened.append(url); } // the desktop's handler of web addresses: no browser starts

private slots:
    void init()
    {
        for (const char* scheme : {"http", "https"}) QDesktopServices::setUrlHandler(scheme, this, "openUrl");
        w = Playing(Puzzle);
    }

    void cleanup()
    {
        for (const char* scheme : {"http", "https"}) QDesktopServices::unsetUrlHandler(scheme);
        QApplication::setPalette(appPalette);
        Module1::TakeWindowBackColor(); // from the palette just restored
    }

    void verdicts_data()
    {
        // Check rows start from the puzzle, Solve rows from a complete board: the stored solution or, with 1 and 3
        // swapped, another that keeps every rule. Then the entries go in. A 9 in cell 27 repeats the given 9
        // above it and the entry 9 beside it, in cell 28; cell 40 is 5 in the solution.
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QMessageBox::StandardButton>("answer"); // NoButton: Escape
        QTest::addColumn<QString>("message");
        QTest::addColumn<QList<int>>("red");
        const QString stored = QString::fromStdString(ExampleSolution);
        QString other = stored;
        for (QChar& d : other) d = d == u'1' ? u'3' : d == u'3' ? u'1' : d;
        const auto Ok = QMessageBox::Ok, Yes = QMessageBox::Yes, No = QMessageBox::No, Escape = QMessageBox::NoButton;
        QTest::newRow("check: repeats a given in its row") << "" << "4:9" << Ok << ErrorsFound << QList<int>{4};
        QTest::newRow("check: repeats a given in its column") << "" << "36:9" << Ok << ErrorsFound << QList<int>{36};
        QTest::newRow("check: two in a box, other row and column") << "" << "9:5 19:5" << Ok << ErrorsFound
                                                                   << QList<int>{9, 19};
        QTest::newRow("check: two in a row") << "" << "36:7 44:7" << Ok << ErrorsFound << QList<int>{36, 44};
        QTest::newRow("check: wrong but repeats nothing") << "" << "40:1" << Ok << NoErrors << QList<int>{};
        QTest::newRow("check: notes, never marked nor equal") << "" << "27:1 30:12 32:12 39:21" << Ok << NoErrors
                                                              << QList<int>{};
        QTest::newRow("check: zero repeats nothing yet is wrong") << "" << "40:0 36:7 44:7" << Ok << ErrorsFound
                                                                  << QList<int>{36, 40, 44};
        QTest::newRow("solve: the stored solution") << stored << "" << Ok << CompletedIn + "00:00 21" << QList<int>{};
        QTest::newRow("solve: another rule-abiding board") << other << "" << Ok << CompletedIn + "00:00 21" << QList<int>{};
        QTest::newRow("solve: empty cell, No") << stored << "40:" << No << NotComplete << QList<int>{};
        QTest::newRow("solve: empty cell, Escape") << stored << "40:" << Escape << NotComplete << QList<int>{};
        QTest::newRow("solve: note cell, Yes") << stored << "40:59" << Yes << NotComplete << QList<int>{};
        QTest::newRow("solve: clash, No") << stored << "27:9" << No << CompleteWithErrors << QList<int>{27, 28};
        QTest::newRow("solve: clash, Yes") << stored << "27:9" << Yes << CompleteWithErrors << QList<int>{27, 28};
        QTest::newRow("solve: zero, Yes") << stored << "40:0" << Yes << CompleteWithErrors << QList<int>{40};
    }

    void verdicts()
    {
        QFETCH(QString, board);
        QFETCH(QString, entries);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QList<int>, red);
        const bool solve = !board.isEmpty(), congratulated = solve && answer == QMessageBox::Ok;
        const bool shown = answer == QMessageBox::Yes, question = solve && !congratulated;
        for (int k = 0; solve && k < 81; ++k) // the entry rules take each as an entry
            if (!w->tile[k]->locked()) w->tile[k]->setText(board.mid(k, 1));
        EnterAll(*w, entries);
        const std::vector<Look> before = Board(*w);
        std::vector<Look> expected = before; // with the marks; on Yes with the solution, too
        for (int k : red) expected[k].back = Red;
        w->lblTimer->setText("00:00 21");
        w->elapsedSeconds = 30; // what a congratulation quotes is the caption

        MsgBoxDriver driver;
        QStringList whileOpen; // the marks are on the board, and no penalty is added yet
        const auto look = [&](QMessageBox*) { whileOpen = Said(Board(*w)) << QString::number(w->elapsedSeconds); };
        if (answer == QMessageBox::NoButton) driver.pressEscape(look);
        else driver.answer(answer, look);
        CLICK_THROUGH(solve ? w->Command4 : w->cmdMathCheck, driver);
        const MsgBoxDriver::Box& box = driver.box(0);
        QCOMPARE(box.title, congratulated ? "Congratulations!" : "Pellwick Sudoku");
        QTEST(box.text, "message");
        QCOMPARE(box.icon, question ? QMessageBox::Question : QMessageBox::Information);
        QCOMPARE(box.buttons, question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
        QCOMPARE(whileOpen, Said(expected) << "30");
        for (int k = 0; k < 81 && shown; ++k) // only the cells that differ from the solution change
            if (const QString digit(QChar::fromLatin1(ExampleSolution[k])); before[k].text != digit)
                expected[k] = {digit, false, QColor(255, 255, 192), before[k].fore, 28};
        QCOMPARE(Said(Board(*w)), Said(expected));
        QCOMPARE(w->elapsedSeconds, 30 + (shown || congratulated ? 0 : solve ? 5 : 4));
        QCOMPARE(w->Timer1->isActive(), !shown && !congratulated);
    }

    // A red mark stays until its own cell's text changes; penalties stop at the clock's largest value rather than wrap.
    void redMarkStaysAndPenaltiesSaturate()
    {
        EnterAll(*w, "45:8 46:8");
        w->elapsedSeconds = INT32_MAX - 6;
        MsgBoxDriver driver;
        for (const char* entries : {"", "46:3"}) { // the clash goes, and a check finds nothing
            EnterAll(*w, entries);
            driver.answer(QMessageBox::Ok);
            CLICK_THROUGH(w->cmdMathCheck, driver);
        }
        QCOMPARE(QStringList({driver.box(0).text, driver.box(1).text}), QStringList({ErrorsFound, NoErrors}));
        QCOMPARE(QList<QColor>({w->tile[45]->backColor(), w->tile[46]->backColor()}), QList<QColor>({Red, Grey}));
        QCOMPARE(w->elapsedSeconds, INT32_MAX);
        driver.answer(QMessageBox::No);
        CLICK_THROUGH(w->Command4, driver);
        QCOMPARE(w->elapsedSeconds, INT32_MAX);
        EnterAll(*w, "45:4");
        QCOMPARE(w->tile[45]->backColor(), Grey);
    }

    // A box shows the window-background colour, with black text on it when it is light, else the platform's
    // text colour; the colouring is gone with the box.
    void dialogColours()
    {
        const QColor light(255, 255, 224), dark(32, 32, 64), pale(230, 230, 160);
        for (auto [button, back, text] : {std::tuple{w->cmdMathCheck, light, QColor(Qt::black)}, {w->Command4, dark, pale}}) {
            QPalette palette = appPalette;
            palette.setColor(QPalette::Base, back);
            palette.setColor(QPalette::Text, pale);
            QApplication::setPalette(palette);
            Module1::TakeWindowBackColor();
            MsgBoxDriver driver;
            QColor shown;
            driver.answer(button == w->Command4 ? QMessageBox::No : QMessageBox::Ok, [&](QMessageBox* box) {
                if (auto* label = box->findChild<QLabel*>("qt_msgbox_label"))
                    shown = label->palette().color(label->foregroundRole());
            });
            CLICK_THROUGH(button, driver);
            const QImage image = driver.box(0).image;
            QCOMPARE(QList<QColor>({shown, image.pixelColor(2, 2), image.pixelColor(image.width() - 3, image.height() - 3)}),
                     QList<QColor>({text, back, back}));
            QVERIFY(!modDialogs::FilterInstalled() && modDialogs::State() == modDialogs::DialogState::Idle);
        }
    }

    void links() // each opens its own address, Label8, Label11 and a picture index out of range none; the game goes on
    {
        for (auto [control, address] : {std::pair{"Label9", PELLWICK_URL_SITE}, {"Picture3_0", PELLWICK_URL_FACEBOOK},
                                        {"Picture3_1", PELLWICK_URL_TWITTER}, {"Picture3_2", PELLWICK_URL_LINKEDIN},
                                        {"Label8", ""}, {"Label11", ""}, {"3", ""}, {"-1", ""}}) {
            opened.clear();
            MsgBoxDriver driver; // no box may come
            if (QWidget* target = w->findChild<QWidget*>(control)) QTest::mouseClick(target, Qt::LeftButton);
            else w->Picture3_Click(QString(control).toInt());
            QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
            QCOMPARE(opened, *address ? QList<QUrl>{QUrl(address)} : QList<QUrl>());
        }
        QVERIFY(w->Timer1->isActive() && w->isVisible());
    }

    // The program's own event loop runs; closing its only window ends it, with no question mid-puzzle.
    void quit()
    {
        for (bool button : {true, false}) {
            w = Playing(Puzzle);
            EnterAll(*w, "40:5");
            MsgBoxDriver driver;
            QTimer::singleShot(0, w.get(), [&] {
                if (button) QTest::mouseClick(w->cmdQuit, Qt::LeftButton);
                else w->close();
            });
            QTimer::singleShot(3000, &driver, [] { QCoreApplication::exit(1); }); // if the program would not end
            QCOMPARE(QApplication::exec(), 0);
            QVERIFY2(driver.ok() && !w->isVisible(), qPrintable(driver.failureText()));
        }
    }
};

QTEST_MAIN(TestGameplay)
#include "tst_gameplay.moc"
