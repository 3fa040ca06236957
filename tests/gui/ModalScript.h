#pragma once

// Plays the user on the modal windows that code under test opens: each time
// another modal window comes on top (a new one, or the one below when a box
// closes), the next step runs on it. A step may open a modal window itself;
// the steps for it run inside. A modal window that no step is left for, or
// that stays on top untouched for two seconds, is rejected, so that a
// failing test never hangs.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <deque>
#include <functional>
#include <initializer_list>
#include <vector>

namespace dialogtest {

class ModalScript : public QObject {
public:
    using Step = std::function<void(QWidget& modal)>;

    ModalScript(std::initializer_list<Step> steps);

    bool Done() const { return m_steps.empty(); }

private:
    static constexpr int StuckMilliseconds = 2000;

    void Poll();
    static void Reject(QWidget& modal);

    std::deque<Step> m_steps;
    QPointer<QWidget> m_last;
    std::vector<const QWidget*> m_running;  // whose steps run, innermost last
    QElapsedTimer m_unchanged;              // since the last step or change on top
};

// The control of a dialog by its id.
template <typename Widget>
Widget& Control(QWidget& dialog, int id)
{
    auto* control = dialog.findChild<Widget*>(QString::number(id));
    if (!control)
        qFatal("no control %d", id);
    return *control;
}

}  // namespace dialogtest
