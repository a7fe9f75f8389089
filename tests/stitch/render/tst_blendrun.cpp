#include "BlendChecks.h"
#include "FailingNothrowNew.h"
#include "GeometryFixture.h"
#include "StitchTestHost.h"
#include "SyntheticViews.h"
#include "ViewExposure.h"

#include "stitch/align/CStitchAlign.h"
#include "stitch/geometry/CCoordinate.h"
#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/outline/CScanRegion.h"
#include "stitch/outline/CStitchLayout.h"
#include "stitch/render/CStitchBlend.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QtTest>

#include <sys/resource.h>

#include <atomic>
#include <cmath>
#include <csignal>
#include <cstring>
#include <memory>
#include <new>

using Job = std::unique_ptr<CStitchOptions, void (*)(CStitchOptions*)>;
using namespace BlendChecks;

// The blend driver over whole jobs: rows and columns rendered against the
// ground truth, the progress bands, the trim of a third overlapping view,
// telephoto rendering, and failures that must leave the previous render in
// place.
class TestBlendRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rendersAgainstTheTruth_data();
    void rendersAgainstTheTruth();
    void progressBands_data();
    void progressBands();
    void thirdOverlappingViewIsTrimmed_data();
    void thirdOverlappingViewIsTrimmed();
    void laterViewsAreTrimmedOnTheSameSide_data();
    void laterViewsAreTrimmedOnTheSameSide();
    void telephotoRendersWithProgressAndCancel();
    void ringClosesOverItsStart();
    void failuresLeaveThePreviousRender_data();
    void failuresLeaveThePreviousRender();
    void fineTuneFailuresRestoreTheAlignment();
    void smallPanoramaRestoresEverything();
    void refusedBitmapSizes();

private:
    QString artefacts() const;
    QImage m_photo;
    StitchTestHost* m_host = nullptr;
};

namespace {

// A job of the given packed views, loaded as the engine loads them.
CStitchOptions* loadJob(StitchTestHost& host, const QList<QByteArray>& images, int width, int height,
                        tagStitchStyle style, int cols, int rows)
{
    QStringList names;
    QList<tagPOINT> sizes;
    for (int i = 0; i < images.size(); ++i) {
        names << QStringLiteral("view%1").arg(i);
        sizes << tagPOINT{width, height};
        host.addImage(names.last(), images[i]);
    }
    tagStitchCallbacks table = host.callbacks();
    CStitchOptions* job = PSCreateStitch(style, StitchOutputOriginal, StitchMethodCalibrated, &table);
    if (!job)
        return nullptr;
    if (PSLoadImages(job, int(names.size()), names, sizes.data()) != 0) {
        PSReleaseStitch(job);
        return nullptr;
    }
    job->m_Matrix.m_lCols = cols;
    job->m_Matrix.m_lRows = rows;
    return job;
}

} // namespace

void TestBlendRun::initTestCase()
{
    const QString path = SyntheticViews::photoPath(QStringLiteral("GreenMeadow.jpg"));
    if (path.isEmpty())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    QVERIFY(m_photo.load(path));
    QDir().mkpath(artefacts());
    // A write past the file-size limit fails as on a full disk instead of
    // ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
}

void TestBlendRun::init()
{
    m_host = new StitchTestHost;
}

void TestBlendRun::cleanup()
{
    g_nothrowArmed = -1;
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

QString TestBlendRun::artefacts() const
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/blendrun-artefacts");
}

void TestBlendRun::rendersAgainstTheTruth_data()
{
    // style: 0 row, 1 column; 10 + style: aligned by the alignment driver.
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("brightView");
    QTest::addColumn<double>("maxColour");
    QTest::addColumn<double>("maxSeam");
    QTest::newRow("row of five") << 0 << 5 << -1 << 3.0 << 1.5;
    QTest::newRow("column of four") << 1 << 4 << -1 << 3.0 << 1.5;
    QTest::newRow("row of five, one brighter") << 0 << 5 << 2 << 6.0 << 2.0;
    QTest::newRow("column of four, one brighter") << 1 << 4 << 1 << 6.0 << 2.0;
    // Aligned by the alignment driver instead, from 320 x 240 views of the
    // unmagnified photograph; the colour error is taken over 4 x 4 block
    // means, as the alignment is right to about a pixel. (A row aligned so
    // drifts by a pixel or two towards its end: there the difference
    // measures the alignment, not the render, so rows are left out.)
    QTest::newRow("column of four, one brighter, aligned") << 11 << 4 << 1 << 6.0 << 2.0;
}

void TestBlendRun::rendersAgainstTheTruth()
{
    QFETCH(int, style);
    QFETCH(int, count);
    QFETCH(int, brightView);
    QFETCH(double, maxColour);
    QFETCH(double, maxSeam);
    const bool aligned = style >= 10;
    style %= 10;
    const bool row = style == StitchStyleHorizontal;
    // Columns aligned by the driver look at a sphere, as its own accuracy
    // test does.
    const int width = aligned ? 320 : row ? 160 : 200, height = aligned ? 240 : row ? 200 : 160;
    const SyntheticViews views(m_photo,
                               aligned && !row ? SyntheticViews::Surface::Sphere : SyntheticViews::Surface::Cylinder,
                               width, height, aligned ? focalFor(320) : focalFor(row ? width : height),
                               aligned ? 2.0 : 0.8);
    const QList<SyntheticViews::Camera> cameras = row ? views.row(count, 0.4) : views.column(count, 0.4);
    // The brighter view: 30 % more light, and a camera curve that lifts
    // the shadows.
    ViewExposure brighter;
    brighter.gain[0] = brighter.gain[1] = brighter.gain[2] = 1.3;
    brighter.curve = -0.15;
    QList<QByteArray> images;
    for (int i = 0; i < count; ++i)
        images << (i == brightView ? views.render(cameras[i], brighter) : views.render(cameras[i]));
    Job job(loadJob(*m_host, images, width, height, tagStitchStyle(style), row ? count : 1, row ? 1 : count),
            PSReleaseStitch);
    QVERIFY(job);
    // Either the alignment driver aligns, or the alignment comes from the
    // truth so that the figures measure the render alone: colour tables
    // start as the identity and the fine colour correction does the
    // matching.
    if (aligned) {
        QCOMPARE(CStitchAlign(job.get()).Run(), 0);
    } else {
        for (int i = 0; i < count; ++i)
            for (int v = 0; v < 768; ++v)
                job->m_Matrix.m_pElements[i].m_ColorTable[v] = static_cast<unsigned char>(v % 256);
        views.fillJob(job.get(), cameras);
    }
    CStitchBlend blend(job.get(), job->m_lWorkingLayer);
    QCOMPARE(blend.Run(false), 0);

    const tagRECT pano = blend.m_PanoramaRect, crop = job->m_CropRect;
    const QImage result = resultImage(job.get());
    QCOMPARE(result.width(), pano.right - pano.left);
    QCOMPARE(result.height(), pano.bottom - pano.top);
    QVERIFY(!IsRectEmpty(&crop));
    // The crop keeps most of the panorama's height (rows) or width
    // (columns): the views are level.
    if (row)
        QVERIFY((crop.bottom - crop.top) * 10 > result.height() * 7);
    else
        QVERIFY((crop.right - crop.left) * 10 > result.width() * 7);

    SyntheticViews::Panorama truth;
    truth.kind = row ? SyntheticViews::Panorama::Cylinder : SyntheticViews::Panorama::CylinderVertical;
    truth.radius = blend.m_dRadius;
    GeometryFixture::frame(cameras[0], job->m_Matrix.m_pElements[0].m_Transform, truth.frame);
    // The truth is the scene itself only through a rotation.
    QVERIFY(GeometryFixture::determinant(truth.frame) > 0.99);
    truth.rect = QRect(pano.left, pano.top, pano.right - pano.left, pano.bottom - pano.top);
    const QImage expected = views.truth(truth);
    const double error = colourError(result, expected, crop, aligned ? 4 : 1);

    double seamSum = 0;
    int seamCount = 0, seams = 0;
    QImage picture = result;
    QPainter painter(&picture);
    painter.setPen(Qt::red);
    for (int i = 0; i + 1 < count; ++i) {
        const CStitchElement& a = job->m_Matrix.m_pElements[i];
        const CStitchElement& b = job->m_Matrix.m_pElements[i + 1];
        tagRECT overlap;
        IntersectRect(&overlap, &a.m_Placement, &b.m_Placement);
        const QList<QPoint> seam = seamPoints(a.m_pRightPath, overlap, pano, row);
        if (seam.isEmpty())
            continue;
        ++seams;
        const double v = seamVisibility(result, expected, seam, crop, row, &seamCount);
        seamSum = std::max(seamSum, v);
        for (const QPoint& p : seam)
            painter.drawPoint(p);
    }
    painter.end();
    const double visibility = seamCount ? seamSum : 1e9; // the most visible seam
    qInfo("%s: colour error %.2f levels, seam visibility %.2f over %d seam points of %d seams",
          QTest::currentDataTag(), error, visibility, seamCount, seams);

    // The picture with its crop frame (drawn by the library) and seams.
    {
        CImage framed;
        QVERIFY(framed.Attach(job->m_hResultDib) == 0);
        QVERIFY(framed.Lock() == 0);
        blend.DrawCropRect(&framed, crop);
        framed.Unlock();
        framed.Detach();
        QImage withFrame = resultImage(job.get());
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (picture.pixel(x, y) != result.pixel(x, y))
                    withFrame.setPixel(x, y, picture.pixel(x, y));
        const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'))
                                .remove(QLatin1Char(','));
        withFrame.save(artefacts() + QStringLiteral("/%1.png").arg(tag));
        expected.save(artefacts() + QStringLiteral("/%1-truth.png").arg(tag));
    }

    QCOMPARE(seams, count - 1);
    QVERIFY(seamCount > 0);
    QVERIFY2(error <= maxColour, qPrintable(QStringLiteral("colour error %1").arg(error)));
    QVERIFY2(visibility <= maxSeam, qPrintable(QStringLiteral("seam visibility %1").arg(visibility)));
}

void TestBlendRun::progressBands_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("empty");
    // Bands of cell k of N (parts = 3N - 2): k = 0: 0 .. 100 / parts, the
    // warp to 3/5 of it; k > 0: (3k - 2) 100 / parts .. (3k + 1) 100 /
    // parts, the warp to 2/5. Each row: low, mid, high per cell.
    QTest::addColumn<QList<int>>("bands");
    // N = 1: parts 1: 0 .. 100, mid 60.
    QTest::newRow("one") << 1 << QList<int>{} << QList<int>{0, 60, 100};
    // N = 2: parts 4: 0 .. 25, mid 15; 25 .. 100, mid 25 + 30 = 55.
    QTest::newRow("two") << 2 << QList<int>{} << QList<int>{0, 15, 25, 25, 55, 100};
    // N = 3: parts 7: 0 .. 14, mid 8 (42 / 5); 14 .. 57, mid 14 + 86 / 5 =
    // 31; 57 .. 100, mid 57 + 17 = 74.
    QTest::newRow("three") << 3 << QList<int>{} << QList<int>{0, 8, 14, 14, 31, 57, 57, 74, 100};
    // N = 4: parts 10: 0..10 mid 6; 10..40 mid 22; 40..70 mid 52; 70..100 mid 82.
    const QList<int> four{0, 6, 10, 10, 22, 40, 40, 52, 70, 70, 82, 100};
    QTest::newRow("four") << 4 << QList<int>{} << four;
    QTest::newRow("four, second empty") << 4 << QList<int>{1} << four;
    // N = 5: parts 13: 0..7 mid 4 (21 / 5); 7..30 mid 7 + 46 / 5 = 16;
    // 30..53 mid 39; 53..76 mid 62; 76..100 mid 76 + 48 / 5 = 85.
    const QList<int> five{0, 4, 7, 7, 16, 30, 30, 39, 53, 53, 62, 76, 76, 85, 100};
    QTest::newRow("five") << 5 << QList<int>{} << five;
    QTest::newRow("five, middle empty") << 5 << QList<int>{2} << five;
    QTest::newRow("five, first and fourth empty") << 5 << QList<int>{0, 3} << five;
}

void TestBlendRun::progressBands()
{
    QFETCH(int, count);
    QFETCH(QList<int>, empty);
    QFETCH(QList<int>, bands);
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 96, 72, focalFor(96), 0.8);
    Job job(GeometryFixture::job(*m_host, views, views.row(count, 0.4), StitchStyleHorizontal, count, 1),
            PSReleaseStitch);
    QVERIFY(job);
    CStitchBlend blend(job.get(), 0);
    blend.m_pScanRegions = new CScanRegion[size_t(count)];
    QCOMPARE(CCoordinate(job.get()).Run(), 0);
    CStitchLayout(&blend.m_PanoramaRect, blend.m_pScanRegions, job.get(), 0).Run();
    // Cells emptied after the outline still count in the bands.
    for (int k : empty)
        job->m_Matrix.m_pElements[k].m_bInUse = false;
    m_host->progress.clear();
    QCOMPARE(blend.RenderAuto(), 0);
    const QList<int>& p = m_host->progress;
    QCOMPARE(p.last(), 100);
    for (int i = 1; i < p.size(); ++i)
        QVERIFY2(p[i - 1] <= p[i], qPrintable(QStringLiteral("progress goes back at %1").arg(i)));
    for (int k = 0; k < count; ++k) {
        const int low = bands[3 * k], mid = bands[3 * k + 1], high = bands[3 * k + 2];
        if (empty.contains(k)) {
            for (int r : p)
                QVERIFY2(r <= low || r >= high, qPrintable(QStringLiteral("report %1 in empty cell %2").arg(r).arg(k)));
        } else {
            // The warp starts at low and ends at mid; the seam starts at mid.
            QVERIFY2(p.contains(low), qPrintable(QStringLiteral("no %1 for cell %2").arg(low).arg(k)));
            QVERIFY2(p.contains(mid), qPrintable(QStringLiteral("no %1 for cell %2").arg(mid).arg(k)));
        }
    }
    for (int k : empty)
        job->m_Matrix.m_pElements[k].m_bInUse = true;
}

void TestBlendRun::thirdOverlappingViewIsTrimmed_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("overlap");
    QTest::addColumn<bool>("trimmed");
    QTest::addColumn<bool>("reversed");
    // At 70 % overlap the first and third views overlap too; at 40 % they
    // do not and nothing is cut. Reversed: the views turn the other way.
    QTest::newRow("row, three overlapping") << 0 << 0.7 << true << false;
    QTest::newRow("row, pairs only") << 0 << 0.4 << false << false;
    QTest::newRow("row leftwards") << 0 << 0.7 << true << true;
    QTest::newRow("column, three overlapping") << 1 << 0.7 << true << false;
    QTest::newRow("column, pairs only") << 1 << 0.4 << false << false;
    QTest::newRow("column downwards") << 1 << 0.7 << true << true;
}

void TestBlendRun::thirdOverlappingViewIsTrimmed()
{
    QFETCH(int, style);
    QFETCH(double, overlap);
    QFETCH(bool, trimmed);
    QFETCH(bool, reversed);
    const bool row = style == StitchStyleHorizontal;
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 96, 96, focalFor(96), 0.8);
    QList<SyntheticViews::Camera> cameras = row ? views.row(3, overlap) : views.column(3, overlap);
    if (reversed)
        for (SyntheticViews::Camera& c : cameras) {
            c.yaw = -c.yaw;
            c.pitch = -c.pitch;
        }
    Job job(GeometryFixture::job(*m_host, views, cameras, tagStitchStyle(style), row ? 3 : 1, row ? 1 : 3),
            PSReleaseStitch);
    QVERIFY(job);
    CStitchBlend blend(job.get(), 0);
    blend.m_pScanRegions = new CScanRegion[3];
    QCOMPARE(CCoordinate(job.get()).Run(), 0);
    CStitchLayout(&blend.m_PanoramaRect, blend.m_pScanRegions, job.get(), 0).Run();
    CStitchElement* e = job->m_Matrix.m_pElements;
    const tagRECT p0 = e[0].m_Placement, p1 = e[1].m_Placement, p2 = e[2].m_Placement;
    tagRECT ab, bn;
    QCOMPARE(IntersectRect(&ab, &p0, &p1) && IntersectRect(&bn, &p1, &p2) && IntersectRect(nullptr, &ab, &bn),
             trimmed);
    QCOMPARE(blend.RenderAuto(), 0);
    // The first two stay; the third starts where the first two's overlap
    // ends, its other edges kept.
    QVERIFY(EqualRect(&e[0].m_Placement, &p0));
    QVERIFY(EqualRect(&e[1].m_Placement, &p1));
    tagRECT expected = p2;
    if (trimmed) {
        // Forwards the cut is at the near edge (left, top), backwards at
        // the far one. The synthetic column runs down the panorama as down
        // the scene (its later views have larger rows) unless reversed.
        const bool backwards = row ? p2.left < p1.left : p2.top < p1.top;
        QCOMPARE(backwards, reversed);
        if (row && !backwards)
            expected.left = ab.right;
        else if (row)
            expected.right = ab.left;
        else if (!backwards)
            expected.top = ab.bottom;
        else
            expected.bottom = ab.top;
        QVERIFY(!EqualRect(&expected, &p2));
    }
    QVERIFY(EqualRect(&e[2].m_Placement, &expected));
    // The kept warped files have the cut size.
    CImage warped;
    CMask mask;
    QVERIFY(job->m_FileManager.LoadImageFile(e[2].m_lWarpedImageId, &warped));
    QVERIFY(job->m_FileManager.LoadMaskFile(e[2].m_lWarpedMaskId, &mask));
    QCOMPARE(warped.Width(), expected.right - expected.left);
    QCOMPARE(warped.Height(), expected.bottom - expected.top);
    QCOMPARE(int(mask.Width()), expected.right - expected.left);
}

void TestBlendRun::laterViewsAreTrimmedOnTheSameSide_data()
{
    QTest::addColumn<bool>("reversed");
    QTest::newRow("rightwards") << false;
    QTest::newRow("leftwards") << true;
}

void TestBlendRun::laterViewsAreTrimmedOnTheSameSide()
{
    // Five views overlapping by 70 %: from the third on, every view is cut
    // where the two before it stop overlapping, on the side facing them,
    // although the view before it was itself cut there already (its near
    // edge then lies beyond the new view's).
    QFETCH(bool, reversed);
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 96, 72, focalFor(96), 0.8);
    QList<SyntheticViews::Camera> cameras = views.row(5, 0.7);
    if (reversed)
        for (SyntheticViews::Camera& c : cameras)
            c.yaw = -c.yaw;
    Job job(GeometryFixture::job(*m_host, views, cameras, StitchStyleHorizontal, 5, 1), PSReleaseStitch);
    QVERIFY(job);
    CStitchBlend blend(job.get(), 0);
    blend.m_pScanRegions = new CScanRegion[5];
    QCOMPARE(CCoordinate(job.get()).Run(), 0);
    CStitchLayout(&blend.m_PanoramaRect, blend.m_pScanRegions, job.get(), 0).Run();
    CStitchElement* e = job->m_Matrix.m_pElements;
    QList<tagRECT> placed;
    for (int i = 0; i < 5; ++i)
        placed << e[i].m_Placement;
    QCOMPARE(blend.RenderAuto(), 0);
    for (int i = 2; i < 5; ++i) {
        tagRECT ab;
        IntersectRect(&ab, &e[i - 2].m_Placement, &e[i - 1].m_Placement);
        tagRECT expected = placed[i];
        if (reversed)
            expected.right = ab.left;
        else
            expected.left = ab.right;
        QVERIFY2(EqualRect(&e[i].m_Placement, &expected), qPrintable(QStringLiteral("view %1").arg(i)));
        // What is left still overlaps the view before it, so they are seamed.
        QVERIFY(IntersectRect(nullptr, &e[i].m_Placement, &e[i - 1].m_Placement));
    }
}

void TestBlendRun::telephotoRendersWithProgressAndCancel()
{
    // A flat scene seen from three places along it, with small rolls.
    const SyntheticViews plane(m_photo, SyntheticViews::Surface::Plane, 120, 90, 300.0, 0.7);
    QList<SyntheticViews::Camera> cameras;
    const double rolls[] = {0.0, 1.5, -1.0};
    for (int i = 0; i < 3; ++i)
        cameras << SyntheticViews::Camera{0, 0, rolls[i] * M_PI / 180, i * 75.0, i * 4.0};
    Job job(GeometryFixture::job(*m_host, plane, cameras, StitchStyleHorizontal, 3, 1, StitchMethodTelephoto),
            PSReleaseStitch);
    QVERIFY(job);
    QCOMPARE(job->m_lRenderKind, int(RenderPlanar));
    m_host->progress.clear();
    CStitchBlend blend(job.get(), 0);
    QCOMPARE(blend.Run(false), 0);
    // Before each cell k x 100 / 3: 0, 33, 66; then the end.
    const QList<int> p = m_host->progress;
    QVERIFY(p.contains(0) && p.contains(33) && p.contains(66));
    QCOMPARE(p.last(), 100);
    for (int i = 1; i < p.size(); ++i)
        QVERIFY(p[i - 1] <= p[i]);
    // No seams, no files.
    for (int i = 0; i < 3; ++i)
        QCOMPARE(job->m_Matrix.m_pElements[i].m_lWarpedImageId, -1);
    QVERIFY(QDir(job->m_strTempDir).entryList(QDir::Files).isEmpty());
    // The deepest layer (1 for 120 x 90 views), on which brightness is
    // measured and alignment starts, stays for the next render: a second
    // render (a fine-tune's) comes out the same.
    QCOMPARE(job->m_lDeepestLayer, 1);
    for (int i = 0; i < 3; ++i)
        QVERIFY(job->m_Matrix.m_pElements[i].m_Pyramid.m_phLayers[1]);
    const QByteArray first = m_host->handleBytes(job->m_hResultDib);
    QCOMPARE(render(job.get()), 0);
    QVERIFY(m_host->handleBytes(job->m_hResultDib) == first);

    const tagRECT pano = blend.m_PanoramaRect, crop = job->m_CropRect;
    const QImage result = resultImage(job.get());
    SyntheticViews::Panorama truth;
    truth.kind = SyntheticViews::Panorama::Plane;
    truth.planeCamera = cameras[0];
    truth.rect = QRect(pano.left, pano.top, pano.right - pano.left, pano.bottom - pano.top);
    const QImage expected = plane.truth(truth);
    const double error = colourError(result, expected, crop);
    qInfo("telephoto: colour error %.2f levels over the crop", error);
    QVERIFY(!IsRectEmpty(&crop));
    QVERIFY(error <= 3.0);

    // A cancel at any report but the last ends the render with -1 and
    // keeps the previous result; the last report comes after the result is
    // in place.
    const int reports = int(p.size());
    const RenderState before = RenderState::of(*m_host, job.get());
    for (int cancel = 0; cancel < reports; ++cancel) {
        m_host->progress.clear();
        m_host->cancelAtProgressCall = cancel;
        const int code = render(job.get());
        m_host->cancelAtProgressCall = -1;
        if (cancel == reports - 1) {
            QCOMPARE(code, 0);
            break;
        }
        QCOMPARE(code, -1);
        QCOMPARE(m_host->progress.size(), cancel + 1);
        QVERIFY(RenderState::of(*m_host, job.get()) == before);
    }

    // A pair map that flattens the neighbour onto a line leaves the last
    // two photos without an inverse: the render ends with -3 rather than
    // a panorama that silently lacks them, and the previous result stays.
    CStitchTransform& pair = job->m_Matrix.m_pElements[0].m_RightTransform;
    pair.m_Matrix[3] = 0.0;
    pair.m_Matrix[4] = 0.0;
    QCOMPARE(render(job.get()), -3);
    QVERIFY(m_host->handleBytes(job->m_hResultDib) == before.result);
}

void TestBlendRun::ringClosesOverItsStart()
{
    // Eight views of 60 degrees, 45 degrees apart: every neighbour pair,
    // the last with the first included, overlaps by 15 degrees (24 columns).
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 96, 72, focalFor(96), 0.8);
    const int n = 8;
    Job job(GeometryFixture::job(*m_host, views, views.ring(n), StitchStyle360, n, 1), PSReleaseStitch);
    QVERIFY(job);
    m_host->progress.clear();
    CStitchBlend blend(job.get(), 0);
    const int allocations = m_host->allocations;
    QCOMPARE(blend.Run(false), 0);
    const int perRender = m_host->allocations - allocations;
    // One turn wide, the whole width kept.
    const tagRECT pano = blend.m_PanoramaRect, crop = job->m_CropRect;
    QCOMPARE(pano.left, 0);
    QCOMPARE(pano.right, blend.m_lPerimeter);
    QCOMPARE(crop.left, 0);
    QCOMPARE(crop.right, blend.m_lPerimeter);
    // Progress: nine steps (parts 25); the closing seam from
    // 50 + 50 x 8 / 9 = 94 to 100.
    const QList<int>& p = m_host->progress;
    for (int i = 1; i < p.size(); ++i)
        QVERIFY(p[i - 1] <= p[i]);
    QVERIFY(p.contains(94));
    QCOMPARE(p.last(), 100);

    // The last view's part past the circle's end lies over the start as
    // its wrap copy, kept as files, seamed against the first view.
    const CStitchElement& last = job->m_Matrix.m_pElements[n - 1];
    const CStitchElement& first = job->m_Matrix.m_pElements[0];
    QVERIFY(last.m_lWrapImageId != -1 && last.m_lWrapMaskId != -1);
    QVERIFY(last.m_pRightPath);
    QVERIFY(last.m_WrapPlacement.left < 0 + 1 && last.m_WrapPlacement.right > first.m_Placement.left);
    // Files: two per view, the wrap copy's two, one seam graph per seam.
    QCOMPARE(QDir(job->m_strTempDir).entryList(QDir::Files).size(), 2 * n + 2 + n);

    const QImage result = resultImage(job.get());
    SyntheticViews::Panorama truth;
    truth.kind = SyntheticViews::Panorama::Cylinder;
    truth.radius = blend.m_dRadius;
    GeometryFixture::frame(views.ring(n)[0], first.m_Transform, truth.frame);
    truth.rect = QRect(pano.left, pano.top, pano.right - pano.left, pano.bottom - pano.top);
    const QImage expected = views.truth(truth);
    const double error = colourError(result, expected, crop);
    tagRECT closing;
    IntersectRect(&closing, &last.m_WrapPlacement, &first.m_Placement);
    const QList<QPoint> seam = seamPoints(last.m_pRightPath, closing, pano, true);
    int counted = 0;
    const double visibility = seamVisibility(result, expected, seam, crop, true, &counted);
    qInfo("ring: colour error %.2f levels, closing seam %.2f over %d points", error, visibility, counted);
    result.save(artefacts() + QStringLiteral("/ring.png"));
    QVERIFY(counted > 0);
    QVERIFY(error <= 3.0);
    QVERIFY(visibility <= 1.5);

    // A host refusing memory at one of the render's last allocations (the
    // part past the circle's end, the trimmed wrap copy, the first view read
    // back): the previous render stays, wrap copy included.
    RenderState before = RenderState::of(*m_host, job.get());
    int failed = 0;
    for (int k = std::max(0, perRender - 3); k < perRender; ++k) {
        m_host->failAllocation = m_host->allocations + k;
        const int code = render(job.get());
        m_host->failAllocation = -1;
        if (code == 0) {
            before = RenderState::of(*m_host, job.get());
            continue;
        }
        ++failed;
        QVERIFY2(RenderState::of(*m_host, job.get()) == before, qPrintable(QStringLiteral("allocation %1").arg(k)));
    }
    QVERIFY(failed > 0);
}

void TestBlendRun::failuresLeaveThePreviousRender_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("host memory") << QStringLiteral("allocation");
    QTest::newRow("host lock") << QStringLiteral("lock");
    QTest::newRow("library buffers") << QStringLiteral("nothrow");
    QTest::newRow("cancel") << QStringLiteral("cancel");
    QTest::newRow("no temporary folder") << QStringLiteral("folder");
    QTest::newRow("disk full") << QStringLiteral("disk");
}

void TestBlendRun::failuresLeaveThePreviousRender()
{
    QFETCH(QString, failure);
    // Small views keep the many renders quick; the overlaps (about 19
    // columns, 40 rows) still get seams.
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 48, 40, focalFor(48), 0.8);
    Job job(GeometryFixture::job(*m_host, views, views.row(2, 0.4), StitchStyleHorizontal, 2, 1), PSReleaseStitch);
    QVERIFY(job);
    StitchTestHost& host = *m_host;
    const int allocations = host.allocations, locks = host.lockCalls;
    g_nothrowCalls = 0;
    g_nothrowArmed = 1 << 30; // counts only
    host.progress.clear();
    QCOMPARE(render(job.get()), 0);
    g_nothrowArmed = -1;
    // What one render asks for, and reports.
    const int renderAllocations = host.allocations - allocations, renderLocks = host.lockCalls - locks;
    const int renderNothrow = g_nothrowCalls, reports = int(host.progress.size());
    RenderState before = RenderState::of(host, job.get());
    QVERIFY(!before.result.isEmpty());
    QCOMPARE(before.files.size(), 2 * 2 + 1); // warped image and mask each, one seam graph

    // Each failure is tried on the same job: after it the job must be as
    // the previous render left it, so the next trial starts from there. A
    // failure the render gets round (a trim or a measurement skipped) may
    // end in success: that render becomes the previous one.
    int failed = 0;
    auto trial = [&](int n, const std::function<void()>& arm, const std::function<void()>& disarm) {
        arm();
        const int code = render(job.get());
        disarm();
        if (code == 0) {
            before = RenderState::of(host, job.get());
            return;
        }
        ++failed;
        QVERIFY2(RenderState::of(host, job.get()) == before,
                 qPrintable(QStringLiteral("%1 %2: code %3").arg(failure).arg(n).arg(code)));
    };
    if (failure == QLatin1String("allocation")) {
        for (int n = 0; n < renderAllocations && !QTest::currentTestFailed(); ++n)
            trial(n, [&] { host.failAllocation = host.allocations + n; }, [&] { host.failAllocation = -1; });
    } else if (failure == QLatin1String("lock")) {
        for (int n = 0; n < renderLocks && !QTest::currentTestFailed(); n += 5)
            trial(n, [&] { host.failLockAt = host.lockCalls + n; }, [&] { host.failLockAt = -1; });
    } else if (failure == QLatin1String("nothrow")) {
        // The outline's span tables among them: a table that cannot be had
        // is a -2, not a photo silently left out.
        for (int n = 0; n < renderNothrow && !QTest::currentTestFailed(); n += 4)
            trial(n, [&] {
                g_nothrowCalls = 0;
                g_nothrowArmed = n;
            }, [&] { g_nothrowArmed = -1; });
    } else if (failure == QLatin1String("cancel")) {
        // The first report at every fourth percentage, and the one before
        // the last (the last, 100, comes once the result is in).
        const QList<int> full = host.progress;
        int asked = 0;
        for (int n = 0; n + 1 < reports && !QTest::currentTestFailed(); ++n) {
            if (n + 2 != reports && ((n > 0 && full[n] == full[n - 1]) || full[n] % 4 != 0))
                continue;
            ++asked;
            host.progress.clear();
            trial(n, [&] { host.cancelAtProgressCall = n; }, [&] { host.cancelAtProgressCall = -1; });
            QCOMPARE(host.progress.size(), n + 1);
        }
        QCOMPARE(failed, asked);
    } else if (failure == QLatin1String("disk")) {
        // A disk that fills up once the first view's files are written (the
        // second cell's band starts at 25 of two cells' 0 .. 100): the
        // second view's files cannot be written, and the first view's new
        // files go again.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        bool limited = false;
        host.onProgress = [&](int percent) {
            if (percent >= 25 && !limited) {
                rlimit full = saved;
                full.rlim_cur = 0;
                limited = setrlimit(RLIMIT_FSIZE, &full) == 0;
            }
        };
        const int code = render(job.get());
        host.onProgress = nullptr;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);
        QVERIFY(limited);
        QCOMPARE(code, -3);
        QVERIFY(RenderState::of(host, job.get()) == before);
        ++failed;
    } else if (failure == QLatin1String("folder")) {
        // A temporary folder where nothing can be made: -3.
        const QString folder = job->m_FileManager.TempDir();
        job->m_FileManager.SetTempDir(QStringLiteral("/proc/self/no-such-folder"));
        const int code = render(job.get());
        job->m_FileManager.SetTempDir(folder);
        QCOMPARE(code, -3);
        QVERIFY(RenderState::of(host, job.get()) == before);
        ++failed;
    }
    qInfo("%s: %d of %d allocations, %d locks, %d buffers, %d reports failed the render", qPrintable(failure),
          failed, renderAllocations, renderLocks, renderNothrow, reports);
    QVERIFY(failed > 0);
    // And the job renders again.
    QCOMPARE(render(job.get()), 0);
}

void TestBlendRun::fineTuneFailuresRestoreTheAlignment()
{
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 96, 72, focalFor(96), 0.8);
    Job job(GeometryFixture::job(*m_host, views, views.row(3, 0.4), StitchStyleHorizontal, 3, 1), PSReleaseStitch);
    QVERIFY(job);
    QCOMPARE(render(job.get()), 0);
    // A fine-tune changed the pair data; the element transforms as they
    // stand are the ones to keep.
    const QByteArray aligned = alignmentState(job.get());
    const QList<int> idsBefore = RenderState::of(*m_host, job.get()).ids;
    StitchTestHost& host = *m_host;
    int failures = 0;
    for (int n = 0; n < 400; ++n) {
        host.failAllocation = host.allocations + n;
        const int code = render(job.get(), true);
        host.failAllocation = -1;
        if (code == 0)
            break;
        ++failures;
        QVERIFY2(alignmentState(job.get()) == aligned, qPrintable(QStringLiteral("allocation %1").arg(n)));
        QCOMPARE(RenderState::of(host, job.get()).ids, idsBefore);
    }
    QVERIFY(failures > 0);
}

void TestBlendRun::smallPanoramaRestoresEverything()
{
    // Two views 30 rows high: the panorama is under 32 rows, -4. The
    // outline and brightness steps have moved placements, brightness values
    // and colour tables by then: a fine-tune puts all of it back, and so do
    // both layout rectangles.
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 80, 30, focalFor(80), 0.8);
    Job job(GeometryFixture::job(*m_host, views, views.row(2, 0.4), StitchStyleHorizontal, 2, 1), PSReleaseStitch);
    QVERIFY(job);
    for (int i = 0; i < 2; ++i) {
        CStitchElement& e = job->m_Matrix.m_pElements[i];
        e.m_Placement = tagRECT{1 + i, 2, 3, 4};
        e.m_lBrightness[0] = 5 + i;
        e.m_lBrightness[1] = 6;
        e.m_ColorTable[7] = 200;
    }
    job->m_LayoutRect = tagRECT{10, 11, 12, 13};
    job->m_LayoutRect2 = tagRECT{14, 15, 16, 17};
    const QByteArray before = alignmentState(job.get());
    QCOMPARE(render(job.get(), true), -4);
    QVERIFY(alignmentState(job.get()) == before);

    // Without fine-tune the placements and layout rectangles still describe
    // the (here absent) previous result.
    QCOMPARE(render(job.get(), false), -4);
    for (int i = 0; i < 2; ++i) {
        const tagRECT expected{1 + i, 2, 3, 4};
        QVERIFY(EqualRect(&job->m_Matrix.m_pElements[i].m_Placement, &expected));
    }
    const tagRECT first{10, 11, 12, 13}, second{14, 15, 16, 17};
    QVERIFY(EqualRect(&job->m_LayoutRect, &first));
    QVERIFY(EqualRect(&job->m_LayoutRect2, &second));
    QVERIFY(!job->m_hResultDib);
}

void TestBlendRun::refusedBitmapSizes()
{
    CStitchOptions options;
    CStitchBlend blend(&options, 0);
    CImage* image = nullptr;
    CMask* mask = nullptr;
    bool locked = false;
    // 70000 x 70000 pixels of three bytes: 14.7 GB, past what a bitmap of
    // the host's 32-bit sizes can hold; taken in 64 bits it is refused.
    const int before = m_host->allocations;
    QCOMPARE(blend.AllocImageAndMask(image, mask, tagRECT{0, 0, 70000, 70000}, locked), -2);
    QCOMPARE(m_host->allocations, before);
    QVERIFY(!image && !mask && !locked);
    // Across the whole int range: no wrap to a small size.
    QCOMPARE(blend.AllocImageAndMask(image, mask, tagRECT{-2147483647, 0, 2147483647, 40}, locked), -2);
    QCOMPARE(blend.AllocImageAndMask(image, mask, tagRECT{0, 0, 0, 40}, locked), -2);
    QVERIFY(!image && !mask && !locked);
    // A host that refuses the memory: -2, nothing left.
    m_host->failAllocation = m_host->allocations;
    QCOMPARE(blend.AllocImageAndMask(image, mask, tagRECT{0, 0, 64, 48}, locked), -2);
    QVERIFY(!image && !mask && !locked);
    // And one that gives it: filled with the fill colour, locked.
    options.m_lFillColour = 0x00112233;
    QCOMPARE(blend.AllocImageAndMask(image, mask, tagRECT{5, 6, 69, 54}, locked), 0);
    QVERIFY(locked && image && mask);
    QCOMPARE(image->Width(), 64);
    QCOMPARE(int(mask->Height()), 48);
    // 0x00BBGGRR: red 0x33, green 0x22, blue 0x11; bytes blue, green, red.
    QCOMPARE(int(image->Bits()[0]), 0x11);
    QCOMPARE(int(image->Bits()[1]), 0x22);
    QCOMPARE(int(image->Bits()[2]), 0x33);
    image->Unlock();
    delete image;
    delete mask;
}

QTEST_MAIN(TestBlendRun)
#include "tst_blendrun.moc"
