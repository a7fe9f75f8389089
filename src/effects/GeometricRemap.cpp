#include "effects/GeometricRemap.h"

#include "effects/EffectCommon.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

using Effects::allocate;
using Effects::blockGridColumns;
using Effects::blockGridRows;

// Source pixel at integer position (ix, iy) plus fractions (fx, fy) of
// `bits` bits; past the last column or row the pixel is its own neighbour.
void sampleBilinear(const std::uint8_t* src, int width, int height, int stride, int ix, int iy, int fx, int fy, int bits,
                    std::uint8_t* out)
{
    const int one = 1 << bits;
    const int ix1 = ix + 1 < width ? ix + 1 : ix;
    const int iy1 = iy + 1 < height ? iy + 1 : iy;
    const std::uint8_t* r0 = src + std::ptrdiff_t(iy) * stride;
    const std::uint8_t* r1 = src + std::ptrdiff_t(iy1) * stride;
    const std::int64_t w00 = std::int64_t(one - fx) * (one - fy);
    const std::int64_t w10 = std::int64_t(fx) * (one - fy);
    const std::int64_t w01 = std::int64_t(one - fx) * fy;
    const std::int64_t w11 = std::int64_t(fx) * fy;
    for (int c = 0; c < 3; ++c) {
        const std::int64_t sum = r0[3 * ix + c] * w00 + r0[3 * ix1 + c] * w10 + r1[3 * ix + c] * w01 + r1[3 * ix1 + c] * w11;
        out[c] = std::uint8_t(sum >> (2 * bits));
    }
}

// Source positions at the nodes of the 16 x 16 block grid in 1/256 pixel,
// interpolated between nodes to 1/65536 pixel.
class MappingGrid
{
public:
    // `map(dx, dy, sx, sy)` gives the source position of the offsets
    // (dx, dy) from the centre, in single precision.
    template <typename Map>
    bool build(int width, int height, Map map)
    {
        m_columns = blockGridColumns(width);
        const int rows = blockGridRows(height);
        const std::size_t nodes = std::size_t(m_columns) * std::size_t(rows);
        m_x = allocate<std::int64_t>(nodes);
        m_y = allocate<std::int64_t>(nodes);
        if (!m_x || !m_y)
            return false;
        const int cx = (width + 1) >> 1;
        const int cy = (height + 1) >> 1;
        for (int j = 0; j < rows; ++j) {
            for (int i = 0; i < m_columns; ++i) {
                float sx = 0.0f;
                float sy = 0.0f;
                map(float(i * 16 - cx), float(j * 16 - cy), sx, sy);
                m_x[std::size_t(j) * m_columns + i] = fixed(sx);
                m_y[std::size_t(j) * m_columns + i] = fixed(sy);
            }
        }
        return true;
    }

    // Source position of pixel (x, y) in 1/65536 pixel.
    void position(int x, int y, std::int64_t& px, std::int64_t& py) const
    {
        const std::size_t node = std::size_t(y >> 4) * m_columns + (x >> 4);
        const std::int64_t wx1 = x & 15, wx0 = 16 - wx1;
        const std::int64_t wy1 = y & 15, wy0 = 16 - wy1;
        const std::size_t below = node + m_columns;
        px = (m_x[node] * wx0 + m_x[node + 1] * wx1) * wy0 + (m_x[below] * wx0 + m_x[below + 1] * wx1) * wy1;
        py = (m_y[node] * wx0 + m_y[node + 1] * wx1) * wy0 + (m_y[below] * wx0 + m_y[below + 1] * wx1) * wy1;
    }

private:
    // 24.8 fixed point: integer part and rounded fraction. Positions that
    // are not finite or lie far outside any picture are pinned far outside.
    static std::int64_t fixed(float p)
    {
        constexpr float Far = 1.0e12f;
        if (!(p > -Far))
            p = -Far;
        else if (p > Far)
            p = Far;
        const float whole = std::trunc(p);
        return std::int64_t(whole) * 256 + std::int64_t((p - whole) * 256.0f + 0.5f);
    }

    std::unique_ptr<std::int64_t[]> m_x;
    std::unique_ptr<std::int64_t[]> m_y;
    int m_columns = 0;
};

// Writes every pixel of dst from the grid's source positions; `keep(x, y)`
// false makes a pixel black.
template <typename Keep>
void remap(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, const MappingGrid& grid, Keep keep)
{
    for (int y = 0; y < height; ++y) {
        std::uint8_t* out = dst + std::ptrdiff_t(y) * stride;
        for (int x = 0; x < width; ++x, out += 3) {
            std::int64_t px = 0;
            std::int64_t py = 0;
            grid.position(x, y, px, py);
            if (!keep(x, y) || px < 0 || py < 0 || (px >> 16) >= width || (py >> 16) >= height) {
                out[0] = out[1] = out[2] = 0;
                continue;
            }
            sampleBilinear(src, width, height, stride, int(px >> 16), int(py >> 16), int((px >> 8) & 255), int((py >> 8) & 255), 8,
                           out);
        }
    }
}

void copyAll(const std::uint8_t* src, std::uint8_t* dst, int stride, int height)
{
    std::memcpy(dst, src, Effects::planeBytes(stride, height));
}

} // namespace

int ExecuteDistCorr(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int amount, int balance)
{
    if (width <= 0 || height <= 0)
        return 1;
    amount = std::clamp(amount, -100, 100);
    balance = std::clamp(balance, 0, 100);
    if (amount == 0) {
        copyAll(src, dst, stride, height);
        return 1;
    }
    const float cx = float((width + 1) >> 1);
    const float cy = float((height + 1) >> 1);
    const float a = float(amount * 0.01);
    const float b = float(balance * 0.01);
    float radius, k1, k2;
    if (amount < 0) {
        radius = std::min(cx, cy);
        k2 = (0.1f + 0.1f * b) * 0.2f * a;
        k1 = (0.9f - 0.1f * b) * 0.2f * a;
    } else {
        radius = std::sqrt(cx * cx + cy * cy);
        k2 = (0.5f + 0.5f * b) * 0.25f * a;
        k1 = (0.5f - 0.5f * b) * 0.25f * a;
    }
    const float radius2 = radius * radius;
    MappingGrid grid;
    if (!grid.build(width, height, [&](float dx, float dy, float& sx, float& sy) {
            const float q = (dx * dx + dy * dy) / radius2;
            const float f = k1 * std::sqrt(q) + k2 * q + (1.0f - k1 - k2);
            sx = cx + f * dx;
            sy = cy + f * dy;
        }))
        return 0;
    remap(src, width, height, stride, dst, grid, [](int, int) { return true; });
    return 1;
}

int ExecuteFisheyeDistortion(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int amount)
{
    if (width <= 0 || height <= 0)
        return 1;
    amount = std::clamp(amount, 0, 100);
    if (amount == 0) {
        copyAll(src, dst, stride, height);
        return 1;
    }
    const int cx = (width + 1) >> 1;
    const int cy = (height + 1) >> 1;
    const float radius = float((100 - amount) * std::max(cx, cy) + amount * std::min(cx, cy)) / 100.0f;
    const float radius2 = radius * radius;
    const float a = float(amount * 0.005);
    MappingGrid grid;
    if (!grid.build(width, height, [&](float dx, float dy, float& sx, float& sy) {
            const float q = (dx * dx + dy * dy) / radius2;
            const float f = a * std::sqrt(q) + (1.0f - a);
            sx = float(cx) + f * dx;
            sy = float(cy) + f * dy;
        }))
        return 0;
    const std::int64_t circle = std::int64_t(double(radius2) + 0.5);
    remap(src, width, height, stride, dst, grid, [&](int x, int y) {
        const std::int64_t dx = x - cx;
        const std::int64_t dy = y - cy;
        return dx * dx + dy * dy <= circle;
    });
    return 1;
}

int ExecuteDistHoriVert(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int horizontal,
                        int vertical)
{
    if (width <= 0 || height <= 0)
        return 1;
    horizontal = std::clamp(horizontal, -200, 200);
    vertical = std::clamp(vertical, -200, 200);
    const int cx = (width + 1) >> 1;
    const int cy = (height + 1) >> 1;
    auto rowScale = allocate<std::int64_t>(std::size_t(cx) + 1);    // by |dx|, scales dy
    auto columnScale = allocate<std::int64_t>(std::size_t(cy) + 1); // by |dy|, scales dx
    if (!rowScale || !columnScale)
        return 0;
    auto fill = [](std::int64_t* table, int amount, int centre) {
        for (int i = 0; i <= centre; ++i) {
            const double t = double(i) / centre;
            table[i] = std::int64_t(std::sqrt(1.0 - amount * 0.005 * t * t) * 1024.0 + 0.5);
        }
    };
    fill(rowScale.get(), horizontal, cx);
    fill(columnScale.get(), vertical, cy);

    for (int y = 0; y < height; ++y) {
        const int dy = y - cy;
        std::uint8_t* out = dst + std::ptrdiff_t(y) * stride;
        for (int x = 0; x < width; ++x, out += 3) {
            const int dx = x - cx;
            const std::int64_t sx = columnScale[std::size_t(std::abs(dy))] * dx + std::int64_t(cx) * 1024;
            const std::int64_t sy = rowScale[std::size_t(std::abs(dx))] * dy + std::int64_t(cy) * 1024;
            if (sx < 0 || sy < 0 || (sx >> 10) >= width || (sy >> 10) >= height) {
                out[0] = out[1] = out[2] = 0;
                continue;
            }
            sampleBilinear(src, width, height, stride, int(sx >> 10), int(sy >> 10), int(sx & 1023), int(sy & 1023), 10, out);
        }
    }
    return 1;
}
