#include "GeometryFixture.h"
#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/image/CImage.h"
#include "stitch/image/CMask.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/interface/PSStitchFineTune.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/motion/CMotionEstimation.h"
#include "stitch/render/CStitchBlend.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <memory>

using Job = std::unique_ptr<CStitchOptions, void (*)(CStitchOptions*)>;

// Fine-tune from user point pairs, its memo, and moving a dividing path
// through user points.
class TestFineTune : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void offsetTooFar_data();
    void offsetTooFar();
    void memoCountsAndOrder_data();
    void memoCountsAndOrder();
    void refusals();
    void pairsTooFarChangeNothing_data();
    void pairsTooFarChangeNothing();
    void renderFailureRestores();
    void truePairsMendARotation();

    void copySubImageStaysOnTheImages();
    void adjustPathMovesTheSeam();
    void adjustPathRefusedLocksChangeNothing();
    void adjustPathLeavesAlone_data();
    void adjustPathLeavesAlone();

private:
    // Two views of a row filled from the truth (and rendered when asked).
    CStitchOptions* pairJob(bool rendered);
    // Three true pairs between the views, layer-0 pixels.
    void truePairs(tagPOINT* pairs) const;
    static QByteArray elementBytes(CStitchOptions* job);
    static double angleBetween(const CStitchTransform& a, const double b[9]);

    QImage m_photo;
    std::unique_ptr<SyntheticViews> m_views;
    QList<SyntheticViews::Camera> m_cameras;
    StitchTestHost* m_host = nullptr;
};

void TestFineTune::initTestCase()
{
    const QString path = SyntheticViews::photoPath();
    if (!path.isEmpty())
        QVERIFY(m_photo.load(path));
    const double focal = 120 / std::tan(30 * M_PI / 180);
    m_views = std::make_unique<SyntheticViews>(m_photo, SyntheticViews::Surface::Cylinder, 240, 180, focal);
    m_cameras = m_views->row(2, 0.4);
}

void TestFineTune::init()
{
    m_host = new StitchTestHost;
}

void TestFineTune::cleanup()
{
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

CStitchOptions* TestFineTune::pairJob(bool rendered)
{
    CStitchOptions* job = GeometryFixture::job(*m_host, *m_views, m_cameras, StitchStyleHorizontal, 2, 1);
    if (job && rendered) {
        CStitchBlend blend(job, job->m_lWorkingLayer);
        if (blend.Run(false) != 0) {
            PSReleaseStitch(job);
            return nullptr;
        }
    }
    return job;
}

void TestFineTune::truePairs(tagPOINT* pairs) const
{
    // Spread over the overlap (the right part of view 0); of the pixels near
    // each spot, the one that lands nearest a whole pixel of view 1, so the
    // pairs are as true as whole pixels allow.
    const QPoint spots[3] = {{152, 20}, {228, 90}, {156, 164}};
    for (int i = 0; i < 3; ++i) {
        double best = 2.0;
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx) {
                const QPointF p(spots[i].x() + dx, spots[i].y() + dy);
                QPointF there;
                if (!m_views->map(m_cameras[0], m_cameras[1], p, &there))
                    continue;
                const double miss = std::hypot(there.x() - std::round(there.x()), there.y() - std::round(there.y()));
                if (miss < best) {
                    best = miss;
                    pairs[2 * i] = tagPOINT{int(p.x()), int(p.y())};
                    pairs[2 * i + 1] = tagPOINT{int(std::lround(there.x())), int(std::lround(there.y()))};
                }
            }
    }
}

QByteArray TestFineTune::elementBytes(CStitchOptions* job)
{
    QByteArray bytes;
    for (int i = 0; i < job->m_Matrix.m_lCount; ++i)
        bytes.append(reinterpret_cast<const char*>(&job->m_Matrix.m_pElements[i]), sizeof(CStitchElement));
    bytes.append(reinterpret_cast<const char*>(&job->m_Method), sizeof job->m_Method);
    bytes.append(reinterpret_cast<const char*>(&job->m_dFocalLength), sizeof job->m_dFocalLength);
    return bytes;
}

double TestFineTune::angleBetween(const CStitchTransform& a, const double b[9])
{
    // The angle of a^T b.
    double trace = 0;
    for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 3; ++k)
            trace += a.m_Matrix[3 * k + r] * b[3 * k + r];
    return std::acos(std::clamp((trace - 1) / 2, -1.0, 1.0)) * 180 / M_PI;
}

void TestFineTune::offsetTooFar_data()
{
    QTest::addColumn<QList<QPoint>>("points"); // A0, B0, A1, B1, A2, B2
    QTest::addColumn<bool>("tooFar");
    // A0-A1 400 apart, B0-B1 100: 300 exactly passes; the other couples
    // differ less (412 against 141, 100 against 100).
    QTest::newRow("300 passes") << QList<QPoint>{{0, 0}, {0, 0}, {400, 0}, {100, 0}, {0, 100}, {0, 100}} << false;
    QTest::newRow("301 does not") << QList<QPoint>{{0, 0}, {0, 0}, {400, 0}, {99, 0}, {0, 100}, {0, 100}} << true;
    // 300.96 truncates to 300 against 0.
    QTest::newRow("truncated") << QList<QPoint>{{0, 0}, {5, 5}, {300, 24}, {5, 5}, {0, 0}, {5, 5}} << false;
    // Only the couple of pairs 0 and 2 is far apart in one image.
    QTest::newRow("first and last") << QList<QPoint>{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 320}, {0, 10}} << true;
    QTest::newRow("same shape elsewhere") << QList<QPoint>{{10, 10}, {510, 30}, {90, 40}, {590, 60}, {30, 200}, {530, 220}}
                                          << false;
}

void TestFineTune::offsetTooFar()
{
    QFETCH(QList<QPoint>, points);
    QFETCH(bool, tooFar);
    tagPOINT pairs[6];
    for (int i = 0; i < 6; ++i)
        pairs[i] = tagPOINT{points[i].x(), points[i].y()};
    QCOMPARE(IsPositionOffsetTooFar(pairs), tooFar);
}

void TestFineTune::memoCountsAndOrder_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("entries");
    QTest::newRow("row of 4") << 0 << 4 << 1 << 3;
    QTest::newRow("column of 3") << 1 << 1 << 3 << 2;
    QTest::newRow("ring of 5") << 2 << 5 << 1 << 5;
    // Tile 3 x 2: 3 right pairs in two rows... (2 - 1) x 3 + (3 - 1) x 2 = 7.
    QTest::newRow("tile 3 x 2") << 3 << 3 << 2 << 7;
}

void TestFineTune::memoCountsAndOrder()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(int, entries);
    CStitchOptions job;
    job.m_Matrix.m_Style = tagStitchStyle(style);
    job.m_Matrix.m_lCols = cols;
    job.m_Matrix.m_lRows = rows;
    job.m_Matrix.m_lCount = cols * rows;
    job.m_Matrix.m_pElements = new CStitchElement[size_t(cols * rows)];
    // Every transform names its owner and direction in entry 0.
    for (int i = 0; i < cols * rows; ++i) {
        job.m_Matrix.m_pElements[i].m_RightTransform.m_Matrix[0] = 100 + i;
        job.m_Matrix.m_pElements[i].m_LowerTransform.m_Matrix[0] = 200 + i;
    }
    job.m_Method = StitchMethodFocal35mm;
    job.m_dFocalLength = 321.5;
    FineTuneDataMemo memo;
    QVERIFY(BackupForFineTune(&job, tagPOINT{0, 0}, true, &memo));
    QCOMPARE(memo.m_lTransformCount, entries);
    QCOMPARE(FineTuneTransformCount(&job), entries);
    QList<int> order;
    for (int i = 0; i < memo.m_lTransformCount; ++i)
        order << int(memo.m_pTransforms[i].m_Matrix[0]);
    QList<int> expected;
    switch (style) {
    case 0: expected = {100, 101, 102}; break;
    case 1: expected = {200, 201}; break;
    case 2: expected = {100, 101, 102, 103, 104}; break;
    default: expected = {100, 101, 103, 104, 200, 201, 202}; break; // rows' right pairs, then columns' lower
    }
    QCOMPARE(order, expected);
    // Everything comes back.
    for (int i = 0; i < cols * rows; ++i) {
        job.m_Matrix.m_pElements[i].m_RightTransform.m_Matrix[0] = -1;
        job.m_Matrix.m_pElements[i].m_LowerTransform.m_Matrix[0] = -1;
    }
    job.m_Method = StitchMethodCalibrated;
    job.m_dFocalLength = 1;
    ReturnOriginData(&job, tagPOINT{0, 0}, true, false, &memo);
    QVERIFY(!memo.m_pTransforms);
    QCOMPARE(job.m_Method, StitchMethodFocal35mm);
    QCOMPARE(job.m_dFocalLength, 321.5);
    for (int v : expected) {
        const int owner = v % 100;
        const bool right = v < 200;
        const CStitchElement& e = job.m_Matrix.m_pElements[owner];
        QCOMPARE(int((right ? e.m_RightTransform : e.m_LowerTransform).m_Matrix[0]), v);
    }
    ReleaseElementMemory(&job);
}

void TestFineTune::refusals()
{
    if (m_photo.isNull())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    Job job(pairJob(false), PSReleaseStitch);
    QVERIFY(job);
    tagPOINT pairs[82] = {};
    truePairs(pairs);
    const QByteArray before = elementBytes(job.get());
    QCOMPARE(PSFineTune(nullptr, pairs, tagPOINT{0, 0}, true, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr),
             int(StitchNullArgument));
    QCOMPARE(PSFineTune(job.get(), nullptr, tagPOINT{0, 0}, true, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr),
             int(StitchNullArgument));
    // Fewer than three pairs, or more than the twin block holds.
    QCOMPARE(PSFineTuneEx(job.get(), pairs, 2, tagPOINT{0, 0}, true, nullptr, nullptr, nullptr, nullptr, nullptr,
                          nullptr),
             int(StitchBadArgument));
    QCOMPARE(PSFineTuneEx(job.get(), pairs, 41, tagPOINT{0, 0}, true, nullptr, nullptr, nullptr, nullptr, nullptr,
                          nullptr),
             int(StitchBadArgument));
    // No element at column 2; no lower neighbour in a row.
    QCOMPARE(PSFineTune(job.get(), pairs, tagPOINT{2, 0}, true, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr),
             int(StitchBadArgument));
    QCOMPARE(PSFineTune(job.get(), pairs, tagPOINT{0, 0}, false, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr),
             int(StitchBadArgument));
    QVERIFY(elementBytes(job.get()) == before);
}

void TestFineTune::pairsTooFarChangeNothing_data()
{
    QTest::addColumn<int>("layer");
    QTest::addColumn<int>("spread"); // how much farther apart the element points lie, layer-0 pixels
    QTest::addColumn<int>("code");
    // Working layer 0: 301 too far. Layer 1 halves the coordinates first:
    // 604 becomes 302, too far; 600 becomes 300 and passes (the render
    // double then fails with -3 and everything is put back).
    QTest::newRow("layer 0, 301") << 0 << 301 << int(StitchGridOrTempDir);
    QTest::newRow("layer 1, 604") << 1 << 604 << int(StitchGridOrTempDir);
    QTest::newRow("layer 1, 600") << 1 << 600 << int(StitchBadArgument);
}

namespace {
int g_renders = 0;
int failingRender(CStitchOptions*, int)
{
    ++g_renders;
    return StitchBadArgument;
}
} // namespace

void TestFineTune::pairsTooFarChangeNothing()
{
    QFETCH(int, layer);
    QFETCH(int, spread);
    QFETCH(int, code);
    if (m_photo.isNull())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    Job job(pairJob(false), PSReleaseStitch);
    QVERIFY(job);
    job->m_lWorkingLayer = layer;
    // A known focal length: no calibration on these made-up pairs.
    job->m_Method = StitchMethodFocal35mm;
    const QByteArray before = elementBytes(job.get());
    const int flag = job->m_lFineTune;
    // Element points 0 and 1 lie `spread` farther apart than their twins.
    tagPOINT pairs[6] = {{0, 0}, {0, 0}, {spread, 0}, {0, 0}, {0, 0}, {0, 0}};
    m_host->progress.clear();
    g_renders = 0;
    StitchOutputs out;
    QCOMPARE(RunFineTune(job.get(), pairs, 3, tagPOINT{0, 0}, true, &failingRender, out), code);
    QVERIFY(elementBytes(job.get()) == before);
    QVERIFY(!m_host->progress.contains(100));
    if (code == StitchGridOrTempDir) {
        QCOMPARE(g_renders, 0);
        QCOMPARE(job->m_lFineTune, flag);
        QCOMPARE(PSFineTune(job.get(), pairs, tagPOINT{0, 0}, true, nullptr, nullptr, nullptr, nullptr, nullptr,
                            nullptr),
                 code);
        QVERIFY(elementBytes(job.get()) == before);
    }
}

void TestFineTune::renderFailureRestores()
{
    if (m_photo.isNull())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    Job job(pairJob(false), PSReleaseStitch);
    QVERIFY(job);
    // A focal length off the truth, so calibration and motion both change
    // what the memo must put back.
    job->m_dFocalLength *= 1.2;
    job->m_Matrix.m_pElements[0].m_RightTransform.m_Matrix[1] += 0.05;
    const QByteArray before = elementBytes(job.get());
    tagPOINT pairs[6];
    truePairs(pairs);
    m_host->progress.clear();
    g_renders = 0;
    StitchOutputs out;
    void* result = reinterpret_cast<void*>(0x1);
    out.resultDib = &result;
    QCOMPARE(RunFineTune(job.get(), pairs, 3, tagPOINT{0, 0}, true, &failingRender, out), int(StitchBadArgument));
    QCOMPARE(g_renders, 1);
    // Twins, method, focal length and transforms as they were: the whole
    // element records and the job's two fields, byte for byte.
    QVERIFY(elementBytes(job.get()) == before);
    QVERIFY(!m_host->progress.contains(100));
    QCOMPARE(result, reinterpret_cast<void*>(0x1));
}

void TestFineTune::truePairsMendARotation()
{
    if (m_photo.isNull())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    Job job(pairJob(false), PSReleaseStitch);
    QVERIFY(job);
    double truth[9];
    {
        double ga[9], gb[9];
        SyntheticViews::libraryRotation(m_cameras[0], ga);
        SyntheticViews::libraryRotation(m_cameras[1], gb);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                truth[3 * r + c] = ga[r] * gb[c] + ga[3 + r] * gb[3 + c] + ga[6 + r] * gb[6 + c];
    }
    // The pair's twins replaced by three wrong defaults (shifted 25 and 12
    // pixels), and the motion estimated from them.
    CStitchElement& e = job->m_Matrix.m_pElements[0];
    tagPOINT good[6];
    truePairs(good);
    e.m_RightTwins.m_lCount = 3;
    for (int i = 0; i < 3; ++i) {
        e.m_RightTwins.m_Twins[i][0] = good[2 * i];
        e.m_RightTwins.m_Twins[i][1] = tagPOINT{good[2 * i + 1].x + 25, good[2 * i + 1].y + 12};
    }
    e.m_bRightDefault = true;
    QCOMPARE(CMotionEstimation(job.get()).Run(job->m_lWorkingLayer), 0);
    const double wrong = angleBetween(e.m_RightTransform, truth);
    QVERIFY2(wrong > 1.0, qPrintable(QString::number(wrong)));

    void* result = nullptr;
    tagRECT crop = {};
    tagRECT* overlaps = nullptr;
    int overlapCount = 0;
    unsigned short** paths = nullptr;
    int pathCount = 0;
    m_host->progress.clear();
    QCOMPARE(PSFineTune(job.get(), good, tagPOINT{0, 0}, true, &result, &overlaps, &overlapCount, &paths, &pathCount,
                        &crop),
             0);
    const double mended = angleBetween(job->m_Matrix.m_pElements[0].m_RightTransform, truth);
    QVERIFY2(mended < 0.2, qPrintable(QString::number(mended)));
    QCOMPARE(job->m_Matrix.m_pElements[0].m_RightTwins.m_lCount, 3);
    QVERIFY(result && result == job->m_hResultDib);
    QVERIFY(crop.right > crop.left);
    QCOMPARE(overlapCount, 1);
    QCOMPARE(pathCount, 1);
    QVERIFY(overlaps && paths);
    QCOMPARE(m_host->progress.last(), 100);
}

void TestFineTune::copySubImageStaysOnTheImages()
{
    CImage src(4, 3, 24), dst(5, 5, 24);
    QVERIFY(src.Lock() == 0 && dst.Lock() == 0);
    src.Clear((unsigned int)0x00332211);
    dst.Clear((unsigned int)0x00000000);
    CMask srcMask(4, 3), dstMask(5, 5);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            srcMask.SetPixel(y, x, x != 1); // column 1 not covered
    // src lies at (10, 20), dst at (12, 19); the area reaches past both.
    CopySubImage(tagRECT{0, 0, 100, 100}, tagRECT{10, 20, 14, 23}, tagRECT{12, 19, 17, 24}, &src, &srcMask, &dst,
                 &dstMask);
    int copied = 0;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            const unsigned char* p = dst.Bits() + y * dst.Stride() + 3 * x;
            // Panorama (12 + x, 19 + y) is src (2 + x, y - 1).
            const int sx = 2 + x, sy = y - 1;
            const bool covered = sx >= 0 && sx < 4 && sy >= 0 && sy < 3 && sx != 1;
            // 0x00BBGGRR: bytes blue, green, red.
            QCOMPARE(p[0] == 0x33 && p[1] == 0x22 && p[2] == 0x11, covered);
            QCOMPARE(dstMask.GetPixel(y, x), covered);
            copied += covered;
        }
    QCOMPARE(copied, 2 * 3);
    src.Unlock();
    dst.Unlock();
}

namespace {
// The seam's column at a graph row, -1 where the record has none.
int pathColumn(const unsigned short* path, int row)
{
    if (!path || path[0] < 3)
        return -1;
    const int last = path[1];
    const int first = last - (path[0] - 2) + 1;
    if (row < first || row > last)
        return -1;
    const unsigned short c = path[2 + (last - row)];
    return c == 0xFFFF ? -1 : c;
}
} // namespace

void TestFineTune::adjustPathMovesTheSeam()
{
    if (m_photo.isNull())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    Job job(pairJob(true), PSReleaseStitch);
    QVERIFY(job);
    CStitchElement& e = job->m_Matrix.m_pElements[0];
    const CStitchElement& n = job->m_Matrix.m_pElements[1];
    QVERIFY(e.m_pRightPath && e.m_pRightPath[0] >= 3);
    tagRECT overlap;
    IntersectRect(&overlap, &e.m_Placement, &n.m_Placement);
    const int width = overlap.right - overlap.left, height = overlap.bottom - overlap.top;
    // A point 8 columns off the seam, half-way down.
    const int row = height / 2;
    const int stored = pathColumn(e.m_pRightPath, row);
    QVERIFY(stored >= 0);
    const int column = stored + 8 < width - 1 ? stored + 8 : stored - 8;
    tagPOINT points[3] = {{column, row}, {-1, -1}, {-1, -1}};

    // Paint the result's overlap: what the call copies over it shows.
    CImage result;
    QCOMPARE(result.Attach(job->m_hResultDib), 0);
    QCOMPARE(result.Lock(), 0);
    const tagRECT& pano = job->m_LayoutRect;
    const QByteArray resultBefore(reinterpret_cast<const char*>(result.Bits()), result.Stride() * result.Height());
    for (int y = overlap.top; y < overlap.bottom; ++y)
        for (int x = overlap.left; x < overlap.right; ++x) {
            unsigned char* p = result.Bits() + (y - pano.top) * result.Stride() + 3 * (x - pano.left);
            p[0] = 255, p[1] = 0, p[2] = 255;
        }

    bool changed = false;
    unsigned short* slot = e.m_pRightPath;
    void* handed = nullptr;
    QCOMPARE(PSAdjustPath(job.get(), tagPOINT{0, 0}, true, points, false, &changed, &slot, &handed), 0);
    QVERIFY(changed);
    QCOMPARE(slot, e.m_pRightPath); // written in place
    QCOMPARE(pathColumn(e.m_pRightPath, row), column);
    QCOMPARE(handed, job->m_hResultDib);
    int painted = 0;
    for (int y = 0; y < result.Height(); ++y)
        for (int x = 0; x < result.Width(); ++x) {
            const unsigned char* p = result.Bits() + y * result.Stride() + 3 * x;
            const bool inOverlap = x + pano.left >= overlap.left && x + pano.left < overlap.right
                                   && y + pano.top >= overlap.top && y + pano.top < overlap.bottom;
            if (inOverlap) {
                painted += p[0] == 255 && p[1] == 0 && p[2] == 255;
            } else {
                // Nothing outside the overlap is touched.
                QVERIFY(std::memcmp(p, resultBefore.constData() + y * result.Stride() + 3 * x, 3) == 0);
            }
        }
    // The neighbour covers the overlap but for a few edge pixels.
    QVERIFY2(painted < width * height / 20, qPrintable(QString::number(painted)));
    result.Unlock();
    result.Detach();

    // The seam through the point again: it is already there.
    changed = true;
    QCOMPARE(PSAdjustPath(job.get(), tagPOINT{0, 0}, true, points, true, &changed, &slot, nullptr), 0);
    QVERIFY(!changed);
}

void TestFineTune::adjustPathRefusedLocksChangeNothing()
{
    if (m_photo.isNull())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    // A point 8 columns right of the seam, half-way down the overlap.
    auto offSeam = [](CStitchOptions* job) {
        const CStitchElement& e = job->m_Matrix.m_pElements[0];
        tagRECT overlap;
        IntersectRect(&overlap, &e.m_Placement, &job->m_Matrix.m_pElements[1].m_Placement);
        const int row = (overlap.bottom - overlap.top) / 2;
        return tagPOINT{pathColumn(e.m_pRightPath, row) + 8, row};
    };
    // How many locks one move of the seam takes.
    int locks = 0;
    {
        Job job(pairJob(true), PSReleaseStitch);
        QVERIFY(job);
        CStitchElement& e = job->m_Matrix.m_pElements[0];
        tagPOINT points[3] = {offSeam(job.get()), {-1, -1}, {-1, -1}};
        bool changed = false;
        unsigned short* slot = e.m_pRightPath;
        const int first = m_host->lockCalls;
        QCOMPARE(PSAdjustPath(job.get(), tagPOINT{0, 0}, true, points, false, &changed, &slot, nullptr), 0);
        QVERIFY(changed);
        locks = m_host->lockCalls - first;
    }
    QVERIFY(locks > 0);
    // Each refused in turn: the call fails and leaves the stored path and
    // the result as they were, with no lock left held.
    for (int n = 0; n < locks; ++n) {
        Job job(pairJob(true), PSReleaseStitch);
        QVERIFY(job);
        CStitchElement& e = job->m_Matrix.m_pElements[0];
        tagPOINT points[3] = {offSeam(job.get()), {-1, -1}, {-1, -1}};
        const QByteArray path(reinterpret_cast<const char*>(e.m_pRightPath), e.m_pRightPath[0] * 2);
        CImage result;
        QCOMPARE(result.Attach(job->m_hResultDib), 0);
        QCOMPARE(result.Lock(), 0);
        const QByteArray pixels(reinterpret_cast<const char*>(result.Bits()), result.Stride() * result.Height());
        result.Unlock();
        const int held = m_host->locksHeld;
        bool changed = true;
        unsigned short* slot = e.m_pRightPath;
        m_host->failLockAt = m_host->lockCalls + n;
        const int code = PSAdjustPath(job.get(), tagPOINT{0, 0}, true, points, false, &changed, &slot, nullptr);
        m_host->failLockAt = -1;
        const QString what = QStringLiteral("lock %1 of %2 refused").arg(n).arg(locks);
        QVERIFY2(code < 0, qPrintable(what));
        QVERIFY2(!changed, qPrintable(what));
        QVERIFY2(QByteArray(reinterpret_cast<const char*>(e.m_pRightPath), e.m_pRightPath[0] * 2) == path,
                 qPrintable(what));
        QVERIFY2(m_host->locksHeld == held, qPrintable(what));
        QCOMPARE(result.Lock(), 0);
        QVERIFY2(QByteArray(reinterpret_cast<const char*>(result.Bits()), result.Stride() * result.Height()) == pixels,
                 qPrintable(what));
        result.Unlock();
        result.Detach();
    }
}

void TestFineTune::adjustPathLeavesAlone_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("empty path slot") << 0;
    QTest::newRow("point on the left border") << 1;
    QTest::newRow("point on the top border") << 2;
    QTest::newRow("point on the right border") << 3;
    QTest::newRow("point on the bottom border") << 4;
}

void TestFineTune::adjustPathLeavesAlone()
{
    QFETCH(int, kind);
    if (m_photo.isNull())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    Job job(pairJob(true), PSReleaseStitch);
    QVERIFY(job);
    CStitchElement& e = job->m_Matrix.m_pElements[0];
    tagRECT overlap;
    IntersectRect(&overlap, &e.m_Placement, &job->m_Matrix.m_pElements[1].m_Placement);
    const int width = overlap.right - overlap.left, height = overlap.bottom - overlap.top;
    const tagPOINT border[5] = {{width / 2, height / 2}, {0, height / 2}, {width / 2, 0}, {width - 1, height / 2},
                                {width / 2, height - 1}};
    tagPOINT points[3] = {border[kind], {-1, -1}, {-1, -1}};
    const QByteArray path(reinterpret_cast<const char*>(e.m_pRightPath), e.m_pRightPath[0] * 2);
    unsigned short* slot = kind == 0 ? nullptr : e.m_pRightPath;
    bool changed = true;
    QCOMPARE(PSAdjustPath(job.get(), tagPOINT{0, 0}, true, points, false, &changed, &slot, nullptr), 0);
    QVERIFY(!changed);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(e.m_pRightPath), e.m_pRightPath[0] * 2), path);
    QCOMPARE(PSAdjustPath(nullptr, tagPOINT{0, 0}, true, points, false, &changed, &slot, nullptr),
             int(StitchNullArgument));
    QCOMPARE(PSAdjustPath(job.get(), tagPOINT{0, 0}, true, points, false, nullptr, &slot, nullptr),
             int(StitchNullArgument));
    QCOMPARE(PSAdjustPath(job.get(), tagPOINT{0, 0}, true, points, false, &changed, nullptr, nullptr),
             int(StitchNullArgument));
}

QTEST_GUILESS_MAIN(TestFineTune)
#include "tst_finetune.moc"
