#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A regular file opened for reading bytes at given offsets. Anything else (a
// directory, a pipe, a device) does not open, so a read never blocks.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const std::string& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    std::uint64_t Size() const { return size_; }
    // How many bytes were read at the offset: size, or fewer at the end of the file or on an error.
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t size) const;
    // Whether the file still holds size bytes. A read that overlaps another
    // process cutting the file short can return zeros for the bytes cut off
    // instead of ending early; the file's size afterwards tells.
    bool StillHolds(std::uint64_t size) const;

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};
