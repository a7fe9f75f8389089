// SIFT of the stitching library beside OpenCV 4.6's cv::SIFT, both on one
// thread, on 1 MP and 4 MP crops of a real photograph (VELLUMAR_BENCH_PHOTO,
// else the wood-grain photo of Debian's mate-backgrounds):
// - detection (grey image, scale space, keypoints, descriptors);
// - matching of the crop against a second crop shifted by (48, 32), ours
//   against OpenCV's brute-force matcher with the same 0.6 ratio test.
// Before the timings, the program prints the correct pairs (within 2 pixels
// of the true map) on the synthetic view pairs of the tests: our output and
// OpenCV's detector with ratio 0.6 and its affine RANSAC, then our ratio-test
// pairs through that same RANSAC, and the ratio-test pairs of both.
#include "SiftViews.h"

#include "stitch/sift/APMK.h"
#include "stitch/sift/SIFTMatching.h"
#include "stitch/sift/SIFTObject.h"

#include <QImage>

#include <opencv2/calib3d.hpp>
#include <opencv2/core.hpp>
#include <opencv2/features2d.hpp>
#include <opencv2/imgproc.hpp>

#include <cstdio>
#include <memory>

#include <benchmark/benchmark.h>

namespace {

struct Release
{
    void operator()(SIFTObject* object) const { APMK_ReleaseObject(&object); }
};
using Sift = std::unique_ptr<SIFTObject, Release>;

void quiet(int, bool*, void*) {}

QImage& photo()
{
    static QImage image = [] {
        QString path = qEnvironmentVariable("VELLUMAR_BENCH_PHOTO");
        if (path.isEmpty())
            path = QStringLiteral("/usr/share/backgrounds/mate/nature/Wood.jpg");
        QImage loaded(path);
        if (loaded.isNull()) {
            std::fprintf(stderr, "photo %s not found (apt-get install mate-backgrounds)\n", qPrintable(path));
            std::exit(1);
        }
        std::fprintf(stderr, "photo: %s (%d x %d)\n", qPrintable(path), loaded.width(), loaded.height());
        return loaded.convertToFormat(QImage::Format_BGR888);
    }();
    return image;
}

// A crop of about 1 or 4 megapixels, optionally shifted by (48, 32).
struct Crop
{
    QImage bgr;
    cv::Mat grey;

    Crop(int megapixels, bool shifted)
    {
        const int w = megapixels == 1 ? 1155 : 2310, h = megapixels == 1 ? 866 : 1732;
        bgr = photo().copy(shifted ? 48 : 0, shifted ? 32 : 0, w, h);
        const cv::Mat colour(h, w, CV_8UC3, bgr.bits(), size_t(bgr.bytesPerLine()));
        cv::cvtColor(colour, grey, cv::COLOR_BGR2GRAY);
    }

    _tagPixelArray pixels() const { return {0, bgr.width(), bgr.height(), int(bgr.bytesPerLine()), bgr.constBits()}; }
};

Crop& crop(int megapixels, bool shifted)
{
    static Crop one(1, false), oneShifted(1, true), four(4, false), fourShifted(4, true);
    if (megapixels == 1)
        return shifted ? oneShifted : one;
    return shifted ? fourShifted : four;
}

Sift detectOurs(const _tagPixelArray& pixels)
{
    Sift object(APMK_CreateObject(&pixels));
    APMK_SIFTDetecting(object.get(), 0, 100, nullptr, quiet);
    return object;
}

struct OpenCvFeatures
{
    std::vector<cv::KeyPoint> keypoints;
    cv::Mat descriptors;
};

OpenCvFeatures detectOpenCv(const cv::Mat& grey)
{
    OpenCvFeatures f;
    cv::SIFT::create()->detectAndCompute(grey, cv::noArray(), f.keypoints, f.descriptors);
    return f;
}

std::vector<cv::DMatch> ratioMatches(const OpenCvFeatures& a, const OpenCvFeatures& b)
{
    std::vector<std::vector<cv::DMatch>> knn;
    cv::BFMatcher(cv::NORM_L2).knnMatch(a.descriptors, b.descriptors, knn, 2);
    std::vector<cv::DMatch> good;
    for (const auto& m : knn)
        if (m.size() == 2 && m[0].distance < 0.6f * m[1].distance)
            good.push_back(m[0]);
    return good;
}

void BM_SiftDetect(benchmark::State& state)
{
    const Crop& c = crop(int(state.range(0)), false);
    size_t features = 0;
    for (auto _ : state)
        features = detectOurs(c.pixels())->Features().size();
    state.counters["keypoints"] = double(features);
}
BENCHMARK(BM_SiftDetect)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenCvSiftDetect(benchmark::State& state)
{
    const Crop& c = crop(int(state.range(0)), false);
    size_t features = 0;
    for (auto _ : state)
        features = detectOpenCv(c.grey).keypoints.size();
    state.counters["keypoints"] = double(features);
}
BENCHMARK(BM_OpenCvSiftDetect)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SiftMatch(benchmark::State& state)
{
    const int mp = int(state.range(0));
    Sift a = detectOurs(crop(mp, false).pixels());
    Sift b = detectOurs(crop(mp, true).pixels());
    std::vector<tagSIFTPOINT> out;
    int pairs = 0;
    for (auto _ : state)
        pairs = SIFTMatching(a.get(), b.get(), &out);
    state.counters["keypoints"] = double(a->Features().size() + b->Features().size()) / 2;
    state.counters["pairs"] = pairs;
}
BENCHMARK(BM_SiftMatch)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenCvBruteForceMatch(benchmark::State& state)
{
    const int mp = int(state.range(0));
    const OpenCvFeatures a = detectOpenCv(crop(mp, false).grey);
    const OpenCvFeatures b = detectOpenCv(crop(mp, true).grey);
    size_t pairs = 0;
    for (auto _ : state)
        pairs = ratioMatches(a, b).size();
    state.counters["keypoints"] = double(a.keypoints.size() + b.keypoints.size()) / 2;
    state.counters["pairs"] = double(pairs);
}
BENCHMARK(BM_OpenCvBruteForceMatch)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->UseRealTime();

// The correct-pair comparison on the synthetic pairs of the tests.
void compareCorrectPairs()
{
    struct Row
    {
        const char* name;
        double degrees, scale, sx, sy, gain, noise;
    };
    const Row rows[] = {
        {"roll 3", 3, 1, 0, 0, 1, 0},
        {"roll -7", -7, 1, 0, 0, 1, 0},
        {"scale 0.7", 0, 0.7, 0, 0, 1, 0},
        {"scale 1.4", 0, 1.4, 0, 0, 1, 0},
        {"roll 5, scale 1.2, shift", 5, 1.2, 40, -25, 1, 0},
        {"hard: roll -6, scale 0.8, darker, noise", -6, 0.8, -30, 20, 0.7, 8},
        {"hard: roll 8, scale 1.3, brighter, noise", 8, 1.3, 25, 15, 1.2, 6},
    };
    const SiftViews views;
    const ViewMap source = ViewMap::shift(-600, -700);
    std::printf("correct pairs (within 2 px) on 320 x 240 synthetic pairs, correct/all\n");
    for (const Row& r : rows) {
        const ViewMap map = ViewMap::turn(r.degrees, r.scale, 159.5, 119.5, r.sx, r.sy);
        const SiftPicture first = views.render(320, 240, source);
        const SiftPicture second = views.render(320, 240, source.then(map), r.gain, r.noise);
        auto within = [&](double xa, double ya, double xb, double yb) {
            double u, v;
            map.apply(xa, ya, u, v);
            return std::hypot(u - xb, v - yb) <= 2;
        };
        Sift a = detectOurs({0, first.width, first.height, first.stride(), first.bytes.data()});
        Sift b = detectOurs({0, second.width, second.height, second.stride(), second.bytes.data()});
        std::vector<tagSIFTPOINT> out;
        const int pairs = SIFTMatching(a.get(), b.get(), &out);
        int ours = 0;
        for (size_t i = 0; i + 1 < out.size(); i += 2)
            ours += within(out[i].x, out[i].y, out[i + 1].x, out[i + 1].y);
        // Before the Hough step, which trims the pairs to its peak cell or,
        // when that holds fewer, to 41.
        const std::vector<KeypointMatch> candidates = SiftNearestNeighbours(a.get(), b.get());
        int oursCandidates = 0;
        for (const KeypointMatch& m : candidates)
            oursCandidates += within(m.first->x, m.first->y, m.second->x, m.second->y);

        auto grey = [](const SiftPicture& p) {
            cv::Mat m(p.height, p.width, CV_8UC1);
            for (int y = 0; y < p.height; ++y)
                for (int x = 0; x < p.width; ++x)
                    m.at<uchar>(y, x) = p.bytes[(size_t(y) * p.width + x) * 3];
            return m;
        };
        const OpenCvFeatures fa = detectOpenCv(grey(first)), fb = detectOpenCv(grey(second));
        const std::vector<cv::DMatch> good = ratioMatches(fa, fb);
        std::vector<cv::Point2f> pa, pb;
        for (const cv::DMatch& m : good) {
            pa.push_back(fa.keypoints[size_t(m.queryIdx)].pt);
            pb.push_back(fb.keypoints[size_t(m.trainIdx)].pt);
        }
        // OpenCV's RANSAC over ratio-test pairs: correct inliers and all inliers.
        auto consensus = [&](const std::vector<cv::Point2f>& from, const std::vector<cv::Point2f>& to,
                             int& correct, int& inliers) {
            correct = inliers = 0;
            if (from.size() < 3)
                return;
            std::vector<uchar> mask;
            cv::estimateAffine2D(from, to, mask, cv::RANSAC);
            for (size_t i = 0; i < mask.size(); ++i) {
                if (!mask[i])
                    continue;
                ++inliers;
                correct += within(from[i].x, from[i].y, to[i].x, to[i].y);
            }
        };
        int theirs, inliers;
        consensus(pa, pb, theirs, inliers);
        // Our ratio-test pairs through the same RANSAC: the detectors compared
        // on equal terms.
        std::vector<cv::Point2f> qa, qb;
        for (const KeypointMatch& m : candidates) {
            qa.emplace_back(m.first->x, m.first->y);
            qb.emplace_back(m.second->x, m.second->y);
        }
        int oursConsensus, oursInliers;
        consensus(qa, qb, oursConsensus, oursInliers);
        int theirCandidates = 0;
        for (size_t i = 0; i < pa.size(); ++i)
            theirCandidates += within(pa[i].x, pa[i].y, pb[i].x, pb[i].y);
        auto share = [](int a, int b) { return b > 0 ? 100.0 * a / b : 0.0; };
        std::printf("  %-42s output: ours %3d/%3d, OpenCV %3d/%3d (%.0f%%);"
                    " ratio 0.6 + OpenCV RANSAC: ours %3d/%3d (%.0f%%);"
                    " ratio-test pairs: ours %3d/%3zu, OpenCV %3d/%3zu (%.0f%%)\n",
                    r.name, ours, pairs, theirs, inliers, share(ours, theirs), oursConsensus, oursInliers,
                    share(oursConsensus, theirs), oursCandidates, candidates.size(), theirCandidates, pa.size(),
                    share(oursCandidates, theirCandidates));
    }
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    cv::setNumThreads(1);
    compareCorrectPairs();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
