// Tests of the general random source: its range and its seeding from the clock.
#include "runTimeRandom.h"

#include <QtTest>

class TestRunTimeRandom : public QObject {
    Q_OBJECT

private slots:
    // DrawOneTo holds a draw of 1 or more to n, which would then come up far more often than the other numbers.
    void drawsLieBelowOne()
    {
        RunTimeRandom rnd;
        for (int n = 0; n < 1000; ++n) QCOMPARE_LT(rnd(), 1.0f);
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
};

QTEST_GUILESS_MAIN(TestRunTimeRandom)
#include "tst_runTimeRandom.moc"
