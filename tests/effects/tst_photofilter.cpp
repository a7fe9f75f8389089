#include "effects/PhotoFilter.h"

#include <QtTest>

#include <vector>

namespace {

struct Rgb
{
    int r, g, b;
};

// A picture with every grey, a colour ramp and padding after each row.
std::vector<std::uint8_t> testPicture(int width, int height, int stride)
{
    std::vector<std::uint8_t> bytes(std::size_t(stride) * height, 0xAB);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = bytes.data() + y * stride + 3 * x;
            p[0] = std::uint8_t(x * 37 + y);
            p[1] = std::uint8_t(x * 11 + 3 * y);
            p[2] = std::uint8_t(255 - x * 5 - y);
        }
    }
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(Rgb)

class TestPhotoFilter : public QObject
{
    Q_OBJECT

private slots:
    void pixels_data();
    void pixels();
    void densityZeroChangesNothing_data();
    void densityZeroChangesNothing();
    void greyFilterKeepsGreysWithLuminosity_data();
    void greyFilterKeepsGreysWithLuminosity();
    void densityBeyondTheRange();
    void keepsPaddingAndRefusesBadStrides();
};

// Worked through the filter's steps by hand. For example an orange filter
// (R 255, G 138, B 0) at density 25 on grey 128, keeping luminosity:
// a = 256; filter Y 157, Cb -89, Cr 69; pixel Y 128, Cb = Cr = 0;
// Cb1 = ((-11392 >> 8) x 256) >> 10 = -12, Cr1 = (34 x 256) >> 10 = 8;
// k = 192: Cb1 = -2304 >> 8 = -9, Cr1 = 1536 >> 8 = 6; Yq = 131072;
// R = 139694 >> 10 = 136, G = 129854 >> 10 = 126, B = 114764 >> 10 = 112.
void TestPhotoFilter::pixels_data()
{
    QTest::addColumn<Rgb>("pixel");
    QTest::addColumn<Rgb>("filter");
    QTest::addColumn<int>("density");
    QTest::addColumn<bool>("keepLuminosity");
    QTest::addColumn<Rgb>("expected");
    QTest::newRow("warming on grey, luminosity kept") << Rgb{128, 128, 128} << Rgb{255, 138, 0} << 25 << true
                                                      << Rgb{136, 126, 112};
    QTest::newRow("warming on grey, darkened") << Rgb{128, 128, 128} << Rgb{255, 138, 0} << 25 << false
                                               << Rgb{126, 113, 93};
    QTest::newRow("blue on orange, luminosity kept") << Rgb{200, 90, 40} << Rgb{0, 0, 255} << 50 << true
                                                     << Rgb{163, 95, 108};
    QTest::newRow("blue on orange, darkened") << Rgb{200, 90, 40} << Rgb{0, 0, 255} << 50 << false
                                              << Rgb{104, 43, 72};
    QTest::newRow("full red on white") << Rgb{255, 255, 255} << Rgb{255, 0, 0} << 100 << false << Rgb{251, 0, 0};
    QTest::newRow("black stays black") << Rgb{0, 0, 0} << Rgb{255, 128, 0} << 80 << true << Rgb{0, 0, 0};
    QTest::newRow("green on blue") << Rgb{30, 60, 200} << Rgb{60, 200, 30} << 100 << true
                                          << Rgb{24, 80, 109};
}

void TestPhotoFilter::pixels()
{
    QFETCH(Rgb, pixel);
    QFETCH(Rgb, filter);
    QFETCH(int, density);
    QFETCH(bool, keepLuminosity);
    QFETCH(Rgb, expected);
    std::uint8_t bytes[3] = {std::uint8_t(pixel.b), std::uint8_t(pixel.g), std::uint8_t(pixel.r)};
    QCOMPARE(ExecutePhotoFilterImage(bytes, 1, 1, 3, std::uint8_t(filter.r), std::uint8_t(filter.g),
                                     std::uint8_t(filter.b), density, keepLuminosity),
             1);
    QCOMPARE(int(bytes[2]), expected.r);
    QCOMPARE(int(bytes[1]), expected.g);
    QCOMPARE(int(bytes[0]), expected.b);
}

void TestPhotoFilter::densityZeroChangesNothing_data()
{
    QTest::addColumn<int>("density");
    QTest::newRow("0") << 0;
    QTest::newRow("negative") << -20;
}

void TestPhotoFilter::densityZeroChangesNothing()
{
    QFETCH(int, density);
    std::vector<std::uint8_t> bytes = testPicture(16, 4, 53);
    const std::vector<std::uint8_t> before = bytes;
    QCOMPARE(ExecutePhotoFilterImage(bytes.data(), 16, 4, 53, 255, 0, 0, density, 0), 1);
    QCOMPARE(ExecutePhotoFilterImage(bytes.data(), 16, 4, 53, 0, 90, 255, density, 1), 1);
    QCOMPARE(bytes, before);
}

void TestPhotoFilter::greyFilterKeepsGreysWithLuminosity_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("density");
    QTest::newRow("grey 128 at 50") << 128 << 50;
    QTest::newRow("black at 100") << 0 << 100;
    QTest::newRow("grey 200 at 1") << 200 << 1;
    QTest::newRow("white at 73") << 255 << 73;
}

void TestPhotoFilter::greyFilterKeepsGreysWithLuminosity()
{
    QFETCH(int, filter);
    QFETCH(int, density);
    std::vector<std::uint8_t> bytes(256 * 3);
    for (int v = 0; v < 256; ++v)
        bytes[std::size_t(3 * v)] = bytes[std::size_t(3 * v + 1)] = bytes[std::size_t(3 * v + 2)] = std::uint8_t(v);
    const std::vector<std::uint8_t> before = bytes;
    const auto f = std::uint8_t(filter);
    QCOMPARE(ExecutePhotoFilterImage(bytes.data(), 256, 1, 3 * 256, f, f, f, density, 1), 1);
    QCOMPARE(bytes, before);
}

void TestPhotoFilter::densityBeyondTheRange()
{
    std::vector<std::uint8_t> full = testPicture(16, 4, 48);
    std::vector<std::uint8_t> beyond = full;
    ExecutePhotoFilterImage(full.data(), 16, 4, 48, 40, 200, 90, 100, 0);
    ExecutePhotoFilterImage(beyond.data(), 16, 4, 48, 40, 200, 90, 250, 0);
    QCOMPARE(beyond, full);
}

void TestPhotoFilter::keepsPaddingAndRefusesBadStrides()
{
    std::vector<std::uint8_t> bytes = testPicture(5, 3, 20);
    QCOMPARE(ExecutePhotoFilterImage(bytes.data(), 5, 3, 20, 255, 100, 0, 60, 1), 1);
    for (int y = 0; y < 3; ++y) {
        for (int x = 15; x < 20; ++x)
            QCOMPARE(int(bytes[std::size_t(y * 20 + x)]), 0xAB);
    }
    const std::vector<std::uint8_t> before = bytes;
    QCOMPARE(ExecutePhotoFilterImage(bytes.data(), 5, 3, 14, 255, 100, 0, 60, 1), 0);
    QCOMPARE(ExecutePhotoFilterImage(nullptr, 5, 3, 20, 255, 100, 0, 60, 1), 0);
    QCOMPARE(ExecutePhotoFilterImage(bytes.data(), 0, 3, 20, 255, 100, 0, 60, 1), 1);
    QCOMPARE(bytes, before);
}

QTEST_GUILESS_MAIN(TestPhotoFilter)
#include "tst_photofilter.moc"
