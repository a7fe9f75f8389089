// Image files on the worker threads: how fast a batch of large photographs
// comes through LoadImageThread (against a plain reader on the calling
// thread, its floor), and the alpha mask of a 24-megapixel picture (scan
// lines against the per-pixel rule).
#include "files/IQImageLimits.h"
#include "files/IQMath.h"
#include "files/LoadImageThread.h"

#include "SyntheticPhoto.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int photoWidth = 6000;
constexpr int photoHeight = 4000; // 24 megapixels
constexpr int batchSize = 4;

const QList<QString>& photoBatch()
{
    static QTemporaryDir dir;
    static const QList<QString> files = [] {
        QList<QString> paths;
        for (int i = 0; i < batchSize; ++i) {
            const QString path = dir.filePath(QStringLiteral("photo-%1.jpg").arg(i));
            syntheticPhoto(photoWidth, photoHeight, quint32(i + 1)).save(path, "jpeg", 90);
            paths << path;
        }
        return paths;
    }();
    return files;
}

void reportMegapixels(benchmark::State& state, qint64 pixels)
{
    state.counters["MP/s"] = benchmark::Counter(double(pixels) / 1e6, benchmark::Counter::kIsRate);
}

void BM_LoadImageThread(benchmark::State& state)
{
    const QList<QString>& files = photoBatch();
    qint64 pixels = 0;
    for (auto _ : state) {
        LoadImageThread worker(files);
        QObject::connect(
            &worker, &LoadImageThread::loaded, &worker,
            [&pixels](int, const QString&, const QImage& image) { pixels += qint64(image.width()) * image.height(); },
            Qt::DirectConnection);
        worker.start(QThread::InheritPriority);
        worker.wait();
    }
    reportMegapixels(state, pixels);
}
BENCHMARK(BM_LoadImageThread)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

void BM_QImageReaderOnCallingThread(benchmark::State& state)
{
    const QList<QString>& files = photoBatch();
    qint64 pixels = 0;
    for (auto _ : state) {
        for (const QString& file : files) {
            QImageReader reader(file);
            reader.setAutoTransform(true);
            const QImage image = reader.read();
            pixels += qint64(image.width()) * image.height();
        }
    }
    reportMegapixels(state, pixels);
}
BENCHMARK(BM_QImageReaderOnCallingThread)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

const QImage& maskSource()
{
    static const QImage image = [] {
        QImage source(photoWidth, photoHeight, QImage::Format_ARGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < photoHeight; ++y) {
            auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
            for (int x = 0; x < photoWidth; ++x)
                line[x] = random.generate() & (random.bounded(2u) ? 0xFFFFFFFFu : 0x00FFFFFFu);
        }
        return source;
    }();
    return image;
}

void BM_CreateAlphaMask(benchmark::State& state)
{
    const QImage& source = maskSource();
    for (auto _ : state)
        benchmark::DoNotOptimize(IQMath::createAlphaMask(source));
    reportMegapixels(state, state.iterations() * qint64(source.width()) * source.height());
}
BENCHMARK(BM_CreateAlphaMask)->Unit(benchmark::kMillisecond);

// The rule written with QImage::pixel and setPixel, for comparison.
void BM_AlphaMaskPixelByPixel(benchmark::State& state)
{
    const QImage& source = maskSource();
    for (auto _ : state) {
        QImage mask(source.size(), QImage::Format_MonoLSB);
        mask.setColorTable({0xFFFFFFFFu, 0xFF000000u});
        mask.fill(0);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x)
                if (quint32(source.pixel(x, y)) >= 0x01000000u)
                    mask.setPixel(x, y, 1);
        benchmark::DoNotOptimize(mask);
    }
    reportMegapixels(state, state.iterations() * qint64(source.width()) * source.height());
}
BENCHMARK(BM_AlphaMaskPixelByPixel)->Unit(benchmark::kMillisecond);

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
