#pragma once

#include "canvas/PictureRenderJob.h"

#include <functional>
#include <memory>
#include <optional>

class PictureRenderPool;

// The render requests of one picture, coalesced: at most one job runs (on
// the render pool) and one waits; a new request replaces the waiting one.
// Only the result of the newest request is kept; a job that finishes after
// a newer request was made is dropped, so an older picture never shows.
//
// Requests, results and waiting: the owner's thread (the GUI thread). The
// notify function runs on a render thread, with the queue's lock held,
// whenever a result is ready to be taken; it must be short and must not
// call the queue. Deleting the queue drops the waiting job; the job in
// flight finishes on its own (it holds the source and the engine it uses)
// and its result goes nowhere.
class PictureRenderQueue
{
public:
    explicit PictureRenderQueue(std::function<void()> notify, PictureRenderPool* pool = nullptr);
    ~PictureRenderQueue();
    PictureRenderQueue(const PictureRenderQueue&) = delete;
    PictureRenderQueue& operator=(const PictureRenderQueue&) = delete;

    // The image the source is made from; give it before the first request
    // other than Scale (the first job that needs the source takes it).
    void setOrigin(const QImage& origin);

    // Queues `job` (its serial is set here) and returns its serial.
    quint64 request(PictureRenderJob job);
    // A Scale job makes no new request: it runs only when nothing else is
    // queued and no result waits to be taken, and otherwise gives its size
    // to the waiting job. False when it was not queued.
    bool requestScale(PictureRenderJob job);
    // Drops the waiting job and makes every result in flight older than
    // the returned serial, for a picture set directly.
    quint64 supersede();

    quint64 newestRequest() const;
    // Jobs rendered so far, to show how requests coalesce.
    int jobsRun() const;
    bool busy() const;
    // The newest request's result, once it is ready.
    std::optional<PictureRenderResult> takeResult();
    // Blocks until nothing runs or waits, then takes the result.
    std::optional<PictureRenderResult> waitForResult();

private:
    struct Shared;
    static void run(const std::shared_ptr<Shared>& shared, PictureRenderJob job);
    void start(PictureRenderJob job);

    std::shared_ptr<Shared> shared;
    PictureRenderPool* pool;
};
