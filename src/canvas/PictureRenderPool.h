#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// The threads that render pictures: one process-wide pool of plain
// std::threads (so that ThreadSanitizer sees every hand-over), started as
// tasks arrive, at most one per core. Tasks run in the order they came.
// The pool is separate from Qt's global pool, whose threads the rest of the
// program may block.
class PictureRenderPool
{
public:
    static PictureRenderPool& instance();

    explicit PictureRenderPool(int maxThreads);
    // Runs the tasks still queued, then joins every thread.
    ~PictureRenderPool();
    PictureRenderPool(const PictureRenderPool&) = delete;
    PictureRenderPool& operator=(const PictureRenderPool&) = delete;

    // Any thread; the caller must hold no lock the task takes (without
    // any thread of its own the pool runs the task at once). The task must
    // not throw.
    void submit(std::function<void()> task);
    // Blocks until no task is queued or running (tests, shutdown).
    void waitUntilIdle();

private:
    void work();

    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::function<void()>> tasks;
    std::vector<std::thread> threads;
    int maxThreads;
    std::condition_variable drained;
    int idle = 0;
    int active = 0; // tasks running
    bool stopping = false;
};
