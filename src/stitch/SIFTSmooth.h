#pragma once

// The scale space's Gaussian pass: the fixed 11-tap kernel whatever the
// sigma, rows into scratch, then columns into dst (which may be src).
// Samples past an end take the end value. Every output sums its eleven
// products in tap order, so each kernel gives the same floats.
enum class SiftKernel
{
    Plain, // any x86-64 (or other) processor: the reference
    Avx2, // eight lanes at a time, where the processor has AVX2
};

// Whether the processor runs the AVX2 kernel.
bool SiftHasAvx2();
// The fastest kernel the processor runs.
SiftKernel SiftBestKernel();

void SiftSmooth(const float* src, float* dst, float* scratch, int w, int h, float sigma,
                SiftKernel kernel = SiftBestKernel());
