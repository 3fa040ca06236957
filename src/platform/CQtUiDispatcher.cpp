#include "platform/CQtUiDispatcher.h"

CQtUiDispatcher::CQtUiDispatcher(QObject* parent) : QObject(parent)
{
}

void CQtUiDispatcher::Post(std::function<void()> task)
{
    QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}
