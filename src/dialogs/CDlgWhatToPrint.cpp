#include "dialogs/CDlgWhatToPrint.h"

#include "dialogs/DialogControls.h"
#include "document/PrintSelectionForm.h"
#include "platform/ShowMessageBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>

namespace {

using F = PrintSelectionForm;

// Frame numbers are typed in digits only, as a number edit takes them.
const QRegularExpression Digits(QStringLiteral("[0-9]*"));
const QString FrameNumberSample = QStringLiteral("00000");

const char* const GeneralChoices[4] = {"Nothing", "Selected in the window frame", "Partial:", "All frames"};
const char* const DetailedChoices[4] = {"Nothing", "Selected in the window frame", "Partial, by lane",
                                        "All available frames from all lanes"};
const char* const LaneNames[3] = {"Left lane:", "Middle lane:", "Right lane:"};

// A row of choices: the choice, then "From frame", its edit, "To frame", its edit.
constexpr int ChoiceRowColumns = 5;

}  // namespace

CDlgWhatToPrint::CDlgWhatToPrint(PrintSelectionForm& form, QWidget* parent) : QDialog(parent), m_form(form)
{
    setWindowTitle(QStringLiteral("What to print?"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AddLabel(*this, F::IDC_CAPTION, form.Caption().c_str()));
    layout->addWidget(MakeGeneralGroup());
    layout->addWidget(MakeDetailedGroup());
    const PrintRequest& request = form.Request();
    layout->addWidget(AddCheck(*this, F::IDC_RECORDS_LIST, "Records list", request.PrintRecordsList == 1,
                               [this](bool ticked) { m_form.SetPrintRecordsList(ticked); }));
    layout->addWidget(AddCheck(*this, F::IDC_SUBPOENA, "Subpoena", request.PrintSubpoena == 1,
                               [this](bool ticked) { m_form.SetPrintSubpoena(ticked); }));
    layout->addWidget(OkCancelButtons(*this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ApplyEnabling();
}

void CDlgWhatToPrint::accept()
{
    const std::optional<PrintSelectionError> error = m_form.Validate();
    if (!error) {
        QDialog::accept();
        return;
    }
    ShowMessageBox(this, QString::fromStdString(error->Message), QMessageBox::Critical);
    auto* edit = static_cast<QLineEdit*>(m_controls.at(error->FocusControl));
    edit->setFocus();
    edit->selectAll();
}

QGroupBox* CDlgWhatToPrint::MakeGeneralGroup()
{
    auto* box = WithControlId(new QGroupBox(QStringLiteral(" General view "), this), F::IDC_GENERAL_GROUP);
    m_controls[F::IDC_GENERAL_GROUP] = box;
    auto* grid = new QGridLayout(box);
    AddChoices(*box, *grid, F::IDC_GENERAL_NOTHING, GeneralChoices, m_form.Request().GeneralChoice,
               &F::ClickGeneralChoice);
    // The range stands on the row of "Partial:".
    const int row = PrintRequest::Partial;
    grid->addWidget(AddFrameEdit(*box, F::IDC_GENERAL_FROM), row, 2);
    grid->addWidget(AddFrameEdit(*box, F::IDC_GENERAL_TO), row, 4);
    grid->addWidget(AddLabel(*box, F::IDC_GENERAL_FROM_LABEL, "From frame"), row, 1);
    grid->addWidget(AddLabel(*box, F::IDC_GENERAL_TO_LABEL, "To frame"), row, 3);
    grid->setColumnStretch(ChoiceRowColumns, 1);
    return box;
}

QGroupBox* CDlgWhatToPrint::MakeDetailedGroup()
{
    auto* box = WithControlId(new QGroupBox(QStringLiteral(" Detailed view "), this), F::IDC_DETAILED_GROUP);
    m_controls[F::IDC_DETAILED_GROUP] = box;
    auto* grid = new QGridLayout(box);
    AddChoices(*box, *grid, F::IDC_DETAILED_NOTHING, DetailedChoices, m_form.Request().DetailedChoice,
               &F::ClickDetailedChoice);
    // The lanes stand under the choices, their boxes in line with the
    // choices' texts. Made in id order, which is the order tab goes: the
    // boxes, then the edits.
    auto* lanes = new QGridLayout;
    lanes->setContentsMargins(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                                  style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing),
                              0, 0, 0);
    for (int lane = 0; lane < 3; ++lane) {
        const int id = F::IDC_LEFT_LANE + lane;
        lanes->addWidget(AddCheck(*box, id, LaneNames[lane], m_form.Request().LaneChecked[lane] == 1,
                                  [this, id](bool ticked) { OnLaneClicked(id, ticked); }),
                         lane, 0);
    }
    for (int lane = 0; lane < 3; ++lane) {
        lanes->addWidget(AddFrameEdit(*box, F::IDC_LEFT_FROM + 2 * lane), lane, 2);
        lanes->addWidget(AddFrameEdit(*box, F::IDC_LEFT_FROM + 2 * lane + 1), lane, 4);
    }
    for (int lane = 0; lane < 3; ++lane) {
        lanes->addWidget(AddLabel(*box, F::IDC_LANE_FROM_LABEL + lane, "From frame"), lane, 1);
        lanes->addWidget(AddLabel(*box, F::IDC_LANE_TO_LABEL + lane, "To frame"), lane, 3);
    }
    grid->addLayout(lanes, 4, 0, 1, ChoiceRowColumns);
    grid->setColumnStretch(ChoiceRowColumns, 1);
    return box;
}

void CDlgWhatToPrint::AddChoices(QGroupBox& box, QGridLayout& grid, int first, const char* const (&texts)[4],
                                 int choice, ChoiceClick click)
{
    auto* group = new QButtonGroup(&box);
    for (int index = 0; index < 4; ++index) {
        auto* radio = WithControlId(new QRadioButton(QString::fromLatin1(texts[index]), &box), first + index);
        radio->setChecked(index == choice);
        group->addButton(radio, first + index);
        m_controls[first + index] = radio;
        grid.addWidget(radio, index, 0, 1, index == PrintRequest::Partial ? 1 : ChoiceRowColumns);
    }
    connect(group, &QButtonGroup::idClicked, this, [this, click](int id) {
        (m_form.*click)(id);
        ApplyEnabling();
    });
}

QCheckBox* CDlgWhatToPrint::AddCheck(QWidget& parent, int id, const char* text, bool ticked,
                                     const std::function<void(bool)>& onClick)
{
    auto* check = WithControlId(new QCheckBox(QString::fromLatin1(text), &parent), id);
    check->setChecked(ticked);
    connect(check, &QCheckBox::clicked, this, onClick);
    m_controls[id] = check;
    return check;
}

QLineEdit* CDlgWhatToPrint::AddFrameEdit(QWidget& parent, int id)
{
    auto* edit = WithControlId(new QLineEdit(QString::fromStdString(m_form.FrameText(id)), &parent), id);
    edit->setValidator(new QRegularExpressionValidator(Digits, edit));
    FitWidthTo(*edit, FrameNumberSample);
    edit->setMaximumWidth(edit->minimumWidth());
    connect(edit, &QLineEdit::textChanged, this,
            [this, id](const QString& text) { m_form.SetFrameText(id, text.toStdString()); });
    m_controls[id] = edit;
    return edit;
}

QLabel* CDlgWhatToPrint::AddLabel(QWidget& parent, int id, const char* text)
{
    auto* label = WithControlId(new QLabel(QString::fromUtf8(text), &parent), id);
    m_controls[id] = label;
    return label;
}

void CDlgWhatToPrint::OnLaneClicked(int id, bool ticked)
{
    m_form.SetLaneChecked(id, ticked);
    ApplyEnabling();
}

// A disabled control keeps its value: only the form's rules decide, never a
// reset here.
void CDlgWhatToPrint::ApplyEnabling()
{
    for (const auto& [id, control] : m_controls)
        control->setEnabled(m_form.IsEnabled(id));
}
