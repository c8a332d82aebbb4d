// Tests of the board cell: the text box on its own, and the entry rules driven through the real window.
#include "window/Module1.h"
#include "window/frmsudoku.h"
#include "window/textCell.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

namespace {

// The cell looks, as the game paints them.
const QColor White(255, 255, 255);
const QColor Black(0, 0, 0);
const QColor EnteredDigit(102, 102, 102);
const QColor ErrorRed(255, 0, 0);
const QColor Revealed(255, 255, 192);

const QString CrLf = QStringLiteral("\r\n");

Qt::Key KeyNamed(const QString& name)
{
    if (name == QLatin1String("Enter")) return Qt::Key_Return;
    if (name == QLatin1String("Backspace")) return Qt::Key_Backspace;
    if (name == QLatin1String("Delete")) return Qt::Key_Delete;
    if (name == QLatin1String("Home")) return Qt::Key_Home;
    if (name == QLatin1String("End")) return Qt::Key_End;
    if (name == QLatin1String("Left")) return Qt::Key_Left;
    if (name == QLatin1String("Right")) return Qt::Key_Right;
    return Qt::Key_unknown;
}

// Presses the keys of a script: plain characters are typed, {Name} presses
// the named key ({Enter}, {Backspace}, {Delete}, {Home}, {End}, {Left}, {Right}).
void Press(QWidget* widget, const QString& script)
{
    for (qsizetype i = 0; i < script.size(); ++i) {
        if (script[i] == u'{') {
            const qsizetype end = script.indexOf(u'}', i);
            QTest::keyClick(widget, KeyNamed(script.mid(i + 1, end - i - 1)));
            i = end;
        } else {
            QTest::keyClick(widget, script[i].toLatin1());
        }
    }
}

void SendCommit(QWidget* widget, const QString& commit)
{
    QInputMethodEvent event(QString(), {});
    event.setCommitString(commit);
    QCoreApplication::sendEvent(widget, &event);
}

bool InputMethodEnabled(QWidget* widget)
{
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QCoreApplication::sendEvent(widget, &query);
    return query.value(Qt::ImEnabled).toBool();
}

// A cell on a plain white window beside a button that can take the focus
// away, shown and active as on the board.
struct CellHost {
    QWidget window;
    TextCell* cell = nullptr;
    QPushButton* elsewhere = nullptr;

    CellHost()
    {
        window.resize(200, 120);
        QPalette white = window.palette();
        white.setColor(QPalette::Window, White);
        window.setPalette(white);
        window.setAutoFillBackground(true);
        cell = new TextCell(&window);
        cell->setGeometry(20, 20, 52, 52);
        cell->setForeColor(Black);
        elsewhere = new QPushButton(QStringLiteral("elsewhere"), &window);
        elsewhere->setGeometry(100, 20, 80, 30);
    }

    bool open()
    {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) return false;
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) return false;
        cell->setFocus();
        return cell->hasFocus();
    }
};

// Rows of ink: the rows of the picture's inside (its edge left out) that
// hold a pixel darker than mid grey, grouped into runs of adjacent rows.
struct InkBand {
    int top;
    int bottom;
    int left;
    int right;
};

QList<InkBand> InkBands(const QImage& image)
{
    constexpr int Edge = 3;
    QList<InkBand> bands;
    bool inBand = false;
    for (int y = Edge; y < image.height() - Edge; ++y) {
        int left = -1;
        int right = -1;
        for (int x = Edge; x < image.width() - Edge; ++x) {
            if (qGray(image.pixel(x, y)) >= 128) continue;
            if (left < 0) left = x;
            right = x;
        }
        if (left < 0) {
            inBand = false;
            continue;
        }
        if (!inBand) bands.append({y, y, left, right});
        InkBand& band = bands.last();
        band.bottom = y;
        band.left = std::min(band.left, left);
        band.right = std::max(band.right, right);
        inBand = true;
    }
    return bands;
}

// A valid solution, and puzzles made from it for the board tests.
const std::string Solution = "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// Puzzle A blanks the cells of a checkerboard: cell k is a blank when its
// row and column add up to an odd number, so cells 0, 8 and 80 are givens.
bool BlankInA(int k)
{
    return (k / 9 + k % 9) % 2 == 1;
}

std::string PuzzleA()
{
    std::string puzzle = Solution;
    for (int k = 0; k < 81; ++k)
        if (BlankInA(k)) puzzle[k] = '0';
    return puzzle;
}

// Puzzle B: the solution with every digit d relabelled to d mod 9 + 1, and
// every third cell (k mod 3 = 2) blank. So cell 0 stays a given with
// another digit, cell 1 turns from a blank into a given, cell 2 from a
// given into a blank, and cell 5 stays a blank.
bool BlankInB(int k)
{
    return k % 3 == 2;
}

std::string PuzzleB()
{
    std::string puzzle = Solution;
    for (int k = 0; k < 81; ++k) puzzle[k] = BlankInB(k) ? '0' : static_cast<char>('1' + (Solution[k] - '0') % 9);
    return puzzle;
}

} // namespace

class TestTextCell : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    // The cell on its own.
    void changedFiresInsideSetText();
    void changedFiresOncePerTypedKey();
    void noChangeNoSignal();
    void retypingSameTextIsAChange();
    void listenerRewriteSticks();
    void caretAfterTyping();
    void setTextPutsCaretAtZero();
    void setSelStartClamps_data();
    void setSelStartClamps();
    void controlKeysInsertNothing();
    void lockedRefusesEditing_data();
    void lockedRefusesEditing();
    void lockedAllowsSelectionAndCopy();
    void maxLengthRefusesTypedKey();
    void maxLengthRefusesWholeSurrogatePair();
    void pasteCutToRoom_data();
    void pasteCutToRoom();
    void pasteHugeText();
    void setTextIsNeverCut();
    void overLimitUntilDeleted();
    void enterInsertsLineBreak();
    void enterRefusedWithoutRoom();
    void lineBreakDeletedAsOne();
    void surrogatePairDeletedAsOne();
    void shiftSelection();
    void selectAllThenDelete();
    void cutRemovesSelection();
    void leaveRequested_data();
    void leaveRequested();
    void inputMethodCommit();
    void inputMethodRefusedWhenLocked();
    void doubleClickSelectsAll();
    void clickPlacesCaretOnOneLine();
    void clickPlacesCaretOnSecondLine();
    void paintsBackground_data();
    void paintsBackground();
    void edgeVisibleOnWhite();
    void noteDrawnAsCentredLines_data();
    void noteDrawnAsCentredLines();

    // The entry rules, through the game window.
    void typingSequences_data();
    void typingSequences();
    void digitsOneByOne();
    void tenthDigitRefused();
    void letterInsideNoteByCaret();
    void letterInsideNoteByMouse();
    void pasteThirteenDigits();
    void givenRefusesTyping();
    void paintedLookGoesOnChange_data();
    void paintedLookGoesOnChange();
    void showPuzzleCells();
    void showPuzzleOverPrevious();
    void arrowsMoveBetweenCells_data();
    void arrowsMoveBetweenCells();

private:
    frmsudoku& board();

    std::unique_ptr<frmsudoku> m_board;
};

void TestTextCell::initTestCase()
{
    Module1::SetApplicationIdentity();
    QCOMPARE(Solution.size(), size_t(81));
}

void TestTextCell::cleanup()
{
    m_board.reset();
    QGuiApplication::clipboard()->clear();
}

// The game window with puzzle A on its board, shown and active, clock stopped.
frmsudoku& TestTextCell::board()
{
    if (!m_board) {
        m_board = std::make_unique<frmsudoku>();
        m_board->Timer1->stop();
        m_board->ShowPuzzle(PuzzleA());
        m_board->show();
        if (QTest::qWaitForWindowExposed(m_board.get())) {
            m_board->activateWindow();
            (void)QTest::qWaitForWindowActive(m_board.get());
        }
    }
    return *m_board;
}

// ---- The cell on its own -------------------------------------------------

void TestTextCell::changedFiresInsideSetText()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    int calls = 0;
    QString seen;
    connect(cell, &TextCell::changed, cell, [&] {
        ++calls;
        seen = cell->text();
    });

    cell->setText(QStringLiteral("12"));
    // Heard before setText returned, with the new text already in place.
    QCOMPARE(calls, 1);
    QCOMPARE(seen, QStringLiteral("12"));

    cell->setText(QStringLiteral("123\r\n4"));
    QCOMPARE(calls, 2);
    QCOMPARE(seen, QStringLiteral("123\r\n4"));
    QCOMPARE(cell->text(), QStringLiteral("123\r\n4"));

    cell->setText(QString());
    QCOMPARE(calls, 3);
    QCOMPARE(seen, QString());
}

void TestTextCell::changedFiresOncePerTypedKey()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    QStringList texts;
    QList<int> carets;
    connect(cell, &TextCell::changed, cell, [&] {
        texts << cell->text();
        carets << cell->selStart();
    });

    QTest::keyClicks(cell, QStringLiteral("123"));
    QCOMPARE(texts, QStringList({QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("123")}));
    // The caret is already after the new character when the change is heard.
    QCOMPARE(carets, QList<int>({1, 2, 3}));

    QTest::keyClick(cell, Qt::Key_Backspace);
    QCOMPARE(texts.size(), 4);
    QCOMPARE(texts.last(), QStringLiteral("12"));
    QCOMPARE(carets.last(), 2);
}

void TestTextCell::noChangeNoSignal()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setText(QStringLiteral("12"));
    QSignalSpy spy(cell, &TextCell::changed);

    cell->setText(QStringLiteral("12"));
    QCOMPARE(spy.count(), 0);

    // Deleting at the ends of the text alters nothing.
    cell->setSelStart(0);
    QTest::keyClick(cell, Qt::Key_Backspace);
    cell->setSelStart(2);
    QTest::keyClick(cell, Qt::Key_Delete);
    // Nor does pasting an empty clipboard.
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(cell->text(), QStringLiteral("12"));

    QTest::keyClick(cell, Qt::Key_Left);
    QTest::keyClick(cell, Qt::Key_Home, Qt::ShiftModifier);
    QCOMPARE(spy.count(), 0);
}

void TestTextCell::retypingSameTextIsAChange()
{
    // A player who types a digit over itself has edited the cell (a red
    // mark goes), though the program writing the same text has not.
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setText(QStringLiteral("5"));
    QSignalSpy spy(cell, &TextCell::changed);

    cell->setText(QStringLiteral("5"));
    QCOMPARE(spy.count(), 0);
    cell->selectAll();
    QTest::keyClick(cell, '5');
    QCOMPARE(cell->text(), QStringLiteral("5"));
    QCOMPARE(spy.count(), 1);
}

void TestTextCell::listenerRewriteSticks()
{
    // A listener that rewrites the text under the lock, as the entry rules
    // do: upper case, caret at the end.
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    QStringList heard;
    connect(cell, &TextCell::changed, cell, [cell, &heard] {
        if (cell->locked()) return;
        heard << cell->text();
        cell->setLocked(true);
        cell->setText(cell->text().toUpper());
        cell->setSelStart(cell->text().size());
        cell->setLocked(false);
    });
    QSignalSpy spy(cell, &TextCell::changed);

    QTest::keyClick(cell, 'a');
    QCOMPARE(heard, QStringList({QStringLiteral("a")}));
    QCOMPARE(cell->text(), QStringLiteral("A"));
    QCOMPARE(cell->selStart(), 1);
    // The key's write and the listener's own write, each heard once.
    QCOMPARE(spy.count(), 2);

    QTest::keyClick(cell, 'b');
    QCOMPARE(heard.last(), QStringLiteral("Ab"));
    QCOMPARE(cell->text(), QStringLiteral("AB"));
    QCOMPARE(cell->selStart(), 2);

    // setText leaves the caret where the listener put it, not at 0.
    cell->setText(QStringLiteral("xyz"));
    QCOMPARE(heard.last(), QStringLiteral("xyz"));
    QCOMPARE(cell->text(), QStringLiteral("XYZ"));
    QCOMPARE(cell->selStart(), 3);
    QVERIFY(!cell->locked());
}

void TestTextCell::caretAfterTyping()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    QTest::keyClicks(cell, QStringLiteral("14"));
    QCOMPARE(cell->selStart(), 2);
    cell->setSelStart(1);
    QTest::keyClick(cell, '2');
    QCOMPARE(cell->text(), QStringLiteral("124"));
    QCOMPARE(cell->selStart(), 2);
    QCOMPARE(cell->selLength(), 0);
    QTest::keyClick(cell, '3');
    QCOMPARE(cell->text(), QStringLiteral("1234"));
    QCOMPARE(cell->selStart(), 3);
}

void TestTextCell::setTextPutsCaretAtZero()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    QTest::keyClicks(cell, QStringLiteral("123"));
    QCOMPARE(cell->selStart(), 3);
    cell->setText(QStringLiteral("4567"));
    QCOMPARE(cell->selStart(), 0);
    QCOMPARE(cell->selLength(), 0);

    cell->selectAll();
    cell->setText(QStringLiteral("89"));
    QCOMPARE(cell->selStart(), 0);
    QCOMPARE(cell->selLength(), 0);
}

void TestTextCell::setSelStartClamps_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("expected");

    QTest::newRow("negative") << -5 << 0;
    QTest::newRow("start") << 0 << 0;
    QTest::newRow("inside") << 3 << 3;
    QTest::newRow("end") << 6 << 6;
    QTest::newRow("past the end") << 7 << 6;
    QTest::newRow("far past the end") << 1000000 << 6;
}

void TestTextCell::setSelStartClamps()
{
    QFETCH(int, position);
    QFETCH(int, expected);
    CellHost host;
    TextCell* cell = host.cell;
    cell->setText(QStringLiteral("123\r\n4"));
    cell->selectAll();
    cell->setSelStart(position);
    QCOMPARE(cell->selStart(), expected);
    QCOMPARE(cell->selLength(), 0);
}

void TestTextCell::controlKeysInsertNothing()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setText(QStringLiteral("1"));
    QSignalSpy spy(cell, &TextCell::changed);
    QTest::keyClick(cell, Qt::Key_Escape);
    QTest::keyClick(cell, Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(cell, Qt::Key_F2);
    QCOMPARE(cell->text(), QStringLiteral("1"));
    QCOMPARE(spy.count(), 0);
}

void TestTextCell::lockedRefusesEditing_data()
{
    // The text is "123" CR LF "4" (6 characters); the caret is put at
    // caret, or the whole text selected.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("selectAll");

    QTest::newRow("typed digit") << QStringLiteral("5") << 6 << false;
    QTest::newRow("typed digit over a selection") << QStringLiteral("5") << 0 << true;
    QTest::newRow("Backspace") << QStringLiteral("{Backspace}") << 6 << false;
    QTest::newRow("Backspace after the line break") << QStringLiteral("{Backspace}") << 5 << false;
    QTest::newRow("Backspace on a selection") << QStringLiteral("{Backspace}") << 0 << true;
    QTest::newRow("Delete") << QStringLiteral("{Delete}") << 0 << false;
    QTest::newRow("Delete before the line break") << QStringLiteral("{Delete}") << 3 << false;
    QTest::newRow("Delete on a selection") << QStringLiteral("{Delete}") << 0 << true;
    QTest::newRow("Enter") << QStringLiteral("{Enter}") << 6 << false;
    QTest::newRow("paste") << QStringLiteral("paste") << 6 << false;
    QTest::newRow("paste over a selection") << QStringLiteral("paste") << 0 << true;
    QTest::newRow("cut") << QStringLiteral("cut") << 0 << true;
    QTest::newRow("cut with Shift+Delete") << QStringLiteral("shiftDelete") << 0 << true;
    QTest::newRow("input method") << QStringLiteral("commit") << 6 << false;
}

void TestTextCell::lockedRefusesEditing()
{
    QFETCH(QString, keys);
    QFETCH(int, caret);
    QFETCH(bool, selectAll);
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    const QString text = QStringLiteral("123\r\n4");
    cell->setText(text);
    cell->setSelStart(caret);
    if (selectAll) cell->selectAll();
    cell->setLocked(true);
    const int selStart = cell->selStart();
    const int selLength = cell->selLength();
    QGuiApplication::clipboard()->setText(QStringLiteral("9"));
    QSignalSpy spy(cell, &TextCell::changed);

    if (keys == QLatin1String("paste")) QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
    else if (keys == QLatin1String("cut")) QTest::keyClick(cell, Qt::Key_X, Qt::ControlModifier);
    else if (keys == QLatin1String("shiftDelete")) QTest::keyClick(cell, Qt::Key_Delete, Qt::ShiftModifier);
    else if (keys == QLatin1String("commit")) SendCommit(cell, QStringLiteral("7"));
    else Press(cell, keys);

    QCOMPARE(cell->text(), text);
    QCOMPARE(spy.count(), 0);
    QVERIFY(cell->locked());
    // A refused key leaves the caret and the selection as they were, and a
    // refused cut leaves the clipboard alone.
    QCOMPARE(cell->selStart(), selStart);
    QCOMPARE(cell->selLength(), selLength);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("9"));
}

void TestTextCell::lockedAllowsSelectionAndCopy()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setText(QStringLiteral("123\r\n4"));
    cell->setLocked(true);
    QSignalSpy spy(cell, &TextCell::changed);

    QTest::keyClick(cell, Qt::Key_End);
    QCOMPARE(cell->selStart(), 6);
    QTest::keyClick(cell, Qt::Key_Left);
    QCOMPARE(cell->selStart(), 5);
    // Left over a line break steps over both of its characters.
    QTest::keyClick(cell, Qt::Key_Left);
    QCOMPARE(cell->selStart(), 3);
    QTest::keyClick(cell, Qt::Key_Home, Qt::ShiftModifier);
    QCOMPARE(cell->selStart(), 0);
    QCOMPARE(cell->selLength(), 3);
    QTest::keyClick(cell, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("123"));

    QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(cell->selLength(), 6);
    QTest::keyClick(cell, Qt::Key_C, Qt::ControlModifier);
    // Copied as it stands, line break included.
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("123\r\n4"));

    QCOMPARE(spy.count(), 0);
    QCOMPARE(cell->text(), QStringLiteral("123\r\n4"));
}

void TestTextCell::maxLengthRefusesTypedKey()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setMaxLength(3);
    QSignalSpy spy(cell, &TextCell::changed);
    QTest::keyClicks(cell, QStringLiteral("1234"));
    QCOMPARE(cell->text(), QStringLiteral("123"));
    QCOMPARE(spy.count(), 3);
    QCOMPARE(cell->selStart(), 3);

    // Typing over a selection frees its room first.
    QTest::keyClick(cell, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(cell, '9');
    QCOMPARE(cell->text(), QStringLiteral("129"));
    QCOMPARE(spy.count(), 4);
}

void TestTextCell::maxLengthRefusesWholeSurrogatePair()
{
    // One key that types two UTF-16 units goes in whole or not at all.
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    const QString emoji = QStringLiteral("\U0001F600");
    cell->setMaxLength(2);
    QTest::keyClick(cell, '1');
    QSignalSpy spy(cell, &TextCell::changed);
    QTest::sendKeyEvent(QTest::Click, cell, Qt::Key_unknown, emoji, Qt::NoModifier);
    QCOMPARE(cell->text(), QStringLiteral("1"));
    SendCommit(cell, emoji);
    QCOMPARE(cell->text(), QStringLiteral("1"));
    QCOMPARE(spy.count(), 0);

    QTest::keyClick(cell, Qt::Key_Backspace);
    QTest::sendKeyEvent(QTest::Click, cell, Qt::Key_unknown, emoji, Qt::NoModifier);
    QCOMPARE(cell->text(), emoji);
    QCOMPARE(cell->selStart(), 2);
}

void TestTextCell::pasteCutToRoom_data()
{
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selFrom");
    QTest::addColumn<int>("selTo");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fits whole") << 13 << QStringLiteral("12") << 2 << 2 << QStringLiteral("345")
                                << QStringLiteral("12345");
    QTest::newRow("no limit") << 0 << QStringLiteral("12") << 2 << 2 << QString(40, u'7')
                              << QStringLiteral("12") + QString(40, u'7');
    QTest::newRow("cut to the room at the end") << 5 << QStringLiteral("12") << 2 << 2 << QStringLiteral("abcdef")
                                                << QStringLiteral("12abc");
    QTest::newRow("cut to the room in the middle") << 5 << QStringLiteral("12") << 1 << 1
                                                   << QStringLiteral("abcdef") << QStringLiteral("1abc2");
    QTest::newRow("selection replaced, room freed") << 5 << QStringLiteral("12345") << 1 << 3
                                                    << QStringLiteral("abcdef") << QStringLiteral("1ab45");
    QTest::newRow("whole text replaced") << 4 << QStringLiteral("1234") << 0 << 4 << QStringLiteral("abcdef")
                                         << QStringLiteral("abcd");
    QTest::newRow("no room, nothing pasted") << 3 << QStringLiteral("123") << 3 << 3 << QStringLiteral("4")
                                             << QStringLiteral("123");
    QTest::newRow("line break not split") << 3 << QStringLiteral("1") << 1 << 1 << QStringLiteral("a\r\nb")
                                          << QStringLiteral("1a");
    QTest::newRow("line break fits whole") << 4 << QStringLiteral("1") << 1 << 1 << QStringLiteral("a\r\nb")
                                           << QStringLiteral("1a\r\n");
    QTest::newRow("surrogate pair not split") << 3 << QStringLiteral("1") << 1 << 1
                                              << QStringLiteral("a\U0001F600b") << QStringLiteral("1a");
    QTest::newRow("surrogate pair fits whole") << 4 << QStringLiteral("1") << 1 << 1
                                               << QStringLiteral("a\U0001F600b")
                                               << QStringLiteral("1a\U0001F600");
}

void TestTextCell::pasteCutToRoom()
{
    QFETCH(int, maxLength);
    QFETCH(QString, text);
    QFETCH(int, selFrom);
    QFETCH(int, selTo);
    QFETCH(QString, clipboard);
    QFETCH(QString, expected);
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setMaxLength(maxLength);
    cell->setText(text);
    cell->setSelStart(selFrom);
    for (int n = selFrom; n < selTo; ++n) QTest::keyClick(cell, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(cell->selLength(), selTo - selFrom);
    QGuiApplication::clipboard()->setText(clipboard);
    QSignalSpy spy(cell, &TextCell::changed);

    QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(cell->text(), expected);
    QCOMPARE(spy.count(), expected == text ? 0 : 1);
    // The caret ends after what went in.
    QCOMPARE(cell->selStart(), selFrom + (expected.size() - (text.size() - (selTo - selFrom))));
    QCOMPARE(cell->selLength(), 0);
}

void TestTextCell::pasteHugeText()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setMaxLength(13);
    QString huge;
    for (int n = 0; n < 10000; ++n) huge += QChar(u'0' + n % 10);
    QGuiApplication::clipboard()->setText(huge);
    QSignalSpy spy(cell, &TextCell::changed);

    QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(cell->text(), huge.left(13));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(cell->selStart(), 13);

    QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(cell->text(), huge.left(13));
    QCOMPARE(spy.count(), 1);
}

void TestTextCell::setTextIsNeverCut()
{
    CellHost host;
    TextCell* cell = host.cell;
    cell->setMaxLength(13);
    const QString seventeen = QStringLiteral("123\r\n456\r\n7890123");
    QCOMPARE(seventeen.size(), 17);
    cell->setText(seventeen);
    QCOMPARE(cell->text(), seventeen);
    const QString long_(500, u'8');
    cell->setText(long_);
    QCOMPARE(cell->text(), long_);
}

void TestTextCell::overLimitUntilDeleted()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setMaxLength(13);
    cell->setText(QStringLiteral("123\r\n456\r\n7890123"));
    cell->setSelStart(17);
    QGuiApplication::clipboard()->setText(QStringLiteral("5"));
    QSignalSpy spy(cell, &TextCell::changed);

    QTest::keyClick(cell, '4');
    QTest::keyClick(cell, Qt::Key_Return);
    QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
    SendCommit(cell, QStringLiteral("6"));
    QCOMPARE(cell->text(), QStringLiteral("123\r\n456\r\n7890123"));
    QCOMPARE(spy.count(), 0);

    // Down to 13 characters: still no room.
    for (int n = 0; n < 4; ++n) QTest::keyClick(cell, Qt::Key_Backspace);
    QCOMPARE(cell->text(), QStringLiteral("123\r\n456\r\n789"));
    QTest::keyClick(cell, '4');
    QCOMPARE(cell->text(), QStringLiteral("123\r\n456\r\n789"));
    QCOMPARE(spy.count(), 4);

    // One more deleted makes room for one.
    QTest::keyClick(cell, Qt::Key_Backspace);
    QTest::keyClick(cell, '4');
    QTest::keyClick(cell, '5');
    QCOMPARE(cell->text(), QStringLiteral("123\r\n456\r\n784"));
    QCOMPARE(spy.count(), 6);
}

void TestTextCell::enterInsertsLineBreak()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    QTest::keyClicks(cell, QStringLiteral("12"));
    QSignalSpy spy(cell, &TextCell::changed);
    QTest::keyClick(cell, Qt::Key_Return);
    QCOMPARE(cell->text(), QStringLiteral("12\r\n"));
    QCOMPARE(cell->selStart(), 4);
    QCOMPARE(spy.count(), 1);

    // The keypad's Enter too, in the middle of the text.
    cell->setSelStart(1);
    QTest::keyClick(cell, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(cell->text(), QStringLiteral("1\r\n2\r\n"));
    QCOMPARE(cell->selStart(), 3);
    QCOMPARE(spy.count(), 2);
}

void TestTextCell::enterRefusedWithoutRoom()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setMaxLength(3);
    QTest::keyClicks(cell, QStringLiteral("12"));
    QSignalSpy spy(cell, &TextCell::changed);
    QTest::keyClick(cell, Qt::Key_Return);
    QCOMPARE(cell->text(), QStringLiteral("12"));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(cell->selStart(), 2);

    QTest::keyClick(cell, Qt::Key_Backspace);
    QTest::keyClick(cell, Qt::Key_Return);
    QCOMPARE(cell->text(), QStringLiteral("1\r\n"));
    QCOMPARE(spy.count(), 2);
}

void TestTextCell::lineBreakDeletedAsOne()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setText(QStringLiteral("12\r\n3"));
    QSignalSpy spy(cell, &TextCell::changed);

    cell->setSelStart(4);
    QTest::keyClick(cell, Qt::Key_Backspace);
    QCOMPARE(cell->text(), QStringLiteral("123"));
    QCOMPARE(cell->selStart(), 2);
    QCOMPARE(spy.count(), 1);

    cell->setText(QStringLiteral("12\r\n3"));
    cell->setSelStart(2);
    QTest::keyClick(cell, Qt::Key_Delete);
    QCOMPARE(cell->text(), QStringLiteral("123"));
    QCOMPARE(cell->selStart(), 2);

    // The caret steps over a line break in one move as well.
    cell->setText(QStringLiteral("12\r\n3"));
    cell->setSelStart(2);
    QTest::keyClick(cell, Qt::Key_Right);
    QCOMPARE(cell->selStart(), 4);
    QTest::keyClick(cell, Qt::Key_Left);
    QCOMPARE(cell->selStart(), 2);

    // A lone CR or LF is an ordinary character.
    cell->setText(QStringLiteral("1\n\r2"));
    cell->setSelStart(3);
    QTest::keyClick(cell, Qt::Key_Backspace);
    QCOMPARE(cell->text(), QStringLiteral("1\n2"));
}

void TestTextCell::surrogatePairDeletedAsOne()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setText(QStringLiteral("1\U0001F6002"));
    cell->setSelStart(3);
    QTest::keyClick(cell, Qt::Key_Backspace);
    QCOMPARE(cell->text(), QStringLiteral("12"));
    cell->setText(QStringLiteral("1\U0001F6002"));
    cell->setSelStart(1);
    QTest::keyClick(cell, Qt::Key_Delete);
    QCOMPARE(cell->text(), QStringLiteral("12"));
}

void TestTextCell::shiftSelection()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setText(QStringLiteral("12345"));
    cell->setSelStart(2);

    QTest::keyClick(cell, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(cell->selStart(), 2);
    QCOMPARE(cell->selLength(), 1);
    QCOMPARE(cell->selectedText(), QStringLiteral("3"));

    QTest::keyClick(cell, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(cell, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(cell->selStart(), 1);
    QCOMPARE(cell->selectedText(), QStringLiteral("2"));

    QTest::keyClick(cell, Qt::Key_Home, Qt::ShiftModifier);
    QCOMPARE(cell->selectedText(), QStringLiteral("12"));
    QTest::keyClick(cell, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(cell->selStart(), 2);
    QCOMPARE(cell->selectedText(), QStringLiteral("345"));

    QSignalSpy spy(cell, &TextCell::changed);
    QTest::keyClick(cell, 'x');
    QCOMPARE(cell->text(), QStringLiteral("12x"));
    QCOMPARE(cell->selStart(), 3);
    QCOMPARE(cell->selLength(), 0);
    QCOMPARE(spy.count(), 1);

    // Left or Right without Shift collapses a selection to its near end.
    QTest::keyClick(cell, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(cell, Qt::Key_Right);
    QCOMPARE(cell->selStart(), 3);
    QCOMPARE(cell->selLength(), 0);
    cell->selectAll();
    QTest::keyClick(cell, Qt::Key_Left);
    QCOMPARE(cell->selStart(), 0);
    QCOMPARE(cell->selLength(), 0);
}

void TestTextCell::selectAllThenDelete()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setText(QStringLiteral("123\r\n456\r\n789"));
    QSignalSpy spy(cell, &TextCell::changed);
    QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(cell->selLength(), 13);
    QTest::keyClick(cell, Qt::Key_Delete);
    QCOMPARE(cell->text(), QString());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(cell->selStart(), 0);
}

void TestTextCell::cutRemovesSelection()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setText(QStringLiteral("12345"));
    cell->setSelStart(1);
    QTest::keyClick(cell, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(cell, Qt::Key_Right, Qt::ShiftModifier);
    QSignalSpy spy(cell, &TextCell::changed);
    QTest::keyClick(cell, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(cell->text(), QStringLiteral("145"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("23"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(cell->selStart(), 1);
}

void TestTextCell::leaveRequested_data()
{
    // The text is "12"; setup is a caret position, or -1 for the whole text selected.
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("setup");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<bool>("leaves");
    QTest::addColumn<int>("caretAfter");

    const QString t = QStringLiteral("12");
    QTest::newRow("Up") << t << 1 << int(Qt::Key_Up) << false << false << true << 1;
    QTest::newRow("Down") << t << 1 << int(Qt::Key_Down) << false << false << true << 1;
    QTest::newRow("Up with a selection") << t << -1 << int(Qt::Key_Up) << false << false << true << 2;
    QTest::newRow("Down with Shift") << t << 0 << int(Qt::Key_Down) << true << false << true << 0;
    QTest::newRow("Up in a locked cell") << t << 1 << int(Qt::Key_Up) << false << true << true << 1;
    QTest::newRow("Left at the start") << t << 0 << int(Qt::Key_Left) << false << false << true << 0;
    QTest::newRow("Left inside") << t << 1 << int(Qt::Key_Left) << false << false << false << 0;
    QTest::newRow("Left at the start with a selection") << t << -1 << int(Qt::Key_Left) << false << false << false
                                                        << 0;
    QTest::newRow("Shift+Left at the start") << t << 0 << int(Qt::Key_Left) << true << false << false << 0;
    QTest::newRow("Right at the end") << t << 2 << int(Qt::Key_Right) << false << false << true << 2;
    QTest::newRow("Right inside") << t << 1 << int(Qt::Key_Right) << false << false << false << 2;
    QTest::newRow("Right at the end with a selection") << t << -1 << int(Qt::Key_Right) << false << false << false
                                                       << 2;
    QTest::newRow("Shift+Right at the end") << t << 2 << int(Qt::Key_Right) << true << false << false << 2;
    QTest::newRow("Right at the end of a locked cell") << t << 2 << int(Qt::Key_Right) << false << true << true << 2;
    QTest::newRow("Left in an empty cell") << QString() << 0 << int(Qt::Key_Left) << false << false << true << 0;
    QTest::newRow("Right in an empty cell") << QString() << 0 << int(Qt::Key_Right) << false << false << true << 0;
}

void TestTextCell::leaveRequested()
{
    QFETCH(QString, text);
    QFETCH(int, setup);
    QFETCH(int, key);
    QFETCH(bool, shift);
    QFETCH(bool, locked);
    QFETCH(bool, leaves);
    QFETCH(int, caretAfter);
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setText(text);
    if (setup < 0) cell->selectAll();
    else cell->setSelStart(setup);
    cell->setLocked(locked);
    QSignalSpy spy(cell, &TextCell::leaveRequested);

    QTest::keyClick(cell, Qt::Key(key), shift ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(spy.count(), leaves ? 1 : 0);
    if (leaves) QCOMPARE(spy.at(0).at(0).value<Qt::Key>(), Qt::Key(key));
    if (setup >= 0) QCOMPARE(cell->selStart() + cell->selLength(), caretAfter);
    else if (!leaves) QCOMPARE(cell->selStart(), caretAfter);
    if (!leaves || setup >= 0) QCOMPARE(cell->selLength(), 0);
    QCOMPARE(cell->text(), text);
}

void TestTextCell::inputMethodCommit()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    QVERIFY(InputMethodEnabled(cell));
    cell->setMaxLength(3);
    QTest::keyClick(cell, '1');
    QSignalSpy spy(cell, &TextCell::changed);

    SendCommit(cell, QStringLiteral("2"));
    QCOMPARE(cell->text(), QStringLiteral("12"));
    QCOMPARE(cell->selStart(), 2);
    QCOMPARE(spy.count(), 1);

    // The same limit as typing and pasting.
    SendCommit(cell, QStringLiteral("345"));
    QCOMPARE(cell->text(), QStringLiteral("123"));
    QCOMPARE(spy.count(), 2);

    // A commit replaces the selection, as a typed key does.
    cell->selectAll();
    SendCommit(cell, QString::fromUtf16(u"\u0663"));
    QCOMPARE(cell->text(), QString::fromUtf16(u"\u0663"));
    QCOMPARE(spy.count(), 3);

    // A composition that commits nothing changes nothing.
    SendCommit(cell, QString());
    QCOMPARE(spy.count(), 3);
}

void TestTextCell::inputMethodRefusedWhenLocked()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setText(QStringLiteral("5"));
    cell->setLocked(true);
    QVERIFY(!InputMethodEnabled(cell));
    QSignalSpy spy(cell, &TextCell::changed);
    SendCommit(cell, QStringLiteral("7"));
    QCOMPARE(cell->text(), QStringLiteral("5"));
    QCOMPARE(spy.count(), 0);

    cell->setLocked(false);
    QVERIFY(InputMethodEnabled(cell));
}

void TestTextCell::doubleClickSelectsAll()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setText(QStringLiteral("123\r\n4"));
    cell->setLocked(true);
    QTest::mouseDClick(cell, Qt::LeftButton, Qt::NoModifier, cell->rect().center());
    QCOMPARE(cell->selStart(), 0);
    QCOMPARE(cell->selLength(), 6);
}

void TestTextCell::clickPlacesCaretOnOneLine()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setFontSize(10);
    const QString text = QStringLiteral("12345");
    cell->setText(text);
    const QFontMetrics fm(cell->font());
    const int left = (cell->width() - fm.horizontalAdvance(text)) / 2;
    const int y = cell->height() / 2;

    // Just right of the boundary between "12" and "345", and just left of
    // the one between "1234" and "5".
    QTest::mouseClick(cell, Qt::LeftButton, Qt::NoModifier, QPoint(left + fm.horizontalAdvance(text.left(2)) + 1, y));
    QCOMPARE(cell->selStart(), 2);
    QCOMPARE(cell->selLength(), 0);
    QTest::mouseClick(cell, Qt::LeftButton, Qt::NoModifier, QPoint(left + fm.horizontalAdvance(text.left(4)) - 1, y));
    QCOMPARE(cell->selStart(), 4);

    QTest::mouseClick(cell, Qt::LeftButton, Qt::NoModifier, QPoint(2, y));
    QCOMPARE(cell->selStart(), 0);
    QTest::mouseClick(cell, Qt::LeftButton, Qt::NoModifier, QPoint(cell->width() - 2, y));
    QCOMPARE(cell->selStart(), 5);

    // Shift+click selects from the caret.
    QTest::mouseClick(cell, Qt::LeftButton, Qt::ShiftModifier,
                      QPoint(left + fm.horizontalAdvance(text.left(1)) + 1, y));
    QCOMPARE(cell->selStart(), 1);
    QCOMPARE(cell->selLength(), 4);
}

void TestTextCell::clickPlacesCaretOnSecondLine()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setFontSize(8);
    const QString text = QStringLiteral("123\r\n456");
    cell->setText(text);
    const QFontMetrics fm(cell->font());
    const int lineHeight = fm.height();
    const int centreY = cell->height() / 2;
    const int centreX = cell->width() / 2;

    QTest::mouseClick(cell, Qt::LeftButton, Qt::NoModifier, QPoint(centreX, centreY + lineHeight / 2));
    QVERIFY2(cell->selStart() >= 5 && cell->selStart() <= 8, QByteArray::number(cell->selStart()));
    QTest::mouseClick(cell, Qt::LeftButton, Qt::NoModifier, QPoint(centreX, centreY - lineHeight / 2));
    QVERIFY2(cell->selStart() >= 0 && cell->selStart() <= 3, QByteArray::number(cell->selStart()));

    // Between the 4 and the 5 of the second line.
    const int left = (cell->width() - fm.horizontalAdvance(QStringLiteral("456"))) / 2;
    QTest::mouseClick(cell, Qt::LeftButton, Qt::NoModifier,
                      QPoint(left + fm.horizontalAdvance(QStringLiteral("4")) + 1, centreY + lineHeight / 2));
    QCOMPARE(cell->selStart(), 6);
    // Below the text: the last line still.
    QTest::mouseClick(cell, Qt::LeftButton, Qt::NoModifier, QPoint(cell->width() - 3, cell->height() - 3));
    QCOMPARE(cell->selStart(), 8);
}

void TestTextCell::paintsBackground_data()
{
    QTest::addColumn<QColor>("back");
    QTest::addColumn<bool>("focused");

    QTest::newRow("white") << White << false;
    QTest::newRow("entered digit") << EnteredDigit << false;
    QTest::newRow("error") << ErrorRed << false;
    QTest::newRow("revealed") << Revealed << false;
    QTest::newRow("given") << Black << false;
    QTest::newRow("entered digit, focused") << EnteredDigit << true;
}

void TestTextCell::paintsBackground()
{
    QFETCH(QColor, back);
    QFETCH(bool, focused);
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    if (!focused) host.elsewhere->setFocus();
    QCOMPARE(cell->hasFocus(), focused);
    cell->setBackColor(back);
    QCOMPARE(cell->backColor(), back);

    const QImage image = cell->grab().toImage();
    QCOMPARE(image.size(), cell->size());
    // Clear of the edge, and of the caret that a focused empty cell shows in its middle.
    for (const QPoint point : {QPoint(10, 26), QPoint(5, 5), QPoint(46, 46), QPoint(5, 46), QPoint(40, 20)})
        QCOMPARE(image.pixelColor(point).rgb(), back.rgb());
}

void TestTextCell::edgeVisibleOnWhite()
{
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    cell->setBackColor(White);

    // The window around the cell is white too.
    const QImage around = host.window.grab().toImage();
    QCOMPARE(around.pixelColor(cell->x() - 2, cell->y() + 26).rgb(), White.rgb());

    for (bool focused : {true, false}) {
        if (focused) cell->setFocus();
        else host.elsewhere->setFocus();
        QCOMPARE(cell->hasFocus(), focused);
        const QImage image = cell->grab().toImage();
        QCOMPARE(image.pixelColor(10, 26).rgb(), White.rgb());
        for (const QPoint edge : {QPoint(0, 26), QPoint(51, 26), QPoint(26, 0), QPoint(26, 51)})
            QVERIFY2(image.pixelColor(edge).rgb() != White.rgb(),
                     qPrintable(QStringLiteral("edge at %1,%2, focused %3").arg(edge.x()).arg(edge.y()).arg(focused)));
    }
}

void TestTextCell::noteDrawnAsCentredLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("lines");

    QTest::newRow("entry") << QStringLiteral("5") << 28.0 << 1;
    QTest::newRow("two digits") << QStringLiteral("73") << 22.0 << 1;
    QTest::newRow("three digits") << QStringLiteral("123") << 10.0 << 1;
    QTest::newRow("two lines") << QStringLiteral("123\r\n456") << 8.0 << 2;
    QTest::newRow("short second line") << QStringLiteral("123\r\n4") << 8.0 << 2;
    QTest::newRow("three lines") << QStringLiteral("123\r\n456\r\n789") << 8.0 << 3;
}

void TestTextCell::noteDrawnAsCentredLines()
{
    QFETCH(QString, text);
    QFETCH(double, points);
    QFETCH(int, lines);
    CellHost host;
    QVERIFY(host.open());
    TextCell* cell = host.cell;
    // No caret, no focus frame: only the text is ink.
    host.elsewhere->setFocus();
    QVERIFY(!cell->hasFocus());
    cell->setBackColor(White);
    cell->setForeColor(Black);
    cell->setFontSize(points);
    cell->setText(text);

    const QImage image = cell->grab().toImage();
    const QList<InkBand> bands = InkBands(image);
    QCOMPARE(bands.size(), lines);
    const double centreX = (cell->width() - 1) / 2.0;
    int previousBottom = -1;
    for (const InkBand& band : bands) {
        QVERIFY(band.top > previousBottom);
        previousBottom = band.bottom;
        const double inkCentre = (band.left + band.right) / 2.0;
        QVERIFY2(std::abs(inkCentre - centreX) <= 2.0,
                 qPrintable(QStringLiteral("ink %1..%2, cell centre %3").arg(band.left).arg(band.right).arg(centreX)));
    }
    // The block of lines is centred from top to bottom as well.
    const double blockCentre = (bands.first().top + bands.last().bottom) / 2.0;
    QVERIFY2(std::abs(blockCentre - (cell->height() - 1) / 2.0) <= 5.0, QByteArray::number(blockCentre));
}

// ---- The entry rules, through the game window ----------------------------

void TestTextCell::typingSequences_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("points");
    QTest::addColumn<QColor>("back");

    QTest::newRow("7") << QStringLiteral("7") << QStringLiteral("7") << 28 << EnteredDigit;
    QTest::newRow("3 after 7") << QStringLiteral("73") << QStringLiteral("73") << 22 << White;
    QTest::newRow("nine digits") << QStringLiteral("123456789") << QStringLiteral("123\r\n456\r\n789") << 8 << White;
    QTest::newRow("letter in an empty cell") << QStringLiteral("x") << QString() << 28 << White;
    QTest::newRow("letter after 5") << QStringLiteral("5x") << QStringLiteral("5") << 22 << EnteredDigit;
    QTest::newRow("letter after 123") << QStringLiteral("123x") << QStringLiteral("123\r\n") << 8 << White;
    QTest::newRow("letter then digit") << QStringLiteral("x5") << QStringLiteral("5") << 28 << EnteredDigit;
    QTest::newRow("0") << QStringLiteral("0") << QStringLiteral("0") << 28 << EnteredDigit;
    QTest::newRow("55") << QStringLiteral("55") << QStringLiteral("55") << 22 << White;
    QTest::newRow("only digit deleted") << QStringLiteral("7{Backspace}") << QString() << 28 << White;
    QTest::newRow("only digit deleted forward") << QStringLiteral("7{Home}{Delete}") << QString() << 28 << White;
    QTest::newRow("4 deleted from the note") << QStringLiteral("1234{Backspace}") << QStringLiteral("123") << 10
                                             << White;
    QTest::newRow("Enter at the end of the note") << QStringLiteral("1234{Enter}") << QStringLiteral("123\r\n4")
                                                  << 8 << White;
    QTest::newRow("Enter at the start of the note")
        << QStringLiteral("1234{Home}{Enter}") << QStringLiteral("123\r\n4") << 8 << White;
    QTest::newRow("Enter in the entry") << QStringLiteral("7{Home}{Enter}") << QStringLiteral("7") << 28
                                        << EnteredDigit;
    QTest::newRow("Enter in an empty cell") << QStringLiteral("{Enter}") << QString() << 28 << White;
    QTest::newRow("letter between 2 and 3 of the note")
        << QStringLiteral("12345{Home}{Right}{Right}x") << QStringLiteral("12\r\n345") << 8 << White;
    QTest::newRow("then 6 at the end") << QStringLiteral("12345{Home}{Right}{Right}x6") << QStringLiteral("123\r\n456")
                                       << 8 << White;
    QTest::newRow("digit put first") << QStringLiteral("123{Home}9") << QStringLiteral("912\r\n3") << 8 << White;
}

void TestTextCell::typingSequences()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, points);
    QFETCH(QColor, back);
    frmsudoku& w = board();
    TextCell* cell = w.tile[1];
    QVERIFY(!cell->locked());
    cell->setFocus();

    Press(cell, keys);
    QCOMPARE(cell->text(), text);
    QCOMPARE(cell->fontSize(), qreal(points));
    QCOMPARE(cell->backColor(), back);
    QCOMPARE(cell->foreColor(), Black);
    QCOMPARE(cell->selStart(), int(text.size()));
    QCOMPARE(cell->selLength(), 0);
    QVERIFY(!cell->locked());
}

void TestTextCell::digitsOneByOne()
{
    frmsudoku& w = board();
    TextCell* cell = w.tile[1];
    struct Step {
        char key;
        QString text;
        qreal points;
        QColor back;
    };
    const Step steps[] = {
        {'1', QStringLiteral("1"), 28, EnteredDigit},
        {'2', QStringLiteral("12"), 22, White},
        {'3', QStringLiteral("123"), 10, White},
        {'4', QStringLiteral("123\r\n4"), 8, White},
        {'5', QStringLiteral("123\r\n45"), 8, White},
        {'6', QStringLiteral("123\r\n456"), 8, White},
        {'7', QStringLiteral("123\r\n456\r\n7"), 8, White},
    };
    for (const Step& step : steps) {
        QTest::keyClick(cell, step.key);
        QCOMPARE(cell->text(), step.text);
        QCOMPARE(cell->fontSize(), step.points);
        QCOMPARE(cell->backColor(), step.back);
        QCOMPARE(cell->selStart(), int(step.text.size()));
        QVERIFY(!cell->locked());
    }
}

void TestTextCell::tenthDigitRefused()
{
    frmsudoku& w = board();
    TextCell* cell = w.tile[1];
    QTest::keyClicks(cell, QStringLiteral("123456789"));
    QCOMPARE(cell->text(), QStringLiteral("123\r\n456\r\n789"));
    QCOMPARE(cell->text().size(), 13);
    QSignalSpy spy(cell, &TextCell::changed);
    QTest::keyClick(cell, '1');
    QTest::keyClick(cell, Qt::Key_Return);
    QCOMPARE(cell->text(), QStringLiteral("123\r\n456\r\n789"));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(cell->fontSize(), 8.0);
}

void TestTextCell::letterInsideNoteByCaret()
{
    frmsudoku& w = board();
    TextCell* cell = w.tile[1];
    QTest::keyClicks(cell, QStringLiteral("12345"));
    QCOMPARE(cell->text(), QStringLiteral("123\r\n45"));
    cell->setSelStart(2);
    QTest::keyClick(cell, 'x');
    QCOMPARE(cell->text(), QStringLiteral("12\r\n345"));
    QCOMPARE(cell->selStart(), 7);
    QCOMPARE(cell->fontSize(), 8.0);
    QTest::keyClick(cell, '6');
    QCOMPARE(cell->text(), QStringLiteral("123\r\n456"));
    QCOMPARE(cell->selStart(), 8);
}

void TestTextCell::letterInsideNoteByMouse()
{
    frmsudoku& w = board();
    TextCell* cell = w.tile[1];
    QTest::keyClicks(cell, QStringLiteral("12345"));
    QCOMPARE(cell->text(), QStringLiteral("123\r\n45"));

    // On the first line, at the boundary between the 2 and the 3.
    const QFontMetrics fm(cell->font());
    const int top = (cell->height() - 2 * fm.height()) / 2;
    const int left = (cell->width() - fm.horizontalAdvance(QStringLiteral("123"))) / 2;
    QTest::mouseClick(cell, Qt::LeftButton, Qt::NoModifier,
                      QPoint(left + fm.horizontalAdvance(QStringLiteral("12")), top + fm.height() / 2));
    QCOMPARE(cell->selStart(), 2);
    QTest::keyClick(cell, 'x');
    QCOMPARE(cell->text(), QStringLiteral("12\r\n345"));
    QTest::keyClick(cell, '6');
    QCOMPARE(cell->text(), QStringLiteral("123\r\n456"));
}

void TestTextCell::pasteThirteenDigits()
{
    frmsudoku& w = board();
    TextCell* cell = w.tile[1];
    QGuiApplication::clipboard()->setText(QStringLiteral("1234567890123"));
    QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(cell->text(), QStringLiteral("123\r\n456\r\n7890123"));
    QCOMPARE(cell->text().size(), 17);
    QCOMPARE(cell->fontSize(), 8.0);
    QCOMPARE(cell->backColor(), White);
    QCOMPARE(cell->selStart(), 17);

    QSignalSpy spy(cell, &TextCell::changed);
    QTest::keyClick(cell, '4');
    QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(cell->text(), QStringLiteral("123\r\n456\r\n7890123"));
    QCOMPARE(spy.count(), 0);

    // Deleting makes room again; the rules lay the rest out anew.
    for (int n = 0; n < 5; ++n) QTest::keyClick(cell, Qt::Key_Backspace);
    QTest::keyClick(cell, '4');
    QCOMPARE(cell->text(), QStringLiteral("123\r\n456\r\n784"));
}

void TestTextCell::givenRefusesTyping()
{
    frmsudoku& w = board();
    TextCell* cell = w.tile[0];
    const QString digit = QString(QChar(Solution[0]));
    QCOMPARE(cell->text(), digit);
    QVERIFY(cell->locked());
    QGuiApplication::clipboard()->setText(QStringLiteral("9"));
    QSignalSpy spy(cell, &TextCell::changed);

    Press(cell, QStringLiteral("5x{Backspace}{Home}{Delete}{Enter}"));
    QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(cell, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(cell, Qt::Key_Delete);
    SendCommit(cell, QStringLiteral("3"));

    QCOMPARE(spy.count(), 0);
    QCOMPARE(cell->text(), digit);
    QVERIFY(cell->locked());
    QCOMPARE(cell->backColor(), Black);
    QCOMPARE(cell->foreColor(), White);
    QCOMPARE(cell->fontSize(), 28.0);
}

void TestTextCell::paintedLookGoesOnChange_data()
{
    QTest::addColumn<QColor>("painted");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("back");

    QTest::newRow("error, digit replaced") << ErrorRed << QStringLiteral("{Backspace}6") << QStringLiteral("6")
                                           << EnteredDigit;
    QTest::newRow("error, digit deleted") << ErrorRed << QStringLiteral("{Backspace}") << QString() << White;
    QTest::newRow("error, note made") << ErrorRed << QStringLiteral("3") << QStringLiteral("53") << White;
    QTest::newRow("error, letter typed") << ErrorRed << QStringLiteral("x") << QStringLiteral("5") << EnteredDigit;
    QTest::newRow("revealed, digit replaced") << Revealed << QStringLiteral("{Backspace}6") << QStringLiteral("6")
                                              << EnteredDigit;
    QTest::newRow("revealed, digit deleted") << Revealed << QStringLiteral("{Backspace}") << QString() << White;
}

void TestTextCell::paintedLookGoesOnChange()
{
    QFETCH(QColor, painted);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(QColor, back);
    frmsudoku& w = board();
    TextCell* cell = w.tile[1];
    QTest::keyClick(cell, '5');
    cell->setBackColor(painted);
    QCOMPARE(cell->backColor(), painted);

    // Caret moves alone are no change.
    Press(cell, QStringLiteral("{Home}{End}"));
    QCOMPARE(cell->backColor(), painted);

    Press(cell, keys);
    QCOMPARE(cell->text(), text);
    QCOMPARE(cell->backColor(), back);
}

void TestTextCell::showPuzzleCells()
{
    frmsudoku& w = board();
    const std::string puzzle = PuzzleA();
    QCOMPARE(w.tile[0]->text(), QString(QChar(puzzle[0])));
    QCOMPARE(w.tile[8]->text(), QString(QChar(puzzle[8])));
    QCOMPARE(w.tile[80]->text(), QString(QChar(puzzle[80])));
    QCOMPARE(w.tile[0]->text(), QStringLiteral("5"));
    QCOMPARE(w.tile[8]->text(), QStringLiteral("2"));
    QCOMPARE(w.tile[80]->text(), QStringLiteral("9"));

    for (int k = 0; k < 81; ++k) {
        const TextCell* cell = w.tile[k];
        QCOMPARE(cell->maxLength(), 13);
        if (BlankInA(k)) {
            QCOMPARE(cell->text(), QString());
            QVERIFY(!cell->locked());
            QCOMPARE(cell->backColor(), White);
            QCOMPARE(cell->foreColor(), Black);
        } else {
            QCOMPARE(cell->text(), QString(QChar(puzzle[k])));
            QVERIFY(cell->locked());
            QCOMPARE(cell->backColor(), Black);
            QCOMPARE(cell->foreColor(), White);
            // Written into an open cell on the first puzzle: the rules gave it 28 pt.
            QCOMPARE(cell->fontSize(), 28.0);
        }
    }
}

void TestTextCell::showPuzzleOverPrevious()
{
    frmsudoku& w = board();
    // Cell 0: a given in both puzzles, its font changed in between.
    w.tile[0]->setFontSize(12);
    // Cell 1: open, holding a note at 8 pt; a given of puzzle B.
    QTest::keyClicks(w.tile[1], QStringLiteral("1234"));
    QCOMPARE(w.tile[1]->fontSize(), 8.0);
    // Cell 3: open, revealed by Solve; a given of puzzle B.
    w.tile[3]->setLocked(true);
    w.tile[3]->setText(QStringLiteral("6"));
    w.tile[3]->setFontSize(28);
    w.tile[3]->setBackColor(Revealed);
    w.tile[3]->setLocked(false);
    // Cell 5: open, an entry painted as an error; a blank of puzzle B.
    QTest::keyClick(w.tile[5], '5');
    w.tile[5]->setBackColor(ErrorRed);
    // Cell 17: open, an entry; a blank of puzzle B.
    QTest::keyClick(w.tile[17], '1');
    QCOMPARE(w.tile[17]->backColor(), EnteredDigit);

    const std::string puzzle = PuzzleB();
    w.ShowPuzzle(puzzle);

    QCOMPARE(w.tile[0]->text(), QString(QChar(puzzle[0])));
    QVERIFY(w.tile[0]->text() != QString(QChar(Solution[0])));
    QCOMPARE(w.tile[0]->fontSize(), 12.0);
    QCOMPARE(w.tile[1]->text(), QString(QChar(puzzle[1])));
    QCOMPARE(w.tile[1]->fontSize(), 28.0);

    for (int k = 0; k < 81; ++k) {
        const TextCell* cell = w.tile[k];
        const QByteArray where = "cell " + QByteArray::number(k);
        QVERIFY2(cell->maxLength() == 13, where);
        if (BlankInB(k)) {
            QVERIFY2(cell->text().isEmpty(), where);
            QVERIFY2(!cell->locked(), where);
            QVERIFY2(cell->backColor() == White, where);
            QVERIFY2(cell->foreColor() == Black, where);
        } else {
            QVERIFY2(cell->text() == QString(QChar(puzzle[k])), where);
            QVERIFY2(cell->locked(), where);
            QVERIFY2(cell->backColor() == Black, where);
            QVERIFY2(cell->foreColor() == White, where);
        }
    }

    // A former given is open to the player now, and the rules run on it.
    TextCell* former = w.tile[2];
    QVERIFY(BlankInB(2) && !BlankInA(2));
    QTest::keyClick(former, '4');
    QCOMPARE(former->text(), QStringLiteral("4"));
    QCOMPARE(former->backColor(), EnteredDigit);
    QCOMPARE(former->fontSize(), 28.0);
}

void TestTextCell::arrowsMoveBetweenCells_data()
{
    // In puzzle A every neighbour of a blank is a given holding one digit,
    // so where the caret lands shows which way the focus came in.
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("caret");

    QTest::newRow("Down from cell 1") << 1 << int(Qt::Key_Down) << 10 << 1;
    QTest::newRow("Left from cell 1") << 1 << int(Qt::Key_Left) << 0 << 1;
    QTest::newRow("Right from cell 1") << 1 << int(Qt::Key_Right) << 2 << 0;
    QTest::newRow("Up from cell 11") << 11 << int(Qt::Key_Up) << 2 << 1;
    QTest::newRow("Up from the top row") << 1 << int(Qt::Key_Up) << 1 << 0;
    QTest::newRow("Right from the right edge") << 17 << int(Qt::Key_Right) << 17 << 0;
    QTest::newRow("Down from the bottom row") << 73 << int(Qt::Key_Down) << 73 << 0;
    QTest::newRow("Left from the left edge") << 9 << int(Qt::Key_Left) << 9 << 0;
}

void TestTextCell::arrowsMoveBetweenCells()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    QFETCH(int, caret);
    frmsudoku& w = board();
    QVERIFY(BlankInA(from));
    w.tile[from]->setFocus();
    QVERIFY(w.tile[from]->hasFocus());
    QTest::keyClick(w.tile[from], Qt::Key(key));
    QVERIFY(w.tile[to]->hasFocus());
    QCOMPARE(w.tile[to]->selStart(), caret);
}

QTEST_MAIN(TestTextCell)
#include "tst_textCell.moc"
