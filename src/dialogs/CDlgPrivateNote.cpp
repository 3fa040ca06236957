#include "dialogs/CDlgPrivateNote.h"

#include "dialogs/CDlgPrivateNoteCodeDescr.h"
#include "dialogs/DialogControls.h"
#include "document/PrivateNoteForm.h"
#include "platform/ShowMessageBox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

// A sign or nothing yet: the user is still typing a number, so there is
// nothing to refuse; OK refuses it if it stays so.
bool NumberBegun(const QString& text)
{
    const QString trimmed = text.trimmed();
    return trimmed.isEmpty() || trimmed == QLatin1String("-") || trimmed == QLatin1String("+");
}

}  // namespace

CDlgPrivateNote::CDlgPrivateNote(PrivateNoteForm& form, QWidget* parent) : QDialog(parent), m_form(form)
{
    setWindowTitle(QStringLiteral("Private Note"));
    m_code = WithControlId(new QLineEdit(QString::fromStdString(form.CodeText()), this), IDC_CODE);
    m_note = WithControlId(new QLineEdit(QString::fromStdString(form.Note()), this), IDC_NOTE);
    m_description = WithControlId(new QLineEdit(this), IDC_DESCRIPTION);
    m_description->setReadOnly(true);
    auto* describe = WithControlId(new QToolButton(this), IDC_DESCRIBE);
    describe->setText(QStringLiteral("..."));
    FitWidthTo(*m_note, LineOfTextSample);
    FitWidthTo(*m_description, LineOfTextSample);
    m_code->selectAll();
    ShowDescription();

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Code:"), this), 0, 0);
    grid->addWidget(m_code, 0, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(QStringLiteral("Additional not to this record:"), this), 1, 0);
    grid->addWidget(m_note, 1, 1, 1, 2);
    grid->addWidget(m_description, 2, 1);
    grid->addWidget(describe, 2, 2);
    // Made last, so tab reaches the controls in the order they were made.
    grid->addWidget(OkCancelButtons(*this), 3, 0, 1, 3);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_code, &QLineEdit::textEdited, this, &CDlgPrivateNote::OnCodeEdited);
    connect(describe, &QToolButton::clicked, this, &CDlgPrivateNote::OnDescribe);
}

void CDlgPrivateNote::accept()
{
    if (!TakeCode())
        return;
    m_form.SetNote(m_note->text().toStdString());
    QDialog::accept();
}

void CDlgPrivateNote::OnCodeEdited(const QString& text)
{
    if (m_form.SetCodeText(text.toStdString()))
        ShowDescription();
    else if (!NumberBegun(text))
        RefuseCode();
}

void CDlgPrivateNote::OnDescribe()
{
    if (!TakeCode())
        return;
    CodeDescription text = m_form.DescriptionToEdit();
    if (CDlgPrivateNoteCodeDescr(text, this).exec() != QDialog::Accepted)
        return;
    m_form.AcceptDescription(text.Description);
    ShowDescription();
}

bool CDlgPrivateNote::TakeCode()
{
    if (m_form.SetCodeText(m_code->text().toStdString()))
        return true;
    RefuseCode();
    return false;
}

void CDlgPrivateNote::RefuseCode()
{
    ShowMessageBox(this, IntegerMessage, QMessageBox::Warning);
    m_code->setText(QString::fromStdString(m_form.CodeText()));
    m_code->setFocus();
    m_code->selectAll();
}

void CDlgPrivateNote::ShowDescription()
{
    m_description->setText(QString::fromStdString(m_form.Description()));
}
