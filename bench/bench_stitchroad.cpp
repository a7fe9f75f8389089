// The whole main road of the stitching library beside OpenCV 4.6's
// cv::Stitcher (panorama mode, SIFT features) and Hugin 2022's tools, on
// synthetic sets (bench/StitchRoadSets.h): a row of three, a ring of ten and
// a 3 x 3 tile, at about 2 MP and at 12 MP a view, loaded in shuffled order.
//
// Per set, one benchmark each:
//   OursAlign       load, order, align;
//   OursStitch      load to the result bitmap (the whole DEZeviDirevi);
//   OpenCVEstimate  estimateTransform;
//   OpenCVStitch    stitch;
//   Hugin           pto_gen (field of view 20 % under the truth, as ours
//                   starts without one), cpfind --multirow, cpclean,
//                   autooptimiser -a -m -l -s (their sum is the time), nona
//                   and, when VELLUMAR_STITCHROAD_ENBLEND is "small" (2 MP
//                   sets) or "all", enblend; each tool's seconds a counter.
// Times are per iteration; min_s and max_s give the range over iterations.
// Accuracy against the views' truth, over every neighbour pair, of the
// worst iteration (the peers' searches are random):
//   deg_worst  the worst pair rotation error, in degrees;
//   focal_pct  the focal length's error, in per cent;
//   rms_px     the RMS distance, in full-size pixels, between where the
//              estimated pair model and the true one put a grid of each
//              neighbour's points in the element; rms_best, the best
//              iteration's;
//   fails      iterations that found no panorama or lost a view;
//   order_ok   (ours) 1 when the order and grid came back true.
// VELLUMAR_STITCHROAD_ITERATIONS sets the iterations of every benchmark,
// VELLUMAR_STITCHROAD_VIEWS names a folder for the mosaics and views,
// reduced, to look at, VELLUMAR_STITCHROAD_PAIRS prints each pair's error.
// Ours runs its pure computation on the library's worker threads (one per
// core; VELLUMAR_STITCH_THREADS=1 keeps it on one thread); OpenCV and Hugin's
// tools on their own threads.
#include "StitchRoadScene.h"
#include "StitchRoadSets.h"
#include "StitchTestHost.h"

#include "stitch/align/CStitchAlign.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>

#include <benchmark/benchmark.h>

namespace {

using roadsets::Kind;
using roadsets::Set;
using Clock = std::chrono::steady_clock;

// One set in memory at a time: the 12 MP ring alone is 720 MB of views.
const Set& currentSet(Kind kind, bool large)
{
    static std::unique_ptr<Set> set;
    if (!set || set->kind != kind || set->large != large) {
        set.reset();
        set = roadsets::makeSet(kind, large);
    }
    return *set;
}

// Pair models as rotations taking the neighbour's camera rays (x right,
// y down the memory rows, z forward) into the element's, by view pair.
struct Estimate
{
    std::map<std::pair<int, int>, std::array<double, 9>> rotation;
    double focal = 0;
    // Where the pair model puts a neighbour's pixel in the element; when
    // unset, the rotation and focal length through a pinhole.
    std::function<std::vector<QPointF>(int element, int neighbour, const std::vector<QPointF>&)> reproject;
};

// The truth in the same terms: F G_e^T G_n F, G the library rotation of a
// camera and F = diag(1, 1, -1) (library rays look along -z).
std::array<double, 9> truePair(const SyntheticViews::Camera& e, const SyntheticViews::Camera& n)
{
    double ge[9], gn[9];
    SyntheticViews::libraryRotation(e, ge);
    SyntheticViews::libraryRotation(n, gn);
    std::array<double, 9> out;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            const double v = ge[r] * gn[c] + ge[3 + r] * gn[3 + c] + ge[6 + r] * gn[6 + c];
            out[size_t(3 * r + c)] = ((r == 2) != (c == 2)) ? -v : v;
        }
    return out;
}

QPointF pinhole(const Set& s, const std::array<double, 9>& m, double focal, QPointF p)
{
    const double cx = (s.width - 1) * 0.5, cy = (s.height - 1) * 0.5;
    const double v[3] = {p.x() - cx, p.y() - cy, focal};
    const double w[3] = {m[0] * v[0] + m[1] * v[1] + m[2] * v[2], m[3] * v[0] + m[4] * v[1] + m[5] * v[2],
                         m[6] * v[0] + m[7] * v[1] + m[8] * v[2]};
    return QPointF(w[0] / w[2] * focal + cx, w[1] / w[2] * focal + cy);
}

// The neighbour's grid points that land inside the element, with where they land.
void overlapGrid(const Set& s, int element, int neighbour, std::vector<QPointF>* from, std::vector<QPointF>* to)
{
    const int step = s.width / 50;
    for (int y = step / 2; y < s.height; y += step)
        for (int x = step / 2; x < s.width; x += step) {
            QPointF t;
            if (!s.views->map(s.cameras[neighbour], s.cameras[element], QPointF(x, y), &t) || t.x() < 0 || t.y() < 0
                || t.x() > s.width - 1 || t.y() > s.height - 1)
                continue;
            from->push_back(QPointF(x, y));
            to->push_back(t);
        }
}

struct Accuracy
{
    bool valid = false; // every pair had a model
    double degrees = 0; // the worst pair's rotation error
    double focalPct = 0;
    double rms = 0;
};

Accuracy measure(const Set& s, const Estimate& estimate)
{
    Accuracy out;
    double worst = 0, sum = 0;
    size_t points = 0;
    for (const QPair<int, int>& pair : s.pairs) {
        const auto found = estimate.rotation.find({pair.first, pair.second});
        if (found == estimate.rotation.end())
            return out;
        const std::array<double, 9> truth = truePair(s.cameras[pair.first], s.cameras[pair.second]);
        double trace = 0;
        for (size_t k = 0; k < 9; ++k)
            trace += found->second[k] * truth[k];
        const double degrees = std::acos(std::clamp((trace - 1) / 2, -1.0, 1.0)) * 180 / M_PI;
        worst = std::max(worst, degrees);
        if (qEnvironmentVariableIsSet("VELLUMAR_STITCHROAD_PAIRS"))
            std::fprintf(stderr, "pair %d-%d: %.4f degrees\n", pair.first, pair.second,
                         degrees);
        std::vector<QPointF> from, to;
        overlapGrid(s, pair.first, pair.second, &from, &to);
        std::vector<QPointF> estimated;
        if (estimate.reproject) {
            estimated = estimate.reproject(pair.first, pair.second, from);
        } else {
            for (const QPointF& p : from)
                estimated.push_back(pinhole(s, found->second, estimate.focal, p));
        }
        if (estimated.size() != from.size())
            return out;
        for (size_t i = 0; i < from.size(); ++i) {
            const QPointF d = estimated[i] - to[i];
            sum += d.x() * d.x() + d.y() * d.y();
        }
        points += from.size();
    }
    out.valid = points > 0;
    out.degrees = worst;
    out.focalPct = 100 * (estimate.focal - s.focal) / s.focal;
    out.rms = points ? std::sqrt(sum / double(points)) : -1;
    return out;
}

// Accuracy over iterations (the peers' searches are random): the counters
// deg_worst, focal_pct and rms_px are the worst iteration's (by RMS),
// rms_best the best one's; fails counts iterations that found no
// panorama or left a pair without a model.
struct Tally
{
    Accuracy worst;
    double bestRms = -1;
    int fails = 0;
    void add(const Accuracy& a)
    {
        if (!a.valid) {
            ++fails;
            return;
        }
        if (!worst.valid || a.rms > worst.rms)
            worst = a;
        bestRms = bestRms < 0 ? a.rms : std::min(bestRms, a.rms);
    }
    void report(benchmark::State& state) const
    {
        state.counters["fails"] = fails;
        if (!worst.valid)
            return;
        state.counters["deg_worst"] = worst.degrees;
        state.counters["focal_pct"] = worst.focalPct;
        state.counters["rms_px"] = worst.rms;
        state.counters["rms_best"] = bestRms;
    }
};

// Per-iteration wall times as the benchmark's manual time, with their range.
struct Timer
{
    double least = 1e300, most = 0;
    void record(benchmark::State& state, Clock::time_point start)
    {
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        least = std::min(least, seconds);
        most = std::max(most, seconds);
    }
    void report(benchmark::State& state) const
    {
        state.counters["min_s"] = least;
        state.counters["max_s"] = most;
    }
};

// OpenCV's matcher sets a pair's confidence to zero when over about nine in
// ten of its matches are inliers, as a guard against near-duplicate photos;
// clean synthetic views of a pure turn pass that mark (94 % on the row)
// and the Stitcher then finds no panorama, or finds one only for some load
// orders. This matcher keeps such pairs at the confidence they earned;
// everything else is the stock Stitcher's.
class KeepingMatcher : public cv::detail::BestOf2NearestMatcher
{
public:
    KeepingMatcher() : BestOf2NearestMatcher(false, 0.3f) {}

protected:
    void match(const cv::detail::ImageFeatures& a, const cv::detail::ImageFeatures& b,
               cv::detail::MatchesInfo& info) override
    {
        BestOf2NearestMatcher::match(a, b, info);
        if (info.confidence == 0 && info.num_inliers >= 6)
            info.confidence = info.num_inliers / (8 + 0.3 * double(info.matches.size()));
    }
};

cv::Ptr<cv::Stitcher> openCv()
{
    cv::Ptr<cv::Stitcher> stitcher = stitchroad::openCv();
    stitcher->setFeaturesMatcher(cv::makePtr<KeepingMatcher>());
    return stitcher;
}

tagStitchStyle styleOf(Kind kind)
{
    return kind == Kind::Row ? StitchStyleHorizontal : kind == Kind::Ring ? StitchStyle360 : StitchStyleTile;
}

// Ours, loaded in shuffled order; 0 or the failing step's code. `ordered`
// says whether the order and grid came back true.
int runOurs(const Set& s, StitchTestHost& host, bool render, Estimate* estimate, bool* ordered)
{
    const int n = s.count();
    QStringList names;
    QList<tagPOINT> sizes;
    for (int view : s.shuffle) {
        names << QStringLiteral("view%1").arg(view);
        sizes << tagPOINT{s.width, s.height};
        host.addImage(names.last(), s.packed[view]);
    }
    tagStitchCallbacks table = host.callbacks();
    CStitchOptions* job = PSCreateStitch(styleOf(s.kind), StitchOutputOriginal, StitchMethodCalibrated, &table);
    if (!job)
        return -2;
    int code = PSLoadImages(job, n, names, sizes.data());
    int cols = 0, rows = 0;
    QStringList order;
    if (code == 0)
        code = PSAutoOrder(job, order, &cols, &rows, true, 4, 4);
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
    if (code == 0) {
        // The view each grid cell shows, from the order's names.
        std::vector<int> view(size_t(n), -1);
        for (int i = 0; i < n && i < order.size(); ++i)
            view[size_t(i)] = order[i].mid(4).toInt();
        const int start = int(std::find(view.begin(), view.end(), 0) - view.begin());
        *ordered = cols == s.cols && rows == s.rows && order.size() == n;
        for (int i = 0; i < n && *ordered; ++i)
            *ordered = view[size_t(s.kind == Kind::Ring ? (start + i) % n : i)] == i;
        estimate->focal = job->m_dFocalLength;
        estimate->rotation.clear();
        const CStitchMatrix& grid = job->m_Matrix;
        auto keep = [&](int a, int b, const CStitchTransform& t) {
            if (a < 0 || b < 0)
                return;
            std::array<double, 9>& out = estimate->rotation[{a, b}];
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c)
                    out[size_t(3 * r + c)] = ((r == 2) != (c == 2)) ? -t.m_Matrix[3 * r + c] : t.m_Matrix[3 * r + c];
        };
        for (int r = 0; r < rows && *ordered; ++r)
            for (int c = 0; c < cols; ++c) {
                const CStitchElement* e = grid.GetElement(c, r);
                if (!e)
                    continue;
                if (c + 1 < cols || s.kind == Kind::Ring)
                    keep(view[size_t(r * cols + c)], view[size_t(r * cols + (c + 1) % cols)], e->m_RightTransform);
                if (r + 1 < rows)
                    keep(view[size_t(r * cols + c)], view[size_t((r + 1) * cols + c)], e->m_LowerTransform);
            }
    }
    PSReleaseStitch(job);
    return code;
}

void ours(benchmark::State& state, Kind kind, bool large, bool render)
{
    const Set& s = currentSet(kind, large);
    if (!s.views) {
        state.SkipWithError("the photographs are not installed");
        return;
    }
    bool ordered = true;
    Timer timer;
    Tally tally;
    for (auto _ : state) {
        StitchTestHost host;
        Estimate estimate;
        bool inOrder = false;
        const Clock::time_point start = Clock::now();
        const int code = runOurs(s, host, render, &estimate, &inOrder);
        timer.record(state, start);
        ordered = ordered && inOrder;
        tally.add(code == 0 && inOrder ? measure(s, estimate) : Accuracy());
    }
    timer.report(state);
    tally.report(state);
    state.counters["order_ok"] = ordered;
}

// OpenCV's cameras, at its registration scale, as pair models at full size.
// Its input is the views in load order.
bool openCvEstimate(const Set& s, const cv::Ptr<cv::Stitcher>& stitcher, Estimate* estimate)
{
    const std::vector<cv::detail::CameraParams> cameras = stitcher->cameras();
    const std::vector<int> used = stitcher->component();
    const int n = s.count();
    if (int(cameras.size()) != n || int(used.size()) != n)
        return false;
    const double workScale =
        std::min(1.0, std::sqrt(stitcher->registrationResol() * 1e6 / (double(s.width) * s.height)));
    double focal = 0;
    for (const cv::detail::CameraParams& camera : cameras)
        focal += camera.focal / workScale / n;
    estimate->focal = focal;
    std::vector<cv::Mat> rotation(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) {
        cv::Mat r;
        cameras[size_t(k)].R.convertTo(r, CV_64F);
        rotation[size_t(s.shuffle[used[size_t(k)]])] = r;
    }
    estimate->rotation.clear();
    for (const QPair<int, int>& pair : s.pairs) {
        const cv::Mat m = rotation[size_t(pair.first)].t() * rotation[size_t(pair.second)];
        std::array<double, 9>& out = estimate->rotation[{pair.first, pair.second}];
        for (int k = 0; k < 9; ++k)
            out[size_t(k)] = m.at<double>(k / 3, k % 3);
    }
    return true;
}

std::vector<cv::Mat> loadOrder(const Set& s)
{
    std::vector<cv::Mat> out;
    for (int view : s.shuffle)
        out.push_back(s.mats[size_t(view)]);
    return out;
}

void openCvEstimateBench(benchmark::State& state, Kind kind, bool large)
{
    const Set& s = currentSet(kind, large);
    if (!s.views) {
        state.SkipWithError("the photographs are not installed");
        return;
    }
    const std::vector<cv::Mat> input = loadOrder(s);
    Timer timer;
    Tally tally;
    for (auto _ : state) {
        cv::Ptr<cv::Stitcher> stitcher = openCv();
        const Clock::time_point start = Clock::now();
        const cv::Stitcher::Status status = stitcher->estimateTransform(input);
        timer.record(state, start);
        Estimate estimate;
        // Every view must be in the panorama for every pair to have a model.
        const bool found = status == cv::Stitcher::OK && openCvEstimate(s, stitcher, &estimate);
        tally.add(found ? measure(s, estimate) : Accuracy());
    }
    timer.report(state);
    tally.report(state);
}

void openCvStitchBench(benchmark::State& state, Kind kind, bool large)
{
    const Set& s = currentSet(kind, large);
    if (!s.views) {
        state.SkipWithError("the photographs are not installed");
        return;
    }
    const std::vector<cv::Mat> input = loadOrder(s);
    Timer timer;
    int fails = 0;
    for (auto _ : state) {
        cv::Mat panorama;
        const Clock::time_point start = Clock::now();
        cv::Stitcher::Status status = cv::Stitcher::ERR_CAMERA_PARAMS_ADJUST_FAIL;
        try {
            status = openCv()->stitch(input, panorama);
        } catch (const cv::Exception&) {
        }
        timer.record(state, start);
        fails += status != cv::Stitcher::OK;
        benchmark::DoNotOptimize(panorama.data);
    }
    timer.report(state);
    state.counters["fails"] = fails;
}

// Hugin's tools, run as programs in a scratch folder.
struct HuginRun
{
    QTemporaryDir folder;
    QString error;

    // Seconds the tool took, or a negative number (and error) on failure.
    double run(const QString& tool, const QStringList& arguments, const QByteArray& input = QByteArray(),
               QByteArray* output = nullptr)
    {
        QProcess process;
        process.setWorkingDirectory(folder.path());
        const Clock::time_point start = Clock::now();
        process.start(tool, arguments);
        if (!input.isEmpty() || output) {
            process.write(input);
            process.closeWriteChannel();
        }
        const bool finished = process.waitForFinished(-1);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            error = tool + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAllStandardError().right(400));
            return -1;
        }
        if (output)
            *output = process.readAllStandardOutput();
        return seconds;
    }

    // pano_trafo over points of one image: forward to the panorama, or back.
    std::vector<QPointF> trafo(const QString& project, int image, bool reverse, const std::vector<QPointF>& points)
    {
        QByteArray input;
        for (const QPointF& p : points)
            input += QByteArray::number(p.x(), 'f', 6) + ' ' + QByteArray::number(p.y(), 'f', 6) + '\n';
        QStringList arguments;
        if (reverse)
            arguments << QStringLiteral("-r");
        arguments << project << QString::number(image);
        QByteArray output;
        std::vector<QPointF> out;
        if (points.empty() || run(QStringLiteral("pano_trafo"), arguments, input, &output) < 0)
            return out;
        for (const QByteArray& line : output.split('\n')) {
            const QList<QByteArray> xy = line.simplified().split(' ');
            if (xy.size() == 2)
                out.push_back(QPointF(xy[0].toDouble(), xy[1].toDouble()));
        }
        return out;
    }
};

// Hugin's model of the optimised project: each camera's frame from the
// panorama directions of points about its centre (equirectangular, so
// directions follow from positions), the focal length from the field of
// view, pair maps through pano_trafo itself.
bool huginEstimate(const Set& s, HuginRun& hugin, const QString& optimised, Estimate* estimate)
{
    QFile file(optimised);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QString text = QString::fromUtf8(file.readAll());
    // The optimiser's field of view, of the first image (the others link to it).
    const QRegularExpressionMatch fov =
        QRegularExpression(QStringLiteral("^i .* v([-0-9.e]+)"), QRegularExpression::MultilineOption).match(text);
    if (!fov.hasMatch())
        return false;
    estimate->focal = s.width / 2.0 / std::tan(fov.captured(1).toDouble() * M_PI / 360);
    // A fine equirectangular panorama in place of the optimiser's choice.
    constexpr double kPanoW = 36000, kPanoH = 18000;
    text.replace(QRegularExpression(QStringLiteral("^p .*$"), QRegularExpression::MultilineOption),
                 QStringLiteral("p f2 w36000 h18000 v360 n\"TIFF_m\""));
    const QString project = hugin.folder.filePath(QStringLiteral("measure.pto"));
    QFile out(project);
    if (!out.open(QIODevice::WriteOnly) || out.write(text.toUtf8()) < 0)
        return false;
    out.close();

    const int n = s.count();
    std::vector<int> image(static_cast<size_t>(n), 0); // the project's image index of each view
    for (int k = 0; k < n; ++k)
        image[size_t(s.shuffle[k])] = k;
    auto direction = [&](QPointF p, double d[3]) {
        const double lon = (p.x() - (kPanoW - 1) / 2) * 2 * M_PI / kPanoW;
        const double lat = ((kPanoH - 1) / 2 - p.y()) * M_PI / kPanoH;
        // x right, y down, z ahead: the cameras' own axes.
        d[0] = std::cos(lat) * std::sin(lon), d[1] = -std::sin(lat), d[2] = std::cos(lat) * std::cos(lon);
    };
    std::vector<std::array<double, 9>> frame(static_cast<size_t>(n)); // columns: right, down, ahead
    const double cx = (s.width - 1) / 2.0, cy = (s.height - 1) / 2.0, step = s.width / 20.0;
    for (int v = 0; v < n; ++v) {
        const std::vector<QPointF> pano = hugin.trafo(
            project, image[size_t(v)], false,
            {QPointF(cx, cy), QPointF(cx + step, cy), QPointF(cx - step, cy), QPointF(cx, cy + step),
             QPointF(cx, cy - step)});
        if (pano.size() != 5)
            return false;
        double d[5][3];
        for (int i = 0; i < 5; ++i)
            direction(pano[size_t(i)], d[i]);
        double axes[3][3];
        for (int k = 0; k < 3; ++k) {
            axes[2][k] = d[0][k];
            axes[0][k] = d[1][k] - d[2][k];
            axes[1][k] = d[3][k] - d[4][k];
        }
        // Gram-Schmidt from the viewing direction, then right, then down.
        auto dot = [](const double* a, const double* b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; };
        auto remove = [&](double* a, const double* b) {
            const double p = dot(a, b);
            for (int k = 0; k < 3; ++k)
                a[k] -= p * b[k];
        };
        auto normalise = [&](double* a) {
            const double norm = std::sqrt(dot(a, a));
            for (int k = 0; k < 3; ++k)
                a[k] /= norm;
        };
        normalise(axes[2]);
        remove(axes[0], axes[2]);
        normalise(axes[0]);
        remove(axes[1], axes[2]);
        remove(axes[1], axes[0]);
        normalise(axes[1]);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                frame[size_t(v)][size_t(3 * r + c)] = axes[c][r];
    }
    estimate->rotation.clear();
    for (const QPair<int, int>& pair : s.pairs) {
        std::array<double, 9>& m = estimate->rotation[{pair.first, pair.second}];
        const std::array<double, 9>& a = frame[size_t(pair.first)];
        const std::array<double, 9>& b = frame[size_t(pair.second)];
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                m[size_t(3 * r + c)] = a[size_t(r)] * b[size_t(c)] + a[size_t(3 + r)] * b[size_t(3 + c)]
                    + a[size_t(6 + r)] * b[size_t(6 + c)];
    }
    estimate->reproject = [&hugin, project, image](int element, int neighbour, const std::vector<QPointF>& points) {
        return hugin.trafo(project, image[size_t(element)], true,
                           hugin.trafo(project, image[size_t(neighbour)], false, points));
    };
    return true;
}

void huginBench(benchmark::State& state, Kind kind, bool large)
{
    const Set& s = currentSet(kind, large);
    if (!s.views) {
        state.SkipWithError("the photographs are not installed");
        return;
    }
    for (const char* tool : {"pto_gen", "cpfind", "cpclean", "autooptimiser", "nona", "pano_trafo", "enblend"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            state.SkipWithError("hugin-tools or enblend not installed");
            return;
        }
    const QByteArray enblendWhen = qgetenv("VELLUMAR_STITCHROAD_ENBLEND");
    const bool blend = enblendWhen == "all" || (enblendWhen == "small" && !large);
    HuginRun hugin;
    QStringList files;
    for (int k = 0; k < s.count(); ++k) {
        files << hugin.folder.filePath(QStringLiteral("view%1.tif").arg(s.shuffle[k]));
        if (!s.image(s.shuffle[k]).save(files.last())) {
            state.SkipWithError("could not write the views");
            return;
        }
    }
    const QString fov = QString::number(0.8 * s.fieldOfView(), 'f', 3);
    const QString project = QStringLiteral("p.pto");
    // Each tool's seconds summed over iterations, and the steps in order.
    std::map<std::string, double> seconds;
    const std::vector<std::pair<const char*, QStringList>> steps = {
        {"pto_gen", QStringList{QStringLiteral("-f"), fov, QStringLiteral("-o"), project} + files},
        {"cpfind", {QStringLiteral("--multirow"), QStringLiteral("-o"), project, project}},
        {"cpclean", {QStringLiteral("-o"), project, project}},
        {"autooptimiser",
         {QStringLiteral("-a"), QStringLiteral("-m"), QStringLiteral("-l"), QStringLiteral("-s"), QStringLiteral("-o"),
          project, project}},
        {"nona", {QStringLiteral("-m"), QStringLiteral("TIFF_m"), QStringLiteral("-o"), QStringLiteral("out"), project}},
    };
    Timer timer;
    Tally tally;
    QString lastError;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        bool ok = true;
        for (const auto& [tool, arguments] : steps) {
            if (std::strcmp(tool, "nona") == 0)
                timer.record(state, start); // alignment ends with the optimiser
            const double taken = ok ? hugin.run(QString::fromLatin1(tool), arguments) : -1;
            ok = ok && taken >= 0;
            if (ok)
                seconds[std::string(tool) + "_s"] += taken;
        }
        if (ok && blend) {
            const QStringList layers =
                QDir(hugin.folder.path()).entryList({QStringLiteral("out*.tif")}, QDir::Files, QDir::Name);
            const double taken =
                hugin.run(QStringLiteral("enblend"), QStringList{QStringLiteral("-o"), QStringLiteral("pano.tif")} + layers);
            ok = taken >= 0;
            seconds["enblend_s"] += std::max(taken, 0.0);
        }
        if (!ok)
            lastError = hugin.error;
        Estimate estimate;
        tally.add(ok && huginEstimate(s, hugin, hugin.folder.filePath(project), &estimate) ? measure(s, estimate)
                                                                                            : Accuracy());
    }
    timer.report(state);
    tally.report(state);
    // Per tool, the mean over iterations.
    for (const auto& [name, value] : seconds)
        state.counters[name] = value / double(state.iterations());
    if (!lastError.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(lastError));
}

void registerAll()
{
    const QByteArray iterations = qgetenv("VELLUMAR_STITCHROAD_ITERATIONS");
    for (bool large : {false, true})
        for (Kind kind : {Kind::Row, Kind::Ring, Kind::Tile}) {
            const QString prefix = QStringLiteral("%1/%2/")
                                       .arg(kind == Kind::Row ? "row" : kind == Kind::Ring ? "ring" : "tile",
                                            large ? "12MP" : "2MP");
            const int runs = iterations.isEmpty() ? (large ? 2 : 3) : iterations.toInt();
            auto add = [&](const char* what, auto function) {
                benchmark::RegisterBenchmark(QString(prefix + QLatin1String(what)).toStdString().c_str(), function, kind, large)
                    ->Unit(benchmark::kMillisecond)
                    ->UseManualTime()
                    ->Iterations(runs);
            };
            add("OursAlign", [](benchmark::State& state, Kind k, bool l) { ours(state, k, l, false); });
            add("OursStitch", [](benchmark::State& state, Kind k, bool l) { ours(state, k, l, true); });
            add("OpenCVEstimate", openCvEstimateBench);
            add("OpenCVStitch", openCvStitchBench);
            // Hugin's alignment takes a minute or more a set: twice on the
            // small sets (cpfind's search is random), once on the large.
            benchmark::RegisterBenchmark(QString(prefix + QLatin1String("Hugin")).toStdString().c_str(), huginBench, kind, large)
                ->Unit(benchmark::kMillisecond)
                ->UseManualTime()
                ->Iterations(iterations.isEmpty() ? (large ? 1 : 2) : iterations.toInt());
        }
}

} // namespace

int main(int argc, char** argv)
{
    registerAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
