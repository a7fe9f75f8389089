#include "GeometryFixture.h"

#include "stitch/geometry/CCoordinate.h"
#include "stitch/geometry/CStitchTransform.h"
#include "stitch/motion/CMotionEstimation.h"

#include <QtTest>

#include <cmath>

// Global rotations from the exact pair rotations of synthetic views: equal
// to the truth up to one straightening rotation, with a level horizon and
// the panorama starting at the first view's left edge.
class TestCoordinate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void truthUpToStraightening_data();
    void truthUpToStraightening();
    void telephotoKeepsPlainChain();
    void singleImageKeepsIdentity();
    void upBelowThresholdBecomesY();
    void columnLiftsLowestCorner_data();
    void columnLiftsLowestCorner();
    void ringTunesFocalLength_data();
    void ringTunesFocalLength();
    void ringWithoutAxisAngleFails();

private:
    QImage m_photo;
    SyntheticViews* m_views = nullptr;
    StitchTestHost* m_host = nullptr;
};

namespace {

constexpr double kDegree = M_PI / 180.0;

QList<SyntheticViews::Camera> withPitch(QList<SyntheticViews::Camera> cameras, double pitch)
{
    for (auto& c : cameras)
        c.pitch += pitch;
    return cameras;
}

QList<SyntheticViews::Camera> withYaw(QList<SyntheticViews::Camera> cameras, double yaw)
{
    for (auto& c : cameras)
        c.yaw += yaw;
    return cameras;
}

double maxDifference(const double* a, const double* b)
{
    double d = 0;
    for (int i = 0; i < 9; ++i)
        d = std::max(d, std::fabs(a[i] - b[i]));
    return d;
}

} // namespace

void TestCoordinate::initTestCase()
{
    const QString path = SyntheticViews::photoPath();
    if (path.isEmpty())
        QSKIP("mate-backgrounds is not installed (scripts/test installs it)");
    QVERIFY(m_photo.load(path));
    // 160 x 120 views, about 77 degrees across.
    m_views = new SyntheticViews(m_photo, SyntheticViews::Surface::Cylinder, 160, 120, 100.0, 1.0);
}

void TestCoordinate::cleanupTestCase()
{
    delete m_views;
}

void TestCoordinate::init()
{
    m_host = new StitchTestHost;
}

void TestCoordinate::cleanup()
{
    const bool clean = m_host->clean();
    const QString report = m_host->report();
    delete m_host;
    m_host = nullptr;
    if (!QTest::currentTestFailed())
        QVERIFY2(clean, qPrintable(report));
}

void TestCoordinate::truthUpToStraightening_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("cols");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<SyntheticViews::Camera>>("cameras");
    // A row looking 6 degrees down and 20 degrees to the side: every pair
    // turns about the scene's vertical, which the straightening finds.
    QTest::newRow("row of 4") << 0 << 4 << 1 << withYaw(withPitch(m_views->row(4, 0.3), 6 * kDegree), 20 * kDegree);
    QTest::newRow("row of 2") << 0 << 2 << 1 << withPitch(m_views->row(2, 0.5), -4 * kDegree);
    // A column turned 15 degrees to the side: the pairs turn about the
    // scene's horizontal x axis.
    QTest::newRow("column of 3") << 1 << 1 << 3 << withYaw(m_views->column(3, 0.3), 15 * kDegree);
    QTest::newRow("column of 4") << 1 << 1 << 4 << m_views->column(4, 0.4);
    // Tile grids symmetric about the horizon: their mean up is the scene's.
    QTest::newRow("tile 3 x 2") << 3 << 3 << 2 << m_views->tile(3, 2, 0.3);
    QTest::newRow("tile 2 x 3") << 3 << 2 << 3 << m_views->tile(2, 3, 0.35);
}

void TestCoordinate::truthUpToStraightening()
{
    QFETCH(int, style);
    QFETCH(int, cols);
    QFETCH(int, rows);
    QFETCH(QList<SyntheticViews::Camera>, cameras);
    CStitchOptions* job = GeometryFixture::job(*m_host, *m_views, cameras, tagStitchStyle(style), cols, rows);
    QVERIFY(job);
    QCOMPARE(CCoordinate(job).Run(), 0);

    // One rotation D = G_true G^T for all elements: a rotation, not a
    // mirror, or the panorama would show the scene mirrored.
    double first[9];
    GeometryFixture::frame(cameras[0], job->m_Matrix.m_pElements[0].m_Transform, first);
    QVERIFY2(std::fabs(GeometryFixture::determinant(first) - 1) < 1e-9,
             qPrintable(QString::number(GeometryFixture::determinant(first))));
    for (int i = 1; i < cols * rows; ++i) {
        double D[9];
        GeometryFixture::frame(cameras[i], job->m_Matrix.m_pElements[i].m_Transform, D);
        QVERIFY2(maxDifference(D, first) < 1e-9, qPrintable(QString::number(maxDifference(D, first))));
    }
    if (style == 1) {
        // The cylinder's axis, x, is horizontal in the scene: D x has no
        // vertical part.
        QVERIFY2(std::fabs(first[3]) < 1e-9, qPrintable(QString::number(first[3])));
    } else {
        // Level: the panorama's y is the scene's vertical (y of the library
        // world, rows growing downwards in the scene).
        QVERIFY2(std::fabs(first[4] - 1) < 1e-9, qPrintable(QString::number(first[4])));
        // The panorama starts at the first view's left edge: the further
        // left of its two left corners looks along x = 0, z < 0.
        const CStitchElement& e = job->m_Matrix.m_pElements[0];
        const double w = m_views->width(), h = m_views->height(), f = m_views->focal();
        double leftmost = 1e9;
        for (double y : {(h - 1) / 2, (1 - h) / 2}) {
            const double a[3] = {(1 - w) / 2, y, -f};
            double g[3];
            e.m_Transform.MultipleVector(a, g);
            QVERIFY(g[2] < 0);
            leftmost = std::min(leftmost, g[0] / -g[2]);
        }
        if (style == 0)
            QVERIFY2(std::fabs(leftmost) < 1e-9, qPrintable(QString::number(leftmost)));
        else
            QVERIFY2(leftmost > -1e-9, qPrintable(QString::number(leftmost)));
    }
    PSReleaseStitch(job);
}

void TestCoordinate::telephotoKeepsPlainChain()
{
    // Planar maps are chained as they are, nothing clamped or turned.
    const QList<SyntheticViews::Camera> cameras = m_views->row(3, 0.4);
    CStitchOptions* job = GeometryFixture::job(*m_host, *m_views, cameras, StitchStyleHorizontal, 3, 1,
                                               StitchMethodTelephoto);
    QVERIFY(job);
    CStitchElement* e = job->m_Matrix.m_pElements;
    const double a[9] = {0.5, -0.8, 120.0, 0.8, 0.5, -7.0, 0, 0, 1};
    const double b[9] = {1, 0, 95.5, 0, 1, 3.25, 0, 0, 1};
    std::copy(a, a + 9, e[0].m_RightTransform.m_Matrix);
    std::copy(b, b + 9, e[1].m_RightTransform.m_Matrix);
    QCOMPARE(CCoordinate(job).Run(), 0);
    const double id[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    QCOMPARE(maxDifference(e[0].m_Transform.m_Matrix, id), 0.0);
    QCOMPARE(maxDifference(e[1].m_Transform.m_Matrix, a), 0.0);
    // a b: (0.5, -0.8, 0.5 x 95.5 - 0.8 x 3.25 + 120 = 165.15; 0.8, 0.5, 0.8 x 95.5 + 0.5 x 3.25 - 7 = 71.025).
    const double ab[9] = {0.5, -0.8, 165.15, 0.8, 0.5, 71.025, 0, 0, 1};
    QVERIFY(maxDifference(e[2].m_Transform.m_Matrix, ab) < 1e-12);
    PSReleaseStitch(job);
}

void TestCoordinate::singleImageKeepsIdentity()
{
    const QList<SyntheticViews::Camera> cameras{SyntheticViews::Camera{0.3, 0.1, 0.05}};
    CStitchOptions* job = GeometryFixture::job(*m_host, *m_views, cameras, StitchStyleHorizontal, 1, 1);
    QVERIFY(job);
    QCOMPARE(CCoordinate(job).Run(), 0);
    const double id[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
    QCOMPARE(maxDifference(job->m_Matrix.m_pElements[0].m_Transform.m_Matrix, id), 0.0);
    PSReleaseStitch(job);
}

void TestCoordinate::upBelowThresholdBecomesY()
{
    // A row whose pairs turn about the library's x axis (the views stacked
    // one above the other but laid out as a row): the common axis is x, and
    // its part in the middle view's y-z plane is nothing. Up falls back to
    // (0, 1, 0): the straightening only turns about y.
    const QList<SyntheticViews::Camera> cameras = m_views->column(2, 0.5);
    CStitchOptions* job = GeometryFixture::job(*m_host, *m_views, cameras, StitchStyleHorizontal, 2, 1);
    QVERIFY(job);
    CStitchElement* e = job->m_Matrix.m_pElements;
    double g0[9], g1[9];
    SyntheticViews::libraryRotation(cameras[0], g0);
    SyntheticViews::libraryRotation(cameras[1], g1);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            e[0].m_RightTransform.m_Matrix[3 * r + c] = g0[r] * g1[c] + g0[3 + r] * g1[3 + c] + g0[6 + r] * g1[6 + c];
    QCOMPARE(CCoordinate(job).Run(), 0);
    const CStitchTransform& G = e[0].m_Transform;
    QVERIFY(std::fabs(G.m_Matrix[4] - 1) < 1e-12);
    QVERIFY(std::fabs(G.m_Matrix[3]) < 1e-12 && std::fabs(G.m_Matrix[5]) < 1e-12);
    PSReleaseStitch(job);
}

void TestCoordinate::columnLiftsLowestCorner_data()
{
    QTest::addColumn<double>("turn"); // both views turned about x, degrees
    QTest::addColumn<bool>("lifted");
    // Turned 150 degrees about x the upper left corner ray (-79.5, 59.5,
    // -100) goes to y = -0.866 x 59.5 + 0.5 x 100 = -1.53, z = 0.5 x 59.5 +
    // 0.866 x 100 = 116.4: below the horizon, behind; it is lifted to it.
    QTest::newRow("below: lifted") << 150.0 << true;
    // Turned 60 degrees both left corners lie above (y = 0.5 x -59.5 +
    // 0.866 x 100 > 0): nothing turns.
    QTest::newRow("above: kept") << 60.0 << false;
}

void TestCoordinate::columnLiftsLowestCorner()
{
    QFETCH(double, turn);
    QFETCH(bool, lifted);
    const QList<SyntheticViews::Camera> cameras = m_views->column(2, 0.3);
    CStitchOptions* job = GeometryFixture::job(*m_host, *m_views, cameras, StitchStyleVertical, 1, 2);
    QVERIFY(job);
    double axis[3] = {1, 0, 0}, m[9];
    CCoordinate::AxisAngle2UOM(axis, m, turn * kDegree);
    for (int r = 0; r < 2; ++r)
        std::copy(m, m + 9, job->m_Matrix.m_pElements[r].m_Transform.m_Matrix);
    CStitchTransform lift;
    CCoordinate(job).CompensateRotationLeft(&lift);
    const double w = m_views->width(), h = m_views->height(), f = m_views->focal();
    double lowest = 1;
    for (double y : {(h - 1) / 2, (1 - h) / 2}) {
        const double a[3] = {(1 - w) / 2, y, -f};
        double g[3], l[3];
        job->m_Matrix.m_pElements[0].m_Transform.MultipleVector(a, g);
        lift.MultipleVector(g, l);
        lowest = std::min(lowest, l[1] / std::hypot(l[1], l[2]));
    }
    if (lifted) {
        QVERIFY2(std::fabs(lowest) < 1e-12, qPrintable(QString::number(lowest)));
    } else {
        const double id[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
        QCOMPARE(maxDifference(lift.m_Matrix, id), 0.0);
    }
    PSReleaseStitch(job);
}

void TestCoordinate::ringTunesFocalLength_data()
{
    QTest::addColumn<double>("start"); // the focal length written, relative to the truth
    QTest::newRow("3 % long") << 1.03;
    QTest::newRow("3 % short") << 0.97;
    QTest::newRow("exact") << 1.0;
}

void TestCoordinate::ringTunesFocalLength()
{
    QFETCH(double, start);
    const QList<SyntheticViews::Camera> cameras = m_views->ring(8);
    CStitchOptions* job = GeometryFixture::job(*m_host, *m_views, cameras, StitchStyle360, 8, 1,
                                               StitchMethodCalibrated, start);
    QVERIFY(job);
    QVERIFY(job);
    // Alignment would have fitted the pairs at the focal length it had.
    QCOMPARE(CMotionEstimation(job).Run(0), 0);
    double axis[3] = {0, 0, 0}, angle = -1;
    QCOMPARE(CCoordinate(job).PanoramaRun(axis, &angle, 0), 0);
    const double error = job->m_dFocalLength / m_views->focal() - 1;
    qInfo("focal length %.3f (truth %.3f, %+.3f %%), closing angle %.4f degrees", job->m_dFocalLength,
          m_views->focal(), 100 * error, angle / kDegree);
    QVERIFY(std::fabs(error) < 0.005);
    QVERIFY(std::fabs(angle) < 0.2 * kDegree);
    QVERIFY(std::fabs(std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]) - 1) < 1e-9);
    // Straightened: the first view's y axis is the panorama's (the ring is level).
    QVERIFY2(job->m_Matrix.m_pElements[0].m_Transform.m_Matrix[4] > 1 - 1e-4,
             qPrintable(QString::number(job->m_Matrix.m_pElements[0].m_Transform.m_Matrix[4], 'g', 12)));
    PSReleaseStitch(job);
}

void TestCoordinate::ringWithoutAxisAngleFails()
{
    // The motion estimation of a planar job fits no ring pairs, so the
    // maps stay as set (a job can only get there by its method being
    // changed after creation): the last scaled by two, the closing matrix
    // is diag(1, 1, 2) after the clamp: (1 + 1 + 2 - 1) / 2 = 1.5 is no cosine.
    const QList<SyntheticViews::Camera> cameras = m_views->ring(8);
    CStitchOptions* job = GeometryFixture::job(*m_host, *m_views, cameras, StitchStyle360, 8, 1);
    QVERIFY(job);
    job->m_Method = StitchMethodTelephoto;
    for (int c = 0; c < 8; ++c) {
        CStitchTransform& R = job->m_Matrix.m_pElements[c].m_RightTransform;
        R.Identity();
        for (double& v : R.m_Matrix)
            v *= c == 7 ? 2.0 : 1.0;
    }
    double axis[3], angle;
    QCOMPARE(CCoordinate(job).PanoramaRun(axis, &angle, 0), int(StitchGridOrTempDir));
    PSReleaseStitch(job);
}

QTEST_APPLESS_MAIN(TestCoordinate)
#include "tst_coordinate.moc"
