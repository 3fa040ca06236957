// The print selection form (reset, enabling, edits, validation) and the
// print commands around it.
#include "ReviewDocumentFixture.h"

#include "document/CommandIds.h"
#include "document/PrintSelectionForm.h"

using Form = PrintSelectionForm;
using Counts = std::array<std::int32_t, 4>;
using Events = std::vector<std::string>;

namespace {

PrintSelectionInput Record(Counts counts, int shownGeneral = 0, int lane = 1)
{
    return {0, counts, 1141214400, lane, shownGeneral, 1};  // 2006-03-01 12:00:00 UTC
}

PrintSelectionError RangeError(const std::string& part, int count, int focus)
{
    return {"Error in the choice for the " + part + ".\nThe frame number may be between 1 and " +
                std::to_string(count) + ".\n",
            focus};
}

}  // namespace

TEST(PrintSelectionForm, ANewRecordResetsTheChoiceTheSameOneShowsItAgain)
{
    PrintRequest old;
    old.RecordIndex = 3;
    old.PrintScreen = old.PrintSubpoena = 1;
    Form form(old, Record({5, 4, 0, 2}, 4));
    EXPECT_EQ(form.Caption(), "[Wednesday, 01-March-2006 12:00:00]");
    PrintRequest reset;
    reset.RecordIndex = 0;
    reset.FrameCount = reset.ToFrame = {5, 4, 0, 2};
    reset.FromFrame = {1, 1, 1, 1};
    reset.GeneralChoice = reset.DetailedChoice = PrintRequest::Selected;
    EXPECT_EQ(form.Request(), reset);

    form.ClickGeneralChoice(Form::IDC_GENERAL_ALL);
    EXPECT_EQ(Form(form.Request(), Record({5, 4, 0, 2}, 4)).Request(), form.Request());
    // Another record on the same row after a rescan: found by its frame counts.
    EXPECT_EQ(Form(form.Request(), Record({3, 4, 0, 2}, 2)).Request().FrameCount, (Counts{3, 4, 0, 2}));
    EXPECT_EQ(Form(form.Request(), {}).Caption(), "[no selected record]");
    EXPECT_EQ(Form(form.Request(), {}).Request().RecordIndex, -1);

    // The default general-view range covers the shown frame and passes validation.
    const struct { int count, shown, choice, from, to; } cases[] = {
        {0, -1, PrintRequest::Nothing, 1, 0}, {1, 0, PrintRequest::Selected, 1, 1},
        {5, 4, PrintRequest::Selected, 1, 5}, {5, 2, PrintRequest::Partial, 2, 3},
        {5, 0, PrintRequest::Partial, 1, 1},  {5, -1, PrintRequest::Partial, 1, 1},
    };
    for (const auto& c : cases) {
        const Form fresh(PrintRequest{}, Record({c.count, 1, 0, 0}, c.shown));
        const PrintRequest& r = fresh.Request();
        EXPECT_EQ((std::array{r.GeneralChoice, r.FromFrame[0], r.ToFrame[0]}), (std::array{c.choice, c.from, c.to}))
            << c.count << " frames, shown " << c.shown;
        EXPECT_FALSE(fresh.Validate()) << c.count << " frames, shown " << c.shown;
    }
}

TEST(PrintSelectionForm, EnablingFollowsTheRecordTheChoicesAndTheTicks)
{
    // Controls 1011..1042: general radios, general edits, detailed radios,
    // lane boxes, lane edits, lane labels, records list, (none), subpoena.
    const struct { PrintSelectionInput input; bool partialLeft; const char* enabled; } cases[] = {
        {{-1, {}, {}, 1, -1, 2}, false, "00000 0000 00000 000 000000 000000 110"},
        {{-1, {}, {}, 1, -1, 0}, false, "00000 0000 00000 000 000000 000000 010"},
        {Record({3, 4, 0, 2}, 2, 3), false, "11111 0000 11111 000 000000 000000 111"},
        {Record({3, 4, 0, 2}, 2, 3), true, "11111 1111 11111 101 110000 100100 111"},
        {Record({3, 4, 0, 0}, 2, 3), false, "11111 0000 11011 000 000000 000000 111"},
        {Record({3, 4, 0, 0}, 2, 0), false, "11111 0000 00000 000 000000 000000 110"},
    };
    for (const auto& c : cases) {
        Form form(PrintRequest{}, c.input);
        if (c.partialLeft) {
            form.ClickGeneralChoice(Form::IDC_GENERAL_NOTHING + 2);
            form.ClickDetailedChoice(Form::IDC_DETAILED_PARTIAL);
            form.SetLaneChecked(Form::IDC_LEFT_LANE, true);
        }
        std::string enabled = c.enabled;
        std::erase(enabled, ' ');
        for (int control = Form::IDC_GENERAL_GROUP; control <= Form::IDC_SUBPOENA; ++control)
            EXPECT_EQ(form.IsEnabled(control), enabled[control - Form::IDC_GENERAL_GROUP] == '1')
                << control << " in " << c.enabled;
    }
}

TEST(PrintSelectionForm, ValidationNamesTheFirstBadRangeAndItsEdit)
{
    const struct {
        int control;
        const char* text;
        std::optional<PrintSelectionError> error;
        int generalChoice = 1014;
    } cases[] = {
        {1016, "5", RangeError("general view", 5, 1016)},  // From 5, To 3
        {1016, "0", RangeError("general view", 5, 1016)}, {1017, "6", RangeError("general view", 5, 1016)},
        {1029, "5", RangeError("left lane", 4, 1028)},    {1030, "", RangeError("middle lane", 3, 1030)},
        {1033, "3", RangeError("right lane", 2, 1032)},   {1029, "4 frames", std::nullopt},
        {1016, "9", std::nullopt, 1015},  // only a partial choice is checked
    };
    for (const auto& c : cases) {
        Form form(PrintRequest{}, Record({5, 4, 3, 2}, 1));
        form.ClickGeneralChoice(c.generalChoice);
        form.SetFrameText(1017, "3");
        form.ClickDetailedChoice(1023);
        for (const int lane : {1025, 1026, 1027})
            form.SetLaneChecked(lane, true);
        form.SetFrameText(c.control, c.text);
        EXPECT_EQ(form.Validate(), c.error) << c.control << " " << c.text;
    }
}

using PrintCommands = ReviewDocumentFixture;

TEST_F(PrintCommands, PrintCommandsFillTheRequestAndStartThePreview)
{
    AddRecord(0, {2, 0, 1}, 4);
    Open();
    // Every choice on through the dialog, then general full screen, which the next such subpoena leaves.
    const auto chooseEverything = [&] {
        services.PrintScripts.push_back([](Form& form) {
            form.ClickGeneralChoice(Form::IDC_GENERAL_ALL);
            form.ClickDetailedChoice(Form::IDC_DETAILED_PARTIAL);
            form.SetLaneChecked(Form::IDC_LEFT_LANE, true);
            form.SetPrintRecordsList(true);
            form.SetPrintSubpoena(true);
            return true;
        });
        const bool fullScreen = doc->DisplayMode() != CVantrelDoc::DisplayNormal;
        Forget();
        EXPECT_TRUE(doc->OnCommand(ID_DETAILED_PRINT));
        EXPECT_EQ(services.Events, (fullScreen ? Events{"PrintSelection", "SetFullScreen(0)", "ShowMaximizedAndRedraw",
                                                        "StartPrintPreview"}
                                               : Events{"PrintSelection", "StartPrintPreview"}));
        EXPECT_EQ(doc->DisplayMode(), CVantrelDoc::DisplayNormal) << "a subpoena leaves full screen";
        EXPECT_TRUE(doc->OnCommand(ID_GENERAL_FULL_SCREEN));
        Forget();
    };
    const struct { int id; std::array<int, 5> general_detailed_list_subpoena_screen; } cases[] = {
        {ID_PRINT_GENERAL_VIEW, {1, 0, 0, 0, 0}}, {ID_PRINT_DETAILED_VIEW, {0, 1, 0, 0, 0}},
        {ID_PRINT_SCREEN, {3, 2, 1, 1, 1}}, {ID_PRINT_SUBPOENA, {0, 0, 0, 1, 0}}};
    const PrintRequest& r = doc->PrintRequest();
    for (const auto& c : cases) {
        chooseEverything();
        EXPECT_TRUE(doc->OnCommand(c.id));
        EXPECT_EQ((std::array{r.GeneralChoice, r.DetailedChoice, r.PrintRecordsList, r.PrintSubpoena, r.PrintScreen}),
                  c.general_detailed_list_subpoena_screen)
            << c.id;
        EXPECT_EQ(r.RecordIndex, 0) << "only the dialog prepares a record";
        const bool subpoena = c.id == ID_PRINT_SUBPOENA;
        EXPECT_EQ(services.Events.size(), subpoena ? 3u : 1u) << c.id;
        EXPECT_EQ(doc->DisplayMode() == CVantrelDoc::DisplayNormal, subpoena) << "a subpoena leaves full screen";
    }
    EXPECT_EQ(services.Events, (Events{"SetFullScreen(0)", "ShowMaximizedAndRedraw", "StartPrintPreview"}));

    // Detailed print writes back only a confirmed valid choice.
    Open();
    EXPECT_TRUE(doc->OnCommand(ID_PRINT_SCREEN));
    EXPECT_TRUE(doc->OnCommand(ID_DETAILED_FULL_SCREEN));
    Forget();
    PrintRequest shown;
    services.PrintScripts.push_back([&](Form& form) {
        shown = form.Request();
        form.ClickGeneralChoice(Form::IDC_GENERAL_ALL);
        return false;
    });
    // A dialog that lets an invalid choice through still changes nothing.
    services.PrintScripts.push_back([](Form& form) {
        form.ClickGeneralChoice(Form::IDC_GENERAL_NOTHING + 2);
        form.SetFrameText(Form::IDC_GENERAL_FROM, "");
        return true;
    });
    for (int refused = 0; refused < 2; ++refused) {
        EXPECT_TRUE(doc->OnCommand(ID_DETAILED_PRINT));
        EXPECT_EQ(doc->PrintRequest(), PrintRequest{}) << "cancelled or invalid: only PrintScreen was cleared";
    }
    EXPECT_EQ(shown.PrintScreen, 0) << "cleared before the dialog opens";
    EXPECT_EQ(shown.FrameCount, (Counts{4, 2, 0, 1}));
    EXPECT_EQ(shown.GeneralChoice, PrintRequest::Selected) << "the last frame is shown";
    EXPECT_EQ(services.Events, (Events{"PrintSelection", "PrintSelection"}));
}
