// The job's margins, cell and lines, and the fitting of pictures.
#include "RecordingCanvas.h"

#include "printing/FitPicture.h"
#include "printing/PrintLayout.h"

#include <gtest/gtest.h>

TEST(PrintLayout, MarginsCellAndLinesFollowThePage)
{
    const struct {
        const char* name;
        PageMetrics page;
        std::array<int, 3> lineHeight;  // horizontal, clockwise, counter-clockwise
        PageRect print;
        PageExtent cell;
        int lines;
    } cases[] = {
        {"A4 portrait", {2100, 2970, 210, 297}, {13, 13, 13}, {200, 50, 2100, 2970}, {7, 13}, 224},
        // Millimetres round down on both axes.
        {"Letter portrait", {2550, 3300, 215, 279}, {13, 13, 13}, {237, 59, 2550, 3300}, {7, 13}, 249},
        {"Letter landscape", {3300, 2550, 279, 215}, {13, 13, 13}, {0, 237, 3241, 2550}, {7, 13}, 177},
        {"square counts as landscape", {1000, 1000, 100, 100}, {10, 10, 10}, {0, 200, 950, 1000}, {7, 10}, 80},
        {"taller upright font", {2100, 2970, 210, 297}, {15, 13, 13}, {200, 50, 2100, 2970}, {7, 15}, 194},
        {"taller turned font", {2100, 2970, 210, 297}, {13, 13, 16}, {200, 50, 2100, 2970}, {7, 16}, 182},
        {"no size in millimetres", {2100, 2970, 0, 0}, {13, 13, 13}, {0, 0, 2100, 2970}, {7, 13}, 228},
        {"a font without height", {2100, 2970, 210, 297}, {0, 0, 0}, {200, 50, 2100, 2970}, {7, 0}, 0},
    };
    for (const auto& c : cases) {
        testsupport::RecordingCanvas canvas;
        canvas.Page = c.page;
        canvas.LineHeight = c.lineHeight;
        PrintLayout layout;
        layout.Begin(canvas);
        EXPECT_EQ(layout.PrintRect, c.print) << c.name;
        EXPECT_EQ(layout.Cell, c.cell) << c.name;
        EXPECT_EQ(layout.LinesPerPage, c.lines) << c.name;
        EXPECT_TRUE(canvas.Calls.empty()) << c.name;
    }
}

TEST(FitPicture, ScalesByTheSmallerRatioAndTruncates)
{
    const struct { PageExtent picture, area, fitted; } cases[] = {
        {{950, 100}, {1900, 1414}, {1900, 200}},   // width limits
        {{100, 950}, {1414, 1900}, {200, 1900}},   // height limits
        {{400, 301}, {200, 1000}, {200, 150}},     // 150.5 truncates
        {{0, 300}, {100, 100}, {}},                // an empty picture would divide by zero
        {{400, 300}, {100, -5}, {}},               // no room
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitPicture(c.picture, c.area), c.fitted) << c.picture.Width << "x" << c.picture.Height;
}
