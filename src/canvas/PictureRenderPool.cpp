#include "canvas/PictureRenderPool.h"

#include "concurrency/CpuExecutor.h"

#include <QCoreApplication>

PictureRenderPool& PictureRenderPool::instance()
{
    static PictureRenderPool pool(CpuExecutor::shared());
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

PictureRenderPool::PictureRenderPool(CpuExecutor& executor)
    : executor(executor)
{
}

PictureRenderPool::~PictureRenderPool()
{
    waitUntilIdle();
}

void PictureRenderPool::submit(std::function<void()> task)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        ++pending;
    }
    executor.submit([this, task = std::move(task)]() mutable {
        task();
        task = nullptr; // what it holds goes before the pool hears of the end
        std::lock_guard<std::mutex> lock(mutex);
        if (--pending == 0)
            drained.notify_all();
    });
}

void PictureRenderPool::waitUntilIdle()
{
    std::unique_lock<std::mutex> lock(mutex);
    drained.wait(lock, [this] { return pending == 0; });
}
