#include "stitch/StitchThreads.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <system_error>
#include <thread>
#include <vector>

namespace {

std::atomic<int> s_limit{0};

int FromEnvironment()
{
    static const int threads = [] {
        const char* value = std::getenv("VELLUMAR_STITCH_THREADS");
        const int asked = value ? std::atoi(value) : 0;
        const int cores = int(std::thread::hardware_concurrency());
        // Never more than the machine has, whatever was asked.
        const int most = std::max(cores, 1);
        return asked > 0 ? std::min(asked, most) : most;
    }();
    return threads;
}

} // namespace

int StitchThreads::Count()
{
    const int limit = s_limit.load(std::memory_order_relaxed);
    const int machine = FromEnvironment();
    return limit > 0 ? std::min(limit, std::max(int(std::thread::hardware_concurrency()), 1)) : machine;
}

void StitchThreads::SetLimit(int threads)
{
    s_limit.store(std::max(threads, 0), std::memory_order_relaxed);
}

void StitchThreads::For(int count, const std::function<void(int)>& body, int minPerThread)
{
    if (count <= 0)
        return;
    const int threads = std::min(Count(), count / std::max(minPerThread, 1));
    if (threads < 2) {
        for (int i = 0; i < count; ++i)
            body(i);
        return;
    }
    std::atomic<int> next{0};
    auto work = [&]() {
        for (int i = next.fetch_add(1, std::memory_order_relaxed); i < count;
             i = next.fetch_add(1, std::memory_order_relaxed))
            body(i);
    };
    std::vector<std::thread> helpers;
    helpers.reserve(size_t(threads - 1));
    for (int t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(work);
        } catch (const std::system_error&) {
            break;
        }
    }
    work();
    for (std::thread& helper : helpers)
        helper.join();
}
