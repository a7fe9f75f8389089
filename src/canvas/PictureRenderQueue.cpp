#include "canvas/PictureRenderQueue.h"

#include "canvas/PictureRenderPool.h"

#include <condition_variable>
#include <mutex>

struct PictureRenderQueue::Shared
{
    std::mutex mutex;
    std::condition_variable idle;
    // Touched by the one job in flight only (and before the first one).
    PictureRenderSource source;
    std::optional<PictureRenderJob> waiting;
    bool running = false;
    quint64 newest = 0;
    int jobsRun = 0;
    std::optional<PictureRenderResult> finished;
    std::function<void()> notify; // empty once the queue is gone
};

PictureRenderQueue::PictureRenderQueue(std::function<void()> notify, PictureRenderPool* pool)
    : shared(std::make_shared<Shared>())
    , pool(pool ? pool : &PictureRenderPool::instance())
{
    shared->notify = std::move(notify);
}

PictureRenderQueue::~PictureRenderQueue()
{
    std::lock_guard<std::mutex> lock(shared->mutex);
    shared->notify = nullptr;
    shared->waiting.reset();
    shared->finished.reset();
}

void PictureRenderQueue::setOrigin(const QImage& origin)
{
    // Set before the first job that reads the source is queued; a Scale job
    // that may be in flight never reads it.
    std::lock_guard<std::mutex> lock(shared->mutex);
    if (shared->source.source.isNull())
        shared->source.origin = origin;
}

quint64 PictureRenderQueue::request(PictureRenderJob job)
{
    quint64 serial = 0;
    {
        std::lock_guard<std::mutex> lock(shared->mutex);
        serial = job.serial = ++shared->newest;
        shared->finished.reset();
        if (shared->running) {
            shared->waiting = std::move(job);
            return serial;
        }
        shared->running = true;
    }
    start(std::move(job));
    return serial;
}

bool PictureRenderQueue::requestScale(PictureRenderJob job)
{
    {
        std::lock_guard<std::mutex> lock(shared->mutex);
        if (shared->running) {
            if (shared->waiting)
                shared->waiting->shownSize = job.shownSize;
            return false;
        }
        // A result not yet landed holds newer pixels than `job.image`, and a
        // Scale result would take its place: the owner asks again once it
        // has landed that result.
        if (shared->finished)
            return false;
        job.kind = PictureRenderJob::Scale;
        job.serial = shared->newest;
        shared->running = true;
    }
    start(std::move(job));
    return true;
}

quint64 PictureRenderQueue::supersede()
{
    std::lock_guard<std::mutex> lock(shared->mutex);
    shared->waiting.reset();
    shared->finished.reset();
    return ++shared->newest;
}

quint64 PictureRenderQueue::newestRequest() const
{
    std::lock_guard<std::mutex> lock(shared->mutex);
    return shared->newest;
}

int PictureRenderQueue::jobsRun() const
{
    std::lock_guard<std::mutex> lock(shared->mutex);
    return shared->jobsRun;
}

bool PictureRenderQueue::busy() const
{
    std::lock_guard<std::mutex> lock(shared->mutex);
    return shared->running;
}

std::optional<PictureRenderResult> PictureRenderQueue::takeResult()
{
    std::lock_guard<std::mutex> lock(shared->mutex);
    std::optional<PictureRenderResult> result = std::move(shared->finished);
    shared->finished.reset();
    return result;
}

std::optional<PictureRenderResult> PictureRenderQueue::waitForResult()
{
    std::unique_lock<std::mutex> lock(shared->mutex);
    shared->idle.wait(lock, [this] { return !shared->running; });
    std::optional<PictureRenderResult> result = std::move(shared->finished);
    shared->finished.reset();
    return result;
}

// Called without the lock, once `running` is set: the pool may run the task
// on this thread when it cannot start one.
void PictureRenderQueue::start(PictureRenderJob job)
{
    std::shared_ptr<Shared> held = shared;
    pool->submit([held, job = std::move(job)]() mutable { run(held, std::move(job)); });
}

void PictureRenderQueue::run(const std::shared_ptr<Shared>& shared, PictureRenderJob job)
{
    for (;;) {
        PictureRenderResult result = renderPictureJob(shared->source, job);
        std::optional<PictureRenderJob> next;
        {
            std::lock_guard<std::mutex> lock(shared->mutex);
            ++shared->jobsRun;
            if (result.serial == shared->newest && shared->notify) {
                shared->finished = std::move(result);
                shared->notify();
            }
            if (shared->waiting) {
                next = std::move(shared->waiting);
                shared->waiting.reset();
            } else {
                shared->running = false;
                shared->idle.notify_all();
            }
        }
        if (!next)
            return;
        job = std::move(*next);
    }
}
