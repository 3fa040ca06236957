#include "config/Utf8.h"

namespace {

// Length of the well-formed sequence at text[at], or 0.
std::size_t SequenceLength(std::string_view text, std::size_t at, char32_t& value)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        value = lead;
        return 1;
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    value = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    static constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool valid = value >= smallest[length] && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
    return valid ? length : 0;
}

}  // namespace

std::u32string Utf8::Decode(std::string_view text)
{
    std::u32string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t value = 0;
        const std::size_t length = SequenceLength(text, at, value);
        result.push_back(length ? value : Replacement);
        at += length ? length : 1;
    }
    return result;
}

std::string Utf8::Encode(std::u32string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (const char32_t c : text) {
        if (c < 0x80) {
            result.push_back(static_cast<char>(c));
            continue;
        }
        const int trailing = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        static constexpr unsigned char leads[] = {0, 0xC0, 0xE0, 0xF0};
        result.push_back(static_cast<char>(leads[trailing] | (c >> (6 * trailing))));
        for (int i = trailing - 1; i >= 0; --i)
            result.push_back(static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F)));
    }
    return result;
}

std::size_t Utf8::Offset(std::string_view text, std::size_t characters)
{
    std::size_t seen = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if ((static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
            continue;  // a continuation byte belongs to the character before it
        if (seen++ == characters)
            return at;
    }
    return seen == characters ? text.size() : std::string_view::npos;
}
