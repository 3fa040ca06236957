// The code-note file. Whatever loads must save and load back as the same
// notes in the same order, since a note the user adds writes the file whole.
#include "FuzzInputFile.h"

#include "config/CCodeNoteMap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool SameNotes(const CCodeNoteMap& a, const CCodeNoteMap& b)
{
    if (a.Version != b.Version || a.GetCount() != b.GetCount())
        return false;
    for (int i = 0; i < a.GetCount(); ++i) {
        int codeA = 0;
        int codeB = 0;
        std::string noteA;
        std::string noteB;
        a.GetAt(i, codeA, noteA);
        b.GetAt(i, codeB, noteB);
        if (codeA != codeB || noteA != noteB)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CCodeNoteMap notes;
    if (!notes.LoadCodeNotes(FuzzInputFile::Write("VantrelControl.codenote", data, size)))
        return 0;
    const std::string copy = FuzzInputFile::PathOf("copy.codenote");
    CCodeNoteMap again;
    if (!notes.SaveCodeNotes(copy) || !again.LoadCodeNotes(copy) || !SameNotes(notes, again))
        std::abort();
    return 0;
}
