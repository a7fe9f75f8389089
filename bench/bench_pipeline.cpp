// The picture effect pipeline (ZIZuzaVuvovi) in milliseconds per megapixel:
// each fine-tune step alone and the whole six-value chain, at 1, 4 and 24
// megapixels, on one thread and on all, with the plain step-by-step chain
// beside it. In the same run, the nearest libvips operations (loaded at run
// time, in process) and ImageMagick commands (run as programs, the time of
// reading the input subtracted), each at one thread and at all threads.
// Peers that are missing are skipped.
//
// The picture is VELLUMAR_BENCH_PHOTO, else the wood-grain photograph of
// Debian's mate-backgrounds package, else synthetic; scaled to each size.
#include "BenchPhoto.h"
#include "VipsPeer.h"
#include "effects/ZIZuzaVuvovi.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>


#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <thread>

#include <benchmark/benchmark.h>

namespace {

using namespace BenchPhoto;
using namespace VipsPeer;

void perMegapixel(benchmark::State& state, const QImage& image)
{
    const double megapixels = double(image.width()) * image.height() / 1e6;
    // An inverted rate: shown as time per megapixel.
    state.counters["per_MP"] = benchmark::Counter(megapixels, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

int allThreads()
{
    return int(std::max(1u, std::thread::hardware_concurrency()));
}

enum Step { Saturation, Contrast, Brightness, Sharpness, Temperature, Tint, Chain };
const char* const StepNames[] = {"saturation", "contrast", "brightness", "sharpness", "temperature", "tint", "six-value chain"};

ZIZuzaVuvoviParam settings(int step)
{
    ZIZuzaVuvoviParam p;
    const bool all = step == Chain;
    if (all || step == Saturation)
        p.saturation = 30;
    if (all || step == Contrast)
        p.contrast = 20;
    if (all || step == Brightness)
        p.brightness = 15;
    if (all || step == Sharpness)
        p.sharpness = 40;
    if (all || step == Temperature)
        p.temperature = 6500;
    if (all || step == Tint)
        p.tint = 20;
    return p;
}

// Arguments: step, megapixels, threads (0: the engine's own choice, up to
// one band per core but none below a quarter megapixel; the plain chain
// always runs on one).
void runEngine(benchmark::State& state, bool reference)
{
    const QImage& original = picture(int(state.range(1)));
    QImage work = original.copy();
    ZIZuzaVuvovi engine(work.width(), work.height());
    engine.setThreadCount(int(state.range(2)));
    engine.setEngineParam(settings(int(state.range(0))));
    // The first run makes the contexts and analyses the exposure: not timed.
    engine.runLomo(work.bits(), work.width(), work.height(), int(work.bytesPerLine()));
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(work.bits(), original.constBits(), std::size_t(original.sizeInBytes()));
        state.ResumeTiming();
        if (reference)
            engine.runLomoReference(work.bits(), work.width(), work.height(), int(work.bytesPerLine()));
        else
            engine.runLomo(work.bits(), work.width(), work.height(), int(work.bytesPerLine()));
        benchmark::ClobberMemory();
    }
    state.SetLabel(StepNames[state.range(0)]);
    perMegapixel(state, original);
}

void BM_Pipeline(benchmark::State& state)
{
    runEngine(state, false);
}

void BM_PipelineReference(benchmark::State& state)
{
    runEngine(state, true);
}

void engineArguments(benchmark::internal::Benchmark* b)
{
    for (int mp : {1, 4, 24}) {
        for (int step = Saturation; step <= Chain; ++step) {
            b->Args({step, mp, 1});
            b->Args({step, mp, 0});
        }
    }
}

void referenceArguments(benchmark::internal::Benchmark* b)
{
    for (int mp : {1, 4, 24})
        for (int step = Saturation; step <= Chain; ++step)
            b->Args({step, mp, 1});
}

BENCHMARK(BM_Pipeline)->Apply(engineArguments)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PipelineReference)->Apply(referenceArguments)->Unit(benchmark::kMillisecond)->UseRealTime();

// ---- libvips, in process ----

// Arguments: operation, megapixels, threads (0: all).
void BM_Vips(benchmark::State& state)
{
    const Vips* vips = Vips::instance();
    if (!vips) {
        state.SkipWithError("libvips.so.42 not available");
        return;
    }
    // libvips wants packed rows; the sizes have none of padding.
    const QImage& image = picture(int(state.range(1)));
    vips->concurrency(int(state.range(2)) == 0 ? allThreads() : int(state.range(2)));
    const PeerOp op = PeerOp(state.range(0));
    for (auto _ : state) {
        if (!runVips(*vips, op, image)) {
            state.SkipWithError("libvips refused the operation");
            return;
        }
    }
    state.SetLabel(PeerNames[op]);
    perMegapixel(state, image);
}

void peerArguments(benchmark::internal::Benchmark* b)
{
    for (int mp : {1, 4, 24}) {
        for (int op = PeerSaturation; op <= PeerChain; ++op) {
            b->Args({op, mp, 1});
            b->Args({op, mp, 0});
        }
    }
}

BENCHMARK(BM_Vips)->Apply(peerArguments)->Unit(benchmark::kMillisecond)->UseRealTime();

// ---- ImageMagick, as a program ----

QStringList magickOptions(PeerOp op)
{
    const QStringList saturation{"-modulate", "100,130"};
    const QStringList brightnessContrast{"-brightness-contrast", "15x20"};
    const QStringList sharpen{"-sharpen", "0x1"};
    const QStringList matrix{"-color-matrix", "1.08 0 0 0 1 0 0 0 0.92"};
    switch (op) {
    case PeerSaturation:
        return saturation;
    case PeerBrightnessContrast:
        return brightnessContrast;
    case PeerSharpen:
        return sharpen;
    case PeerColourMatrix:
        return matrix;
    case PeerChain:
        return saturation + brightnessContrast + sharpen + matrix;
    }
    return {};
}

struct Magick
{
    QString program;
    QTemporaryDir folder;
    std::map<int, QString> inputs; // by megapixels, ImageMagick's own cache format

    static Magick* instance()
    {
        static Magick magick;
        return magick.program.isEmpty() ? nullptr : &magick;
    }

    const QString& input(int megapixels)
    {
        QString& path = inputs[megapixels];
        if (path.isEmpty()) {
            const QString ppm = folder.filePath(QStringLiteral("in%1.ppm").arg(megapixels));
            picture(megapixels).convertToFormat(QImage::Format_RGB888).save(ppm);
            path = folder.filePath(QStringLiteral("in%1.mpc").arg(megapixels));
            QProcess::execute(program, {ppm, path});
        }
        return path;
    }

    // Seconds of one run.
    double run(const QStringList& arguments, int threads)
    {
        QStringList all{"-limit", "thread", QString::number(threads)};
        all += arguments;
        QElapsedTimer timer;
        timer.start();
        QProcess::execute(program, all);
        return double(timer.nsecsElapsed()) / 1e9;
    }

private:
    Magick() { program = QStandardPaths::findExecutable(QStringLiteral("convert")); }
};

// Arguments: operation, megapixels, threads (0: all). The time of reading
// the input and starting the program, measured beside each run, is taken
// off.
void BM_ImageMagick(benchmark::State& state)
{
    Magick* magick = Magick::instance();
    if (!magick) {
        state.SkipWithError("ImageMagick's convert not available");
        return;
    }
    const int mp = int(state.range(1));
    const QString& input = magick->input(mp);
    const int threads = int(state.range(2)) == 0 ? allThreads() : int(state.range(2));
    const PeerOp op = PeerOp(state.range(0));
    for (auto _ : state) {
        const double base = magick->run({input, QStringLiteral("null:")}, threads);
        const double full = magick->run(QStringList{input} + magickOptions(op) + QStringList{QStringLiteral("null:")}, threads);
        state.SetIterationTime(std::max(full - base, 1e-6));
    }
    state.SetLabel(PeerNames[op]);
    perMegapixel(state, picture(mp));
}

BENCHMARK(BM_ImageMagick)->Apply(peerArguments)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

} // namespace

BENCHMARK_MAIN();
