// A record's "PrivateNote.txt". What is read is one line without control
// characters, and writing it back and reading again gives the same note; only
// white space leading the text is lost, since the file cannot tell it from
// the separator after the code.
#include "FuzzInputFile.h"

#include "records/PrivateNote.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool HasControl(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

std::string WithoutLeadingSpaces(const std::string& text)
{
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PrivateNote note;
    if (!ReadPrivateNote(FuzzInputFile::Write(PrivateNote::FileName, data, size), note))
        return 0;
    if (HasControl(note.NoteText))
        std::abort();
    const std::string copy = FuzzInputFile::PathOf("copy.txt");
    PrivateNote again;
    if (!WritePrivateNote(copy, note) || !ReadPrivateNote(copy, again) || again.NoteCode != note.NoteCode ||
        again.NoteText != WithoutLeadingSpaces(note.NoteText))
        std::abort();
    return 0;
}
