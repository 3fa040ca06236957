#pragma once

#include <string>

class RecordDirectory;

// The records list's line for a visible row: the record time in local time as
// "%d-%m-%Y %H:%M:%S" (empty when it cannot be converted), and in the private
// notes mode the note code as "(3)" and a "+" for a note with text, when the
// record has a readable note.
std::string RecordListText(const RecordDirectory& records, int row, bool privateNotesMode);
