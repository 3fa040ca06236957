#include "config/CCodeNoteMap.h"

#include "config/XmlDocument.h"
#include "config/XmlFileText.h"

int CCodeNoteMap::LoadCodeNotes(const std::string& path)
{
    entries_.clear();
    positions_.clear();
    std::string message;
    try {
        const XmlDocument document(path);
        message = document.Loaded() ? ReadDocument(document) : document.Failure();
    } catch (...) {
        message = XmlDocument::UnknownError;
    }
    if (message.empty())
        return 1;
    LastError = XmlDocument::LoadErrorText(path, message);
    return 0;
}

std::string CCodeNoteMap::ReadDocument(const XmlDocument& document)
{
    const xmlNode* root = document.Root();
    const xmlNode* version = XmlDocument::Child(root, "Version");
    Version = version ? XmlDocument::LeadingInteger(XmlDocument::Text(version)) : 1;
    const xmlNode* map = XmlDocument::Child(root, "CodeNoteMap");
    if (!map)
        return XmlDocument::InvalidPointerError;
    for (const xmlNode* element : XmlDocument::ListElements(map)) {
        if (!XmlDocument::IsNamed(element, "Code"))
            continue;
        const int code = XmlDocument::LeadingInteger(XmlDocument::Attribute(element, "value").value_or(""));
        SetNote(code, XmlDocument::Attribute(element, "Note").value_or(""));
    }
    return {};
}

int CCodeNoteMap::SaveCodeNotes(const std::string& path) const
{
    try {
        return XmlFileText::Save(path, DocumentText()) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

std::string CCodeNoteMap::DocumentText() const
{
    std::string text = XmlFileText::Preamble("VantrelControl.codenote", "Orvane Vantrel Control, Version 1.1", false);
    text += "  <Version> " + std::to_string(Version) + " </Version>\n";
    text += "  <CodeNoteMap>\n";
    for (const CodeNote& entry : entries_)
        text += "    <Code value=\"" + std::to_string(entry.code) + "\" Note=\"" + XmlFileText::Attribute(entry.note) +
                "\" />\n";
    text += "  </CodeNoteMap>\n";
    text += "</VantrelControl>\n";
    return text;
}

std::optional<std::string> CCodeNoteMap::GetNote(int code) const
{
    const auto found = positions_.find(code);
    if (found == positions_.end())
        return std::nullopt;
    return entries_[found->second].note;
}

void CCodeNoteMap::SetNote(int code, std::string note)
{
    const auto [position, added] = positions_.try_emplace(code, entries_.size());
    if (added)
        entries_.push_back(CodeNote{code, std::move(note)});
    else
        entries_[position->second].note = std::move(note);
}

int CCodeNoteMap::GetAt(int index, int& code, std::string& note) const
{
    if (index < 0 || index >= GetCount())
        return 0;
    const CodeNote& entry = entries_[static_cast<std::size_t>(index)];
    code = entry.code;
    note = entry.note;
    return 1;
}

int CCodeNoteMap::GetCount() const
{
    return static_cast<int>(entries_.size());
}
