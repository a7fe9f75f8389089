// The blend driver's whole render (warp, colour, seams, blending, crop) of a
// 12-view 360-degree ring on the cylinder and a 3 x 3 tile grid on the
// sphere, the jobs filled from the views' truth as alignment would, beside:
//   enblend (Debian's 4.2) on the same views warped onto the same surface
//   (by OpenCV's warpers, as nona would) and written as cropped TIFF layers
//   with alpha, `--wrap=horizontal` for the ring; the warping is not
//   counted, only enblend's blend of the ready layers;
//   OpenCV 4.6's detail pipeline for the tile on the same views and true
//   cameras: SphericalWarper, BlocksGainCompensator and GraphCutSeamFinder
//   (COST_COLOR) at the usual 0.1-megapixel seam scale, then MultiBandBlender
//   at full size. OpenCV has no ring wrap, so the ring is compared with
//   enblend alone.
// Ours runs on one thread; OpenCV on one thread and on all; enblend on one
// (OMP_NUM_THREADS=1). Counters:
//   peak_MB   the resident set's rise over what the process held before the
//             run (the kernel's high-water mark, reset per benchmark); for
//             enblend the child's own maximum resident set;
//   bound_MB  the memory goal: the source photos with their pyramid layers
//             (4/3 of the pixels) plus 1.5 times the result bitmap;
//   cpu_ms    enblend's own processor time per run (the wall time counts the
//             other programs of a loaded machine too).
// The view size comes from VELLUMAR_RENDER_VIEW (width; 4:3), so a run can be
// scaled to the machine; the default (2048: 14-15 MP panoramas) keeps a
// whole run within a few minutes, enblend taking most of it.
// VELLUMAR_RENDER_DEBUG keeps enblend's folder (layers and output).
#include "OpenCvDetail.h"
#include "ProcessMemory.h"
#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/render/CStitchBlend.h"
#include "stitch/threads/StitchThreads.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#include <opencv2/stitching/detail/blenders.hpp>
#include <opencv2/stitching/detail/exposure_compensate.hpp>
#include <opencv2/stitching/detail/seam_finders.hpp>
#include <opencv2/stitching/detail/util.hpp>
#include <opencv2/stitching/detail/warpers.hpp>

#include <tiffio.h>

#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

extern char** environ;

namespace {

enum Set { Ring, Tile };

int viewWidth()
{
    const int width = qEnvironmentVariableIntValue("VELLUMAR_RENDER_VIEW");
    return width >= 64 ? width : 2048;
}

struct Scene
{
    std::unique_ptr<SyntheticViews> views;
    QList<SyntheticViews::Camera> cameras;
    QList<QByteArray> packed; // the views as the library gets them
    std::vector<cv::Mat> mats; // the same pixels, BGR
    int width = 0, height = 0, cols = 0, rows = 0;
    double focal = 0;
};

const Scene& scene(Set set)
{
    static Scene scenes[2];
    Scene& s = scenes[set];
    if (s.views)
        return s;
    QImage photo(SyntheticViews::photoPath(QStringLiteral("GreenMeadow.jpg")));
    if (photo.isNull())
        return s;
    s.width = viewWidth();
    s.height = s.width * 3 / 4;
    // Tile views 60 degrees across; ring views 70, 30 degrees apart: each
    // reaches a little into its second neighbour (enblend refuses a layer
    // whose overlap with the composite only just touches another layer's
    // edge, "degenerate image/mask geometry").
    s.focal = s.width / 2.0 / std::tan((set == Ring ? 35 : 30) * M_PI / 180);
    s.views = std::make_unique<SyntheticViews>(photo,
                                               set == Ring ? SyntheticViews::Surface::Cylinder
                                                           : SyntheticViews::Surface::Sphere,
                                               s.width, s.height, s.focal, 1 / 1.5);
    s.cols = set == Ring ? 12 : 3;
    s.rows = set == Ring ? 1 : 3;
    s.cameras = set == Ring ? s.views->ring(12) : s.views->tile(3, 3, 0.4);
    const int stride = (24 * s.width + 31) / 32 * 4;
    for (const SyntheticViews::Camera& camera : s.cameras) {
        s.packed << s.views->render(camera);
        cv::Mat mat(s.height, s.width, CV_8UC3);
        for (int y = 0; y < s.height; ++y)
            std::memcpy(mat.ptr(y), s.packed.last().constData() + 40 + qsizetype(y) * stride, size_t(3 * s.width));
        s.mats.push_back(mat);
    }
    return s;
}

// A loaded job of the set, filled as alignment would fill it.
CStitchOptions* makeJob(StitchTestHost& host, Set set)
{
    const Scene& s = scene(set);
    const tagStitchStyle style = set == Ring ? StitchStyle360 : StitchStyleTile;
    tagStitchCallbacks table = host.callbacks();
    CStitchOptions* job = PSCreateStitch(style, StitchOutputOriginal, StitchMethodCalibrated, &table);
    if (!job)
        return nullptr;
    QStringList names;
    QList<tagPOINT> sizes;
    for (int i = 0; i < s.cols * s.rows; ++i) {
        names << QStringLiteral("view%1").arg(i);
        sizes << tagPOINT{s.width, s.height};
        host.addImage(names.last(), s.packed[i]);
    }
    if (PSLoadImages(job, int(names.size()), names, sizes.data()) != 0) {
        PSReleaseStitch(job);
        return nullptr;
    }
    job->m_Matrix.m_lCols = s.cols;
    job->m_Matrix.m_lRows = s.rows;
    job->m_Matrix.m_Style = style;
    for (int i = 0; i < s.cols * s.rows; ++i)
        for (int v = 0; v < 768; ++v)
            job->m_Matrix.m_pElements[i].m_ColorTable[v] = static_cast<unsigned char>(v % 256);
    s.views->fillJob(job, s.cameras);
    return job;
}

// Resets the high-water mark to the present resident set; returns that set.
// The heap's free memory goes back to the system first, so that a run cannot
// reuse pages an earlier one left resident and look smaller than it is.
qint64 resetPeak()
{
    malloc_trim(0);
    return ProcessMemory::resetPeak();
}

void memoryCounters(benchmark::State& state, Set set, qint64 baseKiB, double resultPixels)
{
    const Scene& s = scene(set);
    state.counters["peak_MB"] = double(ProcessMemory::statusKiB("VmHWM:") - baseKiB) / 1024.0;
    const double sources = double(s.width) * s.height * 3 * s.cols * s.rows * 4 / 3;
    state.counters["bound_MB"] = (sources + 1.5 * 3 * resultPixels) / (1024.0 * 1024.0);
}

void ours(benchmark::State& state, Set set)
{
    // The comparison is thread for thread: the library's helpers stay idle.
    StitchThreads::SetLimit(1);
    if (!scene(set).views) {
        state.SkipWithError("mate-backgrounds is not installed");
        return;
    }
    double resultPixels = 0;
    qint64 base = 0;
    bool first = true;
    for (auto _ : state) {
        state.PauseTiming();
        // The job's photos and their pyramids count in the peak (the memory
        // goal includes them).
        if (first) {
            base = resetPeak();
            first = false;
        }
        auto host = std::make_unique<StitchTestHost>();
        CStitchOptions* job = makeJob(*host, set);
        if (!job) {
            state.SkipWithError("the job could not be made");
            return;
        }
        state.ResumeTiming();
        CStitchBlend blend(job, job->m_lWorkingLayer);
        const int code = blend.Run(false);
        state.PauseTiming();
        resultPixels = double(blend.m_PanoramaRect.right - blend.m_PanoramaRect.left)
            * (blend.m_PanoramaRect.bottom - blend.m_PanoramaRect.top);
        PSReleaseStitch(job);
        host.reset();
        state.ResumeTiming();
        if (code != 0) {
            state.SkipWithError("the render failed");
            return;
        }
    }
    memoryCounters(state, set, base, resultPixels);
    state.counters["result_MP"] = resultPixels / 1e6;
}

void BM_OursRing(benchmark::State& state)
{
    ours(state, Ring);
}
void BM_OursTile(benchmark::State& state)
{
    ours(state, Tile);
}

// One warped view as a layer: its pixels and alpha on the canvas, at x, y.
struct Layer
{
    int x = 0, y = 0;
    cv::Mat bgra;
};


// The views warped onto the set's surface (OpenCV's cylindrical and
// spherical warpers with the true cameras, as nona would warp them), as
// layers on the panorama canvas; on the ring the columns are folded back by
// the perimeter and a layer across the wrap takes the whole width. Our own
// warped files are not used: the render trims them to their neighbours.
bool warpedLayers(Set set, std::vector<Layer>* layers, int* canvasWidth, int* canvasHeight)
{
    const Scene& s = scene(set);
    const cv::Mat k = OpenCvDetail::intrinsics(s.focal, s.width, s.height, 1.0);
    cv::Ptr<cv::detail::RotationWarper> warper;
    if (set == Ring)
        warper = cv::makePtr<cv::detail::CylindricalWarper>(float(s.focal));
    else
        warper = cv::makePtr<cv::detail::SphericalWarper>(float(s.focal));
    const int period = set == Ring ? int(std::lround(2 * M_PI * s.focal)) : 0;
    std::vector<cv::Point> corners;
    std::vector<cv::Mat> images, masks;
    for (size_t i = 0; i < s.mats.size(); ++i) {
        const cv::Mat r = OpenCvDetail::rotation(s.cameras[int(i)]);
        cv::Mat image, mask;
        corners.push_back(warper->warp(s.mats[i], k, r, cv::INTER_LINEAR, cv::BORDER_REFLECT, image));
        warper->warp(cv::Mat(s.mats[i].size(), CV_8U, cv::Scalar(255)), k, r, cv::INTER_NEAREST, cv::BORDER_CONSTANT,
                     mask);
        images.push_back(image);
        masks.push_back(mask);
    }
    int left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
    for (size_t i = 0; i < images.size(); ++i) {
        left = std::min(left, corners[i].x), top = std::min(top, corners[i].y);
        right = std::max(right, corners[i].x + images[i].cols), bottom = std::max(bottom, corners[i].y + images[i].rows);
    }
    *canvasWidth = period ? period : right - left;
    *canvasHeight = bottom - top;
    for (size_t i = 0; i < images.size(); ++i) {
        Layer layer;
        int x = corners[i].x - left;
        if (period)
            x = ((corners[i].x % period) + period) % period;
        layer.y = corners[i].y - top;
        const bool wraps = period && x + images[i].cols > period;
        layer.x = wraps ? 0 : x;
        layer.bgra = cv::Mat::zeros(images[i].rows, wraps ? period : images[i].cols, CV_8UC4);
        for (int y = 0; y < images[i].rows; ++y) {
            const cv::Vec3b* from = images[i].ptr<cv::Vec3b>(y);
            const uchar* alpha = masks[i].ptr<uchar>(y);
            cv::Vec4b* to = layer.bgra.ptr<cv::Vec4b>(y);
            for (int c = 0; c < images[i].cols; ++c)
                if (alpha[c])
                    to[wraps ? (x + c) % period : c] = cv::Vec4b(from[c][0], from[c][1], from[c][2], 255);
        }
        layers->push_back(std::move(layer));
    }
    return true;
}

// A cropped TIFF layer as Hugin's nona writes it: RGBA with unassociated
// alpha, its place on the canvas in XPOSITION / YPOSITION (in resolution
// units) and the canvas size in the Pixar full-size tags.
bool writeLayer(const std::string& path, const Layer& layer, int canvasWidth, int canvasHeight)
{
    TIFF* tiff = TIFFOpen(path.c_str(), "w");
    if (!tiff)
        return false;
    const float resolution = 150;
    const uint16_t extra = EXTRASAMPLE_UNASSALPHA;
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(layer.bgra.cols));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(layer.bgra.rows));
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, uint16_t(4));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, uint16_t(8));
    TIFFSetField(tiff, TIFFTAG_EXTRASAMPLES, uint16_t(1), &extra);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_NONE);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, uint32_t(64));
    TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
    TIFFSetField(tiff, TIFFTAG_XRESOLUTION, resolution);
    TIFFSetField(tiff, TIFFTAG_YRESOLUTION, resolution);
    TIFFSetField(tiff, TIFFTAG_XPOSITION, float(layer.x / resolution));
    TIFFSetField(tiff, TIFFTAG_YPOSITION, float(layer.y / resolution));
    TIFFSetField(tiff, TIFFTAG_PIXAR_IMAGEFULLWIDTH, uint32_t(canvasWidth));
    TIFFSetField(tiff, TIFFTAG_PIXAR_IMAGEFULLLENGTH, uint32_t(canvasHeight));
    std::vector<unsigned char> row(size_t(layer.bgra.cols) * 4);
    bool ok = true;
    for (int y = 0; y < layer.bgra.rows && ok; ++y) {
        const cv::Vec4b* from = layer.bgra.ptr<cv::Vec4b>(y);
        for (int x = 0; x < layer.bgra.cols; ++x) {
            row[4 * x] = from[x][2];
            row[4 * x + 1] = from[x][1];
            row[4 * x + 2] = from[x][0];
            row[4 * x + 3] = from[x][3];
        }
        ok = TIFFWriteScanline(tiff, row.data(), uint32_t(y), 0) == 1;
    }
    TIFFClose(tiff);
    return ok;
}

void BM_Enblend(benchmark::State& state, Set set)
{
    if (!scene(set).views) {
        state.SkipWithError("mate-backgrounds is not installed");
        return;
    }
    if (std::system("command -v enblend > /dev/null 2>&1") != 0 || !QFile::exists(QStringLiteral("/usr/bin/time"))) {
        state.SkipWithError("enblend or GNU time is not installed");
        return;
    }
    QTemporaryDir dir;
    dir.setAutoRemove(!qEnvironmentVariableIsSet("VELLUMAR_RENDER_DEBUG"));
    const std::string folder = dir.path().toStdString();
    std::vector<Layer> layers;
    int canvasWidth = 0, canvasHeight = 0;
    if (!warpedLayers(set, &layers, &canvasWidth, &canvasHeight)) {
        state.SkipWithError("the views could not be warped");
        return;
    }
    // Through GNU time, whose small process forks enblend: a child spawned
    // straight from this one would report this process's resident set as its
    // peak (the kernel keeps the larger of the two across the exec).
    const std::string peakFile = folder + "/peak.txt";
    std::vector<std::string> arguments{"/usr/bin/time", "-f", "%M", "-o", peakFile, "enblend", "-o", folder + "/out.tif"};
    if (set == Ring)
        arguments.push_back("--wrap=horizontal");
    for (size_t i = 0; i < layers.size(); ++i) {
        arguments.push_back(folder + "/layer" + std::to_string(i) + ".tif");
        if (!writeLayer(arguments.back(), layers[i], canvasWidth, canvasHeight)) {
            state.SkipWithError("a layer could not be written");
            return;
        }
    }
    layers.clear();
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<std::string> environment{"OMP_NUM_THREADS=1"};
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "OMP_NUM_THREADS=", 16) != 0)
            environment.emplace_back(*e);
    std::vector<char*> envp;
    for (std::string& e : environment)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string log = folder + "/log.txt";
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    double cpu = 0;
    long peakKiB = 0;
    for (auto _ : state) {
        pid_t child = 0;
        int status = 0;
        rusage usage{};
        if (posix_spawn(&child, "/usr/bin/time", &actions, nullptr, argv.data(), envp.data()) != 0
            || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            QFile output(QString::fromStdString(log));
            const QByteArray said = output.open(QIODevice::ReadOnly) ? output.readAll().right(300) : QByteArray();
            state.SkipWithError(("enblend failed: " + said.toStdString()).c_str());
            break;
        }
        cpu += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
            + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        QFile peak(QString::fromStdString(peakFile));
        if (peak.open(QIODevice::ReadOnly))
            peakKiB = std::max(peakKiB, peak.readAll().trimmed().split('\n').last().toLong());
    }
    posix_spawn_file_actions_destroy(&actions);
    if (state.iterations() == 0)
        return;
    state.counters["cpu_ms"] = cpu * 1000.0 / double(state.iterations());
    state.counters["peak_MB"] = double(peakKiB) / 1024.0;
    state.counters["result_MP"] = double(canvasWidth) * canvasHeight / 1e6;
}

void BM_EnblendRing(benchmark::State& state)
{
    BM_Enblend(state, Ring);
}
void BM_EnblendTile(benchmark::State& state)
{
    BM_Enblend(state, Tile);
}

// The detail pipeline on the tile, through the spherical warper.
double openCvTile(cv::Mat* result)
{
    const Scene& s = scene(Tile);
    return OpenCvDetail::render<cv::detail::SphericalWarper>(s.mats, s.cameras, s.focal, s.width, s.height, result);
}

void BM_OpenCvTile(benchmark::State& state)
{
    if (!scene(Tile).views) {
        state.SkipWithError("mate-backgrounds is not installed");
        return;
    }
    const int threads = cv::getNumThreads();
    cv::setNumThreads(int(state.range(0)));
    const qint64 base = resetPeak();
    double pixels = 0;
    // The views as OpenCV gets them are not counted (ours are counted from
    // the job's load, the photos being part of the memory goal); they are
    // views of this process's scene here.
    for (auto _ : state) {
        cv::Mat result;
        try {
            pixels = openCvTile(&result);
        } catch (const cv::Exception& e) {
            state.SkipWithError(e.what());
            break;
        }
        benchmark::DoNotOptimize(result.data);
    }
    cv::setNumThreads(threads);
    memoryCounters(state, Tile, base, pixels);
    state.counters["result_MP"] = pixels / 1e6;
}

} // namespace

BENCHMARK(BM_OursRing)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_EnblendRing)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_OursTile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_OpenCvTile)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_OpenCvTile)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_EnblendTile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

BENCHMARK_MAIN();
