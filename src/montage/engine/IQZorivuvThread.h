#pragma once

#include "montage/engine/IQZorivuvParam.h"

#include <QImage>
#include <QRunnable>
#include <QThread>

#include <atomic>

class IQZorivuvEngine;

// Runs one montage off the GUI thread and hands the result back by signal.
//
// Made on the GUI thread with copies of its inputs: later changes to the
// caller's record or overlay do not reach the run. Start it once: started
// as a thread it deletes itself after finished(); run as a pool task it is
// not auto-deleted and stays the caller's. The engine's inputs must not
// change until the run has ended.
class IQZorivuvThread : public QThread, public QRunnable
{
    Q_OBJECT

public:
    IQZorivuvThread(IQZorivuvEngine* engine, const IQZorivuvParam* param, const QImage& overlay);

    // Serves both bases: stores the overlay in the engine, runs the montage
    // and emits zorivuvFinished.
    void run() override;

    // Asks the run to stop; it ends with code 3 (cancelled) after the photos
    // under way or the row being drawn. Any thread; harmless after the end.
    void cancel() { m_cancelled.store(true); }

signals:
    // From the decoding threads and the worker thread while the run goes
    // on: `done` of `total` steps (photos decoded, then rows drawn), never
    // going down. Connect it queued for a progress bar.
    void progress(qint64 done, qint64 total);

    // Emitted once from the worker thread; connect it queued to reach the
    // GUI thread, where the mosaic becomes a pixmap. `errorCode` is one of
    // IQZorivuvEngine::Result; `leftOut` counts the photos that could not
    // be read. `mosaic` and `mask` are null on failure.
    void zorivuvFinished(QImage mosaic, QImage mask, int errorCode, int leftOut);

private:
    const IQZorivuvParam m_param;
    IQZorivuvEngine* const m_engine;
    const QImage m_overlay;
    std::atomic<bool> m_cancelled{false};
};
