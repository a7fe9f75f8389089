// The stitching library's pyramid beside libvips' 2 x 2 shrink of the same
// 24 MP photograph (Debian's mate-backgrounds, scaled up), both on one
// thread; libvips is loaded at run time and its benchmark is left out when
// it is missing. Also coarse alignment and first-layer matching per pair of
// the synthetic row of five views.
#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/align/CStitchAlign.h"
#include "stitch/align/CStitchMatch.h"
#include "stitch/image/CImage.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include "VipsPeer.h"

#include <QImage>

#include <cmath>
#include <cstring>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

// 6000 x 4000 pixels of a photograph as a packed 24-bit bitmap.
const QByteArray& photo24()
{
    static const QByteArray bytes = [] {
        QImage image(SyntheticViews::photoPath());
        if (image.isNull())
            return QByteArray();
        image = image.scaled(6000, 4000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB888);
        return StitchTestHost::packed24(6000, 4000, [&](int x, int y) {
            const uchar* p = image.constScanLine(y) + 3 * x;
            return unsigned(p[0]) << 16 | unsigned(p[1]) << 8 | p[2];
        });
    }();
    return bytes;
}

void perMegapixel(benchmark::State& state)
{
    state.counters["s_per_MP"] = benchmark::Counter(24.0, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// One halving, 6000 x 4000 to 3000 x 2000.
void BM_ZoomImageBy2x2(benchmark::State& state)
{
    if (photo24().isEmpty()) {
        state.SkipWithError("mate-backgrounds not installed");
        return;
    }
    std::vector<char> block(photo24().begin(), photo24().end());
    CImage source(block.data());
    for (auto _ : state) {
        CImage half;
        benchmark::DoNotOptimize(CStitchPyramid::ZoomImageBy2x2(&source, &half, 0, 100, nullptr));
    }
    source.Detach();
    perMegapixel(state);
}
BENCHMARK(BM_ZoomImageBy2x2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The whole pyramid as loading builds it: fetched through GetImage, halved
// down to the deepest layer (7 for 24 MP).
void BM_BuildPyramid(benchmark::State& state)
{
    if (photo24().isEmpty()) {
        state.SkipWithError("mate-backgrounds not installed");
        return;
    }
    StitchTestHost host;
    host.addImage(QStringLiteral("photo"), photo24());
    tagStitchCallbacks table = host.callbacks();
    CStitchOptions* job = PSCreateStitch(StitchStyleHorizontal, StitchOutputOriginal, StitchMethodCalibrated, &table);
    tagPOINT size{6000, 4000};
    CStitchMatrix::CalcPyramidLayer(1, &size, job);
    for (auto _ : state) {
        CStitchPyramid pyramid;
        pyramid.m_strName = QStringLiteral("photo");
        benchmark::DoNotOptimize(pyramid.BuildPyramid(job, 0, 100));
    }
    PSReleaseStitch(job);
    perMegapixel(state);
}
BENCHMARK(BM_BuildPyramid)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same pixels (rows packed), shrunk 2 x 2 by box averaging, written to
// memory so that the whole pipeline runs.
void BM_VipsShrink2x2(benchmark::State& state)
{
    const VipsPeer::Vips* vips = VipsPeer::Vips::instance();
    if (!vips || !vips->shrink || photo24().isEmpty()) {
        state.SkipWithError("libvips.so.42 or the photograph not available");
        return;
    }
    vips->concurrency(1);
    static const std::vector<unsigned char> packed = [] {
        std::vector<unsigned char> rows(std::size_t(3) * 6000 * 4000);
        if (photo24().size() < 40 + qsizetype(rows.size()))
            return rows;
        for (int y = 0; y < 4000; ++y)
            std::memcpy(&rows[std::size_t(y) * 18000], photo24().constData() + 40 + std::size_t(y) * 18000, 18000);
        return rows;
    }();
    for (auto _ : state) {
        void* in = vips->newFromMemory(packed.data(), packed.size(), 6000, 4000, 3, 0 /* uchar */);
        void* out = nullptr;
        if (vips->shrink(in, &out, 2.0, 2.0, nullptr) != 0) {
            vips->unref(in);
            state.SkipWithError("vips_shrink failed");
            return;
        }
        std::size_t size = 0;
        void* pixels = vips->writeToMemory(out, &size);
        benchmark::DoNotOptimize(pixels);
        vips->release(pixels);
        vips->unref(out);
        vips->unref(in);
    }
    perMegapixel(state);
}
BENCHMARK(BM_VipsShrink2x2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The synthetic row of five (640 x 480 views, 60 degrees across, 40 %
// overlap), loaded once; each iteration aligns all four pairs.
struct RowJob
{
    StitchTestHost host;
    CStitchOptions* job = nullptr;

    RowJob()
    {
        QImage photo(SyntheticViews::photoPath());
        if (photo.isNull())
            return;
        const SyntheticViews views(photo, SyntheticViews::Surface::Cylinder, 640, 480, 320 / std::tan(M_PI / 6));
        const QList<SyntheticViews::Camera> cameras = views.row(5, 0.4);
        QStringList names;
        QList<tagPOINT> sizes;
        for (int i = 0; i < cameras.size(); ++i) {
            names << QStringLiteral("view%1").arg(i);
            sizes << tagPOINT{640, 480};
            host.addImage(names.last(), views.render(cameras[i]));
        }
        tagStitchCallbacks table = host.callbacks();
        job = PSCreateStitch(StitchStyleHorizontal, StitchOutputQuarter, StitchMethodCalibrated, &table);
        PSLoadImages(job, 5, names, sizes.data());
    }
    ~RowJob() { PSReleaseStitch(job); }
};

void BM_CoarseAlignRowPair(benchmark::State& state)
{
    RowJob row;
    if (!row.job) {
        state.SkipWithError("mate-backgrounds not installed");
        return;
    }
    for (auto _ : state) {
        bool shift = false;
        benchmark::DoNotOptimize(CStitchAlign(row.job).StartUpCoarseAlign(row.job->m_lDeepestLayer, shift));
    }
    state.counters["s_per_pair"] = benchmark::Counter(4, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CoarseAlignRowPair)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FirstLayerMatchRowPair(benchmark::State& state)
{
    RowJob row;
    if (!row.job) {
        state.SkipWithError("mate-backgrounds not installed");
        return;
    }
    bool shift = false;
    CStitchAlign(row.job).StartUpCoarseAlign(row.job->m_lDeepestLayer, shift);
    // The first matching layer: the top one, or the one below after a shift.
    const int layer = shift ? row.job->m_lDeepestLayer - 1 : row.job->m_lDeepestLayer;
    std::vector<PointTwinList> coarse;
    for (int i = 0; i < 5; ++i)
        coarse.push_back(row.job->m_Matrix.m_pElements[i].m_RightTwins);
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 5; ++i)
            row.job->m_Matrix.m_pElements[i].m_RightTwins = coarse[std::size_t(i)];
        state.ResumeTiming();
        benchmark::DoNotOptimize(CStitchMatch(row.job).StartUpMatchFirstTime(layer, 20, 30));
    }
    state.counters["s_per_pair"] = benchmark::Counter(4, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FirstLayerMatchRowPair)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
