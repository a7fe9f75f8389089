#include "canvas/PictureRenderPool.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <system_error>

namespace {

const int RenderNiceness = 4;

} // namespace

PictureRenderPool& PictureRenderPool::instance()
{
    static PictureRenderPool pool(int(std::max(2u, std::thread::hardware_concurrency())));
    // Renders still running when the application object goes would reach
    // Qt's own thread pools (smooth scaling uses one) after they are gone:
    // they finish while it is still there.
    static const bool drainsAtExit = [] {
        qAddPostRoutine([] { pool.waitUntilIdle(); });
        return true;
    }();
    Q_UNUSED(drainsAtExit);
    return pool;
}

PictureRenderPool::PictureRenderPool(int maxThreads)
    : maxThreads(std::max(1, maxThreads))
{
}

PictureRenderPool::~PictureRenderPool()
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    for (std::thread& thread : threads)
        thread.join();
}

void PictureRenderPool::submit(std::function<void()> task)
{
    std::unique_lock<std::mutex> lock(mutex);
    tasks.push_back(std::move(task));
    if (idle > 0) {
        lock.unlock();
        wake.notify_one();
        return;
    }
    if (int(threads.size()) < maxThreads) {
        try {
            threads.emplace_back(&PictureRenderPool::work, this);
        } catch (const std::system_error&) {
            // No new thread: the task waits for a running one, or runs here
            // when there is none.
            if (threads.empty()) {
                std::function<void()> now = std::move(tasks.back());
                tasks.pop_back();
                lock.unlock();
                now();
            }
        }
    }
}

void PictureRenderPool::waitUntilIdle()
{
    std::unique_lock<std::mutex> lock(mutex);
    drained.wait(lock, [this] { return active == 0 && tasks.empty(); });
}

void PictureRenderPool::work()
{
    // A little below the GUI thread, so that a window busy rendering still
    // answers the mouse at once. On Linux the nice value belongs to the
    // thread and passes to the threads it starts (the engine's bands).
    const auto self = id_t(syscall(SYS_gettid));
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, self);
    if (errno == 0)
        setpriority(PRIO_PROCESS, self, std::min(nice + RenderNiceness, 19));
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        if (tasks.empty()) {
            if (stopping)
                return;
            ++idle;
            wake.wait(lock, [this] { return stopping || !tasks.empty(); });
            --idle;
            continue;
        }
        std::function<void()> task = std::move(tasks.front());
        tasks.pop_front();
        ++active;
        lock.unlock();
        task();
        task = nullptr; // what it holds goes before the lock is taken again
        lock.lock();
        if (--active == 0 && tasks.empty())
            drained.notify_all();
    }
}
