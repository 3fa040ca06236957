#include "imaging/CpuFeatures.h"

#include <cstdlib>

bool CpuHasAvx2()
{
#if defined(__x86_64__) && defined(__GNUC__)
    static const bool has = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0 && std::getenv("VANTREL_NO_AVX2") == nullptr;
    }();
    return has;
#else
    return false;
#endif
}

bool CpuHasAvx512()
{
#if defined(__x86_64__) && defined(__GNUC__)
    static const bool has = CpuHasAvx2() && __builtin_cpu_supports("avx512f") != 0 &&
                            __builtin_cpu_supports("avx512bw") != 0 &&
                            std::getenv("VANTREL_NO_AVX512") == nullptr;
    return has;
#else
    return false;
#endif
}
