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

int gaussRadius(double sigma, int longest)
{
    // Taps past the longer side never fall inside the picture.
    const double reach = std::ceil(2.0 * sigma);
    return reach >= longest ? longest : int(reach);
}

void fillGaussKernel(double sigma, int radius, int* kernel)
{
    for (int i = -radius; i <= radius; ++i) {
        // The centre tap is 1 even where sigma^2 underflows to 0.
        const float g = i == 0 ? 1.0f : float(std::exp(-(double(i) * i) / (2.0 * sigma * sigma)));
        kernel[i + radius] = int(double(g) * 256.0 + 0.5);
    }
}

namespace {

// Horizontal sums are kept as (sum + 128) >> 8, about pixel x (taps' weight)
// / 256, and the vertical pass sums those. For the usual radii both fit 16
// and 32 bits (`Sum`, `Total`); very wide kernels take 32 and 64 bits.
// Every pass runs over whole rows of 3 x width values, tap by tap, so that
// taps outside the picture are simply left out.
template <typename Sum, typename Total>
void blur(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int radius, const int* kernel,
          Sum* horizontal, Total* totals, std::int64_t* columnWeight, double* columnInverse)
{
    const int* k = kernel + radius; // k[i], i = -radius..radius
    const std::size_t rowValues = 3 * std::size_t(width);
    for (int x = 0; x < width; ++x) {
        std::int64_t weight = 0;
        for (int i = std::max(-radius, -x); i <= std::min(radius, width - 1 - x); ++i)
            weight += k[i];
        columnWeight[x] = weight;
        columnInverse[x] = 1.0 / double(weight);
    }

    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = src + std::ptrdiff_t(y) * stride;
        std::fill(totals, totals + rowValues, Total(0));
        for (int i = -std::min(radius, width - 1); i <= std::min(radius, width - 1); ++i) {
            // Pixels x whose tap x + i lies inside the row.
            const int first = std::max(0, -i);
            const int end = std::min(width, width - i);
            const Total tap = Total(k[i]);
            const std::uint8_t* p = row + 3 * std::size_t(first + i);
            Total* t = totals + 3 * std::size_t(first);
            const std::size_t count = 3 * std::size_t(end - first);
            for (std::size_t j = 0; j < count; ++j)
                t[j] += tap * p[j];
        }
        Sum* out = horizontal + std::size_t(y) * rowValues;
        for (std::size_t j = 0; j < rowValues; ++j)
            out[j] = Sum((totals[j] + 128) >> 8);
    }

    for (int y = 0; y < height; ++y) {
        std::fill(totals, totals + rowValues, Total(0));
        std::int64_t rowWeight = 0;
        const int last = std::min(radius, height - 1 - y);
        for (int j = std::max(-radius, -y); j <= last; ++j) {
            const Total tap = Total(k[j]);
            rowWeight += k[j];
            const Sum* h = horizontal + std::size_t(y + j) * rowValues;
            for (std::size_t i = 0; i < rowValues; ++i)
                totals[i] += tap * h[i];
        }
        // The weighted mean, rounded to nearest, so a flat picture stays
        // exactly flat. The quotient is estimated in floating point and
        // settled exactly in integers.
        const double rowInverse = 1.0 / double(rowWeight);
        std::uint8_t* out = dst + std::ptrdiff_t(y) * stride;
        for (int x = 0; x < width; ++x) {
            // Signed: far cheaper to convert to and from double.
            const std::int64_t weight = columnWeight[x] * rowWeight;
            const double inverse = columnInverse[x] * rowInverse;
            for (int c = 0; c < 3; ++c) {
                const std::int64_t numerator = std::int64_t(totals[3 * x + c]) * 256 + weight / 2;
                std::int64_t value = std::int64_t(double(numerator) * inverse);
                while (value * weight > numerator)
                    --value;
                while ((value + 1) * weight <= numerator)
                    ++value;
                out[3 * x + c] = std::uint8_t(std::min<std::int64_t>(value, 255));
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
    const int radius = gaussRadius(sigma, std::max(width, height));
    auto kernel = allocate<int>(2 * std::size_t(radius) + 1);
    auto columnWeight = allocate<std::int64_t>(std::size_t(width));
    auto columnInverse = allocate<double>(std::size_t(width));
    RadialBlendGrid grid;
    if (!kernel || !columnWeight || !columnInverse || !grid.build(width, height, [focus](double r) { return gaussBlurShare(focus, r); }))
        return 0;
    fillGaussKernel(sigma, radius, kernel.get());
    std::int64_t kernelSum = 0;
    for (int i = 0; i <= 2 * radius; ++i)
        kernelSum += kernel[std::size_t(i)];

    const std::size_t values = 3 * std::size_t(width) * std::size_t(height);
    const std::uint64_t largestSum = (255 * std::uint64_t(kernelSum) + 128) >> 8;
    if (largestSum * std::uint64_t(kernelSum) <= 0xffffffffu) {
        auto horizontal = allocate<std::uint16_t>(values);
        auto totals = allocate<std::uint32_t>(3 * std::size_t(width));
        if (!horizontal || !totals)
            return 0;
        blur(src, width, height, stride, dst, radius, kernel.get(), horizontal.get(), totals.get(), columnWeight.get(), columnInverse.get());
    } else {
        auto horizontal = allocate<std::uint32_t>(values);
        auto totals = allocate<std::uint64_t>(3 * std::size_t(width));
        if (!horizontal || !totals)
            return 0;
        blur(src, width, height, stride, dst, radius, kernel.get(), horizontal.get(), totals.get(), columnWeight.get(), columnInverse.get());
    }
    grid.blend(src, dst, width, height, stride);
    return 1;
}
