#pragma once

#include "printing/PrintPictures.h"

#include <QPointer>
#include <QString>

class QWidget;

// The desktop's pictures for a print job: bitmap files loaded by Qt, the main
// view painted into a picture (never read from the screen, so that it works
// offscreen and under any window manager) and the subpoena form's file.
class CQtPrintPictures final : public PrintPictures {
public:
    // mainView may be null or go away: the capture is then empty.
    CQtPrintPictures(QWidget* mainView, QString subpoenaFormPath);

    bool LoadBitmap(const std::string& path, CDibImage& picture) override;
    bool CaptureMainView(CDibImage& picture) override;
    bool LoadSubpoenaForm(CDibImage& picture) override;

private:
    QPointer<QWidget> m_mainView;
    QString m_subpoenaFormPath;
};
