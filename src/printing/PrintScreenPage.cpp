#include "printing/PrintScreenPage.h"

#include "imaging/CDibImage.h"
#include "printing/FitPicture.h"
#include "printing/PrintLayout.h"
#include "printing/PrintPictures.h"

void PrintScreenPage(PageCanvas& canvas, const PrintLayout& layout, PrintPictures& pictures)
{
    CDibImage capture;
    if (!pictures.CaptureMainView(capture))
        return;
    const TextTurn turn = layout.PortraitPrintRect() ? TextTurn::CounterClockwise : TextTurn::Horizontal;
    DrawFittedPicture(canvas, capture, turn, layout.PrintRect, PictureAnchor::TopLeft);
}
