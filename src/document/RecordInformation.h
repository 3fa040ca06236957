#pragma once

#include <string>

struct RecordContent;
struct SiteEntry;

// The five texts of the record information dialog. Only SiteAddress is
// edited; the others are read-only facts of the record.
struct RecordInformation {
    // The texts for a record and the site entry of its unit.
    static RecordInformation For(const RecordContent& record, const SiteEntry& site);

    std::string SiteAddress;
    std::string MacText;
    std::string RedStartText;        // empty when the record has no red time
    std::string YellowStartText;     // empty when the record has no yellow time
    std::string YellowDurationText;  // "3.250 sec. "; empty unless red follows yellow
};
