#include "ui/CMainFrame.h"

#include "document/CVantrelDoc.h"
#include "platform/CCommandBinder.h"
#include "ui/CAcceleratorFilter.h"
#include "ui/CMainMenu.h"
#include "ui/CRecordDirectoryPane.h"
#include "ui/CVantrelView.h"

#include <QMenuBar>
#include <QScreen>

CMainFrame::CMainFrame(CVantrelDoc& document, const CRecentFileList& recentFiles)
    : m_document(document),
      m_binder(new CCommandBinder(document, this)),
      m_view(new CVantrelView(document, *m_binder, this)),
      m_menu(new CMainMenu(*menuBar(), recentFiles, *m_binder, this)),
      m_accelerators(new CAcceleratorFilter(document, *this))
{
    setCentralWidget(m_view);
    setMinimumSize(MinimumWidth, MinimumHeight);
    QWidget* list = m_view->RecordsPane()->RecordsList();
    m_accelerators->SetCharacterTarget(list);
    // The officer starts in the records list, where the mark keys work.
    list->setFocus();
    SetDocumentTitle(QStringLiteral("Vantrel"));
}

QMenu* CMainFrame::DefaultFileMenu() const
{
    return m_menu->FileMenu();
}

void CMainFrame::PostCommand(int id)
{
    QMetaObject::invokeMethod(this, [this, id] { m_document.OnCommand(id); }, Qt::QueuedConnection);
}

void CMainFrame::SetDocumentTitle(const QString& title)
{
    setWindowTitle(title + QStringLiteral(" - ") + ApplicationTitle);
}

void CMainFrame::SetFullScreen(bool on)
{
    if (on == IsFullScreen())
        return;
    if (on) {
        m_savedState = windowState();
        m_savedGeometry = geometry();
        menuBar()->hide();
        // Without a window manager the state alone would not cover the screen.
        // The geometry goes first: a move or resize ends a window state.
        if (QScreen* where = screen())
            setGeometry(where->geometry());
        setWindowState((m_savedState & ~(Qt::WindowMaximized | Qt::WindowMinimized)) | Qt::WindowFullScreen);
    } else {
        menuBar()->show();
        setGeometry(m_savedGeometry);
        setWindowState(m_savedState);
    }
}

void CMainFrame::ShowMaximized()
{
    if (QScreen* where = screen())
        setGeometry(where->availableGeometry());
    showMaximized();
}
