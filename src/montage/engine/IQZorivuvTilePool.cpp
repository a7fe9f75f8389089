#include "montage/engine/IQZorivuvTilePool.h"

#include "concurrency/CpuExecutor.h"

#include <QThread>

#include <algorithm>
#include <mutex>

int IQZorivuvTilePool::threadsFor(int requested, int photos)
{
    const int wanted = requested > 0 ? requested : QThread::idealThreadCount();
    return std::max(1, std::min(wanted, photos));
}

IQZorivuvTilePool::Result IQZorivuvTilePool::decode(const QList<QString>& paths, const QSize& tile, int threads,
                                                   const PhotoDone& photoDone)
{
    const int count = int(paths.size());
    std::vector<IQZorivuvBlock> blocks;
    blocks.reserve(size_t(count));
    for (const QString& path : paths)
        blocks.emplace_back(path);
    // One flag a photo, each written by the thread that decoded it.
    std::vector<char> read(size_t(count), 0);

    // Taking the next photo and reporting one happen under one lock, so
    // that a stop requested by a report lets no further photo begin: when
    // the first report stops the run, only the photos already under way
    // (one a thread) have been started.
    std::mutex lock;
    int started = 0;
    int done = 0;
    bool stopped = false;
    const int used = threadsFor(threads, count);
    CpuExecutor::shared().forEach(count, [&](int index) {
        {
            std::lock_guard<std::mutex> guard(lock);
            if (stopped)
                return;
            ++started;
        }
        read[size_t(index)] = blocks[size_t(index)].convert(tile) ? 1 : 0;
        std::lock_guard<std::mutex> guard(lock);
        ++done;
        if (photoDone && !stopped && !photoDone(done))
            stopped = true;
    }, used);

    Result result;
    result.started = started;
    result.stopped = stopped;
    if (stopped)
        return result;
    result.blocks.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        if (read[size_t(i)])
            result.blocks.push_back(std::move(blocks[size_t(i)]));
    }
    result.leftOut = count - int(result.blocks.size());
    return result;
}
