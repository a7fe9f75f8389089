#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/motion/CMotionEstimation.h"

#include <QtTest>

#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr double kDegree = M_PI / 180.0;

CStitchTransform fromValues(const double* values)
{
    CStitchTransform t;
    std::copy(values, values + 9, t.m_Matrix);
    return t;
}

// Turn about y (yaw), then x (pitch), then z (roll): R = Rz Rx Ry. A positive
// yaw turns the neighbour's rays to the right of this image (R[0][2] < 0).
CStitchTransform turn(double yaw, double pitch, double roll)
{
    const double ry[9] = {std::cos(yaw), 0, -std::sin(yaw), 0, 1, 0, std::sin(yaw), 0, std::cos(yaw)};
    const double rx[9] = {1, 0, 0, 0, std::cos(pitch), -std::sin(pitch), 0, std::sin(pitch), std::cos(pitch)};
    const double rz[9] = {std::cos(roll), -std::sin(roll), 0, std::sin(roll), std::cos(roll), 0, 0, 0, 1};
    const CStitchTransform y = fromValues(ry), x = fromValues(rx), z = fromValues(rz);
    const CStitchTransform xy = x.Multiple(&y);
    return z.Multiple(&xy);
}

double det(const CStitchTransform& m)
{
    auto a = [&](int r, int c) { return m.At(r, c); };
    return a(0, 0) * (a(1, 1) * a(2, 2) - a(1, 2) * a(2, 1)) - a(0, 1) * (a(1, 0) * a(2, 2) - a(1, 2) * a(2, 0))
           + a(0, 2) * (a(1, 0) * a(2, 1) - a(1, 1) * a(2, 0));
}

// Angle of the rotation a^T b, in degrees.
double angleBetween(const CStitchTransform& a, const CStitchTransform& b)
{
    double trace = 0.0;
    for (int i = 0; i < 3; ++i)
        for (int k = 0; k < 3; ++k)
            trace += a.At(k, i) * b.At(k, i);
    return std::acos(std::clamp((trace - 1.0) / 2.0, -1.0, 1.0)) / kDegree;
}

// A job over a grid of elements of one size; the elements outlive the job.
struct Job
{
    Job(tagStitchStyle style, int cols, int rows, int width, int height, double focal)
        : elements(new CStitchElement[size_t(cols * rows)])
    {
        options.m_Matrix.m_pElements = elements.get();
        options.m_Matrix.m_Style = style;
        options.m_Matrix.m_lCols = cols;
        options.m_Matrix.m_lRows = rows;
        options.m_Matrix.m_lCount = cols * rows;
        options.m_dFocalLength = focal;
        for (int i = 0; i < cols * rows; ++i) {
            elements[i].m_Pyramid.m_lWidth = width;
            elements[i].m_Pyramid.m_lHeight = height;
        }
    }
    CStitchElement& at(int col, int row) { return elements[size_t(row * options.m_Matrix.m_lCols + col)]; }

    std::unique_ptr<CStitchElement[]> elements;
    CStitchOptions options;
};

// Twins of a pair related by R (A's ray = R x B's ray), B's points on a grid
// across B, A's points projected and rounded to whole pixels (layer 0).
void makeTwins(PointTwinList* twins, const CStitchTransform& R, double focal, int width, int height, int across = 5)
{
    const double cx = (width - 1) * 0.5, cy = (height - 1) * 0.5;
    twins->m_lCount = 0;
    for (int i = 0; i < across; ++i)
        for (int j = 0; j < across; ++j) {
            const int bx = int(width * (i + 0.5) / across), by = int(height * (j + 0.5) / across);
            const double q[3] = {bx - cx, by - cy, -focal};
            double p[3];
            R.MultipleVector(q, p);
            const int ax = int(std::lround(p[0] / p[2] * -focal + cx));
            const int ay = int(std::lround(p[1] / p[2] * -focal + cy));
            tagPOINT* twin = twins->m_Twins[twins->m_lCount++];
            twin[0] = tagPOINT{ax, ay};
            twin[1] = tagPOINT{bx, by};
        }
}

// Unit rays of a fixed spread, and their images under R.
void makeRays(const CStitchTransform& R, int n, std::vector<double>* P, std::vector<double>* Q)
{
    P->assign(size_t(n) * 3, 0.0);
    Q->assign(size_t(n) * 3, 0.0);
    for (int k = 0; k < n; ++k) {
        double* q = &(*Q)[3 * k];
        q[0] = std::cos(k * 1.3) * 300.0;
        q[1] = std::sin(k * 2.1) * 200.0;
        q[2] = -1000.0;
        CMotionEstimation::Normalize(q);
        R.MultipleVector(q, &(*P)[3 * k]);
    }
}

double maxDifference(const CStitchTransform& a, const CStitchTransform& b)
{
    double d = 0.0;
    for (int i = 0; i < 9; ++i)
        d = std::max(d, std::fabs(a.m_Matrix[i] - b.m_Matrix[i]));
    return d;
}

using Rays = double (*)[3];
Rays rays(std::vector<double>& v) { return reinterpret_cast<Rays>(v.data()); }

} // namespace

class TestMotion : public QObject
{
    Q_OBJECT

private slots:
    void svdRebuildsTheMatrix_data();
    void svdRebuildsTheMatrix();
    void svdNeedsAtLeastAsManyRowsAsColumns();
    void cholesky_data();
    void cholesky();
    void solvePositiveDefinite();
    void rigidTransformFromExactPoints();
    void calcRotationRecoversTheTurn_data();
    void calcRotationRecoversTheTurn();
    void leaveOutSearches_data();
    void leaveOutSearches();
    void mirroredRaysStillGiveARotation();
    void wrongWayTurnBecomesTheDefault_data();
    void wrongWayTurnBecomesTheDefault();
    void defaultTwinsAndEmptyPairs();
    void ringClosingPairIsEstimated();
    void telephotoRunsTheRigidModel();
    void medianDistIsTheThirdSmallest();
    void rotatePoint();
};

void TestMotion::svdRebuildsTheMatrix_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("rank");
    for (int rows : {3, 4})
        for (int rank : {3, 2, 1, 0})
            QTest::addRow("%dx3 rank %d", rows, rank) << rows << rank;
}

void TestMotion::svdRebuildsTheMatrix()
{
    QFETCH(int, rows);
    QFETCH(int, rank);
    // A sum of `rank` outer products of independent vectors has that rank.
    const double u[3][4] = {{1, 2, -1, 0.5}, {0, 1, 3, -2}, {2, -1, 0.25, 1}};
    const double v[3][3] = {{1, 0.5, -2}, {-1, 3, 1}, {0.5, 1, 1}};
    double A[5][4] = {}, ref[5][4] = {}, V[4][4] = {}, w[4] = {};
    double* a[5] = {A[0], A[1], A[2], A[3], A[4]};
    double* vp[4] = {V[0], V[1], V[2], V[3]};
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= 3; ++c) {
            for (int k = 0; k < rank; ++k)
                A[r][c] += u[k][r - 1] * v[k][c - 1];
            ref[r][c] = A[r][c];
        }
    QVERIFY(CMotionEstimation::SVDcompute(a, rows, 3, vp, w));
    // The convergence test compares with the norm in single precision, so a
    // superdiagonal entry below about 6e-8 of the norm (about 10 here) is
    // dropped: rank-deficient matrices rebuild to about 1e-9, not 1e-12.
    const double tolerance = rank == 3 || rank == 0 ? 1e-11 : 1e-8;
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= 3; ++c) {
            double s = 0.0;
            for (int k = 1; k <= 3; ++k)
                s += A[r][k] * w[k] * V[c][k];
            QVERIFY2(std::fabs(s - ref[r][c]) < tolerance, qPrintable(QString::number(s - ref[r][c])));
        }
    int zeros = 0;
    for (int k = 1; k <= 3; ++k) {
        QVERIFY(w[k] >= 0.0);
        zeros += w[k] < 1e-7 ? 1 : 0;
    }
    QCOMPARE(zeros, 3 - rank);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) {
            double uu = 0.0, vv = 0.0;
            for (int k = 1; k <= rows; ++k)
                uu += A[k][i] * A[k][j];
            for (int k = 1; k <= 3; ++k)
                vv += V[k][i] * V[k][j];
            QVERIFY(std::fabs(uu - (i == j)) < 1e-12);
            QVERIFY(std::fabs(vv - (i == j)) < 1e-12);
        }
}

void TestMotion::svdNeedsAtLeastAsManyRowsAsColumns()
{
    double A[3][4] = {{0}, {0, 1, 2, 3}, {0, 4, 5, 6}}, V[4][4] = {}, w[4] = {};
    double* a[3] = {A[0], A[1], A[2]};
    double* v[4] = {V[0], V[1], V[2], V[3]};
    QVERIFY(!CMotionEstimation::SVDcompute(a, 2, 3, v, w));
}

void TestMotion::cholesky_data()
{
    QTest::addColumn<QList<double>>("matrix");
    QTest::addColumn<bool>("positive");
    QTest::newRow("positive definite") << QList<double>{4, 2, 0, 2, 5, 1, 0, 1, 3} << true;
    QTest::newRow("identity") << QList<double>{1, 0, 0, 0, 1, 0, 0, 0, 1} << true;
    // Eigenvalues 3 and -1.
    QTest::newRow("indefinite") << QList<double>{1, 2, 0, 2, 1, 0, 0, 0, 1} << false;
    QTest::newRow("singular") << QList<double>{1, 1, 0, 1, 1, 0, 0, 0, 1} << false;
    QTest::newRow("zero") << QList<double>(9, 0.0) << false;
}

void TestMotion::cholesky()
{
    QFETCH(QList<double>, matrix);
    QFETCH(bool, positive);
    double L[9];
    QCOMPARE(CMotionEstimation::CholeskyDecompose(matrix.constData(), 3, L), positive);
    if (!positive)
        return;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            if (j > i)
                QCOMPARE(L[3 * i + j], 0.0);
            double s = 0.0;
            for (int k = 0; k < 3; ++k)
                s += L[3 * i + k] * L[3 * j + k];
            QVERIFY(std::fabs(s - matrix[3 * i + j]) < 1e-12);
        }
}

void TestMotion::solvePositiveDefinite()
{
    // A (1, -1, 2) = (4 - 2, 2 - 5 + 2, -1 + 6) = (2, -1, 5).
    const double A[9] = {4, 2, 0, 2, 5, 1, 0, 1, 3}, b[3] = {2, -1, 5};
    double x[3], L[9], y[3];
    QVERIFY(CMotionEstimation::SolvePDEquation(A, b, x, 3, L, y));
    QVERIFY(std::fabs(x[0] - 1) < 1e-12 && std::fabs(x[1] + 1) < 1e-12 && std::fabs(x[2] - 2) < 1e-12);
    const double bad[9] = {1, 2, 0, 2, 1, 0, 0, 0, 1};
    QVERIFY(!CMotionEstimation::SolvePDEquation(bad, b, x, 3, L, y));
}

void TestMotion::rigidTransformFromExactPoints()
{
    const double theta = 0.3, tx = 12.0, ty = -7.0;
    double a[6][3], b[6][3];
    for (int k = 0; k < 6; ++k) {
        b[k][0] = 40.0 * k - 90.0;
        b[k][1] = 25.0 * (k % 3) + 10.0 * k;
        b[k][2] = 1.0;
        a[k][0] = std::cos(theta) * b[k][0] - std::sin(theta) * b[k][1] + tx;
        a[k][1] = std::sin(theta) * b[k][0] + std::cos(theta) * b[k][1] + ty;
        a[k][2] = 1.0;
    }
    CStitchTransform T;
    double error = -1.0;
    CMotionEstimation::ComputeRigidTransform(a, b, 6, &T, &error);
    QVERIFY(std::fabs(T.At(0, 0) - std::cos(theta)) < 1e-9);
    QVERIFY(std::fabs(T.At(1, 0) - std::sin(theta)) < 1e-9);
    QVERIFY(std::fabs(T.At(0, 2) - tx) < 1e-7);
    QVERIFY(std::fabs(T.At(1, 2) - ty) < 1e-7);
    QVERIFY(error >= 0.0 && error < 1e-12);

    // No twins: the normal matrix is never positive, so no step is made.
    CMotionEstimation::ComputeRigidTransform(a, b, 0, &T, &error);
    QCOMPARE(T.At(0, 0), 1.0);
    QCOMPARE(T.At(0, 2), 0.0);
    QCOMPARE(error, 0.0);
}

void TestMotion::calcRotationRecoversTheTurn_data()
{
    QTest::addColumn<double>("yaw");
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("roll");
    QTest::addColumn<double>("focal");
    QTest::newRow("wide, 30 degrees") << 30.0 << 0.0 << 0.0 << 500.0;
    QTest::newRow("wide, all three") << 25.0 << -10.0 << 8.0 << 600.0;
    QTest::newRow("normal, pitch and roll") << 12.0 << 6.0 << -5.0 << 1200.0;
    QTest::newRow("long, small turn") << 5.0 << 1.0 << 2.0 << 3000.0;
    QTest::newRow("long, roll 30") << 6.0 << -2.0 << 30.0 << 2500.0;
}

void TestMotion::calcRotationRecoversTheTurn()
{
    QFETCH(double, yaw);
    QFETCH(double, pitch);
    QFETCH(double, roll);
    QFETCH(double, focal);
    const int width = 1000, height = 750;
    Job job(StitchStyleHorizontal, 2, 1, width, height, focal);
    const CStitchTransform truth = turn(yaw * kDegree, pitch * kDegree, roll * kDegree);
    makeTwins(&job.at(0, 0).m_RightTwins, truth, focal, width, height);
    CMotionEstimation motion(&job.options);
    QCOMPARE(motion.Run(0), 0);
    const CStitchTransform& found = job.at(0, 0).m_RightTransform;
    QVERIFY2(angleBetween(found, truth) < 0.05, qPrintable(QString::number(angleBetween(found, truth))));
    QVERIFY(std::fabs(det(found) - 1.0) < 1e-9);
    QVERIFY(job.at(0, 0).m_dRightError < 1e-5);
}

void TestMotion::leaveOutSearches_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("outliers");
    QTest::addColumn<bool>("recovered");
    // Exact rays: leaving the outliers out fits the rest up to the
    // decomposition's single-precision convergence test.
    QTest::newRow("4 twins, 1 outlier: no search") << 4 << 1 << false;
    QTest::newRow("5 twins, 1 outlier: leave one out") << 5 << 1 << true;
    QTest::newRow("5 twins, 2 outliers: no leave two out") << 5 << 2 << false;
    QTest::newRow("6 twins, 2 outliers: leave two out") << 6 << 2 << true;
}

void TestMotion::leaveOutSearches()
{
    QFETCH(int, count);
    QFETCH(int, outliers);
    QFETCH(bool, recovered);
    const CStitchTransform truth = turn(10 * kDegree, 2 * kDegree, -3 * kDegree);
    std::vector<double> P, Q;
    makeRays(truth, count, &P, &Q);
    const CStitchTransform off = turn(4 * kDegree, -3 * kDegree, 0.0);
    for (int k = 0; k < outliers; ++k) {
        double* p = &P[3 * (k + 1)];
        double moved[3];
        off.MultipleVector(p, moved);
        std::copy(moved, moved + 3, p);
    }
    CStitchTransform R;
    QVERIFY(CMotionEstimation::RobustMotionEstimation(rays(P), rays(Q), count, &R));
    QVERIFY(std::fabs(det(R) - 1.0) < 1e-9);
    if (recovered)
        QVERIFY2(maxDifference(R, truth) < 1e-6, qPrintable(QString::number(maxDifference(R, truth))));
    else
        QVERIFY(angleBetween(R, truth) > 0.01);
    if (count == 4) {
        CStitchTransform plain;
        QVERIFY(CMotionEstimation::SVDMotionEstimation(rays(P), rays(Q), count, &plain));
        QVERIFY(maxDifference(R, plain) < 1e-12);
    }
}

void TestMotion::mirroredRaysStillGiveARotation()
{
    // P is Q mirrored in x: the best orthogonal fit is a reflection; the fit
    // must still be a proper rotation.
    std::vector<double> P, Q;
    CStitchTransform identity;
    identity.Identity();
    makeRays(identity, 8, &P, &Q);
    for (int k = 0; k < 8; ++k)
        P[3 * k] = -P[3 * k];
    CStitchTransform R;
    QVERIFY(CMotionEstimation::SVDMotionEstimation(rays(P), rays(Q), 8, &R));
    QVERIFY(std::fabs(det(R) - 1.0) < 1e-9);
    // A proper rotation comes out unchanged.
    const CStitchTransform truth = turn(20 * kDegree, 5 * kDegree, 1 * kDegree);
    makeRays(truth, 8, &P, &Q);
    QVERIFY(CMotionEstimation::SVDMotionEstimation(rays(P), rays(Q), 8, &R));
    QVERIFY(angleBetween(R, truth) < 1e-6);
}

void TestMotion::wrongWayTurnBecomesTheDefault_data()
{
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<double>("focal");
    QTest::addColumn<double>("theta");
    // min(pi/6, 800 x 0.5 / 1000) = 0.4; min(pi/6, 600 x 0.5 / 2000) = 0.15;
    // 800 x 0.5 / 500 = 0.8 is above pi/6.
    QTest::newRow("right pair, 0.4") << true << 1000.0 << 0.4;
    QTest::newRow("lower pair, 0.15") << false << 2000.0 << 0.15;
    QTest::newRow("right pair, capped at 30 degrees") << true << 500.0 << M_PI / 6;
}

void TestMotion::wrongWayTurnBecomesTheDefault()
{
    QFETCH(bool, horizontal);
    QFETCH(double, focal);
    QFETCH(double, theta);
    const int width = 800, height = 600;
    Job job(horizontal ? StitchStyleHorizontal : StitchStyleVertical, horizontal ? 2 : 1, horizontal ? 1 : 2, width,
            height, focal);
    // The neighbour lies left of (above) this image.
    const CStitchTransform wrong = horizontal ? turn(-10 * kDegree, 0, 0) : turn(0, -10 * kDegree, 0);
    CStitchElement& a = job.at(0, 0);
    makeTwins(horizontal ? &a.m_RightTwins : &a.m_LowerTwins, wrong, focal, width, height, 3);
    CMotionEstimation(&job.options).Run(0);
    const CStitchTransform& R = horizontal ? a.m_RightTransform : a.m_LowerTransform;
    const double c = std::cos(theta), s = std::sin(theta);
    const double h[9] = {c, 0, -s, 0, 1, 0, s, 0, c}, v[9] = {1, 0, 0, 0, c, -s, 0, s, c};
    const CStitchTransform expected = fromValues(horizontal ? h : v);
    for (int i = 0; i < 9; ++i)
        QVERIFY(std::fabs(R.m_Matrix[i] - expected.m_Matrix[i]) < 1e-12);
    QVERIFY(!CMotionEstimation::VerifyMotionParameters(&wrong, horizontal));
    QVERIFY(CMotionEstimation::VerifyMotionParameters(&expected, horizontal));
}

void TestMotion::defaultTwinsAndEmptyPairs()
{
    Job job(StitchStyleHorizontal, 3, 1, 800, 600, 1000.0);
    const CStitchTransform truth = turn(15 * kDegree, 0, 0);
    makeTwins(&job.at(0, 0).m_RightTwins, truth, 1000.0, 800, 600, 3);
    job.at(0, 0).m_bRightDefault = true;
    // (1, 0) has no twins at all.
    CMotionEstimation(&job.options).Run(0);
    QCOMPARE(job.at(0, 0).m_dRightError, 10.0);
    QVERIFY(angleBetween(job.at(0, 0).m_RightTransform, truth) < 0.05); // fitted all the same
    QCOMPARE(job.at(1, 0).m_dRightError, 10.0);
    // theta = min(pi/6, 800 x 0.5 / 1000) = 0.4, R[0][2] = -sin 0.4.
    QVERIFY(std::fabs(job.at(1, 0).m_RightTransform.At(0, 2) + std::sin(0.4)) < 1e-12);
}

void TestMotion::ringClosingPairIsEstimated()
{
    const double focal = 700.0;
    Job job(StitchStyle360, 3, 1, 900, 600, focal);
    const CStitchTransform truth = turn(120 * kDegree / 3.0, 0, 0); // 40 degrees, three times round
    for (int c = 0; c < 3; ++c)
        makeTwins(&job.at(c, 0).m_RightTwins, truth, focal, 900, 600, 4);
    CMotionEstimation(&job.options).Run(0);
    for (int c = 0; c < 3; ++c) {
        QVERIFY(angleBetween(job.at(c, 0).m_RightTransform, truth) < 0.05);
        QVERIFY(std::fabs(det(job.at(c, 0).m_RightTransform) - 1.0) < 1e-9);
    }
}

void TestMotion::telephotoRunsTheRigidModel()
{
    Job job(StitchStyleTile, 2, 2, 400, 300, 0.0);
    job.options.m_Method = StitchMethodTelephoto;
    // Lower pair of (1, 0): B's point plus (5, 250) in A.
    PointTwinList& lower = job.at(1, 0).m_LowerTwins;
    lower.m_lCount = 3;
    const int pts[3][2] = {{10, 20}, {200, 30}, {120, 60}};
    for (int k = 0; k < 3; ++k) {
        lower.m_Twins[k][1] = tagPOINT{pts[k][0], pts[k][1]};
        lower.m_Twins[k][0] = tagPOINT{pts[k][0] + 5, pts[k][1] + 250};
    }
    job.at(1, 0).m_bLowerDefault = false;
    job.at(0, 0).m_bRightDefault = true; // no twins, flagged
    CMotionEstimation(&job.options).Run(1);
    const CStitchTransform& T = job.at(1, 0).m_LowerTransform;
    QVERIFY(std::fabs(T.At(0, 0) - 1.0) < 1e-9 && std::fabs(T.At(1, 0)) < 1e-9);
    QVERIFY(std::fabs(T.At(0, 2) - 5.0) < 1e-7 && std::fabs(T.At(1, 2) - 250.0) < 1e-7);
    QVERIFY(job.at(1, 0).m_dLowerError < 1e-9);
    QCOMPARE(job.at(0, 0).m_dRightError, 10.0);
    QCOMPARE(job.at(0, 0).m_RightTransform.At(0, 0), 1.0); // identity kept
}

void TestMotion::medianDistIsTheThirdSmallest()
{
    // P is Q moved by these amounts across: the distances are their squares.
    // Sorted 0.05 0.1 0.2 0.3 0.4 0.5: the third smallest is 0.2^2 = 0.04
    // (the median would lie between 0.2^2 and 0.3^2).
    const double moves[6] = {0.5, 0.1, 0.4, 0.2, 0.3, 0.05};
    double P[6][3] = {}, Q[6][3] = {};
    for (int k = 0; k < 6; ++k) {
        Q[k][0] = 1.0;
        P[k][0] = 1.0;
        P[k][1] = moves[k];
    }
    CStitchTransform identity;
    identity.Identity();
    QVERIFY(std::fabs(CMotionEstimation::MedianDist(P, Q, 6, &identity) - 0.04) < 1e-15);
}

void TestMotion::rotatePoint()
{
    CStitchTransform identity;
    identity.Identity();
    // Identity on layer 1 moves a point from one centre to the other:
    // (30 - 10) + 50 + 0.5 truncates to 70; (40 - 20) + 60 + 0.5 to 80.
    const tagPOINT p = CMotionEstimation::RotatePoint(&identity, 1000.0, 1, tagPOINT{30, 40}, 50, 60, 10, 20);
    QCOMPARE(p.x, 70);
    QCOMPARE(p.y, 80);
    // A turn of 90 degrees about y puts the ray on the image plane (w.z = 0).
    const CStitchTransform quarter = turn(M_PI / 2, 0, 0);
    const tagPOINT far = CMotionEstimation::RotatePoint(&quarter, 1000.0, 0, tagPOINT{0, 0}, 0, 0, 0, 0);
    QVERIFY(std::abs(far.x) >= CMotionEstimation::kFarAway - 1);
    // A round trip through R and R^T returns within a pixel.
    const CStitchTransform R = turn(12 * kDegree, 3 * kDegree, 2 * kDegree);
    CStitchTransform Rt;
    R.Transpose(&Rt);
    const tagPOINT there = CMotionEstimation::RotatePoint(&R, 1500.0, 0, tagPOINT{700, 300}, 499.5, 374.5, 499.5, 374.5);
    const tagPOINT back = CMotionEstimation::RotatePoint(&Rt, 1500.0, 0, there, 499.5, 374.5, 499.5, 374.5);
    QVERIFY(std::abs(back.x - 700) <= 1 && std::abs(back.y - 300) <= 1);
}

QTEST_GUILESS_MAIN(TestMotion)
#include "tst_motion.moc"
