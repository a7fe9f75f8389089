#include "montage/engine/IQZorivuvEngine.h"
#include "montage/engine/IQZorivuvRecolour.h"
#include "platform/RandomSource.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

#include <set>

namespace {

struct RunResult
{
    int code = -1;
    QImage mosaic;
    QImage mask;
    int leftOut = -1;
};

RunResult runEngine(const QImage& target, const QStringList& paths, const IQZorivuvParam& param)
{
    IQZorivuvEngine* engine = IQZorivuvEngine::globalInstance();
    engine->setBackgroundImage(target);
    engine->tilePaths = paths;
    engine->overlay = QImage();
    RunResult result;
    IQZorivuvEngine::RunInfo info;
    result.code = engine->zorivuv(&param, result.mosaic, result.mask, &info);
    result.leftOut = info.leftOut;
    return result;
}

QImage solid(QSize size, QColor colour, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, format);
    image.fill(colour);
    return image;
}

QByteArray encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(bytes);
    return path;
}

QString writePhoto(const QTemporaryDir& dir, const QString& name, const QImage& image)
{
    return writeFile(dir, name, encode(image, "png"));
}

// The three colour bytes of pixel (x, y) of a BGR888 or 32-bit image.
QRgb rgbAt(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

} // namespace

class TestIQZorivuvEngine : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();

    void mosaicSize_data();
    void mosaicSize();
    void refusedSettings_data();
    void refusedSettings();
    void unreadablePhotosAreLeftOut_data();
    void unreadablePhotosAreLeftOut();

    void onePhotoFillsEveryCell();
    void twoPhotosAppearAtRandom();
    void threePhotosNeverRepeatANeighbour();
    void offsetRowsCoverEveryPixel_data();
    void offsetRowsCoverEveryPixel();
    void seededRunIsRepeatable();

    void recolourGains_data();
    void recolourGains();
    void tileEqualToItsCellIsUnchanged();

    void targetTransparencyIsTheMask();
    void noAlphaGivesNoMask();
    void givenMaskIsStretched();

    void rowNumber_data();
    void rowNumber();
    void fillIsClipped_data();
    void fillIsClipped();

private:
    QTemporaryDir m_dir;
};

void TestIQZorivuvEngine::init()
{
    RandomSource::seed(20261210);
}

void TestIQZorivuvEngine::cleanupTestCase()
{
    IQZorivuvEngine::globalInstance()->setBackgroundImage(QImage());
    RandomSource::reseedFromSystem();
}

void TestIQZorivuvEngine::mosaicSize_data()
{
    QTest::addColumn<QSize>("target");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QSize>("tile");
    QTest::addColumn<QSize>("expected");

    // s = min(100 / 4000, 65535 / 3000) = 0.025: reduced 100 x 75, rows 75.
    QTest::newRow("4000x3000, 100 cells of 20") << QSize(4000, 3000) << 100 << QSize(20, 20) << QSize(2000, 1500);
    // Fewer than 60 columns count as 60: s = 0.015, reduced 60 x 45.
    QTest::newRow("20 columns count as 60") << QSize(4000, 3000) << 20 << QSize(10, 10) << QSize(600, 450);
    QTest::newRow("60 columns") << QSize(4000, 3000) << 60 << QSize(10, 10) << QSize(600, 450);
    // s = 61 / 4000: 61 x trunc(45.75 + 0.5) = 61 x 46, rows 46.
    QTest::newRow("61 columns") << QSize(4000, 3000) << 61 << QSize(10, 10) << QSize(610, 460);
    // s = 100 / 4001: trunc(100 + 0.5) = 100 across, trunc(74.98 + 0.5) = 75 rows.
    QTest::newRow("4001x3000 keeps its right edge") << QSize(4001, 3000) << 100 << QSize(3, 2) << QSize(300, 150);
    // s = 100 / 6000: height trunc(0.483 + 0.5) = 0, kept at 1; rows 1 x 100 / 100.
    QTest::newRow("6000x29 strip") << QSize(6000, 29) << 100 << QSize(4, 4) << QSize(400, 4);
    // s = min(1, 65535 / 100000) = 0.65535: reduced trunc(66.035) = 66 x 65535,
    // rows 65535 x 100 / 66 = 99295.
    QTest::newRow("100x100000, 1x1 tiles") << QSize(100, 100000) << 100 << QSize(1, 1) << QSize(100, 99295);
    // Odd tile sides: 75 rows of 3.
    QTest::newRow("odd tile") << QSize(4000, 3000) << 100 << QSize(5, 3) << QSize(500, 225);
}

void TestIQZorivuvEngine::mosaicSize()
{
    QFETCH(QSize, target);
    QFETCH(int, columns);
    QFETCH(QSize, tile);
    QFETCH(QSize, expected);

    const QString photo = writePhoto(m_dir, QStringLiteral("size.png"), solid(QSize(8, 6), QColor(40, 90, 160)));
    IQZorivuvParam param;
    param.columns = columns;
    param.tile = tile;
    const RunResult result = runEngine(solid(target, QColor(200, 100, 50)), {photo}, param);
    QCOMPARE(result.code, int(IQZorivuvEngine::Success));
    QCOMPARE(result.mosaic.size(), expected);
    QCOMPARE(result.mosaic.format(), QImage::Format_BGR888);
    QVERIFY(result.mask.isNull());
    QCOMPARE(result.leftOut, 0);
}

void TestIQZorivuvEngine::refusedSettings_data()
{
    QTest::addColumn<bool>("hasTarget");
    QTest::addColumn<QSize>("tile");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("maskMode");
    QTest::addColumn<int>("expected");

    const QSize tile(4, 4);
    QTest::newRow("no target") << false << tile << 100 << 0 << 0 << 2;
    QTest::newRow("tile 0 wide") << true << QSize(0, 4) << 100 << 0 << 0 << 1;
    QTest::newRow("tile 0 high") << true << QSize(4, 0) << 100 << 0 << 0 << 1;
    QTest::newRow("tile negative") << true << QSize(-3, -3) << 100 << 0 << 0 << 1;
    QTest::newRow("columns past the index rows") << true << tile << 65536 << 0 << 0 << 1;
    QTest::newRow("layout 2") << true << tile << 100 << 2 << 0 << 1;
    QTest::newRow("layout -1") << true << tile << 100 << -1 << 0 << 1;
    QTest::newRow("mask mode 2") << true << tile << 100 << 0 << 2 << 1;
    // 100 x 75 cells of 20000 x 20000: 2000000 x 1500000 pixels, far past
    // the allocation cap, refused before anything is allocated.
    QTest::newRow("mosaic past the cap") << true << QSize(20000, 20000) << 100 << 0 << 0 << 1;
    // 65535 x 100000 = 6.6e9 pixels across: more than an int can hold.
    QTest::newRow("mosaic wider than int") << true << QSize(100000, 1) << 65535 << 0 << 0 << 1;
}

void TestIQZorivuvEngine::refusedSettings()
{
    QFETCH(bool, hasTarget);
    QFETCH(QSize, tile);
    QFETCH(int, columns);
    QFETCH(int, layout);
    QFETCH(int, maskMode);
    QFETCH(int, expected);

    const QString photo = writePhoto(m_dir, QStringLiteral("refused.png"), solid(QSize(8, 6), Qt::green));
    IQZorivuvParam param;
    param.tile = tile;
    param.columns = columns;
    param.layout = layout;
    param.maskMode = maskMode;
    const QImage target = hasTarget ? solid(QSize(400, 300), Qt::gray) : QImage();
    const RunResult result = runEngine(target, {photo}, param);
    QCOMPARE(result.code, expected);
    QVERIFY(result.mosaic.isNull());
    QVERIFY(result.mask.isNull());
}

void TestIQZorivuvEngine::unreadablePhotosAreLeftOut_data()
{
    QTest::addColumn<bool>("withGoodPhoto");
    QTest::addColumn<int>("expectedCode");
    QTest::newRow("one good photo among them") << true << 0;
    QTest::newRow("none readable") << false << 4;
}

void TestIQZorivuvEngine::unreadablePhotosAreLeftOut()
{
    QFETCH(bool, withGoodPhoto);
    QFETCH(int, expectedCode);

    const QString empty = writeFile(m_dir, QStringLiteral("zero-bytes.png"), QByteArray());
    const QString text = writeFile(m_dir, QStringLiteral("text.jpg"), QByteArray("not a picture at all\n"));
    // A PNG whose header still tells its size but whose pixel data (the
    // body of its IDAT chunk) is scrambled.
    QImage noisy(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            noisy.setPixel(x, y, qRgb(x * 4, y * 4, (x * y) & 0xFF));
    QByteArray png = encode(noisy, "png");
    const qsizetype idat = png.indexOf("IDAT");
    QVERIFY(idat > 0 && idat + 40 < png.size());
    for (qsizetype i = idat + 8; i < idat + 40; ++i)
        png[i] = char(png[i] ^ 0x5A);
    const QString corrupt = writeFile(m_dir, QStringLiteral("corrupt-pixel-data.png"), png);
    QCOMPARE(QImageReader(corrupt).size(), QSize(64, 64));
    const QString missing = m_dir.filePath(QStringLiteral("missing.png"));

    QStringList paths = {empty, text, corrupt, missing};
    const QColor good(30, 160, 90);
    if (withGoodPhoto)
        paths.insert(2, writePhoto(m_dir, QStringLiteral("good.png"), solid(QSize(12, 9), good)));

    IQZorivuvParam param;
    param.tile = QSize(3, 3);
    param.colourise = false;
    const RunResult result = runEngine(solid(QSize(120, 90), Qt::white), paths, param);
    QCOMPARE(result.code, expectedCode);
    QCOMPARE(result.leftOut, 4);
    if (!withGoodPhoto) {
        QVERIFY(result.mosaic.isNull());
        return;
    }
    // No solid stand-in tile: every cell shows the one readable photo.
    for (int y = 0; y < result.mosaic.height(); y += 5)
        for (int x = 0; x < result.mosaic.width(); x += 5)
            QCOMPARE(rgbAt(result.mosaic, x, y), good.rgb() & 0xFFFFFF);
}

void TestIQZorivuvEngine::onePhotoFillsEveryCell()
{
    const QColor colour(10, 200, 30);
    const QString photo = writePhoto(m_dir, QStringLiteral("one.png"), solid(QSize(30, 20), colour));
    IQZorivuvParam param;
    param.tile = QSize(4, 3);
    param.colourise = false;
    const RunResult result = runEngine(solid(QSize(600, 450), Qt::red), {photo}, param);
    QCOMPARE(result.code, 0);
    QCOMPARE(result.mosaic.size(), QSize(400, 225));
    for (int y = 0; y < result.mosaic.height(); ++y)
        for (int x = 0; x < result.mosaic.width(); ++x)
            QCOMPARE(rgbAt(result.mosaic, x, y), colour.rgb() & 0xFFFFFF);
}

void TestIQZorivuvEngine::twoPhotosAppearAtRandom()
{
    const QColor first(250, 0, 0);
    const QColor second(0, 0, 250);
    const QStringList photos = {writePhoto(m_dir, QStringLiteral("a.png"), solid(QSize(10, 10), first)),
                                writePhoto(m_dir, QStringLiteral("b.png"), solid(QSize(10, 10), second))};
    IQZorivuvParam param;
    param.tile = QSize(4, 4);
    param.columns = 60;
    param.colourise = false;
    const RunResult result = runEngine(solid(QSize(600, 450), Qt::white), photos, param);
    QCOMPARE(result.code, 0);

    // 60 x 45 cells, each one photo or the other by a fair coin: the counts
    // lie far inside 1350 +- 300, and without a neighbour rule some cell
    // repeats its left neighbour.
    int firstCount = 0;
    int repeats = 0;
    QRgb left = 0;
    for (int row = 0; row < 45; ++row) {
        for (int column = 0; column < 60; ++column) {
            const QRgb cell = rgbAt(result.mosaic, column * 4 + 2, row * 4 + 2);
            QVERIFY(cell == (first.rgb() & 0xFFFFFF) || cell == (second.rgb() & 0xFFFFFF));
            firstCount += cell == (first.rgb() & 0xFFFFFF);
            repeats += column > 0 && cell == left;
            left = cell;
        }
    }
    QVERIFY2(firstCount > 1050 && firstCount < 1650, qPrintable(QString::number(firstCount)));
    QVERIFY(repeats > 0);
}

void TestIQZorivuvEngine::threePhotosNeverRepeatANeighbour()
{
    const QList<QColor> colours = {QColor(250, 0, 0), QColor(0, 250, 0), QColor(0, 0, 250)};
    QStringList photos;
    for (int i = 0; i < colours.size(); ++i)
        photos << writePhoto(m_dir, QStringLiteral("three-%1.png").arg(i), solid(QSize(10, 10), colours[i]));
    IQZorivuvParam param;
    param.tile = QSize(4, 4);
    param.columns = 60;
    param.colourise = false;
    const RunResult result = runEngine(solid(QSize(600, 450), Qt::white), photos, param);
    QCOMPARE(result.code, 0);

    std::set<QRgb> seen;
    for (int row = 0; row < 45; ++row) {
        for (int column = 0; column < 60; ++column) {
            const QRgb cell = rgbAt(result.mosaic, column * 4 + 2, row * 4 + 2);
            seen.insert(cell);
            if (column > 0)
                QVERIFY(cell != rgbAt(result.mosaic, column * 4 - 2, row * 4 + 2));
            if (row > 0)
                QVERIFY(cell != rgbAt(result.mosaic, column * 4 + 2, row * 4 - 2));
        }
    }
    QCOMPARE(seen.size(), size_t(3));
}

void TestIQZorivuvEngine::offsetRowsCoverEveryPixel_data()
{
    QTest::addColumn<QSize>("tile");
    QTest::addColumn<bool>("withMask");
    QTest::newRow("even width") << QSize(6, 4) << false;
    QTest::newRow("odd width") << QSize(5, 4) << false;
    QTest::newRow("width 1") << QSize(1, 2) << false;
    QTest::newRow("odd width, mask") << QSize(5, 3) << true;
}

void TestIQZorivuvEngine::offsetRowsCoverEveryPixel()
{
    QFETCH(QSize, tile);
    QFETCH(bool, withMask);

    // Two colours, so that the half tiles at both ends are drawn too; the
    // mosaic starts black, and no pixel may stay so.
    const QStringList photos = {writePhoto(m_dir, QStringLiteral("cover-a.png"), solid(QSize(10, 10), QColor(200, 20, 20))),
                                writePhoto(m_dir, QStringLiteral("cover-b.png"), solid(QSize(10, 10), QColor(20, 200, 20)))};
    IQZorivuvParam param;
    param.tile = tile;
    param.layout = 1;
    param.colourise = false;
    QImage target = solid(QSize(600, 450), Qt::white, withMask ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const RunResult result = runEngine(target, photos, param);
    QCOMPARE(result.code, 0);
    QCOMPARE(result.mosaic.width(), 100 * tile.width());
    for (int y = 0; y < result.mosaic.height(); ++y) {
        for (int x = 0; x < result.mosaic.width(); ++x) {
            const QRgb pixel = result.mosaic.pixel(x, y);
            QVERIFY2(qAlpha(pixel) == 255 && (qRed(pixel) >= 20 && qGreen(pixel) >= 20),
                     qPrintable(QStringLiteral("%1,%2: %3").arg(x).arg(y).arg(pixel, 8, 16)));
        }
    }
}

void TestIQZorivuvEngine::seededRunIsRepeatable()
{
    QStringList photos;
    for (int i = 0; i < 4; ++i) {
        QImage photo(40, 30, QImage::Format_RGB32);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                photo.setPixel(x, y, qRgb(60 * i + x, 4 * y, 200 - 40 * i));
        photos << writePhoto(m_dir, QStringLiteral("seeded-%1.png").arg(i), photo);
    }
    QImage target(300, 200, QImage::Format_RGB32);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            target.setPixel(x, y, qRgb(x % 256, y, (x + y) % 256));
    IQZorivuvParam param;
    param.tile = QSize(7, 5);
    param.layout = 1;

    RandomSource::seed(77);
    const RunResult first = runEngine(target, photos, param);
    RandomSource::seed(77);
    const RunResult second = runEngine(target, photos, param);
    QCOMPARE(first.code, 0);
    QCOMPARE(second.code, 0);
    QCOMPARE(first.mosaic, second.mosaic);
    RandomSource::seed(78);
    QVERIFY(runEngine(target, photos, param).mosaic != first.mosaic);
}

void TestIQZorivuvEngine::recolourGains_data()
{
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("mean");
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("expected");

    // gain = (cell << 10) / mean; out = min((in x gain) >> 10, 255).
    QTest::newRow("mean equals cell") << 100 << 100 << 100 << 100;        // gain 1024
    QTest::newRow("saturates") << 250 << 150 << 255 << 255;               // gain 1740: 435000 >> 10 = 424
    QTest::newRow("brightens below 255") << 50 << 150 << 255 << 84;       // 87000 >> 10 = 84
    QTest::newRow("black cell") << 200 << 1 << 0 << 0;                    // gain 0
    QTest::newRow("black pixel") << 0 << 1 << 255 << 0;
    QTest::newRow("largest gain") << 1 << 1 << 255 << 255;                // 261120 >> 10 = 255
    QTest::newRow("gain rounds down") << 7 << 3 << 2 << 4;                // gain 682: 4774 >> 10 = 4
    QTest::newRow("darkens") << 255 << 200 << 100 << 127;                 // gain 512: 130560 >> 10 = 127
}

void TestIQZorivuvEngine::recolourGains()
{
    QFETCH(int, in);
    QFETCH(int, mean);
    QFETCH(int, cell);
    QFETCH(int, expected);

    // The same rule on every channel, into packed and 32-bit pixels.
    for (const QSize size : {QSize(3, 2), QSize(20, 20)}) {
      for (const QImage::Format format : {QImage::Format_BGR888, QImage::Format_RGB32}) {
        QImage tile(size, QImage::Format_BGR888);
        tile.fill(QColor(in, in, in));
        QImage out(size, format);
        const uchar means[3] = {uchar(mean), uchar(mean), uchar(mean)};
        const uchar cells[3] = {uchar(cell), uchar(cell), uchar(cell)};
        IQZorivuvRecolour::apply(tile, means, cells, true, &out);
        QCOMPARE(out.pixel(size.width() - 1, size.height() - 1), qRgb(expected, expected, expected));
        IQZorivuvRecolour::apply(tile, means, cells, false, &out);
        QCOMPARE(out.pixel(0, 0), qRgb(in, in, in));
      }
    }
    // Channels keep to their own gain: red, green and blue differ.
    QImage tile(QSize(2, 1), QImage::Format_BGR888);
    tile.fill(QColor(100, 100, 100));
    QImage out(tile.size(), QImage::Format_BGR888);
    const uchar means[3] = {100, 50, 200};
    const uchar cells[3] = {50, 100, 200};
    IQZorivuvRecolour::apply(tile, means, cells, true, &out);
    // red gain 512 -> 50, green 2048 -> 200, blue 1024 -> 100
    QCOMPARE(out.pixel(1, 0), qRgb(50, 200, 100));
}

void TestIQZorivuvEngine::tileEqualToItsCellIsUnchanged()
{
    // Stripes of (90, 140, 190) and (110, 160, 210): mean (100, 150, 200),
    // the target's colour, so every gain is 1024.
    QImage photo(20, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            photo.setPixel(x, y, (x / 2) % 2 ? qRgb(110, 160, 210) : qRgb(90, 140, 190));
    const QString path = writePhoto(m_dir, QStringLiteral("striped.png"), photo);
    IQZorivuvParam param;
    param.tile = QSize(20, 20);
    const QImage target = solid(QSize(600, 450), QColor(100, 150, 200));
    const RunResult recoloured = runEngine(target, {path}, param);
    param.colourise = false;
    const RunResult plain = runEngine(target, {path}, param);
    QCOMPARE(recoloured.code, 0);
    QCOMPARE(recoloured.mosaic, plain.mosaic);
}

void TestIQZorivuvEngine::targetTransparencyIsTheMask()
{
    // Left half transparent, right half opaque.
    QImage target(600, 450, QImage::Format_ARGB32);
    target.fill(Qt::transparent);
    for (int y = 0; y < 450; ++y)
        for (int x = 300; x < 600; ++x)
            target.setPixel(x, y, qRgba(200, 100, 50, 255));
    const QString photo = writePhoto(m_dir, QStringLiteral("masked.png"), solid(QSize(10, 10), Qt::yellow));
    IQZorivuvParam param;
    param.tile = QSize(4, 4);
    const RunResult result = runEngine(target, {photo}, param);
    QCOMPARE(result.code, 0);
    QCOMPARE(result.mosaic.format(), QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(result.mosaic.size(), QSize(400, 300));
    QCOMPARE(result.mask.size(), target.size());
    QCOMPARE(qGray(result.mask.pixel(10, 10)), 0);
    QCOMPARE(qGray(result.mask.pixel(590, 440)), 255);
    for (int y = 0; y < 300; y += 7) {
        QCOMPARE(qAlpha(result.mosaic.pixel(5, y)), 0);
        QCOMPARE(qAlpha(result.mosaic.pixel(190, y)), 0);
        QCOMPARE(qAlpha(result.mosaic.pixel(210, y)), 255);
        QCOMPARE(qAlpha(result.mosaic.pixel(395, y)), 255);
    }
}

void TestIQZorivuvEngine::noAlphaGivesNoMask()
{
    const QString photo = writePhoto(m_dir, QStringLiteral("plain.png"), solid(QSize(10, 10), Qt::cyan));
    IQZorivuvParam param;
    param.tile = QSize(2, 2);
    const RunResult result = runEngine(solid(QSize(300, 200), Qt::blue, QImage::Format_RGB888), {photo}, param);
    QCOMPARE(result.code, 0);
    QCOMPARE(result.mosaic.format(), QImage::Format_BGR888);
    QVERIFY(result.mask.isNull());
}

void TestIQZorivuvEngine::givenMaskIsStretched()
{
    // A 2 x 1 mask, black then white, over a 200 x 150 mosaic.
    QImage mask(2, 1, QImage::Format_Grayscale8);
    mask.setPixel(0, 0, qRgb(0, 0, 0));
    mask.setPixel(1, 0, qRgb(255, 255, 255));
    const QString photo = writePhoto(m_dir, QStringLiteral("mask1.png"), solid(QSize(10, 10), Qt::magenta));
    IQZorivuvParam param;
    param.tile = QSize(2, 2);
    param.maskMode = 1;
    param.mask = mask;
    const RunResult result = runEngine(solid(QSize(400, 300), Qt::gray), {photo}, param);
    QCOMPARE(result.code, 0);
    QCOMPARE(result.mosaic.size(), QSize(200, 150));
    QCOMPARE(result.mosaic.format(), QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(result.mask, mask);
    for (int y = 0; y < 150; y += 10) {
        QCOMPARE(qAlpha(result.mosaic.pixel(0, y)), 0);
        QCOMPARE(qAlpha(result.mosaic.pixel(40, y)), 0);
        QCOMPARE(qAlpha(result.mosaic.pixel(160, y)), 255);
        QCOMPARE(qAlpha(result.mosaic.pixel(199, y)), 255);
    }
}

void TestIQZorivuvEngine::rowNumber_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("expected");
    QTest::newRow("null image") << QSize() << 100 << 0;
    QTest::newRow("4000x3000") << QSize(4000, 3000) << 100 << 75;
    QTest::newRow("rounds down") << QSize(66, 65535) << 100 << 99295; // 6553500 / 66
    QTest::newRow("no columns") << QSize(10, 10) << 0 << 0;
}

void TestIQZorivuvEngine::rowNumber()
{
    QFETCH(QSize, size);
    QFETCH(int, columns);
    QFETCH(int, expected);
    const QImage image = size.isValid() ? QImage(size, QImage::Format_Grayscale8) : QImage();
    QCOMPARE(IQZorivuvEngine::zorivuvRowNumber(&image, columns), expected);
    QCOMPARE(IQZorivuvEngine::zorivuvRowNumber(nullptr, columns), 0);
}

void TestIQZorivuvEngine::fillIsClipped_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("blockFormat");
    QTest::addColumn<QRect>("written");

    const int packed = QImage::Format_BGR888;
    const int argb = QImage::Format_ARGB32_Premultiplied;
    const int rgb32 = QImage::Format_RGB32;
    QTest::newRow("inside") << QRect(2, 2, 3, 3) << packed << packed << QRect(2, 2, 3, 3);
    QTest::newRow("wider than the block") << QRect(1, 1, 9, 2) << packed << packed << QRect(1, 1, 4, 2);
    QTest::newRow("past the right and bottom") << QRect(8, 8, 4, 4) << argb << packed << QRect(8, 8, 2, 2);
    QTest::newRow("above and left") << QRect(-2, -3, 4, 4) << argb << packed << QRect(0, 0, 2, 1);
    QTest::newRow("outside") << QRect(20, 20, 4, 4) << packed << packed << QRect();
    QTest::newRow("32-bit block, packed") << QRect(-1, 7, 4, 4) << packed << rgb32 << QRect(0, 7, 3, 3);
    QTest::newRow("32-bit block, 32-bit") << QRect(7, -1, 4, 4) << argb << rgb32 << QRect(7, 0, 3, 3);
}

void TestIQZorivuvEngine::fillIsClipped()
{
    QFETCH(QRect, rect);
    QFETCH(int, format);
    QFETCH(int, blockFormat);
    QFETCH(QRect, written);

    // A 4 x 4 block whose pixel (x, y) is (10 x, 10 y, 7).
    QImage block(4, 4, QImage::Format(blockFormat));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            block.setPixel(x, y, qRgb(10 * x, 10 * y, 7));
    QImage destination(10, 10, QImage::Format(format));
    destination.fill(Qt::transparent);
    IQZorivuvEngine::fillZorivuvBlock(rect, destination, block);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const QRgb pixel = destination.pixel(x, y);
            if (written.contains(x, y))
                QCOMPARE(pixel, qRgb(10 * (x - rect.x()), 10 * (y - rect.y()), 7));
            else
                QCOMPARE(pixel & 0xFFFFFF, 0u);
        }
    }
}

QTEST_MAIN(TestIQZorivuvEngine)
#include "tst_iqzorivuvengine.moc"
