#include "dialogs/CDlgPrivateNoteCodeDescr.h"

#include "dialogs/DialogControls.h"
#include "document/CodeDescription.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

CDlgPrivateNoteCodeDescr::CDlgPrivateNoteCodeDescr(CodeDescription& text, QWidget* parent)
    : QDialog(parent), m_text(text)
{
    setWindowTitle(QStringLiteral("Code description"));
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Please, describe your code!"), this), 0, 0, 1, 2);
    grid->addWidget(WithControlId(new QLabel(QString::fromStdString(text.CodeText), this), IDC_CODE), 1, 0);
    m_description = WithControlId(new QLineEdit(QString::fromStdString(text.Description), this), IDC_DESCRIPTION);
    FitWidthTo(*m_description, LineOfTextSample);
    grid->addWidget(m_description, 1, 1);
    grid->addWidget(OkCancelButtons(*this), 2, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    m_description->selectAll();
}

void CDlgPrivateNoteCodeDescr::accept()
{
    m_text.Description = m_description->text().toStdString();
    QDialog::accept();
}
