// Every operation of the contrast, tone, exposure, sharpening and
// vignetting families on degenerate sizes: nothing to do must mean nothing
// written, and no read or write outside the pixels (the sanitizers watch).

#include "effects/AceTone.h"
#include "effects/ContrastSaturation.h"
#include "effects/Vignetting.h"

#include "PaddedImage.h"

#include <QtTest>

class TestEffectSizes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyOperation_data();
    void everyOperation();

private:
    ACE_EXP_CONTEXT* m_context = nullptr;
};

void TestEffectSizes::initTestCase()
{
    QCOMPARE(ACE_EXP_Init(&m_context), int(EffectOk));
}

void TestEffectSizes::cleanupTestCase()
{
    ACE_EXP_Uninit(m_context);
}

void TestEffectSizes::everyOperation_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("sharpenChanges");
    QTest::newRow("0 x 0") << 0 << 0 << false;
    QTest::newRow("0 x 4") << 0 << 4 << false;
    QTest::newRow("4 x 0") << 4 << 0 << false;
    QTest::newRow("-3 x 2") << -3 << 2 << false;
    QTest::newRow("2 x -3") << 2 << -3 << false;
    QTest::newRow("1 x 1") << 1 << 1 << false;
    QTest::newRow("4 x 4") << 4 << 4 << false;
    QTest::newRow("4 x 9") << 4 << 9 << false;
    QTest::newRow("9 x 4") << 9 << 4 << false;
    QTest::newRow("5 x 5") << 5 << 5 << true;
}

void TestEffectSizes::everyOperation()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, sharpenChanges);
    const bool empty = width <= 0 || height <= 0;

    PaddedImage image(width, height);
    image.fillNoise(21);
    // A centre pixel that stands out, so that sharpening has work where it can.
    if (width >= 5 && height >= 5)
        image.setPixel(2, 2, 250, 250, 250);
    auto before = image.pixels();
    EffectImage record = image.record();

    QCOMPARE(ACE_FixUnsharpMaskFilter(image.bits(), width, height, image.stride(), 100), int(EffectOk));
    QCOMPARE(ACE_RunSharpnessEffectImage(m_context, 100, &record), int(EffectOk));
    QCOMPARE(image.pixels() != before, sharpenChanges);
    QVERIFY(image.outsideUntouched());

    before = image.pixels();
    QCOMPARE(ExecuteContrastSaturationImage(image.bits(), width, height, image.stride(), 60, -40), 1);
    QCOMPARE(ACE_RunBrightnessEffectImage(m_context, 50, &record), int(EffectOk));
    QCOMPARE(ACE_RunContrastEffectImage(m_context, 50, &record), int(EffectOk));
    QCOMPARE(ExecuteVignetting(image.bits(), width, height, image.stride(), 100), 1);
    QCOMPARE(ACE_PreExpEffectImage(m_context, &record), int(EffectOk));
    QCOMPARE(ACE_Analysis(m_context), int(EffectOk));
    QCOMPARE(ACE_RunExpEffectImage(m_context, &record), int(EffectOk));
    if (empty)
        QCOMPARE(image.pixels(), before);
    QVERIFY(image.outsideUntouched());

    // The same through null pixels: refused or skipped, never dereferenced.
    record.bits = nullptr;
    QCOMPARE(ExecuteContrastSaturationImage(nullptr, width, height, image.stride(), 60, 40), 1);
    QCOMPARE(ExecuteVignetting(nullptr, width, height, image.stride(), 100), 1);
    QCOMPARE(ACE_FixUnsharpMaskFilter(nullptr, width, height, image.stride(), 100), int(EffectOk));
    QCOMPARE(ACE_RunBrightnessEffectImage(m_context, 50, &record), int(EffectOk));
    QCOMPARE(ACE_PreExpEffectImage(m_context, &record), int(EffectOk));
}

QTEST_GUILESS_MAIN(TestEffectSizes)
#include "tst_effectsizes.moc"
