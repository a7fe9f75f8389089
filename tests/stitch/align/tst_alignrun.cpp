#include "LayerAlignment.h"
#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/align/CStitchAlign.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>

using Job = std::unique_ptr<CStitchOptions, void (*)(CStitchOptions*)>;

// The whole alignment driver on synthetic views: its progress spans, the
// move of matching down a layer for thin overlaps, cancels at every report,
// and the accuracy of the pair rotations and focal length it ends with.
class TestAlignRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void layerSpans_data();
    void layerSpans();
    void progressFollowsTheLayers_data();
    void progressFollowsTheLayers();
    void thinOverlapMovesMatchingDown();
    void cancelAtEveryReport();
    void unreadableLayerEndsTheRun();
    void fineTuneRunRendersAndKeepsTopAndWorking();
    void alignmentComesOutAccurate_data();
    void alignmentComesOutAccurate();

private:
    QImage m_photo;
};

namespace {

// 60 degrees across, on a cylinder.
double focalFor(int width)
{
    return width / 2.0 / std::tan(30 * M_PI / 180);
}

QList<int> spansOf(int layers)
{
    std::vector<int> from(layers), to(layers);
    CStitchAlign::LayerSpans(layers, from.data(), to.data());
    QList<int> out;
    for (int j = 0; j < layers; ++j)
        out << from[j] << to[j];
    return out;
}

} // namespace

void TestAlignRun::initTestCase()
{
    // The meadow gives texture all over, as the layer-matching tests use.
    const QString path = SyntheticViews::photoPath(QStringLiteral("GreenMeadow.jpg"));
    if (path.isEmpty())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    QVERIFY(m_photo.load(path));
}

void TestAlignRun::layerSpans_data()
{
    QTest::addColumn<int>("layers");
    QTest::addColumn<QList<int>>("spans");
    // Unit u = 60 / (1 + 3 + ... + 3^(n-1)); layer j spans 3^j u from where
    // the one above ended, starting at 20; ends truncated.
    // n = 1: u = 60.
    QTest::newRow("one layer") << 1 << QList<int>{20, 80};
    // n = 2: u = 15: 20..35, 35..80.
    QTest::newRow("two layers") << 2 << QList<int>{20, 35, 35, 80};
    // n = 3: u = 60 / 13 = 4.615: ends 24.6, 38.5, 80.
    QTest::newRow("three layers") << 3 << QList<int>{20, 24, 24, 38, 38, 80};
    // n = 4: u = 1.5: ends 21.5, 26, 39.5, 80.
    QTest::newRow("four layers") << 4 << QList<int>{20, 21, 21, 26, 26, 39, 39, 80};
}

void TestAlignRun::layerSpans()
{
    QFETCH(int, layers);
    QFETCH(QList<int>, spans);
    QCOMPARE(spansOf(layers), spans);
}

void TestAlignRun::progressFollowsTheLayers_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("top");
    // The top layer is the first under 3600 pixels: 40 x 30 for 320 x 240
    // (layer 3), for 160 x 120 layer 2, for 80 x 60 layer 1. Working layer 0.
    QTest::newRow("four layers") << 320 << 3;
    QTest::newRow("three layers") << 160 << 2;
    QTest::newRow("two layers") << 80 << 1;
}

void TestAlignRun::progressFollowsTheLayers()
{
    QFETCH(int, width);
    QFETCH(int, top);
    const int height = width * 3 / 4;
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, width, height, focalFor(width));
    const QList<SyntheticViews::Camera> cameras = views.row(3, 0.4);
    StitchTestHost host;
    {
        Job job(LayerAlignment::load(host, views, cameras, StitchStyleHorizontal, 3, 1), PSReleaseStitch);
        QVERIFY(job);
        QCOMPARE(job->m_lDeepestLayer, top);
        QCOMPARE(job->m_lWorkingLayer, 0);
        host.progress.clear();
        QCOMPARE(CStitchAlign(job.get()).Run(), 0);

        // Two pairs: the coarse stage reports 0, 20 * 1 / 2 = 10, then 20.
        // Each layer's matching starts at its span's start (its first pair
        // reports 0 of the span), colour correction runs 80..100, then the
        // driver's own 100.
        const QList<int>& p = host.progress;
        QVERIFY(p.size() >= 5);
        QCOMPARE(p.first(), 0);
        QCOMPARE(p.last(), 100);
        for (int i = 1; i < p.size(); ++i)
            QVERIFY2(p[i - 1] <= p[i], qPrintable(QStringLiteral("progress goes back at %1").arg(i)));
        QCOMPARE(p.mid(0, 4), (QList<int>{0, 0, 10, 20}));
        const QList<int> spans = spansOf(top + 1);
        for (int j = 0; j < spans.size(); j += 2)
            QVERIFY2(p.mid(4).contains(spans[j]), qPrintable(QStringLiteral("no report at %1").arg(spans[j])));
        // Calibration replaced the unknown focal length.
        QVERIFY(job->m_dFocalLength > 0);
    }
    QVERIFY2(host.clean(), qPrintable(host.report()));
}

void TestAlignRun::thinOverlapMovesMatchingDown()
{
    // 320 x 240 views overlapping by 30 %: 96 pixels on layer 0, 12 on the
    // 40 x 30 top layer, under 14: matching starts on layer 2, so three
    // layers share 20..80 (spans 20-24, 24-38, 38-80) instead of four
    // (20-21, 21-26, 26-39, 39-80). With one pair each layer reports its
    // start only.
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 320, 240, focalFor(320));
    StitchTestHost host;
    {
        Job job(LayerAlignment::load(host, views, views.row(2, 0.3), StitchStyleHorizontal, 2, 1), PSReleaseStitch);
        QVERIFY(job);
        QCOMPARE(job->m_lDeepestLayer, 3);
        host.progress.clear();
        QCOMPARE(CStitchAlign(job.get()).Run(), 0);
        const QList<int> p = host.progress;
        // 0, the one coarse pair at 0, 20, then the three layers.
        QCOMPARE(p.mid(0, 6), (QList<int>{0, 0, 20, 20, 24, 38}));
        QVERIFY(!p.contains(21) && !p.contains(26) && !p.contains(39));
        QCOMPARE(p.last(), 100);
    }
    QVERIFY2(host.clean(), qPrintable(host.report()));

    // 40 %: 128 pixels, 16 on the top layer: all four layers are matched.
    StitchTestHost wide;
    {
        Job job(LayerAlignment::load(wide, views, views.row(2, 0.4), StitchStyleHorizontal, 2, 1), PSReleaseStitch);
        QVERIFY(job);
        wide.progress.clear();
        QCOMPARE(CStitchAlign(job.get()).Run(), 0);
        QCOMPARE(wide.progress.mid(0, 7), (QList<int>{0, 0, 20, 20, 21, 26, 39}));
    }
    QVERIFY2(wide.clean(), qPrintable(wide.report()));
}

void TestAlignRun::cancelAtEveryReport()
{
    // A row of three small views: a full run counts the reports, then a
    // cancel at each of them (the start, the coarse pairs, the end of the
    // coarse stage, every matching report, colour correction, the final
    // 100) must end the run with -1 and leave nothing behind.
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 160, 120, focalFor(160));
    const QList<SyntheticViews::Camera> cameras = views.row(3, 0.4);
    int reports = 0;
    {
        StitchTestHost host;
        Job job(LayerAlignment::load(host, views, cameras, StitchStyleHorizontal, 3, 1), PSReleaseStitch);
        QVERIFY(job);
        host.progress.clear();
        QCOMPARE(CStitchAlign(job.get()).Run(), 0);
        reports = int(host.progress.size());
    }
    QVERIFY(reports > 6);
    for (int cancel = 0; cancel < reports; ++cancel) {
        StitchTestHost host;
        {
            Job job(LayerAlignment::load(host, views, cameras, StitchStyleHorizontal, 3, 1), PSReleaseStitch);
            QVERIFY(job);
            host.progress.clear();
            host.cancelAtProgressCall = cancel;
            const int result = CStitchAlign(job.get()).Run();
            QVERIFY2(result == -1, qPrintable(QStringLiteral("cancel at report %1 gave %2").arg(cancel).arg(result)));
            // Nothing is reported after the cancel.
            QCOMPARE(int(host.progress.size()), cancel + 1);
            QCOMPARE(host.outstandingImages(), 0);
            QCOMPARE(host.unbalancedLocks(), 0);
        }
        QVERIFY2(host.clean(), qPrintable(QStringLiteral("cancel at %1: ").arg(cancel) + host.report()));
    }
}

void TestAlignRun::unreadableLayerEndsTheRun()
{
    // The host's memory refuses every lock once the job is loaded: the
    // first coarse pair cannot attach its layer bitmaps, the run ends with
    // -3 before 100, and the job still releases cleanly.
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 160, 120, focalFor(160));
    StitchTestHost host;
    {
        Job job(LayerAlignment::load(host, views, views.row(3, 0.4), StitchStyleHorizontal, 3, 1), PSReleaseStitch);
        QVERIFY(job);
        host.progress.clear();
        host.lockFails = true;
        QCOMPARE(CStitchAlign(job.get()).Run(), -3);
        QVERIFY(!host.progress.contains(100));
        QCOMPARE(host.unbalancedLocks(), 0);
        host.lockFails = false;
    }
    QVERIFY2(host.clean(), qPrintable(host.report()));
}

void TestAlignRun::fineTuneRunRendersAndKeepsTopAndWorking()
{
    // 320 x 240 views: top layer 3 (40 x 30), working layer 0. A fine-tune
    // run renders at once, then only the top layer (for later coarse work)
    // stays held beside the working one; layers 1 and 2 are released.
    const SyntheticViews views(m_photo, SyntheticViews::Surface::Cylinder, 320, 240, focalFor(320));
    StitchTestHost host;
    {
        Job job(LayerAlignment::load(host, views, views.row(3, 0.4), StitchStyleHorizontal, 3, 1), PSReleaseStitch);
        QVERIFY(job);
        QCOMPARE(job->m_lDeepestLayer, 3);
        QCOMPARE(job->m_lWorkingLayer, 0);
        for (int i = 0; i < 3; ++i)
            for (int layer = 1; layer <= 3; ++layer)
                QVERIFY(job->m_Matrix.m_pElements[i].m_Pyramid.m_phLayers[layer]);
        job->m_lFineTune = 1;
        QCOMPARE(CStitchAlign(job.get()).Run(), 0);
        QVERIFY(job->m_hResultDib);
        QVERIFY(job->m_CropRect.right > job->m_CropRect.left);
        for (int i = 0; i < 3; ++i) {
            const CStitchElement& e = job->m_Matrix.m_pElements[i];
            QVERIFY(!e.m_Pyramid.m_phLayers[1]);
            QVERIFY(!e.m_Pyramid.m_phLayers[2]);
            QVERIFY(e.m_Pyramid.m_phLayers[3]);
            QVERIFY(e.m_lWarpedImageId != -1 && e.m_lWarpedMaskId != -1);
        }
    }
    QVERIFY2(host.clean(), qPrintable(host.report()));
}

void TestAlignRun::alignmentComesOutAccurate_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("maxDegrees");
    QTest::newRow("row of five") << 0 << 5 << 1 << 0.2;
    QTest::newRow("column of four") << 1 << 1 << 4 << 0.2;
    // The tile's focal length comes out 0.9 % long on views this small (its
    // integer twins cannot pin it closer), which turns its 24-degree pairs
    // by up to 0.25 degrees; the stitch road holds 640 x 480 tiles to 0.2.
    QTest::newRow("3 x 3 tile") << 3 << 3 << 3 << 0.3;
}

void TestAlignRun::alignmentComesOutAccurate()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(double, maxDegrees);
    // Rows look at a cylinder with a 60-degree lens; columns and tiles turn
    // the camera up and down and so look at a sphere, tiles with a
    // 40-degree lens so that the outer rows stay alike.
    const double focal = 160 / std::tan((style == 3 ? 20 : 30) * M_PI / 180);
    const SyntheticViews views(m_photo, style == 0 ? SyntheticViews::Surface::Cylinder : SyntheticViews::Surface::Sphere,
                               320, 240, focal);
    const QList<SyntheticViews::Camera> cameras = style == 0   ? views.row(cols, 0.4)
                                                  : style == 1 ? views.column(rows, 0.4)
                                                               : views.tile(cols, rows, 0.4);
    StitchTestHost host;
    {
        Job job(LayerAlignment::load(host, views, cameras, tagStitchStyle(style), cols, rows), PSReleaseStitch);
        QVERIFY(job);
        QCOMPARE(CStitchAlign(job.get()).Run(), 0);
        QCOMPARE(job->m_Matrix.m_lCount, cols * rows);
        const double f = job->m_dFocalLength;
        QVERIFY2(std::abs(f - focal) <= 0.01 * focal,
                 qPrintable(QStringLiteral("focal length %1, true %2").arg(f).arg(focal)));
        // The pair model takes the neighbour's rays into the element's; the
        // truth is G_e^T G_n, G the library rotation of each camera. The
        // angle between them: acos((trace(M^T T) - 1) / 2).
        int pairs = 0;
        auto check = [&](const CStitchElement* e, const CStitchElement* n, const CStitchTransform& model) {
            double ge[9], gn[9], truth[9];
            SyntheticViews::libraryRotation(cameras[LayerAlignment::viewOf(e)], ge);
            SyntheticViews::libraryRotation(cameras[LayerAlignment::viewOf(n)], gn);
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c)
                    truth[3 * r + c] = ge[r] * gn[c] + ge[3 + r] * gn[3 + c] + ge[6 + r] * gn[6 + c];
            double trace = 0;
            for (int k = 0; k < 9; ++k)
                trace += model.m_Matrix[k] * truth[k];
            ++pairs;
            return std::acos(std::clamp((trace - 1) / 2, -1.0, 1.0)) * 180 / M_PI;
        };
        const CStitchMatrix& m = job->m_Matrix;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) {
                const CStitchElement* e = m.GetElement(c, r);
                QVERIFY(e);
                if (const CStitchElement* n = m.GetElement(c + 1, r)) {
                    const double angle = check(e, n, e->m_RightTransform);
                    QVERIFY2(angle <= maxDegrees, qPrintable(QStringLiteral("right of (%1, %2): %3 degrees off")
                                                          .arg(c).arg(r).arg(angle)));
                }
                if (const CStitchElement* n = m.GetElement(c, r + 1)) {
                    const double angle = check(e, n, e->m_LowerTransform);
                    QVERIFY2(angle <= maxDegrees, qPrintable(QStringLiteral("below (%1, %2): %3 degrees off")
                                                          .arg(c).arg(r).arg(angle)));
                }
            }
        // Row 4, column 3, tile 2 x 3 + 3 x 2 = 12.
        QCOMPARE(pairs, style == 0 ? 4 : style == 1 ? 3 : 12);
    }
    QVERIFY2(host.clean(), qPrintable(host.report()));
}

QTEST_MAIN(TestAlignRun)
#include "tst_alignrun.moc"
