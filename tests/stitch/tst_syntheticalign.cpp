#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/CStitchAlign.h"
#include "stitch/CStitchElement.h"
#include "stitch/CStitchOptions.h"
#include "stitch/PSStitch.h"

#include <QtTest>

#include <cmath>

// Coarse alignment of every neighbour pair of synthetic views of a
// photograph, against the views' ground truth.
class TestSyntheticAlign : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void coarseOffsets_data();
    void coarseOffsets();

private:
    // The centre of the overlap in neighbour n and where it lies in e
    // (layer-0 pixels).
    bool overlapCentre(const SyntheticViews& views, const SyntheticViews::Camera& e, const SyntheticViews::Camera& n,
                       QPointF* inN, QPointF* inE) const;

    QImage m_photo;
};

void TestSyntheticAlign::initTestCase()
{
    const QString path = SyntheticViews::photoPath();
    if (path.isEmpty())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    QVERIFY(m_photo.load(path));
}

bool TestSyntheticAlign::overlapCentre(const SyntheticViews& views, const SyntheticViews::Camera& e,
                                       const SyntheticViews::Camera& n, QPointF* inN, QPointF* inE) const
{
    QPointF sum;
    int count = 0;
    for (int y = 0; y < views.height(); y += 4)
        for (int x = 0; x < views.width(); x += 4) {
            QPointF p;
            if (views.map(n, e, QPointF(x, y), &p) && p.x() >= 0 && p.y() >= 0 && p.x() <= views.width() - 1
                && p.y() <= views.height() - 1) {
                sum += QPointF(x, y);
                ++count;
            }
        }
    if (count == 0)
        return false;
    *inN = sum / count;
    return views.map(n, e, *inN, inE);
}

void TestSyntheticAlign::coarseOffsets_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("hard");
    QTest::newRow("row of five") << 0 << 5 << 1 << false;
    QTest::newRow("column of four") << 1 << 1 << 4 << false;
    QTest::newRow("ring of ten") << 2 << 10 << 1 << false;
    QTest::newRow("3 x 3 tile") << 3 << 3 << 3 << false;
    // Hard views: exposure, noise, JPEG 85 and rolls. The hard column and
    // ring still miss by up to 1.7 top-layer pixels on some pairs (open).
    QTest::newRow("row of five, hard") << 0 << 5 << 1 << true;
    QTest::newRow("3 x 3 tile, hard") << 3 << 3 << 3 << true;
}

void TestSyntheticAlign::coarseOffsets()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(bool, hard);
    // 320 x 240 views, 60 degrees across (a ring of ten overlaps by 40 %),
    // on a cylinder; columns and tiles, which turn the cameras up and down,
    // on a sphere, and tiles with a longer lens (24 degrees across) so that
    // neighbours in the outer rows stay within a few degrees of each other.
    const SyntheticViews::Surface surface = style == 1 || style == 3 ? SyntheticViews::Surface::Sphere
                                                                     : SyntheticViews::Surface::Cylinder;
    const double focal = 160 / std::tan((style == 3 ? 12 : 30) * M_PI / 180);
    const SyntheticViews views(m_photo, surface, 320, 240, focal);
    QList<SyntheticViews::Camera> cameras;
    switch (style) {
    case 0: cameras = views.row(cols, 0.4); break;
    case 1: cameras = views.column(rows, 0.4); break;
    case 2: cameras = views.ring(cols); break;
    default: cameras = views.tile(cols, rows, 0.4); break;
    }

    if (hard)
        cameras = SyntheticViews::rolled(cameras);
    const QList<SyntheticViews::Hardship> hardships = SyntheticViews::hardships(int(cameras.size()));

    StitchTestHost host;
    QStringList names;
    QList<tagPOINT> sizes;
    for (int i = 0; i < cameras.size(); ++i) {
        names << QStringLiteral("view%1").arg(i);
        sizes << tagPOINT{views.width(), views.height()};
        host.addImage(names.last(), hard ? views.render(cameras[i], hardships[i]) : views.render(cameras[i]));
    }
    tagStitchCallbacks table = host.callbacks();
    CStitchOptions* job = PSCreateStitch(tagStitchStyle(style), StitchOutputQuarter, StitchMethodCalibrated, &table);
    QVERIFY(job);
    QCOMPARE(PSLoadImages(job, int(names.size()), names, sizes.data()), 0);
    // 76800 pixels: 76800 >> 4 = 4800 is the first under 14400, so the top
    // layer is 3 (40 x 30).
    const int top = job->m_lDeepestLayer;
    QCOMPARE(top, 3);
    job->m_Matrix.m_lCols = cols;
    job->m_Matrix.m_lRows = rows;
    bool shift = false;
    QCOMPARE(CStitchAlign(job).StartUpCoarseAlign(top, shift), 0);
    // Offsets doubled for the layer below are compared in top-layer pixels.
    const double unit = shift ? 2.0 : 1.0;

    struct Pair
    {
        int e, n;
        bool horizontal;
    };
    QList<Pair> pairs;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c + 1 < cols; ++c)
            pairs << Pair{r * cols + c, r * cols + c + 1, true};
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r + 1 < rows; ++r)
            pairs << Pair{r * cols + c, (r + 1) * cols + c, false};
    if (style == 2)
        pairs << Pair{cols - 1, 0, true};
    // The coarse result (offset d, angle t) maps neighbour point q (top
    // layer, centre c of both 40 x 30 images) to R(-t)(q - c) + d + c in
    // this image; at the overlap's centre that must be within one pixel of
    // where the point truly lies.
    const QPointF c((40 - 1) / 2.0, (30 - 1) / 2.0);
    for (const Pair& pair : pairs) {
        QPointF inN, inE;
        QVERIFY(overlapCentre(views, cameras[pair.e], cameras[pair.n], &inN, &inE));
        const CStitchElement& element = job->m_Matrix.m_pElements[pair.e];
        const PointTwinList& twins = pair.horizontal ? element.m_RightTwins : element.m_LowerTwins;
        const double t = pair.horizontal ? element.m_dRightAngle : element.m_dLowerAngle;
        QCOMPARE(twins.m_lCount, 1);
        const QPointF d = QPointF(twins.m_Twins[0][0].x, twins.m_Twins[0][0].y) / unit;
        const QPointF q = inN / (1 << top) - c;
        const QPointF found = QPointF(std::cos(t) * q.x() + std::sin(t) * q.y(), -std::sin(t) * q.x() + std::cos(t) * q.y())
            + d + c;
        const QPointF expected = inE / (1 << top);
        if (style == 1 && pair.e == 1 && !hard)
            QEXPECT_FAIL("column of four",
                         "the middle pair of the column takes a 1-degree turn and lands 1.3 top-layer pixels off; "
                         "open", Continue);
        QVERIFY2(std::abs(found.x() - expected.x()) <= 1.0 && std::abs(found.y() - expected.y()) <= 1.0,
                 qPrintable(QStringLiteral("pair %1-%2: found (%3, %4), true (%5, %6)")
                                .arg(pair.e).arg(pair.n).arg(found.x()).arg(found.y())
                                .arg(expected.x(), 0, 'f', 2).arg(expected.y(), 0, 'f', 2)));
        // The true turn: a short level segment through the overlap's centre
        // in n, mapped into e. The model turns direction (1, 0) into
        // (cos t, -sin t), so t is minus the mapped segment's angle.
        QPointF left, right;
        QVERIFY(views.map(cameras[pair.n], cameras[pair.e], inN - QPointF(20, 0), &left));
        QVERIFY(views.map(cameras[pair.n], cameras[pair.e], inN + QPointF(20, 0), &right));
        const double turn = -std::atan2(right.y() - left.y(), right.x() - left.x());
        // Not asserted yet: on these 40 x 30 top layers the turned copies
        // rarely win, so turns of 3 degrees come out as 0 (open).
        if (std::abs(t - turn) > M_PI / 180)
            qInfo("pair %d-%d: angle %g, true %g degrees", pair.e, pair.n, t * 180 / M_PI, turn * 180 / M_PI);
    }
    PSReleaseStitch(job);
    QVERIFY2(host.clean(), qPrintable(host.report()));
}

QTEST_MAIN(TestSyntheticAlign)
#include "tst_syntheticalign.moc"
