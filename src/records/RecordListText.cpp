#include "records/RecordListText.h"

#include "records/RecordDirectory.h"

#include <ctime>

namespace {

std::string ListTimeText(RecordTime time)
{
    const std::optional<std::tm> local = ToLocalFields(time);
    if (!local)
        return {};
    char text[128];
    const std::size_t length = std::strftime(text, sizeof text, "%d-%m-%Y %H:%M:%S", &*local);
    return std::string(text, length);
}

}  // namespace

std::string RecordListText(const RecordDirectory& records, int row, bool privateNotesMode)
{
    std::string text = ListTimeText(records.Visible.at(row).Time);
    PrivateNote note;
    if (privateNotesMode && records.ReadNote(row, note)) {
        text += "(" + std::to_string(note.NoteCode) + ")";
        if (!note.NoteText.empty())
            text += "+";
    }
    return text;
}
