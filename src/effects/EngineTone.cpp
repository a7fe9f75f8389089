#include "effects/EngineTone.h"

#include "effects/EffectCommon.h"

#include <algorithm>
#include <cmath>

namespace Effects {

int vibranceFactor(int value)
{
    return int(-std::clamp(value, -100, 100) * 1.28);
}

void vibranceRow(const std::uint8_t* src, std::uint8_t* dst, int width, int factor)
{
    for (int x = 0; x < width; ++x, src += 3, dst += 3) {
        const int b = src[0], g = src[1], r = src[2];
        const int avg = (b + 2 * g + r) >> 2;
        const int mx = std::max(b, std::max(g, r));
        const int amount = (mx - avg) * factor;
        // Arithmetic shifts: rounding towards minus infinity.
        dst[0] = clampByte(b + (((mx - b) * amount) >> 14));
        dst[1] = clampByte(g + (((mx - g) * amount) >> 14));
        dst[2] = clampByte(r + (((mx - r) * amount) >> 14));
    }
}

void fillGammaTable(std::uint8_t table[256], float gamma)
{
    for (int i = 0; i < 256; ++i) {
        const float x = (float(i) + 0.5f) * (1.0f / 256.0f);
        const float t = 256.0f * std::pow(x, gamma) - 0.5f;
        // Compared as floats first: a huge t must not reach the conversion.
        table[i] = t <= 0.0f ? 0 : (t >= 255.0f ? 255 : std::uint8_t(int(t)));
    }
}

namespace {

// Output B, G, R as weights of (red, green, blue).
const double kSepia[3][3] = {
    {0.272, 0.534, 0.131},
    {0.349, 0.686, 0.168},
    {0.393, 0.769, 0.189},
};

} // namespace

SepiaTone::SepiaTone()
{
    for (int k = 0; k < 3; ++k) {
        for (int v = 0; v < 256; ++v) {
            m_red[k][v] = kSepia[k][0] * v;
            m_green[k][v] = kSepia[k][1] * v;
            m_blue[k][v] = kSepia[k][2] * v;
        }
    }
}

void SepiaTone::row(std::uint8_t* p, int width) const
{
    for (int x = 0; x < width; ++x, p += 3) {
        const int b = p[0], g = p[1], r = p[2];
        for (int k = 0; k < 3; ++k) {
            const float sum = float((m_green[k][g] + m_red[k][r]) + m_blue[k][b]);
            p[k] = std::uint8_t(int(std::min(sum, 255.0f)));
        }
    }
}

} // namespace Effects
