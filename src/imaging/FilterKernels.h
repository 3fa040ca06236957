#pragma once

#include <cstdint>

// The 3 x 3 kernels of the filter choices 1 "Sharpen", 2 "Sharpen strong" and
// 3 "Emboss", rows from the top, each summing to 1 (use divisor 1).
inline constexpr int FilterKernelSize = 3;

// Nine weights for filter 1..3; null for 0 ("Without filters") or any other value.
const int32_t* FilterKernel(int filter);
