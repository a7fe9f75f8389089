#pragma once

// Blurs of the effect library on caller-owned 8-bit B, G, R images (rows
// `stride` bytes apart). `src` and `dst` are two distinct images of the same
// size and stride; only the 3 x width pixel bytes of each dst row are
// written, except where a function says it copies the whole buffer. Every
// blur keeps the centre sharper than the edges through a radial blend whose
// sharp share grows with `focus` (0..100).
//
// Results: 1 on success (also for a width or height of 0 or less), 0 when
// working memory cannot be had; dst is then untouched.

#include <cstdint>

// Pyramid blur: each channel is reduced up to min(levels, 8) - 1 times, and
// every band (a level minus its expanded parent) is attenuated to 1/16 of
// its smoothing before the pyramid is added back up. levels 0 (or less)
// copies stride x height bytes from src to dst; levels 1 reproduces src.
int ExecuteLensBlur(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int levels, int focus);

// A single 3 x 3 binomial blur with the lens blur's blend. The sixth
// argument is not used.
int ExecuteLensBlurNew(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int unused, int focus);

// Separable Gaussian blur of radius ceil(2 sigma); sigma of 0 or less (or
// not a number) leaves dst untouched. Each pixel is the weighted mean of
// the taps inside the picture, rounded to nearest, so a flat picture stays
// exactly flat at any sigma.
int ExecuteGuassBlur(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int focus, double sigma);

// Zoom blur toward the centre: lines of up to `length` (0..255) taps, longer
// toward the edges. Pictures larger than 1279 pixels are blurred on a
// reduced copy (at most four halvings) and expanded back.
int ExecuteMotionBlur(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int length, int focus);

// The zoom blur at full size. Lines stop at the picture's border, and each
// pixel is the mean of the taps actually taken.
int ExecuteMotionBlurSmall(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int length, int focus);

namespace Effects {

// The blurred image's share (0..1) at normalised radius r (0 at the centre,
// 1 at the corners), before rounding to the blend grid's 0..256.
double lensBlurShare(int focus, double r);
double gaussBlurShare(int focus, double r);
double motionBlurShare(int focus, double r);

// The Gaussian's radius ceil(2 sigma), for sigma > 0, capped at the longer
// side; and its 2 radius + 1 taps, exp(-i^2 / (2 sigma^2)) in single
// precision, x 256 rounded (the centre tap is 256).
int gaussRadius(double sigma, int longest);
void fillGaussKernel(double sigma, int radius, int* kernel);

// The plain Gaussian blur, pixel by pixel, kept as the reference of
// ExecuteGuassBlur.
int gaussBlurReference(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int focus, double sigma);

// Reductions of the lens blur: min(levels, 8) - 1, but no further than one
// reduction past the first level narrower or lower than 4.
constexpr int LensBlurMaximumLevels = 8;
int lensBlurReductions(int width, int height, int levels);

// The plain lens blur, kept as the reference of ExecuteLensBlur.
int lensBlurReference(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int levels, int focus);

} // namespace Effects
