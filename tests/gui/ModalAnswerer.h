#pragma once

// Answers the modal windows that code under test opens, the way a user
// would: it waits for the window, notes what it showed, then acts on it.

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

namespace shelltest {

struct SeenModal {
    QString ClassName;
    QString Title;
    QString Text;  // of a message box
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons Buttons;
};

class ModalAnswerer : public QObject {
public:
    using Action = std::function<void(QWidget& modal)>;

    // Every modal window that opens while the answerer lives gets action.
    explicit ModalAnswerer(Action action);

    // Clicks button of a message box; any other dialog is rejected.
    static Action Click(QMessageBox::StandardButton button);

    const std::vector<SeenModal>& Seen() const { return m_seen; }

private:
    void Poll();

    Action m_action;
    QTimer m_timer;
    std::vector<SeenModal> m_seen;
};

}  // namespace shelltest
