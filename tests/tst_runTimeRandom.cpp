// Tests of the general random source: its range, its seeding, and whole numbers drawn from it.
#include "runTimeRandom.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QList<float> FirstDraws(RunTimeRandom& rnd)
{
    QList<float> draws;
    for (int n = 0; n < 8; ++n) draws << rnd();
    return draws;
}

} // namespace

class TestRunTimeRandom : public QObject {
    Q_OBJECT

private slots:
    // A draw of 1 would let floor(n u + 1) reach n + 1; draws that miss part of the range leave some games out.
    void drawsSpanTheUnitInterval()
    {
        RunTimeRandom rnd;
        float lowest = 1.0f;
        float highest = 0.0f;
        for (int n = 0; n < 100'000; ++n) {
            const float u = rnd();
            lowest = std::min(lowest, u);
            highest = std::max(highest, u);
        }
        QVERIFY2(lowest >= 0.0f, qPrintable(QString::number(lowest)));
        QVERIFY2(lowest < 0.001f, qPrintable(QString::number(lowest)));
        QVERIFY2(highest < 1.0f, qPrintable(QString::number(highest)));
        QVERIFY2(highest > 0.999f, qPrintable(QString::number(highest)));
    }

    void seedRestartsAFixedSequenceWhateverCameBefore()
    {
        RunTimeRandom first;
        first.Seed(12345);
        RunTimeRandom second;
        second.Randomize(99);
        FirstDraws(second);
        second.Seed(12345);
        QCOMPARE(FirstDraws(second), FirstDraws(first));
    }

    void aNewSourceIsSeededWithZero()
    {
        RunTimeRandom fresh;
        RunTimeRandom seeded;
        seeded.Seed(1);
        seeded.Seed(0);
        QCOMPARE(FirstDraws(fresh), FirstDraws(seeded));
    }

    // A coarse clock can give two new games the same reading.
    void twoReseedsFromOneClockReadingDiffer()
    {
        RunTimeRandom first;
        RunTimeRandom second;
        first.Randomize(1'700'000'000);
        second.Randomize(1'700'000'000);
        QVERIFY(FirstDraws(first) != FirstDraws(second));
    }

    void drawOneToGivesAWholeNumberFromOneToN_data()
    {
        QTest::addColumn<float>("u");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("drawn");
        const float belowOne = std::nextafter(1.0f, 0.0f);
        QTest::newRow("a half of three gives 2") << 0.5f << 3 << 2;
        QTest::newRow("just under a third of three gives 1") << std::nextafter(1.0f / 3, 0.0f) << 3 << 1;
        QTest::newRow("the highest draw gives n") << belowOne << 899 << 899;
        QTest::newRow("1.0 is held to n") << 1.0f << 4 << 4;
        QTest::newRow("a negative draw is held to 1") << -0.25f << 9 << 1;
        QTest::newRow("NaN is held to 1") << std::numeric_limits<float>::quiet_NaN() << 3 << 1;
    }

    void drawOneToGivesAWholeNumberFromOneToN()
    {
        QFETCH(float, u);
        QFETCH(int, n);
        QFETCH(int, drawn);
        QCOMPARE(DrawOneTo(u, n), drawn);
    }
};

QTEST_GUILESS_MAIN(TestRunTimeRandom)
#include "tst_runTimeRandom.moc"
