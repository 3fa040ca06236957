#pragma once

#include <string>

// Writes the bytes to the file whole or not at all: a failed write leaves any
// previous file as it was.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
