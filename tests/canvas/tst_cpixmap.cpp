// The picture and its effect list: what the pixels are once the newest
// request has landed, and how requests queue. Expected pictures follow the
// rendering rule step by step with Qt and the effect engine directly: a
// 24-bit copy of the source, the engine when a fine-tune value is enabled,
// the mask as alpha channel, the mirror, the pixmap.
#include "canvas/CPixmap.h"
#include "canvas/PictureRenderPool.h"
#include "effects/ZIZuzaVuvovi.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

// Distinct values in every byte, so that any misplaced pixel shows.
QImage patterned(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 37 + y * 11) & 0xff, (x * 5 + y * 53) & 0xff, (x * 101 + y * 7 + 40) & 0xff));
    return image.convertToFormat(format);
}

// A photograph-like picture of any size: smooth gradients with some grain.
QImage largePicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    quint32 seed = 7;
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = int(seed >> 29);
            line[x] = qRgb((x * 255 / width + grain) & 0xff, (y * 255 / height) & 0xff, ((x + y) * 127 / (width + height) + 64 + grain) & 0xff);
        }
    }
    return image;
}

struct Settings
{
    int saturation = 0, contrast = 0, brightness = 0, sharpness = 0, temperature = 5000, tint = 10;
    bool fineTune = false;
    bool flipH = false, flipV = false;
    QImage mask;
};

// The rendering rule, synchronously.
QImage expected(const QImage& picture, const Settings& s)
{
    QImage work = QPixmap::fromImage(picture).toImage().convertToFormat(QImage::Format_BGR888);
    if (s.fineTune) {
        ZIZuzaVuvoviParam p;
        p.saturation = s.saturation;
        p.contrast = s.contrast;
        p.brightness = s.brightness;
        p.sharpness = s.sharpness;
        p.temperature = s.temperature;
        p.tint = s.tint;
        ZIZuzaVuvovi engine(work.width(), work.height());
        engine.setEngineParam(p);
        engine.runLomo(work.bits(), work.width(), work.height(), int(work.bytesPerLine()));
    }
    if (!s.mask.isNull())
        work.setAlphaChannel(s.mask);
    if (s.flipH || s.flipV)
        work = work.mirrored(s.flipH, s.flipV);
    return QPixmap::fromImage(work).toImage();
}

// Pixels compared as non-premultiplied ARGB, whatever the formats.
bool samePixels(const QImage& a, const QImage& b)
{
    return a.size() == b.size() && a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

QImage shown(CPixmap& pixmap)
{
    pixmap.waitForRender();
    return pixmap.toImage();
}

QImage maskOf(const QImage& image)
{
    QImage mask = image.createAlphaMask();
    mask.invertPixels();
    return mask;
}

} // namespace

class CPixmapTest : public QObject
{
    Q_OBJECT

private slots:
    void newPictureRecords();
    void fineTuneValueHeldToRange_data();
    void fineTuneValueHeldToRange();
    void flips_data();
    void flips();
    void opacityRendersNothing();
    void laterValueReplacesEarlier();
    void clearAllBeforeAnyRunOnlyDisables();
    void clearAllThenOneValueBringsBackAll();
    void clearAllShowsSourceWithoutMask();
    void alphaSurvivesEveryRun();
    void applyEffects_data();
    void applyEffects();
    void sharedEffectList();
    void outOfRangeValuesInARun();
    void maskUpdateShowsUnprocessedSource();
    void clearCacheKeepsTheSource();
    void nullPictureDoesNothing();
    void shownCopyFollowsRenders();
    void rapidRequestsCoalesce();
    void deletedMidRun();
};

void CPixmapTest::newPictureRecords()
{
    CPixmap pixmap(patterned(4, 3));
    const PictureEffectList list = pixmap.effects();
    const int codes[9] = {15, 16, 17, 18, 19, 20, 1, 2, 7};
    const double values[9] = {0, 0, 0, 0, 5000, 10, 0, 0, 1.0};
    QCOMPARE(list.size(), 9);
    for (int i = 0; i < 9; ++i) {
        QCOMPARE(list[i]->effect, codes[i]);
        QCOMPARE(list[i]->param, values[i]);
        QVERIFY(!list[i]->enable);
        QVERIFY(list[i]->rect.isNull());
    }
    QVERIFY(pixmap.mask().isNull());
    QVERIFY(!pixmap.renderPending());
}

void CPixmapTest::fineTuneValueHeldToRange_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("param");
    QTest::addColumn<int>("value");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("saturation truncated toward zero") << 15 << -37.9 << -37;
    QTest::newRow("saturation above range") << 15 << 250.0 << 100;
    QTest::newRow("contrast beyond int") << 16 << -1e300 << -100;
    QTest::newRow("brightness infinite") << 17 << inf << 100;
    QTest::newRow("sharpness below zero") << 18 << -5.0 << 0;
    QTest::newRow("temperature NaN is neutral") << 19 << nan << 5000;
    QTest::newRow("temperature below range") << 19 << 10.0 << 2000;
    QTest::newRow("tint NaN is neutral") << 20 << nan << 10;
    QTest::newRow("tint above range") << 20 << 151.5 << 150;
    QTest::newRow("not a fine-tune code") << 7 << 0.5 << 0;
}

void CPixmapTest::fineTuneValueHeldToRange()
{
    QFETCH(int, code);
    QFETCH(double, param);
    QFETCH(int, value);
    QCOMPARE(PictureEffect::fineTuneValue(code, param), value);
}

void CPixmapTest::flips_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("vertical");
    QTest::newRow("horizontal") << QList<int>{1} << true << false;
    QTest::newRow("vertical") << QList<int>{2} << false << true;
    QTest::newRow("horizontal twice restores") << QList<int>{1, 1} << false << false;
    QTest::newRow("vertical twice restores") << QList<int>{2, 2} << false << false;
    QTest::newRow("both turn by 180 degrees") << QList<int>{1, 2} << true << true;
}

void CPixmapTest::flips()
{
    QFETCH(QList<int>, codes);
    QFETCH(bool, horizontal);
    QFETCH(bool, vertical);
    const QImage source = patterned(7, 5);
    CPixmap pixmap(source);
    for (int code : codes)
        pixmap.applyEffect(PictureEffect(code, 0.0));
    const QImage result = shown(pixmap);
    // A turn by 180 degrees takes (x, y) to (w-1-x, h-1-y): both mirrors.
    QVERIFY(samePixels(result, source.mirrored(horizontal, vertical)));
    QCOMPARE(pixmap.effects()[6]->enable, horizontal);
    QCOMPARE(pixmap.effects()[7]->enable, vertical);
}

void CPixmapTest::opacityRendersNothing()
{
    CPixmap pixmap(patterned(6, 4));
    const qint64 before = pixmap.cacheKey();
    pixmap.applyEffect(PictureEffect(PictureEffect::Opacity, 0.25, false));
    QVERIFY(!pixmap.renderPending());
    pixmap.waitForRender();
    QCOMPARE(pixmap.cacheKey(), before);
    QVERIFY(pixmap.effects()[8]->enable); // enabled whatever the incoming flag says
    QCOMPARE(pixmap.effects()[8]->param, 0.25);
}

void CPixmapTest::laterValueReplacesEarlier()
{
    const QImage source = patterned(16, 12);
    CPixmap twice(source);
    twice.toSaturation(30);
    twice.toSaturation(60);
    CPixmap once(source);
    once.toSaturation(60);
    Settings s;
    s.fineTune = true;
    s.saturation = 60;
    const QImage result = shown(twice);
    QVERIFY(samePixels(result, shown(once)));
    QVERIFY(samePixels(result, expected(source, s)));
    QVERIFY(!samePixels(result, source)); // the value did something
}

void CPixmapTest::clearAllBeforeAnyRunOnlyDisables()
{
    CPixmap pixmap(patterned(5, 5));
    const qint64 before = pixmap.cacheKey();
    const PictureEffectList list = pixmap.effects();
    list[0]->param = 40;
    list[0]->enable = true;
    list[6]->enable = true;
    pixmap.applyEffect(PictureEffect(PictureEffect::ClearAll, 0.0));
    QVERIFY(!pixmap.renderPending());
    QCOMPARE(pixmap.cacheKey(), before);
    for (const auto& effect : list)
        QVERIFY(!effect->enable);
    QCOMPARE(list[0]->param, 40.0);
}

void CPixmapTest::clearAllThenOneValueBringsBackAll()
{
    const QImage source = patterned(16, 12);
    CPixmap pixmap(source);
    PictureEffectList values;
    const int codes[6] = {15, 16, 17, 18, 19, 20};
    const double params[6] = {40, 20, 10, 30, 6500, 30};
    for (int i = 0; i < 6; ++i)
        values.append(QSharedPointer<PictureEffect>::create(codes[i], params[i], true));
    pixmap.applyEffects(values);
    const QImage all = shown(pixmap);

    pixmap.clearEffects();
    QVERIFY(samePixels(shown(pixmap), source));

    pixmap.applyEffect(PictureEffect(PictureEffect::Contrast, 20, true));
    Settings s{40, 20, 10, 30, 6500, 30, true};
    QVERIFY(samePixels(shown(pixmap), all));
    QVERIFY(samePixels(all, expected(source, s)));
}

void CPixmapTest::clearAllShowsSourceWithoutMask()
{
    QImage source = patterned(8, 6, QImage::Format_ARGB32);
    source.setPixel(2, 3, qRgba(10, 20, 30, 0));
    CPixmap pixmap(source);
    pixmap.toBrightness(30);
    QVERIFY(shown(pixmap).pixelColor(2, 3).alpha() == 0);
    pixmap.clearEffects();
    const QImage cleared = shown(pixmap);
    QVERIFY(!cleared.hasAlphaChannel());
    // The source is 24-bit: the transparent pixel keeps only its
    // premultiplied colour, which is black.
    QCOMPARE(cleared.pixel(2, 3), qRgb(0, 0, 0));
    QCOMPARE(cleared.pixel(1, 1), source.pixel(1, 1));
}

void CPixmapTest::alphaSurvivesEveryRun()
{
    // Alpha 0, 100, 200, 255 across; the mask keeps a pixel when its alpha
    // is at least 128, so 100 becomes transparent and 200 opaque.
    QImage source(4, 3, QImage::Format_ARGB32);
    const int alphas[4] = {0, 100, 200, 255};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            source.setPixel(x, y, qRgba(200, 120, 40 + y * 50, alphas[x]));
    CPixmap pixmap(source);
    QVERIFY(!pixmap.mask().isNull());

    const auto alphaRow = [](const QImage& image, int y) {
        QList<int> row;
        for (int x = 0; x < image.width(); ++x)
            row.append(image.pixelColor(x, y).alpha());
        return row;
    };
    pixmap.toSaturation(50);
    QCOMPARE(alphaRow(shown(pixmap), 1), (QList<int>{0, 0, 255, 255}));
    pixmap.applyEffect(PictureEffect(PictureEffect::FlipHorizontally, 0.0));
    QCOMPARE(alphaRow(shown(pixmap), 1), (QList<int>{255, 255, 0, 0}));
    pixmap.toTemperature(8000);
    const QImage last = shown(pixmap);
    for (int y = 0; y < 3; ++y)
        QCOMPARE(alphaRow(last, y), (QList<int>{255, 255, 0, 0}));
    Settings s;
    s.fineTune = true;
    s.saturation = 50;
    s.temperature = 8000;
    s.flipH = true;
    s.mask = maskOf(source);
    QVERIFY(samePixels(last, expected(source, s)));
}

void CPixmapTest::applyEffects_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<bool>("changesRecords");
    QTest::newRow("empty list") << QList<int>{} << false;
    QTest::newRow("codes 0, -1 and unknown") << QList<int>{0, -1, 99, 3} << false;
    QTest::newRow("a later entry of a code wins") << QList<int>{15, 15} << true;
}

void CPixmapTest::applyEffects()
{
    QFETCH(QList<int>, codes);
    QFETCH(bool, changesRecords);
    const QImage source = patterned(9, 7);
    CPixmap pixmap(source);
    const qint64 before = pixmap.cacheKey();
    int rendered = 0;
    pixmap.setRenderedHandler([&rendered] { ++rendered; });
    PictureEffectList list;
    double value = 10;
    for (int code : codes)
        list.append(QSharedPointer<PictureEffect>::create(code, value += 10, true));
    pixmap.applyEffects(list);
    // Always one render; one with nothing to apply may land the very
    // pixels shown before.
    QVERIFY(pixmap.renderPending());
    const QImage result = shown(pixmap);
    QCOMPARE(rendered, 1);
    if (changesRecords)
        QVERIFY(pixmap.cacheKey() != before);
    const PictureEffectList own = pixmap.effects();
    if (!changesRecords) {
        for (const auto& effect : own)
            QVERIFY(!effect->enable);
        QVERIFY(samePixels(result, source));
    } else {
        QVERIFY(own[0]->enable);
        QCOMPARE(own[0]->param, 30.0);
        Settings s;
        s.fineTune = true;
        s.saturation = 30;
        QVERIFY(samePixels(result, expected(source, s)));
    }
}

void CPixmapTest::sharedEffectList()
{
    const QImage source = patterned(12, 10);
    CPixmap pixmap(source);
    const PictureEffectList list = pixmap.effects();
    pixmap.toSaturation(50);
    QCOMPARE(list[0]->param, 50.0);
    QVERIFY(list[0]->enable);

    list[1]->param = -30;
    list[1]->enable = true;
    list[7]->enable = true;
    pixmap.runEffect();
    Settings s;
    s.fineTune = true;
    s.saturation = 50;
    s.contrast = -30;
    s.flipV = true;
    QVERIFY(samePixels(shown(pixmap), expected(source, s)));
}

void CPixmapTest::outOfRangeValuesInARun()
{
    // NaN saturation counts as 0; 1e300 brightness as 100.
    const QImage source = patterned(10, 8);
    CPixmap pixmap(source);
    pixmap.toSaturation(std::numeric_limits<double>::quiet_NaN());
    pixmap.toBrightness(1e300);
    Settings s;
    s.fineTune = true;
    s.brightness = 100;
    QVERIFY(samePixels(shown(pixmap), expected(source, s)));
}

void CPixmapTest::maskUpdateShowsUnprocessedSource()
{
    const QImage source = patterned(6, 4);
    CPixmap pixmap(source);
    pixmap.toContrast(45);
    pixmap.applyEffect(PictureEffect(PictureEffect::FlipVertically, 0.0));
    QImage mask(6, 4, QImage::Format_Grayscale8);
    mask.fill(255);
    mask.setPixel(0, 0, 0); // top-left transparent
    pixmap.updatePixmapMask(mask);
    QImage masked = shown(pixmap);
    QCOMPARE(masked.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(masked.pixel(5, 3), source.pixel(5, 3)); // unprocessed, unflipped
    QCOMPARE(pixmap.mask(), mask);

    pixmap.toContrast(45);
    Settings s;
    s.fineTune = true;
    s.contrast = 45;
    s.flipV = true;
    s.mask = mask;
    masked = shown(pixmap);
    QVERIFY(samePixels(masked, expected(source, s)));
    QCOMPARE(masked.pixelColor(0, 3).alpha(), 0); // the mask flipped with the picture
}

void CPixmapTest::clearCacheKeepsTheSource()
{
    const QImage source = patterned(7, 5);
    CPixmap pixmap(source);
    pixmap.applyEffect(PictureEffect(PictureEffect::FlipHorizontally, 0.0));
    QVERIFY(samePixels(shown(pixmap), source.mirrored(true, false)));
    pixmap.clearCache();
    // Saturation 0 is neutral: the picture stays flipped once, not twice.
    pixmap.toSaturation(0);
    QVERIFY(samePixels(shown(pixmap), source.mirrored(true, false)));
}

void CPixmapTest::nullPictureDoesNothing()
{
    CPixmap pixmap{QImage()};
    QVERIFY(pixmap.isNull());
    pixmap.toSaturation(40);
    pixmap.updatePixmapMask(QImage(2, 2, QImage::Format_Grayscale8));
    pixmap.clearEffects();
    pixmap.setShownSize(QSize(10, 10));
    QVERIFY(!pixmap.renderPending());
    pixmap.waitForRender();
    QVERIFY(pixmap.isNull());
    QVERIFY(pixmap.shownPixmap().isNull());
}

void CPixmapTest::shownCopyFollowsRenders()
{
    const QImage source = patterned(40, 30);
    CPixmap pixmap(source);
    int rendered = 0;
    pixmap.setRenderedHandler([&] { ++rendered; });
    pixmap.setShownSize(QSize(20, 15));
    QTRY_COMPARE_WITH_TIMEOUT(pixmap.shownPixmap().size(), QSize(20, 15), 30000);
    QVERIFY(samePixels(pixmap.shownPixmap().toImage(), source.scaled(20, 15, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));

    pixmap.applyEffect(PictureEffect(PictureEffect::FlipVertically, 0.0));
    QTRY_VERIFY_WITH_TIMEOUT(!pixmap.renderPending(), 30000);
    QCOMPARE(rendered, 2);
    const QImage flipped = source.mirrored(false, true);
    QVERIFY(samePixels(pixmap.toImage(), flipped));
    QVERIFY(samePixels(pixmap.shownPixmap().toImage(), flipped.scaled(20, 15, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

void CPixmapTest::rapidRequestsCoalesce()
{
    // 4000 x 3000: 12 megapixels.
    const QImage source = largePicture(4000, 3000);
    CPixmap pixmap(source);
    int landed = 0;
    bool olderShown = false;
    pixmap.setRenderedHandler([&] {
        ++landed;
        olderShown = olderShown || pixmap.renderPending();
    });
    for (int i = 1; i <= 100; ++i)
        pixmap.toSaturation(i);
    QTRY_VERIFY_WITH_TIMEOUT(!pixmap.renderPending(), 300000);
    QCOMPARE(landed, 1); // the first run went on while the rest waited as one
    QVERIFY(!olderShown);
    Settings s;
    s.fineTune = true;
    s.saturation = 100;
    QVERIFY(samePixels(pixmap.toImage(), expected(source, s)));
}

void CPixmapTest::deletedMidRun()
{
    auto* pixmap = new CPixmap(largePicture(3000, 2000));
    int landed = 0;
    pixmap->setRenderedHandler([&] { ++landed; });
    pixmap->toSharpness(60);
    pixmap->toContrast(30); // waits behind the first
    delete pixmap;
    PictureRenderPool::instance().waitUntilIdle();
    QCoreApplication::processEvents();
    QCOMPARE(landed, 0);
}

QTEST_MAIN(CPixmapTest)
#include "tst_cpixmap.moc"
