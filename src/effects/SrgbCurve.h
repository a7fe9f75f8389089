#pragma once

// The sRGB transfer curves on values 0..1, with the thresholds the
// library's tables are defined by (0.03928 decoding, 0.00304 encoding).

#include <cmath>

namespace Effects {

inline double srgbDecode(double v)
{
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

inline double srgbEncode(double x)
{
    return x <= 0.00304 ? 12.92 * x : 1.055 * std::pow(x, 1.0 / 2.4) - 0.055;
}

} // namespace Effects
