// A montage over 500 real tile photos (JPEG crops of 2-3 MP) and a
// 4000 x 3000 target, 100 x 75 cells of 40 x 40, against metapixel over the
// same photos and cells, and ImageMagick's thumbnailing of the photos (the
// decoding stage alone). Every run is a child process of its own, so that
// its wall time and peak memory (wait4's maximum resident set) are its
// own; ours reports its decoding and drawing times besides.
//
// The photos are cut on first use (MontagePhotos.h).
#include "MontagePhotos.h"

#include "montage/engine/IQZorivuvEngine.h"
#include "files/IQImageLimits.h"
#include "platform/RandomSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int tileSide = 40;
constexpr int columns = 100;

// --- the child side: one montage, figures on stdout ---------------------

// bench_montage --run-once PHOTODIR TARGET THREADS RUNS [OUTPUT]
int runOnce(int argc, char** argv)
{
    if (argc < 6)
        return 2;
    QCoreApplication app(argc, argv);
    IQImageLimits::install();
    const QDir photos(QString::fromLocal8Bit(argv[2]));
    QStringList paths;
    for (const QString& name : photos.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name))
        paths << photos.filePath(name);
    IQZorivuvEngine* engine = IQZorivuvEngine::globalInstance();
    engine->setBackgroundImage(QImage(QString::fromLocal8Bit(argv[3])));
    engine->tilePaths = paths;
    engine->setThreadCount(std::atoi(argv[4]));
    IQZorivuvParam param;
    param.tile = QSize(tileSide, tileSide);
    param.columns = columns;
    const int runs = std::max(1, std::atoi(argv[5]));
    QImage mosaic;
    QImage mask;
    IQZorivuvEngine::RunInfo info;
    int code = -1;
    qint64 runNs = 0;
    for (int run = 0; run < runs; ++run) {
        RandomSource::seed(1);
        QElapsedTimer clock;
        clock.start();
        code = engine->zorivuv(&param, mosaic, mask, &info);
        runNs = clock.nsecsElapsed();
    }
    if (argc > 6 && code == 0)
        mosaic.save(QString::fromLocal8Bit(argv[6]));
    std::printf("%d %lld %lld %lld %d %d %d\n", code, runNs, info.decodeNs, info.drawNs, mosaic.width(),
                mosaic.height(), int(paths.size()));
    return code == 0 ? 0 : 1;
}

// --- the parent side -------------------------------------------------------

struct Measured
{
    bool ok = false;
    double wallSeconds = 0;
    double peakMB = 0;
    QByteArray output;
};

// Runs `args` as a child with its standard output in a file; wall time from
// the spawn to the reaping, peak memory from the kernel's record.
Measured runMeasured(const QStringList& args)
{
    Measured measured;
    QTemporaryDir dir;
    const QByteArray outPath = QFile::encodeName(dir.filePath(QStringLiteral("out")));
    std::vector<QByteArray> bytes;
    for (const QString& arg : args)
        bytes.push_back(arg.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return measured;
    int status = 0;
    rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid)
        return measured;
    measured.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    measured.peakMB = usage.ru_maxrss / 1024.0;
    measured.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    QFile out(QString::fromLocal8Bit(outPath));
    if (out.open(QIODevice::ReadOnly))
        measured.output = out.readAll();
    return measured;
}

// The photographs, made on first use.
const QString& data()
{
    static const QString dir = MontagePhotos::folder([](const QString& script, const QString& path) {
        std::fprintf(stderr, "Cutting the montage photos into %s (once)...\n", qPrintable(path));
        runMeasured({QStringLiteral("python3"), script, path});
    });
    return dir;
}

QString selfPath()
{
    char self[4096] = {};
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    return QString::fromLocal8Bit(self, int(std::max<ssize_t>(length, 0)));
}

// The process's wall time becomes the iteration time unless `manual` says
// the caller sets it.
void report(benchmark::State& state, const Measured& measured, bool manual = false)
{
    if (!manual)
        state.SetIterationTime(measured.wallSeconds);
    state.counters["wall_s"] = measured.wallSeconds;
    state.counters["peak_MB"] = measured.peakMB;
}

// Ours: threads (0 = all), runs in one process (the figures are the last
// run's), the photo folder.
void oursOver(benchmark::State& state, const QString& folder, int runs)
{
    const int threads = int(state.range(0));
    for (auto _ : state) {
        const Measured m = runMeasured({selfPath(), QStringLiteral("--run-once"), data() + folder,
                                        data() + QStringLiteral("/target.jpg"), QString::number(threads),
                                        QString::number(runs), QDir::tempPath() + QStringLiteral("/bench-montage-ours.png")});
        if (!m.ok) {
            state.SkipWithError("our montage failed");
            return;
        }
        int code = 0, width = 0, height = 0, photos = 0;
        long long runNs = 0, decodeNs = 0, drawNs = 0;
        std::sscanf(m.output.constData(), "%d %lld %lld %lld %d %d %d", &code, &runNs, &decodeNs, &drawNs, &width,
                    &height, &photos);
        report(state, m, runs > 1);
        // Of several runs in one process, the time is the last run's alone.
        if (runs > 1)
            state.SetIterationTime(runNs / 1e9);
        state.counters["run_s"] = runNs / 1e9;
        state.counters["decode_s"] = decodeNs / 1e9;
        state.counters["draw_s"] = drawNs / 1e9;
        state.counters["photos"] = photos;
        state.SetLabel(QStringLiteral("%1 x %2 mosaic").arg(width).arg(height).toStdString());
    }
}

void BM_MontageOurs(benchmark::State& state)
{
    oursOver(state, QStringLiteral("/tiles"), 1);
}

void BM_MontageOursSecondRun(benchmark::State& state)
{
    oursOver(state, QStringLiteral("/tiles"), 2);
}

void BM_MontageOurs12MP(benchmark::State& state)
{
    oursOver(state, QStringLiteral("/mp12"), 1);
}

void BM_MontageOurs1MP(benchmark::State& state)
{
    oursOver(state, QStringLiteral("/mp1"), 1);
}

QString metapixelLibrary()
{
    return QDir::tempPath() + QStringLiteral("/bench-montage-metapixel-lib");
}

void BM_MetapixelPrepare(benchmark::State& state)
{
    for (auto _ : state) {
        QDir(metapixelLibrary()).removeRecursively();
        QDir().mkpath(metapixelLibrary());
        const Measured m = runMeasured({QStringLiteral("metapixel-prepare"), QStringLiteral("--width=40"),
                                        QStringLiteral("--height=40"), data() + QStringLiteral("/tiles"),
                                        metapixelLibrary()});
        if (!m.ok) {
            state.SkipWithError("metapixel-prepare failed (install metapixel)");
            return;
        }
        report(state, m);
    }
}

void BM_MetapixelMontage(benchmark::State& state)
{
    for (auto _ : state) {
        const Measured m = runMeasured({QStringLiteral("metapixel"), QStringLiteral("--metapixel"),
                                        QStringLiteral("-l"), metapixelLibrary(), QStringLiteral("-w"),
                                        QStringLiteral("40"), QStringLiteral("-h"), QStringLiteral("40"),
                                        QStringLiteral("-d"), QStringLiteral("1"),
                                        data() + QStringLiteral("/target.jpg"),
                                        QDir::tempPath() + QStringLiteral("/bench-montage-metapixel.png")});
        if (!m.ok) {
            state.SkipWithError("metapixel failed (run BM_MetapixelPrepare first)");
            return;
        }
        report(state, m);
    }
}

void BM_MagickThumbnails(benchmark::State& state)
{
    const QString out = QDir::tempPath() + QStringLiteral("/bench-montage-magick");
    const QDir tiles(data() + QStringLiteral("/tiles"));
    for (auto _ : state) {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        QStringList args = {QStringLiteral("mogrify"), QStringLiteral("-path"), out, QStringLiteral("-define"),
                            QStringLiteral("jpeg:size=80x80"), QStringLiteral("-thumbnail"), QStringLiteral("40x40^"),
                            QStringLiteral("-gravity"), QStringLiteral("center"), QStringLiteral("-extent"),
                            QStringLiteral("40x40")};
        for (const QString& name : tiles.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name))
            args << tiles.filePath(name);
        const Measured m = runMeasured(args);
        if (!m.ok) {
            state.SkipWithError("mogrify failed");
            return;
        }
        report(state, m);
    }
}

} // namespace

BENCHMARK(BM_MontageOurs)->Arg(1)->Arg(0)->ArgName("threads")->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MontageOursSecondRun)->Arg(0)->ArgName("threads")->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MetapixelPrepare)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MetapixelMontage)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MagickThumbnails)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MontageOurs12MP)->Arg(0)->ArgName("threads")->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MontageOurs1MP)->Arg(0)->ArgName("threads")->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--run-once") == 0)
        return runOnce(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
