#pragma once

#include "config/CodeNote.h"

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class XmlDocument;

// Descriptions of the private-note codes, shared by all records; kept in
// the order the codes were first described.
class CCodeNoteMap {
public:
    // 1 on success; 0 with the message in LastError. A failure resets
    // nothing: what was read before it stays.
    int LoadCodeNotes(const std::string& path);
    // 1 when the whole file was written; 0 leaves any previous file as it was.
    int SaveCodeNotes(const std::string& path) const;

    std::optional<std::string> GetNote(int code) const;
    // Replaces the note of an existing code, or appends the code at the end.
    void SetNote(int code, std::string note);
    // 1 and the entry's values for 0 <= index < GetCount(); else 0 with the
    // outputs untouched.
    int GetAt(int index, int& code, std::string& note) const;
    int GetCount() const;

    int Version = 0;        // as read; 1 when the file has no Version element
    std::string LastError;  // the full text of the last load failure

private:
    // Reads the document; the failure message, or empty on success.
    std::string ReadDocument(const XmlDocument& document);
    std::string DocumentText() const;

    std::vector<CodeNote> entries_;
    std::unordered_map<int, std::size_t> positions_;  // code -> index in entries_
};
