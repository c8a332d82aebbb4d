// Tests of the window as a desktop citizen: what a screen reader reads, arrow keys, sharp pictures at any scale.
#include "gameFixture.h"

#include <QAccessible>
#include <QPainter>
#include <QtTest>

using namespace gameFixture;

class TestDesktop : public QObject {
    Q_OBJECT
    std::unique_ptr<frmsudoku> w;
    QAccessibleInterface* reader(int cell) { return QAccessible::queryAccessibleInterface(w->tile[cell]); }

private slots:
    void init() { w = Playing("5" + std::string(80, '0')); } // a given 5 top left, every other cell open

    void everyControlHasAName()
    {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(w.get());
        QCOMPARE(window->childCount(), w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size());
        for (int n = 0; n < window->childCount(); ++n)
            QVERIFY2(!window->child(n)->text(QAccessible::Name).isEmpty(), window->child(n)->object()->objectName().toLatin1());
    }

    void cellsReadTheirState()
    {
        for (auto [index, typed, name, value, readOnly] : {std::tuple{0, "7", "row 1, column 1, given 5", "5", true},
                 {1, "", "row 1, column 2, empty", "", false}, {40, "6", "row 5, column 5, 6", "6", false},
                 {80, "1234", "row 9, column 9, notes 1 2 3 4", "1234", false}}) {
            QTest::keyClicks(w->tile[index], typed);
            QCOMPARE(reader(index)->role(), QAccessible::EditableText);
            QCOMPARE(reader(index)->text(QAccessible::Name), QString(name));
            QCOMPARE(reader(index)->text(QAccessible::Value), QString(value));
            QCOMPARE(bool(reader(index)->state().readOnly), readOnly);
        }
    }

    void marksAreDescribedUntilCleared()
    {
        QTest::keyClicks(w->tile[1], "5"); // repeats the given 5 of its row
        QVERIFY(!w->CheckForErrors());
        QCOMPARE(reader(1)->text(QAccessible::Description), QStringLiteral("marked incorrect"));
        QTest::keyClick(w->tile[1], Qt::Key_Backspace);
        QCOMPARE(reader(1)->text(QAccessible::Description), QString());
    }

    void textInterfaceFollowsTheCaret()
    {
        QTest::keyClicks(w->tile[3], "1234");
        QAccessibleTextInterface* text = reader(3)->textInterface();
        QVERIFY(text);
        QCOMPARE(QList<int>({text->characterCount(), text->cursorPosition()}), QList<int>({6, 6})); // "123" CR LF "4"
        text->setSelection(0, 0, 3);
        QCOMPARE(w->tile[3]->selectedText(), QStringLiteral("123"));
        int start = 0, end = 0;
        QCOMPARE(text->textAtOffset(1, QAccessible::CharBoundary, &start, &end), QStringLiteral("2"));
        QCOMPARE(QList<int>({start, end}), QList<int>({1, 2}));
    }

    void arrowKeys_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("up") << 40 << "12" << 1 << Qt::Key_Up << 31;
        QTest::newRow("down") << 40 << "12" << 1 << Qt::Key_Down << 49;
        QTest::newRow("left mid-text stays") << 40 << "12" << 1 << Qt::Key_Left << 40;
        QTest::newRow("left at start") << 40 << "12" << 0 << Qt::Key_Left << 39;
        QTest::newRow("right mid-text stays") << 40 << "12" << 1 << Qt::Key_Right << 40;
        QTest::newRow("right at end") << 40 << "12" << 2 << Qt::Key_Right << 41;
        QTest::newRow("onto a given") << 9 << "" << 0 << Qt::Key_Up << 0;
        QTest::newRow("top edge") << 4 << "" << 0 << Qt::Key_Up << 4;
        QTest::newRow("no wrap to the next row") << 8 << "" << 0 << Qt::Key_Right << 8;
    }

    void arrowKeys()
    {
        QFETCH(int, from);
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(Qt::Key, key);
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        w->tile[from]->setFocus();
        QTest::keyClicks(w->tile[from], text);
        w->tile[from]->setSelStart(caret);
        QTest::keyClick(w->tile[from], key);
        QTEST(int(std::find(w->tile.begin(), w->tile.end(), QApplication::focusWidget()) - w->tile.begin()), "to");
        QCOMPARE(w->tile[from]->text(), text); // moving never edits
    }

    void picturesAreSharp() // on a scaled screen drawn from their double-size images, not the small ones blown up
    {
        const qreal ratio = w->devicePixelRatio();
        for (int i = 0; i < 3; ++i) {
            QImage drawn(QSize(16, 16) * ratio, QImage::Format_ARGB32_Premultiplied);
            drawn.setDevicePixelRatio(ratio);
            drawn.fill(w->Picture3[i]->palette().color(QPalette::Base));
            const QString name = QStringList{"facebook", "twitter", "linkedin"}[i] + (ratio > 1 ? "@2x" : "");
            QPainter(&drawn).drawImage(0, 0, QImage(":/images/" + name + ".png"));
            QCOMPARE(w->Picture3[i]->grab().toImage().convertToFormat(drawn.format()), drawn);
        }
        QCOMPARE(w->Label9->cursor().pixmap().size(), QSize(32, 32) * (ratio > 1 ? 2 : 1));
        QCOMPARE(w->Label9->cursor().hotSpot(), QPoint(5, 0)); // the finger tip, in device-independent pixels
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
