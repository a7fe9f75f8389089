#pragma once

// 3 x 3 matrices and 3-vectors of doubles and CIE chromaticities, for the
// white-balance code. A matrix is nine doubles row by row (m[0..2] is the
// first row), a vector three doubles, an xy chromaticity two doubles (x, y).
// Outputs come first. Every function here may be given the same array as
// output and input.

// Linear sRGB to CIE XYZ relative to D50, from the sRGB ICC profile's
// colorants: rounded to four decimals, and to five (the last entry, 0.7141,
// is the same in both).
extern const double kSrgbToXyzD50[9];
extern const double kSrgbToXyzD50Fine[9];

void ispMatrixInit(double out[9], double m00, double m01, double m02, double m10, double m11, double m12,
                   double m20, double m21, double m22);
void ispMatrixInit3X3(double out[9], const double in[9]);
// out = M v; returns 3.
int ispMultiMatVec(double out[3], const double m[9], const double v[3]);
// out = A B.
void ispMultiMatrix(double out[9], const double a[9], const double b[9]);
// out = A t + B (1 - t), entry by entry; returns 3.
int ispLinearMatrix(double out[9], const double a[9], const double b[9], double t);
// Every entry times s, in place; returns 3.
int ispScaleMatrix(double m[9], double s);
double ispMaxEntryMatrix(const double m[9]);
double ispMaxEntryVector(const double v[3]);
// Divides every row whose sum exceeds 1e-8 by that sum, in place; returns 3.
int ispMatrixNormal(double m[9]);
// Reverses rows and columns, so a matrix on R, G, B becomes the same matrix
// on B, G, R. Its own inverse.
void ispMatrixRGBtoBGR(double out[9], const double in[9]);
// Inverse by cofactors. Returns 0 and leaves `out` as it was when the
// determinant's magnitude is below 1e-10, else 1.
int ispInvert(double out[9], const double in[9]);

// xy of an XYZ colour; the D50 point when X + Y + Z is not positive.
void ispXYZtoXY(double xy[2], const double xyz[3]);
// XYZ with Y = 1 of a chromaticity. x and y are raised to at least 0.01 and
// scaled down together to a sum of 0.99 when they add up to more, so the
// result is always finite. Returns 1.0.
double ispXYtoXYZ(double xyz[3], const double xy[2]);
// The D50 white point, (0.3457, 0.3585).
void D50_xy_coord(double xy[2]);
// Bradford chromatic adaptation from white1 to white2, acting on XYZ.
void ispMapWhiteMatrix(double out[9], const double white1[2], const double white2[2]);
