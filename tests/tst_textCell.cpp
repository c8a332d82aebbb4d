// Tests of the board cell: the entry rules played through the real window, what the text box promises on its own
// beyond them, a new puzzle dealt over an old game, and how a cell is drawn.
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
const QColor Red(255, 0, 0); // marked by the progress check
const QColor LightYellow(255, 255, 192); // filled in by Solve

// One thing done to a cell: characters typed, a key pressed, text committed by an input method, text put on the
// clipboard and pasted with Ctrl+V, or a background painted as the check and Solve do.
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
Step Paint(const QColor& color)
{
    return [color](TextCell& cell) { cell.setBackColor(color); };
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
    // Steps into the empty open cell 1 of the example puzzle.
    void typedTextFollowsTheEntryRules_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<QColor>("back");
        auto row = [](const char* name, const Steps& steps, const QString& text, qreal points, const QColor& back) {
            QTest::newRow(name) << steps << text << points << back;
        };
        const Steps letterBeforeThe3{Type("12345"), Press(Qt::Key_Home), Press(Qt::Key_Right), Press(Qt::Key_Right),
                                     Type("x")};
        row("a digit is an entry", {Type("7")}, "7", 28, Grey);
        row("0 is an entry too", {Type("0")}, "0", 28, Grey);
        row("two digits are a note", {Type("73")}, "73", 22, White);
        row("a repeated digit is kept", {Type("55")}, "55", 22, White);
        row("a fourth digit starts a line", {Type("1234")}, "123\r\n4", 8, White);
        row("nine digits fill three lines and a tenth is refused", {Type("1234567890")}, "123\r\n456\r\n789", 8, White);
        row("a letter is dropped", {Type("x")}, "", 28, White);
        row("a letter after an entry shrinks it", {Type("5x")}, "5", 22, Grey);
        row("a letter after three digits breaks the line", {Type("123x")}, "123\r\n", 8, White);
        row("a letter inside a note shifts the break", letterBeforeThe3, "12\r\n345", 8, White);
        row("a digit after the shifted break lays it out again", letterBeforeThe3 + Steps{Type("6")}, "123\r\n456", 8,
            White);
        row("Enter leaves a note as it was", {Type("1234"), Press(Qt::Key_Home), Press(Qt::Key_Return)}, "123\r\n4", 8,
            White);
        row("deleting the only digit empties the cell", {Type("5"), Backspace}, "", 28, White);
        row("deleting the 4 of a note leaves one line", {Type("1234"), Backspace}, "123", 10, White);
        // Laid out, they are longer than the thirteen characters a player may leave in a cell.
        row("thirteen digits can be pasted, and nothing typed after them", {Paste("1234567890123"), Type("4")},
            "123\r\n456\r\n7890123", 8, White);
        row("a red entry retyped is grey again", {Type("5"), Paint(Red), SelectAll, Type("5")}, "5", 28, Grey);
        row("a light yellow digit deleted is white again", {Type("5"), Paint(LightYellow), Backspace}, "", 28, White);
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

    // A lone cell that takes three characters at most, holding a text the program wrote, the caret at its end: what
    // the entry rules above cannot show, since they lay out every change at once. changed() is counted as soon as
    // the steps return, so a change reported later from the event loop is missed.
    void editIsAppliedAndReportedAtOnce_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("changes");
        QTest::newRow("an input method's commit is typed") << u""_s << Steps{Commit("7")} << u"7"_s << 1;
        QTest::newRow("Backspace takes a CR LF whole") << u"1\r\n"_s << Steps{Backspace} << u"1"_s << 1;
        QTest::newRow("Delete takes a CR LF whole")
            << u"\r\n2"_s << Steps{Press(Qt::Key_Home), Press(Qt::Key_Delete)} << u"2"_s << 1;
        QTest::newRow("a paste never splits a CR LF") << u"1"_s << Steps{Paste("a\r\nb")} << u"1a"_s << 1;
        QTest::newRow("a paste never splits a surrogate pair")
            << u"12"_s << Steps{Paste(u"\U0001F600x"_s)} << u"12"_s << 0;
        QTest::newRow("writing the same text is no change")
            << u"5"_s << Steps{[](TextCell& cell) { cell.setText(u"5"_s); }} << u"5"_s << 0;
    }

    void editIsAppliedAndReportedAtOnce()
    {
        QFETCH(QString, text);
        QFETCH(Steps, steps);
        TextCell cell;
        cell.setMaxLength(3);
        cell.setText(text);
        cell.setSelStart(text.size());
        QSignalSpy changed(&cell, &TextCell::changed);
        Run(cell, steps);
        QTEST(cell.text(), "after");
        QTEST(int(changed.count()), "changes");
    }

    // Edits of the given 9 in cell 0, the caret after it.
    void givenRefusesTheEdit_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::newRow("typing") << Steps{Type("3")};
        QTest::newRow("Enter") << Steps{Press(Qt::Key_Return)};
        QTest::newRow("Backspace") << Steps{Backspace};
        QTest::newRow("Delete") << Steps{Press(Qt::Key_Home), Press(Qt::Key_Delete)};
        QTest::newRow("paste") << Steps{Paste("3")};
        QTest::newRow("cut") << Steps{SelectAll, Press(Qt::CTRL | Qt::Key_X)};
        QTest::newRow("an input method's commit") << Steps{Commit("3")};
    }

    void givenRefusesTheEdit()
    {
        QFETCH(Steps, steps);
        const auto w = StartedWith(ExamplePuzzle);
        TextCell& given = Tile(*w, 0);
        given.setSelStart(1);
        Run(given, steps);
        QCOMPARE(LookOf(given), (Look{"9", true, Black, White, 28}));
    }

    void givenStillTakesTheCaretASelectionAndCopying()
    {
        const auto w = StartedWith(ExamplePuzzle);
        Run(Tile(*w, 0), {Press(Qt::Key_End), Press(Qt::SHIFT | Qt::Key_Home), Press(Qt::CTRL | Qt::Key_C)});
        QCOMPARE(Tile(*w, 0).selectedText(), u"9"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"9"_s);
    }

    // The old game leaves every kind of leftover: digits Solve filled in, an entry the progress check marked red, a
    // note with the caret inside it, a selection and a caret at the start of givens, and a "5" left at 22 pt by a
    // letter typed after it (see the entry rules), where the new puzzle puts a given 5 at 28 pt.
    void newPuzzleLeavesNothingOfTheOldGame()
    {
        const auto w = StartedWith(ExamplePuzzle);
        MsgBoxDriver boxes;
        boxes.answer(QMessageBox::Yes); // the solution now?
        QTest::mouseClick(w->findChild<QPushButton*>("Command4"), Qt::LeftButton);
        QVERIFY(boxes.waitForAll());
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

    void noteIsDrawnLineUnderLineCentredBothWays()
    {
        const auto w = StartedWith(ExamplePuzzle);
        TextCell& cell = Tile(*w, 1);
        QTest::keyClicks(&cell, "123456789");
        const QImage inside = cell.grab(cell.rect().adjusted(1, 1, -1, -1)).toImage(); // inside the one-pixel edge
        const QRegion ink = QRegion(inside.rect()) - PixelsOf(inside, White);
        int lines = 0;
        for (int y = 0; y < inside.height(); ++y)
            lines +=
                ink.intersects(QRect(0, y, inside.width(), 1)) && !ink.intersects(QRect(0, y - 1, inside.width(), 1));
        QCOMPARE(lines, 3);
        const QRect box = ink.boundingRect();
        const int below = inside.height() - 1 - box.bottom();
        QVERIFY2(std::abs(box.top() - below) <= 3,
                 qPrintable(u"%1 px above the ink, %2 below"_s.arg(box.top()).arg(below)));
        const int right = inside.width() - 1 - box.right();
        QVERIFY2(std::abs(box.left() - right) <= 2,
                 qPrintable(u"%1 px left of the ink, %2 right"_s.arg(box.left()).arg(right)));
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
