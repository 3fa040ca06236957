#pragma once

#include <QDialog>

class PrivateNoteForm;
class QLineEdit;

// "Private Note": the selected record's code and additional text, with the
// shared description of the code, which follows the code as it is typed and
// is written through "...". OK hands code and text to the form; the code edit
// takes whole numbers only.
class CDlgPrivateNote : public QDialog {
    Q_OBJECT

public:
    static constexpr int IDC_CODE = 1003;
    static constexpr int IDC_NOTE = 1004;
    static constexpr int IDC_DESCRIPTION = 1005;
    static constexpr int IDC_DESCRIBE = 1006;

    // What the dialog says when the code edit holds no whole number.
    static inline const QString IntegerMessage = QStringLiteral("Please enter an integer.");

    CDlgPrivateNote(PrivateNoteForm& form, QWidget* parent);

    void accept() override;

private:
    void OnCodeEdited(const QString& text);
    void OnDescribe();
    // Hands the code edit's text to the form; a text that is no whole number
    // is refused with the message, and the edit shows the code it kept.
    bool TakeCode();
    void RefuseCode();
    void ShowDescription();

    PrivateNoteForm& m_form;
    QLineEdit* m_code = nullptr;
    QLineEdit* m_note = nullptr;
    QLineEdit* m_description = nullptr;
};
