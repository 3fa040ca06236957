#include "tool/ToolEnvironment.h"

#include "records/RecordDirectory.h"
#include "tool/OptionalValue.h"

#include <CLI/App.hpp>

void ToolEnvironment::Declare(CLI::App& command)
{
    command.add_option("--settings", settingsPath_);
    command.add_option("--codenotes", codeNotesPath_);
    AddOptionalValue(command, "--root", root_);
}

CVantrelSettings& ToolEnvironment::Settings()
{
    if (!settings_) {
        settings_.emplace();
        settingsLoaded_ = settings_->LoadSettings(settingsPath_) == 1;
    }
    return *settings_;
}

CCodeNoteMap& ToolEnvironment::CodeNotes()
{
    if (!codeNotes_) {
        codeNotes_.emplace();
        codeNotesLoaded_ = codeNotes_->LoadCodeNotes(codeNotesPath_) == 1;
    }
    return *codeNotes_;
}

bool ToolEnvironment::SettingsLoaded()
{
    Settings();
    return settingsLoaded_;
}

bool ToolEnvironment::CodeNotesLoaded()
{
    CodeNotes();
    return codeNotesLoaded_;
}

std::string ToolEnvironment::RootDirectory()
{
    return root_.value_or(Settings().RootDirectory);
}

std::unique_ptr<RecordDirectory> ToolEnvironment::OpenRecords()
{
    const CVantrelSettings& settings = Settings();
    auto records = std::make_unique<RecordDirectory>();
    records->ConfirmedDirectory = settings.ConfirmedDirectory;
    records->RejectedDirectory = settings.RejectedDirectory;
    records->SetRoot(RootDirectory());
    return records;
}
