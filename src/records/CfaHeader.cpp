#include "records/CfaHeader.h"

#include "records/LittleEndian.h"
#include "base/ReadOnlyFile.h"

#include <algorithm>
#include <array>

namespace {

// Where the fields lie; the writer and the reader both go by these.
constexpr std::size_t WidthAt = 4;
constexpr std::size_t HeightAt = 6;
constexpr std::size_t MillisecondOffsetAt = 8;
constexpr std::size_t TimeAt = 12;
constexpr std::size_t LaneAt = 28;
constexpr std::size_t FrameAt = 29;
constexpr std::size_t MacAt = 30;

// The FrameTime fields in the order the header stores them.
template <class Time>
auto TimeFields(Time& time)
{
    return std::array{&time.Year, &time.Month, &time.DayOfWeek, &time.Day,
                      &time.Hour, &time.Minute, &time.Second, &time.Millisecond};
}

}  // namespace

std::uint64_t CfaHeader::SampleBytes() const
{
    return 2 * std::uint64_t{Width} * Height;
}

bool CfaHeader::SamplesFit(std::uint64_t fileSize) const
{
    return Width != 0 && Height != 0 && fileSize >= Size && fileSize - Size >= SampleBytes();
}

std::optional<CfaHeader> ReadCfaHeader(const ReadOnlyFile& file)
{
    unsigned char bytes[CfaHeader::Size];
    if (file.ReadAt(0, bytes, CfaHeader::Size) != CfaHeader::Size)
        return std::nullopt;
    CfaHeader header;
    header.Width = Little16(bytes + WidthAt);
    header.Height = Little16(bytes + HeightAt);
    header.MillisecondOffset = static_cast<std::int32_t>(Little32(bytes + MillisecondOffsetAt));
    const auto fields = TimeFields(header.Time);
    for (std::size_t i = 0; i < fields.size(); ++i)
        *fields[i] = Little16(bytes + TimeAt + 2 * i);
    header.Lane = bytes[LaneAt];
    header.Frame = bytes[FrameAt];
    std::copy_n(bytes + MacAt, header.Mac.size(), header.Mac.begin());
    return header;
}

std::string CfaHeaderBytes(const CfaHeader& header)
{
    std::string bytes(CfaHeader::Size, '\0');
    PutLittle16(bytes, WidthAt, header.Width);
    PutLittle16(bytes, HeightAt, header.Height);
    PutLittle32(bytes, MillisecondOffsetAt, static_cast<std::uint32_t>(header.MillisecondOffset));
    const auto fields = TimeFields(header.Time);
    for (std::size_t i = 0; i < fields.size(); ++i)
        PutLittle16(bytes, TimeAt + 2 * i, *fields[i]);
    bytes[LaneAt] = static_cast<char>(header.Lane);
    bytes[FrameAt] = static_cast<char>(header.Frame);
    std::copy(header.Mac.begin(), header.Mac.end(), bytes.begin() + MacAt);
    return bytes;
}

std::string CfaFileBytes(const CfaHeader& header, const std::vector<std::uint16_t>& samples)
{
    std::string bytes = CfaHeaderBytes(header);
    bytes.resize(CfaHeader::Size + header.SampleBytes(), '\0');
    const std::size_t count = std::min<std::size_t>(samples.size(), header.SampleBytes() / 2);
    for (std::size_t i = 0; i < count; ++i)
        PutLittle16(bytes, CfaHeader::Size + 2 * i, samples[i]);
    return bytes;
}
