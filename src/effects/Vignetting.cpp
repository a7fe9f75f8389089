#include "effects/Vignetting.h"

#include "effects/EffectCommon.h"

#include <algorithm>
#include <cmath>

namespace {

// A gain of 255 x 1024 already takes every non-zero value to white; larger
// ones (strongly negative amounts) would only overflow.
constexpr double MaximumGain = 255.0 * 1024.0;

struct VignetteGeometry
{
    std::int64_t cx, cy;
    std::int64_t r2;  // squared distance of the corners
    int shift;        // r2 >> shift fits in 12 bits
    double k;         // -0.02 amount: the gain is 2^(2 k d2 / r2)

    VignetteGeometry(int width, int height, int amount)
        : cx((std::int64_t(width) + 1) >> 1)
        , cy((std::int64_t(height) + 1) >> 1)
        , r2(cx * cx + cy * cy)
        , shift(0)
        , k(amount * -0.02)
    {
        int bits = 0;
        for (std::int64_t v = r2; v; v >>= 1)
            ++bits;
        shift = std::max(bits - 12, 0);
    }

    // Gain in 1/1024 for the squared distance `d2`, in floating point:
    // integer division of d2 by r2 would leave only a few steps.
    int gain(std::int64_t d2) const
    {
        const double g = std::exp2(2.0 * double(d2) / double(r2) * k) * 1024.0 + 0.5;
        return int(std::min(g, MaximumGain));
    }
};

void scalePixel(std::uint8_t* p, int gain)
{
    for (int c = 0; c < 3; ++c)
        p[c] = std::uint8_t(std::min((p[c] * gain) >> 10, 255));
}

bool nothingToDo(const std::uint8_t* bits, int width, int height, int amount)
{
    return !bits || width <= 0 || height <= 0 || amount == 0;
}

} // namespace

int ExecuteVignetting(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride, std::int32_t amount)
{
    if (nothingToDo(bits, width, height, amount))
        return 1;
    const VignetteGeometry geometry(width, height, amount);
    // One gain per 2^shift of squared distance: at most 4096 entries.
    int table[4097];
    const std::int64_t entries = (geometry.r2 >> geometry.shift) + 1;
    for (std::int64_t i = 0; i < entries; ++i)
        table[i] = geometry.gain(i << geometry.shift);

    for (int y = 0; y < height; ++y) {
        const std::int64_t dy = y - geometry.cy;
        std::uint8_t* p = bits + std::ptrdiff_t(y) * stride;
        for (int x = 0; x < width; ++x, p += 3) {
            const std::int64_t dx = x - geometry.cx;
            scalePixel(p, table[(dx * dx + dy * dy) >> geometry.shift]);
        }
    }
    return 1;
}

int Effects::vignettingReference(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride, std::int32_t amount)
{
    if (nothingToDo(bits, width, height, amount))
        return 1;
    const VignetteGeometry geometry(width, height, amount);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::int64_t dx = x - geometry.cx, dy = y - geometry.cy;
            const std::int64_t d2 = dx * dx + dy * dy;
            // The table holds the gain of the start of each 2^shift step.
            const int gain = geometry.gain((d2 >> geometry.shift) << geometry.shift);
            scalePixel(bits + std::ptrdiff_t(y) * stride + 3 * x, gain);
        }
    }
    return 1;
}
