// The pyramid steps: a 5-tap reduce and expand of 16-bit and 32-bit levels,
// exact integer sums divided by 400 with truncation toward zero.
#include "stitch/blend/CSmoothRender.h"

#include "stitch/blend/SmoothRenderKernels.h"
#include "stitch/interface/StitchEnums.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>

using namespace SmoothRenderKernels;

namespace {

// 16-bit levels sum in 32 bits (400 x 32768 fits); 32-bit levels in 64.
template <typename T> struct SumOf { using type = std::int64_t; };
template <> struct SumOf<short> { using type = std::int32_t; };

} // namespace

void CSmoothRender::SetPyramidFilter()
{
    const int reduce[3] = {8, 5, 1};
    const int expand[5] = {8, 8, 5, 2, 1};
    std::copy(reduce, reduce + 3, m_ReduceTaps);
    std::copy(expand, expand + 5, m_ExpandTaps);
}

bool CSmoothRender::FilterSet() const
{
    // The kernels hold the taps SetPyramidFilter sets; the only other state
    // is the all-zero one of a new object.
    return m_ReduceTaps[0] != 0;
}

void CSmoothRender::Reduce1D(const int* source, int n, int* target)
{
    const int* t = m_ReduceTaps;
    for (int j = 0; j < n / 2; ++j) {
        const int i = 2 * j;
        target[j] = t[0] * source[ReduceIndex(i, n)] + t[1] * (source[ReduceIndex(i - 1, n)] + source[ReduceIndex(i + 1, n)])
            + t[2] * (source[ReduceIndex(i - 2, n)] + source[ReduceIndex(i + 2, n)]);
    }
}

void CSmoothRender::Expand1DRow(const int* coarse, int n, int* target)
{
    const int* t = m_ExpandTaps;
    auto q = [&](int i) { return coarse[ExpandIndex(i, n)]; };
    for (int k = 0; k < 2 * n; ++k) {
        const int m = k / 2;
        target[k] = (k % 2 == 0) ? t[0] * q(m) + t[2] * (q(m - 1) + q(m + 1)) + t[4] * (q(m - 2) + q(m + 2))
                                 : t[1] * (q(m) + q(m + 1)) + t[3] * (q(m - 1) + q(m + 2));
    }
}

void CSmoothRender::Expand1DCol(const int* const* rows, int rowCount, int row, int n, std::int64_t* target)
{
    const std::int64_t t[5] = {m_ExpandTaps[0], m_ExpandTaps[1], m_ExpandTaps[2], m_ExpandTaps[3], m_ExpandTaps[4]};
    const int m = row / 2;
    const int* r0 = rows[ExpandIndex(m - 2, rowCount)];
    const int* r1 = rows[ExpandIndex(m - 1, rowCount)];
    const int* r2 = rows[ExpandIndex(m, rowCount)];
    const int* r3 = rows[ExpandIndex(m + 1, rowCount)];
    const int* r4 = rows[ExpandIndex(m + 2, rowCount)];
    if (row % 2 == 0) {
        for (int k = 0; k < 2 * n; ++k)
            target[k] = t[0] * r2[k] + t[2] * (std::int64_t(r1[k]) + r3[k]) + t[4] * (std::int64_t(r0[k]) + r4[k]);
    } else {
        for (int k = 0; k < 2 * n; ++k)
            target[k] = t[1] * (std::int64_t(r2[k]) + r3[k]) + t[3] * (std::int64_t(r1[k]) + r4[k]);
    }
}

template <typename T>
int CSmoothRender::Reduce(const T* source, int width, int height, T* target)
{
    if (!source || !target)
        return StitchGridOrTempDir;
    const int outW = width / 2;
    const int outH = height / 2;
    if (outW <= 0 || outH <= 0)
        return 0;
    if (!FilterSet()) {
        // Taps still zero (no SetPyramidFilter): every sum is 0.
        std::fill(target, target + size_t(outW) * size_t(outH), T(0));
        return 0;
    }
    using Acc = typename SumOf<T>::type;
    // Along-row sums of the source rows in use; each row is summed once.
    constexpr int kSlots = 8;
    std::unique_ptr<Acc[]> window(new (std::nothrow) Acc[size_t(kSlots) * size_t(outW)]);
    if (!window)
        return StitchGridOrTempDir;
    int tags[kSlots];
    RowCache<Acc> along;
    along.Attach(window.get(), outW, kSlots, tags);
    auto sum = [&](int r, Acc* line) { ReduceAlong(source + size_t(r) * size_t(width), width, line); };
    for (int j = 0; j < outH; ++j) {
        const Acc* rows[5];
        for (int d = 0; d < 5; ++d)
            rows[d] = along.Get(ReduceRow(2 * j + d - 2, height), sum);
        ReduceDown(rows, outW, target + size_t(j) * size_t(outW));
    }
    return 0;
}

template <typename T>
int CSmoothRender::Expand(const T* coarse, int width, int height, T* fine, bool add)
{
    if (!coarse || !fine)
        return StitchGridOrTempDir;
    const int n = width / 2;
    const int rowsCoarse = height / 2;
    if (n <= 0 || rowsCoarse <= 0 || !FilterSet())
        return 0;
    constexpr int kSlots = 8;
    std::unique_ptr<std::int32_t[]> window(new (std::nothrow) std::int32_t[size_t(kSlots) * size_t(2 * n)]);
    if (!window)
        return StitchGridOrTempDir;
    int tags[kSlots];
    RowCache<std::int32_t> along;
    along.Attach(window.get(), 2 * n, kSlots, tags);
    auto sum = [&](int r, std::int32_t* line) { ExpandAlong(coarse + size_t(r) * size_t(n), n, line); };
    for (int r = 0; r < 2 * rowsCoarse; ++r) {
        const std::int32_t* rows[5];
        for (int d = 0; d < 5; ++d)
            rows[d] = along.Get(ExpandIndex(r / 2 + d - 2, rowsCoarse), sum);
        ExpandDown<T, typename SumOf<T>::type>(rows, r % 2 == 1, 2 * n, fine + size_t(r) * size_t(width), add);
    }
    return 0;
}

int CSmoothRender::Reduce2D(const short* source, int width, int height, short* target)
{
    return Reduce(source, width, height, target);
}

int CSmoothRender::Reduce2D(const int* source, int width, int height, int* target)
{
    return Reduce(source, width, height, target);
}

int CSmoothRender::Expand2D(const short* coarse, int width, int height, short* fine, bool add)
{
    return Expand(coarse, width, height, fine, add);
}

int CSmoothRender::Expand2D(const int* coarse, int width, int height, int* fine, bool add)
{
    return Expand(coarse, width, height, fine, add);
}
