#include "effects/ContrastSaturation.h"

#include "PaddedImage.h"

#include <QtTest>

class TestContrastSaturation : public QObject
{
    Q_OBJECT

private slots:
    void contrast_data();
    void contrast();
    void saturation_data();
    void saturation();
    void contrastRunsBeforeSaturation();
    void zeroSettingsChangeNothing();
    void saturationOutOfRangeChangesNothing_data();
    void saturationOutOfRangeChangesNothing();
    void greyPixelsKeepTheirValue();
    void matchesReference_data();
    void matchesReference();
};

// The contrast curve: T[i] = i - trunc((64 - |i - 64|) k) below 128,
// i + trunc((64 - |i - 192|) k) from 128, k = (contrast / 200 + 1) - 1 in
// single precision.
void TestContrastSaturation::contrast_data()
{
    QTest::addColumn<int>("contrast");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("expected");

    // k = 0.5 exactly.
    QTest::newRow("100: 0 stays") << 100 << 0 << 0;
    QTest::newRow("100: 32") << 100 << 32 << 16;   // 32 - trunc(32 x 0.5)
    QTest::newRow("100: 64") << 100 << 64 << 32;   // 64 - trunc(64 x 0.5)
    QTest::newRow("100: 127 stays") << 100 << 127 << 127; // 127 - trunc(1 x 0.5)
    QTest::newRow("100: 128 stays") << 100 << 128 << 128; // 128 + trunc(0 x 0.5)
    QTest::newRow("100: 192") << 100 << 192 << 224;
    QTest::newRow("100: 255 stays") << 100 << 255 << 255;  // 255 + trunc(1 x 0.5)
    QTest::newRow("-100: 64") << -100 << 64 << 96;
    QTest::newRow("-100: 192") << -100 << 192 << 160;
    // Contrast 30: 30 / 200 = 0.15f = 0.150000006; + 1 = 1.14999998 (the
    // float nearest 1.15); - 1 = k = 0.149999976. 20 x k = 2.9999995
    // truncates to 2, where double precision (0.15 x 20 = 3) would give 3.
    QTest::newRow("30: 20 single precision") << 30 << 20 << 18;    // 64 - |20 - 64| = 20
    QTest::newRow("30: 40 single precision") << 30 << 40 << 35;    // 40 x k = 5.999999 -> 5
    QTest::newRow("30: 148 single precision") << 30 << 148 << 150; // 64 - |148 - 192| = 20 -> +2
    QTest::newRow("30: 236 single precision") << 30 << 236 << 238; // 64 - 44 = 20 -> +2
    QTest::newRow("30: 64") << 30 << 64 << 55;                     // 64 x k = 9.5999985 -> 9
    // Contrast 10: 0.05f + 1 = 1.04999995; - 1 = k = 0.0499999523.
    QTest::newRow("10: 20 single precision") << 10 << 20 << 20;   // 20 x k = 0.99999905 -> 0
    QTest::newRow("10: 40 single precision") << 10 << 40 << 39;   // 40 x k = 1.9999981 -> 1
    QTest::newRow("10: 148 single precision") << 10 << 148 << 148;
    // Contrast -30: k = -0.149999976; 20 x k = -2.9999995 -> -2.
    QTest::newRow("-30: 20 single precision") << -30 << 20 << 22;
    QTest::newRow("-30: 148 single precision") << -30 << 148 << 146;
    // From contrast 200 on the curve leaves 0..255 and must clamp, not keep
    // the low 8 bits (288 would wrap to 32, -32 to 224).
    // Even 200 reaches 192 + 64 x 1 = 256, whose low 8 bits are 0.
    QTest::newRow("200: 192 clamps to white") << 200 << 192 << 255;
    QTest::newRow("200: 191") << 200 << 191 << 254; // 191 + 63
    QTest::newRow("-200: 64") << -200 << 64 << 128;
    QTest::newRow("300: 192 clamps to white") << 300 << 192 << 255; // 192 + 64 x 1.5 = 288
    QTest::newRow("300: 200 clamps to white") << 300 << 200 << 255; // 200 + 56 x 1.5 = 284
    QTest::newRow("300: 64 clamps to black") << 300 << 64 << 0;     // 64 - 96 = -32
    QTest::newRow("300: 128 stays") << 300 << 128 << 128;
    QTest::newRow("-300: 64") << -300 << 64 << 160;
    QTest::newRow("-300: 192") << -300 << 192 << 96;
}

void TestContrastSaturation::contrast()
{
    QFETCH(int, contrast);
    QFETCH(int, byte);
    QFETCH(int, expected);

    PaddedImage image(3, 2);
    image.fill(byte);
    QCOMPARE(ExecuteContrastSaturationImage(image.bits(), 3, 2, image.stride(), contrast, 0), 1);
    for (std::uint8_t value : image.pixels())
        QCOMPARE(int(value), expected);
    QVERIFY(image.outsideUntouched());
}

// c' = (T2[c] + T1[max]) >> 7, T1[i] = (50 - 128 s i) / 100 truncated toward
// zero, T2[i] = 128 i - T1[i].
void TestContrastSaturation::saturation_data()
{
    QTest::addColumn<int>("saturation");
    QTest::addColumn<QList<int>>("in");
    QTest::addColumn<QList<int>>("out");

    // T1[200] = -1279950 / 100 = -12799; T1[100] = -6399, T2[100] = 19199:
    // (19199 - 12799) >> 7 = 50. T1[150] = -9599, T2[150] = 28799:
    // 16000 >> 7 = 125.
    QTest::newRow("50") << 50 << QList<int>{100, 150, 200} << QList<int>{50, 125, 200};
    // s = -100: T1[i] = (50 + 12800 i) / 100 = 128 i, T2 = 0: every channel
    // becomes T1[max] >> 7 = max.
    QTest::newRow("-100 gives grey at max") << -100 << QList<int>{100, 150, 200} << QList<int>{200, 200, 200};
    // T1[255] = -3263950 / 100 = -32639; channel 0: (0 - 32639) >> 7 = -255 -> 0.
    QTest::newRow("100 pure red") << 100 << QList<int>{0, 0, 255} << QList<int>{0, 0, 255};
    QTest::newRow("-100 pure blue") << -100 << QList<int>{255, 0, 0} << QList<int>{255, 255, 255};
    // T1[30] = -3839; T1[10] = -1279, T2[10] = 2559: -1280 >> 7 = -10 -> 0;
    // T1[20] = -2559, T2[20] = 5119: 1280 >> 7 = 10.
    QTest::newRow("100 clamps at 0") << 100 << QList<int>{10, 20, 30} << QList<int>{0, 10, 30};
    // T1[255] = -652750 / 100 = -6527; T1[100] = -255950 / 100 = -2559,
    // T2[100] = 15359: 8832 >> 7 = 69. T1[0] = 0: -6527 >> 7 = -51 -> 0.
    QTest::newRow("20") << 20 << QList<int>{0, 100, 255} << QList<int>{0, 69, 255};
    // T1[200] = (50 + 1280000) / 100 = 12800; T1[40] = 2560, T2[40] = 2560:
    // 15360 >> 7 = 120; T1[90] = 5760, T2[90] = 5760: 18560 >> 7 = 145.
    QTest::newRow("-50") << -50 << QList<int>{200, 40, 90} << QList<int>{200, 120, 145};
}

void TestContrastSaturation::saturation()
{
    QFETCH(int, saturation);
    QFETCH(QList<int>, in);
    QFETCH(QList<int>, out);

    PaddedImage image(2, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            image.setPixel(x, y, in[0], in[1], in[2]);
    QCOMPARE(ExecuteContrastSaturationImage(image.bits(), 2, 3, image.stride(), 0, saturation), 1);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            QCOMPARE(image.bgr(x, y), out);
    QVERIFY(image.outsideUntouched());
}

void TestContrastSaturation::contrastRunsBeforeSaturation()
{
    // Contrast 100: (64, 128, 192) -> (32, 128, 224). Saturation 50 on that:
    // T1[224] = -1433550 / 100 = -14335; T1[32] = -2047, T2[32] = 6143:
    // -8192 >> 7 = -64 -> 0; T1[128] = -8191, T2[128] = 24575: 10240 >> 7 = 80.
    PaddedImage image(1, 1);
    image.setPixel(0, 0, 64, 128, 192);
    QCOMPARE(ExecuteContrastSaturationImage(image.bits(), 1, 1, image.stride(), 100, 50), 1);
    QCOMPARE(image.bgr(0, 0), (QList<int>{0, 80, 224}));
    QVERIFY(image.outsideUntouched());
}

void TestContrastSaturation::zeroSettingsChangeNothing()
{
    PaddedImage image(7, 5);
    image.fillNoise(3);
    const auto before = image.pixels();
    QCOMPARE(ExecuteContrastSaturationImage(image.bits(), 7, 5, image.stride(), 0, 0), 1);
    QCOMPARE(image.pixels(), before);
    QVERIFY(image.outsideUntouched());
}

void TestContrastSaturation::saturationOutOfRangeChangesNothing_data()
{
    QTest::addColumn<int>("saturation");
    QTest::newRow("101") << 101;
    QTest::newRow("-101") << -101;
}

void TestContrastSaturation::saturationOutOfRangeChangesNothing()
{
    // Refused before the contrast step: a failed call leaves the picture as
    // it was rather than half-adjusted.
    QFETCH(int, saturation);
    PaddedImage image(4, 4);
    image.fillNoise(9);
    const auto before = image.pixels();
    QCOMPARE(ExecuteContrastSaturationImage(image.bits(), 4, 4, image.stride(), 50, saturation), 0);
    QCOMPARE(image.pixels(), before);
}

void TestContrastSaturation::greyPixelsKeepTheirValue()
{
    PaddedImage image(16, 1);
    for (int x = 0; x < 16; ++x)
        image.setPixel(x, 0, x * 17, x * 17, x * 17);
    const auto before = image.pixels();
    for (int s : {-100, -37, 1, 64, 100}) {
        QCOMPARE(ExecuteContrastSaturationImage(image.bits(), 16, 1, image.stride(), 0, s), 1);
        QCOMPARE(image.pixels(), before);
    }
}

void TestContrastSaturation::matchesReference_data()
{
    QTest::addColumn<int>("contrast");
    QTest::addColumn<int>("saturation");
    QTest::newRow("contrast only") << 40 << 0;
    QTest::newRow("saturation only") << 0 << 30;
    QTest::newRow("both") << -70 << 100;
    QTest::newRow("both, desaturate") << 100 << -100;
    QTest::newRow("single-precision contrast") << 30 << -45;
    QTest::newRow("clamping contrast") << 250 << 60;
}

void TestContrastSaturation::matchesReference()
{
    // One pass against the two steps one after the other.
    QFETCH(int, contrast);
    QFETCH(int, saturation);
    PaddedImage fast(29, 13, 3, 1), plain(29, 13, 3, 1);
    fast.fillNoise(77);
    plain.fillNoise(77);
    // Some grey pixels, which saturation must leave.
    for (int x = 0; x < 29; x += 4) {
        fast.setPixel(x, 6, x * 8, x * 8, x * 8);
        plain.setPixel(x, 6, x * 8, x * 8, x * 8);
    }
    QCOMPARE(ExecuteContrastSaturationImage(fast.bits(), 29, 13, fast.stride(), contrast, saturation), 1);
    QCOMPARE(Effects::contrastSaturationReference(plain.bits(), 29, 13, plain.stride(), contrast, saturation), 1);
    QCOMPARE(fast.pixels(), plain.pixels());
    QVERIFY(fast.outsideUntouched());
}

QTEST_GUILESS_MAIN(TestContrastSaturation)
#include "tst_contrastsaturation.moc"
