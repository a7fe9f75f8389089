#pragma once

// The row steps of the blending pyramids, shared by the level-at-a-time
// members and the streaming blend: a 5-tap reduce and expand, each done as
// a pass along one row and a pass down five rows, with the edge reads of
// the levels. Sums are exact; the down pass divides by 400, truncating
// toward zero. Acc is the sum type: 32 bits wherever the samples are known
// to stay small enough (|sample| <= 2^22), 64 bits otherwise.
#include <algorithm>
#include <cstddef>
#include <cstdint>

// Marks a hot loop to be built for AVX2 and SSSE3 as well as the baseline,
// the best chosen when the program starts (GCC and Clang on x86-64 Linux).
#if defined(__x86_64__) && defined(__linux__) && (defined(__GNUC__) || defined(__clang__))
#define SMOOTH_RENDER_CLONES __attribute__((target_clones("avx2", "ssse3", "default")))
// Kernels a cloned loop must take in, so that they are built for its unit.
#define SMOOTH_RENDER_INLINE inline __attribute__((always_inline))
#else
#define SMOOTH_RENDER_CLONES
#define SMOOTH_RENDER_INLINE inline
#endif

namespace SmoothRenderKernels {

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

// Along a row of `width` samples: the 20-weighted sums (1 5 8 5 1) at the
// even positions, width / 2 of them.
template <typename T, typename Acc>
SMOOTH_RENDER_INLINE void ReduceAlong(const T* __restrict p, int width, Acc* __restrict out)
{
    const int count = width / 2;
    // Outputs whose five reads all lie inside [0, width & ~1) read straight.
    const int inner = std::max(1, std::min(count, ((width & ~1) - 1) / 2));
    auto edge = [&](int j) {
        const int i = 2 * j;
        auto at = [&](int k) { return Acc(p[ReduceIndex(k, width)]); };
        out[j] = 8 * at(i) + 5 * (at(i - 1) + at(i + 1)) + (at(i - 2) + at(i + 2));
    };
    if (count > 0)
        edge(0);
    for (int j = 1; j < inner; ++j)
        out[j] = 8 * Acc(p[2 * j]) + 5 * (Acc(p[2 * j - 1]) + Acc(p[2 * j + 1])) + (Acc(p[2 * j - 2]) + Acc(p[2 * j + 2]));
    for (int j = inner; j < count; ++j)
        edge(j);
}

// Down five along-row sums (rows 2j - 2 .. 2j + 2 of the source): one row
// of the reduced level.
template <typename T, typename Acc>
SMOOTH_RENDER_INLINE void ReduceDown(const Acc* const rows[5], int count, T* __restrict out)
{
    const Acc* __restrict r0 = rows[0];
    const Acc* __restrict r1 = rows[1];
    const Acc* __restrict r2 = rows[2];
    const Acc* __restrict r3 = rows[3];
    const Acc* __restrict r4 = rows[4];
    for (int k = 0; k < count; ++k)
        out[k] = T((8 * r2[k] + 5 * (r1[k] + r3[k]) + (r0[k] + r4[k])) / 400);
}

// Along a coarse row of n samples: 2n 20-weighted sums, even outputs
// 1 5 8 5 1 around m, odd ones 2 8 8 2 over m - 1 .. m + 2. Summed in
// 32 bits as an int row holds them.
template <typename T>
SMOOTH_RENDER_INLINE void ExpandAlong(const T* __restrict q, int n, std::int32_t* __restrict out)
{
    // Wrapping sums: samples beyond 2^26 would overflow a 32-bit sum.
    auto at = [&](int k) { return std::uint32_t(std::int32_t(q[ExpandIndex(k, n)])); };
    auto edge = [&](int m) {
        out[2 * m] = std::int32_t(8 * at(m) + 5 * (at(m - 1) + at(m + 1)) + (at(m - 2) + at(m + 2)));
        out[2 * m + 1] = std::int32_t(8 * (at(m) + at(m + 1)) + 2 * (at(m - 1) + at(m + 2)));
    };
    // m in [2, n - 3] reads m - 2 .. m + 2 straight.
    const int lo = std::min(2, n);
    const int hi = std::max(lo, n - 2);
    for (int m = 0; m < lo; ++m)
        edge(m);
    for (int m = lo; m < hi; ++m) {
        const std::uint32_t a = std::uint32_t(std::int32_t(q[m - 2])), b = std::uint32_t(std::int32_t(q[m - 1]));
        const std::uint32_t c = std::uint32_t(std::int32_t(q[m])), d = std::uint32_t(std::int32_t(q[m + 1]));
        const std::uint32_t e = std::uint32_t(std::int32_t(q[m + 2]));
        out[2 * m] = std::int32_t(8 * c + 5 * (b + d) + (a + e));
        out[2 * m + 1] = std::int32_t(8 * (c + d) + 2 * (b + e));
    }
    for (int m = hi; m < n; ++m)
        edge(m);
}

// Down the along-row sums of coarse rows m - 2 .. m + 2 (m = row / 2) for
// fine row `row`: divided by 400 and subtracted from (add false) or added
// to the first `count` samples of fine.
template <typename T, typename Acc>
SMOOTH_RENDER_INLINE void ExpandDown(const std::int32_t* const rows[5], bool odd, int count, T* __restrict fine, bool add)
{
    const std::int32_t* __restrict r0 = rows[0];
    const std::int32_t* __restrict r1 = rows[1];
    const std::int32_t* __restrict r2 = rows[2];
    const std::int32_t* __restrict r3 = rows[3];
    const std::int32_t* __restrict r4 = rows[4];
    const Acc sign = add ? 1 : -1;
    if (odd) {
        for (int k = 0; k < count; ++k)
            fine[k] = T(Acc(fine[k]) + sign * ((8 * (Acc(r2[k]) + r3[k]) + 2 * (Acc(r1[k]) + r4[k])) / 400));
    } else {
        for (int k = 0; k < count; ++k)
            fine[k] = T(Acc(fine[k]) + sign * ((8 * Acc(r2[k]) + 5 * (Acc(r1[k]) + r3[k]) + (Acc(r0[k]) + r4[k])) / 400));
    }
}

// A few rows of one step's output, kept by row index: a row is made when
// asked for and not held. Holds `slotCount` rows (a power of two) of `width`
// samples in caller-given storage.
template <typename T>
class RowCache
{
public:
    void Attach(T* storage, int width, int slotCount, int* tags)
    {
        m_rows = storage;
        m_width = width;
        m_mask = slotCount - 1;
        m_tags = tags;
        std::fill(tags, tags + slotCount, -1); // rows asked for are never negative
    }
    template <typename Make> const T* Get(int row, Make&& make)
    {
        const int slot = row & m_mask;
        T* line = m_rows + std::ptrdiff_t(slot) * m_width;
        if (m_tags[slot] != row) {
            make(row, line);
            m_tags[slot] = row;
        }
        return line;
    }

private:
    T* m_rows = nullptr;
    int m_width = 0;
    int m_mask = 0;
    int* m_tags = nullptr;
};

} // namespace SmoothRenderKernels
