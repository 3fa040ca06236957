#include "ReviewWindow.h"

#include "ui/CVantrelView.h"

#include <QSettings>

namespace shelltest {

ForgottenRecentFiles::ForgottenRecentFiles()
{
    QSettings("Orvane Solutions", "Vantrel").clear();
}

ReviewWindow::ReviewWindow()
{
    Settings.RootDirectory = Root.Path();
    Document = std::make_unique<CVantrelDoc>(Settings, CodeNotes, Services);
    Document->OnNewDocument();
    Frame = std::make_unique<CMainFrame>(*Document, RecentFiles);
    Services.SetWindows(Frame.get(), Frame->View());
}

ReviewWindow::~ReviewWindow()
{
    Frame.reset();
}

}  // namespace shelltest
