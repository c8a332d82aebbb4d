// Tests of the board cell: the text box on its own, the entry rules played through the real window, a new puzzle
// dealt over an old game, and how a cell is drawn.
#include "gameFixture.h"
#include "msgBoxDriver.h"

#include <QClipboard>

using namespace gameFixture;
using namespace Qt::StringLiterals;

namespace {

const QColor Grey(102, 102, 102); // an entry
const QColor White(255, 255, 255); // an empty cell or a note
const QColor Black(0, 0, 0); // a given
const QColor Red(255, 0, 0); // marked by the progress check
const QColor LightYellow(255, 255, 192); // filled in by Solve

// One thing done to a cell: characters typed, a key pressed, text committed by an input method, text put on the
// clipboard and pasted with Ctrl+V, a write by the program, or a background painted as the check and Solve do.
struct Step {
    enum Kind { Type, Press, Commit, Paste, Write, Paint } kind;
    QString text;
    QKeyCombination keys = {};
    QColor color = {};
};
using Steps = QList<Step>;
Step Type(const QString& text) { return {Step::Type, text}; }
Step Press(QKeyCombination keys) { return {Step::Press, {}, keys}; }
Step Commit(const QString& text) { return {Step::Commit, text}; }
Step Paste(const QString& text) { return {Step::Paste, text}; }
Step Write(const QString& text) { return {Step::Write, text}; }
Step Paint(const QColor& color) { return {Step::Paint, {}, {}, color}; }
const Step SelectAll = Press(Qt::CTRL | Qt::Key_A);

void Run(TextCell& cell, const Steps& steps)
{
    for (const Step& step : steps) {
        QInputMethodEvent commit;
        switch (step.kind) {
        case Step::Type: QTest::keyClicks(&cell, step.text); break;
        case Step::Press: QTest::keyClick(&cell, step.keys.key(), step.keys.keyboardModifiers()); break;
        case Step::Commit:
            commit.setCommitString(step.text);
            QCoreApplication::sendEvent(&cell, &commit);
            break;
        case Step::Paste:
            QGuiApplication::clipboard()->setText(step.text);
            QTest::keyClick(&cell, Qt::Key_V, Qt::ControlModifier);
            break;
        case Step::Write: cell.setText(step.text); break;
        case Step::Paint: cell.setBackColor(step.color); break;
        }
    }
}

TextCell& Tile(const frmsudoku& w, int index) { return *TestAccess::tile(w, index); }

// The pixels inside the edge (two pixels wide at most) drawn in the Highlight colour.
int HighlightPixels(TextCell& cell)
{
    const QImage image = cell.grab().toImage();
    int count = 0;
    for (int y = 2; y < image.height() - 2; ++y)
        for (int x = 2; x < image.width() - 2; ++x)
            count += image.pixelColor(x, y) == cell.palette().color(QPalette::Highlight);
    return count;
}

} // namespace

class TestTextCell : public QObject {
    Q_OBJECT

private slots:
    // A lone cell holding a text the program wrote, the caret at its end; then the steps.
    void editIsAppliedAndReported_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("changes");
        auto row = [](const char* name, QString text, int max, Steps steps, QString after, int caret, int changes) {
            QTest::newRow(name) << text << max << steps << after << caret << changes;
        };
        row("retyping the selected text is a change", "5", 0, {SelectAll, Type("5")}, "5", 1, 1);
        row("an input method's commit is typed", "", 0, {Commit("7")}, "7", 1, 1);
        row("Enter inserts CR LF", "12", 0, {Press(Qt::Key_Return)}, "12\r\n", 4, 1);
        row("Backspace takes a CR LF whole", "1\r\n", 0, {Press(Qt::Key_Backspace)}, "1", 1, 1);
        row("Delete takes a CR LF whole", "\r\n2", 0, {Press(Qt::Key_Home), Press(Qt::Key_Delete)}, "2", 0, 1);
        row("maxLength 0 sets no limit", "", 0, {Paste(QString(99, u'1'))}, QString(99, u'1'), 99, 1);
        row("a paste is cut to the room left", "1", 4, {Paste("abcdef")}, "1abc", 4, 1);
        row("a paste never splits a CR LF", "1", 3, {Paste("a\r\nb")}, "1a", 2, 1);
        row("a paste never splits a surrogate pair", "1", 2, {Paste(u"\U0001F600x"_s)}, "1", 1, 0);
        row("a write by the program ignores maxLength", "", 1, {Write("123\r\n4")}, "123\r\n4", 0, 1);
        row("writing the same text is no change", "5", 0, {Write("5")}, "5", 1, 0);
    }

    // Each change is raised inside the write or edit that made it, before it returns.
    void editIsAppliedAndReported()
    {
        QFETCH(QString, text);
        QFETCH(int, maxLength);
        QFETCH(Steps, steps);
        TextCell cell;
        cell.setMaxLength(maxLength);
        cell.setText(text);
        cell.setSelStart(text.size());
        QSignalSpy changed(&cell, &TextCell::changed);
        Run(cell, steps);
        QTEST(cell.text(), "after");
        QTEST(cell.cursorPosition(), "caret");
        QTEST(int(changed.count()), "changes");
    }

    // Steps into the empty open cell 1 of the example puzzle.
    void typedTextFollowsTheEntryRules_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<int>("caret");
        auto row = [](const char* name, Steps steps, QString text, qreal points, QColor back, int caret) {
            QTest::newRow(name) << steps << text << points << back << caret;
        };
        const Step backspace = Press(Qt::Key_Backspace);
        const Steps letterBeforeThe3{Type("12345"), Press(Qt::Key_Home), Press(Qt::Key_Right), Press(Qt::Key_Right),
                                     Type("x")};
        row("a digit is an entry", {Type("7")}, "7", 28, Grey, 1);
        row("0 is an entry too", {Type("0")}, "0", 28, Grey, 1);
        row("two digits are a note", {Type("73")}, "73", 22, White, 2);
        row("a repeated digit is kept", {Type("55")}, "55", 22, White, 2);
        row("three digits fill a line", {Type("123")}, "123", 10, White, 3);
        row("a fourth digit starts a line", {Type("1234")}, "123\r\n4", 8, White, 6);
        row("nine digits fill three lines", {Type("123456789")}, "123\r\n456\r\n789", 8, White, 13);
        row("a tenth digit is refused", {Type("1234567890")}, "123\r\n456\r\n789", 8, White, 13);
        row("a letter is dropped", {Type("x")}, "", 28, White, 0);
        row("a letter after an entry shrinks it", {Type("5x")}, "5", 22, Grey, 1);
        row("a letter after three digits breaks the line", {Type("123x")}, "123\r\n", 8, White, 5);
        row("a letter inside a note shifts the break", letterBeforeThe3, "12\r\n345", 8, White, 7);
        row("a digit after the shifted break lays it out again", letterBeforeThe3 + Steps{Type("6")}, "123\r\n456", 8,
            White, 8);
        row("Enter leaves a note as it was", {Type("1234"), Press(Qt::Key_Home), Press(Qt::Key_Return)}, "123\r\n4", 8,
            White, 6);
        row("deleting the only digit empties the cell", {Type("5"), backspace}, "", 28, White, 0);
        row("deleting the 4 of a note leaves one line", {Type("1234"), backspace}, "123", 10, White, 3);
        row("thirteen digits can be pasted", {Paste("1234567890123")}, "123\r\n456\r\n7890123", 8, White, 17);
        row("nothing can be typed after thirteen digits", {Paste("1234567890123"), Type("4")}, "123\r\n456\r\n7890123",
            8, White, 17);
        row("a red entry retyped is grey again", {Type("5"), Paint(Red), SelectAll, Type("6")}, "6", 28, Grey, 1);
        row("a light yellow digit deleted is white again", {Type("5"), Paint(LightYellow), backspace}, "", 28, White,
            0);
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
        QTEST(cell.cursorPosition(), "caret");
    }

    // Edits of the given 9 in cell 0, the caret after it.
    void givenRefusesTheEdit_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::newRow("typing") << Steps{Type("3")};
        QTest::newRow("Enter") << Steps{Press(Qt::Key_Return)};
        QTest::newRow("Backspace") << Steps{Press(Qt::Key_Backspace)};
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
    // letter typed after it, where the new puzzle puts a given 5.
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
        QCOMPARE(LookOf(Tile(*w, 1)), (Look{"9", false, Red, Black, 28}));
        QCOMPARE(LookOf(Tile(*w, 5)), (Look{"5", false, Grey, Black, 22}));
        QCOMPARE(LookOf(Tile(*w, 7)), (Look{"3", false, LightYellow, Black, 28}));

        const std::string puzzle = "006475801" + ExamplePuzzle.substr(9); // cells 0, 4 and 5 differ
        TestAccess::showPuzzle(*w, puzzle, ExampleSolution);
        QList<Look> expected;
        for (char digit : puzzle) // cell k shows character k + 1 of the puzzle
            expected << (digit == '0' ? Look{"", false, White, Black, 28}
                                      : Look{QString(QChar::fromLatin1(digit)), true, Black, White, 28});
        QCOMPARE(Board(*w), expected);
        QList<int> maxLengths;
        QList<int> selections;
        QList<int> caretsBeforeTheEnd;
        for (int index = 0; index < 81; ++index) {
            maxLengths << Tile(*w, index).maxLength();
            selections << Tile(*w, index).selLength();
            caretsBeforeTheEnd << Tile(*w, index).text().size() - Tile(*w, index).cursorPosition();
        }
        QCOMPARE(maxLengths, QList<int>(81, 13));
        QCOMPARE(selections, QList<int>(81, 0));
        QCOMPARE(caretsBeforeTheEnd, QList<int>(81, 0));
    }

    void noteIsDrawnLineUnderLineCentredBothWays()
    {
        const auto w = StartedWith(ExamplePuzzle);
        TextCell& cell = Tile(*w, 1);
        QTest::keyClicks(&cell, "123456789");
        const QImage image = cell.grab().toImage();
        QList<bool> inkRows(image.height(), false);
        QList<bool> inkColumns(image.width(), false);
        for (int y = 1; y < image.height() - 1; ++y) // inside the one-pixel edge
            for (int x = 1; x < image.width() - 1; ++x)
                if (image.pixelColor(x, y) != White) {
                    inkRows[y] = true;
                    inkColumns[x] = true;
                }
        int lines = 0;
        for (int y = 1; y < image.height(); ++y) lines += inkRows[y] && !inkRows[y - 1];
        QCOMPARE(lines, 3);
        const int top = inkRows.indexOf(true);
        const int bottom = image.height() - 1 - inkRows.lastIndexOf(true);
        QVERIFY2(std::abs(top - bottom) <= 3, qPrintable(u"%1 px above the ink, %2 below"_s.arg(top).arg(bottom)));
        const int left = inkColumns.indexOf(true);
        const int right = image.width() - 1 - inkColumns.lastIndexOf(true);
        QVERIFY2(std::abs(left - right) <= 2, qPrintable(u"%1 px left of the ink, %2 right"_s.arg(left).arg(right)));

        const int digitWidth = (image.width() - left - right) / 3;
        QTest::mouseClick(&cell, Qt::LeftButton, {}, QPoint(left + digitWidth + 1, cell.height() / 2));
        QCOMPARE(cell.cursorPosition(), 6); // after the 4, the middle line's first digit
    }

    // The focused cell alone has a 2-pixel edge in the Highlight colour, and shows its selection.
    void onlyTheFocusedCellShowsItsEdgeAndSelectionHighlighted()
    {
        const auto w = StartedWith(ExamplePuzzle);
        TextCell& note = Tile(*w, 12); // the Tab stop just before cell 13
        TextCell& next = Tile(*w, 13);
        QTest::keyClicks(&note, "1234");
        QTest::mouseClick(&note, Qt::LeftButton);
        QTest::keyClick(&note, Qt::Key_A, Qt::ControlModifier);
        QTest::mouseClick(&next, Qt::LeftButton);
        const QImage unfocused = note.grab().toImage();
        const int middle = unfocused.height() / 2;
        QCOMPARE(unfocused.pixelColor(0, middle), QColor(128, 128, 128));
        QCOMPARE(unfocused.pixelColor(1, middle), White);
        QCOMPARE(HighlightPixels(note), 0);

        QTest::keyClick(&next, Qt::Key_Backtab);
        QVERIFY(note.hasFocus());
        const QImage focused = note.grab().toImage();
        const QColor highlight = note.palette().color(QPalette::Highlight);
        QCOMPARE(focused.pixelColor(0, middle), highlight);
        QCOMPARE(focused.pixelColor(1, middle), highlight);
        QCOMPARE(focused.pixelColor(2, middle), White);
        QCOMPARE(note.selectedText(), u"123\r\n4"_s);
        QVERIFY2(HighlightPixels(note) > 100, qPrintable(u"%1 pixels highlighted"_s.arg(HighlightPixels(note))));
    }
};

QTEST_MAIN(TestTextCell)
#include "tst_textCell.moc"
