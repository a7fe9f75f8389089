#include "GeometryFixture.h"

#include "stitch/geometry/CCoordinate.h"
#include "stitch/geometry/CProjection.h"
#include "stitch/geometry/CStitchTransform.h"
#include "stitch/geometry/WarpSampler.h"
#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/outline/CScanRegion.h"
#include "stitch/outline/CStitchLayout.h"
#include "stitch/render/CStitchBlend.h"

#include <QCoreApplication>
#include <QDir>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <vector>

// The panorama outline, the scan regions and the element warps, checked
// against the ground truth of synthetic views.
class TestWarp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void warpsLieOnTheTruth_data();
    void warpsLieOnTheTruth();
    void telephotoLiesOnTheTruth();
    void ringClosingTurnIsUndone();
    void bridgedGapsStayInside_data();
    void bridgedGapsStayInside();
    void wrapRepairAndRingWidth();
    void unplaceableCoordinatesGiveEmptyPanorama_data();
    void unplaceableCoordinatesGiveEmptyPanorama();
    void resamplingRule_data();
    void resamplingRule();
    void rayBehindTheImageStaysBackground();
    void ringColumnOfOneRow();
    void telephotoBoundaries();
    void telephotoSingularAndLonely();
    void cancelAndNoBitmap();
    void viewPointForTile();
    void roundingIsNearbyint_data();
    void roundingIsNearbyint();
    void locatedPointsFollowTheSamplingRule_data();
    void locatedPointsFollowTheSamplingRule();
    void sampledRunsFollowTheRule_data();
    void sampledRunsFollowTheRule();
    void copySubImageRuns_data();
    void copySubImageRuns();

private:
    // A job laid out for rendering at layer 0: coordinates, outline, and a
    // blend holding the regions.
    struct Laid
    {
        CStitchOptions* job = nullptr;
        std::unique_ptr<CStitchBlend> blend;
        QList<SyntheticViews::Camera> cameras;
        double closingAngle = 0;
    };
    bool lay(Laid& laid, const SyntheticViews& views, const QList<SyntheticViews::Camera>& cameras,
             tagStitchStyle style, int cols, int rows, STITCHMETHOD method = StitchMethodCalibrated);
    QString artefacts() const;

    QImage m_photo;
    SyntheticViews* m_views = nullptr;
    StitchTestHost* m_host = nullptr;
};

namespace {

// Pixel (x, y) of a locked 24-bit image, rows in memory order.
const unsigned char* pixel(CImage* image, int x, int y)
{
    return image->Bits() + qsizetype(y) * image->Stride() + 3 * x;
}

QImage toQImage(CImage* image)
{
    const int w = image->Width(), h = image->Height();
    QImage out(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const unsigned char* p = pixel(image, x, y);
            out.setPixel(x, y, qRgb(p[2], p[1], p[0]));
        }
    return out;
}

struct Agreement
{
    double meanLevels = 0; // mean absolute difference per byte over the mask
    double shift = 0;      // length of the least-squares shift to the truth, pixels
    int pixels = 0;
};

// How a warped image agrees with the truth over its mask: the mean level
// difference, and the shift (dx, dy) that best explains the difference by
// the truth's gradient (one Lucas-Kanade step over the mask's inner pixels).
Agreement compare(CImage* warped, CMask* mask, const QImage& truth)
{
    Agreement a;
    const int w = truth.width(), h = truth.height();
    auto grey = [&](int x, int y) {
        const QRgb p = truth.pixel(x, y);
        return (qRed(p) + qGreen(p) + qBlue(p)) / 3.0;
    };
    double sum = 0, gxx = 0, gxy = 0, gyy = 0, bx = 0, by = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!mask->GetPixel(unsigned(y), unsigned(x)))
                continue;
            const unsigned char* p = pixel(warped, x, y);
            const QRgb t = truth.pixel(x, y);
            sum += std::abs(p[0] - qBlue(t)) + std::abs(p[1] - qGreen(t)) + std::abs(p[2] - qRed(t));
            ++a.pixels;
            if (x < 2 || y < 2 || x >= w - 2 || y >= h - 2)
                continue;
            bool inner = true;
            for (int dy = -2; dy <= 2 && inner; ++dy)
                for (int dx = -2; dx <= 2 && inner; ++dx)
                    inner = mask->GetPixel(unsigned(y + dy), unsigned(x + dx));
            if (!inner)
                continue;
            const double gx = (grey(x + 1, y) - grey(x - 1, y)) / 2, gy = (grey(x, y + 1) - grey(x, y - 1)) / 2;
            const double d = (p[0] + p[1] + p[2]) / 3.0 - grey(x, y);
            gxx += gx * gx, gxy += gx * gy, gyy += gy * gy;
            bx += gx * d, by += gy * d;
        }
    a.meanLevels = a.pixels ? sum / (3.0 * a.pixels) : 0;
    const double det = gxx * gyy - gxy * gxy;
    if (det > 0)
        a.shift = std::hypot((gyy * bx - gxy * by) / det, (gxx * by - gxy * bx) / det);
    return a;
}

bool insideSpans(const CScanRegion& region, int x, int y)
{
    const tagRECT& rc = region.m_Rect;
    if (x < rc.left || x >= rc.right || y < rc.top || y >= rc.bottom)
        return false;
    const LineSegment& s = region.Column(x);
    return y >= s.first && y <= s.last;
}

} // namespace

void TestWarp::initTestCase()
{
    const QString path = SyntheticViews::photoPath(QStringLiteral("GreenMeadow.jpg"));
    if (path.isEmpty())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    QVERIFY(m_photo.load(path));
    // 240 x 180 views of about 62 degrees; the photograph a little magnified
    // so that resampling twice loses little.
    m_views = new SyntheticViews(m_photo, SyntheticViews::Surface::Cylinder, 240, 180, 200.0, 0.7);
    QDir().mkpath(artefacts());
}

void TestWarp::cleanupTestCase()
{
    delete m_views;
}

void TestWarp::init()
{
    m_host = new StitchTestHost;
}

void TestWarp::cleanup()
{
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

QString TestWarp::artefacts() const
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/warp-artefacts");
}

bool TestWarp::lay(Laid& laid, const SyntheticViews& views, const QList<SyntheticViews::Camera>& cameras,
                   tagStitchStyle style, int cols, int rows, STITCHMETHOD method)
{
    laid.cameras = cameras;
    laid.job = GeometryFixture::job(*m_host, views, cameras, style, cols, rows, method);
    if (!laid.job)
        return false;
    laid.blend = std::make_unique<CStitchBlend>(laid.job, 0);
    CStitchBlend& blend = *laid.blend;
    blend.m_pScanRegions = new CScanRegion[size_t(cols * rows)];
    CStitchLayout layout(&blend.m_PanoramaRect, blend.m_pScanRegions, laid.job, 0);
    if (style == StitchStyle360) {
        blend.m_pClosingAxis = new double[3];
        if (CCoordinate(laid.job).PanoramaRun(blend.m_pClosingAxis, &laid.closingAngle, 0) != 0)
            return false;
        layout.PanoramaRun(blend.m_pClosingAxis, laid.closingAngle);
    } else {
        CCoordinate(laid.job).Run();
        layout.Run();
    }
    blend.m_lPerimeter = layout.m_lPerimeter;
    blend.m_dRadius = layout.m_dRadius;
    return !IsRectEmpty(&blend.m_PanoramaRect);
}

void TestWarp::warpsLieOnTheTruth_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<SyntheticViews::Camera>>("cameras");
    QTest::newRow("row") << 0 << 3 << 1 << m_views->row(3, 0.35);
    QTest::newRow("column") << 1 << 1 << 3 << m_views->column(3, 0.35);
    QTest::newRow("ring") << 2 << 10 << 1 << m_views->ring(10);
    QTest::newRow("tile") << 3 << 2 << 2 << m_views->tile(2, 2, 0.35);
}

void TestWarp::warpsLieOnTheTruth()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(QList<SyntheticViews::Camera>, cameras);
    Laid laid;
    QVERIFY(lay(laid, *m_views, cameras, tagStitchStyle(style), cols, rows));
    CStitchBlend& blend = *laid.blend;
    if (style == StitchStyle360) {
        // The ring's outline is exactly one turn wide.
        QCOMPARE(blend.m_PanoramaRect.left, 0);
        QCOMPARE(blend.m_PanoramaRect.right, blend.m_lPerimeter);
    }
    double frame[9];
    GeometryFixture::frame(cameras[0], laid.job->m_Matrix.m_pElements[0].m_Transform, frame);
    // The truth is the scene itself only through a rotation.
    QVERIFY(GeometryFixture::determinant(frame) > 0.99);
    const char* name[] = {"row", "column", "ring", "tile"};
    for (int cell = 0; cell < cols * rows; ++cell) {
        CStitchElement* e = &laid.job->m_Matrix.m_pElements[cell];
        CImage src(e->m_Pyramid.LockHDib(0));
        QVERIFY(src.Lock() == 0);
        CImage* out = nullptr;
        CMask* mask = nullptr;
        bool locked = false;
        int code = -99;
        if (style == StitchStyleVertical)
            code = blend.Project2CylinderVert(&src, e, cell, out, mask, locked, 0, 100);
        else if (style == StitchStyleTile)
            code = blend.Project2Sphere(&src, e, cell, out, mask, locked, 0, 100);
        else
            code = blend.Project2Cylinder(&src, e, cell, out, mask, locked, 0, 100);
        src.Unlock();
        src.Detach();
        e->m_Pyramid.UnlockHDib(0);
        std::unique_ptr<CImage> ownImage(out);
        std::unique_ptr<CMask> ownMask(mask);
        QCOMPARE(code, 0);
        QVERIFY(locked && out && mask);

        const CScanRegion& region = blend.m_pScanRegions[cell];
        const tagRECT rc = region.m_Rect;
        SyntheticViews::Panorama truth;
        truth.kind = style == 1 ? SyntheticViews::Panorama::CylinderVertical
                     : style == 3 ? SyntheticViews::Panorama::Sphere
                                  : SyntheticViews::Panorama::Cylinder;
        truth.radius = blend.m_dRadius;
        std::copy(frame, frame + 9, truth.frame);
        truth.rect = QRect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
        const QImage expected = m_views->truth(truth);
        const Agreement a = compare(out, mask, expected);
        qInfo("%s, view %d: %d pixels, mean difference %.2f levels, shift %.3f pixels", name[style], cell, a.pixels,
              a.meanLevels, a.shift);
        toQImage(out).save(artefacts() + QStringLiteral("/%1-%2-warped.png").arg(name[style]).arg(cell));
        expected.save(artefacts() + QStringLiteral("/%1-%2-truth.png").arg(name[style]).arg(cell));
        QVERIFY(a.pixels > (rc.right - rc.left) * (rc.bottom - rc.top) / 4);
        QVERIFY(a.meanLevels <= 3.0);
        QVERIFY(a.shift < 0.5);

        // Every set bit lies inside the spans, and every pixel whose source
        // position lies a pixel inside the view is covered by them.
        const CProjection projection(laid.job->m_Matrix.m_Style, STITCHMETHOD(laid.job->m_lRenderKind));
        const double w = m_views->width(), h = m_views->height();
        int missed = 0;
        for (int y = rc.top - 3; y < rc.bottom + 3; ++y)
            for (int x = rc.left - 3; x < rc.right + 3; ++x) {
                const bool inRect = x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom;
                if (inRect && mask->GetPixel(unsigned(y - rc.top), unsigned(x - rc.left)))
                    QVERIFY(insideSpans(region, x, y));
                if (style == StitchStyle360)
                    continue; // the closing turn moves points off the plain projection
                PictureCoord p{double(x), double(y), blend.m_dRadius};
                FilmCoord film{0, 0, laid.job->m_dFocalLength};
                if (!projection.Picture2Film(&p, &film, &e->m_Transform))
                    continue;
                const double u = film.x + (w - 1) / 2, v = film.y + (h - 1) / 2;
                if (u >= 1 && v >= 1 && u <= w - 2 && v <= h - 2 && !insideSpans(region, x, y))
                    ++missed;
            }
        QCOMPARE(missed, 0);
    }
    PSReleaseStitch(laid.job);
}

void TestWarp::telephotoLiesOnTheTruth()
{
    // Views of a flat scene that differ by shifts along it and a small roll:
    // planar rigid maps relate them exactly.
    SyntheticViews plane(m_photo, SyntheticViews::Surface::Plane, 240, 180, 400.0, 0.7);
    QList<SyntheticViews::Camera> cameras;
    const double rolls[] = {0.0, 1.5, -1.0};
    for (int i = 0; i < 3; ++i)
        cameras << SyntheticViews::Camera{0, 0, rolls[i] * M_PI / 180, i * 150.0, i * 7.0};
    Laid laid;
    QVERIFY(lay(laid, plane, cameras, StitchStyleHorizontal, 3, 1, StitchMethodTelephoto));
    CStitchBlend& blend = *laid.blend;
    const tagRECT pano = blend.m_PanoramaRect;
    CImage image(pano.right - pano.left, pano.bottom - pano.top, 24);
    QVERIFY(image.Lock() == 0);
    image.Clear(0xFFFFFFu);
    CMask mask(unsigned(pano.right - pano.left), unsigned(pano.bottom - pano.top));
    for (int c = 0; c < 3; ++c) {
        CStitchElement* e = &laid.job->m_Matrix.m_pElements[c];
        tagRECT region = blend.m_pScanRegions[c].m_Rect, outer, inner;
        blend.CalcBoundaryTelephoto(e, c, 0, region, outer, inner);
        QCOMPARE(blend.ProjectForTelephoto(e, c, 0, region, outer, inner, &image, &mask, 0, 100), 0);
    }
    SyntheticViews::Panorama truth;
    truth.kind = SyntheticViews::Panorama::Plane;
    truth.planeCamera = cameras[0];
    truth.rect = QRect(pano.left, pano.top, pano.right - pano.left, pano.bottom - pano.top);
    const QImage expected = plane.truth(truth);
    const Agreement a = compare(&image, &mask, expected);
    qInfo("telephoto: %d pixels, mean difference %.2f levels, shift %.3f pixels", a.pixels, a.meanLevels, a.shift);
    toQImage(&image).save(artefacts() + QStringLiteral("/telephoto-warped.png"));
    expected.save(artefacts() + QStringLiteral("/telephoto-truth.png"));
    QVERIFY(a.pixels > 240 * 180 * 2);
    QVERIFY(a.meanLevels <= 3.0);
    QVERIFY(a.shift < 0.5);
    image.Unlock();
    PSReleaseStitch(laid.job);
}

void TestWarp::ringClosingTurnIsUndone()
{
    // A ring laid out with a closing turn of 0.3 rad about y spread over the
    // circle: the outline turns each border point forward by its share, the
    // warp turns each panorama point back by the same share. The last view,
    // turned by about 0.27 to 0.3 rad, lies on the truth seen through the
    // turn of its column, and fills its region.
    Laid laid;
    QVERIFY(lay(laid, *m_views, m_views->ring(10), StitchStyle360, 10, 1));
    CStitchBlend& blend = *laid.blend;
    const double closing = 0.3;
    blend.m_pClosingAxis[0] = 0, blend.m_pClosingAxis[1] = 1, blend.m_pClosingAxis[2] = 0;
    CStitchLayout layout(&blend.m_PanoramaRect, blend.m_pScanRegions, laid.job, 0);
    layout.PanoramaRun(blend.m_pClosingAxis, closing);
    const int cell = 9;
    CStitchElement* e = &laid.job->m_Matrix.m_pElements[cell];
    CImage src(e->m_Pyramid.LockHDib(0));
    QVERIFY(src.Lock() == 0);
    CImage* out = nullptr;
    CMask* mask = nullptr;
    bool locked = false;
    QCOMPARE(blend.Project2Cylinder(&src, e, cell, out, mask, locked, 0, 100), 0);
    src.Unlock();
    src.Detach();
    e->m_Pyramid.UnlockHDib(0);
    std::unique_ptr<CImage> ownImage(out);
    std::unique_ptr<CMask> ownMask(mask);
    const CScanRegion& region = blend.m_pScanRegions[cell];
    const tagRECT rc = region.m_Rect;
    double frame[9];
    GeometryFixture::frame(laid.cameras[0], laid.job->m_Matrix.m_pElements[0].m_Transform, frame);
    QImage expected(rc.right - rc.left, rc.bottom - rc.top, QImage::Format_RGB32);
    expected.fill(Qt::white);
    int inSpans = 0, set = 0;
    for (int x = rc.left; x < rc.right; ++x) {
        const LineSegment s = region.Column(x);
        if (s.first > s.last)
            continue;
        // The turn of this column (the same along it for a turn about y);
        // the panorama point Q shows the plain point M^T Q: frame M^T.
        double axis[3] = {0, 1, 0}, M[9];
        CCoordinate::AxisAngle2UOM(axis, M, region.Angle(x).first);
        SyntheticViews::Panorama truth;
        truth.radius = blend.m_dRadius;
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                truth.frame[3 * r + c] = frame[3 * r] * M[3 * c] + frame[3 * r + 1] * M[3 * c + 1] + frame[3 * r + 2] * M[3 * c + 2];
        truth.rect = QRect(x, rc.top, 1, rc.bottom - rc.top);
        const QImage column = m_views->truth(truth);
        for (int y = rc.top; y < rc.bottom; ++y)
            expected.setPixel(x - rc.left, y - rc.top, column.pixel(0, y - rc.top));
        for (int y = s.first; y <= s.last; ++y) {
            ++inSpans;
            set += mask->GetPixel(unsigned(y - rc.top), unsigned(x - rc.left));
        }
    }
    const Agreement a = compare(out, mask, expected);
    qInfo("ring with a closing turn of %.2f rad: %d of %d span pixels set, mean difference %.2f levels, shift %.3f "
          "pixels", closing, set, inSpans, a.meanLevels, a.shift);
    toQImage(out).save(artefacts() + QStringLiteral("/ring-closing-warped.png"));
    expected.save(artefacts() + QStringLiteral("/ring-closing-truth.png"));
    QVERIFY(set > inSpans * 9 / 10);
    QVERIFY(a.meanLevels <= 3.0);
    QVERIFY(a.shift < 0.5);
    PSReleaseStitch(laid.job);
}

void TestWarp::bridgedGapsStayInside_data()
{
    QTest::addColumn<QList<int>>("ends"); // x0, y0, x1, y1
    // Columns 1..4 lie strictly between x 0 and 5; y runs from 2 to 9: each
    // gets first = min(first, 9) and last = max(last, 2); rows 3..8 get
    // first = min(first, 5) and last = max(last, 0).
    QTest::newRow("down and right") << QList<int>{0, 2, 5, 9};
    QTest::newRow("up and left") << QList<int>{5, 9, 0, 2};
    QTest::newRow("flat jump") << QList<int>{0, 4, 5, 4};
    QTest::newRow("neighbours") << QList<int>{2, 4, 3, 5};
}

void TestWarp::bridgedGapsStayInside()
{
    QFETCH(QList<int>, ends);
    const tagRECT rc{0, 0, 6, 10};
    LineSegment rows[10], columns[6];
    CStitchLayout::InitialLineSegment(rc, rows, columns);
    CStitchLayout::ProcessInterrupt(rows, columns, rc, ends[0], ends[1], ends[2], ends[3]);
    const int lowX = std::min(ends[0], ends[2]), highX = std::max(ends[0], ends[2]);
    const int lowY = std::min(ends[1], ends[3]), highY = std::max(ends[1], ends[3]);
    for (int x = 0; x < 6; ++x) {
        if (x > lowX && x < highX) {
            // Bridged: never wider than the two end points.
            QCOMPARE(columns[x].first, highY);
            QCOMPARE(columns[x].last, lowY);
        } else {
            QCOMPARE(columns[x].first, LineSegment::kNone);
            QCOMPARE(columns[x].last, -LineSegment::kNone);
        }
    }
    for (int y = 0; y < 10; ++y) {
        if (y > lowY && y < highY) {
            QCOMPARE(rows[y].first, highX);
            QCOMPARE(rows[y].last, lowX);
        } else {
            QCOMPARE(rows[y].first, LineSegment::kNone);
        }
    }
    // A span already wider keeps its width.
    columns[2] = LineSegment{0, 9};
    CStitchLayout::ProcessInterrupt(rows, columns, rc, 0, 4, 5, 6);
    QCOMPARE(columns[2].first, 0);
    QCOMPARE(columns[2].last, 9);
}

void TestWarp::wrapRepairAndRingWidth()
{
    // A row turned so that its second view straddles the 0 / perimeter
    // seam: its low coordinates move up by the perimeter before its
    // rectangle is taken, so it stays narrower than half a turn.
    Laid laid;
    QVERIFY(lay(laid, *m_views, m_views->row(2, 0.35), StitchStyleHorizontal, 2, 1));
    CStitchOptions* job = laid.job;
    CStitchTransform turn;
    // Turned 1.3 rad about y the left edge lies at 2 pi - 1.3; each view is
    // about 1.08 rad wide and the second starts 0.7 rad on: it ends past 2 pi.
    double axis[3] = {0, 1, 0}, m[9];
    CCoordinate::AxisAngle2UOM(axis, m, 1.3);
    std::copy(m, m + 9, turn.m_Matrix);
    for (int c = 0; c < 2; ++c)
        job->m_Matrix.m_pElements[c].m_Transform = turn.Multiple(&job->m_Matrix.m_pElements[c].m_Transform);
    CStitchBlend& blend = *laid.blend;
    CStitchLayout layout(&blend.m_PanoramaRect, blend.m_pScanRegions, job, 0);
    layout.Run();
    const tagRECT first = blend.m_pScanRegions[0].m_Rect, second = blend.m_pScanRegions[1].m_Rect;
    QVERIFY(first.left > 0 && first.right <= layout.m_lPerimeter);
    QVERIFY(second.right - second.left < layout.m_lPerimeter / 2);
    QVERIFY(second.right > layout.m_lPerimeter);
    QVERIFY(second.left > first.left);
    QVERIFY(blend.m_PanoramaRect.right - blend.m_PanoramaRect.left < layout.m_lPerimeter);
    PSReleaseStitch(job);
}

void TestWarp::unplaceableCoordinatesGiveEmptyPanorama_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<double>("value");
    QTest::newRow("telephoto, 1e12") << 1 << 1e12;
    QTest::newRow("telephoto, NaN") << 1 << std::nan("");
    QTest::newRow("cylinder, NaN") << 0 << std::nan("");
    QTest::newRow("cylinder, infinity") << 0 << HUGE_VAL;
}

void TestWarp::unplaceableCoordinatesGiveEmptyPanorama()
{
    QFETCH(int, method);
    QFETCH(double, value);
    CStitchOptions* job = GeometryFixture::job(*m_host, *m_views, m_views->row(2, 0.35), StitchStyleHorizontal, 2, 1,
                                               STITCHMETHOD(method));
    QVERIFY(job);
    CCoordinate(job).Run();
    job->m_Matrix.m_pElements[1].m_Transform.m_Matrix[2] = value;
    tagRECT pano{1, 2, 3, 4};
    CScanRegion regions[2];
    CStitchLayout layout(&pano, regions, job, 0);
    layout.Run();
    QVERIFY(IsRectEmpty(&pano));
    QVERIFY(!regions[0].HasTables() && !regions[1].HasTables());
    PSReleaseStitch(job);
}

void TestWarp::resamplingRule_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("column"); // panorama column of the one pixel
    QTest::addColumn<int>("expected"); // blue byte, -1: background
    // A 5 x 5 source, focal 100, identity transform, radius 100: column 0,
    // row 0 looks at the centre (2, 2), whose blue is 10 x 2 + 2 = 22; the
    // table maps v to 255 - v: 233. Style 2 adds the brightness offset 7.
    QTest::newRow("style 0, centre") << 0 << 0 << 233;
    QTest::newRow("style 2, centre") << 2 << 0 << 240;
    QTest::newRow("style 1, centre") << 1 << 0 << 233;
    QTest::newRow("style 3, centre") << 3 << 0 << 233;
    // Column 2: theta = 0.02, u = 100 tan 0.02 + 2 = 4.0003: ix = 4 = w - 1,
    // outside the 2 x 2 rule: background.
    QTest::newRow("style 0, right edge") << 0 << 2 << -1;
    // Column -3: u = 2 - 3.0009 < 0: background.
    QTest::newRow("style 0, left of the image") << 0 << -3 << -1;
}

void TestWarp::resamplingRule()
{
    QFETCH(int, style);
    QFETCH(int, column);
    QFETCH(int, expected);
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = PSCreateStitch(tagStitchStyle(style), StitchOutputOriginal, StitchMethodCalibrated, &table);
    QVERIFY(job);
    job->m_dFocalLength = 100;
    job->m_lFillColour = 0x000000;
    CStitchElement element;
    element.m_Transform.Identity();
    for (int v = 0; v < 768; ++v)
        element.m_ColorTable[v] = static_cast<unsigned char>(255 - v % 256);
    element.m_lBrightness[0] = 7;
    CImage src(5, 5, 24);
    QVERIFY(src.Lock() == 0);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            unsigned char* p = src.Bits() + y * src.Stride() + 3 * x;
            p[0] = static_cast<unsigned char>(10 * x + y);
            p[1] = p[2] = 50;
        }
    CStitchBlend blend(job, 0);
    blend.m_dRadius = 100;
    blend.m_pScanRegions = new CScanRegion[1];
    // One pixel: (column, 0) of the panorama; for style 1 the row and
    // column exchange roles, (0, column).
    const tagRECT rc = style == 1 ? tagRECT{0, column, 1, column + 1} : tagRECT{column, 0, column + 1, 1};
    QVERIFY(blend.m_pScanRegions[0].Create(rc));
    blend.m_pScanRegions[0].Row(rc.top) = LineSegment{rc.left, rc.left};
    blend.m_pScanRegions[0].Column(rc.left) = LineSegment{rc.top, rc.top};
    blend.m_pClosingAxis = new double[3]{0, 1, 0};
    CImage* out = nullptr;
    CMask* mask = nullptr;
    bool locked = false;
    int code;
    if (style == 1)
        code = blend.Project2CylinderVert(&src, &element, 0, out, mask, locked, 0, 100);
    else if (style == 3)
        code = blend.Project2Sphere(&src, &element, 0, out, mask, locked, 0, 100);
    else
        code = blend.Project2Cylinder(&src, &element, 0, out, mask, locked, 0, 100);
    std::unique_ptr<CImage> ownImage(out);
    std::unique_ptr<CMask> ownMask(mask);
    QCOMPARE(code, 0);
    QCOMPARE(mask->GetPixel(0, 0), expected >= 0);
    QCOMPARE(int(pixel(out, 0, 0)[0]), expected >= 0 ? expected : 0);
    if (expected >= 0)
        QCOMPARE(int(pixel(out, 0, 0)[1]), style == 2 ? 212 : 205);
    src.Unlock();
    PSReleaseStitch(job);
}

void TestWarp::rayBehindTheImageStaysBackground()
{
    // Every column of the region turned half a circle away: all rays meet
    // the image from behind. Nothing is sampled (mirrored or otherwise).
    Laid laid;
    QVERIFY(lay(laid, *m_views, m_views->row(2, 0.35), StitchStyleHorizontal, 2, 1));
    CStitchElement* e = &laid.job->m_Matrix.m_pElements[0];
    double axis[3] = {0, 1, 0}, m[9];
    CCoordinate::AxisAngle2UOM(axis, m, M_PI);
    CStitchTransform half;
    std::copy(m, m + 9, half.m_Matrix);
    e->m_Transform = half.Multiple(&e->m_Transform);
    CImage src(e->m_Pyramid.LockHDib(0));
    QVERIFY(src.Lock() == 0);
    CImage* out = nullptr;
    CMask* mask = nullptr;
    bool locked = false;
    QCOMPARE(laid.blend->Project2Cylinder(&src, e, 0, out, mask, locked, 0, 100), 0);
    src.Unlock();
    src.Detach();
    e->m_Pyramid.UnlockHDib(0);
    std::unique_ptr<CImage> ownImage(out);
    std::unique_ptr<CMask> ownMask(mask);
    QVERIFY(mask->ObjectRect()->right == 0 && mask->ObjectRect()->left == int(mask->Width()));
    // The same for a transform whose Z is exactly 0 for the centre column.
    PSReleaseStitch(laid.job);
}

void TestWarp::ringColumnOfOneRow()
{
    // A 360 column whose span is one row long and whose two closing angles
    // differ: the step is 0, the row uses the first angle.
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = PSCreateStitch(StitchStyle360, StitchOutputOriginal, StitchMethodCalibrated, &table);
    QVERIFY(job);
    job->m_dFocalLength = 100;
    CStitchElement element;
    element.m_Transform.Identity();
    for (int v = 0; v < 768; ++v)
        element.m_ColorTable[v] = static_cast<unsigned char>(v % 256);
    CImage src(5, 5, 24);
    QVERIFY(src.Lock() == 0);
    src.Clear(0x102030u);
    CStitchBlend blend(job, 0);
    blend.m_dRadius = 100;
    blend.m_pScanRegions = new CScanRegion[1];
    QVERIFY(blend.m_pScanRegions[0].Create(tagRECT{0, 0, 2, 1}));
    for (int x = 0; x < 2; ++x) {
        blend.m_pScanRegions[0].Column(x) = LineSegment{0, 0};
        // Column 0: angles 0 and 0.5 (differ, one row); column 1: 0 and 0.005 (below 0.01).
        blend.m_pScanRegions[0].Angle(x) = DLineSegment{0.0, x == 0 ? 0.5 : 0.005};
    }
    blend.m_pClosingAxis = new double[3]{0, 1, 0};
    CImage* out = nullptr;
    CMask* mask = nullptr;
    bool locked = false;
    QCOMPARE(blend.Project2Cylinder(&src, &element, 0, out, mask, locked, 0, 100), 0);
    std::unique_ptr<CImage> ownImage(out);
    std::unique_ptr<CMask> ownMask(mask);
    // With the first angle, 0, both pixels look at the source near its centre.
    QVERIFY(mask->GetPixel(0, 0) && mask->GetPixel(0, 1));
    QCOMPARE(int(pixel(out, 0, 0)[0]), 0x10); // blue of 0x00BBGGRR
    src.Unlock();
    PSReleaseStitch(job);
}

void TestWarp::telephotoBoundaries()
{
    // Three in a row with regions by hand (layer 0, views 240 x 180):
    // bands 2 x (240 / 40) + 1 = 13 wide.
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = GeometryFixture::job(*m_host, *m_views, m_views->row(3, 0.35), StitchStyleHorizontal, 3, 1,
                                               StitchMethodTelephoto);
    QVERIFY(job);
    Q_UNUSED(table);
    CStitchBlend blend(job, 0);
    blend.m_pScanRegions = new CScanRegion[3];
    blend.m_pScanRegions[0].m_Rect = tagRECT{0, 0, 240, 180};
    blend.m_pScanRegions[1].m_Rect = tagRECT{150, 3, 390, 183};
    blend.m_pScanRegions[2].m_Rect = tagRECT{300, 6, 540, 186};
    tagRECT region = blend.m_pScanRegions[1].m_Rect, outer, inner;
    blend.CalcBoundaryTelephoto(&job->m_Matrix.m_pElements[1], 1, 0, region, outer, inner);
    // Left: mid = (240 + 150) / 2 = 195, outer.left = 195 - 7 = 188, inner 201.
    // Right: mid = (300 + 390) / 2 = 345, outer.right = 345 + 6 = 351, inner 338.
    // No upper or lower neighbour: open sides with bands of 1.
    QCOMPARE(outer.left, 188);
    QCOMPARE(inner.left, 201);
    QCOMPARE(outer.right, 351);
    QCOMPARE(inner.right, 338);
    QCOMPARE(outer.top, -CStitchBlend::kOpenSide);
    QCOMPARE(inner.top, -CStitchBlend::kOpenSide + 1);
    QCOMPARE(outer.bottom, CStitchBlend::kOpenSide);
    QCOMPARE(inner.bottom, CStitchBlend::kOpenSide - 1);
    // The region clipped to the outer rectangle (right inclusive).
    QCOMPARE(region.left, 188);
    QCOMPARE(region.right, 352);
    QCOMPARE(region.top, 3);
    QCOMPARE(region.bottom, 183);
    // A tile grid's right band reaches twice the band past the middle: 345 + 26.
    job->m_Matrix.m_Style = StitchStyleTile;
    region = blend.m_pScanRegions[1].m_Rect;
    blend.CalcBoundaryTelephoto(&job->m_Matrix.m_pElements[1], 1, 0, region, outer, inner);
    QCOMPARE(outer.right, 371);
    PSReleaseStitch(job);
}

void TestWarp::telephotoSingularAndLonely()
{
    SyntheticViews plane(m_photo, SyntheticViews::Surface::Plane, 240, 180, 400.0, 0.7);
    const QList<SyntheticViews::Camera> cameras{SyntheticViews::Camera{}};
    Laid laid;
    QVERIFY(lay(laid, plane, cameras, StitchStyleHorizontal, 1, 1, StitchMethodTelephoto));
    CStitchBlend& blend = *laid.blend;
    CStitchElement* e = &laid.job->m_Matrix.m_pElements[0];
    tagRECT region = blend.m_pScanRegions[0].m_Rect, outer, inner;
    blend.CalcBoundaryTelephoto(e, 0, 0, region, outer, inner);
    // Without any neighbour: open on all sides, drawn without feathering.
    QCOMPARE(outer.left, -CStitchBlend::kOpenSide);
    QCOMPARE(outer.top, -CStitchBlend::kOpenSide);
    QCOMPARE(outer.right, CStitchBlend::kOpenSide);
    QCOMPARE(outer.bottom, CStitchBlend::kOpenSide);
    const tagRECT pano = blend.m_PanoramaRect;
    CImage image(pano.right - pano.left, pano.bottom - pano.top, 24);
    QVERIFY(image.Lock() == 0);
    CMask mask(unsigned(pano.right - pano.left), unsigned(pano.bottom - pano.top));
    // Pixels already set stay unblended: x is never inside a band.
    mask.SetPixel(10, 10, true);
    QCOMPARE(blend.ProjectForTelephoto(e, 0, 0, region, outer, inner, &image, &mask, 0, 100), 0);
    int set = 0;
    for (unsigned y = 0; y < mask.Height(); ++y)
        for (unsigned x = 0; x < mask.Width(); ++x)
            set += mask.GetPixel(y, x);
    // Every source pixel whose 2 x 2 block fits: 239 x 179 (the outline's
    // x is coded half a pixel left).
    QVERIFY2(set >= 238 * 178, qPrintable(QString::number(set)));
    // A singular map (det = 0) cannot be drawn: -3, and nothing is drawn.
    CMask fresh(unsigned(pano.right - pano.left), unsigned(pano.bottom - pano.top));
    for (double& v : e->m_Transform.m_Matrix)
        v = 0;
    QCOMPARE(blend.ProjectForTelephoto(e, 0, 0, region, outer, inner, &image, &fresh, 0, 100), -3);
    QCOMPARE(fresh.ObjectRect()->right, 0);
    image.Unlock();
    PSReleaseStitch(laid.job);
}

void TestWarp::cancelAndNoBitmap()
{
    Laid laid;
    QVERIFY(lay(laid, *m_views, m_views->row(2, 0.35), StitchStyleHorizontal, 2, 1));
    CStitchElement* e = &laid.job->m_Matrix.m_pElements[1];
    CImage src(e->m_Pyramid.LockHDib(0));
    QVERIFY(src.Lock() == 0);
    const int columns = laid.blend->m_pScanRegions[1].m_Rect.right - laid.blend->m_pScanRegions[1].m_Rect.left;
    // Cancelled before the warp, at a column, at the end: -1, and whatever
    // was made belongs to the caller.
    for (int at : {0, 1, 5, columns + 1}) {
        m_host->progress.clear();
        m_host->cancelAtProgressCall = at;
        CImage* out = nullptr;
        CMask* mask = nullptr;
        bool locked = false;
        QCOMPARE(laid.blend->Project2Cylinder(&src, e, 1, out, mask, locked, 10, 20), -1);
        QCOMPARE(out != nullptr, at > 0);
        delete out;
        delete mask;
    }
    m_host->cancelAtProgressCall = -1;
    // No output bitmap: -2 and nothing handed over.
    m_host->failAllocation = m_host->allocations;
    CImage* out = nullptr;
    CMask* mask = nullptr;
    bool locked = false;
    QCOMPARE(laid.blend->Project2Cylinder(&src, e, 1, out, mask, locked, 0, 100), -2);
    QVERIFY(!out && !mask && !locked);
    m_host->failAllocation = -1;
    src.Unlock();
    src.Detach();
    e->m_Pyramid.UnlockHDib(0);
    PSReleaseStitch(laid.job);
}

void TestWarp::viewPointForTile()
{
    // A tile grid symmetric about the horizon, straightened so that it
    // starts at longitude 0: turned to look at the middle of its corners,
    // the corners' longitudes and latitudes are centred on 0, and every
    // element is turned by the same rotation.
    Laid laid;
    QVERIFY(lay(laid, *m_views, m_views->tile(3, 2, 0.3), StitchStyleTile, 3, 2));
    CStitchOptions* job = laid.job;
    QList<CStitchTransform> before;
    for (int i = 0; i < 6; ++i)
        before << job->m_Matrix.m_pElements[i].m_Transform;
    CStitchLayout layout(&laid.blend->m_PanoramaRect, laid.blend->m_pScanRegions, job, 0);
    layout.CalcViewPointForTile();
    const CProjection projection(StitchStyleTile, STITCHMETHOD(RenderSpherical));
    double lo = 10, hi = -10, down = 10, up = -10;
    CStitchTransform first;
    for (int i = 0; i < 6; ++i) {
        const CStitchTransform& G = job->m_Matrix.m_pElements[i].m_Transform;
        CStitchTransform back, turn;
        before[i].Transpose(&back);
        turn = G.Multiple(&back);
        if (i == 0)
            first = turn;
        for (int k = 0; k < 9; ++k)
            QVERIFY(std::fabs(turn.m_Matrix[k] - first.m_Matrix[k]) < 1e-12);
        const double cx = (m_views->width() - 1) / 2.0, cy = (m_views->height() - 1) / 2.0;
        for (double sx : {-1.0, 1.0})
            for (double sy : {-1.0, 1.0}) {
                const FilmCoord film{sx * cx, sy * cy, m_views->focal()};
                CartesianCoord c;
                SphericalCoord sph;
                projection.Film2Cartesian(&film, &c, &G);
                projection.Cartesian2Spherical(&c, &sph);
                const double theta = sph.theta > M_PI ? sph.theta - 2 * M_PI : sph.theta;
                lo = std::min(lo, theta), hi = std::max(hi, theta);
                down = std::min(down, sph.phi), up = std::max(up, sph.phi);
            }
    }
    // It did turn: the grid started at longitude 0, not centred.
    QVERIFY(first.m_Matrix[0] < 0.99);
    QVERIFY2(std::fabs(lo + hi) < 1e-9, qPrintable(QString::number(lo + hi)));
    QVERIFY2(std::fabs(down + up) < 1e-9, qPrintable(QString::number(down + up)));
    PSReleaseStitch(job);
}

void TestWarp::roundingIsNearbyint_data()
{
    QTest::addColumn<double>("x");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("half") << 0.5;
    QTest::newRow("minus half") << -0.5;
    QTest::newRow("one and a half") << 1.5;
    QTest::newRow("two and a half") << 2.5;
    QTest::newRow("minus one and a half") << -1.5;
    QTest::newRow("just under a half") << 0.49999999999999994;
    QTest::newRow("just over a half") << 0.5000000000000001;
    QTest::newRow("255.5") << 255.5;
    QTest::newRow("256.5") << 256.5;
    QTest::newRow("a fraction") << 1234.567;
    QTest::newRow("largest half below 2^51") << 2251799813685247.5;
    QTest::newRow("negative large half") << -2251799813685246.5;
    QTest::newRow("2^30 - 0.5") << 1073741823.5;
}

void TestWarp::roundingIsNearbyint()
{
    QFETCH(double, x);
    QCOMPARE(WarpRoundEven(x), std::nearbyint(x));
}

void TestWarp::locatedPointsFollowTheSamplingRule_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("exactGrid"); // u, v on 1/256 steps: ties of both roundings
    QTest::newRow("one") << 1 << false;
    QTest::newRow("three") << 3 << false;
    QTest::newRow("five") << 5 << false;
    QTest::newRow("seven") << 7 << false;
    QTest::newRow("a band and one") << 257 << false;
    QTest::newRow("ties, odd") << 1031 << true;
}

// Both kernels against the single point rule (WarpSampler::Sample with the
// library's nearbyint), and against each other in every output.
void TestWarp::locatedPointsFollowTheSamplingRule()
{
    QFETCH(int, points);
    QFETCH(bool, exactGrid);
    const int width = 37, height = 23;
    std::mt19937 random(points);
    std::uniform_real_distribution<double> spread(-1.0, 1.0);
    for (int round = 0; round < 40; ++round) {
        WarpLocator l;
        std::vector<double> px(static_cast<size_t>(points)), pz(static_cast<size_t>(points));
        double py;
        if (exactGrid) {
            // Identity, f = 1, no centre, z = -1: u = px and v = py exactly.
            l.m[0] = l.m[4] = l.m[8] = 1.0;
            l.minusF = -1.0;
            for (int i = 0; i < points; ++i) {
                px[size_t(i)] = (i * 7 % (256 * 40) - 100) / 256.0; // -0.4 .. past the right edge
                pz[size_t(i)] = -1.0;
            }
            py = (round * 163 % (256 * 25) - 200) / 256.0;
        } else {
            for (double& m : l.m)
                m = spread(random);
            l.minusF = -(20.0 + 10.0 * spread(random));
            l.cx = (width - 1) / 2.0;
            l.cy = (height - 1) / 2.0;
            for (int i = 0; i < points; ++i) {
                px[size_t(i)] = 3.0 * spread(random);
                pz[size_t(i)] = i % 11 == 3 ? 0.0 : 3.0 * spread(random); // Z = 0 and both signs
            }
            if (points > 2)
                px[1] = std::numeric_limits<double>::quiet_NaN();
            py = 3.0 * spread(random);
        }
        l.lastX = width - 2.0;
        l.lastY = height - 2.0;
        std::vector<int> plain(size_t(4 * points)), avx(size_t(4 * points), 99);
        auto locate = [&](std::vector<int>& out, SimdKernel kernel) {
            WarpLocate(l, px.data(), py, pz.data(), points, out.data(), out.data() + points,
                       out.data() + 2 * points, out.data() + 3 * points, kernel);
        };
        locate(plain, SimdKernel::Plain);
        for (int i = 0; i < points; ++i) {
            // The rule as the single point sampler applies it.
            const double X = l.m[0] * px[size_t(i)] + l.m[3] * py + l.m[6] * pz[size_t(i)];
            const double Y = l.m[1] * px[size_t(i)] + l.m[4] * py + l.m[7] * pz[size_t(i)];
            const double Z = l.m[2] * px[size_t(i)] + l.m[5] * py + l.m[8] * pz[size_t(i)];
            bool sampled = false;
            int ix = 0, iy = 0, fx = 0, fy = 0;
            if (Z < 0.0) {
                const double u = l.minusF * X / Z + l.cx, v = l.minusF * Y / Z + l.cy;
                if (u >= 0.0 && v >= 0.0 && u < 1073741824.0 && v < 1073741824.0) {
                    ix = int(std::nearbyint(u - 0.5));
                    iy = int(std::nearbyint(v - 0.5));
                    sampled = ix >= 0 && iy >= 0 && ix <= width - 2 && iy <= height - 2;
                    fx = int(std::nearbyint((u - ix) * 256.0 - 0.5));
                    fy = int(std::nearbyint((v - iy) * 256.0 - 0.5));
                }
            }
            QVERIFY2((plain[size_t(i)] >= 0) == sampled, qPrintable(QString::number(i)));
            if (sampled) {
                QCOMPARE(plain[size_t(i)], ix);
                QCOMPARE(plain[size_t(points + i)], iy);
                QCOMPARE(plain[size_t(2 * points + i)], fx);
                QCOMPARE(plain[size_t(3 * points + i)], fy);
            }
        }
        if (SimdHasAvx2()) {
            locate(avx, SimdKernel::Avx2);
            QCOMPARE(avx, plain);
        }
    }
    if (!SimdHasAvx2())
        QSKIP("no AVX2 on this processor: the plain kernel alone was checked");
}

void TestWarp::sampledRunsFollowTheRule_data()
{
    QTest::addColumn<bool>("withTable");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("firstColumn");
    QTest::newRow("raw bytes, odd run from column 3") << false << 37 << 3;
    QTest::newRow("colour table, odd run from column 3") << true << 37 << 3;
    QTest::newRow("raw bytes, one point") << false << 1 << 7;
    QTest::newRow("colour table, long run from column 0") << true << 301 << 0;
}

// Both sampling kernels against WarpSampler::Put, point by point: the same
// bytes, the points refused left as they were, their mask bits alone set.
void TestWarp::sampledRunsFollowTheRule()
{
    QFETCH(bool, withTable);
    QFETCH(int, points);
    QFETCH(int, firstColumn);
    const int width = 13, height = 7, stride = 40; // 39 bytes of pixels a row
    std::mt19937 random(unsigned(points + firstColumn));
    std::vector<unsigned char> source(size_t(stride * height)), table(768);
    for (unsigned char& b : source)
        b = static_cast<unsigned char>(random());
    for (unsigned char& b : table)
        b = static_cast<unsigned char>(random());
    WarpSampler sampler;
    sampler.bits = source.data();
    sampler.stride = stride;
    sampler.width = width;
    sampler.height = height;
    sampler.table = withTable ? table.data() : nullptr;
    const size_t count = static_cast<size_t>(points);
    std::vector<int> ix(count), iy(count), fx(count), fy(count);
    for (int i = 0; i < points; ++i) {
        ix[size_t(i)] = i % 5 == 2 ? -1 : int(random() % (width - 1));
        iy[size_t(i)] = int(random() % (height - 1));
        // The ends of the weights, 0 and 256, among them.
        fx[size_t(i)] = i % 7 == 0 ? 256 * (i % 2) : int(random() % 257);
        fy[size_t(i)] = i % 11 == 0 ? 256 * (i % 3 % 2) : int(random() % 257);
    }
    const int columns = firstColumn + points;
    const size_t maskBytes = size_t(columns + 7) / 8;
    std::vector<unsigned char> expected(size_t(3 * columns), 0x5A), expectedMask(maskBytes, 0x10);
    for (int i = 0; i < points; ++i) {
        if (ix[size_t(i)] < 0)
            continue;
        const int column = firstColumn + i;
        sampler.Put(ix[size_t(i)], iy[size_t(i)], fx[size_t(i)], fy[size_t(i)], expected.data() + 3 * column);
        expectedMask[size_t(column / 8)] |= static_cast<unsigned char>(1u << (column % 8));
    }
    for (const SimdKernel kernel : {SimdKernel::Plain, SimdKernel::Avx2}) {
        if (kernel == SimdKernel::Avx2 && !SimdHasAvx2())
            continue;
        std::vector<unsigned char> row(size_t(3 * columns), 0x5A), mask(maskBytes, 0x10);
        WarpSample(sampler, ix.data(), iy.data(), fx.data(), fy.data(), points, firstColumn, row.data(),
                   mask.data(), kernel);
        QCOMPARE(row, expected);
        QCOMPARE(mask, expectedMask);
    }
    if (!SimdHasAvx2())
        QSKIP("no AVX2 on this processor: the plain kernel alone was checked");
}

void TestWarp::copySubImageRuns_data()
{
    QTest::addColumn<int>("dstLeft"); // the source lies at panorama column 10
    QTest::addColumn<int>("areaLeft");
    QTest::addColumn<int>("areaRight");
    QTest::newRow("aligned, whole") << 10 << 0 << 100;
    QTest::newRow("shifted by 3") << 7 << 0 << 100;
    QTest::newRow("shifted by -5, area cut mid-byte") << 15 << 13 << 47;
    QTest::newRow("area of one column") << 10 << 30 << 31;
}

// Copies of masks with whole clear and whole set bytes, runs across byte
// borders and odd placements, against the pixel rule: every pixel on both
// images, inside the area and set in the source mask is copied and marked;
// nothing else changes.
void TestWarp::copySubImageRuns()
{
    QFETCH(int, dstLeft);
    QFETCH(int, areaLeft);
    QFETCH(int, areaRight);
    const int w = 45, h = 5;
    CImage src(w, h, 24), dst(w, h, 24);
    QVERIFY(src.Lock() == 0 && dst.Lock() == 0);
    CMask srcMask(w, h), dstMask(w, h);
    unsigned seed = 7;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            unsigned char* p = src.Bits() + y * src.Stride() + 3 * x;
            p[0] = static_cast<unsigned char>(x);
            p[1] = static_cast<unsigned char>(y);
            p[2] = 200;
            std::fill_n(dst.Bits() + y * dst.Stride() + 3 * x, 3, 0);
            seed = seed * 1103515245u + 12345u;
            // Row 0 all set, row 1 clear, row 2 bytes alternately set and
            // clear, the others random.
            const bool on = y == 0 || (y == 2 && (x / 8) % 2 == 0) || (y > 2 && (seed >> 16) % 3 != 0);
            srcMask.SetPixel(y, x, on);
            dstMask.SetPixel(y, x, x % 13 == 0); // marks already there stay
        }
    CMask before(dstMask);
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = PSCreateStitch(StitchStyleHorizontal, StitchOutputOriginal, StitchMethodCalibrated, &table);
    QVERIFY(job);
    CStitchBlend blend(job, 0);
    QCOMPARE(blend.CopySubImage(tagRECT{areaLeft, 0, areaRight, h}, tagRECT{10, 0, 10 + w, h},
                                tagRECT{dstLeft, 0, dstLeft + w, h}, &src, &srcMask, &dst, &dstMask),
             0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int column = dstLeft + x, sx = column - 10;
            const bool copied = column >= areaLeft && column < areaRight && sx >= 0 && sx < w
                                && srcMask.GetPixel(y, sx);
            const unsigned char* p = dst.Bits() + y * dst.Stride() + 3 * x;
            QCOMPARE(int(p[2]), copied ? 200 : 0);
            if (copied)
                QCOMPARE(int(p[0]), sx);
            QCOMPARE(dstMask.GetPixel(y, x), copied || before.GetPixel(y, x));
        }
    src.Unlock();
    dst.Unlock();
    PSReleaseStitch(job);
}

QTEST_MAIN(TestWarp)
#include "tst_warp.moc"
