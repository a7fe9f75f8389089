#include "effects/EffectCommon.h"

#include "effects/SrgbCurve.h"

#include <algorithm>
#include <cmath>

namespace Effects {

namespace {

int clampTo(int value, int maximum)
{
    return value < 0 ? 0 : (value > maximum ? maximum : value);
}

} // namespace

void fillSrgbDecode8To12(std::uint16_t table[256])
{
    for (int i = 0; i < 256; ++i)
        table[i] = std::uint16_t(roundHalfUp(srgbDecode(i / 255.0) * 4095.0));
}

void fillSrgbEncode12To8(std::uint8_t table[4096])
{
    table[0] = 0;
    for (int i = 1; i < 4096; ++i)
        table[i] = std::uint8_t(clampTo(roundHalfUp(srgbEncode(i / 4095.0) * 255.0), 255));
}

void fillSrgbDecode16(std::uint16_t table[65536])
{
    for (int i = 0; i < 65536; ++i)
        table[i] = std::uint16_t(roundHalfUp(srgbDecode(i / 65535.0) * 65535.0));
}

void fillSrgbEncode16(std::uint16_t table[65536])
{
    table[0] = 0;
    for (int i = 1; i < 65536; ++i)
        table[i] = std::uint16_t(clampTo(roundHalfUp(srgbEncode(i / 65535.0) * 65535.0), 65535));
}

double normalisedRadius(int x, int y, int width, int height)
{
    const double cx = (width + 1) >> 1;
    const double cy = (height + 1) >> 1;
    const double dx = x - cx;
    const double dy = y - cy;
    return std::sqrt((dx * dx + dy * dy) / (cx * cx + cy * cy));
}

void RadialBlendGrid::blend(const std::uint8_t* src, std::uint8_t* dst, int width, int height, int stride) const
{
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* s = src + std::size_t(y) * std::size_t(stride);
        std::uint8_t* d = dst + std::size_t(y) * std::size_t(stride);
        const int* weights = m_weights.get() + std::size_t(y >> 4) * m_columns;
        // One weight per block of 16 pixels: the inner loop has none to look up.
        for (int x0 = 0; x0 < width; x0 += 16) {
            const int w = weights[x0 >> 4];
            const int bytes = 3 * std::min(16, width - x0);
            for (int i = 0; i < bytes; ++i)
                d[i] = std::uint8_t((d[i] * w + s[i] * (256 - w)) >> 8);
            s += bytes;
            d += bytes;
        }
    }
}

} // namespace Effects
