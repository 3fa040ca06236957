#pragma once

#include <optional>
#include <string>

// The whole of a regular file, through the checked reader; none for anything
// else (missing, unreadable, a pipe, a directory) or a read cut short.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Writes the bytes to the file whole or not at all: a failed write leaves any
// previous file as it was.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
