#include "ReviewBenchFixture.h"

#include <QWidget>
#include <QWindow>

namespace bench {

bool UseOffscreenUnlessNamed()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}

ReviewBenchFixture::ReviewBenchFixture()
{
    settings.RootDirectory = root.Path();
    document.OnNewDocument();
}

void ShowExposed(QWidget& widget)
{
    widget.show();
    while (!widget.windowHandle() || !widget.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QCoreApplication::processEvents();
}

void AddTimed(const char* name, const std::function<void(benchmark::State&)>& function, bool smoke)
{
    auto* timed = benchmark::RegisterBenchmark(name, function);
    timed->Unit(benchmark::kMillisecond);
    if (smoke)
        timed->Iterations(1);
    else
        timed->MinWarmUpTime(0.2)->MinTime(0.5)->Repetitions(5)->ReportAggregatesOnly();
}

}  // namespace bench
