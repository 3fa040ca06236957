#include "printing/PrintSubpoenaPage.h"

#include "imaging/CDibImage.h"
#include "printing/FitPicture.h"
#include "printing/PrintLayout.h"
#include "printing/PrintPictures.h"

namespace {

// The gap between the two parts lies off the middle, wider on the capture's side.
constexpr int CaptureGapMm = 10;
constexpr int FormGapMm = 5;

struct SubpoenaParts {
    PageRect Capture;
    PageRect Form;
    TextTurn CaptureTurn;
    TextTurn FormTurn;
};

SubpoenaParts PartsOf(const PageMetrics& page)
{
    const int w = page.Width;
    const int h = page.Height;
    if (h > w)
        return {{0, 0, w, h / 2 - MillimetresDown(page, CaptureGapMm)},
                {0, h / 2 + MillimetresDown(page, FormGapMm), w, h},
                TextTurn::Horizontal,
                TextTurn::CounterClockwise};
    return {{w / 2 + MillimetresAcross(page, CaptureGapMm), 0, w, h},
            {0, 0, w / 2 - MillimetresAcross(page, FormGapMm), h},
            TextTurn::Clockwise,
            TextTurn::Horizontal};
}

}  // namespace

void PrintSubpoenaPage(PageCanvas& canvas, PrintPictures& pictures)
{
    const SubpoenaParts parts = PartsOf(canvas.Metrics());
    CDibImage capture;
    if (pictures.CaptureMainView(capture))
        DrawFittedPicture(canvas, capture, parts.CaptureTurn, parts.Capture, PictureAnchor::Centre);
    CDibImage form;
    if (pictures.LoadSubpoenaForm(form))
        DrawFittedPicture(canvas, form, parts.FormTurn, parts.Form, PictureAnchor::Centre);
}
