#include "StitchTestHost.h"
#include "Texture.h"

#include "stitch/align/CStitchMatch.h"
#include "stitch/image/CImage.h"
#include "stitch/interface/PSStitch.h"
#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"

#include <QRandomGenerator>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(tagPOINT)

namespace {

// A random 8 x 8 colour block (variance far above 64).
void randomBlock(tagRGBTRIPLE block[8][8], quint32 seed)
{
    QRandomGenerator random(seed);
    for (int j = 0; j < 8; ++j)
        for (int i = 0; i < 8; ++i)
            block[j][i] = tagRGBTRIPLE{static_cast<unsigned char>(random.bounded(256)),
                                       static_cast<unsigned char>(random.bounded(256)),
                                       static_cast<unsigned char>(random.bounded(256))};
}

unsigned rgbOf(const tagRGBTRIPLE& p)
{
    return unsigned(p.rgbtRed) << 16 | unsigned(p.rgbtGreen) << 8 | p.rgbtBlue;
}

} // namespace

class TestBlockMatch : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void flatBlockNeverMatches();
    void smallWindowGivesZero();
    void nearerOfTwoEqualMinimaWins_data();
    void nearerOfTwoEqualMinimaWins();
    void removeWrongTwins_data();
    void removeWrongTwins();
    void defaultTwins();
    void overlapOf12Or13Pixels_data();
    void overlapOf12Or13Pixels();
    void firstLayerTwinsFollowTheShift();
    void unsearchedBlockMakesNoTwin();

private:
    void withImage(int width, int height, const std::function<unsigned(int, int)>& pixel,
                   const std::function<void(CImage&)>& check);
    // A job of two photos (A, then B its right or lower neighbour) whose
    // layer 1 is width x height, with the coarse twin ((dx, dy), (0, 0)).
    CStitchOptions* pairJob(const Texture& texture, QPoint shift, bool horizontal, int width, int height);

    StitchTestHost* m_host = nullptr;
};

void TestBlockMatch::init()
{
    m_host = new StitchTestHost;
    CStitchPyramid::m_bTelephoto = false;
}

void TestBlockMatch::cleanup()
{
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

void TestBlockMatch::withImage(int width, int height, const std::function<unsigned(int, int)>& pixel,
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

void TestBlockMatch::flatBlockNeverMatches()
{
    tagRGBTRIPLE block[8][8];
    for (auto& row : block)
        for (auto& p : row)
            p = tagRGBTRIPLE{90, 90, 90};
    withImage(30, 30, [](int, int) { return 0x5A5A5Au; }, [&](CImage& image) {
        tagPOINT point{12, 13};
        QCOMPARE(CStitchMatch(nullptr).SearchMatch(&image, block, tagRECT{0, 0, 29, 29}, &point), -1.0);
        QCOMPARE(point.x, 12);
        QCOMPARE(point.y, 13);
    });
}

void TestBlockMatch::smallWindowGivesZero()
{
    tagRGBTRIPLE block[8][8];
    randomBlock(block, 3);
    withImage(30, 30, [](int x, int y) { return unsigned(x * 7 + y * 13) * 0x010101u; }, [&](CImage& image) {
        tagPOINT point{5, 5};
        QCOMPARE(CStitchMatch(nullptr).SearchMatch(&image, block, tagRECT{0, 0, 7, 20}, &point), 0.0);
        QCOMPARE(CStitchMatch(nullptr).SearchMatch(&image, block, tagRECT{0, 0, 20, 7}, &point), 0.0);
        QCOMPARE(point.x, 5);
    });
}

void TestBlockMatch::nearerOfTwoEqualMinimaWins_data()
{
    QTest::addColumn<tagPOINT>("prediction");
    QTest::addColumn<tagPOINT>("found");
    // Two copies of the block, at (6, 6) and (30, 6) (centres (10, 10) and
    // (34, 10)), on flat grey that no window of variance 64 can match. Each
    // copy has two bytes one higher, so both minima are a SAD of 2 (an exact
    // copy would be 0, which the limit of 1.5 x the smallest positive SAD
    // leaves out of the reckoning) and the limit 3 admits nothing else.
    QTest::newRow("near the left one") << tagPOINT{16, 12} << tagPOINT{10, 10};
    QTest::newRow("near the right one") << tagPOINT{29, 8} << tagPOINT{34, 10};
    // City-block distances 12 and 12: the first in row order wins.
    QTest::newRow("half way") << tagPOINT{22, 10} << tagPOINT{10, 10};
}

void TestBlockMatch::nearerOfTwoEqualMinimaWins()
{
    QFETCH(tagPOINT, prediction);
    QFETCH(tagPOINT, found);
    tagRGBTRIPLE block[8][8];
    randomBlock(block, 77);
    tagRGBTRIPLE copy[8][8];
    std::memcpy(copy, block, sizeof copy);
    copy[2][3].rgbtBlue = static_cast<unsigned char>(std::min(copy[2][3].rgbtBlue + 1, 255));
    copy[5][6].rgbtRed = static_cast<unsigned char>(std::min(copy[5][6].rgbtRed + 1, 255));
    auto pixel = [&](int x, int y) {
        for (int left : {6, 30})
            if (x >= left && x < left + 8 && y >= 6 && y < 14)
                return rgbOf(copy[y - 6][x - left]);
        return 0x808080u;
    };
    withImage(46, 22, pixel, [&](CImage& image) {
        tagPOINT point = prediction;
        const double score = CStitchMatch(nullptr).SearchMatch(&image, block, tagRECT{0, 0, 45, 21}, &point);
        QVERIFY2(score > 8.0, qPrintable(QStringLiteral("%1 at %2, %3").arg(score).arg(point.x).arg(point.y)));
        QCOMPARE(point.x, found.x);
        QCOMPARE(point.y, found.y);
    });
}

void TestBlockMatch::removeWrongTwins_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QList<QPoint>>("twins"); // element point, neighbour point, ...
    QTest::addColumn<QList<QPoint>>("kept");
    // 100 x 80: a quarter of the height is 20, of the width 25.
    QTest::newRow("right: leftward and far rows dropped")
        << true << QList<QPoint>{{50, 10}, {5, 12}, {3, 10}, {5, 10}, {60, 40}, {2, 20}, {70, 30}, {4, 11}}
        << QList<QPoint>{{50, 10}, {5, 12}, {70, 30}, {4, 11}};
    QTest::newRow("lower: upward and far columns dropped")
        << false << QList<QPoint>{{10, 50}, {12, 5}, {10, 3}, {10, 5}, {39, 60}, {15, 2}, {30, 70}, {3, 4}}
        << QList<QPoint>{{10, 50}, {12, 5}, {39, 60}, {15, 2}};
}

void TestBlockMatch::removeWrongTwins()
{
    QFETCH(bool, horizontal);
    QFETCH(QList<QPoint>, twins);
    QFETCH(QList<QPoint>, kept);
    PointTwinList list;
    for (int i = 0; i < twins.size(); i += 2) {
        list.m_Twins[i / 2][0] = tagPOINT{twins[i].x(), twins[i].y()};
        list.m_Twins[i / 2][1] = tagPOINT{twins[i + 1].x(), twins[i + 1].y()};
    }
    list.m_lCount = int(twins.size() / 2);
    CStitchMatch::RemoveWrongTwins(&list, 100, 80, horizontal);
    QList<QPoint> got;
    for (int i = 0; i < list.m_lCount; ++i)
        got << QPoint(list.m_Twins[i][0].x, list.m_Twins[i][0].y) << QPoint(list.m_Twins[i][1].x, list.m_Twins[i][1].y);
    QCOMPARE(got, kept);
}

void TestBlockMatch::defaultTwins()
{
    // R = (10, 20)..(40, 80): thirds 10 and 20. Horizontal neighbour points
    // (20, 40), (30, 50), (20, 60); vertical (20, 40), (25, 60), (30, 40).
    const tagRECT r{10, 20, 40, 80};
    const tagPOINT shift{100, -3};
    PointTwinList twins;
    CStitchMatch::SetShiftDefaultFeatures(&twins, r, true, &shift);
    QCOMPARE(twins.m_lCount, 3);
    QCOMPARE(QList<int>({twins.m_Twins[1][1].x, twins.m_Twins[1][1].y, twins.m_Twins[1][0].x, twins.m_Twins[1][0].y}),
             QList<int>({30, 50, 130, 47}));
    CStitchMatch::SetShiftDefaultFeatures(&twins, r, false, &shift);
    QCOMPARE(QList<int>({twins.m_Twins[1][1].x, twins.m_Twins[1][1].y, twins.m_Twins[2][1].x, twins.m_Twins[2][1].y}),
             QList<int>({25, 60, 30, 40}));
    // A quarter turn about (20, 40): (x, y) goes to (y - 40 + 20 + s.x,
    // -(x - 20) + 40 + s.y); (30, 50) to (130, 27). The first point is the
    // centre itself, so only the shift moves it.
    CStitchMatch::SetRotateShiftDefaultFeatures(&twins, r, true, &shift, M_PI / 2, 20, 40);
    QCOMPARE(QList<int>({twins.m_Twins[0][0].x, twins.m_Twins[0][0].y}), QList<int>({120, 37}));
    QCOMPARE(QList<int>({twins.m_Twins[1][0].x, twins.m_Twins[1][0].y}), QList<int>({130, 27}));
}

CStitchOptions* TestBlockMatch::pairJob(const Texture& texture, QPoint shift, bool horizontal, int width, int height)
{
    tagStitchCallbacks table = m_host->callbacks();
    CStitchOptions* job = PSCreateStitch(horizontal ? StitchStyleHorizontal : StitchStyleVertical, StitchOutputOriginal,
                                         StitchMethodCalibrated, &table);
    job->m_Matrix.m_pElements = new CStitchElement[2];
    job->m_Matrix.m_lCols = horizontal ? 2 : 1;
    job->m_Matrix.m_lRows = horizontal ? 1 : 2;
    job->m_Matrix.m_lCount = 2;
    job->m_lDeepestLayer = job->m_lWorkingLayer = 1;
    for (int i = 0; i < 2; ++i) {
        CStitchPyramid& pyramid = job->m_Matrix.m_pElements[i].m_Pyramid;
        pyramid.AllocateLayers(2);
        pyramid.m_lSupplied = 1;
        pyramid.m_lWidth = 2 * width;
        pyramid.m_lHeight = 2 * height;
        const QPoint origin = i == 0 ? QPoint(10, 10) : QPoint(10, 10) + shift;
        pyramid.m_phLayers[1] = m_host->makeHandle(StitchTestHost::packed24(
            width, height, [&](int x, int y) { return texture.at(origin.x() + x, origin.y() + y); }));
    }
    PointTwinList& twins = horizontal ? job->m_Matrix.m_pElements[0].m_RightTwins : job->m_Matrix.m_pElements[0].m_LowerTwins;
    twins.m_lCount = 1;
    twins.m_Twins[0][0] = tagPOINT{shift.x(), shift.y()};
    twins.m_Twins[0][1] = tagPOINT{0, 0};
    return job;
}

void TestBlockMatch::overlapOf12Or13Pixels_data()
{
    QTest::addColumn<int>("overlap");
    QTest::addColumn<bool>("defaulted");
    // Layer 1 is 60 wide, layer 0 120. The overlap in the neighbour runs
    // over layer-0 columns 0..119 - 2dx, on layer 1 to (119 - 2dx) / 2:
    // 12 for dx = 47 and 13 for dx = 46.
    QTest::newRow("12 pixels: defaults") << 12 << true;
    QTest::newRow("13 pixels: corners") << 13 << false;
}

void TestBlockMatch::overlapOf12Or13Pixels()
{
    QFETCH(int, overlap);
    QFETCH(bool, defaulted);
    const Texture texture(200, 200, 4, 12);
    CStitchOptions* job = pairJob(texture, QPoint(59 - overlap, 0), true, 60, 80);
    CStitchMatch match(job);
    QCOMPARE(match.SearchCandidatesFirstTime(0, 0, 1, 0, 1, true), 0);
    const CStitchElement& e = job->m_Matrix.m_pElements[0];
    QCOMPARE(e.m_bRightDefault, defaulted);
    if (defaulted)
        QCOMPARE(e.m_RightTwins.m_lCount, 3);
    for (int i = 0; i < e.m_RightTwins.m_lCount; ++i) {
        QCOMPARE(e.m_RightTwins.m_Twins[i][0].x - e.m_RightTwins.m_Twins[i][1].x, 59 - overlap);
        QCOMPARE(e.m_RightTwins.m_Twins[i][0].y - e.m_RightTwins.m_Twins[i][1].y, 0);
    }
    // The overlap rectangles in layer-0 pixels, in this element and in the
    // neighbour.
    QCOMPARE(e.m_OverlapRects[0].left, 2 * (59 - overlap));
    QCOMPARE(e.m_OverlapRects[1].right, 119 - 2 * (59 - overlap));
    PSReleaseStitch(job);
}

void TestBlockMatch::firstLayerTwinsFollowTheShift()
{
    const Texture texture(300, 300, 5, 31);
    for (bool horizontal : {true, false}) {
        const QPoint shift = horizontal ? QPoint(70, 2) : QPoint(-3, 55);
        CStitchOptions* job = pairJob(texture, shift, horizontal, 110, 90);
        QCOMPARE(CStitchMatch(job).StartUpMatchFirstTime(1, 20, 30), 0);
        const CStitchElement& e = job->m_Matrix.m_pElements[0];
        const PointTwinList& twins = horizontal ? e.m_RightTwins : e.m_LowerTwins;
        QVERIFY(!(horizontal ? e.m_bRightDefault : e.m_bLowerDefault));
        QVERIFY(twins.m_lCount >= 3);
        int exact = 0;
        for (int i = 0; i < twins.m_lCount; ++i) {
            const int ex = twins.m_Twins[i][0].x - twins.m_Twins[i][1].x - shift.x();
            const int ey = twins.m_Twins[i][0].y - twins.m_Twins[i][1].y - shift.y();
            exact += std::abs(ex) <= 1 && std::abs(ey) <= 1 ? 1 : 0;
        }
        QVERIFY2(exact * 10 >= twins.m_lCount * 9, qPrintable(QStringLiteral("%1 of %2").arg(exact).arg(twins.m_lCount)));
        PSReleaseStitch(job);
    }
}

void TestBlockMatch::unsearchedBlockMakesNoTwin()
{
    // B lies 70 pixels to the right, not turned, but the coarse stage
    // claims a turn of 5 degrees. Predictions for corners in B's lower left
    // then drop by sin 5 x 50 = 4.4 rows, past row H - 4, where the image's
    // edge cuts the window to under 8 rows: SearchMatch does not search it
    // (0.0) and the prediction must not come back as a matched twin. Every
    // twin the search finds has its whole 8 x 8 block inside A: its point
    // lies in 4 .. size - 5.
    const Texture texture(300, 300, 5, 31);
    const int width = 110, height = 90;
    CStitchOptions* job = pairJob(texture, QPoint(70, 0), true, width, height);
    CStitchElement& e = job->m_Matrix.m_pElements[0];
    e.m_dRightAngle = 5 * M_PI / 180;
    QCOMPARE(CStitchMatch(job).SearchCandidatesFirstTime(0, 0, 1, 0, 1, true), 0);
    // Enough blocks elsewhere are searched for the pair to keep its twins.
    QVERIFY(!e.m_bRightDefault);
    for (int i = 0; i < e.m_RightTwins.m_lCount; ++i) {
        const tagPOINT q = e.m_RightTwins.m_Twins[i][0];
        QVERIFY2(q.x >= 4 && q.y >= 4 && q.x <= width - 5 && q.y <= height - 5,
                 qPrintable(QStringLiteral("twin %1 at (%2, %3)").arg(i).arg(q.x).arg(q.y)));
    }
    PSReleaseStitch(job);
}

QTEST_GUILESS_MAIN(TestBlockMatch)
#include "tst_blockmatch.moc"
