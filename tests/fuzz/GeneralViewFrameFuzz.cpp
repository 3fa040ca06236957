// A ".BMP" general-view frame read both ways the program reads one: the info
// text in its header gap for the record's red, yellow and frame times, and
// its pixels through Qt for display and printing. The name carries a time
// too, which the reader falls back on when the text gives none.
#include "FuzzInputFile.h"

#include "imaging/CDibImage.h"
#include "platform/CopyFromBitmap.h"
#include "records/RecordContent.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = FuzzInputFile::Write("GV01_20240515092018989.BMP", data, size);
    RecordContent content;
    AddGeneralViewFrame(content, path);
    CDibImage dib;
    // A picture that loads is never empty: every view divides by its size.
    if (LoadDibFromFile(QString::fromStdString(path), dib) && (dib.Width() <= 0 || dib.Height() <= 0))
        std::abort();
    return 0;
}
