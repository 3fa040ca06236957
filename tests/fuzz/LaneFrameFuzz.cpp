// A ".CFA" lane frame read, prepared and rendered as the detailed view does.
// The rendering choices come from the last eight header bytes, which carry
// nothing for the program, so every seed stays a valid frame:
//   248  colour correction (low two bits)
//   249  gamma in 64ths; 0 is off
//   250  filter, signed, so that unknown numbers come too
//   251  flags: 1 black and white, 2 automatic window, 4 padded samples
//   252  the kept display window as two little-endian levels
// Padding repeats the samples the input has up to the size the header
// announces, so that a short input reaches a full-size frame with its
// optical-black strip; without it a short file stays short.
#include "FuzzInputFile.h"

#include "document/RenderLaneFrame.h"
#include "imaging/CCfaImage.h"
#include "imaging/CDibImage.h"
#include "records/CfaHeader.h"
#include "records/LittleEndian.h"
#include "base/ReadOnlyFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace {

constexpr std::size_t ChoicesAt = CfaHeader::Size - 8;
// A band of the full sensor width, just tall enough for the optical-black
// rows. Every sample costs a compare hook in the fuzz build: a whole frame
// would cut the fuzzer's pace a hundredfold, and frames large enough for the
// work to be split between two threads are left to the threaded tests.
constexpr std::uint64_t MostPaddedBytes = 2ull * 1144 * 24;

enum Flags : std::uint8_t { BlackAndWhite = 1, AutoWindow = 2, Padded = 4 };

struct Choices {
    std::int32_t correction = 0;
    double gamma = 0.0;
    LaneRendering how;
    std::uint16_t windowA = 0;
    std::uint16_t windowB = CCfaImage::TopLevel;
    bool padded = false;
};

Choices ChoicesOf(const unsigned char* header)
{
    const unsigned char* at = header + ChoicesAt;
    Choices choices;
    choices.correction = at[0] & 3;
    choices.gamma = at[1] / 64.0;
    choices.how.Filter = static_cast<std::int8_t>(at[2]);
    choices.how.BlackAndWhite = (at[3] & BlackAndWhite) != 0;
    choices.how.AutoWindow = (at[3] & AutoWindow) != 0;
    choices.padded = (at[3] & Padded) != 0;
    choices.windowA = Little16(at + 4);
    choices.windowB = Little16(at + 6);
    return choices;
}

std::string PaddedFrame(std::string bytes, std::uint64_t sampleBytes)
{
    const std::size_t had = bytes.size() - CfaHeader::Size;
    bytes.resize(CfaHeader::Size + sampleBytes, '\0');
    for (std::size_t i = had; had > 0 && i < sampleBytes; ++i)
        bytes[CfaHeader::Size + i] = bytes[CfaHeader::Size + i % had];
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string path = FuzzInputFile::Write("L1_01.CFA", data, size);
    Choices choices;
    if (const std::optional<CfaHeader> header = ReadCfaHeader(ReadOnlyFile(path))) {
        choices = ChoicesOf(data);
        const std::uint64_t sampleBytes = header->SampleBytes();
        if (choices.padded && sampleBytes <= MostPaddedBytes && size - CfaHeader::Size < sampleBytes) {
            const std::string padded = PaddedFrame(std::string(reinterpret_cast<const char*>(data), size), sampleBytes);
            path = FuzzInputFile::Write("L1_01.CFA", reinterpret_cast<const std::uint8_t*>(padded.data()),
                                        padded.size());
        }
    }
    CCfaImage frame;
    frame.Correction = choices.correction;
    frame.Gamma = choices.gamma;
    frame.SetWindow(choices.windowA, choices.windowB);
    CDibImage picture;
    RenderLaneFrame(frame, path, choices.how, picture);
    return 0;
}
