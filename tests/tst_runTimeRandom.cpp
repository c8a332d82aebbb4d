// Tests of the general random source: its seeding from the clock.
#include "runTimeRandom.h"

#include <QtTest>

class TestRunTimeRandom : public QObject {
    Q_OBJECT

private slots:
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
