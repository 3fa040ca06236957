#include "RecordTreeWriter.h"

#include "TempDir.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <sys/stat.h>

namespace testsupport {

std::string RecordName(int year, int month, int day, int hour, int minute, int second)
{
    char name[64];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
    return name;
}

std::string MakeRecordDirectory(const std::string& root, const std::string& name)
{
    std::filesystem::create_directories(root + name);
    return root + name + "/";
}

void WriteNoteFile(const std::string& recordDirectory, const std::string& bytes)
{
    WriteFile(recordDirectory + "PrivateNote.txt", bytes);
}

void MakeRecordDirectories(const std::string& root, int count, int secondsApart, int noteEvery)
{
    std::tm start{};
    start.tm_year = 2006 - 1900;
    start.tm_mon = 2;
    start.tm_mday = 1;
    const std::time_t first = timegm(&start);
    for (int i = 0; i < count; ++i) {
        // Calendar fields only name the directory, so UTC serves whatever the zone.
        const std::time_t time = first + std::time_t{i} * secondsApart;
        std::tm fields{};
        gmtime_r(&time, &fields);
        const std::string name = RecordName(fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday,
                                            fields.tm_hour, fields.tm_min, fields.tm_sec);
        if (mkdir((root + name).c_str(), 0777) != 0) {
            std::perror(name.c_str());
            std::abort();
        }
        if (noteEvery > 0 && i % noteEvery == 0)
            WriteNoteFile(root + name + "/", std::to_string(i % 10) + " checked\n");
    }
}

}  // namespace testsupport
