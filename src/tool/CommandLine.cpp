#include "tool/CommandLine.h"

#include "tool/UsageError.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

bool IsOption(const std::string& argument)
{
    return argument.size() > 1 && argument[0] == '-' &&
           !std::isdigit(static_cast<unsigned char>(argument[1]));
}

const OptionDefinition& FindDefinition(const std::vector<OptionDefinition>& definitions, const std::string& name)
{
    const auto found = std::find_if(definitions.begin(), definitions.end(),
                                   [&](const OptionDefinition& d) { return d.Name == name; });
    if (found == definitions.end())
        throw UsageError("unknown option " + name);
    return *found;
}

}  // namespace

CommandLine::CommandLine(const std::vector<std::string>& arguments,
                         const std::vector<OptionDefinition>& definitions)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !IsOption(argument)) {
            positionals_.push_back(argument);
            continue;
        }
        const OptionDefinition& definition = FindDefinition(definitions, argument);
        std::vector<std::string>& values = options_[definition.Name];
        if (!definition.TakesValue) {
            values.emplace_back();
            continue;
        }
        if (++i == arguments.size())
            throw UsageError("option " + definition.Name + " needs a value");
        values.push_back(arguments[i]);
    }
}

bool CommandLine::Has(std::string_view name) const
{
    return options_.find(name) != options_.end();
}

std::optional<std::string> CommandLine::Value(std::string_view name) const
{
    const auto found = options_.find(name);
    if (found == options_.end())
        return std::nullopt;
    return found->second.back();
}

std::vector<std::string> CommandLine::Values(std::string_view name) const
{
    const auto found = options_.find(name);
    return found == options_.end() ? std::vector<std::string>{} : found->second;
}

std::int64_t ParseInteger(std::string_view text, std::int64_t low, std::int64_t high,
                          std::string_view what)
{
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || value < low || value > high)
        throw UsageError(std::string(what) + " must be a whole number from " +
                         std::to_string(low) + " to " + std::to_string(high) + ": '" +
                         std::string(text) + "'");
    return value;
}

double ParseNonNegative(std::string_view text, std::string_view what)
{
    const std::string copy(text);
    char* stop = nullptr;
    const double value = std::strtod(copy.c_str(), &stop);
    if (copy.empty() || *stop != '\0' || !std::isfinite(value) || value < 0.0)
        throw UsageError(std::string(what) + " must be a number of at least 0: '" + copy + "'");
    return value;
}
