#include "effects/Blur.h"

#include "effects/EffectCommon.h"

#include <algorithm>
#include <cmath>

namespace Effects {

double gaussBlurShare(int focus, double r)
{
    const double c = ((100 - focus) * 0.8 + focus * 0.2) * 0.01;
    return (1.0 - r) * c + 0.8 * r;
}

namespace {

// Horizontal sums are kept as (sum + 128) >> 8, about pixel x (taps' weight)
// / 256. Up to a radius of 127 they fit 16 bits; beyond, 32 bits hold them.
template <typename Sum>
void blur(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int radius, const int* kernel,
          Sum* horizontal, std::int64_t* columnWeight, std::uint64_t* accumulator)
{
    const int* k = kernel + radius; // k[i], i = -radius..radius
    for (int x = 0; x < width; ++x) {
        std::int64_t weight = 0;
        for (int i = std::max(-radius, -x); i <= std::min(radius, width - 1 - x); ++i)
            weight += k[i];
        columnWeight[x] = weight;
    }

    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = src + std::ptrdiff_t(y) * stride;
        Sum* out = horizontal + std::size_t(y) * 3 * std::size_t(width);
        for (int x = 0; x < width; ++x) {
            std::uint64_t b = 0, g = 0, r = 0;
            const int last = std::min(radius, width - 1 - x);
            for (int i = std::max(-radius, -x); i <= last; ++i) {
                const std::uint8_t* p = row + 3 * (x + i);
                b += std::uint64_t(k[i]) * p[0];
                g += std::uint64_t(k[i]) * p[1];
                r += std::uint64_t(k[i]) * p[2];
            }
            out[3 * x] = Sum((b + 128) >> 8);
            out[3 * x + 1] = Sum((g + 128) >> 8);
            out[3 * x + 2] = Sum((r + 128) >> 8);
        }
    }

    const std::size_t rowValues = 3 * std::size_t(width);
    for (int y = 0; y < height; ++y) {
        std::fill(accumulator, accumulator + rowValues, 0);
        std::int64_t rowWeight = 0;
        const int last = std::min(radius, height - 1 - y);
        for (int j = std::max(-radius, -y); j <= last; ++j) {
            const std::uint64_t tap = std::uint64_t(k[j]);
            rowWeight += k[j];
            const Sum* h = horizontal + std::size_t(y + j) * rowValues;
            for (std::size_t i = 0; i < rowValues; ++i)
                accumulator[i] += tap * h[i];
        }
        // The weighted mean, rounded: a flat picture stays exactly flat.
        std::uint8_t* out = dst + std::ptrdiff_t(y) * stride;
        for (int x = 0; x < width; ++x) {
            const std::uint64_t total = std::uint64_t(columnWeight[x]) * std::uint64_t(rowWeight);
            for (int c = 0; c < 3; ++c) {
                const std::uint64_t value = (accumulator[3 * x + c] * 256 + total / 2) / total;
                out[3 * x + c] = std::uint8_t(std::min<std::uint64_t>(value, 255));
            }
        }
    }
}

} // namespace
} // namespace Effects

int ExecuteGuassBlur(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int focus, double sigma)
{
    using namespace Effects;
    if (width <= 0 || height <= 0 || !(sigma > 0.0))
        return 1;
    // Taps past the larger side never fall inside the picture.
    const int longest = std::max(width, height);
    const double reach = std::ceil(2.0 * sigma);
    const int radius = reach >= longest ? longest : int(reach);

    auto kernel = allocate<int>(2 * std::size_t(radius) + 1);
    auto columnWeight = allocate<std::int64_t>(std::size_t(width));
    auto accumulator = allocate<std::uint64_t>(3 * std::size_t(width));
    RadialBlendGrid grid;
    if (!kernel || !columnWeight || !accumulator || !grid.build(width, height, [focus](double r) { return gaussBlurShare(focus, r); }))
        return 0;
    std::int64_t kernelSum = 0;
    for (int i = -radius; i <= radius; ++i) {
        // The centre tap is 1 even where sigma^2 underflows to 0.
        const float g = i == 0 ? 1.0f : float(std::exp(-(double(i) * i) / (2.0 * sigma * sigma)));
        kernel[std::size_t(i + radius)] = int(double(g) * 256.0 + 0.5);
        kernelSum += kernel[std::size_t(i + radius)];
    }

    const std::size_t values = 3 * std::size_t(width) * std::size_t(height);
    if (((255 * kernelSum + 128) >> 8) <= 0xffff) {
        auto horizontal = allocate<std::uint16_t>(values);
        if (!horizontal)
            return 0;
        blur(src, width, height, stride, dst, radius, kernel.get(), horizontal.get(), columnWeight.get(), accumulator.get());
    } else {
        auto horizontal = allocate<std::uint32_t>(values);
        if (!horizontal)
            return 0;
        blur(src, width, height, stride, dst, radius, kernel.get(), horizontal.get(), columnWeight.get(), accumulator.get());
    }
    grid.blend(src, dst, width, height, stride);
    return 1;
}
