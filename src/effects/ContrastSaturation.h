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

// The two steps one after the other, pixel by pixel as stated above (grey
// pixels skipped by test); ExecuteContrastSaturationImage, which does both
// in one pass, must give the same bytes.
int contrastSaturationReference(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride,
                                std::int32_t contrast, std::int32_t saturation);

} // namespace Effects
