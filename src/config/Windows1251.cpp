#include "config/Windows1251.h"

#include <algorithm>
#include <iterator>

namespace {

// Code points of the bytes 0x80..0xBF; 0x98 has none. The bytes 0xC0..0xFF
// are the letters U+0410..U+044F in order.
constexpr char16_t UpperHalf[64] = {
    u'\u0402', u'\u0403', u'\u201A', u'\u0453', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u20AC', u'\u2030', u'\u0409', u'\u2039', u'\u040A', u'\u040C', u'\u040B', u'\u040F',
    u'\u0452', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    0,         u'\u2122', u'\u0459', u'\u203A', u'\u045A', u'\u045C', u'\u045B', u'\u045F',
    u'\u00A0', u'\u040E', u'\u045E', u'\u0408', u'\u00A4', u'\u0490', u'\u00A6', u'\u00A7',
    u'\u0401', u'\u00A9', u'\u0404', u'\u00AB', u'\u00AC', u'\u00AD', u'\u00AE', u'\u0407',
    u'\u00B0', u'\u00B1', u'\u0406', u'\u0456', u'\u0491', u'\u00B5', u'\u00B6', u'\u00B7',
    u'\u0451', u'\u2116', u'\u0454', u'\u00BB', u'\u0458', u'\u0405', u'\u0455', u'\u0457',
};

std::optional<char> Byte(char32_t c)
{
    if (c < 0x80)
        return static_cast<char>(c);
    if (c >= 0x410 && c <= 0x44F)
        return static_cast<char>(0xC0 + (c - 0x410));
    const auto* found = std::find(std::begin(UpperHalf), std::end(UpperHalf), c);
    if (found == std::end(UpperHalf))
        return std::nullopt;
    return static_cast<char>(0x80 + (found - std::begin(UpperHalf)));
}

}  // namespace

std::optional<std::string> Windows1251::Encode(std::u32string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (const char32_t c : text) {
        const std::optional<char> byte = Byte(c);
        if (!byte)
            return std::nullopt;
        result.push_back(*byte);
    }
    return result;
}
