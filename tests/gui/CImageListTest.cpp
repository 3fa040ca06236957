// Icon strips made from the image files of a directory, like the strips
// compiled into the program. Strips cut from one pixmap are drawn by the
// button tests.

#include "TempDir.h"

#include "platform/CImageList.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// Icon index of list drawn on a white 16 x 16 image.
QImage DrawIcon(const CImageList& list, int index)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    list.Draw(painter, index, QPoint(0, 0));
    return image;
}

TEST(ImageList, DirectoryGivesOneIconPerFileInNameOrder)
{
    testsupport::TempDir dir;
    for (const auto& [name, color] : {std::pair{"1-second.png", Qt::green}, {"0-first.png", Qt::red}}) {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(color);
        ASSERT_TRUE(image.save(QString::fromStdString(dir.Make(name)), "PNG"));
    }
    testsupport::WriteFile(dir.Make("notes.txt"), "not an icon");
    const CImageList list = CImageList::FromDirectory(QString::fromStdString(dir.Path()));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(DrawIcon(list, 0).pixelColor(15, 15), QColor(Qt::red));
    EXPECT_EQ(DrawIcon(list, 1).pixelColor(15, 15), QColor(Qt::green));
    EXPECT_EQ(DrawIcon(list, 2), DrawIcon(CImageList(), 0)) << "nothing drawn outside the strip";
    for (const auto& [directory, count] : {std::pair{":/icons/records", 11}, {":/icons/detailed", 6},
                                           {":/icons/playback", 9}, {":/icons/lanes", 3}}) {
        const CImageList program = CImageList::FromDirectory(directory);
        ASSERT_EQ(std::pair(program.Count(), program.IconSize()), std::pair(count, QSize(16, 16))) << directory;
        for (int i = 0; i < count; ++i)
            EXPECT_NE(DrawIcon(program, i), DrawIcon(CImageList(), 0)) << directory << " icon " << i << " is blank";
    }
}

}  // namespace
