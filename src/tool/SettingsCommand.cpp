#include "tool/SettingsCommand.h"

#include "config/CVantrelSettings.h"
#include "tool/ToolEnvironment.h"
#include "tool/ToolOutput.h"
#include "tool/UsageError.h"

#include <algorithm>
#include <cctype>

namespace {

// A MAC text in the settings' own form, in either case.
MacAddress SiteMac(const std::string& text)
{
    const MacAddress mac = CVantrelSettings::ParseMac(text);
    std::string upper = text;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (CVantrelSettings::FormatMac(mac) != upper)
        throw UsageError("--site must be a MAC address such as 00:1A:2B:3C:4D:5E: '" + text + "'");
    return mac;
}

}  // namespace

int SettingsCommand::Run(const CommandLine& arguments, ToolEnvironment& environment) const
{
    std::vector<MacAddress> sites;
    for (const std::string& text : arguments.Values("--site"))
        sites.push_back(SiteMac(text));
    const bool loaded = environment.SettingsLoaded();
    CVantrelSettings& settings = environment.Settings();
    if (!loaded)
        PrintError(settings.LastError);
    for (const MacAddress& mac : sites)
        settings.LookupSite(mac, true);
    Print(settings);
    const auto out = arguments.Value("--save");
    if (out && !settings.SaveSettings(*out))
        return Fail(*out + ": cannot write the settings file");
    return loaded ? ExitSuccess : ExitFailure;
}

void SettingsCommand::Print(const CVantrelSettings& settings)
{
    PrintFields({"version", std::to_string(settings.Version)});
    PrintFields({"root", settings.RootDirectory});
    PrintFields({"confirmed", settings.ConfirmedDirectory});
    PrintFields({"rejected", settings.RejectedDirectory});
    for (const SiteEntry& site : settings.SiteList)
        PrintFields({"site", CVantrelSettings::FormatMac(site.mac), site.address});
}
