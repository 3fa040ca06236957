// The printed pages of a real document: what each page kind draws where, in
// both orientations, and what is left out when a picture or entry is missing.
#include "../document/ReviewDocumentFixture.h"

#include "RecordingCanvas.h"

#include "document/PrintSelectionForm.h"
#include "imaging/CDibImage.h"
#include "printing/PrintJobPages.h"
#include "printing/PrintLayout.h"
#include "printing/PrintPictures.h"

#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>

using testsupport::CanvasCall;
using Kind = CanvasCall::Kind;

namespace {

// Corner marks of every scripted picture, as the recording canvas reads a
// drawn picture's top-left pixel: upright it shows TopLeft, turned clockwise
// BottomLeft, turned counter-clockwise TopRight.
constexpr std::uint32_t TopLeft = 0x000001;
constexpr std::uint32_t TopRight = 0x000002;
constexpr std::uint32_t BottomLeft = 0x000003;

void Mark(CDibImage& picture, int row, int column, std::uint32_t colour)
{
    std::uint8_t* pixel = picture.TopDownRow(row) + 3 * column;
    pixel[0] = static_cast<std::uint8_t>(colour);
    pixel[1] = static_cast<std::uint8_t>(colour >> 8);
    pixel[2] = static_cast<std::uint8_t>(colour >> 16);
}

bool Make(const std::optional<PageExtent>& size, CDibImage& picture)
{
    if (!size)
        return false;
    // An empty size plays a desktop that answers with a picture of no pixels.
    if (!picture.Create(size->Width, size->Height))
        return true;
    std::memset(picture.Bits(), 0xFF, picture.Info().SizeImage);
    Mark(picture, 0, 0, TopLeft);
    Mark(picture, 0, size->Width - 1, TopRight);
    Mark(picture, size->Height - 1, 0, BottomLeft);
    return true;
}

// The desktop's pictures as a test chooses them; nothing where the size is none.
class ScriptedPictures : public PrintPictures {
public:
    PageExtent BitmapSize{950, 100};
    std::set<std::string> MissingBitmaps;
    std::optional<PageExtent> Capture;
    std::optional<PageExtent> Form;
    std::vector<std::string> LoadedBitmaps;

    bool LoadBitmap(const std::string& path, CDibImage& picture) override
    {
        LoadedBitmaps.push_back(std::filesystem::path(path).filename().string());
        return !MissingBitmaps.contains(path) && Make(BitmapSize, picture);
    }
    bool CaptureMainView(CDibImage& picture) override { return Make(Capture, picture); }
    bool LoadSubpoenaForm(CDibImage& picture) override { return Make(Form, picture); }
};

const PageMetrics Portrait{2100, 2970, 210, 297};    // print rectangle 200, 50, 2100, 2970
const PageMetrics Landscape{2970, 2100, 297, 210};   // print rectangle 0, 200, 2920, 2100

CanvasCall Line(PageRect box, std::string text)
{
    return {.What = Kind::Ellipsis, .Box = box, .Text = std::move(text)};
}

CanvasCall Turned(TextTurn turn, int x, int y, PageRect clip, std::string text)
{
    return {.What = Kind::Clipped, .Turn = turn, .Box = clip, .OriginX = x, .OriginY = y, .Text = std::move(text)};
}

// A picture of size (as turned) drawn onto target.
CanvasCall Picture(PageRect target, PageExtent size, std::uint32_t topLeft)
{
    return {.What = Kind::Picture, .Box = target, .PictureSize = size, .TopLeftPixel = topLeft};
}

}  // namespace

class PrintPagesTest : public ReviewDocumentFixture {
protected:
    // A record of 8 general-view frames and 4 left-lane frames (12:00:01 ..
    // 12:00:04), red from 12:00:03.250 unless red says otherwise.
    void OpenRecord(std::string red = "2006-03-01 12:00:03.250")
    {
        AddRecord(0, {4, 0, 0}, 8, std::move(red));
        Open();
    }
    // The print selection dialog, played by edit from nothing chosen and closed with OK.
    void Choose(const std::function<void(PrintSelectionForm&)>& edit)
    {
        services.PrintScripts.push_back([edit](PrintSelectionForm& form) {
            form.ClickGeneralChoice(PrintSelectionForm::IDC_GENERAL_NOTHING);
            form.ClickDetailedChoice(PrintSelectionForm::IDC_DETAILED_NOTHING);
            edit(form);
            return true;
        });
        ASSERT_TRUE(doc->OnCommand(ID_DETAILED_PRINT));
    }
    void ChooseGeneral(const char* from, const char* to)
    {
        Choose([&](PrintSelectionForm& form) {
            form.ClickGeneralChoice(PrintSelectionForm::IDC_GENERAL_NOTHING + PrintRequest::Partial);
            form.SetFrameText(PrintSelectionForm::IDC_GENERAL_FROM, from);
            form.SetFrameText(PrintSelectionForm::IDC_GENERAL_TO, to);
        });
    }
    void Begin(const PageMetrics& page)
    {
        canvas.Page = page;
        layout.Begin(canvas);
    }
    int Count() { return PrintJobPages(*doc, pictures).PageCount(layout); }
    std::vector<CanvasCall> Print(int page)
    {
        canvas.Calls.clear();
        PrintJobPages(*doc, pictures).PrintPage(canvas, layout, page);
        return canvas.Calls;
    }
    std::string GeneralPath(int position) const { return doc->Records().Content.Frames[0].at(position).Path; }

    testsupport::RecordingCanvas canvas;
    PrintLayout layout;
    ScriptedPictures pictures;
};

TEST_F(PrintPagesTest, GeneralViewHalvesStackOrStandTurnedSideBySideAndEndAtAMissingBitmap)
{
    OpenRecord();
    ChooseGeneral("1", "2");
    const std::string site = "00:11:22:33:44:55";  // not yet listed: named by its address
    const std::string first = "Wednesday, 01-March-2006 12:00:00.000";
    const std::string second = "Wednesday, 01-March-2006 12:00:01.000";
    const TextTurn cw = TextTurn::Clockwise;
    const PageRect right{1467, 200, 2920, 2100};
    const PageRect left{0, 200, 1453, 2100};
    const struct { const char* name; PageMetrics page; std::vector<CanvasCall> calls; } cases[] = {
        {"portrait", Portrait,
         {Line({200, 50, 2100, 1503}, site), Line({200, 63, 2100, 1503}, first),
          Picture({200, 89, 2100, 289}, {950, 100}, TopLeft), Line({200, 1516, 2100, 2970}, site),
          Line({200, 1529, 2100, 2970}, second), Picture({200, 1555, 2100, 1755}, {950, 100}, TopLeft)}},
        {"landscape", Landscape,
         {Turned(cw, 2920, 200, right, site), Turned(cw, 2907, 200, right, first),
          Picture({1467, 200, 1667, 2100}, {100, 950}, BottomLeft), Turned(cw, 1453, 200, left, site),
          Turned(cw, 1440, 200, left, second), Picture({0, 200, 200, 2100}, {100, 950}, BottomLeft)}},
    };
    for (const auto& c : cases) {
        Begin(c.page);
        EXPECT_EQ(Count(), 1) << c.name;
        EXPECT_EQ(Print(1), c.calls) << c.name;
    }
    // A missing bitmap ends the page there.
    pictures.MissingBitmaps = {GeneralPath(1)};
    EXPECT_EQ(Print(1), std::vector<CanvasCall>(cases[1].calls.begin(), cases[1].calls.begin() + 3));
    pictures.MissingBitmaps = {GeneralPath(0)};
    EXPECT_EQ(Print(1), std::vector<CanvasCall>{});
    // The last page of an odd range holds one frame and reads no file for a second.
    ChooseGeneral("3", "7");
    pictures.LoadedBitmaps.clear();
    Print(3);
    EXPECT_EQ(pictures.LoadedBitmaps, std::vector<std::string>{"G07.BMP"});
}

TEST_F(PrintPagesTest, DetailedPageShowsTheShownFrameWithTheTimeAfterRedOnlyFromRedOn)
{
    const std::string site = "00:11:22:33:44:55";
    const TextTurn ccw = TextTurn::CounterClockwise;
    const struct { const char* name; const char* red; int frame; PageMetrics page; std::string caption; } cases[] = {
        {"after red", "2006-03-01 12:00:03.250", 4, Landscape,
         "Left lane, Frame 4, Wednesday, 01-March-2006 12:00:04.000 (After red light 0.750 sec.)"},
        {"no red time", "", 4, Landscape, "Left lane, Frame 4, Wednesday, 01-March-2006 12:00:04.000"},
        {"portrait", "2006-03-01 12:00:03.250", 2, Portrait,
         "Left lane, Frame 2, Wednesday, 01-March-2006 12:00:02.000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(dir.Path());
        OpenRecord(c.red);
        doc->SetLaneFrame(c.frame);
        // The dialog's lane boxes play no part in the page of the frame shown.
        Choose([](PrintSelectionForm& form) { form.ClickDetailedChoice(PrintSelectionForm::IDC_DETAILED_SELECTED); });
        Begin(c.page);
        ASSERT_EQ(Count(), 1);
        const auto calls = Print(1);
        ASSERT_EQ(calls.size(), 3u);
        const CanvasCall& picture = calls[2];
        ASSERT_EQ(picture.What, Kind::Picture);
        const PageExtent shown{doc->DetailedImage().Width(), doc->DetailedImage().Height()};
        if (c.page.Height > c.page.Width) {
            EXPECT_EQ(calls[0], Turned(ccw, 200, 2970, {200, 50, 2100, 2970}, site));
            EXPECT_EQ(calls[1], Turned(ccw, 213, 2970, {213, 50, 2100, 2970}, c.caption));
            // Turned counter-clockwise, from 3 cells right of the margin up from the page bottom.
            EXPECT_EQ(picture.PictureSize, (PageExtent{shown.Height, shown.Width}));
            EXPECT_EQ((std::array{picture.Box.Left, picture.Box.Bottom}), (std::array{239, 2970})) << picture;
        } else {
            EXPECT_EQ(calls[0], Line({0, 200, 2920, 2100}, site));
            EXPECT_EQ(calls[1], Line({0, 213, 2920, 2100}, c.caption));
            // Upright, three cells below the top, filling the width.
            EXPECT_EQ(picture.PictureSize, shown);
            EXPECT_EQ((std::array{picture.Box.Left, picture.Box.Top, picture.Box.Right}), (std::array{0, 239, 2920}));
        }
    }
}

TEST_F(PrintPagesTest, AnUndecodableLaneFrameLeavesTheDetailedPageWithoutItsPicture)
{
    OpenRecord();
    Choose([](PrintSelectionForm& form) { form.ClickDetailedChoice(PrintSelectionForm::IDC_DETAILED_ALL); });
    Begin(Landscape);
    ASSERT_EQ(Count(), 4);
    std::filesystem::resize_file(LanePath(1, 2), 100);
    const auto calls = Print(2);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].Text, "Left lane, Frame 2, Wednesday, 01-March-2006 12:00:02.000");
    EXPECT_EQ(Print(3).size(), 3u);
}

TEST_F(PrintPagesTest, RecordsListFillsAPageFromTheThirdLineWithTheDecisionAfterATab)
{
    testsupport::MakeRecordDirectory(dir.Path() + settings.ConfirmedDirectory + "/",
                                     testsupport::RecordName(2006, 2, 28, 23, 0, 0));
    testsupport::MakeRecordDirectory(dir.Path() + settings.RejectedDirectory + "/",
                                     testsupport::RecordName(2006, 2, 28, 23, 30, 0));
    testsupport::MakeRecordDirectories(dir.Path(), 71, 30);  // from 2006-03-01 00:00:00
    Open();
    Choose([](PrintSelectionForm& form) { form.SetPrintRecordsList(true); });
    canvas.LineHeight = {40, 40, 40};
    Begin(Portrait);
    ASSERT_EQ(layout.LinesPerPage, 73);
    ASSERT_EQ(Count(), 2);  // 73 rows, 70 a page

    const auto first = Print(1);
    ASSERT_EQ(first.size(), 72u);
    const PageRect print{200, 50, 2100, 2970};
    EXPECT_EQ(first[0], Line(print, "Records list"));
    EXPECT_EQ(first[1], Line({200, 90, 2100, 2970}, dir.Path()));
    const auto row = [](int top, std::string text) {
        return CanvasCall{.What = Kind::Tabs, .Box = {200, top, 2100, 2970}, .Text = std::move(text)};
    };
    EXPECT_EQ(first[2], row(170, "28-02-2006 23:00:00\t(Confirmed)"));
    EXPECT_EQ(first[3], row(210, "28-02-2006 23:30:00\t(Rejected)"));
    EXPECT_EQ(first[4], row(250, "01-03-2006 00:00:00"));
    EXPECT_EQ(first[71], row(170 + 69 * 40, "01-03-2006 00:33:30"));

    const auto second = Print(2);
    ASSERT_EQ(second.size(), 5u);
    EXPECT_EQ(second[2], row(170, "01-03-2006 00:34:00"));
}

TEST_F(PrintPagesTest, SubpoenaPutsCaptureAndFormFifteenMillimetresApartEachCentred)
{
    OpenRecord();
    ASSERT_TRUE(doc->OnCommand(ID_PRINT_SUBPOENA));
    const PageExtent capture{1050, 500};
    const PageExtent form{1435, 700};
    const struct {
        const char* name; PageMetrics page; std::optional<PageExtent> capture, form; std::vector<CanvasCall> calls;
    } cases[] = {
        // Capture above in (0, 0, 2100, 1385), form turned below in (0, 1535, 2100, 2970).
        {"portrait", Portrait, capture, form,
         {Picture({0, 192, 2100, 1192}, {1050, 500}, TopLeft),
          Picture({700, 1535, 1400, 2970}, {700, 1435}, TopRight)}},
        // Form on the left in (0, 0, 1435, 2100), capture turned on the right in (1585, 0, 2970, 2100).
        {"landscape", Landscape, capture, form,
         {Picture({1777, 0, 2777, 2100}, {500, 1050}, BottomLeft),
          Picture({0, 700, 1435, 1400}, {1435, 700}, TopLeft)}},
        {"very wide capture centred vertically", Portrait, PageExtent{4200, 100}, std::nullopt,
         {Picture({0, 667, 2100, 717}, {4200, 100}, TopLeft)}},
        {"no capture", Landscape, std::nullopt, form, {Picture({0, 700, 1435, 1400}, {1435, 700}, TopLeft)}},
        {"an empty area draws nothing", {2100, 2970, 1, 1}, capture, form, {}},
    };
    for (const auto& c : cases) {
        pictures.Capture = c.capture;
        pictures.Form = c.form;
        Begin(c.page);
        ASSERT_EQ(Count(), 1) << c.name;
        EXPECT_EQ(Print(1), c.calls) << c.name;
    }
}

TEST_F(PrintPagesTest, ScreenPageAloneTurnsTheCaptureOnAPortraitRectangleFromItsTopLeft)
{
    OpenRecord();
    ASSERT_TRUE(doc->OnCommand(ID_PRINT_SUBPOENA));
    ASSERT_TRUE(doc->OnCommand(ID_PRINT_SCREEN));
    pictures.Form = PageExtent{100, 100};
    const struct {
        const char* name; PageMetrics page; std::optional<PageExtent> capture; std::vector<CanvasCall> calls;
    } cases[] = {
        {"portrait", Portrait, PageExtent{1000, 3800}, {Picture({200, 50, 2100, 550}, {3800, 1000}, TopRight)}},
        {"landscape", Landscape, PageExtent{1460, 100}, {Picture({0, 200, 2920, 400}, {1460, 100}, TopLeft)}},
        {"failed capture", Portrait, std::nullopt, {}},
        {"zero-size capture", Portrait, PageExtent{0, 0}, {}},
    };
    for (const auto& c : cases) {
        pictures.Capture = c.capture;
        Begin(c.page);
        ASSERT_EQ(Count(), 1) << c.name;
        EXPECT_EQ(Print(1), c.calls) << c.name;
        EXPECT_EQ(Print(2), std::vector<CanvasCall>{}) << c.name;
    }
}
