#include "tool/PictureFile.h"

#include "base/FileBytes.h"
#include "imaging/CDibImage.h"
#include "tool/PngPicture.h"

#include <algorithm>
#include <cctype>

namespace {

bool EndsWithIgnoringCase(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

}  // namespace

bool PictureFormatFor(const std::string& path, PictureFormat& format)
{
    if (EndsWithIgnoringCase(path, ".ppm"))
        format = PictureFormat::Ppm;
    else if (EndsWithIgnoringCase(path, ".png"))
        format = PictureFormat::Png;
    else
        return false;
    return true;
}

std::string PpmBytes(const CDibImage& picture)
{
    std::string bytes = "P6\n" + std::to_string(picture.Width()) + " " +
                        std::to_string(picture.Height()) + "\n255\n";
    bytes.reserve(bytes.size() + 3 * static_cast<std::size_t>(picture.Width()) * picture.Height());
    for (int32_t row = 0; row < picture.Height(); ++row) {
        const uint8_t* pixel = picture.TopDownRow(row);
        for (int32_t x = 0; x < picture.Width(); ++x, pixel += 3) {
            bytes += static_cast<char>(pixel[2]);
            bytes += static_cast<char>(pixel[1]);
            bytes += static_cast<char>(pixel[0]);
        }
    }
    return bytes;
}

bool WritePictureFile(const CDibImage& picture, PictureFormat format, const std::string& path)
{
    const std::string bytes = format == PictureFormat::Ppm ? PpmBytes(picture) : PngBytes(picture);
    return !bytes.empty() && WriteFileBytes(path, bytes);
}
