#include "tool/OffscreenGui.h"

#include <QApplication>

#include <clocale>
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

OffscreenGui::OffscreenGui(Kind kind)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(KeepErrorsOnly);
    if (kind == Kind::Widgets)
        application_ = std::make_unique<QApplication>(argc_, argv_);
    else
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
    // Qt takes every locale category from the environment; the texts the
    // tool writes keep C numbers, and only times are local, as main set them.
    std::setlocale(LC_ALL, "C");
    std::setlocale(LC_TIME, "");
}

OffscreenGui::~OffscreenGui() = default;
