#include "effects/FilmEngine.h"
#include "effects/FilmGrain.h"

#include <QtTest>

#include <cmath>
#include <cstdlib>
#include <vector>

class TestFilmGrain : public QObject
{
    Q_OBJECT

private slots:
    void generatorFollowsTheCLibrary_data();
    void generatorFollowsTheCLibrary();
    void generatorLeavesRandAlone();
    void defaultGrainSize_data();
    void defaultGrainSize();
    void cubicWeight();
    void resampleRoads_data();
    void resampleRoads();
    void noiseAmplitude_data();
    void noiseAmplitude();
    void noiseRepeats();
    void grainWeightsByColour();
    void tinyPictures();
};

void TestFilmGrain::generatorFollowsTheCLibrary_data()
{
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("0 acts as 1") << 0u;
    QTest::newRow("1") << 1u;
    QTest::newRow("5") << 5u;
    QTest::newRow("23") << 23u;
}

void TestFilmGrain::generatorFollowsTheCLibrary()
{
    // The peer: glibc's rand() with the same seed.
    QFETCH(unsigned, seed);
    FilmRandom ours(seed);
    std::srand(seed);
    for (int i = 0; i < 2000; ++i)
        QCOMPARE(ours.next(), std::rand());
}

void TestFilmGrain::generatorLeavesRandAlone()
{
    std::srand(77);
    const int first = std::rand();
    std::srand(77);
    std::vector<std::int16_t> noise(64 * 64 * 3);
    fpGenerateNoiseImage(noise.data(), 64, 64, 5, 100, 1.0);
    QCOMPARE(std::rand(), first);
}

void TestFilmGrain::defaultGrainSize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("mode0");
    QTest::addColumn<double>("mode1");
    QTest::addColumn<double>("mode2");
    // 1 + 0.1 x ((M - threshold) / divisor), integer division, at most 10.
    QTest::newRow("small") << 1423 << 900 << 1.0 << 1.0 << 1.0;
    QTest::newRow("at the first threshold") << 1424 << 10 << 1.0 << 1.0 << 1.0;
    QTest::newRow("2000 long") << 1000 << 2000 << 1.9 << 1.1 << 1.0;
    QTest::newRow("4000 long") << 4000 << 3000 << 1.0 + 0.1 * 40 << 1.0 + 0.1 * 24 << 1.0 + 0.1 * 5;
    QTest::newRow("capped") << 8000 << 100 << 10.0 << 1.0 + 0.1 * 70 << 1.0 + 0.1 * 33;
}

void TestFilmGrain::defaultGrainSize()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, mode0);
    QFETCH(double, mode1);
    QFETCH(double, mode2);
    double size = 0.0;
    QCOMPARE(GetFilmDefaultGrainSize(&size, width, height, 0), 0);
    QCOMPARE(size, mode0);
    GetFilmDefaultGrainSize(&size, width, height, 1);
    QCOMPARE(size, mode1);
    GetFilmDefaultGrainSize(&size, width, height, 2);
    QCOMPARE(size, mode2);
    GetFilmDefaultGrainSize(&size, width, height, 7);
    QCOMPARE(size, 1.0);
}

void TestFilmGrain::cubicWeight()
{
    QCOMPARE(CubicWeight(0.0), 4.0 / 6.0);
    QCOMPARE(CubicWeight(1.0), 1.0 / 6.0);
    QCOMPARE(CubicWeight(-1.0), 1.0 / 6.0);
    QCOMPARE(CubicWeight(2.0), 0.0);
    QCOMPARE(CubicWeight(-2.5), 0.0);
    QCOMPARE(CubicWeight(0.5), 2.875 / 6.0);
}

void TestFilmGrain::resampleRoads_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("keepsFlat");
    // A flat buffer stays flat through the two linear taps (weights sum to
    // 1024) but not through the truncated B-spline weights (they sum to
    // less): the roads show in the result.
    QTest::newRow("below 1 refused") << 0.5 << -1 << true;
    QTest::newRow("1.0000005 untouched") << 1.0000005 << 0 << true;
    QTest::newRow("1.25 two taps") << 1.25 << 0 << true;
    QTest::newRow("1.99 two taps") << 1.99 << 0 << true;
    QTest::newRow("2.0 four taps") << 2.0 << 0 << false;
    QTest::newRow("2.37 four taps") << 2.37 << 0 << false;
}

void TestFilmGrain::resampleRoads()
{
    QFETCH(double, scale);
    QFETCH(int, result);
    QFETCH(bool, keepsFlat);
    const int width = 40, height = 30;
    std::vector<std::int16_t> noise(size_t(width * height * 3), 100);
    QCOMPARE(fpResampleByScaleBicubic(noise.data(), width, height, 3, scale), result);
    const bool flat = std::all_of(noise.begin(), noise.end(), [](std::int16_t v) { return v == 100; });
    QCOMPARE(flat, keepsFlat);
    if (!keepsFlat)
        QVERIFY(std::all_of(noise.begin(), noise.end(), [](std::int16_t v) { return v >= 96 && v <= 100; }));
}

void TestFilmGrain::noiseAmplitude_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<double>("sigma");
    QTest::addColumn<bool>("colour");
    // sigma = intensity x a1 x a2 x 0.005 at size 1. Model 3 has scale 1.0,
    // so a 300 x 200 picture is exactly the noise tile.
    QTest::newRow("model 3, colour") << 3 << 100 * 1.5 * 7.35 * 0.005 << true;
    QTest::newRow("model 15, one draw per pixel") << 15 << 0.0 << false;
}

void TestFilmGrain::noiseAmplitude()
{
    QFETCH(int, model);
    QFETCH(double, sigma);
    QFETCH(bool, colour);
    const int width = 300, height = 200;
    std::vector<std::int16_t> noise(size_t(width * height * 3));
    QCOMPARE(fpGenerateNoiseImage(noise.data(), width, height, model, 100, 1.0), 0);
    if (colour) {
        double sum = 0, squares = 0;
        for (std::int16_t v : noise) {
            sum += v;
            squares += double(v) * v;
        }
        const double mean = sum / noise.size();
        const double deviation = std::sqrt(squares / noise.size() - mean * mean);
        // Samples are trunc(g x sigma + 0.5): negative ones move towards 0.
        // For sigma 5.5125 that gives a mean of 0.464 and a deviation of
        // 5.131 (integrated over the normal density).
        QCOMPARE(sigma, 5.5125);
        QVERIFY2(std::abs(deviation - 5.131) < 0.05, qPrintable(QString::number(deviation)));
        QVERIFY2(std::abs(mean - 0.464) < 0.05, qPrintable(QString::number(mean)));
        bool channelsDiffer = false;
        for (size_t i = 0; i < noise.size(); i += 3)
            channelsDiffer |= noise[i] != noise[i + 1];
        QVERIFY(channelsDiffer);
    } else {
        for (size_t i = 0; i < noise.size(); i += 3) {
            QCOMPARE(noise[i], noise[i + 1]);
            QCOMPARE(noise[i], noise[i + 2]);
        }
    }

    std::vector<std::int16_t> none(size_t(width * height * 3), 5);
    fpGenerateNoiseImage(none.data(), width, height, 0, 100, 1.0);
    QVERIFY(std::all_of(none.begin(), none.end(), [](std::int16_t v) { return v == 0; }));
    fpGenerateNoiseImage(none.data(), width, height, 24, 100, 1.0); // amplitude 0 past the table
    QVERIFY(std::all_of(none.begin(), none.end(), [](std::int16_t v) { return v == 0; }));
}

void TestFilmGrain::noiseRepeats()
{
    const int width = 257, height = 311; // more than one tile, odd sizes
    std::vector<std::int16_t> a(size_t(width * height * 3)), b(a.size());
    for (int model : {1, 10, 13}) {
        fpGenerateNoiseImage(a.data(), width, height, model, 100, 5.0);
        fpGenerateNoiseImage(b.data(), width, height, model, 100, 5.0);
        QVERIFY(a == b);
        QVERIFY(std::any_of(a.begin(), a.end(), [](std::int16_t v) { return v != 0; }));
    }
}

void TestFilmGrain::grainWeightsByColour()
{
    // Weight 0 leaves the picture alone; weight 255 adds nearly all the noise.
    const int width = 64, height = 48, stride = 3 * width + 5;
    std::vector<std::uint8_t> picture(size_t(stride * height), 128);
    FPParamInfo info{};
    info.grainModel = 1;
    info.grainIntensity = 100;
    info.grainSize = 1.0;
    std::vector<std::uint8_t> weights(12288, 0);
    info.grainTable = weights.data();
    QCOMPARE(fpPhotoFilmGrain(&info, picture.data(), width, height, stride), 0);
    QVERIFY(std::all_of(picture.begin(), picture.end(), [](std::uint8_t v) { return v == 128; }));

    // Only the entry of mid-grey (8, 8, 8) carries weight.
    const int entry = (8 * 256 + 8 * 16 + 8) * 3;
    weights[size_t(entry)] = weights[size_t(entry + 1)] = weights[size_t(entry + 2)] = 255;
    std::vector<std::int16_t> noise(size_t(width * height * 3));
    fpGenerateNoiseImage(noise.data(), width, height, 1, 100, 1.0);
    QCOMPARE(fpPhotoFilmGrain(&info, picture.data(), width, height, stride), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c) {
                const int d = noise[size_t((y * width + x) * 3 + c)];
                QCOMPARE(int(picture[size_t(y * stride + x * 3 + c)]), std::clamp(128 + ((d * 255) >> 8), 0, 255));
            }
        for (int x = 3 * width; x < stride; ++x)
            QCOMPARE(int(picture[size_t(y * stride + x)]), 128);
    }
}

void TestFilmGrain::tinyPictures()
{
    // A crop that would round to no pixel keeps one.
    for (const QSize& size : {QSize(1, 1), QSize(1, 7), QSize(5, 1)}) {
        std::vector<std::uint8_t> picture(size_t(size.width() * size.height() * 3), 100);
        std::vector<std::uint8_t> weights(12288, 200);
        FPParamInfo info{};
        info.grainModel = 10;
        info.grainIntensity = 100;
        info.grainSize = 10.0;
        info.grainTable = weights.data();
        QCOMPARE(fpPhotoFilmGrain(&info, picture.data(), size.width(), size.height(), size.width() * 3), 0);
    }
}

QTEST_GUILESS_MAIN(TestFilmGrain)
#include "tst_filmgrain.moc"
