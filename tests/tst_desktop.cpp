// Tests of the window as a desktop citizen: what a screen reader reads, the arrow keys, and a hand cursor that stays
// sharp at any scale (also run at QT_SCALE_FACTOR=2).
#include "gameFixture.h"
#include "msgBoxDriver.h"

#include <QAccessible>

using namespace gameFixture;
using namespace Qt::StringLiterals;

namespace {

// A given 5 in the top left corner, every other cell open.
const std::string GivenFiveAlone = "5" + std::string(80, '0');

QAccessibleInterface* Reader(const frmsudoku& w, int index)
{
    return QAccessible::queryAccessibleInterface(TestAccess::tile(w, index));
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasAnAccessibleName()
    {
        const auto w = StartedWith(GivenFiveAlone);
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(w.get());
        QCOMPARE(window->childCount(), int(w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size()));
        for (int n = 0; n < window->childCount(); ++n)
            QVERIFY2(!window->child(n)->text(QAccessible::Name).isEmpty(),
                     qPrintable(window->child(n)->object()->objectName()));
    }

    void cellReadsItsPlaceAndContent_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("characters"); // of its text interface, which counts a CR LF as two, as the caret does
        auto row = [](const char* name, int cell, const QString& typed, const QString& spoken, const QString& value,
                      bool readOnly, int characters) {
            QTest::newRow(name) << cell << typed << spoken << value << readOnly << characters;
        };
        row("a given is read as given, read-only", 0, "", "row 1, column 1, given 5", "5", true, 1);
        row("an empty cell is read as empty", 1, "", "row 1, column 2, empty", "", false, 0);
        row("an entry is read as its digit", 40, "6", "row 5, column 5, 6", "6", false, 1);
        row("a note is read digit by digit", 80, "1234", "row 9, column 9, notes 1 2 3 4", "1234", false, 6);
    }

    void cellReadsItsPlaceAndContent()
    {
        QFETCH(int, cell);
        QFETCH(QString, typed);
        const auto w = StartedWith(GivenFiveAlone);
        QTest::keyClicks(TestAccess::tile(*w, cell), typed);
        QAccessibleInterface* reader = Reader(*w, cell);
        QTEST(reader->text(QAccessible::Name), "name");
        QTEST(reader->text(QAccessible::Value), "value");
        QTEST(bool(reader->state().readOnly), "readOnly");
        QTEST(reader->textInterface()->characterCount(), "characters");
    }

    // The progress check's red is described until the cell's own text changes; so is a digit Solve filled in.
    void cellDescribesWhatTheCheckOrSolveMarked()
    {
        const auto w = StartedWith(ExamplePuzzle);
        QTest::keyClicks(TestAccess::tile(*w, 1), "9"); // both repeat the given 9 beside them
        QTest::keyClicks(TestAccess::tile(*w, 4), "9");
        QVERIFY(!TestAccess::checkForErrors(*w));
        QTest::keyClick(TestAccess::tile(*w, 4), Qt::Key_Backspace);
        QCOMPARE(Reader(*w, 1)->text(QAccessible::Description), u"marked incorrect"_s);
        QCOMPARE(Reader(*w, 4)->text(QAccessible::Description), QString());

        MsgBoxDriver boxes;
        boxes.answer(QMessageBox::Yes); // the solution now?
        QTest::mouseClick(w->findChild<QPushButton*>("Command4"), Qt::LeftButton);
        QVERIFY2(boxes.ok(), qPrintable(boxes.failureText()));
        QCOMPARE(Reader(*w, 4)->text(QAccessible::Description), u"filled in by Solve"_s);
        QCOMPARE(Reader(*w, 0)->text(QAccessible::Description), QString()); // a given, not filled in
    }

    // Cell 40 and its four neighbours hold the note "12". Leaving a cell to the right starts at its neighbour's
    // text, any other way at its end; how the caret moves inside a cell is tst_textCell's.
    void arrowKeyMovesTheCaretOrTheFocus_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("caret");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("caretAfter");
        QTest::newRow("Up moves up from inside the text, caret at the end") << 40 << 1 << Qt::Key_Up << 31 << 2;
        QTest::newRow("Down moves down from inside the text, caret at the end") << 40 << 1 << Qt::Key_Down << 49 << 2;
        QTest::newRow("Left inside the text moves the caret") << 40 << 1 << Qt::Key_Left << 40 << 0;
        QTest::newRow("Left from the start moves left, caret at the end") << 40 << 0 << Qt::Key_Left << 39 << 2;
        QTest::newRow("Right from the end moves right, caret at the start") << 40 << 2 << Qt::Key_Right << 41 << 0;
        QTest::newRow("Up stops at the top row") << 4 << 0 << Qt::Key_Up << 4 << 0;
        QTest::newRow("Down from the row above reaches the bottom row") << 67 << 0 << Qt::Key_Down << 76 << 0;
        QTest::newRow("Down stops at the bottom row") << 76 << 0 << Qt::Key_Down << 76 << 0;
        QTest::newRow("Right from the column before reaches the last column") << 43 << 0 << Qt::Key_Right << 44 << 0;
        QTest::newRow("Left stops at the first column") << 36 << 0 << Qt::Key_Left << 36 << 0;
        QTest::newRow("Right stops at the last column") << 44 << 0 << Qt::Key_Right << 44 << 0;
    }

    void arrowKeyMovesTheCaretOrTheFocus()
    {
        QFETCH(int, from);
        QFETCH(int, caret);
        QFETCH(Qt::Key, key);
        QFETCH(int, to);
        const auto w = StartedWith(GivenFiveAlone);
        for (int index : {31, 39, 40, 41, 49}) QTest::keyClicks(TestAccess::tile(*w, index), "12");
        TextCell& start = *TestAccess::tile(*w, from);
        start.setFocus();
        start.setSelStart(caret);
        QTest::keyClick(&start, key);
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(),
                 u"tile_%1"_s.arg(to));
        QTEST(TestAccess::tile(*w, to)->cursorPosition(), "caretAfter");
    }

    // On a screen scaled twice the links' hand cursor is drawn from its double-size image, not the small one blown
    // up; its hot spot stays on the finger tip.
    void linkCursorIsASharpHand()
    {
        const auto w = Started();
        const QWidget* link = w->findChild<QWidget*>(u"Picture3_0"_s);
        QCOMPARE(link->cursor().pixmap().size(), QSize(32, 32) * link->devicePixelRatio());
        QCOMPARE(link->cursor().hotSpot(), QPoint(5, 0));
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
