#include "ModalAnswerer.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>

namespace shelltest {

ModalAnswerer::ModalAnswerer(QMessageBox::StandardButton answer) : m_answer(answer)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::Poll);
    m_timer.start(5);
}

void ModalAnswerer::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    auto* box = qobject_cast<QMessageBox*>(modal);
    m_seen.push_back(box ? box->text() : QString::fromLatin1(modal->metaObject()->className()));
    if (QAbstractButton* chosen = box ? box->button(m_answer) : nullptr)
        chosen->click();
    else if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
}

}  // namespace shelltest
