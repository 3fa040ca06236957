#pragma once

// Real widgets around the image button: a parent that records the commands
// it receives, and a button whose menu run and paints can be observed.

#include "platform/CCommandTarget.h"
#include "platform/CImageList.h"
#include "ui/CBButton.h"
#include "ui/CBFrameButton.h"

#include <QMenu>
#include <QPainter>
#include <QWidget>

// Mouse events take the window system's road (enter, leave, the press grab),
// as a real pointer's do; every test file gets QTest through this header.
#define QTEST_QPA_MOUSE_HANDLING
#include <QTest>

#include <vector>

namespace buttontest {

struct ReceivedCommand {
    int id;
    QWidget* control;
    quint32 buttonState; // the watched button's state bits when the command arrived
};

class CommandRecorder : public QWidget, public CCommandTarget {
public:
    explicit CommandRecorder(QWidget* parent = nullptr) : QWidget(parent) {}

    void OnCommand(int id, QWidget* control) override
    {
        commands.push_back({id, control, watched ? watched->State() : 0});
    }
    void OnInitMenuPopup(QMenu& popup) override { preparedMenus.push_back(&popup); }

    const CBButton* watched = nullptr;
    std::vector<ReceivedCommand> commands;
    std::vector<QMenu*> preparedMenus;
};

// The menu run is scripted: it answers nextChoice at once and remembers what
// it was asked to show and how the button looked meanwhile.
template <class Base>
class ObservedButton : public Base {
public:
    using Base::Base;

    int nextChoice = 0;
    std::vector<QMenu*> shownMenus;
    QPoint shownAt;
    quint32 stateDuringMenu = 0;
    size_t preparedBeforeMenu = 0;
    CommandRecorder* recorder = nullptr;
    int draws = 0;

protected:
    int RunMenu(QMenu& popup, const QPoint& screenPos) override
    {
        shownMenus.push_back(&popup);
        shownAt = screenPos;
        stateDuringMenu = this->State();
        preparedBeforeMenu = recorder ? recorder->preparedMenus.size() : 0;
        return nextChoice;
    }
    void Draw(QPainter& painter) override
    {
        ++draws;
        Base::Draw(painter);
    }
};

using TestButton = ObservedButton<CBButton>;
using TestFrameButton = ObservedButton<CBFrameButton>;

// A strip of solid icons, one colour each (transparent ones too), 16 x 16.
inline CImageList SolidStrip(const std::vector<QColor>& colors)
{
    QPixmap strip(16 * static_cast<int>(colors.size()), 16);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (size_t i = 0; i < colors.size(); ++i)
        painter.fillRect(16 * static_cast<int>(i), 0, 16, 16, colors[i]);
    painter.end();
    return CImageList(strip, 16);
}

} // namespace buttontest
