#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace CLI {
class App;
}

class PrintSelectionForm;

// What `print` is asked to put on paper, read from its options before
// anything is loaded, and the command an officer would give for it. Filling
// the print selection dialog goes through the same controls the officer
// would click, so a choice the dialog does not offer for the record is
// refused as the dialog would refuse it.
class PrintChoices {
public:
    static constexpr const char* Synopsis =
        "[--general none|selected|FROM-TO|all] [--detailed none|selected|LANE:FROM-TO,...|all] "
        "[--records-list] [--subpoena] [--screen]";

    // The options as given.
    struct Given {
        std::optional<std::string> General;
        std::optional<std::string> Detailed;
        bool RecordsList = false;
        bool Subpoena = false;
        bool Screen = false;
    };

    static void Declare(CLI::App& command, Given& given);

    // Throws UsageError for a malformed value, for nothing to print, and for
    // the screen page together with anything else (it is always printed alone).
    explicit PrintChoices(const Given& given);

    // ID_PRINT_SCREEN, ID_PRINT_SUBPOENA (the subpoena alone) or ID_DETAILED_PRINT.
    int Command() const;
    // Whether the job shows the main view, which then has to exist.
    bool ShowsMainView() const { return screen_ || subpoena_; }
    // Plays the officer on the dialog; the reason when a choice is not
    // offered or the dialog's own check refuses the ranges, as one line.
    std::optional<std::string> Fill(PrintSelectionForm& form) const;

private:
    struct Range {
        std::int32_t From = 0;
        std::int32_t To = 0;
    };

    void ReadGeneral(const std::string& text);
    void ReadDetailed(const std::string& text);
    void ReadLaneRange(const std::string& text);
    std::optional<std::string> FillGeneral(PrintSelectionForm& form) const;
    std::optional<std::string> FillDetailed(PrintSelectionForm& form) const;
    std::optional<std::string> FillLanes(PrintSelectionForm& form) const;
    bool ChoosesPages() const;

    std::int32_t general_;
    Range generalRange_;
    std::int32_t detailed_;
    std::array<std::optional<Range>, 3> lanes_;  // left, middle, right
    bool recordsList_;
    bool subpoena_;
    bool screen_;
    std::string generalText_;
    std::string detailedText_;
};
