// The settings file. Whatever loads must save and load back as the same
// settings, since the program writes the file back whole at every exit.
#include "FuzzInputFile.h"

#include "config/CVantrelSettings.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

bool SameSettings(const CVantrelSettings& a, const CVantrelSettings& b)
{
    const auto sameSite = [](const SiteEntry& x, const SiteEntry& y) {
        return x.mac == y.mac && x.address == y.address;
    };
    return a.Version == b.Version && a.RootDirectory == b.RootDirectory &&
           a.ConfirmedDirectory == b.ConfirmedDirectory && a.RejectedDirectory == b.RejectedDirectory &&
           std::equal(a.SiteList.begin(), a.SiteList.end(), b.SiteList.begin(), b.SiteList.end(), sameSite);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CVantrelSettings settings;
    if (!settings.LoadSettings(FuzzInputFile::Write("VantrelControl.settings", data, size)))
        return 0;
    const std::string copy = FuzzInputFile::PathOf("copy.settings");
    CVantrelSettings again;
    if (!settings.SaveSettings(copy) || !again.LoadSettings(copy) || !SameSettings(settings, again))
        std::abort();
    return 0;
}
