// Tests of puzzle carving and its generator: golden draws, blank orders, failing seeds, the miss limit and rounding.
#include "engine/gridText.h"
#include "engine/modGlobal.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <vector>

using modGlobal::CarvePuzzle;
using modGlobal::NextCarveRandom;

namespace {

constexpr std::int64_t TwoTo24 = std::int64_t{1} << 24;

const std::string Seed(gridText::SeedGrid);
// The solution of the worked example key (538172694, 231, 312, 132213321, 321123231, 42).
const std::string ExampleSolution =
    "926475831178963254345821967692718543713254698584639172839542716261397485457186329";

int PositionOf(double r) { return static_cast<int>(std::floor(81.0 * r)) + 1; }

// The carving generator's draws from seed, replayed with NextCarveRandom:
// states[n] is carveState after n draws (states[0] is the seed) and
// positions[n] the cell drawn by draw n (positions[0] is unused).
struct Replay {
    std::vector<std::int32_t> states;
    std::vector<int> positions;
};

Replay ReplayDraws(std::int32_t seed, int draws)
{
    Replay replay{{seed}, {0}};
    modGlobal::carveState = seed;
    for (int n = 1; n <= draws; ++n) {
        replay.positions.push_back(PositionOf(NextCarveRandom()));
        replay.states.push_back(modGlobal::carveState);
    }
    return replay;
}

std::set<int> BlankPositions(const std::string& grid)
{
    std::set<int> blanks;
    for (std::size_t i = 0; i < grid.size(); ++i)
        if (grid[i] == '0') blanks.insert(static_cast<int>(i) + 1);
    return blanks;
}

// How replayed draws from seed reach the cells a carving blanked: the order of
// first arrival, and the draw that reached the last of them. A draw on a cell
// outside blanks means the carving skipped a cell it should have blanked.
struct Arrival {
    QList<int> order;
    int draws = 0;
    int stray = 0; // first position drawn that is not in blanks, 0 if none
};

Arrival ArrivalOrder(std::int32_t seed, const std::set<int>& blanks)
{
    Arrival arrival;
    std::set<int> reached;
    modGlobal::carveState = seed;
    while (reached.size() < blanks.size() && arrival.draws < 100000) {
        const int position = PositionOf(NextCarveRandom());
        ++arrival.draws;
        if (!blanks.contains(position)) {
            arrival.stray = position;
            break;
        }
        if (reached.insert(position).second) arrival.order << position;
    }
    return arrival;
}

QList<int> FailingSeeds(const std::string& solution, int level)
{
    QList<int> failing;
    for (int seed = 101; seed <= 999; ++seed) {
        std::string grid = solution;
        if (!CarvePuzzle(grid, seed, level)) failing << seed;
    }
    return failing;
}

// carveState that makes the next draw's x equal to x: solves
// state * 17405 + 12820163 = x (mod 2^24). 17405 is odd, so it has an inverse.
std::int32_t StateForX(std::int64_t x)
{
    std::uint32_t inverse = 17405; // right to 3 bits; each Newton step doubles that
    for (int i = 0; i < 4; ++i) inverse *= 2 - 17405u * inverse;
    const std::uint64_t difference = static_cast<std::uint64_t>((x - 12820163) % TwoTo24 + TwoTo24);
    return static_cast<std::int32_t>((difference * (inverse % TwoTo24)) % TwoTo24);
}

// The next state as defined: r * 30000 + 101 rounded to nearest, ties to
// even. The sum is exact in double precision, and the FPU's default rounding
// is to nearest even.
double ExpectedNextState(std::int64_t x)
{
    return std::nearbyint(static_cast<double>(x) / static_cast<double>(TwoTo24) * 30000.0 + 101.0);
}

} // namespace

class TestModGlobal : public QObject {
    Q_OBJECT

private slots:
    void firstDrawFromSeed101();
    void carveOrder_data();
    void carveOrder();
    void examplePuzzle();
    void failingSeeds_data();
    void failingSeeds();
    void puzzlesKeepTheSolution_data();
    void puzzlesKeepTheSolution();
    void harderLevelExtendsEasier();
    void seed813Cycles();
    void missLimit_data();
    void missLimit();
    void missRunsDoNotAddUp_data();
    void missRunsDoNotAddUp();
    void failuresFollowTheLastBlank_data();
    void failuresFollowTheLastBlank();
    void exactlySixteenTies();
    void tiesRoundToEven_data();
    void tiesRoundToEven();
    void everyDrawMatchesDefinition();
    void badArguments_data();
    void badArguments();
    void extremeSeeds_data();
    void extremeSeeds();
};

void TestModGlobal::firstDrawFromSeed101()
{
    modGlobal::carveState = 101;
    const double r = NextCarveRandom();
    QCOMPARE(r, 14578068.0 / 16777216.0);
    QVERIFY(std::abs(r - 0.868921) < 5e-7);
    QCOMPARE(PositionOf(r), 71);
    QCOMPARE(modGlobal::carveState, 26169);

    QList<int> next;
    for (int n = 0; n < 4; ++n) next << PositionOf(NextCarveRandom());
    QCOMPARE(next, (QList<int>{74, 22, 8, 51}));
}

// The order of the blanks is read back by replaying the generator from the
// seed until it has reached every cell the carving blanked; the draws that
// takes are the carving's draws, which its final state confirms.
void TestModGlobal::carveOrder_data()
{
    QTest::addColumn<int>("seed");
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("firstBlanks");
    QTest::addColumn<int>("draws"); // 0 when not pinned

    const QList<int> level1 = {71, 74, 22, 8, 51, 14, 76, 5, 44, 48, 6, 63, 62, 29, 37, 70,
                               45, 13, 60, 39, 61, 16, 59, 25, 38, 26, 42, 18, 50, 2, 34};
    QTest::newRow("seed 101, level 1") << 101 << 1 << level1 << 38;
    QTest::newRow("seed 101, level 2") << 101 << 2 << level1 << 0;
    QTest::newRow("seed 101, level 3") << 101 << 3 << level1 << 108;
}

void TestModGlobal::carveOrder()
{
    QFETCH(int, seed);
    QFETCH(int, level);
    QFETCH(QList<int>, firstBlanks);
    QFETCH(int, draws);

    for (const std::string& solution : {Seed, ExampleSolution}) {
        std::string grid = solution;
        const std::optional<std::string> puzzle = CarvePuzzle(grid, seed, level);
        QVERIFY(puzzle);
        const std::int32_t finalState = modGlobal::carveState;

        const std::set<int> blanks = BlankPositions(*puzzle);
        QCOMPARE(static_cast<int>(blanks.size()), gridText::BlanksForLevel(level));

        const Arrival arrival = ArrivalOrder(seed, blanks);
        QCOMPARE(arrival.stray, 0);
        QCOMPARE(arrival.order.size(), static_cast<qsizetype>(blanks.size()));
        QCOMPARE(arrival.order.mid(0, firstBlanks.size()), firstBlanks);
        if (draws != 0) QCOMPARE(arrival.draws, draws);

        const Replay replay = ReplayDraws(seed, arrival.draws + 1);
        QCOMPARE(finalState, replay.states[arrival.draws]);
        QVERIFY(replay.states[arrival.draws - 1] != finalState);
        QVERIFY(replay.states[arrival.draws + 1] != finalState);
    }
}

void TestModGlobal::examplePuzzle()
{
    std::string grid = ExampleSolution;
    const std::optional<std::string> puzzle = CarvePuzzle(grid, 101, 1);
    const std::string expected =
        "906400801178003050345021007602718043000250600580600172839500000261397005407086329";
    QVERIFY(puzzle);
    QCOMPARE(QString::fromStdString(*puzzle), QString::fromStdString(expected));
    QCOMPARE(QString::fromStdString(grid), QString::fromStdString(expected));
}

// Every seed from 101 to 999 is carved at each level; the seeds that fail
// must be exactly these, whatever the solution.
void TestModGlobal::failingSeeds_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("seeds");

    QTest::newRow("level 1") << 1 << QList<int>{813};
    QTest::newRow("level 2") << 2 << QList<int>{545, 555, 594, 813};
    QTest::newRow("level 3") << 3 << QList<int>{125, 201, 317, 391, 473, 545, 555, 594, 631, 727, 813};
}

void TestModGlobal::failingSeeds()
{
    QFETCH(int, level);
    QFETCH(QList<int>, seeds);

    QCOMPARE(FailingSeeds(Seed, level), seeds);
    QCOMPARE(FailingSeeds(ExampleSolution, level), seeds);
}

void TestModGlobal::puzzlesKeepTheSolution_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("level 1") << 1;
    QTest::newRow("level 2") << 2;
    QTest::newRow("level 3") << 3;
}

// Each puzzle holds the level's count of blanks and the solution's digit in
// every other cell; the blanks depend on the seed alone.
void TestModGlobal::puzzlesKeepTheSolution()
{
    QFETCH(int, level);

    const auto blanksWanted = static_cast<std::size_t>(gridText::BlanksForLevel(level));
    int carved = 0;
    for (int seed = 101; seed <= 999; ++seed) {
        std::set<int> blanksOfFirst;
        for (const std::string& solution : {Seed, ExampleSolution}) {
            std::string grid = solution;
            const std::optional<std::string> puzzle = CarvePuzzle(grid, seed, level);
            if (!puzzle) continue; // failing seeds have their own test
            QVERIFY(*puzzle == grid);
            const std::set<int> blanks = BlankPositions(*puzzle);
            if (blanks.size() != blanksWanted)
                QFAIL(qPrintable(QStringLiteral("seed %1: %2 blanks").arg(seed).arg(blanks.size())));
            for (int i = 0; i < 81; ++i)
                if ((*puzzle)[i] != '0' && (*puzzle)[i] != solution[i])
                    QFAIL(qPrintable(QStringLiteral("seed %1: position %2 changed").arg(seed).arg(i + 1)));
            if (blanksOfFirst.empty()) blanksOfFirst = blanks;
            else if (blanks != blanksOfFirst)
                QFAIL(qPrintable(QStringLiteral("seed %1: blanks depend on the solution").arg(seed)));
            ++carved;
        }
    }
    QVERIFY(carved > 2 * 880);
}

// With one seed, a harder level blanks the easier level's cells first and
// then more. A carving that fails at the harder level still blanked them.
void TestModGlobal::harderLevelExtendsEasier()
{
    int compared = 0;
    for (int seed = 101; seed <= 999; ++seed) {
        std::set<int> easier;
        for (int level = 1; level <= 3; ++level) {
            std::string grid = Seed;
            const bool carved = CarvePuzzle(grid, seed, level).has_value();
            const std::set<int> blanks = BlankPositions(grid);
            const QString where = QStringLiteral("seed %1, level %2").arg(seed).arg(level);
            if (!std::includes(blanks.begin(), blanks.end(), easier.begin(), easier.end()))
                QFAIL(qPrintable(where + QStringLiteral(": easier blanks missing")));
            if (carved && !easier.empty()) {
                const QList<int> order = ArrivalOrder(seed, blanks).order;
                const QList<int> first = order.mid(0, static_cast<qsizetype>(easier.size()));
                if (std::set<int>(first.begin(), first.end()) != easier)
                    QFAIL(qPrintable(where + QStringLiteral(": easier blanks not made first")));
                ++compared;
            }
            if (!carved) break;
            easier = blanks;
        }
    }
    QVERIFY(compared > 2 * 880);
}

// Seed 813 blanks six cells with its first six draws, then draws only those
// six again: the 2001st miss in a row is draw 2007.
void TestModGlobal::seed813Cycles()
{
    std::string grid = Seed;
    QVERIFY(!CarvePuzzle(grid, 813, 1));
    const std::int32_t finalState = modGlobal::carveState;
    QVERIFY(BlankPositions(grid) == (std::set<int>{50, 64, 7, 33, 19, 78}));

    const Replay replay = ReplayDraws(813, 2008);
    const QList<int> firstSix(replay.positions.begin() + 1, replay.positions.begin() + 7);
    QCOMPARE(firstSix, (QList<int>{50, 64, 7, 33, 19, 78}));
    for (int n = 7; n <= 2008; ++n)
        QVERIFY(std::find(firstSix.begin(), firstSix.end(), replay.positions[n]) != firstSix.end());

    QCOMPARE(finalState, replay.states[2007]);
    QVERIFY(replay.states[2006] != finalState);
    QVERIFY(replay.states[2008] != finalState);
}

// A grid that is blank already makes every draw a miss: the carving must
// give up on exactly the 2001st draw, leaving the grid as it was.
void TestModGlobal::missLimit_data()
{
    QTest::addColumn<int>("seed");
    for (int seed : {101, 102, 500, 555, 813, 999, 19860, 30101})
        QTest::addRow("seed %d", seed) << seed;
}

void TestModGlobal::missLimit()
{
    QFETCH(int, seed);

    const Replay replay = ReplayDraws(seed, 2002);
    QVERIFY2(replay.states[2000] != replay.states[2001] && replay.states[2002] != replay.states[2001],
             "the generator's cycle makes 2000, 2001 and 2002 draws look alike from this seed");

    for (int level = 1; level <= 3; ++level) {
        std::string grid(81, '0');
        QVERIFY(!CarvePuzzle(grid, seed, level));
        QCOMPARE(modGlobal::carveState, replay.states[2001]);
        QCOMPARE(QString::fromStdString(grid), QString(81, u'0'));
    }
}

// The grid is blank except the three cells the seed's draws reach last, so
// each of them is blanked after a long run of misses. The failure must still
// come 2001 draws after the last of them: the earlier misses do not count.
void TestModGlobal::missRunsDoNotAddUp_data()
{
    QTest::addColumn<int>("seed");
    for (int seed : {101, 545, 700, 19860})
        QTest::addRow("seed %d", seed) << seed;
}

void TestModGlobal::missRunsDoNotAddUp()
{
    QFETCH(int, seed);

    const Replay replay = ReplayDraws(seed, 5000);
    std::vector<int> firstArrivals; // draw numbers at which a new cell is reached
    std::set<int> reached;
    for (int n = 1; n <= 5000; ++n)
        if (reached.insert(replay.positions[n]).second) firstArrivals.push_back(n);
    QVERIFY(firstArrivals.size() >= 3);

    const std::vector<int> lastThree(firstArrivals.end() - 3, firstArrivals.end());
    std::string grid(81, '0');
    for (int n : lastThree) grid[replay.positions[n] - 1] = '5';

    const int lastBlank = lastThree.back();
    const int missesBefore = lastBlank - 3;
    QVERIFY2(missesBefore > 0, "the construction needs misses before the last blank");
    QVERIFY2(replay.states[lastBlank + 2001] != replay.states[2001 + 3],
             "a total count of misses would look the same from this seed");

    QVERIFY(!CarvePuzzle(grid, seed, 1));
    QCOMPARE(QString::fromStdString(grid), QString(81, u'0'));
    QCOMPARE(modGlobal::carveState, replay.states[lastBlank + 2001]);
    QVERIFY(replay.states[lastBlank + 2000] != modGlobal::carveState);
    QVERIFY(replay.states[lastBlank + 2002] != modGlobal::carveState);
}

// The same rule on the real failing seeds: each fails 2001 draws after the
// draw that made its last blank, however many misses came before it.
void TestModGlobal::failuresFollowTheLastBlank_data()
{
    QTest::addColumn<int>("seed");
    QTest::addColumn<int>("level");

    QTest::newRow("813 at level 1") << 813 << 1;
    for (int seed : {545, 555, 594, 813}) QTest::addRow("%d at level 2", seed) << seed << 2;
    for (int seed : {125, 201, 317, 391, 473, 545, 555, 594, 631, 727, 813})
        QTest::addRow("%d at level 3", seed) << seed << 3;
}

void TestModGlobal::failuresFollowTheLastBlank()
{
    QFETCH(int, seed);
    QFETCH(int, level);

    const Replay replay = ReplayDraws(seed, 5000);
    std::set<int> reached;
    int lastBlank = 0;
    for (int n = 1; n <= 5000; ++n)
        if (reached.insert(replay.positions[n]).second) lastBlank = n;
    QVERIFY(static_cast<int>(reached.size()) < gridText::BlanksForLevel(level));

    std::string grid = Seed;
    QVERIFY(!CarvePuzzle(grid, seed, level));
    QVERIFY(BlankPositions(grid) == reached);
    QCOMPARE(modGlobal::carveState, replay.states[lastBlank + 2001]);
    if (replay.states[lastBlank + 2000] != replay.states[lastBlank + 2001])
        QVERIFY(replay.states[lastBlank + 2000] != modGlobal::carveState);
}

// r * 30000 + 101 ends in exactly one half for 16 values of x; they are
// the ones the rounding rule decides.
void TestModGlobal::exactlySixteenTies()
{
    int ties = 0;
    for (std::int64_t x = 0; x < TwoTo24; ++x)
        if ((x * 30000) % TwoTo24 == TwoTo24 / 2) ++ties;
    QCOMPARE(ties, 16);
}

void TestModGlobal::tiesRoundToEven_data()
{
    QTest::addColumn<qint64>("x");
    for (std::int64_t x = 0; x < TwoTo24; ++x)
        if ((x * 30000) % TwoTo24 == TwoTo24 / 2) QTest::addRow("x = %lld", static_cast<long long>(x)) << qint64{x};
}

void TestModGlobal::tiesRoundToEven()
{
    QFETCH(qint64, x);

    const std::int32_t state = StateForX(x);
    QCOMPARE(qint64{(static_cast<std::int64_t>(state) * 17405 + 12820163) % TwoTo24}, x);

    const double exact = static_cast<double>(x) / static_cast<double>(TwoTo24) * 30000.0 + 101.0;
    QCOMPARE(exact - std::floor(exact), 0.5);
    const double even = std::fmod(std::floor(exact), 2.0) == 0.0 ? std::floor(exact) : std::ceil(exact);

    modGlobal::carveState = state;
    QCOMPARE(NextCarveRandom(), static_cast<double>(x) / static_cast<double>(TwoTo24));
    QCOMPARE(static_cast<double>(modGlobal::carveState), even);
}

// Every x from 0 to 2^24 - 1, reached by solving for the state: r is x / 2^24
// and the next state is r * 30000 + 101 rounded to nearest, within 101..30101.
void TestModGlobal::everyDrawMatchesDefinition()
{
    for (std::int64_t x = 0; x < TwoTo24; ++x) {
        modGlobal::carveState = StateForX(x);
        const double r = NextCarveRandom();
        const double expected = ExpectedNextState(x);
        if (r != static_cast<double>(x) / static_cast<double>(TwoTo24) || modGlobal::carveState != expected
            || modGlobal::carveState < 101 || modGlobal::carveState > 30101)
            QFAIL(qPrintable(QStringLiteral("x = %1: r = %2, state %3, expected %4")
                                 .arg(x).arg(r, 0, 'g', 17).arg(modGlobal::carveState).arg(expected)));
    }
}

// Arguments the carving cannot use: nothing is blanked and nothing returned.
void TestModGlobal::badArguments_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("level");

    const QString seed = QString::fromStdString(Seed);
    QTest::newRow("empty grid") << QString() << 1;
    QTest::newRow("80 characters") << seed.left(80) << 2;
    QTest::newRow("82 characters") << seed + u'1' << 3;
    QTest::newRow("with a line break") << seed.left(9) + QStringLiteral("\r\n") + seed.mid(9) << 1;
    QTest::newRow("level 0") << seed << 0;
    QTest::newRow("level 4") << seed << 4;
    QTest::newRow("level -1") << seed << -1;
    QTest::newRow("level INT_MIN") << seed << std::numeric_limits<int>::min();
    QTest::newRow("level INT_MAX") << seed << std::numeric_limits<int>::max();
}

void TestModGlobal::badArguments()
{
    QFETCH(QString, grid);
    QFETCH(int, level);

    const std::string before = grid.toStdString();
    std::string text = before;
    QVERIFY(!CarvePuzzle(text, 101, level));
    QCOMPARE(QString::fromStdString(text), QString::fromStdString(before));
}

// Seeds far outside 101..999: the first draw brings the state into
// 101..30101, and the carving finishes or fails like any other.
void TestModGlobal::extremeSeeds_data()
{
    QTest::addColumn<int>("seed");

    QTest::newRow("INT32_MIN") << std::numeric_limits<std::int32_t>::min();
    QTest::newRow("INT32_MIN + 1") << std::numeric_limits<std::int32_t>::min() + 1;
    QTest::newRow("-30101") << -30101;
    QTest::newRow("-1") << -1;
    QTest::newRow("0") << 0;
    QTest::newRow("100") << 100;
    QTest::newRow("1000") << 1000;
    QTest::newRow("30102") << 30102;
    QTest::newRow("2^24") << (1 << 24);
    QTest::newRow("INT32_MAX - 1") << std::numeric_limits<std::int32_t>::max() - 1;
    QTest::newRow("INT32_MAX") << std::numeric_limits<std::int32_t>::max();
}

void TestModGlobal::extremeSeeds()
{
    QFETCH(int, seed);

    modGlobal::carveState = seed;
    const double r = NextCarveRandom();
    const std::int64_t x = ((static_cast<std::int64_t>(seed) * 17405 + 12820163) % TwoTo24 + TwoTo24) % TwoTo24;
    QVERIFY(r >= 0.0 && r < 1.0);
    QCOMPARE(r, static_cast<double>(x) / static_cast<double>(TwoTo24));
    QVERIFY(modGlobal::carveState >= 101 && modGlobal::carveState <= 30101);

    for (int level = 1; level <= 3; ++level) {
        std::string grid = Seed;
        const std::optional<std::string> puzzle = CarvePuzzle(grid, seed, level);
        QVERIFY(modGlobal::carveState >= 101 && modGlobal::carveState <= 30101);
        if (puzzle) QCOMPARE(static_cast<int>(BlankPositions(*puzzle).size()), gridText::BlanksForLevel(level));
        else QVERIFY(static_cast<int>(BlankPositions(grid).size()) < gridText::BlanksForLevel(level));
    }
}

QTEST_GUILESS_MAIN(TestModGlobal)
#include "tst_modGlobal.moc"
