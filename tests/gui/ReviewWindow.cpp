#include "ReviewWindow.h"


namespace shelltest {

ReviewWindow::ReviewWindow()
{
    Settings.RootDirectory = Root.Path();
    Document = std::make_unique<CVantrelDoc>(Settings, CodeNotes, Services);
    Document->OnNewDocument();
    Frame = std::make_unique<CMainFrame>(*Document, RecentFiles);
    Services.SetFrame(Frame.get());
}

}  // namespace shelltest
