#include "tool/WholeNumber.h"

#include "tool/UsageError.h"

#include <charconv>
#include <string>

WholeNumber::WholeNumber(std::int64_t low, std::int64_t high)
    : CLI::Validator(
          [low, high](std::string& text) { return Read(text, low, high) ? std::string() : Refusal(text, low, high); },
          "N")
{
}

std::int64_t WholeNumber::Parse(std::string_view text, std::int64_t low, std::int64_t high, std::string_view what)
{
    const auto value = Read(text, low, high);
    if (!value)
        throw UsageError(std::string(what) + ": " + Refusal(text, low, high));
    return *value;
}

std::optional<std::int64_t> WholeNumber::Read(std::string_view text, std::int64_t low, std::int64_t high)
{
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

std::string WholeNumber::Refusal(std::string_view text, std::int64_t low, std::int64_t high)
{
    return "must be a whole number from " + std::to_string(low) + " to " + std::to_string(high) + ": '" +
           std::string(text) + "'";
}
