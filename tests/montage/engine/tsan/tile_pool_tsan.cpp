// Works the montage's tile decoding under ThreadSanitizer: the photos of a
// run decoded on the CPU executor at several thread counts, from a thread
// of its own (as the montage worker does), from two such threads at once,
// and from inside an executor task; and a run stopped by its first report.
// Exits with 1 when a result differs from decoding one by one;
// ThreadSanitizer makes the exit code 66 when it reports a race.
//
// The photos are small: Qt hands only large pictures to threads of its
// own, which ThreadSanitizer cannot follow (Qt is not instrumented).
#include "montage/engine/IQZorivuvTilePool.h"
#include "concurrency/CpuExecutor.h"
#include "TsanCheck.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <condition_variable>
#include <cstring>
#include <mutex>
#include <thread>

namespace {

using TsanCheck::check;

// Twenty-four photos, PNG and JPEG in turn, with a text file and a missing
// file among them.
QList<QString> writePhotos(const QTemporaryDir& dir)
{
    QList<QString> paths;
    for (int i = 0; i < 24; ++i) {
        QImage photo(64 + i, 48, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb((x * 4 + i * 9) & 0xff, (y * 5 + i * 3) & 0xff, (x ^ y ^ i) & 0xff));
        const QString path = dir.filePath(QStringLiteral("p%1.%2").arg(i).arg(i % 2 ? "jpg" : "png"));
        photo.save(path);
        paths << path;
        if (i == 5) {
            QFile text(dir.filePath(QStringLiteral("text.jpg")));
            if (text.open(QIODevice::WriteOnly))
                text.write("plain text\n");
            paths << text.fileName();
        }
        if (i == 11)
            paths << dir.filePath(QStringLiteral("missing.png"));
    }
    return paths;
}

bool same(const IQZorivuvTilePool::Result& a, const IQZorivuvTilePool::Result& b)
{
    if (a.blocks.size() != b.blocks.size() || a.leftOut != b.leftOut || a.started != b.started || a.stopped != b.stopped)
        return false;
    for (std::size_t i = 0; i < a.blocks.size(); ++i) {
        const IQZorivuvBlock& x = a.blocks[i];
        const IQZorivuvBlock& y = b.blocks[i];
        if (x.path != y.path || x.image != y.image || std::memcmp(x.mean, y.mean, sizeof x.mean) != 0)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    const QList<QString> paths = writePhotos(dir);
    const QSize tile(6, 5);

    // One thread: every photo in turn on the calling thread.
    const IQZorivuvTilePool::Result reference = IQZorivuvTilePool::decode(paths, tile, 1);
    check(reference.leftOut == 2 && reference.blocks.size() == 24, "the reference run reads what it should");

    for (int threads : {2, 4, 0})
        check(same(IQZorivuvTilePool::decode(paths, tile, threads), reference), "a run at several thread counts");

    // Two runs at once, from two threads of their own.
    IQZorivuvTilePool::Result first;
    IQZorivuvTilePool::Result second;
    std::thread a([&] { first = IQZorivuvTilePool::decode(paths, tile, 0); });
    std::thread b([&] { second = IQZorivuvTilePool::decode(paths, tile, 3); });
    a.join();
    b.join();
    check(same(first, reference) && same(second, reference), "two runs at once");

    // From inside a task: the run's loop nests in the worker's slot.
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    IQZorivuvTilePool::Result nested;
    CpuExecutor::shared().submit([&] {
        nested = IQZorivuvTilePool::decode(paths, tile, 0);
        std::lock_guard<std::mutex> lock(mutex);
        done = true;
        finished.notify_all();
    });
    {
        std::unique_lock<std::mutex> lock(mutex);
        finished.wait(lock, [&] { return done; });
    }
    check(same(nested, reference), "a run inside an executor task");

    // Stopped by its first report: only the photos under way were begun.
    int reports = 0;
    const IQZorivuvTilePool::Result stopped = IQZorivuvTilePool::decode(paths, tile, 4, [&](int) {
        ++reports;
        return false;
    });
    check(stopped.stopped && stopped.blocks.empty() && reports == 1, "a stop at the first report");
    check(stopped.started >= 1 && stopped.started <= 4, "a stopped run began only the photos under way");

    return TsanCheck::verdict("tile_pool_tsan");
}
