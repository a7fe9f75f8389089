// The whole main road of the stitching library beside OpenCV 4.6's
// cv::Stitcher (panorama mode, SIFT features) on the same synthetic row of
// three views (about 2 MP each, 60 degrees across, 40 % overlap), with the
// accuracy of both against the views' ground truth as counters:
//   deg_worst  the worst pair rotation error, in degrees;
//   focal_pct  the focal length's error, in per cent;
//   rms_px     the RMS distance, in full-size pixels, between where the
//              estimated pair model and the true one put a grid of each
//              neighbour's points in the element.
// Ours: load, order, alignment (BM_OursAlign) and the whole DEZeviDirevi
// (BM_OursStitch). OpenCV: estimateTransform, composePanorama on a made
// estimate, and the whole stitch.
#include "StitchRoadScene.h"
#include "StitchTestHost.h"

#include "stitch/CStitchAlign.h"
#include "stitch/CStitchElement.h"
#include "stitch/CStitchOptions.h"
#include "stitch/PSStitch.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

#include <benchmark/benchmark.h>

namespace {

using namespace stitchroad;

// For bench/hugin_road.sh: the same views as files, rows in the order both
// stitchers get them, written once when VELLUMAR_STITCHROAD_VIEWS names a folder.
void writeViews()
{
    const QString folder = qEnvironmentVariable("VELLUMAR_STITCHROAD_VIEWS");
    for (int i = 0; i < kViews && !folder.isEmpty() && scene().views; ++i)
        scene().image(i).save(QStringLiteral("%1/view%2.tif").arg(folder).arg(i));
}

// Pair models, both as rotations taking the neighbour's camera rays (x
// right, y down the memory rows, z forward) into the element's.
struct Estimate
{
    double rotation[kViews - 1][9];
    double focal;
};

// The truth in the same terms: F G_e^T G_n F, G the library rotation of a
// camera and F = diag(1, 1, -1) (library rays look along -z).
void truePair(const SyntheticViews::Camera& e, const SyntheticViews::Camera& n, double out[9])
{
    double ge[9], gn[9];
    SyntheticViews::libraryRotation(e, ge);
    SyntheticViews::libraryRotation(n, gn);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const double v = ge[r] * gn[c] + ge[3 + r] * gn[3 + c] + ge[6 + r] * gn[6 + c];
            out[3 * r + c] = ((r == 2) != (c == 2)) ? -v : v;
        }
}

QPointF project(const double m[9], double focal, QPointF p)
{
    const double cx = (kWidth - 1) * 0.5, cy = (kHeight - 1) * 0.5;
    const double v[3] = {p.x() - cx, p.y() - cy, focal};
    const double w[3] = {m[0] * v[0] + m[1] * v[1] + m[2] * v[2], m[3] * v[0] + m[4] * v[1] + m[5] * v[2],
                         m[6] * v[0] + m[7] * v[1] + m[8] * v[2]};
    return QPointF(w[0] / w[2] * focal + cx, w[1] / w[2] * focal + cy);
}

void accuracy(benchmark::State& state, const Estimate& estimate)
{
    const Scene& s = scene();
    double worst = 0, sum = 0;
    int points = 0;
    for (int i = 0; i + 1 < kViews; ++i) {
        double truth[9];
        truePair(s.cameras[i], s.cameras[i + 1], truth);
        double trace = 0;
        for (int k = 0; k < 9; ++k)
            trace += estimate.rotation[i][k] * truth[k];
        worst = std::max(worst, std::acos(std::clamp((trace - 1) / 2, -1.0, 1.0)) * 180 / M_PI);
        for (int y = 16; y < kHeight; y += 32)
            for (int x = 16; x < kWidth; x += 32) {
                QPointF t;
                if (!s.views->map(s.cameras[i + 1], s.cameras[i], QPointF(x, y), &t) || t.x() < 0 || t.y() < 0
                    || t.x() > kWidth - 1 || t.y() > kHeight - 1)
                    continue;
                const QPointF d = project(estimate.rotation[i], estimate.focal, QPointF(x, y)) - t;
                sum += d.x() * d.x() + d.y() * d.y();
                ++points;
            }
    }
    state.counters["deg_worst"] = worst;
    state.counters["focal_pct"] = 100 * (estimate.focal - s.focal) / s.focal;
    state.counters["rms_px"] = points ? std::sqrt(sum / points) : -1;
}

// Ours, loaded in shuffled order; 0 or the failing step's code.
int runOurs(StitchTestHost& host, bool render, Estimate* estimate)
{
    const Scene& s = scene();
    const int order[kViews] = {2, 0, 1};
    QStringList names;
    QList<tagPOINT> sizes;
    for (int view : order) {
        names << QStringLiteral("view%1").arg(view);
        sizes << tagPOINT{kWidth, kHeight};
        host.addImage(names.last(), s.packed[view]);
    }
    tagStitchCallbacks table = host.callbacks();
    CStitchOptions* job = PSCreateStitch(StitchStyleHorizontal, StitchOutputOriginal, StitchMethodCalibrated, &table);
    if (!job)
        return -2;
    int code = PSLoadImages(job, kViews, names, sizes.data());
    int cols = 0, rows = 0;
    QStringList ordered;
    if (code == 0)
        code = PSAutoOrder(job, ordered, &cols, &rows, true, 4, 4);
    if (code == 0 && !render) {
        job->m_lFineTune = 0;
        code = CStitchAlign(job).Run();
    } else if (code == 0) {
        QStringList reported;
        void* dib = nullptr;
        tagRECT* overlaps = nullptr;
        unsigned short** paths = nullptr;
        int overlapCount = 0, pathCount = 0;
        tagRECT crop;
        code = DEZeviDirevi(job, 0, &cols, &rows, reported, &dib, &overlaps, &overlapCount, &paths, &pathCount, &crop);
        PSReleaseResultDIB(job);
    }
    if (code == 0 && estimate) {
        estimate->focal = job->m_dFocalLength;
        for (int i = 0; i + 1 < kViews; ++i) {
            const double* m = job->m_Matrix.m_pElements[i].m_RightTransform.m_Matrix;
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c)
                    estimate->rotation[i][3 * r + c] = ((r == 2) != (c == 2)) ? -m[3 * r + c] : m[3 * r + c];
        }
    }
    PSReleaseStitch(job);
    return code;
}

void ours(benchmark::State& state, bool render)
{
    if (!scene().views) {
        state.SkipWithError("mate-backgrounds not installed");
        return;
    }
    Estimate estimate{};
    for (auto _ : state) {
        StitchTestHost host;
        const int code = runOurs(host, render, &estimate);
        if (code != 0) {
            state.SkipWithError("the stitch failed");
            return;
        }
    }
    accuracy(state, estimate);
}

void BM_OursAlign(benchmark::State& state)
{
    ours(state, false);
}
BENCHMARK(BM_OursAlign)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_OursStitch(benchmark::State& state)
{
    ours(state, true);
}
BENCHMARK(BM_OursStitch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// OpenCV's cameras, at its registration scale, as pair models at full size.
bool openCvEstimate(const cv::Ptr<cv::Stitcher>& stitcher, Estimate* estimate)
{
    const std::vector<cv::detail::CameraParams> cameras = stitcher->cameras();
    const std::vector<int> used = stitcher->component();
    if (int(cameras.size()) != kViews || int(used.size()) != kViews)
        return false;
    const double workScale = std::min(1.0, std::sqrt(stitcher->registrationResol() * 1e6 / (kWidth * kHeight)));
    double focal = 0;
    for (const cv::detail::CameraParams& camera : cameras)
        focal += camera.focal / workScale / kViews;
    estimate->focal = focal;
    // The cameras in the order of the input views.
    std::vector<cv::Mat> rotation(kViews);
    for (int k = 0; k < kViews; ++k) {
        cv::Mat r;
        cameras[size_t(k)].R.convertTo(r, CV_64F);
        rotation[size_t(used[size_t(k)])] = r;
    }
    for (int i = 0; i + 1 < kViews; ++i) {
        const cv::Mat pair = rotation[size_t(i)].t() * rotation[size_t(i + 1)];
        for (int k = 0; k < 9; ++k)
            estimate->rotation[i][k] = pair.at<double>(k / 3, k % 3);
    }
    return true;
}

void BM_OpenCVEstimate(benchmark::State& state)
{
    if (!scene().views) {
        state.SkipWithError("mate-backgrounds not installed");
        return;
    }
    Estimate estimate{};
    for (auto _ : state) {
        cv::Ptr<cv::Stitcher> stitcher = openCv();
        if (stitcher->estimateTransform(scene().mats) != cv::Stitcher::OK || !openCvEstimate(stitcher, &estimate)) {
            state.SkipWithError("OpenCV found no panorama");
            return;
        }
    }
    accuracy(state, estimate);
}
BENCHMARK(BM_OpenCVEstimate)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_OpenCVCompose(benchmark::State& state)
{
    if (!scene().views) {
        state.SkipWithError("mate-backgrounds not installed");
        return;
    }
    cv::Ptr<cv::Stitcher> stitcher = openCv();
    if (stitcher->estimateTransform(scene().mats) != cv::Stitcher::OK) {
        state.SkipWithError("OpenCV found no panorama");
        return;
    }
    for (auto _ : state) {
        cv::Mat panorama;
        try {
            if (stitcher->composePanorama(scene().mats, panorama) != cv::Stitcher::OK) {
                state.SkipWithError("OpenCV could not compose");
                return;
            }
        } catch (const cv::Exception& e) {
            state.SkipWithError(e.what());
            return;
        }
        benchmark::DoNotOptimize(panorama.data);
    }
}
BENCHMARK(BM_OpenCVCompose)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_OpenCVStitch(benchmark::State& state)
{
    if (!scene().views) {
        state.SkipWithError("mate-backgrounds not installed");
        return;
    }
    for (auto _ : state) {
        cv::Mat panorama;
        if (openCv()->stitch(scene().mats, panorama) != cv::Stitcher::OK) {
            state.SkipWithError("OpenCV found no panorama");
            return;
        }
        benchmark::DoNotOptimize(panorama.data);
    }
}
BENCHMARK(BM_OpenCVStitch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    writeViews();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
