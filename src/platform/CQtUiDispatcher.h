#pragma once

#include "document/UiDispatcher.h"

#include <QObject>

// Runs work handed over by worker threads in the user-interface thread's
// event loop, as a queued call that no worker ever waits for. Work still
// queued when the dispatcher goes is dropped with it.
class CQtUiDispatcher : public QObject, public UiDispatcher {
    Q_OBJECT

public:
    // Lives in the thread that makes it, which must be the user-interface thread.
    explicit CQtUiDispatcher(QObject* parent = nullptr);

    void Post(std::function<void()> task) override;
};
