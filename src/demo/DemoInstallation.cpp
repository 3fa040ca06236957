#include "demo/DemoInstallation.h"

#include "base/FileBytes.h"
#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "demo/DemoClock.h"
#include "demo/DemoFramePainter.h"
#include "demo/DemoPlanner.h"
#include "demo/PictureBmpBytes.h"
#include "demo/SensorMosaic.h"
#include "demo/SubpoenaPainter.h"
#include "imaging/ColourGains.h"
#include "records/CfaHeader.h"
#include "records/FrameTimeFields.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <utility>

namespace {

constexpr std::int64_t GeneralViewStepMs = 500;
// A unit stamps its lane frames when the exposure starts and adds this delay.
constexpr std::int32_t ExposureDelayMs = 35;
// The front of a lane's car, in metres past the stop line, in its first and last lane frame.
constexpr double FirstLaneFront = 2.0;
constexpr double LastLaneFront = 6.4;

std::string Numbered(const char* format, int a, int b = 0)
{
    char text[32];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

std::string InfoText(const DemoRecord& record, const FrameTime& time)
{
    return "redtime=" + FrameTimeFields(record.RedTime) + "\r\nyellowtime=" +
           FrameTimeFields(record.YellowTime) + "\r\nimagetime=" + FrameTimeFields(time) + "\r\n";
}

}  // namespace

DemoInstallation::DemoInstallation(std::string directory, int recordCount, std::uint64_t seed)
    : directory_(std::move(directory)), plan_(DemoPlanner().Plan(recordCount, seed))
{
    if (directory_.empty() || directory_.back() != '/')
        directory_ += '/';
}

bool DemoInstallation::Write(const std::string& settingsName, const std::string& codeNotesName)
{
    std::error_code error;
    if (std::filesystem::exists(directory_ + RecordsDirectory, error))
        return Fail(directory_ + RecordsDirectory + ": already exists");
    for (const DemoRecord& record : plan_.Records) {
        if (!WriteRecord(record))
            return false;
    }
    return WriteConfiguration(settingsName, codeNotesName) &&
           WriteFile(directory_ + "Subpoena.bmp", PictureBmpBytes(SubpoenaPainter::Paint(), ""));
}

bool DemoInstallation::Fail(const std::string& message)
{
    error_ = message;
    return false;
}

bool DemoInstallation::WriteFile(const std::string& path, const std::string& bytes)
{
    return WriteFileBytes(path, bytes) || Fail(path + ": cannot write");
}

std::string DemoInstallation::RecordPath(const DemoRecord& record) const
{
    std::string path = directory_ + RecordsDirectory + "/";
    if (record.State == RecordState::Confirmed)
        path += std::string(CVantrelSettings::DefaultConfirmedDirectory) + "/";
    else if (record.State == RecordState::Rejected)
        path += std::string(CVantrelSettings::DefaultRejectedDirectory) + "/";
    return path + record.Name + "/";
}

bool DemoInstallation::WriteRecord(const DemoRecord& record)
{
    const std::string path = RecordPath(record);
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (error)
        return Fail(path + ": cannot create the directory");
    if (!WriteGeneralView(record, path))
        return false;
    for (const DemoCar& car : record.Cars) {
        if (car.Violates && !WriteLaneFrames(record, car, path))
            return false;
    }
    if (record.Note && !WritePrivateNote(path + PrivateNote::FileName, *record.Note))
        return Fail(path + PrivateNote::FileName + ": cannot write");
    return true;
}

bool DemoInstallation::WriteGeneralView(const DemoRecord& record, const std::string& path)
{
    for (int frame = 0; frame < record.GeneralFrames; ++frame) {
        const std::int64_t ms = record.FirstGeneralMs + frame * GeneralViewStepMs;
        const FrameTime time = AddMilliseconds(record.RedTime, ms);
        const std::string name = Numbered("GV%02d_", frame + 1) + FileNameTime(time) + ".BMP";
        const QImage picture = DemoFramePainter::GeneralView(record, ms, time);
        if (!WriteFile(path + name, PictureBmpBytes(picture, InfoText(record, time))))
            return false;
    }
    return true;
}

bool DemoInstallation::WriteLaneFrames(const DemoRecord& record, const DemoCar& car, const std::string& path)
{
    for (int frame = 1; frame <= car.LaneFrames; ++frame) {
        const double front = FirstLaneFront + (LastLaneFront - FirstLaneFront) * (frame - 1) / (car.LaneFrames - 1);
        const std::int64_t ms = car.CrossingMs + std::llround(front / car.Speed * 1000.0);
        const FrameTime time = AddMilliseconds(record.RedTime, ms);
        CfaHeader header;
        header.Width = DemoFramePainter::SensorWidth;
        header.Height = DemoFramePainter::SensorHeight;
        header.MillisecondOffset = ExposureDelayMs;
        header.Time = AddMilliseconds(time, -ExposureDelayMs);
        header.Lane = static_cast<uint8_t>(car.Lane);
        header.Frame = static_cast<uint8_t>(frame);
        header.Mac = plan_.Units[record.Unit].mac;
        // Encoded for the gains that automatic correction picks by the stamped hour.
        const ColourGains gains = GainsFor(CorrectionAutomatic, header.Time.Hour);
        const QImage picture = DemoFramePainter::LaneView(record, car.Lane, ms, time);
        const std::uint64_t noiseSeed = record.NoiseSeed ^ (static_cast<std::uint64_t>(car.Lane * 16 + frame) << 40);
        const std::string name = Numbered("L%d_%02d.CFA", car.Lane, frame);
        if (!WriteFile(path + name, CfaFileBytes(header, SensorMosaic::Encode(picture, gains, noiseSeed))))
            return false;
    }
    return true;
}

bool DemoInstallation::WriteConfiguration(const std::string& settingsName, const std::string& codeNotesName)
{
    CVantrelSettings settings;
    settings.RootDirectory = std::string(RecordsDirectory) + "/";
    settings.SiteList = plan_.Units;
    const std::string settingsPath = directory_ + settingsName;
    if (!settings.SaveSettings(settingsPath))
        return Fail(settingsPath + ": cannot write");
    CCodeNoteMap codeNotes;
    codeNotes.Version = 1;
    for (int code = 1; code <= 3; ++code)
        codeNotes.SetNote(code, DemoPlanner::CodeDescription(code));
    const std::string codeNotesPath = directory_ + codeNotesName;
    return codeNotes.SaveCodeNotes(codeNotesPath) || Fail(codeNotesPath + ": cannot write");
}
