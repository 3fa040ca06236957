#pragma once

#include <string>

namespace testsupport {

// The resident size of this process as the kernel counts it, in KiB: now
// (VmRSS) and the highest it has been (VmHWM). Zero where /proc says nothing.
struct ProcessMemory {
    long ResidentKb = 0;
    long PeakKb = 0;

    static ProcessMemory Now();
    // "peak 12345 KiB, resident 12000 KiB"
    std::string Text() const;
};

}  // namespace testsupport
