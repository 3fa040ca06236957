#pragma once

#include <string>

class RecordDirectory;

// Selects the visible row of the record with this name, found ignoring case,
// as picking its row in the records list does; -1 (nothing selected) when no
// visible record has that name. The store's filter decides what is visible.
int SelectRecordByName(RecordDirectory& records, const std::string& name);
