#include "GeometryFixture.h"
#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QFile>
#include <QtTest>

#include <cmath>
#include <memory>

using Job = std::unique_ptr<CStitchOptions, void (*)(CStitchOptions*)>;

// The job functions for an editor: dropping photos, putting elements in a
// given order, snapping a user's point pair and proposing five pairs.
class TestJobEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void deleteRefusesBadLists_data();
    void deleteRefusesBadLists();
    void deleteKeepsOrderAndShapesGrid_data();
    void deleteKeepsOrderAndShapesGrid();
    void deleteFreesWhatDroppedElementsOwn();

    void adjustOrder_data();
    void adjustOrder();
    void adjustOrderCarriesElementData();

    void autoMatchSnapsBack_data();
    void autoMatchSnapsBack();
    void autoMatchRefusesBadScale_data();
    void autoMatchRefusesBadScale();

    void bestPointsAlwaysFive_data();
    void bestPointsAlwaysFive();
    void bestPointsRefusals();

private:
    // A job of cols x rows elements "e0", "e1", ... in load order, each
    // holding a small layer-1 bitmap (so freeing shows in the host's counts).
    CStitchOptions* handJob(tagStitchStyle style, int cols, int rows);
    static QStringList elementNames(CStitchOptions* job);
    // A row of two views filled from the truth, as alignment would.
    CStitchOptions* pairJob(SyntheticViews** views, QList<SyntheticViews::Camera>* cameras);

    QImage m_photo;
    StitchTestHost* m_host = nullptr;
};

void TestJobEdit::initTestCase()
{
    const QString path = SyntheticViews::photoPath();
    if (!path.isEmpty())
        QVERIFY(m_photo.load(path));
}

void TestJobEdit::init()
{
    m_host = new StitchTestHost;
}

void TestJobEdit::cleanup()
{
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

CStitchOptions* TestJobEdit::handJob(tagStitchStyle style, int cols, int rows)
{
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = PSCreateStitch(style, StitchOutputOriginal, StitchMethodCalibrated, &table);
    const int n = cols * rows;
    job->m_Matrix.m_pElements = new CStitchElement[size_t(n)];
    job->m_Matrix.m_lCols = cols;
    job->m_Matrix.m_lRows = rows;
    job->m_Matrix.m_lCount = n;
    job->m_lWorkingLayer = job->m_lDeepestLayer = 1;
    for (int i = 0; i < n; ++i) {
        CStitchElement& e = job->m_Matrix.m_pElements[i];
        e.m_Pyramid.m_strName = QStringLiteral("e%1").arg(i);
        e.m_Pyramid.AllocateLayers(2);
        e.m_Pyramid.m_phLayers[1] = m_host->makeHandle(StitchTestHost::packed24(4, 4, [i](int, int) {
            return unsigned(i);
        }));
        e.m_RightTwins.m_lCount = i; // marks the record
    }
    return job;
}

QStringList TestJobEdit::elementNames(CStitchOptions* job)
{
    QStringList names;
    for (int i = 0; i < job->m_Matrix.m_lCount; ++i)
        names << job->m_Matrix.m_pElements[i].m_Pyramid.m_strName;
    return names;
}

CStitchOptions* TestJobEdit::pairJob(SyntheticViews** views, QList<SyntheticViews::Camera>* cameras)
{
    const double focal = 160 / std::tan(30 * M_PI / 180);
    *views = new SyntheticViews(m_photo, SyntheticViews::Surface::Cylinder, 320, 240, focal);
    *cameras = (*views)->row(2, 0.4);
    return GeometryFixture::job(*m_host, **views, *cameras, StitchStyleHorizontal, 2, 1);
}

void TestJobEdit::deleteRefusesBadLists_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("indices");
    QTest::addColumn<bool>("nullIndices");
    // Five elements.
    QTest::newRow("index past the end") << 1 << QList<int>{5} << false;
    QTest::newRow("negative index") << 2 << QList<int>{1, -1} << false;
    QTest::newRow("index listed twice") << 2 << QList<int>{3, 3} << false;
    QTest::newRow("count above the elements") << 6 << QList<int>{0, 1, 2, 3, 4, 4} << false;
    QTest::newRow("negative count") << -1 << QList<int>{0} << false;
    QTest::newRow("no list") << 1 << QList<int>{} << true;
}

void TestJobEdit::deleteRefusesBadLists()
{
    QFETCH(int, count);
    QFETCH(QList<int>, indices);
    QFETCH(bool, nullIndices);
    Job job(handJob(StitchStyleHorizontal, 5, 1), PSReleaseStitch);
    CStitchElement* before = job->m_Matrix.m_pElements;
    const int frees = m_host->frees;
    QCOMPARE(PSDeleteImages(job.get(), count, nullIndices ? nullptr : indices.data()), int(StitchBadArgument));
    QCOMPARE(job->m_Matrix.m_pElements, before);
    QCOMPARE(job->m_Matrix.m_lCount, 5);
    QCOMPARE(job->m_Matrix.m_lCols, 5);
    QCOMPARE(job->m_Matrix.m_lRows, 1);
    QCOMPARE(elementNames(job.get()), (QStringList{"e0", "e1", "e2", "e3", "e4"}));
    QCOMPARE(m_host->frees, frees);
    int list[1] = {0};
    QCOMPARE(PSDeleteImages(nullptr, 1, list), int(StitchBadArgument));
}

void TestJobEdit::deleteKeepsOrderAndShapesGrid_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("indices");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("newCols");
    QTest::addColumn<int>("newRows");
    QTest::newRow("row") << 0 << 5 << 1 << QList<int>{3, 0} << QStringList{"e1", "e2", "e4"} << 3 << 1;
    QTest::newRow("ring") << 2 << 4 << 1 << QList<int>{2} << QStringList{"e0", "e1", "e3"} << 3 << 1;
    QTest::newRow("column") << 1 << 1 << 4 << QList<int>{1} << QStringList{"e0", "e2", "e3"} << 1 << 3;
    // A tile grid keeps its size although the count shrinks.
    QTest::newRow("tile") << 3 << 3 << 2 << QList<int>{4, 1} << QStringList{"e0", "e2", "e3", "e5"} << 3 << 2;
    QTest::newRow("nothing") << 0 << 3 << 1 << QList<int>{} << QStringList{"e0", "e1", "e2"} << 3 << 1;
    QTest::newRow("everything") << 0 << 2 << 1 << QList<int>{1, 0} << QStringList{} << 0 << 1;
}

void TestJobEdit::deleteKeepsOrderAndShapesGrid()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(QList<int>, indices);
    QFETCH(QStringList, names);
    QFETCH(int, newCols);
    QFETCH(int, newRows);
    Job job(handJob(tagStitchStyle(style), cols, rows), PSReleaseStitch);
    const int frees = m_host->frees;
    int none = 0;
    QCOMPARE(PSDeleteImages(job.get(), int(indices.size()), indices.isEmpty() ? &none : indices.data()), 0);
    QCOMPARE(elementNames(job.get()), names);
    QCOMPARE(job->m_Matrix.m_lCount, int(names.size()));
    QCOMPARE(job->m_Matrix.m_lCols, newCols);
    QCOMPARE(job->m_Matrix.m_lRows, newRows);
    // Each dropped element gave its layer back; the kept ones took theirs along.
    QCOMPARE(m_host->frees - frees, int(indices.size()));
    for (int i = 0; i < job->m_Matrix.m_lCount; ++i) {
        const CStitchElement& e = job->m_Matrix.m_pElements[i];
        QCOMPARE(e.m_RightTwins.m_lCount, names[i].mid(1).toInt());
        QVERIFY(e.m_Pyramid.IsHeld(1));
    }
}

void TestJobEdit::deleteFreesWhatDroppedElementsOwn()
{
    Job job(handJob(StitchStyleHorizontal, 3, 1), PSReleaseStitch);
    // Element 1 has a temporary file and both paths, listed in the job's
    // path array as a render hands them out.
    CStitchElement& doomed = job->m_Matrix.m_pElements[1];
    doomed.m_lWarpedImageId = job->m_FileManager.GetFileID();
    QVERIFY(doomed.m_lWarpedImageId >= 0);
    QString file;
    job->m_FileManager.GetTotalTempFileName(doomed.m_lWarpedImageId, file);
    QVERIFY(QFile::exists(file));
    doomed.m_pRightPath = new unsigned short[4]{4, 1, 0, 0};
    doomed.m_pLowerPath = new unsigned short[4]{4, 1, 0, 0};
    unsigned short* keptPath = new unsigned short[4]{4, 1, 2, 2};
    job->m_Matrix.m_pElements[0].m_pRightPath = keptPath;
    job->m_ppPaths = new unsigned short*[2]{keptPath, doomed.m_pRightPath};
    job->m_lPathCount = 2;
    int index = 1;
    QCOMPARE(PSDeleteImages(job.get(), 1, &index), 0);
    QVERIFY(!QFile::exists(file));
    // The handed-out entry of the freed path is cleared, the other stays.
    QCOMPARE(job->m_ppPaths[0], keptPath);
    QVERIFY(!job->m_ppPaths[1]);
    QCOMPARE(job->m_Matrix.m_pElements[0].m_pRightPath, keptPath);
}

void TestJobEdit::adjustOrder_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("expected");
    // Elements e0..e4 in that order.
    QTest::newRow("a whole order") << QStringList{"e3", "e1", "e4", "e0", "e2"}
                                   << QStringList{"e3", "e1", "e4", "e0", "e2"};
    // Place 0 takes e2 (e0 goes to place 2); "x" is nowhere; e0 is
    // already in place 2.
    QTest::newRow("unknown name") << QStringList{"e2", "x", "e0"} << QStringList{"e2", "e1", "e0", "e3", "e4"};
    QTest::newRow("shorter list") << QStringList{"e4"} << QStringList{"e4", "e1", "e2", "e3", "e0"};
    QTest::newRow("longer list") << QStringList{"e1", "e0", "e2", "e3", "e4", "e5", "e6"}
                                 << QStringList{"e1", "e0", "e2", "e3", "e4"};
    QTest::newRow("empty list") << QStringList{} << QStringList{"e0", "e1", "e2", "e3", "e4"};
}

void TestJobEdit::adjustOrder()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, expected);
    Job job(handJob(StitchStyleHorizontal, 5, 1), PSReleaseStitch);
    QCOMPARE(PSAdjustOrder(job.get(), names), 0);
    QCOMPARE(elementNames(job.get()), expected);
}

void TestJobEdit::adjustOrderCarriesElementData()
{
    Job job(handJob(StitchStyleHorizontal, 4, 1), PSReleaseStitch);
    QStringList order{"e2", "e3", "e0", "e1"};
    QCOMPARE(PSAdjustOrder(job.get(), order), 0);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(job->m_Matrix.m_pElements[i].m_RightTwins.m_lCount, order[i].mid(1).toInt());
    QCOMPARE(PSAdjustOrder(nullptr, order), int(StitchNullArgument));
    // An empty grid has nothing to order.
    job->m_Matrix.m_lCols = 0;
    QCOMPARE(PSAdjustOrder(job.get(), order), 0);
}

void TestJobEdit::autoMatchSnapsBack_data()
{
    QTest::addColumn<QPoint>("displacement");
    QTest::addColumn<double>("scale");
    QTest::newRow("5, -4 at full view") << QPoint(5, -4) << 1.0;
    QTest::newRow("6, 2 zoomed out") << QPoint(6, 2) << 0.5;
    QTest::newRow("3, 3 zoomed in") << QPoint(3, 3) << 4.0; // radius 8
}

void TestJobEdit::autoMatchSnapsBack()
{
    QFETCH(QPoint, displacement);
    QFETCH(double, scale);
    if (m_photo.isNull())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    SyntheticViews* raw = nullptr;
    QList<SyntheticViews::Camera> cameras;
    Job job(pairJob(&raw, &cameras), PSReleaseStitch);
    std::unique_ptr<SyntheticViews> views(raw);
    QVERIFY(job);
    // The most textured spot of the neighbour inside the overlap (the
    // search needs texture to lock on), and where it truly lies in the
    // element.
    const QByteArray packed = views->render(cameras[1]);
    const int stride = (3 * 320 + 3) & ~3;
    auto spread = [&](int cx, int cy) {
        double sum = 0, squares = 0;
        for (int y = cy - 4; y < cy + 4; ++y)
            for (int x = cx - 4; x < cx + 4; ++x) {
                const double v = uchar(packed[40 + y * stride + 3 * x + 1]);
                sum += v;
                squares += v * v;
            }
        return squares / 64 - (sum / 64) * (sum / 64);
    };
    QPointF inNeighbour(60, 120);
    for (int y = 60; y <= 180; y += 8)
        for (int x = 30; x <= 90; x += 8)
            if (spread(x, y) > spread(int(inNeighbour.x()), int(inNeighbour.y())))
                inNeighbour = QPointF(x, y);
    QPointF truth;
    QVERIFY(views->map(cameras[1], cameras[0], inNeighbour, &truth));
    tagPOINT neighbourPoint{int(inNeighbour.x()), int(inNeighbour.y())};
    tagPOINT elementPoint{int(std::lround(truth.x())) + displacement.x(),
                          int(std::lround(truth.y())) + displacement.y()};
    QCOMPARE(PSAutoMatch(job.get(), tagPOINT{0, 0}, true, &neighbourPoint, &elementPoint, scale), 0);
    // Block matching between two views turned apart is good to about two
    // pixels; the point started at least four away.
    QVERIFY2(std::hypot(elementPoint.x - truth.x(), elementPoint.y - truth.y()) <= 2.5,
             qPrintable(QStringLiteral("%1, %2 for %3, %4")
                            .arg(elementPoint.x).arg(elementPoint.y).arg(truth.x()).arg(truth.y())));
    QCOMPARE(neighbourPoint.x, int(inNeighbour.x()));
    QCOMPARE(neighbourPoint.y, int(inNeighbour.y()));
}

void TestJobEdit::autoMatchRefusesBadScale_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("zero") << 0.0;
    QTest::newRow("negative") << -2.0;
    QTest::newRow("not a number") << std::nan("");
}

void TestJobEdit::autoMatchRefusesBadScale()
{
    QFETCH(double, scale);
    Job job(handJob(StitchStyleHorizontal, 2, 1), PSReleaseStitch);
    tagPOINT a{10, 10}, b{20, 20};
    QCOMPARE(PSAutoMatch(job.get(), tagPOINT{0, 0}, true, &a, &b, scale), int(StitchBadArgument));
    QCOMPARE(a.x, 10);
    QCOMPARE(b.y, 20);
    QCOMPARE(PSAutoMatch(nullptr, tagPOINT{0, 0}, true, &a, &b, 1.0), int(StitchBadArgument));
}

void TestJobEdit::bestPointsAlwaysFive_data()
{
    QTest::addColumn<int>("stored");
    QTest::newRow("one") << 1;
    QTest::newRow("two") << 2;
    QTest::newRow("three") << 3;
    QTest::newRow("four") << 4;
    QTest::newRow("five") << 5;
    QTest::newRow("twelve") << 12;
    QTest::newRow("forty") << 40;
}

void TestJobEdit::bestPointsAlwaysFive()
{
    QFETCH(int, stored);
    if (m_photo.isNull())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    SyntheticViews* raw = nullptr;
    QList<SyntheticViews::Camera> cameras;
    Job job(pairJob(&raw, &cameras), PSReleaseStitch);
    std::unique_ptr<SyntheticViews> views(raw);
    QVERIFY(job);
    PointTwinList& block = job->m_Matrix.m_pElements[0].m_RightTwins;
    QVERIFY(block.m_lCount >= stored);
    block.m_lCount = stored;
    tagPOINT pairs[10];
    int count = 0;
    QCOMPARE(PSGetBestPointsEx(job.get(), tagPOINT{0, 0}, true, pairs, &count), 0);
    QCOMPARE(count, 5);
    const tagRECT& inElement = job->m_Matrix.m_pElements[0].m_OverlapRects[0];
    const tagRECT& inNeighbour = job->m_Matrix.m_pElements[0].m_OverlapRects[1];
    QSet<QPair<int, int>> distinct;
    for (int i = 0; i < 5; ++i) {
        const tagPOINT a = pairs[2 * i], b = pairs[2 * i + 1];
        distinct.insert({a.x, a.y});
        if (i < stored && stored <= 5) {
            // The stored twins come first, as stored.
            QCOMPARE(a.x, block.m_Twins[i][0].x);
            QCOMPARE(b.y, block.m_Twins[i][1].y);
        }
        // Every pair lies in the overlap and is a true pair: the
        // element point seen from the neighbour within two pixels.
        QVERIFY(PtInRect(&inElement, a));
        QVERIFY(PtInRect(&inNeighbour, b));
        QPointF truth;
        QVERIFY(views->map(cameras[0], cameras[1], QPointF(a.x, a.y), &truth));
        QVERIFY2(std::hypot(truth.x() - b.x, truth.y() - b.y) < 2.0,
                 qPrintable(QStringLiteral("pair %1: %2, %3 vs %4, %5")
                                .arg(i).arg(b.x).arg(b.y).arg(truth.x()).arg(truth.y())));
    }
    // Four or more stored twins give five different places.
    if (stored >= 4)
        QCOMPARE(int(distinct.size()), 5);
}

void TestJobEdit::bestPointsRefusals()
{
    Job job(handJob(StitchStyleHorizontal, 2, 1), PSReleaseStitch);
    tagPOINT pairs[10];
    int count = -1;
    // No twin stored.
    QCOMPARE(PSGetBestPointsEx(job.get(), tagPOINT{0, 0}, true, pairs, &count), int(StitchBadArgument));
    job->m_Matrix.m_pElements[0].m_RightTwins.m_lCount = 5;
    // No lower neighbour in a row, no element at column 2.
    QCOMPARE(PSGetBestPointsEx(job.get(), tagPOINT{0, 0}, false, pairs, &count), int(StitchBadArgument));
    QCOMPARE(PSGetBestPointsEx(job.get(), tagPOINT{2, 0}, true, pairs, &count), int(StitchBadArgument));
    QCOMPARE(PSGetBestPointsEx(job.get(), tagPOINT{0, 0}, true, nullptr, &count), int(StitchNullArgument));
    QCOMPARE(PSGetBestPointsEx(job.get(), tagPOINT{0, 0}, true, pairs, nullptr), int(StitchNullArgument));
    QCOMPARE(PSGetBestPointsEx(nullptr, tagPOINT{0, 0}, true, pairs, &count), int(StitchNullArgument));
    QCOMPARE(count, -1);
    QCOMPARE(PSGetBestPointsEx(job.get(), tagPOINT{0, 0}, true, pairs, &count), 0);
    QCOMPARE(count, 5);
}

QTEST_GUILESS_MAIN(TestJobEdit)
#include "tst_jobedit.moc"
