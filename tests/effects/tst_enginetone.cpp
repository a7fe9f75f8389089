#include "effects/ZIZuzaVuvovi.h"

#include "EffectTestImage.h"

#include "platform/RandomSource.h"

#include <QtTest>

// The engine's own tone operations, worked out by hand from their rules.
class TestEngineTone : public QObject
{
    Q_OBJECT

private slots:
    void vibrance_data();
    void vibrance();
    void vibranceTakesPaddedRows_data();
    void vibranceTakesPaddedRows();
    void vibranceIntoOtherBuffer();
    void gammaTable_data();
    void gammaTable();
    void roundGamma_data();
    void roundGamma();
    void roundLensBlur_data();
    void roundLensBlur();
    void sepia_data();
    void sepia();
    void noiseFactor();
    void colorBlend();
};

void TestEngineTone::vibrance_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("bgr");
    QTest::addColumn<QList<int>>("expected");

    // avg = (B + 2G + R) >> 2, k = trunc(-value x 1.28),
    // c' = c + (((max - c) x (max - avg) x k) >> 14).
    QTest::newRow("pure red, 100") << 100 << QList<int>{0, 0, 255} << QList<int>{0, 0, 255};
    // avg 150, k -64, amount -3200: B 100 - 20, G 150 - 10.
    QTest::newRow("50") << 50 << QList<int>{100, 150, 200} << QList<int>{80, 140, 200};
    // k 128, amount 6400: B 100 + 39, G 150 + 19.
    QTest::newRow("-100") << -100 << QList<int>{100, 150, 200} << QList<int>{139, 169, 200};
    QTest::newRow("250 acts as 100") << 250 << QList<int>{100, 150, 200} << QList<int>{60, 130, 200};
    // k -128, amount -6400: B 100 - 40, G 150 - 20.
    QTest::newRow("100") << 100 << QList<int>{100, 150, 200} << QList<int>{60, 130, 200};
    QTest::newRow("0") << 0 << QList<int>{100, 150, 200} << QList<int>{100, 150, 200};
    QTest::newRow("grey") << 100 << QList<int>{90, 90, 90} << QList<int>{90, 90, 90};
    QTest::newRow("grey, -100") << -100 << QList<int>{90, 90, 90} << QList<int>{90, 90, 90};
}

void TestEngineTone::vibrance()
{
    QFETCH(int, value);
    QFETCH(QList<int>, bgr);
    QFETCH(QList<int>, expected);
    EffectTestImage image = EffectTestImage::flat(3, 2, std::uint8_t(bgr[0]), std::uint8_t(bgr[1]), std::uint8_t(bgr[2]), 3);
    ZIZuzaVuvovi engine(3, 2);
    engine.vibrance(image.bits(), image.bits(), image.width, image.height, image.stride, value);
    QVERIFY(image.isFlat(std::uint8_t(expected[0]), std::uint8_t(expected[1]), std::uint8_t(expected[2])));
    QVERIFY(image.paddingIs(0xA5));
}

// A BGR888 QImage of width 1 to 3 has four times as many bytes per line as
// pixels; such rows are as good as any.
void TestEngineTone::vibranceTakesPaddedRows_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
    QTest::newRow("3") << 3;
}

void TestEngineTone::vibranceTakesPaddedRows()
{
    QFETCH(int, width);
    EffectTestImage padded = EffectTestImage::flat(width, 2, 100, 150, 200, 4 * width - 3 * width);
    QCOMPARE(padded.stride / width, 4);
    ZIZuzaVuvovi engine(width, 2);
    engine.vibrance(padded.bits(), padded.bits(), width, 2, padded.stride, 50);
    QVERIFY(padded.isFlat(80, 140, 200));
    QVERIFY(padded.paddingIs(0xA5));

    // Rows shorter than their pixels are refused.
    EffectTestImage tight = EffectTestImage::flat(width, 2, 100, 150, 200);
    engine.vibrance(tight.bits(), tight.bits(), width, 1, 3 * width - 1, 50);
    QVERIFY(tight.isFlat(100, 150, 200));
}

void TestEngineTone::vibranceIntoOtherBuffer()
{
    const EffectTestImage source = EffectTestImage::noise(37, 5, 7, 2);
    EffectTestImage inPlace = source;
    EffectTestImage into = EffectTestImage::flat(37, 5, 0, 0, 0, 2);
    ZIZuzaVuvovi engine(37, 5);
    engine.vibrance(inPlace.bits(), inPlace.bits(), 37, 5, inPlace.stride, 70);
    EffectTestImage input = source;
    engine.vibrance(input.bits(), into.bits(), 37, 5, into.stride, 70);
    QVERIFY(into.samePixels(inPlace));
    QVERIFY(input.samePixels(source));
    QVERIFY(!inPlace.samePixels(source));
}

void TestEngineTone::gammaTable_data()
{
    QTest::addColumn<float>("gamma");
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("out");

    QTest::newRow("1: 0") << 1.0f << 0 << 0;
    QTest::newRow("1: 77") << 1.0f << 77 << 77;
    QTest::newRow("1: 255") << 1.0f << 255 << 255;
    // x = 128.5/256, 256 x^2 - 0.5 = 64.0015.
    QTest::newRow("2: 128") << 2.0f << 128 << 64;
    // x = 255.5/256, 256 x^2 - 0.5 = 254.5.
    QTest::newRow("2: 255") << 2.0f << 255 << 254;
    QTest::newRow("2: 0") << 2.0f << 0 << 0;
    // x = 0.5/256, 256 x^0.1 - 0.5 = 136.38.
    QTest::newRow("0.1: 0") << 0.1f << 0 << 136;
}

void TestEngineTone::gammaTable()
{
    QFETCH(float, gamma);
    QFETCH(int, in);
    QFETCH(int, out);
    EffectTestImage image = EffectTestImage::flat(2, 2, std::uint8_t(in), std::uint8_t(in), std::uint8_t(in), 1);
    ZIZuzaVuvovi engine(2, 2);
    engine.gammaTransform(image.bits(), image.bits(), 2, 2, image.stride, gamma);
    QVERIFY(image.isFlat(std::uint8_t(out), std::uint8_t(out), std::uint8_t(out)));
    QVERIFY(image.paddingIs(0xA5));
}

void TestEngineTone::roundGamma_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<float>("expected");
    QTest::newRow("-20") << -20 << 0.1f;
    QTest::newRow("0") << 0 << 0.9166667f;
    QTest::newRow("100") << 100 << 5.0f;
    // Below -20 the exponent would go negative: clamped.
    QTest::newRow("-23") << -23 << 0.1f;
    QTest::newRow("-1000") << -1000 << 0.1f;
    QTest::newRow("250") << 250 << 5.0f;
}

void TestEngineTone::roundGamma()
{
    QFETCH(int, value);
    QFETCH(float, expected);
    QCOMPARE(ZIZuzaVuvovi::roundGamma(value), expected);
}

void TestEngineTone::roundLensBlur_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("levels");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("14") << 14 << 0;
    QTest::newRow("15") << 15 << 1;
    QTest::newRow("100") << 100 << 7;
    QTest::newRow("-15") << -15 << -1;
}

void TestEngineTone::roundLensBlur()
{
    QFETCH(int, value);
    QFETCH(int, levels);
    QCOMPARE(ZIZuzaVuvovi::roundLensBlur(value), levels);
}

void TestEngineTone::sepia_data()
{
    QTest::addColumn<QList<int>>("bgr");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("white") << QList<int>{255, 255, 255} << QList<int>{238, 255, 255};
    QTest::newRow("black") << QList<int>{0, 0, 0} << QList<int>{0, 0, 0};
    // B' = 10.68 + 8.16 + 1.31, G' = 13.72 + 10.47 + 1.68, R' = 15.38 + 11.79 + 1.89.
    QTest::newRow("dark") << QList<int>{10, 20, 30} << QList<int>{20, 25, 29};
}

void TestEngineTone::sepia()
{
    QFETCH(QList<int>, bgr);
    QFETCH(QList<int>, expected);
    EffectTestImage image = EffectTestImage::flat(3, 3, std::uint8_t(bgr[0]), std::uint8_t(bgr[1]), std::uint8_t(bgr[2]), 2);
    ZIZuzaVuvovi engine(3, 3);
    engine.oldPhoto(image.bits(), 3, 3, image.stride);
    QVERIFY(image.isFlat(std::uint8_t(expected[0]), std::uint8_t(expected[1]), std::uint8_t(expected[2])));
    QVERIFY(image.paddingIs(0xA5));
}

void TestEngineTone::noiseFactor()
{
    RandomSource::seed(17);
    QList<double> first;
    for (int i = 0; i < 1000; ++i) {
        const double f = noise();
        QVERIFY(f >= 0.5 && f < 1.5);
        first << f;
    }
    RandomSource::seed(17);
    for (int i = 0; i < 1000; ++i)
        QCOMPARE(noise(), first[i]);
    RandomSource::reseedFromSystem();
}

void TestEngineTone::colorBlend()
{
    QCOMPARE(::colorBlend(0.25, 8.0, 4.0), 5.0);
    QCOMPARE(::colorBlend(1.0, 8.0, 4.0), 8.0);
    QCOMPARE(::colorBlend(0.0, 8.0, 4.0), 4.0);
}

QTEST_APPLESS_MAIN(TestEngineTone)
#include "tst_enginetone.moc"
