#include "BlendChecks.h"
#include "FailingNothrowNew.h"
#include "GeometryFixture.h"
#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/colour/CCoarseColorCorrection.h"
#include "stitch/geometry/CCoordinate.h"
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
#include <csignal>
#include <memory>
#include <new>

using Job = std::unique_ptr<CStitchOptions, void (*)(CStitchOptions*)>;
using namespace BlendChecks;

// Tile grids on the sphere: rows seamed into strips and strips into the
// panorama, judged against the spherical ground truth; the overlaps and
// paths handed to the engine; grids that cannot be rendered; failures that
// must leave the previous render in place.
class TestBlendTile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rendersAgainstTheTruth_data();
    void rendersAgainstTheTruth();
    void rowWithoutPhotoIsRefused();
    void oneRowGridIsRefusedByColourCorrection();
    void failuresLeaveThePreviousRender_data();
    void failuresLeaveThePreviousRender();
    void stripSeamFollowsTheUsersPoint();

private:
    QString artefacts() const { return QCoreApplication::applicationDirPath() + QStringLiteral("/blendtile-artefacts"); }
    QImage m_photo;
    StitchTestHost* m_host = nullptr;
};

namespace {

// Views of 60 degrees across, on the sphere; small, so that a grid renders
// in a second or two under the sanitizers.
const SyntheticViews& views(const QImage& photo)
{
    static const SyntheticViews v(photo, SyntheticViews::Surface::Sphere, 96, 72, focalFor(96), 0.8);
    return v;
}

CStitchOptions* tileJob(StitchTestHost& host, const QImage& photo, int cols, int rows, double overlap = 0.4)
{
    const SyntheticViews& v = views(photo);
    return GeometryFixture::job(host, v, v.tile(cols, rows, overlap), StitchStyleTile, cols, rows);
}

} // namespace

void TestBlendTile::initTestCase()
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

void TestBlendTile::init()
{
    m_host = new StitchTestHost;
}

void TestBlendTile::cleanup()
{
    g_nothrowArmed = -1;
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

void TestBlendTile::rendersAgainstTheTruth_data()
{
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::newRow("3 x 3") << 3 << 3;
    QTest::newRow("4 x 2") << 4 << 2;
}

void TestBlendTile::rendersAgainstTheTruth()
{
    QFETCH(int, cols);
    QFETCH(int, rows);
    const QList<SyntheticViews::Camera> cameras = views(m_photo).tile(cols, rows, 0.4);
    Job job(tileJob(*m_host, m_photo, cols, rows), PSReleaseStitch);
    QVERIFY(job);
    QCOMPARE(job->m_lRenderKind, int(RenderSpherical));
    m_host->progress.clear();
    CStitchBlend blend(job.get(), job->m_lWorkingLayer);
    QCOMPARE(blend.Run(false), 0);
    const CStitchElement* e = job->m_Matrix.m_pElements;
    const tagRECT pano = blend.m_PanoramaRect, crop = job->m_CropRect;
    const QImage result = resultImage(job.get());
    QCOMPARE(result.width(), pano.right - pano.left);
    QCOMPARE(result.height(), pano.bottom - pano.top);
    QVERIFY(!IsRectEmpty(&crop));

    // Progress per row (R rows, 2R - 1 parts): row 0 from 0 to 100 / (2R -
    // 1), row r from (2r - 1) 100 / (2R - 1) to (2r + 1) 100 / (2R - 1).
    // Row 0's elements share its band evenly; a later row's elements share
    // three fifths of it, its strip's seam takes the rest. 3 x 3: row 0 at
    // 0, 6, 13; row 1 (20 .. 60) at 20, 28, 36, strip 44; row 2 at 60, 68,
    // 76, strip 84. 4 x 2: row 0 at 0, 8, 16, 24; row 1 (33 .. 100) at 33,
    // 43, 53, 63, strip 73.
    const QList<int> starts = rows == 3 ? QList<int>{0, 6, 13, 20, 28, 36, 44, 60, 68, 76, 84}
                                        : QList<int>{0, 8, 16, 24, 33, 43, 53, 63, 73};
    const QList<int>& p = m_host->progress;
    for (int s : starts)
        QVERIFY2(p.contains(s), qPrintable(QStringLiteral("no report at %1").arg(s)));
    for (int i = 1; i < p.size(); ++i)
        QVERIFY2(p[i - 1] <= p[i], qPrintable(QStringLiteral("progress goes back at %1").arg(i)));
    QCOMPARE(p.last(), 100);

    // Every row's strip is the union of its placements, kept on its first
    // element.
    for (int r = 0; r < rows; ++r) {
        tagRECT strip = e[r * cols].m_Placement;
        for (int c = 1; c < cols; ++c)
            UnionRect(&strip, &strip, &e[r * cols + c].m_Placement);
        QVERIFY(EqualRect(&e[r * cols].m_RowStrip, &strip));
    }
    // Files: two warped per photo, a seam graph per seam in a row, and for
    // each strip seam its graph and the two strips' overlaps (image, mask).
    QCOMPARE(QDir(job->m_strTempDir).entryList(QDir::Files).size(),
             2 * cols * rows + (cols - 1) * rows + 5 * (rows - 1));

    SyntheticViews::Panorama truth;
    truth.kind = SyntheticViews::Panorama::Sphere;
    truth.radius = blend.m_dRadius;
    GeometryFixture::frame(cameras[0], e[0].m_Transform, truth.frame);
    truth.rect = QRect(pano.left, pano.top, pano.right - pano.left, pano.bottom - pano.top);
    const QImage expected = views(m_photo).truth(truth);
    const double error = colourError(result, expected, crop);

    // Every photo is in the picture: around the centre of its placement,
    // which no other photo covers, the result is the truth.
    for (int i = 0; i < cols * rows; ++i) {
        QVERIFY(e[i].m_lWarpedImageId != -1 && e[i].m_lWarpedMaskId != -1);
        const int cx = (e[i].m_Placement.left + e[i].m_Placement.right) / 2 - pano.left;
        const int cy = (e[i].m_Placement.top + e[i].m_Placement.bottom) / 2 - pano.top;
        const tagRECT centre{cx - 8, cy - 8, cx + 8, cy + 8};
        const double there = colourError(result, expected, centre);
        QVERIFY2(there <= 3.0, qPrintable(QStringLiteral("photo %1: %2 levels").arg(i).arg(there)));
    }

    QImage picture = result;
    QPainter painter(&picture);
    double inRows = 0, betweenStrips = 0;
    int rowPoints = 0, stripPoints = 0;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c + 1 < cols; ++c) {
            const CStitchElement& a = e[r * cols + c];
            tagRECT overlap;
            IntersectRect(&overlap, &a.m_Placement, &e[r * cols + c + 1].m_Placement);
            const QList<QPoint> seam = seamPoints(a.m_pRightPath, overlap, pano, true);
            QVERIFY2(!seam.isEmpty(), qPrintable(QStringLiteral("no seam right of (%1, %2)").arg(c).arg(r)));
            inRows = std::max(inRows, seamVisibility(result, expected, seam, crop, true, &rowPoints));
            painter.setPen(Qt::red);
            for (const QPoint& q : seam)
                painter.drawPoint(q);
        }
    for (int r = 0; r + 1 < rows; ++r) {
        const CStitchElement& a = e[r * cols];
        QVERIFY(!a.m_pRightPath || a.m_lRightGraphId != -1);
        QVERIFY(a.m_lStripImageId != -1 && a.m_lStripMaskId != -1 && a.m_lNextStripImageId != -1
                && a.m_lNextStripMaskId != -1 && a.m_lLowerGraphId != -1);
        tagRECT overlap;
        IntersectRect(&overlap, &a.m_RowStrip, &e[(r + 1) * cols].m_RowStrip);
        const QList<QPoint> seam = seamPoints(a.m_pLowerPath, overlap, pano, false);
        QVERIFY2(!seam.isEmpty(), qPrintable(QStringLiteral("no seam below strip %1").arg(r)));
        betweenStrips = std::max(betweenStrips, seamVisibility(result, expected, seam, crop, false, &stripPoints));
        painter.setPen(Qt::yellow);
        for (const QPoint& q : seam)
            painter.drawPoint(q);
    }
    painter.end();
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).remove(QLatin1Char(' '));
    picture.save(artefacts() + QStringLiteral("/tile-%1.png").arg(tag));
    expected.save(artefacts() + QStringLiteral("/tile-%1-truth.png").arg(tag));
    qInfo("%s: colour error %.2f levels; seams in rows %.2f over %d points, between strips %.2f over %d points",
          QTest::currentDataTag(), error, inRows, rowPoints, betweenStrips, stripPoints);
    QVERIFY(rowPoints > 0 && stripPoints > 0);
    QVERIFY2(error <= 3.0, qPrintable(QStringLiteral("colour error %1").arg(error)));
    QVERIFY2(inRows <= 1.5, qPrintable(QStringLiteral("seams in rows %1").arg(inRows)));
    QVERIFY2(betweenStrips <= 1.5, qPrintable(QStringLiteral("seams between strips %1").arg(betweenStrips)));

    // What the engine is handed: (cols + 1) x rows - 2 overlaps (the pairs
    // in rows, the first elements of neighbouring rows, the neighbouring
    // strips) and cols x rows - 1 paths (right paths, then the strips'
    // lower paths), each the seam drawn.
    int count = 0;
    QVERIFY(job->CalcOverlapRects(&job->m_pOverlapRects, &count));
    QCOMPARE(count, (cols + 1) * rows - 2);
    for (int k = 0; k < count; ++k)
        QVERIFY2(!IsRectEmpty(&job->m_pOverlapRects[k]), qPrintable(QStringLiteral("overlap %1").arg(k)));
    for (int r = 0; r + 1 < rows; ++r) {
        tagRECT strips;
        IntersectRect(&strips, &e[r * cols].m_RowStrip, &e[(r + 1) * cols].m_RowStrip);
        OffsetRect(&strips, -pano.left, -pano.top);
        QVERIFY(EqualRect(&job->m_pOverlapRects[(cols - 1) * rows + (rows - 1) + r], &strips));
    }
    QVERIFY(job->GetDividingPath(&job->m_ppPaths, &job->m_lPathCount));
    QCOMPARE(job->m_lPathCount, cols * rows - 1);
    for (int k = 0; k < job->m_lPathCount; ++k) {
        const bool inRow = k < (cols - 1) * rows;
        const CStitchElement& owner =
            inRow ? e[(k / (cols - 1)) * cols + k % (cols - 1)] : e[(k - (cols - 1) * rows) * cols];
        QVERIFY(job->m_ppPaths[k] == (inRow ? owner.m_pRightPath : owner.m_pLowerPath));
        QVERIFY(job->m_ppPaths[k]);
    }
}

void TestBlendTile::rowWithoutPhotoIsRefused()
{
    Job job(tileJob(*m_host, m_photo, 2, 3), PSReleaseStitch);
    QVERIFY(job);
    QCOMPARE(render(job.get()), 0);
    const RenderState before = RenderState::of(*m_host, job.get());

    // Outlined as Run outlines, then the middle row loses both photos: the
    // grid is refused before anything is made or any file taken over.
    CStitchBlend blend(job.get(), 0);
    blend.m_pScanRegions = new CScanRegion[6];
    QCOMPARE(CCoordinate(job.get()).Run(), 0);
    CStitchLayout(&blend.m_PanoramaRect, blend.m_pScanRegions, job.get(), 0).Run();
    for (int c = 0; c < 2; ++c)
        job->m_Matrix.m_pElements[2 + c].m_bInUse = false;
    const int allocations = m_host->allocations;
    m_host->progress.clear();
    QCOMPARE(blend.RenderWideAngle(), -5);
    QCOMPARE(m_host->allocations, allocations);
    QVERIFY(m_host->progress.isEmpty());
    for (int c = 0; c < 2; ++c)
        job->m_Matrix.m_pElements[2 + c].m_bInUse = true;
    // The outline moved the placements; the files, paths and result stay.
    const RenderState after = RenderState::of(*m_host, job.get());
    QVERIFY(after.result == before.result && after.ids == before.ids && after.paths == before.paths
            && after.files == before.files);
    // One photo is enough for a row.
    job->m_Matrix.m_pElements[2].m_bInUse = false;
    QCOMPARE(blend.RenderWideAngle(), 0);
    job->m_Matrix.m_pElements[2].m_bInUse = true;
}

void TestBlendTile::oneRowGridIsRefusedByColourCorrection()
{
    // A tile grid of one row has no strips to join; its colours cannot be
    // matched across rows either: the coarse colour correction says -5,
    // and a fine-tune render returns it with nothing changed.
    Job job(tileJob(*m_host, m_photo, 3, 1), PSReleaseStitch);
    QVERIFY(job);
    const QByteArray before = alignmentState(job.get());
    QCOMPARE(render(job.get(), true), -5);
    QVERIFY(alignmentState(job.get()) == before);
    QVERIFY(!job->m_hResultDib);
    QCOMPARE(CCoarseColorCorrection(job.get()).Run(0, true), -5);
}

void TestBlendTile::failuresLeaveThePreviousRender_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("host memory") << QStringLiteral("allocation");
    QTest::newRow("library buffers") << QStringLiteral("nothrow");
    QTest::newRow("cancel") << QStringLiteral("cancel");
    QTest::newRow("disk full at the strip seam") << QStringLiteral("disk");
}

void TestBlendTile::failuresLeaveThePreviousRender()
{
    QFETCH(QString, failure);
    Job job(tileJob(*m_host, m_photo, 2, 2), PSReleaseStitch);
    QVERIFY(job);
    StitchTestHost& host = *m_host;
    const int allocations = host.allocations;
    host.progress.clear();
    g_nothrowCalls = 0;
    g_nothrowArmed = 1 << 30; // counts only
    QCOMPARE(render(job.get()), 0);
    g_nothrowArmed = -1;
    const int renderAllocations = host.allocations - allocations, renderNothrow = g_nothrowCalls;
    const QList<int> reports = host.progress;
    RenderState before = RenderState::of(host, job.get());
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
    } else if (failure == QLatin1String("nothrow")) {
        for (int n = 0; n < renderNothrow && !QTest::currentTestFailed(); n += 3)
            trial(n, [&] {
                g_nothrowCalls = 0;
                g_nothrowArmed = n;
            }, [&] { g_nothrowArmed = -1; });
    } else if (failure == QLatin1String("cancel")) {
        // The first report of every percentage but the last.
        for (int n = 0; n + 1 < reports.size() && !QTest::currentTestFailed(); ++n) {
            if (n > 0 && reports[n] == reports[n - 1])
                continue;
            host.progress.clear();
            trial(n, [&] { host.cancelAtProgressCall = n; }, [&] { host.cancelAtProgressCall = -1; });
            QCOMPARE(host.progress.size(), n + 1);
        }
    } else {
        // 2 x 2: row 1 runs from 33 to 100, its strip seam from 33 + 40 =
        // 73. The disk fills up as it starts: the strips' overlaps cannot
        // be kept, and the render is undone.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        bool limited = false;
        host.onProgress = [&](int percent) {
            if (percent >= 73 && !limited) {
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
    }
    qInfo("%s: %d renders failed (%d allocations, %d buffers, %d reports)", qPrintable(failure), failed,
          renderAllocations, renderNothrow, int(reports.size()));
    QVERIFY(failed > 0);
    QCOMPARE(render(job.get()), 0);
}

void TestBlendTile::stripSeamFollowsTheUsersPoint()
{
    // The seam between two rows runs in the strips' overlap, across its
    // columns: a point off it moves it, and the lower strip's pixels are
    // copied over that overlap of the result.
    Job job(tileJob(*m_host, m_photo, 2, 2), PSReleaseStitch);
    QVERIFY(job);
    QCOMPARE(render(job.get()), 0);
    CStitchElement& upper = job->m_Matrix.m_pElements[0];
    const CStitchElement& lower = job->m_Matrix.m_pElements[2];
    QVERIFY(upper.m_pLowerPath && upper.m_pLowerPath[0] >= 3);
    tagRECT overlap;
    IntersectRect(&overlap, &upper.m_RowStrip, &lower.m_RowStrip);
    const int width = overlap.right - overlap.left, height = overlap.bottom - overlap.top;
    QVERIFY(width > 4 && height > 4);
    // The path's rows are the overlap's columns, its values rows.
    const unsigned short* path = upper.m_pLowerPath;
    const int last = path[1], first = last - (path[0] - 2) + 1;
    const int column = std::clamp(width / 2, first, last);
    const int stored = path[2 + (last - column)];
    QVERIFY(stored != 0xFFFF);
    const int row = stored + 3 < height - 1 ? stored + 3 : stored - 3;
    QVERIFY(row > 0 && row < height - 1);
    tagPOINT points[3] = {{column, row}, {-1, -1}, {-1, -1}};

    CImage result;
    QCOMPARE(result.Attach(job->m_hResultDib), 0);
    QCOMPARE(result.Lock(), 0);
    const tagRECT& pano = job->m_LayoutRect;
    for (int y = overlap.top; y < overlap.bottom; ++y)
        for (int x = overlap.left; x < overlap.right; ++x) {
            unsigned char* p = result.Bits() + (y - pano.top) * result.Stride() + 3 * (x - pano.left);
            p[0] = 255, p[1] = 0, p[2] = 255;
        }
    bool changed = false;
    unsigned short* slot = upper.m_pLowerPath;
    QCOMPARE(PSAdjustPath(job.get(), tagPOINT{0, 0}, false, points, false, &changed, &slot, nullptr), 0);
    QVERIFY(changed);
    const unsigned short* moved = upper.m_pLowerPath;
    const int movedLast = moved[1], movedFirst = movedLast - (moved[0] - 2) + 1;
    QVERIFY(column >= movedFirst && column <= movedLast);
    QCOMPARE(int(moved[2 + (movedLast - column)]), row);
    // The lower strip covers most of the overlap: little paint is left.
    int painted = 0;
    for (int y = overlap.top; y < overlap.bottom; ++y)
        for (int x = overlap.left; x < overlap.right; ++x) {
            const unsigned char* p = result.Bits() + (y - pano.top) * result.Stride() + 3 * (x - pano.left);
            painted += p[0] == 255 && p[1] == 0 && p[2] == 255;
        }
    QVERIFY2(painted < width * height / 2, qPrintable(QStringLiteral("%1 of %2").arg(painted).arg(width * height)));
    result.Unlock();
    result.Detach();
}

QTEST_MAIN(TestBlendTile)
#include "tst_blendtile.moc"
