#include "effects/WhiteBalance.h"

#include <QtTest>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// A B, G, R picture with padding bytes after each row.
struct Picture
{
    int width = 0;
    int height = 0;
    int stride = 0;
    std::vector<std::uint8_t> bytes;

    Picture(int w, int h, int padding = 0)
        : width(w), height(h), stride(3 * w + padding), bytes(std::size_t(stride) * std::size_t(h), 0xAB)
    {
    }

    void fill(int b, int g, int r)
    {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                set(x, y, b, g, r);
        }
    }
    void set(int x, int y, int b, int g, int r)
    {
        std::uint8_t* p = pixel(x, y);
        p[0] = std::uint8_t(b);
        p[1] = std::uint8_t(g);
        p[2] = std::uint8_t(r);
    }
    std::uint8_t* pixel(int x, int y) { return bytes.data() + std::size_t(y) * stride + 3 * x; }
    EffectImage image(int format = EffectFormatBGR8)
    {
        return EffectImage{width, height, format, 0, stride, bytes.data()};
    }
};

// Every byte value in every channel, plus white and black.
Picture allValues()
{
    Picture p(258, 1, 5);
    for (int x = 0; x < 256; ++x)
        p.set(x, 0, x, 255 - x, (x * 7) & 255);
    p.set(256, 0, 255, 255, 255);
    p.set(257, 0, 0, 0, 0);
    return p;
}

} // namespace

class TestWhiteBalance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void referenceWhiteOnlyRoundTripsThroughLinear_data();
    void referenceWhiteOnlyRoundTripsThroughLinear();
    void presetsAreTemperatures_data();
    void presetsAreTemperatures();
    void settingsBeyondTheRangeActAsItsEnds_data();
    void settingsBeyondTheRangeActAsItsEnds();
    void whiteStaysWhite();
    void greyFollowsTheTemperature_data();
    void greyFollowsTheTemperature();
    void grayWorldGains();
    void grayWorldMode();
    void refusesBadArguments();
    void keepsPaddingAndEmptyImages();
    void contextsAreIndependent();
    void processWideVariants();

private:
    Picture run(Picture picture, std::int32_t mode, std::int32_t temperature, std::int32_t tint,
                int* result = nullptr);

    AWB_WHITEBALANCE_CONTEXT* m_context = nullptr;
};

void TestWhiteBalance::init()
{
    QCOMPARE(AWB_WHITEBALANCE_Init(&m_context), 0);
    QVERIFY(m_context && m_context->decode && m_context->encode && !m_context->reserved);
}

void TestWhiteBalance::cleanup()
{
    QCOMPARE(AWB_WHITEBALANCE_Uninit(m_context), 0);
    m_context = nullptr;
}

Picture TestWhiteBalance::run(Picture picture, std::int32_t mode, std::int32_t temperature, std::int32_t tint,
                              int* result)
{
    EffectImage image = picture.image();
    const int r = AWB_RunWhiteBalanceEffectImage(m_context, WhiteBalanceSetting{mode, temperature}, tint, &image);
    if (result)
        *result = r;
    return picture;
}

void TestWhiteBalance::referenceWhiteOnlyRoundTripsThroughLinear_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("mode 0") << 0;
    QTest::newRow("mode 8 at 5000 K tint 10") << 8;
    QTest::newRow("unknown mode 9") << 9;
    QTest::newRow("unknown mode -1") << -1;
}

void TestWhiteBalance::referenceWhiteOnlyRoundTripsThroughLinear()
{
    QFETCH(int, mode);
    const Picture before = allValues();
    int result = -1;
    const Picture after = run(before, mode, 5000, 10, &result);
    QCOMPARE(result, 0);
    for (int x = 0; x < before.width; ++x) {
        for (int c = 0; c < 3; ++c) {
            const int in = before.bytes[std::size_t(3 * x + c)];
            QCOMPARE(int(after.bytes[std::size_t(3 * x + c)]), int(m_context->encode[m_context->decode[in]]));
        }
    }
}

void TestWhiteBalance::presetsAreTemperatures_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("temperature");
    QTest::addColumn<int>("tint");
    QTest::newRow("2") << 2 << 5500 << 10;
    QTest::newRow("3") << 3 << 6500 << 10;
    QTest::newRow("4") << 4 << 7500 << 10;
    QTest::newRow("5") << 5 << 2850 << 0;
    QTest::newRow("6") << 6 << 3800 << 21;
    QTest::newRow("7") << 7 << 5500 << 0;
}

void TestWhiteBalance::presetsAreTemperatures()
{
    QFETCH(int, mode);
    QFETCH(int, temperature);
    QFETCH(int, tint);
    const Picture before = allValues();
    // The preset ignores the temperature and tint it is given.
    const Picture preset = run(before, mode, 11000, -100);
    const Picture custom = run(before, WhiteBalanceModeCustom, temperature, tint);
    QCOMPARE(preset.bytes, custom.bytes);
    QVERIFY(preset.bytes != run(before, 0, 0, 0).bytes);
}

void TestWhiteBalance::settingsBeyondTheRangeActAsItsEnds_data()
{
    QTest::addColumn<int>("temperature");
    QTest::addColumn<int>("tint");
    QTest::addColumn<int>("sameTemperature");
    QTest::addColumn<int>("sameTint");
    QTest::newRow("1500 K") << 1500 << 10 << 2000 << 10;
    QTest::newRow("0 K") << 0 << 10 << 2000 << 10;
    QTest::newRow("-300 K") << -300 << 10 << 2000 << 10;
    QTest::newRow("20000 K") << 20000 << 10 << 12000 << 10;
    QTest::newRow("tint 200") << 6000 << 200 << 6000 << 150;
    QTest::newRow("tint -400") << 4000 << -400 << 4000 << -150;
}

void TestWhiteBalance::settingsBeyondTheRangeActAsItsEnds()
{
    QFETCH(int, temperature);
    QFETCH(int, tint);
    QFETCH(int, sameTemperature);
    QFETCH(int, sameTint);
    const Picture before = allValues();
    QCOMPARE(run(before, 8, temperature, tint).bytes, run(before, 8, sameTemperature, sameTint).bytes);
}

void TestWhiteBalance::whiteStaysWhite()
{
    Picture picture(2, 1);
    for (int temperature = 2000; temperature <= 12000; temperature += 250) {
        for (int tint = -150; tint <= 150; tint += 25) {
            picture.set(0, 0, 255, 255, 255);
            picture.set(1, 0, 0, 0, 0);
            const Picture out = run(picture, 8, temperature, tint);
            const std::vector<std::uint8_t> expected = {255, 255, 255, 0, 0, 0};
            QVERIFY2(out.bytes == expected, qPrintable(QString("%1 K tint %2").arg(temperature).arg(tint)));
        }
    }
}

void TestWhiteBalance::greyFollowsTheTemperature_data()
{
    QTest::addColumn<int>("tint");
    QTest::addColumn<int>("grey");
    QTest::newRow("tint 10, grey 128") << 10 << 128;
    QTest::newRow("tint 10, grey 40") << 10 << 40;
    QTest::newRow("tint 10, grey 220") << 10 << 220;
    QTest::newRow("tint -150, grey 128") << -150 << 128;
    QTest::newRow("tint 150, grey 128") << 150 << 128;
    QTest::newRow("tint 0, grey 90") << 0 << 90;
}

// Raising the temperature never makes a grey bluer or less red; across the
// whole range it goes from clearly blue to clearly red. Clipping the input
// against the light's colour instead turned greys cyan at 2000 K and made
// blue rise again at the low end.
void TestWhiteBalance::greyFollowsTheTemperature()
{
    QFETCH(int, tint);
    QFETCH(int, grey);
    Picture picture(1, 1);
    int previousBlue = 256, previousRed = -1;
    for (int temperature = 2000; temperature <= 12000; temperature += 50) {
        picture.fill(grey, grey, grey);
        const Picture out = run(picture, 8, temperature, tint);
        const int blue = out.bytes[0], red = out.bytes[2];
        QVERIFY2(blue <= previousBlue && red >= previousRed, qPrintable(QString("%1 K").arg(temperature)));
        previousBlue = blue;
        previousRed = red;
        if (temperature == 2000) {
            QVERIFY(blue > red + 20);
            if (tint >= 0)
                QVERIFY(blue >= out.bytes[1]); // blue, not cyan
        }
    }
    QVERIFY(previousRed > previousBlue);
}

void TestWhiteBalance::grayWorldGains()
{
    const std::uint16_t* decode = m_context->decode;
    double b = 0, g = 0, r = 0;

    // No whole 128 x 128 block: unit gains.
    Picture small(127, 300);
    small.fill(255, 40, 0);
    QCOMPARE(AWB_AutoWBByGrayWorld(&b, &g, &r, small.bytes.data(), small.width, small.height, small.stride, decode),
             0);
    QCOMPARE(b, 1.0);
    QCOMPARE(g, 1.0);
    QCOMPARE(r, 1.0);

    // Two blocks and 44 columns and 20 rows left over (ignored). A near-grey
    // block wins over a strongly coloured one.
    Picture two(300, 148);
    two.fill(255, 0, 0);
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 256; ++x) {
            if (x < 128)
                two.set(x, y, 128, 128, 128);
            else
                two.set(x, y, 255, 128, 128); // G/B = 884 / 4095, outside 0.3..3
        }
    }
    AWB_AutoWBByGrayWorld(&b, &g, &r, two.bytes.data(), two.width, two.height, two.stride, decode);
    QCOMPARE(b, 1.0);
    QCOMPARE(g, 1.0);
    QCOMPARE(r, 1.0);

    // No block within 0.5..2, one within 0.3..3 (G/B about 2.49).
    for (int y = 0; y < 128; ++y) {
        for (int x = 0; x < 128; ++x)
            two.set(x, y, 170, 255, 255);
    }
    AWB_AutoWBByGrayWorld(&b, &g, &r, two.bytes.data(), two.width, two.height, two.stride, decode);
    QCOMPARE(b, double(decode[255]) / decode[170]);
    QCOMPARE(g, 1.0);
    QCOMPARE(r, 1.0);

    // Only blocks outside both bounds: all of them count.
    two.fill(255, 255, 128);
    AWB_AutoWBByGrayWorld(&b, &g, &r, two.bytes.data(), two.width, two.height, two.stride, decode);
    QCOMPARE(b, 1.0);
    QCOMPARE(g, 1.0);
    QCOMPARE(r, double(decode[255]) / decode[128]);
}

void TestWhiteBalance::grayWorldMode()
{
    // Too small for a block: the estimate is the reference white.
    const Picture values = allValues();
    QCOMPARE(run(values, 1, 0, 0).bytes, run(values, 0, 0, 0).bytes);

    // A bluish picture whose light is about 10300 K with tint -14: the mode
    // keeps 8500 K and raises the tint to 0.
    Picture blue(128, 130);
    blue.fill(255, 185, 165);
    QCOMPARE(run(blue, 1, 0, 0).bytes, run(blue, 8, 8500, 0).bytes);
}

void TestWhiteBalance::refusesBadArguments()
{
    QCOMPARE(AWB_WHITEBALANCE_Init(nullptr), int(EffectNoContext));

    const Picture before = allValues();
    Picture picture = before;
    const WhiteBalanceSetting warm{8, 3000};
    EffectImage image = picture.image();
    QCOMPARE(AWB_RunWhiteBalanceEffectImage(nullptr, warm, 10, &image), int(EffectNoContext));
    QCOMPARE(AWB_RunWhiteBalanceEffectImage(m_context, warm, 10, nullptr), int(EffectNoContext));
    for (int format : {0, 2, 3, 4, 5}) {
        image = picture.image(format);
        QCOMPARE(AWB_RunWhiteBalanceEffectImage(m_context, warm, 10, &image), int(EffectNoContext));
    }
    image = picture.image();
    image.stride = 3 * image.width - 1;
    QCOMPARE(AWB_RunWhiteBalanceEffectImage(m_context, warm, 10, &image), int(EffectNoContext));
    image = picture.image();
    image.bits = nullptr;
    QCOMPARE(AWB_RunWhiteBalanceEffectImage(m_context, warm, 10, &image), int(EffectNoContext));
    QCOMPARE(picture.bytes, before.bytes);

    QCOMPARE(AWB_SetParamTemperatureTint(1, 0, 0, picture.bytes.data(), picture.width, picture.height, picture.stride,
                                         nullptr),
             int(EffectNoContext));
    QCOMPARE(AWB_WHITEBALANCE_Uninit(nullptr), 0);
}

void TestWhiteBalance::keepsPaddingAndEmptyImages()
{
    Picture picture(5, 3, 7);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            picture.set(x, y, 30 * x, 50 * y, 100);
    }
    const Picture out = run(picture, 8, 3000, 40);
    for (int y = 0; y < 3; ++y) {
        for (int x = 15; x < picture.stride; ++x)
            QCOMPARE(int(out.bytes[std::size_t(y * picture.stride + x)]), 0xAB);
    }

    for (const QSize size : {QSize(0, 3), QSize(4, 0), QSize(-2, -2)}) {
        Picture empty(4, 3);
        EffectImage image = empty.image();
        image.width = size.width();
        image.height = size.height();
        QCOMPARE(AWB_RunWhiteBalanceEffectImage(m_context, {8, 3000}, 10, &image), 0);
        QVERIFY(std::all_of(empty.bytes.begin(), empty.bytes.end(), [](std::uint8_t v) { return v == 0xAB; }));
    }
}

void TestWhiteBalance::contextsAreIndependent()
{
    AWB_WHITEBALANCE_CONTEXT* other = nullptr;
    QCOMPARE(AWB_WHITEBALANCE_Init(&other), 0);
    const double globalBefore[9] = {g_fCameraToBGR[0], g_fCameraToBGR[1], g_fCameraToBGR[2],
                                    g_fCameraToBGR[3], g_fCameraToBGR[4], g_fCameraToBGR[5],
                                    g_fCameraToBGR[6], g_fCameraToBGR[7], g_fCameraToBGR[8]};

    Picture a(4, 4), b(4, 4);
    a.fill(100, 120, 140);
    b.fill(100, 120, 140);
    EffectImage imageA = a.image(), imageB = b.image();
    QCOMPARE(AWB_RunWhiteBalanceEffectImage(m_context, {8, 3000}, 10, &imageA), 0);
    const WhiteBalanceCorrection kept = m_context->correction;
    QCOMPARE(AWB_RunWhiteBalanceEffectImage(other, {8, 9000}, -40, &imageB), 0);

    QCOMPARE(std::memcmp(&kept, &m_context->correction, sizeof kept), 0);
    QVERIFY(std::memcmp(&kept, &other->correction, sizeof kept) != 0);
    QCOMPARE(std::memcmp(globalBefore, g_fCameraToBGR, sizeof globalBefore), 0);
    AWB_WHITEBALANCE_Uninit(other);
}

void TestWhiteBalance::processWideVariants()
{
    WhiteBalanceCorrection expected;
    QCOMPARE(AWB_SetTemperature(&expected, 6500, 10), 0);
    QCOMPARE(AWB_SetTemperature(6500, 10), 0);
    QCOMPARE(std::memcmp(g_fCameraToBGR, expected.cameraToBGR, sizeof g_fCameraToBGR), 0);
    QCOMPARE(std::memcmp(g_fCameraWhite, expected.cameraWhite, sizeof g_fCameraWhite), 0);
    // A light bluer than D50: its blue is the brightest channel.
    QCOMPARE(g_fCameraWhite[0], 1.0);
    QVERIFY(g_fCameraWhite[2] < g_fCameraWhite[1] && g_fCameraWhite[1] < 1.0);

    QCOMPARE(AWB_GetDaylightCoeff(), 0);
    AWB_SetTemperature(&expected, 7500, 10);
    QCOMPARE(std::memcmp(g_fCameraToBGR, expected.cameraToBGR, sizeof g_fCameraToBGR), 0);

    QCOMPARE(AWB_SetParamTemperatureTint(5, 0, 0, nullptr, 0, 0, 0, nullptr), 0);
    AWB_SetTemperature(&expected, 2850, 0);
    QCOMPARE(std::memcmp(g_fCameraToBGR, expected.cameraToBGR, sizeof g_fCameraToBGR), 0);

    AWB_SetTemperature(5000, 10);
    const double identity[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    QCOMPARE(std::memcmp(g_fCameraToBGR, identity, sizeof identity), 0);
    QCOMPARE(g_fCameraWhite[0] + g_fCameraWhite[1] + g_fCameraWhite[2], 3.0);

    // The 8-bit transfer helpers.
    Picture picture(2, 1, 3);
    picture.set(0, 0, 0, 128, 255);
    picture.set(1, 0, 10, 11, 188);
    QCOMPARE(AWB_DegammaImage(picture.bytes.data(), 2, 1, picture.stride), 1);
    // 128: ((128/255 + 0.055)/1.055)^2.4 x 255 = 55.04 -> 55; 10: 10 / 12.92 = 0.77 -> 1.
    QCOMPARE(int(picture.bytes[1]), 55);
    QCOMPARE(int(picture.bytes[3]), 1);
    QCOMPARE(int(picture.bytes[2]), 255);
    QCOMPARE(AWB_GammaImage(picture.bytes.data(), 2, 1, picture.stride), 1);
    QCOMPARE(int(picture.bytes[1]), 128);
    QCOMPARE(int(picture.bytes[6]), 0xAB);
}

QTEST_GUILESS_MAIN(TestWhiteBalance)
#include "tst_whitebalance.moc"
