// Columns and tiles of views of real photographs, written as files and
// stitched through the panorama engine, judged against the photograph they
// were taken of: the picture must be that photograph, upright, not its
// mirror image.

#include "panorama/engine/IQPanoramaEngine.h"
#include "panorama/engine/IQPanoramaEngineController.h"

#include "SyntheticViews.h"

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Grey levels, row-major.
struct Grey
{
    int width = 0;
    int height = 0;
    std::vector<double> levels;

    Grey(int w, int h) : width(w), height(h), levels(size_t(w) * size_t(h), 0.0) {}
    // An image reduced by `factor` (box means).
    Grey(const QImage& source, int factor) : Grey(source.width() / factor, source.height() / factor)
    {
        const QImage image = source.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < height * factor; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < width * factor; ++x)
                levels[size_t(y / factor) * size_t(width) + size_t(x / factor)] += qGray(line[x]);
        }
        for (double& level : levels)
            level /= factor * factor;
    }
    double at(int x, int y) const { return levels[size_t(y) * size_t(width) + size_t(x)]; }
    double sample(double x, double y) const
    {
        x = std::clamp(x, 0.0, width - 1.001);
        y = std::clamp(y, 0.0, height - 1.001);
        const int i = int(x), j = int(y);
        const double fx = x - i, fy = y - j;
        return (at(i, j) * (1 - fx) + at(i + 1, j) * fx) * (1 - fy) + (at(i, j + 1) * (1 - fx) + at(i + 1, j + 1) * fx) * fy;
    }
};

// What an upright panorama of the photograph looks like around the middle
// of the scene, worked out here from the scene alone: the photograph lies
// on a sphere (longitude and latitude, `focal` pixels to the radian, its
// middle straight ahead); a tile unrolls that sphere as it is, a column
// wraps it round a cylinder lying on its side, rows going up and down the
// sphere. `photo` and the result are reduced by `factor`.
Grey expectedPanorama(const Grey& photo, bool column, double focal, int width, int height, int factor)
{
    Grey out(width, height);
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i) {
            const double x = (i - width / 2.0) * factor, y = (j - height / 2.0) * factor; // y down
            double longitude = x / focal, latitude = -y / focal;
            if (column) {
                const double up = std::sin(-y / focal), ahead = std::cos(-y / focal);
                longitude = std::atan2(x / focal, ahead);
                latitude = std::asin(up / std::sqrt(up * up + ahead * ahead + (x / focal) * (x / focal)));
            }
            out.levels[size_t(j) * size_t(width) + size_t(i)] =
                photo.sample((longitude * focal + photo.width * factor / 2.0) / factor,
                             (-latitude * focal + photo.height * factor / 2.0) / factor);
        }
    return out;
}

// The best normalised correlation of `part` with the part of `whole` it
// covers, over every placement of it inside; mirrored: part upside down.
double bestCorrelation(const Grey& part, const Grey& whole, bool mirrored)
{
    double best = -1.0;
    for (int oy = 0; oy + part.height <= whole.height; ++oy)
        for (int ox = 0; ox + part.width <= whole.width; ++ox) {
            double sp = 0, sw = 0, spp = 0, sww = 0, spw = 0;
            for (int y = 0; y < part.height; ++y)
                for (int x = 0; x < part.width; ++x) {
                    const double p = part.at(x, mirrored ? part.height - 1 - y : y), w = whole.at(ox + x, oy + y);
                    sp += p, sw += w, spp += p * p, sww += w * w, spw += p * w;
                }
            const double n = double(part.width) * part.height;
            const double cov = spw / n - sp / n * sw / n;
            const double vp = spp / n - sp / n * sp / n, vw = sww / n - sw / n * sw / n;
            if (vp > 0 && vw > 0)
                best = std::max(best, cov / std::sqrt(vp * vw));
        }
    return best;
}

} // namespace

class TestPanoramaUpright : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { IQPanoramaEngineController::globalInstance()->releaseEngine(); }
    void upright_data();
    void upright();

private:
    QTemporaryDir m_dir;
};

void TestPanoramaUpright::initTestCase()
{
    if (SyntheticViews::photoPath().isEmpty())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    QVERIFY(m_dir.isValid());
}

void TestPanoramaUpright::upright_data()
{
    QTest::addColumn<QString>("photo");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("hard");     // exposures 0.8 to 1.2 and rolls of up to 3 degrees
    QTest::addColumn<bool>("reversed"); // the files listed bottom view first
    QTest::newRow("column of 2") << "Dune.jpg" << 1 << 1 << 2 << false << false;
    QTest::newRow("column of 3, exposures and rolls") << "Garden.jpg" << 1 << 1 << 3 << true << false;
    QTest::newRow("column of 4, listed bottom up") << "LadyBird.jpg" << 1 << 1 << 4 << false << true;
    QTest::newRow("column of 4, exposures and rolls") << "YellowFlower.jpg" << 1 << 1 << 4 << true << false;
    QTest::newRow("2 x 2 tile, exposures and rolls") << "GreenMeadow.jpg" << 3 << 2 << 2 << true << false;
}

void TestPanoramaUpright::upright()
{
    QFETCH(QString, photo);
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(bool, hard);
    QFETCH(bool, reversed);
    const QImage source(SyntheticViews::photoPath(photo));
    QVERIFY(!source.isNull());

    // 320 x 240 views 40 degrees across of the photograph laid on a sphere,
    // a view pixel one photograph pixel at its centre; neighbours share 40 %.
    const int width = 320, height = 240;
    const double focal = width / 2.0 / std::tan(20 * M_PI / 180);
    const SyntheticViews views(source, SyntheticViews::Surface::Sphere, width, height, focal, 1.0);
    QList<SyntheticViews::Camera> cameras = style == 1 ? views.column(rows, 0.4) : views.tile(cols, rows, 0.4);
    if (hard)
        cameras = SyntheticViews::rolled(cameras);
    QList<QString> paths;
    for (int i = 0; i < cameras.size(); ++i) {
        SyntheticViews::Hardship hardship;
        if (hard)
            hardship.exposure = 0.8 + 0.4 * ((i * 7) % 5) / 4.0;
        // The packed rows run from the top of the view down: as a picture
        // read row by row, the view stands upright.
        const QByteArray packed = views.render(cameras.at(i), hardship);
        const int stride = (24 * width + 31) / 32 * 4;
        const QImage view(reinterpret_cast<const uchar*>(packed.constData()) + 40, width, height, stride,
                          QImage::Format_BGR888);
        const QString path = m_dir.filePath(QStringLiteral("%1-%2.png").arg(QTest::currentDataTag()).arg(i));
        QVERIFY(view.save(path));
        paths << path;
    }
    if (reversed)
        std::reverse(paths.begin(), paths.end());

    auto* controller = IQPanoramaEngineController::globalInstance();
    controller->createEngine(tagStitchStyle(style), StitchOutputOriginal);
    int code = -99;
    QVERIFY(!controller->stitch(paths, nullptr, &code).isNull());
    QCOMPARE(code, 0);
    const QImage panorama = controller->cropedImage();

    // Compared in grey at a quarter of the size with the scene's own
    // panorama, placed anywhere within 32 pixels of the middle.
    constexpr int factor = 4, reach = 8;
    const Grey part(panorama, factor);
    const Grey expected = expectedPanorama(Grey(source, factor), style == 1, focal, part.width + 2 * reach,
                                           part.height + 2 * reach, factor);
    const double upright = bestCorrelation(part, expected, false);
    const double mirrored = bestCorrelation(part, expected, true);
    qInfo("%dx%d panorama: %.3f upright, %.3f upside down", panorama.width(), panorama.height(), upright, mirrored);
    QVERIFY2(upright >= 0.9, qPrintable(QString::number(upright)));
    QVERIFY2(upright > mirrored, qPrintable(QStringLiteral("%1 upright, %2 upside down").arg(upright).arg(mirrored)));
}

QTEST_GUILESS_MAIN(TestPanoramaUpright)
#include "tst_panoramaupright.moc"
