#pragma once

#include <QDialog>

class QLineEdit;
struct RecordInformation;

// "Information": the timing facts of the selected record and the site of its
// unit. Only the site address can be edited; OK hands it back to the
// information, Cancel leaves the information as it was.
class CDlgRedlightInfo : public QDialog {
    Q_OBJECT

public:
    static constexpr int IDC_MAC_ADDRESS = 1000;
    static constexpr int IDC_SITE_ADDRESS = 1001;
    static constexpr int IDC_RED_START = 1002;
    static constexpr int IDC_YELLOW_START = 1003;
    static constexpr int IDC_YELLOW_DURATION = 1004;

    CDlgRedlightInfo(RecordInformation& information, QWidget* parent);

    void accept() override;

private:
    RecordInformation& m_information;
    QLineEdit* m_siteAddress = nullptr;
};
