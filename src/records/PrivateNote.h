#pragma once

#include <cstdint>
#include <string>

// A record's note code and one line of text, kept in "PrivateNote.txt" inside
// the record directory: the code in decimal, then, only for a non-empty text,
// one space, the text and a line end.
struct PrivateNote {
    static constexpr const char* FileName = "PrivateNote.txt";

    std::int32_t NoteCode = 0;
    std::string NoteText;  // bytes kept as they are; no control characters
};

// Fills the note from the file; false (code 0, empty text) when the file is
// missing, is no regular file or does not start with a number.
bool ReadPrivateNote(const std::string& path, PrivateNote& note);
// Replaces the file as a whole; control characters of the text are left out,
// since the reader drops them and would stop at a line end. False when the
// file could not be written; the old file then stays.
bool WritePrivateNote(const std::string& path, const PrivateNote& note);
