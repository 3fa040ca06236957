#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QLineEdit;

// Small pieces that every dialog builds alike.

// Names a control by its dialog control id, the name tests and tools find it by.
template <typename Widget>
Widget* WithControlId(Widget* widget, int id)
{
    widget->setObjectName(QString::number(id));
    return widget;
}

// OK (id 1) and Cancel (id 2), wired to the dialog's accept and reject.
QDialogButtonBox* OkCancelButtons(QDialog& dialog);

// As much of a line of free text (a note, a description) as its edit shows
// without scrolling.
inline const QString LineOfTextSample(48, QLatin1Char('x'));

// The edit is wide enough to show sample whole in its own font, at any scale.
void FitWidthTo(QLineEdit& edit, const QString& sample);
