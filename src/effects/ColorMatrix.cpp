#include "effects/ColorMatrix.h"

#include <cmath>
#include <cstring>

const double kSrgbToXyzD50[9] = {
    0.4361, 0.3851, 0.1431,
    0.2225, 0.7169, 0.0606,
    0.0139, 0.0971, 0.7141,
};

const double kSrgbToXyzD50Fine[9] = {
    0.43607, 0.38515, 0.14307,
    0.22249, 0.71687, 0.06061,
    0.01392, 0.09708, 0.71410,
};

namespace {

const double kD50[2] = {0.3457, 0.3585};

// Bradford cone-response matrix (Lam, 1985), as published to four decimals.
const double kBradford[9] = {
    0.8951, 0.2664, -0.1614,
    -0.7502, 1.7135, 0.0367,
    0.0389, -0.0685, 1.0296,
};

} // namespace

void ispMatrixInit(double out[9], double m00, double m01, double m02, double m10, double m11, double m12,
                   double m20, double m21, double m22)
{
    const double m[9] = {m00, m01, m02, m10, m11, m12, m20, m21, m22};
    std::memcpy(out, m, sizeof m);
}

void ispMatrixInit3X3(double out[9], const double in[9])
{
    std::memmove(out, in, 9 * sizeof(double));
}

int ispMultiMatVec(double out[3], const double m[9], const double v[3])
{
    double r[3];
    for (int i = 0; i < 3; ++i)
        r[i] = m[3 * i] * v[0] + m[3 * i + 1] * v[1] + m[3 * i + 2] * v[2];
    std::memcpy(out, r, sizeof r);
    return 3;
}

void ispMultiMatrix(double out[9], const double a[9], const double b[9])
{
    double r[9];
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j)
            r[3 * i + j] = a[3 * i] * b[j] + a[3 * i + 1] * b[3 + j] + a[3 * i + 2] * b[6 + j];
    }
    std::memcpy(out, r, sizeof r);
}

int ispLinearMatrix(double out[9], const double a[9], const double b[9], double t)
{
    for (int k = 0; k < 9; ++k)
        out[k] = a[k] * t + b[k] * (1.0 - t);
    return 3;
}

int ispScaleMatrix(double m[9], double s)
{
    for (int k = 0; k < 9; ++k)
        m[k] *= s;
    return 3;
}

double ispMaxEntryMatrix(const double m[9])
{
    double best = m[0];
    for (int k = 1; k < 9; ++k)
        best = m[k] > best ? m[k] : best;
    return best;
}

double ispMaxEntryVector(const double v[3])
{
    const double best = v[0] > v[1] ? v[0] : v[1];
    return v[2] > best ? v[2] : best;
}

int ispMatrixNormal(double m[9])
{
    for (int i = 0; i < 3; ++i) {
        const double sum = m[3 * i] + m[3 * i + 1] + m[3 * i + 2];
        if (sum > 1e-8) {
            for (int j = 0; j < 3; ++j)
                m[3 * i + j] /= sum;
        }
    }
    return 3;
}

void ispMatrixRGBtoBGR(double out[9], const double in[9])
{
    double r[9];
    for (int k = 0; k < 9; ++k)
        r[k] = in[8 - k];
    std::memcpy(out, r, sizeof r);
}

int ispInvert(double out[9], const double in[9])
{
    const double a = in[0], b = in[1], c = in[2];
    const double d = in[3], e = in[4], f = in[5];
    const double g = in[6], h = in[7], i = in[8];
    const double c00 = e * i - f * h;
    const double c01 = f * g - d * i;
    const double c02 = d * h - e * g;
    const double det = a * c00 + b * c01 + c * c02;
    if (!(std::fabs(det) >= 1e-10)) // also refuses NaN
        return 0;
    const double r[9] = {
        c00 / det, (c * h - b * i) / det, (b * f - c * e) / det,
        c01 / det, (a * i - c * g) / det, (c * d - a * f) / det,
        c02 / det, (b * g - a * h) / det, (a * e - b * d) / det,
    };
    std::memcpy(out, r, sizeof r);
    return 1;
}

void ispXYZtoXY(double xy[2], const double xyz[3])
{
    const double sum = xyz[0] + xyz[1] + xyz[2];
    if (sum > 0.0) {
        const double x = xyz[0] / sum;
        xy[1] = xyz[1] / sum;
        xy[0] = x;
    } else {
        D50_xy_coord(xy);
    }
}

double ispXYtoXYZ(double xyz[3], const double xy[2])
{
    double x = xy[0] < 0.01 ? 0.01 : xy[0];
    double y = xy[1] < 0.01 ? 0.01 : xy[1];
    if (x + y > 0.99) {
        const double scale = 0.99 / (x + y);
        x *= scale;
        y *= scale;
    }
    xyz[0] = x / y;
    xyz[1] = 1.0;
    xyz[2] = (1.0 - x - y) / y;
    return 1.0;
}

void D50_xy_coord(double xy[2])
{
    xy[0] = kD50[0];
    xy[1] = kD50[1];
}

void ispMapWhiteMatrix(double out[9], const double white1[2], const double white2[2])
{
    double xyz1[3], xyz2[3], cone1[3], cone2[3];
    ispXYtoXYZ(xyz1, white1);
    ispXYtoXYZ(xyz2, white2);
    ispMultiMatVec(cone1, kBradford, xyz1);
    ispMultiMatVec(cone2, kBradford, xyz2);

    // Bd^-1 D Bd, with D the cone-response ratios; a ratio is kept from
    // collapsing towards zero, which would make the map singular.
    double scaled[9];
    for (int i = 0; i < 3; ++i) {
        double ratio = cone2[i] / cone1[i];
        if (!(ratio >= 0.1)) // also a NaN from a degenerate white
            ratio = 0.1;
        for (int j = 0; j < 3; ++j)
            scaled[3 * i + j] = ratio * kBradford[3 * i + j];
    }
    double inverse[9];
    ispInvert(inverse, kBradford);
    ispMultiMatrix(out, inverse, scaled);
}
