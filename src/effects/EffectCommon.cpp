#include "effects/EffectCommon.h"

#include "effects/SrgbCurve.h"

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
        for (int x = 0; x < width; ++x) {
            const int w = weight(x, y);
            for (int c = 0; c < 3; ++c, ++s, ++d)
                *d = std::uint8_t((*d * w + *s * (256 - w)) >> 8);
        }
    }
}

} // namespace Effects
