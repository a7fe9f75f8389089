#include "effects/GeometricRemap.h"

#include "EffectTestImage.h"

#include <QtTest>

class TestGeometricRemap : public QObject
{
    Q_OBJECT

private slots:
    void zeroStrengthReproducesSource_data();
    void zeroStrengthReproducesSource();
    void tinyPicturesStayInBounds_data();
    void tinyPicturesStayInBounds();
    void zeroSizeIsLeftAlone();
    void outOfRangeAmountsAreClamped();
    void distCorrBlackensSourcesOutside();
    void fisheyeKeepsCircle();
    void horiVertSamples_data();
    void horiVertSamples();
};

void TestGeometricRemap::zeroStrengthReproducesSource_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    QTest::newRow("1x1") << 1 << 1;
    QTest::newRow("1x9") << 1 << 9;
    QTest::newRow("9x1") << 9 << 1;
    QTest::newRow("3x3") << 3 << 3;
    QTest::newRow("17x2") << 17 << 2;
    QTest::newRow("37x23") << 37 << 23;
}

void TestGeometricRemap::zeroStrengthReproducesSource()
{
    QFETCH(int, width);
    QFETCH(int, height);

    const auto src = EffectTestImage::noise(width, height, 41, 2, 0x11);
    auto dst = EffectTestImage::flat(width, height, 0, 0, 0, 2, 0x77);
    QCOMPARE(ExecuteDistCorr(src.bits(), width, height, src.stride, dst.bits(), 0, 60), 1);
    QCOMPARE(dst.bytes, src.bytes);

    dst = EffectTestImage::flat(width, height, 0, 0, 0, 2, 0x77);
    QCOMPARE(ExecuteFisheyeDistortion(src.bits(), width, height, src.stride, dst.bits(), 0), 1);
    QCOMPARE(dst.bytes, src.bytes);

    dst = EffectTestImage::flat(width, height, 0, 0, 0, 2, 0x77);
    QCOMPARE(ExecuteDistHoriVert(src.bits(), width, height, src.stride, dst.bits(), 0, 0), 1);
    QVERIFY(dst.samePixels(src));
    QVERIFY(dst.paddingIs(0x77));
}

void TestGeometricRemap::tinyPicturesStayInBounds_data()
{
    zeroStrengthReproducesSource_data();
}

// Every pixel is written, sampled or black; the padding is not touched.
void TestGeometricRemap::tinyPicturesStayInBounds()
{
    QFETCH(int, width);
    QFETCH(int, height);

    const auto src = EffectTestImage::noise(width, height, 43, 1, 0x11);
    const auto sentinel = EffectTestImage::flat(width, height, 0, 0, 0, 1, 0x77);
    for (int amount : {-100, -37, 55, 100}) {
        auto dst = sentinel;
        QCOMPARE(ExecuteDistCorr(src.bits(), width, height, src.stride, dst.bits(), amount, 30), 1);
        QVERIFY(dst.paddingIs(0x77));
        dst = sentinel;
        QCOMPARE(ExecuteFisheyeDistortion(src.bits(), width, height, src.stride, dst.bits(), std::abs(amount)), 1);
        QVERIFY(dst.paddingIs(0x77));
        dst = sentinel;
        QCOMPARE(ExecuteDistHoriVert(src.bits(), width, height, src.stride, dst.bits(), 2 * amount, -amount), 1);
        QVERIFY(dst.paddingIs(0x77));
    }
}

void TestGeometricRemap::zeroSizeIsLeftAlone()
{
    const auto src = EffectTestImage::noise(4, 4, 3);
    auto dst = EffectTestImage::flat(4, 4, 9, 9, 9);
    QCOMPARE(ExecuteDistCorr(src.bits(), 0, 4, src.stride, dst.bits(), 50, 50), 1);
    QCOMPARE(ExecuteFisheyeDistortion(src.bits(), 4, 0, src.stride, dst.bits(), 50), 1);
    QCOMPARE(ExecuteDistHoriVert(src.bits(), -4, 4, src.stride, dst.bits(), 50, 50), 1);
    QCOMPARE(ExecuteDistCorr(src.bits(), 0, 4, src.stride, dst.bits(), 0, 50), 1);
    QVERIFY(dst.isFlat(9, 9, 9));
}

void TestGeometricRemap::outOfRangeAmountsAreClamped()
{
    const auto src = EffectTestImage::noise(40, 30, 47);
    auto wild = EffectTestImage::flat(40, 30, 0, 0, 0);
    auto edge = wild;
    ExecuteFisheyeDistortion(src.bits(), 40, 30, src.stride, wild.bits(), 250);
    ExecuteFisheyeDistortion(src.bits(), 40, 30, src.stride, edge.bits(), 100);
    QCOMPARE(wild.bytes, edge.bytes);
    ExecuteDistCorr(src.bits(), 40, 30, src.stride, wild.bits(), -300, 500);
    ExecuteDistCorr(src.bits(), 40, 30, src.stride, edge.bits(), -100, 100);
    QCOMPARE(wild.bytes, edge.bytes);
    ExecuteDistHoriVert(src.bits(), 40, 30, src.stride, wild.bits(), 1000, -1000);
    ExecuteDistHoriVert(src.bits(), 40, 30, src.stride, edge.bits(), 200, -200);
    QCOMPARE(wild.bytes, edge.bytes);
}

// 200 x 2, amount -100: R = min(cx, cy) = 1, k1 = -0.18, k2 = -0.02. At the
// node (0, 0), offsets (-100, -1): q = 10001, f = -216.8, so the source lies
// far right of the picture and the pixel must be black, not left unwritten.
void TestGeometricRemap::distCorrBlackensSourcesOutside()
{
    const auto src = EffectTestImage::flat(200, 2, 90, 90, 90);
    auto dst = EffectTestImage::flat(200, 2, 0x77, 0x77, 0x77);
    QCOMPARE(ExecuteDistCorr(src.bits(), 200, 2, src.stride, dst.bits(), -100, 0), 1);
    QCOMPARE(int(dst.at(0, 0, 0)), 0);
    int sampled = 0;
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 200; ++x) {
            for (int c = 0; c < 3; ++c) {
                const int value = dst.at(x, y, c);
                QVERIFY2(value == 0 || value == 90, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
                sampled += value == 90;
            }
        }
    }
    QVERIFY(sampled > 0);
}

// 32 x 32, amount 100: R = min(cx, cy) = 16, a = 0.5. Nodes at distance 0
// and 16 map onto themselves (f = 1 at q = 1); beyond d^2 = 256, black.
void TestGeometricRemap::fisheyeKeepsCircle()
{
    const auto src = EffectTestImage::noise(32, 32, 53);
    auto dst = EffectTestImage::flat(32, 32, 0x77, 0x77, 0x77);
    QCOMPARE(ExecuteFisheyeDistortion(src.bits(), 32, 32, src.stride, dst.bits(), 100), 1);
    const int kept[][2] = {{16, 16}, {16, 0}, {0, 16}};
    const int black[][2] = {{0, 0}, {31, 31}, {31, 0}, {4, 4}};
    for (int c = 0; c < 3; ++c) {
        for (const auto& p : kept)
            QCOMPARE(dst.at(p[0], p[1], c), src.at(p[0], p[1], c));
        for (const auto& p : black)
            QCOMPARE(int(dst.at(p[0], p[1], c)), 0);
    }
}

// 8 x 8, blue 10 y, green 10 x; cx = cy = 4. Source x = 1024 dx + 4096
// (vertical 0); source y = H[|dx|] dy + 4096 with H[i] = sqrt(1 - h / 200
// (i / 4)^2) x 1024 + 0.5: for h = 200 H[2] = 887 and H[4] = 0, for
// h = -200 H[3] = 1280 and H[4] = 1448.
void TestGeometricRemap::horiVertSamples_data()
{
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("blue");
    QTest::addColumn<int>("green");

    // 887 x 2 + 4096 = 5870: row 5, fraction 750 of 1024 toward row 6.
    QTest::newRow("squeezed, fraction") << 200 << 2 << 6 << (50 * 274 + 60 * 750) / 1024 << 20;
    QTest::newRow("squeezed to the centre row") << 200 << 0 << 6 << 40 << 0;
    QTest::newRow("squeezed corner") << 200 << 0 << 0 << 40 << 0;
    QTest::newRow("centre column") << -200 << 4 << 0 << 0 << 40;
    // 1280 x 2 + 4096 = 6656: halfway between rows 6 and 7.
    QTest::newRow("stretched, halfway") << -200 << 1 << 6 << 65 << 10;
    // 7936: row 7 with fraction 768; the missing row 8 is row 7 itself.
    QTest::newRow("stretched, last row") << -200 << 1 << 7 << 70 << 10;
    QTest::newRow("stretched above the top") << -200 << 0 << 0 << 0 << 0;
    QTest::newRow("stretched below the bottom") << -200 << 0 << 7 << 0 << 0;
}

void TestGeometricRemap::horiVertSamples()
{
    QFETCH(int, horizontal);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, blue);
    QFETCH(int, green);

    auto src = EffectTestImage::flat(8, 8, 0, 0, 200);
    for (int j = 0; j < 8; ++j) {
        for (int i = 0; i < 8; ++i) {
            src.at(i, j, 0) = std::uint8_t(10 * j);
            src.at(i, j, 1) = std::uint8_t(10 * i);
        }
    }
    auto dst = EffectTestImage::flat(8, 8, 0x77, 0x77, 0x77);
    QCOMPARE(ExecuteDistHoriVert(src.bits(), 8, 8, src.stride, dst.bits(), horizontal, 0), 1);
    QCOMPARE(int(dst.at(x, y, 0)), blue);
    QCOMPARE(int(dst.at(x, y, 1)), green);
    QCOMPARE(int(dst.at(x, y, 2)), blue == 0 && green == 0 ? 0 : 200);
}

QTEST_APPLESS_MAIN(TestGeometricRemap)
#include "tst_geometricremap.moc"
