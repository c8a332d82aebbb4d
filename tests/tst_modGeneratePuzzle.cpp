// Tests of the solution grid generator: the grid a key builds, and how a key is drawn.
#include "gridText.h"
#include "modGeneratePuzzle.h"
#include "scriptedDraws.h"

#include <QtTest>

using namespace modGeneratePuzzle;

class TestModGeneratePuzzle : public QObject {
    Q_OBJECT

private slots:
    void buildSolutionTransformsTheSeedGrid_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("firstRows");
        QTest::newRow("the identity key leaves the seed grid unchanged")
            << "|123456789|123|123|123123123|123123123|10|" << QString::fromLatin1(gridText::SeedGrid);
        QTest::newRow("mirror 1 mirrors left to right") << "|123456789|123|123|123123123|123123123|11|"
                                                        << "963428751";
        // It moves every field away from the identity but the mirror, which it sets top to bottom.
        QTest::newRow("the example key builds the example solution")
            << "|538172694|231|312|132213321|321123231|42|"
            << "926475831178963254345821967692718543713254698584639172839542716261397485457186329";
    }

    void buildSolutionTransformsTheSeedGrid()
    {
        QFETCH(QString, key);
        QFETCH(QString, firstRows);
        const QString solution = QString::fromStdString(BuildSolution(key.toStdString()));
        QCOMPARE(solution.left(firstRows.size()), firstRows);
    }

    // A key takes 212 draws: 1-50 the digit map, 51-70 the band order, 71-90 the stack order, 91-150 the row orders,
    // 151-210 the column orders, 211 the turn and 212 the mirror. A draw of 0 picks entry 1 and changes nothing; the
    // first draw of each field is 0.5, which picks entry 5 of nine, 2 of three or 3 of four and exchanges it with
    // entry 1, so the key shows that each field starts where it should.
    void makeTransformKeyDrawsTheFieldsInTurn()
    {
        std::vector<float> draws(212, 0.0f);
        for (const int first : {1, 51, 71, 91, 151, 211}) draws[static_cast<std::size_t>(first - 1)] = 0.5f;
        const auto taken = std::make_shared<int>(0);
        const std::string key = MakeTransformKey(scriptedDraws::Source(draws, 0.0f, taken));
        QCOMPARE(QString::fromStdString(key), "|523416789|213|213|213123123|213123123|30|");
        QCOMPARE(*taken, 212);
    }
};

QTEST_GUILESS_MAIN(TestModGeneratePuzzle)
#include "tst_modGeneratePuzzle.moc"
