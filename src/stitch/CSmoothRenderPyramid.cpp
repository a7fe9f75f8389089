// The pyramid steps: a 5-tap reduce and expand of 16-bit and 32-bit levels,
// exact integer sums divided by 400 with truncation toward zero.
#include "stitch/CSmoothRender.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

namespace {

// Reads of a row of `length` samples during a reduce. To the left the row
// reflects (-1 reads 1, -2 reads 2); from n = length with its lowest bit
// cleared on, index i reads i mod (n - 1). Levels narrower than three
// samples would read past the row or divide by zero, so every read is kept
// inside the row at the end.
inline int ReduceIndex(int i, int length)
{
    const int n = length & ~1;
    if (i < 0)
        i = -i;
    else if (i >= n && n > 1)
        i %= n - 1;
    return std::clamp(i, 0, length - 1);
}

// Reads of a coarse row of n samples during an expand: -1 reads 1, -2 reads
// 2; index i >= n reads n - 1 - (i mod (n - 1)), so n reads n - 2.
inline int ExpandIndex(int i, int n)
{
    if (i < 0)
        i = -i;
    else if (i >= n && n > 1)
        i = n - 1 - i % (n - 1);
    return std::clamp(i, 0, n - 1);
}

// Rows of a reduce source: reflected at both ends (-1 reads 1, h reads h - 2).
inline int ReduceRow(int r, int height)
{
    if (r < 0)
        r = -r;
    else if (r >= height)
        r = 2 * (height - 1) - r;
    return std::clamp(r, 0, height - 1);
}

inline std::int64_t Divide400(std::int64_t sum)
{
    return sum / 400; // C++ division truncates toward zero
}

} // namespace

void CSmoothRender::SetPyramidFilter()
{
    const int reduce[3] = {8, 5, 1};
    const int expand[5] = {8, 8, 5, 2, 1};
    std::copy(reduce, reduce + 3, m_ReduceTaps);
    std::copy(expand, expand + 5, m_ExpandTaps);
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
        return -4;
    const int outW = width / 2;
    const int outH = height / 2;
    if (outW <= 0 || outH <= 0)
        return 0;
    const int* t = m_ReduceTaps;
    // A window of five row-filtered source rows, each outW wide, indexed by
    // source row modulo 5; every source row is filtered once.
    std::unique_ptr<std::int64_t[]> window(new (std::nothrow) std::int64_t[size_t(5) * size_t(outW)]);
    if (!window)
        return -4;
    int held[5] = {-1, -1, -1, -1, -1};
    auto filtered = [&](int r) -> const std::int64_t* {
        r = ReduceRow(r, height);
        std::int64_t* line = window.get() + size_t(r % 5) * size_t(outW);
        if (held[r % 5] != r) {
            const T* p = source + size_t(r) * size_t(width);
            for (int j = 0; j < outW; ++j) {
                const int i = 2 * j;
                line[j] = std::int64_t(t[0]) * p[ReduceIndex(i, width)]
                    + std::int64_t(t[1]) * (std::int64_t(p[ReduceIndex(i - 1, width)]) + p[ReduceIndex(i + 1, width)])
                    + std::int64_t(t[2]) * (std::int64_t(p[ReduceIndex(i - 2, width)]) + p[ReduceIndex(i + 2, width)]);
            }
            held[r % 5] = r;
        }
        return line;
    };
    for (int j = 0; j < outH; ++j) {
        const int c = 2 * j;
        // Fetch all five first: a reflected row may share a slot with the
        // row it stands for, which is the same row.
        const std::int64_t* rows[5];
        for (int d = -2; d <= 2; ++d)
            rows[d + 2] = filtered(c + d);
        T* out = target + size_t(j) * size_t(outW);
        for (int k = 0; k < outW; ++k) {
            const std::int64_t sum = t[0] * rows[2][k] + t[1] * (rows[1][k] + rows[3][k]) + t[2] * (rows[0][k] + rows[4][k]);
            out[k] = T(Divide400(sum));
        }
    }
    return 0;
}

template <typename T>
int CSmoothRender::Expand(const T* coarse, int width, int height, T* fine, bool add)
{
    if (!coarse || !fine)
        return -4;
    const int n = width / 2;
    const int rowsCoarse = height / 2;
    if (n <= 0 || rowsCoarse <= 0)
        return 0;
    std::vector<int> expanded(size_t(rowsCoarse) * size_t(2 * n));
    std::vector<const int*> rows(static_cast<size_t>(rowsCoarse));
    std::vector<int> line(static_cast<size_t>(n));
    for (int r = 0; r < rowsCoarse; ++r) {
        const T* q = coarse + size_t(r) * size_t(n);
        std::copy(q, q + n, line.begin());
        Expand1DRow(line.data(), n, expanded.data() + size_t(r) * size_t(2 * n));
        rows[size_t(r)] = expanded.data() + size_t(r) * size_t(2 * n);
    }
    std::vector<std::int64_t> sums(static_cast<size_t>(2 * n));
    for (int r = 0; r < 2 * rowsCoarse; ++r) {
        Expand1DCol(rows.data(), rowsCoarse, r, n, sums.data());
        T* out = fine + size_t(r) * size_t(width);
        for (int k = 0; k < 2 * n; ++k) {
            const std::int64_t v = Divide400(sums[size_t(k)]);
            out[k] = T(add ? out[k] + v : out[k] - v);
        }
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
