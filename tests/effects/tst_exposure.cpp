#include "effects/AceTone.h"

#include "PaddedImage.h"

#include <QtTest>

#include <cmath>

class TestExposure : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void histogramsCountDecodedValues();
    void blackImageGivesIdentity();
    void midGreyGivesGainOnePointEight();
    void clippedImageGivesGainTable();
    void limitMustBeExceeded_data();
    void limitMustBeExceeded();
    void subImagesAccumulate();
    void correctionBeforeAnalysisChangesNothing();
    void correctionMatchesReference_data();
    void correctionMatchesReference();
    void refusals();

private:
    void analyse(PaddedImage& image, int format = EffectFormatBGR8);
    ACE_EXP_CONTEXT* m_context = nullptr;
};

void TestExposure::init()
{
    QCOMPARE(ACE_EXP_Init(&m_context), int(EffectOk));
}

void TestExposure::cleanup()
{
    ACE_EXP_Uninit(m_context);
    m_context = nullptr;
}

void TestExposure::analyse(PaddedImage& image, int format)
{
    EffectImage record = image.record(format);
    QCOMPARE(ACE_PreExpEffectImage(m_context, &record), int(EffectOk));
    QCOMPARE(ACE_Analysis(m_context), int(EffectOk));
}

void TestExposure::histogramsCountDecodedValues()
{
    // decode8: 187 -> 2035 (bin 127), 255 -> 4095 (bin 255), 0 -> 0.
    // Luminance bin of (0, 187, 255): (601 x 2035 + 306 x 4095) >> 14 = 151.
    PaddedImage image(3, 1);
    image.setPixel(0, 0, 187, 187, 187);
    image.setPixel(1, 0, 0, 187, 255);
    image.setPixel(2, 0, 255, 0, 0);
    EffectImage record = image.record();
    QCOMPARE(ACE_PreExpEffectImage(m_context, &record), int(EffectOk));
    QCOMPARE(m_context->width, 3);
    QCOMPARE(m_context->height, 1);
    QCOMPARE(m_context->histogramB[127], 1u);
    QCOMPARE(m_context->histogramB[0], 1u);
    QCOMPARE(m_context->histogramB[255], 1u);
    QCOMPARE(m_context->histogramG[127], 2u);
    QCOMPARE(m_context->histogramR[255], 1u);
    QCOMPARE(m_context->histogramLuma[127], 1u);
    QCOMPARE(m_context->histogramLuma[151], 1u);
    QCOMPARE(m_context->histogramLuma[29], 1u); // 117 x 4095 >> 14

    // Grey bytes count once in every histogram.
    PaddedImage grey(2, 1, 1);
    grey.fill(187);
    record = grey.record(EffectFormatGray8);
    QCOMPARE(ACE_PreExpEffectImage(m_context, &record), int(EffectOk));
    for (const std::uint32_t* h : {m_context->histogramB, m_context->histogramG, m_context->histogramR, m_context->histogramLuma})
        QCOMPARE(h[127], 2u);
    QCOMPARE(m_context->histogramB[0], 0u); // cleared first
}

void TestExposure::blackImageGivesIdentity()
{
    PaddedImage image(8, 8);
    analyse(image);
    QCOMPARE(m_context->exposureGain, 1.0);
    for (int i = 0; i < 4096; ++i)
        QCOMPARE(int(m_context->exposureCurve[i]), i);

    PaddedImage noise(9, 7);
    noise.fillNoise(4);
    const auto before = noise.pixels();
    EffectImage record = noise.record();
    QCOMPARE(ACE_RunExpEffectImage(m_context, &record), int(EffectOk));
    QCOMPARE(noise.pixels(), before);
}

void TestExposure::midGreyGivesGainOnePointEight()
{
    // Every pixel 187: decoded 2035, bin 127 in all four histograms. Adding
    // bin 127 exceeds 2 %, so the bright point is 126 and
    // g = 0.9 x (255 / 126) = 0.9 x 2 = 1.8.
    PaddedImage image(10, 10);
    image.fill(187);
    analyse(image);
    QCOMPARE(m_context->exposureGain, 1.8);

    // Tone curve: K = 4095 x 1.8 + 0.5 = 7371.5, n = trunc(K / 4) = 1842;
    // identity below n, then stretched by g: curve[i] = pre[trunc(1.8 i + 0.5)];
    // white from e = trunc(4095 / 1.8) = 2275 on.
    const std::uint16_t* curve = m_context->exposureCurve;
    QCOMPARE(int(curve[100]), 180);
    QCOMPARE(int(curve[1000]), 1800);
    QCOMPARE(int(curve[1023]), 1841); // trunc(1841.9) = 1841 < n
    QCOMPARE(int(curve[2275]), 4095);
    QCOMPARE(int(curve[4095]), 4095);
    // Quadratic part, c0 = -0.8 / 9, c1 = 22.6 / 9, c2 = 1 - c1 - c0 = -12.8 / 9:
    // curve[2035] = pre[3663]; t = 3663 / 7371.5 = 0.496914;
    // y = (c2 t + c1) t + c0 = 0.807812; x 4095 = 3307.99 -> 3308.
    QCOMPARE(int(curve[2035]), 3308);
    for (int i = 1; i < 4096; ++i)
        QVERIFY(curve[i] >= curve[i - 1]);

    // 187 -> 3308 -> encode8 232; 50 -> 131 -> 236 -> 68; 100 -> 522 -> 940 -> 132.
    PaddedImage photo(3, 1);
    photo.setPixel(0, 0, 187, 50, 100);
    photo.setPixel(1, 0, 0, 255, 230); // 230 -> 3240, past e: white
    EffectImage record = photo.record();
    QCOMPARE(ACE_RunExpEffectImage(m_context, &record), int(EffectOk));
    QCOMPARE(photo.bgr(0, 0), (QList<int>{232, 68, 132}));
    QCOMPARE(photo.bgr(1, 0), (QList<int>{0, 255, 255}));
    QVERIFY(photo.outsideUntouched());
}

void TestExposure::clippedImageGivesGainTable()
{
    // 100 pixels, limit 2: three white pixels put 3 counts in bin 255 of every
    // histogram, so p = 254, g = 0.9 x (255 / 254) = 0.9 and then sqrt(0.9).
    PaddedImage image(10, 10);
    image.fill(128);
    for (int x = 0; x < 3; ++x)
        image.setPixel(x, 9, 255, 255, 255);
    analyse(image);
    const double g = std::sqrt(0.9); // 0.948683
    QCOMPARE(m_context->exposureGain, g);

    // Gain in 1/4096: raw[i] = trunc(i g + 0.5) below 1024, then
    // curve[i] = raw[i] x 4095 / i.
    const std::uint16_t* curve = m_context->exposureCurve;
    QCOMPARE(int(curve[0]), 0);
    QCOMPARE(int(curve[1]), 4095);    // raw 1
    QCOMPARE(int(curve[884]), 3886);  // raw 839: 3435705 / 884
    QCOMPARE(int(curve[1023]), 3886); // raw 971
    // From 1024 on the quadratic with a = (1 - g) 16 / 9 = 0.091230:
    // x = 2000 / 4095, y = (a x + g - a / 2) x + 1 - g - a / 2 = 0.468667,
    // raw 1919; 1919 x 4095 / 2000 = 3929.
    QCOMPARE(int(curve[2000]), 3929);
    QCOMPARE(int(curve[4095]), 4095); // y(1) = 1

    // Grey 128: linear 884, gain 3886: 884 x 3886 >> 12 = 838 -> encode8 125.
    // (40, 90, 200): linear (87, 419, 2365), luminance 962, gain 3886:
    // (82, 397, 2243) -> (39, 88, 195). White keeps 255 (4095 x 4095 >> 12 = 4094).
    PaddedImage photo(3, 1);
    photo.setPixel(0, 0, 128, 128, 128);
    photo.setPixel(1, 0, 40, 90, 200);
    photo.setPixel(2, 0, 255, 255, 255);
    EffectImage record = photo.record();
    QCOMPARE(ACE_RunExpEffectImage(m_context, &record), int(EffectOk));
    QCOMPARE(photo.pixels(), (std::vector<std::uint8_t>{125, 125, 125, 39, 88, 195, 255, 255, 255}));
    QVERIFY(photo.outsideUntouched());

    // Grey bytes use their own gain: 200 -> 2365, gain 3954 -> 2283 -> 197.
    PaddedImage grey(3, 1, 1);
    grey.pixel(0, 0)[0] = 128;
    grey.pixel(1, 0)[0] = 200;
    record = grey.record(EffectFormatGray8);
    QCOMPARE(ACE_RunExpEffectImage(m_context, &record), int(EffectOk));
    QCOMPARE(grey.pixels(), (std::vector<std::uint8_t>{125, 197, 0}));
    QVERIFY(grey.outsideUntouched());
}

void TestExposure::limitMustBeExceeded_data()
{
    QTest::addColumn<int>("whitePixels");
    QTest::addColumn<double>("gain");
    // 100 pixels: limit 100 / 50 = 2. Two white pixels only reach it, and
    // the black rest sits in bin 0, which is never added.
    QTest::newRow("2 of 100") << 2 << 1.0;
    QTest::newRow("3 of 100") << 3 << std::sqrt(0.9);
}

void TestExposure::limitMustBeExceeded()
{
    QFETCH(int, whitePixels);
    QFETCH(double, gain);
    PaddedImage image(10, 10);
    for (int x = 0; x < whitePixels; ++x)
        image.setPixel(x, 0, 255, 255, 255);
    analyse(image);
    QCOMPARE(m_context->exposureGain, gain);
}

void TestExposure::subImagesAccumulate()
{
    // Two halves of a 10 x 10 image: 2 white pixels in each, 4 in all,
    // over the limit of 2 only together.
    PaddedImage image(10, 10);
    image.setPixel(0, 0, 255, 255, 255);
    image.setPixel(1, 0, 255, 255, 255);
    image.setPixel(0, 5, 255, 255, 255);
    image.setPixel(1, 5, 255, 255, 255);
    EffectSubImage part = image.subRecord(0, 0, 10, 5);
    QCOMPARE(ACE_PreExposureSubImage(m_context, &part, 1), int(EffectOk));
    part.bits = image.pixel(0, 5);
    QCOMPARE(ACE_PreExposureSubImage(m_context, &part, 0), int(EffectOk));
    QCOMPARE(m_context->histogramLuma[255], 4u);
    QCOMPARE(ACE_Analysis(m_context), int(EffectOk));
    QCOMPARE(m_context->exposureGain, std::sqrt(0.9));

    // Starting over clears.
    QCOMPARE(ACE_PreExposureSubImage(m_context, &part, 1), int(EffectOk));
    QCOMPARE(m_context->histogramLuma[255], 2u);

    // The correction of a part leaves the rest alone.
    image.fill(128);
    part.bits = image.pixel(0, 5);
    QCOMPARE(ACE_RunExposureSubImage(m_context, &part), int(EffectOk));
    QCOMPARE(image.at(0, 4, 0), 128);
    QCOMPARE(image.at(9, 9, 2), 125);
    QVERIFY(image.outsideUntouched());
}

void TestExposure::correctionBeforeAnalysisChangesNothing()
{
    PaddedImage image(6, 6);
    image.fillNoise(8);
    const auto before = image.pixels();
    EffectImage record = image.record();
    QCOMPARE(ACE_RunExpEffectImage(m_context, &record), int(EffectOk));
    QCOMPARE(image.pixels(), before);
}

void TestExposure::correctionMatchesReference_data()
{
    QTest::addColumn<int>("grey");
    QTest::newRow("tone curve") << 187;
    QTest::newRow("gain table") << 255;
    QTest::newRow("dark") << 40;
}

void TestExposure::correctionMatchesReference()
{
    QFETCH(int, grey);
    PaddedImage sample(8, 8);
    sample.fill(grey);
    analyse(sample);
    PaddedImage fast(33, 9, 3, 1), plain(33, 9, 3, 1);
    fast.fillNoise(12);
    plain.fillNoise(12);
    EffectImage a = fast.record(), b = plain.record();
    QCOMPARE(ACE_RunExpEffectImage(m_context, &a), int(EffectOk));
    QCOMPARE(Effects::runExposureReference(m_context, &b), int(EffectOk));
    QCOMPARE(fast.pixels(), plain.pixels());
    QVERIFY(fast.outsideUntouched());
}

void TestExposure::refusals()
{
    PaddedImage image(2, 2, 6, 2);
    EffectImage record = image.record(EffectFormatBGR16);
    EffectSubImage part{};
    part.format = EffectFormatBGR16;
    QCOMPARE(ACE_PreExpEffectImage(m_context, &record), int(EffectNoContext));
    QCOMPARE(ACE_PreExposureSubImage(m_context, &part, 1), int(EffectNoContext));
    QCOMPARE(ACE_RunExpEffectImage(m_context, &record), int(EffectNoContext));
    QCOMPARE(ACE_RunExposureSubImage(m_context, &part), int(EffectNoContext));
    record.format = EffectFormatBGR8;
    QCOMPARE(ACE_PreExpEffectImage(nullptr, &record), int(EffectNoContext));
    QCOMPARE(ACE_Analysis(nullptr), int(EffectNoContext));
    QCOMPARE(ACE_RunExpEffectImage(nullptr, &record), int(EffectNoContext));
    QCOMPARE(ACE_RunExposureSubImage(nullptr, &part), int(EffectNoContext));
    QCOMPARE(ACE_PreExpEffectImage(m_context, nullptr), int(EffectNoContext));
    QVERIFY(image.outsideUntouched());
}

QTEST_GUILESS_MAIN(TestExposure)
#include "tst_exposure.moc"
