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
    picture.Create(size->Width, size->Height);
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

TEST_F(PrintPagesTest, GeneralViewHalvesStackOnPortraitAndStandTurnedSideBySideOnLandscape)
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
    ASSERT_EQ(settings.SiteList.size(), 1u);  // the unknown unit joined the list, once
    EXPECT_EQ(settings.SiteList[0].mac, (MacAddress{0x00, 0x11, 0x22, 0x33, 0x44, 0x55}));
}

TEST_F(PrintPagesTest, AMissingBitmapEndsTheGeneralViewPageThere)
{
    OpenRecord();
    ChooseGeneral("1", "2");
    Begin(Portrait);
    const auto printed = Print(1);
    pictures.MissingBitmaps = {GeneralPath(1)};
    EXPECT_EQ(Print(1), std::vector<CanvasCall>(printed.begin(), printed.begin() + 3));
    pictures.MissingBitmaps = {GeneralPath(0)};
    EXPECT_EQ(Print(1), std::vector<CanvasCall>{});
}

TEST_F(PrintPagesTest, GeneralViewFromThreeToSevenTakesThreePagesAndNothingBeyond)
{
    OpenRecord();
    ChooseGeneral("3", "7");
    Begin(Landscape);
    ASSERT_EQ(Count(), 3);
    for (int page = 1; page <= 4; ++page)
        Print(page);
    EXPECT_EQ(pictures.LoadedBitmaps, (std::vector<std::string>{"G03.BMP", "G04.BMP", "G05.BMP", "G06.BMP", "G07.BMP"}));
    EXPECT_TRUE(canvas.Calls.empty());
}
