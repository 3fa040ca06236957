#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The loaders take paths, so an input reaches them through a file. Files live
// in a directory of this process's own, made on first use and removed at
// exit: two fuzzers side by side never read each other's input.
class FuzzInputFile {
public:
    // The path of `name` in the directory, now holding exactly these bytes.
    static std::string Write(const std::string& name, const std::uint8_t* data, std::size_t size);
    // The path of `name` in the directory, for a file the target writes itself.
    static std::string PathOf(const std::string& name);
};
