#pragma once

#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"

#include <memory>
#include <optional>
#include <string>

namespace CLI {
class App;
}

class RecordDirectory;

// What every subcommand starts from, as the application has it after its
// start-up: the settings and code-note files of the working directory (or
// those named on the command line) and the records root.
class ToolEnvironment {
public:
    static constexpr const char* SettingsFileName = "VantrelControl.settings";
    static constexpr const char* CodeNotesFileName = "VantrelControl.codenote";

    // "--settings FILE", "--codenotes FILE" and "--root DIR", which every
    // subcommand takes.
    void Declare(CLI::App& command);

    const std::string& SettingsPath() const { return settingsPath_; }
    const std::string& CodeNotesPath() const { return codeNotesPath_; }

    // Loaded on first use; a file that does not load leaves the defaults
    // (settings) or what was read (code notes), without a message.
    CVantrelSettings& Settings();
    CCodeNoteMap& CodeNotes();
    // The result of the one load made by Settings() and CodeNotes().
    bool SettingsLoaded();
    bool CodeNotesLoaded();

    // The records root: --root, else the settings' RootDirectory.
    std::string RootDirectory();
    // The record store on the root, with the settings' directory names, scanned.
    std::unique_ptr<RecordDirectory> OpenRecords();

private:
    std::string settingsPath_ = SettingsFileName;
    std::string codeNotesPath_ = CodeNotesFileName;
    std::optional<std::string> root_;
    std::optional<CVantrelSettings> settings_;
    std::optional<CCodeNoteMap> codeNotes_;
    bool settingsLoaded_ = false;
    bool codeNotesLoaded_ = false;
};
