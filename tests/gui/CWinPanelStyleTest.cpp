#include "platform/CWinPanelStyle.h"

#include <QFrame>
#include <QImage>

#include <gtest/gtest.h>

namespace {

QImage Grabbed(QFrame& frame)
{
    return frame.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The filled frames against the style's own, pixel for pixel, in both looks,
// down to the smallest size where the inner frame keeps its four sides, and
// below it.
TEST(CWinPanelStyle, PaintsThePanelFramesAsTheStyleDoes)
{
    for (const int shadow : {QFrame::Sunken, QFrame::Raised}) {
        for (const QSize size : {QSize(120, 40), QSize(7, 30), QSize(5, 5), QSize(4, 9), QSize(9, 3), QSize(1, 1)}) {
            QFrame frame;
            frame.setFrameStyle(QFrame::WinPanel | shadow);
            frame.resize(size);
            const QImage expected = Grabbed(frame);
            frame.setStyle(new CWinPanelStyle(&frame));
            EXPECT_EQ(Grabbed(frame), expected)
                << "shadow " << shadow << " at " << size.width() << "x" << size.height();
        }
    }
}

}  // namespace
