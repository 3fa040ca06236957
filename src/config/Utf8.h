#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Conversions between UTF-8, the program's text, and Unicode code points.
class Utf8 {
public:
    static constexpr char32_t Replacement = U'\uFFFD';

    // Each byte that does not begin a well-formed sequence (overlong forms,
    // surrogates and values above U+10FFFF included) becomes Replacement.
    static std::u32string Decode(std::string_view text);
    static std::string Encode(std::u32string_view text);
    // Byte offset of the character with this index in well-formed text:
    // text.size() when the text has exactly that many characters, npos
    // when it has fewer.
    static std::size_t Offset(std::string_view text, std::size_t characters);
};
