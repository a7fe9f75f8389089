#pragma once

// Plane helpers of the blurs. A plane is one channel of an image: `width` x
// `height` values, rows `stride` values apart (bytes for 8-bit planes,
// int16 elements for band planes). Sizes of 0 or less mean nothing to do.

#include <cstdint>

// Halves a plane to ((width + 1) >> 1) x ((height + 1) >> 1). Output (i, j)
// is the [1 2 1] x [1 2 1] binomial sum around source (2i, 2j) shifted right
// by 4; a neighbour past an edge is mirrored through the centre, or is the
// centre itself on a plane one value wide or high. Returns 1.
int Reduce_2D(const std::uint8_t* src, int srcStride, int srcWidth, int srcHeight, std::uint8_t* dst, int dstStride);

// Doubles a plane of ((dstWidth + 1) >> 1) x ((dstHeight + 1) >> 1) values
// to dstWidth x dstHeight: even positions copy the source, odd ones average
// their two or four source neighbours (truncating); past the last source row
// or column the last one repeats. Returns 1.
int Expand_2D(std::uint8_t* dst, int dstStride, int dstWidth, int dstHeight, const std::uint8_t* src, int srcStride);

// In place: interior values become one sixteenth of their 3 x 3 binomial
// smoothing (each pass shifted right by 4, arithmetically); the border
// keeps its values. Returns 1, or 0 (plane untouched) without memory.
int FilterImage(std::int16_t* plane, int stride, int width, int height);

// In place: interior values become their 3 x 3 binomial blur (each pass
// shifted right by 2); the border keeps its values. Returns 1, or 0 (plane
// untouched) without memory.
int FilterImage0(std::uint8_t* plane, int stride, int width, int height);

// out = a - b over packed width x height planes. The fourth argument is
// not used.
void DiffImage(std::int16_t* out, const std::uint8_t* a, const std::uint8_t* b, int unused, int width, int height);

// out = base + band, clamped to 0..255, over packed planes. The fourth
// argument is not used. `out` may be `base`.
void AddImage(const std::int16_t* band, const std::uint8_t* base, std::uint8_t* out, int unused, int width, int height);

// The number of halvings (by shifting) of `size` that stay at or above
// max(minimum, 1): 3 for 1000 and 100 (500, 250, 125); 0 when that minimum
// exceeds `size`.
int GenerateLevel(int size, int minimum);

namespace Effects {

// Reduce_2D of the plane whose values lie `step` bytes apart in each row
// (3 for one channel of a B, G, R image).
void reduceChannel(const std::uint8_t* src, int srcStride, int srcWidth, int srcHeight, int step, std::uint8_t* dst, int dstStride);

// Row scratch the band filters need: 3 x width values.
// The Execute functions allocate it with their planes, so that no filter
// can fail half-way through writing a destination.
void filterBand(std::int16_t* plane, int stride, int width, int height, int* scratch);
void filterBytes(std::uint8_t* plane, int stride, int width, int height, int* scratch);

} // namespace Effects
