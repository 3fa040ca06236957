#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

class ReadOnlyFile;

// The bytes of a file from its start, one at a time, for parsers that look
// one byte ahead. The file is read in blocks, so a long file costs no more
// memory than a short one.
class FileByteStream {
public:
    static constexpr int End = -1;

    explicit FileByteStream(const ReadOnlyFile& file) : file_(file) {}

    // The byte at the current place; End past the last byte or after a read error.
    int Peek();
    // Moves past the byte Peek() gives.
    void Skip() { ++position_; }

private:
    const ReadOnlyFile& file_;
    std::array<unsigned char, 4096> block_{};
    std::uint64_t blockStart_ = 0;
    std::size_t blockSize_ = 0;
    std::uint64_t position_ = 0;
};
