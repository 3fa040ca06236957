#include "tool/OffscreenGui.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt's notes about the desktop it runs without (no runtime directory, no
// display) would only clutter the tool's standard error; real errors stay.
void KeepErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

OffscreenGui::OffscreenGui()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(KeepErrorsOnly);
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

OffscreenGui::~OffscreenGui() = default;
