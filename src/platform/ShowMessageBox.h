#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

inline const QString ApplicationTitle = QStringLiteral("Vantrel");

// A modal message box owned by owner (may be null); answers the button the
// user chose. Every box of the program goes through here, so they look alike.
QMessageBox::StandardButton ShowMessageBox(QWidget* owner, const QString& text, QMessageBox::Icon icon,
                                           QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                           const QString& title = ApplicationTitle);
