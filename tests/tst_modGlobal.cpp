// Tests of puzzle carving and its generator.
#include "modGlobal.h"

#include <QtTest>

using namespace modGlobal;

namespace {

// The solution of the key |538172694|231|312|132213321|321123231|42|, and what seed 101 carves of it.
const QByteArray Solution = "926475831178963254345821967692718543713254698584639172839542716261397485457186329";
const QByteArray Level1Puzzle = "906400801178003050345021007602718043000250600580600172839500000261397005407086329";
const QByteArray Level2Puzzle = "906400001100003050005020007002718000000250000580600000830500000261300005400086000";
const QByteArray Level3Puzzle = "906400001100000000005000000000018000000200000500600000830500000261000005400080000";

// What seed carves of Solution at level; empty when it carves no puzzle.
QByteArray Carved(int seed, int level)
{
    std::string grid = Solution.toStdString();
    return QByteArray::fromStdString(CarvePuzzle(grid, seed, level).value_or(""));
}

// The seeds 101..999 that carve no puzzle of Solution at level.
QList<int> FailingSeeds(int level)
{
    QList<int> failed;
    for (int seed = 101; seed <= 999; ++seed)
        if (Carved(seed, level).isEmpty()) failed << seed;
    return failed;
}

} // namespace

class TestModGlobal : public QObject {
    Q_OBJECT

private slots:
    void seed101CarvesTheExamplePuzzles()
    {
        QCOMPARE(Carved(101, 1), Level1Puzzle);
        QCOMPARE(Carved(101, 2), Level2Puzzle);
        QCOMPARE(Carved(101, 3), Level3Puzzle);
    }

    // Only cell 34 holds a digit, and seed 101 first draws it on its 38th draw, after 37 misses. The count of misses
    // starts again there, so the carving gives up on draw 38 + 2001: the 2001st miss in a row, not the 2001st in all.
    void carvingGivesUpOnThe2001stMissInARow()
    {
        std::string grid = std::string(33, '0') + '5' + std::string(47, '0');
        QCOMPARE(CarvePuzzle(grid, 101, 1).has_value(), false);
        QCOMPARE(QByteArray::fromStdString(grid), QByteArray(81, '0'));
        const std::int32_t stateAfterCarving = carveState;
        carveState = 101;
        for (int draw = 0; draw < 38 + 2001; ++draw) NextCarveRandom();
        QCOMPARE(stateAfterCarving, carveState);
    }

    // Over every seed the game can draw.
    void exactlyTheKnownSeedsFailToCarve()
    {
        QCOMPARE(FailingSeeds(1), QList<int>{813});
        QCOMPARE(FailingSeeds(2), (QList<int>{545, 555, 594, 813}));
        QCOMPARE(FailingSeeds(3), (QList<int>{125, 201, 317, 391, 473, 545, 555, 594, 631, 727, 813}));
    }
};

QTEST_GUILESS_MAIN(TestModGlobal)
#include "tst_modGlobal.moc"
