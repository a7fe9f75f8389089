#include "effects/AceTone.h"

#include "PaddedImage.h"

#include <QtTest>

#include <cstring>
#include <vector>

class TestToneCurves : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void contextHoldsTheTransferTables();
    void brightnessCurvesAreMonotoneWithFixedEnds();
    void brightnessCurveExponent_data();
    void brightnessCurveExponent();
    void brightnessBytes_data();
    void brightnessBytes();
    void brightnessMatchesReference_data();
    void brightnessMatchesReference();
    void sixteenBitBrightnessAgreesWithEightBit_data();
    void sixteenBitBrightnessAgreesWithEightBit();
    void contrastTable_data();
    void contrastTable();
    void contrastRunsOnStoredValues();
    void subImageTouchesOnlyItsPart();
    void refusals_data();
    void refusals();

private:
    ACE_EXP_CONTEXT* m_context = nullptr;
};

void TestToneCurves::initTestCase()
{
    QCOMPARE(ACE_EXP_Init(&m_context), int(EffectOk));
    QVERIFY(m_context);
}

void TestToneCurves::cleanupTestCase()
{
    QCOMPARE(ACE_EXP_Uninit(m_context), int(EffectOk));
    QCOMPARE(ACE_EXP_Uninit(nullptr), int(EffectOk));
}

void TestToneCurves::contextHoldsTheTransferTables()
{
    QCOMPARE(int(m_context->decode8[0]), 0);
    QCOMPARE(int(m_context->decode8[255]), 4095);
    QCOMPARE(int(m_context->encode8[0]), 0);
    QCOMPARE(int(m_context->encode8[4095]), 255);
    QCOMPARE(int(m_context->decode16[65535]), 65535);
    QCOMPARE(int(m_context->encode16[65535]), 65535);
    for (int i = 0; i < 256; ++i)
        QCOMPARE(m_context->histogramLuma[i], 0u);
    QCOMPARE(ACE_EXP_Init(nullptr), int(EffectNoContext));
}

void TestToneCurves::brightnessCurvesAreMonotoneWithFixedEnds()
{
    std::vector<std::uint16_t> curve8(4096), curve16(65536);
    for (int brightness = -100; brightness <= 100; ++brightness) {
        QCOMPARE(ACE_BrighnessTable(curve8.data(), brightness), 0);
        QCOMPARE(ACE_BrighnessTable16(curve16.data(), brightness), 0);
        QCOMPARE(int(curve8[0]), 0);
        QCOMPARE(int(curve8[4095]), 4095);
        QCOMPARE(int(curve16[0]), 0);
        QCOMPARE(int(curve16[65535]), 65535);
        for (int i = 1; i < 4096; ++i) {
            if (curve8[i] < curve8[i - 1])
                QFAIL(qPrintable(QStringLiteral("8-bit curve %1 falls at %2").arg(brightness).arg(i)));
        }
        for (int i = 1; i < 65536; ++i) {
            if (curve16[i] < curve16[i - 1])
                QFAIL(qPrintable(QStringLiteral("16-bit curve %1 falls at %2").arg(brightness).arg(i)));
        }
        // Positive brightness lifts, negative lowers, everywhere.
        for (int i = 0; i < 4096; i += 15)
            QVERIFY(brightness >= 0 ? curve8[i] >= i : curve8[i] <= i);
    }
}

// curve[4095 - i] = 4095 - trunc(y x 4095 + 0.5), y = (i / 4095)^g above the
// toe. Brightness 100: g = 2.4; -100: g = 1 / 2.4.
void TestToneCurves::brightnessCurveExponent_data()
{
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("expected");
    // Index 2048: x = 2047 / 4095 = 0.499878; 0.499878^2.4 = 0.189356;
    // x 4095 = 775.41 -> 775; 4095 - 775 = 3320.
    QTest::newRow("100 at 2048") << 100 << 2048 << 3320;
    // 0.499878^(1 / 2.4) = 0.749077; x 4095 = 3067.47 -> 3067; 4095 - 3067 = 1028.
    QTest::newRow("-100 at 2048") << -100 << 2048 << 1028;
    // Index 4090: x = 5 / 4095 = 0.001221 lies on the toe, slope
    // 0.018^1.4 = 0.003609: y x 4095 = 5 x 0.003609 = 0.018 -> 0; 4095 - 0 = 4095.
    QTest::newRow("100 toe") << 100 << 4090 << 4095;
    // Slope 0.018^(1 / 2.4 - 1) = 10.4174: 5 x 10.4174 = 52.09 -> 52; 4043.
    QTest::newRow("-100 toe") << -100 << 4090 << 4043;
}

void TestToneCurves::brightnessCurveExponent()
{
    QFETCH(int, brightness);
    QFETCH(int, index);
    QFETCH(int, expected);
    std::vector<std::uint16_t> curve(4096);
    ACE_BrighnessTable(curve.data(), brightness);
    QCOMPARE(int(curve[size_t(index)]), expected);
}

// encode8[curve[decode8[c]]], worked through each table:
// decode8(c) = trunc(((c / 255 + 0.055) / 1.055)^2.4 x 4095 + 0.5);
// curve(l) = 4095 - trunc(((4095 - l) / 4095)^g x 4095 + 0.5);
// encode8(l) = trunc((1.055 (l / 4095)^(1 / 2.4) - 0.055) x 255 + 0.5).
void TestToneCurves::brightnessBytes_data()
{
    QTest::addColumn<int>("brightness");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("expected");
    QTest::newRow("100: 0 stays") << 100 << 0 << 0;
    QTest::newRow("100: 1") << 100 << 1 << 2;       // 1 -> 4095 - 4093 = 2 -> 2
    QTest::newRow("100: 64") << 100 << 64 << 97;    // 210 -> 4095 - 3609 = 486 -> 97
    QTest::newRow("100: 128") << 100 << 128 << 177; // 884 -> 4095 - 2284 = 1811 -> 177
    QTest::newRow("100: 200") << 100 << 200 << 240; // 2365 -> 4095 - 518 = 3577 -> 240
    QTest::newRow("100: 254") << 100 << 254 << 255; // 4059 -> 4095 (toe) -> 255
    QTest::newRow("100: 255 stays") << 100 << 255 << 255;
    QTest::newRow("-100: 1") << -100 << 1 << 0;       // 1 -> 0
    QTest::newRow("-100: 64") << -100 << 64 << 41;    // 210 -> 4095 - 4006 = 89 -> 41
    QTest::newRow("-100: 128") << -100 << 128 << 88;  // 884 -> 395 -> 88
    QTest::newRow("-100: 200") << -100 << 200 << 149; // 2365 -> 1235 -> 149
    QTest::newRow("-100: 254") << -100 << 254 << 244; // 4059 -> 3720 -> 244
    QTest::newRow("50: 128") << 50 << 128 << 157;     // g = 1.7: 884 -> 1387 -> 157
    QTest::newRow("-37: 128") << -37 << 128 << 107;   // g = 1 / 1.518: 884 -> 606 -> 107
    QTest::newRow("1: 128") << 1 << 128 << 129;       // g = 1.014: 884 -> 895 -> 129
    QTest::newRow("1: 64 stays") << 1 << 64 << 64;    // 210 -> 213 -> 64
}

void TestToneCurves::brightnessBytes()
{
    QFETCH(int, brightness);
    QFETCH(int, byte);
    QFETCH(int, expected);
    PaddedImage image(3, 2);
    image.fill(byte);
    EffectImage record = image.record();
    QCOMPARE(ACE_RunBrightnessEffectImage(m_context, brightness, &record), int(EffectOk));
    for (std::uint8_t value : image.pixels())
        QCOMPARE(int(value), expected);
    QVERIFY(image.outsideUntouched());

    PaddedImage grey(5, 1, 1);
    grey.fill(byte);
    record = grey.record(EffectFormatGray8);
    QCOMPARE(ACE_RunBrightnessEffectImage(m_context, brightness, &record), int(EffectOk));
    for (std::uint8_t value : grey.pixels())
        QCOMPARE(int(value), expected);
    QVERIFY(grey.outsideUntouched());
}

void TestToneCurves::brightnessMatchesReference_data()
{
    QTest::addColumn<int>("brightness");
    for (int b : {-100, -63, -1, 0, 1, 29, 100})
        QTest::addRow("%d", b) << b;
}

void TestToneCurves::brightnessMatchesReference()
{
    QFETCH(int, brightness);
    PaddedImage fast(37, 11, 3, 3), plain(37, 11, 3, 3);
    fast.fillNoise(1);
    plain.fillNoise(1);
    EffectImage a = fast.record(), b = plain.record();
    QCOMPARE(ACE_RunBrightnessEffectImage(m_context, brightness, &a), int(EffectOk));
    QCOMPARE(Effects::runBrightnessReference(m_context, brightness, &b), int(EffectOk));
    QCOMPARE(fast.pixels(), plain.pixels());
    QVERIFY(fast.outsideUntouched());
}

void TestToneCurves::sixteenBitBrightnessAgreesWithEightBit_data()
{
    QTest::addColumn<int>("brightness");
    for (int b : {-100, -50, 25, 100})
        QTest::addRow("%d", b) << b;
}

void TestToneCurves::sixteenBitBrightnessAgreesWithEightBit()
{
    // The 16-bit rule is the 8-bit one at a finer step: v x 257 spans the
    // same range, and the results meet within the quantisation of the 8-bit
    // route (12-bit linear in the middle, one step of 8-bit output).
    QFETCH(int, brightness);
    PaddedImage wide(256, 1, 6, 4), narrow(256, 1, 3, 4);
    for (int v = 0; v < 256; ++v) {
        narrow.setPixel(v, 0, v, v, v);
        for (int c = 0; c < 3; ++c) {
            const std::uint16_t value = std::uint16_t(v * 257);
            std::memcpy(wide.pixel(v, 0) + 2 * c, &value, 2);
        }
    }
    EffectImage w = wide.record(EffectFormatBGR16), n = narrow.record();
    QCOMPARE(ACE_RunBrightnessEffectImage(m_context, brightness, &w), int(EffectOk));
    QCOMPARE(ACE_RunBrightnessEffectImage(m_context, brightness, &n), int(EffectOk));
    for (int v = 0; v < 256; ++v) {
        for (int c = 0; c < 3; ++c) {
            std::uint16_t value;
            std::memcpy(&value, wide.pixel(v, 0) + 2 * c, 2);
            const double asByte = value / 257.0;
            if (std::abs(asByte - narrow.at(v, 0, c)) > 1.5)
                QFAIL(qPrintable(QStringLiteral("byte %1: 16-bit %2, 8-bit %3").arg(v).arg(asByte).arg(narrow.at(v, 0, c))));
        }
    }
    // The end points are exact on both routes.
    std::uint16_t first, last;
    std::memcpy(&first, wide.pixel(0, 0), 2);
    std::memcpy(&last, wide.pixel(255, 0), 2);
    QCOMPARE(int(first), 0);
    QCOMPARE(int(last), 65535);
    QVERIFY(wide.outsideUntouched());
}

// 8-bit: k = contrast / 200; below 128 i - trunc((64 - |i - 64|) k), from
// 128 i + trunc((64 - |i - 192|) k). 16-bit: the same with 16384, 32768 and
// 49152. Entries outside the range clamp.
void TestToneCurves::contrastTable_data()
{
    QTest::addColumn<int>("contrast");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("expected8");
    QTest::addColumn<int>("index16");
    QTest::addColumn<int>("expected16");
    QTest::newRow("100 at quarter") << 100 << 64 << 32 << 16384 << 8192;
    QTest::newRow("100 at three quarters") << 100 << 192 << 224 << 49152 << 57344;
    QTest::newRow("100 at ends") << 100 << 255 << 255 << 65535 << 65535;
    QTest::newRow("-200 at quarter") << -200 << 64 << 128 << 16384 << 32768;
    QTest::newRow("200 at three quarters") << 200 << 192 << 255 << 49152 << 65535;
    // Double precision here: 30 / 200 = 0.15, 20 x 0.15 = 3.
    QTest::newRow("30 at 20") << 30 << 20 << 17 << 100 << 100 - 15;
    // 288 and 65536 + 16384: stored as 0 they would turn white black.
    QTest::newRow("300 clamps high") << 300 << 192 << 255 << 49152 << 65535;
    QTest::newRow("300 clamps low") << 300 << 64 << 0 << 16384 << 0;
    QTest::newRow("300 just above half") << 300 << 129 << 130 << 32769 << 32770;
}

void TestToneCurves::contrastTable()
{
    QFETCH(int, contrast);
    QFETCH(int, index);
    QFETCH(int, expected8);
    QFETCH(int, index16);
    QFETCH(int, expected16);
    std::vector<std::uint8_t> table8(256);
    std::vector<std::uint16_t> table16(65536);
    QCOMPARE(ACE_ContrastTable(table8.data(), contrast), 0);
    QCOMPARE(ACE_ContrastTable16(table16.data(), contrast), 0);
    QCOMPARE(int(table8[size_t(index)]), expected8);
    QCOMPARE(int(table16[size_t(index16)]), expected16);
}

void TestToneCurves::contrastRunsOnStoredValues()
{
    PaddedImage image(4, 3);
    image.fill(64);
    image.setPixel(1, 1, 192, 128, 0);
    EffectImage record = image.record();
    QCOMPARE(ACE_RunContrastEffectImage(m_context, 100, &record), int(EffectOk));
    QCOMPARE(image.at(0, 0, 0), 32);
    QCOMPARE(image.bgr(1, 1), (QList<int>{224, 128, 0}));
    QVERIFY(image.outsideUntouched());

    const auto before = image.pixels();
    QCOMPARE(ACE_RunContrastEffectImage(m_context, 0, &record), int(EffectOk));
    QCOMPARE(image.pixels(), before);

    // 16-bit B,G,R with an odd stride, so every other row starts at an odd
    // address: 16384 -> 8192, 49152 -> 57344, 65535 stays.
    PaddedImage wide(2, 3, 6, 3);
    const std::uint16_t values[3] = {16384, 49152, 65535};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            std::memcpy(wide.pixel(x, y), values, sizeof values);
    record = wide.record(EffectFormatBGR16);
    QCOMPARE(ACE_RunContrastEffectImage(m_context, 100, &record), int(EffectOk));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 2; ++x) {
            std::uint16_t out[3];
            std::memcpy(out, wide.pixel(x, y), sizeof out);
            QCOMPARE((QList<int>{out[0], out[1], out[2]}), (QList<int>{8192, 57344, 65535}));
        }
    }
    QVERIFY(wide.outsideUntouched());
}

void TestToneCurves::subImageTouchesOnlyItsPart()
{
    // The 2 x 2 part at (1, 1) of a 5 x 4 image.
    PaddedImage image(5, 4);
    image.fill(64);
    EffectSubImage part = image.subRecord(1, 1, 2, 2);
    QCOMPARE(ACE_RunContrastEffectSubImage(m_context, 100, &part), int(EffectOk));
    // 64 -> 32, then decode8(32) = 59, curve = 4095 - trunc((4036 / 4095)^2.4 x 4095 + 0.5) = 140, encode8(140) = 52.
    QCOMPARE(ACE_RunBrightnessEffectSubImage(m_context, 100, &part), int(EffectOk));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            const bool inside = x >= 1 && x <= 2 && y >= 1 && y <= 2;
            for (int c = 0; c < 3; ++c)
                QCOMPARE(image.at(x, y, c), inside ? 52 : 64);
        }
    }
    QVERIFY(image.outsideUntouched());
}

void TestToneCurves::refusals_data()
{
    QTest::addColumn<bool>("withContext");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("expected");
    QTest::newRow("no context") << false << 1 << int(EffectNoContext);
    QTest::newRow("format 0") << true << 0 << int(EffectNoContext);
    QTest::newRow("format 5") << true << 5 << int(EffectNoContext);
    QTest::newRow("format 4") << true << 4 << int(EffectOk);
}

void TestToneCurves::refusals()
{
    QFETCH(bool, withContext);
    QFETCH(int, format);
    QFETCH(int, expected);
    PaddedImage image(2, 2, 2, 2);
    image.fillNoise(5);
    const auto before = image.pixels();
    EffectImage record = image.record(format);
    ACE_EXP_CONTEXT* context = withContext ? m_context : nullptr;
    QCOMPARE(ACE_RunBrightnessEffectImage(context, 40, &record), expected);
    QCOMPARE(ACE_RunContrastEffectImage(context, 40, &record), expected);
    if (expected != EffectOk)
        QCOMPARE(image.pixels(), before);
    QCOMPARE(ACE_RunBrightnessEffectImage(m_context, 40, nullptr), int(EffectNoContext));
    QVERIFY(image.outsideUntouched());
}

QTEST_GUILESS_MAIN(TestToneCurves)
#include "tst_tonecurves.moc"
