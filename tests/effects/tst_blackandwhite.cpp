#include "effects/BlackAndWhite.h"

#include <QtTest>

#include <vector>

class TestBlackAndWhite : public QObject
{
    Q_OBJECT

private slots:
    void grey_data();
    void grey();
    void keepsPaddingAndRefusesBadStrides();
};

void TestBlackAndWhite::grey_data()
{
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("grey");
    QTest::newRow("white") << 255 << 255 << 255 << 255;
    QTest::newRow("black") << 0 << 0 << 0 << 0;
    QTest::newRow("red") << 0 << 0 << 255 << 76;     // 306 x 255 >> 10
    QTest::newRow("green") << 0 << 255 << 0 << 149;  // 601 x 255 >> 10
    QTest::newRow("blue") << 255 << 0 << 0 << 29;    // 117 x 255 >> 10
    QTest::newRow("mixed") << 10 << 20 << 30 << 21;  // 22370 >> 10
    QTest::newRow("grey stays") << 77 << 77 << 77 << 77;
}

void TestBlackAndWhite::grey()
{
    QFETCH(int, b);
    QFETCH(int, g);
    QFETCH(int, r);
    QFETCH(int, grey);
    std::uint8_t pixel[3] = {std::uint8_t(b), std::uint8_t(g), std::uint8_t(r)};
    QCOMPARE(ExecuteBlackAndWhite(pixel, 1, 1, 3), 1);
    QCOMPARE(int(pixel[0]), grey);
    QCOMPARE(int(pixel[1]), grey);
    QCOMPARE(int(pixel[2]), grey);
}

void TestBlackAndWhite::keepsPaddingAndRefusesBadStrides()
{
    const int width = 2, height = 3, stride = 9;
    std::vector<std::uint8_t> bytes(stride * height, 0xAB);
    for (int y = 0; y < height; ++y)
        std::fill(bytes.begin() + y * stride, bytes.begin() + y * stride + 3 * width, 255);
    QCOMPARE(ExecuteBlackAndWhite(bytes.data(), width, height, stride), 1);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < stride; ++x)
            QCOMPARE(int(bytes[std::size_t(y * stride + x)]), x < 3 * width ? 255 : 0xAB);
    }
    const std::vector<std::uint8_t> before = bytes;
    QCOMPARE(ExecuteBlackAndWhite(bytes.data(), width, height, 5), 0);
    QCOMPARE(ExecuteBlackAndWhite(nullptr, width, height, stride), 0);
    QCOMPARE(ExecuteBlackAndWhite(bytes.data(), 0, 0, stride), 1);
    QCOMPARE(bytes, before);
}

QTEST_GUILESS_MAIN(TestBlackAndWhite)
#include "tst_blackandwhite.moc"
