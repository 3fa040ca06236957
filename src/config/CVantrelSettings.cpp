#include "config/CVantrelSettings.h"

#include "config/Utf8.h"
#include "config/XmlDocument.h"
#include "config/XmlFileText.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <unordered_map>

namespace {

constexpr std::size_t MacTextLength = 17;
// The character after the MAC text, normally a blank, is not part of the address.
constexpr std::size_t AddressStart = MacTextLength + 1;

std::string Element(const char* name, const std::string& content)
{
    return std::string("<") + name + ">" + content + "</" + name + ">";
}

std::string DirectoryText(const xmlNode* root, const char* name, const char* fallback)
{
    const xmlNode* element = XmlDocument::Child(root, name);
    return element ? XmlDocument::Text(element) : fallback;
}

std::uint64_t MacKey(const MacAddress& mac)
{
    std::uint64_t key = 0;
    for (const std::uint8_t byte : mac)
        key = (key << 8) | byte;
    return key;
}

// One field of ParseMac: blanks, an optional sign and hexadecimal digits, at
// most two characters for sign and digits together; false when no digit.
bool ReadHexField(std::string_view text, std::size_t& at, std::uint8_t& byte)
{
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    const std::size_t end = std::min(text.size(), at + 2);
    const bool negative = at < end && text[at] == '-';
    if (at < end && (text[at] == '-' || text[at] == '+'))
        ++at;
    unsigned value = 0;
    std::size_t digits = 0;
    for (; at < end && std::isxdigit(static_cast<unsigned char>(text[at])); ++at, ++digits) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(text[at])));
        value = value * 16 + static_cast<unsigned>(c <= '9' ? c - '0' : c - 'A' + 10);
    }
    byte = static_cast<std::uint8_t>(negative ? 0u - value : value);
    return digits > 0;
}

// The "Site" elements of the list; a MAC that occurs again updates the
// address of its first entry.
void ReadSiteList(const xmlNode* list, std::vector<SiteEntry>& sites)
{
    // Positions by MAC, so that a long list loads in linear time.
    std::unordered_map<std::uint64_t, std::size_t> positions;
    for (const xmlNode* site : XmlDocument::ListElements(list)) {
        if (!XmlDocument::IsNamed(site, "Site"))
            continue;
        const std::string text = XmlDocument::Text(site);
        const std::size_t macEnd = Utf8::Offset(text, MacTextLength);
        if (macEnd == std::string::npos)
            continue;
        const MacAddress mac = CVantrelSettings::ParseMac(std::string_view(text).substr(0, macEnd));
        const auto [position, added] = positions.try_emplace(MacKey(mac), sites.size());
        if (added)
            sites.push_back(SiteEntry{mac, {}});
        const std::size_t addressStart = Utf8::Offset(text, AddressStart);
        if (addressStart != std::string::npos && addressStart < text.size())
            sites[position->second].address = text.substr(addressStart);
    }
}

}  // namespace

int CVantrelSettings::LoadSettings(const std::string& path)
{
    SiteList.clear();
    std::string message;
    try {
        const XmlDocument document(path);
        if (document.Loaded()) {
            ReadDocument(document);
            return 1;
        }
        message = document.Failure();
    } catch (...) {
        message = XmlDocument::UnknownError;
    }
    LastError = XmlDocument::LoadErrorText(path, message);
    RestoreDefaults();
    return 0;
}

void CVantrelSettings::ReadDocument(const XmlDocument& document)
{
    const xmlNode* root = document.Root();
    const xmlNode* version = XmlDocument::Child(root, "Version");
    Version = std::max(version ? XmlDocument::LeadingInteger(XmlDocument::Text(version)) : 0, 2);
    RootDirectory = DirectoryText(root, "RootDirectory", DefaultRootDirectory);
    ConfirmedDirectory = DirectoryText(root, "ConfirmedDirectory", DefaultConfirmedDirectory);
    RejectedDirectory = DirectoryText(root, "RejectedDirectory", DefaultRejectedDirectory);
    if (const xmlNode* list = XmlDocument::Child(root, "SiteList"))
        ReadSiteList(list, SiteList);
}

void CVantrelSettings::RestoreDefaults()
{
    Version = 2;
    RootDirectory = DefaultRootDirectory;
    ConfirmedDirectory = DefaultConfirmedDirectory;
    RejectedDirectory = DefaultRejectedDirectory;
    SiteList.clear();
}

int CVantrelSettings::SaveSettings(const std::string& path) const
{
    try {
        return XmlFileText::Save(path, DocumentText()) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

std::string CVantrelSettings::DocumentText() const
{
    std::string text = XmlFileText::Preamble("VantrelControl.settings", "Orvane Vantrel Light Control, Version 1.2", true);
    text += "  " + Element("Version", std::to_string(Version)) + "\n";
    text += "  " + Element("RootDirectory", XmlFileText::Cdata(RootDirectory)) + "\n";
    text += "  " + Element("ConfirmedDirectory", XmlFileText::Cdata(ConfirmedDirectory)) + "\n";
    text += "  " + Element("RejectedDirectory", XmlFileText::Cdata(RejectedDirectory)) + "\n";
    text += "  <SiteList>\n";
    for (const SiteEntry& site : SiteList)
        text += "    " + Element("Site", XmlFileText::Cdata(FormatMac(site.mac) + " " + site.address)) + "\n";
    text += "  </SiteList>\n";
    text += "</VantrelControl>\n";
    return text;
}

SiteEntry* CVantrelSettings::LookupSite(const MacAddress& mac, bool add)
{
    const auto found = std::find_if(SiteList.begin(), SiteList.end(),
                                    [&mac](const SiteEntry& entry) { return entry.mac == mac; });
    if (found != SiteList.end())
        return &*found;
    if (!add)
        return nullptr;
    return &SiteList.emplace_back(SiteEntry{mac, {}});
}

std::string CVantrelSettings::SiteDisplayText(const SiteEntry& entry)
{
    return entry.address.empty() ? FormatMac(entry.mac) : entry.address;
}

std::string CVantrelSettings::FormatMac(const MacAddress& mac)
{
    char text[MacTextLength + 1];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
    return text;
}

MacAddress CVantrelSettings::ParseMac(std::string_view text)
{
    MacAddress mac{};
    std::size_t at = 0;
    for (std::size_t field = 0; field < mac.size(); ++field) {
        if (field > 0 && (at >= text.size() || text[at++] != ':'))
            break;
        if (!ReadHexField(text, at, mac[field]))
            break;
    }
    return mac;
}
