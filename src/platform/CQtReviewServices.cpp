#include "platform/CQtReviewServices.h"

#include "platform/CFrameHost.h"
#include "platform/CRecentFileList.h"
#include "platform/ShowMessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QWidget>

namespace {

QMessageBox::Icon BoxIcon(ReviewServices::MessageIcon icon)
{
    switch (icon) {
    case ReviewServices::MessageIcon::Warning:
        return QMessageBox::Warning;
    case ReviewServices::MessageIcon::Error:
        return QMessageBox::Critical;
    case ReviewServices::MessageIcon::Information:
        break;
    }
    return QMessageBox::Information;
}

QStringList NameFilters(const std::vector<FileFilter>& filters)
{
    QStringList list;
    for (const FileFilter& filter : filters)
        list.append(QString::fromStdString(filter.Name + " (" + filter.Pattern + ")"));
    return list;
}

// A directory as the user knows it: absolute, ending in '/'.
QString DirectoryDisplayPath(const std::string& path)
{
    QString absolute = QDir::cleanPath(QDir(QString::fromStdString(path)).absolutePath());
    if (!absolute.endsWith('/'))
        absolute += '/';
    return absolute;
}

}  // namespace

CQtReviewServices::CQtReviewServices(CRecentFileList& recentFiles) : m_recentFiles(recentFiles)
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

void CQtReviewServices::SetFrame(CFrameHost* frame)
{
    m_frame = frame;
}

QWidget* CQtReviewServices::Owner() const
{
    return m_frame ? m_frame->FrameWidget() : nullptr;
}

bool CQtReviewServices::AskYesNo(const std::string& text)
{
    return ShowMessageBox(Owner(), QString::fromStdString(text), QMessageBox::Question,
                          QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void CQtReviewServices::ShowMessage(const std::string& text, MessageIcon icon)
{
    ShowMessageBox(Owner(), QString::fromStdString(text), BoxIcon(icon));
}

std::optional<std::string> CQtReviewServices::AskSavePath(const SaveFileRequest& request)
{
    QFileDialog dialog(Owner());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The type list shows the names alone; their own "(.txt)" says the pattern.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(NameFilters(request.Filters));
    dialog.setDefaultSuffix(QString::fromStdString(request.DefaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.PromptOverwrite);
    if (!request.InitialName.empty())
        dialog.selectFile(QString::fromStdString(request.InitialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

void CQtReviewServices::BeginWaitCursor()
{
    // Qt keeps a stack of override cursors, so nested waits nest here too.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void CQtReviewServices::EndWaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

void CQtReviewServices::SetPathName(const std::string& path)
{
    const QString display = DirectoryDisplayPath(path);
    if (m_frame)
        m_frame->SetDocumentTitle(display);
    m_recentFiles.Add(display);
}

void CQtReviewServices::SetFullScreen(bool on)
{
    if (m_frame)
        m_frame->SetFullScreen(on);
}

void CQtReviewServices::ShowMaximizedAndRedraw()
{
    if (!m_frame)
        return;
    m_frame->ShowMaximized();
    m_frame->FrameWidget()->repaint();
}

bool CQtReviewServices::PumpWaitingMessages()
{
    if (m_quitting)
        return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !m_quitting;
}

bool CQtReviewServices::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance())
        m_quitting = true;
    return false;
}
