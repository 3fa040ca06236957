#include "document/PrivateNoteForm.h"

#include "config/CCodeNoteMap.h"

#include <charconv>
#include <utility>

namespace {

std::string_view Trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

PrivateNoteForm::PrivateNoteForm(CCodeNoteMap& codeNotes, std::int32_t code, std::string note)
    : codeNotes_(codeNotes), code_(code), note_(std::move(note))
{
    FollowCode();
}

std::string PrivateNoteForm::CodeText() const
{
    return std::to_string(code_);
}

bool PrivateNoteForm::SetCodeText(std::string_view text)
{
    const std::optional<std::int32_t> code = ParseWholeNumber(text);
    if (!code)
        return false;
    code_ = *code;
    FollowCode();
    return true;
}

void PrivateNoteForm::SetNote(std::string note)
{
    note_ = std::move(note);
}

CodeDescription PrivateNoteForm::DescriptionToEdit() const
{
    return {CodeText(), description_};
}

void PrivateNoteForm::AcceptDescription(std::string description)
{
    description_ = std::move(description);
    codeNotes_.SetNote(code_, description_);
}

std::optional<std::int32_t> PrivateNoteForm::ParseWholeNumber(std::string_view text)
{
    text = Trimmed(text);
    // from_chars takes a minus sign only; a plus sign is as good, but not both.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

void PrivateNoteForm::FollowCode()
{
    description_ = codeNotes_.GetNote(code_).value_or(std::string());
}
