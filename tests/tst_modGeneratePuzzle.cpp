// Tests of the solution grid generator: the transformation key, its draws and its steps.
#include "engine/gridText.h"
#include "engine/modGeneratePuzzle.h"
#include "engine/runTimeRandom.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <set>

using namespace modGeneratePuzzle;
using Script = QMap<int, float>; // draw number (from 1) to its value; 0 to the value of every other draw

namespace {

const std::string Seed(gridText::SeedGrid);
const char IdentityKey[] = "|123456789|123|123|123123123|123123123|10|";
constexpr float BelowOne = 0x1.fffffep-1f; // the largest float below 1

// Whether every row, column and box holds the digits 1..9 once: 27 units of nine distinct digits.
bool IsValidSolution(const std::string& g)
{
    std::set<std::pair<int, char>> seen; // units 0..8 are rows, 9..17 columns, 18..26 boxes
    for (int p = 0; p < 81 && g.size() == 81; ++p)
        for (int unit : {p / 9, 9 + p % 9, 18 + p / 27 * 3 + p % 9 / 3}) seen.emplace(unit, g[p]);
    return seen.size() == 243 && std::all_of(g.begin(), g.end(), [](char c) { return c >= '1' && c <= '9'; });
}

// With each order sorted, a well-formed key reads as the identity key up to its turn and mirror digits.
bool IsWellFormedKey(std::string key)
{
    if (key.size() != 42) return false;
    for (int at : {1, 11, 15, 19, 22, 25, 29, 32, 35}) std::sort(key.begin() + at, key.begin() + at + (at == 1 ? 9 : 3));
    return key.compare(0, 39, IdentityKey, 39) == 0 && key[39] >= '1' && key[39] <= '4' && key[40] >= '0'
        && key[40] <= '2' && key[41] == '|';
}

} // namespace

class TestModGeneratePuzzle : public QObject {
    Q_OBJECT

private slots:
    // The expected text is the first rows of the solution.
    void buildSolution_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("rows");
        QTest::newRow("identity") << QString(IdentityKey) << QString::fromStdString(Seed);
        QTest::newRow("turn 2") << "|123456789|123|123|123123123|123123123|20|" << "915826374";
        QTest::newRow("turn 3") << "|123456789|123|123|123123123|123123123|30|" << "421839567";
        QTest::newRow("mirror 1") << "|123456789|123|123|123123123|123123123|11|" << "963428751";
        QTest::newRow("mirror 2") << "|123456789|123|123|123123123|123123123|12|" << "765938124";
        QTest::newRow("digit map") << "|987654321|123|123|123123123|123123123|10|" << "953286741";
        QTest::newRow("band order") << "|123456789|312|123|123123123|123123123|10|" << "214567983";
        QTest::newRow("stack order") << "|123456789|123|312|123123123|123123123|10|" << "369157824";
        QTest::newRow("row orders") << "|123456789|123|123|213123123|123123123|10|" << "348695271157824369";
        QTest::newRow("column orders") << "|123456789|123|123|123123123|213123123|10|" << "517824369";
        QTest::newRow("example key") << "|538172694|231|312|132213321|321123231|42|"
            << "926475831178963254345821967692718543713254698584639172839542716261397485457186329";
        // Fields a step cannot use leave the grid as that step found it.
        QTest::newRow("empty") << "" << "157824369";
        QTest::newRow("orders not permutations") << "|112345678|113|124|112123123|1231231230|57|" << "157824369";
    }

    void buildSolution()
    {
        QFETCH(QString, key);
        QFETCH(QString, rows);
        const std::string solution = BuildSolution(key.toStdString());
        QCOMPARE(QString::fromStdString(solution).left(rows.size()), rows);
        QVERIFY(IsValidSolution(solution));
    }

    void relabelDropsLineBreaks()
    {
        std::string withBreaks = "\r\n";
        for (int row = 0; row < 9; ++row) withBreaks += Seed.substr(row * 9, 9) + "\r\n";
        QCOMPARE(RelabelDigits(withBreaks, "987654321"), RelabelDigits(Seed, "987654321"));
    }

    // 0 draws r = 1, which exchanges the first entry with itself, so one draw
    // of 0.5 (r = 5 of 9, r = 2 of 3) shows which field it decides.
    void makeTransformKey_data()
    {
        QTest::addColumn<Script>("script");
        QTest::addColumn<QString>("key");
        const auto key = [](int at, const char* digits) { return QString(IdentityKey).replace(at, qstrlen(digits), digits); };
        QTest::newRow("all draws 0") << Script{} << QString(IdentityKey);
        // Draw order: 50 digit map, 20 band, 20 stack, 3 x 20 rows, 3 x 20 columns, turn, mirror.
        const struct { int first, last, at; const char* digits; } blocks[] = {
            {1, 50, 1, "523416789"}, {51, 70, 11, "213"}, {71, 90, 15, "213"}, {91, 110, 19, "213"},
            {111, 130, 22, "213"}, {131, 150, 25, "213"}, {151, 170, 29, "213"}, {171, 190, 32, "213"},
            {191, 210, 35, "213"}, {211, 211, 39, "3"}, {212, 212, 40, "1"}};
        for (const auto& block : blocks)
            for (int draw : {block.first, block.last})
                QTest::addRow("draw %d", draw) << Script{{draw, 0.5f}} << key(block.at, block.digits);
        // 50 and 20 exchanges of the same pair undo each other; one more or fewer would show.
        QTest::newRow("all draws below 1") << Script{{0, BelowOne}} << key(39, "42");
        // Draws outside [0, 1) are held to the range: 1 draws n, NaN draws 1.
        QTest::newRow("all draws 1.0") << Script{{0, 1.0f}} << key(39, "42");
        QTest::newRow("all draws NaN") << Script{{0, NAN}} << QString(IdentityKey);
        // r = 2, 3, 4 each exchanged with entry 1 give 412356789; Fisher-Yates would not.
        QTest::newRow("exchange with first") << Script{{1, 0.15f}, {2, 0.25f}, {3, 0.35f}, {51, 0.4f}, {52, 0.7f}}
                                             << key(1, "412356789|312");
    }

    void makeTransformKey()
    {
        QFETCH(Script, script);
        QFETCH(QString, key);
        int draws = 0;
        QCOMPARE(QString::fromStdString(MakeTransformKey([&] { return script.value(++draws, script.value(0)); })), key);
        QCOMPARE(draws, 212);
    }

    // Keys from the game's own source: well formed, with valid and varied
    // solutions. First the helpers must reject what they are there to catch.
    void randomKeys()
    {
        std::string broken = Seed, latin;
        std::swap(broken[0], broken[1]);
        for (int i = 0; i < 81; ++i) latin += static_cast<char>('1' + (i / 9 + i % 9) % 9);
        QVERIFY(IsValidSolution(Seed) && !IsValidSolution(broken) && !IsValidSolution(latin));
        QVERIFY(IsWellFormedKey(IdentityKey) && !IsWellFormedKey("|123456789|123|113|123123123|123123123|10|"));
        RunTimeRandom rnd;
        rnd.Seed(20240);
        std::set<std::string> solutions;
        for (int n = 0; n < 10000; ++n) {
            const std::string key = MakeTransformKey(rnd);
            QVERIFY2(IsWellFormedKey(key) && IsValidSolution(*solutions.insert(BuildSolution(key)).first), key.c_str());
        }
        QVERIFY(solutions.size() > 9950);
    }
};

QTEST_GUILESS_MAIN(TestModGeneratePuzzle)
#include "tst_modGeneratePuzzle.moc"
