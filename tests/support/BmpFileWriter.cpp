#include "BmpFileWriter.h"

#include "TempDir.h"

#include "records/BmpFileBytes.h"

namespace testsupport {

void WriteBmpFile(const std::string& path, const BmpFile& file)
{
    WriteFile(path, BmpFileBytes(file.width, file.height, file.pixels, file.infoText));
}

}  // namespace testsupport
