#include "tool/SettingsCommand.h"

#include "config/CVantrelSettings.h"
#include "tool/OptionalValue.h"
#include "tool/ToolEnvironment.h"
#include "tool/ToolOutput.h"
#include "tool/UsageError.h"

#include <CLI/App.hpp>

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

void SettingsCommand::Declare(CLI::App& command)
{
    command.add_option("--site", sites_)->allow_extra_args(false);
    AddOptionalValue(command, "--save", save_);
}

int SettingsCommand::Run(ToolEnvironment& environment) const
{
    std::vector<MacAddress> sites;
    for (const std::string& text : sites_)
        sites.push_back(SiteMac(text));
    const bool loaded = environment.SettingsLoaded();
    CVantrelSettings& settings = environment.Settings();
    if (!loaded)
        PrintError(settings.LastError);
    for (const MacAddress& mac : sites)
        settings.LookupSite(mac, true);
    Print(settings);
    if (save_ && !settings.SaveSettings(*save_))
        return Fail(*save_ + ": cannot write the settings file");
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
