// Hint sequences and opening rules of the review document.
#include "ReviewDocumentFixture.h"

#include "document/CCommandHint.h"
#include "document/UpdateHints.h"

#include <vector>

using testsupport::RecordingView;
using testsupport::ReviewRecord;

namespace {

ReviewRecord Lanes(int left, int middle, int right, int general = 0)
{
    ReviewRecord record;
    record.LaneFrames = {left, middle, right};
    record.GeneralFrames = general;
    return record;
}

}  // namespace

using DocumentHints = ReviewDocumentFixture;

TEST_F(DocumentHints, RefreshOfAnEmptyRootSelectsNothingAndSendsHintAll)
{
    doc->Refresh();
    EXPECT_EQ(doc->Records.SelectedIndex, -1);
    EXPECT_EQ(doc->DetailedImageReady, 0);
    EXPECT_EQ(doc->CurrentGeneralFrame, -1);
    EXPECT_EQ(Hints(), std::vector<int>{HINT_ALL});
    EXPECT_EQ(services.PathNames, std::vector<std::string>{dir.Path()});
}

TEST_F(DocumentHints, RefreshTakesRootNamesAndCutsFromTheSettings)
{
    settings.ConfirmedDirectory = "Done";
    settings.RejectedDirectory = "Bin";
    doc->FrameImage.HighCut = 0.5;
    doc->FrameImage.LowCut = 0.5;
    AddRecord(0, Lanes(1, 0, 0));
    doc->Refresh();
    EXPECT_EQ(doc->Records.Root, dir.Path());
    EXPECT_EQ(doc->Records.ConfirmedDirectory, "Done");
    EXPECT_EQ(doc->Records.RejectedDirectory, "Bin");
    EXPECT_EQ(doc->FrameImage.HighCut, CVantrelSettings::ClipBright);
    EXPECT_EQ(doc->FrameImage.LowCut, CVantrelSettings::ClipDark);
    EXPECT_EQ(doc->Records.SelectedIndex, 0);
    EXPECT_EQ(doc->DetailedImageReady, 1);
}

TEST_F(DocumentHints, GeneralViewOpensOnTheLastFrameButAtMostTheEighth)
{
    const struct {
        int frames;
        int index;
    } cases[] = {{12, 7}, {8, 7}, {3, 2}, {1, 0}, {0, -1}};
    for (int i = 0; i < 5; ++i)
        AddRecord(i, Lanes(1, 0, 0, cases[i].frames));
    doc->Refresh();
    for (int i = 0; i < 5; ++i) {
        doc->SelectRecord(i);
        EXPECT_EQ(doc->GeneralFrameCount(), cases[i].frames);
        EXPECT_EQ(doc->CurrentGeneralFrame, cases[i].index) << cases[i].frames << " frames";
        EXPECT_EQ(doc->CurrentGeneralFrameEntry() != nullptr, cases[i].index >= 0);
    }
}

TEST_F(DocumentHints, LanePositionCarriesOverAndIsHeldInsideTheNextLane)
{
    AddRecord(0, Lanes(5, 0, 0));
    AddRecord(1, Lanes(4, 0, 0));
    AddRecord(2, Lanes(2, 0, 0));
    Open();
    doc->SetLaneFrame(3);
    doc->SelectRecord(1);
    EXPECT_EQ(doc->CurrentLaneFrame, 3);
    doc->SelectRecord(2);
    EXPECT_EQ(doc->CurrentLaneFrame, 2);
    EXPECT_EQ(doc->FrameImage.FileName(), testsupport::ReviewLaneFramePath(doc->Records.Content.Path, 1, 2));
}

TEST_F(DocumentHints, RecordOpensOnTheFirstLaneThatHasFrames)
{
    AddRecord(0, Lanes(0, 3, 2));
    AddRecord(1, Lanes(0, 0, 0));
    Open();
    EXPECT_EQ(doc->CurrentLane, 2);
    EXPECT_EQ(doc->CurrentLaneFrame, 1);
    EXPECT_EQ(doc->DetailedImageReady, 1);

    doc->SelectRecord(1);  // no lane has frames: the lane stays, the position is 0
    EXPECT_EQ(doc->CurrentLane, 2);
    EXPECT_EQ(doc->CurrentLaneFrame, 0);
    EXPECT_EQ(doc->DetailedImageReady, 0);
    EXPECT_EQ(Hints(), std::vector<int>{HINT_ALL});
}

TEST_F(DocumentHints, SelectionSendsHintAllForAnotherRecordAndHintListForTheSameOne)
{
    AddRecord(0, Lanes(1, 0, 0, 2));
    AddRecord(1, Lanes(1, 0, 0, 2));
    Open();
    const int renders = services.WaitCursorShown;
    doc->SelectRecord(0);
    EXPECT_EQ(Hints(), std::vector<int>{HINT_LIST});
    EXPECT_EQ(services.WaitCursorShown, renders) << "the same record is not rendered again";

    view.Clear();
    doc->Playing = 1;
    doc->SelectRecord(1);
    EXPECT_EQ(Hints(), std::vector<int>{HINT_ALL});
    EXPECT_EQ(doc->Playing, 0);

    view.Clear();
    doc->SelectRecord(-1);
    EXPECT_EQ(Hints(), std::vector<int>{HINT_ALL});
    EXPECT_EQ(doc->DetailedImageReady, 0);
    EXPECT_EQ(services.WaitCursorDepth, 0);
}

TEST_F(DocumentHints, FilterKeepingTheRecordSendsHintListOtherwiseHintAll)
{
    AddRecord(0, Lanes(1, 0, 0));
    Open();
    doc->SetRecordFilter(-1);
    EXPECT_EQ(Hints(), std::vector<int>{HINT_LIST});

    view.Clear();
    doc->SetRecordFilter(RecordDirectory::AllDays | RecordDirectory::ShowConfirmed);
    EXPECT_EQ(Hints(), std::vector<int>{HINT_ALL});
    EXPECT_EQ(doc->Records.SelectedIndex, -1);

    view.Clear();
    doc->SetRecordFilter(RecordDirectory::AllDays | RecordDirectory::ShowRejected);
    EXPECT_EQ(Hints(), std::vector<int>{HINT_LIST}) << "still no record";
}

TEST_F(DocumentHints, LaneChangeSendsColourBeforeRenderingWithAFreshRangeThenImage)
{
    AddRecord(0, Lanes(2, 2, 0));
    Open();
    const std::string left = doc->FrameImage.FileName();
    doc->SetDisplayRange(20, 10);
    EXPECT_EQ(doc->FrameImage.WindowLow, 10);
    EXPECT_EQ(doc->FrameImage.WindowHigh, 20);
    view.Clear();

    std::vector<std::string> shownAtHint;
    view.OnEach = [&](const RecordingView::Update&) { shownAtHint.push_back(doc->FrameImage.FileName()); };
    doc->SetLane(2);
    EXPECT_EQ(Hints(), (std::vector<int>{HINT_COLOR, HINT_IMAGE}));
    const std::string middle = testsupport::ReviewLaneFramePath(doc->Records.Content.Path, 2, 1);
    EXPECT_EQ(shownAtHint, (std::vector<std::string>{left, middle}));
    // Middle-lane samples lie at 700..955: an automatic window, not the kept one.
    EXPECT_GT(doc->FrameImage.WindowHigh, 900);
    EXPECT_EQ(doc->ResetDynamicRange, 0);
}

TEST_F(DocumentHints, AnotherFrameOfTheSameLaneKeepsTheDisplayRange)
{
    AddRecord(0, Lanes(3, 0, 0));
    Open();
    doc->SetLaneFrame(1);
    doc->SetDisplayRange(50, 200);
    view.Clear();
    doc->SetLaneFrame(2);
    EXPECT_EQ(Hints(), std::vector<int>{HINT_IMAGE});
    EXPECT_EQ(doc->FrameImage.FileName(), testsupport::ReviewLaneFramePath(doc->Records.Content.Path, 1, 2));
    EXPECT_EQ(doc->FrameImage.WindowLow, 50);
    EXPECT_EQ(doc->FrameImage.WindowHigh, 200);

    doc->SetLaneFrame(9);
    EXPECT_EQ(doc->CurrentLaneFrame, 3);
    EXPECT_EQ(doc->DetailedImageReady, 1);
}

TEST_F(DocumentHints, LaneRequestsThatChangeNothingSendNothing)
{
    AddRecord(0, Lanes(2, 0, 0));
    Open();
    for (const int lane : {1, 0, 4, -1})
        doc->SetLane(lane);
    EXPECT_TRUE(Hints().empty());
    EXPECT_EQ(doc->CurrentLane, 1);
}

TEST_F(DocumentHints, EmptyLaneLeavesPositionZeroAndNothingRendered)
{
    AddRecord(0, Lanes(2, 0, 0));
    Open();
    doc->SetLane(3);
    EXPECT_EQ(doc->CurrentLaneFrame, 0);
    EXPECT_EQ(doc->DetailedImageReady, 0);
    doc->SetLane(1);
    EXPECT_EQ(doc->CurrentLaneFrame, 1);
    EXPECT_EQ(doc->DetailedImageReady, 1);
}

TEST_F(DocumentHints, GeneralFramesAreSetOnlyInsideTheList)
{
    AddRecord(0, Lanes(1, 0, 0, 3));
    Open();
    doc->SetGeneralFrame(1, true);
    doc->SetGeneralFrame(0, false);
    doc->SetGeneralFrame(3, true);
    doc->SetGeneralFrame(-1, true);
    EXPECT_EQ(doc->CurrentGeneralFrame, 0);
    ASSERT_EQ(Updates().size(), 1u);
    EXPECT_EQ(Updates()[0], (RecordingView::Update{HINT_PLAYBACK, std::nullopt}));
    EXPECT_EQ(doc->CurrentGeneralFrameEntry(), &doc->Records.Content.Frames[0][0]);
}

TEST_F(DocumentHints, DisplayRangeNeedsARenderedFrame)
{
    doc->Refresh();
    view.Clear();
    doc->SetDisplayRange(10, 20);
    EXPECT_TRUE(Hints().empty());
}

TEST_F(DocumentHints, RenderingFillsThePictureOfTheVisibleRectangle)
{
    AddRecord(0, Lanes(1, 0, 0));
    Open();
    const ImageSize visible = doc->FrameImage.GetVisibleSize();
    EXPECT_EQ(doc->DetailedImage.Width(), visible.width);
    EXPECT_EQ(doc->DetailedImage.Height(), visible.height);

    doc->BlackAndWhite = 1;
    doc->RebuildDetailedImage();
    const uint8_t* pixel = doc->DetailedImage.TopDownRow(1) + 3 * 5;
    EXPECT_EQ(pixel[0], pixel[1]);
    EXPECT_EQ(pixel[1], pixel[2]);
    EXPECT_EQ(services.WaitCursorDepth, 0);
    EXPECT_EQ(services.MaxWaitCursorDepth, 1);
}

TEST_F(DocumentHints, UnreadableFrameLeavesTheImageNotReady)
{
    const std::string record = AddRecord(0, Lanes(1, 0, 0));
    Open();
    testsupport::WriteFile(testsupport::ReviewLaneFramePath(record, 1, 1), "short");
    doc->RebuildDetailedImage();
    EXPECT_EQ(doc->DetailedImageReady, 0);
}

TEST_F(DocumentHints, EveryViewGetsEveryHintInOrderUntilRemoved)
{
    RecordingView second;
    doc->AddView(&second);
    doc->AddView(&second);
    AddRecord(0, Lanes(1, 1, 0));
    Open();
    second.Clear();
    doc->SetLane(2);
    EXPECT_EQ(second.Updates, view.Updates);
    doc->RemoveView(&second);
    doc->SetLane(1);
    EXPECT_EQ(second.Updates.size(), 2u);
    EXPECT_EQ(view.Updates.size(), 4u);
}
