#include "BlendChecks.h"
#include "GeometryFixture.h"
#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/colour/CBrightCorrection.h"
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
#include <QFile>
#include <QtTest>

#include <memory>

using Job = std::unique_ptr<CStitchOptions, void (*)(CStitchOptions*)>;
using namespace BlendChecks;

// The older two-pass rendering that nothing in the library calls:
// RenderProject (warp, keep, average) then RenderSmooth (trim, seam,
// close the ring), judged against the ground truth like the render in use;
// the averaging copy, the file-based trim and the clean-up.
class TestBlendTwoPass : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void blendSubImageAverages();
    void projectThenSmooth_data();
    void projectThenSmooth();
    void fileTrimAgreesWithTheRender();
    void smoothNeedsTheKeptFiles();

private:
    QImage m_photo;
    StitchTestHost* m_host = nullptr;
};

namespace {

const SyntheticViews& views(const QImage& photo, bool sphere = false)
{
    static const SyntheticViews cylinder(photo, SyntheticViews::Surface::Cylinder, 96, 72, focalFor(96), 0.8);
    static const SyntheticViews onSphere(photo, SyntheticViews::Surface::Sphere, 96, 72, focalFor(96), 0.8);
    return sphere ? onSphere : cylinder;
}

// What Run does before it renders: coordinates, outline, brightness.
bool outline(CStitchBlend& blend, CStitchOptions* job)
{
    const CStitchMatrix& grid = job->m_Matrix;
    blend.m_pScanRegions = new CScanRegion[size_t(grid.m_lCols * grid.m_lRows)];
    CStitchLayout layout(&blend.m_PanoramaRect, blend.m_pScanRegions, job, blend.m_lLayer);
    CBrightCorrection brightness(job);
    if (grid.m_Style == StitchStyle360) {
        blend.m_pClosingAxis = new double[3]{0, 0, 0};
        double angle = 0;
        if (CCoordinate(job).PanoramaRun(blend.m_pClosingAxis, &angle, blend.m_lLayer) != 0)
            return false;
        layout.PanoramaRun(blend.m_pClosingAxis, angle);
        brightness.PanoramaRun();
    } else {
        if (CCoordinate(job).Run() != 0)
            return false;
        layout.Run();
        brightness.Run();
    }
    job->m_LayoutRect = job->m_LayoutRect2 = blend.m_PanoramaRect;
    return !IsRectEmpty(&blend.m_PanoramaRect);
}

// Seam-graph files and strip overlaps of the job: every file but the warped
// and wrap files of the elements.
int seamFiles(CStitchOptions* job)
{
    QStringList kept;
    const CStitchMatrix& grid = job->m_Matrix;
    for (int i = 0; i < grid.m_lCols * grid.m_lRows; ++i) {
        const CStitchElement& e = grid.m_pElements[i];
        for (int id : {e.m_lWarpedImageId, e.m_lWarpedMaskId, e.m_lWrapImageId, e.m_lWrapMaskId})
            if (id != -1) {
                QString name;
                job->m_FileManager.GetTotalTempFileName(id, name);
                kept << QFileInfo(name).fileName();
            }
    }
    int others = 0;
    for (const QString& file : QDir(job->m_strTempDir).entryList(QDir::Files))
        others += !kept.contains(file);
    return others;
}

} // namespace

void TestBlendTwoPass::initTestCase()
{
    const QString path = SyntheticViews::photoPath(QStringLiteral("GreenMeadow.jpg"));
    if (path.isEmpty())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    QVERIFY(m_photo.load(path));
}

void TestBlendTwoPass::init()
{
    m_host = new StitchTestHost;
}

void TestBlendTwoPass::cleanup()
{
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

void TestBlendTwoPass::blendSubImageAverages()
{
    CStitchOptions options;
    CStitchBlend blend(&options, 0);
    // Source 4 x 1 at x = 10, destination 6 x 1 at x = 8.
    const tagRECT rcSrc{10, 0, 14, 1}, rcDst{8, 0, 14, 1};
    CImage *src = nullptr, *dst = nullptr;
    CMask *srcMask = nullptr, *dstMask = nullptr;
    bool srcLocked = false, dstLocked = false;
    QCOMPARE(blend.AllocImageAndMask(src, srcMask, rcSrc, srcLocked), 0);
    QCOMPARE(blend.AllocImageAndMask(dst, dstMask, rcDst, dstLocked), 0);
    // Source bytes 10, 20, 31 / 200 ... per pixel; bits set but for x = 12.
    const unsigned char srcBytes[4][3] = {{10, 20, 31}, {200, 201, 202}, {7, 7, 7}, {0, 255, 1}};
    for (int x = 0; x < 4; ++x) {
        std::copy(srcBytes[x], srcBytes[x] + 3, src->Bits() + 3 * x);
        srcMask->SetPixel(0, unsigned(x), x != 2);
    }
    // Destination set at x = 10 (13, 24, 40) and x = 13 (255, 0, 2).
    const unsigned char d10[3] = {13, 24, 40}, d13[3] = {255, 0, 2};
    std::copy(d10, d10 + 3, dst->Bits() + 3 * 2);
    std::copy(d13, d13 + 3, dst->Bits() + 3 * 5);
    dstMask->SetPixel(0, 2, true);
    dstMask->SetPixel(0, 5, true);
    src->Unlock();
    dst->Unlock();
    blend.BlendSubImage(tagRECT{0, 0, 100, 1}, rcSrc, rcDst, src, srcMask, dst, dstMask);
    QVERIFY(dst->Lock() == 0);
    const unsigned char* d = dst->Bits();
    // x = 10: (10 + 13) / 2 = 11, (20 + 24) / 2 = 22, (31 + 40) / 2 = 35.
    QCOMPARE(QList<int>({d[6], d[7], d[8]}), QList<int>({11, 22, 35}));
    // x = 11: unset before, copied; x = 12: source clear, left alone.
    QCOMPARE(QList<int>({d[9], d[10], d[11]}), QList<int>({200, 201, 202}));
    QVERIFY(dstMask->GetPixel(0, 3));
    QVERIFY(!dstMask->GetPixel(0, 4));
    // x = 13: (0 + 255) / 2 = 127, (255 + 0) / 2 = 127, (1 + 2) / 2 = 1.
    QCOMPARE(QList<int>({d[15], d[16], d[17]}), QList<int>({127, 127, 1}));
    // Outside the source nothing changes.
    QVERIFY(!dstMask->GetPixel(0, 0) && !dstMask->GetPixel(0, 1));
    dst->Unlock();
    delete src;
    delete dst;
    delete srcMask;
    delete dstMask;
}

void TestBlendTwoPass::projectThenSmooth_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("overlap");
    // A row whose views overlap by 70 %, so that the third of each triple
    // is trimmed; a ring of eight.
    QTest::newRow("row") << 0 << 4 << 0.7;
    QTest::newRow("ring") << 2 << 8 << 0.0;
    // A 2 x 2 tile grid on the sphere: each element seamed against its
    // left neighbour and against the row above.
    QTest::newRow("tile") << 3 << 4 << 0.4;
}

void TestBlendTwoPass::projectThenSmooth()
{
    QFETCH(int, style);
    QFETCH(int, count);
    QFETCH(double, overlap);
    const bool ring = style == StitchStyle360, tile = style == StitchStyleTile;
    const SyntheticViews& v = views(m_photo, tile);
    const QList<SyntheticViews::Camera> cameras = ring ? v.ring(count) : tile ? v.tile(2, 2, overlap) : v.row(count, overlap);
    Job job(GeometryFixture::job(*m_host, v, cameras, tagStitchStyle(style), tile ? 2 : count, tile ? 2 : 1),
            PSReleaseStitch);
    QVERIFY(job);
    CStitchBlend blend(job.get(), 0);
    QVERIFY(outline(blend, job.get()));
    const tagRECT pano = blend.m_PanoramaRect;
    CStitchElement* e = job->m_Matrix.m_pElements;
    QList<tagRECT> placed;
    for (int i = 0; i < count; ++i)
        placed << e[i].m_Placement;

    // First pass: files kept, overlaps averaged, no seams.
    m_host->progress.clear();
    QCOMPARE(blend.RenderProject(), 0);
    QCOMPARE(m_host->progress.last(), 100);
    for (int i = 0; i < count; ++i) {
        QVERIFY(e[i].m_lWarpedImageId != -1 && e[i].m_lWarpedMaskId != -1);
        QVERIFY(!e[i].m_pRightPath);
        QVERIFY(EqualRect(&e[i].m_Placement, &placed[i]));
    }
    QCOMPARE(QDir(job->m_strTempDir).entryList(QDir::Files).size(), 2 * count);

    SyntheticViews::Panorama truth;
    truth.kind = tile ? SyntheticViews::Panorama::Sphere : SyntheticViews::Panorama::Cylinder;
    truth.radius = blend.m_dRadius;
    GeometryFixture::frame(cameras[0], e[0].m_Transform, truth.frame);
    truth.rect = QRect(pano.left, pano.top, pano.right - pano.left, pano.bottom - pano.top);
    const QImage expected = v.truth(truth);
    const QImage averaged = resultImage(job.get());
    const double averagedError = colourError(averaged, expected, job->m_CropRect);

    // Second pass: trimmed, seamed, the ring closed; a new result.
    m_host->progress.clear();
    QCOMPARE(blend.RenderSmooth(), 0);
    const QList<int>& p = m_host->progress;
    QVERIFY(p.contains(20) && p.contains(50));
    QCOMPARE(p.last(), 100);
    for (int i = 1; i < p.size(); ++i)
        QVERIFY(p[i - 1] <= p[i]);
    const QImage result = resultImage(job.get());
    const tagRECT crop = job->m_CropRect;
    QCOMPARE(result.width(), pano.right - pano.left);
    if (ring) {
        QCOMPARE(result.width(), blend.m_lPerimeter);
        QCOMPARE(crop.right - crop.left, blend.m_lPerimeter);
    }
    // The trims of the render in use: the third of three overlapping views
    // starts where the first two's overlap ends, and its files agree.
    int trimmed = 0;
    for (int i = 2; i < count && !ring && !tile; ++i) {
        tagRECT ab;
        IntersectRect(&ab, &e[i - 2].m_Placement, &e[i - 1].m_Placement);
        QCOMPARE(e[i].m_Placement.left, ab.right);
        trimmed += e[i].m_Placement.left != placed[i].left;
        CImage warped;
        QVERIFY(job->m_FileManager.LoadImageFile(e[i].m_lWarpedImageId, &warped));
        QCOMPARE(warped.Width(), e[i].m_Placement.right - e[i].m_Placement.left);
    }
    QCOMPARE(trimmed, ring || tile ? 0 : count - 2);

    const double error = colourError(result, expected, crop);
    double visibility = 0;
    int counted = 0;
    // A row's seams, a ring's join (the seams along a ring are the render's
    // in use, judged in its own test).
    for (int i = ring ? count - 1 : 0; i < (ring ? count : count - 1); ++i) {
        if (tile && i % 2 == 1)
            continue; // no right neighbour
        const tagRECT& next = i + 1 < count ? e[i + 1].m_Placement : e[0].m_Placement;
        tagRECT seamOverlap;
        tagRECT before = i + 1 < count ? e[i].m_Placement : e[i].m_WrapPlacement;
        // A tile seam's first image reaches up the column as far as it
        // meets the element.
        if (tile && i == 2 && IntersectRect(nullptr, &e[0].m_Placement, &next))
            UnionRect(&before, &before, &e[0].m_Placement);
        IntersectRect(&seamOverlap, &before, &next);
        visibility = std::max(visibility, seamVisibility(result, expected,
                                                         seamPoints(e[i].m_pRightPath, seamOverlap, pano, true),
                                                         crop, true, &counted));
    }
    qInfo("%s: averaged %.2f levels; seamed %.2f levels, seams %.2f over %d points", QTest::currentDataTag(),
          averagedError, error, visibility, counted);
    QVERIFY(counted > 0);
    QVERIFY(error <= 3.0);
    QVERIFY(visibility <= 1.5);
    if (tile) {
        // The lower elements' seams with the row above, kept above.
        for (int c = 0; c < 2; ++c) {
            // The row above as far along as it meets the element.
            tagRECT above = e[c].m_Placement, seamOverlap;
            if (IntersectRect(nullptr, &e[1 - c].m_Placement, &e[2 + c].m_Placement))
                UnionRect(&above, &above, &e[1 - c].m_Placement);
            IntersectRect(&seamOverlap, &above, &e[2 + c].m_Placement);
            QVERIFY(e[c].m_pLowerPath);
            int lower = 0;
            const double step = seamVisibility(result, expected, seamPoints(e[c].m_pLowerPath, seamOverlap, pano, false),
                                               crop, false, &lower);
            qInfo("seam below %d: %.2f over %d points", c, step, lower);
            QVERIFY(step <= 1.5);
        }
    }
    if (ring) {
        QVERIFY(e[count - 1].m_lWrapImageId != -1 && e[count - 1].m_lWrapMaskId != -1);
        QVERIFY(e[count - 1].m_pRightPath);
    }

    // The clean-up leaves the kept pictures and no seam.
    QVERIFY(seamFiles(job.get()) > 0);
    QVERIFY(job->GetDividingPath(&job->m_ppPaths, &job->m_lPathCount));
    blend.ReleaseForSmooth();
    QVERIFY(!job->m_hResultDib);
    QVERIFY(!job->m_ppPaths);
    QCOMPARE(seamFiles(job.get()), 0);
    for (int i = 0; i < count; ++i) {
        QVERIFY(!e[i].m_pRightPath && !e[i].m_pLowerPath);
        QCOMPARE(e[i].m_lRightGraphId, -1);
        QVERIFY(e[i].m_lWarpedImageId != -1);
    }
}

void TestBlendTwoPass::fileTrimAgreesWithTheRender()
{
    const SyntheticViews& v = views(m_photo);
    Job job(GeometryFixture::job(*m_host, v, v.row(3, 0.7), StitchStyleHorizontal, 3, 1), PSReleaseStitch);
    QVERIFY(job);
    CStitchBlend blend(job.get(), 0);
    QVERIFY(outline(blend, job.get()));
    QCOMPARE(blend.RenderProject(), 0);
    CStitchElement* e = job->m_Matrix.m_pElements;
    const tagRECT before = e[2].m_Placement;

    // A file that cannot be read: nothing cut, nothing moved.
    QString name;
    job->m_FileManager.GetTotalTempFileName(e[2].m_lWarpedMaskId, name);
    QVERIFY(QFile::rename(name, name + QStringLiteral(".away")));
    QVERIFY(!blend.ModifyOneWarpImage({2, 0}, {1, 0}, {0, 0}, true));
    QVERIFY(EqualRect(&e[2].m_Placement, &before));
    QVERIFY(QFile::rename(name + QStringLiteral(".away"), name));

    // Cut where the first two's overlap ends, under the same ids.
    const int imageId = e[2].m_lWarpedImageId, maskId = e[2].m_lWarpedMaskId;
    QVERIFY(blend.ModifyOneWarpImage({2, 0}, {1, 0}, {0, 0}, true));
    tagRECT ab;
    IntersectRect(&ab, &e[0].m_Placement, &e[1].m_Placement);
    const tagRECT expected{ab.right, before.top, before.right, before.bottom};
    QVERIFY(EqualRect(&e[2].m_Placement, &expected));
    QCOMPARE(e[2].m_lWarpedImageId, imageId);
    QCOMPARE(e[2].m_lWarpedMaskId, maskId);
    CImage image;
    CMask mask;
    QVERIFY(job->m_FileManager.LoadImageFile(imageId, &image));
    QVERIFY(job->m_FileManager.LoadMaskFile(maskId, &mask));
    QCOMPARE(image.Width(), expected.right - expected.left);
    QCOMPARE(int(mask.Width()), expected.right - expected.left);
    QCOMPARE(image.Height(), expected.bottom - expected.top);
    // Once cut, the first two no longer reach it: nothing more to cut.
    QVERIFY(!blend.ModifyOneWarpImage({2, 0}, {1, 0}, {0, 0}, true));
}

void TestBlendTwoPass::smoothNeedsTheKeptFiles()
{
    const SyntheticViews& v = views(m_photo);
    Job job(GeometryFixture::job(*m_host, v, v.row(3, 0.4), StitchStyleHorizontal, 3, 1), PSReleaseStitch);
    QVERIFY(job);
    CStitchBlend blend(job.get(), 0);
    QVERIFY(outline(blend, job.get()));
    // Before any first pass there are no files: -3, the job untouched.
    QCOMPARE(blend.RenderSmooth(), -3);
    QVERIFY(!job->m_hResultDib);
    QCOMPARE(blend.RenderProject(), 0);
    const QByteArray first = m_host->handleBytes(job->m_hResultDib);
    // A kept file of another size is no picture of its element: -3, and
    // the first pass's result stays.
    CImage smaller;
    QVERIFY(smaller.Create(8, 8, 24) == 0);
    QVERIFY(job->m_FileManager.SaveImageFile(job->m_Matrix.m_pElements[1].m_lWarpedImageId, &smaller));
    QCOMPARE(blend.RenderSmooth(), -3);
    QVERIFY(m_host->handleBytes(job->m_hResultDib) == first);
}

QTEST_MAIN(TestBlendTwoPass)
#include "tst_blendtwopass.moc"
