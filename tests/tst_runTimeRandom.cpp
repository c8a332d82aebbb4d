// Tests of the general random source: range, reproducible seeding and clock reseeding.
#include "engine/runTimeRandom.h"

#include <QtTest>

#include <array>

class TestRunTimeRandom : public QObject {
    Q_OBJECT

private slots:
    // Draws lie in [0, 1) (a 1 would make floor(n u + 1) reach n + 1), fill each
    // tenth evenly, and come again from a source seeded alike, whatever it did before.
    void seeded()
    {
        RunTimeRandom rnd, again;
        rnd.Seed(101);
        again.Randomize();
        again.Seed(101);
        std::array<int, 10> tenths{};
        for (int n = 0; n < 1'000'000; ++n) {
            const float u = rnd();
            QVERIFY(u >= 0.0f && u < 1.0f && u == again());
            ++tenths[static_cast<std::size_t>(u * 10)];
        }
        for (int count : tenths) QVERIFY2(std::abs(count - 100'000) < 2'000, qPrintable(QString::number(count)));
    }

    // Clock reseeds, even two within one clock tick, give different games.
    void reseeding()
    {
        RunTimeRandom a, b;
        a.Randomize();
        b.Randomize();
        const float first[] = {a(), a()};
        QVERIFY(first[0] != b() || first[1] != b());
        a.Randomize();
        QVERIFY(first[0] != a() || first[1] != a());
    }
};

QTEST_GUILESS_MAIN(TestRunTimeRandom)
#include "tst_runTimeRandom.moc"
