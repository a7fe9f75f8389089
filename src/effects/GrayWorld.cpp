#include "effects/WhiteBalance.h"

#include <cmath>

namespace {

const int kBlock = 128;

struct BlockSums
{
    double b, g, r;
};

bool hasBlueAndRed(const BlockSums& s)
{
    return std::fabs(s.b) >= 1e-6 && std::fabs(s.r) >= 1e-6;
}

bool ratiosWithin(const BlockSums& s, double low, double high)
{
    const double gr = s.g / s.r;
    const double gb = s.g / s.b;
    return gr > low && gr < high && gb > low && gb < high;
}

} // namespace

int AWB_AutoWBByGrayWorld(double* gainB, double* gainG, double* gainR, const std::uint8_t* bits, std::int32_t width,
                          std::int32_t height, std::int32_t stride, const std::uint16_t* decode)
{
    // Only whole blocks count; the right columns and bottom rows they leave
    // over are ignored. A buffer the sizes cannot describe has none.
    const bool readable = bits && decode && width > 0 && height > 0 && stride >= 3LL * width;
    const int columns = readable ? width / kBlock : 0;
    const int rows = columns > 0 ? height / kBlock : 0;
    const std::size_t count = std::size_t(columns) * std::size_t(rows);

    std::unique_ptr<BlockSums[]> blocks;
    if (count > 0) {
        blocks = Effects::allocate<BlockSums>(count);
        if (!blocks)
            return EffectNoMemory;
        for (std::size_t i = 0; i < count; ++i)
            blocks[i] = {0.0, 0.0, 0.0};
        for (int y = 0; y < rows * kBlock; ++y) {
            const std::uint8_t* p = bits + std::size_t(y) * std::size_t(stride);
            BlockSums* row = blocks.get() + std::size_t(y / kBlock) * std::size_t(columns);
            for (int c = 0; c < columns; ++c) {
                // Integer sums of one block row are exact; 128 values of 12 bits.
                int b = 0, g = 0, r = 0;
                for (int x = 0; x < kBlock; ++x, p += 3) {
                    b += decode[p[0]];
                    g += decode[p[1]];
                    r += decode[p[2]];
                }
                row[c].b += b;
                row[c].g += g;
                row[c].r += r;
            }
        }
    }

    // Blocks of a near-neutral colour first; looser bounds, then every
    // block, when a picture has none.
    BlockSums total = {0.0, 0.0, 0.0};
    std::size_t kept = 0;
    const double bounds[2][2] = {{0.5, 2.0}, {0.3, 3.0}};
    for (int pass = 0; pass < 3 && kept == 0; ++pass) {
        for (std::size_t i = 0; i < count; ++i) {
            const BlockSums& s = blocks[i];
            if (!hasBlueAndRed(s) || (pass < 2 && !ratiosWithin(s, bounds[pass][0], bounds[pass][1])))
                continue;
            total.b += s.b;
            total.g += s.g;
            total.r += s.r;
            ++kept;
        }
    }

    double means[3] = {1.0, 1.0, 1.0};
    if (kept > 0) {
        const double pixels = double(kept) * kBlock * kBlock;
        const double sums[3] = {total.b, total.g, total.r};
        for (int k = 0; k < 3; ++k)
            means[k] = sums[k] / pixels == 0.0 ? 1.0 : sums[k] / pixels;
    }
    const double largest = std::fmax(means[0], std::fmax(means[1], means[2]));
    *gainB = largest / means[0];
    *gainG = largest / means[1];
    *gainR = largest / means[2];
    return EffectOk;
}
