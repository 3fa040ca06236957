#include "imaging/DemosaicWide.h"

#include "imaging/ColourForm.h"
#include "imaging/CpuFeatures.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include "imaging/Avx2Lanes.h"
#include "imaging/Avx512Lanes.h"
#include "imaging/Sse2Lanes.h"

#include <utility>

namespace {

namespace sse2 {
using Lanes = Sse2Lanes;
#include "imaging/DemosaicWideRow.inc"
}  // namespace sse2

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif
namespace avx2 {
using Lanes = Avx2Lanes;
#include "imaging/DemosaicWideRow.inc"
}  // namespace avx2
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx512f,avx512bw"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx512f,avx512bw")
#endif
namespace avx512 {
using Lanes = Avx512Lanes;
#include "imaging/DemosaicWideRow.inc"
}  // namespace avx512
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

}  // namespace

int32_t DemosaicColourRowWide(const SensorRow& row, const ColourMaps& maps)
{
    // The maps carry all three forms or none.
    if (maps.redForm == nullptr)
        return row.xs;
    if (CpuHasAvx512())
        return avx512::ColourRow(row, maps);
    if (CpuHasAvx2())
        return avx2::ColourRow(row, maps);
    return sse2::ColourRow(row, maps);
}

#else

int32_t DemosaicColourRowWide(const SensorRow& row, const ColourMaps&)
{
    return row.xs;
}

#endif
