#pragma once

#include "stitch/threads/SimdKernel.h"

#include <algorithm>
#include <cmath>

// x rounded to an integer, halves to even, as std::nearbyint gives it under
// the default rounding mode, for |x| < 2^51: adding 1.5 x 2^52 leaves no
// fraction bits, so the sum is rounded by the addition itself. Inline, where
// nearbyint is a library call on baseline x86-64.
inline double WarpRoundEven(double x)
{
    constexpr double kShift = 6755399441055744.0; // 1.5 x 2^52
    return (x + kShift) - kShift;
}

// The bilinear rule of the element warps, in 1/256 steps. A position is
// used only when its 2 x 2 neighbourhood lies inside the source; one that
// is not finite or far off is refused before any integer conversion.
struct WarpSampler
{
    const unsigned char* bits = nullptr;
    int stride = 0;
    int width = 0;
    int height = 0;
    const unsigned char* table = nullptr; // 768 bytes, or null for raw bytes
    int offset = 0;                       // brightness offset

    bool Sample(double u, double v, unsigned char* out) const
    {
        // Also false for NaN.
        if (!(u >= 0.0 && v >= 0.0 && u < 1073741824.0 && v < 1073741824.0))
            return false;
        const int ix = int(WarpRoundEven(u - 0.5));
        const int iy = int(WarpRoundEven(v - 0.5));
        if (ix > width - 2 || iy > height - 2 || ix < 0 || iy < 0)
            return false;
        const int fx = int(WarpRoundEven((u - ix) * 256.0 - 0.5));
        const int fy = int(WarpRoundEven((v - iy) * 256.0 - 0.5));
        Put(ix, iy, fx, fy, out);
        return true;
    }

    // The blend of the 2 x 2 pixels from (ix, iy) with weights fx, fy in
    // 0..256.
    void Put(int ix, int iy, int fx, int fy, unsigned char* out) const
    {
        const int w00 = (256 - fx) * (256 - fy), w10 = fx * (256 - fy);
        const int w01 = (256 - fx) * fy, w11 = fx * fy;
        const unsigned char* p0 = bits + (long long)iy * stride + 3 * ix;
        const unsigned char* p1 = p0 + stride;
        if (table) {
            for (int b = 0; b < 3; ++b) {
                const unsigned char* t = table + 256 * b;
                const int value = ((t[p0[b]] * w00 + t[p0[b + 3]] * w10 + t[p1[b]] * w01 + t[p1[b + 3]] * w11) >> 16)
                                  + offset;
                out[b] = static_cast<unsigned char>(std::clamp(value, 0, 255));
            }
        } else {
            for (int b = 0; b < 3; ++b) {
                const int value = ((p0[b] * w00 + p0[b + 3] * w10 + p1[b] * w01 + p1[b + 3] * w11) >> 16) + offset;
                out[b] = static_cast<unsigned char>(std::clamp(value, 0, 255));
            }
        }
    }

    // A table that maps every byte to itself changes nothing: null instead.
    void DropIdentityTable()
    {
        if (!table)
            return;
        for (int i = 0; i < 768; ++i)
            if (table[i] != (i & 255))
                return;
        table = nullptr;
    }
};

// Where panorama points land in a source image, for runs of points: the
// point's ray in the image's frame is q = T^T P, the film position
// u = -f X / Z + cx, v = -f Y / Z + cy, sampled by the rule above.
struct WarpLocator
{
    double m[9] = {};    // T, row-major; q = T^T P
    double minusF = 0.0; // -f
    double cx = 0.0, cy = 0.0;
    double lastX = 0.0, lastY = 0.0; // width - 2, height - 2
};

// For the n points (px[i], py, pz[i]): ix[i], iy[i] the top-left pixel of
// the 2 x 2 neighbourhood and fx[i], fy[i] the weights WarpSampler::Sample
// would use, or ix[i] = -1 where it would refuse the point (also when the
// ray meets the image from behind, Z >= 0). Both kernels give the same
// values: the same operations in the same order, with no fused
// multiply-add.
void WarpLocate(const WarpLocator& locator, const double* px, double py, const double* pz, int n, int* ix, int* iy,
                int* fx, int* fy, SimdKernel kernel);

// Samples n points located as above into a row of a warped image from
// column ox0 on (ix[i] < 0: left as it is) and sets their mask bits in
// maskRow. Both kernels write the same bytes.
void WarpSample(const WarpSampler& sampler, const int* ix, const int* iy, const int* fx, const int* fy, int n,
                int ox0, unsigned char* row, unsigned char* maskRow, SimdKernel kernel);
