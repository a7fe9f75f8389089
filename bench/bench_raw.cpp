// The two roads of the RAW plug-in on a generated 24-megapixel DNG, each
// beside LibRaw called directly (the floor the plug-in adds to), and the
// cost the plug-in's content probe adds when Qt opens a large file of
// unknown format.
#include "../tests/rawplugin/DngFixture.h"
#include "rawplugin/RawIOHandler.h"
#include "rawplugin/RawPluginImport.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <libraw/libraw.h>

namespace {

const QByteArray& photo24mp()
{
    static const QByteArray bytes = [] {
        DngFixture::Options options;
        options.size = QSize(6000, 4000);
        options.previewSize = QSize(1620, 1080);
        return DngFixture::make(options);
    }();
    return bytes;
}

void configure(LibRaw& raw)
{
    raw.imgdata.params.use_camera_wb = 1;
    raw.imgdata.params.use_camera_matrix = 1;
    raw.imgdata.params.four_color_rgb = 1;
    raw.imgdata.params.output_color = 1;
    raw.imgdata.params.use_fuji_rotate = 1;
    raw.imgdata.params.green_matching = 1;
}

QImage readThroughPlugin(QSize scaled)
{
    QByteArray bytes = photo24mp();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "dng");
    if (scaled.isValid())
        reader.setScaledSize(scaled);
    return reader.read();
}

void BM_SensorRoad_Plugin(benchmark::State& state)
{
    for (auto _ : state) {
        const QImage image = readThroughPlugin(QSize());
        if (image.size() != QSize(6000, 4000))
            state.SkipWithError("wrong size");
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_SensorRoad_LibRaw(benchmark::State& state)
{
    QByteArray bytes = photo24mp();
    for (auto _ : state) {
        auto raw = std::make_unique<LibRaw>(0);
        configure(*raw);
        raw->open_buffer(bytes.data(), size_t(bytes.size()));
        raw->unpack();
        raw->dcraw_process();
        libraw_processed_image_t* image = raw->dcraw_make_mem_image();
        benchmark::DoNotOptimize(image->data);
        LibRaw::dcraw_clear_mem(image);
    }
}

void BM_PreviewRoad_Plugin(benchmark::State& state)
{
    for (auto _ : state) {
        const QImage image = readThroughPlugin(QSize(240, 160));
        if (image.size() != QSize(240, 160))
            state.SkipWithError("wrong size");
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_PreviewRoad_LibRaw(benchmark::State& state)
{
    QByteArray bytes = photo24mp();
    for (auto _ : state) {
        auto raw = std::make_unique<LibRaw>(0);
        raw->open_buffer(bytes.data(), size_t(bytes.size()));
        raw->unpack_thumb();
        libraw_processed_image_t* thumb = raw->dcraw_make_mem_thumb();
        QImage image;
        image.loadFromData(thumb->data, int(thumb->data_size), "JPEG");
        image = image.scaled(240, 160, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(image.constBits());
        LibRaw::dcraw_clear_mem(thumb);
    }
}

// A large file of unknown format (no suffix, no image signature) that every
// plug-in probes in turn before Qt gives up.
const QString& unknownFile()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("blob"));
        QByteArray bytes(64 * 1024 * 1024, Qt::Uninitialized);
        QRandomGenerator generator(7);
        generator.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
        QFile file(p);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return p;
    }();
    return path;
}

// The plug-in's probe on the file, through a mapping.
void BM_UnknownFile_RawProbe(benchmark::State& state)
{
    QFile file(unknownFile());
    file.open(QIODevice::ReadOnly);
    for (auto _ : state)
        benchmark::DoNotOptimize(RawIOHandler::canRead(&file));
}

// The same probe after reading the whole file into memory first, for scale.
void BM_UnknownFile_RawProbeAfterReadAll(benchmark::State& state)
{
    QFile file(unknownFile());
    file.open(QIODevice::ReadOnly);
    for (auto _ : state) {
        file.seek(0);
        QByteArray bytes = file.readAll();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(RawIOHandler::canRead(&buffer));
    }
}

// The whole failed open through Qt: every plug-in's probe, ours included.
void BM_UnknownFile_QImageReader(benchmark::State& state)
{
    for (auto _ : state) {
        QImageReader reader(unknownFile());
        benchmark::DoNotOptimize(reader.read());
    }
}

} // namespace

BENCHMARK(BM_SensorRoad_Plugin)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SensorRoad_LibRaw)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PreviewRoad_Plugin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewRoad_LibRaw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnknownFile_RawProbe)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UnknownFile_RawProbeAfterReadAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnknownFile_QImageReader)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
