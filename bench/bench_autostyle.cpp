// The automatic style choice of PSAutoStyleStitch (pyramids, the three
// ordering trials and the SIFT tests that settle close calls and the ring)
// on shuffled synthetic views: a ring of ten and a 3 x 3 tile, beside
// Hugin's cpfind --multirow, which finds the control points of the same
// files and with them which photo neighbours which. cpfind is left out when
// it is not installed (hugin-tools).
#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/style/CAutoStyle.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <chrono>
#include <cmath>

#include <sys/resource.h>

#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;

struct ViewSet
{
    QStringList names;      // in the shuffled load order
    QList<QByteArray> packed;
    QStringList files;      // the same views as JPEG files, for cpfind
    QString project;        // a Hugin project of those files
    bool valid = false;
};

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    // VELLUMAR_BENCH_KEEP keeps the files and cpfind's projects to look at.
    dir.setAutoRemove(!qEnvironmentVariableIsSet("VELLUMAR_BENCH_KEEP"));
    return dir;
}

// The views of a ring of ten (kind 0) or a 3 x 3 tile (kind 1), shuffled.
const ViewSet& viewSet(int kind)
{
    static ViewSet sets[2];
    ViewSet& set = sets[kind];
    if (set.valid || !set.names.isEmpty())
        return set;
    QImage photo(SyntheticViews::photoPath());
    if (photo.isNull())
        return set;
    const bool ring = kind == 0;
    const double focal = kWidth / 2.0 / std::tan((ring ? 30 : 12) * M_PI / 180);
    const SyntheticViews views(photo, ring ? SyntheticViews::Surface::Cylinder : SyntheticViews::Surface::Sphere,
                               kWidth, kHeight, focal);
    const QList<SyntheticViews::Camera> cameras = ring ? views.ring(10) : views.tile(3, 3, 0.4);
    const QList<int> shuffle = ring ? QList<int>{6, 2, 9, 0, 4, 7, 1, 8, 3, 5} : QList<int>{5, 8, 0, 3, 7, 1, 6, 2, 4};
    // A Hugin project: one lens (equirectangular output, rectilinear views
    // of the views' horizontal field of view), the images in load order.
    const double hfov = 2 * std::atan(kWidth / 2.0 / focal) * 180 / M_PI;
    QString pto = QStringLiteral("p f2 w3000 h1500 v360 n\"TIFF_m\"\nm i0\n");
    for (int view : shuffle) {
        const QString name = QStringLiteral("%1view%2").arg(ring ? "ring" : "tile").arg(view);
        const QByteArray bytes = views.render(cameras[view]);
        set.names << name;
        set.packed << bytes;
        // The packed bitmap as a JPEG file: rows bottom-up, blue first.
        QImage image(kWidth, kHeight, QImage::Format_RGB888);
        const int stride = (3 * kWidth + 3) & ~3;
        for (int y = 0; y < kHeight; ++y) {
            const uchar* src = reinterpret_cast<const uchar*>(bytes.constData()) + 40 + size_t(kHeight - 1 - y) * stride;
            uchar* dst = image.scanLine(y);
            for (int x = 0; x < kWidth; ++x) {
                dst[3 * x] = src[3 * x + 2];
                dst[3 * x + 1] = src[3 * x + 1];
                dst[3 * x + 2] = src[3 * x];
            }
        }
        const QString file = folder().filePath(name + QStringLiteral(".jpg"));
        image.save(file, "JPEG", 95);
        set.files << file;
        pto += QStringLiteral("i w%1 h%2 f0 v%3 y0 r0 p0 n\"%4\"\n").arg(kWidth).arg(kHeight).arg(hfov).arg(file);
    }
    set.project = folder().filePath(QStringLiteral("%1.pto").arg(ring ? "ring" : "tile"));
    QFile out(set.project);
    if (out.open(QIODevice::WriteOnly))
        out.write(pto.toUtf8());
    set.valid = out.error() == QFile::NoError;
    return set;
}

void BM_AutoStyle(benchmark::State& state)
{
    const ViewSet& set = viewSet(int(state.range(0)));
    if (!set.valid) {
        state.SkipWithError("mate-backgrounds not installed");
        return;
    }
    StitchTestHost host;
    for (int i = 0; i < set.names.size(); ++i)
        host.addImage(set.names[i], set.packed[i]);
    QList<tagPOINT> sizes(set.names.size(), tagPOINT{kWidth, kHeight});
    int style = -1;
    double loadSeconds = 0;
    double choiceSeconds = 0;
    using Clock = std::chrono::steady_clock;
    for (auto _ : state) {
        tagStitchCallbacks table = host.callbacks();
        CStitchOptions* job = PSCreateStitch(StitchStyleHorizontal, StitchOutputOriginal, StitchMethodCalibrated, &table);
        const int n = int(set.names.size());
        // What PSAutoStyleStitch does before it aligns: load and choose.
        const auto start = Clock::now();
        int code = PSLoadImages(job, n, set.names, sizes.data());
        const auto loaded = Clock::now();
        if (code == 0)
            code = AutoStyleOptimizeRun(job, n, n);
        loadSeconds += std::chrono::duration<double>(loaded - start).count();
        choiceSeconds += std::chrono::duration<double>(Clock::now() - loaded).count();
        style = job->m_Matrix.m_Style;
        PSReleaseStitch(job);
        if (code != 0) {
            state.SkipWithError("the style choice failed");
            return;
        }
    }
    state.counters["style"] = style;
    state.counters["load_ms"] = loadSeconds * 1000.0 / double(state.iterations());
    state.counters["choice_ms"] = choiceSeconds * 1000.0 / double(state.iterations());
}
BENCHMARK(BM_AutoStyle)->Arg(0)->Arg(1)->ArgName("tile")->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CpfindMultirow(benchmark::State& state)
{
    const ViewSet& set = viewSet(int(state.range(0)));
    if (!set.valid) {
        state.SkipWithError("mate-backgrounds not installed");
        return;
    }
    const QString cpfind = QStandardPaths::findExecutable(QStringLiteral("cpfind"));
    if (cpfind.isEmpty()) {
        state.SkipWithError("cpfind (hugin-tools) not installed");
        return;
    }
    const QString output = set.project + QStringLiteral(".out.pto");
    // The child's processor time, to set beside the library's on a busy
    // machine where wall-clock times carry the load.
    auto childSeconds = [] {
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    };
    const double before = childSeconds();
    for (auto _ : state) {
        QProcess process;
        // One thread (cpfind runs on OpenMP), as the library runs on one.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("OMP_NUM_THREADS"), QStringLiteral("1"));
        process.setProcessEnvironment(environment);
        QFile::remove(output);
        process.start(cpfind, {QStringLiteral("--multirow"), QStringLiteral("-o"), output, set.project});
        if (!process.waitForFinished(600000) || process.exitStatus() != QProcess::NormalExit
            || process.exitCode() != 0 || !QFile::exists(output)) {
            state.SkipWithError("cpfind failed");
            return;
        }
    }
    state.counters["child_cpu_ms"] = benchmark::Counter((childSeconds() - before) * 1000.0 / double(state.iterations()));
}
BENCHMARK(BM_CpfindMultirow)->Arg(0)->Arg(1)->ArgName("tile")->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
