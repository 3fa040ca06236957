#include "ui/CVantrelView.h"

#include "document/CVantrelDoc.h"
#include "document/UpdateHints.h"
#include "platform/CQtPrintPictures.h"
#include "platform/PrintOnDevice.h"
#include "printing/PrintJobPages.h"
#include "ui/CRecordDirectoryPane.h"
#include "ui/CSlidePane.h"
#include "views/CCfaImagePane.h"
#include "views/CThumbPane.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

namespace {

// Placing a pane also shows it; sizes below zero (a view smaller than the
// fixed column) become empty panes.
void Place(QWidget* pane, int x, int y, int cx, int cy)
{
    pane->setGeometry(x, y, std::max(cx, 0), std::max(cy, 0));
    pane->show();
}

}  // namespace

CVantrelView::CVantrelView(CVantrelDoc& document, CCommandBinder& binder, QWidget* parent)
    : QWidget(parent), m_document(document)
{
    // The panes cover the whole view in every display mode.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_document.AddView(this);
    CreatePanes(binder);
    m_document.SetPrintPreview(this);
    m_document.SetLoaderLock(m_thumbPane);
}

CVantrelView::~CVantrelView()
{
    m_document.SetLoaderLock(nullptr);
    m_document.SetPrintPreview(nullptr);
    m_document.RemoveView(this);
}

void CVantrelView::CreatePanes(CCommandBinder& binder)
{
    // Registered one by one as they are made: every pane receives every hint
    // in this order.
    m_slidePane = new CSlidePane(m_document, binder, this);
    m_document.AddView(m_slidePane);
    m_recordsPane = new CRecordDirectoryPane(m_document, binder, this);
    m_document.AddView(m_recordsPane);
    m_thumbPane = new CThumbPane(m_document, binder, this);
    m_document.AddView(m_thumbPane);
    m_imagePane = new CCfaImagePane(m_document, binder, this);
    m_document.AddView(m_imagePane);
}

void CVantrelView::LayoutPanes(int cx, int cy)
{
    switch (m_document.DisplayMode()) {
    case CVantrelDoc::DisplayNormal:
        Place(m_slidePane, 0, 0, SlideWidth, SlideHeight);
        Place(m_recordsPane, 0, SlideHeight, SlideWidth, cy - SlideHeight);
        Place(m_imagePane, SlideWidth, 0, cx - SlideWidth, cy - ThumbnailsHeight);
        Place(m_thumbPane, SlideWidth, cy - ThumbnailsHeight, cx - SlideWidth, ThumbnailsHeight);
        break;
    case CVantrelDoc::DisplayDetailedFullScreen:
        m_slidePane->hide();
        m_recordsPane->hide();
        Place(m_imagePane, 0, 0, cx, cy);
        m_thumbPane->hide();
        break;
    case CVantrelDoc::DisplayGeneralFullScreen:
        Place(m_slidePane, 0, 0, cx, cy);
        m_recordsPane->hide();
        m_imagePane->hide();
        m_thumbPane->hide();
        break;
    default:
        break;
    }
}

void CVantrelView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_imagePane)
        LayoutPanes(width(), height());
}

void CVantrelView::OnUpdate(int hint, const CCommandHint* object)
{
    (void)object;
    if (!m_imagePane)
        return;
    if (hint == HINT_ALL || hint == HINT_DISPLAY)
        LayoutPanes(width(), height());
}

void CVantrelView::StartPrintPreview()
{
    QMetaObject::invokeMethod(this, [this] { OnFilePrintPreview(); }, Qt::QueuedConnection);
}

// Every job opens in the preview; the officer prints from there, on a
// printer or into the platform's PDF file.
void CVantrelView::SetPrintSetup(QPrinter* printer, const QString& subpoenaFormPath)
{
    m_printer = printer;
    m_subpoenaFormPath = subpoenaFormPath;
}

void CVantrelView::OnFilePrintPreview()
{
    QPrinter fallback(QPrinter::HighResolution);
    QPrintPreviewDialog preview(m_printer ? m_printer : &fallback, window());
    // Over the main window, as large as it is: pages are read, not glanced at.
    preview.setGeometry(window()->geometry());
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) { PrintJobOn(*printer); });
    preview.exec();
}

void CVantrelView::PrintJobOn(QPrinter& printer)
{
    CQtPrintPictures pictures(this, m_subpoenaFormPath);
    PrintJobPages pages(m_document, pictures);
    const bool range = printer.printRange() == QPrinter::PageRange;
    PrintOnDevice(printer, pages, m_printLayout, range ? printer.fromPage() : 0, range ? printer.toPage() : 0);
}
