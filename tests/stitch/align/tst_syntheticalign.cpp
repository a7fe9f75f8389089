#include "LayerAlignment.h"
#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/align/CStitchAlign.h"
#include "stitch/align/CStitchMatch.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QtTest>

#include <cmath>
#include <memory>
#include <optional>

// Coarse alignment and first-layer twins of every neighbour pair of
// synthetic views of a photograph, against the views' ground truth.
class TestSyntheticAlign : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void coarseOffsets_data();
    void coarseOffsets();
    void firstLayerTwins_data();
    void firstLayerTwins();

private:
    // One set of views: the cameras, their renders loaded into a job
    // (quarter output, so the top layer 3 is 40 x 30 and the working
    // layer 2), and its neighbour pairs.
    struct Pair
    {
        int e, n;
        bool horizontal;
    };
    struct Set
    {
        std::optional<SyntheticViews> views;
        QList<SyntheticViews::Camera> cameras;
        QList<Pair> pairs;
        StitchTestHost host;
        std::unique_ptr<CStitchOptions, void (*)(CStitchOptions*)> job{nullptr, PSReleaseStitch};
    };
    static void addSets();
    // The set of the current data row, or false.
    bool makeSet(Set& set) const;
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

void TestSyntheticAlign::addSets()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("hard");
    QTest::addColumn<bool>("telephoto");
    for (const bool hard : {false, true}) {
        const char* tail = hard ? ", hard" : "";
        QTest::addRow("row of five%s", tail) << 0 << 5 << 1 << hard << false;
        QTest::addRow("column of four%s", tail) << 1 << 1 << 4 << hard << false;
        QTest::addRow("ring of ten%s", tail) << 2 << 10 << 1 << hard << false;
        QTest::addRow("3 x 3 tile%s", tail) << 3 << 3 << 3 << hard << false;
        QTest::addRow("telephoto row of five%s", tail) << 0 << 5 << 1 << hard << true;
    }
}

bool TestSyntheticAlign::makeSet(Set& set) const
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(bool, hard);
    QFETCH(bool, telephoto);
    // 320 x 240 views, 60 degrees across (a ring of ten overlaps by 40 %),
    // on a cylinder; columns and tiles, which turn the cameras up and down,
    // on a sphere, and tiles with a longer lens (24 degrees across) so that
    // neighbours in the outer rows stay within a few degrees of each other.
    // Telephoto: 10 degrees across a plane, the camera moved along it by
    // 60 % of the width from view to view, a view pixel one texture pixel.
    const SyntheticViews::Surface surface = telephoto ? SyntheticViews::Surface::Plane
        : style == 1 || style == 3                    ? SyntheticViews::Surface::Sphere
                                                      : SyntheticViews::Surface::Cylinder;
    const double halfAngle = telephoto ? 5 : style == 3 ? 12 : 30;
    set.views.emplace(m_photo, surface, 320, 240, 160 / std::tan(halfAngle * M_PI / 180), telephoto ? 1.0 : 2.0);
    const SyntheticViews& views = *set.views;
    if (telephoto) {
        for (int i = 0; i < cols; ++i)
            set.cameras << SyntheticViews::Camera{0, 0, 0, i * 0.6 * 320, 0};
    } else {
        switch (style) {
        case 0: set.cameras = views.row(cols, 0.4); break;
        case 1: set.cameras = views.column(rows, 0.4); break;
        case 2: set.cameras = views.ring(cols); break;
        default: set.cameras = views.tile(cols, rows, 0.4); break;
        }
    }
    if (hard)
        set.cameras = SyntheticViews::rolled(set.cameras);
    const QList<SyntheticViews::Hardship> hardships = SyntheticViews::hardships(int(set.cameras.size()));

    QStringList names;
    QList<tagPOINT> sizes;
    for (int i = 0; i < set.cameras.size(); ++i) {
        names << QStringLiteral("view%1").arg(i);
        sizes << tagPOINT{views.width(), views.height()};
        set.host.addImage(names.last(), hard ? views.render(set.cameras[i], hardships[i]) : views.render(set.cameras[i]));
    }
    tagStitchCallbacks table = set.host.callbacks();
    set.job.reset(PSCreateStitch(tagStitchStyle(style), StitchOutputQuarter,
                                 telephoto ? StitchMethodTelephoto : StitchMethodCalibrated, &table));
    if (!set.job || PSLoadImages(set.job.get(), int(names.size()), names, sizes.data()) != 0)
        return false;
    set.job->m_Matrix.m_lCols = cols;
    set.job->m_Matrix.m_lRows = rows;

    for (int r = 0; r < rows; ++r)
        for (int c = 0; c + 1 < cols; ++c)
            set.pairs << Pair{r * cols + c, r * cols + c + 1, true};
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r + 1 < rows; ++r)
            set.pairs << Pair{r * cols + c, (r + 1) * cols + c, false};
    if (style == 2)
        set.pairs << Pair{cols - 1, 0, true};
    return true;
}

void TestSyntheticAlign::coarseOffsets_data()
{
    addSets();
}

void TestSyntheticAlign::coarseOffsets()
{
    Set set;
    QVERIFY(makeSet(set));
    const SyntheticViews& views = *set.views;
    CStitchOptions* job = set.job.get();
    // 76800 pixels: 76800 >> 4 = 4800 is the first under 14400, so the top
    // layer is 3 (40 x 30).
    const int top = job->m_lDeepestLayer;
    QCOMPARE(top, 3);
    bool shift = false;
    QCOMPARE(CStitchAlign(job).StartUpCoarseAlign(top, shift), 0);
    // Offsets doubled for the layer below are compared in top-layer pixels.
    const double unit = shift ? 2.0 : 1.0;

    // Pairs that miss by more than a pixel, all by the search's own rules
    // on a 40 x 30 layer (the overlap is 16 x 30 or 40 x 12 pixels): after
    // noise, JPEG and exposure the best scores on these pairs are 0.0 to
    // 0.56, and a neighbouring offset outscores the true one by a few
    // hundredths; the copies turned by the true roll score lower still
    // (their bilinear resampling of a 3 x 3 zero-mean image costs about as
    // much as the roll gains over 30 rows).
    // - hard row 1-2: the untilted (24, 0), 1.5 px off, scores 0.414; the
    //   copies turned by 4 (the true roll) and 5 degrees peak at 0.395 and
    //   0.402, at (23, 1).
    // - hard column 1-2: an untilted offset 1.73 px off scores 0.359,
    //   0.297..0.340 around the truth.
    // - hard ring 5-6, 7-8, 8-9 and 9-0.
    static const QMap<QString, QList<QPoint>> misses = {
        {QStringLiteral("row of five, hard"), {{1, 2}}},
        {QStringLiteral("column of four, hard"), {{1, 2}}},
        {QStringLiteral("ring of ten, hard"), {{5, 6}, {7, 8}, {8, 9}, {9, 0}}},
    };
    const QList<QPoint> expectedMisses = misses.value(QString::fromUtf8(QTest::currentDataTag()));

    // The coarse result (offset d, angle t) maps neighbour point q (top
    // layer, centre c of both 40 x 30 images) to R(-t)(q - c) + d + c in
    // this image; at the overlap's centre that must be within one pixel of
    // where the point truly lies. Top-layer pixel i spans layer-0 pixels
    // 8i .. 8i + 7, so layer-0 point p is top-layer point (p + 0.5) / 8 - 0.5.
    const QPointF c((40 - 1) / 2.0, (30 - 1) / 2.0);
    auto toTop = [top](QPointF p) { return (p + QPointF(0.5, 0.5)) / (1 << top) - QPointF(0.5, 0.5); };
    for (const Pair& pair : set.pairs) {
        QPointF inN, inE;
        QVERIFY(overlapCentre(views, set.cameras[pair.e], set.cameras[pair.n], &inN, &inE));
        const CStitchElement& element = job->m_Matrix.m_pElements[pair.e];
        const PointTwinList& twins = pair.horizontal ? element.m_RightTwins : element.m_LowerTwins;
        const double t = pair.horizontal ? element.m_dRightAngle : element.m_dLowerAngle;
        QCOMPARE(twins.m_lCount, 1);
        const QPointF d = QPointF(twins.m_Twins[0][0].x, twins.m_Twins[0][0].y) / unit;
        const QPointF q = toTop(inN) - c;
        const QPointF found = QPointF(std::cos(t) * q.x() + std::sin(t) * q.y(), -std::sin(t) * q.x() + std::cos(t) * q.y())
            + d + c;
        const QPointF expected = toTop(inE);
        if (expectedMisses.contains(QPoint(pair.e, pair.n)))
            QEXPECT_FAIL("", "a neighbouring offset or turned copy outscores the truth on the 40 x 30 layer", Continue);
        QVERIFY2(std::abs(found.x() - expected.x()) <= 1.0 && std::abs(found.y() - expected.y()) <= 1.0,
                 qPrintable(QStringLiteral("pair %1-%2: found (%3, %4), true (%5, %6)")
                                .arg(pair.e).arg(pair.n).arg(found.x()).arg(found.y())
                                .arg(expected.x(), 0, 'f', 2).arg(expected.y(), 0, 'f', 2)));
        // The true turn: a short level segment through the overlap's centre
        // in n, mapped into e. The model turns direction (1, 0) into
        // (cos t, -sin t), so t is minus the mapped segment's angle.
        QPointF left, right;
        QVERIFY(views.map(set.cameras[pair.n], set.cameras[pair.e], inN - QPointF(20, 0), &left));
        QVERIFY(views.map(set.cameras[pair.n], set.cameras[pair.e], inN + QPointF(20, 0), &right));
        const double turn = -std::atan2(right.y() - left.y(), right.x() - left.x());
        // Not asserted: on these 40 x 30 top layers a copy turned by the
        // true roll scores below the untilted image (the bilinear
        // resampling of the 3 x 3 zero-mean values costs more than a roll
        // of up to 5 degrees gains over 30 rows), so rolls of 3 degrees
        // mostly come out as 0, and on weak pairs a wrong copy wins by a
        // few hundredths.
        if (std::abs(t - turn) > M_PI / 180)
            qInfo("pair %d-%d: angle %g, true %g degrees", pair.e, pair.n, t * 180 / M_PI, turn * 180 / M_PI);
    }
    set.job.reset();
    QVERIFY2(set.host.clean(), qPrintable(set.host.report()));
}

void TestSyntheticAlign::firstLayerTwins_data()
{
    addSets();
}

void TestSyntheticAlign::firstLayerTwins()
{
    Set set;
    QVERIFY(makeSet(set));
    CStitchOptions* job = set.job.get();
    const int top = job->m_lDeepestLayer;
    bool shift = false;
    QCOMPARE(CStitchAlign(job).StartUpCoarseAlign(top, shift), 0);
    // Quarter output: the working layer 2 lies below the top layer 3, so a
    // thin overlap moves matching down to it.
    const int first = shift ? top - 1 : top;
    QCOMPARE(CStitchMatch(job).Run(first, true, 20, 80), 0);

    // A twin pairs a corner p of the neighbour with where the block search
    // put it in this element; it is good when that lies within one layer
    // pixel, in x and in y, of where p truly lies.
    int twins = 0, good = 0, defaulted = 0;
    QString report;
    for (const Pair& pair : set.pairs) {
        const CStitchElement& element = job->m_Matrix.m_pElements[pair.e];
        const PointTwinList& list = pair.horizontal ? element.m_RightTwins : element.m_LowerTwins;
        if (pair.horizontal ? element.m_bRightDefault : element.m_bLowerDefault) {
            ++defaulted;
            QCOMPARE(list.m_lCount, 3);
            continue;
        }
        QVERIFY(list.m_lCount >= 3);
        int near = 0;
        for (int i = 0; i < list.m_lCount; ++i) {
            const tagPOINT p = list.m_Twins[i][1], q = list.m_Twins[i][0];
            QPointF truth;
            QVERIFY(LayerAlignment::trueMap(*set.views, set.cameras[pair.n], set.cameras[pair.e], first,
                                            QPointF(p.x, p.y), &truth));
            near += std::abs(q.x - truth.x()) <= 1.0 && std::abs(q.y - truth.y()) <= 1.0 ? 1 : 0;
        }
        twins += list.m_lCount;
        good += near;
        report += QStringLiteral(" %1-%2: %3/%4").arg(pair.e).arg(pair.n).arg(near).arg(list.m_lCount);
    }
    // The sets short of 90 %, and why (all by the first layer's own rules):
    // the window searched is the prediction +-1 pixel, the prediction a
    // whole-pixel coarse offset (0.5 pixel off on these views, doubled when
    // a thin overlap moves matching to layer 2) turned by a whole-degree
    // angle that is often wrong (see coarseOffsets), with no room for the
    // keystone of tilted views (the column's neighbours differ by 5 % in
    // scale at the overlap's sides: 1.7 layer-2 pixels); a position at the
    // window's edge qualifies when the true minimum lies outside it, so such
    // twins land a pixel or more off instead of failing.
    static const QStringList shortSets = {
        QStringLiteral("row of five, hard"),       QStringLiteral("column of four"),
        QStringLiteral("column of four, hard"),    QStringLiteral("ring of ten"),
        QStringLiteral("ring of ten, hard"),       QStringLiteral("3 x 3 tile, hard"),
        QStringLiteral("telephoto row of five, hard"),
    };
    qInfo("layer %d: %d of %d twins within a pixel, %d pairs defaulted;%s", first, good, twins, defaulted,
          qPrintable(report));
    QVERIFY(twins > 0);
    if (shortSets.contains(QString::fromUtf8(QTest::currentDataTag())))
        QEXPECT_FAIL("", "short of 90 % by the first layer's rules (see above)", Continue);
    QVERIFY2(good * 10 >= twins * 9, qPrintable(QStringLiteral("%1 of %2 twins within a pixel").arg(good).arg(twins)));
    set.job.reset();
    QVERIFY2(set.host.clean(), qPrintable(set.host.report()));
}

QTEST_MAIN(TestSyntheticAlign)
#include "tst_syntheticalign.moc"
