// Tests of the board cell: the text box on its own, and the entry rules driven through the real window.
#include "window/frmsudoku.h"
#include "window/textCell.h"

#include <QClipboard>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QColor White(255, 255, 255), Black(0, 0, 0), Red(255, 0, 0), Revealed(255, 255, 192);

// Puzzle A blanks a checkerboard of a valid solution (cells 0, 8 and 80 are
// givens); puzzle B turns cell 0 into another given, cell 1 from a blank
// into a given and cells 2 and 5 into blanks.
const std::string PuzzleA = "504070902070105040108040507050701020406050701010904050901030204080409030305080109";
const std::string PuzzleB = "640780120780210450210450670960870530530960810820130960170640390390520740450390280";

// Presses the keys of a script: characters are typed, {Name} presses a key by
// its key-sequence name ({Ctrl+V}, {Shift+Home}), {IM} commits "7" by input
// method, and {Red} and {Revealed} paint the cell as the progress check and
// Solve do.
void Press(TextCell* cell, const QString& script)
{
    for (const QString& part : (u'}' + script).split(u'{')) {
        const QString name = part.section(u'}', 0, 0);
        if (name == u"IM") {
            QInputMethodEvent commit;
            commit.setCommitString(u"7"_s);
            QCoreApplication::sendEvent(cell, &commit);
        } else if (name == u"Red" || name == u"Revealed") {
            cell->setBackColor(name == u"Red" ? Red : Revealed);
        } else if (!name.isEmpty()) {
            const QKeySequence keys = QKeySequence::fromString(name);
            QVERIFY2(!keys.isEmpty() && keys[0].key() != Qt::Key_unknown, qPrintable(name));
            QTest::keySequence(cell, keys);
        }
        QTest::keyClicks(cell, part.section(u'}', 1));
    }
}

// A cell's text with its caret marked | or its selection marked [ ].
QString Marked(const TextCell* cell)
{
    QString text = cell->text();
    if (cell->selLength() == 0) return text.insert(cell->selStart(), u'|');
    return text.insert(cell->selStart() + cell->selLength(), u']').insert(cell->selStart(), u'[');
}

// Keys pressed in a cell, and the marked text they leave, followed by the
// keys of any leaveRequested() signals and what a copy put on the clipboard.
// A lone cell starts from the marked text before, with Clip on the clipboard,
// and counts its changed() signals. "tile n" is cell n of puzzle A on the
// real board, with 13 digits on the clipboard; its font size and background
// follow the text.
const QString Clip = u"ab\r\ncd\U0001F600"_s;
struct Edit {
    QString before, keys, after;
    int changes = 0;
    int maxLength = 0;
    bool locked = false;
};

// A lone cell set up as an edit starts.
void SetUp(TextCell* cell, const Edit& edit)
{
    // The text holds a caret or a selection; indexOf gives -1 for the other.
    QString marked = edit.before;
    const qsizetype from = std::max(marked.indexOf(u'|'), marked.indexOf(u'['));
    const qsizetype to = std::max(marked.indexOf(u'|'), marked.indexOf(u']') - 1);
    cell->setText(marked.remove(u'|').remove(u'[').remove(u']'));
    cell->setSelection(from, to - from);
    cell->setMaxLength(edit.maxLength);
    cell->setLocked(edit.locked);
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestTextCell : public QObject {
    Q_OBJECT

private slots:
    void changedInsideEveryWrite();
    void editing_data();
    void editing();
    void noteDrawnOnCentredLines();
    void showPuzzleOverPrevious();
};

void TestTextCell::changedInsideEveryWrite()
{
    // A listener that rewrites the text under the lock, as the entry rules do.
    TextCell cell;
    QStringList heard;
    connect(&cell, &TextCell::changed, &cell, [&cell, &heard] {
        heard << Marked(&cell);
        if (cell.locked()) return;
        cell.setLocked(true);
        cell.setText(cell.text().toUpper());
        cell.setSelStart(cell.text().size());
        cell.setLocked(false);
    });
    cell.setText(u"ab"_s);
    // The caret is after a typed key before anyone hears of it.
    Press(&cell, u"1"_s);
    QCOMPARE(heard, QStringList({u"|ab"_s, u"|AB"_s, u"AB1|"_s}));
    QCOMPARE(Marked(&cell), u"AB1|"_s);
}

void TestTextCell::editing_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::newRow("locked: over a selection")
        << Edit{u"[123\r\n4]"_s, u"5{IM}{Return}{Del}{Ctrl+V}{Ctrl+X}"_s, u"[123\r\n4]"_s, 0, 0, true};
    QTest::newRow("locked: caret, selection, copy")
        << Edit{u"123|\r\n4"_s, u"{Del}{Backspace}{Shift+Home}{Ctrl+C}"_s, u"[123]\r\n4 copied 123"_s, 0, 0, true};
    QTest::newRow("retyping over a selection") << Edit{u"[5]"_s, u"5"_s, u"5|"_s, 1};
    QTest::newRow("Enter inserts CR LF") << Edit{u"1|2"_s, u"{Return}{Enter}"_s, u"1\r\n\r\n|2"_s, 2};
    QTest::newRow("CR LF deleted whole") << Edit{u"12\r\n|3\r\n4"_s, u"{Backspace}{Right}{Del}"_s, u"123|4"_s, 2};
    QTest::newRow("a selection makes room") << Edit{u"12[3]"_s, u"{IM}"_s, u"127|"_s, 1, 3};
    QTest::newRow("Enter needs room for both") << Edit{u"12|"_s, u"{Return}"_s, u"12|"_s, 0, 3};
    QTest::newRow("paste cut to room") << Edit{u"1|2"_s, u"{Ctrl+V}"_s, u"1ab\r\nc|2"_s, 1, 7};
    QTest::newRow("paste keeps CR LF whole") << Edit{u"1|"_s, u"{Ctrl+V}"_s, u"1ab|"_s, 1, 4};
    QTest::newRow("paste keeps a pair whole") << Edit{u"1|"_s, u"{Ctrl+V}"_s, u"1ab\r\ncd|"_s, 1, 8};
    QTest::newRow("Up, Down, and Left or Right at an end leave")
        << Edit{u"1|2"_s, u"{Up}{Down}{Left}{Left}{Right}{Right}{Right}"_s, u"12| left Up Down Left Right"_s};
    const QString blank = u"tile 1"_s;
    QTest::newRow("7") << Edit{blank, u"7"_s, u"7| 28pt #666666"_s};
    QTest::newRow("tenth digit refused") << Edit{blank, u"1234567890"_s, u"123\r\n456\r\n789| 8pt #ffffff"_s};
    QTest::newRow("letter") << Edit{blank, u"x"_s, u"| 28pt #ffffff"_s};
    QTest::newRow("letter after 5") << Edit{blank, u"5x"_s, u"5| 22pt #666666"_s};
    QTest::newRow("letter before 3") << Edit{blank, u"12345{Home}{Right}{Right}x"_s, u"12\r\n345| 8pt #ffffff"_s};
    QTest::newRow("then 6") << Edit{blank, u"12345{Home}{Right}{Right}x6"_s, u"123\r\n456| 8pt #ffffff"_s};
    QTest::newRow("Enter") << Edit{blank, u"1234{Home}{Return}"_s, u"123\r\n4| 8pt #ffffff"_s};
    QTest::newRow("4 deleted from a note") << Edit{blank, u"1234{Backspace}"_s, u"123| 10pt #ffffff"_s};
    QTest::newRow("13 digits pasted") << Edit{blank, u"{Ctrl+V}4{Ctrl+V}"_s, u"123\r\n456\r\n7890123| 8pt #ffffff"_s};
    QTest::newRow("red gone on a change") << Edit{blank, u"5{Red}{Backspace}6"_s, u"6| 28pt #666666"_s};
    QTest::newRow("revealed gone") << Edit{blank, u"5{Revealed}{Backspace}"_s, u"| 28pt #ffffff"_s};
    QTest::newRow("given") << Edit{u"tile 0"_s, u"{Home}{Del}{End}5{Backspace}{Ctrl+V}{IM}"_s, u"5| 28pt #000000"_s};
}

void TestTextCell::editing()
{
    QFETCH(Edit, edit);
    frmsudoku w;
    w.ShowPuzzle(PuzzleA);
    TextCell lone;
    const bool onBoard = edit.before.startsWith(u"tile ");
    TextCell& cell = onBoard ? *w.tile[edit.before.mid(5).toInt()] : lone;
    if (!onBoard) SetUp(&cell, edit);
    const QString put = onBoard ? u"1234567890123"_s : Clip;
    QGuiApplication::clipboard()->setText(put);
    QSignalSpy changed(&cell, &TextCell::changed);
    QString left;
    connect(&cell, &TextCell::leaveRequested, [&left](Qt::Key key) { left += u' ' + QKeySequence(key).toString(); });
    Press(&cell, edit.keys);
    QString state = Marked(&cell) + (left.isEmpty() ? QString() : u" left"_s + left);
    if (QGuiApplication::clipboard()->text() != put) state += u" copied "_s + QGuiApplication::clipboard()->text();
    if (onBoard) state += u" %1pt %2"_s.arg(cell.fontSize()).arg(cell.backColor().name());
    QCOMPARE(state, edit.after);
    if (!onBoard) QCOMPARE(changed.count(), edit.changes);
}

void TestTextCell::noteDrawnOnCentredLines()
{
    TextCell cell;
    cell.resize(52, 52);
    cell.setFontSize(8);
    cell.setBackColor(Revealed);
    cell.setText(u"123\r\n456\r\n789"_s);
    const QImage image = cell.grab().toImage();
    QCOMPARE(image.pixelColor(5, 5), Revealed);
    // Runs of rows with ink inside the edge: one per line, the block centred.
    int runs = 0, left = image.width(), right = 0;
    for (int y = 3, inked = 0; y < image.height() - 3; ++y) {
        int ink = 0;
        for (int x = 3; x < image.width() - 3; ++x)
            if (qGray(image.pixel(x, y)) < 128) ink = 1, left = std::min(left, x), right = std::max(right, x);
        runs += ink > inked;
        inked = ink;
    }
    QCOMPARE(runs, 3);
    QVERIFY(std::abs(left + right - image.width() + 1) <= 4);
    // A click lands on the line it hits, here just right of a line's first digit.
    const QFontMetrics fm(cell.font());
    const int x = (cell.width() - fm.horizontalAdvance(u"456"_s)) / 2 + fm.horizontalAdvance(u"4"_s) + 1;
    QTest::mouseClick(&cell, Qt::LeftButton, {}, QPoint(x, cell.height() / 2));
    QCOMPARE(Marked(&cell), u"123\r\n4|56\r\n789"_s);
    QTest::mouseClick(&cell, Qt::LeftButton, {}, QPoint(x, cell.height() / 2 + fm.height()));
    QCOMPARE(Marked(&cell), u"123\r\n456\r\n7|89"_s);
}

void TestTextCell::showPuzzleOverPrevious()
{
    frmsudoku w;
    const auto check = [&w](const std::string& puzzle) {
        for (int k = 0; k < 81; ++k) {
            const TextCell* cell = w.tile[k];
            const bool given = puzzle[k] != '0';
            QVERIFY2(cell->text() == (given ? QString(QChar(puzzle[k])) : QString()) && cell->locked() == given
                         && cell->maxLength() == 13 && cell->backColor() == (given ? Black : White)
                         && cell->foreColor() == (given ? White : Black),
                     qPrintable(u"cell %1"_s.arg(k)));
        }
    };
    w.ShowPuzzle(PuzzleA);
    check(PuzzleA);
    w.tile[0]->setFontSize(12);
    Press(w.tile[1], u"1234"_s);
    Press(w.tile[5], u"5{Red}"_s);
    w.ShowPuzzle(PuzzleB);
    check(PuzzleB);
    // A previous given is locked when written, so the rules leave its font
    // alone; a cell that was open runs them and gets 28 pt.
    QCOMPARE(w.tile[0]->fontSize(), 12.0);
    QCOMPARE(w.tile[1]->fontSize(), 28.0);
}

QTEST_MAIN(TestTextCell)
#include "tst_textCell.moc"
