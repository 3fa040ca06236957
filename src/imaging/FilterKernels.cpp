#include "imaging/FilterKernels.h"

namespace {

constexpr int32_t Sharpen[9] = {0, -1, 0, -1, 5, -1, 0, -1, 0};
constexpr int32_t SharpenStrong[9] = {-1, -1, -1, -1, 9, -1, -1, -1, -1};
constexpr int32_t Emboss[9] = {1, 1, 0, 1, 1, -1, 0, -1, -1};

}  // namespace

const int32_t* FilterKernel(int filter)
{
    switch (filter) {
    case 1:
        return Sharpen;
    case 2:
        return SharpenStrong;
    case 3:
        return Emboss;
    default:
        return nullptr;
    }
}
