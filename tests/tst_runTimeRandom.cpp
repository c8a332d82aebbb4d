// Tests of the general random source: range, reproducible seeding and clock reseeding.
#include "engine/runTimeRandom.h"

#include <QtTest>

class TestRunTimeRandom : public QObject {
    Q_OBJECT

private slots:
    // Clock reseeds, even two within one clock tick, give different games. A
    // source comes out of construction as if seeded with 0, and any source
    // seeded alike repeats it, whatever it did before. Draws lie in [0, 1) (a 1
    // would make floor(n u + 1) reach n + 1) and fill each tenth evenly.
    void draws()
    {
        RunTimeRandom fresh, rnd, other;
        rnd.Randomize();
        other.Randomize();
        QVERIFY(rnd() != other() || rnd() != other());
        rnd.Seed(0);
        int tenths[10] = {};
        for (int n = 0; n < 1'000'000; ++n) {
            const float u = fresh();
            QVERIFY(u >= 0.0f && u < 1.0f && u == rnd());
            ++tenths[static_cast<int>(u * 10)];
        }
        for (int count : tenths) QVERIFY2(std::abs(count - 100'000) < 2'000, qPrintable(QString::number(count)));
    }
};

QTEST_GUILESS_MAIN(TestRunTimeRandom)
#include "tst_runTimeRandom.moc"
