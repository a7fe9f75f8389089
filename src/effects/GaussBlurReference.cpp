#include "effects/Blur.h"

#include "effects/EffectCommon.h"

#include <algorithm>

namespace Effects {

int gaussBlurReference(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int focus, double sigma)
{
    if (width <= 0 || height <= 0 || !(sigma > 0.0))
        return 1;
    const int radius = gaussRadius(sigma, std::max(width, height));
    auto taps = allocate<int>(2 * std::size_t(radius) + 1);
    auto horizontal = allocate<std::uint32_t>(3 * std::size_t(width) * std::size_t(height));
    RadialBlendGrid grid;
    if (!taps || !horizontal || !grid.build(width, height, [focus](double r) { return gaussBlurShare(focus, r); }))
        return 0;
    fillGaussKernel(sigma, radius, taps.get());
    const int* k = taps.get() + radius;
    auto h = [&](int x, int y, int c) -> std::uint32_t& { return horizontal[(std::size_t(y) * width + x) * 3 + c]; };

    // Each pass takes the taps inside the picture only.
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 3; ++c) {
                std::uint64_t sum = 0;
                for (int i = -radius; i <= radius; ++i) {
                    if (x + i >= 0 && x + i < width)
                        sum += std::uint64_t(k[i]) * src[std::ptrdiff_t(y) * stride + 3 * (x + i) + c];
                }
                h(x, y, c) = std::uint32_t((sum + 128) >> 8);
            }
        }
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint64_t columnWeight = 0;
            std::uint64_t rowWeight = 0;
            for (int i = -radius; i <= radius; ++i) {
                columnWeight += x + i >= 0 && x + i < width ? k[i] : 0;
                rowWeight += y + i >= 0 && y + i < height ? k[i] : 0;
            }
            const std::uint64_t weight = columnWeight * rowWeight;
            for (int c = 0; c < 3; ++c) {
                std::uint64_t sum = 0;
                for (int j = -radius; j <= radius; ++j) {
                    if (y + j >= 0 && y + j < height)
                        sum += std::uint64_t(k[j]) * h(x, y + j, c);
                }
                const std::uint64_t value = (sum * 256 + weight / 2) / weight;
                dst[std::ptrdiff_t(y) * stride + 3 * x + c] = std::uint8_t(std::min<std::uint64_t>(value, 255));
            }
        }
    }
    grid.blend(src, dst, width, height, stride);
    return 1;
}

} // namespace Effects
