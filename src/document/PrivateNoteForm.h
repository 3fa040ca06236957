#pragma once

#include "document/CodeDescription.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class CCodeNoteMap;

// The private note dialog without its controls: the record's code and text,
// and the shared description of the code, which follows the code as the
// user types it.
class PrivateNoteForm {
public:
    PrivateNoteForm(CCodeNoteMap& codeNotes, std::int32_t code, std::string note);

    std::int32_t Code() const { return code_; }
    const std::string& Note() const { return note_; }
    // The code-note map's text for the code; empty when it has none.
    const std::string& Description() const { return description_; }
    std::string CodeText() const;

    // The code edit's text changed. A whole number becomes the code and the
    // description follows it; any other text is refused (false, and the
    // dialog shows its integer-entry message) and the code keeps its value.
    bool SetCodeText(std::string_view text);
    void SetNote(std::string note);

    // The "..." button: what the description dialog starts with.
    CodeDescription DescriptionToEdit() const;
    // The description dialog ended with OK: the text is the code's
    // description in the map at once, whatever becomes of this dialog.
    void AcceptDescription(std::string description);

    // Leading and trailing blanks allowed, an optional sign, digits, within
    // 32 bits; nothing otherwise.
    static std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

private:
    void FollowCode();

    CCodeNoteMap& codeNotes_;
    std::int32_t code_;
    std::string note_;
    std::string description_;
};
