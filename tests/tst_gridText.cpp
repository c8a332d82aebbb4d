// Tests of the one cell numbering of grid texts and the board.
#include "gridText.h"

#include <QtTest>

class TestGridText : public QObject {
    Q_OBJECT

private slots:
    // Walking the board row by row from the top left meets cells 0, 1, ... 80 in turn, so the walk passes the
    // corners (0, 8, 72, 80) and the centre (40) where they belong: a numbering off by one, or one that mixes up
    // columns and rows, fails there, and every other cell comes back from its place to its own number.
    void cellsAreNumberedRowByRowFromTheTopLeft()
    {
        int index = 0;
        for (int row = 1; row <= 9; ++row)
            for (int column = 1; column <= 9; ++column) {
                int seenColumn = 0;
                int seenRow = 0;
                gridText::CellPosition(index, seenColumn, seenRow);
                QCOMPARE(seenColumn, column);
                QCOMPARE(seenRow, row);
                QCOMPARE(gridText::CellIndex(column, row), index);
                ++index;
            }
    }
};

QTEST_GUILESS_MAIN(TestGridText)
#include "tst_gridText.moc"
