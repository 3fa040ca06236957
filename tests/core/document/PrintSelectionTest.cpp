// The print selection form (reset, enabling, edits, validation) and the
// print commands around it.
#include "ReviewDocumentFixture.h"

#include "document/CommandIds.h"
#include "document/PrintSelectionForm.h"

using Form = PrintSelectionForm;

namespace {

PrintSelectionInput Record(std::array<std::int32_t, 4> counts, int shownGeneral = 0, int lane = 1)
{
    PrintSelectionInput input;
    input.SelectedIndex = 0;
    input.FrameCounts = counts;
    input.Time = 1141214400;  // 2006-03-01 12:00:00 UTC
    input.CurrentLane = lane;
    input.CurrentGeneralFrame = shownGeneral;
    input.VisibleCount = 1;
    return input;
}

std::vector<int> AllControls()
{
    std::vector<int> controls;
    for (int id = Form::IDC_GENERAL_GROUP; id <= Form::IDC_SUBPOENA; ++id)
        if (id != 1041)
            controls.push_back(id);
    return controls;
}

}  // namespace

TEST(PrintSelectionForm, WithoutARecordOnlyTheRecordsListIsEnabled)
{
    PrintSelectionInput input;
    input.VisibleCount = 2;
    const Form form(PrintRequest{}, input);
    EXPECT_EQ(form.Caption(), "[no selected record]");
    for (const int control : AllControls())
        EXPECT_EQ(form.IsEnabled(control), control == Form::IDC_RECORDS_LIST) << control;
    EXPECT_EQ(form.Request().RecordIndex, -1);
    EXPECT_EQ(form.Request().DetailedChoice, PrintRequest::Nothing);
    EXPECT_FALSE(form.Validate());

    input.VisibleCount = 0;
    EXPECT_FALSE(Form(PrintRequest{}, input).IsEnabled(Form::IDC_RECORDS_LIST));
}

TEST(PrintSelectionForm, ResetForANewRecordFillsTheDefaults)
{
    PrintRequest old;
    old.RecordIndex = 3;
    old.PrintScreen = 1;
    old.PrintSubpoena = 1;
    old.LaneChecked = {1, 1, 1};
    const Form form(old, Record({5, 4, 0, 2}, 4));
    EXPECT_EQ(form.Caption(), "[Wednesday, 01-March-2006 12:00:00]");
    const PrintRequest& r = form.Request();
    EXPECT_EQ(r.RecordIndex, 0);
    EXPECT_EQ(r.FrameCount, (std::array<std::int32_t, 4>{5, 4, 0, 2}));
    EXPECT_EQ(r.FromFrame, (std::array<std::int32_t, 4>{1, 1, 1, 1}));
    EXPECT_EQ(r.ToFrame, (std::array<std::int32_t, 4>{5, 4, 0, 2}));
    EXPECT_EQ(r.GeneralChoice, PrintRequest::Selected);
    EXPECT_EQ(r.DetailedChoice, PrintRequest::Selected);
    EXPECT_EQ(r.LaneChecked, (std::array<std::int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(r.PrintScreen + r.PrintSubpoena + r.PrintRecordsList, 0);
}

TEST(PrintSelectionForm, DefaultGeneralChoiceCoversTheShownFrameAndPassesValidation)
{
    const struct {
        int count;
        int shown;
        int choice;
        int from;
        int to;
    } cases[] = {
        {0, -1, PrintRequest::Nothing, 1, 0}, {1, 0, PrintRequest::Selected, 1, 1},
        {5, 4, PrintRequest::Selected, 1, 5}, {5, 2, PrintRequest::Partial, 2, 3},
        {5, 0, PrintRequest::Partial, 1, 2},  {5, -1, PrintRequest::Partial, 1, 2},
        {1, -1, PrintRequest::Partial, 1, 1},
    };
    for (const auto& c : cases) {
        const Form form(PrintRequest{}, Record({c.count, 1, 0, 0}, c.shown));
        EXPECT_EQ(form.Request().GeneralChoice, c.choice) << c.count << "/" << c.shown;
        EXPECT_EQ(form.Request().FromFrame[0], c.from) << c.count << "/" << c.shown;
        EXPECT_EQ(form.Request().ToFrame[0], c.to) << c.count << "/" << c.shown;
        EXPECT_FALSE(form.Validate()) << c.count << "/" << c.shown;
    }
}

TEST(PrintSelectionForm, SameRecordShowsThePreviousChoice)
{
    Form first(PrintRequest{}, Record({5, 4, 0, 2}));
    first.ClickGeneralChoice(Form::IDC_GENERAL_ALL);
    first.SetPrintRecordsList(true);
    const Form again(first.Request(), Record({5, 4, 0, 2}));
    EXPECT_EQ(again.Request(), first.Request());

    // Another record on the same row, found by its frame counts.
    const Form other(first.Request(), Record({3, 4, 0, 2}));
    EXPECT_EQ(other.Request().GeneralChoice, PrintRequest::Partial);
    EXPECT_EQ(other.Request().PrintRecordsList, 0);
}

TEST(PrintSelectionForm, EnablingFollowsTheChoices)
{
    Form form(PrintRequest{}, Record({3, 4, 0, 2}, 2, 3));
    EXPECT_TRUE(form.IsEnabled(Form::IDC_GENERAL_NOTHING));
    EXPECT_FALSE(form.IsEnabled(Form::IDC_GENERAL_FROM));
    EXPECT_TRUE(form.IsEnabled(Form::IDC_DETAILED_SELECTED)) << "the right lane has frames";
    EXPECT_FALSE(form.IsEnabled(Form::IDC_LEFT_LANE));

    form.ClickGeneralChoice(Form::IDC_GENERAL_NOTHING + 2);
    for (const int id : {1016, 1017, 1018, 1019})
        EXPECT_TRUE(form.IsEnabled(id)) << id;

    form.ClickDetailedChoice(Form::IDC_DETAILED_PARTIAL);
    EXPECT_TRUE(form.IsEnabled(1025));
    EXPECT_FALSE(form.IsEnabled(1026)) << "no middle-lane frames";
    EXPECT_TRUE(form.IsEnabled(1027));
    for (const int id : {1028, 1029, 1034, 1037})
        EXPECT_FALSE(form.IsEnabled(id)) << id;
    form.SetLaneChecked(Form::IDC_LEFT_LANE, true);
    for (const int id : {1028, 1029, 1034, 1037})
        EXPECT_TRUE(form.IsEnabled(id)) << id;
    for (const int id : {1030, 1031, 1035, 1038, 1032, 1033, 1036, 1039})
        EXPECT_FALSE(form.IsEnabled(id)) << id;

    EXPECT_FALSE(Form(PrintRequest{}, Record({3, 4, 0, 0}, 2, 3)).IsEnabled(Form::IDC_DETAILED_SELECTED));
    const Form noLane(PrintRequest{}, Record({3, 4, 0, 0}, 2, 0));
    for (const int id : {1020, 1021, 1022, 1023, 1024, 1042})
        EXPECT_FALSE(noLane.IsEnabled(id)) << id;
}

TEST(PrintSelectionForm, EditsReadTheLeadingNumber)
{
    Form form(PrintRequest{}, Record({3, 4, 4, 4}));
    const struct {
        int control;
        const char* text;
        int value;
    } cases[] = {{1016, "2", 2}, {1017, "", 0}, {1028, "12abc", 12}, {1029, "x", 0},
                 {1030, "3", 3}, {1031, "4", 4}, {1032, "007", 7}, {1033, "1", 1}};
    for (const auto& c : cases) {
        form.SetFrameText(c.control, c.text);
        EXPECT_EQ(form.FrameText(c.control), std::to_string(c.value)) << c.control;
    }
    const PrintRequest& r = form.Request();
    EXPECT_EQ(r.FromFrame, (std::array<std::int32_t, 4>{2, 12, 3, 7}));
    EXPECT_EQ(r.ToFrame, (std::array<std::int32_t, 4>{0, 0, 4, 1}));
    EXPECT_EQ(form.FrameText(Form::IDC_RECORDS_LIST), "");
}

TEST(PrintSelectionForm, ValidationNamesTheFirstBadRangeAndItsEdit)
{
    const std::string general = "Error in the choice for the general view.\nThe frame number may be between 1 and 5.\n";
    const std::string left = "Error in the choice for the left lane.\nThe frame number may be between 1 and 4.\n";
    const std::string middle = "Error in the choice for the middle lane.\nThe frame number may be between 1 and 3.\n";
    const std::string right = "Error in the choice for the right lane.\nThe frame number may be between 1 and 2.\n";
    const struct {
        int control;
        const char* text;
        std::optional<PrintSelectionError> error;
    } cases[] = {
        {1016, "5", PrintSelectionError{general, 1016}},  // From 5, To 3
        {1016, "0", PrintSelectionError{general, 1016}},
        {1017, "6", PrintSelectionError{general, 1016}},
        {1029, "5", PrintSelectionError{left, 1028}},
        {1030, "", PrintSelectionError{middle, 1030}},
        {1033, "3", PrintSelectionError{right, 1032}},
        {1029, "4", std::nullopt},
    };
    for (const auto& c : cases) {
        Form form(PrintRequest{}, Record({5, 4, 3, 2}, 1));
        form.ClickGeneralChoice(1014);
        form.SetFrameText(1016, "1");
        form.SetFrameText(1017, "3");
        form.ClickDetailedChoice(1023);
        for (const int lane : {1025, 1026, 1027})
            form.SetLaneChecked(lane, true);
        form.SetFrameText(c.control, c.text);
        EXPECT_EQ(form.Validate(), c.error) << c.control << " " << c.text;
    }
}

TEST(PrintSelectionForm, RangesOfOtherChoicesAreNotChecked)
{
    Form form(PrintRequest{}, Record({5, 4, 3, 2}, 1));
    form.ClickGeneralChoice(Form::IDC_GENERAL_ALL);
    form.SetFrameText(1016, "9");
    form.ClickDetailedChoice(Form::IDC_DETAILED_PARTIAL);
    form.SetFrameText(1028, "0");  // left lane not ticked
    EXPECT_FALSE(form.Validate());
    EXPECT_EQ(form.Request().FromFrame[0], 9) << "kept as entered";
}

namespace {

class PrintCommands : public ReviewDocumentFixture {
protected:
    void SetUp() override
    {
        testsupport::ReviewRecord record;
        record.LaneFrames = {2, 0, 1};
        record.GeneralFrames = 4;
        AddRecord(0, record);
        Open();
    }

    void FillRequest()
    {
        doc->PrintRequest.GeneralChoice = 3;
        doc->PrintRequest.DetailedChoice = 2;
        doc->PrintRequest.PrintRecordsList = 1;
        doc->PrintRequest.PrintSubpoena = 1;
        doc->PrintRequest.PrintScreen = 0;
    }
};

}  // namespace

TEST_F(PrintCommands, DirectPrintCommandsSetTheirChoicesAndStartThePreview)
{
    const struct {
        int id;
        int general, detailed, list, subpoena, screen;
    } cases[] = {
        {ID_PRINT_GENERAL_VIEW, 1, 0, 0, 0, 0},
        {ID_PRINT_DETAILED_VIEW, 0, 1, 0, 0, 0},
        {ID_PRINT_SCREEN, 3, 2, 1, 1, 1},
        {ID_PRINT_SUBPOENA, 0, 0, 0, 1, 0},
    };
    for (const auto& c : cases) {
        FillRequest();
        services.Events.clear();
        EXPECT_TRUE(doc->OnCommand(c.id));
        const PrintRequest& r = doc->PrintRequest;
        EXPECT_EQ((std::array{r.GeneralChoice, r.DetailedChoice, r.PrintRecordsList, r.PrintSubpoena, r.PrintScreen}),
                  (std::array{c.general, c.detailed, c.list, c.subpoena, c.screen}))
            << c.id;
        EXPECT_EQ(services.Events.back(), "StartPrintPreview");
        EXPECT_EQ(r.RecordIndex, PrintRequest::NeverPrepared) << "only the dialog prepares a record";
    }
    EXPECT_TRUE(Updates().empty());
}

TEST_F(PrintCommands, SubpoenaLeavesFullScreenWithoutAHint)
{
    doc->DisplayMode = CVantrelDoc::DisplayGeneralFullScreen;
    doc->OnCommand(ID_PRINT_SUBPOENA);
    EXPECT_EQ(doc->DisplayMode, CVantrelDoc::DisplayNormal);
    EXPECT_EQ(services.Events,
              (std::vector<std::string>{"SetFullScreen(0)", "ShowMaximizedAndRedraw", "StartPrintPreview"}));
    EXPECT_TRUE(Updates().empty());
}

TEST_F(PrintCommands, DetailedPrintWritesTheConfirmedChoiceAndStartsThePreview)
{
    doc->PrintRequest.PrintScreen = 1;
    doc->DisplayMode = CVantrelDoc::DisplayDetailedFullScreen;
    PrintRequest shown;
    services.NextPrintSelection([&](Form& form) {
        shown = form.Request();
        form.ClickDetailedChoice(Form::IDC_DETAILED_ALL);
        form.SetPrintSubpoena(true);
        return true;
    });
    EXPECT_TRUE(doc->OnCommand(ID_DETAILED_PRINT));
    EXPECT_EQ(shown.PrintScreen, 0) << "cleared before the dialog opens";
    EXPECT_EQ(shown.FrameCount, (std::array<std::int32_t, 4>{4, 2, 0, 1}));
    EXPECT_EQ(shown.GeneralChoice, PrintRequest::Selected) << "the last frame is shown";
    EXPECT_EQ(doc->PrintRequest.RecordIndex, 0);
    EXPECT_EQ(doc->PrintRequest.DetailedChoice, PrintRequest::All);
    EXPECT_EQ(doc->PrintRequest.PrintSubpoena, 1);
    EXPECT_EQ(doc->DisplayMode, CVantrelDoc::DisplayNormal);
    EXPECT_EQ(services.Events, (std::vector<std::string>{"PrintSelection", "SetFullScreen(0)",
                                                         "ShowMaximizedAndRedraw", "StartPrintPreview"}));
}

TEST_F(PrintCommands, DetailedPrintCancelledOrRefusedLeavesTheBlock)
{
    doc->PrintRequest.PrintScreen = 1;
    services.NextPrintSelection([](Form& form) {
        form.ClickGeneralChoice(Form::IDC_GENERAL_ALL);
        return false;
    });
    doc->OnCommand(ID_DETAILED_PRINT);
    PrintRequest expected;
    EXPECT_EQ(doc->PrintRequest, expected) << "only PrintScreen was cleared";

    services.NextPrintSelection([](Form& form) {
        form.ClickGeneralChoice(Form::IDC_GENERAL_NOTHING + 2);
        form.SetFrameText(Form::IDC_GENERAL_FROM, "");
        return true;
    });
    doc->OnCommand(ID_DETAILED_PRINT);
    EXPECT_EQ(doc->PrintRequest, expected);
    ASSERT_EQ(services.PrintErrors.size(), 1u);
    EXPECT_EQ(services.PrintErrors[0].FocusControl, Form::IDC_GENERAL_FROM);
    EXPECT_EQ(services.Count("StartPrintPreview"), 0);
}

TEST_F(PrintCommands, DetailedPrintInNormalModeKeepsTheWindow)
{
    services.NextPrintSelection([](Form& form) {
        form.SetPrintSubpoena(true);
        return true;
    });
    doc->OnCommand(ID_DETAILED_PRINT);
    EXPECT_EQ(services.Events, (std::vector<std::string>{"PrintSelection", "StartPrintPreview"}));
}
