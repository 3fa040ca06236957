// Paints every pane icon as a 16 x 16 PNG, one file per slot, named
// "<slot>-<what it stands for>.png" so that name order is slot order.
// One style throughout: flat fills, a dark one-pixel outline, a few colours.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QColor kOutline(0x2d, 0x3a, 0x46);
const QColor kBlue(0x3a, 0x78, 0xc2);
const QColor kGreen(0x2f, 0x9a, 0x44);
const QColor kRed(0xc8, 0x38, 0x2c);
const QColor kAmber(0xe3, 0xa2, 0x1a);
const QColor kNavy(0x2b, 0x3f, 0x7a);
const QColor kGrey(0x8a, 0x94, 0x9c);
const QColor kPaper(0xfb, 0xfc, 0xfd);

using Painter = std::function<void(QPainter&)>;

struct Icon {
    const char* file;
    Painter paint;
};

QPen OutlinePen(const QColor& color = kOutline, qreal width = 1.0)
{
    QPen pen(color, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void Disc(QPainter& p, const QPointF& centre, qreal radius, const QColor& fill)
{
    p.setPen(OutlinePen());
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
}

void Polygon(QPainter& p, const std::vector<QPointF>& points, const QColor& fill)
{
    p.setPen(OutlinePen());
    p.setBrush(fill);
    p.drawPolygon(points.data(), static_cast<int>(points.size()));
}

void Bar(QPainter& p, const QRectF& rect, const QColor& fill)
{
    p.setPen(OutlinePen());
    p.setBrush(fill);
    p.drawRect(rect);
}

// --- records pane ---------------------------------------------------------

void Folder(QPainter& p)
{
    Polygon(p, {{1.5, 3.5}, {6.0, 3.5}, {7.5, 5.0}, {14.5, 5.0}, {14.5, 13.5}, {1.5, 13.5}}, kAmber);
    Polygon(p, {{1.5, 13.5}, {3.5, 7.5}, {15.5, 7.5}, {14.5, 13.5}}, kAmber.lighter(125));
}

void CalendarPage(QPainter& p)
{
    Bar(p, {1.5, 2.5, 13, 12}, kPaper);
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRect(QRectF(2, 3, 12, 3));
    p.setPen(OutlinePen());
    p.drawLine(QPointF(4.5, 1.0), QPointF(4.5, 3.5));
    p.drawLine(QPointF(11.5, 1.0), QPointF(11.5, 3.5));
}

// The nine day cells of the calendar page; lit cells are drawn in colour.
void DayCells(QPainter& p, const std::function<bool(int)>& lit)
{
    p.setPen(Qt::NoPen);
    for (int cell = 0; cell < 9; ++cell) {
        p.setBrush(lit(cell) ? kRed : kGrey.lighter(130));
        p.drawRect(QRectF(3 + 4 * (cell % 3), 7 + 2.5 * (cell / 3), 2, 1.5));
    }
}

void FilterDay(QPainter& p)
{
    CalendarPage(p);
    DayCells(p, [](int cell) { return cell == 4; });
}

void FilterAll(QPainter& p)
{
    CalendarPage(p);
    DayCells(p, [](int) { return true; });
}

// A current record carries a blue ring around its state disc.
void CurrentRing(QPainter& p)
{
    p.setPen(QPen(kBlue, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 8), 6.8, 6.8);
}

void StateDisc(QPainter& p, bool current, const QColor& fill)
{
    if (current)
        CurrentRing(p);
    Disc(p, {8, 8}, current ? 5.0 : 6.5, fill);
}

void Undecided(QPainter& p, bool current)
{
    StateDisc(p, current, kPaper);
    p.setPen(OutlinePen(kGrey, 2.0));
    p.drawLine(QPointF(5.5, 8), QPointF(10.5, 8));
}

void Confirmed(QPainter& p, bool current)
{
    StateDisc(p, current, kGreen);
    p.setPen(OutlinePen(Qt::white, 1.8));
    p.setBrush(Qt::NoBrush);
    const qreal s = current ? 0.8 : 1.0;
    QPainterPath tick;
    tick.moveTo(8 - 3.2 * s, 8 + 0.2 * s);
    tick.lineTo(8 - 0.8 * s, 8 + 2.5 * s);
    tick.lineTo(8 + 3.3 * s, 8 - 2.6 * s);
    p.drawPath(tick);
}

void Rejected(QPainter& p, bool current)
{
    StateDisc(p, current, kRed);
    p.setPen(OutlinePen(Qt::white, 1.6));
    const qreal d = current ? 2.2 : 2.8;
    p.drawLine(QPointF(8 - d, 8 - d), QPointF(8 + d, 8 + d));
    p.drawLine(QPointF(8 + d, 8 - d), QPointF(8 - d, 8 + d));
}

void Page(QPainter& p)
{
    Polygon(p, {{2.5, 1.5}, {10.0, 1.5}, {13.5, 5.0}, {13.5, 14.5}, {2.5, 14.5}}, kPaper);
    Polygon(p, {{10.0, 1.5}, {10.0, 5.0}, {13.5, 5.0}}, kGrey.lighter(140));
}

void TextLines(QPainter& p, int from, int count)
{
    p.setPen(OutlinePen(kGrey, 1.0));
    for (int line = 0; line < count; ++line) {
        const qreal y = 7.5 + 2 * (from + line);
        p.drawLine(QPointF(4.5, y), QPointF(11.5, y));
    }
}

void PrivateNote(QPainter& p)
{
    Page(p);
    TextLines(p, 0, 2);
    Disc(p, {11, 11.5}, 3.0, kAmber);
}

void RecordsListing(QPainter& p)
{
    Page(p);
    TextLines(p, -1, 4);
}

// --- detailed and playback panes -----------------------------------------

// Four corner brackets with arrows: at the edges pointing out they say "fill
// the screen", near the middle pointing in they say "back to the window".
void Corners(QPainter& p, bool outward)
{
    p.setPen(OutlinePen(kOutline, 1.6));
    p.setBrush(Qt::NoBrush);
    const qreal tip = outward ? 2.0 : 6.5;
    const qreal arm = outward ? 5.5 : 3.0;
    const qreal tail = outward ? 6.5 : 2.0;
    for (int corner = 0; corner < 4; ++corner) {
        const qreal sx = corner % 2 ? -1 : 1;
        const qreal sy = corner / 2 ? -1 : 1;
        const auto at = [&](qreal x, qreal y) { return QPointF(8 + sx * (x - 8), 8 + sy * (y - 8)); };
        const QPointF points[] = {at(arm, tip), at(tip, tip), at(tip, arm)};
        p.drawPolyline(points, 3);
        p.drawLine(at(tip, tip), at(tail, tail));
    }
}

void FullScreen(QPainter& p) { Corners(p, true); }
void LeaveFullScreen(QPainter& p) { Corners(p, false); }

void Without(QPainter& p)
{
    const QRectF wheel(2.5, 2.5, 11, 11);
    p.setPen(Qt::NoPen);
    const QColor parts[] = {kRed, kGreen, kBlue};
    for (int part = 0; part < 3; ++part) {
        p.setBrush(parts[part]);
        p.drawPie(wheel, (90 + 120 * part) * 16, 120 * 16);
    }
    p.setPen(OutlinePen());
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(wheel);
    p.setPen(OutlinePen(Qt::white, 3.0));
    p.drawLine(QPointF(3, 13), QPointF(13, 3));
    p.setPen(OutlinePen(kOutline, 1.5));
    p.drawLine(QPointF(3, 13), QPointF(13, 3));
}

void Day(QPainter& p)
{
    p.setPen(OutlinePen(kAmber.darker(120), 1.4));
    for (int ray = 0; ray < 8; ++ray) {
        const qreal angle = ray * M_PI / 4;
        p.drawLine(QPointF(8 + 5.0 * std::cos(angle), 8 + 5.0 * std::sin(angle)),
                   QPointF(8 + 7.0 * std::cos(angle), 8 + 7.0 * std::sin(angle)));
    }
    Disc(p, {8, 8}, 3.5, kAmber);
}

void Night(QPainter& p)
{
    QPainterPath disc;
    disc.addEllipse(QPointF(7, 8.5), 6.0, 6.0);
    QPainterPath bite;
    bite.addEllipse(QPointF(10.5, 6.0), 5.0, 5.0);
    p.setPen(OutlinePen());
    p.setBrush(kNavy);
    p.drawPath(disc.subtracted(bite));
    p.setPen(Qt::NoPen);
    p.setBrush(kAmber);
    p.drawEllipse(QPointF(12.5, 11.5), 1.2, 1.2);
}

void Automatic(QPainter& p)
{
    const QRectF disc(2.5, 2.5, 11, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(kAmber);
    p.drawPie(disc, 90 * 16, 180 * 16);
    p.setBrush(kNavy);
    p.drawPie(disc, 270 * 16, 180 * 16);
    p.setPen(OutlinePen());
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc);
}

void Information(QPainter& p)
{
    Disc(p, {8, 8}, 6.5, kBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 4.8), 1.2, 1.2);
    p.drawRect(QRectF(7, 7, 2, 5.5));
}

// A circle running clockwise back to its start, the head at the top.
void Restart(QPainter& p)
{
    const QPointF centre(8.0, 8.5);
    const qreal radius = 5.0;
    p.setPen(OutlinePen(kBlue, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 100 * 16, 290 * 16);
    const qreal x = centre.x() - 0.9;
    const qreal y = centre.y() - radius;
    const QPointF head[] = {{x - 0.5, y - 3.2}, {x + 3.8, y}, {x - 0.5, y + 3.2}};
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawPolygon(head, 3);
}

void Stop(QPainter& p) { Bar(p, {3.5, 3.5, 9, 9}, kBlue); }
void Continue(QPainter& p) { Polygon(p, {{4.5, 2.5}, {13.5, 8.0}, {4.5, 13.5}}, kGreen); }

void Pause(QPainter& p)
{
    Bar(p, {3.5, 2.5, 3, 11}, kBlue);
    Bar(p, {9.5, 2.5, 3, 11}, kBlue);
}

void Backward(QPainter& p)
{
    Bar(p, {2.5, 3.5, 2, 9}, kBlue);
    Polygon(p, {{13.5, 3.0}, {5.5, 8.0}, {13.5, 13.0}}, kBlue);
}

void Forward(QPainter& p)
{
    Polygon(p, {{2.5, 3.0}, {10.5, 8.0}, {2.5, 13.0}}, kBlue);
    Bar(p, {11.5, 3.5, 2, 9}, kBlue);
}

// --- lanes ----------------------------------------------------------------

// A three-lane road seen from above with the chosen lane lit.
void Road(QPainter& p, int lane)
{
    Bar(p, {1.5, 1.5, 13, 13}, kGrey);
    p.setPen(Qt::NoPen);
    p.setBrush(kAmber);
    p.drawRect(QRectF(2 + 4 * lane, 2, 4, 12));
    QPen dashes(Qt::white, 1.0);
    dashes.setDashPattern({2, 1.5});
    p.setPen(dashes);
    p.drawLine(QPointF(6, 2), QPointF(6, 14));
    p.drawLine(QPointF(10, 2), QPointF(10, 14));
}

std::vector<std::pair<const char*, std::vector<Icon>>> AllIcons()
{
    return {
        {"records",
         {{"00-open", Folder},
          {"01-filter-day", FilterDay},
          {"02-filter-all", FilterAll},
          {"03-current-undecided", [](QPainter& p) { Undecided(p, true); }},
          {"04-undecided", [](QPainter& p) { Undecided(p, false); }},
          {"05-current-confirmed", [](QPainter& p) { Confirmed(p, true); }},
          {"06-confirm", [](QPainter& p) { Confirmed(p, false); }},
          {"07-current-rejected", [](QPainter& p) { Rejected(p, true); }},
          {"08-reject", [](QPainter& p) { Rejected(p, false); }},
          {"09-private-note", PrivateNote},
          {"10-records-listing", RecordsListing}}},
        {"detailed",
         {{"00-full-screen", FullScreen},
          {"01-leave-full-screen", LeaveFullScreen},
          {"02-without", Without},
          {"03-day", Day},
          {"04-night", Night},
          {"05-automatic", Automatic}}},
        {"playback",
         {{"00-full-screen", FullScreen},
          {"01-leave-full-screen", LeaveFullScreen},
          {"02-information", Information},
          {"03-restart", Restart},
          {"04-stop", Stop},
          {"05-continue", Continue},
          {"06-pause", Pause},
          {"07-backward", Backward},
          {"08-forward", Forward}}},
        {"lanes",
         {{"00-left-lane", [](QPainter& p) { Road(p, 0); }},
          {"01-middle-lane", [](QPainter& p) { Road(p, 1); }},
          {"02-right-lane", [](QPainter& p) { Road(p, 2); }}}},
    };
}

bool Save(const QString& path, const Painter& paint)
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: icon-painter <resources/icons directory>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const auto& [pane, icons] : AllIcons()) {
        if (!root.mkpath(pane))
            return 1;
        for (const Icon& icon : icons) {
            const QString path = root.filePath(QString("%1/%2.png").arg(pane, icon.file));
            if (!Save(path, icon.paint)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    }
    return 0;
}
