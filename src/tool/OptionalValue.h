#pragma once

#include <CLI/App.hpp>

#include <optional>
#include <string>

// An option, or positional argument, whose absence the command tells apart
// from any value: `value` holds what was given, or stays empty.
template <typename T>
CLI::Option* AddOptionalValue(CLI::App& command, const std::string& name, std::optional<T>& value)
{
    return command.add_option_function<T>(name, [&value](const T& given) { value = given; });
}
