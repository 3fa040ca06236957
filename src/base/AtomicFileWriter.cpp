#include "base/AtomicFileWriter.h"

#include <cstdlib>
#include <unistd.h>
#include <sys/stat.h>

AtomicFileWriter::AtomicFileWriter(std::string target) : target_(std::move(target))
{
    temporary_ = target_ + ".XXXXXX";
    const int fd = mkstemp(temporary_.data());
    if (fd < 0) {
        temporary_.clear();
        return;
    }
    // mkstemp makes the file private; a written file gets the usual mode.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    stream_ = fdopen(fd, "w");
    if (!stream_) {
        close(fd);
        Discard();
    }
}

AtomicFileWriter::~AtomicFileWriter()
{
    Discard();
}

bool AtomicFileWriter::Write(const std::string& text)
{
    return stream_ && std::fwrite(text.data(), 1, text.size(), stream_) == text.size() &&
           !std::ferror(stream_);
}

bool AtomicFileWriter::Commit()
{
    if (!stream_)
        return false;
    const bool written = std::fflush(stream_) == 0 && !std::ferror(stream_) && fsync(fileno(stream_)) == 0;
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (!written || !closed || std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        Discard();
        return false;
    }
    temporary_.clear();
    return true;
}

void AtomicFileWriter::Discard()
{
    if (stream_) {
        std::fclose(stream_);
        stream_ = nullptr;
    }
    if (!temporary_.empty()) {
        unlink(temporary_.c_str());
        temporary_.clear();
    }
}
