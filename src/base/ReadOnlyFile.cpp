#include "base/ReadOnlyFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReadOnlyFile::ReadOnlyFile(const std::string& path)
    : fd_(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY))
{
    struct stat status {};
    if (fd_ >= 0 && fstat(fd_, &status) == 0 && S_ISREG(status.st_mode)) {
        size_ = static_cast<std::uint64_t>(status.st_size);
        return;
    }
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
}

ReadOnlyFile::~ReadOnlyFile()
{
    if (fd_ >= 0)
        close(fd_);
}

std::size_t ReadOnlyFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t size) const
{
    std::size_t done = 0;
    while (fd_ >= 0 && done < size) {
        const ssize_t got = pread(fd_, static_cast<char*>(buffer) + done, size - done,
                                  static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

bool ReadOnlyFile::StillHolds(std::uint64_t size) const
{
    struct stat status {};
    return fd_ >= 0 && fstat(fd_, &status) == 0 && static_cast<std::uint64_t>(status.st_size) >= size;
}
