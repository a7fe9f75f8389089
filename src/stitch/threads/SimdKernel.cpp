#include "stitch/threads/SimdKernel.h"

bool SimdHasAvx2()
{
#ifdef STITCH_AVX2_KERNELS
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
#else
    return false;
#endif
}

SimdKernel SimdBestKernel()
{
    return SimdHasAvx2() ? SimdKernel::Avx2 : SimdKernel::Plain;
}
