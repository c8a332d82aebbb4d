// Tests of the solution grid generator: the transformation key, its draws and its steps.
#include "engine/modGeneratePuzzle.h"
#include "engine/runTimeRandom.h"

#include <QtTest>

#include <set>

using namespace modGeneratePuzzle;
using Script = QMap<int, float>; // draw number (from 1) to its value; 0 to the value of every other draw

namespace {

const std::string Seed = "157824369348695271926713845632459718471386592589271436214567983893142657765938124";
const QString IdentityKey = "|123456789|123|123|123123123|123123123|10|";

// The identity key with the characters from `at` on replaced by digits.
QString Key(int at, const char* digits) { return QString(IdentityKey).replace(at, qstrlen(digits), digits); }

// Whether every row, column and box holds the digits 1..9 once: 27 units of nine distinct digits.
bool IsValidSolution(const std::string& g)
{
    std::set<std::pair<int, char>> seen; // units 0..8 are rows, 9..17 columns, 18..26 boxes
    for (int p = 0; p < 81 && g.size() == 81; ++p)
        for (int unit : {p / 9, 9 + p % 9, 18 + p / 27 * 3 + p % 9 / 3}) seen.emplace(unit, g[p]);
    return seen.size() == 243 && g.find_first_not_of("123456789") == std::string::npos;
}

// The solution a key builds, as the table holds it.
QString Built(const QString& key) { return QString::fromStdString(BuildSolution(key.toStdString())); }

} // namespace

class TestModGeneratePuzzle : public QObject {
    Q_OBJECT

private slots:
    // Valid solutions and their first rows: the identity key, then each field
    // alone (turn 2 and 3, mirror 1 and 2, digit map, band, stack, row and
    // column orders). Fields a step cannot use leave the grid as that step found
    // it. Relabelling drops CR LF pairs between the digits.
    void solutions_data()
    {
        QTest::addColumn<QString>("solution");
        QTest::addColumn<QString>("rows");
        const struct {
            int at;
            const char *digits, *rows;
        } fields[] = {{39, "2", "915826374"},        {39, "3", "421839567"},
                      {40, "1", "963428751"},        {40, "2", "765938124"},
                      {1, "987654321", "953286741"}, {11, "312", "214567983"},
                      {15, "312", "369157824"},      {19, "213", "348695271157824369"},
                      {29, "213", "517824369"},      {0, "", Seed.c_str()}};
        for (const auto& f : fields)
            QTest::addRow("%s", qPrintable(Key(f.at, f.digits))) << Built(Key(f.at, f.digits)) << f.rows;
        QTest::newRow("example key")
            << Built("|538172694|231|312|132213321|321123231|42|")
            << "926475831178963254345821967692718543713254698584639172839542716261397485457186329";
        QTest::newRow("orders not permutations") << Built("|112345678|113|124|112123123|2131231230|57|") << "157824369";
        QTest::newRow("relabel, CR LF") << QString::fromStdString(
            RelabelDigits("\r\n" + Seed.substr(0, 9) + "\r\n" + Seed.substr(9) + "\r\n", "987654321"))
                                        << "953286741";
    }

    void solutions()
    {
        QFETCH(QString, solution);
        QFETCH(QString, rows);
        QVERIFY2(solution.startsWith(rows) && IsValidSolution(solution.toStdString()), qPrintable(solution));
    }

    // 0 draws r = 1, which exchanges the first entry with itself, so one draw
    // of 0.5 (r = 5 of 9, r = 2 of 3) shows which field it decides. Draw order:
    // 50 digit map, 20 band, 20 stack, 3 x 20 rows, 3 x 20 columns, turn, mirror.
    void makeTransformKey_data()
    {
        QTest::addColumn<Script>("script");
        QTest::addColumn<QString>("key");
        const struct {
            int first, last, at;
            const char* digits;
        } blocks[] = {{1, 50, 1, "523416789"}, {51, 70, 11, "213"},   {71, 90, 15, "213"},   {91, 110, 19, "213"},
                      {111, 130, 22, "213"},   {131, 150, 25, "213"}, {151, 170, 29, "213"}, {171, 190, 32, "213"},
                      {191, 210, 35, "213"},   {211, 211, 39, "3"},   {212, 212, 40, "1"}};
        for (const auto& b : blocks)
            for (int draw : {b.first, b.last})
                QTest::addRow("draw %d", draw) << Script{{draw, 0.5f}} << Key(b.at, b.digits);
        // Draws outside [0, 1) are held to the range: 1 draws n, NaN draws 1. 50
        // and 20 exchanges of the same pair undo each other; one more or fewer would show.
        QTest::newRow("draws 1, then NaN") << Script{{0, 1.0f}, {212, static_cast<float>(qQNaN())}} << Key(39, "40");
        // r = 2, 3, 4 each exchanged with entry 1 give 412356789; Fisher-Yates would not.
        QTest::newRow("exchange with first") << Script{{1, 0.15f}, {2, 0.25f}, {3, 0.35f}} << Key(1, "412356789");
    }

    void makeTransformKey()
    {
        QFETCH(Script, script);
        QFETCH(QString, key);
        int draws = 0;
        QCOMPARE(QString::fromStdString(MakeTransformKey([&] { return script.value(++draws, script.value(0)); })), key);
        QCOMPARE(draws, 212);
    }

    // Keys from the game's own source give valid, varied solutions; the checker
    // rejects a grid whose rows and columns are right but boxes are not.
    void randomKeys()
    {
        RunTimeRandom rnd;
        std::set<std::string> solutions;
        for (int n = 0; n < 10000; ++n)
            QVERIFY(IsValidSolution(*solutions.insert(BuildSolution(MakeTransformKey(rnd))).first));
        QVERIFY(solutions.size() > 9950 && !IsValidSolution(Seed.substr(9) + Seed.substr(0, 9)));
    }
};

QTEST_GUILESS_MAIN(TestModGeneratePuzzle)
#include "tst_modGeneratePuzzle.moc"
