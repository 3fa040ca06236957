#include "imaging/CCfaImage.h"

#include "imaging/ColourGains.h"
#include "imaging/ColourMapSet.h"
#include "imaging/Demosaic.h"
#include "imaging/LevelSearch.h"
#include "imaging/RenderTables.h"
#include "imaging/RunInTwoShares.h"
#include "imaging/SamplePreparation.h"
#include "base/ReadOnlyFile.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <new>
#include <tuple>
#include <utility>

namespace {

// The samples read by both threads at once: copying from the page cache
// costs about as much as preparing them.
bool ReadSamples(const ReadOnlyFile& file, uint16_t* samples, size_t count, uint64_t offset)
{
    // One flag per share, written only by the share's own calls.
    std::array<bool, 2> read{true, true};
    RunInTwoShares(count, SamplesPerShare, SamplesForTwoThreads, [&](size_t begin, size_t end, size_t share) {
        const size_t bytes = 2 * (end - begin);
        read[share] = file.ReadAt(offset + 2 * begin, samples + begin, bytes) == bytes && read[share];
    });
    return read[0] && read[1];
}

void SwapToHostOrder(uint16_t* samples, size_t count)
{
    if constexpr (std::endian::native == std::endian::big) {
        for (size_t i = 0; i < count; ++i)
            samples[i] = static_cast<uint16_t>(samples[i] << 8 | samples[i] >> 8);
    }
}

int32_t Clamp(int32_t value, int32_t low, int32_t high)
{
    return std::max(low, std::min(value, high));
}

// The sensor cells [from, from + count) of one axis that have both
// neighbours inside a sensor of `cells` cells, with the start moved off the
// outermost cell.
std::pair<int32_t, int32_t> ProcessedSpan(int from, int count, int32_t cells)
{
    const int64_t begin = std::max(from, 1);
    const int64_t end = std::min<int64_t>(begin + std::max(count, 0), int64_t{cells} - 1);
    return {static_cast<int32_t>(begin), static_cast<int32_t>(std::max(begin, end))};
}

}  // namespace

bool CCfaImage::Load(const std::string& path)
{
    if (!Read(path))
        return false;
    Prepare();
    SetWindow(WindowLow, WindowHigh);
    return true;
}

bool CCfaImage::Read(const std::string& path)
{
    if (path.empty())
        return false;
    fileName_ = path;
    twelveBit_ = false;
    const bool read = ReadFile(ReadOnlyFile(path));
    if (!read)
        Forget();
    return read;
}

bool CCfaImage::ReadFile(const ReadOnlyFile& file)
{
    header_ = ReadCfaHeader(file);
    if (!header_)
        return false;
    width_ = header_->Width;
    height_ = header_->Height;
    // DataSize has 32 bits: a larger frame is no frame of this sensor.
    const uint64_t size = header_->SampleBytes();
    if (!header_->SamplesFit(file.Size()) || size > std::numeric_limits<uint32_t>::max())
        return false;
    const size_t count = size / 2;
    if (!samples_ || dataSize_ != size) {
        samples_.reset();
        samples_.reset(new (std::nothrow) uint16_t[count]);
        dataSize_ = samples_ ? static_cast<uint32_t>(size) : 0;
    }
    if (!samples_ || !ReadSamples(file, samples_.get(), count, CfaHeader::Size) ||
        !file.StillHolds(CfaHeader::Size + size))
        return false;
    SwapToHostOrder(samples_.get(), count);
    return true;
}

void CCfaImage::Forget()
{
    fileName_.clear();
    samples_.reset();
    header_.reset();
    dataSize_ = 0;
    twelveBit_ = false;
}

void CCfaImage::Prepare()
{
    const ImageRect black{std::max(0, OpticalBlackRect.x0), std::max(0, OpticalBlackRect.y0),
                          std::min(width_ - 1, OpticalBlackRect.x1),
                          std::min(height_ - 1, OpticalBlackRect.y1)};
    if (!samples_ || black.IsEmpty())
        return;
    // Both bounds of the clipped area are included, as the unit measures it.
    uint64_t sum = 0;
    for (int32_t y = black.y0; y <= black.y1; ++y)
        for (int32_t x = black.x0; x <= black.x1; ++x)
            sum += samples_[static_cast<size_t>(y) * width_ + x] & 0xFFF;
    const double cells = double(black.x1 - black.x0 + 1) * (black.y1 - black.y0 + 1);
    // A mean of 12-bit levels.
    const auto blackLevel = static_cast<uint16_t>(static_cast<double>(sum) / cells);
    const size_t count = size_t(width_) * size_t(height_);
    PrepareSamples(samples_.get(), count, blackLevel,
                   Gamma > 0.0 ? &gammaCurve_.TableFor(Gamma) : nullptr, histogram_);
    twelveBit_ = true;

    const double scale = 1.0 / static_cast<double>(count);
    MinLevel = LowestLevelReaching(histogram_, scale, LowCut);
    MaxLevel = HighestLevelReaching(histogram_, scale, HighCut);
    MinLevel = std::min(MinLevel, MaxLevel);
}

uint16_t CCfaImage::SetWindow(uint16_t a, uint16_t b)
{
    if (a > b)
        std::swap(a, b);
    WindowLow = a >= MinLevel ? a : MinLevel;
    WindowHigh = b <= MaxLevel ? b : MaxLevel;
    WindowRange = static_cast<uint16_t>(WindowHigh - WindowLow + 1);
    return WindowRange;
}

void CCfaImage::AutoWindow(double lowFraction, double highFraction)
{
    if (lowFraction > highFraction)
        std::swap(lowFraction, highFraction);
    const double scale = 1.0 / (double(width_) * double(height_));
    uint16_t low = LowestLevelReaching(histogram_, scale, lowFraction);
    uint16_t high = HighestLevelReaching(histogram_, scale, highFraction);
    if (low > high)
        std::swap(low, high);
    SetWindow(low, high);
}

ImageRect CCfaImage::GetVisibleRect() const
{
    ImageRect rect;
    rect.x0 = Clamp(width_ - 2, 1, 32);
    rect.x1 = std::max(rect.x0, std::min(width_ - 2, 1065));
    rect.y0 = Clamp(height_ - 2, 1, 8);
    rect.y1 = std::max(rect.y0, std::min(height_ - 2, 787));
    return rect;
}

ImagePoint CCfaImage::GetVisibleOrigin() const
{
    const ImageRect rect = GetVisibleRect();
    return {rect.x0, rect.y0};
}

ImageSize CCfaImage::GetVisibleSize() const
{
    const ImageRect rect = GetVisibleRect();
    return {rect.x1 - rect.x0, rect.y1 - rect.y0};
}

uint16_t CCfaImage::HeaderHour() const
{
    return header_ ? header_->Time.Hour : 0;
}

uint32_t CCfaImage::SampleCeiling() const
{
    return twelveBit_ ? TopLevel : std::numeric_limits<uint16_t>::max();
}

DemosaicArea CCfaImage::AreaFor(uint8_t* dest, ptrdiff_t rowStep, int x0, int y0, int w, int h,
                                int bayerPhase) const
{
    DemosaicArea area;
    area.samples = samples_.get();
    area.width = width_;
    std::tie(area.xs, area.xe) = ProcessedSpan(x0, w, width_);
    std::tie(area.ys, area.ye) = ProcessedSpan(y0, h, height_);
    area.bayerPhase = bayerPhase & 1;
    area.ceiling = SampleCeiling();
    area.dest = dest;
    area.rowStep = rowStep;
    if (!samples_ || !dest)
        area.ye = area.ys;
    return area;
}

void CCfaImage::RenderColour(uint8_t* dest, ptrdiff_t rowStep, int x0, int y0, int w, int h,
                             int bayerPhase) const
{
    const DemosaicArea area = AreaFor(dest, rowStep, x0, y0, w, h, bayerPhase);
    if (area.ys == area.ye || area.xs == area.xe)
        return;
    const ColourMapSet maps(GainsFor(Correction, HeaderHour()), WindowLow, WindowHigh, WindowRange,
                            area.ceiling);
    DemosaicColour(area, maps.Maps());
}

void CCfaImage::RenderGrey(uint8_t* dest, ptrdiff_t rowStep, int x0, int y0, int w, int h,
                           int bayerPhase) const
{
    const DemosaicArea area = AreaFor(dest, rowStep, x0, y0, w, h, bayerPhase);
    if (area.ys == area.ye || area.xs == area.xe)
        return;
    const ColourGains gains = GainsFor(Correction, HeaderHour());
    const std::vector<uint8_t> window = WindowMap(WindowLow, WindowHigh, WindowRange);
    const uint32_t ceiling = area.ceiling;
    const std::vector<double> red = WeightedLevels(0.212671 * gains.Red, ceiling);
    const std::vector<double> green = WeightedLevels(0.71516, ceiling);
    const std::vector<double> blue = WeightedLevels(0.072169 * gains.Blue, ceiling);
    DemosaicGrey(area, {red.data(), green.data(), blue.data(), window.data()});
}
