#pragma once

// Whether this machine runs AVX2 code. The wide paths are chosen at run time
// rather than by the loader, which sanitizer runtimes do not survive.
bool CpuHasAvx2();
