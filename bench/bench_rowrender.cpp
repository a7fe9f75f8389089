// The blend driver's whole render (warp, colour, seams, blending, crop) of a
// horizontal row (style 0, RenderAuto) up to 100 megapixels, beside:
//   OpenCV 4.6's detail pipeline on the same views and true cameras:
//   CylindricalWarper, BlocksGainCompensator and GraphCutSeamFinder
//   (COST_COLOR) on views scaled to the usual 0.1 megapixel, then
//   MultiBandBlender at full size;
//   Debian's enblend on the same views warped by Hugin's nona onto the same
//   cylinder (cropped RGBA TIFF layers); nona runs once while the scene is
//   made and is not counted, only enblend's blend of the ready layers.
//
// Scene: six views of Garden.jpg (scaled up so that its height fills the
// views; it repeats mirrored along the row), 50 degrees across, neighbours
// sharing a quarter of the width, views 4:3 of VELLUMAR_ROWRENDER_VIEW pixels
// across (default 2400: a 19 MP panorama; 5600 gives views of 23.5 MP and a
// panorama of about 104 MP). The jobs are filled from the truth as
// alignment would; no alignment is timed.
//
// Every run is a process of its own, started through GNU time, so that its
// peak memory is its own: ours and OpenCV are this program started again
// with --child, which loads the views (not timed), times the render alone
// and writes the time back; enblend is timed as the whole process (it reads
// its layers and writes its result). Ours runs on one thread; OpenCV and
// enblend on one thread and on all. Counters:
//   peak_MB   the process's maximum resident set (GNU time);
//   idle_MB   the child's resident set before it loaded anything (its
//             libraries), so that peak - idle is what the work took;
//   bound_MB  the memory goal: the source photos with their pyramid layers
//             (4/3 of the pixels) plus 1.5 times the result bitmap;
//   cpu_ms    processor time per run, all threads: for ours and OpenCV of
//             the timed render, for enblend of its whole process (the wall
//             time counts the other programs of a loaded machine too);
//   result_MP the result bitmap, crop_MP ours after the crop.
// The host of ours is a lean one like the application's engine (plain heap
// memory, each fetch lends the held photo without copying it). enblend's threads wait
// passively (OMP_WAIT_POLICY): spinning, its all-thread runs stall for
// minutes on a shared machine. Repetitions: --benchmark_repetitions.
// The scene is made once per program run, in a temporary folder (kept, with
// each child's result as a PNG, when VELLUMAR_RENDER_DEBUG is set; the
// picture is made after the timing but inside the child, so such a run's
// peak memory does not count).
#include "OpenCvDetail.h"
#include "ProcessMemory.h"
#include "SyntheticViews.h"

#include "stitch/image/BitmapInfo.h"
#include "stitch/image/CImage.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/render/CStitchBlend.h"
#include "stitch/threads/StitchThreads.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
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
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

extern char** environ;

namespace {

constexpr int kViews = 6;
constexpr double kFovDegrees = 50;
constexpr double kOverlap = 0.25;

// The geometry, the same in the parent and in every child.
struct Geometry
{
    int width = 0, height = 0;
    double focal = 0;
    double spanDegrees = 0; // the row's whole angle

    Geometry()
    {
        const int w = qEnvironmentVariableIntValue("VELLUMAR_ROWRENDER_VIEW");
        width = w >= 64 ? w : 2400;
        height = width * 3 / 4;
        focal = width / 2.0 / std::tan(kFovDegrees / 2 * M_PI / 180);
        spanDegrees = kFovDegrees * (1 + (kViews - 1) * (1 - kOverlap));
    }
    // Views and cameras; the texture only matters for rendering, so a child
    // that only fills jobs passes a token image.
    std::unique_ptr<SyntheticViews> views(const QImage& photo) const
    {
        return std::make_unique<SyntheticViews>(photo, SyntheticViews::Surface::Cylinder, width, height, focal,
                                                1 / 1.5);
    }
    double sourceMB() const { return double(width) * height * 3 * kViews * 4 / 3 / (1024.0 * 1024.0); }
};

std::string viewPath(const std::string& folder, int i)
{
    return folder + "/view" + std::to_string(i) + ".tif";
}

// An RGB TIFF of a packed view (rows BGR, memory order, top first).
bool writeView(const std::string& path, const QByteArray& packed, int width, int height)
{
    TIFF* tiff = TIFFOpen(path.c_str(), "w");
    if (!tiff)
        return false;
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, uint32_t(width));
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, uint32_t(height));
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, uint16_t(3));
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, uint16_t(8));
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_NONE);
    TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, uint32_t(64));
    const qsizetype stride = (24 * width + 31) / 32 * 4;
    std::vector<unsigned char> row(size_t(width) * 3);
    bool ok = true;
    for (int y = 0; y < height && ok; ++y) {
        const unsigned char* from = reinterpret_cast<const unsigned char*>(packed.constData()) + 40 + y * stride;
        for (int x = 0; x < width; ++x) {
            row[3 * x] = from[3 * x + 2];
            row[3 * x + 1] = from[3 * x + 1];
            row[3 * x + 2] = from[3 * x];
        }
        ok = TIFFWriteScanline(tiff, row.data(), uint32_t(y), 0) == 1;
    }
    TIFFClose(tiff);
    return ok;
}

// Reads an RGB view row by row into BGR rows at `to(y)`, so that loading
// holds no second copy that could raise the peak.
template<typename RowOf>
bool readView(const std::string& path, int width, int height, RowOf to)
{
    TIFF* tiff = TIFFOpen(path.c_str(), "r");
    if (!tiff)
        return false;
    uint32_t w = 0, h = 0;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &w);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &h);
    bool ok = int(w) == width && int(h) == height;
    std::vector<unsigned char> row(size_t(width) * 3);
    for (int y = 0; y < height && ok; ++y) {
        ok = TIFFReadScanline(tiff, row.data(), uint32_t(y), 0) == 1;
        unsigned char* out = to(y);
        for (int x = 0; x < width && ok; ++x) {
            out[3 * x] = row[3 * x + 2];
            out[3 * x + 1] = row[3 * x + 1];
            out[3 * x + 2] = row[3 * x];
        }
    }
    TIFFClose(tiff);
    return ok;
}

// ---- the children -----------------------------------------------------

struct ChildResult
{
    double ms = 0;
    double cpuMs = 0; // the process's processor time over the same span
    long long width = 0, height = 0, cropWidth = 0, cropHeight = 0;
    long long idleKiB = 0;
};

double processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

bool writeResult(const char* path, const ChildResult& r)
{
    FILE* file = std::fopen(path, "w");
    if (!file)
        return false;
    std::fprintf(file, "%.3f %lld %lld %lld %lld %lld %.3f\n", r.ms, r.width, r.height, r.cropWidth, r.cropHeight,
                 r.idleKiB, r.cpuMs);
    return std::fclose(file) == 0;
}

// A host as the application's panorama engine is one: it holds the photos
// as packed bitmaps and lends them to the library without copying (the
// engine lends its cached photos the same way; the library only reads
// them), and gives the library plain heap memory (the test host's
// bookkeeping and filled blocks would be timed and counted as ours).
struct BenchHost
{
    QHash<QString, QByteArray> images;

    static void progress(int, bool*, void*) {}
    static int getImage(const QString* name, void** dib, void* user)
    {
        auto* host = static_cast<BenchHost*>(user);
        const auto it = host->images.find(*name);
        if (it == host->images.end())
            return -3;
        *dib = it->data(); // detached once, when filled: no copy here
        return 0;
    }
    // A lent photo stays with the host.
    static void deleteImage(void** dib, void*) { *dib = nullptr; }
    tagStitchCallbacks callbacks()
    {
        return tagStitchCallbacks{this, progress, getImage, deleteImage, nullptr,
                                  PSMemAlloc, PSMemLock, PSMemUnlock, PSMemFree};
    }
};

// A packed 24-bit bitmap of the view's size, its rows still to be filled.
QByteArray emptyPacked(int width, int height)
{
    const qsizetype stride = (24 * width + 31) / 32 * 4;
    QByteArray bytes(40 + stride * height, Qt::Uninitialized);
    tagBITMAPINFOHEADER header{};
    header.biSize = 40;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biSizeImage = std::uint32_t(stride * height);
    std::memcpy(bytes.data(), &header, 40);
    return bytes;
}

int childOurs(const std::string& folder, const char* resultPath)
{
    // One thread, as OpenCV's and enblend's one-thread runs: the library's
    // helpers stay idle.
    StitchThreads::SetLimit(1);
    ChildResult result;
    result.idleKiB = ProcessMemory::statusKiB("VmRSS:");
    const Geometry g;
    QImage token(8, 8, QImage::Format_RGB32);
    token.fill(Qt::gray);
    const std::unique_ptr<SyntheticViews> views = g.views(token);
    const QList<SyntheticViews::Camera> cameras = views->row(kViews, kOverlap);

    // The host holds the photos; the job's load builds their pyramids.
    BenchHost host;
    QStringList names;
    QList<tagPOINT> sizes;
    const qsizetype stride = (24 * g.width + 31) / 32 * 4;
    for (int i = 0; i < kViews; ++i) {
        QByteArray packed = emptyPacked(g.width, g.height);
        if (!readView(viewPath(folder, i), g.width, g.height,
                      [&](int y) { return reinterpret_cast<unsigned char*>(packed.data()) + 40 + y * stride; }))
            return 2;
        names << QStringLiteral("view%1").arg(i);
        sizes << tagPOINT{g.width, g.height};
        host.images.insert(names.last(), std::move(packed));
    }
    tagStitchCallbacks table = host.callbacks();
    CStitchOptions* job = PSCreateStitch(StitchStyleHorizontal, StitchOutputOriginal, StitchMethodCalibrated, &table);
    if (!job || PSLoadImages(job, kViews, names, sizes.data()) != 0)
        return 3;
    job->m_Matrix.m_Style = StitchStyleHorizontal;
    for (int i = 0; i < kViews; ++i)
        for (int v = 0; v < 768; ++v)
            job->m_Matrix.m_pElements[i].m_ColorTable[v] = static_cast<unsigned char>(v % 256);
    views->fillJob(job, cameras);

    const double cpuStart = processCpuMs();
    const auto start = std::chrono::steady_clock::now();
    int code = 0;
    {
        CStitchBlend blend(job, job->m_lWorkingLayer);
        code = blend.Run(false);
        result.width = blend.m_PanoramaRect.right - blend.m_PanoramaRect.left;
        result.height = blend.m_PanoramaRect.bottom - blend.m_PanoramaRect.top;
    }
    result.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    result.cpuMs = processCpuMs() - cpuStart;
    if (code != 0) {
        std::fprintf(stderr, "the render failed: %d\n", code);
        return 4;
    }
    result.cropWidth = job->m_CropRect.right - job->m_CropRect.left;
    result.cropHeight = job->m_CropRect.bottom - job->m_CropRect.top;
    if (qEnvironmentVariableIsSet("VELLUMAR_RENDER_DEBUG")) {
        CImage image;
        if (image.Attach(job->m_hResultDib) == 0 && image.Lock() == 0) {
            QImage picture(int(result.width), int(result.height), QImage::Format_RGB888);
            const unsigned char* bits = image.Bits();
            const qsizetype rowBytes = (24 * result.width + 31) / 32 * 4;
            for (int y = 0; y < picture.height(); ++y) {
                const unsigned char* from = bits + y * rowBytes;
                unsigned char* to = picture.scanLine(y);
                for (int x = 0; x < picture.width(); ++x) {
                    to[3 * x] = from[3 * x + 2];
                    to[3 * x + 1] = from[3 * x + 1];
                    to[3 * x + 2] = from[3 * x];
                }
            }
            image.Unlock();
            picture.scaledToWidth(2000, Qt::SmoothTransformation).save(QString::fromStdString(folder + "/ours.png"));
        }
        image.Detach();
    }
    PSReleaseStitch(job);
    return writeResult(resultPath, result) ? 0 : 5;
}

// The detail pipeline on the row, through the cylindrical warper.
cv::Mat openCvRow(const Geometry& g, const std::vector<cv::Mat>& mats, const QList<SyntheticViews::Camera>& cameras)
{
    cv::Mat result;
    OpenCvDetail::render<cv::detail::CylindricalWarper>(mats, cameras, g.focal, g.width, g.height, &result);
    return result;
}

int childOpenCv(const std::string& folder, int threads, const char* resultPath)
{
    ChildResult result;
    result.idleKiB = ProcessMemory::statusKiB("VmRSS:");
    cv::setNumThreads(threads);
    const Geometry g;
    QImage token(8, 8, QImage::Format_RGB32);
    token.fill(Qt::gray);
    const QList<SyntheticViews::Camera> cameras = g.views(token)->row(kViews, kOverlap);
    std::vector<cv::Mat> mats;
    for (int i = 0; i < kViews; ++i) {
        cv::Mat mat(g.height, g.width, CV_8UC3);
        if (!readView(viewPath(folder, i), g.width, g.height, [&](int y) { return mat.ptr(y); }))
            return 2;
        mats.push_back(mat);
    }
    const double cpuStart = processCpuMs();
    const auto start = std::chrono::steady_clock::now();
    cv::Mat pano;
    try {
        pano = openCvRow(g, mats, cameras);
    } catch (const cv::Exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 4;
    }
    result.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    result.cpuMs = processCpuMs() - cpuStart;
    result.width = pano.cols;
    result.height = pano.rows;
    if (qEnvironmentVariableIsSet("VELLUMAR_RENDER_DEBUG")) {
        cv::Mat small, bytes;
        cv::resize(pano, small, cv::Size(2000, int(2000.0 * pano.rows / pano.cols)), 0, 0, cv::INTER_AREA);
        small.convertTo(bytes, CV_8U);
        QImage picture(bytes.data, bytes.cols, bytes.rows, int(bytes.step), QImage::Format_BGR888);
        picture.save(QString::fromStdString(folder + "/opencv" + std::to_string(threads) + ".png"));
    }
    return writeResult(resultPath, result) ? 0 : 5;
}

// ---- the parent ---------------------------------------------------------

struct Scene
{
    std::unique_ptr<QTemporaryDir> dir;
    std::string folder;
    std::vector<std::string> layers; // nona's warped views
    QString error;
    double nonaSeconds = 0;
};

// Runs argv (argv[0] a path) with its output in `log`; the child's exit
// code, or -1. `environment` replaces the process's own when not empty.
int run(std::vector<std::string> arguments, const std::string& log, std::vector<std::string> environment = {},
        rusage* usage = nullptr)
{
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    if (environment.empty())
        for (char** e = environ; *e; ++e)
            environment.emplace_back(*e);
    std::vector<char*> envp;
    for (std::string& e : environment)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t child = 0;
    int status = 0;
    rusage ignored{};
    const bool ran = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0
        && wait4(child, &status, 0, usage ? usage : &ignored) == child;
    posix_spawn_file_actions_destroy(&actions);
    return ran && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

QByteArray tail(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll().right(400) : QByteArray("(no output)");
}

const Scene& scene()
{
    static Scene s;
    if (s.dir || !s.error.isEmpty())
        return s;
    const QString path = SyntheticViews::photoPath(QStringLiteral("Garden.jpg"));
    QImage photo(path);
    if (photo.isNull()) {
        s.error = QStringLiteral("mate-backgrounds is not installed");
        return s;
    }
    if (std::system("command -v nona enblend > /dev/null 2>&1") != 0 || !QFile::exists(QStringLiteral("/usr/bin/time"))) {
        s.error = QStringLiteral("nona (hugin-tools), enblend or GNU time is not installed");
        return s;
    }
    s.dir = std::make_unique<QTemporaryDir>();
    s.dir->setAutoRemove(!qEnvironmentVariableIsSet("VELLUMAR_RENDER_DEBUG"));
    s.folder = s.dir->path().toStdString();
    const Geometry g;
    // The views see the scene up to tan(elevation) = (h / 2) / f, that is
    // texels * h / 2 texture rows either side of the middle: scale the photo
    // so that its height covers that band.
    const double rows = g.height / 1.5 * 1.02;
    photo = photo.scaled(int(std::lround(photo.width() * rows / photo.height())), int(std::ceil(rows)),
                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    {
        const std::unique_ptr<SyntheticViews> views = g.views(photo);
        const QList<SyntheticViews::Camera> cameras = views->row(kViews, kOverlap);
        for (int i = 0; i < kViews; ++i)
            if (!writeView(viewPath(s.folder, i), views->render(cameras[i]), g.width, g.height)) {
                s.error = QStringLiteral("a view could not be written");
                return s;
            }
        // Hugin's project: a cylinder of the same radius (the focal length),
        // cropped layers; yaw to the right as the cameras turn.
        const long long panoWidth = std::llround(g.spanDegrees * M_PI / 180 * g.focal);
        QByteArray pto = QStringLiteral("p f1 w%1 h%2 v%3 n\"TIFF_m c:NONE r:CROP\"\nm i0\n")
                             .arg(panoWidth)
                             .arg(g.height + 2)
                             .arg(g.spanDegrees, 0, 'f', 6)
                             .toUtf8();
        for (int i = 0; i < kViews; ++i)
            pto += QStringLiteral("i w%1 h%2 f0 v%3 y%4 p0 r0 n\"%5\"\n")
                       .arg(g.width)
                       .arg(g.height)
                       .arg(kFovDegrees, 0, 'f', 6)
                       .arg(cameras[i].yaw * 180 / M_PI, 0, 'f', 6)
                       .arg(QString::fromStdString(viewPath(s.folder, i)))
                       .toUtf8();
        QFile file(QString::fromStdString(s.folder + "/row.pto"));
        if (!file.open(QIODevice::WriteOnly) || file.write(pto) != pto.size()) {
            s.error = QStringLiteral("the project could not be written");
            return s;
        }
    }
    const auto start = std::chrono::steady_clock::now();
    if (run({"/usr/bin/nona", "-m", "TIFF_m", "-o", s.folder + "/layer", s.folder + "/row.pto"}, s.folder + "/nona.txt")
        != 0) {
        s.error = QStringLiteral("nona failed: ") + QString::fromUtf8(tail(s.folder + "/nona.txt"));
        return s;
    }
    s.nonaSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    for (int i = 0; i < kViews; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/layer%04d.tif", i);
        s.layers.push_back(s.folder + name);
        if (!QFile::exists(QString::fromStdString(s.layers.back()))) {
            s.error = QStringLiteral("nona wrote no layer %1").arg(i);
            return s;
        }
    }
    return s;
}

std::string selfPath()
{
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, size_t(n)) : std::string();
}

// GNU time's report: maximum resident set (KiB).
long peakOf(const std::string& file)
{
    QFile peak(QString::fromStdString(file));
    return peak.open(QIODevice::ReadOnly) ? peak.readAll().trimmed().split('\n').last().toLong() : 0;
}

// Ours or OpenCV in a child process; the iteration time is the child's own
// timing of the render.
void inChild(benchmark::State& state, const char* kind)
{
    const Scene& s = scene();
    if (!s.error.isEmpty()) {
        state.SkipWithError(s.error.toStdString().c_str());
        return;
    }
    const Geometry g;
    const std::string peakFile = s.folder + "/peak.txt", resultFile = s.folder + "/result.txt",
                      log = s.folder + "/child.txt";
    ChildResult r;
    long peakKiB = 0;
    double cpu = 0;
    for (auto _ : state) {
        QFile::remove(QString::fromStdString(resultFile));
        const int code = run({"/usr/bin/time", "-f", "%M", "-o", peakFile, selfPath(), "--child", kind, s.folder,
                              std::to_string(state.range(0)), resultFile},
                             log);
        FILE* file = std::fopen(resultFile.c_str(), "r");
        const bool read = file
            && std::fscanf(file, "%lf %lld %lld %lld %lld %lld %lf", &r.ms, &r.width, &r.height, &r.cropWidth,
                           &r.cropHeight, &r.idleKiB, &r.cpuMs)
                == 7;
        if (file)
            std::fclose(file);
        if (code != 0 || !read) {
            state.SkipWithError((std::string(kind) + " failed: " + tail(log).toStdString()).c_str());
            return;
        }
        state.SetIterationTime(r.ms / 1000);
        cpu += r.cpuMs;
        peakKiB = std::max(peakKiB, peakOf(peakFile));
    }
    state.counters["cpu_ms"] = cpu / double(state.iterations());
    state.counters["peak_MB"] = double(peakKiB) / 1024;
    state.counters["idle_MB"] = double(r.idleKiB) / 1024;
    state.counters["bound_MB"] = g.sourceMB() + 1.5 * 3 * double(r.width) * double(r.height) / (1024.0 * 1024.0);
    state.counters["result_MP"] = double(r.width) * double(r.height) / 1e6;
    if (r.cropWidth > 0)
        state.counters["crop_MP"] = double(r.cropWidth) * double(r.cropHeight) / 1e6;
    state.counters["nona_s"] = s.nonaSeconds;
}

void BM_OursRow(benchmark::State& state)
{
    inChild(state, "ours");
}

void BM_OpenCvRow(benchmark::State& state)
{
    inChild(state, "opencv");
}

void BM_EnblendRow(benchmark::State& state)
{
    const Scene& s = scene();
    if (!s.error.isEmpty()) {
        state.SkipWithError(s.error.toStdString().c_str());
        return;
    }
    // Through GNU time, whose small process forks enblend: spawned straight
    // from this one it would report this process's resident set as its peak.
    const std::string peakFile = s.folder + "/peak.txt", log = s.folder + "/enblend.txt",
                      out = s.folder + "/enblend.tif";
    std::vector<std::string> arguments{"/usr/bin/time", "-f", "%M", "-o", peakFile, "/usr/bin/enblend", "-o", out};
    arguments.insert(arguments.end(), s.layers.begin(), s.layers.end());
    std::vector<std::string> environment;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "OMP_", 4) != 0)
            environment.emplace_back(*e);
    environment.push_back("OMP_NUM_THREADS=" + std::to_string(state.range(0)));
    // Waiting threads sleep: spinning ones (the default) stall enblend for
    // minutes on a machine whose cores other programs share.
    environment.push_back("OMP_WAIT_POLICY=passive");
    double cpu = 0;
    long peakKiB = 0;
    for (auto _ : state) {
        rusage usage{};
        const auto start = std::chrono::steady_clock::now();
        const int code = run(arguments, log, environment, &usage);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (code != 0) {
            state.SkipWithError(("enblend failed: " + tail(log).toStdString()).c_str());
            return;
        }
        cpu += double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
            + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        peakKiB = std::max(peakKiB, peakOf(peakFile));
    }
    state.counters["cpu_ms"] = cpu * 1000 / double(state.iterations());
    state.counters["peak_MB"] = double(peakKiB) / 1024;
    uint32_t w = 0, h = 0;
    if (TIFF* tiff = TIFFOpen(out.c_str(), "r")) {
        TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &w);
        TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &h);
        TIFFClose(tiff);
    }
    state.counters["result_MP"] = double(w) * h / 1e6;
}

} // namespace

const int kAllThreads = int(std::max(1u, std::thread::hardware_concurrency()));

// Iterations come from the command line (--benchmark_repetitions); one run
// each by default, as a 100 MP enblend run takes many minutes.
BENCHMARK(BM_OursRow)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_OpenCvRow)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_OpenCvRow)->Arg(kAllThreads)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_EnblendRow)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_EnblendRow)->Arg(kAllThreads)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

int main(int argc, char** argv)
{
    if (argc == 6 && std::strcmp(argv[1], "--child") == 0) {
        const std::string kind = argv[2];
        if (kind == "ours")
            return childOurs(argv[3], argv[5]);
        if (kind == "opencv")
            return childOpenCv(argv[3], std::atoi(argv[4]), argv[5]);
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
