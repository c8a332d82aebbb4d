// Tests of the player's verdicts, the links and quitting, on the real window with real message boxes.
//
// Each test starts the window as the program does and puts a fixed puzzle on
// it: givens 9 2 6 at the top left, every other cell open. The clock runs, too
// slowly to tick during a test, so only the handlers move elapsedSeconds.
#include "msgBoxDriver.h"

#include "dialogs/modDialogs.h"
#include "window/Module1.h"
#include "window/frmsudoku.h"
#include "window/textCell.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string Solution = "926475831178963254345821967692718543713254698584639172839542716261397485457186329";
const std::string Puzzle = "926" + std::string(78, '0');

const QString AppTitle = QStringLiteral("Pellwick Sudoku");
const QString CongratulationsTitle = QStringLiteral("Congratulations!");
const QString NoErrors = QStringLiteral("Great Job!  No errors in your puzzle!");
const QString ErrorsFound = QStringLiteral("Errors were found in your puzzle.  Try again!");
const QString NotComplete = QStringLiteral("Your puzzle is not complete.  Do you want the solution now?");
const QString CompleteWithErrors =
    QStringLiteral("Your puzzle is complete, but it has errors in it.  Do you want to see the solution?");
const QString CompletedIn = QStringLiteral("Congratulations!  You completed this puzzle in ");

const QColor Red(255, 0, 0);
const QColor Grey(102, 102, 102);
const QColor LightYellow(255, 255, 192);
constexpr int NeverTicks = 3600 * 1000;
constexpr auto Largest = std::numeric_limits<std::int32_t>::max();

// Everything of a cell the player sees or is kept out of.
struct Look {
    QString text;
    bool locked = false;
    QColor back, fore;
    qreal points = 0;
    bool operator==(const Look&) const = default;
};

std::vector<Look> Board(const frmsudoku& w)
{
    std::vector<Look> board;
    for (const TextCell* cell : w.tile)
        board.push_back({cell->text(), cell->locked(), cell->backColor(), cell->foreColor(), cell->fontSize()});
    return board;
}

// The looks in words, cell by cell, so that a comparison names the first cell that differs.
QStringList Shown(const std::vector<Look>& board)
{
    QStringList shown;
    for (const Look& l : board)
        shown.append(QStringLiteral("\"%1\" locked %2 back %3 fore %4 %5 pt")
                         .arg(l.text).arg(l.locked).arg(l.back.name(), l.fore.name()).arg(l.points));
    return shown;
}

// A box as title, text, icon and buttons, so that a comparison shows what differs.
QStringList Box(const QString& title, const QString& text, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)
{
    return {title, text, QString::number(icon), QString::number(buttons.toInt())};
}

QStringList Seen(const MsgBoxDriver& driver)
{
    const MsgBoxDriver::Box& box = driver.last();
    return driver.ok() ? Box(box.title, box.text, box.icon, box.buttons) : QStringList{driver.failureText()};
}

// Types entries "index:text index:text" over the cells' texts as the player does; "index:" deletes.
void EnterAll(frmsudoku& w, const QString& entries)
{
    for (const QString& entry : entries.split(u' ', Qt::SkipEmptyParts)) {
        const QString text = entry.section(u':', 1);
        TextCell* cell = w.tile[entry.section(u':', 0, 0).toInt()];
        cell->selectAll();
        if (text.isEmpty()) QTest::keyClick(cell, Qt::Key_Backspace);
        else QTest::keyClicks(cell, text);
    }
}

// Every open cell gets its digit of grid, which the entry rules take as an entry.
void Fill(frmsudoku& w, const std::string& grid)
{
    for (int k = 0; k < 81; ++k)
        if (!w.tile[k]->locked()) w.tile[k]->setText(QString(QChar::fromLatin1(grid[k])));
}

} // namespace

class TestGameplay : public QObject {
    Q_OBJECT

public slots:
    // The desktop's handler of web addresses while the tests run: no browser starts.
    void openUrl(const QUrl& url) { opened.append(url); }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void verdicts_data();
    void verdicts();
    void redMarkStaysUntilOwnTextChanges();
    void penaltiesSaturate();
    void dialogColours_data();
    void dialogColours();
    void links_data();
    void links();
    void quit_data();
    void quit();

private:
    // Clicks a button that opens exactly one box, which the driver answers.
    void clickThrough(QPushButton* button, MsgBoxDriver& driver);

    std::unique_ptr<frmsudoku> w;
    QList<QUrl> opened;
    QPalette appPalette;
};

void TestGameplay::initTestCase()
{
    Module1::SetApplicationIdentity();
    appPalette = QApplication::palette();
}

void TestGameplay::init()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
    opened.clear();
    w = Module1::SubMain();
    w->ShowPuzzle(Puzzle);
    w->solutionGrid = Solution;
    w->elapsedSeconds = 0;
    w->Timer1->start(NeverTicks);
}

void TestGameplay::cleanup()
{
    w.reset();
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QApplication::setPalette(appPalette);
    Module1::TakeWindowBackColor(); // from the palette just restored
}

void TestGameplay::clickThrough(QPushButton* button, MsgBoxDriver& driver)
{
    const qsizetype before = driver.count();
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY2(driver.ok(), qPrintable(driver.failureText()));
    QCOMPARE(driver.count(), before + 1);
}

// ---- Check Your Progress and Solve's offer --------------------------------

void TestGameplay::verdicts_data()
{
    // Check rows start from the puzzle, Solve rows from a complete board: the
    // stored solution or, with 1 and 3 swapped, another one that keeps every
    // rule. Then the entries go in. A 9 in cell 27 repeats the given 9 above
    // it and the entry 9 beside it, in cell 28; cell 40 is 5 in the solution.
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QMessageBox::StandardButton>("answer"); // NoButton: Escape
    QTest::addColumn<QString>("message");
    QTest::addColumn<QList<int>>("red");

    const QString stored = QString::fromStdString(Solution);
    QString other = stored;
    for (QChar& d : other) d = d == u'1' ? u'3' : d == u'3' ? u'1' : d;
    const auto check = [](const char* name, const char* entries, const QString& message, const QList<int>& red) {
        QTest::newRow(name) << QString() << entries << QMessageBox::Ok << message << red;
    };
    check("check: no entries", "", NoErrors, {});
    check("check: repeats a given in its row", "4:9", ErrorsFound, {4});
    check("check: repeats a given in its column", "36:9", ErrorsFound, {36});
    check("check: two in a box, other row and column", "9:5 19:5", ErrorsFound, {9, 19});
    check("check: two in a row", "36:7 44:7", ErrorsFound, {36, 44});
    check("check: two in a column", "37:4 73:4", ErrorsFound, {37, 73});
    check("check: wrong but repeats nothing", "40:1", NoErrors, {});
    check("check: notes never marked nor equal to a digit", "27:1 30:12 32:12 39:21", NoErrors, {});
    check("check: zero repeats nothing yet is wrong", "40:0", ErrorsFound, {40});
    check("check: zero beside a clash", "40:0 36:7 44:7", ErrorsFound, {36, 40, 44});

    const auto solve = [](const char* name, const QString& board, const char* entries,
                          QMessageBox::StandardButton answer, const QString& message, const QList<int>& red) {
        QTest::newRow(name) << board << entries << answer << message << red;
    };
    const QString done = CompletedIn + QStringLiteral("00:00 21");
    solve("solve: the stored solution", stored, "", QMessageBox::Ok, done, {});
    solve("solve: another rule-abiding board", other, "", QMessageBox::Ok, done, {});
    solve("solve: empty cell, No", stored, "40:", QMessageBox::No, NotComplete, {});
    solve("solve: empty cell, Escape", stored, "40:", QMessageBox::NoButton, NotComplete, {});
    solve("solve: empty cell, Yes", stored, "40:", QMessageBox::Yes, NotComplete, {});
    solve("solve: note cell, No", stored, "40:59", QMessageBox::No, NotComplete, {});
    solve("solve: note cell, Yes", stored, "40:59", QMessageBox::Yes, NotComplete, {});
    solve("solve: clash, No", stored, "27:9", QMessageBox::No, CompleteWithErrors, {27, 28});
    solve("solve: clash, Escape", stored, "27:9", QMessageBox::NoButton, CompleteWithErrors, {27, 28});
    solve("solve: clash, Yes", stored, "27:9", QMessageBox::Yes, CompleteWithErrors, {27, 28});
    solve("solve: zero, No", stored, "40:0", QMessageBox::No, CompleteWithErrors, {40});
    solve("solve: zero, Yes", stored, "40:0", QMessageBox::Yes, CompleteWithErrors, {40});
}

void TestGameplay::verdicts()
{
    QFETCH(QString, board);
    QFETCH(QString, entries);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(QString, message);
    QFETCH(QList<int>, red);
    const bool solve = !board.isEmpty();
    const bool congratulated = solve && answer == QMessageBox::Ok;
    const bool shown = answer == QMessageBox::Yes;
    if (solve) Fill(*w, board.toStdString());
    EnterAll(*w, entries);
    const std::vector<Look> before = Board(*w);
    std::vector<Look> marked = before;
    for (int k : red) marked[k].back = Red;
    w->elapsedSeconds = 20;
    w->Timer1_Timer();
    QCOMPARE(w->lblTimer->text(), QStringLiteral("00:00 21"));
    w->elapsedSeconds = 30; // a penalty the caption does not show yet

    MsgBoxDriver driver;
    int secondsWhileOpen = -1;
    bool clockRanWhileOpen = false;
    std::vector<Look> boardWhileOpen;
    const auto look = [&](QMessageBox*) {
        secondsWhileOpen = w->elapsedSeconds;
        clockRanWhileOpen = w->Timer1->isActive();
        boardWhileOpen = Board(*w);
    };
    if (answer == QMessageBox::NoButton) driver.pressEscape(look);
    else driver.answer(answer, look);
    bool clockRanDuringFill = false;
    for (TextCell* cell : w->tile)
        connect(cell, &TextCell::changed, w.get(), [&] { clockRanDuringFill |= w->Timer1->isActive(); });
    clickThrough(solve ? w->Command4 : w->cmdMathCheck, driver);

    if (solve && !congratulated)
        QCOMPARE(Seen(driver), Box(AppTitle, message, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No));
    else
        QCOMPARE(Seen(driver), Box(solve ? CongratulationsTitle : AppTitle, message, QMessageBox::Information,
                                   QMessageBox::Ok));
    // While the box is open the marks are on the board and the clock runs;
    // a penalty comes only after the box has closed.
    QCOMPARE(Shown(boardWhileOpen), Shown(marked));
    QVERIFY(clockRanWhileOpen);
    QCOMPARE(secondsWhileOpen, 30);
    // On Yes only the cells that differ from the solution change; givens,
    // correct entries and a correct entry marked red keep their look.
    std::vector<Look> expected = marked;
    for (int k = 0; k < 81 && shown; ++k)
        if (const QString digit(QChar::fromLatin1(Solution[k])); before[k].text != digit)
            expected[k] = {digit, false, LightYellow, before[k].fore, 28};
    QCOMPARE(Shown(Board(*w)), Shown(expected));
    QCOMPARE(w->elapsedSeconds, 30 + (shown || congratulated ? 0 : solve ? 5 : 4));
    QCOMPARE(w->Timer1->isActive(), !shown && !congratulated);
    QVERIFY2(!clockRanDuringFill, "a cell was filled while the clock still ran");
    if (!shown && !congratulated) return;

    // The board keeps every rule now: Solve again congratulates with the
    // stopped clock's caption and changes nothing.
    driver.answer(QMessageBox::Ok);
    clickThrough(w->Command4, driver);
    QCOMPARE(Seen(driver), Box(CongratulationsTitle, CompletedIn + QStringLiteral("00:00 21"),
                               QMessageBox::Information, QMessageBox::Ok));
    QVERIFY(!w->Timer1->isActive());
    QCOMPARE(w->elapsedSeconds, 30);
    QCOMPARE(Shown(Board(*w)), Shown(expected));
}

void TestGameplay::redMarkStaysUntilOwnTextChanges()
{
    EnterAll(*w, QStringLiteral("45:8 46:8"));
    MsgBoxDriver driver;
    driver.answer(QMessageBox::Ok).answer(QMessageBox::Ok);
    clickThrough(w->cmdMathCheck, driver);
    QCOMPARE(driver.text(), ErrorsFound);
    QCOMPARE(w->tile[45]->backColor(), Red);
    QCOMPARE(w->tile[46]->backColor(), Red);
    // The clash goes; the mark of the cell not edited stays, also through a
    // second check that finds nothing.
    EnterAll(*w, QStringLiteral("46:3"));
    QCOMPARE(w->tile[46]->backColor(), Grey);
    QCOMPARE(w->tile[45]->backColor(), Red);
    clickThrough(w->cmdMathCheck, driver);
    QCOMPARE(driver.text(), NoErrors);
    QCOMPARE(w->tile[45]->backColor(), Red);
    QCOMPARE(w->elapsedSeconds, 8);
    EnterAll(*w, QStringLiteral("45:4"));
    QCOMPARE(w->tile[45]->backColor(), Grey);
}

void TestGameplay::penaltiesSaturate()
{
    // The clock stops at its largest value rather than wrap to a negative time.
    MsgBoxDriver driver;
    driver.answer(QMessageBox::Ok).answer(QMessageBox::No);
    w->elapsedSeconds = Largest - 1;
    clickThrough(w->cmdMathCheck, driver);
    QCOMPARE(w->elapsedSeconds, Largest);
    w->elapsedSeconds = Largest - 3;
    clickThrough(w->Command4, driver);
    QCOMPARE(w->elapsedSeconds, Largest);
}

// ---- The colours of the boxes --------------------------------------------

void TestGameplay::dialogColours_data()
{
    QTest::addColumn<bool>("solve");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<QColor>("platformText");
    QTest::addColumn<QColor>("text");

    const QColor light(255, 255, 224), dark(32, 32, 64), pale(230, 230, 160), black(0, 0, 0);
    QTest::newRow("light window, Check") << false << light << pale << black;
    QTest::newRow("light window, Solve") << true << light << pale << black;
    QTest::newRow("dark window, Check") << false << dark << pale << pale;
    QTest::newRow("dark window, Solve") << true << dark << pale << pale;
    QTest::newRow("dark window, dark platform text") << false << dark << QColor(60, 60, 60) << QColor(Qt::white);
}

void TestGameplay::dialogColours()
{
    QFETCH(bool, solve);
    QFETCH(QColor, back);
    QFETCH(QColor, platformText);
    QFETCH(QColor, text);
    Module1::windowBackRed = static_cast<std::int16_t>(back.red());
    Module1::windowBackGreen = static_cast<std::int16_t>(back.green());
    Module1::windowBackBlue = static_cast<std::int16_t>(back.blue());
    QPalette palette = appPalette;
    palette.setColor(QPalette::Text, platformText);
    QApplication::setPalette(palette);

    MsgBoxDriver driver;
    QRect prompt;
    QColor promptText;
    driver.answer(solve ? QMessageBox::No : QMessageBox::Ok, [&](QMessageBox* box) {
        if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            prompt = QRect(label->mapTo(box, QPoint(0, 0)), label->size());
            promptText = label->palette().color(QPalette::WindowText);
        }
    });
    clickThrough(solve ? w->Command4 : w->cmdMathCheck, driver);
    QCOMPARE(promptText, text);
    const QImage image = driver.image();
    QVERIFY(!image.isNull() && !prompt.isEmpty());
    QCOMPARE(image.pixelColor(2, 2).toRgb(), back);
    QCOMPARE(image.pixelColor(image.width() - 3, image.height() - 3).toRgb(), back);
    // The core of some glyph of the prompt shows the text colour.
    bool drawn = false;
    for (int y = prompt.top(); y <= prompt.bottom() && y < image.height(); ++y)
        for (int x = prompt.left(); x <= prompt.right() && x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            drawn |= qAbs(c.red() - text.red()) <= 48 && qAbs(c.green() - text.green()) <= 48
                && qAbs(c.blue() - text.blue()) <= 48;
        }
    QVERIFY2(drawn, "no pixel of the prompt shows its text colour");
    QVERIFY(!modDialogs::FilterInstalled());
    QCOMPARE(modDialogs::State(), modDialogs::DialogState::Idle);
}

// ---- Links ----------------------------------------------------------------

void TestGameplay::links_data()
{
    QTest::addColumn<QString>("control"); // an object name, or empty to call Picture3_Click(index)
    QTest::addColumn<bool>("space");      // Space on the focused control instead of a click
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("address"); // empty: nothing opens

    QTest::newRow("maker's name") << "Label9" << false << 0 << PELLWICK_URL_SITE;
    QTest::newRow("Facebook") << "Picture3_0" << false << 0 << PELLWICK_URL_FACEBOOK;
    QTest::newRow("Twitter") << "Picture3_1" << false << 0 << PELLWICK_URL_TWITTER;
    QTest::newRow("LinkedIn") << "Picture3_2" << false << 0 << PELLWICK_URL_LINKEDIN;
    QTest::newRow("Facebook, Space") << "Picture3_0" << true << 0 << PELLWICK_URL_FACEBOOK;
    QTest::newRow("Twitter, Space") << "Picture3_1" << true << 0 << PELLWICK_URL_TWITTER;
    QTest::newRow("LinkedIn, Space") << "Picture3_2" << true << 0 << PELLWICK_URL_LINKEDIN;
    QTest::newRow("Visit Our Site:") << "Label8" << false << 0 << QString();
    QTest::newRow("copyright") << "Label11" << false << 0 << QString();
    QTest::newRow("picture index 3") << "" << false << 3 << QString();
    QTest::newRow("picture index -1") << "" << false << -1 << QString();
}

void TestGameplay::links()
{
    QFETCH(QString, control);
    QFETCH(bool, space);
    QFETCH(int, index);
    QFETCH(QString, address);
    QVERIFY(address.isEmpty() || QUrl(address).scheme() == QLatin1String("http"));
    w->elapsedSeconds = 42;
    MsgBoxDriver driver; // no box may come
    auto* target = control.isEmpty() ? nullptr : w->findChild<QWidget*>(control);
    QVERIFY(control.isEmpty() || target);
    if (!target) {
        w->Picture3_Click(index);
    } else if (!space) {
        QTest::mouseClick(target, Qt::LeftButton);
    } else {
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        target->setFocus(Qt::TabFocusReason);
        QVERIFY(target->hasFocus());
        QTest::keyClick(target, Qt::Key_Space);
    }

    QVERIFY2(driver.ok() && !driver.seen(), qPrintable(driver.failureText()));
    if (address.isEmpty()) QVERIFY2(opened.isEmpty(), qPrintable(opened.value(0).toString()));
    else QCOMPARE(opened, QList<QUrl>{QUrl(address)});
    QVERIFY(w->Timer1->isActive());
    QCOMPARE(w->elapsedSeconds, 42);
    QVERIFY(w->isVisible());
}

// ---- Quit -----------------------------------------------------------------

void TestGameplay::quit_data()
{
    QTest::addColumn<bool>("button");
    QTest::newRow("Quit") << true;
    QTest::newRow("close button") << false;
}

void TestGameplay::quit()
{
    QFETCH(bool, button);
    // The program's own event loop runs, as in the game; closing the only
    // window must end it, with no question asked in the middle of a puzzle.
    EnterAll(*w, QStringLiteral("40:5"));
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    MsgBoxDriver driver;
    QTimer::singleShot(0, w.get(), [&] {
        if (button) QTest::mouseClick(w->cmdQuit, Qt::LeftButton);
        else w->close();
    });
    QTimer hang; // ends the loop with 1 if the program would not end
    connect(&hang, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    hang.start(3000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY2(driver.ok() && !driver.seen(), qPrintable(driver.failureText()));
    QVERIFY(!w->isVisible());
    QCOMPARE(lastClosed.count(), 1);
}

QTEST_MAIN(TestGameplay)
#include "tst_gameplay.moc"
