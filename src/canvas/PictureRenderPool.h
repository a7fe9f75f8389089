#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>

class CpuExecutor;

// The tasks that render pictures and decode a project's pictures ahead, on
// the program's CPU executor: they share its threads with the effect bands
// they start, so that several pictures rendering at once never run more
// threads than it has. Tasks start in the order they came. The executor is
// separate from Qt's global pool, whose threads the rest of the program
// may block.
class PictureRenderPool
{
public:
    // On CpuExecutor::shared().
    static PictureRenderPool& instance();

    explicit PictureRenderPool(CpuExecutor& executor);
    // Waits for the tasks still queued or running.
    ~PictureRenderPool();
    PictureRenderPool(const PictureRenderPool&) = delete;
    PictureRenderPool& operator=(const PictureRenderPool&) = delete;

    // Any thread; the caller must hold no lock the task takes (without
    // any thread of its own the executor runs the task at once). The task
    // must not throw.
    void submit(std::function<void()> task);
    // Blocks until none of this pool's tasks is queued or running (tests,
    // shutdown); other work on the executor does not count.
    void waitUntilIdle();

private:
    CpuExecutor& executor;
    std::mutex mutex;
    std::condition_variable drained;
    int pending = 0; // tasks queued or running
};
