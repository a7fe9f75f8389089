#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/motion/CCameraCalibration.h"
#include "stitch/pyramid/CStitchPyramid.h"

#include <QtTest>

#include <cmath>
#include <memory>

namespace {

// A job over a grid of elements of one size; the elements outlive the job.
struct Job
{
    Job(tagStitchStyle style, int cols, int rows, int width, int height)
        : elements(new CStitchElement[size_t(cols * rows)])
    {
        options.m_Matrix.m_pElements = elements.get();
        options.m_Matrix.m_Style = style;
        options.m_Matrix.m_lCols = cols;
        options.m_Matrix.m_lRows = rows;
        options.m_Matrix.m_lCount = cols * rows;
        for (int i = 0; i < cols * rows; ++i) {
            elements[i].m_Pyramid.m_lWidth = width;
            elements[i].m_Pyramid.m_lHeight = height;
        }
        CStitchPyramid::m_lMaxW = width;
        CStitchPyramid::m_lMaxH = height;
    }
    CStitchElement& at(int col, int row) { return elements[size_t(row * options.m_Matrix.m_lCols + col)]; }

    std::unique_ptr<CStitchElement[]> elements;
    CStitchOptions options;
};

// Twins of a pair whose neighbour is turned by yaw (about y) and pitch
// (about x) on a camera of this focal length; layer pixels, rounded.
void makeTwins(PointTwinList* twins, double yaw, double pitch, double focal, int width, int height, int layer)
{
    const double zoom = std::ldexp(1.0, layer);
    const double cx = (width - 1) * 0.5 / zoom, cy = (height - 1) * 0.5 / zoom, f = focal / zoom;
    twins->m_lCount = 0;
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j) {
            const double bx = (width / zoom) * (i + 0.5) / 5, by = (height / zoom) * (j + 0.5) / 5;
            // Ray of B, turned into A: R = Rx(pitch) Ry(yaw).
            const double q[3] = {bx - cx, by - cy, -f};
            const double y0 = std::cos(yaw) * q[0] - std::sin(yaw) * q[2];
            const double z0 = std::sin(yaw) * q[0] + std::cos(yaw) * q[2];
            const double p[3] = {y0, std::cos(pitch) * q[1] - std::sin(pitch) * z0,
                                 std::sin(pitch) * q[1] + std::cos(pitch) * z0};
            tagPOINT* twin = twins->m_Twins[twins->m_lCount++];
            twin[0] = tagPOINT{int(std::lround(p[0] / p[2] * -f + cx)), int(std::lround(p[1] / p[2] * -f + cy))};
            twin[1] = tagPOINT{int(std::lround(bx)), int(std::lround(by))};
        }
}

} // namespace

class TestCalibration : public QObject
{
    Q_OBJECT

private slots:
    void ringClosure();
    void ringWithoutTwinsFallsBackToTheAngleSearch();
    void noUsablePairEndsNearTheUpperLimit();
    void methodIsCopied();
    void focalLengthFromAngles_data();
    void focalLengthFromAngles();
    void angleOfEqualRaysIsZeroNotNaN();
};

void TestCalibration::ringClosure()
{
    // Four images on layer 1; every image's right twins start at mean x
    // (290 + 310) / 2 = 300 and its left neighbour's twins land at mean x
    // (10 + 30) / 2 = 20: advances 280, sum 1120, f = 2 x 1120 / (2 pi).
    // D = 400: the limits are [200, 2000].
    Job job(StitchStyle360, 4, 1, 400, 300);
    for (int c = 0; c < 4; ++c) {
        PointTwinList& twins = job.at(c, 0).m_RightTwins;
        twins.m_lCount = 2;
        twins.m_Twins[0][0] = tagPOINT{290, 50};
        twins.m_Twins[0][1] = tagPOINT{10, 52};
        twins.m_Twins[1][0] = tagPOINT{310, 90};
        twins.m_Twins[1][1] = tagPOINT{30, 93};
    }
    CameraSettings settings;
    QCOMPARE(CCameraCalibration(&job.options).Run(1, &settings), 0);
    QVERIFY(std::fabs(settings.m_dFocalLength - 2.0 * 1120.0 / (2.0 * M_PI)) < 1e-9);
    QVERIFY(std::fabs(CCameraCalibration(&job.options).FocalLengthFromPanorama(1) - 2240.0 / (2.0 * M_PI)) < 1e-9);
}

void TestCalibration::ringWithoutTwinsFallsBackToTheAngleSearch()
{
    Job job(StitchStyle360, 3, 1, 400, 300);
    CameraSettings settings;
    CCameraCalibration calibration(&job.options);
    calibration.Run(0, &settings);
    QVERIFY(std::isfinite(settings.m_dFocalLength));
    QCOMPARE(settings.m_dFocalLength, std::clamp(calibration.FocalLengthFromAngleDifference(0, 400), 200.0, 2000.0));
}

void TestCalibration::noUsablePairEndsNearTheUpperLimit()
{
    // One twin per pair: no two twins, the cost is 0 everywhere, equal costs
    // raise the lower end, the search closes on 5 L. It stops once
    // x2 - x1 = (2 ratio - 1) (b - a) = 0.236 (b - a) <= 0.1, so b - a <= 0.42
    // and the midpoint lies at most 0.21 layer pixels below b = 5 L: on
    // layer 2 within 0.85 below 5 D = 5000.
    Job job(StitchStyleHorizontal, 3, 1, 1000, 700);
    for (int c = 0; c < 2; ++c) {
        job.at(c, 0).m_RightTwins.m_lCount = 1;
        job.at(c, 0).m_RightTwins.m_Twins[0][0] = tagPOINT{200, 80};
    }
    CameraSettings settings;
    CCameraCalibration(&job.options).Run(2, &settings);
    QVERIFY2(settings.m_dFocalLength <= 5000.0 && settings.m_dFocalLength >= 5000.0 - 0.85,
             qPrintable(QString::number(settings.m_dFocalLength, 'f', 4)));
}

void TestCalibration::methodIsCopied()
{
    Job job(StitchStyleVertical, 1, 2, 600, 800);
    job.options.m_Method = StitchMethodTelephoto;
    CameraSettings settings;
    CCameraCalibration(&job.options).Run(0, &settings);
    QCOMPARE(settings.m_Method, StitchMethodTelephoto);
    QCOMPARE(job.options.m_Method, StitchMethodTelephoto);
}

void TestCalibration::focalLengthFromAngles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("focal");
    QTest::addColumn<int>("layer");
    QTest::newRow("row, 1200") << int(StitchStyleHorizontal) << 1200.0 << 0;
    QTest::newRow("row, 700, layer 1") << int(StitchStyleHorizontal) << 700.0 << 1;
    QTest::newRow("column, 1500") << int(StitchStyleVertical) << 1500.0 << 0;
    QTest::newRow("tiles, 900") << int(StitchStyleTile) << 900.0 << 0;
}

void TestCalibration::focalLengthFromAngles()
{
    QFETCH(int, style);
    QFETCH(double, focal);
    QFETCH(int, layer);
    const int width = 1000, height = 750;
    const int cols = style == StitchStyleVertical ? 1 : 2, rows = style == StitchStyleHorizontal ? 1 : 2;
    Job job(tagStitchStyle(style), cols, rows, width, height);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            if (c + 1 < cols)
                makeTwins(&job.at(c, r).m_RightTwins, 20 * M_PI / 180, 0.0, focal, width, height, layer);
            if (r + 1 < rows)
                makeTwins(&job.at(c, r).m_LowerTwins, 0.0, 15 * M_PI / 180, focal, width, height, layer);
        }
    CameraSettings settings;
    CCameraCalibration(&job.options).Run(layer, &settings);
    QVERIFY2(std::fabs(settings.m_dFocalLength - focal) < 0.01 * focal,
             qPrintable(QString::number(settings.m_dFocalLength)));
}

void TestCalibration::angleOfEqualRaysIsZeroNotNaN()
{
    // Equal rays: the quotient is 2s / (2 sqrt(s) sqrt(s)), which rounding
    // can put just above 1.
    for (double x : {0.1, 0.7, 3.3, 123.456}) {
        const double angle = CCameraCalibration::CalcMacroAngle(x, 0.2 * x, -1.7, x, 0.2 * x, -1.7, 0, 0, 0);
        QVERIFY(!std::isnan(angle));
        QVERIFY(angle < 1e-7);
    }
    // A right angle: 1 + 1 - 2 = 0, arccos 0 = pi / 2.
    QVERIFY(std::fabs(CCameraCalibration::CalcMacroAngle(1, 0, 0, 0, 1, 0, 1, -1, 0) - M_PI / 2) < 1e-12);
}

QTEST_GUILESS_MAIN(TestCalibration)
#include "tst_calibration.moc"
