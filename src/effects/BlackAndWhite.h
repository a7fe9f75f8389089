#pragma once

#include <cstdint>

// Replaces each B, G, R pixel by its luminance (117 B + 601 G + 306 R) >> 10
// in all three bytes, in place. Returns 1; 0 when a non-empty image has no
// bits or a stride below 3 x width.
int ExecuteBlackAndWhite(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride);
