#include "demo/SubpoenaPainter.h"

#include <QFont>
#include <QPainter>
#include <QPen>

namespace {

constexpr int Margin = 70;

QFont FormFont(int pixelSize, bool bold = false)
{
    QFont font("DejaVu Serif");
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace

QImage SubpoenaPainter::Paint()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(QColor(255, 255, 255));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(20, 20, 60), 3));
    painter.drawRect(QRect(30, 30, Width - 60, Height - 60));
    PaintHeading(painter);
    const int summons = PaintFields(painter, 250);
    PaintSignature(painter, PaintSummons(painter, summons + 30));
    return image;
}

void SubpoenaPainter::PaintHeading(QPainter& painter)
{
    painter.setPen(QColor(20, 20, 60));
    painter.setFont(FormFont(20));
    painter.drawText(QRect(0, 60, Width, 30), Qt::AlignCenter, "MUNICIPAL TRAFFIC ENFORCEMENT OFFICE");
    painter.setFont(FormFont(54, true));
    painter.drawText(QRect(0, 100, Width, 80), Qt::AlignCenter, "SUBPOENA");
    painter.setFont(FormFont(18));
    painter.drawText(QRect(0, 180, Width, 30), Qt::AlignCenter,
                     "to appear in the matter of a red-light violation");
    painter.setPen(QPen(QColor(20, 20, 60), 2));
    painter.drawLine(Margin, 230, Width - Margin, 230);
}

int SubpoenaPainter::PaintFields(QPainter& painter, int top)
{
    static const char* const Labels[] = {
        "Case number",       "Date and time of violation", "Place of violation",
        "Vehicle registration", "Registered keeper",      "Address of the keeper",
    };
    painter.setFont(FormFont(18));
    int y = top;
    for (const char* label : Labels) {
        painter.setPen(QColor(20, 20, 20));
        painter.drawText(QRect(Margin, y, 300, 30), Qt::AlignLeft | Qt::AlignBottom, label);
        painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
        painter.drawLine(Margin + 300, y + 28, Width - Margin, y + 28);
        y += 46;
    }
    return y;
}

int SubpoenaPainter::PaintSummons(QPainter& painter, int top)
{
    const QRect text(Margin, top, Width - 2 * Margin, 190);
    painter.setPen(QColor(20, 20, 20));
    painter.setFont(FormFont(17));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     "The vehicle named above was recorded by an automatic roadside unit entering "
                     "the crossing while the traffic signal showed red. The enclosed pictures show "
                     "the general view of the crossing and the close-up of the lane with the time "
                     "after the start of the red light.\n\n"
                     "You are hereby summoned to appear before the traffic court at the date and "
                     "hour entered below, or to name the driver of the vehicle in writing within "
                     "fourteen days of delivery. Failure to comply may lead to a fine.");
    painter.setFont(FormFont(18));
    painter.drawText(QRect(Margin, top + 200, 300, 30), Qt::AlignLeft | Qt::AlignBottom, "Hearing on");
    painter.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
    painter.drawLine(Margin + 300, top + 228, Width - Margin, top + 228);
    return top + 270;
}

void SubpoenaPainter::PaintSignature(QPainter& painter, int top)
{
    painter.setPen(QPen(QColor(20, 20, 20), 1));
    painter.drawLine(Margin, top + 80, Margin + 300, top + 80);
    painter.setFont(FormFont(15));
    painter.drawText(QRect(Margin, top + 86, 300, 24), Qt::AlignLeft, "Reviewing officer");
    painter.setPen(QPen(QColor(150, 30, 30), 3));
    painter.drawEllipse(QPoint(Width - Margin - 90, top + 60), 70, 70);
    painter.setFont(FormFont(12, true));
    painter.drawText(QRect(Width - Margin - 170, top + 40, 160, 40), Qt::AlignCenter, "OFFICIAL SEAL");
}
