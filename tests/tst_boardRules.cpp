// Tests of the progress check's rule: which single entries repeat the text of a cell in their row, column or box.
#include "boardRules.h"
#include "gridText.h"

#include <QtTest>

namespace {

// One cell the row sets; every other cell is empty and open.
struct Placed {
    int column;
    int row;
    const char* text;
    bool given;
};

} // namespace

Q_DECLARE_METATYPE(QList<Placed>)

class TestBoardRules : public QObject {
    Q_OBJECT

private slots:
    void findClashesReportsTheEntriesThatRepeatACell_data()
    {
        QTest::addColumn<QList<Placed>>("cells");
        QTest::addColumn<QList<int>>("clashes");
        QTest::newRow("an entry equal to a given in its row is reported, the given is not")
            << QList<Placed>{{1, 1, "5", true}, {9, 1, "5", false}} << QList<int>{8};
        QTest::newRow("two equal entries in one box, on different rows and columns, are both reported")
            << QList<Placed>{{4, 4, "7", false}, {6, 6, "7", false}} << QList<int>{30, 50};
        QTest::newRow("a note never clashes and is never matched")
            << QList<Placed>{{1, 1, "15", false}, {2, 1, "15", false}, {3, 1, "5", false}} << QList<int>{};
        QTest::newRow("an entry 0 clashes alone") << QList<Placed>{{5, 5, "0", false}} << QList<int>{40};
        QTest::newRow("entries equal to one in their column or row are reported, in index order")
            << QList<Placed>{{9, 9, "9", false}, {1, 9, "9", false}, {9, 1, "9", false}} << QList<int>{8, 72, 80};
    }

    void findClashesReportsTheEntriesThatRepeatACell()
    {
        QFETCH(QList<Placed>, cells);
        QFETCH(QList<int>, clashes);
        boardRules::BoardTexts texts{};
        boardRules::BoardLocks locked{};
        for (const Placed& cell : cells) {
            const int index = gridText::CellIndex(cell.column, cell.row);
            texts[index] = cell.text;
            locked[index] = cell.given;
        }
        const std::vector<int> found = boardRules::FindClashes(texts, locked);
        QCOMPARE(QList<int>(found.begin(), found.end()), clashes);
    }
};

QTEST_GUILESS_MAIN(TestBoardRules)
#include "tst_boardRules.moc"
