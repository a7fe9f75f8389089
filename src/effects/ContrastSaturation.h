#pragma once

#include <cstdint>

// Contrast, then saturation, of 24-bit B,G,R pixels in place; both -100..100
// and 0 skips a step.
//
// Contrast is an S curve through 0, 127/128 and 255 that moves bytes near 64
// and 192 most, by (64 - |i - pivot|) x contrast / 200 (the factor taken in
// single precision). From 200 on the curve saturates at 0 and 255.
// Saturation moves each channel away from the pixel's largest channel by
// saturation / 100 of its distance; grey pixels and the largest channel stay.
//
// Returns 1, or 0 for a saturation outside -100..100, which is checked
// before anything changes.
int ExecuteContrastSaturationImage(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride,
                                   std::int32_t contrast, std::int32_t saturation);

namespace Effects {

// The contrast curve as a byte table; the identity for contrast 0. For
// contrast within -200..200 it never decreases.
void fillContrastCurve(std::uint8_t table[256], int contrast);

// Saturation: channel c of a pixel whose largest channel is hi becomes
// clampByte((t2[c] + t1[hi]) >> 7), with T1[i] = (50 - 128 s i) / 100 and
// T2[i] = 128 i - T1[i]. For s within -100..100 the shifted sum lies in
// -256..255.
struct SaturationTables
{
    explicit SaturationTables(int saturation);
    std::uint8_t apply(int c, int hi) const
    {
        const int v = (t2[c] + t1[hi]) >> 7;
        return std::uint8_t(v < 0 ? 0 : (v > 255 ? 255 : v));
    }

    int t1[256];
    int t2[256];
};

// The two steps one after the other, pixel by pixel as stated above (grey
// pixels skipped by test); ExecuteContrastSaturationImage, which does both
// in one pass, must give the same bytes.
int contrastSaturationReference(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride,
                                std::int32_t contrast, std::int32_t saturation);

} // namespace Effects
