#include "stitch/sift/SIFTKernels.h"

#include <QtGlobal>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#ifdef STITCH_AVX2_KERNELS
#include <immintrin.h>
#endif

namespace {

// Inlined everywhere, so the vector values never cross a call.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"
// Eight floats in one value; the compiler lays them in one AVX register or
// in two SSE ones, whichever the kernel's instruction set has.
typedef float V8 __attribute__((vector_size(32)));
typedef int I8 __attribute__((vector_size(32)));

// Outputs kept in registers at a time: the eleven taps add into them before
// they are stored once.
constexpr int kBlock = 16;

void gaussianTaps(float sigma, float taps[11])
{
    float sum = 0;
    for (int i = 0; i < 11; ++i) {
        taps[i] = float(std::exp(-0.5 * (i - 5) * (i - 5) / (double(sigma) * sigma)));
        sum += taps[i];
    }
    for (int i = 0; i < 11; ++i)
        taps[i] /= sum;
}

// The passes, inlined into each kernel so that each is vectorised for its
// own instruction set; the order of the float operations is the same.
#define SIFT_ALWAYS_INLINE inline __attribute__((always_inline))

SIFT_ALWAYS_INLINE V8 load(const float* p)
{
    V8 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

SIFT_ALWAYS_INLINE void store(float* p, V8 v)
{
    std::memcpy(p, &v, sizeof v);
}

SIFT_ALWAYS_INLINE void filterRow(const float* __restrict in, float* __restrict out, int w, const float taps[11])
{
    auto edge = [&](int x) {
        float acc = 0;
        for (int t = 0; t < 11; ++t)
            acc += taps[t] * in[qBound(0, x + t - 5, w - 1)];
        out[x] = acc;
    };
    auto inner = [&](int x) {
        float acc = taps[0] * in[x - 5];
        for (int t = 1; t < 11; ++t)
            acc += taps[t] * in[x + t - 5];
        out[x] = acc;
    };
    const int head = qMin(5, w);
    for (int x = 0; x < head; ++x)
        edge(x);
    int x = 5;
    for (; x + kBlock + 5 <= w; x += kBlock) {
        V8 a = taps[0] * load(in + x - 5), b = taps[0] * load(in + x + 3);
        for (int t = 1; t < 11; ++t) {
            a += taps[t] * load(in + x + t - 5);
            b += taps[t] * load(in + x + t + 3);
        }
        store(out + x, a);
        store(out + x + 8, b);
    }
    for (; x + 5 < w; ++x)
        inner(x);
    for (int x = qMax(head, w - 5); x < w; ++x)
        edge(x);
}

SIFT_ALWAYS_INLINE void filterColumns(const float* const rows[11], float* __restrict out, int w, const float taps[11])
{
    int x = 0;
    for (; x + kBlock <= w; x += kBlock) {
        V8 a = taps[0] * load(rows[0] + x), b = taps[0] * load(rows[0] + x + 8);
        for (int t = 1; t < 11; ++t) {
            a += taps[t] * load(rows[t] + x);
            b += taps[t] * load(rows[t] + x + 8);
        }
        store(out + x, a);
        store(out + x + 8, b);
    }
    for (; x < w; ++x) {
        float acc = taps[0] * rows[0][x];
        for (int t = 1; t < 11; ++t)
            acc += taps[t] * rows[t][x];
        out[x] = acc;
    }
}

// Rows are filtered into a ring of eleven just before the first output row
// that needs them, so the intermediate image never leaves the cache. Output
// row y is written after source rows up to y + 5 were read: dst may be src.
SIFT_ALWAYS_INLINE void smoothRows(const float* src, float* dst, float* ring, int w, int h, const float taps[11])
{
    int done = 0;
    for (int y = 0; y < h; ++y) {
        for (; done <= qMin(h - 1, y + 5); ++done)
            filterRow(src + std::int64_t(done) * w, ring + std::int64_t(done % 11) * w, w, taps);
        const float* rows[11];
        for (int t = 0; t < 11; ++t)
            rows[t] = ring + std::int64_t(qBound(0, y + t - 5, h - 1) % 11) * w;
        filterColumns(rows, dst + std::int64_t(y) * w, w, taps);
    }
}

// One column in the scalar way, for the tail of a row.
bool extremumAt(const float* const rows[3][3], int x, float contrast)
{
    const float v = rows[1][1][x];
    if (v >= contrast) {
        for (int l = 0; l < 3; ++l)
            for (int r = 0; r < 3; ++r)
                for (int dx = -1; dx <= 1; ++dx)
                    if ((l != 1 || r != 1 || dx != 0) && !(v > rows[l][r][x + dx]))
                        return false;
        return true;
    }
    if (v <= -contrast) {
        for (int l = 0; l < 3; ++l)
            for (int r = 0; r < 3; ++r)
                for (int dx = -1; dx <= 1; ++dx)
                    if ((l != 1 || r != 1 || dx != 0) && !(v < rows[l][r][x + dx]))
                        return false;
        return true;
    }
    return false;
}

SIFT_ALWAYS_INLINE int extremaInRow(const float* const rows[3][3], int from, int to, float contrast, int* xs)
{
    int count = 0;
    int x = from;
    for (; x + 8 <= to; x += 8) {
        const V8 v = load(rows[1][1] + x);
        I8 above = v >= contrast, below = v <= -contrast;
        // Most columns are neither: skip the neighbours.
        bool any = false;
        for (int j = 0; j < 8; ++j)
            any |= (above[j] | below[j]) != 0;
        if (!any)
            continue;
        for (int l = 0; l < 3; ++l)
            for (int r = 0; r < 3; ++r)
                for (int dx = -1; dx <= 1; ++dx) {
                    if (l == 1 && r == 1 && dx == 0)
                        continue;
                    const V8 n = load(rows[l][r] + x + dx);
                    above &= v > n;
                    below &= v < n;
                }
        for (int j = 0; j < 8; ++j)
            if (above[j] | below[j])
                xs[count++] = x + j;
    }
    for (; x < to; ++x)
        if (extremumAt(rows, x, contrast))
            xs[count++] = x;
    return count;
}

void smoothPlain(const float* src, float* dst, float* ring, int w, int h, const float taps[11])
{
    smoothRows(src, dst, ring, w, h, taps);
}

int extremaPlain(const float* const rows[3][3], int from, int to, float contrast, int* xs)
{
    return extremaInRow(rows, from, to, contrast, xs);
}

#ifdef STITCH_AVX2_KERNELS
__attribute__((target("avx2"))) void smoothAvx2(const float* src, float* dst, float* ring, int w, int h,
                                                const float taps[11])
{
    smoothRows(src, dst, ring, w, h, taps);
}

__attribute__((target("avx2"))) int extremaAvx2(const float* const rows[3][3], int from, int to, float contrast,
                                                int* xs)
{
    return extremaInRow(rows, from, to, contrast, xs);
}
#endif

constexpr double kTwoPi = 6.283185307179586;

// The angle's last steps: one turn added to atan2's -pi .. pi and taken off
// again where it reaches 2 pi, then rounded to float.
inline float reducedAngle(double a)
{
    a += kTwoPi;
    if (a >= kTwoPi)
        a -= kTwoPi;
    return float(a);
}

void gradientPixel(const float* row, const float* up, const float* down, int x, float* out)
{
    const float gx = 0.5f * (row[x + 1] - row[x - 1]);
    const float gy = 0.5f * (down[x] - up[x]);
    out[0] = std::sqrt(gx * gx + gy * gy);
    out[1] = reducedAngle(std::atan2(double(gy), double(gx)));
}

void gradientRowPlain(const float* row, const float* up, const float* down, int n, float* out)
{
    for (int x = 0; x < n; ++x)
        gradientPixel(row, up, down, x, out + 2 * x);
}

#ifdef STITCH_AVX2_KERNELS
typedef double D4 __attribute__((vector_size(32)));
typedef long long L4 __attribute__((vector_size(32)));
typedef float F4 __attribute__((vector_size(16)));
typedef int I4 __attribute__((vector_size(16)));

// atan(k / 8) for k = 0 .. 8, rounded once from long double.
struct AtanTable
{
    double at[9];
    AtanTable()
    {
        for (int k = 0; k < 9; ++k)
            at[k] = double(std::atan((long double)k / 8));
    }
};

// Every step below is within a few units in the last place (about 1e-15
// in all); 1e-14 more covers the C library's atan2, within one unit.
constexpr double kAngleDoubt = 2e-14;

// Four angles reduced as in reducedAngle. A function of the AVX2 unit
// rather than a lambda inside one: Clang builds a lambda's body for the
// baseline, where a vector of four doubles cannot be passed.
__attribute__((target("avx2"))) inline F4 reducedAngleAvx2(D4 a)
{
    a += kTwoPi;
    a = a >= kTwoPi ? a - kTwoPi : a;
    return __builtin_convertvector(a, F4);
}

__attribute__((target("avx2"))) void gradientRowAvx2(const float* row, const float* up, const float* down, int n,
                                                      float* out)
{
    static const AtanTable table;
    const D4 zero = {0, 0, 0, 0};
    int x = 0;
    for (; x + 4 <= n; x += 4) {
        F4 left, right, above, below;
        std::memcpy(&left, row + x - 1, sizeof left);
        std::memcpy(&right, row + x + 1, sizeof right);
        std::memcpy(&above, up + x, sizeof above);
        std::memcpy(&below, down + x, sizeof below);
        const F4 gx = 0.5f * (right - left);
        const F4 gy = 0.5f * (below - above);
        const F4 square = gx * gx + gy * gy;
        const D4 X = __builtin_convertvector(gx, D4), Y = __builtin_convertvector(gy, D4);
        const D4 ax = X < zero ? -X : X, ay = Y < zero ? -Y : Y;
        const L4 steep = ay > ax;
        const D4 t = (steep ? ax : ay) / (steep ? ay : ax);
        // atan t = atan c + atan u, c the nearest eighth, |u| <= 1/16:
        // seven terms of the series leave less than 1e-19.
        const I4 k = __builtin_convertvector(t * 8 + 0.5, I4);
        const D4 c = __builtin_convertvector(k, D4) / 8;
        const D4 u = (t - c) / (1 + t * c);
        const D4 u2 = u * u;
        const D4 series =
            u * (1 + u2 * (-1.0 / 3 + u2 * (1.0 / 5 + u2 * (-1.0 / 7 + u2 * (1.0 / 9 + u2 * (-1.0 / 11 + u2 / 13))))));
        // (k is out of 0 .. 8 only for a zero gradient, which goes the
        // reference way below.)
        auto atanOf = [](int i) { return table.at[unsigned(i) <= 8 ? i : 0]; };
        D4 r = D4{atanOf(k[0]), atanOf(k[1]), atanOf(k[2]), atanOf(k[3])} + series;
        r = steep ? M_PI_2 - r : r;
        r = X < zero ? M_PI - r : r;
        r = Y < zero ? -r : r;
        // The float angle of both ends of the doubt, reduced as in reducedAngle.
        const F4 low = reducedAngleAvx2(r - kAngleDoubt), high = reducedAngleAvx2(r + kAngleDoubt);
        const F4 magnitude = F4(_mm_sqrt_ps(__m128(square)));
        float* pair = out + 2 * x;
        for (int j = 0; j < 4; ++j) {
            pair[2 * j] = magnitude[j];
            // Zero gradients (and -0) and angles near a rounding boundary
            // go the reference way.
            if (low[j] == high[j] && gy[j] != 0 && unsigned(k[j]) <= 8)
                pair[2 * j + 1] = low[j];
            else
                pair[2 * j + 1] = reducedAngle(std::atan2(double(gy[j]), double(gx[j])));
        }
    }
    for (; x < n; ++x)
        gradientPixel(row, up, down, x, out + 2 * x);
}

#endif

#pragma GCC diagnostic pop

} // namespace

void SiftSmooth(const float* src, float* dst, float* scratch, int w, int h, float sigma, SimdKernel kernel)
{
    float taps[11];
    gaussianTaps(sigma, taps);
#ifdef STITCH_AVX2_KERNELS
    if (kernel == SimdKernel::Avx2 && SimdHasAvx2()) {
        smoothAvx2(src, dst, scratch, w, h, taps);
        return;
    }
#else
    Q_UNUSED(kernel);
#endif
    smoothPlain(src, dst, scratch, w, h, taps);
}

int SiftExtremaInRow(const float* const rows[3][3], int from, int to, float contrast, int* xs, SimdKernel kernel)
{
#ifdef STITCH_AVX2_KERNELS
    if (kernel == SimdKernel::Avx2 && SimdHasAvx2())
        return extremaAvx2(rows, from, to, contrast, xs);
#else
    Q_UNUSED(kernel);
#endif
    return extremaPlain(rows, from, to, contrast, xs);
}

void SiftGradientRow(const float* row, const float* up, const float* down, int n, float* out, SimdKernel kernel)
{
#ifdef STITCH_AVX2_KERNELS
    if (kernel == SimdKernel::Avx2 && SimdHasAvx2()) {
        gradientRowAvx2(row, up, down, n, out);
        return;
    }
#else
    Q_UNUSED(kernel);
#endif
    gradientRowPlain(row, up, down, n, out);
}
