#pragma once

// Geometric remaps of the effect library on caller-owned 8-bit B, G, R
// images (rows `stride` bytes apart). `src` and `dst` are two distinct
// images of the same size and stride; positions are measured from the
// centre ((width + 1) >> 1, (height + 1) >> 1). Every pixel of dst is
// written: sampled bilinearly from src, or black where its source lies
// outside the picture. Amounts outside their ranges are clamped to them.
//
// Results: 1 on success (also for a width or height of 0 or less), 0 when
// the mapping grid cannot be had; dst is then untouched.

#include <cstdint>

// Radial lens-distortion correction, amount -100..100 (negative enlarges
// the centre, positive shrinks it), balance 0..100 between the linear and
// the quadratic term. Amount 0 copies stride x height bytes.
int ExecuteDistCorr(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int amount, int balance);

// Squeezes rows by their distance from the centre (horizontal, -200..200)
// and columns likewise (vertical); both 0 reproduce the source.
int ExecuteDistHoriVert(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int horizontal,
                        int vertical);

// Fisheye, amount 0..100: everything outside a circle whose radius runs
// from the larger half side (0) to the smaller one (100) becomes black.
// Amount 0 copies stride x height bytes.
int ExecuteFisheyeDistortion(const std::uint8_t* src, int width, int height, int stride, std::uint8_t* dst, int amount);
