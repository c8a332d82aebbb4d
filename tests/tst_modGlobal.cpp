// Tests of puzzle carving and its generator: golden draws, blank orders, failing seeds, the miss limit and rounding.
#include "engine/modGlobal.h"

#include <QtTest>

#include <cmath>

using namespace modGlobal;

namespace {

// The solution of the key |538172694|231|312|132213321|321123231|42|.
const std::string Example = "926475831178963254345821967692718543713254698584639172839542716261397485457186329";
// What seed 101 makes of it at level 1.
const std::string ExamplePuzzle = "906400801178003050345021007602718043000250600580600172839500000261397005407086329";

// The positions the first `draws` draws from seed reach, in order of first arrival, and the state they leave.
std::pair<QList<int>, std::int32_t> Replay(std::int32_t seed, int draws)
{
    QList<int> reached;
    for (carveState = seed; draws > 0; --draws)
        if (const int p = static_cast<int>(std::floor(81 * NextCarveRandom())) + 1; !reached.contains(p)) reached << p;
    return {reached, carveState};
}

struct Carving {
    std::string grid;
    int seed, level, draws;
    QList<int> firstReached;
    bool carved;
};

} // namespace

Q_DECLARE_METATYPE(Carving)

class TestModGlobal : public QObject {
    Q_OBJECT

private slots:
    // A carving's end state tells how many draws it made; it must blank exactly
    // the cells those draws reach. It gives up on the 2001st miss in a row, and
    // misses before a blank do not count: with only position 34 left, first
    // drawn by draw 38, it fails 2001 draws later. Seed 813 blanks six cells,
    // then draws only those again. Arguments it cannot use leave the grid alone.
    void carve_data()
    {
        QTest::addColumn<Carving>("c");
        const QList<int> level1 = {71, 74, 22, 8,  51, 14, 76, 5,  44, 48, 6,  63, 62, 29, 37, 70,
                                   45, 13, 60, 39, 61, 16, 59, 25, 38, 26, 42, 18, 50, 2,  34};
        QTest::newRow("101, level 1") << Carving{Example, 101, 1, 38, level1, true};
        QTest::newRow("101, level 3") << Carving{Example, 101, 3, 108, level1, true};
        QTest::newRow("all blank but 34")
            << Carving{std::string(81, '0').replace(33, 1, "5"), 101, 1, 38 + 2001, {}, false};
        QTest::newRow("813") << Carving{Example, 813, 1, 2007, {50, 64, 7, 33, 19, 78}, false};
        for (const auto& [grid, level] :
             {std::pair{Example.substr(1), 1}, {Example + '1', 3}, {"", 2}, {Example, 0}, {Example, 4}})
            QTest::addRow("%d cells, level %d", int(grid.size()), level) << Carving{grid, 101, level, 0, {}, false};
    }

    void carve()
    {
        QFETCH(Carving, c);
        const auto [reached, state] = Replay(c.seed, c.draws);
        std::string text = c.grid, expected = c.grid;
        for (int p : reached) expected[p - 1] = '0';
        QCOMPARE(CarvePuzzle(text, c.seed, c.level).has_value(), c.carved);
        QVERIFY(carveState == state && text == expected && reached.mid(0, c.firstReached.size()) == c.firstReached);
    }

    // Exactly these seeds of 101..999 fail; every other puzzle is the text left
    // in the grid, with the level's blanks and the solution's givens. Seed 101
    // gives the example puzzle.
    void failingSeeds()
    {
        const QList<int> failing[] = {
            {813}, {545, 555, 594, 813}, {125, 201, 317, 391, 473, 545, 555, 594, 631, 727, 813}};
        for (int level = 1; level <= 3; ++level) {
            QList<int> seeds;
            for (int seed = 101; seed <= 999; ++seed)
                if (std::string grid = Example; CarvePuzzle(grid, seed, level) != grid) seeds << seed;
                else
                    QVERIFY(std::ranges::count(grid, '0') == (std::array{31, 51, 61}[level - 1])
                            && std::ranges::equal(grid, Example,
                                                  [](char cell, char given) { return cell == '0' || cell == given; })
                            && (seed != 101 || level != 1 || grid == ExamplePuzzle));
            QCOMPARE(seeds, failing[level - 1]);
        }
    }

    // From state 101 the first draw gives position 71 and state 26169. Every
    // x = (state * 17405 + 12820163) mod 2^24, one per state 0..2^24 - 1, gives
    // r = x / 2^24 and the next state r * 30000 + 101 rounded to nearest, the
    // 16 ties to the even neighbour. Odd states are tried 2^31 lower, which
    // leaves x alone: a state below zero must not give a negative remainder.
    void draws()
    {
        carveState = 101;
        QVERIFY(NextCarveRandom() == 14578068.0 / (1 << 24) && carveState == 26169);
        int ties = 0;
        for (std::int64_t state = 0; state < 1 << 24; ++state) {
            const double r = static_cast<double>((state * 17405 + 12820163) % (1 << 24)) / (1 << 24),
                         next = r * 30000 + 101;
            carveState = static_cast<std::int32_t>(state % 2 ? state - (1LL << 31) : state);
            QVERIFY(NextCarveRandom() == r && carveState == std::nearbyint(next)); // ties to even
            ties += next - std::floor(next) == 0.5;
        }
        QCOMPARE(ties, 16);
    }
};

QTEST_GUILESS_MAIN(TestModGlobal)
#include "tst_modGlobal.moc"
