// Tests of the player's verdicts, the links and quitting, on the real window with real message boxes.
#include "gameFixture.h"
#include "msgBoxDriver.h"

#include "dialogs/modDialogs.h"

#include <QDesktopServices>

using namespace gameFixture;

namespace {

const std::string Puzzle = "926" + std::string(78, '0'); // givens 9 2 6 at the top left, every other cell open
const QString NoErrors = "Great Job!  No errors in your puzzle!";
const QString ErrorsFound = "Errors were found in your puzzle.  Try again!";
const QString NotComplete = "Your puzzle is not complete.  Do you want the solution now?";
const QString CompleteWithErrors =
    "Your puzzle is complete, but it has errors in it.  Do you want to see the solution?";
const QString CompletedIn = "Congratulations!  You completed this puzzle in ";

} // namespace

class TestGameplay : public QObject {
    Q_OBJECT
    std::unique_ptr<frmsudoku> w;
    QList<QUrl> opened;

public slots:
    void openUrl(const QUrl& url) { opened.append(url); } // the desktop's handler of web addresses: no browser starts

private slots:
    void init() { w = Started(Puzzle); }

    void verdicts_data()
    {
        // Check rows start from the puzzle, Solve rows from a complete board: the stored solution or, with 1 and 3
        // swapped, another that keeps every rule. Then the entries go in. A 9 in cell 27 repeats the given 9
        // above it and the entry 9 beside it, in cell 28; cell 40 is 5 in the solution.
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("red");
        const QString stored = QString::fromStdString(ExampleSolution);
        QString other = stored;
        for (QChar& d : other) d = d == u'1' ? u'3' : d == u'3' ? u'1' : d;
        const auto Ok = QMessageBox::Ok, Yes = QMessageBox::Yes, No = QMessageBox::No;
        QTest::newRow("check: repeats a given in its row") << ""
                                                           << "4:9" << Ok << ErrorsFound << "4";
        QTest::newRow("check: repeats a given in its column") << ""
                                                              << "36:9" << Ok << ErrorsFound << "36";
        QTest::newRow("check: two in a box, not a line") << ""
                                                         << "9:5 19:5" << Ok << ErrorsFound << "9 19";
        QTest::newRow("check: two in a row") << ""
                                             << "36:7 44:7" << Ok << ErrorsFound << "36 44";
        QTest::newRow("check: wrong but repeats nothing") << ""
                                                          << "40:1" << Ok << NoErrors << "";
        QTest::newRow("check: notes, never marked nor equal") << ""
                                                              << "27:1 30:12 32:12 39:21" << Ok << NoErrors << "";
        QTest::newRow("check: zero is always wrong") << ""
                                                     << "40:0 36:7 44:7" << Ok << ErrorsFound << "36 40 44";
        QTest::newRow("check: a mark stays until its text changes") << ""
                                                                    << "45:8 46:8 ! 46:3" << Ok << NoErrors << "45";
        QTest::newRow("solve: the stored solution") << stored << "" << Ok << CompletedIn + "00:00 21"
                                                    << "";
        QTest::newRow("solve: another rule-abiding board") << other << "" << Ok << CompletedIn + "00:00 21"
                                                           << "";
        QTest::newRow("solve: empty cell, No") << stored << "40:" << No << NotComplete << "";
        QTest::newRow("solve: note cell, Yes") << stored << "40:59" << Yes << NotComplete << "";
        QTest::newRow("solve: clash, No") << stored << "27:9" << No << CompleteWithErrors << "27 28";
        QTest::newRow("solve: clash, Yes") << stored << "27:9" << Yes << CompleteWithErrors << "27 28";
        QTest::newRow("solve: zero, Yes") << stored << "40:0" << Yes << CompleteWithErrors << "40";
    }

    // Check rows run on a light window background, Solve rows on a dark one: a box shows that colour, with black
    // text on the light one and the platform's text colour on the dark; its colouring is gone with it.
    void verdicts()
    {
        QFETCH(QString, board);
        QFETCH(QString, entries);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, message);
        QFETCH(QString, red);
        const bool solve = !board.isEmpty(), congratulated = solve && answer == QMessageBox::Ok;
        const bool shown = answer == QMessageBox::Yes, question = solve && !congratulated;
        const QColor pale(230, 230, 160), back = solve ? QColor(32, 32, 64) : QColor(255, 255, 224);
        QApplication::setPalette(
            QPalette(Qt::black, Qt::gray, Qt::white, Qt::black, Qt::gray, pale, Qt::white, back, back));
        Module1::TakeWindowBackColor();
        for (int k = 0; solve && k < 81; ++k) // the entry rules take each as an entry
            if (!w->tile[k]->locked()) w->tile[k]->setText(board.mid(k, 1));
        for (const QString& entry : entries.split(u' ', Qt::SkipEmptyParts)) // "index:text", or "!": run the rule check
            entry == "!" ? void(w->CheckForErrors())
                         : w->tile[entry.section(':', 0, 0).toInt()]->setText(entry.section(':', 1));
        const QList<Look> before = Board(*w);
        QList<Look> expected = before; // with the marks; on Yes with the solution, too
        for (const QString& k : red.split(' ', Qt::SkipEmptyParts)) expected[k.toInt()].back = QColor(255, 0, 0);
        w->lblTimer->setText("00:00 21"), w->elapsedSeconds = 30; // what a congratulation quotes is the caption

        MsgBoxDriver driver;
        QList<Look> openBoard; // the marks are on the board, no penalty is added yet
        std::pair<int, QColor> open; // and the text colour of the box
        driver.answer(answer, [&](QMessageBox* box) {
            const QLabel* label = box->findChild<QLabel*>("qt_msgbox_label");
            openBoard = Board(*w), open = {w->elapsedSeconds, label->palette().color(label->foregroundRole())};
        });
        QTest::mouseClick(solve ? w->Command4 : w->cmdMathCheck, Qt::LeftButton);
        QVERIFY2(driver.waitForAll() && driver.ok() && !modDialogs::FilterInstalled()
                     && modDialogs::State() == modDialogs::DialogState::Idle,
                 qPrintable(driver.failureText()));
        QCOMPARE(openBoard, expected);
        QCOMPARE(open, std::pair(30, solve ? pale : QColor(Qt::black)));
        const MsgBoxDriver::Box& box = driver.box(0);
        const QPoint corner(box.image.width() - 3, box.image.height() - 3);
        QCOMPARE(std::tuple(box.title, box.text, box.icon, box.buttons, box.image.pixelColor(2, 2),
                            box.image.pixelColor(corner)),
                 std::tuple(QString(congratulated ? "Congratulations!" : "Pellwick Sudoku"), message,
                            question ? QMessageBox::Question : QMessageBox::Information,
                            question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, back, back));
        for (int k = 0; k < 81 && shown; ++k) // only the cells that differ from the solution change
            if (const QString digit(QChar::fromLatin1(ExampleSolution[k])); before[k].text != digit)
                expected[k] = {digit, false, QColor(255, 255, 192), before[k].fore, 28};
        QCOMPARE(Board(*w), expected);
        const int penalty = shown || congratulated ? 0 : solve ? 5 : 4; // added once the box has closed
        QCOMPARE(std::pair(w->elapsedSeconds, w->Timer1->isActive()),
                 std::pair(30 + penalty, !shown && !congratulated));
    }

    void
    links() // each opens its own address, Label8, Label11 and a picture index out of range nothing; the game goes on
    {
        for (const char* scheme : {"http", "https"}) QDesktopServices::setUrlHandler(scheme, this, "openUrl");
        MsgBoxDriver driver; // no box may come
        for (const char* control : {"Label9", "Label8", "Picture3_0", "Label11", "Picture3_1", "Picture3_2"})
            QTest::mouseClick(w->findChild<QWidget*>(control), Qt::LeftButton);
        for (int index : {3, -1}) w->Picture3_Click(index);
        for (const char* scheme : {"http", "https"}) QDesktopServices::unsetUrlHandler(scheme);
        QCOMPARE(opened,
                 QList<QUrl>({QUrl(PELLWICK_URL_SITE), QUrl(PELLWICK_URL_FACEBOOK), QUrl(PELLWICK_URL_TWITTER),
                              QUrl(PELLWICK_URL_LINKEDIN)}));
        QVERIFY2(driver.ok() && w->Timer1->isActive() && w->isVisible(), qPrintable(driver.failureText()));
    }

    void quit() // "Quit" ends the program's own event loop at once, with no question mid-puzzle
    {
        w->tile[40]->setText("5");
        MsgBoxDriver driver;
        QTimer::singleShot(0, w->cmdQuit, [this] { QTest::mouseClick(w->cmdQuit, Qt::LeftButton); });
        QTimer::singleShot(3000, &driver, [] { QCoreApplication::exit(1); }); // if the program would not end
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY2(driver.ok() && !w->isVisible(), qPrintable(driver.failureText()));
    }
};

QTEST_MAIN(TestGameplay)
#include "tst_gameplay.moc"
