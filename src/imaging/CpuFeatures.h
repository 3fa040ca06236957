#pragma once

// Whether the wide AVX2 paths run: on a machine that has AVX2, unless
// VANTREL_NO_AVX2 is set, which runs the portable paths on the same machine.
// The paths are chosen at run time rather than by the loader, which
// sanitizer runtimes do not survive.
bool CpuHasAvx2();
