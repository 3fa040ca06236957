#include "ModalAnswerer.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>

namespace shelltest {

namespace {

SeenModal Describe(const QWidget& modal)
{
    SeenModal seen;
    seen.ClassName = QString::fromLatin1(modal.metaObject()->className());
    seen.Title = modal.windowTitle();
    if (const auto* box = qobject_cast<const QMessageBox*>(&modal)) {
        seen.Text = box->text();
        seen.Icon = box->icon();
        seen.Buttons = box->standardButtons();
    }
    return seen;
}

}  // namespace

ModalAnswerer::ModalAnswerer(Action action) : m_action(std::move(action))
{
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::Poll);
    m_timer.start(5);
}

ModalAnswerer::Action ModalAnswerer::Click(QMessageBox::StandardButton button)
{
    return [button](QWidget& modal) {
        if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
            if (QAbstractButton* chosen = box->button(button)) {
                chosen->click();
                return;
            }
        }
        if (auto* dialog = qobject_cast<QDialog*>(&modal))
            dialog->reject();
    };
}

void ModalAnswerer::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    m_seen.push_back(Describe(*modal));
    m_action(*modal);
}

}  // namespace shelltest
