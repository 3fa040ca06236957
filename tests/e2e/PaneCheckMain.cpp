// Checks a screenshot of the main window covering the screen: each pane
// there is a rectangle with a sunken frame (dark top and left edges, light
// right and bottom edges); the general-view pane is known by the sunken
// frame of its picture, inside its button column, site bar and bottom row,
// the detailed pane by the sunken edge of its picture view, inside its tool
// column and caption strip, and the thumbnails pane by the sunken edge of its
// view, under its lane tabs.
//   pane-check IMAGE normal     the four panes of the normal layout
//   pane-check IMAGE single     the detailed pane over the whole screen, no menu
//   pane-check IMAGE slide      the general-view pane over the whole screen

#include <QImage>

#include <cstdio>
#include <cstring>

namespace {

bool RowIs(const QImage& image, int y, int x0, int x1, QRgb colour)
{
    for (int x = x0; x < x1; ++x)
        if (image.pixel(x, y) != colour)
            return false;
    return true;
}

bool ColumnIs(const QImage& image, int x, int y0, int y1, QRgb colour)
{
    for (int y = y0; y < y1; ++y)
        if (image.pixel(x, y) != colour)
            return false;
    return true;
}

// The frame along the inside of rect: what every pane draws at its edges,
// whatever it shows inside.
bool IsSunkenPane(const QImage& image, const QRect& rect)
{
    if (rect.width() < 8 || rect.height() < 8 || !image.rect().contains(rect))
        return false;
    const int left = rect.x(), top = rect.y();
    const int right = left + rect.width() - 1, bottom = top + rect.height() - 1;
    const QRgb dark = image.pixel(left, top);
    const QRgb light = image.pixel(right, bottom);
    return qGray(dark) < qGray(light) && RowIs(image, top, left, right, dark) &&
           ColumnIs(image, left, top, bottom, dark) && RowIs(image, bottom, left, right + 1, light) &&
           ColumnIs(image, right, top, bottom + 1, light);
}

// The picture area of the general-view pane at rect.
QRect SlidePicture(const QRect& rect)
{
    return rect.adjusted(24, 24, 0, -24);
}

// The picture view of the detailed pane at rect.
QRect DetailedPicture(const QRect& rect)
{
    return rect.adjusted(24, 24, 0, 0);
}

// The thumbnails view of the thumbnails pane at rect.
QRect ThumbnailsView(const QRect& rect)
{
    return rect.adjusted(0, 22, 0, 0);
}

bool Report(const char* name, const QRect& rect, bool ok)
{
    std::printf("%-12s %4d,%4d %4dx%-4d %s\n", name, rect.x(), rect.y(), rect.width(), rect.height(),
                ok ? "ok" : "WRONG");
    return ok;
}

bool CheckNormal(const QImage& image)
{
    const int cx = image.width();
    const int bottom = image.height();
    // The view starts under the menu bar, whose height the style decides.
    for (int top = 1; top < 100; ++top) {
        if (!IsSunkenPane(image, SlidePicture(QRect(0, top, 450, 365))))
            continue;
        const int cy = bottom - top;
        bool ok = Report("slide", QRect(0, top, 450, 365), true);
        const QRect records(0, top + 365, 450, cy - 365);
        const QRect picture(450, top, cx - 450, cy - 170);
        const QRect thumbnails(450, bottom - 170, cx - 450, 170);
        ok = Report("records", records, IsSunkenPane(image, records)) && ok;
        ok = Report("image", picture, IsSunkenPane(image, DetailedPicture(picture))) && ok;
        ok = Report("thumbnails", thumbnails, IsSunkenPane(image, ThumbnailsView(thumbnails))) && ok;
        return ok;
    }
    std::printf("no slide pane of 450x365 under a menu bar\n");
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IMAGE normal|single|slide\n", argv[0]);
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "%s: cannot read the image\n", argv[1]);
        return 2;
    }
    if (std::strcmp(argv[2], "normal") == 0)
        return CheckNormal(image) ? 0 : 1;
    if (std::strcmp(argv[2], "slide") == 0)
        return Report("slide", image.rect(), IsSunkenPane(image, SlidePicture(image.rect()))) ? 0 : 1;
    return Report("single", image.rect(), IsSunkenPane(image, DetailedPicture(image.rect()))) ? 0 : 1;
}
