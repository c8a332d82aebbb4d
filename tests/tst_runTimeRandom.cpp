// Tests of the general random source: its range, its seeding, and whole numbers drawn from it.
#include "runTimeRandom.h"

#include <QtTest>

#include <limits>

class TestRunTimeRandom : public QObject {
    Q_OBJECT

private slots:
    // A draw of 1 would let floor(n u + 1) reach n + 1.
    void drawsLieInTheUnitInterval()
    {
        RunTimeRandom rnd;
        for (int n = 0; n < 100'000; ++n) QCOMPARE_GE(rnd(), 0.0f);
        for (int n = 0; n < 100'000; ++n) QCOMPARE_LT(rnd(), 1.0f);
    }

    void seedRestartsTheSameSequence()
    {
        RunTimeRandom rnd;
        rnd.Seed(12345);
        const float first = rnd();
        rnd.Seed(12345);
        QCOMPARE(rnd(), first);
    }

    // A coarse clock can give two new games the same reading.
    void twoReseedsFromOneClockReadingDiffer()
    {
        RunTimeRandom rnd;
        rnd.Randomize(1'700'000'000);
        const float first = rnd();
        rnd.Randomize(1'700'000'000);
        QCOMPARE_NE(rnd(), first);
    }

    // A source that strays outside [0, 1) still gives a whole number 1..n.
    void drawOneToGivesNForADrawOfOne() { QCOMPARE(DrawOneTo(1.0f, 4), 4); }
    void drawOneToGivesOneForNaN() { QCOMPARE(DrawOneTo(std::numeric_limits<float>::quiet_NaN(), 3), 1); }
};

QTEST_GUILESS_MAIN(TestRunTimeRandom)
#include "tst_runTimeRandom.moc"
