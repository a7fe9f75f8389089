// Works the CPU executor under ThreadSanitizer from many sides at once:
// tasks queued from several threads, loops started inside tasks and inside
// other loops' bodies, callers from outside competing for slots, and an
// executor that goes with tasks still queued. Each loop writes its own
// slots and the results are checked against the sums worked out by hand.
// Exits with 1 when a result is wrong or more threads ran at once than the
// executor has; ThreadSanitizer makes the exit code 66 when it reports a
// race.
#include "concurrency/CpuExecutor.h"
#include "TsanCheck.h"
#include "../Latch.h"

#include <atomic>
#include <numeric>
#include <thread>
#include <vector>

namespace {

using TsanCheck::check;

// 0 + 1 + ... + (n - 1), by a loop of `lanes` threads whose bodies each
// fill a slot of their own; the slots are summed afterwards.
long long sumBelow(CpuExecutor& executor, int n, int lanes)
{
    std::vector<long long> slots(std::size_t(n), 0);
    executor.forEach(n, [&](int i) { slots[std::size_t(i)] = i; }, lanes);
    return std::accumulate(slots.begin(), slots.end(), 0LL);
}

long long expectedSum(int n)
{
    return (long long)n * (n - 1) / 2;
}

} // namespace

int main()
{
    const int threads = 4;
    CpuExecutor executor(threads);

    // Tasks from three threads, each task a loop whose bodies run loops.
    const int tasksPerThread = 50;
    std::atomic<long long> total{0};
    Latch tasks(3 * tasksPerThread);
    std::vector<std::thread> submitters;
    for (int s = 0; s < 3; ++s) {
        submitters.emplace_back([&] {
            for (int t = 0; t < tasksPerThread; ++t) {
                executor.submit([&] {
                    std::vector<long long> inner(16, 0);
                    executor.forEach(16, [&](int i) { inner[std::size_t(i)] = sumBelow(executor, 50 + i, 0); });
                    total += std::accumulate(inner.begin(), inner.end(), 0LL);
                    tasks.arrive();
                });
            }
        });
    }

    // Meanwhile callers from outside run loops of their own, some nesting.
    std::vector<std::thread> callers;
    std::vector<long long> outside(4, 0);
    for (int c = 0; c < 4; ++c) {
        callers.emplace_back([&, c] {
            for (int round = 0; round < 100; ++round) {
                if (c % 2)
                    outside[std::size_t(c)] += sumBelow(executor, 200, c);
                else
                    executor.forEach(3, [&](int) { sumBelow(executor, 20, 2); }, 2);
            }
        });
    }
    for (std::thread& thread : submitters)
        thread.join();
    for (std::thread& thread : callers)
        thread.join();
    check(tasks.wait(), "every queued task ran");

    long long perTask = 0;
    for (int i = 0; i < 16; ++i)
        perTask += expectedSum(50 + i);
    check(total == 3LL * tasksPerThread * perTask, "the nested loops of the tasks");
    check(outside[1] == 100 * expectedSum(200) && outside[3] == 100 * expectedSum(200), "the loops from outside");
    const CpuExecutor::Load load = executor.load();
    check(load.peakRunning <= threads, "no more threads at once than the executor has");
    check(load.threads == threads, "the fixed set of threads");

    // An executor that goes with tasks still queued runs them first.
    std::atomic<int> ran{0};
    {
        CpuExecutor leaving(2);
        for (int t = 0; t < 50; ++t)
            leaving.submit([&ran, &leaving] { ran += int(sumBelow(leaving, 8, 0) == expectedSum(8)); });
    }
    check(ran == 50, "queued tasks run before the executor goes");

    return TsanCheck::verdict("executor_tsan");
}
