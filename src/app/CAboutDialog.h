#pragma once

#include <QDialog>

// Who made the program and which version it is; it only closes on OK.
class CAboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent);
};
