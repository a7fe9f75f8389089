#include "platform/RandomSource.h"

#include <QtTest>

#include <array>
#include <thread>
#include <vector>

class TestRandomSource : public QObject
{
    Q_OBJECT

private slots:
    void seededSequenceRepeats();
    void uniformStaysInRange_data();
    void uniformStaysInRange();
    void uniformIsRoughlyFlat();
    void threadsDrawWithoutRaces();
};

void TestRandomSource::seededSequenceRepeats()
{
    RandomSource::seed(42);
    std::vector<std::uint32_t> first;
    for (int i = 0; i < 16; ++i)
        first.push_back(RandomSource::next());
    RandomSource::seed(42);
    for (int i = 0; i < 16; ++i)
        QCOMPARE(RandomSource::next(), first[size_t(i)]);

    RandomSource::seed(43);
    QVERIFY(RandomSource::next() != first[0] || RandomSource::next() != first[1]);

    // Not stuck: a seeded run produces many distinct values.
    std::sort(first.begin(), first.end());
    QCOMPARE(std::unique(first.begin(), first.end()) - first.begin(), 16);
}

void TestRandomSource::uniformStaysInRange_data()
{
    QTest::addColumn<quint32>("bound");
    QTest::newRow("0 gives 0") << 0u;
    QTest::newRow("1 gives 0") << 1u;
    QTest::newRow("2") << 2u;
    QTest::newRow("3, not a power of two") << 3u;
    QTest::newRow("1000") << 1000u;
    QTest::newRow("2^31 + 1, most rejections") << 0x80000001u;
    QTest::newRow("largest") << 0xffffffffu;
}

void TestRandomSource::uniformStaysInRange()
{
    QFETCH(quint32, bound);
    RandomSource::seed(7);
    for (int i = 0; i < 2000; ++i) {
        const std::uint32_t value = RandomSource::uniform(bound);
        if (bound < 2)
            QCOMPARE(value, 0u);
        else
            QVERIFY(value < bound);
    }
}

void TestRandomSource::uniformIsRoughlyFlat()
{
    // 60000 draws over 6 buckets: each expects 10000 with a standard
    // deviation of about 91; 600 is over six deviations.
    RandomSource::seed(2026);
    std::array<int, 6> counts{};
    for (int i = 0; i < 60000; ++i)
        ++counts[RandomSource::uniform(6)];
    for (int count : counts)
        QVERIFY2(std::abs(count - 10000) < 600, qPrintable(QString::number(count)));
}

void TestRandomSource::threadsDrawWithoutRaces()
{
    // Under the lock every draw takes the next value of one sequence, so
    // four threads drawing from a seed together get, between them, exactly
    // the values one thread draws from that seed alone, in some order. A
    // draw that raced another would repeat a value or skip one.
    const int threads = 4;
    const int draws = 10000;
    RandomSource::seed(2024);
    std::vector<std::uint32_t> alone;
    for (int i = 0; i < threads * draws; ++i)
        alone.push_back(RandomSource::next());

    RandomSource::seed(2024);
    std::vector<std::vector<std::uint32_t>> drawn(threads);
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&drawn, t] {
            drawn[size_t(t)].reserve(draws);
            for (int i = 0; i < draws; ++i)
                drawn[size_t(t)].push_back(RandomSource::next());
        });
    }
    for (auto& worker : workers)
        worker.join();

    std::vector<std::uint32_t> together;
    for (const auto& values : drawn)
        together.insert(together.end(), values.begin(), values.end());
    std::sort(alone.begin(), alone.end());
    std::sort(together.begin(), together.end());
    QVERIFY(together == alone);
    RandomSource::reseedFromSystem();
}

QTEST_GUILESS_MAIN(TestRandomSource)
#include "tst_randomsource.moc"
