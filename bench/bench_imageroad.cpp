// The roads that read many photographs, timed where they spend their time:
// the montage's tile preparation (500 real JPEG crops of 2-3 MP decoded
// straight to 40 x 40 tiles, on one thread and on all) and the panorama's
// preload of a row of three 12 MP photographs (4000 x 3000 JPEGs) at each
// output size, up to the moment the photos are cached and the stitch
// would begin. Built unchanged on an older tree, it gives the before and
// after of a change to how photos are read.
//
// Also the reduced reads of flat pictures of 300 megapixels in a few
// hundred KB (grey PNG at 8 bits, palette PNG): the thumbnail's time (the
// price of reading every row) and its peak memory above the idle process.
#include "MontagePhotos.h"
#include "ProcessMemory.h"

#include "panorama/engine/IQPanoramaEngine.h"
#include "montage/engine/IQZorivuvTilePool.h"
#include "files/IQImageFileItem.h"
#include "files/IQImageLimits.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdio>

namespace {

const QString& data()
{
    static const QString dir = MontagePhotos::folder([](const QString& script, const QString& path) {
        std::fprintf(stderr, "Cutting the montage photos into %s (once)...\n", qPrintable(path));
        QProcess::execute(QStringLiteral("python3"), {script, path});
    });
    return dir;
}

QStringList photosIn(const QString& folder, int most)
{
    const QDir dir(data() + folder);
    QStringList paths;
    for (const QString& name : dir.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name)) {
        if (paths.size() == most)
            break;
        paths << dir.filePath(name);
    }
    return paths;
}

void BM_TilePreparation(benchmark::State& state)
{
    const QStringList tiles = photosIn(QStringLiteral("/tiles"), 500);
    if (tiles.size() != 500) {
        state.SkipWithError("the montage photos are missing");
        return;
    }
    const int threads = int(state.range(0));
    int made = 0;
    for (auto _ : state) {
        const IQZorivuvTilePool::Result result = IQZorivuvTilePool::decode(tiles, QSize(40, 40), threads);
        made = int(result.blocks.size());
        benchmark::DoNotOptimize(result.blocks.data());
    }
    state.counters["tiles"] = made;
    state.counters["threads"] = IQZorivuvTilePool::threadsFor(threads, int(tiles.size()));
}
BENCHMARK(BM_TilePreparation)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5.0);

// The engine's preload alone: the stitch is cancelled at the report that
// closes the reading stage (10 %), and timed to it.
void BM_PanoramaPreload(benchmark::State& state)
{
    const QStringList row = photosIn(QStringLiteral("/mp12"), 3);
    if (row.size() != 3) {
        state.SkipWithError("the montage photos are missing");
        return;
    }
    const auto outputSize = tagStitchOutputSize(state.range(0));
    for (auto _ : state) {
        IQPanoramaEngine engine(StitchStyleHorizontal, outputSize);
        std::atomic_bool cancel{false};
        engine.setCancelFlag(&cancel);
        const auto start = std::chrono::steady_clock::now();
        double seconds = -1;
        engine.setProgressReceiver([&](int percent) {
            if (percent >= 10 && seconds < 0) {
                seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                cancel = true;
            }
        });
        QList<QString> ordered;
        int code = 0;
        engine.stitch(row, ordered, nullptr, &code);
        if (seconds < 0) {
            state.SkipWithError("the photos were not read");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_PanoramaPreload)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(5.0);

// A flat black picture of 20000 x 15000, written by Qt's writer as a grey
// or palette PNG from an image of one byte a pixel; once a run.
QString flatPicture(QImage::Format format)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("flat-%1.png").arg(int(format)));
    if (QFile::exists(path))
        return path;
    QImage image(20000, 15000, format);
    if (image.isNull())
        return QString();
    if (format == QImage::Format_Indexed8)
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(0);
    return image.save(path) ? path : QString();
}

void BM_FlatThumbnail(benchmark::State& state)
{
    const auto format = QImage::Format(state.range(0));
    const QString path = flatPicture(format);
    if (path.isEmpty()) {
        state.SkipWithError("the flat picture could not be written");
        return;
    }
    IQImageFileItem item(path);
    // The reads' own peak, above what the process holds after writing.
    const qint64 idle = ProcessMemory::resetPeak();
    for (auto _ : state) {
        const QImage thumbnail = item.thumbnail(QSize(160, 120));
        if (thumbnail.isNull()) {
            state.SkipWithError(qPrintable(item.errorString()));
            return;
        }
    }
    state.counters["file_KB"] = QFileInfo(path).size() / 1024.0;
    state.counters["peak_MB"] = (ProcessMemory::statusKiB("VmHWM:") - idle) / 1024.0;
}
BENCHMARK(BM_FlatThumbnail)
    ->Arg(QImage::Format_Grayscale8)
    ->Arg(QImage::Format_Indexed8)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    IQImageLimits::install();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
