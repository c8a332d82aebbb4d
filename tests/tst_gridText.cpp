// Tests of the one cell numbering of grid texts and the board.
#include "gridText.h"

#include <QtTest>

class TestGridText : public QObject {
    Q_OBJECT

private slots:
    // Cell k stands in row k / 9 + 1 and column k % 9 + 1: a numbering off by one, or one that mixes up columns and
    // rows, fails at the corners or the centre, and every cell must come back from its place to its own number.
    void cellsAreNumberedRowByRowFromTheTopLeft()
    {
        for (int row = 1; row <= 9; ++row)
            for (int column = 1; column <= 9; ++column) {
                const int index = (row - 1) * 9 + column - 1;
                QCOMPARE(gridText::CellIndex(column, row), index);
                int seenColumn = 0;
                int seenRow = 0;
                gridText::CellPosition(index, seenColumn, seenRow);
                QCOMPARE(seenColumn, column);
                QCOMPARE(seenRow, row);
            }
    }
};

QTEST_GUILESS_MAIN(TestGridText)
#include "tst_gridText.moc"
