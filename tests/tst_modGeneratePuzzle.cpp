// Tests of the solution grid generator: what each field of a key does, and how a key is drawn.
#include "boardRules.h"
#include "gridText.h"
#include "modGeneratePuzzle.h"
#include "runTimeRandom.h"
#include "scriptedDraws.h"

#include <QtTest>

using namespace modGeneratePuzzle;
using scriptedDraws::DrawFor;

namespace {

const QString IdentityKey = QStringLiteral("|123456789|123|123|123123123|123123123|10|");
const QString ExampleKey = QStringLiteral("|538172694|231|312|132213321|321123231|42|");

// The identity key with one field (1..6, as the key splits at "|") replaced.
QString KeyWith(int field, const QString& value)
{
    QStringList fields = IdentityKey.split(u'|');
    fields[field] = value;
    return fields.join(u'|');
}

} // namespace

class TestModGeneratePuzzle : public QObject {
    Q_OBJECT

private slots:
    // Each field alone, from the seed grid: a field's step shows in the first row (or two).
    void buildSolutionAppliesEachField_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("firstRows");
        QTest::newRow("the identity key leaves the seed grid unchanged")
            << IdentityKey << QString::fromLatin1(gridText::SeedGrid.data(), gridText::GridLength);
        QTest::newRow("turn 2 turns a quarter counter-clockwise") << KeyWith(6, "20") << "915826374";
        QTest::newRow("turn 3 turns half way round") << KeyWith(6, "30") << "421839567";
        QTest::newRow("mirror 1 mirrors left to right") << KeyWith(6, "11") << "963428751";
        QTest::newRow("mirror 2 mirrors top to bottom") << KeyWith(6, "12") << "765938124";
        QTest::newRow("the digit map relabels every digit") << KeyWith(1, "987654321") << "953286741";
        QTest::newRow("band order 312 brings band 3 to the top") << KeyWith(2, "312") << "214567983";
        QTest::newRow("stack order 312 brings stack 3 to the left") << KeyWith(3, "312") << "369157824";
        QTest::newRow("row order 213 swaps the first two rows") << KeyWith(4, "213123123") << "348695271157824369";
        QTest::newRow("column order 213 swaps the first two columns") << KeyWith(5, "213123123") << "517824369";
        QTest::newRow("the example key builds the example solution")
            << ExampleKey << "926475831178963254345821967692718543713254698584639172839542716261397485457186329";
    }

    void buildSolutionAppliesEachField()
    {
        QFETCH(QString, key);
        QFETCH(QString, firstRows);
        const QString solution = QString::fromStdString(BuildSolution(key.toStdString()));
        QCOMPARE(solution.left(firstRows.size()), firstRows);
    }

    void relabellingDropsLineBreaksBetweenTheDigits()
    {
        QCOMPARE(QByteArray::fromStdString(RelabelDigits("\r\n15\r\n7\r\n", "987654321")), "953");
    }

    // A key takes 212 draws: 1-50 the digit map, 51-70 the band order, 71-90 the stack order, 91-150 the row orders,
    // 151-210 the column orders, 211 the turn digit and 212 the mirror digit. Every draw is 0, which picks entry 1
    // and changes nothing, but for a few of 0.5, which pick entry 5 of nine or 2 of three (3 of four for the turn)
    // and exchange it with entry 1: the key shows which field each went to, so the first and the last draw of every
    // field pin where each field starts and ends.
    void makeTransformKeyDrawsTheFieldsInOrder_data()
    {
        QTest::addColumn<std::vector<float>>("draws");
        QTest::addColumn<QString>("key");
        const auto halfAt = [](std::initializer_list<int> halves) {
            std::vector<float> draws(212, 0.0f);
            for (const int draw : halves) draws[draw - 1] = 0.5f;
            return draws;
        };
        QTest::newRow("the first draw of each field goes to that field")
            << halfAt({1, 51, 71, 91, 151, 211}) << QStringLiteral("|523416789|213|213|213123123|213123123|30|");
        QTest::newRow("the last draw of each field goes to that field")
            << halfAt({50, 70, 90, 150, 210, 212}) << QStringLiteral("|523416789|213|213|123123213|123123213|11|");
        // Exchanging with a moving place, as Fisher-Yates does, would give 234156789.
        QTest::newRow("each draw exchanges its entry with entry 1")
            << std::vector<float>{DrawFor(2, 9), DrawFor(3, 9), DrawFor(4, 9)} << KeyWith(1, "412356789");
        // The window tests deal chosen puzzles through these draws.
        QTest::newRow("the scripted draws of a key make that key") << scriptedDraws::KeyDraws(ExampleKey) << ExampleKey;
    }

    void makeTransformKeyDrawsTheFieldsInOrder()
    {
        QFETCH(std::vector<float>, draws);
        QFETCH(QString, key);
        const auto taken = std::make_shared<int>(0);
        QCOMPARE(QString::fromStdString(MakeTransformKey(scriptedDraws::Source(draws, 0.0f, taken))), key);
        QCOMPARE(*taken, 212);
    }

    // The progress check finds no clash in a full grid exactly when each row, column and box holds 1..9 once.
    void keysFromTheRunTimeSourceBuildValidSolutions()
    {
        RunTimeRandom rnd;
        for (int n = 0; n < 2000; ++n) {
            const std::string solution = BuildSolution(MakeTransformKey(rnd));
            QCOMPARE(solution.size(), std::size_t{81});
            boardRules::BoardTexts texts;
            for (int k = 0; k < gridText::GridLength; ++k) texts[k] = solution.substr(k, 1);
            const std::vector<int> clashes = boardRules::FindClashes(texts, {});
            QCOMPARE(QList<int>(clashes.begin(), clashes.end()), QList<int>{});
        }
    }
};

QTEST_GUILESS_MAIN(TestModGeneratePuzzle)
#include "tst_modGeneratePuzzle.moc"
