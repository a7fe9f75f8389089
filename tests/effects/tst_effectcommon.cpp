#include "effects/EffectCommon.h"

#include <QtTest>

#include <vector>

using namespace Effects;

class TestEffectCommon : public QObject
{
    Q_OBJECT

private slots:
    void srgbTables_data();
    void srgbTables();
    void srgbTablesAreMonotonic();
    void luma();
    void blockGrid_data();
    void blockGrid();
    void normalisedRadius();
    void radialBlend_data();
    void radialBlend();
    void radialBlendUsesNodeOfBlock();
};

// Values from the transfer rules evaluated by hand: decoding switches from
// the linear segment above v = 0.03928, encoding above x = 0.00304.
void TestEffectCommon::srgbTables_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("value");

    QTest::newRow("decode8 0") << "d8" << 0 << 0;
    QTest::newRow("decode8 10, linear") << "d8" << 10 << 12;
    QTest::newRow("decode8 11, power") << "d8" << 11 << 14;
    QTest::newRow("decode8 128") << "d8" << 128 << 884;
    QTest::newRow("decode8 255") << "d8" << 255 << 4095;
    QTest::newRow("encode12 0") << "e12" << 0 << 0;
    QTest::newRow("encode12 12, linear") << "e12" << 12 << 10;
    QTest::newRow("encode12 13, power") << "e12" << 13 << 10;
    QTest::newRow("encode12 2048") << "e12" << 2048 << 188;
    QTest::newRow("encode12 4095") << "e12" << 4095 << 255;
    QTest::newRow("decode16 1") << "d16" << 1 << 0;
    QTest::newRow("decode16 2574, linear") << "d16" << 2574 << 199;
    QTest::newRow("decode16 32768") << "d16" << 32768 << 14028;
    QTest::newRow("decode16 65535") << "d16" << 65535 << 65535;
    QTest::newRow("encode16 1") << "e16" << 1 << 13;
    QTest::newRow("encode16 199, linear") << "e16" << 199 << 2571;
    QTest::newRow("encode16 200, power") << "e16" << 200 << 2585;
    QTest::newRow("encode16 32768") << "e16" << 32768 << 48192;
    QTest::newRow("encode16 65535") << "e16" << 65535 << 65535;
}

void TestEffectCommon::srgbTables()
{
    QFETCH(QString, table);
    QFETCH(int, index);
    QFETCH(int, value);

    static std::vector<std::uint16_t> d8(256), d16(65536), e16(65536);
    static std::vector<std::uint8_t> e12(4096);
    static bool filled = false;
    if (!filled) {
        fillSrgbDecode8To12(d8.data());
        fillSrgbEncode12To8(e12.data());
        fillSrgbDecode16(d16.data());
        fillSrgbEncode16(e16.data());
        filled = true;
    }
    int actual = -1;
    if (table == QLatin1String("d8"))
        actual = d8[size_t(index)];
    else if (table == QLatin1String("e12"))
        actual = e12[size_t(index)];
    else if (table == QLatin1String("d16"))
        actual = d16[size_t(index)];
    else
        actual = e16[size_t(index)];
    QCOMPARE(actual, value);
}

void TestEffectCommon::srgbTablesAreMonotonic()
{
    std::vector<std::uint16_t> d8(256);
    std::vector<std::uint8_t> e12(4096);
    fillSrgbDecode8To12(d8.data());
    fillSrgbEncode12To8(e12.data());
    for (int i = 1; i < 256; ++i)
        QVERIFY(d8[size_t(i)] >= d8[size_t(i - 1)]);
    for (int i = 1; i < 4096; ++i)
        QVERIFY(e12[size_t(i)] >= e12[size_t(i - 1)]);
    // Decoding then encoding gives every 8-bit value back within one step.
    for (int i = 0; i < 256; ++i)
        QVERIFY(std::abs(int(e12[d8[size_t(i)]]) - i) <= 1);
}

void TestEffectCommon::luma()
{
    QCOMPARE(Effects::luma(0, 0, 0), 0);
    QCOMPARE(Effects::luma(255, 255, 255), 255); // the weights sum to 1024
    QCOMPARE(Effects::luma(255, 0, 0), 29);      // 117 x 255 >> 10
    QCOMPARE(Effects::luma(0, 255, 0), 149);     // 601 x 255 >> 10
    QCOMPARE(Effects::luma(0, 0, 255), 76);      // 306 x 255 >> 10
    QCOMPARE(Effects::luma(0, 4095, 0), 2403);   // 12-bit linear values alike
}

void TestEffectCommon::blockGrid_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("nodes");
    QTest::newRow("1") << 1 << 2;
    QTest::newRow("16") << 16 << 2;
    QTest::newRow("17") << 17 << 3;
    QTest::newRow("32") << 32 << 3;
    QTest::newRow("33") << 33 << 4;
    QTest::newRow("1000") << 1000 << 64;
}

void TestEffectCommon::blockGrid()
{
    QFETCH(int, size);
    QFETCH(int, nodes);
    QCOMPARE(blockGridColumns(size), nodes);
    QCOMPARE(blockGridRows(size), nodes);
}

void TestEffectCommon::normalisedRadius()
{
    QCOMPARE(Effects::normalisedRadius(16, 16, 32, 32), 0.0);
    QCOMPARE(Effects::normalisedRadius(0, 0, 32, 32), 1.0);
    QCOMPARE(Effects::normalisedRadius(32, 32, 32, 32), 1.0);
    // Odd sizes round the centre up: 5 x 5 has its centre at (3, 3).
    QCOMPARE(Effects::normalisedRadius(3, 3, 5, 5), 0.0);
    QCOMPARE(Effects::normalisedRadius(0, 3, 5, 5), std::sqrt(9.0 / 18.0));
}

void TestEffectCommon::radialBlend_data()
{
    QTest::addColumn<double>("share");
    QTest::addColumn<int>("expected"); // for effect 200 over source 100
    QTest::newRow("all effect") << 1.0 << 200;
    QTest::newRow("no effect") << 0.0 << 100;
    QTest::newRow("half") << 0.5 << 150;
    QTest::newRow("quarter") << 0.25 << 125;
}

void TestEffectCommon::radialBlend()
{
    QFETCH(double, share);
    QFETCH(int, expected);
    const int width = 20, height = 3, stride = 64;
    std::vector<std::uint8_t> src(size_t(stride * height), 100), dst(size_t(stride * height), 200);
    for (int y = 0; y < height; ++y)
        std::fill(dst.begin() + y * stride + 3 * width, dst.begin() + (y + 1) * stride, 0xAB);

    RadialBlendGrid grid;
    QVERIFY(grid.build(width, height, [share](double) { return share; }));
    grid.blend(src.data(), dst.data(), width, height, stride);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < stride; ++x)
            QCOMPARE(int(dst[size_t(y * stride + x)]), x < 3 * width ? expected : 0xAB);
    }
}

void TestEffectCommon::radialBlendUsesNodeOfBlock()
{
    // Weight grows with the radius; pixels of one block share their node's weight.
    // 48 x 48: centre (24, 24); node (16, 16) lies at r = sqrt(128 / 1152) = 1/3,
    // weight truncate(256 / 3 + 0.5) = 85.
    RadialBlendGrid grid;
    QVERIFY(grid.build(48, 48, [](double r) { return r; }));
    QCOMPARE(grid.weight(0, 0), 256);   // node (0, 0) is a corner
    QCOMPARE(grid.weight(15, 15), 256); // same block, no interpolation
    QCOMPARE(grid.weight(24, 24), 85);  // block of node (16, 16), though the pixel is the centre
    QCOMPARE(grid.weight(47, 47), 85);  // block of node (32, 32)
}

QTEST_GUILESS_MAIN(TestEffectCommon)
#include "tst_effectcommon.moc"
