#include "SIFTKernels.h"

#include <QtGlobal>

#include <cmath>
#include <cstdint>
#include <cstring>

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

SIFT_ALWAYS_INLINE void rowPass(const float* src, float* scratch, int w, int h, const float taps[11])
{
    for (int y = 0; y < h; ++y) {
        const float* __restrict in = src + std::int64_t(y) * w;
        float* __restrict out = scratch + std::int64_t(y) * w;
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
}

SIFT_ALWAYS_INLINE void columnPass(const float* scratch, float* dst, int w, int h, const float taps[11])
{
    for (int y = 0; y < h; ++y) {
        float* __restrict out = dst + std::int64_t(y) * w;
        const float* __restrict rows[11];
        for (int t = 0; t < 11; ++t)
            rows[t] = scratch + std::int64_t(qBound(0, y + t - 5, h - 1)) * w;
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

void smoothPlain(const float* src, float* dst, float* scratch, int w, int h, const float taps[11])
{
    rowPass(src, scratch, w, h, taps);
    columnPass(scratch, dst, w, h, taps);
}

int extremaPlain(const float* const rows[3][3], int from, int to, float contrast, int* xs)
{
    return extremaInRow(rows, from, to, contrast, xs);
}

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define SIFT_HAVE_AVX2_KERNEL 1
// AVX2 alone, without FMA: a fused multiply-add would round differently.
__attribute__((target("avx2"))) void smoothAvx2(const float* src, float* dst, float* scratch, int w, int h,
                                                const float taps[11])
{
    rowPass(src, scratch, w, h, taps);
    columnPass(scratch, dst, w, h, taps);
}

__attribute__((target("avx2"))) int extremaAvx2(const float* const rows[3][3], int from, int to, float contrast,
                                                int* xs)
{
    return extremaInRow(rows, from, to, contrast, xs);
}
#endif

#pragma GCC diagnostic pop

} // namespace

bool SiftHasAvx2()
{
#ifdef SIFT_HAVE_AVX2_KERNEL
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
#else
    return false;
#endif
}

SiftKernel SiftBestKernel()
{
    return SiftHasAvx2() ? SiftKernel::Avx2 : SiftKernel::Plain;
}

void SiftSmooth(const float* src, float* dst, float* scratch, int w, int h, float sigma, SiftKernel kernel)
{
    float taps[11];
    gaussianTaps(sigma, taps);
#ifdef SIFT_HAVE_AVX2_KERNEL
    if (kernel == SiftKernel::Avx2 && SiftHasAvx2()) {
        smoothAvx2(src, dst, scratch, w, h, taps);
        return;
    }
#else
    Q_UNUSED(kernel);
#endif
    smoothPlain(src, dst, scratch, w, h, taps);
}

int SiftExtremaInRow(const float* const rows[3][3], int from, int to, float contrast, int* xs, SiftKernel kernel)
{
#ifdef SIFT_HAVE_AVX2_KERNEL
    if (kernel == SiftKernel::Avx2 && SiftHasAvx2())
        return extremaAvx2(rows, from, to, contrast, xs);
#else
    Q_UNUSED(kernel);
#endif
    return extremaPlain(rows, from, to, contrast, xs);
}
