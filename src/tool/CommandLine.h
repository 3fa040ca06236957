#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One option a subcommand accepts: "--name", with one value after it or none.
struct OptionDefinition {
    std::string Name;  // with the leading "--"
    bool TakesValue = false;
};

// The arguments after the subcommand: options by name, in the order given,
// and the positional arguments. Anything the definitions do not name is a usage
// error, as is an option that lacks its value. A lone "-", a word starting
// with "-" and a digit (a negative note code) and everything after "--" are
// positional.
class CommandLine {
public:
    CommandLine(const std::vector<std::string>& arguments, const std::vector<OptionDefinition>& definitions);

    const std::vector<std::string>& Positionals() const { return positionals_; }
    bool Has(std::string_view name) const;
    // The last value given for the option, or nothing.
    std::optional<std::string> Value(std::string_view name) const;
    // Every value given for the option, in order.
    std::vector<std::string> Values(std::string_view name) const;

private:
    std::vector<std::string> positionals_;
    std::map<std::string, std::vector<std::string>, std::less<>> options_;
};

// Whole-text conversions for option values; a text that is not one, or lies
// outside [low, high], is a usage error naming what.
std::int64_t ParseInteger(std::string_view text, std::int64_t low, std::int64_t high,
                          std::string_view what);
double ParseNonNegative(std::string_view text, std::string_view what);
