#include "canvas/PicturePrefetch.h"

#include "canvas/PictureRenderPool.h"

#include <QFileInfo>

#include <condition_variable>
#include <mutex>
#include <utility>
#include <vector>

struct PicturePrefetch::State
{
    struct Tried
    {
        QString path;
        QImage image;
        QString error;
        bool taken = false;
    };

    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool cancelled = false;
    std::vector<Tried> tried;
};

PicturePrefetch::PicturePrefetch(QList<Candidate> candidates, Decoder decoder)
    : m_state(std::make_shared<State>())
{
    if (candidates.isEmpty() || !decoder) {
        m_state->done = true;
        return;
    }
    // The task holds the state, not this object: a prefetch let go early
    // leaves the worker something to write into.
    PictureRenderPool::instance().submit(
        [state = m_state, candidates = std::move(candidates), decoder = std::move(decoder)]() {
            std::vector<State::Tried> tried;
            for (const Candidate& candidate : candidates) {
                {
                    std::lock_guard<std::mutex> lock(state->mutex);
                    if (state->cancelled)
                        break;
                }
                // Only regular files: opening a FIFO would block this thread
                // and the reader waiting for it.
                if (!QFileInfo(candidate.checked).isFile())
                    continue;
                State::Tried entry;
                entry.path = candidate.decoded;
                entry.image = decoder(candidate.decoded, &entry.error);
                tried.push_back(std::move(entry));
                if (!tried.back().image.isNull())
                    break;
            }
            {
                std::lock_guard<std::mutex> lock(state->mutex);
                // Nobody will take what a cancelled prefetch decoded.
                if (!state->cancelled)
                    state->tried = std::move(tried);
                state->done = true;
            }
            state->finished.notify_all();
            // A cancelled prefetch's pictures are freed here, outside the lock.
        });
}

PicturePrefetch::~PicturePrefetch()
{
    std::lock_guard<std::mutex> lock(m_state->mutex);
    m_state->cancelled = true;
    // Images not taken go now, not when the worker lets go of the state.
    m_state->tried.clear();
}

std::optional<QImage> PicturePrefetch::take(const QString& path, QString* error)
{
    std::unique_lock<std::mutex> lock(m_state->mutex);
    m_state->finished.wait(lock, [this] { return m_state->done; });
    for (State::Tried& entry : m_state->tried) {
        if (entry.taken || entry.path != path)
            continue;
        entry.taken = true;
        if (error)
            *error = entry.error;
        return std::exchange(entry.image, QImage());
    }
    return std::nullopt;
}
