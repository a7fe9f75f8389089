#pragma once

// Row kernels of the effect engine's own tone operations (ZIZuzaVuvovi),
// shared by its plain operations and its banded pipeline. All work on
// 24-bit pixels stored B, G, R.

#include <cstddef>
#include <cstdint>

namespace Effects {

// k = trunc(-clamp(value, -100, 100) x 1.28): -128 for 100, 128 for -100.
int vibranceFactor(int value);

// Vibrance of one row of `width` pixels; src and dst may be the same row
// (each pixel is read whole before it is written).
void vibranceRow(const std::uint8_t* src, std::uint8_t* dst, int width, int factor);

// Replaces each of `count` bytes from `p` by table[byte].
inline void lookUpBytes(std::uint8_t* p, std::size_t count, const std::uint8_t table[256])
{
    for (std::size_t i = 0; i < count; ++i)
        p[i] = table[p[i]];
}

// T[i] = trunc(256 x (i + 0.5)/256 ^ gamma - 0.5) clamped to 0..255, in
// single precision; the identity for gamma 1.
void fillGammaTable(std::uint8_t table[256], float gamma);

// Sepia of one row in place: each output channel a weighted sum of R, G
// and B formed in double precision as (green + red) + blue, limited to 255
// and truncated.
class SepiaTone
{
public:
    SepiaTone();
    void row(std::uint8_t* p, int width) const;

private:
    // Products of each input byte with each weight, exactly as the per-pixel
    // rule forms them: [output channel][input value].
    double m_red[3][256];
    double m_green[3][256];
    double m_blue[3][256];
};

} // namespace Effects
