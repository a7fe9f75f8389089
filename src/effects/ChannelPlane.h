#pragma once

// Moving one channel (0 = B, 1 = G, 2 = R) of an interleaved B, G, R image
// to and from a packed plane of width x height bytes.

#include <cstddef>
#include <cstdint>

namespace Effects {

inline void extractChannel(const std::uint8_t* image, int stride, int width, int height, int channel, std::uint8_t* plane)
{
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* s = image + std::ptrdiff_t(y) * stride + channel;
        std::uint8_t* p = plane + std::size_t(y) * std::size_t(width);
        for (int x = 0; x < width; ++x)
            p[x] = s[3 * x];
    }
}

inline void insertChannel(const std::uint8_t* plane, int width, int height, std::uint8_t* image, int stride, int channel)
{
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* p = plane + std::size_t(y) * std::size_t(width);
        std::uint8_t* d = image + std::ptrdiff_t(y) * stride + channel;
        for (int x = 0; x < width; ++x)
            d[3 * x] = p[x];
    }
}

} // namespace Effects
