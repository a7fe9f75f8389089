#pragma once

#include "stitch/threads/SimdKernel.h"

// The vectorised inner loops of detection, each a plain and an AVX2 kernel.

// The scale space's Gaussian pass: the fixed 11-tap kernel whatever the
// sigma, along rows, then along columns into dst (which may be src);
// scratch holds 11 rows (11 w floats). Samples past an end take the end
// value. Every output sums its eleven products in tap order, so each kernel
// gives the same floats.
void SiftSmooth(const float* src, float* dst, float* scratch, int w, int h, float sigma,
                SimdKernel kernel = SimdBestKernel());

// The columns x in from .. to - 1, in order, where a difference v of one
// row is an extremum: at least contrast and above all of its 26
// neighbours, or at most -contrast and below all of them. rows[l][r] is row
// r (above, here, below) of the differences of levels s - 1, s and s + 1;
// columns from - 1 .. to must exist. Writes to xs (room for to - from)
// and returns their number.
int SiftExtremaInRow(const float* const rows[3][3], int from, int to, float contrast, int* xs,
                     SimdKernel kernel = SimdBestKernel());

// Gradients of n pixels of one row of a level: magnitude and angle (0 .. 2
// pi) of each as a pair in out. row, up and down point at the first pixel
// in its row and in the rows above and below; the pixels left and right of
// the n must exist. The plain kernel takes each angle from the C library's
// atan2; the AVX2 one from an approximation whose float result is kept
// only where its error bound leaves no doubt about it, atan2 deciding the
// rest, so both give the same floats.
void SiftGradientRow(const float* row, const float* up, const float* down, int n, float* out,
                     SimdKernel kernel = SimdBestKernel());

