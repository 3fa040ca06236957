#pragma once

#include <string>

namespace testsupport {

// "2006-01-02 03:04:05": the directory name the roadside unit gives a record.
std::string RecordName(int year, int month, int day, int hour, int minute, int second);

// Creates the record directory root + name (and its parents); returns its path ending in '/'.
std::string MakeRecordDirectory(const std::string& root, const std::string& name);

// Writes "PrivateNote.txt" with exactly these bytes into a record directory (path ending in '/').
void WriteNoteFile(const std::string& recordDirectory, const std::string& bytes);

// Creates `count` record directories in root, one every `secondsApart`
// seconds from 2006-03-01 00:00:00 on; with `noteEvery` above 0, every
// noteEvery-th of them gets a note file with a code 0..9 and a short text.
void MakeRecordDirectories(const std::string& root, int count, int secondsApart, int noteEvery = 0);

}  // namespace testsupport
