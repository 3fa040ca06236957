#include "tool/PrintCommand.h"

#include "app/CVantrelApp.h"
#include "app/RegisterTahoma.h"
#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"
#include "platform/CQtPrintPictures.h"
#include "platform/CRecentFileList.h"
#include "printing/PrintJobPages.h"
#include "printing/PrintLayout.h"
#include "records/RecordDirectory.h"
#include "tool/OffscreenGui.h"
#include "tool/OptionalValue.h"
#include "tool/PdfJobFile.h"
#include "tool/PrintDesktop.h"
#include "tool/ToolEnvironment.h"
#include "tool/ToolOutput.h"
#include "tool/UsageError.h"
#include "tool/WholeNumber.h"
#include "ui/CMainFrame.h"
#include "ui/CVantrelView.h"
#include "views/CThumbPane.h"
#include "views/CThumbView.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <CLI/App.hpp>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>

namespace {

// The colour-correction menu items by the numbers `render --correction` takes.
constexpr std::array<int, 4> CorrectionCommands{ID_COLOR_WITHOUT, ID_COLOR_DAY, ID_COLOR_NIGHT, ID_COLOR_AUTO};

// The main window as the application's start makes it, on the offscreen screen.
std::unique_ptr<CMainFrame> MainWindow(CVantrelDoc& document, const CRecentFileList& recentFiles)
{
    auto frame = std::make_unique<CMainFrame>(document, recentFiles);
    frame->ShowMaximized();
    return frame;
}

// The subpoena form lies in the working directory, as for the application.
QString SubpoenaFormPath()
{
    return QString::fromStdString((std::filesystem::current_path() / CVantrelApp::SubpoenaFileName).string());
}

bool AllLoaded(const ThumbnailLoader::LaneSnapshot& lane)
{
    const auto shown = lane.Pictures.begin() + std::min(lane.Count, ThumbnailLoader::SlotCount);
    return std::all_of(lane.Pictures.begin(), shown, [](const auto& picture) { return picture != nullptr; });
}

// The main view as the officer sees it once the record has settled: the
// thumbnails of the lane shown load in the background after it opened.
void SettleMainView(const CVantrelView& view, int lane)
{
    const ThumbnailLoader& loader = view.ThumbPane()->View().Loader();
    const auto deadline = std::chrono::steady_clock::now() + ThumbnailLoader::StopWait;
    while (!AllLoaded(loader.Lane(lane)) && std::chrono::steady_clock::now() < deadline)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    // The last thumbnails' announcements reach their cells.
    QCoreApplication::processEvents();
}

// The document's own scan must have put the named record on the row found.
bool SelectedAsFound(const CVantrelDoc& document, const RecordDirectory& found, int row)
{
    const auto& visible = document.Records().Visible;
    return static_cast<std::size_t>(row) < visible.size() && visible[row].Name == found.Visible[row].Name &&
           visible[row].State == found.Visible[row].State;
}

}  // namespace

std::string PrintCommand::Synopsis() const
{
    return std::string("NAME OUT.pdf ") + PrintChoices::Synopsis +
           " [--landscape] [--correction N] [--gamma] " + RecordNameArgument::StateSynopsis;
}

void PrintCommand::Declare(CLI::App& command)
{
    record_.Declare(command);
    command.add_option("OUT.pdf", out_)->required();
    PrintChoices::Declare(command, choices_);
    command.add_flag("--landscape", landscape_);
    AddOptionalValue(command, "--correction", correction_)
        ->check(WholeNumber(0, static_cast<std::int64_t>(CorrectionCommands.size()) - 1));
    command.add_flag("--gamma", gamma_);
}

int PrintCommand::Run(ToolEnvironment& environment) const
{
    const PrintChoices choices(choices_);
    const auto found = environment.OpenRecords();
    const int row = record_.Select(*found);
    if (row < 0)
        return ExitFailure;

    const OffscreenGui gui(OffscreenGui::Kind::Widgets);
    UseTahomaForTheApplication();
    // Opened on the root as the application opens a directory given to it.
    environment.Settings().RootDirectory = environment.RootDirectory();
    PrintDesktop desktop(choices);
    CVantrelDoc document(environment.Settings(), environment.CodeNotes(), desktop);
    document.OnNewDocument();
    const CRecentFileList recentFiles;
    const auto frame = choices.ShowsMainView() ? MainWindow(document, recentFiles) : nullptr;
    // The main view made itself the preview; the job goes to the file instead.
    document.SetPrintPreview(&desktop);
    document.OnCommand(ID_REFRESH);
    document.SelectRecord(row);
    if (!SelectedAsFound(document, *found, row))
        return Fail("the records changed while '" + record_.Name() + "' was looked up");
    if (correction_)
        document.OnCommand(CorrectionCommands[static_cast<std::size_t>(*correction_)]);
    if (gamma_)
        document.OnCommand(ID_GAMMA);
    if (!StartJob(document, desktop, choices))
        return Fail("the print command is not offered for '" + record_.Name() + "'");
    return WriteJob(document, frame ? frame->View() : nullptr);
}

bool PrintCommand::StartJob(CVantrelDoc& document, const PrintDesktop& desktop, const PrintChoices& choices)
{
    if (document.OnCommand(choices.Command()) && desktop.JobStarted())
        return true;
    if (desktop.Refusal())
        throw UsageError(*desktop.Refusal());
    return false;
}

int PrintCommand::WriteJob(CVantrelDoc& document, CVantrelView* mainView) const
{
    if (mainView)
        SettleMainView(*mainView, document.CurrentLane());
    CQtPrintPictures pictures(mainView, SubpoenaFormPath());
    PrintJobPages pages(document, pictures);
    PrintLayout layout;
    if (pages.PageCount(layout) == 0)
        return Fail("'" + record_.Name() + "' has none of the chosen frames to print");
    const int printed = WritePdfJob(out_, landscape_, pages, layout);
    if (printed == 0)
        return Fail(out_ + ": cannot write the PDF");
    PrintFields({"pages", std::to_string(printed)});
    return ExitSuccess;
}
