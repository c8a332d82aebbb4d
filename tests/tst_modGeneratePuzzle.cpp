// Tests of the solution grid generator: the grid a key builds, and how a key is drawn.
#include "gridText.h"
#include "modGeneratePuzzle.h"
#include "scriptedDraws.h"

#include <QtTest>

using namespace modGeneratePuzzle;

namespace {

// A key that moves every field away from the identity but the mirror, which it sets top to bottom.
const QString ExampleKey = QStringLiteral("|538172694|231|312|132213321|321123231|42|");

} // namespace

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
        QTest::newRow("the example key builds the example solution")
            << ExampleKey << "926475831178963254345821967692718543713254698584639172839542716261397485457186329";
    }

    void buildSolutionTransformsTheSeedGrid()
    {
        QFETCH(QString, key);
        QFETCH(QString, firstRows);
        const QString solution = QString::fromStdString(BuildSolution(key.toStdString()));
        QCOMPARE(solution.left(firstRows.size()), firstRows);
    }

    // The draws are made field by field, each exchanging its entry with entry 1, and the carve seed is drawn next.
    void makeTransformKeyMakesTheKeyItsDrawsSpell()
    {
        const auto taken = std::make_shared<int>(0);
        const std::string key =
            MakeTransformKey(scriptedDraws::Source(scriptedDraws::KeyDraws(ExampleKey), 0.0f, taken));
        QCOMPARE(QString::fromStdString(key), ExampleKey);
        QCOMPARE(*taken, 212);
    }
};

QTEST_GUILESS_MAIN(TestModGeneratePuzzle)
#include "tst_modGeneratePuzzle.moc"
