// AddGeneralViewFrame: a ".BMP" general-view frame by the info text in its
// header gap, or by its file name.
#include "records/RecordContent.h"

#include "records/LittleEndian.h"
#include "base/ReadOnlyFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr std::uint64_t InfoTextOffset = 54;  // after the 40-byte info header
constexpr std::size_t NameTimeLength = 21;

FrameTime FromFields(const int (&fields)[7])
{
    FrameTime time;
    time.Year = static_cast<std::uint16_t>(fields[0]);
    time.Month = static_cast<std::uint16_t>(fields[1]);
    time.Day = static_cast<std::uint16_t>(fields[2]);
    time.Hour = static_cast<std::uint16_t>(fields[3]);
    time.Minute = static_cast<std::uint16_t>(fields[4]);
    time.Second = static_cast<std::uint16_t>(fields[5]);
    time.Millisecond = static_cast<std::uint16_t>(fields[6]);
    return time;
}

// The complete time after the first occurrence of the key, or nothing.
std::optional<FrameTime> KeyTime(const std::string& text, const char* key)
{
    const std::size_t found = text.find(key);
    if (found == std::string::npos)
        return std::nullopt;
    int fields[7] = {};
    if (std::sscanf(text.c_str() + found + std::strlen(key), "%04d-%02d-%02d %02d:%02d:%02d.%03d", &fields[0],
                    &fields[1], &fields[2], &fields[3], &fields[4], &fields[5], &fields[6]) != 7)
        return std::nullopt;
    return FromFields(fields);
}

// The text between the info header and the pixels, up to its first zero byte.
// The offset is taken as the writer of these files computed it (pixel offset
// less 44); an offset beyond the end of the file means there is no text, and
// is never allocated.
std::optional<std::string> InfoText(const ReadOnlyFile& file)
{
    unsigned char header[FileHeaderSize];
    if (file.ReadAt(0, header, FileHeaderSize) != FileHeaderSize)
        return std::nullopt;
    const auto length = static_cast<std::int32_t>(Little32(header + 10) - 44u);
    if (length <= 0 || file.Size() < InfoTextOffset + static_cast<std::uint64_t>(length))
        return std::nullopt;
    std::string text(static_cast<std::size_t>(length), '\0');
    if (file.ReadAt(InfoTextOffset, text.data(), text.size()) != text.size())
        return std::nullopt;
    text.resize(std::strlen(text.c_str()));
    return text;
}

// Sets the record's red and yellow times from the text; gives the frame's own time if it has one.
std::optional<FrameTime> ReadInfoTimes(RecordContent& content, const std::string& path)
{
    const ReadOnlyFile file(path);
    const std::optional<std::string> text = InfoText(file);
    if (!text)
        return std::nullopt;
    const auto setLight = [&text](FrameTime& light, const char* key) {
        if (const std::optional<FrameTime> time = KeyTime(*text, key)) {
            const std::uint16_t dayOfWeek = light.DayOfWeek;
            light = *time;
            light.DayOfWeek = dayOfWeek;
        }
    };
    setLight(content.RedTime, "redtime=");
    setLight(content.YellowTime, "yellowtime=");
    return KeyTime(*text, "imagetime=");
}

// The last 21 characters of the file name as "%04d%02d%02d%02d%02d%02d%d";
// fields that do not read stay 0.
std::optional<FrameTime> NameTime(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.size() < NameTimeLength)
        return std::nullopt;
    int fields[7] = {};
    std::sscanf(name.c_str() + name.size() - NameTimeLength, "%04d%02d%02d%02d%02d%02d%d", &fields[0], &fields[1],
                &fields[2], &fields[3], &fields[4], &fields[5], &fields[6]);
    return FromFields(fields);
}

struct OrderKey {
    RecordTime Seconds;
    std::uint16_t Millisecond;

    auto operator<=>(const OrderKey&) const = default;
};

std::optional<OrderKey> KeyOf(const FrameTime& time)
{
    const std::optional<RecordTime> seconds = ToRecordTime(time);
    if (!seconds)
        return std::nullopt;
    return OrderKey{*seconds, time.Millisecond};
}

}  // namespace

void AddGeneralViewFrame(RecordContent& content, const std::string& path)
{
    std::optional<FrameTime> time = ReadInfoTimes(content, path);
    if (!time)
        time = NameTime(path);
    if (!time)
        return;
    time->DayOfWeek = 0;
    // A time the C library cannot place leaves the frame out rather than the record.
    const std::optional<OrderKey> key = KeyOf(*time);
    if (!key)
        return;
    std::vector<FrameEntry>& frames = content.Frames[RecordContent::GeneralView];
    // After every entry with an equal key, so equal times keep the order they were read in.
    const auto place = std::upper_bound(frames.begin(), frames.end(), *key, [](const OrderKey& newKey, const FrameEntry& other) {
        return newKey < KeyOf(other.Time).value_or(OrderKey{0, other.Time.Millisecond});
    });
    FrameEntry entry;
    entry.Path = path;
    entry.Time = *time;
    const auto inserted = frames.insert(place, std::move(entry));
    for (auto it = inserted; it != frames.end(); ++it)
        it->Frame = static_cast<std::int32_t>(it - frames.begin()) + 1;
}
