#include "BlendChecks.h"
#include "GeometryFixture.h"
#include "HueDifference.h"
#include "StitchTestHost.h"
#include "SyntheticViews.h"

#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QFileInfo>
#include <QtTest>

#include <cmath>

using namespace BlendChecks;

// Real photographs with a pale sky, seen as a tile and as a row by views
// of different exposures (with sensor noise and JPEG compression), down
// the main road: no flat region of the panorama may take a hue that none
// of the photos showed there.
class TestPaleSky : public QObject
{
    Q_OBJECT

private slots:
    void flatRegionsKeepTheirHue_data();
    void flatRegionsKeepTheirHue();
};

void TestPaleSky::flatRegionsKeepTheirHue_data()
{
    QTest::addColumn<QString>("photo");
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("exposure"); // the middle one; the views range 0.2 either side
    // A lake under a grey-blue sky above a sunlit deck (Plasma's "By the
    // Water"); the dunes' pale sky over the sea (mate-backgrounds), brighter
    // than the photograph, so that the blue clips in the brightest views.
    QTest::newRow("3 x 3 tile over a lake and sky")
        << "/usr/share/wallpapers/BytheWater/contents/images/1920x1080.jpg" << 3 << 1.0;
    QTest::newRow("row of three over the sea and sky") << "/usr/share/backgrounds/mate/nature/Dune.jpg" << 0 << 1.25;
}

void TestPaleSky::flatRegionsKeepTheirHue()
{
    QFETCH(QString, photo);
    QFETCH(int, style);
    QFETCH(double, exposure);
    if (!QFileInfo::exists(photo))
        QSKIP("the photograph's package is not installed (scripts/test installs it)");
    const int cols = 3, rows = style == StitchStyleTile ? 3 : 1;
    const int width = 320, height = 240;
    const double focal = width / 2.0 / std::tan(20 * M_PI / 180);
    const auto surface = style == StitchStyleTile ? SyntheticViews::Surface::Sphere : SyntheticViews::Surface::Cylinder;
    const SyntheticViews views(QImage(photo), surface, width, height, focal, 1.0);
    const QList<SyntheticViews::Camera> cameras = style == StitchStyleTile ? views.tile(cols, rows, 0.4)
                                                                           : views.row(cols, 0.4);
    StitchTestHost host;
    QStringList names;
    QList<tagPOINT> sizes;
    QList<double> exposures;
    for (int i = 0; i < cameras.size(); ++i) {
        SyntheticViews::Hardship hardship{exposure + 0.1 * ((i * 7) % 5 - 2), 2.0, 90, quint32(100 + i)};
        exposures << hardship.exposure;
        names << QStringLiteral("view%1").arg(i);
        sizes << tagPOINT{width, height};
        host.addImage(names.last(), views.render(cameras.at(i), hardship));
    }
    tagStitchCallbacks table = host.callbacks();
    CStitchOptions* job = PSCreateStitch(tagStitchStyle(style), StitchOutputOriginal, StitchMethodCalibrated, &table);
    QVERIFY(job);
    auto release = qScopeGuard([job] { PSReleaseStitch(job); });
    QCOMPARE(PSLoadImages(job, int(names.size()), names, sizes.data()), 0);
    int c = cols, r = rows;
    QStringList ordered;
    QCOMPARE(PSAutoOrder(job, ordered, &c, &r, false, 4, 4), 0);
    QCOMPARE(ordered, names);
    QStringList dropped;
    void* dib = nullptr;
    tagRECT crop{};
    QCOMPARE(DEZeviDirevi(job, 0, &c, &r, dropped, &dib, nullptr, nullptr, nullptr, nullptr, &crop), 0);

    // The scene as the panorama should show it, in the library's frame as
    // element 0 places it; each view saw it at its own exposure.
    const QImage result = resultImage(job);
    SyntheticViews::Panorama truth;
    truth.kind = style == StitchStyleTile ? SyntheticViews::Panorama::Sphere : SyntheticViews::Panorama::Cylinder;
    truth.radius = std::trunc(job->m_dFocalLength * 2.0 * M_PI + 0.5) * 0.5 / M_PI;
    GeometryFixture::frame(cameras.at(0), job->m_Matrix.m_pElements[0].m_Transform, truth.frame);
    const tagRECT pano = job->m_LayoutRect;
    truth.rect = QRect(pano.left, pano.top, pano.right - pano.left, pano.bottom - pano.top);
    const QImage expected = views.truth(truth);

    // Flat regions: 16 x 16 blocks that lie, with a block's width all round,
    // within 4 grey levels (standard deviation) in both the truth and the
    // panorama, so that a pixel of misplacement changes nothing. A block's
    // mean colour must come within 6 of the hue (delta H*ab) of what some
    // photo showed there. 2 is just noticeable side by side; noise, JPEG
    // and a blue clipped in the brightest views move a flat block by up to
    // 5; the cast this guards against measured 9.
    constexpr int block = 16;
    constexpr double bound = 6.0;
    int judged = 0;
    double worst = 0.0;
    QPoint worstAt;
    auto flat = [&](const QImage& image, int x0, int y0) {
        double sum = 0, squares = 0;
        int n = 0;
        for (int y = std::max(y0 - block, int(crop.top)); y < std::min(y0 + 2 * block, int(crop.bottom)); ++y)
            for (int x = std::max(x0 - block, int(crop.left)); x < std::min(x0 + 2 * block, int(crop.right)); ++x) {
                const double level = qGray(image.pixel(x, y));
                sum += level, squares += level * level, ++n;
            }
        return squares / n - (sum / n) * (sum / n) <= 16.0;
    };
    for (int y = crop.top; y + block <= crop.bottom; y += block)
        for (int x = crop.left; x + block <= crop.right; x += block) {
            if (!flat(expected, x, y) || !flat(result, x, y))
                continue;
            double out[3] = {}, seen[3] = {};
            for (int j = 0; j < block; ++j)
                for (int i = 0; i < block; ++i) {
                    const QRgb p = result.pixel(x + i, y + j), q = expected.pixel(x + i, y + j);
                    out[0] += qRed(p), out[1] += qGreen(p), out[2] += qBlue(p);
                    seen[0] += qRed(q), seen[1] += qGreen(q), seen[2] += qBlue(q);
                }
            const HueDifference::Lab shown = HueDifference::lab(out[0] / 256, out[1] / 256, out[2] / 256);
            double nearest = 1e9;
            for (double e : exposures) {
                double view[3] = {};
                for (int j = 0; j < block; ++j)
                    for (int i = 0; i < block; ++i) {
                        const QRgb q = expected.pixel(x + i, y + j);
                        view[0] += std::min(255.0, qRed(q) * e);
                        view[1] += std::min(255.0, qGreen(q) * e);
                        view[2] += std::min(255.0, qBlue(q) * e);
                    }
                nearest = std::min(nearest, HueDifference::between(
                                                shown, HueDifference::lab(view[0] / 256, view[1] / 256, view[2] / 256)));
            }
            ++judged;
            if (nearest > worst) {
                worst = nearest;
                worstAt = QPoint(x, y);
            }
        }
    qInfo("%d flat blocks, the farthest %.1f from every photo's hue at %d, %d", judged, worst, worstAt.x(),
          worstAt.y());
    QVERIFY2(judged >= 20, qPrintable(QString::number(judged)));
    QVERIFY2(worst <= bound, qPrintable(QStringLiteral("%1 at %2, %3").arg(worst).arg(worstAt.x()).arg(worstAt.y())));
}

QTEST_MAIN(TestPaleSky)
#include "tst_palesky.moc"
