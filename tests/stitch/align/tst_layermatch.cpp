#include "StitchTestHost.h"
#include "Texture.h"

#include "stitch/align/CStitchMatch.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(tagRECT)

namespace {

QList<int> pointsOf(const PointTwinList& twins, int which)
{
    QList<int> out;
    for (int i = 0; i < twins.m_lCount; ++i)
        out << twins.m_Twins[i][which].x << twins.m_Twins[i][which].y;
    return out;
}

QList<int> rectOf(const tagRECT& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

void setTransform(CStitchTransform* t, const QList<double>& entries)
{
    for (int i = 0; i < 9; ++i)
        t->m_Matrix[i] = entries[i];
}

} // namespace

// The later-layer road of the block matcher on hand-made jobs: model
// defaults, overlap refinement and the near-duplicate test, the removal of an
// image from a row, telephoto prediction, progress and failures, and the
// fine-tune snap's limits.
class TestLayerMatch : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rotateDefaults_data();
    void rotateDefaults();
    void refineOverlapRegion_data();
    void refineOverlapRegion();
    void otherShiftValues_data();
    void otherShiftValues();
    void overlapTooLargeWithoutRemoval_data();
    void overlapTooLargeWithoutRemoval();
    void middleImageIsTakenOut();
    void telephotoPredictionFindsTheShift();
    void modelDefaultsWhenNothingMatches_data();
    void modelDefaultsWhenNothingMatches();
    void progressAndCancel_data();
    void progressAndCancel();
    void missingLayerGivesMinus3();
    void fineTuneLimits();

private:
    // A job of elements cut from a texture: element i shows it from
    // origins[i] (layer-1 pixels) on; layer 1 is width x height and layer 0
    // twice that, supplied through the host under the name "e<i>" when
    // withLayer0. Element i sits at grid index i.
    CStitchOptions* textureJob(tagStitchStyle style, int cols, int rows, const QList<QPoint>& origins, int width,
                               int height, const Texture& texture, bool withLayer0 = false);
    // Elements of width x height (layer 0) without pixels.
    CStitchOptions* sizedJob(tagStitchStyle style, int cols, int rows, int width, int height);
    // The twin ((dx, dy), (0, 0)) for the pair and its overlap rectangles.
    static void coarseTwin(CStitchOptions* job, int col1, int row1, int col2, int row2, QPoint d, bool horizontal);

    StitchTestHost* m_host = nullptr;
};

void TestLayerMatch::init()
{
    m_host = new StitchTestHost;
    CStitchPyramid::m_bTelephoto = false;
}

void TestLayerMatch::cleanup()
{
    CStitchPyramid::m_bTelephoto = false;
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

CStitchOptions* TestLayerMatch::sizedJob(tagStitchStyle style, int cols, int rows, int width, int height)
{
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = PSCreateStitch(style, StitchOutputOriginal, StitchMethodCalibrated, &table);
    job->m_Matrix.m_pElements = new CStitchElement[size_t(cols * rows)];
    job->m_Matrix.m_lCols = cols;
    job->m_Matrix.m_lRows = rows;
    job->m_Matrix.m_lCount = cols * rows;
    job->m_lDeepestLayer = job->m_lWorkingLayer = 1;
    for (int i = 0; i < cols * rows; ++i) {
        job->m_Matrix.m_pElements[i].m_Pyramid.m_lWidth = width;
        job->m_Matrix.m_pElements[i].m_Pyramid.m_lHeight = height;
    }
    return job;
}

CStitchOptions* TestLayerMatch::textureJob(tagStitchStyle style, int cols, int rows, const QList<QPoint>& origins,
                                           int width, int height, const Texture& texture, bool withLayer0)
{
    CStitchOptions* job = sizedJob(style, cols, rows, 2 * width, 2 * height);
    for (int i = 0; i < cols * rows; ++i) {
        CStitchPyramid& pyramid = job->m_Matrix.m_pElements[i].m_Pyramid;
        pyramid.AllocateLayers(2);
        pyramid.m_lSupplied = 1;
        const QPoint origin = origins[i];
        pyramid.m_phLayers[1] = m_host->makeHandle(StitchTestHost::packed24(
            width, height, [&](int x, int y) { return texture.at(origin.x() + x, origin.y() + y); }));
        if (withLayer0) {
            pyramid.SetName(QStringLiteral("e%1").arg(i));
            m_host->addImage(pyramid.m_strName, StitchTestHost::packed24(2 * width, 2 * height, [&](int x, int y) {
                                 return texture.at(origin.x() + x / 2.0, origin.y() + y / 2.0);
                             }));
        }
    }
    return job;
}

void TestLayerMatch::coarseTwin(CStitchOptions* job, int col1, int row1, int col2, int row2, QPoint d,
                                bool horizontal)
{
    CStitchElement* e = job->m_Matrix.GetElement(col1, row1);
    PointTwinList& twins = horizontal ? e->m_RightTwins : e->m_LowerTwins;
    twins.m_lCount = 1;
    twins.m_Twins[0][0] = tagPOINT{d.x(), d.y()};
    twins.m_Twins[0][1] = tagPOINT{0, 0};
    CStitchMatch(job).CalcOverlapRegions(col1, row1, col2, row2, 1, horizontal);
}

void TestLayerMatch::rotateDefaults_data()
{
    QTest::addColumn<bool>("telephoto");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QList<double>>("matrix");
    QTest::addColumn<QList<int>>("expected"); // the three points in this element
    // R = {10, 20, 40, 80}: the neighbour's points are (20, 40), (30, 50),
    // (20, 60) for a horizontal pair and (20, 40), (25, 60), (30, 40) for a
    // vertical one. Centres (50, 40) here and (30, 40) there, f = 100.
    // The identity turns a point by nothing: (x - 30, y - 40, -100) comes
    // back as (x - 30 + 50.5, y - 40 + 40.5), truncated: x + 20, y.
    QTest::newRow("identity, horizontal") << false << true << QList<double>{1, 0, 0, 0, 1, 0, 0, 0, 1}
                                          << QList<int>{40, 40, 50, 50, 40, 60};
    QTest::newRow("identity, vertical") << false << false << QList<double>{1, 0, 0, 0, 1, 0, 0, 0, 1}
                                        << QList<int>{40, 40, 45, 60, 50, 40};
    // A quarter turn about the axis, (u, v, w) -> (-v, u, w): (x, y) goes to
    // (-(y - 40) + 50.5, (x - 30) + 40.5), truncated.
    QTest::newRow("quarter turn") << false << true << QList<double>{0, -1, 0, 1, 0, 0, 0, 0, 1}
                                  << QList<int>{50, 30, 40, 40, 30, 30};
    // Telephoto: the rigid map's shift (7, -3) comes from the layer above
    // and counts twice.
    QTest::newRow("telephoto shift") << true << true << QList<double>{1, 0, 7, 0, 1, -3, 0, 0, 1}
                                     << QList<int>{34, 34, 44, 44, 34, 54};
}

void TestLayerMatch::rotateDefaults()
{
    QFETCH(bool, telephoto);
    QFETCH(bool, horizontal);
    QFETCH(QList<double>, matrix);
    QFETCH(QList<int>, expected);
    CStitchOptions* job = sizedJob(StitchStyleHorizontal, 2, 1, 100, 80);
    job->m_Method = telephoto ? StitchMethodTelephoto : StitchMethodCalibrated;
    CStitchTransform t;
    setTransform(&t, matrix);
    PointTwinList twins;
    CStitchMatch(job).SetRotateDefaultFeatures(&twins, tagRECT{10, 20, 40, 80}, horizontal, &t, 50, 40, 30, 40, 100);
    QCOMPARE(twins.m_lCount, 3);
    QCOMPARE(pointsOf(twins, 0), expected);
    QCOMPARE(pointsOf(twins, 1), horizontal ? QList<int>({20, 40, 30, 50, 20, 60}) : QList<int>({20, 40, 25, 60, 30, 40}));
    PSReleaseStitch(job);
}

void TestLayerMatch::refineOverlapRegion_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QPoint>("e");
    QTest::addColumn<QPoint>("n");
    QTest::addColumn<QList<QPoint>>("offsets"); // per twin, layer 1
    QTest::addColumn<bool>("eInGrid");
    QTest::addColumn<bool>("nInGrid");
    QTest::addColumn<QList<int>>("rects"); // the overlap here, then in the neighbour
    // Images of 200 x 100 at layer 0, twins on layer 1. The mean offset is
    // each component's sum over the count, truncated, times 2.
    // (93, 2) / 3 = (31, 0): (62, 0), a share of 0.31.
    QTest::newRow("row, a third across") << 0 << 3 << 1 << QPoint(0, 0) << QPoint(1, 0)
                                         << QList<QPoint>{{30, 1}, {31, 2}, {32, -1}} << true << true
                                         << QList<int>{62, 0, 199, 99, 0, 0, 137, 99};
    // (29, 1) / 3 = (9, 0): (18, 0), 0.09 of the width.
    QTest::newRow("row, under a tenth: the neighbour leaves")
        << 0 << 3 << 1 << QPoint(0, 0) << QPoint(1, 0) << QList<QPoint>{{9, 0}, {10, 1}, {10, 0}} << true << false
        << QList<int>{18, 0, 199, 99, 0, 0, 181, 99};
    QTest::newRow("row, a tenth exactly stays") << 0 << 3 << 1 << QPoint(0, 0) << QPoint(1, 0)
                                                << QList<QPoint>{{10, 0}, {10, 0}, {10, 0}} << true << true
                                                << QList<int>{20, 0, 199, 99, 0, 0, 179, 99};
    QTest::newRow("two images stay") << 0 << 2 << 1 << QPoint(0, 0) << QPoint(1, 0)
                                     << QList<QPoint>{{9, 0}, {10, 1}, {10, 0}} << true << true
                                     << QList<int>{18, 0, 199, 99, 0, 0, 181, 99};
    QTest::newRow("tiles stay") << 3 << 2 << 2 << QPoint(0, 0) << QPoint(1, 0)
                                << QList<QPoint>{{9, 0}, {10, 1}, {10, 0}} << true << true
                                << QList<int>{18, 0, 199, 99, 0, 0, 181, 99};
    QTest::newRow("ring's closing pair: the last leaves")
        << 2 << 3 << 1 << QPoint(2, 0) << QPoint(0, 0) << QList<QPoint>{{9, 0}, {10, 1}, {10, 0}} << false << true
        << QList<int>{18, 0, 199, 99, 0, 0, 181, 99};
    QTest::newRow("ring, inner pair: the neighbour leaves")
        << 2 << 3 << 1 << QPoint(0, 0) << QPoint(1, 0) << QList<QPoint>{{9, 0}, {10, 1}, {10, 0}} << true << false
        << QList<int>{18, 0, 199, 99, 0, 0, 181, 99};
    // (0, 13) / 3 = (0, 4): (0, 8), 0.08 of the height.
    QTest::newRow("column, under a tenth") << 1 << 1 << 3 << QPoint(0, 0) << QPoint(0, 1)
                                           << QList<QPoint>{{0, 4}, {1, 4}, {-1, 5}} << true << false
                                           << QList<int>{0, 8, 199, 99, 0, 0, 199, 91};
    // (-1, 121) / 3 = (0, 40), truncated toward zero: (0, 80).
    QTest::newRow("column, truncated toward zero") << 1 << 1 << 3 << QPoint(0, 0) << QPoint(0, 1)
                                                   << QList<QPoint>{{-1, 40}, {0, 40}, {0, 41}} << true << true
                                                   << QList<int>{0, 80, 199, 99, 0, 0, 199, 19};
}

void TestLayerMatch::refineOverlapRegion()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(QPoint, e);
    QFETCH(QPoint, n);
    QFETCH(QList<QPoint>, offsets);
    QFETCH(bool, eInGrid);
    QFETCH(bool, nInGrid);
    QFETCH(QList<int>, rects);
    CStitchOptions* job = sizedJob(tagStitchStyle(style), cols, rows, 200, 100);
    CStitchElement* element = job->m_Matrix.GetElement(e.x(), e.y());
    CStitchElement* neighbour = job->m_Matrix.GetElement(n.x(), n.y());
    const bool horizontal = e.y() == n.y();
    PointTwinList twins;
    for (const QPoint& d : offsets) {
        const tagPOINT b{10 + 5 * twins.m_lCount, 20 + 7 * twins.m_lCount};
        twins.m_Twins[twins.m_lCount][0] = tagPOINT{b.x + d.x(), b.y + d.y()};
        twins.m_Twins[twins.m_lCount][1] = b;
        ++twins.m_lCount;
    }
    CStitchMatch(job).RefineOverlapRegion(&twins, 1, element, neighbour, horizontal);
    QCOMPARE(element->m_bInGrid, eInGrid);
    QCOMPARE(neighbour->m_bInGrid, nInGrid);
    const int slot = horizontal ? 0 : 2;
    QCOMPARE(rectOf(element->m_OverlapRects[slot]) + rectOf(element->m_OverlapRects[slot + 1]), rects);
    PSReleaseStitch(job);
}

void TestLayerMatch::otherShiftValues_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("layer");
    QTest::addColumn<QList<int>>("before"); // p's two rectangles, then e's
    QTest::addColumn<QPoint>("shift");
    QTest::addColumn<QList<int>>("after"); // p's two rectangles for (p, n)
    // Images of 200 x 100. p to e: (62, 5) - (0, 0); e to n: (18, 0) - (0, 3)
    // = (18, -3); together (80, 2), on layer 1 (40, 1). p's overlap with n:
    // {0, 0, 199, 99} and the same moved by (80, 2), and back.
    QTest::newRow("row, layer 1") << true << 1
                                  << QList<int>{62, 5, 199, 99, 0, 0, 137, 94, 18, 0, 199, 96, 0, 3, 181, 99}
                                  << QPoint(40, 1) << QList<int>{80, 2, 199, 99, 0, 0, 119, 97};
    // (62, 5) + (19, -8) = (81, -3); on layer 2 truncated: (20, 0).
    QTest::newRow("row, layer 2, truncated") << true << 2
                                             << QList<int>{62, 5, 199, 99, 0, 0, 137, 94, 19, 0, 199, 91, 0, 8, 180, 99}
                                             << QPoint(20, 0) << QList<int>{81, 0, 199, 96, 0, 3, 118, 99};
    // (0, 30) + (2, 25) = (2, 55): (1, 27) on layer 1.
    QTest::newRow("column") << false << 1
                            << QList<int>{0, 30, 199, 99, 0, 0, 199, 69, 2, 25, 199, 99, 0, 0, 197, 74}
                            << QPoint(1, 27) << QList<int>{2, 55, 199, 99, 0, 0, 197, 44};
}

void TestLayerMatch::otherShiftValues()
{
    QFETCH(bool, horizontal);
    QFETCH(int, layer);
    QFETCH(QList<int>, before);
    QFETCH(QPoint, shift);
    QFETCH(QList<int>, after);
    CStitchOptions* job = sizedJob(horizontal ? StitchStyleHorizontal : StitchStyleVertical, horizontal ? 3 : 1,
                                   horizontal ? 1 : 3, 200, 100);
    const int slot = horizontal ? 0 : 2;
    for (int i = 0; i < 2; ++i)
        for (int k = 0; k < 2; ++k) {
            const int* r = before.constData() + 8 * i + 4 * k;
            job->m_Matrix.m_pElements[i].m_OverlapRects[slot + k] = tagRECT{r[0], r[1], r[2], r[3]};
        }
    const tagPOINT got = horizontal ? CStitchMatch(job).CalcOtherShiftValues(0, 0, 1, 0, 2, 0, layer, true)
                                    : CStitchMatch(job).CalcOtherShiftValues(0, 0, 0, 1, 0, 2, layer, false);
    QCOMPARE(QPoint(got.x, got.y), shift);
    const CStitchElement& p = job->m_Matrix.m_pElements[0];
    QCOMPARE(rectOf(p.m_OverlapRects[slot]) + rectOf(p.m_OverlapRects[slot + 1]), after);
    PSReleaseStitch(job);
}

void TestLayerMatch::overlapTooLargeWithoutRemoval_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("telephoto");
    QTest::addColumn<int>("pair"); // position of the pair's first image
    QTest::addColumn<bool>("eInGrid");
    QTest::addColumn<bool>("nInGrid");
    QTest::addColumn<int>("length"); // columns (rows) afterwards
    QTest::newRow("both in the grid") << 0 << 3 << false << 0 << true << true << 3;
    QTest::newRow("telephoto") << 0 << 3 << true << 1 << false << true << 3;
    QTest::newRow("tiles") << 3 << 2 << false << 0 << false << true << 2;
    QTest::newRow("two images") << 0 << 2 << false << 0 << false << true << 2;
    QTest::newRow("neighbour out, not last") << 0 << 3 << false << 0 << true << false << 3;
    QTest::newRow("neighbour out and last: the row shrinks") << 0 << 3 << false << 1 << true << false << 2;
    QTest::newRow("column: the last leaves") << 1 << 3 << false << 1 << true << false << 2;
    QTest::newRow("ring: the last leaves") << 2 << 4 << false << 2 << true << false << 3;
}

void TestLayerMatch::overlapTooLargeWithoutRemoval()
{
    QFETCH(int, style);
    QFETCH(int, count);
    QFETCH(bool, telephoto);
    QFETCH(int, pair);
    QFETCH(bool, eInGrid);
    QFETCH(bool, nInGrid);
    QFETCH(int, length);
    const bool horizontal = style != 1;
    const int cols = style == 1 ? 1 : count, rows = style == 1 ? count : style == 3 ? 2 : 1;
    CStitchOptions* job = sizedJob(tagStitchStyle(style), cols, rows, 200, 100);
    job->m_Method = telephoto ? StitchMethodTelephoto : StitchMethodCalibrated;
    const int before = job->m_Matrix.m_lCount;
    CStitchElement* e = &job->m_Matrix.m_pElements[pair];
    CStitchElement* n = &job->m_Matrix.m_pElements[pair + 1];
    e->m_bInGrid = eInGrid;
    n->m_bInGrid = nInGrid;
    const bool again = horizontal ? CStitchMatch(job).IsOverlapTooLarge(pair, 0, pair + 1, 0, 1, true)
                                  : CStitchMatch(job).IsOverlapTooLarge(0, pair, 0, pair + 1, 1, false);
    QVERIFY(!again);
    QCOMPARE(horizontal ? job->m_Matrix.m_lCols : job->m_Matrix.m_lRows, length);
    QCOMPARE(job->m_Matrix.m_lCount, before - ((horizontal ? cols : rows) - length));
    QCOMPARE(e->m_bInGrid, eInGrid);
    QCOMPARE(n->m_bInGrid, nInGrid);
    PSReleaseStitch(job);
}

void TestLayerMatch::middleImageIsTakenOut()
{
    // Four images of a row on layer 1 (100 x 60), at texture columns 10,
    // 14, 60 and 110: image 1 nearly coincides with image 0, and its flag
    // says so. Removing it matches image 0 with image 2 across the offset
    // 4 + 46 = 50, predicted from the two pairs' overlap rectangles.
    const Texture texture(260, 100, 5, 7);
    CStitchOptions* job = textureJob(StitchStyleHorizontal, 4, 1, {{10, 10}, {14, 10}, {60, 10}, {110, 10}}, 100, 60,
                                     texture);
    coarseTwin(job, 0, 0, 1, 0, QPoint(4, 0), true);
    coarseTwin(job, 1, 0, 2, 0, QPoint(46, 0), true);
    coarseTwin(job, 2, 0, 3, 0, QPoint(50, 0), true);
    QList<void*> handles;
    for (int i = 0; i < 4; ++i)
        handles << job->m_Matrix.m_pElements[i].m_Pyramid.m_phLayers[1];
    job->m_Matrix.m_pElements[1].m_bInGrid = false;
    job->m_Matrix.m_pElements[2].m_bInGrid = false;

    QVERIFY(CStitchMatch(job).IsOverlapTooLarge(1, 0, 2, 0, 1, true));
    const CStitchMatrix& m = job->m_Matrix;
    QCOMPARE(m.m_lCols, 3);
    QCOMPARE(m.m_lCount, 3);
    QList<void*> order;
    for (int i = 0; i < 4; ++i)
        order << m.m_pElements[i].m_Pyramid.m_phLayers[1];
    QCOMPARE(order, QList<void*>({handles[0], handles[2], handles[3], handles[1]}));
    // The neighbour is back in the grid; the one taken out lies past it.
    QVERIFY(m.m_pElements[1].m_bInGrid);
    QVERIFY(!m.m_pElements[3].m_bInGrid);
    // Image 2's own twins went with it.
    QCOMPARE(m.m_pElements[1].m_RightTwins.m_Twins[0][0].x, 50);

    const CStitchElement& first = m.m_pElements[0];
    QVERIFY(!first.m_bRightDefault);
    QVERIFY(first.m_RightTwins.m_lCount >= 3);
    for (int i = 0; i < first.m_RightTwins.m_lCount; ++i) {
        QCOMPARE(first.m_RightTwins.m_Twins[i][0].x - first.m_RightTwins.m_Twins[i][1].x, 50);
        QCOMPARE(first.m_RightTwins.m_Twins[i][0].y - first.m_RightTwins.m_Twins[i][1].y, 0);
    }
    // Refined from the mean offset (50, 0), layer 0 (100, 0).
    QCOMPARE(rectOf(first.m_OverlapRects[0]) + rectOf(first.m_OverlapRects[1]),
             QList<int>({100, 0, 199, 119, 0, 0, 99, 119}));
    PSReleaseStitch(job);
}

void TestLayerMatch::telephotoPredictionFindsTheShift()
{
    // The neighbour's origin lies at (50, 3) in this image on layer 1; the
    // rigid map fitted on layer 2 says (25, 1.5), doubled here.
    const Texture texture(220, 100, 5, 31);
    CStitchOptions* job = textureJob(StitchStyleHorizontal, 2, 1, {{10, 10}, {60, 13}}, 100, 60, texture);
    job->m_Method = StitchMethodTelephoto;
    CStitchPyramid::m_bTelephoto = true;
    coarseTwin(job, 0, 0, 1, 0, QPoint(50, 3), true);
    CStitchElement& e = job->m_Matrix.m_pElements[0];
    setTransform(&e.m_RightTransform, {1, 0, 25, 0, 1, 1.5, 0, 0, 1});
    e.m_bRightDefault = true;
    QCOMPARE(CStitchMatch(job).SearchCandidates(0, 0, 1, 0, 1, true), 0);
    QVERIFY(!e.m_bRightDefault);
    QVERIFY(e.m_RightTwins.m_lCount >= 3);
    for (int i = 0; i < e.m_RightTwins.m_lCount; ++i) {
        QCOMPARE(e.m_RightTwins.m_Twins[i][0].x - e.m_RightTwins.m_Twins[i][1].x, 50);
        QCOMPARE(e.m_RightTwins.m_Twins[i][0].y - e.m_RightTwins.m_Twins[i][1].y, 3);
    }
    QCOMPARE(rectOf(e.m_OverlapRects[0]) + rectOf(e.m_OverlapRects[1]), QList<int>({100, 6, 199, 119, 0, 0, 99, 113}));
    PSReleaseStitch(job);
}

void TestLayerMatch::modelDefaultsWhenNothingMatches_data()
{
    QTest::addColumn<bool>("flatElement");
    QTest::addColumn<bool>("flatNeighbour");
    QTest::addColumn<QList<int>>("expected");
    // The overlap in the neighbour for the offset (100, 6) at layer 0 is
    // {0, 0, 99, 113}; its far tenth cut ({0, 0, 90, 113}), on layer 1
    // {0, 0, 45, 56}, shrunk {4, 4, 42, 53}: thirds 12 and 16, points
    // (16, 20), (30, 28), (16, 37). The model shifts by twice (35, 1.5).
    // No corners: the model's points as they are.
    QTest::newRow("flat neighbour") << false << true << QList<int>{86, 23, 100, 31, 86, 40};
    // Corners, but no match: kept to x <= 100 - 4.
    QTest::newRow("flat element") << true << false << QList<int>{86, 23, 96, 31, 86, 40};
}

void TestLayerMatch::modelDefaultsWhenNothingMatches()
{
    QFETCH(bool, flatElement);
    QFETCH(bool, flatNeighbour);
    QFETCH(QList<int>, expected);
    const Texture texture(220, 100, 5, 31);
    CStitchOptions* job = sizedJob(StitchStyleHorizontal, 2, 1, 200, 120);
    for (int i = 0; i < 2; ++i) {
        CStitchPyramid& pyramid = job->m_Matrix.m_pElements[i].m_Pyramid;
        pyramid.AllocateLayers(2);
        pyramid.m_lSupplied = 1;
        const bool isFlat = i == 0 ? flatElement : flatNeighbour;
        pyramid.m_phLayers[1] = m_host->makeHandle(StitchTestHost::packed24(100, 60, [&](int x, int y) {
            return isFlat ? 0x707070u : texture.at(10 + 50 * i + x, 10 + 3 * i + y);
        }));
    }
    job->m_Method = StitchMethodTelephoto;
    CStitchPyramid::m_bTelephoto = true;
    coarseTwin(job, 0, 0, 1, 0, QPoint(50, 3), true);
    CStitchElement& e = job->m_Matrix.m_pElements[0];
    setTransform(&e.m_RightTransform, {1, 0, 35, 0, 1, 1.5, 0, 0, 1});
    QCOMPARE(CStitchMatch(job).SearchCandidates(0, 0, 1, 0, 1, true), 0);
    QVERIFY(e.m_bRightDefault);
    QCOMPARE(pointsOf(e.m_RightTwins, 0), expected);
    QCOMPARE(pointsOf(e.m_RightTwins, 1), QList<int>({16, 20, 30, 28, 16, 37}));
    PSReleaseStitch(job);
}

void TestLayerMatch::progressAndCancel_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("progress");
    // From 20 to 30: 20 + k x 10 / P before pair k.
    QTest::newRow("row of three") << 0 << 3 << 1 << QList<int>{20, 25};
    QTest::newRow("column of three") << 1 << 1 << 3 << QList<int>{20, 25};
    QTest::newRow("ring of three") << 2 << 3 << 1 << QList<int>{20, 23, 26};
    QTest::newRow("2 x 2 tile") << 3 << 2 << 2 << QList<int>{20, 22, 25, 27};
}

void TestLayerMatch::progressAndCancel()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(QList<int>, progress);
    const Texture texture(260, 260, 5, 3);
    for (int cancelAt : {-1, 1}) {
        QList<QPoint> origins;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                origins << QPoint(10 + 50 * c, 10 + 40 * r);
        CStitchOptions* job = textureJob(tagStitchStyle(style), cols, rows, origins, 100, 60, texture);
        job->m_Method = StitchMethodTelephoto;
        CStitchPyramid::m_bTelephoto = true;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) {
                CStitchElement* e = job->m_Matrix.GetElement(c, r);
                setTransform(&e->m_RightTransform, {1, 0, 25, 0, 1, 0, 0, 0, 1});
                setTransform(&e->m_LowerTransform, {1, 0, 0, 0, 1, 20, 0, 0, 1});
                if (c + 1 < cols || style == 2)
                    coarseTwin(job, c, r, (c + 1) % cols, r, QPoint(50, 0), true);
                if (r + 1 < rows)
                    coarseTwin(job, c, r, c, r + 1, QPoint(0, 40), false);
            }
        m_host->progress.clear();
        m_host->cancelAtProgressCall = cancelAt;
        const int result = CStitchMatch(job).Run(1, false, 20, 30);
        if (cancelAt < 0) {
            QCOMPARE(result, 0);
            QCOMPARE(m_host->progress, progress);
        } else {
            QCOMPARE(result, int(StitchCancelled));
            QCOMPARE(m_host->progress, progress.mid(0, 2));
        }
        PSReleaseStitch(job);
    }
}

void TestLayerMatch::missingLayerGivesMinus3()
{
    const Texture texture(220, 100, 5, 31);
    CStitchOptions* job = textureJob(StitchStyleHorizontal, 2, 1, {{10, 10}, {60, 10}}, 100, 60, texture);
    coarseTwin(job, 0, 0, 1, 0, QPoint(50, 0), true);
    CStitchPyramid& pyramid = job->m_Matrix.m_pElements[1].m_Pyramid;
    CStitchOptions::MemFree(pyramid.m_phLayers[1]);
    pyramid.m_phLayers[1] = nullptr;
    CStitchMatch match(job);
    QCOMPARE(match.SearchCandidates(0, 0, 1, 0, 1, true), int(StitchBadArgument));
    QCOMPARE(match.SearchModifyCandidates(tagPOINT{50, 0}, 0, 0, 1, 0, 1, true), int(StitchBadArgument));
    QCOMPARE(match.Run(1, false, 0, 100), int(StitchBadArgument));
    // Layer 0 comes from the host, which has no such image.
    tagPOINT a{60, 30}, b{10, 30};
    QCOMPARE(match.AutoMatchForFineTune(tagPOINT{0, 0}, true, 16, &b, &a), int(StitchBadArgument));
    QCOMPARE(a.x, 60);
    PSReleaseStitch(job);
}

void TestLayerMatch::fineTuneLimits()
{
    // Layer 0 of 200 x 120 twice the layer-1 texture; the neighbour starts
    // 100 columns into this image, so its point (x, y) lies at (x + 100, y).
    const Texture texture(220, 100, 5, 31);
    CStitchOptions* job = textureJob(StitchStyleHorizontal, 2, 1, {{10, 10}, {60, 10}}, 100, 60, texture, true);
    CStitchMatch match(job);

    // Moved 6 pixels off along both axes: back onto the truth.
    tagPOINT inNeighbour{40, 50}, inElement{146, 44};
    QCOMPARE(match.AutoMatchForFineTune(tagPOINT{0, 0}, true, 10, &inNeighbour, &inElement), 0);
    QCOMPARE(QList<int>({inElement.x, inElement.y}), QList<int>({140, 50}));

    // A neighbour point past the edge is kept 4 pixels inside and written
    // back so; the element point follows it.
    inNeighbour = tagPOINT{1, 60};
    inElement = tagPOINT{103, 57};
    QCOMPARE(match.AutoMatchForFineTune(tagPOINT{0, 0}, true, 10, &inNeighbour, &inElement), 0);
    QCOMPARE(QList<int>({inNeighbour.x, inNeighbour.y}), QList<int>({4, 60}));
    QCOMPARE(QList<int>({inElement.x, inElement.y}), QList<int>({104, 60}));
    inNeighbour = tagPOINT{300, -5};
    QCOMPARE(match.AutoMatchForFineTune(tagPOINT{0, 0}, true, 10, &inNeighbour, &inElement), 0);
    QCOMPARE(QList<int>({inNeighbour.x, inNeighbour.y}), QList<int>({196, 4}));

    // A row's last image has the first as its right neighbour, but no
    // lower one; no points, no answer.
    inNeighbour = tagPOINT{40, 50};
    inElement = tagPOINT{140, 50};
    QCOMPARE(match.AutoMatchForFineTune(tagPOINT{0, 0}, false, 10, &inNeighbour, &inElement), int(StitchBadArgument));
    QCOMPARE(match.AutoMatchForFineTune(tagPOINT{0, 0}, true, 10, nullptr, &inElement), int(StitchBadArgument));
    QCOMPARE(match.AutoMatchForFineTune(tagPOINT{5, 0}, true, 10, &inNeighbour, &inElement), int(StitchBadArgument));
    QCOMPARE(match.AutoMatchForFineTune(tagPOINT{1, 0}, true, 10, &inNeighbour, &inElement), 0);
    // A point far off the image finds nothing and stays.
    inElement = tagPOINT{2000000000, -2000000000};
    QCOMPARE(match.AutoMatchForFineTune(tagPOINT{0, 0}, true, 100, &inNeighbour, &inElement), 0);
    QCOMPARE(inElement.x, 2000000000);
    PSReleaseStitch(job);
}

QTEST_GUILESS_MAIN(TestLayerMatch)
#include "tst_layermatch.moc"
