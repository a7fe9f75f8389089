#pragma once

#include <cstdint>

// Radial darkening of 24-bit B,G,R pixels in place. Gain at squared distance
// d2 from the centre ((width + 1) >> 1, (height + 1) >> 1) is
// 2^(-0.04 x amount x d2 / R2), R2 the squared corner distance: 1 at the
// centre, 2^(-0.04 x amount) at the corners (1/16 for amount 100). Amount
// 0..100 darkens; a negative amount brightens, saturating at 255. Always
// returns 1.
int ExecuteVignetting(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride, std::int32_t amount);

namespace Effects {

// The same rule with the gain worked out afresh for every pixel, from the
// start of its 2^s step of squared distance, instead of looked up in a
// table; ExecuteVignetting must give the same bytes.
int vignettingReference(std::uint8_t* bits, std::int32_t width, std::int32_t height, std::int32_t stride, std::int32_t amount);

} // namespace Effects
