#include "effects/ContrastSaturation.h"

#include "effects/EffectCommon.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace Effects;

void Effects::fillContrastCurve(std::uint8_t table[256], int contrast)
{
    // Single precision, in this order: the table's bytes depend on it
    // (contrast 30 gives k = 0.149999976, so 20 x k truncates to 2, not 3).
    const float k = (float(contrast) / 200.0f + 1.0f) - 1.0f;
    for (int i = 0; i < 256; ++i) {
        const float bend = i < 128 ? -float(64 - std::abs(i - 64)) * k : float(64 - std::abs(i - 192)) * k;
        // Out-of-range entries clamp: keeping their low 8 bits would wrap
        // the brightest values to black.
        const float v = float(i) + std::trunc(bend);
        table[i] = v <= 0.0f ? 0 : (v >= 255.0f ? 255 : std::uint8_t(v));
    }
}

Effects::SaturationTables::SaturationTables(int saturation)
{
    for (int i = 0; i < 256; ++i) {
        t1[i] = (50 - 128 * saturation * i) / 100;
        t2[i] = 128 * i - t1[i];
    }
}

namespace {

std::uint8_t* rowOf(std::uint8_t* bits, int y, int stride)
{
    return bits + std::ptrdiff_t(y) * stride;
}

} // namespace

int ExecuteContrastSaturationImage(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride,
                                   std::int32_t contrast, std::int32_t saturation)
{
    // Rejected before the contrast step, so a refused call changes nothing.
    if (saturation < -100 || saturation > 100)
        return 0;
    if (!bits || width <= 0 || height <= 0 || (contrast == 0 && saturation == 0))
        return 1;
    std::uint8_t curve[256];
    fillContrastCurve(curve, contrast);
    const std::size_t count = std::size_t(width) * 3;
    if (saturation == 0) {
        for (int y = 0; y < height; ++y) {
            std::uint8_t* p = rowOf(bits, y, stride);
            for (std::size_t i = 0; i < count; ++i)
                p[i] = curve[p[i]];
        }
        return 1;
    }

    // Both steps in one pass over the pixels. Grey pixels need no test:
    // there every channel is the largest, which the rule keeps.
    const SaturationTables tables(saturation);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = rowOf(bits, y, stride);
        for (int x = 0; x < width; ++x, p += 3) {
            const int b = curve[p[0]], g = curve[p[1]], r = curve[p[2]];
            const int hi = std::max(b, std::max(g, r));
            p[0] = tables.apply(b, hi);
            p[1] = tables.apply(g, hi);
            p[2] = tables.apply(r, hi);
        }
    }
    return 1;
}

int Effects::contrastSaturationReference(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride,
                                         std::int32_t contrast, std::int32_t saturation)
{
    if (saturation < -100 || saturation > 100)
        return 0;
    if (!bits || width <= 0 || height <= 0)
        return 1;
    if (contrast != 0) {
        std::uint8_t curve[256];
        fillContrastCurve(curve, contrast);
        for (int y = 0; y < height; ++y) {
            std::uint8_t* p = rowOf(bits, y, stride);
            for (int i = 0; i < 3 * width; ++i)
                p[i] = curve[p[i]];
        }
    }
    if (saturation != 0) {
        const SaturationTables tables(saturation);
        for (int y = 0; y < height; ++y) {
            std::uint8_t* p = rowOf(bits, y, stride);
            for (int x = 0; x < width; ++x, p += 3) {
                const int hi = std::max(p[0], std::max(p[1], p[2]));
                const int lo = std::min(p[0], std::min(p[1], p[2]));
                if (hi == lo)
                    continue;
                for (int c = 0; c < 3; ++c)
                    p[c] = tables.apply(p[c], hi);
            }
        }
    }
    return 1;
}
