#include "effects/AceTone.h"

#include "PaddedImage.h"

#include <QtTest>

#include <climits>

// The shortage test asks for more memory than exists; under AddressSanitizer
// that must come back as a null pointer, as it does from the C library.
extern "C" const char* __asan_default_options()
{
    return "allocator_may_return_null=1";
}

class TestUnsharpMask : public QObject
{
    Q_OBJECT

private slots:
    void stepEdge_data();
    void stepEdge();
    void thresholdShrinksWithAmount_data();
    void thresholdShrinksWithAmount();
    void flatImageStaysFlat();
    void matchesReference_data();
    void matchesReference();
    void runFunctionUsesTheRecord();
    void memoryShortageLeavesImage();
};

// 8 x 8 grey image, columns 0-3 at 50, columns 4-7 at 200 (luminance equals
// the grey value). Across the rows the [1 4 6 4 1] / 16 blur gives
// x = 2: (50 + 200 + 300 + 200 + 200) / 16 = 59, x = 3: 1550 / 16 = 96,
// x = 4: 2450 / 16 = 153, x = 5: 3050 / 16 = 190; the rows are alike, so
// the vertical pass keeps these. Differences: -9, -46, 47, 10.
// d = (diff x 10 x amount) >> 8, rounding toward minus infinity.
void TestUnsharpMask::stepEdge_data()
{
    QTest::addColumn<int>("amount");
    QTest::addColumn<QList<int>>("columns"); // x = 2..5 of rows 2..5
    // Threshold 0: -9000 >> 8 = -36 -> 14; -46000 >> 8 = -180 -> 0 (clamped);
    // 47000 >> 8 = 183 -> 255 (clamped); 10000 >> 8 = 39 -> 239.
    QTest::newRow("100") << 100 << QList<int>{14, 0, 255, 239};
    // Threshold 2: -4500 >> 8 = -18 -> 32; -23000 >> 8 = -90 -> 0;
    // 23500 >> 8 = 91 -> 255; 5000 >> 8 = 19 -> 219.
    QTest::newRow("50") << 50 << QList<int>{32, 0, 255, 219};
    // Threshold 4: -900 >> 8 = -4 -> 46; -4600 >> 8 = -18 -> 32;
    // 4700 >> 8 = 18 -> 218; 1000 >> 8 = 3 -> 203.
    QTest::newRow("10") << 10 << QList<int>{46, 32, 218, 203};
    // Far outside the contract: every difference saturates (threshold
    // below 0, -9 x 10 x INT_MAX overflows 32 bits unless bounded) ...
    QTest::newRow("INT_MAX") << INT_MAX << QList<int>{0, 0, 255, 255};
    // ... or none passes (threshold 4 + 85899345).
    QTest::newRow("INT_MIN") << INT_MIN << QList<int>{50, 50, 200, 200};
}

void TestUnsharpMask::stepEdge()
{
    QFETCH(int, amount);
    QFETCH(QList<int>, columns);
    PaddedImage image(8, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            image.setPixel(x, y, x < 4 ? 50 : 200, x < 4 ? 50 : 200, x < 4 ? 50 : 200);
    QCOMPARE(ACE_FixUnsharpMaskFilter(image.bits(), 8, 8, image.stride(), amount), int(EffectOk));
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool inner = x >= 2 && x <= 5 && y >= 2 && y <= 5;
            const int expected = inner ? columns[x - 2] : (x < 4 ? 50 : 200);
            for (int c = 0; c < 3; ++c)
                QCOMPARE(image.at(x, y, c), expected);
        }
    }
    QVERIFY(image.outsideUntouched());
}

void TestUnsharpMask::thresholdShrinksWithAmount_data()
{
    QTest::addColumn<int>("amount");
    QTest::addColumn<int>("centre");
    // One pixel of 104 on 100: across its row (1000 + 6 x 104) / 16 = 101,
    // then down (1000 + 6 x 101) / 16 = 100: difference 4. Its neighbours'
    // differences truncate to 0.
    QTest::newRow("10: threshold 4 ignores it") << 10 << 104;
    QTest::newRow("24: still threshold 4") << 24 << 104;
    QTest::newRow("25: threshold 3") << 25 << 107;  // 4 x 250 >> 8 = 3
    QTest::newRow("100: threshold 0") << 100 << 119; // 4000 >> 8 = 15
}

void TestUnsharpMask::thresholdShrinksWithAmount()
{
    QFETCH(int, amount);
    QFETCH(int, centre);
    PaddedImage image(9, 9);
    image.fill(100);
    image.setPixel(4, 4, 104, 104, 104);
    QCOMPARE(ACE_FixUnsharpMaskFilter(image.bits(), 9, 9, image.stride(), amount), int(EffectOk));
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            QCOMPARE(image.at(x, y, 1), x == 4 && y == 4 ? centre : 100);
}

void TestUnsharpMask::flatImageStaysFlat()
{
    PaddedImage image(12, 7);
    image.fill(0);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 12; ++x)
            image.setPixel(x, y, 30, 140, 220);
    const auto before = image.pixels();
    for (int amount : {1, 25, 50, 99, 100}) {
        QCOMPARE(ACE_FixUnsharpMaskFilter(image.bits(), 12, 7, image.stride(), amount), int(EffectOk));
        QCOMPARE(image.pixels(), before);
    }
}

void TestUnsharpMask::matchesReference_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("amount");
    QTest::newRow("5 x 5, 100") << 5 << 5 << 100;
    QTest::newRow("6 x 9, 30") << 6 << 9 << 30;
    QTest::newRow("41 x 17, 100") << 41 << 17 << 100;
    QTest::newRow("41 x 17, 7") << 41 << 17 << 7;
    QTest::newRow("64 x 33, 60") << 64 << 33 << 60;
    QTest::newRow("negative amount") << 20 << 20 << -40;
    QTest::newRow("beyond 100") << 20 << 20 << 1000;
}

void TestUnsharpMask::matchesReference()
{
    // The rotating row buffers against the filter evaluated per pixel.
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, amount);
    PaddedImage fast(width, height, 3, 7), plain(width, height, 3, 7);
    fast.fillNoise(uint(width * height));
    plain.fillNoise(uint(width * height));
    QCOMPARE(ACE_FixUnsharpMaskFilter(fast.bits(), width, height, fast.stride(), amount), int(EffectOk));
    QCOMPARE(Effects::unsharpMaskReference(plain.bits(), width, height, plain.stride(), amount), int(EffectOk));
    QCOMPARE(fast.pixels(), plain.pixels());
    QVERIFY(fast.outsideUntouched());
}

void TestUnsharpMask::runFunctionUsesTheRecord()
{
    PaddedImage image(9, 9);
    image.fill(100);
    image.setPixel(4, 4, 104, 104, 104);
    EffectImage record = image.record();
    QCOMPARE(ACE_RunSharpnessEffectImage(nullptr, 100, &record), int(EffectOk));
    QCOMPARE(image.at(4, 4, 0), 119);
    QCOMPARE(ACE_RunSharpnessEffectImage(nullptr, 100, nullptr), int(EffectNoContext));
}

void TestUnsharpMask::memoryShortageLeavesImage()
{
    // INT_MAX x INT_MAX pixels need a 4.6e18-byte luminance plane, which
    // cannot be had: -201 before any pixel is read or written. Sized in 32
    // bits the product would wrap to 1 byte and the filter would run far
    // past the caller's buffer.
    PaddedImage image(9, 9);
    image.fill(100);
    image.setPixel(4, 4, 104, 104, 104);
    const auto before = image.pixels();
    QCOMPARE(ACE_FixUnsharpMaskFilter(image.bits(), INT_MAX, INT_MAX, image.stride(), 100), int(EffectNoMemory));
    QCOMPARE(image.pixels(), before);
    // The record form reports the shortage too, rather than success.
    EffectImage record = image.record();
    record.width = INT_MAX;
    record.height = INT_MAX;
    QCOMPARE(ACE_RunSharpnessEffectImage(nullptr, 100, &record), int(EffectNoMemory));
    QCOMPARE(image.pixels(), before);
    QVERIFY(image.outsideUntouched());
}

QTEST_GUILESS_MAIN(TestUnsharpMask)
#include "tst_unsharpmask.moc"
