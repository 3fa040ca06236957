// How many pages a print request has and what each of them shows.
#include "printing/PrintPageWalk.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "X" screen, "S" subpoena, "G4" general view at position 4 ("G4+" with the
// next frame), "D2:3" lane 2 at position 3, "R70" records list from row 70.
std::string Describe(const PrintedPage& page)
{
    using Kind = PrintedPage::Kind;
    switch (page.What) {
    case Kind::Screen:
        return "X";
    case Kind::Subpoena:
        return "S";
    case Kind::GeneralView:
        return "G" + std::to_string(page.Position) + (page.SecondFrame ? "+" : "");
    case Kind::DetailedView:
        return "D" + std::to_string(page.Lane) + ":" + std::to_string(page.Position);
    case Kind::RecordsList:
        return "R" + std::to_string(page.FirstRow);
    case Kind::Nothing:
        break;
    }
    return "-";
}

std::string Walk(const PrintPageWalk& walk)
{
    std::string pages;
    for (int page = 1; page <= walk.PageCount(); ++page)
        pages += (page > 1 ? " " : "") + Describe(walk.Page(page));
    return pages;
}

constexpr PrintWalkState Shown{.CurrentGeneralFrame = 4, .CurrentLane = 2, .CurrentLaneFrame = 3,
                               .VisibleRows = 5, .LinesPerPage = 73};

PrintWalkState Rows(int rows, int linesPerPage)
{
    PrintWalkState state = Shown;
    state.VisibleRows = rows;
    state.LinesPerPage = linesPerPage;
    return state;
}

}  // namespace

TEST(PrintPageWalk, CountsAndWalksEveryPartOfTheRequest)
{
    using R = PrintRequest;
    void (*const list)(R&) = [](R& r) { r.PrintRecordsList = 1; };
    const struct { const char* name; void (*edit)(R&); PrintWalkState state; const char* pages; } cases[] = {
        {"nothing", [](R&) {}, Shown, ""},
        {"screen wins over everything",
         [](R& r) {
             r.PrintScreen = r.PrintSubpoena = r.PrintRecordsList = 1, r.GeneralChoice = R::All, r.FrameCount[0] = 6;
         },
         Shown, "X"},
        {"general selected", [](R& r) { r.GeneralChoice = R::Selected; }, Shown, "G4"},
        {"general 3 to 7", [](R& r) { r.GeneralChoice = R::Partial, r.FromFrame[0] = 3, r.ToFrame[0] = 7; }, Shown,
         "G2+ G4+ G6"},
        {"general 3 to 6", [](R& r) { r.GeneralChoice = R::Partial, r.FromFrame[0] = 3, r.ToFrame[0] = 6; }, Shown,
         "G2+ G4+"},
        {"general one frame", [](R& r) { r.GeneralChoice = R::Partial, r.FromFrame[0] = r.ToFrame[0] = 2; }, Shown,
         "G1"},
        {"general from above to", [](R& r) { r.GeneralChoice = R::Partial, r.FromFrame[0] = 5, r.ToFrame[0] = 3; },
         Shown, ""},
        {"general all of 5", [](R& r) { r.GeneralChoice = R::All, r.FrameCount[0] = 5; }, Shown, "G0+ G2+ G4"},
        {"general all of none", [](R& r) { r.GeneralChoice = R::All; }, Shown, ""},
        {"detailed selected whatever the lanes say",
         [](R& r) { r.DetailedChoice = R::Selected, r.LaneChecked = {1, 0, 1}, r.ToFrame = {0, 9, 9, 9}; }, Shown,
         "D2:2"},
        {"detailed checked lanes only",
         [](R& r) {
             r.DetailedChoice = R::Partial, r.LaneChecked = {1, 0, 1};
             r.FromFrame = {0, 2, 1, 4}, r.ToFrame = {0, 3, 5, 4};
         },
         Shown, "D1:1 D1:2 D3:3"},
        {"detailed lane from above to",
         [](R& r) {
             r.DetailedChoice = R::Partial, r.LaneChecked = {1, 1, 0};
             r.FromFrame = {0, 5, 1, 0}, r.ToFrame = {0, 3, 1, 0};
         },
         Shown, "D2:0"},
        {"detailed all lanes", [](R& r) { r.DetailedChoice = R::All, r.FrameCount = {7, 2, 0, 1}; }, Shown,
         "D1:0 D1:1 D3:0"},
        {"records list of 70 rows at 73 lines", list, Rows(70, 73), "R0"},
        {"records list of 71 rows at 73 lines", list, Rows(71, 73), "R0 R70"},
        {"records list at 3 lines", list, Rows(70, 3), ""},
        {"records list at no lines", list, Rows(70, 0), ""},
        {"records list of no rows", list, Rows(0, 73), ""},
        {"every part in its order",
         [](R& r) {
             r.PrintSubpoena = r.PrintRecordsList = 1;
             r.GeneralChoice = R::Partial, r.FromFrame[0] = 1, r.ToFrame[0] = 3;
             r.DetailedChoice = R::All, r.FrameCount = {3, 0, 1, 0};
         },
         Rows(3, 5), "S G0+ G2 D2:0 R0 R2"},
    };
    for (const auto& c : cases) {
        PrintRequest request;
        c.edit(request);
        const PrintPageWalk walk(request, c.state);
        EXPECT_EQ(Walk(walk), c.pages) << c.name;
        EXPECT_EQ(walk.Page(0), PrintedPage{}) << c.name;
        EXPECT_EQ(walk.Page(walk.PageCount() + 1), PrintedPage{}) << c.name;
    }
}

TEST(PrintPageWalk, LongRecordsListsCountWithoutOverflow)
{
    PrintRequest request;
    request.PrintRecordsList = 1;
    const PrintPageWalk walk(request, Rows(100'000, 2'147'483'647));
    EXPECT_EQ(walk.PageCount(), 1);
}
