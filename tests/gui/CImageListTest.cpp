// Icon strips and 3-D frames, the drawing helpers the panes share, and the
// icon strips compiled into the program.

#include "ButtonTestSupport.h"
#include "TempDir.h"

#include "platform/CImageList.h"
#include "platform/Draw3dRect.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace buttontest;

namespace {

const QColor kMask(0, 128, 128);
const QColor kBackground(255, 255, 255);

// Draws icon index of list at the origin of a white 16 x 16 image.
QImage DrawIcon(const CImageList& list, int index)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    list.Draw(painter, index, QPoint(0, 0));
    painter.end();
    return image;
}

TEST(ImageList, StripIsCutIntoIconsOfTheGivenWidth)
{
    const CImageList list = SolidStrip({Qt::red, Qt::green, Qt::blue});
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.IconSize(), QSize(16, 16));
    EXPECT_EQ(DrawIcon(list, 2).pixelColor(15, 15), QColor(Qt::blue));
    for (int outside : {-1, 3})
        EXPECT_EQ(DrawIcon(list, outside).pixelColor(8, 8), kBackground) << outside;
    EXPECT_EQ(CImageList().Count(), 0);
}

TEST(ImageList, MaskColourBecomesTransparent)
{
    QPixmap strip(32, 16);
    strip.fill(kMask);
    QPainter painter(&strip);
    painter.fillRect(20, 4, 8, 8, Qt::red);
    painter.end();
    const struct {
        std::optional<QColor> mask;
        QColor around;
    } cases[] = {{kMask, kBackground}, {std::nullopt, kMask}};
    for (const auto& c : cases) {
        const QImage image = DrawIcon(CImageList(strip, 16, c.mask), 1);
        EXPECT_EQ(image.pixelColor(0, 0), c.around);
        EXPECT_EQ(image.pixelColor(6, 6), QColor(Qt::red));
    }
}

void WritePng(const std::string& path, QSize size, const QColor& color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    ASSERT_TRUE(image.save(QString::fromStdString(path), "PNG"));
}

TEST(ImageList, DirectoryGivesOneIconPerFileInNameOrder)
{
    testsupport::TempDir dir;
    WritePng(dir.Make("01-second.png"), {16, 16}, Qt::green);
    WritePng(dir.Make("00-first.png"), {16, 16}, Qt::red);
    WritePng(dir.Make("02-large.png"), {32, 32}, Qt::blue);
    testsupport::WriteFile(dir.Make("notes.txt"), "not an icon");

    const CImageList list = CImageList::FromDirectory(QString::fromStdString(dir.Path()));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.IconSize(), QSize(16, 16));
    const QColor expected[] = {Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(DrawIcon(list, i).pixelColor(15, 15), expected[i]) << i;
    EXPECT_EQ(CImageList::FromDirectory(QString::fromStdString(dir.Path() + "missing")).Count(), 0);
}

TEST(ImageList, ProgramIconStripsHaveTheirSlots)
{
    const struct {
        const char* directory;
        int count;
    } strips[] = {{":/icons/records", 11}, {":/icons/detailed", 6}, {":/icons/playback", 9}, {":/icons/lanes", 3}};
    for (const auto& strip : strips) {
        SCOPED_TRACE(strip.directory);
        const CImageList list = CImageList::FromDirectory(strip.directory);
        ASSERT_EQ(list.Count(), strip.count);
        EXPECT_EQ(list.IconSize(), QSize(16, 16));
        for (int i = 0; i < strip.count; ++i)
            EXPECT_NE(DrawIcon(list, i), DrawIcon(CImageList(), 0)) << "icon " << i << " is blank";
    }
}

// Each pixel of a 5 x 4 frame at (2, 3) in a 9 x 8 image: 'T' top-left colour,
// 'B' bottom-right colour, '.' untouched.
TEST(Draw3dRect, EdgesAndCorners)
{
    const char* const expected[] = {
        ".........", ".........", ".........", "..TTTTB..",
        "..T...B..", "..T...B..", "..BBBBB..", ".........",
    };
    QImage image(9, 8, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Draw3dRect(painter, QRect(2, 3, 5, 4), Qt::red, Qt::blue);
    Draw3dRect(painter, QRect(0, 0, 0, 0), Qt::green, Qt::green);
    painter.end();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 9; ++x) {
            const char c = expected[y][x];
            const QColor want = c == 'T' ? QColor(Qt::red) : c == 'B' ? QColor(Qt::blue) : QColor(Qt::white);
            EXPECT_EQ(image.pixelColor(x, y), want) << x << ", " << y;
        }
}

} // namespace
