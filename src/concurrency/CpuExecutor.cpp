#include "concurrency/CpuExecutor.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <utility>

#if defined(__linux__)
#include <cerrno>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace {

const int BackgroundNiceness = 4;

// The executor whose thread slot this thread holds: for good in its
// workers, while it runs its share of a loop in a thread from outside. A
// loop started there runs as a worker's would, in the slot held.
thread_local const CpuExecutor* t_slotOf = nullptr;

void lowerPriority()
{
#if defined(__linux__)
    // On Linux the nice value belongs to the thread (and is inherited from
    // the thread that started it).
    const auto self = id_t(syscall(SYS_gettid));
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, self);
    if (errno == 0)
        setpriority(PRIO_PROCESS, self, std::min(nice + BackgroundNiceness, 19));
#endif
}

} // namespace

// One forEach call, on its caller's stack. Indices are taken through the
// atomic counter; the rest is guarded by the executor's mutex.
struct CpuExecutor::Loop
{
    Loop(int count, const std::function<void(int)>& body, int lanes)
        : body(body)
        , count(count)
        , maxLanes(lanes)
    {
    }

    // May another thread join in? (under the mutex)
    bool open() const { return lanes < maxLanes && next.load() < count; }

    void run()
    {
        for (long long i = next.fetch_add(1); i < count; i = next.fetch_add(1))
            body(int(i));
    }

    const std::function<void(int)>& body;
    const int count;
    const int maxLanes;
    std::atomic<long long> next{0}; // wide: each thread takes one past the end
    int lanes = 0;   // threads that joined in so far
    int helping = 0; // workers in it now
};

CpuExecutor& CpuExecutor::shared()
{
    static CpuExecutor executor(int(std::max(2u, std::thread::hardware_concurrency())), true);
    return executor;
}

CpuExecutor::CpuExecutor(int threads, bool background)
    : maxThreads(std::max(1, threads))
    , background(background)
{
}

CpuExecutor::~CpuExecutor()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    for (std::thread& thread : threads)
        thread.join();
}

// Under the mutex.
void CpuExecutor::startThreads()
{
    if (started)
        return;
    started = true;
    threads.reserve(std::size_t(maxThreads));
    for (int i = 0; i < maxThreads; ++i) {
        // A system out of threads leaves the work to those already running.
        try {
            threads.emplace_back(&CpuExecutor::work, this);
        } catch (const std::system_error&) {
            break;
        }
    }
}

// Under the mutex.
CpuExecutor::Loop* CpuExecutor::openLoop() const
{
    for (Loop* loop : loops)
        if (loop->open())
            return loop;
    return nullptr;
}

// Under the mutex: one more thread runs work.
void CpuExecutor::enter()
{
    ++running;
    peakRunning = std::max(peakRunning, running);
}

void CpuExecutor::submit(std::function<void()> task)
{
    std::unique_lock<std::mutex> lock(mutex);
    startThreads();
    if (threads.empty()) {
        lock.unlock();
        task();
        return;
    }
    tasks.push_back(std::move(task));
    lock.unlock();
    wake.notify_one();
}

void CpuExecutor::forEach(int count, const std::function<void(int)>& body, int lanes)
{
    if (count <= 0)
        return;
    const int maxLanes = std::min(count, lanes > 0 ? std::min(lanes, maxThreads) : maxThreads);
    // One lane is the caller's own sequential work.
    if (maxLanes == 1) {
        for (int i = 0; i < count; ++i)
            body(i);
        return;
    }
    Loop loop(count, body, maxLanes);
    std::unique_lock<std::mutex> lock(mutex);
    startThreads();
    loops.push_back(&loop);
    // The caller takes part at once when it holds a slot or finds one free,
    // before a worker is woken; else it waits for a slot or the workers.
    const bool inSlot = t_slotOf == this;
    for (;;) {
        if (inSlot || (loop.open() && running < maxThreads)) {
            ++loop.lanes;
            if (!inSlot)
                enter();
            const bool helpers = loop.open() && running < maxThreads;
            lock.unlock();
            if (helpers)
                wake.notify_all();
            const CpuExecutor* held = std::exchange(t_slotOf, this);
            loop.run();
            t_slotOf = held;
            lock.lock();
            if (!inSlot) {
                --running;
                // The slot goes to another caller from outside or to a
                // sleeping worker.
                const bool more = !tasks.empty() || openLoop();
                const bool callers = callersWaiting > 0;
                lock.unlock();
                if (more)
                    wake.notify_one();
                if (callers)
                    settled.notify_all();
                lock.lock();
            }
            break;
        }
        // Every index taken: what is left is to wait for the workers.
        if (loop.next.load() >= count)
            break;
        ++callersWaiting;
        settled.wait(lock);
        --callersWaiting;
    }
    // No thread joins in any more; those in it are on their last indices.
    loops.erase(std::find(loops.begin(), loops.end(), &loop));
    ++callersWaiting;
    settled.wait(lock, [&loop] { return loop.helping == 0; });
    --callersWaiting;
}

CpuExecutor::Load CpuExecutor::load() const
{
    std::lock_guard<std::mutex> lock(mutex);
    Load load;
    load.threads = int(threads.size());
    load.running = running;
    load.peakRunning = peakRunning;
    return load;
}

void CpuExecutor::resetPeak()
{
    std::lock_guard<std::mutex> lock(mutex);
    peakRunning = running;
}

void CpuExecutor::work()
{
    t_slotOf = this;
    if (background)
        lowerPriority();
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        Loop* loop = running < maxThreads ? openLoop() : nullptr;
        std::function<void()> task;
        if (!loop && running < maxThreads && !tasks.empty()) {
            task = std::move(tasks.front());
            tasks.pop_front();
        }
        if (!loop && !task) {
            if (stopping && tasks.empty())
                return;
            wake.wait(lock);
            continue;
        }
        enter();
        if (loop) {
            ++loop->lanes;
            ++loop->helping;
        }
        lock.unlock();
        if (loop) {
            loop->run();
        } else {
            task();
            task = nullptr; // what it holds goes before the lock is taken again
        }
        lock.lock();
        if (loop)
            --loop->helping;
        --running;
        // The loop's caller waits for its helpers; a caller from outside
        // may wait for this slot.
        if (callersWaiting > 0) {
            lock.unlock();
            settled.notify_all();
            lock.lock();
        }
    }
}
