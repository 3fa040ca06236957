#pragma once

#include <QDialog>

#include <functional>
#include <map>

class PrintSelectionForm;
class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

// "What to print?": which general-view and lane frames of the selected
// record to print, and whether to add the records list and a subpoena. It
// edits the form's copy of the print request; OK passes only when the copy
// validates, and otherwise names the range at fault and puts the cursor in it.
class CDlgWhatToPrint : public QDialog {
    Q_OBJECT

public:
    CDlgWhatToPrint(PrintSelectionForm& form, QWidget* parent);

    void accept() override;

private:
    using ChoiceClick = void (PrintSelectionForm::*)(int);

    QGroupBox* MakeGeneralGroup();
    QGroupBox* MakeDetailedGroup();
    // Four radio buttons, ids first.. in a column of the grid, the one of
    // choice checked; a click sets the form's choice.
    void AddChoices(QGroupBox& box, QGridLayout& grid, int first, const char* const (&texts)[4], int choice,
                    ChoiceClick click);
    QCheckBox* AddCheck(QWidget& parent, int id, const char* text, bool ticked,
                        const std::function<void(bool)>& onClick);
    QLineEdit* AddFrameEdit(QWidget& parent, int id);
    QLabel* AddLabel(QWidget& parent, int id, const char* text);
    void OnLaneClicked(int id, bool ticked);
    void ApplyEnabling();

    PrintSelectionForm& m_form;
    std::map<int, QWidget*> m_controls;  // by control id
};
