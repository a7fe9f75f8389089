#pragma once

// The row walk of the in-place Execute effects.

#include <cstddef>
#include <cstdint>

namespace Effects {

// Calls `row(first byte of the row)` for each of the `height` rows of a
// B, G, R buffer. Returns 1 when done or when the image is empty; 0, having
// touched nothing, when a non-empty image has no bits or a stride below
// 3 x width.
template <typename Row>
int forEachRow(std::uint8_t* bits, int width, int height, int stride, Row row)
{
    if (width <= 0 || height <= 0)
        return 1;
    if (!bits || stride < 3LL * width)
        return 0;
    for (int y = 0; y < height; ++y)
        row(bits + std::size_t(y) * std::size_t(stride));
    return 1;
}

} // namespace Effects
