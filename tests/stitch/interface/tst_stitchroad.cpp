#include "GeometryFixture.h"
#include "LayerAlignment.h"
#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/image/CImage.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

// Shuffled synthetic photos down the main road as the panorama engine takes
// them: create, load, order, stitch, the best points of every overlap,
// release. The result is judged against the views' ground truth.
class TestStitchRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void road_data();
    void road();

private:
    QImage m_photo;
};

namespace {

struct Pair
{
    int e;
    int n;
    bool horizontal;
};

// Neighbour pairs of a grid in element indices, a ring's closing pair last.
QList<Pair> pairsOf(int style, int cols, int rows)
{
    QList<Pair> pairs;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            if (c + 1 < cols)
                pairs << Pair{r * cols + c, r * cols + c + 1, true};
            if (r + 1 < rows)
                pairs << Pair{r * cols + c, (r + 1) * cols + c, false};
        }
    if (style == StitchStyle360)
        pairs << Pair{cols - 1, 0, true};
    return pairs;
}

// Degrees between a pair model (neighbour rays into the element's) and the
// truth G_e^T G_n.
double rotationError(const double model[9], const SyntheticViews::Camera& e, const SyntheticViews::Camera& n)
{
    double ge[9], gn[9];
    SyntheticViews::libraryRotation(e, ge);
    SyntheticViews::libraryRotation(n, gn);
    double trace = 0;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            trace += model[3 * r + c] * (ge[r] * gn[c] + ge[3 + r] * gn[3 + c] + ge[6 + r] * gn[6 + c]);
    return std::acos(std::clamp((trace - 1) / 2, -1.0, 1.0)) * 180 / M_PI;
}

} // namespace

void TestStitchRoad::initTestCase()
{
    const QString path = SyntheticViews::photoPath(QStringLiteral("GreenMeadow.jpg"));
    if (path.isEmpty())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    QVERIFY(m_photo.load(path));
}

void TestStitchRoad::road_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("shuffle"); // load index i holds view shuffle[i]
    QTest::addColumn<double>("maxDegrees");
    QTest::addColumn<double>("focalTolerance");
    QTest::addColumn<double>("maxRms");
    QTest::addColumn<int>("width"); // of every view; the height is three quarters of it
    QTest::newRow("row of five") << 0 << 5 << 1 << QList<int>{3, 0, 4, 1, 2} << 0.2 << 0.01 << 1.0 << 320;
    QTest::newRow("column of four") << 1 << 1 << 4 << QList<int>{2, 0, 3, 1} << 0.2 << 0.01 << 1.0 << 320;
    QTest::newRow("ring of ten") << 2 << 10 << 1 << QList<int>{6, 2, 9, 0, 4, 7, 1, 8, 3, 5} << 0.2 << 0.01 << 1.0
                                 << 320;
    // A tile's pair rotations follow its focal length, which comes from
    // integer twins: on 320 x 240 views with the tile's longer lens it comes
    // out 0.9 % long (least squares over the same twins agree, and even the
    // rounded true twins give 0.5 %), and each 0.1 % turns a 24-degree pair
    // by about 0.025 degrees: the worst pair is 0.25 degrees off, 0.15 with
    // the true focal length. Views twice the size resolve it.
    QTest::newRow("3 x 3 tile") << 3 << 3 << 3 << QList<int>{5, 8, 0, 3, 7, 1, 6, 2, 4} << 0.3 << 0.01 << 1.0 << 320;
    QTest::newRow("3 x 3 tile, 640 x 480") << 3 << 3 << 3 << QList<int>{5, 8, 0, 3, 7, 1, 6, 2, 4} << 0.2 << 0.01 << 1.0
                                           << 640;
}

void TestStitchRoad::road()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(QList<int>, shuffle);
    QFETCH(double, maxDegrees);
    QFETCH(double, focalTolerance);
    QFETCH(double, maxRms);
    QFETCH(int, width);
    const int n = cols * rows;
    QCOMPARE(int(shuffle.size()), n);

    // Views 60 degrees across, on a cylinder; columns and tiles turn the
    // camera up and down and so look at a sphere, tiles with a 40-degree
    // lens so that the outer rows stay alike.
    const int height = width * 3 / 4;
    const auto surface = style == 1 || style == 3 ? SyntheticViews::Surface::Sphere : SyntheticViews::Surface::Cylinder;
    const double focal = width / 2.0 / std::tan((style == 3 ? 20 : 30) * M_PI / 180);
    const SyntheticViews views(m_photo, surface, width, height, focal);
    QList<SyntheticViews::Camera> cameras;
    switch (style) {
    case 0: cameras = views.row(cols, 0.4); break;
    case 1: cameras = views.column(rows, 0.4); break;
    case 2: cameras = views.ring(cols); break;
    default: cameras = views.tile(cols, rows, 0.4); break;
    }

    StitchTestHost host;
    QStringList loaded;
    QList<tagPOINT> sizes;
    for (int view : shuffle) {
        loaded << QStringLiteral("view%1").arg(view);
        sizes << tagPOINT{width, height};
        host.addImage(loaded.last(), views.render(cameras[view]));
    }
    tagStitchCallbacks table = host.callbacks();
    CStitchOptions* job = PSCreateStitch(tagStitchStyle(style), StitchOutputOriginal, StitchMethodCalibrated, &table);
    QVERIFY(job);
    auto release = qScopeGuard([job] { PSReleaseStitch(job); });
    QCOMPARE(PSLoadImages(job, n, loaded, sizes.data()), 0);
    QCOMPARE(job->m_lWorkingLayer, 0);

    // The engine's ordering call: an empty list, the grid left to the order.
    QStringList ordered;
    int c = 0, r = 0;
    QCOMPARE(PSAutoOrder(job, ordered, &c, &r, true, 4, 4), 0);
    QCOMPARE(c, cols);
    QCOMPARE(r, rows);
    QCOMPARE(int(ordered.size()), n);
    // True order; a ring from wherever view 0 landed.
    const int start = style == 2 ? int(ordered.indexOf(QStringLiteral("view0"))) : 0;
    for (int i = 0; i < n; ++i)
        QCOMPARE(ordered.at((start + i) % n), QStringLiteral("view%1").arg(i));

    QStringList names;
    void* dib = nullptr;
    tagRECT* overlaps = nullptr;
    unsigned short** paths = nullptr;
    int overlapCount = -1, pathCount = -1;
    tagRECT crop = {};
    host.progress.clear();
    const int code = DEZeviDirevi(job, 0, &c, &r, names, &dib, &overlaps, &overlapCount, &paths, &pathCount, &crop);
    QCOMPARE(host.progress.last(), 100);
    // One run from 0 to 100: alignment and render share it.
    QCOMPARE(host.progress.first(), 0);
    for (int i = 1; i < host.progress.size(); ++i)
        QVERIFY2(host.progress[i] >= host.progress[i - 1], qPrintable(QString::number(i)));
    const CStitchMatrix& m = job->m_Matrix;
    // Nothing was dropped: the grid stays and no names are reported.
    QCOMPARE(c, cols);
    QCOMPARE(r, rows);
    QVERIFY(names.isEmpty());
    QCOMPARE(m.m_lCount, n);

    {
        QCOMPARE(code, 0);
        // The result bitmap is the job's and has the panorama's size.
        QVERIFY(dib);
        QCOMPARE(dib, job->m_hResultDib);
        CImage image;
        QCOMPARE(image.Attach(dib), 0);
        const int pw = job->m_LayoutRect.right - job->m_LayoutRect.left;
        const int ph = job->m_LayoutRect.bottom - job->m_LayoutRect.top;
        QCOMPARE(image.Width(), pw);
        QCOMPARE(image.Height(), ph);
        image.Detach();
        // Every photo is turned into the panorama, none mirrored: a mirror
        // would show the whole scene upside down.
        for (int i = 0; i < n; ++i)
            QVERIFY(GeometryFixture::determinant(m.m_pElements[i].m_Transform.m_Matrix) > 0.99);
        QVERIFY(crop.left >= 0 && crop.top >= 0 && crop.right <= pw && crop.bottom <= ph);
        QVERIFY(crop.right > crop.left && crop.bottom > crop.top);
        const double fovX = 2 * std::atan(width / 2.0 / focal), fovY = 2 * std::atan(height / 2.0 / focal);
        if (style == StitchStyleTile) {
            // On the sphere of radius f, longitude and latitude are pixels.
            // Down, the grid spans its pitch turn plus one view, give or take
            // the corners, which lie at most half the diagonal's angle from
            // a view's centre. Across it spans at least its yaw turn plus
            // one view (the equator), and away from the equator a view
            // widens by at most 1 / cos of its farthest latitude.
            double yawMin = 1e9, yawMax = -1e9, pitchMin = 1e9, pitchMax = -1e9;
            for (const SyntheticViews::Camera& camera : cameras) {
                yawMin = std::min(yawMin, camera.yaw);
                yawMax = std::max(yawMax, camera.yaw);
                pitchMin = std::min(pitchMin, camera.pitch);
                pitchMax = std::max(pitchMax, camera.pitch);
            }
            const double halfDiagonal = std::atan(std::hypot(width, height) / 2.0 / focal);
            const double farthest = std::max(std::abs(pitchMin), std::abs(pitchMax)) + halfDiagonal;
            const double wideLow = focal * (yawMax - yawMin + fovX);
            const double wideHigh = wideLow / std::cos(farthest);
            const double highLow = focal * (pitchMax - pitchMin + fovY);
            const double highHigh = focal * (pitchMax - pitchMin + 2 * halfDiagonal);
            QVERIFY2(pw >= (1 - focalTolerance) * wideLow - 2 && pw <= (1 + focalTolerance) * wideHigh + 2,
                     qPrintable(QStringLiteral("%1 wide, expected %2 to %3").arg(pw).arg(wideLow).arg(wideHigh)));
            QVERIFY2(ph >= (1 - focalTolerance) * highLow - 2 && ph <= (1 + focalTolerance) * highHigh + 2,
                     qPrintable(QStringLiteral("%1 high, expected %2 to %3").arg(ph).arg(highLow).arg(highHigh)));
        } else {
            // On the cylinder of radius f a view spans f x its field of view
            // across (rows, rings) or down (columns: a vertical cylinder); the
            // other way it keeps its size. The panorama spans the views'
            // turn plus one view, a ring the whole circle; to within the
            // focal length's error and a pixel of rounding at either end.
            const double along = style == 0 ? focal * (cameras.last().yaw - cameras.first().yaw + fovX)
                                 : style == 1 ? focal * (cameras.last().pitch - cameras.first().pitch + fovY)
                                              : 2 * M_PI * focal;
            const int alongSize = style == 1 ? ph : pw;
            const int acrossSize = style == 1 ? pw : ph;
            QVERIFY2(std::abs(alongSize - along) <= focalTolerance * along + 2,
                     qPrintable(QStringLiteral("%1 along, expected %2").arg(alongSize).arg(along)));
            const int across = style == 1 ? width : height;
            QVERIFY2(acrossSize >= across - 2 && acrossSize <= across + 0.02 * across,
                     qPrintable(QStringLiteral("%1 across, expected %2").arg(acrossSize).arg(across)));
        }

        // Overlaps and paths as the style counts them: a row or a column
        // one fewer than its photos, a ring one per photo; a tile grid has a
        // seam per neighbour pair in a row and per pair of rows, and also
        // the overlaps of its row strips, which carry no path of their own.
        const int expected = style == 2 ? n : n - 1;
        const int expectedRects = style == StitchStyleTile ? (cols + 1) * rows - 2 : expected;
        QCOMPARE(overlapCount, expectedRects);
        QCOMPARE(pathCount, expected);
        QCOMPARE(overlaps, job->m_pOverlapRects);
        QCOMPARE(paths, job->m_ppPaths);
        int seams = 0;
        for (int i = 0; i < overlapCount; ++i) {
            const tagRECT& o = overlaps[i];
            QVERIFY(o.left >= 0 && o.top >= 0 && o.right <= pw && o.bottom <= ph);
            if (i < pathCount && paths[i]) {
                QVERIFY(o.right > o.left && o.bottom > o.top);
                ++seams;
            }
        }
        // A ring's seam at the circle's end is the wrap copy's; every other
        // overlap has its path.
        QVERIFY(seams >= expected - (style == 2 ? 1 : 0));
    }

    // The alignment against the truth: pair rotations, the focal length and
    // the reprojection of a grid of each neighbour's points by the pair
    // model, in layer-0 pixels.
    const double f = job->m_dFocalLength;
    QVERIFY2(std::abs(f - focal) <= focalTolerance * focal,
             qPrintable(QStringLiteral("focal length %1, true %2").arg(f).arg(focal)));
    const QPointF centre((width - 1) * 0.5, (height - 1) * 0.5);
    double sum = 0, worst = 0;
    int points = 0;
    for (const Pair& pair : pairsOf(style, cols, rows)) {
        const CStitchElement& e = m.m_pElements[pair.e];
        const CStitchElement& nb = m.m_pElements[pair.n];
        const SyntheticViews::Camera& ce = cameras[LayerAlignment::viewOf(&e)];
        const SyntheticViews::Camera& cn = cameras[LayerAlignment::viewOf(&nb)];
        const CStitchTransform& model = pair.horizontal ? e.m_RightTransform : e.m_LowerTransform;
        const double degrees = rotationError(model.m_Matrix, ce, cn);
        worst = std::max(worst, degrees);
        QVERIFY2(degrees <= maxDegrees, qPrintable(QStringLiteral("%1 to %2: %3 degrees off")
                                                       .arg(e.m_Pyramid.m_strName, nb.m_Pyramid.m_strName)
                                                       .arg(degrees)));
        for (int y = 4; y < height; y += 8)
            for (int x = 4; x < width; x += 8) {
                QPointF truth;
                if (!views.map(cn, ce, QPointF(x, y), &truth) || truth.x() < 0 || truth.y() < 0
                    || truth.x() > width - 1 || truth.y() > height - 1)
                    continue;
                const QPointF d = LayerAlignment::rotate(model.m_Matrix, f, QPointF(x, y), centre, centre) - truth;
                sum += d.x() * d.x() + d.y() * d.y();
                ++points;
            }

        // The fine-tune editor's three pairs of this overlap: in both photos
        // and true twins (matching keeps twins within 4 pixels of the
        // consensus model; none was seen beyond 6).
        if (code != 0)
            continue;
        const int col = pair.e % cols, row = pair.e / cols;
        tagPOINT best[6];
        QCOMPARE(PSGetBestPoints(job, tagPOINT{col, row}, pair.horizontal, best), 0);
        for (int k = 0; k < 3; ++k) {
            const QPointF p(best[2 * k].x, best[2 * k].y), q(best[2 * k + 1].x, best[2 * k + 1].y);
            QVERIFY(QRectF(0, 0, width, height).contains(p) && QRectF(0, 0, width, height).contains(q));
            QPointF mapped;
            QVERIFY(views.map(ce, cn, p, &mapped));
            const double off = std::hypot(mapped.x() - q.x(), mapped.y() - q.y());
            QVERIFY2(off <= 6.0, qPrintable(QStringLiteral("pair %1 of %2: %3 px from the truth")
                                                .arg(k).arg(e.m_Pyramid.m_strName).arg(off)));
        }
        QVERIFY(!IsColine(best[0], best[2], best[4]));
    }
    QVERIFY(points > 100);
    const double rms = std::sqrt(sum / points);
    qInfo("worst pair %.3f degrees, focal %+.2f %%, reprojection RMS %.3f px", worst, 100 * (f - focal) / focal, rms);
    QVERIFY2(rms < maxRms, qPrintable(QStringLiteral("reprojection RMS %1 over %2 points").arg(rms).arg(points)));

    PSReleaseResultDIB(job);
    QVERIFY(!job->m_hResultDib);
    PSReleaseResultDIB(job);
    release.dismiss();
    PSReleaseStitch(job);
    QVERIFY2(host.clean(), qPrintable(host.report()));
}

QTEST_MAIN(TestStitchRoad)
#include "tst_stitchroad.moc"
