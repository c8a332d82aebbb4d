// Tests of the board cell: the text box on its own, and the entry rules driven through the real window.
#include "window/frmsudoku.h"
#include "window/textCell.h"

#include <QClipboard>
#include <QtTest>

using namespace Qt::StringLiterals;

// Puzzle A blanks a checkerboard of a valid solution (cells 0, 8 and 80 are
// givens); puzzle B turns cell 0 into another given, cell 1 from a blank
// into a given and cells 2 and 5 into blanks.
const std::string PuzzleA = "504070902070105040108040507050701020406050701010904050901030204080409030305080109";
const std::string PuzzleB = "640780120780210450210450670960870530530960810820130960170640390390520740450390280";

// Runs a script on a cell: characters are typed, {Name} presses a key by its
// key-sequence name ({Ctrl+V}, {Shift+Home}), {IM} commits "7" by input
// method, {=text} writes the text, {Max n} sets maxLength, and {#rrggbb}
// paints the background as the progress check and Solve do.
static void Run(TextCell* cell, const QString& script)
{
    QInputMethodEvent commit;
    commit.setCommitString(u"7"_s);
    for (const QString& part : (u'}' + script).split(u'{')) {
        const QString name = part.section(u'}', 0, 0);
        if (name == u"IM") QCoreApplication::sendEvent(cell, &commit);
        else if (name.startsWith(u'=')) cell->setText(name.mid(1));
        else if (name.startsWith(u"Max ")) cell->setMaxLength(name.mid(4).toInt());
        else if (name.startsWith(u'#')) cell->setBackColor(QColor(name));
        else if (!name.isEmpty()) {
            QVERIFY2(QKeySequence(name).toString() == name, qPrintable(name));
            QTest::keySequence(cell, QKeySequence(name));
        }
        QTest::keyClicks(cell, part.section(u'}', 1));
    }
}

class TestTextCell : public QObject {
    Q_OBJECT

private slots:
    // Keys run on tile n of puzzle A with 13 digits on the clipboard, or (n =
    // -1) on a lone cell set up by the script before ~; then the text with its
    // caret marked | or its selection [ ], any leaveRequested() and copy, and
    // the tile's font size and background or the lone cell's changed() count.
    void editing_data()
    {
        QTest::addColumn<int>("tile");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");
        // Retyping a text counts as a change; writing the same text does not, and maxLength never cuts a write.
        QTest::newRow("changed() per edit")
            << -1 << u"{=5}{Ctrl+A}{Max 1}~5{=5}{=123\r\n4}"_s << u"|123\r\n4 changed 2"_s;
        QTest::newRow("Enter, CR LF whole")
            << -1 << u"{=2}~{Return}{Enter}{Return}{Left}{Backspace}{Del}"_s << u"\r\n|2 changed 5"_s;
        QTest::newRow("room for Enter") << -1 << u"{=123}{End}{Shift+Left}{Max 3}~{Return}{IM}{Return}"_s
                                        << u"127| changed 1"_s;
        QTest::newRow("paste cut to room, CR LF and pairs whole")
            << -1 << u"{=1}{End}{Max 4}~{Ctrl+V}{Max 10}{Ctrl+V}{Home}{Right}{Max 11}{Ctrl+V}"_s
            << u"1ab|abab\r\ncd changed 3"_s;
        QTest::newRow("leaving") << -1 << u"{=1}{End}~{Up}{Down}{Left}{Left}{Right}{Right}"_s
                                 << u"1| Up Down Left Right changed 0"_s;
        QTest::newRow("0") << 1 << u"0"_s << u"0| 28pt #666666"_s;
        QTest::newRow("tenth digit refused") << 1 << u"1234567890"_s << u"123\r\n456\r\n789| 8pt #ffffff"_s;
        QTest::newRow("letter") << 1 << u"x"_s << u"| 28pt #ffffff"_s;
        QTest::newRow("letter after 5") << 1 << u"5x"_s << u"5| 22pt #666666"_s;
        QTest::newRow("letter before 3, then 6")
            << 1 << u"12345{Home}{Right}{Right}x6"_s << u"123\r\n456| 8pt #ffffff"_s;
        QTest::newRow("Enter") << 1 << u"1234{Home}{Return}"_s << u"123\r\n4| 8pt #ffffff"_s;
        QTest::newRow("4 deleted from a note") << 1 << u"1234{Backspace}"_s << u"123| 10pt #ffffff"_s;
        QTest::newRow("13 digits pasted") << 1 << u"{Ctrl+V}4{Ctrl+V}"_s << u"123\r\n456\r\n7890123| 8pt #ffffff"_s;
        QTest::newRow("error and revealed colours go")
            << 1 << u"5{#ff0000}6{#ffffc0}{Backspace}"_s << u"5| 28pt #666666"_s;
        QTest::newRow("given") << 0 << u"{End}{Backspace}{Shift+Home}{Ctrl+C}3{IM}{Return}{Ctrl+V}{Ctrl+X}{Home}{Del}"_s
                               << u"|5 copied 5 28pt #000000"_s;
    }

    void editing()
    {
        QFETCH(int, tile);
        QFETCH(QString, keys);
        QFETCH(QString, after);
        frmsudoku w;
        w.ShowPuzzle(PuzzleA);
        TextCell* cell = tile < 0 ? new TextCell(&w) : w.tile[tile];
        Run(cell, keys.section(u'~', 0, -2));
        const QString put = tile < 0 ? u"ab\r\ncd\U0001F600"_s : u"1234567890123"_s;
        QGuiApplication::clipboard()->setText(put);
        QSignalSpy changed(cell, &TextCell::changed);
        QString state;
        connect(cell, &TextCell::leaveRequested,
                [&state](Qt::Key key) { state += u' ' + QKeySequence(key).toString(); });
        Run(cell, keys.section(u'~', -1));
        state.prepend(cell->text()).insert(cell->selStart() + cell->selLength(), cell->selLength() ? u']' : u'|');
        if (cell->selLength() > 0) state.insert(cell->selStart(), u'[');
        if (QGuiApplication::clipboard()->text() != put) state += u" copied "_s + QGuiApplication::clipboard()->text();
        state += tile < 0 ? u" changed %1"_s.arg(changed.count())
                          : u" %1pt %2"_s.arg(cell->fontSize()).arg(cell->backColor().name());
        QCOMPARE(state, after);
    }

    // Puzzle B over puzzle A, where a given's font was changed, a note typed
    // and an entry painted red; then a note typed on the new board.
    void newPuzzleAndNoteDrawn()
    {
        frmsudoku w;
        w.ShowPuzzle(PuzzleA);
        w.tile[0]->setFontSize(12);
        Run(w.tile[1], u"1234"_s);
        Run(w.tile[5], u"5{#ff0000}"_s);
        w.ShowPuzzle(PuzzleB);
        QString shown, want;
        for (int k = 0; k < 81; ++k) {
            const TextCell* c = w.tile[k];
            shown += u"%1 %2 %3 %4 %5, "_s.arg(c->text())
                         .arg(c->locked())
                         .arg(c->maxLength())
                         .arg(c->foreColor().name(), c->backColor().name());
            want += PuzzleB[k] == '0' ? u" 0 13 #000000 #ffffff, "_s
                                      : u"%1 1 13 #ffffff #000000, "_s.arg(QChar(PuzzleB[k]));
        }
        QCOMPARE(shown, want);
        // A previous given is locked when written, so the rules leave its font
        // alone; a cell that was open runs them and gets 28 pt.
        QCOMPARE(std::pair(w.tile[0]->fontSize(), w.tile[1]->fontSize()), std::pair(12.0, 28.0));

        // Rows and columns inside the edge holding anything but the background:
        // three bands of rows, one per line, and the ink centred both ways.
        TextCell& cell = *w.tile[2];
        Run(&cell, u"123456789{#ffffc0}"_s);
        const QImage image = cell.grab().toImage().scaled(cell.size());
        QString rows, columns(image.width() - 4, u'.');
        for (int y = 2; y < image.height() - 2; ++y) {
            rows += u'.';
            for (int x = 2; x < image.width() - 2; ++x)
                if (image.pixelColor(x, y) != cell.backColor()) rows.back() = columns[x - 2] = u'#';
        }
        QVERIFY2(rows.split(u'.', Qt::SkipEmptyParts).size() == 3, qPrintable(rows));
        for (const QString& ink : {rows, columns})
            QVERIFY2(std::abs(ink.indexOf(u'#') + ink.lastIndexOf(u'#') + 1 - ink.size()) <= 3, qPrintable(ink));
        // A click just right of the middle line's first digit puts the caret there.
        const int x = 2 + columns.indexOf(u'#') + (columns.lastIndexOf(u'#') - columns.indexOf(u'#')) / 3 + 1;
        QTest::mouseClick(&cell, Qt::LeftButton, {}, QPoint(x, cell.height() / 2));
        QCOMPARE(cell.selStart(), 6);
    }
};

QTEST_MAIN(TestTextCell)
#include "tst_textCell.moc"
