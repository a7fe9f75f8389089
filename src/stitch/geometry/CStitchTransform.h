#pragma once

// A 3 x 3 matrix of doubles, row-major (entry (r, c) at 3r + c). A plain
// value: copied freely, and nothing is set on construction.
class CStitchTransform
{
public:
    void Initial();
    void Identity();
    void Transpose(CStitchTransform* out) const;
    // Turns the matrix into the nearest rotation, in place: columns are
    // pulled towards mutual orthogonality twenty times, then closed by cross
    // products.
    void Normalize();
    void ToArray(double* out) const;
    // Loads the matrix from a, transposed: entry (r, c) = a[c][r].
    void EvaluateAndTranspose(const double a[][3]);
    // out = this x v for a 3-vector.
    void MultipleVector(const double* v, double* out) const;
    CStitchTransform Add(const CStitchTransform* b) const;
    // this x b.
    CStitchTransform Multiple(const CStitchTransform* b) const;

    double& At(int row, int column) { return m_Matrix[3 * row + column]; }
    double At(int row, int column) const { return m_Matrix[3 * row + column]; }

    double m_Matrix[9];
};
