#include "ModalScript.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <algorithm>

namespace dialogtest {

ModalScript::ModalScript(std::initializer_list<Step> steps) : m_steps(steps)
{
    Poll();
}

void ModalScript::Poll()
{
    // A fresh timer each time: a step's own modal loop must see it fire.
    QTimer::singleShot(5, this, &ModalScript::Poll);
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    // The window whose step is still running is on top again once a box
    // that step opened closes; its next step waits until this one is done.
    if (std::find(m_running.begin(), m_running.end(), modal) != m_running.end())
        return;
    if (modal == m_last) {
        // A step that failed before it closed its window leaves it to us.
        if (m_unchanged.hasExpired(StuckMilliseconds))
            Reject(*modal);
        return;
    }
    m_last = modal;
    m_unchanged.start();
    if (m_steps.empty()) {
        Reject(*modal);
        return;
    }
    const Step step = std::move(m_steps.front());
    m_steps.pop_front();
    m_running.push_back(modal);
    step(*modal);
    m_running.pop_back();
    m_unchanged.start();
}

void ModalScript::Reject(QWidget& modal)
{
    if (auto* dialog = qobject_cast<QDialog*>(&modal))
        dialog->reject();
}

}  // namespace dialogtest
