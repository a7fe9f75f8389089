#include "stitch/align/CMatchRansac.h"
#include "stitch/align/CStitchMatch.h"
#include "stitch/job/PointTwinList.h"
#include "stitch/motion/CMotionEstimation.h"
#include "stitch/pyramid/CStitchPyramid.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace {

constexpr double kFocal = 400.0; // layer pixels
constexpr double kCx = 159.5, kCy = 119.5;

// Twins of a 320 x 240 pair turned by 15 degrees about y; those listed in
// `outliers` are moved 25 pixels down in this element.
PointTwinList rotationTwins(QList<int> outliers)
{
    const double yaw = 15 * M_PI / 180;
    const double R[9] = {std::cos(yaw), 0, -std::sin(yaw), 0, 1, 0, std::sin(yaw), 0, std::cos(yaw)};
    CStitchTransform turn;
    std::copy(R, R + 9, turn.m_Matrix);
    PointTwinList twins;
    for (int k = 0; k < 20; ++k) {
        const tagPOINT b{10 + (k * 37) % 120, 15 + (k * 53) % 210};
        tagPOINT a = CMotionEstimation::RotatePoint(&turn, kFocal, 0, b, kCx, kCy, kCx, kCy);
        if (outliers.contains(k))
            a.y += 25;
        twins.m_Twins[k][0] = a;
        twins.m_Twins[k][1] = b;
    }
    twins.m_lCount = 20;
    return twins;
}

CMatchRansac parameters()
{
    CMatchRansac ransac(0, nullptr);
    ransac.m_dCenterX = ransac.m_dNeighbourCenterX = kCx;
    ransac.m_dCenterY = ransac.m_dNeighbourCenterY = kCy;
    ransac.m_dFocal = kFocal;
    return ransac;
}

bool same(const PointTwinList& a, const PointTwinList& b)
{
    if (a.m_lCount != b.m_lCount)
        return false;
    for (int k = 0; k < a.m_lCount; ++k)
        for (int s = 0; s < 2; ++s)
            if (a.m_Twins[k][s].x != b.m_Twins[k][s].x || a.m_Twins[k][s].y != b.m_Twins[k][s].y)
                return false;
    return true;
}

// Values fitted by their mean; a sample fits only when its values agree
// within 1, so every iteration of the loop makes exactly one fit.
class CountingRansac : public CRansac<double>
{
public:
    CountingRansac(QList<double>& values) : CRansac<double>(int(values.size()), 3, values.data(), 2003) {}

    double Distance(const double& value) override { return std::fabs(value - m_model); }
    bool FitModel(int count, double* values) override
    {
        ++m_fits;
        const auto [low, high] = std::minmax_element(values, values + count);
        if (*high - *low >= 1.0)
            return false;
        if (m_firstFit < 0)
            m_firstFit = m_fits - 1;
        m_model = std::accumulate(values, values + count, 0.0) / count;
        return true;
    }

    double m_model = 0.0;
    int m_fits = 0;
    int m_firstFit = -1; // the iteration of the first usable sample
};

} // namespace

class TestMatchRansac : public QObject
{
    Q_OBJECT

private slots:
    void init() { CStitchPyramid::m_bTelephoto = false; }
    void cleanup() { CStitchPyramid::m_bTelephoto = false; }
    void keepsTheAgreeingTwinsInOrder();
    void repeatsWhateverElseCallsRand();
    void tooFewOrCollinearTwinsLeaveTheList_data();
    void tooFewOrCollinearTwinsLeaveTheList();
    void telephotoErrorOf16IsAnOutlier();
    void toleranceIsFourPixelsOfTheLayer_data();
    void toleranceIsFourPixelsOfTheLayer();
    void isCoLine_data();
    void isCoLine();
    void stopsEarlyAndLowersItsLimit_data();
    void stopsEarlyAndLowersItsLimit();
};

void TestMatchRansac::keepsTheAgreeingTwinsInOrder()
{
    const PointTwinList clean = rotationTwins({});
    PointTwinList twins = rotationTwins({3, 8, 15});
    CMatchRansac ransac = parameters();
    QVERIFY(CStitchMatch::StartUpRansac(&ransac, &twins));
    QCOMPARE(twins.m_lCount, 17);
    int j = 0;
    for (int k = 0; k < 20; ++k) {
        if (k == 3 || k == 8 || k == 15)
            continue;
        QCOMPARE(twins.m_Twins[j][0].y, clean.m_Twins[k][0].y);
        QCOMPARE(twins.m_Twins[j][1].x, clean.m_Twins[k][1].x);
        ++j;
    }
    QVERIFY(ransac.m_Model.At(0, 2) < -0.2); // about -sin 15 degrees
}

void TestMatchRansac::repeatsWhateverElseCallsRand()
{
    PointTwinList first = rotationTwins({1, 2, 5, 11, 12, 19});
    PointTwinList second = first, third = first;
    CMatchRansac a = parameters(), b = parameters(), c = parameters();
    QVERIFY(CStitchMatch::StartUpRansac(&a, &first));
    QVERIFY(CStitchMatch::StartUpRansac(&b, &second));
    std::srand(77);
    for (int i = 0; i < 1000; ++i)
        (void)std::rand();
    QVERIFY(CStitchMatch::StartUpRansac(&c, &third));
    QVERIFY(same(first, second));
    QVERIFY(same(first, third));
    for (int i = 0; i < 9; ++i)
        QCOMPARE(a.m_Model.m_Matrix[i], c.m_Model.m_Matrix[i]);
}

void TestMatchRansac::tooFewOrCollinearTwinsLeaveTheList_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("collinear");
    QTest::newRow("none") << 0 << false;
    QTest::newRow("two") << 2 << false;
    QTest::newRow("ten on a line") << 10 << true;
}

void TestMatchRansac::tooFewOrCollinearTwinsLeaveTheList()
{
    QFETCH(int, count);
    QFETCH(bool, collinear);
    PointTwinList twins = rotationTwins({});
    twins.m_lCount = count;
    if (collinear)
        for (int k = 0; k < count; ++k) {
            twins.m_Twins[k][0] = tagPOINT{100 + 7 * k, 50 + 3 * k};
            twins.m_Twins[k][1] = tagPOINT{10 + 7 * k, 50 + 3 * k};
        }
    const PointTwinList before = twins;
    CMatchRansac ransac = parameters();
    QVERIFY(!CStitchMatch::StartUpRansac(&ransac, &twins));
    QVERIFY(same(before, twins));
}

void TestMatchRansac::telephotoErrorOf16IsAnOutlier()
{
    CStitchPyramid::m_bTelephoto = true;
    CMatchRansac ransac = parameters();
    // A shift by (100.5, 0.5) keeps truncation away from whole numbers.
    const double m[9] = {1, 0, 100.5, 0, 1, 0.5, 0, 0, 1};
    std::copy(m, m + 9, ransac.m_Model.m_Matrix);
    tagPOINT off4[2] = {{114, 20}, {10, 20}};   // maps to (110, 20): 4^2 = 16
    tagPOINT off13[2] = {{113, 22}, {10, 20}};  // 3^2 + 2^2 = 13
    QCOMPARE(ransac.Distance(off4), 16.0);
    QCOMPARE(ransac.Distance(off13), 13.0);

    // Twins shifted by (90, 3), one moved 4 pixels and one 3 pixels across:
    // the first is dropped (16 is not below 16), the second kept.
    PointTwinList twins;
    twins.m_lCount = 12;
    for (int k = 0; k < 12; ++k) {
        twins.m_Twins[k][1] = tagPOINT{5 + (k * 29) % 100, 7 + (k * 41) % 150};
        twins.m_Twins[k][0] = tagPOINT{twins.m_Twins[k][1].x + 90, twins.m_Twins[k][1].y + 3};
    }
    twins.m_Twins[4][0].x += 4;
    twins.m_Twins[7][0].y += 3;
    CMatchRansac run = parameters();
    QVERIFY(CStitchMatch::StartUpRansac(&run, &twins));
    QCOMPARE(twins.m_lCount, 11);
    for (int k = 0; k < twins.m_lCount; ++k)
        QVERIFY(twins.m_Twins[k][0].x - twins.m_Twins[k][1].x == 90);
}

void TestMatchRansac::toleranceIsFourPixelsOfTheLayer_data()
{
    QTest::addColumn<int>("layer");
    QTest::newRow("layer 0") << 0;
    QTest::newRow("layer 2") << 2;
}

void TestMatchRansac::toleranceIsFourPixelsOfTheLayer()
{
    // 640 x 480 photos with a focal length of 800, turned by 15 degrees
    // about y; the matcher gives the model the layer's centres and focal
    // length, and the tolerance stays 4 pixels of that layer on every one.
    QFETCH(int, layer);
    const double zoom = std::ldexp(1.0, layer);
    const double f = 800 / zoom, cx = 319.5 / zoom, cy = 239.5 / zoom;
    const double yaw = 15 * M_PI / 180, c = std::cos(yaw), s = std::sin(yaw);
    CMatchRansac ransac(0, nullptr);
    ransac.m_dCenterX = ransac.m_dNeighbourCenterX = cx;
    ransac.m_dCenterY = ransac.m_dNeighbourCenterY = cy;
    ransac.m_dFocal = f;
    // Where neighbour point b lies in this element: its ray (x, y, -f) about
    // the centre turned by P = R Q, R = [[c, 0, -s], [0, 1, 0], [s, 0, c]],
    // back onto the plane at -f, rounded as the library rounds.
    auto element = [&](tagPOINT b) {
        const double x = b.x - cx, y = b.y - cy;
        const double wx = c * x + s * f, wz = s * x - c * f;
        return tagPOINT{int(-f * wx / wz + cx + 0.5), int(-f * y / wz + cy + 0.5)};
    };

    // The exact model: 4 pixels off is out (16 is not below 16), 2 in (the
    // way back adds the rounding of both points, so 3 can count as 4).
    const double turn[9] = {c, 0, -s, 0, 1, 0, s, 0, c};
    std::copy(turn, turn + 9, ransac.m_Model.m_Matrix);
    const tagPOINT b{int(40 / zoom), int(200 / zoom)};
    const tagPOINT a = element(b);
    tagPOINT off2[2] = {{a.x, a.y + 2}, b};
    tagPOINT off4[2] = {{a.x, a.y + 4}, b};
    QVERIFY2(ransac.Distance(off2) < 16.0, qPrintable(QString::number(ransac.Distance(off2))));
    QVERIFY2(ransac.Distance(off4) >= 16.0, qPrintable(QString::number(ransac.Distance(off4))));

    // Twenty twins over the neighbour's left part: two moved a pixel down
    // stay, two moved six pixels go, the rest keep their order.
    PointTwinList twins;
    twins.m_lCount = 20;
    for (int k = 0; k < 20; ++k) {
        const tagPOINT q{int((16 + (k * 37) % 360) / zoom), int((16 + (k * 53) % 440) / zoom)};
        twins.m_Twins[k][0] = element(q);
        twins.m_Twins[k][1] = q;
    }
    twins.m_Twins[4][0].y += 1;
    twins.m_Twins[9][0].y += 1;
    twins.m_Twins[13][0].y += 6;
    twins.m_Twins[17][0].y += 6;
    const PointTwinList before = twins;
    QVERIFY(CStitchMatch::StartUpRansac(&ransac, &twins));
    QCOMPARE(twins.m_lCount, 18);
    int j = 0;
    for (int k = 0; k < 20; ++k) {
        if (k == 13 || k == 17)
            continue;
        QCOMPARE(twins.m_Twins[j][0].x, before.m_Twins[k][0].x);
        QCOMPARE(twins.m_Twins[j][0].y, before.m_Twins[k][0].y);
        QCOMPARE(twins.m_Twins[j][1].x, before.m_Twins[k][1].x);
        QCOMPARE(twins.m_Twins[j][1].y, before.m_Twins[k][1].y);
        ++j;
    }
}

void TestMatchRansac::isCoLine_data()
{
    QTest::addColumn<QList<int>>("xy");
    QTest::addColumn<bool>("line");
    QTest::newRow("two points") << QList<int>{0, 0, 5, 5} << true;
    QTest::newRow("on a line") << QList<int>{0, 0, 10, 0, 20, 0, 35, 0} << true;
    // (0,0) (10,1) (20,0): 2 sqrt(101) - 20 = 0.1 < 1.
    QTest::newRow("bent by a pixel") << QList<int>{0, 0, 10, 1, 20, 0} << true;
    // (0,0) (10,3) (20,0): 2 sqrt(109) - 20 = 0.88 < 1; (10,4): 2 sqrt(116) - 20 = 1.54.
    QTest::newRow("bent by three") << QList<int>{0, 0, 10, 3, 20, 0} << true;
    QTest::newRow("bent by four") << QList<int>{0, 0, 10, 4, 20, 0} << false;
    QTest::newRow("triangle") << QList<int>{0, 0, 30, 0, 0, 30} << false;
}

void TestMatchRansac::isCoLine()
{
    QFETCH(QList<int>, xy);
    QFETCH(bool, line);
    QList<tagPOINT> points;
    for (int i = 0; i + 1 < xy.size(); i += 2)
        points.append(tagPOINT{xy[i], xy[i + 1]});
    QCOMPARE(CMatchRansac::IsCoLine(int(points.size()), points.constData()), line);
}

void TestMatchRansac::stopsEarlyAndLowersItsLimit_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<int>("iterations");
    QTest::addColumn<int>("inliers");
    // All three agree: every datum is an inlier, the outlier share is 0 and
    // the loop ends after its first iteration.
    QTest::newRow("three that agree") << QList<double>{5, 5, 5} << 1 << 3;
    // Six of ten agree: e = 0.4, N' = log(0.01) / log(1 - 0.6^3) = 18.92,
    // so the limit drops from 500 to 19 iterations, counted from the first.
    QTest::newRow("six of ten") << QList<double>{0, 100, 0, 200, 0, 0, 300, 0, 400, 0} << 19 << 6;
}

void TestMatchRansac::stopsEarlyAndLowersItsLimit()
{
    QFETCH(QList<double>, values);
    QFETCH(int, iterations);
    QFETCH(int, inliers);
    CountingRansac ransac(values);
    QVERIFY(ransac.Run(500, 1.0, 0.99));
    QVERIFY(ransac.m_firstFit >= 0 && ransac.m_firstFit < iterations);
    // One fit per iteration, and the final fit on the inliers.
    QCOMPARE(ransac.m_fits, iterations + 1);
    int kept = 0;
    for (int i = 0; i < values.size(); ++i)
        kept += ransac.IsInlier(i) ? 1 : 0;
    QCOMPARE(kept, inliers);
}

QTEST_GUILESS_MAIN(TestMatchRansac)
#include "tst_matchransac.moc"
