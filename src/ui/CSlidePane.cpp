#include "ui/CSlidePane.h"

#include "document/CCommandHint.h"
#include "document/CVantrelDoc.h"
#include "document/CommandIds.h"
#include "document/ReviewMenus.h"
#include "document/UpdateHints.h"
#include "platform/CBButton.h"
#include "platform/CCommandBinder.h"
#include "platform/CSliderThumbStyle.h"
#include "platform/MenuFromDefinition.h"
#include "platform/PaneFont.h"

#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSlider>

namespace {

struct ButtonRow {
    int Command;
    int Image;
};

// Creation order, which is also the order of SlidePaneLayout::Button.
constexpr ButtonRow Buttons[SlidePaneLayout::ButtonCount] = {
    {ID_GENERAL_FULL_SCREEN, 0}, {ID_RECORD_INFORMATION, 2}, {ID_PLAY_RESTART, 3},
    {ID_PLAY_CONTINUE, 5},       {ID_PLAY_BACKWARD, 7},      {ID_PLAY_FORWARD, 8},
};
constexpr int PlayButton = 3;
constexpr int PauseImage = 6;
constexpr int SliderThumbLength = 14;

}  // namespace

CSlidePane::CSlidePane(CVantrelDoc& document, CCommandBinder& binder, QWidget* parent)
    : CPaneView(document, QStringLiteral("Slide Pane"), Id, parent),
      m_binder(binder),
      m_images(CImageList::FromDirectory(QStringLiteral(":/icons/playback"))),
      m_font(PaneFont(*this)),
      m_timer(m_dispatcher, [this] { Document().AdvancePlayback(); })
{
    setFont(m_font);
    m_contextMenu = MenuFromDefinition(GeneralViewPopup(), this);
    binder.BindMenu(*m_contextMenu);
    CreateButtons(binder);
    CreateSlider();
    UpdateControls();
    m_timer.Start();
}

void CSlidePane::CreateButtons(CCommandBinder& binder)
{
    for (int index = 0; index < SlidePaneLayout::ButtonCount; ++index) {
        auto* button = new CBButton(QString(), 0, QRect(), this, Buttons[index].Command);
        button->SetImageList(&m_images, Buttons[index].Image);
        button->SetFont(m_font, false);
        m_buttons[static_cast<std::size_t>(index)] = button;
        binder.BindButton(*button);
    }
}

void CSlidePane::CreateSlider()
{
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QString::number(SliderId));
    m_slider->setTickPosition(QSlider::TicksAbove);
    m_slider->setTickInterval(1);
    m_slider->setStyle(new CSliderThumbStyle(SliderThumbLength, m_slider));
    m_slider->setRange(0, 0);
    m_slider->setAutoFillBackground(true);
    // Only the user moves it: the pane's own updates block its signals.
    connect(m_slider, &QSlider::valueChanged, this, &CSlidePane::OnSliderMoved);
}

void CSlidePane::LayoutControls()
{
    const SlidePaneLayout layout(size());
    for (int index = 0; index < SlidePaneLayout::ButtonCount; ++index)
        Button(index).setGeometry(layout.Button(index));
    m_slider->setGeometry(layout.Slider());
}

void CSlidePane::resizeEvent(QResizeEvent* event)
{
    CPaneView::resizeEvent(event);
    LayoutControls();
    update();
}

void CSlidePane::OnUpdate(int hint, const CCommandHint* object)
{
    FollowPlayback(hint, object);
    if (hint == HINT_ALL || hint == HINT_PLAYBACK)
        UpdateControls();
    CPaneView::OnUpdate(hint, object);
}

void CSlidePane::FollowPlayback(int hint, const CCommandHint* object)
{
    if (hint == HINT_ALL) {
        m_timer.Pause();
        return;
    }
    if (hint != HINT_PLAYBACK || !object)
        return;
    if (object->Command == ID_PLAY_PAUSE)
        m_timer.Pause();
    else if (object->Command == ID_PLAY_RESTART || object->Command == ID_PLAY_CONTINUE)
        m_timer.Play();
}

void CSlidePane::UpdateControls()
{
    const CVantrelDoc& document = Document();
    const int count = document.GeneralFrameCount();
    {
        const QSignalBlocker quiet(m_slider);
        m_slider->setRange(0, std::max(0, count - 1));
        m_slider->setValue(count > 0 ? std::max(0, document.CurrentGeneralFrame()) : 0);
    }
    m_slider->setEnabled(!document.Playing() && count >= 1);
    UpdatePlayButton();
}

// One button plays and pauses: it sends and shows what the document's
// playing state calls for, and the binder enables it by the rule of the
// command it sends now.
void CSlidePane::UpdatePlayButton()
{
    const bool playing = Document().Playing();
    CBButton& button = Button(PlayButton);
    button.SetImageIndex(playing ? PauseImage : Buttons[PlayButton].Image);
    const int command = playing ? ID_PLAY_PAUSE : ID_PLAY_CONTINUE;
    if (button.ControlId() == command)
        return;
    button.SetControlId(command);
    m_binder.Refresh();
}

void CSlidePane::OnSliderMoved(int position)
{
    // After the slider's own event, as the desktop posts it.
    QMetaObject::invokeMethod(this, [this, position] { Document().SetGeneralFrame(position, true); },
                              Qt::QueuedConnection);
}

void CSlidePane::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton ||
        !SlidePaneLayout(size()).DoubleClickZone().contains(event->position().toPoint())) {
        CPaneView::mouseDoubleClickEvent(event);
        return;
    }
    QMetaObject::invokeMethod(this, [this] { Document().OnCommand(ID_GENERAL_FULL_SCREEN); },
                              Qt::QueuedConnection);
}

void CSlidePane::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::RightButton) {
        CPaneView::mousePressEvent(event);
        return;
    }
    // Centred horizontally on the point of the click.
    const QPoint at = event->globalPosition().toPoint();
    m_contextMenu->popup(QPoint(at.x() - m_contextMenu->sizeHint().width() / 2, at.y()));
}
