#include "dialogs/DialogControls.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
// QLineEdit keeps this much room between its frame and its text on each side.
constexpr int LineEditInnerMargin = 2;

}  // namespace

QDialogButtonBox* OkCancelButtons(QDialog& dialog)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    WithControlId(buttons->button(QDialogButtonBox::Ok), IDOK);
    WithControlId(buttons->button(QDialogButtonBox::Cancel), IDCANCEL);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

void FitWidthTo(QLineEdit& edit, const QString& sample)
{
    // The frame, margins and cursor as the style and QLineEdit lay them
    // around the text; the edit scrolls as soon as the cursor would not fit.
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit);
    const QMargins margins = edit.textMargins();
    const int cursor = edit.style()->pixelMetric(QStyle::PM_TextCursorWidth, &option, &edit);
    const QSize text(edit.fontMetrics().horizontalAdvance(sample) + margins.left() + margins.right() +
                         2 * LineEditInnerMargin + cursor,
                     edit.sizeHint().height());
    edit.setMinimumWidth(edit.style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, &edit).width());
}
