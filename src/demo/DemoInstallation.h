#pragma once

#include "demo/DemoPlan.h"

#include <cstdint>
#include <string>

// Writes a complete demo installation into a directory: the records under
// "records/" (some already confirmed or rejected, a few with notes), the
// settings and code-note files naming them, and the subpoena form. The same
// seed always gives the same files. The pictures are drawn with Qt's painter,
// which needs a QGuiApplication for its fonts.
class DemoInstallation {
public:
    static constexpr const char* RecordsDirectory = "records";

    DemoInstallation(std::string directory, int recordCount, std::uint64_t seed);

    // The settings and code-note files get the names the program looks for
    // in its working directory. False with Error() saying what failed; a
    // directory that already holds "records" is left alone.
    bool Write(const std::string& settingsName, const std::string& codeNotesName);
    const std::string& Error() const { return error_; }
    const DemoPlan& Plan() const { return plan_; }

private:
    bool Fail(const std::string& message);
    bool WriteFile(const std::string& path, const std::string& bytes);
    std::string RecordPath(const DemoRecord& record) const;
    bool WriteRecord(const DemoRecord& record);
    bool WriteGeneralView(const DemoRecord& record, const std::string& path);
    bool WriteLaneFrames(const DemoRecord& record, const DemoCar& car, const std::string& path);
    bool WriteConfiguration(const std::string& settingsName, const std::string& codeNotesName);

    std::string directory_;
    DemoPlan plan_;
    std::string error_;
};
