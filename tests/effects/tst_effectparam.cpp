#include "effects/ZIZuzaVuvoviParam.h"

#include <QtTest>

#include <functional>

class TestEffectParam : public QObject
{
    Q_OBJECT

private slots:
    void isDefaultSettings_data();
    void isDefaultSettings();
    void copies();
};

// What the defaults mean (a default record leaves a picture unchanged) is
// checked on pictures by the pipeline's test; here, that every field takes
// part in telling a default record.
using Change = std::function<void(ZIZuzaVuvoviParam&)>;
Q_DECLARE_METATYPE(Change)

void TestEffectParam::isDefaultSettings_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("expected");

    QTest::newRow("untouched") << Change([](ZIZuzaVuvoviParam&) {}) << true;
    QTest::newRow("a field set back to its default") << Change([](ZIZuzaVuvoviParam& p) { p.contrast = 5; p.contrast = 0; }) << true;
    // No step reads it, yet it takes part.
    QTest::newRow("reserved 0") << Change([](ZIZuzaVuvoviParam& p) { p.reserved = 0; }) << false;
    QTest::newRow("colorMode") << Change([](ZIZuzaVuvoviParam& p) { p.colorMode = 4; }) << false;
    QTest::newRow("filterBlue") << Change([](ZIZuzaVuvoviParam& p) { p.filterBlue = 254; }) << false;
    QTest::newRow("filterGreen") << Change([](ZIZuzaVuvoviParam& p) { p.filterGreen = 511; }) << false;
    QTest::newRow("filterRed") << Change([](ZIZuzaVuvoviParam& p) { p.filterRed = 0; }) << false;
    QTest::newRow("filterDensity") << Change([](ZIZuzaVuvoviParam& p) { p.filterDensity = 0; }) << false;
    QTest::newRow("filterKeepLuminance") << Change([](ZIZuzaVuvoviParam& p) { p.filterKeepLuminance = false; }) << false;
    QTest::newRow("contrast") << Change([](ZIZuzaVuvoviParam& p) { p.contrast = -1; }) << false;
    QTest::newRow("saturation") << Change([](ZIZuzaVuvoviParam& p) { p.saturation = 1; }) << false;
    QTest::newRow("vignetting") << Change([](ZIZuzaVuvoviParam& p) { p.vignetting = 1; }) << false;
    QTest::newRow("lensBlur") << Change([](ZIZuzaVuvoviParam& p) { p.lensBlur = -1; }) << false;
    QTest::newRow("brightness") << Change([](ZIZuzaVuvoviParam& p) { p.brightness = 1; }) << false;
    QTest::newRow("sharpness") << Change([](ZIZuzaVuvoviParam& p) { p.sharpness = 1; }) << false;
    QTest::newRow("temperature") << Change([](ZIZuzaVuvoviParam& p) { p.temperature = 5001; }) << false;
    QTest::newRow("tint 11") << Change([](ZIZuzaVuvoviParam& p) { p.tint = 11; }) << false;
    QTest::newRow("gamma") << Change([](ZIZuzaVuvoviParam& p) { p.gamma = -20; }) << false;
    QTest::newRow("vibrance") << Change([](ZIZuzaVuvoviParam& p) { p.vibrance = 100; }) << false;
}

void TestEffectParam::isDefaultSettings()
{
    QFETCH(Change, change);
    QFETCH(bool, expected);
    ZIZuzaVuvoviParam p;
    change(p);
    QCOMPARE(ZIZuzaVuvoviParam::isDefaultSettings(p), expected);
}

void TestEffectParam::copies()
{
    ZIZuzaVuvoviParam p;
    p.colorMode = 3;
    p.filterBlue = 1;
    p.filterGreen = 2;
    p.filterRed = 3;
    p.filterDensity = 4;
    p.filterKeepLuminance = false;
    p.contrast = 5;
    p.saturation = 6;
    p.vignetting = 7;
    p.lensBlur = 8;
    p.reserved = 9;
    p.brightness = 10;
    p.sharpness = 11;
    p.temperature = 12;
    p.tint = 13;
    p.gamma = 14;
    p.vibrance = 15;

    const auto same = [](const ZIZuzaVuvoviParam& a, const ZIZuzaVuvoviParam& b) {
        return a.colorMode == b.colorMode && a.filterBlue == b.filterBlue && a.filterGreen == b.filterGreen
            && a.filterRed == b.filterRed && a.filterDensity == b.filterDensity
            && a.filterKeepLuminance == b.filterKeepLuminance && a.contrast == b.contrast
            && a.saturation == b.saturation && a.vignetting == b.vignetting && a.lensBlur == b.lensBlur
            && a.reserved == b.reserved && a.brightness == b.brightness && a.sharpness == b.sharpness
            && a.temperature == b.temperature && a.tint == b.tint && a.gamma == b.gamma && a.vibrance == b.vibrance;
    };
    const ZIZuzaVuvoviParam copy(p);
    QVERIFY(same(copy, p));
    ZIZuzaVuvoviParam assigned;
    ZIZuzaVuvoviParam& result = (assigned = p);
    QCOMPARE(&result, &assigned);
    QVERIFY(same(assigned, p));
    ZIZuzaVuvoviParam& self = p;
    p = self;
    QVERIFY(same(p, copy));
    QVERIFY(!ZIZuzaVuvoviParam::isDefaultSettings(copy));
}

QTEST_APPLESS_MAIN(TestEffectParam)
#include "tst_effectparam.moc"
