#include "effects/Blur.h"
#include "effects/EffectCommon.h"

#include "EffectTestImage.h"

#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>

using Blur = std::function<int(const EffectTestImage& src, EffectTestImage& dst)>;
Q_DECLARE_METATYPE(Blur)

namespace {

struct NamedBlur
{
    const char* name;
    Blur run;
};

// Every blur at settings that reach its widest paths.
const NamedBlur AllBlurs[] = {
    {"lens 8", [](const EffectTestImage& s, EffectTestImage& d) { return ExecuteLensBlur(s.bits(), s.width, s.height, s.stride, d.bits(), 8, 50); }},
    {"lens new", [](const EffectTestImage& s, EffectTestImage& d) { return ExecuteLensBlurNew(s.bits(), s.width, s.height, s.stride, d.bits(), 0, 30); }},
    {"gauss 1", [](const EffectTestImage& s, EffectTestImage& d) { return ExecuteGuassBlur(s.bits(), s.width, s.height, s.stride, d.bits(), 50, 1.0); }},
    {"gauss 40", [](const EffectTestImage& s, EffectTestImage& d) { return ExecuteGuassBlur(s.bits(), s.width, s.height, s.stride, d.bits(), 0, 40.0); }},
    {"gauss 400", [](const EffectTestImage& s, EffectTestImage& d) { return ExecuteGuassBlur(s.bits(), s.width, s.height, s.stride, d.bits(), 100, 400.0); }},
    {"motion 255", [](const EffectTestImage& s, EffectTestImage& d) { return ExecuteMotionBlur(s.bits(), s.width, s.height, s.stride, d.bits(), 255, 0); }},
    {"motion small 255", [](const EffectTestImage& s, EffectTestImage& d) { return ExecuteMotionBlurSmall(s.bits(), s.width, s.height, s.stride, d.bits(), 255, 0); }},
};

// Runs both blurs on `src` into equal destinations; true when every byte,
// row padding included, agrees.
bool agree(const Blur& fast, const Blur& plain, const EffectTestImage& src)
{
    auto one = EffectTestImage::flat(src.width, src.height, 0, 0, 0, src.stride - 3 * src.width, 0x33);
    auto other = one;
    return fast(src, one) == 1 && plain(src, other) == 1 && one.bytes == other.bytes;
}

const int TinySizes[][2] = {{1, 9}, {9, 1}, {1, 1}, {3, 3}, {2, 2}, {37, 23}, {300, 2}};

} // namespace

class TestBlur : public QObject
{
    Q_OBJECT

private slots:
    void flatStaysFlat_data();
    void flatStaysFlat();
    void noiseStaysInBounds_data();
    void noiseStaysInBounds();
    void zeroSizeIsLeftAlone();
    void blendShares_data();
    void blendShares();

    void lensBlurLevelZeroCopiesWholeBuffer();
    void lensBlurLevelOneReproducesSource();
    void lensBlurImpulse();
    void lensBlurStopsReducingSmallLevels();
    void lensBlurMatchesReference();
    void lensBlurNewImpulse();

    void gaussBlurKnownValues();
    void gaussBlurMatchesReference();
    void gaussBlurWithoutSigmaLeavesDst();

    void motionBlurLineStopsAtBorder_data();
    void motionBlurLineStopsAtBorder();
    void motionBlurDiagonalTakesThreeLines();
    void motionBlurReducesLargePictures();
};

void TestBlur::flatStaysFlat_data()
{
    QTest::addColumn<Blur>("blur");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    for (const NamedBlur& blur : AllBlurs) {
        for (const auto& size : TinySizes)
            QTest::addRow("%s, %dx%d", blur.name, size[0], size[1]) << blur.run << size[0] << size[1];
    }
    // Past 1279 pixels the motion blur works on a reduced copy.
    QTest::newRow("motion, 1400x3") << AllBlurs[5].run << 1400 << 3;
    QTest::newRow("motion, 3x2600") << AllBlurs[5].run << 3 << 2600;
}

// White and black channels must survive every normalisation exactly.
void TestBlur::flatStaysFlat()
{
    QFETCH(Blur, blur);
    QFETCH(int, width);
    QFETCH(int, height);

    const auto src = EffectTestImage::flat(width, height, 255, 0, 131, 2);
    auto dst = EffectTestImage::flat(width, height, 1, 2, 3, 2, 0x5A);
    QCOMPARE(blur(src, dst), 1);
    QVERIFY(dst.isFlat(255, 0, 131));
    QVERIFY(dst.paddingIs(0x5A));
}

void TestBlur::noiseStaysInBounds_data()
{
    flatStaysFlat_data();
}

void TestBlur::noiseStaysInBounds()
{
    QFETCH(Blur, blur);
    QFETCH(int, width);
    QFETCH(int, height);

    const auto src = EffectTestImage::noise(width, height, 7);
    auto dst = EffectTestImage::flat(width, height, 0, 0, 0);
    QCOMPARE(blur(src, dst), 1);
}

void TestBlur::zeroSizeIsLeftAlone()
{
    auto src = EffectTestImage::noise(4, 4, 3);
    for (const NamedBlur& blur : AllBlurs) {
        for (const auto& size : {std::pair<int, int>(0, 4), std::pair<int, int>(4, -1)}) {
            EffectTestImage empty = src;
            empty.width = size.first;
            empty.height = size.second;
            auto dst = EffectTestImage::flat(4, 4, 9, 9, 9);
            QCOMPARE(blur.run(empty, dst), 1);
            QVERIFY2(dst.isFlat(9, 9, 9), blur.name);
        }
    }
    auto dst = EffectTestImage::flat(4, 4, 9, 9, 9);
    QCOMPARE(ExecuteLensBlur(src.bits(), 0, 4, src.stride, dst.bits(), 0, 50), 1);
    QVERIFY(dst.isFlat(9, 9, 9));
}

// Weights in 1/256 of the blurred picture, by hand: lens c = 0.55 at focus
// 50 (0.9 at 0, 0.2 at 100) toward 0.9 at the corners; Gaussian c = 0.5
// toward 0.8; motion 0 up to c = 0.5 + 0.004 focus, then rising to 1.
void TestBlur::blendShares_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("focus");
    QTest::addColumn<double>("radius");
    QTest::addColumn<int>("weight");

    QTest::newRow("lens centre") << "lens" << 50 << 0.0 << 141;
    QTest::newRow("lens corner") << "lens" << 50 << 1.0 << 230;
    QTest::newRow("lens centre, focus 0") << "lens" << 0 << 0.0 << 230;
    QTest::newRow("lens centre, focus 100") << "lens" << 100 << 0.0 << 51;
    QTest::newRow("lens halfway") << "lens" << 50 << 0.5 << 186;
    QTest::newRow("gauss centre") << "gauss" << 50 << 0.0 << 128;
    QTest::newRow("gauss corner") << "gauss" << 50 << 1.0 << 205;
    QTest::newRow("motion inside focus") << "motion" << 0 << 0.5 << 0;
    QTest::newRow("motion halfway out") << "motion" << 0 << 0.75 << 128;
    QTest::newRow("motion corner") << "motion" << 0 << 1.0 << 256;
    QTest::newRow("motion focus 100") << "motion" << 100 << 0.95 << 128;
    QTest::newRow("motion focus 125, no blur") << "motion" << 125 << 1.0 << 0;
}

void TestBlur::blendShares()
{
    QFETCH(QString, family);
    QFETCH(int, focus);
    QFETCH(double, radius);
    QFETCH(int, weight);

    double share = 0.0;
    if (family == QLatin1String("lens"))
        share = Effects::lensBlurShare(focus, radius);
    else if (family == QLatin1String("gauss"))
        share = Effects::gaussBlurShare(focus, radius);
    else
        share = Effects::motionBlurShare(focus, radius);
    QCOMPARE(Effects::roundHalfUp(share * 256.0), weight);
}

void TestBlur::lensBlurLevelZeroCopiesWholeBuffer()
{
    const auto src = EffectTestImage::noise(5, 4, 11, 3, 0x11);
    for (int levels : {0, -3}) {
        auto dst = EffectTestImage::flat(5, 4, 0, 0, 0, 3, 0x77);
        QCOMPARE(ExecuteLensBlur(src.bits(), src.width, src.height, src.stride, dst.bits(), levels, 50), 1);
        QCOMPARE(dst.bytes, src.bytes);
    }
}

void TestBlur::lensBlurLevelOneReproducesSource()
{
    const auto src = EffectTestImage::noise(21, 13, 5, 1, 0x11);
    auto dst = EffectTestImage::flat(21, 13, 0, 0, 0, 1, 0x77);
    QCOMPARE(ExecuteLensBlur(src.bits(), src.width, src.height, src.stride, dst.bits(), 1, 50), 1);
    QVERIFY(dst.samePixels(src));
    QVERIFY(dst.paddingIs(0x77));
}

// Blue: 160 at the centre of 5 x 5 zeros, one reduction. By hand: the
// reduced centre is 40; expanded, 40 / 20 / 10 around the centre; the band
// 120 / -20 / -10 filters to 1 at the centre and -1 at the diagonals; the
// sum is 41 / 20 / 9. Every pixel takes the corner node (r = 1, weight
// 230): centre (41 x 230 + 160 x 26) >> 8 = 53. Green is flat, red black.
void TestBlur::lensBlurImpulse()
{
    auto src = EffectTestImage::flat(5, 5, 0, 100, 0);
    src.at(2, 2, 0) = 160;
    auto dst = EffectTestImage::flat(5, 5, 0, 0, 0);
    QCOMPARE(ExecuteLensBlur(src.bits(), 5, 5, src.stride, dst.bits(), 2, 50), 1);
    const int expected[5][5] = {
        {0, 0, 0, 0, 0},
        {0, 8, 17, 8, 0},
        {0, 17, 53, 17, 0},
        {0, 8, 17, 8, 0},
        {0, 0, 0, 0, 0},
    };
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            QCOMPARE(int(dst.at(x, y, 0)), expected[y][x]);
            QCOMPARE(int(dst.at(x, y, 1)), 100);
            QCOMPARE(int(dst.at(x, y, 2)), 0);
        }
    }
}

// A level narrower or lower than 4 is reduced once more and no further, so
// more levels change nothing on such pictures (12: 6, 3, then 2).
void TestBlur::lensBlurStopsReducingSmallLevels()
{
    const int sizes[][3] = {{3, 3, 2}, {1, 40, 2}, {40, 1, 2}, {12, 12, 4}};
    for (const auto& size : sizes) {
        const auto src = EffectTestImage::noise(size[0], size[1], 23);
        auto few = EffectTestImage::flat(size[0], size[1], 0, 0, 0);
        auto many = few;
        QCOMPARE(ExecuteLensBlur(src.bits(), src.width, src.height, src.stride, few.bits(), size[2], 50), 1);
        QCOMPARE(ExecuteLensBlur(src.bits(), src.width, src.height, src.stride, many.bits(), 8, 50), 1);
        QVERIFY(few.samePixels(many));
    }
}

void TestBlur::lensBlurMatchesReference()
{
    const int sizes[][2] = {{1, 1}, {1, 17}, {17, 1}, {3, 3}, {4, 4}, {5, 9}, {16, 16}, {33, 17}, {64, 48}, {101, 77}, {250, 3}};
    for (const auto& size : sizes) {
        const auto src = EffectTestImage::noise(size[0], size[1], unsigned(size[0] * 131 + size[1]), 3);
        for (int levels : {1, 2, 3, 5, 7, 8, 12}) {
            for (int focus : {0, 50, 100}) {
                const Blur fast = [=](const EffectTestImage& s, EffectTestImage& d) {
                    return ExecuteLensBlur(s.bits(), s.width, s.height, s.stride, d.bits(), levels, focus);
                };
                const Blur plain = [=](const EffectTestImage& s, EffectTestImage& d) {
                    return Effects::lensBlurReference(s.bits(), s.width, s.height, s.stride, d.bits(), levels, focus);
                };
                QVERIFY2(agree(fast, plain, src), qPrintable(QStringLiteral("%1x%2, %3 levels, focus %4").arg(size[0]).arg(size[1]).arg(levels).arg(focus)));
            }
        }
    }
}

// 3 x 3 zeros with 64 at the centre: the binomial gives 16; the corner node
// has r = 1, weight 230: (16 x 230 + 64 x 26) >> 8 = 20.
void TestBlur::lensBlurNewImpulse()
{
    auto src = EffectTestImage::flat(3, 3, 0, 0, 0);
    src.at(1, 1, 1) = 64;
    auto dst = EffectTestImage::flat(3, 3, 9, 9, 9);
    QCOMPARE(ExecuteLensBlurNew(src.bits(), 3, 3, src.stride, dst.bits(), 0, 50), 1);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
            QCOMPARE(int(dst.at(x, y, 1)), x == 1 && y == 1 ? 20 : 0);
            QCOMPARE(int(dst.at(x, y, 0)), 0);
        }
    }
}

// Blue 0, 100, 200 in a 3 x 1 picture, sigma 0.5: radius 1, taps 35, 256,
// 35. Rounded horizontal sums 14, 127, 214 over weights 291, 326, 291 give
// the means 12, 100, 188; the one node has r = 1, weight 205:
// (12 x 205) >> 8 = 9, 100, (188 x 205 + 200 x 51) >> 8 = 190.
void TestBlur::gaussBlurKnownValues()
{
    auto src = EffectTestImage::flat(3, 1, 0, 0, 0);
    src.at(1, 0, 0) = 100;
    src.at(2, 0, 0) = 200;
    auto dst = EffectTestImage::flat(3, 1, 1, 1, 1);
    QCOMPARE(ExecuteGuassBlur(src.bits(), 3, 1, src.stride, dst.bits(), 50, 0.5), 1);
    QCOMPARE(int(dst.at(0, 0, 0)), 9);
    QCOMPARE(int(dst.at(1, 0, 0)), 100);
    QCOMPARE(int(dst.at(2, 0, 0)), 190);
    QCOMPARE(int(dst.at(1, 0, 1)), 0);
}

void TestBlur::gaussBlurMatchesReference()
{
    const int sizes[][2] = {{1, 1}, {1, 12}, {12, 1}, {3, 3}, {17, 9}, {40, 33}, {300, 2}};
    for (const auto& size : sizes) {
        const auto src = EffectTestImage::noise(size[0], size[1], unsigned(size[0] * 7 + size[1]), 2);
        for (double sigma : {0.3, 1.0, 2.5, 7.0, 400.0}) {
            const Blur fast = [=](const EffectTestImage& s, EffectTestImage& d) {
                return ExecuteGuassBlur(s.bits(), s.width, s.height, s.stride, d.bits(), 30, sigma);
            };
            const Blur plain = [=](const EffectTestImage& s, EffectTestImage& d) {
                return Effects::gaussBlurReference(s.bits(), s.width, s.height, s.stride, d.bits(), 30, sigma);
            };
            QVERIFY2(agree(fast, plain, src), qPrintable(QStringLiteral("%1x%2, sigma %3").arg(size[0]).arg(size[1]).arg(sigma)));
        }
    }
}

void TestBlur::gaussBlurWithoutSigmaLeavesDst()
{
    const auto src = EffectTestImage::noise(6, 5, 2);
    for (double sigma : {0.0, -2.0, std::numeric_limits<double>::quiet_NaN()}) {
        auto dst = EffectTestImage::flat(6, 5, 9, 9, 9);
        QCOMPARE(ExecuteGuassBlur(src.bits(), 6, 5, src.stride, dst.bits(), 50, sigma), 1);
        QVERIFY(dst.isFlat(9, 9, 9));
    }
}

// A 48 x 1 ramp (blue 5x): the first block's node lies at r = 1 (class 4:
// rightward, a step down after every 24 taps), the others inside the focus.
// Lines end where the step down would leave the picture: 24 taps at most.
void TestBlur::motionBlurLineStopsAtBorder_data()
{
    QTest::addColumn<bool>("small");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("fourth");

    QTest::newRow("10 taps") << false << 10 << 25 << 40;   // mean of x = 0..10, 3..13
    QTest::newRow("10 taps, small") << true << 10 << 25 << 40;
    QTest::newRow("stops after 24") << false << 30 << 60 << 75; // x = 0..24, 3..27
    QTest::newRow("stops after 24, small") << true << 30 << 60 << 75;
    QTest::newRow("longest") << false << 255 << 60 << 75;
}

void TestBlur::motionBlurLineStopsAtBorder()
{
    QFETCH(bool, small);
    QFETCH(int, length);
    QFETCH(int, first);
    QFETCH(int, fourth);

    auto src = EffectTestImage::flat(48, 1, 0, 0, 0);
    for (int x = 0; x < 48; ++x)
        src.at(x, 0, 0) = std::uint8_t(5 * x);
    auto dst = EffectTestImage::flat(48, 1, 1, 1, 1);
    const auto run = small ? ExecuteMotionBlurSmall : ExecuteMotionBlur;
    QCOMPARE(run(src.bits(), 48, 1, src.stride, dst.bits(), length, 0), 1);
    QCOMPARE(int(dst.at(0, 0, 0)), first);
    QCOMPARE(int(dst.at(3, 0, 0)), fourth);
    for (int x = 16; x < 48; ++x)
        QCOMPARE(int(dst.at(x, 0, 0)), 5 * x);
}

// 32 x 32, blue 10 x + 3 y, length 2: the node (0, 0) lies on the diagonal
// (class 5: down, a step right after every tap). Pixel (0, 0) takes (0, 1),
// (1, 2); the ratio-2 lines (0, 1), (0, 2) and (1, 0), (2, 0): 58 / 7 = 8.
// Pixel (1, 0): 10 + 13 + 26 + 13 + 16 + 20 + 30 = 128, / 7 = 18.
void TestBlur::motionBlurDiagonalTakesThreeLines()
{
    auto src = EffectTestImage::flat(32, 32, 0, 0, 0);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            src.at(x, y, 0) = std::uint8_t((10 * x + 3 * y) & 0xFF);
    }
    auto dst = EffectTestImage::flat(32, 32, 1, 1, 1);
    QCOMPARE(ExecuteMotionBlurSmall(src.bits(), 32, 32, src.stride, dst.bits(), 2, 0), 1);
    QCOMPARE(int(dst.at(0, 0, 0)), 8);
    QCOMPARE(int(dst.at(1, 0, 0)), 18);
    QCOMPARE(int(dst.at(0, 0, 1)), 0);
}

// The centre keeps the source; only the edge is blurred on the reduced copy.
void TestBlur::motionBlurReducesLargePictures()
{
    auto src = EffectTestImage::noise(1300, 40, 17, 1, 0x11);
    auto dst = EffectTestImage::flat(1300, 40, 0, 0, 0, 1, 0x66);
    QCOMPARE(ExecuteMotionBlur(src.bits(), 1300, 40, src.stride, dst.bits(), 20, 50), 1);
    QVERIFY(dst.paddingIs(0x66));
    int changedAtEdge = 0;
    for (int y = 0; y < 40; ++y) {
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(dst.at(650, y, c), src.at(650, y, c));
            changedAtEdge += dst.at(2, y, c) != src.at(2, y, c);
        }
    }
    QVERIFY(changedAtEdge > 0);
}

QTEST_APPLESS_MAIN(TestBlur)
#include "tst_blur.moc"
