#pragma once

#include <CLI/App.hpp>

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

// A whole number written in decimal digits, optionally after a minus sign,
// and nothing else, within [low, high]. CLI11's own conversion would also
// take "0x10", "010" as octal, "+7" and leading blanks, none of which an
// officer means by a frame or code number.
class WholeNumber : public CLI::Validator {
public:
    // The range of the 32-bit fields: filter masks and note codes.
    static constexpr std::int64_t Int32Low = std::numeric_limits<std::int32_t>::min();
    static constexpr std::int64_t Int32High = std::numeric_limits<std::int32_t>::max();

    WholeNumber(std::int64_t low, std::int64_t high);

    // For a number inside a composed value such as LOW:HIGH; throws
    // UsageError naming what.
    static std::int64_t Parse(std::string_view text, std::int64_t low, std::int64_t high, std::string_view what);

private:
    static std::optional<std::int64_t> Read(std::string_view text, std::int64_t low, std::int64_t high);
    static std::string Refusal(std::string_view text, std::int64_t low, std::int64_t high);
};
