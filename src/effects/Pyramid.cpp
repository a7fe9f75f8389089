#include "effects/Pyramid.h"

#include "effects/EffectCommon.h"

#include <algorithm>
#include <cstddef>

namespace {

// Neighbours of position `c` on a line of `size` values: mirrored through
// `c` past either end, and `c` itself when the line is one value long.
int before(int c, int size)
{
    return c > 0 ? c - 1 : (size > 1 ? 1 : 0);
}

int after(int c, int size)
{
    return c + 1 < size ? c + 1 : (c > 0 ? c - 1 : c);
}

template <typename T>
T* rowOf(T* plane, int stride, int y)
{
    return plane + std::ptrdiff_t(y) * stride;
}

// [1 2 1] horizontally over the interior columns, then [1 2 1] vertically;
// each pass shifted right by `shift`. Three rows of horizontal sums rotate
// through `scratch`, so every row is read before it is written.
template <typename T>
void binomialInterior(T* plane, int stride, int width, int height, int shift, int* scratch)
{
    if (width < 3 || height < 3)
        return;
    int* rows[3] = {scratch, scratch + width, scratch + 2 * std::ptrdiff_t(width)};
    auto horizontal = [&](int y, int* h) {
        const T* p = rowOf(plane, stride, y);
        for (int x = 1; x < width - 1; ++x)
            h[x] = (p[x - 1] + 2 * p[x] + p[x + 1]) >> shift;
    };
    horizontal(0, rows[0]);
    horizontal(1, rows[1]);
    for (int y = 1; y < height - 1; ++y) {
        horizontal(y + 1, rows[2]);
        T* p = rowOf(plane, stride, y);
        const int* above = rows[0];
        const int* centre = rows[1];
        const int* below = rows[2];
        for (int x = 1; x < width - 1; ++x)
            p[x] = T((above[x] + 2 * centre[x] + below[x]) >> shift);
        std::rotate(rows, rows + 1, rows + 3);
    }
}

} // namespace

int Reduce_2D(const std::uint8_t* src, int srcStride, int srcWidth, int srcHeight, std::uint8_t* dst, int dstStride)
{
    Effects::reduceChannel(src, srcStride, srcWidth, srcHeight, 1, dst, dstStride);
    return 1;
}

int Expand_2D(std::uint8_t* dst, int dstStride, int dstWidth, int dstHeight, const std::uint8_t* src, int srcStride)
{
    if (dstWidth <= 0 || dstHeight <= 0)
        return 1;
    const int srcWidth = (dstWidth + 1) >> 1;
    const int srcHeight = (dstHeight + 1) >> 1;
    for (int y = 0; y < dstHeight; ++y) {
        const int i = y >> 1;
        const std::uint8_t* s0 = rowOf(src, srcStride, i);
        std::uint8_t* out = rowOf(dst, dstStride, y);
        if (!(y & 1)) {
            for (int x = 0; x < dstWidth; ++x) {
                const int j = x >> 1;
                out[x] = (x & 1) ? std::uint8_t((s0[j] + s0[std::min(j + 1, srcWidth - 1)]) >> 1) : s0[j];
            }
        } else {
            const std::uint8_t* s1 = rowOf(src, srcStride, std::min(i + 1, srcHeight - 1));
            for (int x = 0; x < dstWidth; ++x) {
                const int j = x >> 1;
                if (x & 1) {
                    const int j1 = std::min(j + 1, srcWidth - 1);
                    out[x] = std::uint8_t((s0[j] + s0[j1] + s1[j] + s1[j1]) >> 2);
                } else {
                    out[x] = std::uint8_t((s0[j] + s1[j]) >> 1);
                }
            }
        }
    }
    return 1;
}

namespace {

template <typename T>
int filterWithOwnScratch(T* plane, int stride, int width, int height, void (*filter)(T*, int, int, int, int*))
{
    if (width < 3 || height < 3)
        return 1;
    auto scratch = Effects::allocate<int>(3 * std::size_t(width));
    if (!scratch)
        return 0;
    filter(plane, stride, width, height, scratch.get());
    return 1;
}

} // namespace

int FilterImage(std::int16_t* plane, int stride, int width, int height)
{
    return filterWithOwnScratch(plane, stride, width, height, Effects::filterBand);
}

int FilterImage0(std::uint8_t* plane, int stride, int width, int height)
{
    return filterWithOwnScratch(plane, stride, width, height, Effects::filterBytes);
}

void DiffImage(std::int16_t* out, const std::uint8_t* a, const std::uint8_t* b, int, int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    const std::size_t count = std::size_t(width) * std::size_t(height);
    for (std::size_t i = 0; i < count; ++i)
        out[i] = std::int16_t(a[i] - b[i]);
}

void AddImage(const std::int16_t* band, const std::uint8_t* base, std::uint8_t* out, int, int width, int height)
{
    if (width <= 0 || height <= 0)
        return;
    const std::size_t count = std::size_t(width) * std::size_t(height);
    for (std::size_t i = 0; i < count; ++i)
        out[i] = Effects::clampByte(base[i] + band[i]);
}

int GenerateLevel(int size, int minimum)
{
    const int m = std::max(minimum, 1);
    if (m > size)
        return 0;
    int halvings = 0;
    for (; size >= m; size >>= 1)
        ++halvings;
    return halvings - 1;
}

namespace Effects {

void reduceChannel(const std::uint8_t* src, int srcStride, int srcWidth, int srcHeight, int step, std::uint8_t* dst, int dstStride)
{
    if (srcWidth <= 0 || srcHeight <= 0)
        return;
    const int dstWidth = (srcWidth + 1) >> 1;
    const int dstHeight = (srcHeight + 1) >> 1;
    // Outputs whose both neighbours exist: 1 <= i and 2 i + 1 < srcWidth.
    const int interiorEnd = srcWidth / 2;
    for (int j = 0; j < dstHeight; ++j) {
        const int yc = 2 * j;
        const std::uint8_t* up = rowOf(src, srcStride, before(yc, srcHeight));
        const std::uint8_t* mid = rowOf(src, srcStride, yc);
        const std::uint8_t* down = rowOf(src, srcStride, after(yc, srcHeight));
        std::uint8_t* out = rowOf(dst, dstStride, j);
        auto column = [&](int x) { return up[x * step] + 2 * mid[x * step] + down[x * step]; };
        auto edge = [&](int i) {
            const int xc = 2 * i;
            out[i] = std::uint8_t((column(before(xc, srcWidth)) + 2 * column(xc) + column(after(xc, srcWidth))) >> 4);
        };
        edge(0);
        int i = 1;
        for (; i < interiorEnd; ++i)
            out[i] = std::uint8_t((column(2 * i - 1) + 2 * column(2 * i) + column(2 * i + 1)) >> 4);
        for (; i < dstWidth; ++i)
            edge(i);
    }
}

void filterBand(std::int16_t* plane, int stride, int width, int height, int* scratch)
{
    binomialInterior(plane, stride, width, height, 4, scratch);
}

void filterBytes(std::uint8_t* plane, int stride, int width, int height, int* scratch)
{
    binomialInterior(plane, stride, width, height, 2, scratch);
}

} // namespace Effects
