// Tests of the solution grid generator: what each field of a key does, and how a key is drawn.
#include "gridText.h"
#include "modGeneratePuzzle.h"
#include "runTimeRandom.h"
#include "scriptedDraws.h"

#include <QtTest>

#include <algorithm>
#include <limits>

using namespace modGeneratePuzzle;

namespace {

const QString IdentityKey = QStringLiteral("|123456789|123|123|123123123|123123123|10|");
const QString ExampleKey = QStringLiteral("|538172694|231|312|132213321|321123231|42|");
const QString SeedGrid = QString::fromLatin1(gridText::SeedGrid.data(), gridText::GridLength);

// The identity key with one field (1..6, as the key splits at "|") replaced.
QString KeyWith(int field, const QString& value)
{
    QStringList fields = IdentityKey.split(u'|');
    fields[field] = value;
    return fields.join(u'|');
}

QString Built(const QString& key) { return QString::fromStdString(BuildSolution(key.toStdString())); }

// Whether every row, column and 3 x 3 box of grid holds the digits 1..9 once each.
bool IsValidSolution(const QString& grid)
{
    if (grid.size() != 81) return false;
    for (int unit = 0; unit < 9; ++unit) {
        QString row;
        QString column;
        QString box;
        for (int k = 0; k < 9; ++k) {
            row += grid[unit * 9 + k];
            column += grid[k * 9 + unit];
            box += grid[(unit / 3 * 3 + k / 3) * 9 + unit % 3 * 3 + k % 3];
        }
        for (QString* digits : {&row, &column, &box}) {
            std::sort(digits->begin(), digits->end());
            if (*digits != u"123456789") return false;
        }
    }
    return true;
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
        QTest::newRow("the identity key leaves the seed grid unchanged") << IdentityKey << SeedGrid;
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
        // Only the digit map is whole: its step's work stays, every later step keeps the grid as it was.
        QTest::newRow("fields that are not permutations leave the grid as their step found it")
            << "|987654321|113|124|123123113|2131231230|57|"
            << "953286741762415839184397265478651392639724518521839674896543127217968453345172986";
    }

    void buildSolutionAppliesEachField()
    {
        QFETCH(QString, key);
        QFETCH(QString, firstRows);
        const QString solution = Built(key);
        QCOMPARE(solution.left(firstRows.size()), firstRows);
        QVERIFY2(IsValidSolution(solution), qPrintable(solution));
    }

    void relabellingDropsLineBreaksBetweenTheDigits()
    {
        const std::string seed(gridText::SeedGrid);
        const std::string broken = "\r\n" + seed.substr(0, 9) + "\r\n" + seed.substr(9, 40) + "\r\n" + seed.substr(49);
        QCOMPARE(QString::fromStdString(RelabelDigits(broken, "987654321")),
                 QString::fromStdString(RelabelDigits(seed, "987654321")));
    }

    // A draw of 0.5 picks entry 5 of nine or 2 of three, and exchanges it with entry 1; every other draw is 0,
    // which picks entry 1 and changes nothing. So each draw shows which field it belongs to.
    void makeTransformKeyDrawsTheFieldsInOrder_data()
    {
        QTest::addColumn<std::vector<float>>("draws");
        QTest::addColumn<float>("after");
        QTest::addColumn<QString>("key");
        const struct {
            int first, last, field;
            const char *value, *name;
        } fields[] = {{1, 50, 1, "523416789", "digit map"},
                      {51, 70, 2, "213", "band order"},
                      {71, 90, 3, "213", "stack order"},
                      {91, 110, 4, "213123123", "row order of band 1"},
                      {111, 130, 4, "123213123", "row order of band 2"},
                      {131, 150, 4, "123123213", "row order of band 3"},
                      {151, 170, 5, "213123123", "column order of stack 1"},
                      {171, 190, 5, "123213123", "column order of stack 2"},
                      {191, 210, 5, "123123213", "column order of stack 3"},
                      {211, 211, 6, "30", "turn digit"},
                      {212, 212, 6, "11", "mirror digit"}};
        for (const auto& f : fields) {
            for (const int draw : {f.first, f.last}) {
                std::vector<float> draws(static_cast<std::size_t>(draw), 0.0f);
                draws.back() = 0.5f;
                QTest::addRow("draw %d goes to the %s", draw, f.name) << draws << 0.0f << KeyWith(f.field, f.value);
            }
        }
        // Entry 9 (or 3) exchanged with entry 1 an even number of times is back where it was.
        QTest::newRow("draws of 1.0 pick the last entry") << std::vector<float>{} << 1.0f << KeyWith(6, "42");
        QTest::newRow("NaN draws pick the first entry")
            << std::vector<float>{} << std::numeric_limits<float>::quiet_NaN() << IdentityKey;
        // Exchanging with a moving place, as Fisher-Yates does, would give 234156789.
        QTest::newRow("each draw exchanges its entry with entry 1")
            << std::vector<float>{scriptedDraws::DrawFor(2, 9), scriptedDraws::DrawFor(3, 9),
                                  scriptedDraws::DrawFor(4, 9)}
            << 0.0f << KeyWith(1, "412356789");
        // The window tests deal chosen puzzles through these draws.
        for (const QString& key : {ExampleKey, QStringLiteral("|912345678|132|213|321132213|231312123|21|")})
            QTest::addRow("the scripted draws of %s make that key", qPrintable(key))
                << scriptedDraws::KeyDraws(key) << 0.0f << key;
    }

    void makeTransformKeyDrawsTheFieldsInOrder()
    {
        QFETCH(std::vector<float>, draws);
        QFETCH(float, after);
        QFETCH(QString, key);
        const auto taken = std::make_shared<int>(0);
        QCOMPARE(QString::fromStdString(MakeTransformKey(scriptedDraws::Source(draws, after, taken))), key);
        QCOMPARE(*taken, 212);
    }

    void keysFromTheRunTimeSourceBuildValidSolutions()
    {
        RunTimeRandom rnd;
        for (int n = 0; n < 2000; ++n) {
            const QString key = QString::fromStdString(MakeTransformKey(rnd));
            QCOMPARE(key.size(), 42);
            const QString turnAndMirror = key.split(u'|').value(6);
            QVERIFY2(turnAndMirror[0] >= u'1' && turnAndMirror[0] <= u'4', qPrintable(key));
            QVERIFY2(turnAndMirror[1] >= u'0' && turnAndMirror[1] <= u'2', qPrintable(key));
            QVERIFY2(IsValidSolution(Built(key)), qPrintable(key));
        }
    }
};

QTEST_GUILESS_MAIN(TestModGeneratePuzzle)
#include "tst_modGeneratePuzzle.moc"
