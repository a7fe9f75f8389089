#include "files/IQMath.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// The mask rule pixel by pixel, through QImage::pixel(): the reference the
// scan-line version must match byte for byte.
QImage referenceMask(const QImage& source)
{
    QImage mask(source.size(), QImage::Format_MonoLSB);
    mask.setColorTable({0xFFFFFFFFu, 0xFF000000u});
    mask.fill(source.depth() == 32 ? 0 : 0xFF);
    if (source.depth() != 32)
        return mask;
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (qAlpha(source.pixel(x, y)) != 0)
                mask.setPixel(x, y, 1);
    return mask;
}

// Compares the bytes that hold pixels, unused bits of the last one included.
bool sameMaskBytes(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.format() != b.format() || a.colorTable() != b.colorTable())
        return false;
    const size_t used = size_t(a.width() + 7) / 8;
    for (int y = 0; y < a.height(); ++y) {
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y), used) != 0)
            return false;
    }
    return true;
}

} // namespace

class TestIQMath : public QObject
{
    Q_OBJECT

private slots:
    void fitOut_data();
    void fitOut();
    void fitIn_data();
    void fitIn();
    void shrinkSizeToFit_data();
    void shrinkSizeToFit();
    void shrinkSizeToFitTakesNullOutputs();
    void alphaMaskColoursAndBitOrder();
    void alphaMaskOfOtherDepthsIsAllOpaque_data();
    void alphaMaskOfOtherDepthsIsAllOpaque();
    void alphaMaskMatchesPerPixelRule_data();
    void alphaMaskMatchesPerPixelRule();
    void alphaMaskOfNullImageIsNull();
};

void TestIQMath::fitOut_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("target");
    QTest::addColumn<bool>("enlarge");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QSize>("result");

    QTest::newRow("enlarge to cover") << QSize(100, 50) << QSize(400, 400) << true << 8.0 << QSize(800, 400);
    QTest::newRow("enlarging refused") << QSize(100, 50) << QSize(400, 400) << false << 1.0 << QSize(100, 50);
    QTest::newRow("factor 1 with enlarging") << QSize(100, 50) << QSize(50, 50) << true << 1.0 << QSize(100, 50);
    QTest::newRow("factor 1 without enlarging") << QSize(100, 50) << QSize(50, 50) << false << 1.0 << QSize(100, 50);
    // max(100/400, 100/300) = 1/3: 133.33 rounds down, 100 stays.
    QTest::newRow("shrink, larger ratio wins") << QSize(400, 300) << QSize(100, 100) << false << 1.0 / 3 << QSize(133, 100);
    // max(2/7, 1/3) = 1/3: 7/3 + 0.5 = 2.83 -> 2.
    QTest::newRow("rounds to nearest") << QSize(7, 3) << QSize(2, 1) << true << 1.0 / 3 << QSize(2, 1);
    // 3 * 2.5 + 0.5 = 8.0 exactly.
    QTest::newRow("half rounds up") << QSize(3, 2) << QSize(5, 5) << true << 2.5 << QSize(8, 5);
    QTest::newRow("zero width") << QSize(0, 50) << QSize(400, 400) << true << 0.0 << QSize(0, 50);
    QTest::newRow("zero height") << QSize(100, 0) << QSize(400, 400) << true << 0.0 << QSize(100, 0);
    QTest::newRow("negative side") << QSize(-100, 50) << QSize(400, 400) << true << 0.0 << QSize(-100, 50);
}

void TestIQMath::fitOut()
{
    QFETCH(QSize, size);
    QFETCH(QSize, target);
    QFETCH(bool, enlarge);
    QFETCH(double, factor);
    QFETCH(QSize, result);

    int width = size.width();
    int height = size.height();
    QCOMPARE(IQMath::fitOut(&width, &height, target.width(), target.height(), enlarge), factor);
    QCOMPARE(QSize(width, height), result);
}

void TestIQMath::fitIn_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("target");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QSize>("result");

    QTest::newRow("shrink into square") << QSize(100, 50) << QSize(40, 40) << 0.4 << QSize(40, 20);
    QTest::newRow("enlarges without a flag") << QSize(100, 50) << QSize(400, 400) << 4.0 << QSize(400, 200);
    // min(4/2, 4/3) = 4/3: 4.0 and 2.67 -> 4 x 3.
    QTest::newRow("rounds to nearest") << QSize(3, 2) << QSize(4, 4) << 4.0 / 3 << QSize(4, 3);
    QTest::newRow("same size") << QSize(64, 48) << QSize(64, 48) << 1.0 << QSize(64, 48);
    QTest::newRow("zero width") << QSize(0, 50) << QSize(40, 40) << 0.0 << QSize(0, 50);
    QTest::newRow("zero height") << QSize(100, 0) << QSize(40, 40) << 0.0 << QSize(100, 0);
}

void TestIQMath::fitIn()
{
    QFETCH(QSize, size);
    QFETCH(QSize, target);
    QFETCH(double, factor);
    QFETCH(QSize, result);

    int width = size.width();
    int height = size.height();
    QCOMPARE(IQMath::fitIn(&width, &height, target.width(), target.height()), factor);
    QCOMPARE(QSize(width, height), result);
}

void TestIQMath::shrinkSizeToFit_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<double>("factor");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");

    QTest::newRow("halved, factor 0.001 below") << QSize(200, 100) << QRect(0, 0, 100, 100) << 0.499 << 100.0 << 50.0;
    QTest::newRow("fits") << QSize(50, 40) << QRect(0, 0, 100, 100) << 1.0 << 50.0 << 40.0;
    QTest::newRow("fits exactly") << QSize(100, 100) << QRect(0, 0, 100, 100) << 1.0 << 100.0 << 100.0;
    // The area's sides count its inclusive right and bottom edges: 50 x 25.
    QTest::newRow("offset area, height decides") << QSize(100, 100) << QRect(10, 20, 50, 25) << 0.249 << 25.0 << 25.0;
    QTest::newRow("one side too large") << QSize(80, 300) << QRect(0, 0, 100, 150) << 0.499 << 40.0 << 150.0;
}

void TestIQMath::shrinkSizeToFit()
{
    QFETCH(QSize, size);
    QFETCH(QRect, area);
    QFETCH(double, factor);
    QFETCH(double, width);
    QFETCH(double, height);

    double outWidth = -1;
    double outHeight = -1;
    QCOMPARE(IQMath::shrinkSizeToFit(size, area, &outWidth, &outHeight), factor);
    QCOMPARE(outWidth, width);
    QCOMPARE(outHeight, height);
}

void TestIQMath::shrinkSizeToFitTakesNullOutputs()
{
    double height = -1;
    QCOMPARE(IQMath::shrinkSizeToFit(QSize(200, 100), QRect(0, 0, 100, 100), nullptr, &height), 0.499);
    QCOMPARE(height, 50.0);
    QCOMPARE(IQMath::shrinkSizeToFit(QSize(20, 10), QRect(0, 0, 100, 100), nullptr, nullptr), 1.0);
}

void TestIQMath::alphaMaskColoursAndBitOrder()
{
    // 10 pixels: two mask bytes, the second one partial.
    QImage source(10, 3, QImage::Format_ARGB32);
    source.fill(Qt::transparent);
    source.setPixel(0, 0, 0xFF123456); // leftmost pixel: bit 0 of byte 0
    source.setPixel(7, 1, 0x01000000); // the least alpha that counts: bit 7
    source.setPixel(9, 2, 0x80FFFFFF); // bit 1 of byte 1
    source.setPixel(8, 0, 0x00FFFFFF); // colour without alpha stays clear

    const QImage mask = IQMath::createAlphaMask(source);
    QCOMPARE(mask.format(), QImage::Format_MonoLSB);
    QCOMPARE(mask.size(), source.size());
    QCOMPARE(mask.colorTable(), (QList<QRgb>{0xFFFFFFFFu, 0xFF000000u}));
    QCOMPARE(mask.constScanLine(0)[0], uchar(0x01));
    QCOMPARE(mask.constScanLine(0)[1], uchar(0x00));
    QCOMPARE(mask.constScanLine(1)[0], uchar(0x80));
    QCOMPARE(mask.constScanLine(1)[1], uchar(0x00));
    QCOMPARE(mask.constScanLine(2)[0], uchar(0x00));
    QCOMPARE(mask.constScanLine(2)[1], uchar(0x02));

    source.fill(Qt::transparent);
    const QImage clear = IQMath::createAlphaMask(source);
    for (int y = 0; y < clear.height(); ++y)
        for (int x = 0; x < clear.width(); ++x)
            QCOMPARE(clear.pixelIndex(x, y), 0);
}

void TestIQMath::alphaMaskOfOtherDepthsIsAllOpaque_data()
{
    QTest::addColumn<int>("format");

    QTest::newRow("24-bit RGB888") << int(QImage::Format_RGB888);
    QTest::newRow("8-bit indexed") << int(QImage::Format_Indexed8);
    QTest::newRow("8-bit alpha only") << int(QImage::Format_Alpha8);
    QTest::newRow("64-bit RGBA64") << int(QImage::Format_RGBA64);
}

void TestIQMath::alphaMaskOfOtherDepthsIsAllOpaque()
{
    QFETCH(int, format);

    QImage source(11, 4, QImage::Format(format));
    source.fill(0);
    const QImage mask = IQMath::createAlphaMask(source);
    QCOMPARE(mask.size(), source.size());
    for (int y = 0; y < mask.height(); ++y) {
        for (int i = 0; i < mask.bytesPerLine(); ++i)
            QCOMPARE(mask.constScanLine(y)[i], uchar(0xFF));
    }
}

void TestIQMath::alphaMaskMatchesPerPixelRule_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QSize>("size");

    QTest::newRow("ARGB32, ragged width") << int(QImage::Format_ARGB32) << QSize(37, 5);
    QTest::newRow("ARGB32, whole bytes") << int(QImage::Format_ARGB32) << QSize(64, 3);
    QTest::newRow("ARGB32 premultiplied") << int(QImage::Format_ARGB32_Premultiplied) << QSize(29, 4);
    QTest::newRow("RGB32 is opaque") << int(QImage::Format_RGB32) << QSize(13, 3);
    QTest::newRow("RGBA8888, alpha in the last byte") << int(QImage::Format_RGBA8888) << QSize(21, 4);
    QTest::newRow("RGBX8888") << int(QImage::Format_RGBX8888) << QSize(9, 2);
    QTest::newRow("A2RGB30 premultiplied") << int(QImage::Format_A2RGB30_Premultiplied) << QSize(17, 3);
    QTest::newRow("one pixel") << int(QImage::Format_ARGB32) << QSize(1, 1);
}

void TestIQMath::alphaMaskMatchesPerPixelRule()
{
    QFETCH(int, format);
    QFETCH(QSize, size);

    // Random colours, a third of them fully transparent, some with alpha 1.
    QRandomGenerator random(size.width() * 7919 + size.height());
    QImage argb(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const quint32 colour = random.generate() & 0x00FFFFFF;
            const int pick = random.bounded(3);
            const quint32 alpha = pick == 0 ? 0 : pick == 1 ? 1 : random.bounded(256);
            argb.setPixel(x, y, (alpha << 24) | colour);
        }
    }
    const QImage source = argb.convertToFormat(QImage::Format(format));

    QVERIFY(sameMaskBytes(IQMath::createAlphaMask(source), referenceMask(source)));
}

void TestIQMath::alphaMaskOfNullImageIsNull()
{
    QVERIFY(IQMath::createAlphaMask(QImage()).isNull());
}

QTEST_APPLESS_MAIN(TestIQMath)
#include "tst_iqmath.moc"
