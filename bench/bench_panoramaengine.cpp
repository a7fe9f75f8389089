// The panorama engine's whole road (read the photos reduced to the output
// size, load, order, stitch, convert the result, cut it to its crop) on the
// synthetic row bench_stitchroad stitches, written as JPEG files, at output
// sizes 0 (original), 1 (half) and 2 (quarter); beside OpenCV 4.6's
// cv::Stitcher given the same files, decoded at the same reduction.
//
// BM_Engine counters, per stitch:
//   host_ms     the engine's own part: pre-load (decoding, to the first
//               progress report past reading), GetImage and DeleteImage
//               callbacks (fetches: how many GetImage calls), dib2Image of
//               the result and the crop (as the stitch worker makes it:
//               the result's rows shared, not copied);
//   library_ms  the rest of the stitch; host_pct the host's share.
// BM_EnginePeak / BM_OpenCVPeak run one stitch in a fresh process and give
// its peak resident memory above the idle process (peak_MB).
// BM_EngineRetained runs the panorama mode's road in a fresh process: the
// controller stitches, the worker's crop goes to the retouch step and the
// engine is released (held_MB: resident memory above the idle process
// while the retouch step shows the crop), then the retouch step closes
// (home_MB: what the user is left with on the home screen).
#include "ProcessMemory.h"
#include "StitchRoadScene.h"

#include "panorama/engine/IQPanoramaEngine.h"
#include "panorama/engine/IQPanoramaEngineController.h"
#include "stitch/job/CStitchOptions.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <opencv2/imgcodecs.hpp>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <benchmark/benchmark.h>

namespace {

using namespace stitchroad;
using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The views as camera photographs: JPEG files at quality 95.
const QList<QString>& viewFiles()
{
    static QTemporaryDir folder;
    static const QList<QString> files = [] {
        QList<QString> out;
        for (int i = 0; i < kViews && scene().views && folder.isValid(); ++i) {
            const QString path = folder.filePath(QStringLiteral("view%1.jpg").arg(i));
            if (!scene().image(i).save(path, "JPEG", 95))
                return QList<QString>();
            out << path;
        }
        return out;
    }();
    return files;
}

// The library's fetches and releases of photos, timed: both are the host's.
double s_fetchMs = 0;
int s_fetches = 0;
int (*s_getImage)(const QString*, void**, void*) = nullptr;
void (*s_deleteImage)(void**, void*) = nullptr;

int timedGetImage(const QString* name, void** dib, void* user)
{
    const Clock::time_point start = Clock::now();
    const int code = s_getImage(name, dib, user);
    s_fetchMs += msSince(start);
    ++s_fetches;
    return code;
}

void timedDeleteImage(void** dib, void* user)
{
    const Clock::time_point start = Clock::now();
    s_deleteImage(dib, user);
    s_fetchMs += msSince(start);
}

struct Timing
{
    double whole = 0, preload = 0, fetch = 0, convert = 0, crop = 0;
    int fetches = 0;
    QSize size;
};

// One stitch through the engine; false when it fails.
bool runEngine(tagStitchOutputSize outputSize, Timing* timing)
{
    IQPanoramaEngine engine(StitchStyleHorizontal, outputSize);
    s_getImage = CStitchOptions::m_pfnGetImage;
    s_deleteImage = CStitchOptions::m_pfnDeleteImage;
    CStitchOptions::m_pfnGetImage = timedGetImage;
    CStitchOptions::m_pfnDeleteImage = timedDeleteImage;
    s_fetchMs = 0;
    s_fetches = 0;
    // Reading ends the stage 0-10 of the progress scale.
    Clock::time_point start;
    double preload = -1;
    engine.setProgressReceiver([&](int percent) {
        if (percent >= 10 && preload < 0)
            preload = msSince(start);
    });
    QList<QString> ordered;
    tagRECT crop{0, 0, 0, 0};
    int code = 0;
    start = Clock::now();
    const QImage whole = engine.stitch(viewFiles(), ordered, &crop, &code);
    const double stitchMs = msSince(start);
    if (whole.isNull() || code != 0)
        return false;
    Clock::time_point cropStart = Clock::now();
    // Cut as the stitch worker does.
    const QRect cropRect = IQPanoramaEngineController::topDownRect(crop, whole.height());
    const QImage cropped = IQPanoramaEngineController::cropOf(whole, cropRect);
    const double cropMs = msSince(cropStart);
    benchmark::DoNotOptimize(cropped.constBits());
    if (timing) {
        // The conversion ran inside stitch(); timed again on the same bitmap.
        void* dib = nullptr;
        if (IQPanoramaEngine::imageToDib(whole.convertToFormat(QImage::Format_BGR888), &dib) != 0)
            return false;
        const Clock::time_point convertStart = Clock::now();
        const QImage again = IQPanoramaEngine::dib2Image(dib);
        timing->convert = msSince(convertStart);
        IQPanoramaEngine::DeleteImage(&dib, nullptr);
        benchmark::DoNotOptimize(again.constBits());
        timing->whole = stitchMs + cropMs;
        timing->preload = preload;
        timing->fetch = s_fetchMs;
        timing->fetches = s_fetches;
        timing->crop = cropMs;
        timing->size = cropped.size();
    }
    return true;
}

// OpenCV from the same files, decoded at the same reduction.
bool runOpenCv(tagStitchOutputSize outputSize)
{
    const int flags = outputSize == StitchOutputHalf      ? cv::IMREAD_REDUCED_COLOR_2
                      : outputSize == StitchOutputQuarter ? cv::IMREAD_REDUCED_COLOR_4
                                                          : cv::IMREAD_COLOR;
    std::vector<cv::Mat> mats;
    for (const QString& file : viewFiles())
        mats.push_back(cv::imread(file.toStdString(), flags));
    cv::Mat panorama;
    try {
        if (openCv()->stitch(mats, panorama) != cv::Stitcher::OK)
            return false;
    } catch (const cv::Exception&) {
        return false;
    }
    benchmark::DoNotOptimize(panorama.data);
    return true;
}

bool ready(benchmark::State& state)
{
    if (viewFiles().size() != kViews) {
        state.SkipWithError("mate-backgrounds not installed");
        return false;
    }
    return true;
}

void BM_Engine(benchmark::State& state)
{
    if (!ready(state))
        return;
    const auto outputSize = tagStitchOutputSize(state.range(0));
    Timing sum;
    for (auto _ : state) {
        Timing t;
        if (!runEngine(outputSize, &t)) {
            state.SkipWithError("the stitch failed");
            return;
        }
        state.SetIterationTime(t.whole / 1000);
        sum.whole += t.whole;
        sum.preload += t.preload;
        sum.fetch += t.fetch;
        sum.convert += t.convert;
        sum.crop += t.crop;
        sum.size = t.size;
        sum.fetches = t.fetches;
    }
    const double n = double(state.iterations());
    const double host = sum.preload + sum.fetch + sum.convert + sum.crop;
    state.counters["preload_ms"] = sum.preload / n;
    state.counters["getimage_ms"] = sum.fetch / n;
    state.counters["fetches"] = sum.fetches;
    state.counters["convert_ms"] = sum.convert / n;
    state.counters["crop_ms"] = sum.crop / n;
    state.counters["host_ms"] = host / n;
    state.counters["library_ms"] = (sum.whole - host) / n;
    state.counters["host_pct"] = 100 * host / sum.whole;
    state.counters["width"] = sum.size.width();
    state.counters["height"] = sum.size.height();
}
BENCHMARK(BM_Engine)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

void BM_OpenCV(benchmark::State& state)
{
    if (!ready(state))
        return;
    for (auto _ : state) {
        if (!runOpenCv(tagStitchOutputSize(state.range(0)))) {
            state.SkipWithError("OpenCV found no panorama");
            return;
        }
    }
}

// The peak resident memory of one stitch above the idle process, in
// megabytes, measured in a fresh process (this program, run with "--peak
// <engine|opencv> <output size>"): a forked child of this process could not
// use the thread pools Qt and OpenCV have started here. Negative on failure.
// This program run with `arguments`, quoted for the shell.
std::string selfCommand(const std::string& arguments)
{
    const std::string program =
        QCoreApplication::applicationFilePath().replace(QLatin1Char('\''), QLatin1String("'\\''")).toStdString();
    return "'" + program + "' " + arguments;
}

double childPeakMb(const char* kind, int outputSize)
{
    const std::string command = selfCommand("--peak " + std::string(kind) + " " + std::to_string(outputSize));
    FILE* child = popen(command.c_str(), "r");
    if (!child)
        return -1;
    long kb = -1;
    if (std::fscanf(child, "%ld", &kb) != 1)
        kb = -1;
    if (pclose(child) != 0)
        kb = -1;
    return kb < 0 ? -1 : kb / 1024.0;
}

// In the measuring process: the views are made and written first, then the
// high-water mark is reset to the present (idle) resident size.
int measurePeak(const std::string& kind, int outputSize)
{
    if (viewFiles().size() != kViews)
        return 1;
    const qint64 idle = ProcessMemory::resetPeak();
    if (idle <= 0)
        return 1;
    const auto size = tagStitchOutputSize(outputSize);
    const bool done = kind == "engine" ? runEngine(size, nullptr) : runOpenCv(size);
    if (!done)
        return 1;
    std::printf("%lld\n", (long long)(ProcessMemory::statusKiB("VmHWM:") - idle));
    return 0;
}

// In the measuring process: what the panorama mode holds while the retouch
// step shows the crop, and once the user has gone home, in KiB above idle.
int measureRetained(int outputSize)
{
    if (viewFiles().size() != kViews)
        return 1;
    const qint64 idle = ProcessMemory::statusKiB("VmRSS:");
    auto* controller = IQPanoramaEngineController::globalInstance();
    controller->createEngine(StitchStyleHorizontal, tagStitchOutputSize(outputSize));
    int code = -1;
    QImage crop;
    if (!controller->stitch(viewFiles(), nullptr, &code).isNull())
        crop = controller->cropedImage();
    if (crop.isNull() || code != 0)
        return 1;
    controller->releaseEngine();
    const qint64 held = ProcessMemory::statusKiB("VmRSS:") - idle;
    crop = QImage();
    const qint64 home = ProcessMemory::statusKiB("VmRSS:") - idle;
    std::printf("%lld %lld\n", (long long)held, (long long)home);
    return 0;
}

void BM_EngineRetained(benchmark::State& state)
{
    if (!ready(state))
        return;
    long held = -1, home = -1;
    for (auto _ : state) {
        const std::string command = selfCommand("--retained " + std::to_string(state.range(0)));
        FILE* child = popen(command.c_str(), "r");
        if (!child || std::fscanf(child, "%ld %ld", &held, &home) != 2)
            held = -1;
        if (child && pclose(child) != 0)
            held = -1;
    }
    if (held < 0) {
        state.SkipWithError("the stitch failed");
        return;
    }
    state.counters["held_MB"] = held / 1024.0;
    state.counters["home_MB"] = home / 1024.0;
}
BENCHMARK(BM_EngineRetained)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void peak(benchmark::State& state, const char* kind)
{
    if (!ready(state))
        return;
    double mb = -1;
    for (auto _ : state)
        mb = childPeakMb(kind, int(state.range(0)));
    if (mb < 0) {
        state.SkipWithError("the stitch failed");
        return;
    }
    state.counters["peak_MB"] = mb;
}

void BM_EnginePeak(benchmark::State& state)
{
    peak(state, "engine");
}
BENCHMARK(BM_EnginePeak)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_OpenCVPeak(benchmark::State& state)
{
    peak(state, "opencv");
}
BENCHMARK(BM_OpenCVPeak)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_OpenCV)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    // JPEG writing and reading need the image plugins.
    QGuiApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--peak") == 0)
        return measurePeak(argv[2], std::atoi(argv[3]));
    if (argc == 3 && std::strcmp(argv[1], "--retained") == 0)
        return measureRetained(std::atoi(argv[2]));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
