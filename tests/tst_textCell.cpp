// Tests of the board cell: the entry rules played through the real window, givens, a new puzzle dealt over an old
// game, and how a focused cell is drawn.
#include "gameFixture.h"
#include "msgBoxDriver.h"

#include <QClipboard>

#include <functional>

using namespace gameFixture;
using namespace Qt::StringLiterals;

namespace {

const QColor Grey(102, 102, 102); // an entry
const QColor White(255, 255, 255); // an empty cell or a note
const QColor Black(0, 0, 0); // a given

// One thing done to a cell: characters typed, a key pressed, text committed by an input method, or text put on the
// clipboard and pasted with Ctrl+V.
using Step = std::function<void(TextCell&)>;
using Steps = QList<Step>;
Step Type(const QString& text)
{
    return [text](TextCell& cell) { QTest::keyClicks(&cell, text); };
}
Step Press(QKeyCombination keys)
{
    return [keys](TextCell& cell) { QTest::keyClick(&cell, keys.key(), keys.keyboardModifiers()); };
}
Step Commit(const QString& text)
{
    return [text](TextCell& cell) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(&cell, &commit);
    };
}
Step Paste(const QString& text)
{
    return [text](TextCell& cell) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(&cell, Qt::Key_V, Qt::ControlModifier);
    };
}
const Step SelectAll = Press(Qt::CTRL | Qt::Key_A);
const Step Backspace = Press(Qt::Key_Backspace);

void Run(TextCell& cell, const Steps& steps)
{
    for (const Step& step : steps) step(cell);
}

TextCell& Tile(const frmsudoku& w, int index) { return *TestAccess::tile(w, index); }

// The pixels of image drawn in color.
QRegion PixelsOf(const QImage& image, const QColor& color)
{
    QRegion pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color) pixels += QRect(x, y, 1, 1);
    return pixels;
}

} // namespace

class TestTextCell : public QObject {
    Q_OBJECT

private slots:
    // Steps into the empty open cell 1 of the example puzzle. One row per rule: the size a length gives, where the
    // line breaks go, what is dropped, how much a cell holds, and each way text comes in.
    void typedTextFollowsTheEntryRules_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<QColor>("back");
        auto row = [](const char* name, const Steps& steps, const QString& text, qreal points, const QColor& back) {
            QTest::newRow(name) << steps << text << points << back;
        };
        row("a digit, even 0, is an entry", {Type("0")}, "0", 28, Grey);
        row("two digits are a note", {Type("73")}, "73", 22, White);
        row("a fourth digit starts a line", {Type("1234")}, "123\r\n4", 8, White);
        row("six digits fill two lines", {Type("123456")}, "123\r\n456", 8, White);
        row("nine digits fill three lines and a tenth is refused", {Type("1234567890")}, "123\r\n456\r\n789", 8, White);
        row("a full cell selected takes a digit in place of its text", {Type("123456789"), SelectAll, Type("5")}, "5",
            28, Grey);
        row("a letter after an entry shrinks it", {Type("5x")}, "5", 22, Grey);
        row("a letter after three digits breaks the line", {Type("123x")}, "123\r\n", 8, White);
        row("deleting the only digit empties the cell", {Type("5"), Backspace}, "", 28, White);
        row("deleting the 4 of a note leaves one line", {Type("1234"), Backspace}, "123", 10, White);
        // Laid out, they are longer than the thirteen characters a player may leave in a cell.
        row("thirteen digits can be pasted, and nothing typed after them", {Paste("1234567890123"), Type("4")},
            "123\r\n456\r\n7890123", 8, White);
        row("an input method's commit is typed", {Commit("7")}, "7", 28, Grey);
    }

    void typedTextFollowsTheEntryRules()
    {
        QFETCH(Steps, steps);
        const auto w = StartedWith(ExamplePuzzle);
        TextCell& cell = Tile(*w, 1);
        Run(cell, steps);
        QTEST(cell.text(), "text");
        QTEST(cell.fontSize(), "points");
        QTEST(cell.backColor(), "back");
    }

    // The given 9 in cell 0 refuses typing, an input method, deleting, pasting and cutting, yet a player can still
    // select and copy it.
    void givenRefusesEditsButTakesTheCaretASelectionAndCopying()
    {
        const auto w = StartedWith(ExamplePuzzle);
        TextCell& given = Tile(*w, 0);
        Run(given,
            {Press(Qt::Key_End), Type("3"), Commit("3"), Backspace, Press(Qt::Key_Home), Press(Qt::Key_Delete),
             Paste("4"), SelectAll, Press(Qt::CTRL | Qt::Key_X)});
        QCOMPARE(LookOf(given), (Look{"9", true, Black, White, 28}));
        Run(given, {Press(Qt::Key_End), Press(Qt::SHIFT | Qt::Key_Home), Press(Qt::CTRL | Qt::Key_C)});
        QCOMPARE(given.selectedText(), u"9"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"9"_s);
    }

    // The old game leaves every kind of leftover: digits Solve filled in light yellow, an entry the progress check
    // marked red, a note with the caret inside it, a selection and a caret at the start of givens, and a "5" left at
    // 22 pt by a letter typed after it, where the new puzzle puts a given 5 at 28 pt.
    void newPuzzleLeavesNothingOfTheOldGame()
    {
        const auto w = StartedWith(ExamplePuzzle);
        MsgBoxDriver boxes;
        boxes.answer(QMessageBox::Yes); // the solution now?
        QTest::mouseClick(Find(*w, "Command4"), Qt::LeftButton);
        QVERIFY2(boxes.ok(), qPrintable(boxes.failureText()));
        Run(Tile(*w, 1), {SelectAll, Type("9")}); // the given 9 is beside it
        Run(Tile(*w, 4), {SelectAll, Type("1234"), Press(Qt::Key_Left), Press(Qt::Key_Left)});
        Run(Tile(*w, 5), {SelectAll, Type("5x")});
        Run(Tile(*w, 8), {SelectAll});
        Run(Tile(*w, 9), {Press(Qt::Key_Home)});
        QVERIFY(!TestAccess::checkForErrors(*w));

        const std::string puzzle = "006475801" + ExamplePuzzle.substr(9); // cells 0, 4 and 5 differ
        TestAccess::showPuzzle(*w, puzzle, ExampleSolution);
        QList<Look> expected;
        for (char digit : puzzle) // cell k shows character k + 1 of the puzzle
            expected << (digit == '0' ? Look{"", false, White, Black, 28}
                                      : Look{QString(QChar::fromLatin1(digit)), true, Black, White, 28});
        QCOMPARE(Board(*w), expected);
        QCOMPARE(Tile(*w, 4).cursorPosition(), 1); // at the end of the given 7
        QCOMPARE(Tile(*w, 8).selLength(), 0);
        QCOMPARE(Tile(*w, 9).cursorPosition(), 1);
    }

    // The focused cell alone has a 2-pixel edge in the Highlight colour, and shows its selection.
    void onlyTheFocusedCellShowsItsEdgeAndSelectionHighlighted()
    {
        const auto w = StartedWith(ExamplePuzzle);
        TextCell& note = Tile(*w, 12); // the Tab stop just before cell 13
        Run(note, {Type("1234"), SelectAll});
        const QColor highlight = note.palette().color(QPalette::Highlight);
        const QRect insideTheEdge = note.rect().adjusted(2, 2, -2, -2);
        QTest::mouseClick(&Tile(*w, 13), Qt::LeftButton);
        const QImage unfocused = note.grab().toImage();
        const int middle = unfocused.height() / 2;
        QCOMPARE(unfocused.pixelColor(0, middle), QColor(128, 128, 128));
        QCOMPARE(unfocused.pixelColor(1, middle), White);
        QCOMPARE(PixelsOf(unfocused.copy(insideTheEdge), highlight).isEmpty(), true);

        QTest::keyClick(&Tile(*w, 13), Qt::Key_Backtab);
        const QImage focused = note.grab().toImage();
        QCOMPARE(focused.pixelColor(1, middle), highlight);
        QCOMPARE(focused.pixelColor(2, middle), White);
        QCOMPARE(PixelsOf(focused.copy(insideTheEdge), highlight).isEmpty(), false);
    }
};

QTEST_MAIN(TestTextCell)
#include "tst_textCell.moc"
