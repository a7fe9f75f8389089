#include "stitch/motion/CMotionEstimation.h"

#include "stitch/job/CStitchElement.h"
#include "stitch/job/CStitchOptions.h"
#include "stitch/job/NeighbourPairs.h"
#include "stitch/pyramid/CStitchPyramid.h"
#include "stitch/threads/StitchThreads.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

namespace {

using Ray = double[3];

// Rays as a flat buffer handed to the routines taking double[][3].
struct RayBuffer
{
    explicit RayBuffer(int n) : values(size_t(std::max(n, 1)) * 3, 0.0) {}
    Ray* rays() { return reinterpret_cast<Ray*>(values.data()); }
    std::vector<double> values;
};

double Square(double x) { return x * x; }

} // namespace

int CMotionEstimation::Run(int layer)
{
    if (m_pOptions->m_Method == StitchMethodTelephoto)
        RigidMotionEstimation(layer);
    else
        MotionEstimation(layer);
    return 0;
}

void CMotionEstimation::MotionEstimation(int layer)
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    const bool tile = grid.m_Style == StitchStyleTile;
    for (const NeighbourPair& p : NeighbourPairs(grid)) {
        const CStitchElement* a = grid.GetElement(p.col, p.row);
        if (!a || !grid.GetElement(p.nextCol, p.nextRow) || p.WithItself())
            continue;
        // A tile pair that block matching left without twins keeps its
        // transform; elsewhere such a pair gets the default turn.
        if (tile && (p.horizontal ? a->m_RightTwins : a->m_LowerTwins).m_lCount == 0)
            continue;
        CalcRotation(p.col, p.row, p.nextCol, p.nextRow, layer, p.horizontal);
    }
}

void CMotionEstimation::CalcRotation(int colA, int rowA, int colB, int rowB, int layer, bool horizontal)
{
    CStitchElement* a = m_pOptions->m_Matrix.GetElement(colA, rowA);
    CStitchElement* b = m_pOptions->m_Matrix.GetElement(colB, rowB);
    if (!a || !b)
        return;
    const PointTwinList& twins = horizontal ? a->m_RightTwins : a->m_LowerTwins;
    CStitchTransform& R = horizontal ? a->m_RightTransform : a->m_LowerTransform;
    double& error = horizontal ? a->m_dRightError : a->m_dLowerError;
    const bool byDefault = horizontal ? a->m_bRightDefault : a->m_bLowerDefault;

    const int n = std::clamp(twins.m_lCount, 0, PointTwinList::kCapacity);
    if (n == 0) {
        // Nothing to fit: the default turn, marked as a poor pair.
        SetDefaultRotation(&R, colA, rowA, colB, rowB, horizontal);
        error = 10.0;
        return;
    }
    const double zoom = std::ldexp(1.0, layer);
    const double cAx = (a->m_Pyramid.m_lWidth - 1) * 0.5 / zoom, cAy = (a->m_Pyramid.m_lHeight - 1) * 0.5 / zoom;
    const double cBx = (b->m_Pyramid.m_lWidth - 1) * 0.5 / zoom, cBy = (b->m_Pyramid.m_lHeight - 1) * 0.5 / zoom;
    const double f = -m_pOptions->m_dFocalLength / zoom;
    RayBuffer P(n), Q(n);
    for (int k = 0; k < n; ++k) {
        Ray& p = P.rays()[k];
        Ray& q = Q.rays()[k];
        p[0] = twins.m_Twins[k][0].x - cAx;
        p[1] = twins.m_Twins[k][0].y - cAy;
        p[2] = f;
        q[0] = twins.m_Twins[k][1].x - cBx;
        q[1] = twins.m_Twins[k][1].y - cBy;
        q[2] = f;
        Normalize(p);
        Normalize(q);
    }
    if (!RobustMotionEstimation(P.rays(), Q.rays(), n, &R) || !VerifyMotionParameters(&R, horizontal))
        SetDefaultRotation(&R, colA, rowA, colB, rowB, horizontal);
    double sum = 0.0;
    for (int k = 0; k < n; ++k) {
        double rq[3];
        R.MultipleVector(Q.rays()[k], rq);
        sum += Square(P.rays()[k][0] - rq[0]) + Square(P.rays()[k][1] - rq[1]) + Square(P.rays()[k][2] - rq[2]);
    }
    error = byDefault ? 10.0 : sum / n;
}

void CMotionEstimation::RigidMotionEstimation(int layer)
{
    const CStitchMatrix& grid = m_pOptions->m_Matrix;
    if (grid.m_Style == StitchStyle360)
        return; // a planar map cannot close a ring
    // Each pair's fit reads and writes only that pair's fields.
    for (const NeighbourPair& p : NeighbourPairs(grid))
        if (grid.GetElement(p.col, p.row) && grid.GetElement(p.nextCol, p.nextRow))
            CalcRigid(p.col, p.row, p.nextCol, p.nextRow, layer, p.horizontal);
}

void CMotionEstimation::CalcRigid(int col, int row, int, int, int, bool horizontal)
{
    CStitchElement* a = m_pOptions->m_Matrix.GetElement(col, row);
    if (!a)
        return;
    const PointTwinList& twins = horizontal ? a->m_RightTwins : a->m_LowerTwins;
    const int n = std::clamp(twins.m_lCount, 0, PointTwinList::kCapacity);
    RayBuffer pa(n), pb(n);
    for (int k = 0; k < n; ++k) {
        pa.rays()[k][0] = twins.m_Twins[k][0].x;
        pa.rays()[k][1] = twins.m_Twins[k][0].y;
        pa.rays()[k][2] = 1.0;
        pb.rays()[k][0] = twins.m_Twins[k][1].x;
        pb.rays()[k][1] = twins.m_Twins[k][1].y;
        pb.rays()[k][2] = 1.0;
    }
    double& error = horizontal ? a->m_dRightError : a->m_dLowerError;
    ComputeRigidTransform(pa.rays(), pb.rays(), n, horizontal ? &a->m_RightTransform : &a->m_LowerTransform,
                          &error);
    if (horizontal ? a->m_bRightDefault : a->m_bLowerDefault)
        error = 10.0;
}

bool CMotionEstimation::RobustMotionEstimation(double P[][3], double Q[][3], int n, CStitchTransform* R)
{
    if (!SVDMotionEstimation(P, Q, n, R))
        return false;
    if (n < 5)
        return true;
    double best = MedianDist(P, Q, n, R);
    // The fits without one twin, then (from six twins) without each pair,
    // made side by side; the best is then taken in that order, as if they
    // were tried one by one.
    struct Trial
    {
        int i, j; // twins left out (j = -1: only i)
        bool fitted = false;
        double value = 0.0;
        CStitchTransform fit;
    };
    std::vector<Trial> trials;
    try {
        trials.reserve(size_t(n) + (n >= 6 ? size_t(n) * size_t(n - 1) / 2 : 0));
        for (int i = 0; i < n; ++i)
            trials.push_back(Trial{i, -1});
        if (n >= 6)
            for (int i = 0; i < n; ++i)
                for (int j = i + 1; j < n; ++j)
                    trials.push_back(Trial{i, j});
    } catch (const std::bad_alloc&) {
        return true; // the fit of every twin stands
    }
    StitchThreads::For(int(trials.size()), [&](int t) {
        Trial& trial = trials[size_t(t)];
        try {
            RayBuffer subP(n), subQ(n);
            int m = 0;
            for (int k = 0; k < n; ++k) {
                if (k == trial.i || k == trial.j)
                    continue;
                std::copy(P[k], P[k] + 3, subP.rays()[m]);
                std::copy(Q[k], Q[k] + 3, subQ.rays()[m]);
                ++m;
            }
            trial.fitted = SVDMotionEstimation(subP.rays(), subQ.rays(), m, &trial.fit);
            if (trial.fitted)
                trial.value = MedianDist(subP.rays(), subQ.rays(), m, &trial.fit);
        } catch (const std::bad_alloc&) {
            trial.fitted = false; // left out, as a fit that failed
        }
    }, 8);
    for (const Trial& trial : trials)
        if (trial.fitted && trial.value < best) {
            best = trial.value;
            *R = trial.fit;
        }
    return true;
}

bool CMotionEstimation::SVDMotionEstimation(double P[][3], double Q[][3], int n, CStitchTransform* R)
{
    double rowsA[4][4] = {}, rowsV[4][4] = {}, w[4] = {};
    double* a[4] = {rowsA[0], rowsA[1], rowsA[2], rowsA[3]};
    double* v[4] = {rowsV[0], rowsV[1], rowsV[2], rowsV[3]};
    for (int k = 0; k < n; ++k)
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                a[i + 1][j + 1] += P[k][i] * Q[k][j];
    if (!SVDcompute(a, 3, 3, v, w))
        return false;
    auto det = [&]() {
        double m[3][3];
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                m[i][j] = 0.0;
                for (int k = 1; k <= 3; ++k)
                    m[i][j] += a[i + 1][k] * v[j + 1][k];
            }
        return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0])
               + m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    };
    // U V^T may be a mirror image for noisy or flat ray sets: flipping the
    // direction of the weakest singular pair gives the nearest proper rotation.
    if (det() < 0.0) {
        int weakest = 1;
        for (int k = 2; k <= 3; ++k)
            if (w[k] < w[weakest])
                weakest = k;
        for (int i = 1; i <= 3; ++i)
            a[i][weakest] = -a[i][weakest];
    }
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            double s = 0.0;
            for (int k = 1; k <= 3; ++k)
                s += a[i + 1][k] * v[j + 1][k];
            R->At(i, j) = s;
        }
    return true;
}

double CMotionEstimation::MedianDist(double P[][3], double Q[][3], int n, CStitchTransform* R)
{
    std::vector<double> d(size_t(std::max(n, 0)));
    for (int k = 0; k < n; ++k) {
        double rq[3];
        R->MultipleVector(Q[k], rq);
        d[k] = Square(rq[0] - P[k][0]) + Square(rq[1] - P[k][1]) + Square(rq[2] - P[k][2]);
    }
    if (d.empty())
        return 0.0;
    // Three passes of minimum selection; the last one found is the value.
    double value = 0.0;
    for (int pass = 0; pass < 3 && pass < n; ++pass) {
        int at = pass;
        for (int k = pass + 1; k < n; ++k)
            if (d[k] < d[at])
                at = k;
        std::swap(d[pass], d[at]);
        value = d[pass];
    }
    return value;
}

void CMotionEstimation::ComputeRigidTransform(double a[][3], double b[][3], int n, CStitchTransform* T, double* error)
{
    double theta = 0.0, tx = 0.0, ty = 0.0;
    for (int iteration = 0; iteration < 51; ++iteration) {
        const double c = std::cos(theta), s = std::sin(theta);
        double N[9] = {}, g[3] = {};
        for (int k = 0; k < n; ++k) {
            const double X = c * b[k][0] - s * b[k][1] + tx;
            const double Y = s * b[k][0] + c * b[k][1] + ty;
            const double rx = a[k][0] - X, ry = a[k][1] - Y;
            const double jx[3] = {-Y, 1.0, 0.0}, jy[3] = {X, 0.0, 1.0};
            for (int i = 0; i < 3; ++i) {
                g[i] += jx[i] * rx + jy[i] * ry;
                for (int j = 0; j < 3; ++j)
                    N[3 * i + j] += jx[i] * jx[j] + jy[i] * jy[j];
            }
        }
        double L[9], y[3], delta[3];
        if (!SolvePDEquation(N, g, delta, 3, L, y))
            continue; // a singular normal matrix: no step this time
        theta += delta[0];
        tx += delta[1];
        ty += delta[2];
    }
    const double c = std::cos(theta), s = std::sin(theta);
    const double m[9] = {c, -s, tx, s, c, ty, 0.0, 0.0, 1.0};
    std::copy(m, m + 9, T->m_Matrix);
    double sum = 0.0;
    for (int k = 0; k < n; ++k)
        sum += Square(c * b[k][0] - s * b[k][1] + tx - a[k][0]) + Square(s * b[k][0] + c * b[k][1] + ty - a[k][1]);
    if (error)
        *error = sum;
}

bool CMotionEstimation::CholeskyDecompose(const double* A, int n, double* L)
{
    std::fill(L, L + size_t(n) * n, 0.0);
    for (int j = 0; j < n; ++j) {
        double pivot = A[j * n + j];
        for (int k = 0; k < j; ++k)
            pivot -= L[j * n + k] * L[j * n + k];
        if (!(pivot > 0.0))
            return false;
        const double diagonal = std::sqrt(pivot);
        L[j * n + j] = diagonal;
        for (int i = j + 1; i < n; ++i) {
            double s = A[i * n + j];
            for (int k = 0; k < j; ++k)
                s -= L[i * n + k] * L[j * n + k];
            L[i * n + j] = s / diagonal;
        }
    }
    return true;
}

bool CMotionEstimation::SolvePDEquation(const double* A, const double* b, double* x, int n, double* L, double* y)
{
    if (!CholeskyDecompose(A, n, L))
        return false;
    for (int i = 0; i < n; ++i) { // L y = b
        double s = b[i];
        for (int k = 0; k < i; ++k)
            s -= L[i * n + k] * y[k];
        y[i] = s / L[i * n + i];
    }
    for (int i = n - 1; i >= 0; --i) { // L^T x = y
        double s = y[i];
        for (int k = i + 1; k < n; ++k)
            s -= L[k * n + i] * x[k];
        x[i] = s / L[i * n + i];
    }
    return true;
}

void CMotionEstimation::Normalize(double* v)
{
    const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (length > 0.0)
        for (int i = 0; i < 3; ++i)
            v[i] /= length;
}

tagPOINT CMotionEstimation::RotatePoint(const CStitchTransform* R, double focal, int layer, tagPOINT p, double cxOut,
                                        double cyOut, double cxIn, double cyIn)
{
    const double f = -focal / std::ldexp(1.0, layer);
    const double v[3] = {p.x - cxIn, p.y - cyIn, f};
    double w[3];
    R->MultipleVector(v, w);
    // A ray on the image plane projects to infinity (or NaN): such a point
    // is sent far outside any window rather than converted undefinedly.
    auto place = [](double value) {
        if (std::isnan(value))
            return kFarAway;
        return int(std::clamp(value, -double(kFarAway), double(kFarAway)));
    };
    return tagPOINT{place(w[0] / w[2] * f + cxOut + 0.5), place(w[1] / w[2] * f + cyOut + 0.5)};
}

void CMotionEstimation::SetDefaultRotation(CStitchTransform* R, int colA, int rowA, int colB, int rowB,
                                           bool horizontal) const
{
    const CStitchElement* a = m_pOptions->m_Matrix.GetElement(colA, rowA);
    const CStitchElement* b = m_pOptions->m_Matrix.GetElement(colB, rowB);
    const double focal = m_pOptions->m_dFocalLength;
    double theta = M_PI / 6.0;
    if (a && b && focal > 0.0) {
        const int size = horizontal ? std::min(a->m_Pyramid.m_lWidth, b->m_Pyramid.m_lWidth)
                                    : std::min(a->m_Pyramid.m_lHeight, b->m_Pyramid.m_lHeight);
        theta = std::min(theta, size * 0.5 / focal);
    }
    const double c = std::cos(theta), s = std::sin(theta);
    if (horizontal) {
        const double m[9] = {c, 0.0, -s, 0.0, 1.0, 0.0, s, 0.0, c};
        std::copy(m, m + 9, R->m_Matrix);
    } else {
        const double m[9] = {1.0, 0.0, 0.0, 0.0, c, -s, 0.0, s, c};
        std::copy(m, m + 9, R->m_Matrix);
    }
}

bool CMotionEstimation::VerifyMotionParameters(const CStitchTransform* R, bool horizontal)
{
    const double across = horizontal ? R->At(0, 2) : R->At(1, 2);
    const double cosine = (R->At(0, 0) + R->At(1, 1) + R->At(2, 2) - 1.0) / 2.0;
    return across <= 0.0 && cosine >= 0.0;
}

void CMotionEstimation::Transpose(const double* a, double* out, int rows, int cols)
{
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            out[c * rows + r] = a[r * cols + c];
}

void CMotionEstimation::Multiple(const double* a, const double* b, double* out, int m, int n, int p)
{
    for (int i = 0; i < m; ++i)
        for (int j = 0; j < p; ++j) {
            double s = 0.0;
            for (int k = 0; k < n; ++k)
                s += a[i * n + k] * b[k * p + j];
            out[i * p + j] = s;
        }
}
