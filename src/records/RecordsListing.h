#pragma once

#include <string>

class CCodeNoteMap;
class RecordDirectory;

// The path the listing is written to: the chosen one, with ".txt" appended when
// it holds no full stop anywhere.
std::string ListingPath(const std::string& chosenPath);

// Writes the plain-text records listing: the legend of described note codes,
// then the unprocessed, confirmed and rejected records of the last scan, each
// in time order with its locale time text and its private note. The file
// replaces an older one only when it was written whole; false otherwise.
bool WriteRecordsListing(const RecordDirectory& records, const CCodeNoteMap& codeNotes,
                         const std::string& chosenPath);
