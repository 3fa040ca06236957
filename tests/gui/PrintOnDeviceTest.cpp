// A print job of the main view on a PDF device: the page range the print
// dialog leaves on the printer, and a range beyond the job.

#include "FakeReviewServices.h"
#include "RecordTreeWriter.h"
#include "ReviewRecordWriter.h"
#include "TempDir.h"

#include "config/CCodeNoteMap.h"
#include "config/CVantrelSettings.h"
#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"
#include "platform/CCommandBinder.h"
#include "platform/CQtPrintPictures.h"
#include "platform/PrintOnDevice.h"
#include "printing/PrintJobPages.h"
#include "printing/PrintLayout.h"
#include "ui/CVantrelView.h"

#include <QFile>
#include <QPdfWriter>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

// The pages of a PDF file that Qt wrote: one page object each.
int PdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return static_cast<int>(file.readAll().count("/Type /Page\n"));
}

struct PrintOnDeviceTest : ::testing::Test {
    PrintOnDeviceTest()
    {
        settings.RootDirectory = root.Path();
        testsupport::WriteReviewRecord(root.Path(), {testsupport::RecordName(2006, 3, 1, 12, 0, 0), 5, {1, 0, 0}, "", ""});
        document.Refresh();
        // Every general-view frame, two to a page: three pages.
        services.PrintScripts.push_back([](PrintSelectionForm& form) {
            form.ClickGeneralChoice(PrintSelectionForm::IDC_GENERAL_ALL);
            form.ClickDetailedChoice(PrintSelectionForm::IDC_DETAILED_NOTHING);
            return true;
        });
        document.OnCommand(ID_DETAILED_PRINT);
    }

    testsupport::TempDir root;
    CVantrelSettings settings;
    CCodeNoteMap codeNotes;
    testsupport::FakeReviewServices services;
    CVantrelDoc document{settings, codeNotes, services};
    CCommandBinder binder{document, nullptr};
    CVantrelView view{document, binder, nullptr};
};

TEST_F(PrintOnDeviceTest, DrawsTheAskedPagesOfTheJobAndNothingBeyondIt)
{
    const struct {
        int first, last;
        int drawn;
    } cases[] = {
        {0, 0, 3},  // the whole job
        {2, 3, 2},
        {3, 9, 1},
        {4, 9, 0},
    };
    for (const auto& c : cases) {
        const QString path = QString::fromStdString(root.Path() + "job.pdf");
        CQtPrintPictures pictures(&view, QString());
        PrintJobPages pages(document, pictures);
        PrintLayout layout;
        {
            QPdfWriter pdf(path);
            EXPECT_EQ(PrintOnDevice(pdf, pages, layout, c.first, c.last), c.drawn) << c.first << ".." << c.last;
        }
        // An empty job still leaves the one page every PDF has.
        EXPECT_EQ(PdfPages(path), std::max(c.drawn, 1)) << c.first << ".." << c.last;
        EXPECT_GT(layout.LinesPerPage, 0);
    }
}

}  // namespace
