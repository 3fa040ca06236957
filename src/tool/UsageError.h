#pragma once

#include <stdexcept>
#include <string>

// Wrong arguments: the tool prints the message and the command's usage and
// ends with status 2.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const std::string& message) : std::runtime_error(message) {}
};
