#pragma once

#include "stitch/geometry/CStitchTransform.h"
#include "stitch/image/Rect.h"

class CStitchOptions;

// Relative motion of each neighbour pair from its point twins: a rotation of
// the viewing rays (P ~ R Q, P in the pair's owner, Q in its neighbour), or
// for telephoto jobs a planar rigid map (a ~ T b), with a fit error per pair.
// The least-squares helpers are shared with the twin filter and the global
// coordinates.
class CMotionEstimation
{
public:
    explicit CMotionEstimation(CStitchOptions* job) : m_pOptions(job) {}

    int Run(int layer);
    void MotionEstimation(int layer);
    void RigidMotionEstimation(int layer);
    void CalcRotation(int colA, int rowA, int colB, int rowB, int layer, bool horizontal);
    void CalcRigid(int col, int row, int, int, int, bool horizontal);

    static bool RobustMotionEstimation(double P[][3], double Q[][3], int n, CStitchTransform* R);
    static bool SVDMotionEstimation(double P[][3], double Q[][3], int n, CStitchTransform* R);
    // The third smallest of |R Q_k - P_k|^2 (the smallest when fewer exist).
    static double MedianDist(double P[][3], double Q[][3], int n, CStitchTransform* R);

    // Singular value decomposition A = U W V^T of a[1..m][1..n] (1-based
    // rows); a becomes U, w[1..n] the singular values (unsorted), v[1..n][1..n]
    // the matrix V. False when m < n or a value does not converge.
    static bool SVDcompute(double** a, int m, int n, double** v, double* w);

    static void ComputeRigidTransform(double a[][3], double b[][3], int n, CStitchTransform* T, double* error);
    static bool CholeskyDecompose(const double* A, int n, double* L);
    static bool SolvePDEquation(const double* A, const double* b, double* x, int n, double* L, double* y);
    static void Normalize(double* v);
    static tagPOINT RotatePoint(const CStitchTransform* R, double focal, int layer, tagPOINT p, double cxOut,
                                double cyOut, double cxIn, double cyIn);
    void SetDefaultRotation(CStitchTransform* R, int colA, int rowA, int colB, int rowB, bool horizontal) const;
    static bool VerifyMotionParameters(const CStitchTransform* R, bool horizontal);
    static void Transpose(const double* a, double* out, int rows, int cols);
    static void Multiple(const double* a, const double* b, double* out, int m, int n, int p);

    // A rotated point is clamped to +-kFarAway, well outside every search window.
    static constexpr int kFarAway = 1 << 28;

private:
    CStitchOptions* m_pOptions;
};
