#pragma once

#include <optional>
#include <string>
#include <string_view>

// The Cyrillic 8-bit code page in which the configuration files are kept.
class Windows1251 {
public:
    // The text in windows-1251, or none when a character has no byte there.
    static std::optional<std::string> Encode(std::u32string_view text);
};
