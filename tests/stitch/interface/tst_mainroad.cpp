#include "LayerAlignment.h"
#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QtTest>

#include <cmath>
#include <memory>

using Job = std::unique_ptr<CStitchOptions, void (*)(CStitchOptions*)>;
using Twins = QList<QPoint>; // element point, neighbour point, element point, ...

// The main road's own steps: the three point pairs handed to a fine-tune
// editor, the stitch call's argument checks, and the grid a failed stitch
// must leave as its caller knows it, with every handle freed once.
class TestMainRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void bestPointsPicksExtremes_data();
    void bestPointsPicksExtremes();
    void bestPointsRefuses_data();
    void bestPointsRefuses();
    void stitchRefusesItsArguments_data();
    void stitchRefusesItsArguments();
    void cancelAfterNearDuplicateRestoresGrid();
    void nearDuplicateLeavesTheReportedGrid();
    void failuresReleaseEveryHandleOnce_data();
    void failuresReleaseEveryHandleOnce();

private:
    // A job with a hand-made grid of cols x rows elements 200 x 150 pixels
    // large, rendered on the given working layer.
    Job handMade(tagStitchStyle style, int cols, int rows, int workingLayer);
    // A loaded row of views named "view<i>" (camera i).
    Job loadedRow(const QList<SyntheticViews::Camera>& cameras, int width, int height,
                  tagStitchStyle style = StitchStyleHorizontal);

    QImage m_photo;
    StitchTestHost* m_host = nullptr;
    int m_reports = 0;
    int m_allocations = 0;
    int m_locks = 0;
};

namespace {

void setTwins(PointTwinList& block, const Twins& twins)
{
    block.m_lCount = int(twins.size() / 2);
    for (int i = 0; i < block.m_lCount; ++i) {
        block.m_Twins[i][0] = tagPOINT{twins[2 * i].x(), twins[2 * i].y()};
        block.m_Twins[i][1] = tagPOINT{twins[2 * i + 1].x(), twins[2 * i + 1].y()};
    }
}

QStringList arrayNames(const CStitchOptions* job)
{
    QStringList names;
    for (int i = 0; i < job->m_Matrix.ArrayLength(); ++i)
        names << job->m_Matrix.m_pElements[i].m_Pyramid.m_strName;
    return names;
}

double focalFor(int width)
{
    return width / 2.0 / std::tan(30 * M_PI / 180);
}

// A row of five whose first three views are each 6 % of the width apart:
// view 1 almost coincides with both neighbours and leaves the grid while
// the first layer below the top is matched.
QList<SyntheticViews::Camera> rowWithNearDuplicate(int width)
{
    const double focal = focalFor(width);
    const double near = std::atan(0.06 * width / focal);
    const double step = 2 * std::atan(width / 2.0 / focal) * 0.6;
    return {{0, 0, 0}, {near, 0, 0}, {2 * near, 0, 0}, {2 * near + step, 0, 0}, {2 * near + 2 * step, 0, 0}};
}

struct StitchCall
{
    int code = 12345;
    int cols = 0;
    int rows = 0;
    QStringList names;
    void* dib = nullptr;
    tagRECT* overlaps = nullptr;
    int overlapCount = -1;
    unsigned short** paths = nullptr;
    int pathCount = -1;
    tagRECT crop = {};
};

StitchCall stitch(CStitchOptions* job, int cols, int rows)
{
    StitchCall call;
    call.cols = cols;
    call.rows = rows;
    call.code = DEZeviDirevi(job, 0, &call.cols, &call.rows, call.names, &call.dib, &call.overlaps,
                             &call.overlapCount, &call.paths, &call.pathCount, &call.crop);
    return call;
}

} // namespace

void TestMainRoad::initTestCase()
{
    const QString path = SyntheticViews::photoPath(QStringLiteral("GreenMeadow.jpg"));
    if (path.isEmpty())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    QVERIFY(m_photo.load(path));
}

void TestMainRoad::init()
{
    m_host = new StitchTestHost;
}

void TestMainRoad::cleanup()
{
    const QString report = m_host->report();
    const bool clean = m_host->clean();
    delete m_host;
    m_host = nullptr;
    QVERIFY2(clean, qPrintable(report));
}

Job TestMainRoad::handMade(tagStitchStyle style, int cols, int rows, int workingLayer)
{
    tagStitchCallbacks table = m_host->callbacks();
    Job job(PSCreateStitch(style, StitchOutputOriginal, StitchMethodCalibrated, &table), PSReleaseStitch);
    if (!job)
        return job;
    CStitchMatrix& m = job->m_Matrix;
    m.m_pElements = new CStitchElement[size_t(cols * rows)];
    m.m_lCols = cols;
    m.m_lRows = rows;
    m.m_lCount = cols * rows;
    for (int i = 0; i < cols * rows; ++i) {
        m.m_pElements[i].m_Pyramid.m_lWidth = 200;
        m.m_pElements[i].m_Pyramid.m_lHeight = 150;
    }
    job->m_lWorkingLayer = workingLayer;
    job->m_lDeepestLayer = workingLayer + 1;
    return job;
}

Job TestMainRoad::loadedRow(const QList<SyntheticViews::Camera>& cameras, int width, int height,
                            tagStitchStyle style)
{
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, width, height, focalFor(width));
    const int count = int(cameras.size());
    const bool column = style == StitchStyleVertical;
    Job job(LayerAlignment::load(*m_host, views, cameras, style, column ? 1 : count, column ? count : 1),
            PSReleaseStitch);
    return job;
}

void TestMainRoad::bestPointsPicksExtremes_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("layer");
    QTest::addColumn<Twins>("twins");
    QTest::addColumn<QList<int>>("expected"); // twin indices, in output order

    // Side by side on layer 1 (zoom 2): twin 3 lies above y = 32 and is
    // passed over (it would be the smallest y). Largest y 90 (twin 1; twin 6
    // ties and comes later), largest x 95 (twin 2), smallest y 35 (twin 4).
    QTest::newRow("side by side")
        << true << 1
        << Twins{{70, 40}, {10, 41}, {80, 90}, {20, 91}, {95, 60}, {35, 61}, {75, 20}, {15, 21},
                 {72, 35}, {12, 36}, {60, 50}, {0, 51}, {85, 90}, {25, 91}}
        << QList<int>{1, 2, 4};
    // A neighbour point above y = 32 skips its twin too: twin 0 (its
    // neighbour point at y 31) would have the largest x.
    QTest::newRow("side by side, neighbour near the edge")
        << true << 0
        << Twins{{50, 45}, {5, 31}, {40, 60}, {2, 60}, {45, 50}, {3, 50}, {30, 40}, {1, 40}}
        << QList<int>{1, 2, 3};
    // One above the other on layer 1: layer widths 100, so x above 68 is
    // near the far edge, in the element (twin 3) or in the neighbour (twin
    // 4). Largest x 66 (twin 2), largest y 95 (twin 1), smallest x 10 (5).
    QTest::newRow("one above the other")
        << false << 1
        << Twins{{40, 80}, {41, 20}, {60, 95}, {61, 35}, {66, 70}, {67, 10}, {90, 85}, {91, 25},
                 {50, 75}, {70, 15}, {10, 88}, {11, 28}}
        << QList<int>{2, 1, 5};
    // Exactly three twins (a fine-tune's, or matching's defaults) come back
    // as stored, even on one line and near the edge; zoom 4 on layer 2.
    QTest::newRow("three as stored, layer 2")
        << true << 2 << Twins{{10, 10}, {1, 10}, {20, 20}, {11, 20}, {30, 30}, {21, 30}} << QList<int>{0, 1, 2};
    // Largest x (twin 0, the first of three at x 60), largest y (1) and
    // smallest y (2) lie on x = 60: the smallest-y pick is replaced by the
    // first twin, in index order, off that line: twin 3.
    QTest::newRow("on one line, replaced")
        << true << 0
        << Twins{{60, 70}, {0, 70}, {60, 100}, {0, 100}, {60, 40}, {0, 40}, {20, 50}, {-40, 50}, {30, 80}, {-30, 80}}
        << QList<int>{1, 0, 3};
    // Twin 0 is both the largest y and the largest x: the second pick is
    // replaced by the first twin that makes three distinct off one line.
    QTest::newRow("one twin twice, replaced")
        << true << 0
        << Twins{{90, 95}, {30, 95}, {40, 50}, {-20, 50}, {30, 60}, {-30, 60}, {70, 80}, {10, 80}}
        << QList<int>{0, 2, 1};
    // Only two twins lie clear of the edge: the skip is dropped and all
    // four count. Largest y and x are twin 2, smallest y twin 0; twin 1
    // replaces the repeat.
    QTest::newRow("too few clear of the edge")
        << true << 0 << Twins{{50, 10}, {0, 10}, {60, 20}, {10, 20}, {70, 60}, {20, 60}, {40, 50}, {-10, 50}}
        << QList<int>{2, 1, 0};
}

void TestMainRoad::bestPointsPicksExtremes()
{
    QFETCH(bool, horizontal);
    QFETCH(int, layer);
    QFETCH(Twins, twins);
    QFETCH(QList<int>, expected);
    Job job = handMade(StitchStyleTile, 2, 2, layer);
    QVERIFY(job);
    CStitchElement* e = job->m_Matrix.GetElement(0, 0);
    setTwins(horizontal ? e->m_RightTwins : e->m_LowerTwins, twins);

    tagPOINT pairs[6] = {};
    QCOMPARE(PSGetBestPoints(job.get(), tagPOINT{0, 0}, horizontal, pairs), 0);
    const int zoom = 1 << layer;
    for (int k = 0; k < 3; ++k) {
        const QPoint p = twins[2 * expected[k]] * zoom;
        const QPoint q = twins[2 * expected[k] + 1] * zoom;
        QCOMPARE(QPoint(pairs[2 * k].x, pairs[2 * k].y), p);
        QCOMPARE(QPoint(pairs[2 * k + 1].x, pairs[2 * k + 1].y), q);
    }
}

void TestMainRoad::bestPointsRefuses_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QPoint>("element");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("twins");
    QTest::addColumn<int>("expected");
    // A row of three unless said otherwise; the element's block holds the
    // given number of twins.
    QTest::newRow("two twins") << 0 << QPoint(0, 0) << true << 2 << -3;
    QTest::newRow("none") << 0 << QPoint(1, 0) << true << 0 << -3;
    QTest::newRow("three") << 0 << QPoint(1, 0) << true << 3 << 0;
    QTest::newRow("past the grid") << 0 << QPoint(3, 0) << true << 5 << -3;
    QTest::newRow("negative column") << 0 << QPoint(-1, 0) << true << 5 << -3;
    QTest::newRow("last of a row has no right neighbour") << 0 << QPoint(2, 0) << true << 5 << -3;
    QTest::newRow("a row has no lower neighbour") << 0 << QPoint(0, 0) << false << 5 << -3;
    QTest::newRow("last of a ring joins the first") << 2 << QPoint(2, 0) << true << 5 << 0;
    QTest::newRow("element not in use") << 0 << QPoint(1, 0) << true << -5 << -3;
}

void TestMainRoad::bestPointsRefuses()
{
    QFETCH(int, style);
    QFETCH(QPoint, element);
    QFETCH(bool, horizontal);
    QFETCH(int, twins);
    QFETCH(int, expected);
    Job job = handMade(tagStitchStyle(style), 3, 1, 0);
    QVERIFY(job);
    const int index = qBound(0, element.x(), 2);
    CStitchElement& e = job->m_Matrix.m_pElements[index];
    Twins block;
    for (int i = 0; i < std::abs(twins); ++i)
        block << QPoint(40 + 7 * i, 40 + 5 * i * i) << QPoint(7 * i, 40 + 5 * i * i);
    setTwins(horizontal ? e.m_RightTwins : e.m_LowerTwins, block);
    e.m_bInUse = twins >= 0;

    tagPOINT pairs[6];
    for (tagPOINT& p : pairs)
        p = tagPOINT{-77, -77};
    QCOMPARE(PSGetBestPoints(job.get(), tagPOINT{element.x(), element.y()}, horizontal, pairs), expected);
    if (expected != 0) {
        for (const tagPOINT& p : pairs)
            QVERIFY(p.x == -77 && p.y == -77);
    }
    QCOMPARE(PSGetBestPoints(nullptr, tagPOINT{0, 0}, true, pairs), -2);
    QCOMPARE(PSGetBestPoints(job.get(), tagPOINT{0, 0}, true, nullptr), -2);
}

void TestMainRoad::stitchRefusesItsArguments_data()
{
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("load");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("photos");
    // Three photos of a row loaded.
    QTest::newRow("no columns") << 0 << 1 << true << -3 << 0 << 3;
    QTest::newRow("no rows") << 3 << 0 << true << -3 << 0 << 3;
    QTest::newRow("negative columns") << -3 << -1 << true << -3 << 0 << 3;
    QTest::newRow("more cells than photos") << 4 << 1 << true << -3 << 0 << 3;
    QTest::newRow("a grid of four") << 2 << 2 << true << -3 << 0 << 3;
    QTest::newRow("a product past int") << 65536 << 65536 << true << -3 << 0 << 3;
    QTest::newRow("nothing loaded") << 1 << 1 << false << -3 << 0 << 3;
    // Grids the style cannot take, though the photos fill them: a ring on
    // two rows had its outline written past the ring's tables.
    QTest::newRow("a row stood up") << 1 << 3 << true << -3 << 0 << 3;
    QTest::newRow("a row on two rows") << 2 << 2 << true << -3 << 0 << 4;
    QTest::newRow("a ring on two rows") << 2 << 2 << true << -3 << 2 << 4;
    QTest::newRow("a column laid down") << 3 << 1 << true << -3 << 1 << 3;
}

void TestMainRoad::stitchRefusesItsArguments()
{
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(bool, load);
    QFETCH(int, expected);
    QFETCH(int, style);
    QFETCH(int, photos);
    Job job(nullptr, PSReleaseStitch);
    if (load) {
        const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 80, 60, focalFor(80));
        job = loadedRow(views.row(photos, 0.4), 80, 60, tagStitchStyle(style));
    } else {
        tagStitchCallbacks table = m_host->callbacks();
        job.reset(PSCreateStitch(StitchStyleHorizontal, StitchOutputOriginal, StitchMethodCalibrated, &table));
    }
    QVERIFY(job);
    const QStringList before = arrayNames(job.get());
    const int gridCols = job->m_Matrix.m_lCols, gridRows = job->m_Matrix.m_lRows, count = job->m_Matrix.m_lCount;
    m_host->progress.clear();

    StitchCall call = stitch(job.get(), cols, rows);
    QCOMPARE(call.code, expected);
    // Refused before any work: nothing reported, nothing touched.
    QVERIFY(m_host->progress.isEmpty());
    QCOMPARE(call.cols, cols);
    QCOMPARE(call.rows, rows);
    QVERIFY(!call.dib);
    QVERIFY(!call.overlaps && !call.paths);
    QCOMPARE(job->m_lFillColour, 0xFFFFFFu);
    QCOMPARE(job->m_Matrix.m_lCols, gridCols);
    QCOMPARE(job->m_Matrix.m_lRows, gridRows);
    QCOMPARE(job->m_Matrix.m_lCount, count);
    QCOMPARE(arrayNames(job.get()), before);

    // Missing out-pointers: -2, likewise before any work.
    int c = 3, r = 1;
    QStringList names;
    void* dib = nullptr;
    QCOMPARE(DEZeviDirevi(job.get(), 0, &c, &r, names, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr), -2);
    QCOMPARE(DEZeviDirevi(job.get(), 0, nullptr, &r, names, &dib, nullptr, nullptr, nullptr, nullptr, nullptr), -2);
    QCOMPARE(DEZeviDirevi(job.get(), 0, &c, nullptr, names, &dib, nullptr, nullptr, nullptr, nullptr, nullptr), -2);
    QCOMPARE(DEZeviDirevi(nullptr, 0, &c, &r, names, &dib, nullptr, nullptr, nullptr, nullptr, nullptr), -2);
    QVERIFY(m_host->progress.isEmpty());
    QCOMPARE(job->m_lFillColour, 0xFFFFFFu);
}

void TestMainRoad::cancelAfterNearDuplicateRestoresGrid()
{
    Job job = loadedRow(rowWithNearDuplicate(320), 320, 240);
    QVERIFY(job);
    const QStringList before = arrayNames(job.get());
    QCOMPARE(before, (QStringList{"view0", "view1", "view2", "view3", "view4"}));
    // The first report after the grid lost view 1 cancels.
    bool dropped = false;
    m_host->onProgress = [&](int) {
        if (!dropped && job->m_Matrix.m_lCols < 5) {
            dropped = true;
            m_host->cancelAtProgressCall = int(m_host->progress.size());
        }
    };
    m_host->progress.clear();
    StitchCall call = stitch(job.get(), 5, 1);
    m_host->onProgress = nullptr;
    QVERIFY(dropped);
    QCOMPARE(call.code, -1);
    // The cancel, then one 100 from the stitch call, and nothing else.
    QCOMPARE(m_host->progress.size(), qsizetype(m_host->cancelAtProgressCall + 2));
    QCOMPARE(m_host->progress.last(), 100);

    // The caller's grid and order, every photo in it again; nothing handed out.
    QCOMPARE(call.cols, 5);
    QCOMPARE(call.rows, 1);
    QVERIFY(call.names.isEmpty());
    QVERIFY(!call.dib && !call.overlaps && !call.paths);
    const CStitchMatrix& m = job->m_Matrix;
    QCOMPARE(m.m_lCols, 5);
    QCOMPARE(m.m_lRows, 1);
    QCOMPARE(m.m_lCount, 5);
    QCOMPARE(arrayNames(job.get()), before);
    for (int i = 0; i < 5; ++i) {
        QVERIFY(m.m_pElements[i].m_bInGrid);
        QVERIFY(m.GetElement(i, 0));
    }
    QCOMPARE(m_host->outstandingImages(), 0);
    QCOMPARE(m_host->unbalancedLocks(), 0);
}

void TestMainRoad::nearDuplicateLeavesTheReportedGrid()
{
    Job job = loadedRow(rowWithNearDuplicate(320), 320, 240);
    QVERIFY(job);
    StitchCall call = stitch(job.get(), 5, 1);
    QCOMPARE(call.code, 0);
    // Four columns reported, with their names in grid order.
    QCOMPARE(call.cols, 4);
    QCOMPARE(call.rows, 1);
    QCOMPARE(call.names, (QStringList{"view0", "view2", "view3", "view4"}));
    QCOMPARE(call.overlapCount, 3);
    QCOMPARE(call.pathCount, 3);
    QCOMPARE(call.dib, job->m_hResultDib);
    // The dropped view went to the end of the array; its files and layers
    // are gone, the others keep theirs.
    const CStitchMatrix& m = job->m_Matrix;
    QCOMPARE(m.m_lCount, 4);
    const CStitchElement& dropped = m.m_pElements[4];
    QCOMPARE(dropped.m_Pyramid.m_strName, QStringLiteral("view1"));
    QVERIFY(!dropped.m_Pyramid.m_phLayers);
    for (int k = 0; k < CStitchElement::kFileIdCount; ++k)
        QCOMPARE(*const_cast<CStitchElement&>(dropped).FileId(k), -1);
    QVERIFY(m.m_pElements[0].m_Pyramid.m_phLayers);
    QVERIFY(m.m_pElements[0].m_lWarpedImageId != -1);
    // A fine-tune editor's points for each of the three overlaps.
    for (int c = 0; c < 3; ++c) {
        tagPOINT pairs[6];
        QCOMPARE(PSGetBestPoints(job.get(), tagPOINT{c, 0}, true, pairs), 0);
    }
    PSReleaseResultDIB(job.get());
    QVERIFY(!job->m_hResultDib);
}

void TestMainRoad::failuresReleaseEveryHandleOnce_data()
{
    QTest::addColumn<QString>("failure");
    QTest::addColumn<double>("at"); // share of the reports, of the allocations or of the locks
    for (double at : {0.0, 0.1, 0.3, 0.5, 0.7, 0.9, 0.99}) {
        QTest::addRow("cancel at %.2f", at) << QStringLiteral("cancel") << at;
        QTest::addRow("allocation at %.2f", at) << QStringLiteral("allocation") << at;
        QTest::addRow("lock at %.2f", at) << QStringLiteral("lock") << at;
    }
}

void TestMainRoad::failuresReleaseEveryHandleOnce()
{
    QFETCH(QString, failure);
    QFETCH(double, at);
    // A whole stitch first (once for all rows), to count its reports,
    // allocations and locks.
    int& reports = m_reports;
    int& allocations = m_allocations;
    int& locks = m_locks;
    if (reports == 0) {
        StitchTestHost host;
        const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 160, 120, focalFor(160));
        const QList<SyntheticViews::Camera> cameras = views.row(3, 0.4);
        Job job(LayerAlignment::load(host, views, cameras, StitchStyleHorizontal, 3, 1), PSReleaseStitch);
        QVERIFY(job);
        host.progress.clear();
        const int a0 = host.allocations, l0 = host.lockCalls;
        QCOMPARE(stitch(job.get(), 3, 1).code, 0);
        reports = int(host.progress.size());
        allocations = host.allocations - a0;
        locks = host.lockCalls - l0;
        job.reset();
        QVERIFY2(host.clean(), qPrintable(host.report()));
    }
    QVERIFY2(reports > 10 && allocations > 0 && locks > 10,
             qPrintable(QStringLiteral("%1 reports, %2 allocations, %3 locks").arg(reports).arg(allocations).arg(locks)));

    StitchTestHost host;
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 160, 120, focalFor(160));
    Job job(LayerAlignment::load(host, views, views.row(3, 0.4), StitchStyleHorizontal, 3, 1), PSReleaseStitch);
    QVERIFY(job);
    host.progress.clear();
    if (failure == QLatin1String("cancel"))
        host.cancelAtProgressCall = int(at * reports);
    else if (failure == QLatin1String("allocation"))
        host.failAllocation = host.allocations + int(at * allocations);
    else
        host.failLockAt = host.lockCalls + int(at * locks);
    StitchCall call = stitch(job.get(), 3, 1);
    if (failure == QLatin1String("cancel"))
        QCOMPARE(call.code, -1);
    // A refused lock fails the stitch as a refused allocation does; either
    // way every handle goes back once.
    else
        QVERIFY2(call.code < 0, qPrintable(QString::number(call.code)));
    if (call.code != 0) {
        QCOMPARE(host.progress.last(), 100);
        QVERIFY(!call.dib);
    }
    QCOMPARE(call.cols, 3);
    QCOMPARE(job->m_Matrix.m_lCount, 3);
    QCOMPARE(host.outstandingImages(), 0);
    QCOMPARE(host.unbalancedLocks(), 0);
    host.failAllocation = -1;
    host.failLockAt = -1;
    job.reset();
    QVERIFY2(host.clean(), qPrintable(host.report()));
}

QTEST_MAIN(TestMainRoad)
#include "tst_mainroad.moc"
