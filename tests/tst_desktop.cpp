// Tests of the window as a desktop citizen: what a screen reader reads, the arrow keys, sharp pictures and cursors
// at any scale (also run at QT_SCALE_FACTOR=2).
#include "gameFixture.h"
#include "msgBoxDriver.h"

#include <QAccessible>
#include <QPainter>

using namespace gameFixture;
using namespace Qt::StringLiterals;

namespace {

// A given 5 in the top left corner, every other cell open.
const std::string GivenFiveAlone = "5" + std::string(80, '0');

QAccessibleInterface* Reader(const frmsudoku& w, int index)
{
    return QAccessible::queryAccessibleInterface(TestAccess::tile(w, index));
}

QString FocusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : u"none"_s; }

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
        auto row = [](const char* name, int cell, QString typed, QString spoken, QString value, bool readOnly) {
            QTest::newRow(name) << cell << typed << spoken << value << readOnly;
        };
        row("a given is read as given, read-only", 0, "", "row 1, column 1, given 5", "5", true);
        row("an empty cell is read as empty", 1, "", "row 1, column 2, empty", "", false);
        row("an entry is read as its digit", 40, "6", "row 5, column 5, 6", "6", false);
        row("a note is read digit by digit", 80, "1234", "row 9, column 9, notes 1 2 3 4", "1234", false);
    }

    void cellReadsItsPlaceAndContent()
    {
        QFETCH(int, cell);
        QFETCH(QString, typed);
        const auto w = StartedWith(GivenFiveAlone);
        QTest::keyClicks(TestAccess::tile(*w, cell), typed);
        QTEST(Reader(*w, cell)->text(QAccessible::Name), "name");
        QTEST(Reader(*w, cell)->text(QAccessible::Value), "value");
        QTEST(bool(Reader(*w, cell)->state().readOnly), "readOnly");
        QCOMPARE(Reader(*w, cell)->text(QAccessible::Description), QString());
    }

    void markOfTheProgressCheckIsDescribedUntilTheCellChanges()
    {
        const auto w = StartedWith(GivenFiveAlone);
        QTest::keyClicks(TestAccess::tile(*w, 1), "5"); // both repeat the given 5
        QTest::keyClicks(TestAccess::tile(*w, 2), "5");
        QVERIFY(!TestAccess::checkForErrors(*w));
        QCOMPARE(Reader(*w, 2)->text(QAccessible::Description), u"marked incorrect"_s);
        QTest::keyClick(TestAccess::tile(*w, 2), Qt::Key_Backspace);
        QCOMPARE(Reader(*w, 2)->text(QAccessible::Description), QString());
        QCOMPARE(Reader(*w, 1)->text(QAccessible::Description), u"marked incorrect"_s);
    }

    void digitFilledInBySolveIsDescribed()
    {
        const auto w = StartedWith(ExamplePuzzle);
        MsgBoxDriver boxes;
        boxes.answer(QMessageBox::Yes); // the solution now?
        QTest::mouseClick(w->findChild<QPushButton*>("Command4"), Qt::LeftButton);
        QVERIFY(boxes.waitForAll());
        QCOMPARE(Reader(*w, 1)->text(QAccessible::Description), u"filled in by Solve"_s);
        QCOMPARE(Reader(*w, 0)->text(QAccessible::Description), QString()); // a given, not filled in
    }

    void cellIsEditableTextCountingTheLineBreak()
    {
        const auto w = StartedWith(GivenFiveAlone);
        TextCell& note = *TestAccess::tile(*w, 80);
        QTest::keyClicks(&note, "1234"); // 123 CR LF 4
        QAccessibleInterface* reader = Reader(*w, 80);
        QCOMPARE(reader->role(), QAccessible::EditableText);
        QCOMPARE(reader->textInterface()->characterCount(), 6);
        QCOMPARE(reader->textInterface()->cursorPosition(), 6);
        reader->textInterface()->setSelection(0, 5, 6);
        QCOMPARE(note.selectedText(), u"4"_s);
    }

    // Cell 40 and its four neighbours hold the note "12".
    void arrowKeyMovesTheCaretOrTheFocus_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("caret");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("caretAfter");
        auto row = [](const char* name, int from, int caret, Qt::Key key, int to, int caretAfter) {
            QTest::newRow(name) << from << caret << key << to << caretAfter;
        };
        row("Up moves to the cell above, caret at the end", 40, 1, Qt::Key_Up, 31, 2);
        row("Down moves to the cell below, caret at the end", 40, 1, Qt::Key_Down, 49, 2);
        row("Left inside the text moves the caret", 40, 1, Qt::Key_Left, 40, 0);
        row("Left from the start moves left, caret at the end", 40, 0, Qt::Key_Left, 39, 2);
        row("Right inside the text moves the caret", 40, 1, Qt::Key_Right, 40, 2);
        row("Right from the end moves right, caret at the start", 40, 2, Qt::Key_Right, 41, 0);
        row("Up stops at the top row", 4, 0, Qt::Key_Up, 4, 0);
        row("Down stops at the bottom row", 76, 0, Qt::Key_Down, 76, 0);
        row("Left stops at the first column", 36, 0, Qt::Key_Left, 36, 0);
        row("Right stops at the last column", 44, 0, Qt::Key_Right, 44, 0);
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
        const QList<Look> before = Board(*w);
        QTest::keyClick(&start, key);
        QCOMPARE(FocusName(), u"tile_%1"_s.arg(to));
        QTEST(TestAccess::tile(*w, to)->cursorPosition(), "caretAfter");
        QCOMPARE(Board(*w), before); // no text edited
    }

    void linkLooksSharpAtAnyScale_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("image"); // of a picture
        QTest::newRow("the maker's name") << u"Label9"_s << QString();
        QTest::newRow("the Facebook picture") << u"Picture3_0"_s << u"facebook"_s;
        QTest::newRow("the Twitter picture") << u"Picture3_1"_s << u"twitter"_s;
        QTest::newRow("the LinkedIn picture") << u"Picture3_2"_s << u"linkedin"_s;
    }

    // On a screen scaled twice the hand cursor and the pictures are drawn from their double-size images, not the
    // small ones blown up; the cursor's hot spot stays on the finger tip.
    void linkLooksSharpAtAnyScale()
    {
        QFETCH(QString, control);
        QFETCH(QString, image);
        const auto w = Started();
        QWidget* link = w->findChild<QWidget*>(control);
        const qreal ratio = link->devicePixelRatio();
        QCOMPARE(link->cursor().pixmap().size(), QSize(32, 32) * ratio);
        QCOMPARE(link->cursor().hotSpot(), QPoint(5, 0));
        if (image.isEmpty()) return;
        QImage expected(QSize(16, 16) * ratio, QImage::Format_ARGB32_Premultiplied);
        expected.setDevicePixelRatio(ratio);
        expected.fill(link->palette().color(QPalette::Base));
        QPainter(&expected).drawImage(0, 0,
                                      QImage(u":/images/%1%2.png"_s.arg(image, ratio > 1 ? u"@2x"_s : QString())));
        QCOMPARE(link->grab().toImage().convertToFormat(expected.format()), expected);
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
