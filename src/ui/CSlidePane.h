#pragma once

#include "document/PlaybackTimer.h"
#include "platform/CImageList.h"
#include "platform/CPaneView.h"
#include "platform/CQtUiDispatcher.h"
#include "ui/CShownGeneralFrame.h"
#include "ui/SlidePaneLayout.h"

#include <QFont>

#include <array>

class CBButton;
class CCommandBinder;
class QMenu;
class QSlider;

// The general-view playback pane: the frame of the current record's general
// view with its site, time and counter, the playback buttons and the slider
// over the frames. Its timer ticks the document's playback once a second
// while a restart or continue has it play; a pause or another record stops it.
class CSlidePane : public CPaneView {
    Q_OBJECT

public:
    static constexpr int Id = 102;
    static constexpr int SliderId = 113;

    CSlidePane(CVantrelDoc& document, CCommandBinder& binder, QWidget* parent);

    void OnUpdate(int hint, const CCommandHint* object) override;

    // In the order of SlidePaneLayout::Button.
    CBButton& Button(int index) const { return *m_buttons.at(static_cast<std::size_t>(index)); }
    QSlider& Slider() const { return *m_slider; }
    QMenu& ContextMenu() const { return *m_contextMenu; }
    const CShownGeneralFrame& ShownFrame() const { return m_frame; }
    // The clock beats: from a restart or continue until a pause or another record.
    bool Ticking() const { return m_timer.IsPlaying(); }
    // The frame counter: "0/0" without frames, else the current frame of all.
    QString CounterText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void CreateButtons(CCommandBinder& binder);
    void CreateSlider();
    void LayoutControls();
    void FollowPlayback(int hint, const CCommandHint* object);
    // The slider and the continue / pause button follow the document.
    void UpdateControls();
    void UpdatePlayButton();
    void OnSliderMoved(int position);

    void Draw(QPainter& painter);
    void DrawSiteBar(QPainter& painter, const SlidePaneLayout& layout);
    void DrawTimeBar(QPainter& painter, const SlidePaneLayout& layout) const;
    void DrawCounterBar(QPainter& painter, const SlidePaneLayout& layout) const;
    void DrawImageArea(QPainter& painter, const SlidePaneLayout& layout);
    void FillGrey(QPainter& painter, const QRect& rect) const;

    CCommandBinder& m_binder;
    CImageList m_images;
    QFont m_font;
    QMenu* m_contextMenu = nullptr;
    std::array<CBButton*, SlidePaneLayout::ButtonCount> m_buttons{};
    QSlider* m_slider = nullptr;
    CShownGeneralFrame m_frame;
    CQtUiDispatcher m_dispatcher;
    // Declared after the dispatcher: it stops before the ticks' road goes.
    PlaybackTimer m_timer;
};
