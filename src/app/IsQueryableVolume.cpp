#include "app/IsQueryableVolume.h"

#include <sys/statvfs.h>

bool IsQueryableVolume(const std::string& path)
{
    struct statvfs volume {};
    return statvfs(path.c_str(), &volume) == 0;
}
