// Colour, gamma, filter, zoom, display-mode, calendar and sort commands.
#include "ReviewDocumentFixture.h"

#include "document/CommandIds.h"
#include "document/UpdateHints.h"

using Update = testsupport::RecordingView::Update;

namespace {

class ViewCommands : public ReviewDocumentFixture {
protected:
    void SetUp() override
    {
        testsupport::ReviewRecord record;
        record.LaneFrames = {1, 0, 0};
        AddRecord(0, record);
        Open();
    }

    // Renderings are the only users of the wait cursor.
    int Renders() const { return services.WaitCursorShown; }
};

const std::vector<int> ColourHints{HINT_COLOR, HINT_IMAGE};
const std::vector<int> ImageHint{HINT_IMAGE};

}  // namespace

TEST_F(ViewCommands, ColourCommandsStoreTheModeAndRenderBetweenTheirHints)
{
    const struct {
        int id;
        int mode;
    } cases[] = {{ID_COLOR_WITHOUT, 0}, {ID_COLOR_DAY, 1}, {ID_COLOR_NIGHT, 2}, {ID_COLOR_AUTO, 3}};
    for (const auto& c : cases) {
        view.Clear();
        std::vector<int> modeAtHint;
        view.OnEach = [&](const Update&) { modeAtHint.push_back(doc->FrameImage.Correction); };
        const int renders = Renders();
        EXPECT_TRUE(doc->OnCommand(c.id));
        EXPECT_EQ(doc->FrameImage.Correction, c.mode);
        EXPECT_EQ(Hints(), ColourHints);
        EXPECT_EQ(modeAtHint, (std::vector<int>{c.mode, c.mode}));
        EXPECT_EQ(Renders(), renders + 1);
        EXPECT_EQ(doc->DetailedImageReady, 1);
    }
}

TEST_F(ViewCommands, ColourButtonCyclesThroughTheModes)
{
    doc->OnCommand(ID_COLOR_AUTO);
    for (int i = 0; i < 3; ++i)
        doc->OnCommand(ID_COLOR_CYCLE);
    EXPECT_EQ(doc->FrameImage.Correction, 2);
    doc->OnCommand(ID_COLOR_CYCLE);
    EXPECT_EQ(doc->FrameImage.Correction, 3);

    for (const int odd : {7, -1}) {
        doc->FrameImage.Correction = odd;
        view.Clear();
        doc->OnCommand(ID_COLOR_CYCLE);
        EXPECT_EQ(doc->FrameImage.Correction, 0);
        EXPECT_EQ(Hints(), ColourHints);
    }
}

TEST_F(ViewCommands, GammaTogglesBetweenOffAndTwoPointTwo)
{
    const struct {
        double before;
        double after;
    } cases[] = {{0.0, 2.2}, {2.2, 0.0}, {0.05, 2.2}, {0.1, 0.0}, {1.0, 0.0}};
    for (const auto& c : cases) {
        doc->FrameImage.Gamma = c.before;
        view.Clear();
        EXPECT_TRUE(doc->OnCommand(ID_GAMMA));
        EXPECT_EQ(doc->FrameImage.Gamma, c.after) << c.before;
        EXPECT_EQ(Hints(), ColourHints);
    }
}

TEST_F(ViewCommands, FilterAndGreyCommandsRenderAndSendImage)
{
    const struct {
        int id;
        int filter;
    } cases[] = {{ID_FILTER_SHARPEN, 1}, {ID_FILTER_SHARPEN_STRONG, 2}, {ID_FILTER_EMBOSS, 3}, {ID_FILTER_NONE, 0}};
    for (const auto& c : cases) {
        view.Clear();
        const int renders = Renders();
        EXPECT_TRUE(doc->OnCommand(c.id));
        EXPECT_EQ(doc->Filter, c.filter);
        EXPECT_EQ(Hints(), ImageHint);
        EXPECT_EQ(Renders(), renders + 1);
    }
    for (const int expected : {1, 0}) {
        view.Clear();
        doc->OnCommand(ID_BLACK_AND_WHITE);
        EXPECT_EQ(doc->BlackAndWhite, expected);
        EXPECT_EQ(Hints(), ImageHint);
    }
}

TEST_F(ViewCommands, FilterChangesThePicture)
{
    const std::vector<uint8_t> plain(doc->DetailedImage.TopDownRow(2), doc->DetailedImage.TopDownRow(2) + 60);
    doc->OnCommand(ID_FILTER_EMBOSS);
    const std::vector<uint8_t> embossed(doc->DetailedImage.TopDownRow(2), doc->DetailedImage.TopDownRow(2) + 60);
    EXPECT_NE(plain, embossed);
}

TEST_F(ViewCommands, ZoomCommandsStoreTheScaleWithoutRendering)
{
    const struct {
        int id;
        int zoom;
    } cases[] = {{ID_ZOOM_FIT, 0}, {ID_ZOOM_50, 50}, {ID_ZOOM_75, 75}, {ID_ZOOM_100, 100}, {ID_ZOOM_150, 150}, {ID_ZOOM_200, 200}};
    const int renders = Renders();
    for (const auto& c : cases) {
        view.Clear();
        EXPECT_TRUE(doc->OnCommand(c.id));
        EXPECT_EQ(doc->Zoom, c.zoom);
        EXPECT_EQ(Hints(), ImageHint);
    }
    EXPECT_EQ(Renders(), renders);
}

TEST_F(ViewCommands, FullScreenCommandsSwitchTheModeAndTheFrame)
{
    const struct {
        int mode;
        int id;
        int after;
        const char* frame;
    } cases[] = {
        {0, ID_DETAILED_FULL_SCREEN, 1, "SetFullScreen(1)"}, {1, ID_DETAILED_FULL_SCREEN, 0, "SetFullScreen(0)"},
        {0, ID_GENERAL_FULL_SCREEN, 2, "SetFullScreen(1)"},  {2, ID_GENERAL_FULL_SCREEN, 0, "SetFullScreen(0)"},
        {1, ID_GENERAL_FULL_SCREEN, 2, "SetFullScreen(1)"},  {2, ID_LEAVE_FULL_SCREEN, 0, "SetFullScreen(0)"},
        {1, ID_LEAVE_FULL_SCREEN, 0, "SetFullScreen(0)"},
    };
    for (const auto& c : cases) {
        doc->DisplayMode = c.mode;
        view.Clear();
        services.Events.clear();
        EXPECT_TRUE(doc->OnCommand(c.id));
        EXPECT_EQ(doc->DisplayMode, c.after);
        EXPECT_EQ(services.Events, std::vector<std::string>{c.frame});
        EXPECT_EQ(Updates(), (std::vector<Update>{{HINT_DISPLAY, c.id}}));
    }
}

TEST_F(ViewCommands, EscapeInNormalModeDoesNothing)
{
    EXPECT_TRUE(doc->OnCommand(ID_LEAVE_FULL_SCREEN));
    EXPECT_TRUE(Updates().empty());
    EXPECT_TRUE(services.Events.empty());
}

TEST_F(ViewCommands, CalendarTogglesAndSortReordersTheList)
{
    for (const int hidden : {1, 0}) {
        view.Clear();
        doc->OnCommand(ID_CALENDAR);
        EXPECT_EQ(doc->CalendarHidden, hidden);
        EXPECT_EQ(Updates(), (std::vector<Update>{{HINT_DISPLAY, ID_CALENDAR}}));
    }
    for (const auto& [id, mode] : {std::pair{ID_SORT_BY_TYPE, 1}, std::pair{ID_SORT_BY_TIME, 0}}) {
        view.Clear();
        doc->OnCommand(id);
        EXPECT_EQ(doc->Records.SortMode, mode);
        EXPECT_EQ(Hints(), std::vector<int>{HINT_LIST});
    }
}

TEST_F(ViewCommands, RefreshCommandRescans)
{
    AddRecord(5);
    EXPECT_TRUE(doc->OnCommand(ID_REFRESH));
    EXPECT_EQ(doc->Records.Visible.size(), 2u);
    EXPECT_EQ(Hints(), std::vector<int>{HINT_ALL});
}

TEST_F(ViewCommands, NewDocumentCorrectsColoursAutomatically)
{
    CVantrelDoc fresh(settings, codeNotes, services);
    EXPECT_EQ(fresh.FrameImage.Correction, 0);
    fresh.OnNewDocument();
    EXPECT_EQ(fresh.FrameImage.Correction, 3);
    EXPECT_EQ(fresh.PrintRequest, ::PrintRequest{});
    EXPECT_EQ(fresh.PrintRequest.RecordIndex, -2);
    EXPECT_EQ(fresh.Zoom, 100);
    EXPECT_EQ(fresh.CurrentLane, 1);
    EXPECT_EQ(fresh.CurrentLaneFrame, 1);
    EXPECT_EQ(fresh.ResetDynamicRange, 1);
}
