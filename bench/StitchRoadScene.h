#pragma once
// The scene bench_panoramaengine stitches: a row of three synthetic views
// (1600 x 1200, about 2 MP each, 60 degrees across, 40 % overlap) of the
// mate-backgrounds photograph on a cylinder, as packed bitmaps for the
// library and as BGR matrices for OpenCV's Stitcher; and that peer, which
// bench_stitchroad shares. Larger sets: StitchRoadSets.h.
#include "SyntheticViews.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <opencv2/core.hpp>
#include <opencv2/features2d.hpp>
#include <opencv2/stitching.hpp>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace stitchroad {

constexpr int kWidth = 1600;
constexpr int kHeight = 1200;
constexpr int kViews = 3;

struct Scene
{
    std::unique_ptr<SyntheticViews> views;
    QList<SyntheticViews::Camera> cameras;
    QList<QByteArray> packed; // the views as the library gets them
    std::vector<cv::Mat> mats; // the same pixels, rows in memory order, BGR
    double focal = 0;

    // View i as an image over the matrix's pixels (valid while the scene is).
    QImage image(int i) const
    {
        const cv::Mat& mat = mats[size_t(i)];
        return QImage(mat.data, kWidth, kHeight, int(mat.step), QImage::Format_BGR888);
    }
};

// Made once per program; without the photograph, views is null.
inline const Scene& scene()
{
    static const Scene s = [] {
        Scene out;
        QImage photo(SyntheticViews::photoPath());
        if (photo.isNull())
            return out;
        // The photograph (2560 pixels wide) would wrap round under more 2 MP
        // views and repeat itself; magnified the most the views allow, it
        // covers a row of three once.
        out.focal = kWidth / 2.0 / std::tan(30 * M_PI / 180);
        out.views = std::make_unique<SyntheticViews>(photo, SyntheticViews::Surface::Cylinder, kWidth, kHeight, out.focal,
                                                     1 / 1.5);
        out.cameras = out.views->row(kViews, 0.4);
        const int stride = (24 * kWidth + 31) / 32 * 4;
        for (const SyntheticViews::Camera& camera : out.cameras) {
            out.packed << out.views->render(camera);
            cv::Mat mat(kHeight, kWidth, CV_8UC3);
            for (int y = 0; y < kHeight; ++y)
                std::memcpy(mat.ptr(y), out.packed.last().constData() + 40 + qsizetype(y) * stride, size_t(3 * kWidth));
            out.mats.push_back(mat);
        }
        return out;
    }();
    return s;
}

// The peer: OpenCV's Stitcher in panorama mode with SIFT features.
inline cv::Ptr<cv::Stitcher> openCv()
{
    cv::Ptr<cv::Stitcher> stitcher = cv::Stitcher::create(cv::Stitcher::PANORAMA);
    stitcher->setFeaturesFinder(cv::SIFT::create());
    return stitcher;
}

} // namespace stitchroad
