#pragma once

// OpenCV 4.6's detail pipeline as its stitching sample and Stitcher run it
// after registration, on views whose cameras are known: exposure and seams
// on views scaled to 0.1 MP, the compose at full size. Shared by the render
// benchmarks, which compare our blend driver with it.

#include "SyntheticViews.h"

#include <QList>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#include <opencv2/stitching/detail/blenders.hpp>
#include <opencv2/stitching/detail/exposure_compensate.hpp>
#include <opencv2/stitching/detail/seam_finders.hpp>
#include <opencv2/stitching/detail/util.hpp>
#include <opencv2/stitching/detail/warpers.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

namespace OpenCvDetail {

// OpenCV's rotation of a view: camera rays (x right, y down, z forward) into
// a world whose z is the library world's -z, so the first view looks along
// +z and the spherical warper's seam (behind it) stays out of the grid.
inline cv::Mat rotation(const SyntheticViews::Camera& camera)
{
    double g[9];
    SyntheticViews::libraryRotation(camera, g);
    cv::Mat r(3, 3, CV_32F);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r.at<float>(i, j) = float(((i == 2) != (j == 2)) ? -g[3 * i + j] : g[3 * i + j]);
    return r;
}

// The camera matrix of a view of width x height pixels, scaled by `scale`.
inline cv::Mat intrinsics(double focal, int width, int height, double scale)
{
    cv::Mat k = cv::Mat::eye(3, 3, CV_32F);
    k.at<float>(0, 0) = k.at<float>(1, 1) = float(focal * scale);
    k.at<float>(0, 2) = float((width - 1) * 0.5 * scale);
    k.at<float>(1, 2) = float((height - 1) * 0.5 * scale);
    return k;
}

// Renders the views (all width x height, focal length in pixels) through
// Warper (cv::detail::CylindricalWarper or SphericalWarper) into *result;
// returns the panorama's area in pixels.
template <class Warper>
double render(const std::vector<cv::Mat>& mats, const QList<SyntheticViews::Camera>& cameras, double focal, int width,
              int height, cv::Mat* result)
{
    namespace d = cv::detail;
    const size_t n = mats.size();
    const double seamScale = std::min(1.0, std::sqrt(0.1e6 / (double(width) * height)));
    std::vector<cv::Mat> rotations;
    for (const SyntheticViews::Camera& camera : cameras)
        rotations.push_back(rotation(camera));

    std::vector<cv::Point> corners(n);
    std::vector<cv::UMat> images(n), masks(n), floats(n);
    {
        Warper warper {float(focal * seamScale)};
        const cv::Mat k = intrinsics(focal, width, height, seamScale);
        for (size_t i = 0; i < n; ++i) {
            cv::Mat scaled;
            cv::resize(mats[i], scaled, cv::Size(), seamScale, seamScale, cv::INTER_LINEAR_EXACT);
            corners[i] = warper.warp(scaled, k, rotations[i], cv::INTER_LINEAR, cv::BORDER_REFLECT, images[i]);
            cv::Mat full(scaled.size(), CV_8U, cv::Scalar(255));
            warper.warp(full, k, rotations[i], cv::INTER_NEAREST, cv::BORDER_CONSTANT, masks[i]);
            images[i].convertTo(floats[i], CV_32F);
        }
    }
    d::BlocksGainCompensator compensator;
    std::vector<std::pair<cv::UMat, uchar>> exposureMasks;
    for (const cv::UMat& mask : masks)
        exposureMasks.emplace_back(mask, 255);
    compensator.feed(corners, images, exposureMasks);
    d::GraphCutSeamFinder seams(d::GraphCutSeamFinderBase::COST_COLOR);
    seams.find(floats, corners, masks);
    floats.clear();
    images.clear();

    Warper warper {float(focal)};
    const cv::Mat k = intrinsics(focal, width, height, 1.0);
    std::vector<cv::Point> fullCorners(n);
    std::vector<cv::Size> sizes(n);
    for (size_t i = 0; i < n; ++i) {
        const cv::Rect roi = warper.warpRoi(mats[i].size(), k, rotations[i]);
        fullCorners[i] = roi.tl();
        sizes[i] = roi.size();
    }
    const cv::Rect roi = d::resultRoi(fullCorners, sizes);
    const float blendWidth = std::sqrt(float(roi.area())) * 5 / 100.f;
    d::MultiBandBlender blender(false, int(std::ceil(std::log(blendWidth) / std::log(2.))) - 1);
    blender.prepare(roi);
    for (size_t i = 0; i < n; ++i) {
        cv::Mat warped, warpedMask;
        warper.warp(mats[i], k, rotations[i], cv::INTER_LINEAR, cv::BORDER_REFLECT, warped);
        cv::Mat full(mats[i].size(), CV_8U, cv::Scalar(255));
        warper.warp(full, k, rotations[i], cv::INTER_NEAREST, cv::BORDER_CONSTANT, warpedMask);
        full.release();
        compensator.apply(int(i), fullCorners[i], warped, warpedMask);
        cv::Mat seamMask, dilated;
        cv::dilate(masks[i], dilated, cv::Mat());
        cv::resize(dilated, seamMask, warpedMask.size(), 0, 0, cv::INTER_LINEAR_EXACT);
        warpedMask = seamMask & warpedMask;
        cv::Mat wide;
        warped.convertTo(wide, CV_16S);
        warped.release();
        blender.feed(wide, warpedMask, fullCorners[i]);
    }
    cv::Mat resultMask;
    blender.blend(*result, resultMask);
    return double(roi.area());
}

} // namespace OpenCvDetail
