#pragma once

#include "config/SiteEntry.h"

#include <string>
#include <string_view>
#include <vector>

class XmlDocument;

// What an installation must know to find and file records: the record base
// directory, the names of the confirmed and rejected sub-directories and the
// known roadside sites. Loaded once at start-up, written back whole at exit.
class CVantrelSettings {
public:
    static constexpr const char* DefaultRootDirectory = "./";
    static constexpr const char* DefaultConfirmedDirectory = "!CONFIRMED";
    static constexpr const char* DefaultRejectedDirectory = "!REJECTED";

    // 1 on success; 0 with the defaults in place and the message in LastError.
    int LoadSettings(const std::string& path);
    // 1 when the whole file was written; 0 leaves any previous file as it was.
    int SaveSettings(const std::string& path) const;

    // The entry with this MAC address. When there is none and add is set, a
    // new entry with an empty address is appended and returned; otherwise
    // null. The pointer stays valid until SiteList next changes.
    SiteEntry* LookupSite(const MacAddress& mac, bool add);

    // The address, or the MAC text when the address is empty.
    static std::string SiteDisplayText(const SiteEntry& entry);
    // "%02X:%02X:%02X:%02X:%02X:%02X", always 17 characters.
    static std::string FormatMac(const MacAddress& mac);
    // Reads six colon-separated hexadecimal fields of up to two digits each,
    // as scanf with the format of FormatMac would; unread fields stay 0.
    static MacAddress ParseMac(std::string_view text);

    int Version = 2;
    // As configured: the record store adds the separator where it takes its
    // root, so the file is written back as the user wrote it.
    std::string RootDirectory = DefaultRootDirectory;
    std::string ConfirmedDirectory = DefaultConfirmedDirectory;
    std::string RejectedDirectory = DefaultRejectedDirectory;
    std::vector<SiteEntry> SiteList;

    // Fixed fractions of the program; never read from or written to the file.
    static constexpr double ClipBright = 0.0001;     // copied into a frame's HighCut
    static constexpr double ClipDark = 0.0;          // copied into a frame's LowCut
    static constexpr double AutoClipDark = 0.0;      // low fraction for AutoWindow
    static constexpr double AutoClipBright = 0.01;   // high fraction for AutoWindow

    std::string LastError;  // the full text of the last load failure

private:
    void ReadDocument(const XmlDocument& document);
    void RestoreDefaults();
    std::string DocumentText() const;
};
