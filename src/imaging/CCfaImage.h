#pragma once

#include "imaging/GammaCurve.h"
#include "imaging/ImagePoint.h"
#include "imaging/ImageRect.h"
#include "imaging/ImageSize.h"
#include "records/CfaHeader.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

struct DemosaicArea;
class ReadOnlyFile;

// One raw lane frame (a ".CFA" file: 256-byte header, then W x H 16-bit
// little-endian samples from the top sensor row, 12 bits used) and the state
// that turns it into a picture. One object is reused frame after frame: the
// window, cut fractions, gamma and correction mode carry over.
class CCfaImage {
public:
    static constexpr int LevelCount = 4096;
    static constexpr uint16_t TopLevel = 4095;
    // Columns 1070..1140 of rows 12..780 measure the black level.
    static constexpr ImageRect OpticalBlackRect{1070, 12, 1140, 780};

    CCfaImage() = default;
    ~CCfaImage() = default;
    CCfaImage(const CCfaImage&) = delete;
    CCfaImage& operator=(const CCfaImage&) = delete;

    // Read, then Prepare, then re-apply the kept window clamped to the new
    // level bounds.
    bool Load(const std::string& path);
    // Reads header and samples; an empty path fails and changes nothing. Any
    // other failure (missing file, something other than a regular file, zero
    // width or height, a file shorter than its header claims) leaves no file
    // name, samples or header.
    bool Read(const std::string& path);
    // Black level from the optical-black area, optional gamma, histogram and
    // level bounds. A frame without that area keeps its raw samples and the
    // previous histogram and bounds.
    void Prepare();

    // Window from two levels in either order, clamped to MinLevel..MaxLevel;
    // returns the new WindowRange.
    uint16_t SetWindow(uint16_t a, uint16_t b);
    // Window from the histogram: the darkest lowFraction and the brightest
    // highFraction of the samples fall outside it.
    void AutoWindow(double lowFraction, double highFraction);

    ImageRect GetVisibleRect() const;
    ImagePoint GetVisibleOrigin() const;
    ImageSize GetVisibleSize() const;

    // Demosaics the sensor rectangle at (x0, y0) of w x h cells, leaving out the
    // outermost sensor rows and columns, into 24-bit blue-green-red rows: the
    // first processed row at dest, each next one rowStep bytes further
    // (negative for bottom-up pictures). At most w x h pixels are written.
    // bayerPhase (0 or 1) is the parity of the rows that hold red; the program
    // renders with 1. Nothing is written when there are no samples.
    void RenderColour(uint8_t* dest, ptrdiff_t rowStep, int x0, int y0, int w, int h,
                      int bayerPhase) const;
    // As RenderColour, with one grey value per pixel in all three bytes.
    void RenderGrey(uint8_t* dest, ptrdiff_t rowStep, int x0, int y0, int w, int h,
                    int bayerPhase) const;

    // The path of the last read; empty when there is none.
    const std::string& FileName() const { return fileName_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    // Byte size of the sample buffer (2 x W x H); 0 when there is none.
    uint32_t DataSize() const { return dataSize_; }
    // W x H samples, rewritten in place by Prepare; null when there are none.
    const uint16_t* Samples() const { return samples_.get(); }
    // The header as read; null when there is none.
    const CfaHeader* Header() const { return header_ ? &*header_ : nullptr; }
    // The hour of capture from the header; 0 without a header.
    uint16_t HeaderHour() const;
    // Prepared samples at each level 0..4095 of the last prepared frame.
    const std::array<uint32_t, LevelCount>& Histogram() const { return histogram_; }

    // Level bounds found by Prepare.
    uint16_t MinLevel = 0;
    uint16_t MaxLevel = TopLevel;
    // Histogram fractions for MinLevel and MaxLevel.
    double LowCut = 0.0;
    double HighCut = 0.0001;
    // Display window: levels at or below WindowLow are black, at or above
    // WindowHigh white. SetWindow and AutoWindow keep WindowRange in step.
    uint16_t WindowLow = 0;
    uint16_t WindowHigh = TopLevel;
    uint16_t WindowRange = LevelCount;
    // Gamma exponent; 0.0 (or anything not above 0) is off.
    double Gamma = 0.0;
    // ColourCorrection: 0 Without, 1 Day, 2 Night, 3 Automatic.
    int32_t Correction = 0;

private:
    bool ReadFile(const ReadOnlyFile& file);
    void Forget();
    uint32_t SampleCeiling() const;
    DemosaicArea AreaFor(uint8_t* dest, ptrdiff_t rowStep, int x0, int y0, int w, int h,
                         int bayerPhase) const;

    std::string fileName_;
    int32_t width_ = 0;
    int32_t height_ = 0;
    uint32_t dataSize_ = 0;
    std::unique_ptr<uint16_t[]> samples_;
    std::optional<CfaHeader> header_;
    std::array<uint32_t, LevelCount> histogram_{};
    // True while every sample is a prepared 12-bit level; raw samples of a
    // frame that was not prepared may use all 16 bits.
    bool twelveBit_ = false;
    GammaCurve gammaCurve_;
};
