#include "records/PrivateNote.h"

#include "base/FileBytes.h"
#include "records/FileByteStream.h"
#include "base/ReadOnlyFile.h"

#include <algorithm>
#include <limits>

namespace {

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
bool ReadCode(FileByteStream& bytes, std::int32_t& code)
{
    while (IsSpace(bytes.Peek()))
        bytes.Skip();
    const bool negative = bytes.Peek() == '-';
    if (negative || bytes.Peek() == '+')
        bytes.Skip();
    if (!IsDigit(bytes.Peek()))
        return false;
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t value = 0;
    for (; IsDigit(bytes.Peek()); bytes.Skip())
        value = std::min(value * 10 + (bytes.Peek() - '0'), limit);
    value = negative ? -value : std::min<std::int64_t>(value, limit - 1);
    code = static_cast<std::int32_t>(value);
    return true;
}

// The rest of the first line without its control characters; white space
// right after the number is not part of the text.
std::string ReadText(FileByteStream& bytes)
{
    while (bytes.Peek() != '\n' && IsSpace(bytes.Peek()))
        bytes.Skip();
    std::string text;
    for (int byte = bytes.Peek(); byte != FileByteStream::End && byte != '\n'; bytes.Skip(), byte = bytes.Peek()) {
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
    const ReadOnlyFile file(path);
    FileByteStream bytes(file);
    if (!ReadCode(bytes, note.NoteCode))
        return false;
    note.NoteText = ReadText(bytes);
    return true;
}

bool WritePrivateNote(const std::string& path, const PrivateNote& note)
{
    const std::string text = WithoutControls(note.NoteText);
    std::string contents = std::to_string(note.NoteCode);
    if (!text.empty())
        contents += " " + text + "\n";
    return WriteFileBytes(path, contents);
}
