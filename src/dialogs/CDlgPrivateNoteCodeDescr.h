#pragma once

#include <QDialog>

class QLineEdit;
struct CodeDescription;

// "Code description": writes the shared description of one code. OK hands the
// edited description back; Cancel leaves it as it was.
class CDlgPrivateNoteCodeDescr : public QDialog {
    Q_OBJECT

public:
    static constexpr int IDC_DESCRIPTION = 1007;
    static constexpr int IDC_CODE = 1008;

    CDlgPrivateNoteCodeDescr(CodeDescription& text, QWidget* parent);

    void accept() override;

private:
    CodeDescription& m_text;
    QLineEdit* m_description = nullptr;
};
