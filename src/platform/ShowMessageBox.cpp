#include "platform/ShowMessageBox.h"

QMessageBox::StandardButton ShowMessageBox(QWidget* owner, const QString& text, QMessageBox::Icon icon,
                                           QMessageBox::StandardButtons buttons, const QString& title)
{
    QMessageBox box(icon, title, text, buttons, owner);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
