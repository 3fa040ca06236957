// Writes a small installation for the end-to-end run: the settings file with
// a record root, a code-note file and three records with their frames.

#include "RecordTreeWriter.h"
#include "ReviewRecordWriter.h"

#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    std::string directory = std::filesystem::absolute(argv[1]).string();
    if (directory.back() != '/')
        directory += '/';
    const std::string root = directory + "records/";
    std::filesystem::create_directories(root);
    for (int second : {0, 5, 9}) {
        testsupport::ReviewRecord record;
        record.Name = testsupport::RecordName(2006, 3, 1, 12, 0, second);
        record.GeneralFrames = 3;
        record.LaneFrames = {2, 1, 0};
        testsupport::WriteReviewRecord(root, record);
    }
    CVantrelSettings settings;
    settings.RootDirectory = root;
    CCodeNoteMap notes;
    notes.SetNote(1, "plate unreadable");
    const bool written = settings.SaveSettings(directory + "VantrelControl.settings") == 1 &&
                         notes.SaveCodeNotes(directory + "VantrelControl.codenote") == 1;
    return written ? 0 : 1;
}
