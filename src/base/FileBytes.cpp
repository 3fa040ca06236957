#include "base/FileBytes.h"

#include "base/AtomicFileWriter.h"
#include "base/ReadOnlyFile.h"

std::optional<std::string> ReadFileBytes(const std::string& path)
{
    const ReadOnlyFile file(path);
    if (!file.IsOpen())
        return std::nullopt;
    std::string bytes(file.Size(), '\0');
    if (file.ReadAt(0, bytes.data(), bytes.size()) != bytes.size())
        return std::nullopt;
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    AtomicFileWriter writer(path);
    return writer.Write(bytes) && writer.Commit();
}
