// Hint sequences and opening rules of the review document.
#include "ReviewDocumentFixture.h"

#include "document/UpdateHints.h"

#include <functional>
#include <vector>

using DocumentHints = ReviewDocumentFixture;
using Doc = CVantrelDoc;

constexpr std::int32_t ConfirmedOnly = RecordDirectory::AllDays | RecordDirectory::ShowConfirmed;
constexpr std::int32_t RejectedOnly = RecordDirectory::AllDays | RecordDirectory::ShowRejected;

TEST_F(DocumentHints, EachChangeSendsItsHintsAndRendersOnlyWhenThePictureChanges)
{
    AddRecord(0, {3, 2, 0}, 3);
    AddRecord(1, {1, 0, 0});
    const struct {
        const char* name;
        std::function<void(Doc&)> change;
        std::vector<int> hints;
        int renders;
    } cases[] = {
        {"refresh", [](Doc& d) { d.Refresh(); }, {HINT_ALL}, 1},
        {"another row", [](Doc& d) { d.SelectRecord(1); }, {HINT_ALL}, 1},
        {"no row", [](Doc& d) { d.SelectRecord(-1); }, {HINT_ALL}, 0},
        {"the same row", [](Doc& d) { d.SelectRecord(0); }, {HINT_LIST}, 0},
        {"lane change", [](Doc& d) { d.SetLane(2); }, {HINT_COLOR, HINT_IMAGE}, 1},
        {"same or no lane", [](Doc& d) { for (const int lane : {1, 0, 4, -1}) d.SetLane(lane); }, {}, 0},
        {"frame change", [](Doc& d) { d.SetLaneFrame(2); }, {HINT_IMAGE}, 1},
        {"display range", [](Doc& d) { d.SetDisplayRange(20, 10); }, {HINT_IMAGE}, 1},
        {"filter keeping the record", [](Doc& d) { d.SetRecordFilter(-1); }, {HINT_LIST}, 0},
        {"filter dropping it", [](Doc& d) { d.SetRecordFilter(ConfirmedOnly); }, {HINT_ALL}, 0},
        {"no record, twice", [](Doc& d) { d.SetRecordFilter(ConfirmedOnly); d.SetRecordFilter(RejectedOnly); },
         {HINT_ALL, HINT_LIST}, 0},
        {"general frames inside the list", [](Doc& d) { for (const int i : {1, 3, -1}) d.SetGeneralFrame(i, true); },
         {HINT_PLAYBACK}, 0},
    };
    for (const auto& c : cases) {
        Open();
        const int renders = services.WaitCursors;
        c.change(*doc);
        EXPECT_EQ(view.Hints(), c.hints) << c.name;
        EXPECT_EQ(services.WaitCursors - renders, c.renders) << c.name;
    }
    EXPECT_EQ(view.Updates[0].Command, std::nullopt);
}

TEST_F(DocumentHints, LaneChangeSendsColourBeforeRenderingWithAFreshRangeThenImage)
{
    AddRecord(0, {2, 2, 0});
    Open();
    const auto window = [&] { return std::pair<int, int>(doc->FrameImage().WindowLow, doc->FrameImage().WindowHigh); };
    const std::string left = doc->FrameImage().FileName();
    doc->SetDisplayRange(20, 10);
    EXPECT_EQ(window(), std::pair(10, 20));
    std::vector<std::string> shownAtHint;
    view.OnEach = [&] { shownAtHint.push_back(doc->FrameImage().FileName()); };
    doc->SetLane(2);
    EXPECT_EQ(shownAtHint, (std::vector<std::string>{left, LanePath(2, 1)}));
    // Middle-lane samples lie at 700..955: an automatic window, not the kept one.
    EXPECT_GT(doc->FrameImage().WindowHigh, 900);

    doc->SetDisplayRange(750, 800);
    doc->SetLaneFrame(2);
    EXPECT_EQ(doc->FrameImage().FileName(), LanePath(2, 2));
    EXPECT_EQ(window(), std::pair(750, 800)) << "another frame of the same lane keeps the range";
}

TEST_F(DocumentHints, RecordsOpenOnKeptOrClampedPositions)
{
    AddRecord(0, {5, 0, 0}, 12);
    AddRecord(1, {4, 0, 0}, 3);
    AddRecord(2, {2, 0, 0}, 1);
    AddRecord(3, {0, 3, 2}, 8);
    AddRecord(4);
    Open();
    const struct { const char* step; std::function<void(Doc&)> change; int lane, frame, general; } steps[] = {
        {"frame 3", [](Doc& d) { d.SetLaneFrame(3); }, 1, 3, 7},
        {"a longer lane keeps it", [](Doc& d) { d.SelectRecord(1); }, 1, 3, 2},
        {"a shorter lane clamps it", [](Doc& d) { d.SelectRecord(2); }, 1, 2, 0},
        {"an empty left lane opens the middle", [](Doc& d) { d.SelectRecord(3); }, 2, 2, 7},
        {"a frame past the end", [](Doc& d) { d.SetLaneFrame(9); }, 2, 3, 7},
        {"a lane with fewer frames", [](Doc& d) { d.SetLane(3); }, 3, 2, 7},
        {"a record without frames", [](Doc& d) { d.SelectRecord(4); }, 3, 0, -1},
    };
    for (const auto& s : steps) {
        s.change(*doc);
        EXPECT_EQ((std::array{doc->CurrentLane(), doc->CurrentLaneFrame(), doc->CurrentGeneralFrame()}),
                  (std::array{s.lane, s.frame, s.general}))
            << s.step;
        EXPECT_EQ(doc->DetailedImageReady(), s.frame > 0) << s.step;
        if (s.frame > 0) {
            EXPECT_EQ(doc->FrameImage().FileName(), LanePath(s.lane, s.frame)) << s.step;
        }
    }
}
