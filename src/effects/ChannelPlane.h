#pragma once

// Moving one channel (0 = B, 1 = G, 2 = R) of an interleaved B, G, R image
// to and from a packed plane of width x height bytes.

#include <cstddef>
#include <cstdint>

#if defined(__GNUC__) && !defined(__clang__)
// GCC vectorises byte accesses three bytes apart by moving every lane
// through the stack or a general register, which stalls; the plain byte
// loops below run about 1.5 to 2 times as fast.
#define EFFECTS_SCALAR_LOOP __attribute__((optimize("no-tree-vectorize")))
#else
#define EFFECTS_SCALAR_LOOP
#endif

namespace Effects {

// out[x] = pixels[3 x] for one row.
template <typename T>
EFFECTS_SCALAR_LOOP void gatherChannel(const std::uint8_t* pixels, int width, T* out)
{
    for (int x = 0; x < width; ++x)
        out[x] = T(pixels[3 * x]);
}

// pixels[3 x] = values[x] for one row.
EFFECTS_SCALAR_LOOP inline void scatterChannel(const std::uint8_t* values, int width, std::uint8_t* pixels)
{
    for (int x = 0; x < width; ++x)
        pixels[3 * x] = values[x];
}

inline void extractChannel(const std::uint8_t* image, int stride, int width, int height, int channel, std::uint8_t* plane)
{
    for (int y = 0; y < height; ++y)
        gatherChannel(image + std::ptrdiff_t(y) * stride + channel, width, plane + std::size_t(y) * std::size_t(width));
}

inline void insertChannel(const std::uint8_t* plane, int width, int height, std::uint8_t* image, int stride, int channel)
{
    for (int y = 0; y < height; ++y)
        scatterChannel(plane + std::size_t(y) * std::size_t(width), width, image + std::ptrdiff_t(y) * stride + channel);
}

} // namespace Effects
