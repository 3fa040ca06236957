#pragma once

// Whether the wide AVX2 paths run: on a machine that has AVX2, unless
// VANTREL_NO_AVX2 is set, which runs the portable paths on the same machine.
// The paths are chosen at run time rather than by the loader, which
// sanitizer runtimes do not survive.
bool CpuHasAvx2();

// Whether the wide paths take AVX-512 (F and BW) where they have it: on a
// machine that has it, unless VANTREL_NO_AVX512 or VANTREL_NO_AVX2 is set.
bool CpuHasAvx512();
