#include "base/FileBytes.h"

#include "base/AtomicFileWriter.h"

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    AtomicFileWriter writer(path);
    return writer.Write(bytes) && writer.Commit();
}
