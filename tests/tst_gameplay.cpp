// Tests of the player's verdicts and the links, on the real window with real message boxes.
#include "gameFixture.h"
#include "msgBoxDriver.h"
#include "productInfo.h"

#include <QDesktopServices>

using namespace gameFixture;

namespace {

// Givens 9 2 6 at the top left, of the example solution; every other cell open.
const std::string Puzzle = "926" + std::string(78, '0');
const QString Solution = QString::fromStdString(ExampleSolution);
const QColor Red(255, 0, 0);

using Entries = QMap<int, QString>; // cell index and the text typed into it

// Types board's digit into every open cell, or the text entries holds for it.
void Fill(frmsudoku& w, const QString& board, const Entries& entries)
{
    for (int index = 0; index < 81; ++index)
        if (!TestAccess::tile(w, index)->locked())
            QTest::keyClicks(TestAccess::tile(w, index), entries.value(index, board.mid(index, 1)));
}

} // namespace

class TestGameplay : public QObject {
    Q_OBJECT
    std::unique_ptr<frmsudoku> w;
    QList<QUrl> opened;

public slots:
    void openUrl(const QUrl& url) { opened.append(url); } // the desktop's handler of web addresses: no browser starts

private slots:
    void initTestCase()
    {
        for (const char* scheme : {"http", "https"}) QDesktopServices::setUrlHandler(scheme, this, "openUrl");
    }

    void cleanupTestCase()
    {
        for (const char* scheme : {"http", "https"}) QDesktopServices::unsetUrlHandler(scheme);
    }

    void init()
    {
        w = StartedWith(Puzzle);
        // The clock runs, but no tick of its own lands while a test reads it.
        TestAccess::timer(*w)->start(3'600'000);
        opened.clear();
    }

    // The 9 in cell 4 repeats the given 9 of the top row; the 7s in cells 36 and 72 share the first column. Once 4
    // and 72 hold 3s that repeat nothing, the check passes and only 36 keeps its mark.
    void checkMarksEveryClashingEntryRedUntilItsOwnCellChanges()
    {
        Fill(*w, {}, {{4, "9"}, {36, "7"}, {72, "7"}});
        QList<Look> expected = Board(*w);
        for (int index : {4, 36, 72}) expected[index].back = Red; // not the given 9
        TestAccess::setElapsedSeconds(*w, 30);
        MsgBoxDriver driver;
        driver.answer(QMessageBox::Ok).answer(QMessageBox::Ok);
        QTest::mouseClick(Find(*w, "cmdMathCheck"), Qt::LeftButton);
        QCOMPARE(Board(*w), expected);
        QCOMPARE(TestAccess::elapsedSeconds(*w), 34); // four seconds once the box has closed
        for (int index : {4, 72}) {
            QTest::keyClick(TestAccess::tile(*w, index), Qt::Key_Backspace);
            QTest::keyClicks(TestAccess::tile(*w, index), "3");
        }
        QTest::mouseClick(Find(*w, "cmdMathCheck"), Qt::LeftButton);
        QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
        QCOMPARE(driver.box(0).text, "Errors were found in your puzzle.  Try again!");
        QCOMPARE(driver.box(0).icon, QMessageBox::Information);
        QCOMPARE(driver.box(1).text, "Great Job!  No errors in your puzzle!");
        QCOMPARE(TestAccess::tile(*w, 36)->backColor(), Red);
        QCOMPARE(TestAccess::tile(*w, 72)->backColor(), QColor(102, 102, 102)); // an entry's grey
    }

    void solveOffersTheSolution_data()
    {
        QTest::addColumn<Entries>("entries"); // typed instead of the solution's digit
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QList<int>>("red");
        QTest::addColumn<QList<int>>("revealed");
        const QString notComplete = "Your puzzle is not complete.  Do you want the solution now?";
        QTest::newRow("an empty cell: No adds five seconds and keeps the board")
            << Entries{{40, ""}} << QMessageBox::No << notComplete << QList<int>{} << QList<int>{};
        QTest::newRow("a note cell: Yes stops the clock and fills in the solution there")
            << Entries{{40, "59"}} << QMessageBox::Yes << notComplete << QList<int>{} << QList{40};
        // A 9 in cell 27 repeats the given 9 above it and the correct 9 beside it.
        QTest::newRow("a clash: Yes fills in only the wrong cell, the correct one stays red")
            << Entries{{27, "9"}} << QMessageBox::Yes
            << "Your puzzle is complete, but it has errors in it.  Do you want to see the solution?" << QList{27, 28}
            << QList{27};
    }

    void solveOffersTheSolution()
    {
        QFETCH(Entries, entries);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, question);
        QFETCH(QList<int>, red);
        QFETCH(QList<int>, revealed);
        Fill(*w, Solution, entries);
        TestAccess::setElapsedSeconds(*w, 30);
        QList<Look> expected = Board(*w);
        for (int index : red) expected[index].back = Red;
        MsgBoxDriver driver;
        driver.answer(answer);
        QTest::mouseClick(Find(*w, "Command4"), Qt::LeftButton);
        QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
        QCOMPARE(driver.box(0).title, "Pellwick Sudoku");
        QCOMPARE(driver.box(0).text, question);
        QCOMPARE(driver.box(0).icon, QMessageBox::Question);
        for (int index : revealed) // light yellow, at an entry's size, open to the player
            expected[index] = {Solution.mid(index, 1), false, {255, 255, 192}, expected[index].fore, 28};
        QCOMPARE(Board(*w), expected);
        const bool shown = answer == QMessageBox::Yes; // the solution stops the clock; No costs five seconds
        QCOMPARE(TestAccess::elapsedSeconds(*w), shown ? 30 : 35);
        QCOMPARE(TestAccess::timer(*w)->isActive(), !shown);
    }

    void finishedPuzzleIsCongratulated_data()
    {
        QTest::addColumn<QString>("board");
        QTest::newRow("the stored solution") << Solution;
        // The example solution with 1 and 3 swapped.
        QTest::newRow("another board that breaks no rule")
            << "926475813378961254145823967692738541731254698584619372819542736263197485457386129";
    }

    // The clock stops before the box shows, so no tick lands while it is open and Solve again quotes the same time.
    void finishedPuzzleIsCongratulated()
    {
        QFETCH(QString, board);
        Fill(*w, board, {});
        TestAccess::setElapsedSeconds(*w, 20);
        TestAccess::tick(*w);
        bool runningWhileOpen = true;
        MsgBoxDriver driver;
        driver.answer(QMessageBox::Ok, [&](QMessageBox*) { runningWhileOpen = TestAccess::timer(*w)->isActive(); });
        driver.answer(QMessageBox::Ok);
        QTest::mouseClick(Find(*w, "Command4"), Qt::LeftButton);
        QTest::mouseClick(Find(*w, "Command4"), Qt::LeftButton);
        QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
        QCOMPARE(driver.box(0).title, "Congratulations!");
        QCOMPARE(driver.box(0).text, "Congratulations!  You completed this puzzle in 00:00 21");
        QCOMPARE(runningWhileOpen, false);
        QCOMPARE(driver.box(1).text, driver.box(0).text);
        QCOMPARE(TestAccess::elapsedSeconds(*w), 21);
    }

    void linksOpenTheirPageOnce_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("twice"); // a double-click, whose first press and release are a click
        QTest::addColumn<QList<QUrl>>("pages");
        QTest::newRow("a double-click on the maker's name opens the site once")
            << "Label9" << true << QList{QUrl(productInfo::SiteUrl)};
        QTest::newRow("a double-click on the Facebook picture opens Facebook once")
            << "Picture3_0" << true << QList{QUrl(productInfo::FacebookUrl)};
        QTest::newRow("a click on the Twitter picture opens Twitter")
            << "Picture3_1" << false << QList{QUrl(productInfo::TwitterUrl)};
        QTest::newRow("a click on the LinkedIn picture opens LinkedIn")
            << "Picture3_2" << false << QList{QUrl(productInfo::LinkedInUrl)};
    }

    // Through the window system, which makes the second press of a double-click the double-click.
    void linksOpenTheirPageOnce()
    {
        QFETCH(QString, control);
        QFETCH(bool, twice);
        QFETCH(QList<QUrl>, pages);
        const QWidget* link = Find(*w, control);
        const QPoint centre = link->mapTo(w.get(), link->rect().center());
        if (twice) QTest::mouseDClick(w->windowHandle(), Qt::LeftButton, {}, centre);
        else QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, centre);
        QCOMPARE(opened, pages);
    }
};

QTEST_MAIN(TestGameplay)
#include "tst_gameplay.moc"
