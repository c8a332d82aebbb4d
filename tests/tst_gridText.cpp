// Tests of the grid-text rules: the one cell numbering.
#include "engine/gridText.h"

#include <QtTest>

class TestGridText : public QObject {
    Q_OBJECT

private slots:
    // Position, row, column: the corners tell row from column and catch an
    // off-by-one; 41 is tile 40, the centre.
    void positions()
    {
        for (const QList<int>& c : {QList<int>{1, 1, 1}, {9, 1, 9}, {41, 5, 5}, {73, 9, 1}, {81, 9, 9}})
            QCOMPARE((QList<int>{gridText::Position(c[1], c[2]), gridText::PositionRow(c[0]),
                                 gridText::PositionColumn(c[0])}),
                     c);
    }
};

QTEST_GUILESS_MAIN(TestGridText)
#include "tst_gridText.moc"
