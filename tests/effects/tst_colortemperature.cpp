#include "effects/ColorTemperature.h"

#include <QtTest>

#include <cmath>
#include <limits>

class TestColorTemperature : public QObject
{
    Q_OBJECT

private slots:
    void temperatureToXy_data();
    void temperatureToXy();
    void roundTripOverTheSliderRanges();
    void xyBeyondTheTable();
    void neutralToXy();
    void estimate_data();
    void estimate();
    void estimateStaysOnTheSliders();
};

// Worked from the isotemperature rows: 5000 K is 200 mired, exactly the row
// (200, 0.21142, 0.32312, -1.0182); 2500 K the row (400, 0.27218, 0.35407);
// 6000 K lies a third of the way from 175 to 150 mired.
void TestColorTemperature::temperatureToXy_data()
{
    QTest::addColumn<double>("temperature");
    QTest::addColumn<double>("tint");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("5000 K") << 5000.0 << 0.0 << 0.345104142 << 0.351622522;
    QTest::newRow("5000 K tint 30") << 5000.0 << 30.0 << 0.347092232 << 0.373847052;
    QTest::newRow("2500 K") << 2500.0 << 0.0 << 0.477006660 << 0.413681505;
    QTest::newRow("6000 K") << 6000.0 << 0.0 << 0.322074101 << 0.331565500;
    // Below the table's end (600 mired) the end row holds.
    QTest::newRow("1000 K as 1667 K") << 1000.0 << 0.0 << 0.33724 * 1.5 / (0.33724 - 4 * 0.36051 + 2)
                                      << 0.36051 / (0.33724 - 4 * 0.36051 + 2);
    QTest::newRow("0 K as 1667 K") << 0.0 << 0.0 << 0.33724 * 1.5 / (0.33724 - 4 * 0.36051 + 2)
                                   << 0.36051 / (0.33724 - 4 * 0.36051 + 2);
}

void TestColorTemperature::temperatureToXy()
{
    QFETCH(double, temperature);
    QFETCH(double, tint);
    QFETCH(double, x);
    QFETCH(double, y);
    double xy[2];
    ispGet_xy_coord(xy, {temperature, tint});
    QVERIFY2(std::fabs(xy[0] - x) < 1e-8, qPrintable(QString::number(xy[0], 'g', 12)));
    QVERIFY2(std::fabs(xy[1] - y) < 1e-8, qPrintable(QString::number(xy[1], 'g', 12)));
}

void TestColorTemperature::roundTripOverTheSliderRanges()
{
    double worstTemperature = 0, worstTint = 0;
    for (int temperature = 2000; temperature <= 12000; temperature += 50) {
        for (int tint = -150; tint <= 150; tint += 10) {
            double xy[2];
            ispGet_xy_coord(xy, {double(temperature), double(tint)});
            TemperatureTint back;
            QCOMPARE(ispSet_xy_coord(&back, xy), 1);
            worstTemperature = std::fmax(worstTemperature, std::fabs(back.temperature - temperature));
            worstTint = std::fmax(worstTint, std::fabs(back.tint - tint));
        }
    }
    QVERIFY2(worstTemperature < 1.0, qPrintable(QString::number(worstTemperature)));
    QVERIFY2(worstTint < 0.5, qPrintable(QString::number(worstTint)));
}

void TestColorTemperature::xyBeyondTheTable()
{
    TemperatureTint result;
    const double deepRed[2] = {0.65, 0.33};
    ispSet_xy_coord(&result, deepRed);
    QCOMPARE(result.temperature, 1.0e6 / 600);
    const double deepBlue[2] = {0.2, 0.2};
    ispSet_xy_coord(&result, deepBlue);
    QCOMPARE(result.temperature, 1.0e6 / 10);
}

void TestColorTemperature::neutralToXy()
{
    // Row sums of the four-decimal sRGB matrix: X 0.9643, Y 1, Z 0.8251.
    const double white[3] = {1, 1, 1};
    double xy[2];
    QCOMPARE(ispNeutralToXY(xy, white), 0);
    QVERIFY(std::fabs(xy[0] - 0.9643 / 2.7894) < 1e-12);
    QVERIFY(std::fabs(xy[1] - 1.0 / 2.7894) < 1e-12);

    // Brightness does not matter, only the colour.
    const double grey[3] = {0.25, 0.25, 0.25};
    double xyGrey[2];
    ispNeutralToXY(xyGrey, grey);
    QVERIFY(std::fabs(xyGrey[0] - xy[0]) < 1e-12 && std::fabs(xyGrey[1] - xy[1]) < 1e-12);
}

namespace {
const int kAny = std::numeric_limits<int>::min(); // not checked in this row
}

void TestColorTemperature::estimate_data()
{
    QTest::addColumn<double>("gainR");
    QTest::addColumn<double>("gainG");
    QTest::addColumn<double>("gainB");
    QTest::addColumn<int>("temperature");
    QTest::addColumn<int>("tint");
    // A neutral of equal linear R, G, B is the sRGB white adapted to D50,
    // about 5001 K with tint 9.6.
    QTest::newRow("unit gains") << 1.0 << 1.0 << 1.0 << 5000 << 10;
    QTest::newRow("scaled gains") << 3.0 << 3.0 << 3.0 << 5000 << 10;
    // A deep red light is far below 2000 K, a deep blue one far above
    // 12000 K; a green light lies far on the positive side of the locus, a
    // magenta one on the negative side.
    QTest::newRow("red light") << 1.0 << 8.0 << 40.0 << 2000 << kAny;
    QTest::newRow("blue light") << 40.0 << 4.0 << 1.0 << 12000 << kAny;
    QTest::newRow("green light") << 10.0 << 1.0 << 10.0 << kAny << 150;
    QTest::newRow("magenta light") << 1.0 << 10.0 << 1.0 << kAny << -150;
    QTest::newRow("gain 0: reference white") << 0.0 << 1.0 << 1.0 << 5000 << 10;
}

void TestColorTemperature::estimate()
{
    QFETCH(double, gainR);
    QFETCH(double, gainG);
    QFETCH(double, gainB);
    QFETCH(int, temperature);
    QFETCH(int, tint);
    std::int32_t t = -1, k = -1;
    QCOMPARE(ispGetTemperature(&t, &k, gainR, gainG, gainB), 0);
    if (temperature != kAny)
        QCOMPARE(int(t), temperature);
    if (tint != kAny)
        QCOMPARE(int(k), tint);
}

void TestColorTemperature::estimateStaysOnTheSliders()
{
    const double gains[] = {0.05, 0.3, 0.8, 1.0, 1.7, 4.0, 25.0};
    for (double r : gains) {
        for (double g : gains) {
            for (double b : gains) {
                std::int32_t t = 0, k = 0;
                ispGetTemperature(&t, &k, r, g, b);
                QVERIFY(t >= 2000 && t <= 12000 && t % 50 == 0);
                QVERIFY(k >= -150 && k <= 150);
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestColorTemperature)
#include "tst_colortemperature.moc"
