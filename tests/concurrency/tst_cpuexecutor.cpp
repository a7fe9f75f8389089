#include "concurrency/CpuExecutor.h"

#include "Latch.h"

#include <QDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

// Bodies running at once, and the most seen.
struct Overlap
{
    std::atomic<int> now{0};
    std::atomic<int> most{0};

    void enter()
    {
        const int n = ++now;
        int seen = most.load();
        while (n > seen && !most.compare_exchange_weak(seen, n)) {
        }
    }
    void leave() { --now; }
};

// A gate the test opens once.
class Gate
{
public:
    void open()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            opened = true;
        }
        changed.notify_all();
    }
    void pass()
    {
        std::unique_lock<std::mutex> lock(mutex);
        changed.wait(lock, [this] { return opened; });
    }

private:
    std::mutex mutex;
    std::condition_variable changed;
    bool opened = false;
};

// The threads of this process, from the kernel's list.
int processThreads()
{
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

} // namespace

class TestCpuExecutor : public QObject
{
    Q_OBJECT

private slots:
    void everyIndexOnce_data();
    void everyIndexOnce();
    void callerTakesPart();
    void nestedLoopsWhileEveryWorkerIsBusy();
    void outsideCallerWaitsForAFreeSlot();
    void loopInsideAnOutsideCallersBody();
    void tasksStartInOrderAndRunBeforeTheEnd();
};

void TestCpuExecutor::everyIndexOnce_data()
{
    QTest::addColumn<int>("threads");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("lanes");
    QTest::addColumn<int>("most"); // threads in the loop at once, at most
    QTest::newRow("nothing") << 4 << 0 << 0 << 0;
    QTest::newRow("one index") << 4 << 1 << 0 << 1;
    QTest::newRow("fewer indices than threads") << 4 << 3 << 0 << 3;
    QTest::newRow("many indices") << 4 << 200 << 0 << 4;
    QTest::newRow("one lane") << 4 << 50 << 1 << 1;
    QTest::newRow("two lanes") << 4 << 50 << 2 << 2;
    QTest::newRow("more lanes than threads") << 3 << 50 << 16 << 3;
    QTest::newRow("one thread") << 1 << 20 << 0 << 1;
}

void TestCpuExecutor::everyIndexOnce()
{
    QFETCH(int, threads);
    QFETCH(int, count);
    QFETCH(int, lanes);
    QFETCH(int, most);
    CpuExecutor executor(threads);
    std::vector<std::atomic<int>> calls(std::size_t(std::max(count, 1)));
    Overlap overlap;
    executor.forEach(
        count,
        [&](int i) {
            overlap.enter();
            ++calls[std::size_t(i)];
            // Long enough for the other threads to arrive.
            std::this_thread::sleep_for(1ms);
            overlap.leave();
        },
        lanes);
    // Everything is done on return.
    for (int i = 0; i < count; ++i)
        QCOMPARE(calls[std::size_t(i)].load(), 1);
    QCOMPARE(overlap.now.load(), 0);
    QVERIFY2(overlap.most.load() <= most, qPrintable(QString::number(overlap.most.load())));
    QVERIFY(executor.load().peakRunning <= threads);
    QCOMPARE(executor.load().running, 0);
}

void TestCpuExecutor::callerTakesPart()
{
    // An idle executor: the caller from outside takes a slot at once and
    // works through indices beside the workers.
    CpuExecutor executor(3);
    const std::thread::id caller = std::this_thread::get_id();
    std::mutex mutex;
    std::set<std::thread::id> ran;
    executor.forEach(60, [&](int) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            ran.insert(std::this_thread::get_id());
        }
        std::this_thread::sleep_for(1ms);
    });
    QVERIFY(ran.count(caller) == 1);
    QVERIFY(ran.size() >= 2 && ran.size() <= 3);
}

void TestCpuExecutor::nestedLoopsWhileEveryWorkerIsBusy()
{
    // Every worker runs a task, and each task a loop whose bodies run loops
    // of their own: nothing waits for a worker that never comes, no thread
    // is started beyond the fixed set, and no more threads run at once.
    const int threads = 3;
    CpuExecutor executor(threads);
    const int before = processThreads();
    std::atomic<int> inner{0};
    Latch running(threads);
    Latch done(threads);
    Gate together;
    for (int t = 0; t < threads; ++t) {
        executor.submit([&] {
            running.arrive();
            together.pass();
            executor.forEach(20, [&](int) {
                executor.forEach(10, [&](int) { ++inner; });
            });
            done.arrive();
        });
    }
    QVERIFY(running.wait());
    QCOMPARE(executor.load().threads, threads);
    together.open();
    QVERIFY2(done.wait(), "a nested loop never ended");
    QCOMPARE(inner.load(), threads * 20 * 10);
    QVERIFY(executor.load().peakRunning <= threads);
    QCOMPARE(executor.load().threads, threads);
    QCOMPARE(processThreads(), before + threads);
    // Later loops reuse the same threads.
    for (int round = 0; round < 20; ++round)
        executor.forEach(8, [](int) {});
    QCOMPARE(processThreads(), before + threads);
}

void TestCpuExecutor::outsideCallerWaitsForAFreeSlot()
{
    // Both slots are held by tasks; a loop from outside runs nothing until
    // one of them ends, then finishes on the workers and the caller.
    CpuExecutor executor(2);
    Gate release;
    Latch holding(2);
    for (int t = 0; t < 2; ++t)
        executor.submit([&] {
            holding.arrive();
            release.pass();
        });
    QVERIFY(holding.wait());
    std::atomic<int> ran{0};
    std::atomic<bool> returned{false};
    std::thread caller([&] {
        executor.forEach(16, [&](int) { ++ran; });
        returned = true;
    });
    std::this_thread::sleep_for(50ms);
    QCOMPARE(ran.load(), 0);
    QVERIFY(!returned.load());
    release.open();
    caller.join();
    QCOMPARE(ran.load(), 16);
    QVERIFY(executor.load().peakRunning <= 2);
}

void TestCpuExecutor::loopInsideAnOutsideCallersBody()
{
    // One slot is held by a task; a caller from outside takes the other, so
    // the free worker cannot start. A loop the caller starts inside a body
    // must run in the slot it holds: waiting for a second slot would never
    // end.
    CpuExecutor executor(2);
    Gate release;
    Latch holding(1);
    executor.submit([&] {
        holding.arrive();
        release.pass();
    });
    QVERIFY(holding.wait());
    std::atomic<int> inner{0};
    std::atomic<int> onCaller{0};
    Latch done(1);
    std::thread caller([&] {
        const std::thread::id self = std::this_thread::get_id();
        executor.forEach(
            2,
            [&](int) {
                onCaller += std::this_thread::get_id() == self ? 1 : 0;
                executor.forEach(5, [&](int) { ++inner; });
            },
            2);
        done.arrive();
    });
    if (!done.wait(10s))
        qFatal("a loop inside a caller's body waited for a slot");
    caller.join();
    release.open();
    QCOMPARE(onCaller.load(), 2);
    QCOMPARE(inner.load(), 10);
    QCOMPARE(executor.load().peakRunning, 2);
}

void TestCpuExecutor::tasksStartInOrderAndRunBeforeTheEnd()
{
    std::vector<int> order;
    {
        CpuExecutor executor(1);
        Gate release;
        // The first task holds the only thread while the rest queue up.
        executor.submit([&] { release.pass(); });
        for (int i = 0; i < 30; ++i)
            executor.submit([&order, i] { order.push_back(i); });
        release.open();
        // The executor goes with tasks still queued: they run first.
    }
    QCOMPARE(int(order.size()), 30);
    for (int i = 0; i < 30; ++i)
        QCOMPARE(order[std::size_t(i)], i);
}

QTEST_GUILESS_MAIN(TestCpuExecutor)
#include "tst_cpuexecutor.moc"
