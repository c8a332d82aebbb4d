// Tests of the one cell numbering of grid texts and the board (the levels' blank counts are pinned by the carving).
#include "gridText.h"

#include <QtTest>

using namespace gridText;

class TestGridText : public QObject {
    Q_OBJECT

private slots:
    // The corners and the centre tell a column from a row and catch a numbering that is off by one.
    void cellsAreNumberedRowByRowFromTheTopLeft_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::newRow("cell 0 is the top left") << 0 << 1 << 1;
        QTest::newRow("cell 8 ends the first row") << 8 << 9 << 1;
        QTest::newRow("cell 40 is the centre") << 40 << 5 << 5;
        QTest::newRow("cell 72 starts the last row") << 72 << 1 << 9;
        QTest::newRow("cell 80 is the bottom right") << 80 << 9 << 9;
    }

    void cellsAreNumberedRowByRowFromTheTopLeft()
    {
        QFETCH(int, index);
        QFETCH(int, column);
        QFETCH(int, row);
        int seenColumn = 0;
        int seenRow = 0;
        CellPosition(index, seenColumn, seenRow);
        QCOMPARE(seenColumn, column);
        QCOMPARE(seenRow, row);
        QCOMPARE(CellIndex(column, row), index);
    }

    // A cell that comes back from its place is the only cell there, so no two cells share one.
    void everyCellHasItsOwnPlaceOnTheBoard()
    {
        for (int index = 0; index < GridLength; ++index) {
            int column = 0;
            int row = 0;
            CellPosition(index, column, row);
            QVERIFY2(column >= 1 && column <= 9,
                     qPrintable(QStringLiteral("cell %1: column %2").arg(index).arg(column)));
            QVERIFY2(row >= 1 && row <= 9, qPrintable(QStringLiteral("cell %1: row %2").arg(index).arg(row)));
            QCOMPARE(CellIndex(column, row), index);
        }
    }
};

QTEST_GUILESS_MAIN(TestGridText)
#include "tst_gridText.moc"
