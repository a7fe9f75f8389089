#include "RoadRecord.h"
#include "SyntheticViews.h"

#include "stitch/threads/StitchThreads.h"

#include <QtTest>

#include <atomic>
#include <thread>
#include <vector>

// The library's worker threads change nothing but the time: the main road
// decides the same to the byte, and the host sees the same progress reports
// and lock calls, on one thread and on several.
class TestThreads : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void everyIndexOnce_data();
    void everyIndexOnce();
    void loopsAtOnce();
    void sameAsOneThread_data();
    void sameAsOneThread();
};

void TestThreads::cleanup()
{
    StitchThreads::SetLimit(0);
}

void TestThreads::everyIndexOnce_data()
{
    QTest::addColumn<int>("threads");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("minPerThread");
    QTest::newRow("one thread") << 1 << 100 << 1;
    QTest::newRow("four threads") << 4 << 1000 << 1;
    QTest::newRow("fewer tasks than threads") << 4 << 3 << 1;
    QTest::newRow("too little to share") << 4 << 7 << 4;
    QTest::newRow("nothing") << 4 << 0 << 1;
}

void TestThreads::everyIndexOnce()
{
    QFETCH(int, threads);
    QFETCH(int, count);
    QFETCH(int, minPerThread);
    StitchThreads::SetLimit(threads);
    QVERIFY(StitchThreads::Count() >= 1 && StitchThreads::Count() <= threads);
    std::vector<std::atomic<int>> visits(size_t(count) + 1);
    StitchThreads::For(count, [&](int i) { visits[size_t(i)].fetch_add(1); }, minPerThread);
    for (int i = 0; i < count; ++i)
        QCOMPARE(visits[size_t(i)].load(), 1);
    QCOMPARE(visits[size_t(count)].load(), 0);
}

void TestThreads::loopsAtOnce()
{
    // Two callers at once, and a loop inside a loop's body: the helpers serve
    // one loop at a time, the others run on their callers; every index is
    // still visited once.
    StitchThreads::SetLimit(4);
    constexpr int kOuter = 40, kInner = 50;
    std::vector<std::atomic<int>> first(kOuter * kInner), second(kOuter * kInner);
    auto nested = [&](std::vector<std::atomic<int>>& visits) {
        StitchThreads::For(kOuter, [&](int i) {
            StitchThreads::For(kInner, [&](int j) { visits[size_t(i * kInner + j)].fetch_add(1); });
        });
    };
    std::thread other([&] { nested(second); });
    nested(first);
    other.join();
    for (int i = 0; i < kOuter * kInner; ++i) {
        QCOMPARE(first[size_t(i)].load(), 1);
        QCOMPARE(second[size_t(i)].load(), 1);
    }
}

void TestThreads::sameAsOneThread_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("hard");
    QTest::addColumn<int>("outputSize");
    QTest::newRow("row of 3") << 0 << 3 << 1 << 640 << false << 0;
    QTest::newRow("row of 3, rolled, exposures, half size") << 0 << 3 << 1 << 640 << true << 1;
    QTest::newRow("column of 3, rolled, exposures") << 1 << 1 << 3 << 640 << true << 0;
    QTest::newRow("2 x 2 tile, rolled, exposures") << 3 << 2 << 2 << 640 << true << 0;
}

void TestThreads::sameAsOneThread()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(int, width);
    QFETCH(bool, hard);
    QFETCH(int, outputSize);
    const QString path = SyntheticViews::photoPath();
    if (path.isEmpty())
        QSKIP("mate-backgrounds is not installed");
    const QImage photo(path);
    QVERIFY(!photo.isNull());

    StitchThreads::SetLimit(1);
    const RoadRecord one = RecordRoad(photo, style, cols, rows, width, hard, outputSize);
    StitchThreads::SetLimit(4);
    const RoadRecord several = RecordRoad(photo, style, cols, rows, width, hard, outputSize);

    QVERIFY2(one.text.contains("stitch 0:"), one.text.constData());
    QCOMPARE(several.text, one.text);
    QCOMPARE(several.progress, one.progress);
    QCOMPARE(several.lockCalls, one.lockCalls);
    QCOMPARE(several.allocations, one.allocations);
    QVERIFY(one.clean);
    QVERIFY(several.clean);
}

QTEST_MAIN(TestThreads)
#include "tst_threads.moc"
