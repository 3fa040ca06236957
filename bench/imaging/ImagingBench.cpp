#include "BenchMain.h"

#include "imaging/CCfaImage.h"
#include "imaging/CDibImage.h"
#include "imaging/CpuFeatures.h"
#include "imaging/FilterKernels.h"
#include "imaging/RotateImage90.h"

#include "CfaFileWriter.h"
#include "TempDir.h"

#include <benchmark/benchmark.h>

#ifdef VANTREL_HAVE_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// One lane frame as the roadside unit writes it (or a small one for the smoke
// run), its file in the page cache, and its rendered picture.
struct Fixture {
    testsupport::TempDir dir;
    testsupport::CfaFile file;
    std::string path;
    CDibImage picture;
};

std::unique_ptr<Fixture> fixture;

testsupport::CfaFile LaneFrame(uint16_t width, uint16_t height)
{
    testsupport::CfaFile file{testsupport::LaneFrameHeader(width, height), {}};
    std::mt19937 random(7);
    std::uniform_int_distribution<int> noise(0, 60);
    for (uint32_t y = 0; y < height; ++y)
        for (uint32_t x = 0; x < width; ++x)
            file.samples.push_back(x >= 1070 ? static_cast<uint16_t>(180 + noise(random))
                                             : static_cast<uint16_t>(200 + (x * 3 + y * 5) % 3500 +
                                                                     noise(random)));
    return file;
}

// Load (read, prepare, window), then the automatic window and the colour
// picture: what the detailed view does on every change of a setting.
void RenderFrame(CCfaImage& image, CDibImage& picture, const std::string& path)
{
    image.Load(path);
    image.AutoWindow(0.0, 0.01);
    const ImagePoint origin = image.GetVisibleOrigin();
    const ImageSize size = image.GetVisibleSize();
    if (picture.Width() != size.width || picture.Height() != size.height)
        picture.Create(size.width, size.height);
    image.RenderColour(picture.TopDownRow(0), -picture.Stride(), origin.x, origin.y, size.width,
                       size.height, 1);
}

void BenchRender(benchmark::State& state, double gamma)
{
    CCfaImage image;
    image.Correction = 1;
    image.Gamma = gamma;
    CDibImage picture;
    for (auto _ : state) {
        RenderFrame(image, picture, fixture->path);
        benchmark::DoNotOptimize(picture.Bits());
    }
}

// The least any re-render must do: the frame's bytes in, the picture's out.
void BenchRenderCopyFloor(benchmark::State& state)
{
    const size_t frameBytes = fixture->file.samples.size() * 2;
    std::vector<uint8_t> frame(frameBytes), copy(frameBytes);
    std::vector<uint8_t> picture(fixture->picture.Info().SizeImage);
    for (auto _ : state) {
        std::memcpy(copy.data(), frame.data(), frameBytes);
        std::memset(picture.data(), 0x80, picture.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::DoNotOptimize(picture.data());
    }
}

void BenchConvolve(benchmark::State& state)
{
    CDibImage& picture = fixture->picture;
    std::vector<uint8_t> original(picture.Bits(), picture.Bits() + picture.Info().SizeImage);
    for (auto _ : state) {
        picture.Convolve(FilterKernel(1), FilterKernelSize, 1);
        benchmark::DoNotOptimize(picture.Bits());
    }
    std::memcpy(picture.Bits(), original.data(), original.size());
}

void BenchRotate(benchmark::State& state)
{
    for (auto _ : state) {
        auto turned = RotateImage90(fixture->picture, RotateClockwise);
        benchmark::DoNotOptimize(turned->Bits());
    }
}

void BenchPictureCopyFloor(benchmark::State& state)
{
    const CDibImage& picture = fixture->picture;
    std::vector<uint8_t> copy(picture.Info().SizeImage);
    for (auto _ : state) {
        std::memcpy(copy.data(), picture.Bits(), copy.size());
        benchmark::DoNotOptimize(copy.data());
    }
}

#ifdef VANTREL_HAVE_OPENCV
// OpenCV's bilinear demosaic of the same 16-bit mosaic plus its 8-bit conversion.
void BenchOpenCvRender(benchmark::State& state)
{
    cv::setNumThreads(2);
    const testsupport::CfaFile& file = fixture->file;
    cv::Mat mosaic(file.header.Height, file.header.Width, CV_16UC1,
                   const_cast<uint16_t*>(file.samples.data()));
    cv::Mat colour, bytes;
    for (auto _ : state) {
        cv::cvtColor(mosaic, colour, cv::COLOR_BayerBG2BGR);
        cv::convertScaleAbs(colour, bytes, 255.0 / 4095.0);
        benchmark::DoNotOptimize(bytes.data);
    }
}

void BenchOpenCvFilter(benchmark::State& state)
{
    cv::setNumThreads(2);
    const CDibImage& picture = fixture->picture;
    cv::Mat source(picture.Height(), picture.Width(), CV_8UC3,
                   const_cast<uint8_t*>(picture.Bits()), static_cast<size_t>(picture.Stride()));
    cv::Mat kernel(3, 3, CV_32S, const_cast<int32_t*>(FilterKernel(1)));
    cv::Mat kernelFloat, filtered;
    kernel.convertTo(kernelFloat, CV_32F);
    for (auto _ : state) {
        cv::filter2D(source, filtered, -1, kernelFloat);
        benchmark::DoNotOptimize(filtered.data);
    }
}
#endif

// The "model name" of the first processor in /proc/cpuinfo.
std::string ProcessorName()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    const std::string key = "model name";
    for (std::string line; std::getline(cpuinfo, line);) {
        const size_t colon = line.find(':');
        if (line.compare(0, key.size(), key) == 0 && colon != std::string::npos)
            return line.substr(colon + std::min<size_t>(2, line.size() - colon));
    }
    return "unknown";
}

const char* ColourRowPath()
{
#if defined(__x86_64__)
    return CpuHasAvx512() ? "AVX-512" : CpuHasAvx2() ? "AVX2" : "portable (SSE2 colour rows)";
#else
    return "portable";
#endif
}

}  // namespace

void bench::RegisterBenchmarks(bool smoke)
{
    fixture = std::make_unique<Fixture>();
    fixture->file = smoke ? LaneFrame(80, 40) : LaneFrame(1144, 790);
    fixture->path = fixture->dir.Make("frame.CFA");
    testsupport::WriteCfaFile(fixture->path, fixture->file);
    CCfaImage image;
    RenderFrame(image, fixture->picture, fixture->path);

    // Every peer is measured alike: warmed up first (page cache, OpenCV's
    // thread pool and buffers), then repeated, and the ratios use the median.
    const auto add = [smoke](const char* name, auto function) {
        auto* b = benchmark::RegisterBenchmark(name, function);
        b->Unit(benchmark::kMicrosecond);
        if (smoke)
            b->Iterations(1);
        else
            b->MinWarmUpTime(0.2)->MinTime(0.5)->Repetitions(5)->ReportAggregatesOnly();
    };
    add("Render", [](benchmark::State& s) { BenchRender(s, 0.0); });
    add("RenderGamma", [](benchmark::State& s) { BenchRender(s, 2.2); });
    add("RenderCopyFloor", BenchRenderCopyFloor);
    add("ConvolveSharpen", BenchConvolve);
    add("RotateClockwise", BenchRotate);
    add("PictureCopyFloor", BenchPictureCopyFloor);
#ifdef VANTREL_HAVE_OPENCV
    add("OpenCvDemosaic", BenchOpenCvRender);
    add("OpenCvFilter2D", BenchOpenCvFilter);
#endif
}

void bench::ReportRatios(const bench::Times& times)
{
    // A ratio is read with the machine and the path it came from.
    std::printf("processor: %s\ncolour rows: %s\n", ProcessorName().c_str(), ColourRowPath());
    bench::PrintRatio(times, "full re-render against OpenCV demosaic", "Render", "OpenCvDemosaic");
    bench::PrintRatio(times, "full re-render against copy floor", "Render", "RenderCopyFloor");
    bench::PrintRatio(times, "gamma on against gamma off", "RenderGamma", "Render");
    bench::PrintRatio(times, "sharpen against OpenCV filter2D", "ConvolveSharpen", "OpenCvFilter2D");
    bench::PrintRatio(times, "rotation against copy floor", "RotateClockwise", "PictureCopyFloor");
}
