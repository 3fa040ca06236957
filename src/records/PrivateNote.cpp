#include "records/PrivateNote.h"

#include "base/AtomicFileWriter.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Only these count: every other byte, 0xFF and the bytes of UTF-8 sequences
// included, is text.
bool IsControl(int byte)
{
    return byte < 0x20 || byte == 0x7F;
}

bool IsSpace(int byte)
{
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' || byte == '\r';
}

bool IsDigit(int byte)
{
    return byte >= '0' && byte <= '9';
}

// A decimal integer after optional white space, as "%d" reads it; a value
// beyond the 32-bit range is held at its limit.
bool ReadCode(std::FILE* file, std::int32_t& code)
{
    int byte = std::getc(file);
    while (IsSpace(byte))
        byte = std::getc(file);
    const bool negative = byte == '-';
    if (byte == '-' || byte == '+')
        byte = std::getc(file);
    if (!IsDigit(byte))
        return false;
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    for (; IsDigit(byte); byte = std::getc(file))
        value = std::min(value * 10 + (byte - '0'), limit);
    std::ungetc(byte, file);
    value = negative ? -value : std::min<std::int64_t>(value, limit - 1);
    code = static_cast<std::int32_t>(value);
    return true;
}

// The rest of the first line without its control characters; white space
// right after the number is not part of the text.
std::string ReadText(std::FILE* file)
{
    int byte = std::getc(file);
    while (byte != '\n' && IsSpace(byte))
        byte = std::getc(file);
    std::string text;
    for (; byte != EOF && byte != '\n'; byte = std::getc(file)) {
        if (!IsControl(byte))
            text += static_cast<char>(byte);
    }
    return text;
}

std::string WithoutControls(const std::string& text)
{
    std::string kept;
    for (const char c : text) {
        if (!IsControl(static_cast<unsigned char>(c)))
            kept += c;
    }
    return kept;
}

}  // namespace

bool ReadPrivateNote(const std::string& path, PrivateNote& note)
{
    note = PrivateNote{};
    const File file(std::fopen(path.c_str(), "r"));
    if (!file || !ReadCode(file.get(), note.NoteCode))
        return false;
    note.NoteText = ReadText(file.get());
    return true;
}

bool WritePrivateNote(const std::string& path, const PrivateNote& note)
{
    const std::string text = WithoutControls(note.NoteText);
    std::string contents = std::to_string(note.NoteCode);
    if (!text.empty())
        contents += " " + text + "\n";
    AtomicFileWriter writer(path);
    return writer.Write(contents) && writer.Commit();
}
