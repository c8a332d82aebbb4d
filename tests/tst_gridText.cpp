// Tests of the grid-text rules: the one cell numbering.
#include "engine/gridText.h"

#include <QtTest>

class TestGridText : public QObject {
    Q_OBJECT

private slots:
    void positions_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("top left") << 1 << 1 << 1;
        QTest::newRow("top right") << 9 << 1 << 9;
        QTest::newRow("tile 40, the centre") << 40 + 1 << 5 << 5;
        QTest::newRow("bottom left") << 73 << 9 << 1;
        QTest::newRow("bottom right") << 81 << 9 << 9;
    }

    void positions()
    {
        QFETCH(int, position);
        QFETCH(int, row);
        QFETCH(int, column);
        QCOMPARE(gridText::PositionRow(position), row);
        QCOMPARE(gridText::PositionColumn(position), column);
        QCOMPARE(gridText::Position(row, column), position);
    }
};

QTEST_GUILESS_MAIN(TestGridText)
#include "tst_gridText.moc"
