#pragma once

#include <cstdint>

// Lays a coloured filter of the given density (0..100 percent; values
// outside act as the nearer end, 0 changes nothing) over B, G, R pixels in
// place. With keepLuminosity non-zero each pixel keeps its luminance and
// only its colour moves towards the filter's, most in the shadows;
// otherwise the luminance is pulled towards the filter's too.
// Returns 1; 0 when a non-empty image has no bits or a stride below
// 3 x width.
int ExecutePhotoFilterImage(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride,
                            std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::int32_t density,
                            std::uint8_t keepLuminosity);
