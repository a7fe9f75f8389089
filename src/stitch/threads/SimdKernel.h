#pragma once

// Inner loops that come as a plain kernel for any processor (the reference)
// and an AVX2 one, chosen at run time; both give the same results.
enum class SimdKernel
{
    Plain, // any processor: the reference
    Avx2,  // where this build has AVX2 kernels and the processor runs them
};

// x86-64 builds with GCC or Clang carry the AVX2 kernels (compiled for that
// target alone, without FMA: a fused multiply-add would round differently).
#if defined(__GNUC__) && defined(__x86_64__)
#define STITCH_AVX2_KERNELS 1
#endif

// Whether the AVX2 kernels run here.
bool SimdHasAvx2();
// The fastest kernel that runs here.
SimdKernel SimdBestKernel();
