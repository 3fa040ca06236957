#include "records/RecordsListing.h"

#include "base/AtomicFileWriter.h"
#include "config/CCodeNoteMap.h"
#include "records/RecordDirectory.h"

namespace {

std::string Legend(const CCodeNoteMap& codeNotes)
{
    std::string text;
    for (int index = 0; index < codeNotes.GetCount(); ++index) {
        int code = 0;
        std::string note;
        if (codeNotes.GetAt(index, code, note) && !note.empty())
            text += std::to_string(code) + "\t" + note + "\n";
    }
    return text;
}

// One section: its header, then its rows numbered from 0 in time order.
std::string Section(const RecordDirectory& records, const std::string& header, std::int32_t mask)
{
    std::vector<RecordEntry> rows;
    records.BuildList(rows, mask, records.SelectedDay, RecordDirectory::SortByTime);
    std::string text = "\n" + header + "\n\n";
    for (std::size_t number = 0; number < rows.size(); ++number) {
        const RecordEntry& row = rows[number];
        text += std::to_string(number) + "\t" + row.Name + "\t" + FormatLocaleDateTime(row.Time);
        PrivateNote note;
        if (records.ReadNote(row, note)) {
            text += "\t" + std::to_string(note.NoteCode);
            if (!note.NoteText.empty())
                text += "\t" + note.NoteText;
        }
        text += "\n";
    }
    return text;
}

}  // namespace

std::string ListingPath(const std::string& chosenPath)
{
    return chosenPath.find('.') == std::string::npos ? chosenPath + ".txt" : chosenPath;
}

bool WriteRecordsListing(const RecordDirectory& records, const CCodeNoteMap& codeNotes,
                         const std::string& chosenPath)
{
    AtomicFileWriter writer(ListingPath(chosenPath));
    if (!writer.Stream())
        return false;
    const std::int32_t allDays = RecordDirectory::AllDays;
    const std::string text =
        Legend(codeNotes) +
        Section(records, records.Root, allDays | RecordDirectory::ShowUnprocessed) +
        Section(records, records.Root + records.ConfirmedDirectory, allDays | RecordDirectory::ShowConfirmed) +
        Section(records, records.Root + records.RejectedDirectory, allDays | RecordDirectory::ShowRejected);
    return writer.Write(text) && writer.Commit();
}
