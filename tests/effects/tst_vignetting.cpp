#include "effects/Vignetting.h"

#include "PaddedImage.h"

#include <QtTest>

class TestVignetting : public QObject
{
    Q_OBJECT

private slots:
    void gains_data();
    void gains();
    void gainFallsSmoothly();
    void matchesReference_data();
    void matchesReference();
};

// Gain = trunc(2^(2 d2 / R2 x k) x 1024 + 0.5), k = -0.02 amount, with
// d2 taken at the start of its 2^s step; each channel (c x gain) >> 10.
void TestVignetting::gains_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("amount");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("expected"); // for a channel of 200

    // 2 x 2: centre (1, 1), R2 = 2, s = 0.
    QTest::newRow("2x2 centre") << 2 << 100 << 1 << 1 << 200;
    QTest::newRow("2x2 corner") << 2 << 100 << 0 << 0 << 12;   // 2^-4: 64; 12800 >> 10
    QTest::newRow("2x2 edge") << 2 << 100 << 1 << 0 << 50;     // 2^-2: 256
    QTest::newRow("2x2 corner, 50") << 2 << 50 << 0 << 0 << 50; // 2^-2: 256
    // 101 x 101: centre (51, 51), R2 = 5202 (13 bits), s = 1.
    QTest::newRow("101 centre") << 101 << 100 << 51 << 51 << 200;
    QTest::newRow("101 corner") << 101 << 100 << 0 << 0 << 12; // d2 = 5202: 2^-4
    // (87, 51): d2 = 1296 -> 2^(-4 x 1296 / 5202) = 2^-0.996540 = 0.501200:
    // gain 513, 200 x 513 >> 10 = 100. Integer division of 2 d2 by R2 would
    // give exponent 0 and leave the pixel at 200.
    QTest::newRow("101 between") << 101 << 100 << 87 << 51 << 100;
    // (51, 92): d2 = 1681 -> 2^(-2 x 2 x 1680 / 5202) (step start 1680):
    // 2^-1.291811 = 0.408437: gain 418.24 + 0.5 -> 418, 200 x 418 >> 10 = 81.
    QTest::newRow("101 step start") << 101 << 100 << 51 << 92 << 81;
    // Negative amounts brighten and saturate: 2 x 2 corner at -100 has gain
    // 16 x 1024; 3200 must clamp to 255, not wrap to 128.
    QTest::newRow("2x2 corner, -100") << 2 << -100 << 0 << 0 << 255;
    QTest::newRow("2x2 edge, -100") << 2 << -100 << 1 << 0 << 255;   // gain 4: 800
    QTest::newRow("2x2 edge, -10") << 2 << -10 << 1 << 0 << 229; // k = 0.2: 2^0.2 = 1.148698: 1176, 229.7
    QTest::newRow("2x2 corner, very negative") << 2 << -2147483647 - 1 << 0 << 0 << 255;
    // A 1 x 1 image has its centre at (1, 1): its only pixel is a corner.
    QTest::newRow("1x1") << 1 << 100 << 0 << 0 << 12;
}

void TestVignetting::gains()
{
    QFETCH(int, size);
    QFETCH(int, amount);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, expected);
    PaddedImage image(size, size);
    image.fill(200);
    QCOMPARE(ExecuteVignetting(image.bits(), size, size, image.stride(), amount), 1);
    for (int c = 0; c < 3; ++c)
        QCOMPARE(image.at(x, y, c), expected);
    QVERIFY(image.outsideUntouched());
}

void TestVignetting::gainFallsSmoothly()
{
    // Along a row from the centre outwards the darkening grows by small
    // steps: never more than 2 levels of 255 between neighbours.
    PaddedImage image(801, 3);
    image.fill(255);
    QCOMPARE(ExecuteVignetting(image.bits(), 801, 3, image.stride(), 100), 1);
    for (int x = 402; x < 801; ++x) {
        QVERIFY(image.at(x, 1, 0) <= image.at(x - 1, 1, 0));
        QVERIFY(image.at(x - 1, 1, 0) - image.at(x, 1, 0) <= 2);
    }
    QVERIFY(image.at(800, 1, 0) < 40);
    QVERIFY(image.outsideUntouched());
}

void TestVignetting::matchesReference_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("amount");
    QTest::newRow("3 x 5, 100") << 3 << 5 << 100;
    QTest::newRow("64 x 64, 37") << 64 << 64 << 37;
    QTest::newRow("203 x 61, 100") << 203 << 61 << 100;
    QTest::newRow("203 x 61, -60") << 203 << 61 << -60;
}

void TestVignetting::matchesReference()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, amount);
    PaddedImage fast(width, height, 3, 2), plain(width, height, 3, 2);
    fast.fillNoise(7);
    plain.fillNoise(7);
    QCOMPARE(ExecuteVignetting(fast.bits(), width, height, fast.stride(), amount), 1);
    QCOMPARE(Effects::vignettingReference(plain.bits(), width, height, plain.stride(), amount), 1);
    QCOMPARE(fast.pixels(), plain.pixels());
    QVERIFY(fast.outsideUntouched());
}

QTEST_GUILESS_MAIN(TestVignetting)
#include "tst_vignetting.moc"
