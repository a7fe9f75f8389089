// Resampling one 24-megapixel view (6000 x 4000, focal length 5000 pixels)
// onto a cylinder and onto a sphere, bilinear: ours (CStitchBlend's
// Project2Cylinder and Project2Sphere over the view's scan region, with the
// colour table) beside OpenCV 4.6's cv::detail::CylindricalWarper and
// SphericalWarper (maps and remap), one thread each. Figures are source
// megapixels per second.
#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/outline/CScanRegion.h"
#include "stitch/outline/CStitchLayout.h"
#include "stitch/render/CStitchBlend.h"

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#include <opencv2/stitching/detail/warpers.hpp>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <random>

namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;
constexpr double kFocal = 5000.0;

// A smooth random scene with some fine detail.
const cv::Mat& Scene()
{
    static const cv::Mat scene = [] {
        std::mt19937 random(11);
        cv::Mat coarse(kHeight / 20, kWidth / 20, CV_8UC3);
        for (int y = 0; y < coarse.rows; ++y)
            for (int x = 0; x < coarse.cols; ++x)
                coarse.at<cv::Vec3b>(y, x) = cv::Vec3b(random() & 0xFF, random() & 0xFF, random() & 0xFF);
        cv::Mat out;
        cv::resize(coarse, out, cv::Size(kWidth, kHeight), 0, 0, cv::INTER_CUBIC);
        return out;
    }();
    return scene;
}

// One view laid out as the render would lay it out.
struct Job
{
    CStitchOptions job;
    std::unique_ptr<CStitchBlend> blend;
    CImage source;
    explicit Job(tagStitchStyle style)
    {
        job.m_Matrix.m_Style = style;
        job.m_lRenderKind = style == StitchStyleTile ? RenderSpherical : RenderCylindrical;
        job.m_dFocalLength = kFocal;
        job.m_Matrix.m_pElements = new CStitchElement[1];
        job.m_Matrix.m_lCols = job.m_Matrix.m_lRows = job.m_Matrix.m_lCount = 1;
        CStitchElement& e = job.m_Matrix.m_pElements[0];
        e.m_Pyramid.m_lWidth = kWidth;
        e.m_Pyramid.m_lHeight = kHeight;
        e.m_Transform.Identity();
        for (int v = 0; v < 768; ++v)
            e.m_ColorTable[v] = static_cast<unsigned char>(v % 256);
        blend = std::make_unique<CStitchBlend>(&job, 0);
        blend->m_pScanRegions = new CScanRegion[1];
        CStitchLayout layout(&blend->m_PanoramaRect, blend->m_pScanRegions, &job, 0);
        layout.Run();
        blend->m_lPerimeter = layout.m_lPerimeter;
        blend->m_dRadius = layout.m_dRadius;
        source.Create(kWidth, kHeight, 24);
        source.Lock();
        const cv::Mat& scene = Scene();
        for (int y = 0; y < kHeight; ++y)
            std::memcpy(source.Bits() + qsizetype(y) * source.Stride(), scene.ptr(y), size_t(3) * kWidth);
    }
    ~Job() { ReleaseElementMemory(&job); }
};

void Ours(benchmark::State& state)
{
    const tagStitchStyle style = state.range(0) ? StitchStyleTile : StitchStyleHorizontal;
    Job view(style);
    CStitchElement* e = &view.job.m_Matrix.m_pElements[0];
    for (auto _ : state) {
        CImage* out = nullptr;
        CMask* mask = nullptr;
        bool locked = false;
        const int code = style == StitchStyleTile
                             ? view.blend->Project2Sphere(&view.source, e, 0, out, mask, locked, 0, 100)
                             : view.blend->Project2Cylinder(&view.source, e, 0, out, mask, locked, 0, 100);
        if (code != 0)
            state.SkipWithError("the warp failed");
        benchmark::DoNotOptimize(out);
        delete out;
        delete mask;
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight);
}

void OpenCv(benchmark::State& state)
{
    cv::setNumThreads(1);
    const cv::Mat& scene = Scene();
    const cv::Mat K = (cv::Mat_<float>(3, 3) << float(kFocal), 0, (kWidth - 1) / 2.0f, 0, float(kFocal),
                       (kHeight - 1) / 2.0f, 0, 0, 1);
    const cv::Mat R = cv::Mat::eye(3, 3, CV_32F);
    for (auto _ : state) {
        cv::Mat out;
        if (state.range(0)) {
            cv::detail::SphericalWarper warper{float(kFocal)};
            warper.warp(scene, K, R, cv::INTER_LINEAR, cv::BORDER_CONSTANT, out);
        } else {
            cv::detail::CylindricalWarper warper{float(kFocal)};
            warper.warp(scene, K, R, cv::INTER_LINEAR, cv::BORDER_CONSTANT, out);
        }
        benchmark::DoNotOptimize(out.data);
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kWidth) * kHeight);
}

} // namespace

BENCHMARK(Ours)->Name("warp_24mp/cylinder/ours")->Arg(0)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(OpenCv)->Name("warp_24mp/cylinder/opencv")->Arg(0)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(Ours)->Name("warp_24mp/sphere/ours")->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();
BENCHMARK(OpenCv)->Name("warp_24mp/sphere/opencv")->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

BENCHMARK_MAIN();
