#include "StitchTestHost.h"
#include "Texture.h"

#include "stitch/align/CRosenfeldCorner.h"
#include "stitch/image/CImage.h"
#include "stitch/job/CStitchOptions.h"

#include <QtTest>

#include <functional>

class TestCorners : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void greyAndBlurLines();
    void blurRepeatsEdges();
    void flatRegionHasNoCorners();
    void narrowRegionsHaveNoCorners_data();
    void narrowRegionsHaveNoCorners();
    void spacing_data();
    void spacing();
    void equalMeasuresInScanOrder();
    void tiesPastTheCapStay();
    void cornersOfASquare();

private:
    // Detects on a fresh image of the given pixels; calls check with it locked.
    void withImage(int width, int height, const std::function<unsigned(int, int)>& pixel,
                   const std::function<void(CImage&)>& check);

    StitchTestHost* m_host = nullptr;
};

void TestCorners::init()
{
    m_host = new StitchTestHost;
}

void TestCorners::cleanup()
{
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

void TestCorners::withImage(int width, int height, const std::function<unsigned(int, int)>& pixel,
                            const std::function<void(CImage&)>& check)
{
    void* handle = m_host->makeHandle(StitchTestHost::packed24(width, height, pixel));
    {
        CImage image(handle);
        QCOMPARE(image.Lock(), 0);
        check(image);
        image.Unlock();
        image.Detach();
    }
    CStitchOptions::MemFree(handle);
}

void TestCorners::greyAndBlurLines()
{
    // (117 B + 601 G + 306 R) >> 10: white 1024 x 255 >> 10 = 255; pure green
    // 200: 120200 >> 10 = 117; pure red 100: 30600 >> 10 = 29.
    const tagRGBTRIPLE in[3] = {{255, 255, 255}, {0, 200, 0}, {0, 0, 100}};
    unsigned char grey[3];
    CCornerDetector::RGB2GrayImageLine(in, grey, 3);
    QCOMPARE(QList<int>({grey[0], grey[1], grey[2]}), QList<int>({255, 117, 29}));
    // Ends (3 a + b) >> 2 and (a + 3 b) >> 2; inside [1 2 1] >> 2.
    const unsigned char line[4] = {0, 100, 200, 40};
    unsigned char out[4];
    CCornerDetector::BlurHImageLine(line, out, 4);
    QCOMPARE(QList<int>({out[0], out[1], out[2], out[3]}), QList<int>({25, 100, 135, 80}));
    CCornerDetector::BlurHImageLine(line + 1, out, 1);
    QCOMPARE(int(out[0]), 100);
}

void TestCorners::blurRepeatsEdges()
{
    // Pixel (1, 0) of a 3 x 2 region lit blue 255: grey 117 x 255 >> 10 =
    // 29. Row 0 blurred: (3 x 0 + 29) >> 2 = 7, (0 + 58 + 0) >> 2 = 14, 7;
    // row 1 stays 0. Columns, the top row standing in for the one above:
    // row 0 (7 + 14 + 0) >> 2 = 5 and (14 + 28 + 0) >> 2 = 10; row 1
    // (7 + 0 + 0) >> 2 = 1 and 14 >> 2 = 3.
    withImage(3, 2, [](int x, int y) { return x == 1 && y == 0 ? 0x0000FFu : 0u; }, [](CImage& image) {
        unsigned char out[6];
        CCornerDetector::BlurGrayImage(&image, out, CCornerDetector::ImageRegion{0, 2, 0, 1});
        QCOMPARE(QList<int>(out, out + 6), QList<int>({5, 10, 5, 1, 3, 1}));
    });
}

void TestCorners::flatRegionHasNoCorners()
{
    withImage(40, 30, [](int, int) { return 0x336699u; }, [](CImage& image) {
        CRosenfeldCorner detector(&image, CCornerDetector::ImageRegion{0, 39, 0, 29}, {4, 1});
        tagPOINT out[40];
        QCOMPARE(detector.GetCornerList(40, out), 0);
        QVERIFY(!detector.Run());
    });
}

void TestCorners::narrowRegionsHaveNoCorners_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("4 columns") << 4 << 40;
    QTest::newRow("4 rows") << 40 << 4;
    QTest::newRow("1 column") << 1 << 40;
}

void TestCorners::narrowRegionsHaveNoCorners()
{
    QFETCH(int, width);
    QFETCH(int, height);
    const Texture texture(80, 80, 3, 4);
    withImage(60, 60, [&](int x, int y) { return texture.at(x, y); }, [&](CImage& image) {
        CRosenfeldCorner detector(&image, CCornerDetector::ImageRegion{10, 10 + width - 1, 10, 10 + height - 1}, {4, 1});
        tagPOINT out[40];
        QCOMPARE(detector.GetCornerList(40, out), 0);
    });
}

void TestCorners::spacing_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("spacing");
    QTest::newRow("600 x 300") << 600 << 300 << 15;   // 300 / 20
    QTest::newRow("60 x 2000") << 60 << 2000 << 4;    // smaller side under 100
    QTest::newRow("1000 x 1000") << 1000 << 1000 << 32; // 50, capped
    QTest::newRow("100 x 100") << 100 << 100 << 5;
    QTest::newRow("99 x 400") << 99 << 400 << 4;
}

void TestCorners::spacing()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, spacing);
    const Texture texture(width + 20, height + 20, 4, 8);
    withImage(width, height, [&](int x, int y) { return texture.at(x, y); }, [&](CImage& image) {
        CRosenfeldCorner detector(&image, CCornerDetector::ImageRegion{0, width - 1, 0, height - 1}, {9, 1});
        tagPOINT out[40];
        const int count = detector.GetCornerList(40, out);
        QVERIFY(count > 0);
        QCOMPARE(detector.m_Params.spacing, spacing);
        for (int i = 0; i < count; ++i)
            for (int j = 0; j < i; ++j)
                QVERIFY(std::abs(out[i].x - out[j].x) > spacing || std::abs(out[i].y - out[j].y) > spacing);
    });
}

void TestCorners::equalMeasuresInScanOrder()
{
    // Identical squares give identical measures: the array runs strongest
    // first, and within one measure upper rows first, then left to right.
    auto squares = [](int x, int y) {
        const int u = x % 16, v = y % 16;
        return u >= 5 && u < 11 && v >= 5 && v < 11 ? 0xFFFFFFu : 0x000000u;
    };
    withImage(64, 48, squares, [](CImage& image) {
        CRosenfeldCorner detector(&image, CCornerDetector::ImageRegion{0, 63, 0, 47}, {4, 1});
        QVERIFY(detector.Run());
        QVERIFY(detector.m_lCount >= 12);
        for (int i = 1; i < detector.m_lCount; ++i) {
            const auto& a = detector.m_pCorners[i - 1];
            const auto& b = detector.m_pCorners[i];
            QVERIFY(a.measure >= b.measure);
            if (a.measure == b.measure)
                QVERIFY(a.y < b.y || (a.y == b.y && a.x < b.x));
        }
    });
}

void TestCorners::tiesPastTheCapStay()
{
    // 48 identical squares, each with at least two corners of the strongest
    // measure: far more than 80 candidates share the top bin, and all stay.
    auto squares = [](int x, int y) {
        const int u = x % 16, v = y % 16;
        return u >= 5 && u < 11 && v >= 5 && v < 11 ? 0xFFFFFFu : 0x000000u;
    };
    withImage(128, 96, squares, [](CImage& image) {
        CRosenfeldCorner detector(&image, CCornerDetector::ImageRegion{0, 127, 0, 95}, {4, 1});
        QVERIFY(detector.Run());
        QVERIFY(detector.m_lCount > 80);
        for (int i = 0; i < 81; ++i)
            QCOMPARE(detector.m_pCorners[i].measure, detector.m_pCorners[0].measure);
    });
}

void TestCorners::cornersOfASquare()
{
    // One bright square: every listed corner lies near one of its corners,
    // in image coordinates (the region starts at (3, 2)).
    withImage(40, 40, [](int x, int y) { return x >= 12 && x < 26 && y >= 10 && y < 24 ? 0xC0C0C0u : 0x202020u; },
              [](CImage& image) {
                  CRosenfeldCorner detector(&image, CCornerDetector::ImageRegion{3, 36, 2, 37}, {4, 1});
                  tagPOINT out[40];
                  const int count = detector.GetCornerList(40, out);
                  QVERIFY(count >= 4);
                  for (int i = 0; i < count; ++i) {
                      const bool nearCorner = (std::abs(out[i].x - 12) <= 2 || std::abs(out[i].x - 25) <= 2)
                          && (std::abs(out[i].y - 10) <= 2 || std::abs(out[i].y - 23) <= 2);
                      QVERIFY2(nearCorner, qPrintable(QStringLiteral("%1, %2").arg(out[i].x).arg(out[i].y)));
                  }
              });
}

QTEST_GUILESS_MAIN(TestCorners)
#include "tst_corners.moc"
