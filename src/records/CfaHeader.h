#pragma once

#include "config/SiteEntry.h"
#include "records/FrameTime.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class ReadOnlyFile;

// The 256-byte header of a ".CFA" lane frame, all numbers little-endian; the
// file goes on with Width x Height 16-bit samples from the top sensor row.
// The bytes around the fields carry nothing the program uses.
struct CfaHeader {
    static constexpr std::size_t Size = 256;

    std::uint16_t Width = 0;             // samples per row
    std::uint16_t Height = 0;            // rows
    std::int32_t MillisecondOffset = 0;  // added to Time to give the frame's moment
    FrameTime Time;                      // capture time; its hour also picks automatic colour correction
    std::uint8_t Lane = 0;               // 1 left, 2 middle, 3 right
    std::uint8_t Frame = 0;              // number within the lane
    MacAddress Mac{};                    // the roadside unit's address

    // 2 x Width x Height: the bytes of samples the header announces.
    std::uint64_t SampleBytes() const;
    // Whether neither size is 0 and a file of fileSize bytes holds every
    // announced sample, so that nothing is allocated or read on a size that
    // only a damaged header claims.
    bool SamplesFit(std::uint64_t fileSize) const;
};

// The header at the start of the file; nothing when the file holds less than
// a header (or did not open).
std::optional<CfaHeader> ReadCfaHeader(const ReadOnlyFile& file);
// The header's 256 bytes; the bytes that hold no field are 0.
std::string CfaHeaderBytes(const CfaHeader& header);
// A whole file: the header, then Width x Height samples, those missing from
// `samples` as 0.
std::string CfaFileBytes(const CfaHeader& header, const std::vector<std::uint16_t>& samples);
