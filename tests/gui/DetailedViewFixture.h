#pragma once

// The detailed-view pane in the main window as the application makes it,
// with records written for it and the pane captured as printing takes it.

#include "CfaFileWriter.h"
#include "PaneCapture.h"
#include "RecordTreeWriter.h"
#include "ReviewRecordWriter.h"
#include "ReviewWindow.h"

#include "document/CommandIds.h"
#include "platform/CSysColors.h"
#include "ui/CVantrelView.h"
#include "views/CCfaImagePane.h"
#include "views/CCfaImageView.h"

#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace detailedtest {

class DetailedViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        window.Frame->resize(1000, 700);
        window.Frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.Frame.get()));
    }
    // A record of the left lane's frames under the settings' root, set up in
    // the window.
    std::string OpenRecord(int leftFrames, const std::string& redTime = {})
    {
        const std::string directory = testsupport::WriteReviewRecord(
            window.Settings.RootDirectory, {testsupport::RecordName(2006, 3, 1, 12, 0, 0), 1, {leftFrames, 0, 0}, redTime, {}});
        window.Document->OnCommand(ID_REFRESH);
        return directory;
    }
    // A record whose one left-lane frame has this sensor size and a pattern
    // that differs from pixel to pixel; the optical-black columns are black.
    void OpenFrameOfSize(int width, int height)
    {
        const std::string directory = OpenRecord(0);
        testsupport::CfaFile file{testsupport::LaneFrameHeader(std::uint16_t(width), std::uint16_t(height)), {}};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                file.samples.push_back(x >= 1070 ? 0 : std::uint16_t((x * 7 + y * 3) & 0xFFF));
        testsupport::WriteCfaFile(testsupport::ReviewLaneFramePath(directory, 1, 1), file);
        window.Document->OnCommand(ID_REFRESH);
    }
    CCfaImagePane& Pane() const { return *window.Frame->View()->ImagePane(); }
    CCfaImageView& View() const { return Pane().PictureView(); }
    QImage Capture() const { return shelltest::Capture(Pane()); }
    // Where the picture view's client area starts in the pane.
    QPoint ViewOrigin() const { return View().viewport()->mapTo(&Pane(), QPoint()); }
    QRgb Face() const { return CSysColors::Get(CSysColors::BtnFace, Pane().palette()).rgb(); }
    // The scroll area shows and hides its bars after the range changes.
    bool ScrollBarsShown() const
    {
        QCoreApplication::processEvents();
        return View().horizontalScrollBar()->isVisible() || View().verticalScrollBar()->isVisible();
    }

    shelltest::ReviewWindow window;
};

}  // namespace detailedtest
