// The seam and blend of one overlap of 1500 x 8000 pixels (a horizontal
// pair at full size), ours beside OpenCV 4.6's GraphCutSeamFinder
// (COST_COLOR, at full resolution and at its pipeline's 0.1-megapixel seam
// scale) followed by MultiBandBlender with 3 bands, and beside enblend on
// the same two layers; one thread each. Ours includes writing the seam-graph
// file, which it needs for a later seam adjustment.
#include "stitch/blend/CSmoothRender.h"
#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>
#include <opencv2/stitching/detail/blenders.hpp>
#include <opencv2/stitching/detail/seam_finders.hpp>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 1500;
constexpr int kHeight = 8000;

// A smooth random scene; view B sees it 3 levels darker and one row off,
// with a moved object (a patch) in the middle of the overlap.
struct Layers
{
    cv::Mat a;
    cv::Mat b;
    Layers()
    {
        std::mt19937 random(5);
        cv::Mat coarse(kHeight / 40 + 2, kWidth / 40 + 2, CV_8UC3);
        for (int y = 0; y < coarse.rows; ++y)
            for (int x = 0; x < coarse.cols; ++x)
                coarse.at<cv::Vec3b>(y, x) = cv::Vec3b(random() & 0xFF, random() & 0xFF, random() & 0xFF);
        cv::Mat scene;
        cv::resize(coarse, scene, cv::Size(kWidth, kHeight + 1), 0, 0, cv::INTER_LINEAR);
        a = scene.rowRange(0, kHeight).clone();
        b = scene.rowRange(1, kHeight + 1).clone();
        b -= cv::Scalar(3, 3, 3);
        cv::rectangle(b, cv::Rect(kWidth / 2 - 100, kHeight / 2 - 300, 200, 600), cv::Scalar(40, 200, 60), cv::FILLED);
    }
    static const Layers& get()
    {
        static const Layers layers;
        return layers;
    }
};

void ToImage(const cv::Mat& source, CImage& image, CMask& mask)
{
    image.Create(source.cols, source.rows, 24);
    mask.Create(unsigned(source.cols), unsigned(source.rows));
    image.Lock();
    for (int y = 0; y < source.rows; ++y)
        std::memcpy(image.Bits() + y * image.Stride(), source.ptr(y), size_t(source.cols) * 3);
    image.Unlock();
    std::memset(mask.Bits(), 0xFF, mask.Size());
}

void Ours(benchmark::State& state)
{
    const Layers& layers = Layers::get();
    QTemporaryDir dir;
    CStitchOptions job;
    job.m_FileManager.SetTempDir(dir.path());
    job.m_lWorkingLayer = 0;
    job.m_Matrix.m_pElements = new CStitchElement[2];
    job.m_Matrix.m_lCols = 2;
    job.m_Matrix.m_lRows = 1;
    job.m_Matrix.m_lCount = 2;
    CImage a, b;
    CMask maskA, maskB;
    ToImage(layers.a, a, maskA);
    const tagRECT rect{0, 0, kWidth, kHeight};
    for (auto _ : state) {
        state.PauseTiming();
        ToImage(layers.b, b, maskB);
        job.DeleteTempFiles();
        state.ResumeTiming();
        CSmoothRender render(&job, &a, &maskA, &b, &maskB);
        if (render.Run(rect, rect, rect, &job.m_Matrix.m_pElements[0], true, 0, 100) != 0)
            state.SkipWithError("the seam failed");
    }
    ReleaseElementMemory(&job);
}

void OpenCv(benchmark::State& state)
{
    cv::setNumThreads(1);
    const Layers& layers = Layers::get();
    const double seamScale = state.range(0) ? std::min(1.0, std::sqrt(0.1e6 / (double(kWidth) * kHeight))) : 1.0;
    for (auto _ : state) {
        // The pipeline's steps: seams on scaled float images, masks back at
        // full size, then the three-band blend.
        std::vector<cv::UMat> images(2), masks(2);
        std::vector<cv::Point> corners{cv::Point(0, 0), cv::Point(0, 0)};
        const cv::Mat* sources[2] = {&layers.a, &layers.b};
        for (int i = 0; i < 2; ++i) {
            cv::Mat scaled;
            cv::resize(*sources[i], scaled, cv::Size(), seamScale, seamScale, cv::INTER_LINEAR_EXACT);
            scaled.convertTo(images[size_t(i)], CV_32F);
            masks[size_t(i)] = cv::UMat(scaled.size(), CV_8U, cv::Scalar(255));
        }
        cv::detail::GraphCutSeamFinder seams(cv::detail::GraphCutSeamFinderBase::COST_COLOR);
        seams.find(images, corners, masks);
        cv::detail::MultiBandBlender blender(false, 3);
        blender.prepare(cv::Rect(0, 0, kWidth, kHeight));
        for (int i = 0; i < 2; ++i) {
            cv::Mat mask;
            cv::resize(masks[size_t(i)], mask, cv::Size(kWidth, kHeight), 0, 0, cv::INTER_LINEAR_EXACT);
            cv::Mat wide;
            sources[i]->convertTo(wide, CV_16S);
            blender.feed(wide, mask, cv::Point(0, 0));
        }
        cv::Mat result, resultMask;
        blender.blend(result, resultMask);
        benchmark::DoNotOptimize(result.data);
    }
}

void Enblend(benchmark::State& state)
{
    const Layers& layers = Layers::get();
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    std::vector<std::string> names;
    for (const cv::Mat* layer : {&layers.a, &layers.b}) {
        cv::Mat bgra;
        cv::cvtColor(*layer, bgra, cv::COLOR_BGR2BGRA);
        names.push_back(folder + "/layer" + std::to_string(names.size()) + ".tif");
        cv::imwrite(names.back(), bgra);
    }
    const std::string command = "OMP_NUM_THREADS=1 enblend --levels=3 -o " + folder + "/out.tif " + names[0] + " "
        + names[1] + " > " + folder + "/log.txt 2>&1";
    if (std::system("command -v enblend > /dev/null 2>&1") != 0) {
        state.SkipWithError("enblend is not installed");
        return;
    }
    // enblend's own processor time, as the child's (the wall time counts
    // the other programs of a loaded machine too).
    auto childSeconds = [] {
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
            + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    };
    const double before = childSeconds();
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("enblend failed");
    state.counters["enblend_cpu_ms"] = (childSeconds() - before) * 1000.0 / double(state.iterations());
    if (!QFileInfo::exists(QString::fromStdString(folder + "/out.tif")))
        state.SkipWithError("enblend wrote nothing");
}

} // namespace

BENCHMARK(Ours)->Name("seam_blend_1500x8000/ours")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(OpenCv)->Name("seam_blend_1500x8000/opencv_seam_scale")->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(OpenCv)->Name("seam_blend_1500x8000/opencv_full")->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Enblend)->Name("seam_blend_1500x8000/enblend")->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
