#include "ProcessMemory.h"

#include <fstream>
#include <sstream>

namespace testsupport {

ProcessMemory ProcessMemory::Now()
{
    ProcessMemory memory;
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        std::istringstream fields(line);
        std::string key;
        long kb = 0;
        fields >> key >> kb;
        if (key == "VmRSS:")
            memory.ResidentKb = kb;
        else if (key == "VmHWM:")
            memory.PeakKb = kb;
    }
    return memory;
}

std::string ProcessMemory::Text() const
{
    return "peak " + std::to_string(PeakKb) + " KiB, resident " + std::to_string(ResidentKb) + " KiB";
}

}  // namespace testsupport
