#include "dialogs/CDlgRedlightInfo.h"

#include "dialogs/DialogControls.h"
#include "document/RecordInformation.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace {

// The longest start time the record time text can make.
const QString LongestTimeText = QStringLiteral("Wednesday, 30-September-2006 00:00:00.000");

}  // namespace

CDlgRedlightInfo::CDlgRedlightInfo(RecordInformation& information, QWidget* parent)
    : QDialog(parent), m_information(information)
{
    setWindowTitle(QStringLiteral("Information"));
    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    const auto addField = [this, form](const char* label, const std::string& text, int id) {
        auto* edit = WithControlId(new QLineEdit(QString::fromStdString(text), this), id);
        edit->setReadOnly(id != IDC_SITE_ADDRESS);
        FitWidthTo(*edit, LongestTimeText);
        form->addRow(QString::fromLatin1(label), edit);
        return edit;
    };
    m_siteAddress = addField("Site address:", information.SiteAddress, IDC_SITE_ADDRESS);
    addField("MAC address:", information.MacText, IDC_MAC_ADDRESS);
    addField("Start of red light:", information.RedStartText, IDC_RED_START);
    addField("Start of yellow light:", information.YellowStartText, IDC_YELLOW_START);
    addField("Yellow time duration:", information.YellowDurationText, IDC_YELLOW_DURATION);
    form->addRow(OkCancelButtons(*this));
    form->setSizeConstraint(QLayout::SetFixedSize);
    m_siteAddress->selectAll();
}

void CDlgRedlightInfo::accept()
{
    m_information.SiteAddress = m_siteAddress->text().toStdString();
    QDialog::accept();
}
