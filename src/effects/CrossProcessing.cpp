#include "effects/CrossProcessing.h"

#include <cstddef>

namespace {

const int kPlane = 17 * 17 * 17;
const int kStepR = 289;
const int kStepG = 17;

// Interpolates one plane: along r, then g, then b, each with weights out of
// 16; the sum of the eight weight products is 4096.
inline int interpolate(const std::uint8_t* t, int fr, int fg, int fb)
{
    const int nr = 16 - fr;
    const int x00 = t[0] * nr + t[kStepR] * fr;
    const int x01 = t[1] * nr + t[kStepR + 1] * fr;
    const int x10 = t[kStepG] * nr + t[kStepR + kStepG] * fr;
    const int x11 = t[kStepG + 1] * nr + t[kStepR + kStepG + 1] * fr;
    const int y0 = x00 * (16 - fg) + x10 * fg;
    const int y1 = x01 * (16 - fg) + x11 * fg;
    return (y0 * (16 - fb) + y1 * fb) >> 12;
}

} // namespace

int ExecuteCrossProcessingImage(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride)
{
    if (width <= 0 || height <= 0)
        return 1;
    if (!bits || stride < 3 * width)
        return 0;

    for (int y = 0; y < height; ++y) {
        std::uint8_t* p = bits + std::size_t(y) * std::size_t(stride);
        for (int x = 0; x < width; ++x, p += 3) {
            const int b = p[0], g = p[1], r = p[2];
            const std::uint8_t* node = g_pTable + (r >> 4) * kStepR + (g >> 4) * kStepG + (b >> 4);
            const int fr = r & 15, fg = g & 15, fb = b & 15;
            p[0] = std::uint8_t(interpolate(node, fr, fg, fb));
            p[1] = std::uint8_t(interpolate(node + kPlane, fr, fg, fb));
            p[2] = std::uint8_t(interpolate(node + 2 * kPlane, fr, fg, fb));
        }
    }
    return 1;
}
