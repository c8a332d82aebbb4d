// Tests of what makes the window a good desktop citizen: what a screen reader
// reads, moving about the board with the arrow keys, and sharp pictures on
// scaled screens. The same program runs a second time at a scale factor of 2.
#include "window/Module1.h"
#include "window/frmsudoku.h"
#include "window/textCell.h"

#include <QAccessible>
#include <QtTest>

#include <memory>

namespace {

// Row 1: a given 5, then open cells; the rest of the board is open.
const std::string Puzzle = "5" + std::string(80, '0');

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Module1::SetApplicationIdentity(); }
    void init();
    void cleanup() { w.reset(); }

    void everyControlHasAName();
    void cellsReadTheirState_data();
    void cellsReadTheirState();
    void marksAreDescribed();
    void textInterfaceFollowsTheCaret();
    void arrowKeysMoveAboutTheBoard_data();
    void arrowKeysMoveAboutTheBoard();
    void picturesAreSharp();

private:
    TextCell* cell(int index) { return w->tile[index]; }
    std::unique_ptr<frmsudoku> w;
};

void TestDesktop::init()
{
    w = std::make_unique<frmsudoku>();
    w->Timer1->stop();
    w->ShowPuzzle(Puzzle);
    w->solutionGrid = std::string(81, '1');
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
}

void TestDesktop::everyControlHasAName()
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(w.get());
    QVERIFY(window);
    QCOMPARE(window->childCount(), w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size());
    for (int n = 0; n < window->childCount(); ++n) {
        QAccessibleInterface* control = window->child(n);
        QVERIFY2(!control->text(QAccessible::Name).isEmpty(), qPrintable(control->object()->objectName()));
    }
}

void TestDesktop::cellsReadTheirState_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("readOnly");

    QTest::newRow("given") << 0 << "7" << "row 1, column 1, given 5" << "5" << true;
    QTest::newRow("empty") << 1 << "" << "row 1, column 2, empty" << "" << false;
    QTest::newRow("entry") << 40 << "6" << "row 5, column 5, 6" << "6" << false;
    QTest::newRow("notes") << 80 << "1234" << "row 9, column 9, notes 1 2 3 4" << "1234" << false;
}

void TestDesktop::cellsReadTheirState()
{
    QFETCH(int, index);
    QFETCH(QString, typed);
    QTest::keyClicks(cell(index), typed);

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(cell(index));
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::EditableText);
    QTEST(iface->text(QAccessible::Name), "name");
    QTEST(iface->text(QAccessible::Value), "value");
    QTEST(bool(iface->state().readOnly), "readOnly");
    QVERIFY(iface->state().focusable);
}

void TestDesktop::marksAreDescribed()
{
    // Two equal entries in one row are both marked; the solution then fills
    // the differing cells in, and its cells say so.
    QTest::keyClicks(cell(1), "3");
    QTest::keyClicks(cell(2), "3");
    QAccessibleInterface* marked = QAccessible::queryAccessibleInterface(cell(1));
    QCOMPARE(marked->text(QAccessible::Description), QString());
    QVERIFY(!w->CheckForErrors());
    QCOMPARE(marked->text(QAccessible::Description), QStringLiteral("marked incorrect"));

    QTest::keyClick(cell(1), Qt::Key_Backspace);
    QCOMPARE(marked->text(QAccessible::Description), QString());
    QCOMPARE(marked->text(QAccessible::Name), QStringLiteral("row 1, column 2, empty"));
}

void TestDesktop::textInterfaceFollowsTheCaret()
{
    QTest::keyClicks(cell(3), "1234");
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(cell(3))->textInterface();
    QVERIFY(text);
    QCOMPARE(text->characterCount(), 6); // "123" CR LF "4"
    QCOMPARE(text->text(0, 3), QStringLiteral("123"));
    QCOMPARE(text->cursorPosition(), 6);
    text->setSelection(0, 0, 3);
    QCOMPARE(cell(3)->selectedText(), QStringLiteral("123"));
    int start = 0;
    int end = 0;
    QCOMPARE(text->textAtOffset(1, QAccessible::CharBoundary, &start, &end), QStringLiteral("2"));
    QCOMPARE(std::make_pair(start, end), std::make_pair(1, 2));
}

void TestDesktop::arrowKeysMoveAboutTheBoard_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");

    QTest::newRow("up") << 40 << "12" << 1 << int(Qt::Key_Up) << 31;
    QTest::newRow("down") << 40 << "12" << 1 << int(Qt::Key_Down) << 49;
    QTest::newRow("left mid-text stays") << 40 << "12" << 1 << int(Qt::Key_Left) << 40;
    QTest::newRow("left at start") << 40 << "12" << 0 << int(Qt::Key_Left) << 39;
    QTest::newRow("right mid-text stays") << 40 << "12" << 1 << int(Qt::Key_Right) << 40;
    QTest::newRow("right at end") << 40 << "12" << 2 << int(Qt::Key_Right) << 41;
    QTest::newRow("onto a given") << 9 << "" << 0 << int(Qt::Key_Up) << 0;
    QTest::newRow("top edge") << 4 << "" << 0 << int(Qt::Key_Up) << 4;
    QTest::newRow("right edge") << 44 << "" << 0 << int(Qt::Key_Right) << 44;
    QTest::newRow("bottom edge") << 76 << "" << 0 << int(Qt::Key_Down) << 76;
    QTest::newRow("no wrap to next row") << 8 << "" << 0 << int(Qt::Key_Right) << 8;
}

void TestDesktop::arrowKeysMoveAboutTheBoard()
{
    QFETCH(int, from);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, key);
    QFETCH(int, to);

    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    cell(from)->setFocus();
    QTest::keyClicks(cell(from), text);
    cell(from)->setSelStart(caret);
    QTest::keyClick(cell(from), Qt::Key(key));
    QCOMPARE(QApplication::focusWidget(), cell(to));
    QCOMPARE(cell(from)->text(), text); // moving never edits
}

void TestDesktop::picturesAreSharp()
{
    // On a scaled screen the pictures come from their double-size images,
    // not from the small ones blown up.
    const qreal ratio = w->devicePixelRatio();
    for (const char* name : {"facebook", "twitter", "linkedin"}) {
        const QString small = QStringLiteral(":/images/%1.png").arg(QLatin1String(name));
        const QImage drawn = QIcon(small).pixmap(QSize(16, 16), ratio).toImage();
        QCOMPARE(drawn.size(), QSize(16, 16) * ratio);
        if (ratio >= 2) {
            const QImage sharp(QStringLiteral(":/images/%1@2x.png").arg(QLatin1String(name)));
            QCOMPARE(drawn.convertToFormat(sharp.format()), sharp);
        }
    }
    const QPixmap hand = w->Label9->cursor().pixmap();
    QCOMPARE(hand.size(), QSize(32, 32) * (ratio >= 2 ? 2 : 1));
    QCOMPARE(w->Label9->cursor().hotSpot(), QPoint(5, 0)); // in device-independent pixels
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
