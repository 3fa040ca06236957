#pragma once

// Answers the modal windows that code under test opens, the way a user
// would: it waits for the window, notes its text, then clicks the answer
// (a dialog without that button is rejected).

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include <vector>

namespace shelltest {

class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(QMessageBox::StandardButton answer);

    // The text of each message box, the class name of any other dialog.
    const std::vector<QString>& Seen() const { return m_seen; }

private:
    void Poll();

    QMessageBox::StandardButton m_answer;
    QTimer m_timer;
    std::vector<QString> m_seen;
};

}  // namespace shelltest
