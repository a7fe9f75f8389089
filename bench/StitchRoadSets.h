#pragma once
// The view sets the whole-road benchmark stitches: a row of three and a
// full ring of ten views 60 degrees across on a cylinder, and a 3 x 3 tile
// of 40-degree views on a sphere (the outer rows stay alike), each at
// about 2 MP (1600 x 1200) and at 12 MP (4000 x 3000). The scene is a
// mosaic of photographs sized so that one view pixel spans one mosaic
// pixel at the view's centre: nothing repeats and nothing is magnified.
#include "MosaicTexture.h"
#include "SyntheticViews.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPair>
#include <QString>

#include <opencv2/core.hpp>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <future>
#include <memory>
#include <vector>

namespace roadsets {

enum class Kind { Row, Ring, Tile };

struct Set
{
    Kind kind = Kind::Row;
    bool large = false;
    int width = 0;
    int height = 0;
    double focal = 0;
    int cols = 0;
    int rows = 0;
    QList<int> shuffle; // load index i holds view shuffle[i]
    std::unique_ptr<SyntheticViews> views;
    QList<SyntheticViews::Camera> cameras;
    QList<QByteArray> packed; // view i as the library gets it
    std::vector<cv::Mat> mats; // the same pixels, rows in memory order, BGR
    // Each true neighbour pair: (view, its right or lower neighbour).
    QList<QPair<int, int>> pairs;
    QSize texture;

    int count() const { return cols * rows; }
    double fieldOfView() const { return 2 * std::atan(width / 2.0 / focal) * 180 / M_PI; }
    QString name() const
    {
        return QStringLiteral("%1/%2")
            .arg(kind == Kind::Row ? "row" : kind == Kind::Ring ? "ring" : "tile", large ? "12MP" : "2MP");
    }
    // View i as an image over the matrix's pixels (valid while the set is).
    QImage image(int i) const
    {
        const cv::Mat& mat = mats[size_t(i)];
        return QImage(mat.data, width, height, int(mat.step), QImage::Format_BGR888);
    }
};

// The scene direction a view pixel sees: the library rotation turned back
// into the scene's frame (y up, looking along +z).
inline void sceneRay(const SyntheticViews::Camera& camera, double focal, int width, int height, double x, double y,
                     double d[3])
{
    double g[9];
    SyntheticViews::libraryRotation(camera, g);
    const double v[3] = {x - (width - 1) / 2.0, y - (height - 1) / 2.0, -focal};
    for (int r = 0; r < 3; ++r)
        d[r] = (r == 0 ? 1 : -1) * (g[3 * r] * v[0] + g[3 * r + 1] * v[1] + g[3 * r + 2] * v[2]);
}

// Builds the set (cameras, mosaic, rendered views); views stays null when
// the photographs are missing.
inline std::unique_ptr<Set> makeSet(Kind kind, bool large)
{
    auto set = std::make_unique<Set>();
    set->kind = kind;
    set->large = large;
    set->width = large ? 4000 : 1600;
    set->height = large ? 3000 : 1200;
    set->focal = set->width / 2.0 / std::tan((kind == Kind::Tile ? 20 : 30) * M_PI / 180);
    const auto surface = kind == Kind::Tile ? SyntheticViews::Surface::Sphere : SyntheticViews::Surface::Cylinder;
    switch (kind) {
    case Kind::Row:
        set->cols = 3, set->rows = 1, set->shuffle = {2, 0, 1};
        break;
    case Kind::Ring:
        set->cols = 10, set->rows = 1, set->shuffle = {6, 2, 9, 0, 4, 7, 1, 8, 3, 5};
        break;
    case Kind::Tile:
        set->cols = 3, set->rows = 3, set->shuffle = {5, 8, 0, 3, 7, 1, 6, 2, 4};
        break;
    }
    for (int r = 0; r < set->rows; ++r)
        for (int c = 0; c < set->cols; ++c) {
            if (c + 1 < set->cols || kind == Kind::Ring)
                set->pairs << qMakePair(r * set->cols + c, r * set->cols + (c + 1) % set->cols);
            if (r + 1 < set->rows)
                set->pairs << qMakePair(r * set->cols + c, (r + 1) * set->cols + c);
        }

    // The cameras come from a stand-in scene of the same geometry.
    const SyntheticViews geometry(QImage(1, 1, QImage::Format_RGB32), surface, set->width, set->height, set->focal, 1.0);
    set->cameras = kind == Kind::Row    ? geometry.row(3, 0.4)
        : kind == Kind::Ring            ? geometry.ring(10)
                                        : geometry.tile(3, 3, 0.4);

    // How far from the mosaic's centre the views reach, in mosaic pixels
    // (one per view pixel at a view's centre), over every view's border.
    double reachU = 0, reachV = 0;
    for (const SyntheticViews::Camera& camera : set->cameras) {
        const int w = set->width, h = set->height;
        for (int t = 0; t <= 2 * (w + h); t += 4) {
            const double x = t <= w ? t : t <= w + h ? w - 1 : t <= 2 * w + h ? 2 * w + h - t : 0;
            const double y = t <= w ? 0 : t <= w + h ? t - w : t <= 2 * w + h ? h - 1 : 2 * (w + h) - t;
            double d[3];
            sceneRay(camera, set->focal, w, h, std::min(x, w - 1.0), std::min(y, h - 1.0), d);
            const double across = std::hypot(d[0], d[2]);
            reachU = std::max(reachU, std::abs(std::atan2(d[0], d[2])) * set->focal);
            const double up = surface == SyntheticViews::Surface::Sphere
                ? std::asin(std::abs(d[1]) / std::hypot(across, d[1]))
                : std::abs(d[1]) / across;
            reachV = std::max(reachV, up * set->focal);
        }
    }
    const int margin = 32;
    const int height = 2 * (int(std::ceil(reachV)) + margin);
    QImage texture;
    double texels = 1.0;
    if (kind == Kind::Ring) {
        // A whole turn is a whole number of mosaic columns; two more columns
        // repeat the first two, so sampling never folds back at the seam.
        const int period = int(std::ceil(2 * M_PI * set->focal));
        texels = period / (2 * M_PI * set->focal);
        texture = mosaic::build(period + 2, height, period);
    } else {
        texture = mosaic::build(2 * (int(std::ceil(reachU)) + margin), height);
    }
    if (texture.isNull())
        return set;
    set->texture = texture.size();
    set->views = std::make_unique<SyntheticViews>(texture, surface, set->width, set->height, set->focal, texels);

    // Rendered three at a time: the 12 MP ring is 120 million samples.
    const int n = set->count();
    std::vector<QByteArray> packed(static_cast<size_t>(n));
    for (int first = 0; first < n; first += 3) {
        std::vector<std::future<QByteArray>> jobs;
        for (int i = first; i < std::min(n, first + 3); ++i)
            jobs.push_back(std::async(std::launch::async, [&set, i] { return set->views->render(set->cameras[i]); }));
        for (int i = first; i < std::min(n, first + 3); ++i)
            packed[size_t(i)] = jobs[size_t(i - first)].get();
    }
    const int stride = (24 * set->width + 31) / 32 * 4;
    for (int i = 0; i < n; ++i) {
        set->packed << packed[size_t(i)];
        cv::Mat mat(set->height, set->width, CV_8UC3);
        for (int y = 0; y < set->height; ++y)
            std::memcpy(mat.ptr(y), packed[size_t(i)].constData() + 40 + qsizetype(y) * stride, size_t(3) * set->width);
        set->mats.push_back(mat);
    }
    // To look at: the mosaic and the views, reduced, when
    // VELLUMAR_STITCHROAD_VIEWS names a folder.
    const QString folder = qEnvironmentVariable("VELLUMAR_STITCHROAD_VIEWS");
    if (!folder.isEmpty()) {
        const QString stem = folder + QLatin1Char('/') + set->name().replace(QLatin1Char('/'), QLatin1Char('-'));
        texture.scaledToWidth(2400, Qt::SmoothTransformation).save(stem + QStringLiteral("-mosaic.jpg"));
        for (int i = 0; i < n; ++i)
            set->image(i).scaledToWidth(800, Qt::SmoothTransformation).save(stem + QStringLiteral("-view%1.jpg").arg(i));
    }
    return set;
}

} // namespace roadsets
