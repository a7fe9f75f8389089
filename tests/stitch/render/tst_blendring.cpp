#include "BlendChecks.h"
#include "GeometryFixture.h"
#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/motion/CMotionEstimation.h"
#include "stitch/render/CStitchBlend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

#include <sys/resource.h>

#include <csignal>
#include <memory>

using Job = std::unique_ptr<CStitchOptions, void (*)(CStitchOptions*)>;
using namespace BlendChecks;

// 360-degree rings: a full turn wide, joined invisibly where the end meets
// the start, the wrap copy's bookkeeping, and wrap seams that cannot be made
// (the first photo's files gone or changed, a full disk) leaving the
// previous render in place.
class TestBlendRing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void ringClosesInvisibly();
    void wrapBookkeeping();
    void failedWrapSeamLeavesThePreviousRender_data();
    void failedWrapSeamLeavesThePreviousRender();
    void refusedLockAtTheWrapLeavesThePreviousRender();

private:
    QString artefacts() const { return QCoreApplication::applicationDirPath() + QStringLiteral("/blendring-artefacts"); }
    QImage m_photo;
    StitchTestHost* m_host = nullptr;
};

namespace {

constexpr int kViews = 8;

// Eight views of 60 degrees, 45 degrees apart, round a full cylinder: every
// neighbour pair, the last with the first included, overlaps by 15 degrees.
const SyntheticViews& views(const QImage& photo)
{
    static const SyntheticViews v(photo, SyntheticViews::Surface::Cylinder, 96, 72, focalFor(96), 0.8);
    return v;
}

// Eight cells and the closing seam: nine steps, 25 parts; the last cell's
// band ends at 22 x 100 / 25 = 88, after which nothing is written until
// the wrap copy and nothing of the first photo is read until its seam.
constexpr int kLastCellEnd = 88;

} // namespace

void TestBlendRing::initTestCase()
{
    const QString path = SyntheticViews::photoPath(QStringLiteral("GreenMeadow.jpg"));
    if (path.isEmpty())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    QVERIFY(m_photo.load(path));
    QDir().mkpath(artefacts());
    std::signal(SIGXFSZ, SIG_IGN);
}

void TestBlendRing::init()
{
    m_host = new StitchTestHost;
}

void TestBlendRing::cleanup()
{
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

void TestBlendRing::ringClosesInvisibly()
{
    // Started with a focal length 2 % long: closing the ring finds it.
    const SyntheticViews& v = views(m_photo);
    const QList<SyntheticViews::Camera> cameras = v.ring(kViews);
    Job job(GeometryFixture::job(*m_host, v, cameras, StitchStyle360, kViews, 1, StitchMethodCalibrated, 1.02),
            PSReleaseStitch);
    QVERIFY(job);
    // Alignment would have fitted the pairs at the focal length it had.
    QCOMPARE(CMotionEstimation(job.get()).Run(0), 0);
    CStitchBlend blend(job.get(), 0);
    QCOMPARE(blend.Run(false), 0);
    const double focalError = job->m_dFocalLength / v.focal() - 1.0;

    // Exactly one turn wide, and all of it kept.
    const tagRECT pano = blend.m_PanoramaRect, crop = job->m_CropRect;
    const QImage result = resultImage(job.get());
    QCOMPARE(pano.left, 0);
    QCOMPARE(pano.right, blend.m_lPerimeter);
    QCOMPARE(result.width(), blend.m_lPerimeter);
    QCOMPARE(crop.left, 0);
    QCOMPARE(crop.right, blend.m_lPerimeter);

    const CStitchElement& first = job->m_Matrix.m_pElements[0];
    const CStitchElement& last = job->m_Matrix.m_pElements[kViews - 1];
    SyntheticViews::Panorama truth;
    truth.kind = SyntheticViews::Panorama::Cylinder;
    truth.radius = blend.m_dRadius;
    GeometryFixture::frame(cameras[0], first.m_Transform, truth.frame);
    truth.rect = QRect(pano.left, pano.top, pano.right - pano.left, pano.bottom - pano.top);
    const QImage expected = v.truth(truth);
    // Across the join: the wrap copy's overlap with the first photo, within
    // the crop.
    tagRECT join, judged;
    IntersectRect(&join, &last.m_WrapPlacement, &first.m_Placement);
    tagRECT joinInImage = join;
    OffsetRect(&joinInImage, -pano.left, -pano.top);
    IntersectRect(&judged, &joinInImage, &crop);
    const double joinError = colourError(result, expected, judged);
    const double error = colourError(result, expected, crop);
    int counted = 0;
    const double visibility =
        seamVisibility(result, expected, seamPoints(last.m_pRightPath, join, pano, true), crop, true, &counted);

    // The picture rolled by half a turn puts the join in the middle.
    const int half = result.width() / 2;
    QImage rolled(result.size(), result.format());
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x)
            rolled.setPixel((x + half) % result.width(), y, result.pixel(x, y));
    rolled.save(artefacts() + QStringLiteral("/ring-rolled.png"));
    qInfo("ring: focal length %+.3f %%, colour error %.2f levels (join %.2f), join seam %.2f over %d points",
          100 * focalError, error, joinError, visibility, counted);
    QVERIFY(std::abs(focalError) <= 0.005);
    QVERIFY(counted > 0);
    QVERIFY(error <= 3.0);
    QVERIFY(joinError <= 3.0);
    QVERIFY(visibility <= 1.5);
}

void TestBlendRing::wrapBookkeeping()
{
    const SyntheticViews& v = views(m_photo);
    Job job(GeometryFixture::job(*m_host, v, v.ring(kViews), StitchStyle360, kViews, 1), PSReleaseStitch);
    QVERIFY(job);
    CStitchBlend blend(job.get(), 0);
    QCOMPARE(blend.Run(false), 0);
    const CStitchElement* e = job->m_Matrix.m_pElements;
    const CStitchElement& first = e[0];
    const CStitchElement& last = e[kViews - 1];
    const int perimeter = blend.m_lPerimeter;
    const tagRECT pano = blend.m_PanoramaRect;

    // Only the last photo reaches past the circle's end; its part there,
    // moved back by a turn and cut where the first two photos begin to
    // overlap, is its wrap copy over the panorama's height.
    for (int i = 0; i + 1 < kViews; ++i)
        QVERIFY(e[i].m_Placement.right <= perimeter);
    QVERIFY(last.m_Placement.right > perimeter);
    tagRECT firstPair;
    IntersectRect(&firstPair, &e[0].m_Placement, &e[1].m_Placement);
    const tagRECT wrap = last.m_WrapPlacement;
    QCOMPARE(wrap.left, 0);
    QCOMPARE(wrap.right, std::min(last.m_Placement.right - perimeter, firstPair.left));
    QCOMPARE(wrap.top, pano.top);
    QCOMPARE(wrap.bottom, pano.bottom);
    // Its files hold it at that size, with the last photo's pixels: the
    // photo's own warped file, a turn further on.
    QVERIFY(last.m_lWrapImageId != -1 && last.m_lWrapMaskId != -1);
    CImage wrapImage, warped;
    CMask wrapMask, warpedMask;
    QVERIFY(job->m_FileManager.LoadImageFile(last.m_lWrapImageId, &wrapImage));
    QVERIFY(job->m_FileManager.LoadMaskFile(last.m_lWrapMaskId, &wrapMask));
    QVERIFY(job->m_FileManager.LoadImageFile(last.m_lWarpedImageId, &warped));
    QVERIFY(job->m_FileManager.LoadMaskFile(last.m_lWarpedMaskId, &warpedMask));
    QCOMPARE(wrapImage.Width(), wrap.right - wrap.left);
    QCOMPARE(wrapImage.Height(), wrap.bottom - wrap.top);
    QCOMPARE(int(wrapMask.Width()), wrap.right - wrap.left);
    QCOMPARE(int(wrapMask.Height()), wrap.bottom - wrap.top);
    QVERIFY(wrapImage.Lock() == 0 && warped.Lock() == 0);
    int set = 0, differ = 0;
    for (int y = wrap.top; y < wrap.bottom; ++y)
        for (int x = wrap.left; x < wrap.right; ++x) {
            const int wx = x + perimeter - last.m_Placement.left, wy = y - last.m_Placement.top;
            const bool inWarped = wx >= 0 && wy >= 0 && wx < warped.Width() && wy < warped.Height()
                                  && warpedMask.GetPixel(unsigned(wy), unsigned(wx));
            const bool inWrap = wrapMask.GetPixel(unsigned(y - wrap.top), unsigned(x - wrap.left));
            QCOMPARE(inWrap, inWarped);
            if (!inWrap)
                continue;
            ++set;
            // The seam against the first photo rewrote the blended band
            // of the wrap image only in memory; the files keep the warp.
            const unsigned char* a = wrapImage.Bits() + qsizetype(y - wrap.top) * wrapImage.Stride() + 3 * (x - wrap.left);
            const unsigned char* b = warped.Bits() + qsizetype(wy) * warped.Stride() + 3 * wx;
            differ += std::memcmp(a, b, 3) != 0;
        }
    wrapImage.Unlock();
    warped.Unlock();
    QVERIFY(set > 0);
    QCOMPARE(differ, 0);

    // The engine's view: as many overlaps as photos, the last joining the
    // wrap copy to the first photo; the same count of paths, the last the
    // join's seam.
    int count = 0;
    QVERIFY(job->CalcOverlapRects(&job->m_pOverlapRects, &count));
    QCOMPARE(count, kViews);
    tagRECT closing;
    IntersectRect(&closing, &wrap, &first.m_Placement);
    OffsetRect(&closing, -pano.left, -pano.top);
    QVERIFY(EqualRect(&job->m_pOverlapRects[kViews - 1], &closing));
    for (int i = 0; i < kViews; ++i)
        QVERIFY2(!IsRectEmpty(&job->m_pOverlapRects[i]), qPrintable(QStringLiteral("overlap %1").arg(i)));
    QVERIFY(job->GetDividingPath(&job->m_ppPaths, &job->m_lPathCount));
    QCOMPARE(job->m_lPathCount, kViews);
    for (int i = 0; i < kViews; ++i) {
        QVERIFY(job->m_ppPaths[i]);
        QVERIFY(job->m_ppPaths[i] == e[i].m_pRightPath);
    }
    // Files: two per photo, the wrap copy's two, a seam graph per seam.
    QCOMPARE(QDir(job->m_strTempDir).entryList(QDir::Files).size(), 2 * kViews + 2 + kViews);
}

void TestBlendRing::failedWrapSeamLeavesThePreviousRender_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("first photo's file missing") << QStringLiteral("missing");
    QTest::newRow("first photo's file of another size") << QStringLiteral("resized");
    QTest::newRow("first photo's mask of another size") << QStringLiteral("mask");
    QTest::newRow("disk full at the wrap copy") << QStringLiteral("disk");
}

void TestBlendRing::failedWrapSeamLeavesThePreviousRender()
{
    QFETCH(QString, failure);
    const SyntheticViews& v = views(m_photo);
    Job job(GeometryFixture::job(*m_host, v, v.ring(kViews), StitchStyle360, kViews, 1), PSReleaseStitch);
    QVERIFY(job);
    // The first render tunes the focal length that closes the ring; from
    // then on a render starts from the tuned one and repeats exactly.
    QCOMPARE(render(job.get()), 0);
    QCOMPARE(render(job.get()), 0);
    const RenderState before = RenderState::of(*m_host, job.get());
    CStitchElement& first = job->m_Matrix.m_pElements[0];

    // Once the last photo is seamed, the first photo's new files are
    // tampered with (or the disk fills) before the wrap is seamed.
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    bool done = false;
    m_host->onProgress = [&](int percent) {
        if (done || percent < kLastCellEnd)
            return;
        done = true;
        CFileManager& files = job->m_FileManager;
        QString name;
        if (failure == QLatin1String("missing")) {
            files.GetTotalTempFileName(first.m_lWarpedImageId, name);
            done = QFile::remove(name);
        } else if (failure == QLatin1String("resized")) {
            CImage smaller;
            done = smaller.Create(first.m_Placement.right - first.m_Placement.left - 4,
                                  first.m_Placement.bottom - first.m_Placement.top, 24) == 0
                   && files.SaveImageFile(first.m_lWarpedImageId, &smaller);
        } else if (failure == QLatin1String("mask")) {
            CMask taller;
            done = taller.Create(unsigned(first.m_Placement.right - first.m_Placement.left),
                                 unsigned(first.m_Placement.bottom - first.m_Placement.top + 3))
                   && files.SaveMaskFile(first.m_lWarpedMaskId, &taller);
        } else {
            rlimit full = saved;
            full.rlim_cur = 0;
            done = setrlimit(RLIMIT_FSIZE, &full) == 0;
        }
    };
    const int code = render(job.get());
    m_host->onProgress = nullptr;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);
    QVERIFY(done);
    QCOMPARE(code, -3);
    QVERIFY(RenderState::of(*m_host, job.get()) == before);
    // The job renders again, the same picture.
    QCOMPARE(render(job.get()), 0);
    QVERIFY(RenderState::of(*m_host, job.get()).result == before.result);
}

void TestBlendRing::refusedLockAtTheWrapLeavesThePreviousRender()
{
    const SyntheticViews& v = views(m_photo);
    Job job(GeometryFixture::job(*m_host, v, v.ring(kViews), StitchStyle360, kViews, 1), PSReleaseStitch);
    QVERIFY(job);
    StitchTestHost& host = *m_host;
    QCOMPARE(render(job.get()), 0);
    // The second render counts its locks, and where the ring's closing
    // starts (once the last cell's band is done): from there on the part
    // past the circle's end is copied aside, trimmed, saved and seamed over
    // the first photo, which then goes back into the panorama.
    const int start = host.lockCalls;
    int closing = -1;
    host.onProgress = [&](int percent) {
        if (closing < 0 && percent >= kLastCellEnd)
            closing = host.lockCalls - start;
    };
    QCOMPARE(render(job.get()), 0);
    host.onProgress = nullptr;
    const int locks = host.lockCalls - start;
    QVERIFY(closing > 0 && closing + 4 < locks);
    qInfo("locks %d to %d of %d close the ring", closing, locks - 1, locks);
    const RenderState before = RenderState::of(host, job.get());
    // Each of those locks refused in turn: the render fails and the job
    // keeps the previous render, every lock given back.
    for (int n = closing; n < locks; ++n) {
        host.failLockAt = host.lockCalls + n;
        const int code = render(job.get());
        host.failLockAt = -1;
        const QString what = QStringLiteral("lock %1 of %2: code %3").arg(n).arg(locks).arg(code);
        QVERIFY2(code < 0, qPrintable(what));
        QVERIFY2(host.locksHeld == 0 && host.unbalancedLocks() == 0, qPrintable(what));
        QVERIFY2(RenderState::of(host, job.get()) == before, qPrintable(what));
    }
}

QTEST_MAIN(TestBlendRing)
#include "tst_blendring.moc"
