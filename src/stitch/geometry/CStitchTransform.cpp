#include "stitch/geometry/CStitchTransform.h"

#include <cmath>
#include <cstring>

namespace {

struct Vec3
{
    double v[3];
};

Vec3 Unit(Vec3 a)
{
    const double length = std::sqrt(a.v[0] * a.v[0] + a.v[1] * a.v[1] + a.v[2] * a.v[2]);
    for (double& x : a.v)
        x /= length;
    return a;
}

Vec3 Cross(const Vec3& a, const Vec3& b)
{
    return Vec3{{a.v[1] * b.v[2] - a.v[2] * b.v[1], a.v[2] * b.v[0] - a.v[0] * b.v[2],
                 a.v[0] * b.v[1] - a.v[1] * b.v[0]}};
}

} // namespace

void CStitchTransform::Initial()
{
    for (double& x : m_Matrix)
        x = 0.0;
}

void CStitchTransform::Identity()
{
    Initial();
    m_Matrix[0] = m_Matrix[4] = m_Matrix[8] = 1.0;
}

void CStitchTransform::Transpose(CStitchTransform* out) const
{
    CStitchTransform t;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            t.m_Matrix[3 * c + r] = m_Matrix[3 * r + c];
    *out = t;
}

void CStitchTransform::Normalize()
{
    Vec3 c[3];
    for (int i = 0; i < 3; ++i)
        c[i] = Unit(Vec3{{m_Matrix[i], m_Matrix[3 + i], m_Matrix[6 + i]}});
    for (int round = 0; round < 20; ++round) {
        const Vec3 d[3] = {Unit(Cross(c[1], c[2])), Unit(Cross(c[2], c[0])), Unit(Cross(c[0], c[1]))};
        for (int i = 0; i < 3; ++i) {
            for (int k = 0; k < 3; ++k)
                c[i].v[k] = 0.8 * c[i].v[k] + 0.2 * d[i].v[k];
            c[i] = Unit(c[i]);
        }
    }
    c[2] = Cross(c[0], c[1]);
    c[1] = Cross(c[2], c[0]);
    for (int i = 0; i < 3; ++i)
        for (int k = 0; k < 3; ++k)
            m_Matrix[3 * k + i] = c[i].v[k];
}

void CStitchTransform::ToArray(double* out) const
{
    std::memcpy(out, m_Matrix, sizeof m_Matrix);
}

void CStitchTransform::EvaluateAndTranspose(const double a[][3])
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            m_Matrix[3 * r + c] = a[c][r];
}

void CStitchTransform::MultipleVector(const double* v, double* out) const
{
    double result[3];
    for (int r = 0; r < 3; ++r)
        result[r] = m_Matrix[3 * r] * v[0] + m_Matrix[3 * r + 1] * v[1] + m_Matrix[3 * r + 2] * v[2];
    std::memcpy(out, result, sizeof result);
}

CStitchTransform CStitchTransform::Add(const CStitchTransform* b) const
{
    CStitchTransform sum;
    for (int i = 0; i < 9; ++i)
        sum.m_Matrix[i] = m_Matrix[i] + b->m_Matrix[i];
    return sum;
}

CStitchTransform CStitchTransform::Multiple(const CStitchTransform* b) const
{
    CStitchTransform product;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            double sum = 0.0;
            for (int k = 0; k < 3; ++k)
                sum += m_Matrix[3 * r + k] * b->m_Matrix[3 * k + c];
            product.m_Matrix[3 * r + c] = sum;
        }
    return product;
}
