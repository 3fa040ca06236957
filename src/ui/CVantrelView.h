#pragma once

#include "document/CReviewView.h"
#include "document/PrintPreview.h"
#include "printing/PrintLayout.h"

#include <QString>
#include <QWidget>

class CCfaImagePane;
class CCommandBinder;
class CRecordDirectoryPane;
class CSlidePane;
class CThumbPane;
class CVantrelDoc;
class QPrinter;

// The main view: a container of the four working panes that places them by
// the display mode, and where print jobs open their preview. It draws nothing
// itself; the panes cover it.
class CVantrelView : public QWidget, public CReviewView, public PrintPreview {
    Q_OBJECT

public:
    static constexpr int SlideWidth = 450;
    static constexpr int SlideHeight = 365;
    static constexpr int ThumbnailsHeight = 170;

    // Registers itself with the document, then creates the panes in their
    // order, each registered right after it is made; the panes bind their
    // buttons and menus to the binder.
    CVantrelView(CVantrelDoc& document, CCommandBinder& binder, QWidget* parent);
    ~CVantrelView() override;

    void LayoutPanes(int cx, int cy);

    // Hints 0 and 16 lay the panes out anew. Nothing is repainted here: each
    // pane repaints what a hint changed in it, and a pane moved or shown is
    // repainted by the move, so that a step of the display range does not
    // repaint the records list.
    void OnUpdate(int hint, const CCommandHint* object) override;
    // Opens the preview after the current event, and not at all when the
    // view is gone by then.
    void StartPrintPreview() override;

    // The application's printer, as its page setup left it (jobs use a
    // default one without it), and the bitmap that subpoena pages show beside
    // the captured view.
    void SetPrintSetup(QPrinter* printer, const QString& subpoenaFormPath);
    // Draws the print request's pages on printer, within its page range
    // when it has one; the preview's road to its pages.
    void PrintJobOn(QPrinter& printer);

    CSlidePane* SlidePane() const { return m_slidePane; }
    CRecordDirectoryPane* RecordsPane() const { return m_recordsPane; }
    CThumbPane* ThumbPane() const { return m_thumbPane; }
    CCfaImagePane* ImagePane() const { return m_imagePane; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreatePanes(CCommandBinder& binder);
    void OnFilePrintPreview();

    CVantrelDoc& m_document;
    CSlidePane* m_slidePane = nullptr;
    CCfaImagePane* m_imagePane = nullptr;
    CRecordDirectoryPane* m_recordsPane = nullptr;
    CThumbPane* m_thumbPane = nullptr;
    // Kept from one job to the next; a page count before the first job
    // counts 73 lines to a page.
    PrintLayout m_printLayout;
    QPrinter* m_printer = nullptr;
    QString m_subpoenaFormPath;
};
