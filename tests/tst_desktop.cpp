// Tests of the window as a desktop citizen: what a screen reader reads, arrow keys, sharp pictures at any scale.
#include "gameFixture.h"

#include <QAccessible>
#include <QPainter>

using namespace gameFixture;

class TestDesktop : public QObject {
    Q_OBJECT
    std::unique_ptr<frmsudoku> w;
    QAccessibleInterface* reader(int cell) { return QAccessible::queryAccessibleInterface(w->tile[cell]); }

private slots:
    void init() { w = Started("5" + std::string(80, '0')); } // a given 5 top left, every other cell open

    void everyControlHasAName()
    {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(w.get());
        QCOMPARE(window->childCount(), w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size());
        for (int n = 0; n < window->childCount(); ++n)
            QVERIFY2(!window->child(n)->text(QAccessible::Name).isEmpty(),
                     window->child(n)->object()->objectName().toLatin1());
    }

    // Name, value, read-only and description of cells; a mark is described until its own cell's text changes.
    void cellsReadTheirState()
    {
        for (auto [k, typed] :
             {std::pair{0, "7"}, {1, "5"}, {2, "5"}, {40, "6"}, {80, "1234"}}) // 1 and 2 repeat the given
            QTest::keyClicks(w->tile[k], typed);
        QVERIFY(!w->CheckForErrors());
        QTest::keyClick(w->tile[2], Qt::Key_Backspace);
        QStringList read;
        for (int k : {0, 1, 2, 40, 80})
            read << reader(k)->text(QAccessible::Name) + '|' + reader(k)->text(QAccessible::Value)
                    + (reader(k)->state().readOnly ? "|read-only|" : "||") + reader(k)->text(QAccessible::Description);
        QCOMPARE(read,
                 QStringList({"row 1, column 1, given 5|5|read-only|", "row 1, column 2, 5|5||marked incorrect",
                              "row 1, column 3, empty|||", "row 5, column 5, 6|6||",
                              "row 9, column 9, notes 1 2 3 4|1234||"}));
        QAccessibleTextInterface* text = reader(80)->textInterface(); // offsets count the line break, CR LF
        text->setSelection(0, 0, 3);
        QCOMPARE(std::tuple(reader(80)->role(), text->characterCount(), w->tile[80]->selectedText()),
                 std::tuple(QAccessible::EditableText, 6, QStringLiteral("123")));
    }

    // Up and down move always, left and right only from the ends of the text; never off the board, never editing.
    void arrowKeys()
    {
        QTest::keyClicks(w->tile[40], "12");
        QList<int> to; // the cells reached
        for (auto [from, caret, key] : {std::tuple{40, 1, Qt::Key_Up},
                                        {40, 1, Qt::Key_Down},
                                        {40, 1, Qt::Key_Left},
                                        {40, 0, Qt::Key_Left},
                                        {40, 1, Qt::Key_Right},
                                        {40, 2, Qt::Key_Right},
                                        {9, 0, Qt::Key_Up},
                                        {4, 0, Qt::Key_Up},
                                        {8, 0, Qt::Key_Right}}) {
            w->tile[from]->setFocus();
            w->tile[from]->setSelStart(caret);
            QTest::keyClick(w->tile[from], key);
            to << int(std::find(w->tile.begin(), w->tile.end(), QApplication::focusWidget()) - w->tile.begin());
        }
        QCOMPARE(std::pair(to, w->tile[40]->text()),
                 std::pair(QList<int>({31, 49, 40, 39, 40, 41, 0, 4, 8}), QString("12")));
    }

    void picturesAreSharp() // on a scaled screen drawn from their double-size images, not the small ones blown up
    {
        const qreal ratio = w->devicePixelRatio();
        for (auto [i, name] : {std::pair{0, "facebook"}, {1, "twitter"}, {2, "linkedin"}}) {
            QImage drawn(QSize(16, 16) * ratio, QImage::Format_ARGB32_Premultiplied);
            drawn.setDevicePixelRatio(ratio);
            drawn.fill(w->Picture3[i]->palette().color(QPalette::Base));
            QPainter(&drawn).drawImage(0, 0,
                                       QImage(QStringLiteral(":/images/%1%2.png").arg(name, ratio > 1 ? "@2x" : "")));
            QCOMPARE(w->Picture3[i]->grab().toImage().convertToFormat(drawn.format()), drawn);
        }
        const QCursor hand = w->Label9->cursor(); // its hot spot the finger tip, in device-independent pixels
        QCOMPARE(std::pair(hand.pixmap().size(), hand.hotSpot()),
                 std::pair(QSize(32, 32) * (ratio > 1 ? 2 : 1), QPoint(5, 0)));
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
