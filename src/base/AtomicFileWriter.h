#pragma once

#include <cstdio>
#include <string>

// Writes a file so that readers only ever see the old or the complete new one:
// the text goes to a temporary file beside the target, which replaces the
// target only when every write succeeded and the data reached the disk.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::string target);
    ~AtomicFileWriter();  // discards the temporary file unless committed
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // The stream to write to; null when the temporary file could not be made.
    std::FILE* Stream() const { return stream_; }
    bool Write(const std::string& text);
    // Flushes, closes and renames into place; false leaves the target as it was.
    bool Commit();

private:
    void Discard();

    std::string target_;
    std::string temporary_;
    std::FILE* stream_ = nullptr;
};
