#include "stitch/threads/StitchThreads.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

std::atomic<int> s_limit{0};

int Cores()
{
    return std::max(int(std::thread::hardware_concurrency()), 1);
}

int FromEnvironment()
{
    static const int threads = [] {
        const char* value = std::getenv("VELLUMAR_STITCH_THREADS");
        const int asked = value ? std::atoi(value) : 0;
        // Never more than the machine has, whatever was asked.
        return asked > 0 ? std::min(asked, Cores()) : Cores();
    }();
    return threads;
}

// Helpers kept waiting between loops: a loop of a few milliseconds would
// otherwise spend much of its time starting threads. One loop uses them at
// a time; a loop started meanwhile (from another thread, or from inside a
// loop's body) runs on its caller alone.
class Pool
{
public:
    ~Pool()
    {
        {
            std::lock_guard<std::mutex> lock(m_Mutex);
            m_bStop = true;
        }
        m_Wake.notify_all();
        for (std::thread& helper : m_Helpers)
            helper.join();
    }

    // False when the pool is in use: the caller then runs the loop alone.
    bool Run(int helpers, int count, const std::function<void(int)>& body)
    {
        std::unique_lock<std::mutex> busy(m_Busy, std::try_to_lock);
        if (!busy.owns_lock())
            return false;
        while (int(m_Helpers.size()) < helpers) {
            try {
                const int id = int(m_Helpers.size());
                m_Helpers.emplace_back([this, id] { Serve(id); });
            } catch (const std::system_error&) {
                break;
            }
        }
        helpers = std::min(helpers, int(m_Helpers.size()));
        {
            std::lock_guard<std::mutex> lock(m_Mutex);
            m_pBody = &body;
            m_lCount = count;
            m_Next.store(0, std::memory_order_relaxed);
            m_lWanted = helpers;
            m_lActive = helpers;
            ++m_lGeneration;
        }
        m_Wake.notify_all();
        Work(body, count);
        std::unique_lock<std::mutex> lock(m_Mutex);
        m_Done.wait(lock, [this] { return m_lActive == 0; });
        m_pBody = nullptr;
        return true;
    }

private:
    void Work(const std::function<void(int)>& body, int count)
    {
        for (int i = m_Next.fetch_add(1, std::memory_order_relaxed); i < count;
             i = m_Next.fetch_add(1, std::memory_order_relaxed))
            body(i);
    }

    void Serve(int id)
    {
        unsigned seen = 0;
        std::unique_lock<std::mutex> lock(m_Mutex);
        for (;;) {
            m_Wake.wait(lock, [&] { return m_bStop || m_lGeneration != seen; });
            if (m_bStop)
                return;
            seen = m_lGeneration;
            if (id >= m_lWanted)
                continue;
            const std::function<void(int)>* body = m_pBody;
            const int count = m_lCount;
            lock.unlock();
            Work(*body, count);
            lock.lock();
            if (--m_lActive == 0)
                m_Done.notify_one();
        }
    }

    std::mutex m_Busy;
    std::mutex m_Mutex;
    std::condition_variable m_Wake;
    std::condition_variable m_Done;
    std::vector<std::thread> m_Helpers;
    const std::function<void(int)>* m_pBody = nullptr;
    int m_lCount = 0;
    std::atomic<int> m_Next{0};
    int m_lWanted = 0;
    int m_lActive = 0;
    unsigned m_lGeneration = 0;
    bool m_bStop = false;
};

Pool& ThePool()
{
    static Pool pool;
    return pool;
}

} // namespace

int StitchThreads::Count()
{
    const int limit = s_limit.load(std::memory_order_relaxed);
    return limit > 0 ? std::min(limit, Cores()) : FromEnvironment();
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
    if (threads < 2 || !ThePool().Run(threads - 1, count, body))
        for (int i = 0; i < count; ++i)
            body(i);
}
